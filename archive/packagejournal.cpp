#include "archive/packagejournal.h"
#include "archive/text.h"

#include "archive/packagefile.h"
#include "archive/ziprecords.h"

#include <QFile>
#include <QtEndian>

#include <zlib.h>

#include <algorithm>
#include <vector>

namespace {

using ZipRecords::put16;
using ZipRecords::put32;
using ZipRecords::put64;

const QByteArray magic = QByteArrayLiteral("MRVJRNL1");
const QByteArray openState = QByteArrayLiteral("OPEN....");
const QByteArray completeState = QByteArrayLiteral("COMPLETE");
const QByteArray journalPrefix = QByteArrayLiteral(".mrv-");
const QByteArray journalSuffix = QByteArrayLiteral(".journal");
constexpr int hashDigits = 16;
constexpr qint64 chunkSize = 1024 * 1024;
constexpr int maxNameLength = 4096;
// Everything of the header but the name.
constexpr int headerFixedLength = 8 + 4 + 2 + 4 * 8 + 4 + 5 * 8 + 2 * 8 + 3 * 4;

quint32 crcOf(const QByteArray &bytes, quint32 crc = 0)
{
    return quint32(
        ::crc32(crc, reinterpret_cast<const Bytef *>(bytes.constData()), uInt(bytes.size())));
}

// Reads fields in order; any read past the end makes ok() false.
class Fields
{
public:
    explicit Fields(const QByteArray &bytes) : m_bytes(bytes) {}
    bool ok() const { return m_ok; }
    int position() const { return m_pos; }
    template<typename T> T take()
    {
        if (m_pos + int(sizeof(T)) > m_bytes.size()) {
            m_ok = false;
            return T();
        }
        const T value = qFromLittleEndian<T>(m_bytes.constData() + m_pos);
        m_pos += int(sizeof(T));
        return value;
    }
    QByteArray take(int len)
    {
        if (len < 0 || m_pos + len > m_bytes.size()) {
            m_ok = false;
            return {};
        }
        m_pos += len;
        return m_bytes.mid(m_pos - len, len);
    }

private:
    const QByteArray &m_bytes;
    int m_pos = 0;
    bool m_ok = true;
};

QString ioError(const QString &what, int error)
{
    return CoreText::tr("%1: %2").arg(what, Platform::systemError(error));
}

} // namespace

quint64 PackageJournal::Record::nextBoundary(quint64 offset) const
{
    quint64 next = (offset / blockSize + 1) * blockSize;
    for (const quint64 length : {oldLength, newLength}) {
        if (length > offset)
            next = std::min(next, length);
    }
    return std::min(next, end());
}

quint64 PackageJournal::Record::blockCount() const
{
    quint64 count = 0;
    for (quint64 at = from; at < end(); at = nextBoundary(at))
        ++count;
    return count;
}

QByteArray PackageJournal::pathFor(const QByteArray &packagePath)
{
    return folderOf(packagePath) + journalPrefix + Platform::packageTag(packagePath) +
           journalSuffix;
}

