#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// Reads and writes zip archives in the tests straight through libzip, so a
// package is checked without the program's own archive code.

using ZipEntries = QMap<QString, QByteArray>;

// Every entry of the archive by name, each CRC checked. An archive that is not
// sound throughout gives an empty map, and the reason in why (a warning when
// why is null).
ZipEntries readZip(const QString &path, QString *why = nullptr);

// Writes a new archive holding exactly these entries; false, with a warning, on failure.
bool writeZip(const QString &path, const ZipEntries &entries);

QByteArray fileBytes(const QString &path);
// Creates the missing folders of path too.
bool writeBytes(const QString &path, const QByteArray &bytes);
