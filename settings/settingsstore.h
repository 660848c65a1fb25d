#pragma once

#include "jobs/jobrunner.h"

#include <QObject>
#include <QString>

// The two remembered locations as the program last chose them. Writes run as
// jobs on the key "settings.xml", one after the other; until the last one is
// written, read() gives what it will write, so a command right after another
// sees what that one chose.
class SettingsStore : public QObject
{
    Q_OBJECT

public:
    explicit SettingsStore(JobRunner *runner, QObject *parent = nullptr);

    struct Values
    {
        QString pathMedia;
        QString pathSave;
    };

    Values read() const;
    void write(const Values &values);

signals:
    // A write has ended; warning is empty when it succeeded. Not remembering a
    // folder loses no work, so a failure is a warning, never a refusal.
    void written(const QString &warning);

private:
    JobRunner *m_runner;
    Values m_queued;
    JobId m_lastWrite = 0;
};
