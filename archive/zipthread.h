#pragma once

#include "package/saveplan.h"

#include <QObject>
#include <QString>

// The worker of the main window's second thread: every job that touches the
// disk runs here, one at a time, in the order received. Each job ends with
// exactly one completion signal carrying its outcome.
class ZipThread : public QObject
{
    Q_OBJECT

public:
    explicit ZipThread(QObject *parent = nullptr);

signals:
    void resultReady(const SaveOutcome &outcome);
    void packageRead(const QString &path, const PackageContents &contents, const QString &error);
    void progress(int percent);
    void settingsSaved();

public slots:
    // Runs a save plan: checks, writes and reads back the package.
    void doWork(const SavePlan &plan);
    void openPackage(const QString &path, const QString &transition);
    // Writes settings.xml here, so its sync never holds up the window.
    void saveSettings(const QString &pathMedia, const QString &pathSave);
    // Clears what interrupted runs left in the temporary folder.
    void removeLeftovers();
};
