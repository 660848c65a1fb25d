#include "drives/drivesync.h"
#include "archive/text.h"

#include "archive/inplaceupdate.h"
#include "archive/packagearchive.h"
#include "archive/packagefile.h"
#include "archive/packagejournal.h"
#include "archive/packagelayout.h"
#include "archive/platformfile.h"
#include "jobs/jobcontrol.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <cerrno>

#include <algorithm>
#include <vector>

#include <zlib.h>

namespace {

constexpr qint64 chunk = 4 * 1024 * 1024;
// Synced every few chunks: a cancel's roll-back then waits for little more
// than one such stretch to reach the stick, not for the whole page cache.
constexpr qint64 syncEvery = 4 * chunk;
// The journal's own header and records beside the bytes it saves.
constexpr qint64 journalOverhead = 64 * 1024;

// Where the entries both files share from the start end: each source entry,
// in file order, must sit at the same place in held with the same local
// header bytes, size and checksum.
bool sharedPrefix(Platform::File &source, const QVector<LayoutEntry> &sourceEntries,
                  Platform::File &held, const QVector<LayoutEntry> &heldEntries, qint64 *prefix,
                  int *error)
{
    QHash<QByteArray, const LayoutEntry *> heldByName;
    for (const LayoutEntry &entry : heldEntries)
        heldByName.insert(entry.name, &entry);
    QVector<LayoutEntry> ordered = sourceEntries;
    std::sort(ordered.begin(), ordered.end(), [](const LayoutEntry &a, const LayoutEntry &b) {
        return a.dataOffset < b.dataOffset;
    });
    qint64 end = 0;
    for (const LayoutEntry &entry : std::as_const(ordered)) {
        const LayoutEntry *other = heldByName.value(entry.name);
        if (!other || other->dataOffset != entry.dataOffset || other->crc != entry.crc ||
            other->size != entry.size || other->compressedSize != entry.compressedSize ||
            other->method != entry.method || entry.dataOffset < end)
            break;
        // The local header: from the end of the entry before to this one's data.
        const qint64 headerLength = entry.dataOffset - end;
        if (headerLength > 65536 + 30 + 65536)
            break;
        QByteArray a(int(headerLength), '\0');
        QByteArray b(int(headerLength), '\0');
        if (source.read(a.data(), headerLength, end) != headerLength) {
            *error = source.error();
            return false;
        }
        if (held.read(b.data(), headerLength, end) != headerLength) {
            *error = held.error();
            return false;
        }
        if (a != b)
            break;
        end = entry.dataOffset + entry.compressedSize;
    }
    *prefix = end;
    return true;
}

// The checksum of every journal block of the new bytes, read from the source
// before anything on the drive changes: recovery applies the journal only to a
// package whose blocks are each the old or these new bytes.
bool newBlockChecksums(Platform::File &source, PackageJournal::Record *record, JobControl *control,
                       bool *cancelled, int *error)
{
    std::vector<quint32> crcs;
    crcs.reserve(size_t(record->blockCount()));
    std::vector<char> buffer(static_cast<size_t>(chunk));
    quint64 at = record->from;
    quint64 blockEnd = record->nextBoundary(at);
    uLong crc = ::crc32(0L, Z_NULL, 0);
    while (at < record->newLength) {
        if (jobCancelled(control)) {
            *cancelled = true;
            return false;
        }
        const qint64 n = source.read(
            buffer.data(), qint64(std::min<quint64>(quint64(chunk), record->newLength - at)),
            qint64(at));
        if (n <= 0) {
            *error = n < 0 ? source.error() : EIO;
            return false;
        }
        const char *data = buffer.data();
        quint64 left = quint64(n);
        while (left > 0) {
            const quint64 take = std::min(left, blockEnd - at);
            crc = ::crc32(crc, reinterpret_cast<const Bytef *>(data), uInt(take));
            data += take;
            left -= take;
            at += take;
            if (at == blockEnd) {
                crcs.push_back(quint32(crc));
                crc = ::crc32(0L, Z_NULL, 0);
                blockEnd = record->nextBoundary(at);
            }
        }
    }
    crcs.resize(size_t(record->blockCount()), 0);
    record->newCrcs = std::move(crcs);
    return true;
}

// One sync, step by step. Each step returns false with the outcome set.
class Sync
{
public:
    Sync(const QString &sourcePath, const QString &targetPath, JobControl *control)
        : m_sourcePath(sourcePath), m_shown(quoted(targetPath)),
          m_path(QFile::encodeName(targetPath)), m_name(QFileInfo(targetPath).fileName()),
          m_control(control)
    {}

