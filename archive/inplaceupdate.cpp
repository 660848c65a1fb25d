#include "archive/inplaceupdate.h"
#include "archive/text.h"

#include "archive/packagefile.h"
#include "archive/packagelayout.h"
#include "archive/ziprecords.h"
#include "jobs/jobcontrol.h"

#include <QDateTime>
#include <QFile>

#include <zlib.h>

#include <algorithm>
#include <map>

namespace {

using namespace ZipRecords;

constexpr qint64 chunkSize = 1024 * 1024;
// What libzip writes, so that an entry reads as it would from a fresh write.
constexpr quint16 madeByUnix = 0x033f;
constexpr quint32 regularFileAttributes = 0100666u << 16;
constexpr quint16 utf8Flag = 0x0800;
constexpr quint16 maximumCompressionFlag = 0x0002;

void set16(QByteArray &b, int at, quint64 value)
{
    QByteArray bytes;
    put16(bytes, value);
    b.replace(at, 2, bytes);
}

void set32(QByteArray &b, int at, quint64 value)
{
    QByteArray bytes;
    put32(bytes, value);
    b.replace(at, 4, bytes);
}

bool isAscii(const QByteArray &name)
{
    return std::all_of(name.cbegin(), name.cend(), [](char c) { return (c & 0x80) == 0; });
}

// MS-DOS date and time, in local time as libzip writes them.
void dosTime(qint64 modifiedNs, quint16 *time, quint16 *date)
{
    QDateTime when = QDateTime::fromMSecsSinceEpoch(modifiedNs / 1000000);
    if (when.date().year() < 1980)
        when = QDateTime(QDate(1980, 1, 1), QTime(0, 0));
    *time = quint16((when.time().hour() << 11) | (when.time().minute() << 5) |
                    (when.time().second() / 2));
    *date = quint16(((when.date().year() - 1980) << 9) | (when.date().month() << 5) |
                    when.date().day());
}

// The document deflated with zlib's raw deflate at the highest level, as libzip does.
bool deflateDocument(const QByteArray &bytes, QByteArray *out)
{
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, MAX_MEM_LEVEL,
                     Z_DEFAULT_STRATEGY) != Z_OK)
        return false;
    out->resize(int(deflateBound(&stream, uLong(bytes.size()))));
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.constData()));
    stream.avail_in = uInt(bytes.size());
    stream.next_out = reinterpret_cast<Bytef *>(out->data());
    stream.avail_out = uInt(out->size());
    const int result = deflate(&stream, Z_FINISH);
    out->resize(int(stream.total_out));
    deflateEnd(&stream);
    return result == Z_STREAM_END;
}

QByteArray localHeader(const QByteArray &name, quint16 method, quint16 flags, quint16 time,
                       quint16 date, quint32 crc, quint64 compressed, quint64 size)
{
    const bool zip64 = compressed >= max32 || size >= max32;
    QByteArray h;
    put32(h, localSignature);
    put16(h, zip64 ? 45 : method == 8 ? 20 : 10);
    put16(h, flags);
    put16(h, method);
    put16(h, time);
    put16(h, date);
    put32(h, crc);
    put32(h, zip64 ? max32 : compressed);
    put32(h, zip64 ? max32 : size);
    put16(h, quint64(name.size()));
    put16(h, zip64 ? 20 : 0);
    h += name;
    if (zip64) {
        put16(h, 1);
        put16(h, 16);
        put64(h, size);
        put64(h, compressed);
    }
    return h;
}

// A central record without its zip64 field: sizes and offset are set by finishCentral.
QByteArray centralRecord(const QByteArray &name, quint16 needed, quint16 flags, quint16 method,
                         quint16 time, quint16 date, quint32 crc, quint16 internal,
                         quint32 external, const QByteArray &extra)
{
    QByteArray c;
    put32(c, centralSignature);
    put16(c, madeByUnix);
    put16(c, needed);
    put16(c, flags);
    put16(c, method);
    put16(c, time);
    put16(c, date);
    put32(c, crc);
    put32(c, 0);
    put32(c, 0);
    put16(c, quint64(name.size()));
    put16(c, quint64(extra.size()));
    put16(c, 0);
    put16(c, 0);
    put16(c, internal);
    put32(c, external);
    put32(c, 0);
    c += name;
    c += extra;
    return c;
}

