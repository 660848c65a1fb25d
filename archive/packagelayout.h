#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

namespace Platform {
class File;
}

// Checks the central directory and local headers of the zip archive at path
// against what a playlist package may hold, before anything reads an entry or
// copies it into a new archive. On a fault, *error gets its cause as a phrase
// for the user.
//
// Refused: entries that overlap or reach past the central directory, stored
// entries whose sizes disagree, sizes that need a zip64 record the entry
// lacks, encrypted entries, methods other than store and deflate, names that
// are not bare file names ("", ".", "..", a "/" or a NUL), duplicate names,
// and local headers that disagree with the central directory. An entry
// followed by a data descriptor may leave its local checksum and sizes zero,
// as streaming writers do; each is otherwise the central one.
// *entries receives the number of entries, for comparing with libzip's view.
[[nodiscard]] bool checkPackageLayout(const QByteArray &path, qint64 *entries, QString *error);
// The same for a package open already, so that the file checked is the one read.
[[nodiscard]] bool checkPackageLayout(Platform::File &file, qint64 *entries, QString *error);

// One entry as the checked central directory and its local header describe it.
struct LayoutEntry
{
    QByteArray name;
    quint16 madeBy = 0;
    quint16 versionNeeded = 0;
    quint16 flags = 0;
    quint16 method = 0; // 0 stored, 8 deflated
    quint16 time = 0;   // MS-DOS time and date
    quint16 date = 0;
    quint32 crc = 0;
    qint64 compressedSize = 0;
    qint64 size = 0;
    quint16 internalAttributes = 0;
    quint32 externalAttributes = 0;
    // The central record's extra fields but the zip64 one, whose values
    // stand in the sizes and offset.
    QByteArray extra;
    // Where the entry's local header and its data start in the file, and
    // where it ends: past its data and any data descriptor.
    qint64 headerOffset = 0;
    qint64 dataOffset = 0;
    qint64 end = 0;
};
// Where the checked central directory and the end records stand.
struct LayoutDirectory
{
    qint64 offset = 0;
    // The first of the end records: the zip64 end record when there is one.
    qint64 recordsStart = 0;
    qint64 endRecord = 0;
    bool zip64 = false;
};
// Checks as above and gives every entry, in central directory order, and
// where the directory stands when directory is given.
[[nodiscard]] bool readPackageLayout(Platform::File &file, QVector<LayoutEntry> *entries,
                                     QString *error, LayoutDirectory *directory = nullptr);
