#pragma once

#include "media/mediaprobe.h"

#include <QImage>
#include <QObject>
#include <QSet>
#include <QThreadPool>

#include <memory>

// The window's way to probe media and get thumbnails. Lives on the GUI thread;
// every read and decode runs on a small pool of its own, and the results come
// back as signals on the GUI thread.
class MediaService : public QObject
{
    Q_OBJECT

public:
    // Thumbnails fit this box, keeping their aspect ratio.
    static QSize thumbnailBox() { return {128, 72}; }

    explicit MediaService(QObject *parent = nullptr);
    ~MediaService() override;

    // Probes source and makes its thumbnail. Results come later, never from
    // within this call: from the cache when the file (or package) has the
    // same size and modification time as when it was probed, else freshly made.
    void request(const MediaSource &source);
    // Forgets all queued work, e.g. when another package was opened; results of
    // work already running are dropped. Emits idle() when anything was pending.
    void cancelAll();
    // Sources requested whose results have not been delivered yet.
    int pending() const { return m_pending.size(); }

signals:
    // Always first for a source; a thumbnail that cannot be decoded shows here
    // as Problem::Undecodable.
    void probed(const QString &key, const MediaInfo &info);
    // Only for sources that have a picture.
    void thumbnailReady(const QString &key, const QImage &image);
    void idle();

private:
    struct Shared;
    void deliver(quint64 generation, const QString &key, const MediaInfo &info,
                 const QImage &image);

    std::shared_ptr<Shared> m_shared;
    QThreadPool m_pool;
    QSet<QString> m_pending;
    quint64 m_generation = 0;
};