    PackageSync run()
    {
        if (!open() || isCurrent() || !startJournal())
            return m_result;
        // From here on the package changes; every way out rolls back or completes.
        QString cause;
        bool cancelled = false;
        if (writeNew(&cause, &cancelled) && complete(&cause))
            return m_result;
        rollBack(cause, cancelled);
        return m_result;
    }

private:
    bool fail(const QString &error, PackageSync::Status status = PackageSync::Status::Failed)
    {
        m_result.status = status;
        m_result.error = error;
        return false;
    }
    bool notPossible(const QString &cause)
    {
        m_result.copyWhole = true;
        return fail(cause);
    }

    // Both packages open and their layouts read; the drive's one locked.
    bool open()
    {
        // An update interrupted on this stick before is finished first, as Open does.
        const Recovery recovery = recoverPackage(m_path);
        if (!recovery.isDone())
            return fail(recovery.text());
        if (!m_source.openRead(QFile::encodeName(m_sourcePath)))
            return fail(CoreText::tr("Cannot read %1: %2.")
                            .arg(quoted(m_sourcePath), Platform::systemError(m_source.error())));
        QString cause;
        if (!readPackageLayout(m_source, &m_sourceEntries, &cause))
            return fail(cause);
        bool unsupported = false;
        // Only the package itself: never through a link, never onto another drive.
        if (!m_held.openOwn(m_path, true))
            return notPossible(Platform::systemError(m_held.error()));
        // Without a lock a journal cannot be told from a live writer's: the caller
        // copies the package whole and renames it instead. The lock "succeeds"
        // unguarded there, so unsupported is what tells.
        const bool locked = m_held.lock(&unsupported);
        if (unsupported)
            return notPossible(Platform::systemError(ENOLCK));
        if (!locked) {
            return fail(
                CoreText::tr("Cannot write %1: another program is writing it (%2). Close it and "
                             "try again.")
                    .arg(m_shown, Platform::systemError(m_held.error())));
        }
        if (!readPackageLayout(m_held, &m_heldEntries, &cause))
            return notPossible(cause);
        m_oldLength = m_held.size();
        m_newLength = m_source.size();
        return true;
    }

    // Whether the sync ends here: the drive holds these bytes already, or
    // reading them failed.
    bool isCurrent()
    {
        int code = 0;
        if (!sharedPrefix(m_source, m_sourceEntries, m_held, m_heldEntries, &m_from, &code))
            return !fail(
                CoreText::tr("Cannot read %1: %2.").arg(m_shown, Platform::systemError(code)));
        if (m_oldLength != m_newLength || m_newLength - m_from > 16 * 1024 * 1024)
            return false;
        // The same length and what follows the shared entries is small (the
        // document and the directory): compare it byte for byte.
        QByteArray a(int(m_newLength - m_from), '\0');
        QByteArray b(a.size(), '\0');
        if (m_source.read(a.data(), a.size(), m_from) != a.size() ||
            m_held.read(b.data(), b.size(), m_from) != b.size() || a != b)
            return false;
        m_result.status = PackageSync::Status::Done;
        m_result.current = true;
        return true;
    }

    // The old bytes from the first that differs saved in the journal, with
    // the checksums that prove which package a block belongs to.
    bool startJournal()
    {
        const qint64 saved = std::min(m_oldLength, m_newLength) - m_from;
        // The journal holds the old bytes and two checksums for every block.
        const qint64 blocks =
            (std::max(m_oldLength, m_newLength) - m_from) / qint64(PackageJournal::blockSize) + 1;
        const qint64 room =
            saved + journalOverhead + blocks * 8 + std::max<qint64>(0, m_newLength - m_oldLength);
        QString cause;
        if (!checkDestinationRoom(Platform::destinationSpace(folderOf(m_path)), room, m_newLength,
                                  &cause))
            return fail(CoreText::tr("Cannot write %1: %2.").arg(m_shown, cause));

        PackageJournal::Record record;
        record.packageName = m_path.mid(m_path.lastIndexOf('/') + 1);
        record.oldLength = quint64(m_oldLength);
        record.newLength = quint64(m_newLength);
        record.from = quint64(m_from);
        record.witnessStart = m_from > 65536 ? quint64(m_from - 65536) : 0;
        record.identity = m_held.identity();
        record.mountId = m_held.mountId();
        int code = 0;
        if (!PackageJournal::checksum(m_held, record.witnessStart,
                                      record.from - record.witnessStart, &record.witnessCrc, &code))
            return fail(
                CoreText::tr("Cannot read %1: %2.").arg(m_shown, Platform::systemError(code)));
        bool cancelled = false;
        if (!newBlockChecksums(m_source, &record, m_control, &cancelled, &code)) {
            if (cancelled)
                return fail(CoreText::tr("Cancelled: %1 was left as it was.").arg(m_shown),
                            PackageSync::Status::Cancelled);
            return fail(CoreText::tr("Cannot read %1: %2.")
                            .arg(quoted(m_sourcePath), Platform::systemError(code)));
        }
        if (!m_journal.create(PackageJournal::pathFor(m_path), m_held, record, quint64(saved),
                              &cause))
            return fail(CoreText::tr("Cannot write %1: %2.").arg(m_shown, cause));
        m_result.journalBytes = saved;
        m_result.bytesWritten = saved;
        return true;
    }