// Sets sizes and offset, moving those that do not fit into a zip64 field.
QByteArray finishCentral(QByteArray record, quint64 compressed, quint64 size, quint64 offset)
{
    QByteArray zip64;
    for (const quint64 value : {size, compressed, offset}) {
        if (value >= max32)
            put64(zip64, value);
    }
    set32(record, 20, compressed >= max32 ? max32 : compressed);
    set32(record, 24, size >= max32 ? max32 : size);
    set32(record, 42, offset >= max32 ? max32 : offset);
    if (!zip64.isEmpty()) {
        QByteArray field;
        put16(field, 1);
        put16(field, quint64(zip64.size()));
        record += field + zip64;
        set16(record, 30,
              quint64(get16(record.constData() + 30)) + quint64(field.size() + zip64.size()));
        if (get16(record.constData() + 6) < 45)
            set16(record, 6, 45);
    }
    return record;
}

QString writeError(int error)
{
    return Platform::systemError(error);
}

} // namespace

InPlaceUpdate::InPlaceUpdate(Platform::File &package, const QByteArray &path)
    : m_package(package), m_path(path)
{}

qint64 InPlaceUpdate::roomNeeded() const
{
    // The journal's header, its two checksums per block, and the blocks the
    // two files round up to.
    const quint64 growth = m_newLength > m_oldLength ? m_newLength - m_oldLength : 0;
    const quint64 table =
        (std::max(m_oldLength, m_newLength) - m_from) / PackageJournal::blockSize * 8 + 16;
    return qint64(m_saved + table + growth + 8 * 1024);
}

// Reads the central directory through the layout check, and finds whether it
// is tight: entries from the first byte on, one after the other, then the
// directory and the end records, nothing else.
bool InPlaceUpdate::readDirectory(QString *why)
{
    m_oldLength = quint64(m_package.size());
    QVector<LayoutEntry> entries;
    LayoutDirectory directory;
    if (!readPackageLayout(m_package, &entries, why, &directory))
        return false;
    if (quint64(directory.endRecord) + endRecordSize != m_oldLength) {
        *why = QStringLiteral("no end record at the end");
        return false;
    }
    if (directory.zip64 && quint64(directory.recordsStart) + zip64EndSize + locatorSize !=
                               quint64(directory.endRecord)) {
        *why = QStringLiteral("a zip64 end record with extensions");
        return false;
    }
    m_directoryOffset = quint64(directory.offset);
    m_entries.clear();
    m_entries.reserve(size_t(entries.size()));
    for (const LayoutEntry &layout : qAsConst(entries)) {
        // Either header may flag one; the local one shows as bytes past the data.
        if ((layout.flags & dataDescriptorFlag) ||
            layout.end != layout.dataOffset + layout.compressedSize) {
            *why = QStringLiteral("entries with data descriptors");
            return false;
        }
        Entry entry;
        entry.name = layout.name;
        entry.offset = quint64(layout.headerOffset);
        entry.compressedSize = quint64(layout.compressedSize);
        entry.size = quint64(layout.size);
        entry.length = quint64(layout.end - layout.headerOffset);
        entry.central =
            centralRecord(layout.name, layout.versionNeeded, layout.flags, layout.method,
                          layout.time, layout.date, layout.crc, layout.internalAttributes,
                          layout.externalAttributes, layout.extra);
        // The record keeps the version that made it, as a copy would.
        set16(entry.central, 4, layout.madeBy);
        m_entries.push_back(entry);
    }
    std::sort(m_entries.begin(), m_entries.end(),
              [](const Entry &a, const Entry &b) { return a.offset < b.offset; });
    quint64 next = 0;
    for (const Entry &entry : m_entries) {
        if (entry.offset != next) {
            *why = QStringLiteral("unreferenced bytes between entries");
            return false;
        }
        next += entry.length;
    }
    if (next != m_directoryOffset) {
        *why = QStringLiteral("unreferenced bytes before the directory");
        return false;
    }
    return true;
}

