#pragma once

#include "archive/platformfile.h"
#include "media/mediaprobe.h"

// What examining a medium found, remembered by the file's identity (device,
// inode, size, time of change) in a small cache beside the conversion cache:
// a file examined once, by the window or an earlier mrv run, is not decoded
// again until it changes. Stored entries are examined each time.
MediaInfo examineMediaRemembered(const MediaSource &source);

// The two halves of the above, for the window's probes, which decode anyway
// for their thumbnails: what was remembered of source when it still has
// identity (false when nothing is), and remembering what examining it found.
// A file that changed while examined, or could not be read, is not remembered.
bool recallExamined(const MediaSource &source, const PackageIdentity &identity, MediaInfo *info);
void rememberExamined(const MediaSource &source, const PackageIdentity &identity,
                      const MediaInfo &info);
