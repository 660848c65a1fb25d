#include "preview/previewvideo.h"

#include "media/framescaler.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QMediaPlayer>
#include <QMutex>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QVideoFrame>
#include <QVideoSink>
#else
#include <QAbstractVideoSurface>
#include <QAudioDeviceInfo>
#include <QMediaContent>
#include <QVideoSurfaceFormat>
#endif

namespace {

// Two players: one plays while the other holds the next clip.
constexpr int laneCount = 2;

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)

// The media backend keeps objects of its own on the thread that first uses
// it, so the players share one thread that lasts as long as the program.
QThread *sharedMediaThread = nullptr;

QThread *mediaThread()
{
    if (!sharedMediaThread) {
        sharedMediaThread = new QThread;
        sharedMediaThread->setObjectName(QStringLiteral("preview media"));
        sharedMediaThread->start();
        qAddPostRoutine([] {
            sharedMediaThread->quit();
            sharedMediaThread->wait();
            delete sharedMediaThread;
            sharedMediaThread = nullptr;
        });
    }
    return sharedMediaThread;
}

// FFmpeg's name of a frame's pixel layout; empty where it has none.
QByteArray layoutName(QVideoFrameFormat::PixelFormat format)
{
    switch (format) {
    case QVideoFrameFormat::Format_YUV420P:
    case QVideoFrameFormat::Format_YV12: // planes swapped below
        return "yuv420p";
    case QVideoFrameFormat::Format_YUV422P:
        return "yuv422p";
    case QVideoFrameFormat::Format_NV12:
        return "nv12";
    case QVideoFrameFormat::Format_NV21:
        return "nv21";
    case QVideoFrameFormat::Format_YUYV:
        return "yuyv422";
    case QVideoFrameFormat::Format_UYVY:
        return "uyvy422";
    case QVideoFrameFormat::Format_P010:
        return "p010le";
    case QVideoFrameFormat::Format_YUV420P10:
        return "yuv420p10le";
    case QVideoFrameFormat::Format_ARGB8888:
    case QVideoFrameFormat::Format_ARGB8888_Premultiplied:
        return "argb";
    case QVideoFrameFormat::Format_XRGB8888:
        return "0rgb";
    case QVideoFrameFormat::Format_BGRA8888:
    case QVideoFrameFormat::Format_BGRA8888_Premultiplied:
        return "bgra";
    case QVideoFrameFormat::Format_BGRX8888:
        return "bgr0";
    case QVideoFrameFormat::Format_RGBA8888:
        return "rgba";
    case QVideoFrameFormat::Format_RGBX8888:
        return "rgb0";
    case QVideoFrameFormat::Format_ABGR8888:
        return "abgr";
    case QVideoFrameFormat::Format_XBGR8888:
        return "0bgr";
    default:
        return {};
    }
}

// A frame as a picture that fits box, scaled on the backend's frame thread.
// QVideoFrame::toImage draws through the GPU interface, which without a GPU
// takes longer than a frame lasts.
QImage frameImage(const QVideoFrame &source, const QSize &box, FrameScaler *scaler)
{
    QVideoFrame frame(source);
    FramePlanes planes;
    planes.layout = layoutName(frame.pixelFormat());
    planes.size = frame.size();
    const QSize out = box.isValid() ? planes.size.scaled(box, Qt::KeepAspectRatio) : planes.size;
    if (planes.layout.isEmpty() || out.isEmpty()) {
        const QImage image = frame.toImage();
        return out == planes.size ? image : image.scaled(out, Qt::KeepAspectRatio);
    }
    if (!frame.map(QVideoFrame::ReadOnly))
        return {};
    const QVideoFrameFormat surface = frame.surfaceFormat();
    planes.colors = surface.colorSpace() == QVideoFrameFormat::ColorSpace_BT709
                        ? FramePlanes::Colors::Bt709
                    : surface.colorSpace() == QVideoFrameFormat::ColorSpace_BT2020
                        ? FramePlanes::Colors::Bt2020
                        : FramePlanes::Colors::Default;
    planes.fullRange = surface.colorRange() == QVideoFrameFormat::ColorRange_Full;
    for (int i = 0; i < frame.planeCount() && i < 4; ++i) {
        planes.data[i] = frame.bits(i);
        planes.strides[i] = frame.bytesPerLine(i);
    }
    if (frame.pixelFormat() == QVideoFrameFormat::Format_YV12) {
        std::swap(planes.data[1], planes.data[2]);
        std::swap(planes.strides[1], planes.strides[2]);
    }
    const QImage image = scaler->scaled(planes, out);
    frame.unmap();
    return image;
}
#else
// FFmpeg's name of a frame's pixel layout; empty where it has none.
QByteArray layoutName(QVideoFrame::PixelFormat format)
{
    switch (format) {
    case QVideoFrame::Format_YUV420P:
    case QVideoFrame::Format_YV12: // planes swapped below
        return "yuv420p";
    case QVideoFrame::Format_NV12:
        return "nv12";
    case QVideoFrame::Format_NV21:
        return "nv21";
    case QVideoFrame::Format_YUYV:
        return "yuyv422";
    case QVideoFrame::Format_UYVY:
        return "uyvy422";
    case QVideoFrame::Format_RGB32: // as QImage lays it out: B, G, R, X in memory
        return "bgr0";
    case QVideoFrame::Format_ARGB32:
        return "bgra";
    default:
        return {};
    }
}

