#pragma once

#include "media/mediaprobe.h"

#include <QIODevice>

#include <memory>

// A medium opened for reading with random access: the file itself, or the
// bytes of a package entry read in place, never extracted.
struct MediaInput
{
    std::unique_ptr<QIODevice> device; // null when the source cannot be read
    MediaInfo::Problem problem = MediaInfo::Problem::None;
    QString problemText;
    qint64 size = -1;
    // A package entry stored compressed: it can only be read forwards, so
    // examining a large one takes long.
    bool compressed = false;
};

MediaInput openMediaInput(const MediaSource &source);
