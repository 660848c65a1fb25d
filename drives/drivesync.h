#pragma once

#include "jobs/joboutcome.h"

#include <QString>

class JobControl;

// Brings a drive's package to the bytes of a new version, writing only from
// the first entry that differs. The entries both share from the start (same
// name, place, local header, size and checksum) stay where they are; the rest
// is written under the same rollback journal as an update in place, so a
// cancel, a failure or a pulled drive leaves the old package byte for byte
// (at once, or on the next write or open). The result is the source's bytes.
// Done: the drive holds the new bytes (current: it held them already).
// Failed: error names the package and the cause; when the old package could
// not be rolled back yet, the journal stays for the next write or open.
// Cancelled: rolled back, the old package is there.
struct PackageSync : JobOutcome
{
    // Done without writing: the drive held these bytes already.
    bool current = false;
    // Failed before anything was written: the package on the drive cannot be
    // read as one (or not locked), so copy it whole.
    bool copyWhole = false;
    // Bytes written to the drive: the journal and the package's new bytes.
    qint64 bytesWritten = 0;
    // The old bytes saved in the journal.
    qint64 journalBytes = 0;
};

// control gets the step (writing, then finishing when the data is written
// and the drive is to take what is still cached) and may cancel.
PackageSync syncPackage(const QString &source, const QString &target, JobControl *control);
