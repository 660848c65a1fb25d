#pragma once

#include "media/mediaprobe.h"

// What examining a medium found, remembered by the file's identity (device,
// inode, size, time of change) in a small cache beside the conversion cache:
// a file examined once, by the window or an earlier mrv run, is not decoded
// again until it changes. Stored entries are examined each time.
MediaInfo examineMediaRemembered(const MediaSource &source);
