#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// Reads and writes zip archives in the tests straight through libzip, so a
// package is checked without the program's own archive code.

using ZipEntries = QMap<QString, QByteArray>;

// Every entry of the archive by name. An archive that cannot be read gives a
// single empty entry named "unreadable: " and the reason; an entry that cannot
// be read shows as "(unreadable)".
ZipEntries readZip(const QString &path);

// Writes a new archive holding exactly these entries; false, with a warning, on failure.
bool writeZip(const QString &path, const ZipEntries &entries);

QByteArray fileBytes(const QString &path);
bool writeBytes(const QString &path, const QByteArray &bytes);
