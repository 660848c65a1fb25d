#pragma once

#include "playlist/playlistrow.h"

#include <QString>
#include <QStringList>
#include <QTime>

// A playing time as people type it, in the window's Duration field and on
// mrv's command line alike: seconds ("90"), m:ss ("1:30") or h:mm:ss
// ("00:01:30"). After a colon minutes and seconds stay below 60, and the
// whole below a day. False for anything else, with why saying what is wrong
// with text and what to type instead.
[[nodiscard]] bool parseDuration(const QString &text, QTime *time, QString *why = nullptr);

// A row's "hh:mm:ss" in seconds, or -1 when the text is no such time. By
// hand: the total is summed over thousands of rows at every edit.
qint64 secondsOf(const QString &time);
// A video's length counted in whole seconds, to the nearest: the total and
// the loop's length count it so.
qint64 videoSeconds(qint64 ms);

// Spreads loopSeconds over the image rows so that the whole loop lasts that
// long: whole seconds each, the seconds left over one each to the first
// images. videoMs holds each row's video length (-1: unknown; ignored for
// images); a video counts its length rounded to the second, as the window's
// total does. times gets every row's time (a video's unchanged). False, with
// why, when there is no image, a video's length is not known, or the videos
// leave less than a second for each image.
[[nodiscard]] bool fitLoop(const PlaylistRows &rows, const QVector<qint64> &videoMs,
                           qint64 loopSeconds, QStringList *times, QString *why);
