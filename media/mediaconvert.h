#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

class JobControl;

// Bringing in media the player cannot take as they are: a video in another
// container whose streams MP4 holds is rewritten into MP4, packet for packet.

// What a file needs before a package can hold it.
struct ConversionPlan
{
    enum class Kind {
        None,      // the player takes it as it is
        Remux,     // its streams fit MP4: rewritten without re-encoding
        Image,     // an image Qt reads: written as JPEG, or PNG when it has alpha
        Transcode, // any other video FFmpeg reads: re-encoded as H.264 and AAC
        Unsupported,
    };
    Kind kind = Kind::None;
    QString storedName; // the name it is stored under once converted
    QString how;        // for the user: "MOV to MP4, streams copied"
};

// Looks into path (blocking: a worker's or mrv's call).
ConversionPlan planConversion(const QString &path);

// Where the converted copy of path lives, in the user's cache folder, keyed by
// the path, its size and its modification time: the same file is converted once.
QString convertedPath(const QString &path, const ConversionPlan &plan);

// Where a copy of path made in another way (variant names how, such as a
// screen's size) lives in the same cache; a fitted copy by its folder's name.
QString cachedCopyPath(const QString &path, const QByteArray &variant, const QString &storedName);
bool isFittedCopy(const QString &path);
// Names source in a note beside the copy converted from it.
void writeSourceNote(const QString &source, const QString &converted);

// Writes the MP4 at target from the video at source, copying its video and
// MP4-compatible audio packets unchanged. Written beside target first and
// renamed, so target is whole or absent. Cancel: false with an empty error.
[[nodiscard]] bool remuxToMp4(const QString &source, const QString &target, JobControl *control,
                              QString *error);

// What a re-encoded clip is held to; the defaults keep it as it is.
struct VideoLimits
{
    QSize largest;           // either way round; invalid: any size
    double frameRate = 0;    // frames a second at most; 0: any
    bool dropSound = false;  // for players that play none
    bool turnPixels = false; // the rotation flag applied to the pixels, for players that ignore it
};

// Writes the MP4 at target with the video of source encoded again as H.264
// (libx264, "veryfast") and its sound as AAC, within limits; otherwise as remuxToMp4.
[[nodiscard]] bool transcodeToMp4(const QString &source, const QString &target, JobControl *control,
                                  QString *error, const VideoLimits &limits = {});

// Writes the image at source as JPEG or PNG (by target's extension), turned
// as its EXIF orientation says, at its own size within the probe's limits.
[[nodiscard]] bool convertImage(const QString &source, const QString &target, QString *error);

// The converted copy of path, made now unless the cache holds it already;
// empty on failure (error says why). A note beside the copy names path.
QString convertForPackage(const QString &path, const ConversionPlan &plan, JobControl *control,
                          QString *error);

// Whether path lies in the conversions' cache folder (by name only).
bool isConvertedCopy(const QString &path);
// The file a copy made by convertForPackage was converted from, read from the
// note beside it (blocking); empty for any other file.
QString convertedSource(const QString &converted);

// The extensions of the media files worth offering, lower case: the player's
// own, the usual camera, phone and web images an installed Qt image plugin
// reads, and the usual video containers the installed FFmpeg demuxes. Other
// files are looked into by content.
QStringList mediaExtensions();
// Every image an installed Qt image plugin reads, lower case.
QStringList imageExtensions();

// The conversions' cache folder, ending in "/".
QString conversionCacheFolder();
