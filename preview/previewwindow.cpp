#include "preview/previewwindow.h"

#include "media/mediainput.h"
#include "media/mediaservice.h"
#include "preview/previewtimeline.h"
#include "preview/previewvideo.h"
#include "settings/screenprofile.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QThread>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// Pictures are read at most this large: the size of a big screen.
const QSize pictureBox(1920, 1080);

// "1:05", or "1:02:05" from an hour on.
QString clockText(qint64 ms)
{
    const qint64 seconds = qMax<qint64>(0, ms) / 1000;
    const QString minutesAndSeconds =
        QStringLiteral("%1:%2")
            .arg(seconds / 60 % 60, seconds >= 3600 ? 2 : 1, 10, QLatin1Char('0'))
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return seconds >= 3600 ? QString::number(seconds / 3600) + QLatin1Char(':') + minutesAndSeconds
                           : minutesAndSeconds;
}

enum class Glyph { Previous, Play, Pause, Next, SoundOff, SoundOn, FullScreen };

// The bar's icons, drawn light so they show on its dark ground whatever the
// desktop's icon theme.
QIcon glyphIcon(Glyph glyph)
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(235, 235, 235));
    const auto triangle = [&painter](qreal left, qreal right) {
        painter.drawPolygon(QPolygonF(QVector<QPointF>{{left, 10}, {right, 24}, {left, 38}}));
    };
    const auto speaker = [&painter] {
        painter.drawPolygon(
            QPolygonF(QVector<QPointF>{{6, 18}, {14, 18}, {24, 9}, {24, 39}, {14, 30}, {6, 30}}));
    };
    QPen line(QColor(235, 235, 235), 3.5, Qt::SolidLine, Qt::RoundCap);
    switch (glyph) {
    case Glyph::Previous:
        painter.drawRect(QRectF(10, 10, 5, 28));
        triangle(38, 16);
        break;
    case Glyph::Play:
        triangle(14, 38);
        break;
    case Glyph::Pause:
        painter.drawRect(QRectF(12, 10, 8, 28));
        painter.drawRect(QRectF(28, 10, 8, 28));
        break;
    case Glyph::Next:
        triangle(10, 32);
        painter.drawRect(QRectF(33, 10, 5, 28));
        break;
    case Glyph::SoundOff:
        speaker();
        painter.setPen(line);
        painter.drawLine(QLineF(30, 18, 42, 30));
        painter.drawLine(QLineF(42, 18, 30, 30));
        break;
    case Glyph::SoundOn:
        speaker();
        painter.setPen(line);
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(18, 14, 16, 20), -50 * 16, 100 * 16);
        painter.drawArc(QRectF(16, 8, 26, 32), -50 * 16, 100 * 16);
        break;
    case Glyph::FullScreen:
        painter.setPen(line);
        painter.setBrush(Qt::NoBrush);
        for (const QPointF &corner :
             {QPointF(10, 10), QPointF(38, 10), QPointF(10, 38), QPointF(38, 38)}) {
            const qreal dx = corner.x() < 24 ? 9 : -9;
            const qreal dy = corner.y() < 24 ? 9 : -9;
            painter.drawPolyline(QPolygonF(QVector<QPointF>{
                {corner.x(), corner.y() + dy}, corner, {corner.x() + dx, corner.y()}}));
        }
        break;
    }
    return QIcon(pixmap);
}

} // namespace

