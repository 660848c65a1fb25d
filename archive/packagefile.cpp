#include "archive/packagefile.h"
#include "archive/text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

// System calls are dear: libzip writes and reads in 8 KiB pieces.
constexpr std::uint64_t bufferSize = 1024 * 1024;
// A read after a seek (a header, the central directory) needs little.
constexpr std::uint64_t seekWindowSize = 64 * 1024;

} // namespace

PackageFile::PackageFile(Platform::File *source, const QByteArray &target, mode_t fileMode)
    : m_source(source), m_target(target), m_fileMode(fileMode)
{
    Platform::ignoreFileSizeSignal();
    zip_error_init(&m_error);
    m_zipSource = zip_source_function_create(&PackageFile::callback, this, &m_error);
}

PackageFile::~PackageFile()
{
    // The archive holding the source must be gone already; this drops our own reference.
    if (m_zipSource)
        zip_source_free(m_zipSource);
    rollbackWrite();
    zip_error_fini(&m_error);
}

zip_t *PackageFile::open(int flags, zip_error_t *error)
{
    if (!m_zipSource) {
        zip_error_set(error, ZIP_ER_MEMORY, 0);
        return nullptr;
    }
    // The archive takes a reference of its own; ours keeps the source alive.
    zip_source_keep(m_zipSource);
    zip_t *archive = zip_open_from_source(m_zipSource, flags, error);
    if (!archive)
        zip_source_free(m_zipSource);
    return archive;
}

zip_int64_t PackageFile::callback(void *userdata, void *data, zip_uint64_t len,
                                  zip_source_cmd_t cmd)
{
    return static_cast<PackageFile *>(userdata)->dispatch(data, len, cmd);
}

bool PackageFile::fail(int zipError, int error, const QString &cause)
{
    zip_error_set(&m_error, zipError, error);
    if (!cause.isEmpty())
        m_errorString = cause;
    return false;
}

