#include "media/videoprobe.h"
#include "archive/text.h"

#include "playlist/mediatype.h"

#include <QIODevice>
#include <QTransform>

#include <atomic>
#include <cmath>
#include <memory>
#include <mutex>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/display.h>
#include <libswscale/swscale.h>
}

namespace {

constexpr int ioBufferSize = 32 * 1024;
// A frame about one second in needs at most a few seconds of decoding, even
// for an index that lies about key frames.
constexpr int maxDecodedFrames = 600;

std::atomic<quint64> endCheckPackets{0};

void logToCategory(void *context, int level, const char *format, va_list args)
{
    if (level > AV_LOG_WARNING || !lcMedia().isDebugEnabled())
        return;
    char line[1024];
    int printPrefix = 1;
    av_log_format_line2(context, level, format, args, line, sizeof line, &printPrefix);
    qCDebug(lcMedia, "%s", qPrintable(QString::fromUtf8(line).trimmed()));
}

struct IoState
{
    QIODevice *device;
    const InspectLimits *limits;
};

int readPacket(void *opaque, uint8_t *buffer, int size)
{
    auto *state = static_cast<IoState *>(opaque);
    if (state->limits->expired())
        return AVERROR_EXIT;
    const qint64 got = state->device->read(reinterpret_cast<char *>(buffer), size);
    if (got < 0)
        return AVERROR(EIO);
    return got == 0 ? AVERROR_EOF : int(got);
}

int64_t seekDevice(void *opaque, int64_t offset, int whence)
{
    QIODevice *device = static_cast<IoState *>(opaque)->device;
    if (whence & AVSEEK_SIZE)
        return device->size();
    switch (whence & ~AVSEEK_FORCE) {
    case SEEK_CUR:
        offset += device->pos();
        break;
    case SEEK_END:
        offset += device->size();
        break;
    case SEEK_SET:
        break;
    default:
        return AVERROR(EINVAL);
    }
    return device->seek(offset) ? offset : AVERROR(EIO);
}

int interrupted(void *opaque)
{
    return static_cast<const InspectLimits *>(opaque)->expired() ? 1 : 0;
}

QString averror(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

// Owns the demuxer and the I/O context it reads through; the I/O context is
// ours to free because it was handed in as custom I/O.
struct Demuxer
{
    IoState state;
    AVIOContext *io = nullptr;
    AVFormatContext *format = nullptr;

    ~Demuxer()
    {
        avformat_close_input(&format);
        if (io)
            av_freep(&io->buffer);
        avio_context_free(&io);
    }
};

struct CodecFree
{
    void operator()(AVCodecContext *context) const { avcodec_free_context(&context); }
};
struct FrameFree
{
    void operator()(AVFrame *frame) const { av_frame_free(&frame); }
};
struct PacketFree
{
    void operator()(AVPacket *packet) const { av_packet_free(&packet); }
};

void setProblem(MediaInfo *info, MediaInfo::Problem problem, const QString &text)
{
    info->problem = problem;
    info->problemText = text;
}

bool containerMatches(const QString &formatName, PlayerFormat named)
{
    const QStringList names = formatName.split(QLatin1Char(','));
    return names.contains(named == PlayerFormat::Avi ? QStringLiteral("avi")
                                                     : QStringLiteral("mp4"));
}

// Decodes the video stream until a frame at or past target (in the stream's
// time base); the last frame decoded when the stream ends first. With
// firstPacket, only the stream's next packet is decoded. *sent counts the
// stream's packets given to the decoder.
bool decodeFrame(AVFormatContext *format, AVStream *stream, const AVCodec *decoder, int64_t target,
                 const InspectLimits &limits, AVFrame *kept, QString *why, bool firstPacket = false,
                 int *sent = nullptr)
{
    std::unique_ptr<AVCodecContext, CodecFree> codec(avcodec_alloc_context3(decoder));
    if (!codec || avcodec_parameters_to_context(codec.get(), stream->codecpar) < 0) {
        *why = MediaText::tr("out of memory");
        return false;
    }
    codec->thread_count = 1; // the worker pool already keeps the cores busy
    codec->max_pixels = int64_t(maxImageSide) * maxImageSide / 4;
    const int opened = avcodec_open2(codec.get(), decoder, nullptr);
    if (opened < 0) {
        *why = averror(opened);
        return false;
    }
    std::unique_ptr<AVFrame, FrameFree> frame(av_frame_alloc());
    std::unique_ptr<AVPacket, PacketFree> packet(av_packet_alloc());
    if (!frame || !packet) {
        *why = MediaText::tr("out of memory");
        return false;
    }
    bool got = false;
    int frames = 0;
    bool draining = false;
    while (!limits.expired() && frames < maxDecodedFrames) {
        if (!draining) {
            const int read = av_read_frame(format, packet.get());
            if (read < 0) {
                draining = true;
                avcodec_send_packet(codec.get(), nullptr);
            } else {
                if (packet->stream_index == stream->index) {
                    avcodec_send_packet(codec.get(), packet.get()); // damaged packets are skipped
                    if (sent)
                        ++*sent;
                    if (firstPacket) {
                        draining = true;
                        avcodec_send_packet(codec.get(), nullptr);
                    }
                }
                av_packet_unref(packet.get());
            }
        }
        int received;
        while ((received = avcodec_receive_frame(codec.get(), frame.get())) == 0) {
            av_frame_unref(kept);
            av_frame_move_ref(kept, frame.get());
            got = true;
            ++frames;
            const int64_t at = kept->best_effort_timestamp;
            if (at == AV_NOPTS_VALUE || at >= target)
                return true;
        }
        if (draining && received == AVERROR_EOF)
            break;
        if (draining && received != AVERROR(EAGAIN) && received < 0)
            break;
    }
    if (!got)
        *why = limits.expired() ? MediaText::tr("decoding took too long")
                                : MediaText::tr("no picture in it could be decoded");
    return got;
}

// Decodes the key frame nearest before endMs, and only it (no frame after it): data damaged
// behind a whole index (a fake stick reads back zeros past what it holds)
// shows there. True when the demuxer cannot seek: then it is not cheap.
bool endDecodes(AVFormatContext *format, AVStream *stream, const AVCodec *decoder, int64_t endMs,
                const InspectLimits &limits, QString *why)
{
    int64_t end = av_rescale_q(endMs, {1, 1000}, stream->time_base);
    if (stream->start_time != AV_NOPTS_VALUE)
        end += stream->start_time;
    if (av_seek_frame(format, stream->index, end, AVSEEK_FLAG_BACKWARD) < 0)
        return true;
    std::unique_ptr<AVFrame, FrameFree> frame(av_frame_alloc());
    int sent = 0;
    const bool decoded = !frame || decodeFrame(format, stream, decoder, INT64_MIN, limits,
                                               frame.get(), why, true, &sent);
    // Seen in the debug log and by the tests: a check that read on past the
    // key frame would decode up to a whole group of pictures for every file.
    endCheckPackets += quint64(sent);
    qCDebug(lcMedia) << "near-end check decoded" << sent << "packet(s) from" << end;
    return decoded;
}

// How the picture is shown: its pixels stretched by the sample aspect ratio,
// then turned by the container's display matrix (a phone held upright).
struct Presentation
{
    AVRational aspect{1, 1};
    int quarterTurns = 0; // clockwise
};

Presentation presentationOf(const AVStream *stream, const AVFrame *frame)
{
    Presentation shown;
    AVRational aspect = frame ? frame->sample_aspect_ratio : AVRational{0, 1};
    if (aspect.num <= 0 || aspect.den <= 0)
        aspect = stream->sample_aspect_ratio;
    if (aspect.num <= 0 || aspect.den <= 0)
        aspect = stream->codecpar->sample_aspect_ratio;
    if (aspect.num > 0 && aspect.den > 0 && av_q2d(aspect) > 0.1 && av_q2d(aspect) < 10)
        shown.aspect = aspect;
    const auto *matrix = reinterpret_cast<const int32_t *>(
        av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, nullptr));
    if (matrix) {
        // The angle is counter-clockwise; only quarter turns are of use here.
        const double degrees = -av_display_rotation_get(matrix);
        if (!std::isnan(degrees))
            shown.quarterTurns = ((int(std::lround(degrees / 90)) % 4) + 4) % 4;
    }
    return shown;
}

bool scaleFrame(const AVFrame *frame, const Presentation &shown, const QSize &box, QImage *image)
{
    if (frame->width <= 0 || frame->height <= 0)
        return false;
    const bool sideways = shown.quarterTurns % 2 == 1;
    const QSize displayed(
        qMax(1, int(av_rescale(frame->width, shown.aspect.num, shown.aspect.den))), frame->height);
    const QSize size = displayed.scaled(sideways ? box.transposed() : box, Qt::KeepAspectRatio)
                           .expandedTo(QSize(1, 1));
    SwsContext *scaler =
        sws_getContext(frame->width, frame->height, AVPixelFormat(frame->format), size.width(),
                       size.height(), AV_PIX_FMT_RGB32, SWS_AREA, nullptr, nullptr, nullptr);
    if (!scaler)
        return false;
    // AV_PIX_FMT_RGB32 is 0xAARRGGBB in native byte order, exactly QImage's RGB32.
    QImage scaled(size, QImage::Format_RGB32);
    bool ok = !scaled.isNull();
    if (ok) {
        uint8_t *planes[4] = {scaled.bits(), nullptr, nullptr, nullptr};
        const int strides[4] = {int(scaled.bytesPerLine()), 0, 0, 0};
        ok = sws_scale(scaler, frame->data, frame->linesize, 0, frame->height, planes, strides) ==
             size.height();
    }
    sws_freeContext(scaler);
    if (ok)
        *image = shown.quarterTurns == 0
                     ? scaled
                     : scaled.transformed(QTransform().rotate(90.0 * shown.quarterTurns));
    return ok;
}

// Where a file that stopped early stops playing, in ms of its timeline; -1
// when nothing is missing. MP4 and MOV: the demuxer's index holds every
// sample's offset and size from the sample tables, so a sample past the end
// of the bytes there are is a sample the player never gets.
int64_t sampleTableCutMs(AVFormatContext *format, qint64 size)
{
    int64_t cutMs = -1;
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        AVStream *stream = format->streams[i];
        const AVMediaType kind = stream->codecpar->codec_type;
        if (kind != AVMEDIA_TYPE_VIDEO && kind != AVMEDIA_TYPE_AUDIO)
            continue;
        const int count = avformat_index_get_entries_count(stream);
        const int64_t start = stream->start_time == AV_NOPTS_VALUE ? 0 : stream->start_time;
        // In timestamp order: the first sample missing is where playing stops.
        for (int n = 0; n < count; ++n) {
            const AVIndexEntry *sample = avformat_index_get_entry(stream, n);
            if (sample->pos + sample->size <= size)
                continue;
            const int64_t at = qMax<int64_t>(
                0, av_rescale_q(sample->timestamp - start, stream->time_base, {1, 1000}));
            cutMs = cutMs < 0 ? at : qMin(cutMs, at);
            break;
        }
    }
    return cutMs;
}

