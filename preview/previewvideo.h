#pragma once

#include <QImage>
#include <QObject>
#include <QUrl>
#include <QVector>

class QIODevice;
class QThread;
class VideoLanes;

// The clips of the preview, each known by a key (its slot). The next clip is
// prepared while the current one plays, so the switch shows no black frame.
// Frames arrive as frameShown, scaled to the frame box. With Qt 6 the players
// live on a thread of their own: the media backend opens a file inside
// setSource, and frames are turned into pictures there, so neither holds up
// the window. Qt 5's player works asynchronously on the window's thread.
class PreviewVideo : public QObject
{
    Q_OBJECT

public:
    explicit PreviewVideo(QObject *parent = nullptr);
    ~PreviewVideo() override;

    // The thread a device given to prepare must belong to.
    QThread *playerThread() const;
    // Loads key's clip from url, or from device (taken over; url names it).
    void prepare(int key, const QUrl &url, QIODevice *device = nullptr);
    bool isPrepared(int key) const { return m_laneKeys.contains(key); }
    // Plays key's clip from its start once it is prepared; stops any other
    // (a key of -1 only stops).
    void play(int key);
    void setPaused(bool paused);
    qint64 positionMs() const;
    // The size frames are shown in (they are scaled to fit it).
    void setFrameBox(const QSize &box);
    // Clips play without sound unless it is switched on.
    static bool soundDeviceFound();
    void setSound(bool on);
    // The audio outputs the players hold: none while the sound is off.
    int audioOutputs() const;

signals:
    void frameShown(int key, const QImage &frame);
    void ended(int key);
    void failed(int key, const QString &problem);

private:
    VideoLanes *m_lanes;
    QVector<int> m_laneKeys;     // the key each player holds, -1 none
    QVector<quint64> m_laneAges; // when each was prepared
    quint64 m_age = 0;
    int m_playing = -1;
    qint64 m_positionMs = 0;
};
