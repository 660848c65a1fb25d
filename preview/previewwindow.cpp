#include "preview/previewwindow.h"

#include "media/mediainput.h"
#include "media/mediaservice.h"
#include "preview/previewtimeline.h"

#include <QAction>
#include <QApplication>
#include <QImageReader>
#include <QMediaPlayer>
#include <QPainter>
#include <QStackedLayout>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoWidget>
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QAudioOutput>
#else
#include <QMediaContent>
#endif

namespace {

// Pictures are read at most this large: the size of a big screen.
const QSize pictureBox(1920, 1080);

} // namespace

// An image scaled to fit on black, or the reason a slot shows nothing.
class PictureView : public QWidget
{
public:
    explicit PictureView(QWidget *parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void show(const QImage &image, const QString &text)
    {
        m_image = image;
        m_text = text;
        m_scaled = QPixmap();
        update();
    }
    QString text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        if (!m_image.isNull()) {
            // Scaled once per size: a repaint for the cursor costs no scaling.
            if (m_scaled.isNull() || !m_scaled.size().boundedTo(size()).isValid() ||
                (m_scaled.width() != width() && m_scaled.height() != height()))
                m_scaled = QPixmap::fromImage(
                    m_image.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
            painter.drawPixmap((width() - m_scaled.width()) / 2, (height() - m_scaled.height()) / 2,
                               m_scaled);
        }
        if (!m_text.isEmpty()) {
            painter.setPen(Qt::white);
            QFont font = painter.font();
            font.setPointSizeF(font.pointSizeF() * 1.4);
            painter.setFont(font);
            painter.drawText(rect().adjusted(40, 40, -40, -40), Qt::AlignCenter | Qt::TextWordWrap,
                             m_text);
        }
    }

private:
    QImage m_image;
    QString m_text;
    QPixmap m_scaled;
};

PreviewWindow::PreviewWindow(const QVector<PreviewItem> &items, int first, QWidget *parent)
    : QWidget(parent, Qt::Window), m_items(items), m_media(new MediaService(this)),
      m_stack(new QStackedLayout), m_picture(new PictureView(this)),
      m_video(new QVideoWidget(this)), m_player(new QMediaPlayer(this)),
      m_timeline(new PreviewTimeline(this))
{
    setObjectName(QStringLiteral("previewWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Preview"));
    resize(880, 560);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, Qt::black);
    setPalette(dark);
    setAutoFillBackground(true);

    m_video->setObjectName(QStringLiteral("previewVideo"));
    m_picture->setObjectName(QStringLiteral("previewPicture"));
    for (QWidget *child : {static_cast<QWidget *>(m_picture), static_cast<QWidget *>(m_video),
                           static_cast<QWidget *>(m_timeline)})
        child->setFocusPolicy(Qt::NoFocus);
    m_stack->addWidget(m_picture);
    m_stack->addWidget(m_video);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(m_stack, 1);
    layout->addWidget(m_timeline);
    m_timeline->setItems(&m_items);
    connect(m_timeline, &PreviewTimeline::itemClicked, this, [this](int index) { start(index); });

    m_player->setVideoOutput(m_video);
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    m_player->setAudioOutput(new QAudioOutput(this));
    connect(m_player, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error, const QString &text) { videoFailed(text); });
#else
    connect(m_player, QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error), this,
            [this] { videoFailed(m_player->errorString()); });
#endif
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus s) {
        if (!m_playingVideo || m_videoIndex != m_index)
            return;
        if (s == QMediaPlayer::EndOfMedia)
            slotEnded();
        else if (s == QMediaPlayer::InvalidMedia)
            videoFailed(m_player->errorString());
    });

    m_slotTimer.setSingleShot(true);
    connect(&m_slotTimer, &QTimer::timeout, this, &PreviewWindow::slotEnded);
    m_cursorTimer.setInterval(50);
    connect(&m_cursorTimer, &QTimer::timeout, this, &PreviewWindow::updateCursor);
    m_pool.setMaxThreadCount(2);

    const auto key = [this](QKeySequence sequence, void (PreviewWindow::*slot)()) {
        auto *action = new QAction(this);
        action->setShortcut(sequence);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    key(Qt::Key_Space, &PreviewWindow::togglePause);
    key(Qt::Key_F11, &PreviewWindow::toggleFullScreen);
    auto *escape = new QAction(this);
    escape->setShortcut(Qt::Key_Escape);
    connect(escape, &QAction::triggered, this, &QWidget::close);
    addAction(escape);
    auto *back = new QAction(this);
    back->setShortcut(Qt::Key_Left);
    connect(back, &QAction::triggered, this, [this] { step(-1); });
    addAction(back);
    auto *forward = new QAction(this);
    forward->setShortcut(Qt::Key_Right);
    connect(forward, &QAction::triggered, this, [this] { step(+1); });
    addAction(forward);

    // Video lengths for the timeline, thumbnails, and files that cannot play.
    connect(m_media, &MediaService::probed, this, &PreviewWindow::probed);
    connect(m_media, &MediaService::thumbnailReady, m_timeline, &PreviewTimeline::setThumbnail);
    QSet<QString> requested;
    for (const PreviewItem &item : qAsConst(m_items)) {
        if (!requested.contains(item.source.key())) {
            requested.insert(item.source.key());
            m_media->request(item.source);
        }
    }
    m_cursorTimer.start();
    QTimer::singleShot(0, this, [this, first] { start(qBound(0, first, m_items.size() - 1)); });
}

