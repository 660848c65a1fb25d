#pragma once

#include <QByteArray>
#include <QString>

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
// are not bare file names ("", ".", "..", a "/" or a NUL), and duplicate names.
// *entries receives the number of entries, for comparing with libzip's view.
[[nodiscard]] bool checkPackageLayout(const QByteArray &path, qint64 *entries, QString *error);
// The same for a package open already, so that the file checked is the one read.
[[nodiscard]] bool checkPackageLayout(Platform::File &file, qint64 *entries, QString *error);
