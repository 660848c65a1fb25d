#include "playlist/playlistrow.h"

#include "playlist/mediatype.h"

PlaylistRow rowForFile(const QString &path, const QString &imageTime, const QString &transition)
{
    const bool video = getMediaType(path) == MediaVideo;
    return {video ? videoTimeText() : imageTime, path, transition};
}
