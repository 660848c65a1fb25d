#include "archive/text.h"
#include "jobs/jobcontrol.h"
#include "media/mediaconvert.h"
#include "media/mediaexamine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/display.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

namespace {

QString averror(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

// Copies one plane of width × height bytes turned by quarter turns clockwise.
void turnPlane(const uint8_t *from, int fromStride, int width, int height, uint8_t *to,
               int toStride, int turns)
{
    for (int y = 0; y < height; ++y) {
        const uint8_t *line = from + ptrdiff_t(y) * fromStride;
        for (int x = 0; x < width; ++x) {
            int toX = x, toY = y;
            if (turns == 1) {
                toX = height - 1 - y;
                toY = x;
            } else if (turns == 2) {
                toX = width - 1 - x;
                toY = height - 1 - y;
            } else if (turns == 3) {
                toX = y;
                toY = width - 1 - x;
            }
            to[ptrdiff_t(toY) * toStride + toX] = line[x];
        }
    }
}

// Clockwise quarter turns the container's display matrix asks for.
int quarterTurnsOf(const AVStream *stream)
{
    const auto *matrix = reinterpret_cast<const int32_t *>(
        av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, nullptr));
    if (!matrix)
        return 0;
    const double degrees = -av_display_rotation_get(matrix);
    return std::isnan(degrees) ? 0 : ((int(std::lround(degrees / 90)) % 4) + 4) % 4;
}

// size within largest taken either way round, never enlarged; even sides for 4:2:0.
QSize fittedVideoSize(QSize size, QSize largest)
{
    if (largest.isValid() && !largest.isEmpty()) {
        if ((largest.width() >= largest.height()) != (size.width() >= size.height()))
            largest.transpose();
        if (size.width() > largest.width() || size.height() > largest.height())
            size = size.scaled(largest, Qt::KeepAspectRatio);
    }
    return QSize(qMax(2, size.width() & ~1), qMax(2, size.height() & ~1));
}

// One stream carried from the source to the package: decoded, converted,
// encoded again. Frees what it holds.
struct Lane
{
    int in = -1;
    AVStream *out = nullptr;
    AVCodecContext *decoder = nullptr;
    AVCodecContext *encoder = nullptr;
    SwsContext *scaler = nullptr;
    SwrContext *resampler = nullptr;
    AVAudioFifo *fifo = nullptr;
    int64_t nextPts = 0;

    ~Lane()
    {
        avcodec_free_context(&decoder);
        avcodec_free_context(&encoder);
        sws_freeContext(scaler);
        swr_free(&resampler);
        if (fifo)
            av_audio_fifo_free(fifo);
    }
};

struct Transcoder
{
    AVFormatContext *input = nullptr;
    AVFormatContext *output = nullptr;
    Lane video, audio;
    AVFrame *frame = av_frame_alloc();
    AVFrame *converted = av_frame_alloc();
    AVFrame *turned = av_frame_alloc();
    AVPacket *packet = av_packet_alloc();
    VideoLimits limits;
    int turns = 0;        // applied to the pixels
    QSize scaledSize;     // before turning
    int64_t frameGap = 0; // in the source's time base; 0 keeps every frame
    int64_t nextFrameAt = AV_NOPTS_VALUE;

    ~Transcoder()
    {
        av_frame_free(&frame);
        av_frame_free(&converted);
        av_frame_free(&turned);
        av_packet_free(&packet);
        avformat_close_input(&input);
        if (output)
            avio_closep(&output->pb);
        avformat_free_context(output);
    }

    int openDecoder(Lane *lane)
    {
        const AVCodecParameters *parameters = input->streams[lane->in]->codecpar;
        const AVCodec *codec = avcodec_find_decoder(parameters->codec_id);
        if (!codec)
            return AVERROR_DECODER_NOT_FOUND;
        lane->decoder = avcodec_alloc_context3(codec);
        if (!lane->decoder)
            return AVERROR(ENOMEM);
        const int copied = avcodec_parameters_to_context(lane->decoder, parameters);
        lane->decoder->pkt_timebase = input->streams[lane->in]->time_base;
        lane->decoder->thread_count = 0; // a 4K clip decodes on every core
        return copied < 0 ? copied : avcodec_open2(lane->decoder, codec, nullptr);
    }

