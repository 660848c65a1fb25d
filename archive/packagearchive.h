#pragma once

#include "archive/packagetypes.h"

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>
#include <QVector>

class JobControl;
class PackageReader;
namespace Platform {
class File;
}

// Pre-flight of a save: whether bytesToWrite fit into the free space and a
// package of packageSize into the file system's largest file. *error gets the
// cause with the figures ("needs 6.1 GB, 3.0 GB free on “…”").
[[nodiscard]] bool checkDestinationRoom(const DestinationSpace &space, qint64 bytesToWrite,
                                        qint64 packageSize, QString *error);

// The packages in folder that an update in place left interrupted (a journal
// beside them). Only looks: recovery runs when such a package is opened.
QStringList interruptedUpdatesIn(const QString &folder);

// A playlist package on disk: a flat zip archive. A write replaces the
// package atomically and durably (temporary file in the same folder, sync,
// rename, sync of the folder); an update either does the same or rewrites the
// package in place from its first changed byte under a rollback journal.
// Either way, a failure leaves the package byte-identical, and after a crash
// the next call on the package finds the old or the complete new one.
class PackageArchive
{
public:
    // Larger documents are refused on both sides: memory is never sized from
    // what an archive declares, and a package is never written that could not
    // be opened again.
    static constexpr qint64 maxDocumentSize = 16 * 1024 * 1024;

    enum class Failure {
        None,
        Other,
        // update() only: the package is not the one expectedIdentity describes.
        ChangedOnDisk,
        // The destination lacks room, or cannot hold a file that large.
        NoRoom,
        // The job was cancelled; nothing was changed.
        Cancelled,
        // An update in place failed and could be neither rolled back nor
        // finished now: the next call on the package does it.
        Unfinished,
    };

    // How update() writes: a complete new copy renamed over the package, or
    // in place from the first changed byte under a journal. Automatic picks
    // in place when it writes at most half of what a copy would, or when
    // only it fits on the drive.
    enum class UpdateWay { Automatic, Rewrite, InPlace };

    explicit PackageArchive(const QString &packagePath);

    void setUpdateWay(UpdateWay way) { m_way = way; }
    // After update(): whether it ran in place.
    bool updatedInPlace() const { return m_inPlace; }
    // What finishing an interrupted update of this package did, empty when
    // there was none. Every call does that first, before anything else.
    QString recoveryNote() const { return m_recovery; }

    // Reads the entry "json.txt" into memory; nothing is extracted to disk.
    [[nodiscard]] bool readDocument(QByteArray *document);
    // The names of all entries, in archive order.
    [[nodiscard]] bool entryNames(QStringList *names);
    // Reads every entry and checks its checksum.
    [[nodiscard]] bool verify();

    // Finishes an interrupted update of the package, if there was one
    // (recoveryNote() says what was done). False when it could not, or when a
    // journal that does not match the package stays beside it.
    [[nodiscard]] bool repair();
    // Removes the journal beside the package without applying it, for a
    // package that is as it should be although its journal does not match.
    [[nodiscard]] bool discardJournal();

    // Identity of the package file now (links followed); invalid when it cannot be read.
    PackageIdentity identity() const;

    // Writes a new package holding exactly entries, replacing any file at the path.
    // control, when given, receives progress in bytes of the new package
    // and may cancel: the package is then left as it was.
    [[nodiscard]] bool write(const QVector<PackageEntry> &entries, JobControl *control = nullptr);

    // One transaction on the existing package: removes the entries named in
    // deletions, then adds additions, each replacing an entry of its name.
    // With a valid expectedIdentity, a package that changed since fails with
    // Failure::ChangedOnDisk and is left alone.
    [[nodiscard]] bool update(const QStringList &deletions, const QVector<PackageEntry> &additions,
                              const PackageIdentity &expectedIdentity = {},
                              JobControl *control = nullptr);

    QString errorString() const { return m_error; }
    Failure failure() const { return m_failure; }
    // Set after a write that replaced the package but could not confirm it on
    // the drive (the folder could not be synced): the package is the new one.
    QString warningString() const { return m_warning; }

private:
    struct Target;
    struct Session;
    bool resolveTarget(Target *target, bool mustExist, bool forWriting, bool recovering = true);
    bool lockTarget(Target *target, const PackageIdentity &expectedIdentity);
    bool openPackage(Session &session, bool forWriting);
    bool prepareEntries(Session &session, const QVector<PackageEntry> &entries, qint64 *size);
    bool addEntries(Session &session, const QVector<PackageEntry> &entries);
    bool checkRoom(const Target &target, qint64 packageSize);
    bool finish(Session &session, qint64 packageSize, JobControl *control);
    void begin();
    bool openReader(PackageReader *reader);
    bool setReadError(const QString &cause);
    bool setSaveError(const QString &cause, Failure failure = Failure::Other);
    bool recover(const QByteArray &path, Platform::File *locked, bool forWriting);
    bool chooseWay(Session &session, const QStringList &removed,
                   const QVector<PackageEntry> &additions, qint64 size, JobControl *control,
                   bool *done);

    QString m_path;
    QString m_error;
    QString m_warning;
    mutable QString m_recovery;
    Failure m_failure = Failure::None;
    UpdateWay m_way = UpdateWay::Automatic;
    bool m_inPlace = false;
    // A journal beside the package that does not match it: no update in place.
    bool m_journalKept = false;
    // The drive has no locks: no update in place, whose journal another
    // program could take for an interrupted one.
    bool m_cannotLock = false;
};
