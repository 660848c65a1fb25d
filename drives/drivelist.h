#pragma once

#include "drives/driveinfo.h"

#include <QObject>
#include <QString>
#include <QTimer>

class QDBusMessage;

// The removable drives with a mounted file system, from the system's drive
// service (UDisks2 over the system bus).

// Reads the drives now; false with *error when the service cannot be reached,
// which then says to choose a folder instead. Blocking; any thread.
[[nodiscard]] bool listDrives(DriveInfos *drives, QString *error);

// Unmounts the drive's file system, then powers the drive off (or ejects its
// medium), so that it is safe to remove. False with *error naming the drive
// and the cause, such as a program that still has a file open on it.
[[nodiscard]] bool ejectDrive(const DriveInfo &drive, QString *error);

// The drive list kept current while drives are plugged in and pulled out.
class JobRunner;

class DriveList : public QObject
{
    Q_OBJECT
public:
    // Reads in the background run on jobs, each keyed by its drives' mount
    // points, so a read waits for a write to the same drive.
    explicit DriveList(JobRunner *jobs, QObject *parent = nullptr);

    // Reads the drives again now, blocking; false when the service is
    // missing (see errorString()).
    bool refresh();
    // Reads them again off this thread; drivesChanged() tells when done.
    void refreshInBackground();
    bool isAvailable() const { return m_available; }
    const DriveInfos &drives() const { return m_drives; }
    QString errorString() const { return m_error; }
    // Off while drives are written: reading them then would wait on busy
    // drives. Turned on again, it reads them once.
    void setWatching(bool on);

signals:
    // The list changed: a drive came, went, or was mounted or unmounted.
    void drivesChanged();

private slots:
    void onInterfacesChanged(const QDBusMessage &message);
    void onPropertiesChanged(const QDBusMessage &message);

private:
    void scheduleRefresh();

    JobRunner *m_jobs;
    DriveInfos m_drives;
    QString m_error;
    bool m_available = false;
    bool m_watching = true;
    QTimer m_coalesce;
    // Answers to older reads are dropped.
    quint64 m_generation = 0;
};