bool InPlaceUpdate::plan(const QSet<QString> &removed, const QVector<PackageEntry> &additions,
                         const QHash<QString, Platform::FileStamp> &stamps, QString *why)
{
    if (!readDirectory(why))
        return false;
    m_from = m_directoryOffset;
    m_kept.clear();
    for (const Entry &entry : m_entries) {
        if (removed.contains(QString::fromUtf8(entry.name)))
            m_from = std::min(m_from, entry.offset);
    }
    quint64 at = m_from;
    for (Entry &entry : m_entries) {
        if (removed.contains(QString::fromUtf8(entry.name)))
            continue;
        entry.newOffset = entry.offset < m_from ? entry.offset : at;
        if (entry.offset >= m_from)
            at += entry.length;
        m_kept.push_back(&entry);
    }
    // Media first, the document last, as a new package has them.
    m_additions.clear();
    for (const bool memory : {false, true}) {
        for (const PackageEntry &entry : additions) {
            if ((entry.source == PackageEntry::Source::Memory) != memory)
                continue;
            if (entry.source == PackageEntry::Source::Package) {
                *why = QStringLiteral("entries copied from another package");
                return false;
            }
            Addition addition;
            addition.entry = &entry;
            addition.name = entry.name.toUtf8();
            if (memory) {
                if (!deflateDocument(entry.bytes, &addition.data)) {
                    *why = QStringLiteral("the document cannot be compressed");
                    return false;
                }
                addition.size = quint64(entry.bytes.size());
                addition.compressedSize = quint64(addition.data.size());
                addition.crc =
                    quint32(::crc32(0, reinterpret_cast<const Bytef *>(entry.bytes.constData()),
                                    uInt(entry.bytes.size())));
                dosTime(QDateTime::currentMSecsSinceEpoch() * 1000000, &addition.time,
                        &addition.date);
            } else {
                addition.stamp = stamps.value(entry.path);
                addition.size = addition.compressedSize = quint64(addition.stamp.size);
                dosTime(addition.stamp.modifiedNs, &addition.time, &addition.date);
            }
            addition.newOffset = at;
            at += quint64(localHeader(addition.name, 0, 0, 0, 0, 0, addition.compressedSize,
                                      addition.size)
                              .size()) +
                  addition.compressedSize;
            m_additions.push_back(addition);
        }
    }
    m_newDirectoryOffset = at;
    // The directory's size: each record with its zip64 field where needed.
    quint64 directory = 0;
    for (const Entry *entry : m_kept)
        directory += quint64(
            finishCentral(entry->central, entry->compressedSize, entry->size, entry->newOffset)
                .size());
    for (const Addition &addition : m_additions)
        directory +=
            quint64(finishCentral(centralRecord(addition.name, 0, 0, 0, 0, 0, 0, 0, 0, {}),
                                  addition.compressedSize, addition.size, addition.newOffset)
                        .size());
    const quint64 count = m_kept.size() + m_additions.size();
    const bool zip64End = count >= max16 || at >= max32 || directory >= max32;
    m_newLength = at + directory + (zip64End ? 56 + 20 : 0) + 22;
    m_saved = std::min(m_oldLength, m_newLength) - m_from;
    return true;
}

void InPlaceUpdate::progress(JobControl *control, quint64 more, const QString &file)
{
    m_done += more;
    if (control)
        control->report(JobProgress{qint64(m_done), bytesWritten(), file, JobStep::Updating});
}

// Receives the new package's bytes from the first changed one on, in order.
class InPlaceUpdate::ByteSink
{
public:
    virtual ~ByteSink() = default;
    virtual bool put(const char *data, qint64 len) = 0;
};

// Takes the checksum of each block of the new bytes, for the journal. A
// media entry's header is put before its checksum is known: the blocks it
// covers wait until patch() sets it.
class InPlaceUpdate::BlockChecksums : public InPlaceUpdate::ByteSink
{
public:
    explicit BlockChecksums(const PackageJournal::Record &record)
        : m_record(record), m_at(record.from), m_blockEnd(record.nextBoundary(record.from))
    {
        m_crcs.reserve(size_t(record.blockCount()));
    }
    bool put(const char *data, qint64 len) override
    {
        while (len > 0 && m_at < m_record.newLength) {
            const qint64 n = qint64(std::min<quint64>(quint64(len), m_blockEnd - m_at));
            m_block.append(data, int(n));
            data += n;
            len -= n;
            m_at += quint64(n);
            if (m_at == m_blockEnd)
                finishBlock();
        }
        return true;
    }
    // Blocks holding bytes before offset wait for patch().
    void holdUntil(quint64 offset) { m_holdUntil = offset; }
    // Writes bytes at offset into the waiting blocks, then finishes them.
    void patch(quint64 offset, const QByteArray &bytes)
    {
        for (Held &held : m_held)
            apply(held.start, held.bytes, offset, bytes);
        apply(m_at - quint64(m_block.size()), m_block, offset, bytes);
        for (const Held &held : m_held)
            m_crcs[size_t(held.index)] = crcOf(held.bytes);
        m_held.clear();
        m_holdUntil = 0;
    }
    // The checksums of every block, 0 past the new end.
    std::vector<quint32> finish()
    {
        if (!m_block.isEmpty())
            finishBlock();
        m_crcs.resize(size_t(m_record.blockCount()), 0);
        return m_crcs;
    }

private:
    struct Held
    {
        quint64 index;
        quint64 start;
        QByteArray bytes;
    };
    static quint32 crcOf(const QByteArray &bytes)
    {
        return quint32(
            ::crc32(0, reinterpret_cast<const Bytef *>(bytes.constData()), uInt(bytes.size())));
    }
    static void apply(quint64 start, QByteArray &block, quint64 offset, const QByteArray &bytes)
    {
        for (int i = 0; i < bytes.size(); ++i) {
            const quint64 at = offset + quint64(i);
            if (at >= start && at < start + quint64(block.size()))
                block[int(at - start)] = bytes.at(i);
        }
    }
    void finishBlock()
    {
        const quint64 start = m_at - quint64(m_block.size());
        if (start < m_holdUntil)
            m_held.push_back({quint64(m_crcs.size()), start, m_block});
        m_crcs.push_back(start < m_holdUntil ? 0 : crcOf(m_block));
        m_block.clear();
        m_blockEnd = m_record.nextBoundary(m_at);
    }