// Qt 5's player hands its frames to this surface on the window's thread; they
// are scaled as with Qt 6, so the last picture stays until the next clip's first.
class FrameSurface : public QAbstractVideoSurface
{
public:
    using Shown = std::function<void(const QImage &)>;
    FrameSurface(std::function<QSize()> box, Shown shown, QObject *parent)
        : QAbstractVideoSurface(parent), m_box(std::move(box)), m_shown(std::move(shown))
    {}

    QList<QVideoFrame::PixelFormat>
    supportedPixelFormats(QAbstractVideoBuffer::HandleType type) const override
    {
        if (type != QAbstractVideoBuffer::NoHandle)
            return {};
        return {QVideoFrame::Format_YUV420P, QVideoFrame::Format_YV12,  QVideoFrame::Format_NV12,
                QVideoFrame::Format_NV21,    QVideoFrame::Format_YUYV,  QVideoFrame::Format_UYVY,
                QVideoFrame::Format_RGB32,   QVideoFrame::Format_ARGB32};
    }

    bool present(const QVideoFrame &source) override
    {
        QVideoFrame frame(source);
        FramePlanes planes;
        planes.layout = layoutName(frame.pixelFormat());
        planes.size = frame.size();
        const QSize box = m_box();
        const QSize out =
            box.isValid() ? planes.size.scaled(box, Qt::KeepAspectRatio) : planes.size;
        if (planes.layout.isEmpty() || out.isEmpty() || !frame.map(QAbstractVideoBuffer::ReadOnly))
            return true; // nothing to show of it; the clip goes on
        planes.colors = surfaceFormat().yCbCrColorSpace() == QVideoSurfaceFormat::YCbCr_BT709
                            ? FramePlanes::Colors::Bt709
                            : FramePlanes::Colors::Default;
        for (int i = 0; i < frame.planeCount() && i < 4; ++i) {
            planes.data[i] = frame.bits(i);
            planes.strides[i] = frame.bytesPerLine(i);
        }
        if (frame.pixelFormat() == QVideoFrame::Format_YV12) {
            std::swap(planes.data[1], planes.data[2]);
            std::swap(planes.strides[1], planes.strides[2]);
        }
        const QImage image = m_scaler.scaled(planes, out);
        frame.unmap();
        if (!image.isNull())
            m_shown(image);
        return true;
    }

private:
    std::function<QSize()> m_box;
    Shown m_shown;
    FrameScaler m_scaler;
};
#endif

} // namespace

// The players; with Qt 6 on the media thread, called only through queued calls.
class VideoLanes : public QObject
{
    Q_OBJECT

public:
    VideoLanes() = default;
    ~VideoLanes() override
    {
        // Each player stops and goes before what it reads from and draws with.
        for (const auto &lane : m_lanes) {
            lane->player->stop();
            delete lane->player;
        }
    }

    void load(int index, int key, const QUrl &url, QIODevice *device)
    {
        Lane &lane = this->lane(index);
        lane.key = key;
        lane.shownKey = -1;
        lane.player->stop();
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        if (device)
            lane.player->setSourceDevice(device, url);
        else
            lane.player->setSource(url);
#else
        lane.player->setMedia(QMediaContent(url), device);
#endif
        lane.device.reset(device); // the old one only once the player let go of it
    }

