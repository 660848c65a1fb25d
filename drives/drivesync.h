#pragma once

#include <QString>

#include <functional>

class JobControl;

// Brings a drive's package to the bytes of a new version, writing only from
// the first entry that differs. The entries both share from the start (same
// name, place, local header, size and checksum) stay where they are; the rest
// is written under the same rollback journal as an update in place, so a
// cancel, a failure or a pulled drive leaves the old package byte for byte
// (at once, or on the next write or open). The result is the source's bytes.
struct PackageSync
{
    enum class Status {
        Synced,
        // Held these bytes already.
        Current,
        // The package on the drive cannot be read as one: copy it whole.
        NotPossible,
        Failed,
        // Cancelled and rolled back: the old package is there.
        Cancelled,
        // Failed and could not be rolled back yet: the journal stays for the
        // next write or open.
        Unfinished,
    };
    Status status = Status::Failed;
    // Names the package and the cause; empty when synced.
    QString error;
    // Bytes written to the drive: the journal and the package's new bytes.
    qint64 bytesWritten = 0;
    // The old bytes saved in the journal.
    qint64 journalBytes = 0;
};

// finishing is called when the data is written and the drive is to take
// what is still cached.
PackageSync syncPackage(const QString &source, const QString &target, JobControl *control,
                        const std::function<void()> &finishing = {});
