#include "archive/zipthread.h"

#include "jobs/jobcontrol.h"
#include "settings/settings.h"

ZipThread::ZipThread(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<SavePlan>();
    qRegisterMetaType<SaveOutcome>();
    qRegisterMetaType<PackageContents>();
}

void ZipThread::doWork(const SavePlan &plan)
{
    JobControl control([this](const JobProgress &done) {
        if (done.total > 0)
            emit progress(int(done.done * 100 / done.total));
    });
    emit resultReady(runSavePlan(plan, &control));
}

void ZipThread::openPackage(const QString &path, const QString &transition)
{
    PackageContents contents;
    QString error;
    if (!readPackage(path, transition, &contents, &error))
        contents = {};
    emit packageRead(path, contents, error);
}

void ZipThread::saveSettings(const QString &pathMedia, const QString &pathSave)
{
    Settings settings;
    settings.PATH_MEDIA = pathMedia;
    settings.PATH_SAVE = pathSave;
    // Only where the next dialog starts is at stake; Save() logs why it failed.
    (void)settings.Save();
    emit settingsSaved();
}

void ZipThread::removeLeftovers()
{
    removeStaleTemporaries();
}