PreviewWindow::~PreviewWindow()
{
    m_pool.clear();
    m_pool.waitForDone();
    m_player->stop();
}

QWidget *PreviewWindow::screenArea() const
{
    return m_stack->currentWidget();
}

QString PreviewWindow::problemShown() const
{
    return m_stack->currentWidget() == m_picture ? m_picture->text() : QString();
}

void PreviewWindow::start(int index)
{
    if (m_items.isEmpty())
        return;
    m_index = index;
    const PreviewItem &item = m_items.at(index);
    setWindowTitle(tr("Preview — %1 (%2 of %3)").arg(item.name).arg(index + 1).arg(m_items.size()));
    m_slotTimer.stop();
    m_clockBefore = 0;
    m_playingVideo = false;
    emit itemStarted(index);

    const QString problem = m_problems.value(item.source.key());
    if (!problem.isEmpty()) {
        showProblem(index, problem);
    } else if (item.video) {
        m_picture->show({}, {});
        m_playingVideo = true;
        if (m_videoIndex != index)
            prepareVideo(index);
        m_stack->setCurrentWidget(m_video);
        if (m_paused)
            m_player->pause();
        else
            m_player->play();
    } else {
        m_stack->setCurrentWidget(m_picture);
        if (m_pictures.contains(index) || m_pictureProblems.contains(index))
            m_picture->show(m_pictures.value(index), m_pictureProblems.value(index));
        else
            m_picture->show({}, {});
        requestPicture(index);
        runClock(item.durationMs);
    }

    // The next slot is made ready meanwhile, so it starts at once.
    const int next = (index + 1) % m_items.size();
    if (m_items.at(next).video) {
        if (!item.video)
            prepareVideo(next);
    } else {
        requestPicture(next);
    }
    // Pictures of slots neither shown nor next are dropped.
    for (auto it = m_pictures.begin(); it != m_pictures.end();)
        it = it.key() == index || it.key() == next ? std::next(it) : m_pictures.erase(it);
    updateCursor();
}

void PreviewWindow::runClock(qint64 durationMs)
{
    m_clockLength = durationMs;
    m_clock.start();
    if (!m_paused)
        m_slotTimer.start(int(qMax<qint64>(0, durationMs - m_clockBefore) / m_rate));
}

void PreviewWindow::slotEnded()
{
    // An image of time 00:00:00 is never shown; a list of only such stops.
    for (int tries = 1; tries <= m_items.size(); ++tries) {
        const int next = (m_index + tries) % m_items.size();
        const PreviewItem &item = m_items.at(next);
        if (item.video || item.durationMs > 0) {
            start(next);
            return;
        }
    }
    // No slot is shown: a picture read late must not cover this.
    m_index = -1;
    m_picture->show({}, tr("Nothing to show: every item plays for 00:00:00."));
    m_stack->setCurrentWidget(m_picture);
}

void PreviewWindow::step(int offset)
{
    if (m_items.isEmpty())
        return;
    start((m_index + offset + m_items.size()) % m_items.size());
}

void PreviewWindow::togglePause()
{
    m_paused = !m_paused;
    if (m_playingVideo) {
        if (m_paused)
            m_player->pause();
        else
            m_player->play();
        return;
    }
    if (m_paused) {
        m_clockBefore += qint64(double(m_clock.elapsed()) * m_rate);
        m_slotTimer.stop();
    } else {
        runClock(m_clockLength);
    }
}

void PreviewWindow::toggleFullScreen()
{
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}

