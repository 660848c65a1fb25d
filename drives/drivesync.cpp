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

} // namespace

PackageSync syncPackage(const QString &sourcePath, const QString &targetPath, JobControl *control,
                        const std::function<void()> &finishing)
{
    PackageSync result;
    const QString shown = quoted(targetPath);
    const QByteArray path = QFile::encodeName(targetPath);
    const auto fail = [&](PackageSync::Status status, const QString &error) {
        result.status = status;
        result.error = error;
        return result;
    };

    // An update interrupted on this stick before is finished first, as Open does.
    const Recovery recovery = recoverPackage(path);
    if (recovery.outcome == Recovery::Outcome::Kept ||
        recovery.outcome == Recovery::Outcome::Failed)
        return fail(PackageSync::Status::Failed, recovery.message);

    Platform::File source;
    if (!source.openRead(QFile::encodeName(sourcePath)))
        return fail(PackageSync::Status::Failed,
                    CoreText::tr("Cannot read %1: %2.")
                        .arg(quoted(sourcePath), Platform::systemError(source.error())));
    QVector<LayoutEntry> sourceEntries;
    QString cause;
    if (!readPackageLayout(source, &sourceEntries, &cause))
        return fail(PackageSync::Status::Failed, cause);

    Platform::File held;
    bool unsupported = false;
    // Only the package itself: never through a link, never onto another drive.
    if (!held.openOwn(path, true))
        return fail(PackageSync::Status::NotPossible, Platform::systemError(held.error()));
    // Without a lock a journal cannot be told from a live writer's: the caller
    // copies the package whole and renames it instead. The lock "succeeds"
    // unguarded there, so unsupported is what tells.
    const bool locked = held.lock(&unsupported);
    if (unsupported)
        return fail(PackageSync::Status::NotPossible, Platform::systemError(ENOLCK));
    if (!locked) {
        return fail(
            PackageSync::Status::Failed,
            CoreText::tr("Cannot write %1: another program is writing it (%2). Close it and try "
                         "again.")
                .arg(shown, Platform::systemError(held.error())));
    }
    QVector<LayoutEntry> heldEntries;
    if (!readPackageLayout(held, &heldEntries, &cause))
        return fail(PackageSync::Status::NotPossible, cause);

    qint64 from = 0;
    int code = 0;
    if (!sharedPrefix(source, sourceEntries, held, heldEntries, &from, &code))
        return fail(PackageSync::Status::Failed,
                    CoreText::tr("Cannot read %1: %2.").arg(shown, Platform::systemError(code)));
    const qint64 oldLength = held.size();
    const qint64 newLength = source.size();
    if (oldLength == newLength && newLength - from <= 16 * 1024 * 1024) {
        // The same length and what follows the shared entries is small (the
        // document and the directory): compare it byte for byte.
        QByteArray a(int(newLength - from), '\0');
        QByteArray b(a.size(), '\0');
        if (source.read(a.data(), a.size(), from) == a.size() &&
            held.read(b.data(), b.size(), from) == b.size() && a == b) {
            result.status = PackageSync::Status::Current;
            return result;
        }
    }

    const qint64 saved = std::min(oldLength, newLength) - from;
    // The journal holds the old bytes and two checksums for every block.
    const qint64 blocks =
        (std::max(oldLength, newLength) - from) / qint64(PackageJournal::blockSize) + 1;
    const qint64 room =
        saved + journalOverhead + blocks * 8 + std::max<qint64>(0, newLength - oldLength);
    if (!checkDestinationRoom(Platform::destinationSpace(folderOf(path)), room, newLength, &cause))
        return fail(PackageSync::Status::Failed,
                    CoreText::tr("Cannot write %1: %2.").arg(shown, cause));

    PackageJournal::Record record;
    record.packageName = path.mid(path.lastIndexOf('/') + 1);
    record.oldLength = quint64(oldLength);
    record.newLength = quint64(newLength);
    record.from = quint64(from);
    record.witnessStart = from > 65536 ? quint64(from - 65536) : 0;
    record.identity = held.identity();
    record.mountId = held.mountId();
    if (!PackageJournal::checksum(held, record.witnessStart, record.from - record.witnessStart,
                                  &record.witnessCrc, &code))
        return fail(PackageSync::Status::Failed,
                    CoreText::tr("Cannot read %1: %2.").arg(shown, Platform::systemError(code)));
    bool cancelledEarly = false;
    if (!newBlockChecksums(source, &record, control, &cancelledEarly, &code)) {
        if (cancelledEarly)
            return fail(PackageSync::Status::Cancelled,
                        CoreText::tr("Cancelled: %1 was left as it was.").arg(shown));
        return fail(PackageSync::Status::Failed,
                    CoreText::tr("Cannot read %1: %2.")
                        .arg(quoted(sourcePath), Platform::systemError(code)));
    }
    PackageJournal journal;
    if (!journal.create(PackageJournal::pathFor(path), held, record, quint64(saved), &cause))
        return fail(PackageSync::Status::Failed,
                    CoreText::tr("Cannot write %1: %2.").arg(shown, cause));
    result.journalBytes = saved;
    result.bytesWritten = saved;

    // From here on the package changes; every way out rolls back or completes.
    const QString name = QFileInfo(targetPath).fileName();
    std::vector<char> buffer(size_t(std::min(chunk, std::max<qint64>(newLength - from, 1))));
    bool cancelled = false;
    bool written = true;
    qint64 sinceSync = 0;
    for (qint64 at = from; at < newLength;) {
        if (jobCancelled(control)) {
            cancelled = true;
            break;
        }
        // Pieces end on multiples of the chunk, and so of the journal's
        // blocks: a write cut short leaves each block all old or all new.
        const qint64 boundary = (at / chunk + 1) * chunk;
        const qint64 n = source.read(
            buffer.data(), std::min({qint64(buffer.size()), newLength - at, boundary - at}), at);
        if (n <= 0) {
            cause =
                CoreText::tr("Cannot read %1: %2.")
                    .arg(quoted(sourcePath), Platform::systemError(n < 0 ? source.error() : EIO));
            written = false;
            break;
        }
        if (!held.write(buffer.data(), n, at)) {
            cause = CoreText::tr("Cannot write %1: %2.")
                        .arg(shown, Platform::systemError(held.error()));
            written = false;
            break;
        }
        held.startWriteback(at, n);
        at += n;
        result.bytesWritten += n;
        sinceSync += n;
        if (sinceSync >= syncEvery) {
            sinceSync = 0;
            if (!held.sync()) {
                cause = CoreText::tr("Cannot write %1: %2.")
                            .arg(shown, Platform::systemError(held.error()));
                written = false;
                break;
            }
        }
        if (control)
            control->report(at - from, newLength - from, name);
    }
    if (written && !cancelled) {
        if (finishing)
            finishing();
        // Complete on the drive before the journal says so; only then is it cut.
        if (held.sync() && journal.markComplete(&cause)) {
            if ((newLength >= oldLength || (held.truncate(newLength) && held.sync())) &&
                journal.remove(&cause)) {
                result.status = PackageSync::Status::Synced;
                return result;
            }
            // Complete: the next write or open finishes what is left.
            return fail(
                PackageSync::Status::Unfinished,
                CoreText::tr("Cannot finish %1: %2. Its new version is complete; write to the "
                             "drive again to finish it.")
                    .arg(shown, cause.isEmpty() ? Platform::systemError(held.error()) : cause));
        }
        if (cause.isEmpty())
            cause = CoreText::tr("Cannot write %1: %2.")
                        .arg(shown, Platform::systemError(held.error()));
    }
    QString rollBackError;
    if (!journal.rollBack(held, &rollBackError) || !journal.remove(&rollBackError)) {
        return fail(
            PackageSync::Status::Unfinished,
            CoreText::tr("%1 Its old version could not be put back yet (%2): do not use the "
                         "drive for anything else, and write to it again to restore it.")
                .arg(cancelled ? CoreText::tr("Cancelled.") : cause, rollBackError));
    }
    if (cancelled)
        return fail(PackageSync::Status::Cancelled,
                    CoreText::tr("Cancelled: %1 was left as it was.").arg(shown));
    return fail(PackageSync::Status::Failed,
                cause + QLatin1Char(' ') + CoreText::tr("The drive was left as it was."));
}
