#include "playlist/mediatype.h"

int getMediaType(const QString &path)
{
    // Only the file's own extension counts: a folder named "x.jpg.d" must not
    // turn the video inside it into a still image.
    const QString fileName = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return MediaOther;
    const QString extension = fileName.mid(dot + 1).toLower();
    if (extension == QLatin1String("png") || extension == QLatin1String("jpg") ||
        extension == QLatin1String("jpeg") || extension == QLatin1String("jpe"))
        return MediaImage;
    if (extension == QLatin1String("mp4") || extension == QLatin1String("avi"))
        return MediaVideo;
    if (extension == QLatin1String("zip"))
        return MediaArchive;
    return MediaOther;
}

QString storedFileName(const QString &name)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || name.indexOf(QLatin1Char('/'), dot) >= 0)
        return name;
    const QString extension = name.mid(dot + 1).toLower();
    if (extension == QLatin1String("jpeg") || extension == QLatin1String("jpe"))
        return name.left(dot) + QLatin1String(".jpg");
    return name;
}
