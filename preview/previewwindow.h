#pragma once

#include "preview/previewplan.h"

#include <QElapsedTimer>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QThreadPool>
#include <QTimer>
#include <QWidget>

class MediaService;
class PictureView;
class QLabel;
class QToolButton;
class PreviewTimeline;
class PreviewVideo;
class QIODevice;

// Plays a playlist as the player's screen will: each image for its time,
// each video to its end, in order and round again; in a window or full
// screen (F11). Space pauses, Left and Right step, Esc leaves full screen,
// then closes. A bar over the picture holds the same commands, the time and
// the sound switch (off: window screens are silent); it hides while playing
// and comes back when the mouse moves. A timeline shows every item in
// proportion to its time, with a cursor. Media are read off the GUI thread; a
// slot whose media cannot play shows why, for its time.
class PreviewWindow : public QWidget
{
    Q_OBJECT

public:
    PreviewWindow(const QVector<PreviewItem> &items, int first, QWidget *parent = nullptr);
    ~PreviewWindow() override;

    int currentIndex() const { return m_index; }
    bool isPaused() const { return m_paused; }
    // Where the media show; the timeline is below it.
    QWidget *screenArea() const;
    // Where the screen shows within it, at the shape of the profile's screen.
    QRect screenRect() const;
    // The problem the slot shows instead of its media, empty when none.
    QString problemShown() const;
    // Test hook: images and problems stay up 1/rate of their time.
    void setClockRate(double rate) { m_rate = rate; }
    // Test hook: how long the bar stays after the mouse last moved.
    void setControlsDelay(int ms) { m_hideControls.setInterval(ms); }
    // The audio outputs the preview holds open: none while the sound is off.
    int audioOutputs() const;

signals:
    void itemStarted(int index);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void start(int index);
    void step(int offset);
    void togglePause();
    void toggleFullScreen();
    void slotEnded();
    // Runs the slot's clock for whatever of durationMs is left.
    void runClock(qint64 durationMs);
    void requestPicture(int index);
    void pictureRead(int index, const QImage &image, const QString &problem);
    void prepareVideo(int index);
    void videoSourceReady(int index, QIODevice *device, const QString &problem);
    void videoFailed(int index, const QString &problem);
    void showProblem(int index, const QString &problem);
    void probed(const QString &key, const MediaInfo &info);
    qint64 positionMs() const;
    void updateCursor();
    void makeControls();
    void placeControls();
    void showControls();
    void leaveOrClose();

    QVector<PreviewItem> m_items;
    QHash<QString, QString> m_problems; // by source key, from the probe
    MediaService *m_media;
    PictureView *m_picture;
    PreviewVideo *m_video;
    PreviewTimeline *m_timeline;
    QWidget *m_controls = nullptr;
    QToolButton *m_playButton = nullptr;
    QToolButton *m_soundButton = nullptr;
    QLabel *m_timeLabel = nullptr;
    QTimer m_hideControls;
    QTimer m_slotTimer;
    QTimer m_cursorTimer;
    QElapsedTimer m_clock;
    qint64 m_clockBefore = 0; // ms of the slot shown before the last pause
    qint64 m_clockLength = 0;
    double m_rate = 1.0;
    int m_index = -1;
    bool m_paused = false;
    bool m_playingVideo = false;
    QSet<int> m_opening; // stored clips being opened for the player
    QHash<int, QImage> m_pictures;
    QHash<int, QString> m_pictureProblems;
    QThreadPool m_pool;
};
