#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// A media file a save cannot read, and why, in words for the user.
struct MediaProblem
{
    QString path;
    QString reason;
};

// Checks that each path is an existing, readable regular file (a symbolic
// link counts as what it points to). Anything else would leave a hole in the
// package, and a FIFO would block the save for good.
QVector<MediaProblem> checkMediaFiles(const QStringList &paths);

// The message that refuses a save of these media files, or empty text when
// they can be saved: files that share a bare name, files named like the
// document, and files that checkMediaFiles rejects.
QString describeUnsavableMedia(const QStringList &paths);
