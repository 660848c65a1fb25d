#include "package/staging.h"

#include "app/logging.h"
#include "package/packagenames.h"
#include "package/packageplan.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

} // namespace

bool writeDocumentFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        *error = tr("Cannot write %1: %2.").arg(QDir::toNativeSeparators(path), file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = tr("Cannot write %1: %2.").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return true;
}

bool stageNewPackage(const QString &dir, const QByteArray &documentBytes,
                     const QStringList &mediaPaths, QString *error)
{
    if (!writeDocumentFile(dir + QLatin1Char('/') + documentEntryName(), documentBytes, error))
        return false;
    for (const QString &path : mediaPaths) {
        const QString link = dir + QLatin1Char('/') + bareName(path);
        QFile target(QFileInfo(path).absoluteFilePath());
        if (!target.link(link)) {
            qCWarning(lcMerovi) << "cannot link" << link << "to" << target.fileName()
                                << target.errorString();
            *error = tr("Cannot prepare %1 for the package in %2: %3.")
                         .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(dir),
                              target.errorString());
            return false;
        }
    }
    return true;
}