    int finishEncoder(Lane *lane)
    {
        if (output->oformat->flags & AVFMT_GLOBALHEADER)
            lane->encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        int status = avcodec_open2(lane->encoder, lane->encoder->codec, nullptr);
        lane->out = status < 0 ? nullptr : avformat_new_stream(output, nullptr);
        if (status < 0 || !lane->out)
            return status < 0 ? status : AVERROR(ENOMEM);
        lane->out->time_base = lane->encoder->time_base;
        return avcodec_parameters_from_context(lane->out->codecpar, lane->encoder);
    }

    int openVideo()
    {
        Lane &lane = video;
        int status = openDecoder(&lane);
        if (status < 0)
            return status;
        const AVCodec *codec = avcodec_find_encoder_by_name("libx264");
        if (!codec)
            codec = avcodec_find_encoder(AV_CODEC_ID_H264);
        if (!codec)
            return AVERROR_ENCODER_NOT_FOUND;
        lane.encoder = avcodec_alloc_context3(codec);
        if (!lane.encoder)
            return AVERROR(ENOMEM);
        const AVStream *stream = input->streams[lane.in];
        turns = limits.turnPixels ? quarterTurnsOf(stream) : 0;
        const QSize coded(lane.decoder->width, lane.decoder->height);
        const QSize shown = fittedVideoSize(turns % 2 ? coded.transposed() : coded, limits.largest);
        scaledSize = turns % 2 ? shown.transposed() : shown;
        lane.encoder->width = shown.width();
        lane.encoder->height = shown.height();
        lane.encoder->pix_fmt = AV_PIX_FMT_YUV420P;
        lane.encoder->sample_aspect_ratio = lane.decoder->sample_aspect_ratio;
        lane.encoder->time_base = stream->time_base;
        AVRational rate = av_guess_frame_rate(input, const_cast<AVStream *>(stream), nullptr);
        if (limits.frameRate > 0 && (rate.num <= 0 || av_q2d(rate) > limits.frameRate + 0.01)) {
            rate = av_d2q(limits.frameRate, 1001000);
            frameGap = av_rescale_q(1, av_inv_q(rate), stream->time_base);
        }
        lane.encoder->framerate = rate;
        av_opt_set(lane.encoder->priv_data, "preset", "veryfast", 0);
        status = finishEncoder(&lane);
        if (status < 0)
            return status;
        lane.out->sample_aspect_ratio = lane.encoder->sample_aspect_ratio;
        for (int s = 0; s < stream->nb_side_data; ++s) {
            const AVPacketSideData &side = stream->side_data[s];
            // Once the pixels are turned, a flag would turn them again.
            if (turns && side.type == AV_PKT_DATA_DISPLAYMATRIX)
                continue;
            if (uint8_t *copy = av_stream_new_side_data(lane.out, side.type, side.size))
                memcpy(copy, side.data, side.size);
        }
        return 0;
    }

    int openAudio()
    {
        Lane &lane = audio;
        int status = openDecoder(&lane);
        if (status < 0)
            return status;
        const AVCodec *codec = avcodec_find_encoder(AV_CODEC_ID_AAC);
        if (!codec)
            return AVERROR_ENCODER_NOT_FOUND;
        lane.encoder = avcodec_alloc_context3(codec);
        if (!lane.encoder)
            return AVERROR(ENOMEM);
        av_channel_layout_default(&lane.encoder->ch_layout,
                                  qBound(1, lane.decoder->ch_layout.nb_channels, 2));
        lane.encoder->sample_fmt = AV_SAMPLE_FMT_FLTP;
        lane.encoder->sample_rate =
            lane.decoder->sample_rate > 0 ? lane.decoder->sample_rate : 48000;
        lane.encoder->bit_rate = 160000;
        lane.encoder->time_base = {1, lane.encoder->sample_rate};
        status = finishEncoder(&lane);
        if (status < 0)
            return status;
        status =
            swr_alloc_set_opts2(&lane.resampler, &lane.encoder->ch_layout, lane.encoder->sample_fmt,
                                lane.encoder->sample_rate, &lane.decoder->ch_layout,
                                lane.decoder->sample_fmt, lane.decoder->sample_rate, 0, nullptr);
        if (status < 0 || (status = swr_init(lane.resampler)) < 0)
            return status;
        lane.fifo = av_audio_fifo_alloc(lane.encoder->sample_fmt,
                                        lane.encoder->ch_layout.nb_channels, 4096);
        return lane.fifo ? 0 : AVERROR(ENOMEM);
    }

