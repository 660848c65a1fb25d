#pragma once

#include "drives/driveinfo.h"
#include "drives/readback.h"
#include "jobs/joboutcome.h"

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class JobControl;

struct DriveWriteOptions
{
    // Read every package back from its drive after writing it.
    bool verify = true;
    // Unmount and power off each drive whose package was verified.
    bool eject = false;
    // Drives written at once; more only share the same bus.
    int parallel = 4;
    // A drive holding a newer or unrelated package of the same name keeps it
    // unless replaceAny is set or its mount point is in replaceOn.
    bool replaceAny = false;
    QStringList replaceOn;
};

// How the package a drive holds under the same name relates to the one written.
struct HeldPackage
{
    enum class Relation {
        None,      // the drive holds no package of that name
        Older,     // an earlier or the same version of it
        Newer,     // saved later than the one written
        Unrelated, // another playlist (no media in common), or not readable as one
    };
    Relation relation = Relation::None;
    QString savedAt; // its document's update time, "2026-06-01 10:00:00"
    int items = -1;  // its playlist's rows; -1 unknown

    bool needsConsent() const
    {
        return relation == Relation::Newer || relation == Relation::Unrelated;
    }
};

// Compares the package at heldPath with the package at packagePath by their
// documents' update times and the media they hold.
HeldPackage compareHeldPackage(const QString &packagePath, const QString &heldPath);
// The question for the user: "“STICK_A” holds a newer show.mrv (saved …, 4
// items); replace it?"
QString heldPackageQuestion(const DriveInfo &drive, const QString &fileName,
                            const HeldPackage &held);

// What became of one drive: done (written, see proof), failed, cancelled (its
// package as it was), or changed elsewhere (not written: the drive holds a
// newer or unrelated package of the same name, kept as it was). warning is
// said beside a done drive: why a verified drive was not ejected, or that its
// read-back was cancelled.
struct DriveResult : JobOutcome
{
    // How much is proven of a done drive.
    enum class Proof {
        None,
        // Written; not read back (the check was turned off or cancelled).
        Written,
        // Written and read back from the drive intact.
        Verified,
        // Verified, unmounted and powered off.
        SafeToRemove,
    };
    enum class Action {
        None,
        Copied,  // the package copied whole: the drive had none
        Updated, // the drive's older package of that name updated in place
        Current, // the drive held this package already
    };

    DriveInfo drive;
    Proof proof = Proof::None;
    Action action = Action::None;
    HeldPackage held;
    qint64 bytesWritten = 0;
    qint64 writeMs = 0;
    qint64 verifyMs = 0;

    bool isSafeToRemove() const { return isDone() && proof == Proof::SafeToRemove; }
};

using DriveResults = QVector<DriveResult>;

// Writes the package at packagePath to every drive's top folder: a copy where
// the drive has none, only what changed where it holds an older package of
// that name, nothing where it holds this one already; then reads each back and
// ejects it, as options say. A drive that fails or is pulled stops only
// itself; a mount point that is not mounted is refused. control's progress is
// the sum over all drives, with one part per drive (its step, the bytes of
// that step, and whether it is finished); its cancel stops all of them within
// a chunk, each package being written left as it was. eject is called for
// drives to eject (ejectDrive when empty).
DriveResults writeToDrives(const QString &packagePath, const DriveInfos &drives,
                           const DriveWriteOptions &options, JobControl *control = nullptr,
                           const std::function<bool(const DriveInfo &, QString *)> &eject = {});

// One word for a result: "Safe to remove", "Verified", "Failed", ...
QString driveResultText(const DriveResult &result);
// The summary of a job, naming what became of the drives: "2 drives verified;
// 1 cancelled, its package as it was."
QString driveSummaryText(const DriveResults &results);

Q_DECLARE_METATYPE(DriveResult)
Q_DECLARE_METATYPE(DriveResults)