void PreviewWindow::requestPicture(int index)
{
    if (m_pictures.contains(index) || m_pictureProblems.contains(index))
        return;
    m_pictures.insert(index, QImage()); // asked for
    const MediaSource source = m_items.at(index).source;
    const QString name = m_items.at(index).name;
    // Read at the size it is shown: the GUI thread then only draws it.
    const QSize box = (m_picture->size() * m_picture->devicePixelRatioF()).boundedTo(pictureBox);
    m_pool.start([this, index, source, name, box] {
        QImage image;
        QString problem;
        const MediaInput input = openMediaInput(source);
        if (!input.device) {
            problem = input.problemText;
        } else {
            QImageReader reader(input.device.get());
            reader.setAutoTransform(true);
            const QSize size = reader.size();
            if (size.isValid() && !box.isEmpty() &&
                (size.width() > box.width() || size.height() > box.height()))
                reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio));
            if (!reader.read(&image))
                problem = tr("“%1” cannot be shown: %2").arg(name, reader.errorString());
        }
        // The window waits for this task before it goes, so it is still there.
        QMetaObject::invokeMethod(
            this, [this, index, image, problem] { pictureRead(index, image, problem); },
            Qt::QueuedConnection);
    });
}

void PreviewWindow::pictureRead(int index, const QImage &image, const QString &problem)
{
    if (!problem.isEmpty()) {
        m_pictures.remove(index);
        m_pictureProblems.insert(index, problem);
    } else if (m_pictures.contains(index)) {
        m_pictures.insert(index, image);
    }
    if (index == m_index && !m_playingVideo)
        m_picture->show(image, problem);
}

void PreviewWindow::prepareVideo(int index)
{
    m_videoIndex = index;
    const quint64 generation = ++m_generation;
    const MediaSource source = m_items.at(index).source;
    m_videoDevice.reset();
    if (!source.isPackageEntry()) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        m_player->setSource(QUrl::fromLocalFile(source.path));
#else
        m_player->setMedia(QUrl::fromLocalFile(source.path));
#endif
        return;
    }
    // A stored video plays from the package itself, read in place.
    QThread *gui = thread();
    m_pool.start([this, index, source, generation, gui] {
        MediaInput input = openMediaInput(source);
        QIODevice *device = input.device.release();
        if (device)
            device->moveToThread(gui);
        const QString problem = input.problemText;
        QMetaObject::invokeMethod(
            this,
            [this, index, device, generation, problem] {
                if (generation != m_generation) {
                    delete device;
                    return;
                }
                videoSourceReady(index, device, problem);
            },
            Qt::QueuedConnection);
    });
}

void PreviewWindow::videoSourceReady(int index, QIODevice *device, const QString &problem)
{
    if (!device) {
        m_problems.insert(m_items.at(index).source.key(), problem);
        if (index == m_index)
            showProblem(index, problem);
        return;
    }
    m_videoDevice.reset(device);
    const QUrl name(m_items.at(index).name);
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    m_player->setSourceDevice(device, name);
#else
    m_player->setMedia(QMediaContent(name), device);
#endif
    if (index == m_index && m_playingVideo && !m_paused)
        m_player->play();
}

void PreviewWindow::videoFailed(const QString &problem)
{
    if (m_videoIndex < 0)
        return;
    const PreviewItem &item = m_items.at(m_videoIndex);
    const QString text = tr("“%1” cannot be played: %2")
                             .arg(item.name, problem.isEmpty() ? tr("unknown error") : problem);
    m_problems.insert(item.source.key(), text);
    const int failed = m_videoIndex;
    m_videoIndex = -1;
    if (failed == m_index && m_playingVideo)
        showProblem(failed, text);
}

void PreviewWindow::showProblem(int index, const QString &problem)
{
    m_playingVideo = false;
    m_stack->setCurrentWidget(m_picture);
    m_picture->show({}, m_items.at(index).name + QLatin1String("\n\n") + problem);
    runClock(slotMs(m_items.at(index)));
}

void PreviewWindow::probed(const QString &key, const MediaInfo &info)
{
    bool changed = false;
    for (PreviewItem &item : m_items) {
        if (item.source.key() != key || !item.video || info.durationMs < 0)
            continue;
        item.durationMs = info.durationMs;
        changed = true;
    }
    // Only what stops a file from being read at all: the probe is stricter
    // than the player about what may not play.
    if (info.problem == MediaInfo::Problem::Missing ||
        info.problem == MediaInfo::Problem::Unreadable)
        m_problems.insert(key, info.problemText);
    if (changed)
        m_timeline->itemsChanged();
}

qint64 PreviewWindow::positionMs() const
{
    if (m_index < 0)
        return 0;
    if (m_playingVideo)
        return m_player->position();
    const qint64 shown =
        m_clockBefore + (m_paused ? 0 : qint64(double(m_clock.elapsed()) * m_rate));
    return qMin(shown, m_clockLength);
}

void PreviewWindow::updateCursor()
{
    m_timeline->setCursor(m_index, positionMs());
}