    // Sends frame (null: the end) to lane's encoder and writes what comes out.
    int encode(Lane *lane, AVFrame *toEncode)
    {
        int status = avcodec_send_frame(lane->encoder, toEncode);
        while (status >= 0) {
            status = avcodec_receive_packet(lane->encoder, packet);
            if (status == AVERROR(EAGAIN) || status == AVERROR_EOF)
                return 0;
            if (status < 0)
                return status;
            // Frames left out leave their time to the one kept before them.
            if (lane == &video && frameGap > 0)
                packet->duration = frameGap;
            av_packet_rescale_ts(packet, lane->encoder->time_base, lane->out->time_base);
            packet->stream_index = lane->out->index;
            status = av_interleaved_write_frame(output, packet);
        }
        return status;
    }

    // A frame the frame rate limit leaves out: too soon after the last one kept.
    bool tooSoon(int64_t pts)
    {
        if (frameGap <= 0 || pts == AV_NOPTS_VALUE)
            return false;
        if (nextFrameAt != AV_NOPTS_VALUE && pts + frameGap / 4 < nextFrameAt)
            return true;
        nextFrameAt = nextFrameAt == AV_NOPTS_VALUE || nextFrameAt + frameGap < pts
                          ? pts + frameGap
                          : nextFrameAt + frameGap;
        return false;
    }

    int videoFrame()
    {
        Lane &lane = video;
        if (tooSoon(frame->best_effort_timestamp))
            return 0;
        lane.scaler = sws_getCachedContext(lane.scaler, frame->width, frame->height,
                                           AVPixelFormat(frame->format), scaledSize.width(),
                                           scaledSize.height(), lane.encoder->pix_fmt, SWS_BICUBIC,
                                           nullptr, nullptr, nullptr);
        if (!lane.scaler)
            return AVERROR(EINVAL);
        av_frame_unref(converted);
        converted->format = lane.encoder->pix_fmt;
        converted->width = scaledSize.width();
        converted->height = scaledSize.height();
        int status = av_frame_get_buffer(converted, 0);
        if (status < 0)
            return status;
        sws_scale(lane.scaler, frame->data, frame->linesize, 0, frame->height, converted->data,
                  converted->linesize);
        converted->pts = frame->best_effort_timestamp;
        if (turns == 0)
            return encode(&lane, converted);
        av_frame_unref(turned);
        turned->format = lane.encoder->pix_fmt;
        turned->width = lane.encoder->width;
        turned->height = lane.encoder->height;
        if ((status = av_frame_get_buffer(turned, 0)) < 0)
            return status;
        for (int plane = 0; plane < 3; ++plane) {
            const int shift = plane == 0 ? 0 : 1; // 4:2:0
            turnPlane(converted->data[plane], converted->linesize[plane], converted->width >> shift,
                      converted->height >> shift, turned->data[plane], turned->linesize[plane],
                      turns);
        }
        turned->pts = converted->pts;
        return encode(&lane, turned);
    }

    // Audio goes through the FIFO: the encoder takes frames of its own size.
    int audioSamples(bool flush)
    {
        Lane &lane = audio;
        if (!flush) {
            const int outSamples = swr_get_out_samples(lane.resampler, frame->nb_samples);
            uint8_t **buffers = nullptr;
            int status = av_samples_alloc_array_and_samples(
                &buffers, nullptr, lane.encoder->ch_layout.nb_channels, outSamples,
                lane.encoder->sample_fmt, 0);
            if (status < 0)
                return status;
            const int got =
                swr_convert(lane.resampler, buffers, outSamples,
                            const_cast<const uint8_t **>(frame->extended_data), frame->nb_samples);
            status = got < 0
                         ? got
                         : av_audio_fifo_write(lane.fifo, reinterpret_cast<void **>(buffers), got);
            av_freep(&buffers[0]);
            av_freep(&buffers);
            if (status < 0)
                return status;
        }
        const int size = lane.encoder->frame_size > 0 ? lane.encoder->frame_size : 1024;
        while (av_audio_fifo_size(lane.fifo) >= size ||
               (flush && av_audio_fifo_size(lane.fifo) > 0)) {
            const int take = qMin(size, av_audio_fifo_size(lane.fifo));
            av_frame_unref(converted);
            converted->nb_samples = take;
            converted->format = lane.encoder->sample_fmt;
            converted->sample_rate = lane.encoder->sample_rate;
            int status = av_channel_layout_copy(&converted->ch_layout, &lane.encoder->ch_layout);
            if (status < 0 || (status = av_frame_get_buffer(converted, 0)) < 0)
                return status;
            av_audio_fifo_read(lane.fifo, reinterpret_cast<void **>(converted->data), take);
            converted->pts = lane.nextPts;
            lane.nextPts += take;
            if ((status = encode(&lane, converted)) < 0)
                return status;
        }
        return 0;
    }

