#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

// Test helpers that read and write zip archives without the code under test:
// libzip for contents, a hand-written walk of the central directory for the
// header fields libzip does not show.
namespace EngineZip {

using Contents = QMap<QByteArray, QByteArray>;

struct Header
{
    QByteArray name;
    quint16 flags = 0;
    quint16 method = 0;
};

// General purpose flag: the name is UTF-8.
constexpr quint16 utf8Flag = 0x0800;
constexpr quint16 methodStore = 0;
constexpr quint16 methodDeflate = 8;

// The central directory records, in archive order; empty when the file is not
// a plain (non-zip64, uncommented) zip archive.
QVector<Header> headers(const QString &archive);

// Every entry's name and bytes, or false with the reason in *error.
bool contents(const QString &archive, Contents *out, QString *error);

// Writes an archive holding exactly these entries, all stored.
bool writeArchive(const QString &archive, const Contents &entries);

// Empty for anything but a regular file.
QByteArray fileBytes(const QString &path);
bool writeFile(const QString &path, const QByteArray &bytes);
QByteArray randomBytes(int size, quint32 seed);
bool makeFifo(const QString &path);
// Every name in the folder, hidden ones included, sorted.
QStringList listing(const QString &folder);

} // namespace EngineZip
