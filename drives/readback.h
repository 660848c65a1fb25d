#pragma once

#include "archive/packagelayout.h"
#include "archive/packagetypes.h"
#include "jobs/joboutcome.h"

#include <QByteArray>
#include <QString>
#include <QVector>

class JobControl;

// Reading back from the drive what a save wrote: a stick that is failing, or
// fakes its capacity, takes the bytes and returns others.

// Done: read back intact; Cancelled; Failed: fault says how.
struct ReadBackResult : JobOutcome
{
    enum class Fault {
        None,
        // The drive returned other bytes than were written.
        Mismatch,
        // The package could not be read at all: the drive went, or failed.
        Unreadable,
    };
    Fault fault = Fault::None;
    qint64 bytesRead = 0;
    qint64 elapsedMs = 0;

    bool isVerified() const { return isDone(); }
};

// Drops the package's pages from the page cache, then reads every byte of it
// once from the drive: each entry against the checksum its central directory
// records, and, when expectedDocument is not empty, the playlist document
// against the bytes that were built. control gets progress and may cancel.
ReadBackResult verifyFromDrive(const QString &path, const QByteArray &expectedDocument,
                               JobControl *control = nullptr);

// The directory of a package before an update in place changed it.
struct DirectoryBefore
{
    PackageIdentity identity;
    QVector<LayoutEntry> entries;
};

// The read-back of an update in place, in proportion to what it wrote: the
// directory and end record and every entry the update wrote or moved are
// read from the drive; an entry still at the place, with the checksum and
// sizes, it had in before is proven by its directory record alone. A package
// that is not the file before described (rewritten whole) is read whole.
ReadBackResult verifyUpdateFromDrive(const QString &path, const QByteArray &expectedDocument,
                                     const DirectoryBefore &before, JobControl *control = nullptr);

// One entry as a package's central directory records it.
struct StoredEntry
{
    QString name;
    quint32 crc = 0;
    qint64 size = -1;
};

// The entries of the package at path, after its layout was checked; false
// with *error naming the package and the cause.
[[nodiscard]] bool readStoredEntries(const QString &path, QVector<StoredEntry> *entries,
                                     QString *error);

// Whether saves read their package back from the drive (on unless the user
// turned it off); kept in the user's preferences, not in settings.xml.
bool verifyAfterSave();
void setVerifyAfterSave(bool on);