    void play(int index)
    {
        for (int i = 0; i < int(m_lanes.size()); ++i) {
            if (i != index && m_lanes.at(size_t(i))->shownKey >= 0) {
                m_lanes.at(size_t(i))->shownKey = -1;
                m_lanes.at(size_t(i))->player->stop();
            }
        }
        if (index < 0)
            return;
        Lane &lane = this->lane(index);
        lane.shownKey = lane.key;
        if (lane.player->mediaStatus() == QMediaPlayer::EndOfMedia)
            lane.player->setPosition(0);
        if (m_paused)
            lane.player->pause();
        else
            lane.player->play();
    }

    void setPaused(bool paused)
    {
        m_paused = paused;
        for (const auto &lane : m_lanes) {
            if (lane->shownKey < 0)
                continue;
            if (paused)
                lane->player->pause();
            else
                lane->player->play();
        }
    }

    void setFrameBox(const QSize &box)
    {
        QMutexLocker lock(&m_boxLock);
        m_box = box;
    }

    // Without sound no audio output is opened at all: where there is no
    // sound device, one crashes Qt 6's audio thread.
    void setSound(bool on)
    {
        m_sound = on;
        for (const auto &lane : m_lanes)
            applySound(*lane);
    }

    int audioOutputs() const
    {
        return m_audioOutputs;
    }

signals:
    void frameShown(int key, const QImage &frame, qint64 positionMs);
    void ended(int key);
    void failed(int key, const QString &problem);

private:
    struct Lane
    {
        QMediaPlayer *player = nullptr;
        int key = -1;
        std::atomic<int> shownKey{-1}; // the key on screen, -1 when not playing
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        bool sound = false; // a new player has no audio output
#else
        bool sound = true; // a new player plays the sound
#endif
        std::unique_ptr<QIODevice> device;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        QVideoSink *sink = nullptr;
        FrameScaler scaler; // only the backend's frame thread uses it
#endif
    };

    void applySound(Lane &lane)
    {
        if (lane.sound == m_sound)
            return;
        lane.sound = m_sound;
        m_audioOutputs += m_sound ? 1 : -1;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        if (m_sound) {
            lane.player->setAudioOutput(new QAudioOutput(lane.player));
        } else {
            QAudioOutput *output = lane.player->audioOutput();
            lane.player->setAudioOutput(nullptr);
            delete output;
        }
#else
        // Qt 5's player has no way to leave the sound out; it plays it muted.
        lane.player->setMuted(!m_sound);
#endif
    }

    Lane &lane(int index)
    {
        while (int(m_lanes.size()) <= index)
            m_lanes.push_back(makeLane());
        return *m_lanes.at(size_t(index));
    }

    std::unique_ptr<Lane> makeLane()
    {
        auto lane = std::make_unique<Lane>();
        Lane *raw = lane.get();
        lane->player = new QMediaPlayer(this);
        m_audioOutputs += lane->sound ? 1 : 0;
        applySound(*lane);
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        lane->sink = new QVideoSink(lane->player);
        lane->player->setVideoSink(lane->sink);
        // Emitted on the backend's own thread, when the frame is due.
        connect(
            lane->sink, &QVideoSink::videoFrameChanged, this,
            [this, raw](const QVideoFrame &frame) {
                const int key = raw->shownKey;
                if (key < 0 || !frame.isValid())
                    return;
                QSize box;
                {
                    QMutexLocker lock(&m_boxLock);
                    box = m_box;
                }
                const QImage image = frameImage(frame, box, &raw->scaler);
                if (!image.isNull())
                    emit frameShown(key, image, frame.startTime() / 1000);
            },
            Qt::DirectConnection);
        connect(
            lane->player, &QMediaPlayer::errorOccurred, this,
            [this, raw](QMediaPlayer::Error, const QString &text) { emit failed(raw->key, text); });
#else
        auto *surface = new FrameSurface(
            [this] {
                QMutexLocker lock(&m_boxLock);
                return m_box;
            },
            [this, raw](const QImage &image) {
                if (raw->shownKey >= 0)
                    emit frameShown(raw->shownKey, image, raw->player->position());
            },
            lane->player);
        lane->player->setVideoOutput(surface);
        connect(lane->player, QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error), this,
                [this, raw] { emit failed(raw->key, raw->player->errorString()); });
#endif
        connect(lane->player, &QMediaPlayer::mediaStatusChanged, this,
                [this, raw](QMediaPlayer::MediaStatus status) {
                    if (status == QMediaPlayer::EndOfMedia && raw->shownKey >= 0)
                        emit ended(raw->key);
                    else if (status == QMediaPlayer::InvalidMedia)
                        emit failed(raw->key, raw->player->errorString());
                });
        return lane;
    }

    std::vector<std::unique_ptr<Lane>> m_lanes;
    bool m_paused = false;
    bool m_sound = false;
    std::atomic<int> m_audioOutputs{0};
    QMutex m_boxLock;
    QSize m_box;
};

