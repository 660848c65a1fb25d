#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// Test helpers that read and write zip archives with libzip, not with the code under test.
namespace EngineZip {

using Contents = QMap<QByteArray, QByteArray>;

// Every entry's name and bytes; empty, with a warning, when the archive cannot be read.
Contents contents(const QString &archive);
// Writes an archive holding exactly these entries.
bool writeArchive(const QString &archive, const Contents &entries);

// Empty for anything but a regular file.
QByteArray fileBytes(const QString &path);
bool writeFile(const QString &path, const QByteArray &bytes);
QByteArray randomBytes(int size, quint32 seed);
bool makeFifo(const QString &path);
// Every name in the folder, hidden ones included, sorted.
QStringList listing(const QString &folder);

} // namespace EngineZip
