#pragma once

#include <QString>

// Media type codes as the playlist document stores them.
enum MediaType : int { MediaOther = 0, MediaImage = 1, MediaVideo = 2, MediaArchive = 3 };

int getMediaType(const QString &path);
