#include "archive/packagejournal.h"

#include "archive/packagefile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QtEndian>

#include <zlib.h>

#include <algorithm>
#include <vector>

namespace {

const QByteArray magic = QByteArrayLiteral("MRVJRNL1");
const QByteArray openState = QByteArrayLiteral("OPEN....");
const QByteArray completeState = QByteArrayLiteral("COMPLETE");
const QByteArray journalPrefix = QByteArrayLiteral(".mrv-");
const QByteArray journalSuffix = QByteArrayLiteral(".journal");
constexpr int hashDigits = 16;
constexpr qint64 chunkSize = 1024 * 1024;
constexpr int maxNameLength = 4096;

QString tr(const char *text)
{
    return archiveText(text);
}

void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void put64(QByteArray &out, quint64 value)
{
    char bytes[8];
    qToLittleEndian(value, bytes);
    out.append(bytes, 8);
}

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
    return tr("%1: %2").arg(what, Platform::systemError(error));
}

} // namespace

QByteArray PackageJournal::pathFor(const QByteArray &packagePath)
{
    const QByteArray name = packagePath.mid(packagePath.lastIndexOf('/') + 1);
    const QByteArray hash =
        QCryptographicHash::hash(name, QCryptographicHash::Sha256).toHex().left(hashDigits);
    return folderOf(packagePath) + journalPrefix + hash + journalSuffix;
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

bool PackageJournal::create(const QByteArray &path, Platform::File &package, const Record &record,
                            quint64 saved, QString *error)
{
    m_path = path;
    m_record = record;
    m_saved = saved;
    const auto fail = [&](int code) {
        *error =
            ioError(tr("cannot write the journal %1").arg(quoted(QFile::decodeName(path))), code);
        m_file.close();
        int ignored = 0;
        (void)Platform::removeFile(path, Platform::Step::JournalRemove, &ignored);
        return false;
    };
    if (!m_file.create(path))
        return fail(m_file.error());

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
    put64(header, saved);
    const int savedCrcAt = header.size();
    put32(header, 0);
    const int headerLength = header.size() + 4;
    qToLittleEndian(quint32(headerLength), header.data() + magic.size());

    // The old bytes go in first; the header that vouches for them after.
    m_savedOffset = quint64(headerLength);
    std::vector<char> buffer(size_t(std::min<quint64>(saved, chunkSize)));
    quint32 savedCrc = 0;
    for (quint64 done = 0; done < saved;) {
        const qint64 want = qint64(std::min<quint64>(saved - done, chunkSize));
        const qint64 got = package.read(buffer.data(), want, qint64(record.from + done));
        if (got != want) {
            *error = ioError(tr("cannot read the package"), got < 0 ? package.error() : EIO);
            m_file.close();
            int ignored = 0;
            (void)Platform::removeFile(path, Platform::Step::JournalRemove, &ignored);
            return false;
        }
        savedCrc =
            quint32(::crc32(savedCrc, reinterpret_cast<const Bytef *>(buffer.data()), uInt(got)));
        if (!m_file.write(buffer.data(), got, qint64(m_savedOffset + done)))
            return fail(m_file.error());
        done += quint64(got);
    }
    qToLittleEndian(savedCrc, header.data() + savedCrcAt);
    put32(header, crcOf(header));
    m_stateOffset = m_savedOffset + saved;
    int code = 0;
    if (!m_file.write(header.constData(), header.size(), 0) ||
        !m_file.write(openState.constData(), openState.size(), qint64(m_stateOffset)) ||
        !m_file.sync())
        return fail(m_file.error());
    // The journal's name must last before the package changes.
    if (!Platform::syncFolder(folderOf(path), &code))
        return fail(code);
    return true;
}

bool PackageJournal::markComplete(QString *error)
{
    if (!m_file.write(completeState.constData(), completeState.size(), qint64(m_stateOffset)) ||
        !m_file.sync()) {
        *error = ioError(tr("cannot write the journal %1").arg(quoted(QFile::decodeName(m_path))),
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
            *error =
                ioError(tr("cannot read the journal %1").arg(quoted(QFile::decodeName(m_path))),
                        got < 0 ? m_file.error() : EIO);
            return false;
        }
        if (!package.write(buffer.data(), got, qint64(m_record.from + done))) {
            *error = ioError(tr("cannot restore the package"), package.error());
            return false;
        }
        done += quint64(got);
    }
    if (!package.truncate(qint64(m_record.oldLength)) || !package.sync()) {
        *error = ioError(tr("cannot restore the package"), package.error());
        return false;
    }
    return true;
}

bool PackageJournal::remove(QString *error)
{
    m_file.close();
    int code = 0;
    if (!Platform::removeFile(m_path, Platform::Step::JournalRemove, &code) ||
        !Platform::syncFolder(folderOf(m_path), &code)) {
        *error = ioError(tr("cannot remove the journal %1").arg(quoted(QFile::decodeName(m_path))),
                         code);
        return false;
    }
    return true;
}

PackageJournal::State PackageJournal::read(const QByteArray &path, QString *error)
{
    m_path = path;
    if (!m_file.openReadWrite(path) && !m_file.openRead(path)) {
        *error = ioError(tr("cannot read the journal %1").arg(quoted(QFile::decodeName(path))),
                         m_file.error());
        return State::Invalid;
    }
    const qint64 size = m_file.size();
    QByteArray head(int(std::min<qint64>(size, 12 + maxNameLength + 128)), '\0');
    if (m_file.read(head.data(), head.size(), 0) != head.size() || !head.startsWith(magic))
        return State::Invalid;
    Fields fields(head);
    fields.take(magic.size());
    const quint32 headerLength = fields.take<quint32>();
    const quint16 nameLength = fields.take<quint16>();
    m_record.packageName = fields.take(nameLength);
    m_record.oldLength = fields.take<quint64>();
    m_record.newLength = fields.take<quint64>();
    m_record.from = fields.take<quint64>();
    m_record.witnessStart = fields.take<quint64>();
    m_record.witnessCrc = fields.take<quint32>();
    m_record.identity.device = fields.take<quint64>();
    m_record.identity.inode = fields.take<quint64>();
    m_record.identity.size = qint64(fields.take<quint64>());
    m_record.identity.modifiedNs = qint64(fields.take<quint64>());
    m_saved = fields.take<quint64>();
    const quint32 savedCrc = fields.take<quint32>();
    const int crcAt = fields.position();
    const quint32 headerCrc = fields.take<quint32>();
    if (!fields.ok() || headerLength != quint32(fields.position()) ||
        crcOf(head.left(crcAt)) != headerCrc || m_record.from > m_record.oldLength ||
        m_saved > m_record.oldLength - m_record.from)
        return State::Invalid;
    m_savedOffset = headerLength;
    m_stateOffset = m_savedOffset + m_saved;
    if (quint64(size) != m_stateOffset + quint64(openState.size()))
        return State::Invalid;
    quint32 crc = 0;
    int code = 0;
    if (!checksum(m_file, m_savedOffset, m_saved, &crc, &code)) {
        *error =
            ioError(tr("cannot read the journal %1").arg(quoted(QFile::decodeName(path))), code);
        return State::Invalid;
    }
    if (crc != savedCrc)
        return State::Invalid;
    QByteArray state(completeState.size(), '\0');
    if (m_file.read(state.data(), state.size(), qint64(m_stateOffset)) != state.size())
        return State::Invalid;
    // The package is cut to its new length only after the mark is on the
    // disk: a mark half written still allows rolling back.
    return state == completeState ? State::Complete : State::Open;
}
