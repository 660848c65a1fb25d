#pragma once

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcArchive)

// The small types and names that the archive engine, its platform seam and
// the layers above share, so that none of them needs another's header.

// The entry name the playlist document takes; no media file may use it.
inline QString documentEntryName()
{
    return QStringLiteral("json.txt");
}

// Whether name can be an entry's name: zip names flagged as UTF-8 may hold no
// control characters but tab, line feed and carriage return (other readers
// agree on those three), and a flat package has no folders.
bool isStorableName(const QString &name);

enum class SizeRounding { Nearest, Up, Down };
// "4.30 GB", "505 MB", "23.2 kB", "0 B": decimal units, as drives are sold,
// with three significant figures, wherever a size is shown. What a save needs
// rounds up and the room it has rounds down, so that the figures never look
// as if they fit when they do not. "unknown" below 0.
QString sizeText(qint64 bytes, SizeRounding rounding = SizeRounding::Nearest);

// A path up to and including its last "/"; "./" without one.
inline QByteArray folderOf(const QByteArray &path)
{
    const int slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArrayLiteral("./") : path.left(slash + 1);
}

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