    // Sends packet (null: the end) to lane's decoder and carries every frame on.
    int decode(Lane *lane, const AVPacket *toDecode)
    {
        int status = avcodec_send_packet(lane->decoder, toDecode);
        if (status < 0 && status != AVERROR_EOF)
            return toDecode ? 0 : status; // a damaged packet is skipped
        while (true) {
            status = avcodec_receive_frame(lane->decoder, frame);
            if (status == AVERROR(EAGAIN) || status == AVERROR_EOF)
                return 0;
            if (status < 0)
                return status;
            status = lane == &video ? videoFrame() : audioSamples(false);
            av_frame_unref(frame);
            if (status < 0)
                return status;
        }
    }
};

} // namespace

bool transcodeToMp4(const QString &source, const QString &target, JobControl *control,
                    QString *error, const VideoLimits &limits)
{
    const QString shown = quoted(source);
    const auto fail = [&](int code) {
        *error = MediaText::tr("%1 could not be converted to MP4: %2.").arg(shown, averror(code));
        return false;
    };
    routeFfmpegLog();
    Transcoder job;
    job.limits = limits;
    if (!job.frame || !job.converted || !job.turned || !job.packet)
        return fail(AVERROR(ENOMEM));
    int status =
        avformat_open_input(&job.input, QFile::encodeName(source).constData(), nullptr, nullptr);
    if (status < 0 || (status = avformat_find_stream_info(job.input, nullptr)) < 0)
        return fail(status);
    status = avformat_alloc_output_context2(&job.output, nullptr, "mp4", nullptr);
    if (status < 0)
        return fail(status);
    job.video.in = av_find_best_stream(job.input, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    job.audio.in = limits.dropSound ? -1
                                    : av_find_best_stream(job.input, AVMEDIA_TYPE_AUDIO, -1,
                                                          job.video.in, nullptr, 0);
    if (job.video.in < 0)
        return fail(job.video.in);
    if ((status = job.openVideo()) < 0 || (job.audio.in >= 0 && (status = job.openAudio()) < 0))
        return fail(status);

    const QString part = target + QLatin1String(".part");
    QDir().mkpath(QFileInfo(target).absolutePath());
    status = avio_open(&job.output->pb, QFile::encodeName(part).constData(), AVIO_FLAG_WRITE);
    if (status < 0 || (status = avformat_write_header(job.output, nullptr)) < 0) {
        QFile::remove(part);
        return fail(status);
    }
    const qint64 total = qMax<qint64>(1, avio_size(job.input->pb));
    bool cancelled = false;
    while (status >= 0) {
        if (jobCancelled(control)) {
            cancelled = true;
            break;
        }
        status = av_read_frame(job.input, job.packet);
        if (status < 0)
            break;
        Lane *lane = job.packet->stream_index == job.video.in   ? &job.video
                     : job.packet->stream_index == job.audio.in ? &job.audio
                                                                : nullptr;
        if (lane)
            status = job.decode(lane, job.packet);
        av_packet_unref(job.packet);
        if (control)
            control->report(avio_tell(job.input->pb), total, source);
    }
    if (!cancelled && status == AVERROR_EOF) {
        status = job.decode(&job.video, nullptr);
        if (status >= 0)
            status = job.encode(&job.video, nullptr);
        if (status >= 0 && job.audio.encoder) {
            status = job.decode(&job.audio, nullptr);
            if (status >= 0)
                status = job.audioSamples(true);
            if (status >= 0)
                status = job.encode(&job.audio, nullptr);
        }
        if (status >= 0)
            status = av_write_trailer(job.output);
    } else if (!cancelled && status >= 0) {
        status = AVERROR_BUG;
    }
    avio_closep(&job.output->pb);
    if (cancelled || status < 0) {
        QFile::remove(part);
        if (cancelled)
            error->clear();
        return cancelled ? false : fail(status);
    }
    QFile::remove(target);
    if (!QFile::rename(part, target)) {
        QFile::remove(part);
        *error = MediaText::tr("%1 could not be converted to MP4: the copy cannot be renamed.")
                     .arg(shown);
        return false;
    }
    return true;
}
