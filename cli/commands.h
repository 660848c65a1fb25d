#pragma once

#include "cli/arguments.h"
#include "playlist/playlistrow.h"

#include <QCommandLineOption>
#include <QStringList>
#include <QVector>

#include <functional>

struct SaveOutcome;

// Each command takes the program name followed by the arguments after the
// command word, and returns the exit status.
int runBuild(const QStringList &arguments);
int runList(const QStringList &arguments);
int runCheck(const QStringList &arguments);
int runUpdate(const QStringList &arguments);
int runRepair(const QStringList &arguments);
// The drives: list them, write a package to several at once, read one back.
int runDrives(const QStringList &arguments);
int runWrite(const QStringList &arguments);
int runVerify(const QStringList &arguments);

// Prints what a save came to and gives its exit status.
int reportSave(const SaveOutcome &outcome, const QString &packagePath);

// Prints the media that may not play on stderr; false (after saying nothing
// was written to packagePath) when strict refuses them.
[[nodiscard]] bool reportMayNotPlay(const QStringList &lines, bool strict,
                                    const QString &packagePath);
QCommandLineOption strictOption();
// Converts a file the player cannot take as it is (a MOV, say) into the cache
// and points path at the copy, with a line on stderr; false when that failed.
[[nodiscard]] bool convertArgument(QString *path);
// Appends a row for each file, converted first unless fitLater says it is
// fitted from the original later; false (said) when one cannot be added.
[[nodiscard]] bool appendFileRows(const QVector<FileArgument> &files, const QString &imageTime,
                                  const std::function<bool(const QString &)> &fitLater,
                                  PlaylistRows *rows, QStringList *paths);

// The bytes a save reads from these files, for the progress line.
qint64 totalFileSize(const QStringList &paths);