    const PackageJournal::Record &m_record;
    quint64 m_at;
    quint64 m_blockEnd;
    quint64 m_holdUntil = 0;
    QByteArray m_block;
    std::vector<Held> m_held;
    std::vector<quint32> m_crcs;
};

namespace {

// Writes the new bytes in pieces that end on multiples of the block size
// (or at the new end), so that a write cut short leaves whole blocks.
class AlignedWriter : public InPlaceUpdate::ByteSink
{
public:
    AlignedWriter(Platform::File &file, quint64 from) : m_file(file), m_start(from)
    {
        m_buffer.reserve(size_t(chunkSize));
    }
    bool put(const char *data, qint64 len) override
    {
        while (len > 0) {
            const quint64 at = m_start + m_buffer.size();
            const quint64 boundary = (at / quint64(chunkSize) + 1) * quint64(chunkSize);
            const qint64 n = qint64(std::min<quint64>(quint64(len), boundary - at));
            m_buffer.insert(m_buffer.end(), data, data + n);
            data += n;
            len -= n;
            if (m_start + m_buffer.size() == boundary && !flush())
                return false;
        }
        return true;
    }
    bool flush()
    {
        if (m_buffer.empty())
            return true;
        if (!m_file.write(m_buffer.data(), qint64(m_buffer.size()), qint64(m_start)))
            return false;
        m_file.startWriteback(qint64(m_start), qint64(m_buffer.size()));
        m_start += m_buffer.size();
        m_buffer.clear();
        return true;
    }

private:
    Platform::File &m_file;
    quint64 m_start;
    std::vector<char> m_buffer;
};

} // namespace

