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

// One entry as the checked central directory describes it.
struct LayoutEntry
{
    QByteArray name;
    quint16 method = 0; // 0 stored, 8 deflated
    quint32 crc = 0;
    qint64 compressedSize = 0;
    qint64 size = 0;
    // Where the entry's data starts in the file.
    qint64 dataOffset = 0;
};
// Checks as above and gives every entry, in central directory order.
[[nodiscard]] bool readPackageLayout(Platform::File &file, QVector<LayoutEntry> *entries,
                                     QString *error);