// An image scaled to fit on the screen's black, or the reason a slot shows
// nothing. The screen keeps its shape (a portrait panel too); what lies
// beyond it is grey.
class PictureView : public QWidget
{
public:
    explicit PictureView(QWidget *parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void setScreenSize(const QSize &screen)
    {
        m_screen = screen;
        m_scaled = QImage();
        update();
    }
    QRect screenRect() const
    {
        const QSize shown = m_screen.scaled(size(), Qt::KeepAspectRatio);
        return QRect(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
    }
    void show(const QImage &image, const QString &text)
    {
        m_image = image;
        m_text = text;
        m_scaled = QImage();
        update();
    }
    QString text() const { return m_text; }
    const QImage &image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRect screen = screenRect();
        painter.fillRect(rect(), QColor(48, 48, 48));
        painter.fillRect(screen, Qt::black);
        if (!m_image.isNull()) {
            // Scaled once per size: a repaint for the cursor costs no scaling;
            // a picture read at the size shown is drawn as it is, with no copy.
            const bool fits =
                m_scaled.width() <= screen.width() && m_scaled.height() <= screen.height();
            const bool fills =
                m_scaled.width() == screen.width() || m_scaled.height() == screen.height();
            if (m_scaled.isNull() || !fits || !fills)
                m_scaled =
                    m_image.scaled(screen.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
            painter.drawImage(screen.x() + (screen.width() - m_scaled.width()) / 2,
                              screen.y() + (screen.height() - m_scaled.height()) / 2, m_scaled);
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
    QImage m_scaled;
    QSize m_screen{1920, 1080};
};

PreviewWindow::PreviewWindow(const QVector<PreviewItem> &items, int first, QWidget *parent)
    : QWidget(parent, Qt::Window), m_items(items), m_media(new MediaService(this)),
      m_picture(new PictureView(this)), m_video(new PreviewVideo(this)),
      m_timeline(new PreviewTimeline(this))
{
    setObjectName(QStringLiteral("previewWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Preview"));
    const QSize screen = ScreenProfile::load().screenSize();
    m_picture->setScreenSize(screen);
    // The picture about the screen's shape; the timeline takes about 60 pixels below it.
    const QSize picture = screen.scaled(QSize(880, 500), Qt::KeepAspectRatio);
    resize(qMax(picture.width(), 400), picture.height() + 60);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, Qt::black);
    setPalette(dark);
    setAutoFillBackground(true);

    m_picture->setObjectName(QStringLiteral("previewPicture"));
    m_picture->setFocusPolicy(Qt::NoFocus);
    m_timeline->setFocusPolicy(Qt::NoFocus);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_picture, 1);
    layout->addWidget(m_timeline);
    m_timeline->setItems(&m_items);
    connect(m_timeline, &PreviewTimeline::itemClicked, this, [this](int index) { start(index); });

    connect(m_video, &PreviewVideo::frameShown, this, [this](int index, const QImage &frame) {
        if (m_playingVideo && index == m_index)
            m_picture->show(frame, {});
    });
    connect(m_video, &PreviewVideo::ended, this, [this](int index) {
        if (m_playingVideo && index == m_index)
            slotEnded();
    });
    connect(m_video, &PreviewVideo::failed, this, &PreviewWindow::videoFailed);

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
    key(Qt::Key_Escape, &PreviewWindow::leaveOrClose);
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
    makeControls();
    m_cursorTimer.start();
    QTimer::singleShot(0, this, [this, first] { start(qBound(0, first, m_items.size() - 1)); });
}

PreviewWindow::~PreviewWindow()
{
    m_pool.clear();
    m_pool.waitForDone();
}

void PreviewWindow::makeControls()
{
    m_controls = new QWidget(this);
    m_controls->setObjectName(QStringLiteral("previewControls"));
    m_controls->setAutoFillBackground(true);
    QPalette bar = m_controls->palette();
    bar.setColor(QPalette::Window, QColor(0, 0, 0, 190));
    bar.setColor(QPalette::WindowText, Qt::white);
    bar.setColor(QPalette::ButtonText, Qt::white);
    m_controls->setPalette(bar);
    auto *row = new QHBoxLayout(m_controls);
    row->setContentsMargins(8, 4, 8, 4);
    const auto button = [this, row](const char *name, Glyph icon, const QString &tip, auto slot) {
        auto *b = new QToolButton(m_controls);
        b->setObjectName(QLatin1String(name));
        b->setIcon(glyphIcon(icon));
        b->setIconSize(QSize(24, 24));
        b->setToolTip(tip);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, slot);
        row->addWidget(b);
        return b;
    };
    button("previewPrevious", Glyph::Previous, tr("Previous item (Left)"), [this] { step(-1); });
    m_playButton =
        button("previewPlay", Glyph::Pause, tr("Pause (Space)"), [this] { togglePause(); });
    button("previewNext", Glyph::Next, tr("Next item (Right)"), [this] { step(+1); });
    m_timeLabel = new QLabel(m_controls);
    m_timeLabel->setObjectName(QStringLiteral("previewTime"));
    row->addWidget(m_timeLabel, 1);
    m_soundButton = button("previewSound", Glyph::SoundOff, QString(), [this](bool on) {
        m_video->setSound(on);
        m_soundButton->setIcon(glyphIcon(on ? Glyph::SoundOn : Glyph::SoundOff));
    });
    m_soundButton->setCheckable(true);
    if (PreviewVideo::soundDeviceFound()) {
        m_soundButton->setToolTip(tr("Sound on or off; the preview starts without it"));
    } else {
        m_soundButton->setEnabled(false);
        m_soundButton->setToolTip(tr("No sound device found: the preview plays without sound"));
    }
    button("previewFullScreen", Glyph::FullScreen, tr("Full screen (F11)"),
           [this] { toggleFullScreen(); });

    // Moving the mouse anywhere over the preview shows the bar again.
    setMouseTracking(true);
    m_picture->setMouseTracking(true);
    m_timeline->setMouseTracking(true);
    m_controls->setMouseTracking(true);
    m_hideControls.setSingleShot(true);
    m_hideControls.setInterval(2500);
    connect(&m_hideControls, &QTimer::timeout, this, [this] {
        if (!m_paused && !m_controls->underMouse())
            m_controls->hide();
    });
    m_hideControls.start();
}

void PreviewWindow::placeControls()
{
    if (!m_controls)
        return;
    const int height = m_controls->sizeHint().height();
    m_controls->setGeometry(0, m_picture->geometry().bottom() + 1 - height, width(), height);
    m_controls->raise();
}

void PreviewWindow::showControls()
{
    m_controls->show();
    m_hideControls.start();
}

void PreviewWindow::mouseMoveEvent(QMouseEvent *event)
{
    showControls();
    QWidget::mouseMoveEvent(event);
}

void PreviewWindow::leaveOrClose()
{
    if (isFullScreen())
        showNormal();
    else
        close();
}

int PreviewWindow::audioOutputs() const
{
    return m_video->audioOutputs();
}

void PreviewWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeControls();
    m_video->setFrameBox(
        (m_picture->size() * m_picture->devicePixelRatioF()).boundedTo(pictureBox));
}