// Puts the new bytes into sink, from the first changed one to the end. The
// first pass (checksums) finds each added medium's checksum; the second
// (writing) checks that it read the same.
bool InPlaceUpdate::produce(ByteSink &sink, BlockChecksums *checksums, JobControl *control,
                            QString *error, bool *cancelled)
{
    const bool writing = checksums == nullptr;
    const auto failed = [&](const QString &cause) {
        *error = cause;
        return false;
    };
    std::vector<char> buffer(static_cast<size_t>(chunkSize));
    for (const Entry *entry : m_kept) {
        if (entry->offset < m_from)
            continue;
        // Low to high: each chunk is read before anything is written over it.
        for (quint64 done = 0; done < entry->length;) {
            if (jobCancelled(control)) {
                *cancelled = true;
                return false;
            }
            const qint64 want = qint64(std::min<quint64>(entry->length - done, chunkSize));
            const qint64 got = m_writer.read(buffer.data(), want, qint64(entry->offset + done));
            if (got != want)
                return failed(CoreText::tr("reading it failed: %1")
                                  .arg(writeError(got < 0 ? m_writer.error() : EIO)));
            if (!sink.put(buffer.data(), got))
                return failed(writeError(m_writer.error()));
            done += quint64(got);
            if (writing)
                progress(control, quint64(got), QString::fromUtf8(entry->name));
        }
    }
    for (Addition &addition : m_additions) {
        const bool document = addition.entry->source == PackageEntry::Source::Memory;
        const QByteArray header = localHeader(addition.name, document ? 8 : 0,
                                              quint16((isAscii(addition.name) ? 0 : utf8Flag) |
                                                      (document ? maximumCompressionFlag : 0)),
                                              addition.time, addition.date, addition.crc,
                                              addition.compressedSize, addition.size);
        if (checksums && !document)
            checksums->holdUntil(addition.newOffset + quint64(header.size()));
        if (!sink.put(header.constData(), header.size()))
            return failed(writeError(m_writer.error()));
        if (document) {
            if (!sink.put(addition.data.constData(), addition.data.size()))
                return failed(writeError(m_writer.error()));
            if (writing)
                progress(control, quint64(header.size() + addition.data.size()), m_shownPath);
            continue;
        }
        const QString path = addition.entry->path;
        Platform::File media;
        if (!media.openRead(QFile::encodeName(path)))
            return failed(mediaReadCause(path, media.error()));
        if (media.stamp() != addition.stamp)
            return failed(mediaChangedCause(path));
        quint32 crc = 0;
        for (quint64 done = 0; done < addition.size;) {
            if (jobCancelled(control)) {
                *cancelled = true;
                return false;
            }
            const qint64 want = qint64(std::min<quint64>(addition.size - done, chunkSize));
            const qint64 got = media.read(buffer.data(), want, qint64(done));
            if (got < 0)
                return failed(mediaReadCause(path, media.error()));
            if (got != want)
                return failed(mediaChangedCause(path));
            crc = quint32(::crc32(crc, reinterpret_cast<const Bytef *>(buffer.data()), uInt(got)));
            if (!sink.put(buffer.data(), got))
                return failed(writeError(m_writer.error()));
            done += quint64(got);
            if (writing)
                progress(control, quint64(got), path);
        }
        // Rewritten or grown while it was read: what was copied may mix two versions.
        if (media.currentStamp() != addition.stamp || (writing && crc != addition.crc))
            return failed(mediaChangedCause(path));
        if (checksums) {
            addition.crc = crc;
            QByteArray bytes;
            put32(bytes, crc);
            checksums->patch(addition.newOffset + 14, bytes);
        }
    }
    QByteArray tail;
    if (!makeTail(&tail, error))
        return false;
    if (!sink.put(tail.constData(), tail.size()))
        return failed(writeError(m_writer.error()));
    return true;
}

bool InPlaceUpdate::makeTail(QByteArray *out, QString *error) const
{
    QByteArray tail;
    for (const Entry *entry : m_kept)
        tail += finishCentral(entry->central, entry->compressedSize, entry->size, entry->newOffset);
    for (const Addition &addition : m_additions) {
        const bool deflated = addition.entry->source == PackageEntry::Source::Memory;
        const quint16 flags = quint16((isAscii(addition.name) ? 0 : utf8Flag) |
                                      (deflated ? maximumCompressionFlag : 0));
        tail += finishCentral(centralRecord(addition.name, deflated ? 20 : 10, flags,
                                            deflated ? 8 : 0, addition.time, addition.date,
                                            addition.crc, 0, regularFileAttributes, {}),
                              addition.compressedSize, addition.size, addition.newOffset);
    }
    const quint64 directoryOffset = m_newDirectoryOffset;
    const quint64 directorySize = quint64(tail.size());
    const quint64 count = m_kept.size() + m_additions.size();
    const bool zip64 = count >= max16 || directoryOffset >= max32 || directorySize >= max32;
    if (zip64) {
        const quint64 zip64End = directoryOffset + directorySize;
        put32(tail, zip64EndSignature);
        put64(tail, 44);
        put16(tail, madeByUnix);
        put16(tail, 45);
        put32(tail, 0);
        put32(tail, 0);
        put64(tail, count);
        put64(tail, count);
        put64(tail, directorySize);
        put64(tail, directoryOffset);
        put32(tail, zip64LocatorSignature);
        put32(tail, 0);
        put64(tail, zip64End);
        put32(tail, 1);
    }
    put32(tail, endSignature);
    put16(tail, 0);
    put16(tail, 0);
    put16(tail, std::min(count, max16));
    put16(tail, std::min(count, max16));
    put32(tail, std::min(directorySize, max32));
    put32(tail, std::min(directoryOffset, max32));
    put16(tail, 0);
    if (directoryOffset + quint64(tail.size()) != m_newLength) {
        *error = CoreText::tr("the archive is damaged");
        return false;
    }
    *out = tail;
    return true;
}

