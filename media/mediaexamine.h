#pragma once

#include "media/mediaprobe.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <functional>

// The user's words, one translation context for the whole media library.
inline QString mediaText(const char *text)
{
    return QCoreApplication::translate("MediaProbe", text);
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

// FFmpeg's messages go to the media logging category, not to stderr.
void routeFfmpegLog();

// A decode failure of the thumbnail turns a sound probe into Problem::Undecodable.
MediaInfo inspectMedia(const MediaSource &source, const QSize &box, QImage *thumbnail,
                       const InspectLimits &limits = {});
