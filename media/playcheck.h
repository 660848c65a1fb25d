#pragma once

#include "media/mediaprobe.h"
#include "playlist/playlistrow.h"

#include <QSet>
#include <QStringList>

// The one "may not play" list the window asks about before a save and mrv
// prints: each row the player may not play, and why.

// Why the player may not play row, or empty text. info is what the probe
// found about the row's medium; null while it is not known yet.
QString playProblem(const PlaylistRow &row, const MediaInfo *info);

// True when a save refuses the row by itself (a file on disk that is missing
// or unreadable): the list leaves it to that refusal's clearer message.
bool refusedBySave(const MediaSource &source, const MediaInfo &info);

// One line of the list: the file as the user knows it, and why.
QString mayNotPlayLine(const QString &file, const QString &problem);

// "2 files may not play:" and the lines below it, at most shown of them.
QString mayNotPlayText(const QStringList &lines, int shown = 20);

// The medium a row plays: the entry of package when the row's file is one of
// storedNames (as an opened package lists them), else the file on disk.
MediaSource rowSource(const QString &file, const QString &package,
                      const QSet<QString> &storedNames);

// Examines every row's medium, each once, as the window does, and gives the list's lines in row
// order. Blocking: for mrv and workers, never the GUI thread.
QStringList probeMayNotPlay(const PlaylistRows &rows, const QString &package = {},
                            const QSet<QString> &storedNames = {});
