#pragma once

#include "media/mediaprobe.h"
#include "playlist/playlistrow.h"

#include <QStringList>
#include <QVector>

// One slot of the preview, in playing order.
struct PreviewItem
{
    MediaSource source;
    QString name; // the file's own name, as the table shows it
    bool video = false;
    qint64 durationMs = 0; // an image's time; a video's length once known, else -1
};

// The slots for rows: rows whose file is one of storedNames play that entry of
// the package at packagePath (read in place), the others their file.
QVector<PreviewItem> previewItems(const PlaylistRows &rows, const QString &packagePath,
                                  const QStringList &storedNames);

// How long a slot is drawn on the timeline and shown when its media cannot
// play: its time, or this much for a video of unknown length.
qint64 slotMs(const PreviewItem &item);
constexpr qint64 unknownVideoMs = 5000;
