#pragma once

#include <QImage>
#include <QLoggingCategory>
#include <QMetaType>
#include <QSize>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcMedia)

// A file on disk, or an entry of a package read in place.
struct MediaSource
{
    QString path;  // the file, or the package
    QString entry; // empty for a file; the bare entry name inside the package at path

    static MediaSource file(const QString &path) { return {path, {}}; }
    static MediaSource packageEntry(const QString &package, const QString &entry)
    {
        return {package, entry};
    }
    bool isPackageEntry() const { return !entry.isEmpty(); }
    // Names the source in caches and signals; distinct for every file and entry.
    QString key() const;
    // The name shown to the user: the file's path, or "entry" in “package”.
    QString displayName() const;
};

// What a probe found out about one medium, and why the player may not play it.
struct MediaInfo
{
    enum class Problem {
        None,
        Missing,
        Unreadable,
        WrongType,
        Undecodable,
        UnsupportedCodec,
        CutShort, // the index is whole but the data stops early: it plays only a part
    };

    Problem problem = Problem::None;
    QString problemText; // for the user: what is wrong and what to do
    int type = 0;        // MediaType by extension (playlist/mediatype.h)
    qint64 size = -1;    // bytes
    QString format;      // image format by content ("jpeg", "png"), or container ("mov,mp4,...")
    QString codec;       // video codec, empty for images
    QSize pixelSize;
    qint64 durationMs = -1; // videos; -1 when unknown
    qint64 playableMs = -1; // a cut-short video: about how much of it plays
    double frameRate = 0;   // videos: frames a second, 0 when unknown
    bool hasSound = false;  // videos: an audio stream is there
    int quarterTurns = 0;   // videos: the rotation flag, clockwise; images are upright already

    bool isOk() const { return problem == Problem::None; }
};
Q_DECLARE_METATYPE(MediaInfo)

// How many decode passes (image body, video frames) this process has made;
// benchmarks and tests read it to see that a remembered check decoded nothing.
quint64 mediaDecodePasses();

// How many packets the near-end checks of this process have decoded: one per
// check, the key frame before the end and nothing after it.
quint64 mediaEndCheckPackets();

// A playing time as the table shows it, "hh:mm:ss", to the nearest second.
QString playingTimeText(qint64 ms);

// Reads the header of an image or the container of a video; a damaged image
// body shows only when it is decoded (makeThumbnail, or MediaService, which
// does both). Blocking and thread-safe: call it from a worker, never the GUI thread.
MediaInfo probeMedia(const MediaSource &source);

// Probes as above, then decodes as the window's table does (the image, a video
// frame about one second in and one near the end), so a damaged body or a
// clip that breaks off near its end shows too. Slower: what mrv checks with.
MediaInfo examineMedia(const MediaSource &source);

// A picture of source that fits box: the image scaled while decoding, or a
// video frame about one second in.
[[nodiscard]] bool makeThumbnail(const MediaSource &source, const QSize &box, QImage *image,
                                 QString *error);
