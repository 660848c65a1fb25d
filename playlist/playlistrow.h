#pragma once

#include <QMetaType>
#include <QString>
#include <QVector>

// A video's row shows "NA" for its time: it plays to its end. The table, the
// document and the package all tell a video's row by that text alone.
inline QString videoTimeText()
{
    return QStringLiteral("NA");
}
inline bool isVideoTime(const QString &time)
{
    return time.contains(QLatin1String("NA"));
}

// One playlist table row as plain text: what the document builder and the
// package workflow work on, without widgets.
struct PlaylistRow
{
    QString time;       // "hh:mm:ss", or videoTimeText() for a video
    QString file;       // absolute path, or a stored name such as "/clip.mp4"
    QString transition; // transition name, such as "Zoom"

    bool isVideo() const { return isVideoTime(time); }

    friend bool operator==(const PlaylistRow &a, const PlaylistRow &b)
    {
        return a.time == b.time && a.file == b.file && a.transition == b.transition;
    }
    friend bool operator!=(const PlaylistRow &a, const PlaylistRow &b) { return !(a == b); }
};

using PlaylistRows = QVector<PlaylistRow>;

// The row made for a newly added file: a video plays to its end,
// anything else for imageTime.
PlaylistRow rowForFile(const QString &path, const QString &imageTime, const QString &transition);

// The transition every row gets: the window's list is hidden and fixed on it.
inline QString defaultTransition()
{
    return QStringLiteral("Zoom");
}

Q_DECLARE_METATYPE(PlaylistRow)
