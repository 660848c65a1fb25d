#pragma once

#include "media/mediaprobe.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <functional>

// The media library's words for people, in one translation context.
class MediaText
{
    Q_DECLARE_TR_FUNCTIONS(MediaText)
};

// The largest picture the program decodes, a photo's or a video frame's: larger
// ones take seconds and memory that no screen needs.
constexpr int maxImageSide = 16384;
constexpr qint64 maxImagePixels = 32 * 1024 * 1024;
// Whether a picture of size may be decoded.
inline bool decodableImageSize(const QSize &size)
{
    return size.isValid() && size.width() <= maxImageSide && size.height() <= maxImageSide &&
           qint64(size.width()) * size.height() <= maxImagePixels;
}

// Inside the media library: one pass that probes and, when box is valid, also
// makes the thumbnail, so a medium is opened and parsed once.
struct InspectLimits
{
    static constexpr int seconds = 10;
    QDeadlineTimer deadline{seconds * 1000};
    std::function<bool()> cancelled; // asked often: must be cheap

    bool expired() const { return deadline.hasExpired() || (cancelled && cancelled()); }
};

// Closes the packages that reads of stored entries kept open for the pass
// over them; readers still in use close when their last entry is read. Called
// at the end of each pass, so that no drive stays busy between jobs.
void closePackageReaders();

// FFmpeg's messages go to the media logging category, not to stderr.
void routeFfmpegLog();

// A decode failure of the thumbnail turns a sound probe into Problem::Undecodable.
MediaInfo inspectMedia(const MediaSource &source, const QSize &box, QImage *thumbnail,
                       const InspectLimits &limits = {});
