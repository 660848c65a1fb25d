#include "archive/zipthread.h"

#include "archive/packagearchive.h"

bool ZipThread::removeDir(const QString &)
{
    return true;
}

void ZipThread::doWork(const QString &, const QString &)
{
    emit resultReady(QStringLiteral("not implemented"));
}

void ZipThread::updateFiles(const QStringList &, const QStringList &, const QString &)
{
    emit filesUpdated(QStringLiteral("not implemented"));
}
