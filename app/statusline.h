#pragma once

#include <QString>
#include <QStringList>
#include <QTime>

// What the bottom line says after a job: "Saved show.mrv (225 MB) at 14:03",
// and " — verified, safe to remove" when it was read back from the drive as
// written. bytes < 0: the size is unknown and left out.
QString savedStatusText(const QString &packagePath, qint64 bytes, const QTime &at,
                        bool verified = false);
// A package's or a file's size in the status line: "225 MB", "4.2 MB".
QString savedSizeText(qint64 bytes);
// The files on the drive holding path that this program has open: the drive
// cannot be unmounted while any is. Empty also where this cannot be told.
QStringList openFilesOnDrive(const QString &path);

// "Opened show.mrv: 15 items".
QString openedStatusText(const QString &packagePath, int items);

// The recent packages list after path was opened or saved: path first, each
// package once, at most max entries.
QStringList updatedRecentList(const QStringList &recent, const QString &path, int max);

// The About box's text: the program's version and those of the libraries it runs with.
QString aboutText();
