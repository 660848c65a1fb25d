#pragma once

#include "playlist/playlistrow.h"

#include <QString>

Q_DECLARE_METATYPE(PlaylistRows)

inline QString str(const char *text)
{
    return QString::fromUtf8(text);
}

// The transition defaults to the window's first choice.
inline PlaylistRow row(const char *time, const QString &file, const char *transition = "Zoom")
{
    return {str(time), file, str(transition)};
}

inline PlaylistRow row(const char *time, const char *file, const char *transition = "Zoom")
{
    return row(time, str(file), transition);
}