    // The new bytes from the first that differs, in chunks.
    bool writeNew(QString *cause, bool *cancelled)
    {
        std::vector<char> buffer(
            size_t(std::min(chunk, std::max<qint64>(m_newLength - m_from, 1))));
        qint64 sinceSync = 0;
        for (qint64 at = m_from; at < m_newLength;) {
            if (jobCancelled(m_control)) {
                *cancelled = true;
                return false;
            }
            // Pieces end on multiples of the chunk, and so of the journal's
            // blocks: a write cut short leaves each block all old or all new.
            const qint64 boundary = (at / chunk + 1) * chunk;
            const qint64 n = m_source.read(
                buffer.data(), std::min({qint64(buffer.size()), m_newLength - at, boundary - at}),
                at);
            if (n <= 0) {
                *cause = CoreText::tr("Cannot read %1: %2.")
                             .arg(quoted(m_sourcePath),
                                  Platform::systemError(n < 0 ? m_source.error() : EIO));
                return false;
            }
            if (!m_held.write(buffer.data(), n, at))
                return writeFailed(cause);
            m_held.startWriteback(at, n);
            at += n;
            m_result.bytesWritten += n;
            sinceSync += n;
            if (sinceSync >= syncEvery) {
                sinceSync = 0;
                if (!m_held.sync())
                    return writeFailed(cause);
            }
            if (m_control)
                m_control->report(
                    JobProgress{at - m_from, m_newLength - m_from, m_name, JobStep::Writing});
        }
        return true;
    }
    bool writeFailed(QString *cause) const
    {
        *cause = CoreText::tr("Cannot write %1: %2.")
                     .arg(m_shown, Platform::systemError(m_held.error()));
        return false;
    }

    // Complete on the drive before the journal says so; only then is it cut.
    // True also when the journal stays after the new version is complete.
    bool complete(QString *cause)
    {
        if (m_control)
            m_control->report(JobProgress{0, 0, m_name, JobStep::Finishing});
        if (!m_held.sync() || !m_journal.markComplete(cause)) {
            if (cause->isEmpty())
                writeFailed(cause);
            return false;
        }
        if ((m_newLength >= m_oldLength || (m_held.truncate(m_newLength) && m_held.sync())) &&
            m_journal.remove(cause)) {
            m_result.status = PackageSync::Status::Done;
            return true;
        }
        // Complete: the next write or open finishes what is left.
        fail(CoreText::tr(
                 "Cannot finish %1: %2. Its new version is complete; write to the drive again to "
                 "finish it.")
                 .arg(m_shown, cause->isEmpty() ? Platform::systemError(m_held.error()) : *cause));
        return true;
    }

    void rollBack(const QString &cause, bool cancelled)
    {
        QString error;
        if (!m_journal.rollBack(m_held, &error) || !m_journal.remove(&error)) {
            fail(CoreText::tr(
                     "%1 Its old version could not be put back yet (%2): do not use the drive for "
                     "anything else, and write to it again to restore it.")
                     .arg(cancelled ? CoreText::tr("Cancelled.") : cause, error));
        } else if (cancelled) {
            fail(CoreText::tr("Cancelled: %1 was left as it was.").arg(m_shown),
                 PackageSync::Status::Cancelled);
        } else {
            fail(cause + QLatin1Char(' ') + CoreText::tr("The drive was left as it was."));
        }
    }

    QString m_sourcePath;
    QString m_shown;
    QByteArray m_path;
    QString m_name;
    JobControl *m_control;
    PackageSync m_result;
    Platform::File m_source;
    Platform::File m_held;
    QVector<LayoutEntry> m_sourceEntries;
    QVector<LayoutEntry> m_heldEntries;
    qint64 m_from = 0;
    qint64 m_oldLength = 0;
    qint64 m_newLength = 0;
    PackageJournal m_journal;
};

} // namespace

PackageSync syncPackage(const QString &sourcePath, const QString &targetPath, JobControl *control)
{
    return Sync(sourcePath, targetPath, control).run();
}
