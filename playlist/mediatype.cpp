#include "playlist/mediatype.h"

namespace {

// The one list of the player's extensions.
const struct
{
    const char *extension;
    PlayerFormat format;
} playerTypes[] = {
    {"png", PlayerFormat::Png},  {"jpg", PlayerFormat::Jpeg}, {"jpeg", PlayerFormat::Jpeg},
    {"jpe", PlayerFormat::Jpeg}, {"mp4", PlayerFormat::Mp4},  {"avi", PlayerFormat::Avi},
};

QString extensionOf(const QString &path)
{
    // Only the file's own extension counts: a folder named "x.jpg.d" must not
    // turn the video inside it into a still image.
    const QString fileName = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : fileName.mid(dot + 1).toLower();
}

} // namespace

PlayerFormat playerFormatOf(const QString &path)
{
    const QString extension = extensionOf(path);
    for (const auto &type : playerTypes) {
        if (extension == QLatin1String(type.extension))
            return type.format;
    }
    return PlayerFormat::None;
}

QStringList playerExtensions()
{
    QStringList extensions;
    for (const auto &type : playerTypes)
        extensions.append(QLatin1String(type.extension));
    return extensions;
}

int getMediaType(const QString &path)
{
    switch (playerFormatOf(path)) {
    case PlayerFormat::Png:
    case PlayerFormat::Jpeg:
        return MediaImage;
    case PlayerFormat::Mp4:
    case PlayerFormat::Avi:
        return MediaVideo;
    case PlayerFormat::None:
        break;
    }
    return extensionOf(path) == QLatin1String("zip") ? MediaArchive : MediaOther;
}
