#include "media/mediaconvert.h"
#include "archive/text.h"

#include "jobs/jobcontrol.h"
#include "media/heifimage.h"
#include "media/mediaexamine.h"
#include "playlist/mediatype.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstring>
#include <memory>
#include <vector>

extern "C" {
#include <libavformat/avformat.h>
}

namespace {

// The probe's limits: larger images take seconds and memory no player screen needs.

QString averror(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

struct InputFree
{
    void operator()(AVFormatContext *context) const { avformat_close_input(&context); }
};
using Input = std::unique_ptr<AVFormatContext, InputFree>;

struct OutputFree
{
    void operator()(AVFormatContext *context) const
    {
        if (context && !(context->oformat->flags & AVFMT_NOFILE))
            avio_closep(&context->pb);
        avformat_free_context(context);
    }
};
using Output = std::unique_ptr<AVFormatContext, OutputFree>;

bool fitsMp4Video(AVCodecID codec)
{
    return codec == AV_CODEC_ID_H264 || codec == AV_CODEC_ID_HEVC || codec == AV_CODEC_ID_MPEG4;
}

bool fitsMp4Audio(AVCodecID codec)
{
    return codec == AV_CODEC_ID_AAC || codec == AV_CODEC_ID_MP3;
}

QString conversionCache()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QLatin1String("/merovi/converted/");
}

Input openInput(const QString &path, QString *error)
{
    routeFfmpegLog();
    AVFormatContext *context = nullptr;
    const int opened =
        avformat_open_input(&context, QFile::encodeName(path).constData(), nullptr, nullptr);
    if (opened < 0) {
        *error = averror(opened);
        return {};
    }
    Input input(context);
    const int found = avformat_find_stream_info(context, nullptr);
    if (found < 0) {
        *error = averror(found);
        return {};
    }
    return input;
}

} // namespace

ConversionPlan planConversion(const QString &path)
{
    ConversionPlan plan;
    const QFileInfo file(path);
    if (getMediaType(path) != MediaOther || !file.isFile())
        return plan;
    plan.kind = ConversionPlan::Kind::Unsupported;
    // Phones' HEIC photos through the HEIF library, whichever Qt image plugins there are.
    const HeifHeader heif = readHeifHeader(path);
    if (heif.ok) {
        const QString suffix = file.suffix().toUpper();
        plan.kind = ConversionPlan::Kind::Image;
        plan.storedName =
            file.completeBaseName() + (heif.alpha ? QLatin1String(".png") : QLatin1String(".jpg"));
        plan.how = MediaText::tr("%1 to %2")
                       .arg(suffix.isEmpty() ? QStringLiteral("HEIF") : suffix,
                            heif.alpha ? QStringLiteral("PNG") : QStringLiteral("JPEG"));
        return plan;
    }
    {
        // By content: any image an installed Qt image plugin reads.
        QImageReader reader(path);
        const QByteArray format = reader.format();
        if (!format.isEmpty() && reader.size().isValid()) {
            QImage::Format pixels = reader.imageFormat();
            // Some plugins (WebP) only tell by decoding: an opaque photo
            // would otherwise be stored as a PNG many times its size.
            const QSize size = reader.size();
            if (pixels == QImage::Format_Invalid && decodableImageSize(size))
                pixels = QImageReader(path).read().format();
            const bool alpha =
                QImage::toPixelFormat(pixels).alphaUsage() == QPixelFormat::UsesAlpha;
            plan.kind = ConversionPlan::Kind::Image;
            plan.storedName =
                file.completeBaseName() + (alpha ? QLatin1String(".png") : QLatin1String(".jpg"));
            plan.how = MediaText::tr("%1 to %2")
                           .arg(QString::fromLatin1(format).toUpper(),
                                alpha ? QStringLiteral("PNG") : QStringLiteral("JPEG"));
            return plan;
        }
    }
    QString error;
    const Input input = openInput(path, &error);
    if (!input)
        return plan;
    const int video = av_find_best_stream(input.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (video < 0 || input->streams[video]->disposition & AV_DISPOSITION_ATTACHED_PIC)
        return plan;
    // Sound MP4 cannot hold would be lost by copying: then everything is encoded again.
    bool fits = fitsMp4Video(input->streams[video]->codecpar->codec_id);
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        const AVCodecParameters *codec = input->streams[i]->codecpar;
        if (codec->codec_type == AVMEDIA_TYPE_AUDIO && !fitsMp4Audio(codec->codec_id))
            fits = false;
    }
    plan.kind = fits ? ConversionPlan::Kind::Remux : ConversionPlan::Kind::Transcode;
    plan.storedName = file.completeBaseName() + QLatin1String(".mp4");
    plan.how =
        fits ? MediaText::tr("%1 to MP4, streams copied").arg(file.suffix().toUpper())
             : MediaText::tr("%1 to MP4, encoded again as H.264").arg(file.suffix().toUpper());
    return plan;
}