bool InPlaceUpdate::writeAll(JobControl *control, QString *error, bool *cancelled)
{
    AlignedWriter writer(m_writer, m_from);
    if (!produce(writer, nullptr, control, error, cancelled))
        return false;
    if (!writer.flush()) {
        *error = writeError(m_writer.error());
        return false;
    }
    // Complete on the drive before the journal says so; only then is it cut.
    if (!m_writer.sync()) {
        *error = writeError(m_writer.error());
        return false;
    }
    if (!m_journal.markComplete(error))
        return false;
    m_complete = true;
    // From here on the update can only go forward: the bytes past the new
    // end are not in the journal. One more try, then the next open finishes.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (m_newLength >= m_oldLength ||
            (m_writer.truncate(qint64(m_newLength)) && m_writer.sync()))
            return true;
    }
    *error = writeError(m_writer.error());
    return false;
}

bool InPlaceUpdate::run(JobControl *control, const QString &shownPath, QString *error,
                        bool *rolledBack, bool *cancelled)
{
    *rolledBack = false;
    *cancelled = false;
    m_done = 0;
    m_complete = false;
    m_shownPath = shownPath;
    if (!m_writer.openOwn(m_path, true)) {
        *error = writeError(m_writer.error());
        return false;
    }
    PackageJournal::Record record;
    record.packageName = m_path.mid(m_path.lastIndexOf('/') + 1);
    record.oldLength = m_oldLength;
    record.newLength = m_newLength;
    record.from = m_from;
    record.witnessStart = m_from > 65536 ? m_from - 65536 : 0;
    record.identity = m_package.identity();
    record.mountId = m_package.mountId();
    int code = 0;
    if (!PackageJournal::checksum(m_writer, record.witnessStart, m_from - record.witnessStart,
                                  &record.witnessCrc, &code)) {
        *error = CoreText::tr("reading it failed: %1").arg(writeError(code));
        return false;
    }
    // The new bytes' checksums go into the journal before anything is written.
    BlockChecksums checksums(record);
    if (!produce(checksums, &checksums, control, error, cancelled)) {
        *rolledBack = true;
        return false;
    }
    record.newCrcs = checksums.finish();
    // Nothing of the package has changed yet: a failure here leaves it as it was.
    if (!m_journal.create(PackageJournal::pathFor(m_path), m_writer, std::move(record), m_saved,
                          error)) {
        *rolledBack = true;
        return false;
    }
    progress(control, m_saved, shownPath);
    if (writeAll(control, error, cancelled)) {
        QString cause;
        if (!m_journal.remove(&cause)) {
            // The package is the new one; the next open removes the journal.
            m_warning = cause;
            qCWarning(lcArchive) << cause;
        }
        return true;
    }
    QString cause;
    if (m_complete) {
        *error = CoreText::tr(
                     "%1; the update is complete but could not be finished: it will be finished "
                     "the next time the package is opened")
                     .arg(*error);
        return false;
    }
    *rolledBack = m_journal.rollBack(m_writer, &cause) && m_journal.remove(&cause);
    if (!*rolledBack)
        qCWarning(lcArchive) << "Rolling back" << QFile::decodeName(m_path) << "failed:" << cause;
    return false;
}

namespace {

QString shown(const QByteArray &path)
{
    return quoted(QFile::decodeName(path));
}

} // namespace

namespace {

RecoveryReporter recoveryReporter = nullptr;

void report(const QString &message)
{
    if (recoveryReporter && !message.isEmpty())
        recoveryReporter(message);
}

QString waitingText(const QString &shownPath)
{
    return CoreText::tr("%1 is being updated by another program; waiting.").arg(shownPath);
}

Recovery recover(const QByteArray &path, Platform::File *locked);

} // namespace

void setRecoveryReporter(RecoveryReporter reporter)
{
    recoveryReporter = reporter;
}

bool waitForUpdate(Platform::File &file, const QString &shownPath, bool *waited, QString *error)
{
    bool unsupported = false;
    *waited = false;
    const bool locked = file.lockShared(&unsupported, [&] {
        *waited = true;
        report(waitingText(shownPath));
    });
    if (!locked) {
        *error = Platform::systemError(file.error());
        return false;
    }
    // Only to wait: a reader holds no lock, so a save of the same program never waits for it.
    file.unlock();
    return true;
}

Recovery recoverPackage(const QByteArray &path, Platform::File *locked)
{
    const Recovery recovery = recover(path, locked);
    report(recovery.text());
    return recovery;
}

Recovery::Recovery(Outcome found, const QString &text) : outcome(found)
{
    switch (found) {
    case Outcome::None:
    case Outcome::RolledBack:
    case Outcome::Completed:
    case Outcome::Cleaned:
    case Outcome::Discarded:
        status = Status::Done;
        warning = text;
        return;
    case Outcome::Kept:
    case Outcome::Damaged:
    case Outcome::NotAFile:
    case Outcome::Failed:
        status = Status::Failed;
        error = text;
        return;
    }
}

