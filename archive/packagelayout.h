#pragma once

#include <QByteArray>
#include <QString>

// Checks the central directory and local headers of the zip archive at path
// against what a playlist package may hold, before anything reads an entry or
// copies it into a new archive. Returns the cause of the first fault found, as
// a user-readable phrase, or an empty string for a sound package.
//
// Refused: entries that overlap or reach past the central directory, stored
// entries whose sizes disagree, encrypted entries, methods other than store
// and deflate, names that are not plain file names, and duplicate names.
// *entries receives the number of entries found, for comparing with libzip's view.
QString checkPackageLayout(const QByteArray &path, qint64 *entries = nullptr);