bool convertImage(const QString &source, const QString &target, QString *error)
{
    QImageReader reader(source);
    reader.setAutoTransform(true);
    QImage image;
    if (readHeifHeader(source).ok) {
        if (!readHeifImage(source, maxImageSide, maxImagePixels, &image, error))
            return false;
    } else {
        const QSize size = reader.size();
        if (!decodableImageSize(size)) {
            *error = MediaText::tr("%1 could not be converted: it is %2×%3 pixels, too large to "
                                   "decode safely. Scale it down to the screen's size.")
                         .arg(quoted(source))
                         .arg(size.width())
                         .arg(size.height());
            return false;
        }
        image = reader.read();
        if (image.isNull()) {
            *error = MediaText::tr("%1 could not be converted: %2.")
                         .arg(quoted(source), reader.errorString());
            return false;
        }
    }
    QDir().mkpath(QFileInfo(target).absolutePath());
    const bool png = target.endsWith(QLatin1String(".png"));
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) ||
        !(png ? image : image.convertToFormat(QImage::Format_RGB32))
             .save(&file, png ? "PNG" : "JPEG", png ? -1 : 92) ||
        !file.commit()) {
        *error = MediaText::tr("%1 could not be converted: %2 cannot be written (%3).")
                     .arg(quoted(source), quoted(target), file.errorString());
        return false;
    }
    return true;
}

QString convertedPath(const QString &path, const ConversionPlan &plan)
{
    return cachedCopyPath(path, {}, plan.storedName);
}

QString cachedCopyPath(const QString &path, const QByteArray &variant, const QString &storedName)
{
    const QFileInfo file(path);
    QCryptographicHash key(QCryptographicHash::Sha1);
    key.addData(QFile::encodeName(file.absoluteFilePath()));
    key.addData(QByteArray::number(file.size()));
    key.addData(QByteArray::number(file.lastModified().toMSecsSinceEpoch()));
    QString folder = QString::fromLatin1(key.result().toHex().left(24));
    if (!variant.isEmpty()) {
        // A folder of its own per variant, told apart by name.
        QCryptographicHash how(QCryptographicHash::Sha1);
        how.addData(variant);
        folder = QLatin1String("fitted-") + folder + QLatin1Char('-') +
                 QString::fromLatin1(how.result().toHex().left(12));
    }
    return conversionCache() + folder + QLatin1Char('/') + storedName;
}

bool isFittedCopy(const QString &path)
{
    return isConvertedCopy(path) && QFileInfo(path)
                                        .absolutePath()
                                        .section(QLatin1Char('/'), -1)
                                        .startsWith(QLatin1String("fitted-"));
}

bool remuxToMp4(const QString &source, const QString &target, JobControl *control, QString *error)
{
    const auto fail = [&](const QString &cause) {
        *error = MediaText::tr("%1 could not be converted to MP4: %2.").arg(quoted(source), cause);
        return false;
    };
    QString cause;
    const Input input = openInput(source, &cause);
    if (!input)
        return fail(cause);
    const QString part = target + QLatin1String(".part");
    AVFormatContext *made = nullptr;
    if (avformat_alloc_output_context2(&made, nullptr, "mp4", nullptr) < 0 || !made)
        return fail(MediaText::tr("out of memory"));
    Output output(made);

    // Input stream -> output stream, -1 for streams left out (subtitles, data,
    // audio MP4 cannot hold).
    std::vector<int> mapped(input->nb_streams, -1);
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        const AVCodecParameters *codec = input->streams[i]->codecpar;
        const bool video = codec->codec_type == AVMEDIA_TYPE_VIDEO &&
                           !(input->streams[i]->disposition & AV_DISPOSITION_ATTACHED_PIC) &&
                           fitsMp4Video(codec->codec_id);
        const bool audio = codec->codec_type == AVMEDIA_TYPE_AUDIO && fitsMp4Audio(codec->codec_id);
        if (!video && !audio)
            continue;
        AVStream *stream = avformat_new_stream(made, nullptr);
        if (!stream || avcodec_parameters_copy(stream->codecpar, codec) < 0)
            return fail(MediaText::tr("out of memory"));
        stream->codecpar->codec_tag = 0; // MP4 picks its own
        stream->time_base = input->streams[i]->time_base;
        // Rotation and the like travel with the stream.
        for (int s = 0; s < input->streams[i]->nb_side_data; ++s) {
            const AVPacketSideData &side = input->streams[i]->side_data[s];
            uint8_t *copy = av_stream_new_side_data(stream, side.type, side.size);
            if (copy)
                memcpy(copy, side.data, side.size);
        }
        mapped[i] = stream->index;
    }
    QDir().mkpath(QFileInfo(target).absolutePath());
    int status = avio_open(&made->pb, QFile::encodeName(part).constData(), AVIO_FLAG_WRITE);
    if (status < 0)
        return fail(MediaText::tr("cannot write %1 (%2)").arg(quoted(part), averror(status)));
    status = avformat_write_header(made, nullptr);
    if (status < 0) {
        QFile::remove(part);
        return fail(averror(status));
    }
    const qint64 total = qMax<qint64>(1, avio_size(input->pb));
    AVPacket *packet = av_packet_alloc();
    bool cancelled = false;
    while (packet) {
        if (jobCancelled(control)) {
            cancelled = true;
            break;
        }
        status = av_read_frame(input.get(), packet);
        if (status < 0)
            break;
        const int to = mapped[size_t(packet->stream_index)];
        if (to < 0) {
            av_packet_unref(packet);
            continue;
        }
        av_packet_rescale_ts(packet, input->streams[packet->stream_index]->time_base,
                             made->streams[to]->time_base);
        packet->stream_index = to;
        packet->pos = -1;
        status = av_interleaved_write_frame(made, packet);
        if (status < 0)
            break;
        if (control)
            control->report(avio_tell(input->pb), total, source);
    }
    av_packet_free(&packet);
    const bool read = status == AVERROR_EOF;
    const int trailer = cancelled ? 0 : av_write_trailer(made);
    avio_closep(&made->pb);
    if (cancelled || !read || trailer < 0) {
        QFile::remove(part);
        if (cancelled) {
            error->clear();
            return false;
        }
        return fail(averror(read ? trailer : status));
    }
    QFile::remove(target);
    if (!QFile::rename(part, target)) {
        QFile::remove(part);
        return fail(MediaText::tr("cannot rename %1").arg(quoted(part)));
    }
    return true;
}

