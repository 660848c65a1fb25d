#pragma once

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

Q_DECLARE_LOGGING_CATEGORY(lcArchive)

using ArchiveProgress = std::function<void(int percent)>;

// What identifies the file a package was read from, to notice when another
// program replaced or changed it since.
struct PackageIdentity
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = -1;
    qint64 modifiedNs = 0;

    bool isValid() const { return size >= 0; }
    friend bool operator==(const PackageIdentity &a, const PackageIdentity &b)
    {
        return a.device == b.device && a.inode == b.inode && a.size == b.size &&
               a.modifiedNs == b.modifiedNs;
    }
    friend bool operator!=(const PackageIdentity &a, const PackageIdentity &b) { return !(a == b); }
};

// One entry of a package to write, and where its bytes come from.
struct PackageEntry
{
    enum class Source {
        File,    // the file at path, stored as it is
        Memory,  // bytes, deflated (the playlist document)
        Package, // the entry storedEntry of the package at path, copied without recompressing
    };

    Source source = Source::File;
    QString name; // the entry's name in the new package: a bare file name
    QString path;
    QString storedEntry;
    QByteArray bytes;

    static PackageEntry file(const QString &name, const QString &path)
    {
        return {Source::File, name, path, {}, {}};
    }
    static PackageEntry memory(const QString &name, const QByteArray &bytes)
    {
        return {Source::Memory, name, {}, {}, bytes};
    }
    static PackageEntry fromPackage(const QString &name, const QString &package,
                                    const QString &storedEntry)
    {
        return {Source::Package, name, package, storedEntry, {}};
    }
};

// Where a package is to be written, as the file system reports it.
struct DestinationSpace
{
    qint64 freeBytes = -1;   // -1: unknown
    qint64 maxFileSize = -1; // -1: no limit known
    QString folder;
};

// Pre-flight of a save: whether bytesToWrite fit into the free space and a
// package of packageSize into the file system's largest file. *error gets the
// cause with the figures ("needs 6.1 GB, 3.0 GB free on “…”").
[[nodiscard]] bool checkDestinationRoom(const DestinationSpace &space, qint64 bytesToWrite,
                                        qint64 packageSize, QString *error);

// Removes the temporary files of saves in folder that no running save holds.
void removeLeftovers(const QString &folder);
// Called once at start: removes the private temporary folders that older
// versions left under QDir::tempPath(), when no save can still be using them.
void removeStaleTemporaries();

// A playlist package on disk: a flat zip archive. Every write replaces the
// package atomically and durably (temporary file in the same folder, sync,
// rename, sync of the folder), or leaves it byte-identical.
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
    };

    explicit PackageArchive(const QString &packagePath);

    // Reads the entry "json.txt" into memory; nothing is extracted to disk.
    [[nodiscard]] bool readDocument(QByteArray *document);
    // The names of all entries, in archive order.
    [[nodiscard]] bool entryNames(QStringList *names);
    // Reads every entry and checks its checksum.
    [[nodiscard]] bool verify();

    // Identity of the package file now (links followed); invalid when it cannot be read.
    PackageIdentity identity() const;

    // Writes a new package holding exactly entries, replacing any file at the path.
    [[nodiscard]] bool write(const QVector<PackageEntry> &entries,
                             const ArchiveProgress &progress = {});

    // One transaction on the existing package: removes the entries named in
    // deletions, then adds additions, each replacing an entry of its name.
    // With a valid expectedIdentity, a package that changed since fails with
    // Failure::ChangedOnDisk and is left alone.
    [[nodiscard]] bool update(const QStringList &deletions, const QVector<PackageEntry> &additions,
                              const PackageIdentity &expectedIdentity = {},
                              const ArchiveProgress &progress = {});

    QString errorString() const { return m_error; }
    Failure failure() const { return m_failure; }
    // Set after a write that replaced the package but could not confirm it on
    // the drive (the folder could not be synced): the package is the new one.
    QString warningString() const { return m_warning; }

private:
    struct Target;
    struct Session;
    bool resolveTarget(Target *target, bool mustExist, bool forWriting);
    bool lockTarget(Target *target, const PackageIdentity &expectedIdentity);
    bool openPackage(Session &session, bool forWriting);
    bool prepareEntries(Session &session, const QVector<PackageEntry> &entries, qint64 *size);
    bool addEntries(Session &session, const QVector<PackageEntry> &entries);
    bool checkRoom(const Target &target, qint64 packageSize);
    bool finish(Session &session, const ArchiveProgress &progress);
    void begin();
    bool setReadError(const QString &cause);
    bool setSaveError(const QString &cause, Failure failure = Failure::Other);

    QString m_path;
    QString m_error;
    QString m_warning;
    Failure m_failure = Failure::None;
};
