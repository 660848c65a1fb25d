#pragma once

#include "media/mediaexamine.h"

class QIODevice;

// Fills the video fields of info from the bytes on device, through FFmpeg's
// demuxers and decoders; with a valid box and a thumbnail also decodes a frame
// about one second in, and one near the end unless the bytes are compressed.
void inspectVideo(QIODevice *device, const MediaSource &source, const QSize &box, QImage *thumbnail,
                  const InspectLimits &limits, bool compressed, MediaInfo *info);
