#pragma once

#include <QString>
#include <QStringList>

// Media type codes as the playlist document stores them.
enum MediaType : int { MediaOther = 0, MediaImage = 1, MediaVideo = 2, MediaArchive = 3 };

// The formats the player plays. It picks its decoder by the file's extension,
// so a name says which of them the file must be.
enum class PlayerFormat { None, Png, Jpeg, Mp4, Avi };

// The player's format that a path's own extension names, letter case aside;
// None for any other extension, or none.
PlayerFormat playerFormatOf(const QString &path);

// Every extension the player takes, in lower case.
QStringList playerExtensions();

int getMediaType(const QString &path);