namespace {

// Runs call on lanes' thread, in the order given.
template<typename Call> void onLanes(VideoLanes *lanes, Call call)
{
    QMetaObject::invokeMethod(lanes, std::move(call), Qt::AutoConnection);
}

} // namespace

PreviewVideo::PreviewVideo(QObject *parent)
    : QObject(parent), m_laneKeys(laneCount, -1), m_laneAges(laneCount, 0)
{
    m_lanes = new VideoLanes;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    m_lanes->moveToThread(mediaThread());
#endif
    connect(m_lanes, &VideoLanes::frameShown, this,
            [this](int key, const QImage &frame, qint64 positionMs) {
                if (key != m_playing)
                    return; // late, from the clip before
                m_positionMs = positionMs;
                emit frameShown(key, frame);
            });
    connect(m_lanes, &VideoLanes::ended, this, [this](int key) {
        if (key == m_playing)
            emit ended(key);
    });
    connect(m_lanes, &VideoLanes::failed, this, [this](int key, const QString &problem) {
        const int lane = m_laneKeys.indexOf(key);
        if (lane >= 0)
            m_laneKeys[lane] = -1;
        emit failed(key, problem);
    });
}

PreviewVideo::~PreviewVideo()
{
    // On a thread of their own the players stop there; nothing of theirs
    // reaches this any more.
    m_lanes->disconnect(this);
    if (m_lanes->thread() == thread())
        delete m_lanes;
    else
        m_lanes->deleteLater();
}

void PreviewVideo::prepare(int key, const QUrl &url, QIODevice *device)
{
    // A lane holds one clip: a free one, else the one prepared longest ago
    // gives way, never the one playing (with one lane the next clip waits
    // for its own slot).
    int lane = m_laneKeys.indexOf(key);
    if (lane < 0) {
        lane = m_laneKeys.indexOf(-1);
        for (int i = 0; lane < 0 && i < m_laneKeys.size(); ++i) {
            const int oldest =
                int(std::min_element(m_laneAges.begin(), m_laneAges.end()) - m_laneAges.begin());
            if (m_laneKeys.at(oldest) != m_playing)
                lane = oldest;
            else
                m_laneAges[oldest] = m_age; // look past it
        }
    } else {
        lane = -1; // held already
    }
    if (lane < 0) {
        if (device)
            device->deleteLater();
        return;
    }
    if (device && device->thread() != m_lanes->thread())
        device->moveToThread(m_lanes->thread());
    m_laneKeys[lane] = key;
    m_laneAges[lane] = ++m_age;
    onLanes(m_lanes,
            [lanes = m_lanes, lane, key, url, device] { lanes->load(lane, key, url, device); });
    if (key == m_playing)
        play(key);
}

void PreviewVideo::play(int key)
{
    m_playing = key;
    m_positionMs = 0;
    const int lane = key < 0 ? -1 : m_laneKeys.indexOf(key);
    onLanes(m_lanes, [lanes = m_lanes, lane] { lanes->play(lane); });
}

QThread *PreviewVideo::playerThread() const
{
    return m_lanes->thread();
}

void PreviewVideo::setPaused(bool paused)
{
    onLanes(m_lanes, [lanes = m_lanes, paused] { lanes->setPaused(paused); });
}

void PreviewVideo::setFrameBox(const QSize &box)
{
    m_lanes->setFrameBox(box);
}

bool PreviewVideo::soundDeviceFound()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return !QMediaDevices::audioOutputs().isEmpty();
#else
    // Without a sound server Qt 5 still lists one nameless device, and no default.
    return !QAudioDeviceInfo::defaultOutputDevice().isNull();
#endif
}

void PreviewVideo::setSound(bool on)
{
    onLanes(m_lanes, [lanes = m_lanes, on] { lanes->setSound(on); });
}

int PreviewVideo::audioOutputs() const
{
    return m_lanes->audioOutputs();
}

qint64 PreviewVideo::positionMs() const
{
    return m_positionMs;
}

#include "previewvideo.moc"