namespace {

// One copy per cache folder, so one note per folder names its source.
QString sourceNotePath(const QString &converted)
{
    return QFileInfo(converted).absolutePath() + QLatin1String("/.source");
}

} // namespace

void writeSourceNote(const QString &source, const QString &converted)
{
    // Only the window's display reads it: a note that cannot be written costs a label.
    QSaveFile note(sourceNotePath(converted));
    if (note.open(QIODevice::WriteOnly) &&
        note.write(QFileInfo(source).absoluteFilePath().toUtf8()) >= 0)
        (void)note.commit();
}

namespace {

QString convertOnce(const QString &path, const ConversionPlan &plan, JobControl *control,
                    QString *error)
{
    const QString target = convertedPath(path, plan);
    if (QFileInfo(target).isFile())
        return target;
    if (plan.kind == ConversionPlan::Kind::Image)
        return convertImage(path, target, error) ? target : QString();
    if (plan.kind == ConversionPlan::Kind::Transcode)
        return transcodeToMp4(path, target, control, error) ? target : QString();
    if (plan.kind != ConversionPlan::Kind::Remux) {
        *error =
            MediaText::tr("%1 cannot be converted: the player takes PNG and JPEG images and MP4 "
                          "and AVI videos.")
                .arg(quoted(path));
        return {};
    }
    return remuxToMp4(path, target, control, error) ? target : QString();
}

} // namespace

QString convertForPackage(const QString &path, const ConversionPlan &plan, JobControl *control,
                          QString *error)
{
    const QString made = convertOnce(path, plan, control, error);
    if (!made.isEmpty() && !QFileInfo::exists(sourceNotePath(made)))
        writeSourceNote(path, made);
    return made;
}

bool isConvertedCopy(const QString &path)
{
    return QFileInfo(path).absoluteFilePath().startsWith(conversionCache());
}

QString convertedSource(const QString &converted)
{
    if (!isConvertedCopy(converted))
        return {};
    QFile note(sourceNotePath(converted));
    if (!note.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(note.read(64 * 1024));
}

QStringList imageExtensions()
{
    QStringList extensions;
    const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    for (const QByteArray &format : formats)
        extensions.append(QString::fromLatin1(format).toLower());
    extensions.removeDuplicates();
    return extensions;
}

QStringList mediaExtensions()
{
    QStringList extensions = playerExtensions();
    // What cameras, phones and the web make, where this computer reads it.
    const QStringList images = imageExtensions();
    for (const char *image : {"avif", "webp", "tif", "tiff", "gif", "bmp"})
        if (images.contains(QLatin1String(image)))
            extensions.append(QLatin1String(image));
    // Read through the HEIF library whatever the image plugins read.
    extensions << QStringLiteral("heic") << QStringLiteral("heif");
    // Not every build of FFmpeg has every demuxer, and some list no
    // extensions: asked by demuxer name.
    static const struct
    {
        const char *extensions;
        const char *demuxer;
    } videos[] = {{"mov m4v 3gp", "mov"},
                  {"mkv webm", "matroska"},
                  {"mts m2ts", "mpegts"},
                  {"mpg mpeg", "mpeg"},
                  {"wmv", "asf"}};
    for (const auto &video : videos) {
        if (av_find_input_format(video.demuxer))
            extensions += QString::fromLatin1(video.extensions).split(u' ');
    }
    return extensions;
}

QString conversionCacheFolder()
{
    return conversionCache();
}