zip_int64_t PackageFile::dispatch(void *data, zip_uint64_t len, zip_source_cmd_t cmd)
{
    switch (cmd) {
    case ZIP_SOURCE_SUPPORTS: {
        zip_int64_t supported =
            ZIP_SOURCE_SUPPORTS_WRITABLE | ZIP_SOURCE_MAKE_COMMAND_BITMASK(ZIP_SOURCE_ACCEPT_EMPTY);
        if (m_source)
            supported |= ZIP_SOURCE_MAKE_COMMAND_BITMASK(ZIP_SOURCE_BEGIN_WRITE_CLONING);
        return supported;
    }
    case ZIP_SOURCE_ACCEPT_EMPTY:
        return 0;
    case ZIP_SOURCE_STAT: {
        auto *st = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, len, &m_error);
        if (!st)
            return -1;
        return statTarget(st) ? zip_int64_t(sizeof(zip_stat_t)) : -1;
    }
    case ZIP_SOURCE_OPEN:
        // libzip takes a read error with ENOENT as "no archive yet".
        if (!m_source)
            return fail(ZIP_ER_OPEN, ENOENT) ? 0 : -1;
        m_readPos = 0;
        m_windowLen = 0;
        return 0;
    case ZIP_SOURCE_READ:
        return read(static_cast<char *>(data), len);
    case ZIP_SOURCE_CLOSE:
        m_windowLen = 0;
        return 0;
    case ZIP_SOURCE_SEEK: {
        const zip_int64_t pos = zip_source_seek_compute_offset(
            m_readPos, zip_uint64_t(m_source ? m_source->size() : 0), data, len, &m_error);
        if (pos < 0)
            return -1;
        m_readPos = std::uint64_t(pos);
        return 0;
    }
    case ZIP_SOURCE_TELL:
        return zip_int64_t(m_readPos);
    case ZIP_SOURCE_BEGIN_WRITE:
        return beginWrite(0) ? 0 : -1;
    case ZIP_SOURCE_BEGIN_WRITE_CLONING:
        return beginWrite(len) ? 0 : -1;
    case ZIP_SOURCE_WRITE:
        return write(static_cast<const char *>(data), len) ? zip_int64_t(len) : -1;
    case ZIP_SOURCE_SEEK_WRITE: {
        if (!flush())
            return -1;
        const zip_int64_t pos =
            zip_source_seek_compute_offset(m_bufferStart, m_writeEnd, data, len, &m_error);
        if (pos < 0)
            return -1;
        m_bufferStart = std::uint64_t(pos);
        return 0;
    }
    case ZIP_SOURCE_TELL_WRITE:
        return zip_int64_t(m_bufferStart + m_bufferLen);
    case ZIP_SOURCE_COMMIT_WRITE:
        return commitWrite() ? 0 : -1;
    case ZIP_SOURCE_ROLLBACK_WRITE:
        rollbackWrite();
        return 0;
    case ZIP_SOURCE_REMOVE:
        // An archive left with no entries is still a package: never delete it.
        return writeEmptyArchive() ? 0 : -1;
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&m_error, data, len);
    case ZIP_SOURCE_FREE:
        return 0;
    default:
        zip_error_set(&m_error, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

bool PackageFile::statTarget(zip_stat_t *st)
{
    zip_stat_init(st);
    if (!m_source)
        return fail(ZIP_ER_READ, ENOENT);
    st->size = zip_uint64_t(m_source->size());
    st->mtime = time_t(m_source->modifiedSeconds());
    st->valid |= ZIP_STAT_SIZE | ZIP_STAT_MTIME;
    return true;
}

zip_int64_t PackageFile::read(char *data, zip_uint64_t len)
{
    const std::uint64_t size = std::uint64_t(m_source->size());
    std::uint64_t done = 0;
    while (done < len && m_readPos < size) {
        if (m_readPos >= m_windowStart && m_readPos < m_windowStart + m_windowLen) {
            const std::uint64_t n =
                std::min<std::uint64_t>(len - done, m_windowStart + m_windowLen - m_readPos);
            std::memcpy(data + done, m_window.data() + (m_readPos - m_windowStart), n);
            done += n;
            m_readPos += n;
            continue;
        }
        const bool sequential = m_windowLen > 0 && m_readPos == m_windowStart + m_windowLen;
        const std::uint64_t want = sequential ? bufferSize : seekWindowSize;
        if (m_window.size() < want)
            m_window.resize(want);
        const qint64 got = m_source->read(m_window.data(), qint64(want), qint64(m_readPos));
        if (got < 0) {
            fail(ZIP_ER_READ, m_source->error(),
                 CoreText::tr("reading it failed: %1")
                     .arg(Platform::systemError(m_source->error())));
            return -1;
        }
        if (got == 0)
            break;
        m_windowStart = m_readPos;
        m_windowLen = std::uint64_t(got);
    }
    return zip_int64_t(done);
}

bool PackageFile::beginWrite(std::uint64_t keep)
{
    rollbackWrite();
    m_errorString.clear();
    const QByteArray folder = folderOf(m_target);
    Platform::removeLeftovers(m_target);
    if (!m_replacement.begin(m_target)) {
        const int error = m_replacement.file().error();
        return fail(ZIP_ER_TMPOPEN, error,
                    CoreText::tr("cannot create a file in the folder %1: %2")
                        .arg(quoted(QFile::decodeName(folder)), Platform::systemError(error)));
    }
    m_bufferStart = 0;
    m_bufferLen = 0;
    m_writeEnd = 0;
    if (keep > 0) {
        int error = 0;
        if (!m_source || keep > std::uint64_t(m_source->size()))
            return fail(ZIP_ER_INTERNAL, 0);
        if (!Platform::copyRange(*m_source, m_replacement.file(), qint64(keep), &error)) {
            rollbackWrite();
            return fail(ZIP_ER_WRITE, error, Platform::systemError(error));
        }
        m_bufferStart = keep;
        m_writeEnd = keep;
    }
    if (m_buffer.size() < bufferSize)
        m_buffer.resize(bufferSize);
    return true;
}

bool PackageFile::flush()
{
    if (m_bufferLen == 0)
        return true;
    Platform::File &temporary = m_replacement.file();
    if (!temporary.write(m_buffer.data(), qint64(m_bufferLen), qint64(m_bufferStart)))
        return fail(ZIP_ER_WRITE, temporary.error(), Platform::systemError(temporary.error()));
    temporary.startWriteback(qint64(m_bufferStart), qint64(m_bufferLen));
    m_bufferStart += m_bufferLen;
    m_bufferLen = 0;
    return true;
}

bool PackageFile::write(const char *data, std::uint64_t len)
{
    if (!m_replacement.file().isOpen())
        return fail(ZIP_ER_INTERNAL, 0);
    while (len > 0) {
        if (m_bufferLen == bufferSize && !flush())
            return false;
        const std::uint64_t n = std::min<std::uint64_t>(len, bufferSize - m_bufferLen);
        std::memcpy(m_buffer.data() + m_bufferLen, data, n);
        m_bufferLen += n;
        data += n;
        len -= n;
        m_writeEnd = std::max(m_writeEnd, m_bufferStart + m_bufferLen);
    }
    return true;
}

bool PackageFile::commitWrite()
{
    Platform::File &temporary = m_replacement.file();
    if (!temporary.isOpen())
        return fail(ZIP_ER_INTERNAL, 0);
    if (!flush())
        return false;
    int error = 0;
    if (!temporary.truncate(qint64(m_writeEnd))) {
        error = temporary.error();
        rollbackWrite();
    } else if (!m_replacement.commit(m_fileMode, &error, &m_confirmed)) {
        rollbackWrite();
    } else {
        return true;
    }
    return fail(ZIP_ER_WRITE, error, Platform::systemError(error));
}

void PackageFile::rollbackWrite()
{
    m_replacement.discard();
    m_bufferLen = 0;
}

bool PackageFile::writeEmptyArchive()
{
    // End of central directory record of an archive with no entries.
    static const char emptyArchive[22] = {'P', 'K', 5, 6};
    return beginWrite(0) && write(emptyArchive, sizeof emptyArchive) && commitWrite();
}

QString mediaReadCause(const QString &path, int error)
{
    if (error == ENOENT)
        return CoreText::tr("the media file %1 is missing").arg(quoted(path));
    if (error == EINVAL)
        return CoreText::tr("the media file %1 is not a regular file").arg(quoted(path));
    return CoreText::tr("cannot read the media file %1: %2")
        .arg(quoted(path), Platform::systemError(error));
}

namespace {

struct MediaSource
{
    QString path;
    Platform::FileStamp checked;
    qint64 size = 0;
    QString *fault = nullptr;
    Platform::File file;
    qint64 pos = 0;
    std::vector<char> window;
    qint64 windowStart = 0;
    qint64 windowLen = 0;
    zip_error_t error;

    zip_int64_t fail(const QString &cause, int code)
    {
        if (fault->isEmpty())
            *fault = cause;
        zip_error_set(&error, ZIP_ER_READ, code);
        return -1;
    }
    zip_int64_t unreadable(int code) { return fail(mediaReadCause(path, code), code); }
    zip_int64_t changed() { return fail(mediaChangedCause(path), EIO); }

    zip_int64_t read(char *data, qint64 len)
    {
        qint64 done = 0;
        while (done < len && pos < size) {
            if (pos >= windowStart && pos < windowStart + windowLen) {
                const qint64 n = std::min(len - done, windowStart + windowLen - pos);
                std::memcpy(data + done, window.data() + (pos - windowStart), size_t(n));
                done += n;
                pos += n;
                continue;
            }
            // No larger than the file: a playlist of many small images would
            // otherwise clear a whole buffer per entry.
            const qint64 want = std::min<qint64>(qint64(bufferSize), size - pos);
            if (qint64(window.size()) < want)
                window.resize(size_t(want));
            const qint64 got = file.read(window.data(), want, pos);
            if (got < 0)
                return unreadable(file.error());
            // Shorter than when it was checked: the entry would not match its header.
            if (got == 0)
                return changed();
            windowStart = pos;
            windowLen = got;
            // Rewritten or grown while it was read: what was copied may mix two versions.
            if (pos + got == size && file.currentStamp() != checked)
                return changed();
        }
        return done;
    }

    zip_int64_t dispatch(void *data, zip_uint64_t len, zip_source_cmd_t cmd)
    {
        switch (cmd) {
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ,
                                                  ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                                  ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
        case ZIP_SOURCE_STAT: {
            auto *st = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, len, &error);
            if (!st)
                return -1;
            zip_stat_init(st);
            st->size = zip_uint64_t(size);
            st->mtime = time_t(checked.modifiedNs / 1000000000);
            st->valid |= ZIP_STAT_SIZE | ZIP_STAT_MTIME;
            return sizeof(zip_stat_t);
        }
        case ZIP_SOURCE_OPEN:
            if (!file.openRead(QFile::encodeName(path)))
                return unreadable(file.error());
            if (file.stamp() != checked)
                return changed();
            pos = 0;
            windowLen = 0;
            // An empty file has no last byte to check after.
            if (size == 0 && file.currentStamp() != checked)
                return changed();
            return 0;
        case ZIP_SOURCE_READ:
            return read(static_cast<char *>(data), qint64(len));
        case ZIP_SOURCE_CLOSE:
            file.close();
            // libzip frees its sources only at the end of the save: assigning
            // {} would keep the capacity, a copy of every medium in memory.
            std::vector<char>().swap(window);
            return 0;
        case ZIP_SOURCE_ERROR:
            return zip_error_to_data(&error, data, len);
        case ZIP_SOURCE_FREE:
            zip_error_fini(&error);
            delete this;
            return 0;
        default:
            zip_error_set(&error, ZIP_ER_OPNOTSUPP, 0);
            return -1;
        }
    }
};

zip_int64_t mediaCallback(void *userdata, void *data, zip_uint64_t len, zip_source_cmd_t cmd)
{
    return static_cast<MediaSource *>(userdata)->dispatch(data, len, cmd);
}

} // namespace

QString mediaChangedCause(const QString &path)
{
    return CoreText::tr("the media file %1 changed while the package was being saved")
        .arg(quoted(path));
}

zip_source_t *mediaSource(zip_t *archive, const QString &path, const Platform::FileStamp &checked,
                          QString *fault)
{
    auto *media = new MediaSource;
    media->path = path;
    media->checked = checked;
    media->size = checked.size;
    media->fault = fault;
    zip_error_init(&media->error);
    zip_source_t *source = zip_source_function(archive, mediaCallback, media);
    if (!source) {
        zip_error_fini(&media->error);
        delete media;
    }
    return source;
}
