#include "media/mediaservice.h"

#include "media/examinecache.h"
#include "media/mediaexamine.h"

#include <QCache>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>

namespace {

// About 500 rows of thumbnails (36 KB each), plus their probes: the table
// keeps its own small copy of every picture, and a file's check is
// remembered on disk, so a miss costs one decode for its picture alone.
constexpr int cacheKilobytes = 16 * 1024;

struct Stamp
{
    qint64 size = -1;
    qint64 modifiedMs = 0;

    friend bool operator==(const Stamp &a, const Stamp &b)
    {
        return a.size == b.size && a.modifiedMs == b.modifiedMs;
    }
};

struct Result
{
    Stamp stamp;
    MediaInfo info;
    QImage thumbnail;
};

// Decoding must not take the cores from the GUI thread. On Linux the nice
// value belongs to each thread, so only the pool's threads are lowered.
void lowerThreadPriority()
{
    static thread_local bool lowered = false;
    if (!lowered) {
        lowered = true;
        setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), 10);
    }
}

} // namespace

struct MediaService::Shared
{
    QMutex mutex;
    QCache<QString, Result> cache{cacheKilobytes}; // cost in kilobytes
    // Work of an older generation was cancelled; running work checks this
    // between steps and while decoding.
    std::atomic<quint64> generation{0};
};

MediaService::MediaService(QObject *parent) : QObject(parent), m_shared(std::make_shared<Shared>())
{
    qRegisterMetaType<MediaInfo>("MediaInfo");
    // Decoding is CPU-bound; two threads keep the machine usable for the rest.
    m_pool.setMaxThreadCount(2);
}

MediaService::~MediaService()
{
    m_shared->generation = ~quint64(0);
    m_pool.clear();
    m_pool.waitForDone();
}

void MediaService::request(const MediaSource &source)
{
    const QString key = source.key();
    if (m_pending.contains(key))
        return;
    m_pending.insert(key);
    const quint64 generation = m_generation;
    std::shared_ptr<Shared> shared = m_shared;
    m_pool.start([this, shared, source, key, generation] {
        const auto cancelled = [&shared, generation] { return shared->generation != generation; };
        if (cancelled())
            return;
        lowerThreadPriority();
        // Stat here, not in request(): even that can block on a slow drive.
        const QFileInfo file(source.path);
        const Stamp stamp{file.exists() ? file.size() : -1,
                          file.lastModified().toMSecsSinceEpoch()};
        // What is remembered for mrv goes by the file's full identity.
        const PackageIdentity identity = source.isPackageEntry()
                                             ? PackageIdentity()
                                             : Platform::identity(QFile::encodeName(source.path));
        {
            QMutexLocker locker(&shared->mutex);
            if (const Result *hit = shared->cache.object(key); hit && hit->stamp == stamp) {
                const Result result = *hit;
                QMetaObject::invokeMethod(
                    this, [=] { deliver(generation, key, result.info, result.thumbnail); },
                    Qt::QueuedConnection);
                return;
            }
        }
        InspectLimits limits;
        limits.cancelled = cancelled;
        QImage thumbnail;
        const MediaInfo info = inspectMedia(source, thumbnailBox(), &thumbnail, limits);
        if (cancelled())
            return;
        // Missing and unreadable files are cheap to look at again, and may be back soon.
        // mrv and later sessions need not decode it again for their checks.
        rememberExamined(source, identity, info);
        if (stamp.size >= 0 && info.problem != MediaInfo::Problem::Missing &&
            info.problem != MediaInfo::Problem::Unreadable) {
            const int cost = 1 + int(thumbnail.sizeInBytes() / 1024);
            QMutexLocker locker(&shared->mutex);
            shared->cache.insert(key, new Result{stamp, info, thumbnail}, cost);
        }
        QMetaObject::invokeMethod(
            this, [=] { deliver(generation, key, info, thumbnail); }, Qt::QueuedConnection);
    });
}

void MediaService::cancelAll()
{
    m_pool.clear();
    m_shared->generation = ++m_generation;
    const bool wasBusy = !m_pending.isEmpty();
    m_pending.clear();
    closePackageReaders();
    if (wasBusy)
        emit idle();
}

void MediaService::deliver(quint64 generation, const QString &key, const MediaInfo &info,
                           const QImage &image)
{
    if (generation != m_generation)
        return;
    m_pending.remove(key);
    emit probed(key, info);
    if (!image.isNull())
        emit thumbnailReady(key, image);
    if (m_pending.isEmpty()) {
        closePackageReaders();
        emit idle();
    }
}
