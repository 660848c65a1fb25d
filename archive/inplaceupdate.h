#pragma once

#include "archive/packagejournal.h"
#include "archive/packagetypes.h"
#include "archive/platformfile.h"
#include "jobs/joboutcome.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QVector>

#include <vector>

class JobControl;

// An update that rewrites a package only from its first changed byte on:
// entries before it stay where they are, the entries after it move down over
// what was removed, then come the added media, the document, the central
// directory and the end record, and the file is cut to its new length. The
// result has the shape of a fresh write of its entries. Every byte written
// over is saved in a journal first, so a failure, a cancel or a crash (through
// recoverPackage) brings back the old package byte for byte.
class InPlaceUpdate
{
public:
    class ByteSink;
    class BlockChecksums;

    // package is the package, open and locked for the whole update; path is its real path.
    InPlaceUpdate(Platform::File &package, const QByteArray &path);

    // Lays out the update. False, with *why, when the package's shape does not
    // allow an update in place (written by another program with gaps, data
    // descriptors or a comment): then only a full rewrite will do. stamps are
    // the media files as checked.
    bool plan(const QSet<QString> &removed, const QVector<PackageEntry> &additions,
              const QHash<QString, Platform::FileStamp> &stamps, QString *why);

    qint64 oldLength() const { return qint64(m_oldLength); }
    qint64 newLength() const { return qint64(m_newLength); }
    // The bytes saved in the journal: those the update writes over.
    qint64 journalBytes() const { return qint64(m_saved); }
    // Everything written to the drive: journal and package.
    qint64 bytesWritten() const { return qint64(m_saved + m_newLength - m_from); }
    // Free room the update needs on the drive: the journal and any growth.
    qint64 roomNeeded() const;

    // Runs the update. On failure the package is rolled back at once;
    // *rolledBack tells whether that worked (otherwise the journal stays for
    // the next recovery). *cancelled is set when control cancelled it.
    [[nodiscard]] bool run(JobControl *control, const QString &shownPath, QString *error,
                           bool *rolledBack, bool *cancelled);
    // After a failed run: whether the new package was complete already.
    bool complete() const { return m_complete; }
    // Set after a successful run whose journal could not be removed.
    QString warning() const { return m_warning; }

private:
    struct Entry
    {
        QByteArray name;
        QByteArray central; // its central record, offset and zip64 field to be set
        quint64 offset = 0; // of the local header, in the old package
        quint64 length = 0; // local header and data
        quint64 compressedSize = 0;
        quint64 size = 0;
        quint64 newOffset = 0;
    };
    struct Addition
    {
        const PackageEntry *entry = nullptr;
        QByteArray name;
        QByteArray data; // deflated document
        quint32 crc = 0;
        quint64 size = 0;
        quint64 compressedSize = 0;
        Platform::FileStamp stamp;
        quint64 newOffset = 0;
        quint16 time = 0;
        quint16 date = 0;
    };

    bool readDirectory(QString *why);
    bool produce(ByteSink &sink, BlockChecksums *checksums, JobControl *control, QString *error,
                 bool *cancelled);
    bool writeAll(JobControl *control, QString *error, bool *cancelled);
    bool makeTail(QByteArray *out, QString *error) const;
    void progress(JobControl *control, quint64 more, const QString &file);

    Platform::File &m_package;
    QByteArray m_path;
    Platform::File m_writer;
    PackageJournal m_journal;
    std::vector<Entry> m_entries;
    std::vector<const Entry *> m_kept;
    std::vector<Addition> m_additions;
    quint64 m_oldLength = 0;
    quint64 m_newLength = 0;
    quint64 m_from = 0;
    quint64 m_saved = 0;
    quint64 m_directoryOffset = 0;
    quint64 m_newDirectoryOffset = 0;
    quint64 m_done = 0;
    // The journal says the new package is complete: no rolling back any more.
    bool m_complete = false;
    QString m_warning;
    QString m_shownPath;
};

// What recovery found for a package: done (nothing to do, or the package is
// whole again; warning says what was done) or failed (error says why and
// where the journal stays).
struct Recovery : JobOutcome
{
    enum class Outcome {
        None,       // no journal
        RolledBack, // an interrupted update was undone: the old package
        Completed,  // the update had finished: the new package, journal removed
        Cleaned,    // no journal, but temporaries of a killed rewrite were removed
        Discarded,  // an unfinished journal from before the package was touched
        Kept,       // a journal that does not belong to the package: kept, not applied
        Damaged,    // a damaged journal: kept, the package may be half updated
        NotAFile,   // something else at the journal's name: left alone
        Failed,     // the journal could not be applied; it stays
    };
    Outcome outcome = Outcome::None;

    Recovery() { status = Status::Done; }
    Recovery(Outcome found, const QString &text);
};

// Looks for the journal of an interrupted update of the package at path and
// applies it (rolls back, or removes it when the update had completed) when
// it proves to belong to the package, holding the package's lock: locked is
// the package, locked by the caller already, or null to take the lock here.
// The package is opened without following links. Nothing else may touch the
// package before.
Recovery recoverPackage(const QByteArray &path, Platform::File *locked = nullptr);
// Removes the journal of the package at path without applying it.
Recovery discardJournal(const QByteArray &path);
// The packages in folder that have the journal of an interrupted update
// beside them; only looks, changes nothing.
QList<QByteArray> interruptedUpdates(const QByteArray &folder);

// Where recovery tells what it did, and a reader that it waits for an update:
// the command line prints it on standard error. Not thread-safe; set it once
// at start.
using RecoveryReporter = void (*)(const QString &message);
void setRecoveryReporter(RecoveryReporter reporter);
// Waits while another program updates the package open in file (it holds
// the exclusive lock), saying so, and sets *waited then; false with the cause
// when locking failed.
bool waitForUpdate(Platform::File &file, const QString &shownPath, bool *waited, QString *error);