// AVI: each RIFF chunk (an OpenDML file has several) says how long it is,
// its movi list and index included. Returns the bytes the chunks declare when
// that is more than the file holds, else -1. Read through the demuxer's own
// I/O, which then goes on from where it was.
qint64 riffDeclaredSize(AVIOContext *io, qint64 size)
{
    const int64_t resume = avio_tell(io);
    qint64 result = -1;
    qint64 at = 0;
    for (int chunks = 0; at + 12 <= size && chunks < 4096; ++chunks) {
        if (avio_seek(io, at, SEEK_SET) < 0)
            break;
        const unsigned tag = avio_rl32(io);
        const qint64 length = avio_rl32(io);
        if (io->eof_reached ||
            (tag != MKTAG('R', 'I', 'F', 'F') && tag != MKTAG('R', 'F', '6', '4')))
            break;
        const qint64 end = at + 8 + length + (length & 1);
        if (length >= 4 && end > size + 1) { // the writer may leave the last pad byte out
            result = end;
            break;
        }
        at = end;
    }
    io->eof_reached = 0;
    avio_seek(io, resume, SEEK_SET);
    return result;
}

// Marks info when the file stopped early although its index is whole: the
// player plays the part that is there and stops, in front of everyone.
void checkCutShort(AVFormatContext *format, const AVStream *video, const QString &name,
                   MediaInfo *info)
{
    const qint64 size = info->size;
    int64_t playsMs = -1;
    const QString formatName = QString::fromUtf8(format->iformat->name);
    if (formatName.split(QLatin1Char(',')).contains(QLatin1String("mp4"))) {
        playsMs = sampleTableCutMs(format, size);
    } else if (formatName == QLatin1String("avi")) {
        const qint64 declared = riffDeclaredSize(format->pb, size);
        if (declared > 0) {
            // Without its index (written last) the demuxer times what it
            // found; the header still counts the frames the file was made with.
            const qint64 foundMs = info->durationMs;
            if (video->nb_frames > 0 && video->avg_frame_rate.num > 0 &&
                video->avg_frame_rate.den > 0) {
                const qint64 madeMs =
                    av_rescale_q(video->nb_frames, av_inv_q(video->avg_frame_rate), {1, 1000});
                if (madeMs > foundMs && foundMs >= 0) {
                    info->durationMs = madeMs;
                    playsMs = foundMs;
                }
            }
            if (playsMs < 0)
                playsMs = info->durationMs > 0 ? info->durationMs * size / declared : 0;
        }
    }
    if (playsMs < 0)
        return;
    info->playableMs = playsMs;
    info->problem = MediaInfo::Problem::CutShort;
    const QString length = info->durationMs >= 0 ? playingTimeText(info->durationMs)
                                                 : MediaText::tr("its whole length");
    info->problemText = MediaText::tr("%1 is cut short: plays about %2 of %3. It was not copied "
                                      "to its end; copy it again from the original.")
                            .arg(name, playingTimeText(playsMs), length);
}

} // namespace

