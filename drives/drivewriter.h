#pragma once

#include "drives/driveinfo.h"
#include "drives/readback.h"

#include <QMetaType>
#include <QString>
#include <QVector>

#include <functional>

class JobControl;
struct JobProgress;

struct DriveWriteOptions
{
    // Read every package back from its drive after writing it.
    bool verify = true;
    // Unmount and power off each drive whose package was verified.
    bool eject = false;
    // Drives written at once; more only share the same bus.
    int parallel = 4;
};

// What became of one drive.
struct DriveResult
{
    enum class Outcome {
        Pending,
        // Written; not read back (the check was turned off).
        Written,
        // Written and read back from the drive intact.
        Verified,
        // Verified, unmounted and powered off: safe to remove.
        Ejected,
        // Verified, but the drive could not be ejected: error says why.
        NotEjected,
        Failed,
        // Cancelled: the drive's package is as it was before.
        Cancelled,
    };
    enum class Action {
        None,
        Copied,  // the package copied whole: the drive had none
        Updated, // the drive's older package of that name updated in place
        Current, // the drive held this package already
    };

    DriveInfo drive;
    Outcome outcome = Outcome::Pending;
    Action action = Action::None;
    QString error; // the cause, naming the drive; empty when all went well
    qint64 bytesWritten = 0;
    qint64 writeMs = 0;
    qint64 verifyMs = 0;

    bool isDone() const { return outcome != Outcome::Pending; }
    bool isSafeToRemove() const { return outcome == Outcome::Ejected; }
};

using DriveResults = QVector<DriveResult>;

// What the job tells as it goes, from its own threads.
struct DriveWriteObserver
{
    // Progress of one drive: its index in the job, and bytes of the current
    // step (step is "Writing" or "Verifying").
    std::function<void(int drive, const JobProgress &progress)> progress;
    // One drive is done, well or not.
    std::function<void(int drive, const DriveResult &result)> finished;
};

// Writes the package at packagePath to every drive's top folder: a copy where
// the drive has none, an update in place where it holds an older package of
// that name, nothing where it holds this one already; then reads each back and
// ejects it, as options say. A drive that fails or is pulled stops only
// itself. control's progress is the sum over all drives; its cancel stops all
// of them, each package left as it was. eject is called for drives to eject
// (ejectDrive when empty).
DriveResults writeToDrives(const QString &packagePath, const DriveInfos &drives,
                           const DriveWriteOptions &options, JobControl *control = nullptr,
                           const DriveWriteObserver &observer = {},
                           const std::function<bool(const DriveInfo &, QString *)> &eject = {});

// One word for a result: "Safe to remove", "Verified", "Failed", ...
QString driveOutcomeText(DriveResult::Outcome outcome);

Q_DECLARE_METATYPE(DriveResult)
Q_DECLARE_METATYPE(DriveResults)