bool PackageJournal::isJournalName(const QByteArray &fileName)
{
    if (fileName.size() != journalPrefix.size() + hashDigits + journalSuffix.size() ||
        !fileName.startsWith(journalPrefix) || !fileName.endsWith(journalSuffix))
        return false;
    const QByteArray digits = fileName.mid(journalPrefix.size(), hashDigits);
    return std::all_of(digits.cbegin(), digits.cend(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

bool PackageJournal::checksum(Platform::File &file, quint64 offset, quint64 len, quint32 *crc,
                              int *error)
{
    std::vector<char> buffer(size_t(std::min<quint64>(len, chunkSize)));
    quint32 value = 0;
    for (quint64 done = 0; done < len;) {
        const qint64 want = qint64(std::min<quint64>(len - done, chunkSize));
        const qint64 got = file.read(buffer.data(), want, qint64(offset + done));
        if (got != want) {
            *error = got < 0 ? file.error() : EIO;
            return false;
        }
        value = quint32(::crc32(value, reinterpret_cast<const Bytef *>(buffer.data()), uInt(got)));
        done += quint64(got);
    }
    *crc = value;
    return true;
}

namespace {

// The journal's header without its checksums: *checksumsAt receives where
// those of the table and the saved bytes go, its own is appended last.
QByteArray headerOf(const PackageJournal::Record &record, quint64 count, quint64 saved,
                    int *checksumsAt)
{
    QByteArray header = magic;
    put32(header, 0); // the header's length, filled in below
    put16(header, quint16(record.packageName.size()));
    header += record.packageName;
    for (const quint64 value :
         {record.oldLength, record.newLength, record.from, record.witnessStart})
        put64(header, value);
    put32(header, record.witnessCrc);
    put64(header, record.identity.device);
    put64(header, record.identity.inode);
    put64(header, quint64(record.identity.size));
    put64(header, quint64(record.identity.modifiedNs));
    put64(header, record.mountId);
    put64(header, count);
    put64(header, saved);
    *checksumsAt = header.size();
    put32(header, 0);
    put32(header, 0);
    qToLittleEndian(quint32(header.size() + 4), header.data() + magic.size());
    return header;
}

// Copies the saved bytes of the package into the journal at offset, taking
// their checksum and, from the same bytes, the old blocks' checksums. On
// failure *readError is the package's error when reading it failed, 0 when
// writing the journal did.
bool copyOldBytes(Platform::File &package, Platform::File &journal, quint64 offset, quint64 saved,
                  PackageJournal::Record *record, quint32 *savedCrc, int *readError)
{
    std::vector<char> buffer(size_t(std::min<quint64>(saved, chunkSize)));
    quint64 block = 0;
    quint64 blockStart = record->from;
    quint32 blockCrc = 0;
    for (quint64 done = 0; done < saved;) {
        const qint64 want = qint64(std::min<quint64>(saved - done, chunkSize));
        const qint64 got = package.read(buffer.data(), want, qint64(record->from + done));
        if (got != want) {
            *readError = got < 0 ? package.error() : EIO;
            return false;
        }
        *savedCrc =
            quint32(::crc32(*savedCrc, reinterpret_cast<const Bytef *>(buffer.data()), uInt(got)));
        for (qint64 at = 0; at < got;) {
            const quint64 position = record->from + done + quint64(at);
            const quint64 blockEnd = record->nextBoundary(blockStart);
            const qint64 len = qint64(std::min<quint64>(blockEnd - position, quint64(got - at)));
            blockCrc = quint32(
                ::crc32(blockCrc, reinterpret_cast<const Bytef *>(buffer.data() + at), uInt(len)));
            at += len;
            if (position + quint64(len) == blockEnd) {
                record->oldCrcs[size_t(block++)] = blockCrc;
                blockCrc = 0;
                blockStart = blockEnd;
            }
        }
        if (!journal.write(buffer.data(), got, qint64(offset + done)))
            return false;
        done += quint64(got);
    }
    return true;
}

} // namespace

bool PackageJournal::create(const QByteArray &path, Platform::File &package, Record record,
                            quint64 saved, QString *error)
{
    m_path = path;
    m_saved = saved;
    const auto fail = [&](const QString &cause) {
        *error = cause;
        m_file.close();
        int ignored = 0;
        (void)Platform::removeFile(path, Platform::Step::JournalRemove, &ignored);
        return false;
    };
    const QString cannotWrite =
        CoreText::tr("cannot write the journal %1").arg(quoted(QFile::decodeName(path)));
    const quint64 count = record.blockCount();
    record.oldCrcs.assign(size_t(count), 0);
    if (record.newCrcs.size() != count) {
        *error = CoreText::tr("the archive is damaged");
        return false;
    }
    if (!m_file.create(path)) {
        *error = ioError(cannotWrite, m_file.error());
        return false;
    }
    int checksumsAt = 0;
    QByteArray header = headerOf(record, count, saved, &checksumsAt);

    // The old bytes and the checksums go in and are synced first; the header
    // that vouches for them after: a journal without its header was never used.
    const quint64 tableOffset = quint64(header.size() + 4);
    m_savedOffset = tableOffset + count * 8;
    quint32 savedCrc = 0;
    int readError = 0;
    if (!copyOldBytes(package, m_file, m_savedOffset, saved, &record, &savedCrc, &readError))
        return fail(readError != 0 ? ioError(CoreText::tr("cannot read the package"), readError)
                                   : ioError(cannotWrite, m_file.error()));
    QByteArray table;
    table.reserve(int(count * 8));
    for (quint64 i = 0; i < count; ++i) {
        put32(table, record.oldCrcs[size_t(i)]);
        put32(table, record.newCrcs[size_t(i)]);
    }
    m_stateOffset = m_savedOffset + saved;
    if (!m_file.write(table.constData(), table.size(), qint64(tableOffset)) ||
        !m_file.write(openState.constData(), openState.size(), qint64(m_stateOffset)) ||
        !m_file.sync())
        return fail(ioError(cannotWrite, m_file.error()));
    qToLittleEndian(crcOf(table), header.data() + checksumsAt);
    qToLittleEndian(savedCrc, header.data() + checksumsAt + 4);
    put32(header, crcOf(header));
    m_record = std::move(record);
    int code = 0;
    if (!m_file.write(header.constData(), header.size(), 0) || !m_file.sync())
        return fail(ioError(cannotWrite, m_file.error()));
    // The journal's name must last before the package changes.
    if (!Platform::syncFolder(folderOf(path), &code))
        return fail(ioError(cannotWrite, code));
    return true;
}

bool PackageJournal::markComplete(QString *error)
{
    if (!m_file.write(completeState.constData(), completeState.size(), qint64(m_stateOffset)) ||
        !m_file.sync()) {
        *error = ioError(
            CoreText::tr("cannot write the journal %1").arg(quoted(QFile::decodeName(m_path))),
            m_file.error());
        return false;
    }
    return true;
}

bool PackageJournal::rollBack(Platform::File &package, QString *error)
{
    std::vector<char> buffer(size_t(std::min<quint64>(m_saved, chunkSize)));
    for (quint64 done = 0; done < m_saved;) {
        const qint64 want = qint64(std::min<quint64>(m_saved - done, chunkSize));
        const qint64 got = m_file.read(buffer.data(), want, qint64(m_savedOffset + done));
        if (got != want) {
            *error = ioError(
                CoreText::tr("cannot read the journal %1").arg(quoted(QFile::decodeName(m_path))),
                got < 0 ? m_file.error() : EIO);
            return false;
        }
        if (!package.write(buffer.data(), got, qint64(m_record.from + done))) {
            *error = ioError(CoreText::tr("cannot restore the package"), package.error());
            return false;
        }
        done += quint64(got);
    }
    if (!package.truncate(qint64(m_record.oldLength)) || !package.sync()) {
        *error = ioError(CoreText::tr("cannot restore the package"), package.error());
        return false;
    }
    // The same bytes with the same time: whoever opened it sees it unchanged.
    if (m_record.identity.isValid() && !package.setModified(m_record.identity.modifiedNs))
        qCInfo(lcArchive) << "Cannot set the time of" << QFile::decodeName(package.path()) << ':'
                          << Platform::systemError(package.error());
    return true;
}

bool PackageJournal::remove(QString *error)
{
    m_file.close();
    int code = 0;
    if (!Platform::removeFile(m_path, Platform::Step::JournalRemove, &code) ||
        !Platform::syncFolder(folderOf(m_path), &code)) {
        *error = ioError(
            CoreText::tr("cannot remove the journal %1").arg(quoted(QFile::decodeName(m_path))),
            code);
        return false;
    }
    return true;
}

PackageJournal::State PackageJournal::read(const QByteArray &path, QString *error)
{
    m_path = path;
    m_record = Record();
    if (!m_file.openOwn(path, true) && !m_file.openOwn(path, false)) {
        const int code = m_file.error();
        if (Platform::isMissing(code))
            return State::Missing;
        if (Platform::isLink(code) || Platform::isNotRegular(code) || Platform::isOtherDrive(code))
            return State::NotAFile;
        *error = ioError(
            CoreText::tr("cannot read the journal %1").arg(quoted(QFile::decodeName(path))), code);
        return State::Unreadable;
    }
    const quint64 size = quint64(m_file.size());
    const auto unreadable = [&](int code) {
        *error = ioError(
            CoreText::tr("cannot read the journal %1").arg(quoted(QFile::decodeName(path))), code);
        return State::Unreadable;
    };
    QByteArray head(int(std::min<quint64>(size, headerFixedLength + maxNameLength)), '\0');
    const qint64 got = m_file.read(head.data(), head.size(), 0);
    if (got != head.size())
        return unreadable(got < 0 ? m_file.error() : EIO);
    // The header is written last: without it the journal was never used.
    if (!head.startsWith(magic)) {
        const bool blank =
            std::all_of(head.cbegin(), head.cbegin() + std::min(int(head.size()), 12),
                        [](char c) { return c == 0; });
        return blank || size < quint64(magic.size()) ? State::Unfinished : State::Damaged;
    }
    Fields fields(head);
    fields.take(magic.size());
    const quint32 headerLength = fields.take<quint32>();
    const quint16 nameLength = fields.take<quint16>();
    Record record;
    record.packageName = fields.take(nameLength);
    record.oldLength = fields.take<quint64>();
    record.newLength = fields.take<quint64>();
    record.from = fields.take<quint64>();
    record.witnessStart = fields.take<quint64>();
    record.witnessCrc = fields.take<quint32>();
    record.identity.device = fields.take<quint64>();
    record.identity.inode = fields.take<quint64>();
    record.identity.size = qint64(fields.take<quint64>());
    record.identity.modifiedNs = qint64(fields.take<quint64>());
    record.mountId = fields.take<quint64>();
    const quint64 count = fields.take<quint64>();
    const quint64 saved = fields.take<quint64>();
    const quint32 tableCrc = fields.take<quint32>();
    const quint32 savedCrc = fields.take<quint32>();
    const int crcAt = fields.position();
    const quint32 headerCrc = fields.take<quint32>();
    if (!fields.ok() || headerLength != quint32(fields.position()) ||
        crcOf(head.left(crcAt)) != headerCrc)
        return State::Damaged;
    // Every length and offset against the journal's own size before use:
    // the table has a checksum for each block of the range, the saved bytes
    // are exactly those the update writes over.
    const quint64 end = record.end();
    if (record.from > record.oldLength || record.from > record.newLength ||
        record.witnessStart > record.from || record.from - record.witnessStart > 65536 ||
        saved != std::min(record.oldLength, record.newLength) - record.from || saved > size ||
        (end - record.from) / blockSize > size / 8 || count > size / 8 ||
        count != record.blockCount() || size != headerLength + count * 8 + saved + 8)
        return State::Damaged;
    QByteArray table(int(count * 8), '\0');
    if (m_file.read(table.data(), table.size(), headerLength) != table.size())
        return unreadable(m_file.error() ? m_file.error() : EIO);
    if (crcOf(table) != tableCrc)
        return State::Damaged;
    record.oldCrcs.resize(size_t(count));
    record.newCrcs.resize(size_t(count));
    for (quint64 i = 0; i < count; ++i) {
        record.oldCrcs[size_t(i)] = qFromLittleEndian<quint32>(table.constData() + i * 8);
        record.newCrcs[size_t(i)] = qFromLittleEndian<quint32>(table.constData() + i * 8 + 4);
    }
    m_record = std::move(record);
    m_saved = saved;
    m_savedOffset = headerLength + count * 8;
    m_stateOffset = m_savedOffset + m_saved;
    quint32 crc = 0;
    int code = 0;
    if (!checksum(m_file, m_savedOffset, m_saved, &crc, &code))
        return unreadable(code);
    if (crc != savedCrc)
        return State::Damaged;
    QByteArray state(completeState.size(), '\0');
    if (m_file.read(state.data(), state.size(), qint64(m_stateOffset)) != state.size())
        return unreadable(EIO);
    if (state == completeState)
        return State::Complete;
    // A mark cut short while it was written is no mark: the package is cut
    // to its new length only after the whole mark is on the disk.
    for (int i = 0; i < state.size(); ++i) {
        if (state.at(i) != openState.at(i) && state.at(i) != completeState.at(i))
            return State::Damaged;
    }
    return State::Open;
}

bool PackageJournal::belongsTo(Platform::File &package, State state, QString *why,
                               QString *error) const
{
    const Record &r = m_record;
    const QByteArray name = package.path().mid(package.path().lastIndexOf('/') + 1);
    if (r.packageName != name) {
        *why = CoreText::tr("it was made for another package");
        return false;
    }
    // Inode numbers hold within one mount; a stick mounted again may number anew.
    const PackageIdentity now = package.identity();
    const quint64 mount = package.mountId();
    if (now.device == r.identity.device && mount == r.mountId && now.inode != r.identity.inode) {
        *why = CoreText::tr("the package is another file than the one the update began on");
        return false;
    }
    const qint64 current = package.currentSize();
    if (current < 0) {
        *error = Platform::systemError(package.error());
        return false;
    }
    const quint64 length = quint64(current);
    const bool possible =
        state == State::Complete
            ? length == r.newLength || (r.oldLength > r.newLength && length == r.oldLength)
            : length == r.oldLength || length == r.newLength ||
                  (length > r.oldLength && length < r.newLength);
    if (!possible) {
        *why = CoreText::tr("its length (%1 bytes) is none the update could leave").arg(length);
        return false;
    }
    quint32 witness = 0;
    int code = 0;
    if (!checksum(package, r.witnessStart, r.from - r.witnessStart, &witness, &code)) {
        *error = Platform::systemError(code);
        return false;
    }
    if (witness != r.witnessCrc) {
        *why = CoreText::tr("its bytes before offset %1 are not those the update left alone")
                   .arg(r.from);
        return false;
    }
    std::vector<char> buffer;
    quint64 bufferStart = 0;
    quint64 bufferLength = 0;
    quint64 index = 0;
    for (quint64 at = r.from; at < r.end() && at < length; at = r.nextBoundary(at), ++index) {
        const quint64 blockEnd = r.nextBoundary(at);
        const bool inOld = blockEnd <= r.oldLength;
        const bool inNew = blockEnd <= r.newLength;
        // The old bytes past the new length are never written, only cut.
        if (state == State::Complete ? !inNew : inOld && !inNew)
            continue;
        if (blockEnd > length) {
            *why = CoreText::tr(
                       "its bytes from offset %1 on are neither those it had before the update "
                       "nor those the update wrote")
                       .arg(at);
            return false;
        }
        if (at < bufferStart || blockEnd > bufferStart + bufferLength) {
            const quint64 want = std::min<quint64>(length - at, chunkSize);
            buffer.resize(size_t(want));
            const qint64 got = package.read(buffer.data(), qint64(want), qint64(at));
            if (got != qint64(want)) {
                *error = Platform::systemError(got < 0 ? package.error() : EIO);
                return false;
            }
            bufferStart = at;
            bufferLength = want;
        }
        const char *bytes = buffer.data() + (at - bufferStart);
        const uInt len = uInt(blockEnd - at);
        const quint32 crc = quint32(::crc32(0, reinterpret_cast<const Bytef *>(bytes), len));
        bool matches = inNew && crc == r.newCrcs[size_t(index)];
        if (state != State::Complete) {
            matches = matches || (inOld && crc == r.oldCrcs[size_t(index)]) ||
                      // Past the old end a cut-off write may leave a block never filled.
                      (!inOld && std::all_of(bytes, bytes + len, [](char c) { return c == 0; }));
        }
        if (!matches) {
            *why = CoreText::tr(
                       "its bytes from offset %1 on are neither those it had before the update "
                       "nor those the update wrote")
                       .arg(at);
            return false;
        }
    }
    return true;
}