void routeFfmpegLog()
{
    static std::once_flag logOnce;
    std::call_once(logOnce, [] { av_log_set_callback(logToCategory); });
}

void inspectVideo(QIODevice *device, const MediaSource &source, const QSize &box, QImage *thumbnail,
                  const InspectLimits &limits, bool compressed, MediaInfo *info)
{
    routeFfmpegLog();

    const QString name = source.displayName();
    const QString fileName =
        source.isPackageEntry() ? source.entry : source.path.section(QLatin1Char('/'), -1);
    const QString extension = fileName.section(QLatin1Char('.'), -1).toLower();
    if (info->size == 0) {
        setProblem(info, MediaInfo::Problem::Undecodable,
                   MediaText::tr("%1 is empty. Copy it again from the original.").arg(name));
        return;
    }

    Demuxer demuxer;
    demuxer.state = {device, &limits};
    auto *buffer = static_cast<unsigned char *>(av_malloc(ioBufferSize));
    demuxer.io = buffer ? avio_alloc_context(buffer, ioBufferSize, 0, &demuxer.state, readPacket,
                                             nullptr, seekDevice)
                        : nullptr;
    demuxer.format = demuxer.io ? avformat_alloc_context() : nullptr;
    if (!demuxer.format) {
        if (!demuxer.io)
            av_free(buffer);
        setProblem(info, MediaInfo::Problem::Unreadable,
                   MediaText::tr("%1 cannot be read: out of memory.").arg(name));
        return;
    }
    AVFormatContext *format = demuxer.format;
    format->pb = demuxer.io;
    format->flags |= AVFMT_FLAG_CUSTOM_IO;
    format->interrupt_callback = {interrupted, const_cast<InspectLimits *>(&limits)};
    format->probesize = 4 * 1024 * 1024;
    format->max_analyze_duration = 3 * AV_TIME_BASE;

    // The container is recognised by content alone, so the name's extension can be checked.
    const AVInputFormat *container = nullptr;
    const int probed = av_probe_input_buffer2(demuxer.io, &container, "", nullptr, 0, 1 << 20);
    if (probed < 0 || !container) {
        qCDebug(lcMedia) << "no container recognised in" << name << averror(probed);
        setProblem(info, MediaInfo::Problem::WrongType,
                   MediaText::tr("%1 is not a video: its content is not MP4 or AVI data. Check "
                                 "that it is the right file.")
                       .arg(name));
        return;
    }
    info->format = QString::fromUtf8(container->name);
    if (!containerMatches(info->format, playerFormatOf(fileName))) {
        setProblem(info, MediaInfo::Problem::WrongType,
                   MediaText::tr("%1 holds %2 data, not the %3 video its name says. Convert it, "
                                 "or give it the right extension.")
                       .arg(name, QString::fromUtf8(container->long_name), extension.toUpper()));
        return;
    }

    const int opened = avformat_open_input(&demuxer.format, "", container, nullptr);
    format = demuxer.format;
    const auto damaged = [&](int code) {
        qCDebug(lcMedia) << "cannot read the index of" << name << averror(code);
        setProblem(info, MediaInfo::Problem::Undecodable,
                   MediaText::tr("%1 is damaged or cut short: its index cannot be read. Copy it "
                                 "again from the original.")
                       .arg(name));
    };
    if (opened < 0)
        return damaged(opened);
    // MP4 and AVI headers name codec, size and length; decoding frames to find
    // them out is only needed when they do not.
    int index = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (index < 0 || format->streams[index]->codecpar->width <= 0 ||
        format->streams[index]->codecpar->codec_id == AV_CODEC_ID_NONE ||
        (format->duration == AV_NOPTS_VALUE &&
         format->streams[index]->duration == AV_NOPTS_VALUE)) {
        const int found = avformat_find_stream_info(format, nullptr);
        if (found < 0)
            return damaged(found);
        index = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    }
    if (index < 0) {
        setProblem(info, MediaInfo::Problem::WrongType,
                   MediaText::tr("%1 holds no video picture, only sound or data.").arg(name));
        return;
    }
    AVStream *stream = format->streams[index];
    const AVCodecParameters *parameters = stream->codecpar;
    info->codec = QString::fromUtf8(avcodec_get_name(parameters->codec_id));
    info->pixelSize = QSize(parameters->width, parameters->height);
    const AVRational rate =
        stream->avg_frame_rate.num > 0 ? stream->avg_frame_rate : stream->r_frame_rate;
    if (rate.num > 0 && rate.den > 0)
        info->frameRate = av_q2d(rate);
    info->hasSound = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, index, nullptr, 0) >= 0;
    info->quarterTurns = presentationOf(stream, nullptr).quarterTurns;
    // The container's length counts every stream, as the player plays them.
    if (format->duration != AV_NOPTS_VALUE && format->duration > 0)
        info->durationMs = format->duration / (AV_TIME_BASE / 1000);
    else if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0)
        info->durationMs = av_rescale_q(stream->duration, stream->time_base, {1, 1000});

    // The thumbnail is still made: the part that is there shows.
    checkCutShort(format, stream, name, info);

    const AVCodec *decoder = avcodec_find_decoder(parameters->codec_id);
    if (!decoder) {
        setProblem(info, MediaInfo::Problem::UnsupportedCodec,
                   MediaText::tr("%1 uses the video codec “%2”, which cannot be decoded here; the "
                                 "player most likely cannot play it either. Convert it to H.264.")
                       .arg(name, info->codec));
        return;
    }
    if (parameters->width <= 0 || parameters->height <= 0 || parameters->width > maxImageSide ||
        parameters->height > maxImageSide) {
        setProblem(info, MediaInfo::Problem::Undecodable,
                   MediaText::tr("%1 gives an impossible picture size of %2×%3 pixels; it is "
                                 "damaged. Copy it again from the original.")
                       .arg(name)
                       .arg(parameters->width)
                       .arg(parameters->height));
        return;
    }
    if (!thumbnail || !box.isValid())
        return;

    for (unsigned i = 0; i < format->nb_streams; ++i) {
        if (int(i) != index)
            format->streams[i]->discard = AVDISCARD_ALL;
    }
    const int64_t targetMs =
        info->durationMs > 0 ? qMin<int64_t>(1000, info->durationMs / 2) : 1000;
    int64_t target = av_rescale_q(targetMs, {1, 1000}, stream->time_base);
    if (stream->start_time != AV_NOPTS_VALUE)
        target += stream->start_time;
    // Without a usable index the frames are decoded from the start instead.
    if (av_seek_frame(format, index, target, AVSEEK_FLAG_BACKWARD) < 0)
        qCDebug(lcMedia) << "cannot seek in" << name;

    std::unique_ptr<AVFrame, FrameFree> frame(av_frame_alloc());
    QString why;
    if (!frame || !decodeFrame(format, stream, decoder, target, limits, frame.get(), &why) ||
        !scaleFrame(frame.get(), presentationOf(stream, frame.get()), box, thumbnail)) {
        if (why.isEmpty())
            why = MediaText::tr("its picture format cannot be converted");
        // Where the data stops, decoding fails too; the cut is what to tell.
        if (info->problem != MediaInfo::Problem::CutShort)
            setProblem(
                info, MediaInfo::Problem::Undecodable,
                MediaText::tr("%1 cannot be decoded: %2. Copy it again from the original, or "
                              "convert it to H.264.")
                    .arg(name, why));
        return;
    }
    // Decoding is paid for here anyway (a compressed entry would be read whole);
    // the thumbnail stays: the part before the damage plays.
    if (info->problem == MediaInfo::Problem::None && info->durationMs > 0 && !compressed &&
        !endDecodes(format, stream, decoder, info->durationMs, limits, &why)) {
        setProblem(info, MediaInfo::Problem::Undecodable,
                   MediaText::tr("%1 is damaged near its end: its last pictures cannot be decoded "
                                 "(%2). Copy it again from the original.")
                       .arg(name, why));
    }
}

quint64 mediaEndCheckPackets()
{
    return endCheckPackets;
}
