#include "media/mediaprobe.h"
#include "archive/text.h"

#include "media/mediaexamine.h"
#include "media/mediainput.h"
#include "media/videoprobe.h"
#include "playlist/duration.h"
#include "playlist/mediatype.h"

#include <QDir>
#include <QImageReader>

#include <atomic>

Q_LOGGING_CATEGORY(lcMedia, "merovi.media")

namespace {

// Larger images are refused before decoding. Both readers scale while
// decoding, so memory stays small; but PNG still inflates every row, and past
// 32 megapixels that takes seconds for a picture no screen of the player shows.

std::atomic<quint64> decodePasses{0};

void setProblem(MediaInfo *info, MediaInfo::Problem problem, const QString &text)
{
    info->problem = problem;
    info->problemText = text;
}

void inspectImage(QIODevice *device, const QString &fileName, const QString &name, const QSize &box,
                  QImage *thumbnail, const InspectLimits &limits, MediaInfo *info)
{
    // Given a device and no format, the reader goes by content alone.
    QImageReader reader(device);
    const QByteArray format = reader.format();
    const bool pngName = playerFormatOf(fileName) == PlayerFormat::Png;
    const QByteArray expected = pngName ? QByteArrayLiteral("png") : QByteArrayLiteral("jpeg");
    const QString expectedName = pngName ? QStringLiteral("PNG") : QStringLiteral("JPEG");
    if (format.isEmpty()) {
        if (info->size == 0) {
            setProblem(info, MediaInfo::Problem::Undecodable,
                       MediaText::tr("%1 is empty. Copy it again from the original.").arg(name));
        } else {
            setProblem(info, MediaInfo::Problem::WrongType,
                       MediaText::tr("%1 is not an image: its content is not %2 data. Check that "
                                     "it is the right file.")
                           .arg(name, expectedName));
        }
        return;
    }
    info->format = QString::fromLatin1(format);
    if (format != expected) {
        setProblem(info, MediaInfo::Problem::WrongType,
                   MediaText::tr("%1 holds a %2 image, not the %3 its name says; the player "
                                 "chooses its decoder by the name. Save it again as %3.")
                       .arg(name, info->format.toUpper(), expectedName));
        return;
    }
    const QSize size = reader.size();
    if (!size.isValid()) {
        setProblem(info, MediaInfo::Problem::Undecodable,
                   MediaText::tr("%1 is damaged: its header cannot be read (%2). Copy it again "
                                 "from the original.")
                       .arg(name, reader.errorString()));
        return;
    }
    // Phones store portraits on their side, with an EXIF note to turn them.
    reader.setAutoTransform(true);
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    info->pixelSize = turned ? size.transposed() : size;
    if (size.width() > maxImageSide || size.height() > maxImageSide ||
        (format == "png" && qint64(size.width()) * size.height() > maxImagePixels)) {
        setProblem(info, MediaInfo::Problem::Undecodable,
                   MediaText::tr("%1 is %2×%3 pixels, too large to decode safely. Scale it down "
                                 "to the screen's size.")
                       .arg(name)
                       .arg(size.width())
                       .arg(size.height()));
        return;
    }
    if (!thumbnail || !box.isValid())
        return;
    // Decoding is the long part: not for a cancelled or late request.
    if (limits.expired()) {
        setProblem(info, MediaInfo::Problem::Unreadable,
                   MediaText::tr("%1 was not read to its end.").arg(name));
        return;
    }
    // The reader scales first and turns after.
    const QSize fit = turned ? box.transposed() : box;
    reader.setScaledSize(size.scaled(fit, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    const QImage image = reader.read();
    if (image.isNull()) {
        setProblem(info, MediaInfo::Problem::Undecodable,
                   MediaText::tr("%1 cannot be decoded (%2). Copy it again from the original.")
                       .arg(name, reader.errorString()));
        return;
    }
    *thumbnail = image;
}

} // namespace

QString playingTimeText(qint64 ms)
{
    const qint64 seconds = videoSeconds(ms);
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

quint64 mediaDecodePasses()
{
    return decodePasses;
}

QString MediaSource::key() const
{
    // No path holds a NUL, so a file's key never equals an entry's.
    return entry.isEmpty() ? path : path + QChar(0) + entry;
}

QString MediaSource::displayName() const
{
    const QString file = quoted(path);
    return entry.isEmpty() ? file : MediaText::tr("%1 in the package %2").arg(quoted(entry), file);
}

MediaInfo inspectMedia(const MediaSource &source, const QSize &box, QImage *thumbnail,
                       const InspectLimits &limits)
{
    MediaInfo info;
    const QString fileName =
        source.isPackageEntry() ? source.entry : source.path.section(QLatin1Char('/'), -1);
    info.type = getMediaType(fileName);
    MediaInput input = openMediaInput(source);
    info.size = input.size;
    if (!input.device) {
        setProblem(&info, input.problem, input.problemText);
        return info;
    }
    const QString name = source.displayName();
    if (thumbnail && box.isValid())
        ++decodePasses;
    switch (info.type) {
    case MediaImage:
        inspectImage(input.device.get(), fileName, name, box, thumbnail, limits, &info);
        break;
    case MediaVideo:
        inspectVideo(input.device.get(), source, box, thumbnail, limits, input.compressed, &info);
        break;
    case MediaArchive:
        break;
    default:
        setProblem(&info, MediaInfo::Problem::WrongType,
                   MediaText::tr("%1 is not of a type the player accepts. Accepted are JPEG "
                                 "(.jpg) and PNG (.png) images, MP4 (.mp4) and AVI (.avi) videos, "
                                 "and .zip archives.")
                       .arg(name));
    }
    // A large compressed entry is slow by nature, not because of the drive.
    if (!info.isOk() && limits.deadline.hasExpired() && input.compressed) {
        setProblem(&info, MediaInfo::Problem::Unreadable,
                   MediaText::tr("%1 is stored compressed in the package, and examining it took "
                                 "longer than %2 seconds. Add the original file again: media are "
                                 "stored uncompressed, which players also read faster.")
                       .arg(name)
                       .arg(InspectLimits::seconds));
        return info;
    }
    // A slow drive is not a damaged file: say so, and the service will not cache it.
    if (!info.isOk() && limits.deadline.hasExpired()) {
        setProblem(&info, MediaInfo::Problem::Unreadable,
                   MediaText::tr("%1 could not be read within %2 seconds; the drive may be slow. "
                                 "Try again, or copy the file to a faster drive.")
                       .arg(name)
                       .arg(InspectLimits::seconds));
    }
    return info;
}

MediaInfo probeMedia(const MediaSource &source)
{
    return inspectMedia(source, QSize(), nullptr);
}

MediaInfo examineMedia(const MediaSource &source)
{
    // Small: the decoders scale while decoding, and the picture is dropped.
    QImage picture;
    return inspectMedia(source, QSize(64, 64), &picture);
}

bool makeThumbnail(const MediaSource &source, const QSize &box, QImage *image, QString *error)
{
    QImage made;
    const MediaInfo info = inspectMedia(source, box, &made);
    if (info.isOk() && made.isNull()) {
        if (error)
            *error = MediaText::tr("%1 has no picture to show.").arg(source.displayName());
        return false;
    }
    if (!info.isOk()) {
        if (error)
            *error = info.problemText;
        return false;
    }
    *image = made;
    return true;
}
