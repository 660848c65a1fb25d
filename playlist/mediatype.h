#pragma once

#include <QString>

// Media type codes as the playlist document stores them.
enum MediaType : int { MediaOther = 0, MediaImage = 1, MediaVideo = 2, MediaArchive = 3 };

int getMediaType(const QString &path);

// The name a file is stored under in a package, given its own name (or "/" and
// it): the same, except that JPEG's other extensions, ".jpeg" and ".jpe",
// become ".jpg", the one the player knows. Only the name changes, not the bytes.
QString storedFileName(const QString &name);