QWidget *PreviewWindow::screenArea() const
{
    return m_picture;
}

QRect PreviewWindow::screenRect() const
{
    return m_picture->screenRect();
}

QString PreviewWindow::problemShown() const
{
    return m_picture->text();
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
        m_playingVideo = true;
        // Asked for first: a clip prepared only now plays as soon as it is.
        m_video->play(index);
        if (!m_video->isPrepared(index))
            prepareVideo(index);
        // What was shown stays until the clip's first frame replaces it.
        m_picture->show(m_picture->image(), {});
    } else {
        m_video->play(-1);
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
        if (next != index && !m_video->isPrepared(next))
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
    m_video->setPaused(m_paused);
    m_playButton->setIcon(glyphIcon(m_paused ? Glyph::Play : Glyph::Pause));
    m_playButton->setToolTip(m_paused ? tr("Play (Space)") : tr("Pause (Space)"));
    // Paused, the bar stays and says so.
    showControls();
    updateCursor();
    if (m_playingVideo)
        return;
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
            if (size.isValid() && !box.isEmpty())
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
    const MediaSource source = m_items.at(index).source;
    if (!source.isPackageEntry()) {
        m_video->prepare(index, QUrl::fromLocalFile(source.path));
        return;
    }
    if (m_opening.contains(index))
        return;
    m_opening.insert(index);
    // A stored video plays from the package itself, read in place.
    QThread *player = m_video->playerThread();
    m_pool.start([this, index, source, player] {
        MediaInput input = openMediaInput(source);
        QIODevice *device = input.device.release();
        if (device)
            device->moveToThread(player);
        const QString problem = input.problemText;
        // The window waits for this task before it goes, so it is still there.
        QMetaObject::invokeMethod(
            this, [this, index, device, problem] { videoSourceReady(index, device, problem); },
            Qt::QueuedConnection);
    });
}

void PreviewWindow::videoSourceReady(int index, QIODevice *device, const QString &problem)
{
    m_opening.remove(index);
    if (!device) {
        m_problems.insert(m_items.at(index).source.key(), problem);
        if (index == m_index && m_playingVideo)
            showProblem(index, problem);
        return;
    }
    m_video->prepare(index, QUrl(m_items.at(index).name), device);
}

void PreviewWindow::videoFailed(int index, const QString &problem)
{
    const PreviewItem &item = m_items.at(index);
    const QString text = tr("“%1” cannot be played: %2")
                             .arg(item.name, problem.isEmpty() ? tr("unknown error") : problem);
    m_problems.insert(item.source.key(), text);
    if (index == m_index && m_playingVideo)
        showProblem(index, text);
}

void PreviewWindow::showProblem(int index, const QString &problem)
{
    m_playingVideo = false;
    m_video->play(-1);
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
        return m_video->positionMs();
    const qint64 shown =
        m_clockBefore + (m_paused ? 0 : qint64(double(m_clock.elapsed()) * m_rate));
    return qMin(shown, m_clockLength);
}

void PreviewWindow::updateCursor()
{
    const qint64 position = positionMs();
    m_timeline->setCursor(m_index, position);
    QString text;
    if (m_index >= 0) {
        const PreviewItem &item = m_items.at(m_index);
        text = tr("%1 / %2   %3 of %4")
                   .arg(clockText(position),
                        item.durationMs >= 0 ? clockText(item.durationMs) : tr("–:––"))
                   .arg(m_index + 1)
                   .arg(m_items.size());
        if (m_paused)
            text = tr("Paused") + QLatin1String("   ") + text;
    }
    // QLabel itself skips a text it already shows.
    m_timeLabel->setText(text);
}
