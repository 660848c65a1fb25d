#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// A media file a save cannot take, and why, in words for the user.
struct MediaProblem
{
    QString path;
    QString reason;
    // The process, not the file, is at fault: it has too many files open.
    bool tooManyOpenFiles = false;
};

// Checks that each path is an existing, readable regular file (a symbolic
// link counts as what it points to) whose name a package can store. Anything
// else would leave a hole in the package, and a FIFO would block the save.
QVector<MediaProblem> checkMediaFiles(const QStringList &paths);

// Refuses a save of these media files, naming every reason at once: files
// whose names clash, files named like the document, and files that
// checkMediaFiles rejects; *refused gets the paths it names.
[[nodiscard]] bool checkSavableMedia(const QStringList &paths, QString *error,
                                     QStringList *refused = nullptr);
