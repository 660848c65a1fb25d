#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// Every entry with its bytes, read by libzip with its consistency checks and
// CRC verification; an empty map, with why, when the archive is not sound.
QMap<QString, QByteArray> robustReadArchive(const QString &path, QString *why);
