#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// Reads and writes zip archives in the tests straight through libzip, so a
// package is checked without the program's own archive code.

using ZipEntries = QMap<QString, QByteArray>;

// Every entry of the archive by name; false with a reason when it cannot be read.
bool readZip(const QString &path, ZipEntries *entries, QString *error);

// Writes a new archive holding exactly these entries, deflated.
bool writeZip(const QString &path, const ZipEntries &entries, QString *error);

QByteArray fileBytes(const QString &path);
bool writeBytes(const QString &path, const QByteArray &bytes);