namespace {

Recovery notAFile(const QByteArray &journalPath, const QByteArray &path)
{
    return Recovery(
        Recovery::Outcome::NotAFile,
        CoreText::tr("%1 stands where the journal of %2 belongs, but it is not a file. It was left "
                     "alone; move it away.")
            .arg(shown(journalPath), shown(path)));
}

// Why the package cannot be opened and locked for recovery now.
QString unlockableCause(int code, bool unsupported)
{
    if (unsupported)
        return CoreText::tr("its drive cannot lock files, so its update may still be running");
    if (Platform::isLink(code))
        return CoreText::tr("it is a link, and a journal is applied to the package itself only");
    if (Platform::isOtherDrive(code))
        return CoreText::tr("it is on another drive than its folder");
    if (Platform::isNotRegular(code))
        return CoreText::tr("it is not a regular file");
    return Platform::systemError(code);
}

// What a journal read under the package's lock leaves to do: false with
// *recovery when it ends the recovery (gone, not a file, unreadable, damaged,
// or never finished and so removed), true when it is to be applied.
bool toBeApplied(PackageJournal &journal, PackageJournal::State state, const QString &error,
                 const QByteArray &path, Recovery *recovery)
{
    const QByteArray journalPath = PackageJournal::pathFor(path);
    QString cause = error;
    switch (state) {
    case PackageJournal::State::Missing:
        return false;
    case PackageJournal::State::NotAFile:
        *recovery = notAFile(journalPath, path);
        return false;
    case PackageJournal::State::Unreadable:
        *recovery = Recovery(Recovery::Outcome::Failed,
                             CoreText::tr("Cannot recover %1: %2. The journal was "
                                          "kept.")
                                 .arg(shown(path), error));
        return false;
    case PackageJournal::State::Damaged:
        *recovery = Recovery(
            Recovery::Outcome::Damaged,
            CoreText::tr(
                "The journal %1 of an interrupted update of %2 is damaged, so the package may be "
                "damaged too. The journal was kept: it holds the package's old bytes. Copy both "
                "elsewhere before you change anything; if the package is as it should be, run "
                "“mrv repair --discard-journal %3”.")
                .arg(shown(journalPath), shown(path), QFile::decodeName(path)));
        return false;
    case PackageJournal::State::Unfinished:
        // Never finished, so never used: the package was not touched.
        *recovery =
            journal.remove(&cause)
                ? Recovery(
                      Recovery::Outcome::Discarded,
                      CoreText::tr("An unfinished journal of %1 was removed; the package had not "
                                   "been changed.")
                          .arg(shown(path)))
                : Recovery(Recovery::Outcome::Failed,
                           CoreText::tr("Cannot recover %1: %2.").arg(shown(path), cause));
        return false;
    case PackageJournal::State::Open:
    case PackageJournal::State::Complete:
        break;
    }
    return true;
}

// Applies the journal to the package, locked, when it proves to belong to
// it: a completed update is finished, an interrupted one rolled back.
Recovery applyJournal(PackageJournal &journal, PackageJournal::State state, Platform::File &package,
                      const QByteArray &path)
{
    const QByteArray journalPath = PackageJournal::pathFor(path);
    QString why;
    QString error;
    if (!journal.belongsTo(package, state, &why, &error)) {
        if (!error.isEmpty())
            return Recovery(Recovery::Outcome::Failed,
                            CoreText::tr("Cannot recover %1: %2. The journal was "
                                         "kept.")
                                .arg(shown(path), error));
        return Recovery(
            Recovery::Outcome::Kept,
            CoreText::tr("The journal %1 of an interrupted update does not belong to %2 as it is "
                         "now: %3. %4")
                .arg(shown(journalPath), shown(path), why,
                     CoreText::tr("It was not applied, and both were kept. If the package is as "
                                  "it should be, run “mrv repair --discard-journal %1”; otherwise "
                                  "copy the package and the journal elsewhere first.")
                         .arg(QFile::decodeName(path))));
    }
    if (state == PackageJournal::State::Complete) {
        if (package.truncate(qint64(journal.record().newLength)) && package.sync() &&
            journal.remove(&error))
            return Recovery(Recovery::Outcome::Completed,
                            CoreText::tr("The last update of %1 had been completed before it was "
                                         "interrupted; its journal was removed.")
                                .arg(shown(path)));
    } else if (journal.rollBack(package, &error) && journal.remove(&error)) {
        return Recovery(
            Recovery::Outcome::RolledBack,
            CoreText::tr("The last update of %1 was interrupted; the package was restored as it "
                         "was before that update.")
                .arg(shown(path)));
    }
    if (error.isEmpty())
        error = Platform::systemError(package.error());
    return Recovery(
        Recovery::Outcome::Failed,
        CoreText::tr("Cannot recover %1 from its journal %2: %3. The journal was kept: it will be "
                     "tried again the next time the package is opened.")
            .arg(shown(path), shown(journalPath), error));
}

Recovery recover(const QByteArray &path, Platform::File *locked)
{
    Recovery recovery;
    const QByteArray journalPath = PackageJournal::pathFor(path);
    // What a killed rewrite of a package here left: no running save holds it.
    const QList<QByteArray> leftovers = Platform::removeLeftovers(path);
    if (!leftovers.isEmpty())
        recovery = Recovery(Recovery::Outcome::Cleaned,
                            CoreText::tr("What an interrupted save left beside %1 was removed: %2.")
                                .arg(shown(path), QString::fromUtf8(leftovers.join(", "))));
    PackageJournal journal;
    QString error;
    PackageJournal::State state = journal.read(journalPath, &error);
    if (state == PackageJournal::State::Missing)
        return recovery;
    if (state == PackageJournal::State::NotAFile)
        return notAFile(journalPath, path);

    // Only the package itself, never where a link points; and only under
    // its lock, so that a running update is never taken for a dead one.
    Platform::File package;
    bool unsupported = false;
    const bool opened = package.openOwn(path, true);
    // A journal of this very program's update that is running now.
    if (opened && !locked && package.lockedHere())
        return recovery;
    if (!opened ||
        (!locked && !package.lock(&unsupported, [&] { report(waitingText(shown(path))); })) ||
        unsupported)
        return Recovery(
            Recovery::Outcome::Kept,
            CoreText::tr("The journal %1 holds an interrupted update of %2, which cannot be "
                         "recovered now: %3. The journal was kept.")
                .arg(shown(journalPath), shown(path),
                     unlockableCause(package.error(), unsupported)));
    if (locked) {
        // The caller's file must be the one named path.
        const PackageIdentity a = package.identity();
        const PackageIdentity b = locked->identity();
        if (a.device != b.device || a.inode != b.inode)
            return Recovery(Recovery::Outcome::Failed,
                            CoreText::tr("Cannot recover %1: it was replaced while it was opened.")
                                .arg(shown(path)));
    }
    // Read again under the lock: the update that held it may have finished.
    state = journal.read(journalPath, &error);
    if (!toBeApplied(journal, state, error, path, &recovery))
        return recovery;
    return applyJournal(journal, state, package, path);
}

} // namespace

