#include "archive/packagereader.h"
#include "archive/text.h"

#include "archive/inplaceupdate.h"
#include "archive/packagefile.h"
#include "archive/platformfile.h"
#include "jobs/jobcontrol.h"

#include <QFile>

#include <zlib.h>

#include <cerrno>
#include <vector>

namespace {

QString entryName(const LayoutEntry &entry)
{
    return QString::fromUtf8(entry.name);
}

// The bytes of one entry, read in place with positioned reads, so that any
// number of devices share one file. A deflated entry inflates as it is read;
// a seek back starts it again, a seek ahead inflates and drops the bytes between.
class EntryDevice : public QIODevice
{
public:
    // limit: how far a deflated entry may inflate; its declared size unless a
    // caller wants to see whether it holds more than it declares.
    EntryDevice(std::shared_ptr<Platform::File> file, const LayoutEntry &entry, qint64 limit = -1)
        : m_file(std::move(file)), m_entry(entry), m_limit(limit < 0 ? entry.size : limit)
    {}
    ~EntryDevice() override
    {
        if (m_inflating)
            inflateEnd(&m_stream);
    }

    bool start()
    {
        return restart() && QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return false; }
    qint64 size() const override { return m_entry.size; }
    bool seek(qint64 pos) override
    {
        if (pos < 0 || pos > m_entry.size || !QIODevice::seek(pos))
            return false;
        if (m_entry.method == 0 || pos == m_at)
            return true;
        if (pos < m_at && !restart())
            return false;
        std::vector<char> scratch(64 * 1024);
        while (m_at < pos) {
            const qint64 got =
                inflateSome(scratch.data(), qMin<qint64>(scratch.size(), pos - m_at));
            if (got <= 0)
                return false;
        }
        return true;
    }
    quint32 crc() const { return m_crc; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (m_entry.method == 0) {
            const qint64 at = pos();
            const qint64 len = qMin(maxSize, m_entry.size - at);
            if (len <= 0)
                return 0;
            const qint64 got = m_file->read(data, len, m_entry.dataOffset + at);
            if (got < 0)
                return ioFailure();
            if (got < len)
                return damaged();
            m_at = at + got;
            m_crc = quint32(crc32(m_crc, reinterpret_cast<const Bytef *>(data), uInt(got)));
            return got;
        }
        return inflateSome(data, maxSize);
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    bool restart()
    {
        m_at = 0;
        m_rawAt = 0;
        m_crc = quint32(crc32(0, nullptr, 0));
        if (m_entry.method == 0)
            return true;
        if (m_inflating)
            inflateEnd(&m_stream);
        m_stream = z_stream();
        m_inflating = inflateInit2(&m_stream, -MAX_WBITS) == Z_OK;
        m_input.resize(64 * 1024);
        m_finished = false;
        return m_inflating;
    }

    qint64 inflateSome(char *data, qint64 maxSize)
    {
        if (!m_inflating)
            return -1;
        const qint64 wanted = qMin(maxSize, m_limit - m_at);
        if (m_finished)
            return m_at < m_entry.size && m_limit == m_entry.size ? damaged() : 0;
        if (wanted <= 0)
            return 0;
        m_stream.next_out = reinterpret_cast<Bytef *>(data);
        m_stream.avail_out = uInt(qMin<qint64>(wanted, 1 << 30));
        while (m_stream.avail_out > 0) {
            if (m_stream.avail_in == 0) {
                const qint64 len = qMin<qint64>(m_input.size(), m_entry.compressedSize - m_rawAt);
                if (len <= 0)
                    return damaged();
                const qint64 got = m_file->read(m_input.data(), len, m_entry.dataOffset + m_rawAt);
                if (got < 0)
                    return ioFailure();
                if (got < len)
                    return damaged();
                m_rawAt += got;
                m_stream.next_in = reinterpret_cast<Bytef *>(m_input.data());
                m_stream.avail_in = uInt(got);
            }
            const int result = inflate(&m_stream, Z_NO_FLUSH);
            if (result == Z_STREAM_END) {
                m_finished = true;
                break;
            }
            if (result != Z_OK)
                return damaged();
        }
        const qint64 got = qint64(reinterpret_cast<char *>(m_stream.next_out) - data);
        m_at += got;
        m_crc = quint32(crc32(m_crc, reinterpret_cast<const Bytef *>(data), uInt(got)));
        return got;
    }

    qint64 ioFailure()
    {
        const int error = m_file->error();
        setErrorString(
            error == EMFILE || error == ENFILE
                ? CoreText::tr("too many files are open at once (%1)")
                      .arg(Platform::systemError(error))
                : CoreText::tr("reading it failed: %1").arg(Platform::systemError(error)));
        return -1;
    }
    qint64 damaged()
    {
        setErrorString(CoreText::tr("its data is damaged"));
        return -1;
    }

    std::shared_ptr<Platform::File> m_file;
    LayoutEntry m_entry;
    qint64 m_limit;
    z_stream m_stream = z_stream();
    bool m_inflating = false;
    bool m_finished = false;
    std::vector<char> m_input;
    qint64 m_at = 0;
    qint64 m_rawAt = 0;
    quint32 m_crc = 0;
};

} // namespace

PackageReader::PackageReader(const QString &path, Source source) : m_path(path), m_source(source) {}

PackageReader::~PackageReader() = default;

bool PackageReader::fail(const QString &cause)
{
    m_cause = cause;
    m_error = CoreText::tr("Cannot read %1: %2.").arg(quoted(m_path), cause);
    qCWarning(lcArchive) << m_error;
    return false;
}

bool PackageReader::open()
{
    m_error.clear();
    m_openError = 0;
    m_entries.clear();
    m_index.clear();
    m_recovery.clear();
    m_identity = PackageIdentity();
    // An interrupted update is undone (or completed) before anything reads the package.
    QByteArray target;
    int linkError = 0;
    if (!m_path.isEmpty() &&
        Platform::resolveLinks(QFile::encodeName(m_path), &target, &linkError)) {
        const Recovery recovery = recoverPackage(target);
        if (recovery.outcome != Recovery::Outcome::None) {
            m_recovery = recovery.text();
            qCWarning(lcArchive) << recovery.text();
        }
        // Half an update, or one whose journal is damaged, is no package to read.
        if (recovery.outcome == Recovery::Outcome::Failed ||
            recovery.outcome == Recovery::Outcome::Damaged) {
            m_error = recovery.text();
            return false;
        }
    }
    m_file = std::make_shared<Platform::File>();
    const QByteArray encoded = QFile::encodeName(m_path);
    if (m_source == Source::Drive && !m_path.isEmpty() &&
        !Platform::dropCachedPages(encoded, &m_openError))
        return fail(Platform::systemError(m_openError));
    if (m_path.isEmpty() || !m_file->openRead(encoded)) {
        const int error = m_path.isEmpty() ? ENOENT : m_file->error();
        m_openError = error;
        return fail(error == EINVAL ? CoreText::tr("it is not a regular file")
                    : error == EMFILE || error == ENFILE
                        ? CoreText::tr("too many files are open at once (%1)")
                              .arg(Platform::systemError(error))
                        : Platform::systemError(error));
    }
    m_identity = m_file->identity();
    m_file->setReadBack(m_source == Source::Drive);
    QString cause;
    bool waited = false;
    if (!waitForUpdate(*m_file, quoted(m_path), &waited, &cause))
        return fail(cause);
    // What the update left, finished or cut short, is looked at anew.
    if (waited)
        return open();
    if (!readPackageLayout(*m_file, &m_entries, &cause))
        return fail(cause);
    m_index.reserve(m_entries.size());
    for (int i = 0; i < m_entries.size(); ++i)
        m_index.insert(entryName(m_entries.at(i)), i);
    return true;
}

int PackageReader::systemError() const
{
    return m_openError != 0 ? m_openError : m_file ? m_file->error() : 0;
}

bool PackageReader::isCurrent() const
{
    return m_file && Platform::identity(QFile::encodeName(m_path)) == m_identity;
}

QStringList PackageReader::entryNames() const
{
    QStringList names;
    names.reserve(m_entries.size());
    for (const LayoutEntry &entry : m_entries)
        names.append(entryName(entry));
    return names;
}

qint64 PackageReader::entrySize(const QString &name) const
{
    const int index = m_index.value(name, -1);
    return index < 0 ? -1 : m_entries.at(index).size;
}

bool PackageReader::isStored(const QString &name) const
{
    const int index = m_index.value(name, -1);
    return index >= 0 && m_entries.at(index).method == 0;
}

std::unique_ptr<QIODevice> PackageReader::entryDevice(const QString &name, QString *error) const
{
    const int index = m_index.value(name, -1);
    if (index < 0) {
        *error = CoreText::tr("it holds no entry %1").arg(quoted(name));
        return nullptr;
    }
    auto device = std::make_unique<EntryDevice>(m_file, m_entries.at(index));
    if (!device->start()) {
        *error = CoreText::tr("out of memory");
        return nullptr;
    }
    return device;
}

bool PackageReader::readEntry(const QString &name, qint64 maxSize, QByteArray *bytes,
                              bool *tooLarge)
{
    if (tooLarge)
        *tooLarge = false;
    const int index = m_index.value(name, -1);
    if (index < 0)
        return fail(CoreText::tr("it holds no entry %1").arg(quoted(name)));
    const LayoutEntry &entry = m_entries.at(index);
    const auto refuse = [&](qint64 size) {
        if (tooLarge)
            *tooLarge = true;
        return fail(CoreText::tr("the entry %1 is too large (%2 bytes, at most %3 are read)")
                        .arg(quoted(name))
                        .arg(size)
                        .arg(maxSize));
    };
    if (entry.size > maxSize)
        return refuse(entry.size);
    // Memory follows what the entry holds, never what it declares: one byte
    // past the cap shows an entry that inflates beyond it.
    QByteArray data;
    const bool read = readThrough(entry, maxSize + 1, [&](const char *chunk, qint64 got) {
        if (data.size() + got > maxSize)
            return refuse(data.size() + got);
        data.append(chunk, int(got));
        return true;
    });
    if (read)
        *bytes = data;
    return read;
}

bool PackageReader::readThrough(const LayoutEntry &entry, qint64 limit,
                                const std::function<bool(const char *, qint64)> &take)
{
    const QString name = quoted(entryName(entry));
    EntryDevice device(m_file, entry, limit);
    if (!device.start())
        return fail(CoreText::tr("out of memory"));
    std::vector<char> chunk(256 * 1024);
    qint64 read = 0;
    for (;;) {
        const qint64 got = device.read(chunk.data(), qint64(chunk.size()));
        if (got < 0)
            return fail(CoreText::tr("the entry %1: %2").arg(name, device.errorString()));
        if (got == 0)
            break;
        read += got;
        if (!take(chunk.data(), got))
            return false;
    }
    if (read != entry.size || device.crc() != entry.crc)
        return fail(CoreText::tr("the entry %1: %2")
                        .arg(name, CoreText::tr("the archive is damaged (checksum mismatch)")));
    return true;
}

bool PackageReader::verify(JobControl *control, JobStep step, const QSet<QByteArray> &skip)
{
    // In bytes of the file: open() has read the headers and the directory,
    // so once every entry's data is read, every byte of it was. A partial
    // pass counts only the entries it reads.
    qint64 total = skip.isEmpty() && m_file ? m_file->size() : 0;
    for (const LayoutEntry &entry : qAsConst(m_entries)) {
        if (!skip.isEmpty() && !skip.contains(entry.name))
            total += entry.compressedSize;
    }
    qint64 done = 0;
    m_verified = 0;
    for (const LayoutEntry &entry : qAsConst(m_entries)) {
        if (skip.contains(entry.name))
            continue;
        if (jobCancelled(control))
            return fail(CoreText::tr("the check was cancelled"));
        const QString name = entryName(entry);
        if (control)
            control->report(JobProgress{done, total, name, step});
        qint64 read = 0;
        const bool whole = readThrough(entry, -1, [&](const char *, qint64 got) {
            read += got;
            // A clip of gigabytes is most of the bar: it moves as it is read.
            if (control)
                control->report(
                    JobProgress{done + qMin(read, entry.compressedSize), total, name, step});
            return !jobCancelled(control) || fail(CoreText::tr("the check was cancelled"));
        });
        if (!whole)
            return false;
        done += entry.compressedSize;
    }
    m_verified = total;
    if (control)
        control->report(JobProgress{total, total, m_path, step});
    return true;
}
