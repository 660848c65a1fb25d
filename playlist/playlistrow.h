#pragma once

#include <QMetaType>
#include <QString>
#include <QVector>

// One playlist table row as plain text: what the document builder and the
// package workflow work on, without widgets.
struct PlaylistRow
{
    QString time;       // "hh:mm:ss", or "NA" for a video
    QString file;       // absolute path, or a stored name such as "/clip.mp4"
    QString transition; // transition name, such as "Zoom"

    friend bool operator==(const PlaylistRow &a, const PlaylistRow &b)
    {
        return a.time == b.time && a.file == b.file && a.transition == b.transition;
    }
};

using PlaylistRows = QVector<PlaylistRow>;

Q_DECLARE_METATYPE(PlaylistRow)