Recovery discardJournal(const QByteArray &path)
{
    const QByteArray journalPath = PackageJournal::pathFor(path);
    Platform::File package;
    bool unsupported = false;
    PackageJournal journal;
    QString error;
    if (journal.read(journalPath, &error) == PackageJournal::State::Missing)
        return {};
    if (package.openOwn(path, false) && (!package.lock(&unsupported) || unsupported)) {
        return Recovery(
            Recovery::Outcome::Failed,
            CoreText::tr("Cannot discard the journal of %1: no lock can be taken on the "
                         "package, so its update may still be running.")
                .arg(shown(path)));
    }
    int code = 0;
    if (!Platform::removeFile(journalPath, Platform::Step::JournalRemove, &code) ||
        !Platform::syncFolder(folderOf(journalPath), &code)) {
        return Recovery(Recovery::Outcome::Failed,
                        CoreText::tr("Cannot remove the journal %1: %2.")
                            .arg(shown(journalPath), Platform::systemError(code)));
    }
    const Recovery recovery(
        Recovery::Outcome::Discarded,
        CoreText::tr("The journal %1 was removed without being applied; %2 stays as "
                     "it is.")
            .arg(shown(journalPath), shown(path)));
    report(recovery.text());
    return recovery;
}

QList<QByteArray> interruptedUpdates(const QByteArray &folder)
{
    QList<QByteArray> found;
    const QByteArray base = folder.endsWith('/') ? folder : folder + '/';
    for (const QByteArray &name : Platform::filesIn(base, PackageJournal::isJournalName)) {
        PackageJournal journal;
        QString error;
        (void)journal.read(base + name, &error);
        const QByteArray packageName = journal.record().packageName;
        if (!packageName.isEmpty() && !packageName.contains('/') &&
            PackageJournal::pathFor(base + packageName) == base + name)
            found.append(base + packageName);
    }
    return found;
}
