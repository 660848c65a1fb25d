#include "archive/packagefile.h"

#include "app/logging.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>

#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// System calls are dear: libzip writes and reads in 8 KiB pieces.
constexpr std::uint64_t bufferSize = 1024 * 1024;
// A read after a seek (a header, the central directory) needs little.
constexpr std::uint64_t seekWindowSize = 64 * 1024;
const QByteArray temporarySuffix = QByteArrayLiteral(".part");
constexpr int temporaryRandomLength = 6;

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

void ignoreFileSizeSignal()
{
    static std::once_flag once;
    // A file-size limit must fail the write with EFBIG, not kill the process
    // and leave the temporary file behind.
    std::call_once(once, [] { std::signal(SIGXFSZ, SIG_IGN); });
}

bool writeAll(int fd, const char *data, std::uint64_t len, std::uint64_t offset)
{
    while (len > 0) {
        const ssize_t n = ::pwrite(fd, data, len, static_cast<off_t>(offset));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        data += n;
        len -= static_cast<std::uint64_t>(n);
        offset += static_cast<std::uint64_t>(n);
    }
    return true;
}

// Copies the front of the old archive into the new one inside the kernel (a
// reflink where the file system has one); plain reads and writes otherwise.
bool copyFront(int from, int to, std::uint64_t len)
{
    loff_t in = 0;
    loff_t out = 0;
    while (static_cast<std::uint64_t>(in) < len) {
        const ssize_t n =
            ::copy_file_range(from, &in, to, &out, len - static_cast<std::uint64_t>(in), 0);
        if (n > 0)
            continue;
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0) {
            errno = EIO;
            return false;
        }
        if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP)
            return false;
        std::vector<char> buffer(bufferSize);
        while (static_cast<std::uint64_t>(in) < len) {
            const std::uint64_t want =
                std::min<std::uint64_t>(bufferSize, len - static_cast<std::uint64_t>(in));
            const ssize_t got = ::pread(from, buffer.data(), want, in);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0) {
                if (got == 0)
                    errno = EIO;
                return false;
            }
            if (!writeAll(to, buffer.data(), static_cast<std::uint64_t>(got),
                          static_cast<std::uint64_t>(in)))
                return false;
            in += got;
        }
    }
    return true;
}

void *closeInBackground(void *fd)
{
    ::close(static_cast<int>(reinterpret_cast<std::intptr_t>(fd)));
    return nullptr;
}

} // namespace

PackageFile::PackageFile(const QByteArray &target, Mode mode, mode_t fileMode)
    : m_target(target), m_mode(mode), m_fileMode(fileMode)
{
    ignoreFileSizeSignal();
    const int slash = m_target.lastIndexOf('/');
    m_folder = slash < 0 ? QByteArrayLiteral("./") : m_target.left(slash + 1);
    m_name = m_target.mid(slash + 1);
    zip_error_init(&m_error);
    m_source = zip_source_function_create(&PackageFile::callback, this, &m_error);
}

PackageFile::~PackageFile()
{
    // The archive holding the source must be gone already; this drops our own reference.
    if (m_source)
        zip_source_free(m_source);
    if (m_readFd >= 0)
        ::close(m_readFd);
    rollbackWrite();
    zip_error_fini(&m_error);
}

zip_t *PackageFile::open(int flags, zip_error_t *error)
{
    if (!m_source) {
        zip_error_set(error, ZIP_ER_MEMORY, 0);
        return nullptr;
    }
    // The archive takes a reference of its own; ours keeps the source alive.
    zip_source_keep(m_source);
    zip_t *archive = zip_open_from_source(m_source, flags, error);
    if (!archive)
        zip_source_free(m_source);
    return archive;
}

bool PackageFile::isTemporaryName(const QByteArray &fileName, const QByteArray &name)
{
    const QByteArray prefix = '.' + name + '.';
    if (fileName.size() != prefix.size() + temporaryRandomLength + temporarySuffix.size())
        return false;
    if (!fileName.startsWith(prefix) || !fileName.endsWith(temporarySuffix))
        return false;
    for (int i = prefix.size(); i < prefix.size() + temporaryRandomLength; ++i) {
        const char c = fileName.at(i);
        const bool alnum =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!alnum)
            return false;
    }
    return true;
}

zip_int64_t PackageFile::callback(void *userdata, void *data, zip_uint64_t len,
                                  zip_source_cmd_t cmd)
{
    return static_cast<PackageFile *>(userdata)->dispatch(data, len, cmd);
}

bool PackageFile::fail(int zipError, int error, bool explain)
{
    zip_error_set(&m_error, zipError, error);
    if (explain)
        m_failure = systemError(error);
    return false;
}

zip_int64_t PackageFile::dispatch(void *data, zip_uint64_t len, zip_source_cmd_t cmd)
{
    switch (cmd) {
    case ZIP_SOURCE_SUPPORTS: {
        zip_int64_t supported =
            ZIP_SOURCE_SUPPORTS_WRITABLE | ZIP_SOURCE_MAKE_COMMAND_BITMASK(ZIP_SOURCE_ACCEPT_EMPTY);
        if (m_mode == Mode::Update)
            supported |= ZIP_SOURCE_MAKE_COMMAND_BITMASK(ZIP_SOURCE_BEGIN_WRITE_CLONING);
        return supported;
    }
    case ZIP_SOURCE_ACCEPT_EMPTY:
        return 0;
    case ZIP_SOURCE_STAT: {
        auto *st = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, len, &m_error);
        if (!st)
            return -1;
        return statTarget(st) ? static_cast<zip_int64_t>(sizeof(zip_stat_t)) : -1;
    }
    case ZIP_SOURCE_OPEN:
        return openRead() ? 0 : -1;
    case ZIP_SOURCE_READ:
        return read(static_cast<char *>(data), len);
    case ZIP_SOURCE_CLOSE:
        if (m_readFd >= 0)
            ::close(m_readFd);
        m_readFd = -1;
        m_windowLen = 0;
        return 0;
    case ZIP_SOURCE_SEEK: {
        const zip_int64_t pos =
            zip_source_seek_compute_offset(m_readPos, m_size, data, len, &m_error);
        if (pos < 0)
            return -1;
        m_readPos = static_cast<std::uint64_t>(pos);
        return 0;
    }
    case ZIP_SOURCE_TELL:
        return static_cast<zip_int64_t>(m_readPos);
    case ZIP_SOURCE_BEGIN_WRITE:
        return beginWrite(0) ? 0 : -1;
    case ZIP_SOURCE_BEGIN_WRITE_CLONING:
        return beginWrite(len) ? 0 : -1;
    case ZIP_SOURCE_WRITE:
        return write(static_cast<const char *>(data), len) ? static_cast<zip_int64_t>(len) : -1;
    case ZIP_SOURCE_SEEK_WRITE: {
        if (!flush())
            return -1;
        const zip_int64_t pos =
            zip_source_seek_compute_offset(m_bufferStart, m_writeEnd, data, len, &m_error);
        if (pos < 0)
            return -1;
        m_bufferStart = static_cast<std::uint64_t>(pos);
        return 0;
    }
    case ZIP_SOURCE_TELL_WRITE:
        return static_cast<zip_int64_t>(m_bufferStart + m_bufferLen);
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
    if (m_mode == Mode::Create) {
        // libzip takes a read error with ENOENT as "no archive yet".
        return fail(ZIP_ER_READ, ENOENT, false);
    }
    struct stat sb;
    if (::stat(m_target.constData(), &sb) != 0)
        return fail(ZIP_ER_READ, errno, true);
    if (!S_ISREG(sb.st_mode))
        return fail(ZIP_ER_READ, EINVAL, false);
    st->size = static_cast<zip_uint64_t>(sb.st_size);
    st->mtime = sb.st_mtime;
    st->valid |= ZIP_STAT_SIZE | ZIP_STAT_MTIME;
    return true;
}

bool PackageFile::openRead()
{
    if (m_mode == Mode::Create)
        return fail(ZIP_ER_OPEN, ENOENT, false);
    // Non-blocking, so that a FIFO put in the package's place cannot hang us.
    const int fd = ::open(m_target.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return fail(ZIP_ER_OPEN, errno, true);
    struct stat sb;
    if (::fstat(fd, &sb) != 0 || !S_ISREG(sb.st_mode)) {
        ::close(fd);
        return fail(ZIP_ER_OPEN, EINVAL, false);
    }
    m_readFd = fd;
    m_size = static_cast<std::uint64_t>(sb.st_size);
    m_readPos = 0;
    m_windowLen = 0;
    return true;
}

zip_int64_t PackageFile::read(char *data, zip_uint64_t len)
{
    if (m_readFd < 0) {
        fail(ZIP_ER_INTERNAL, 0, false);
        return -1;
    }
    std::uint64_t done = 0;
    while (done < len && m_readPos < m_size) {
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
        ssize_t got;
        do {
            got = ::pread(m_readFd, m_window.data(), want, static_cast<off_t>(m_readPos));
        } while (got < 0 && errno == EINTR);
        if (got < 0) {
            fail(ZIP_ER_READ, errno, true);
            return -1;
        }
        if (got == 0)
            break;
        m_windowStart = m_readPos;
        m_windowLen = static_cast<std::uint64_t>(got);
    }
    return static_cast<zip_int64_t>(done);
}

void PackageFile::removeLeftovers()
{
    DIR *dir = ::opendir(m_folder.constData());
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray fileName(entry->d_name);
        if (!isTemporaryName(fileName, m_name))
            continue;
        const QByteArray path = m_folder + fileName;
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        struct stat sb;
        // A save still running holds its lock; only the dead leave files unlocked.
        if (::fstat(fd, &sb) == 0 && S_ISREG(sb.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            if (::unlink(path.constData()) == 0)
                qCWarning(lcMerovi)
                    << "Removed the leftover of an interrupted save:" << QFile::decodeName(path);
        }
        ::close(fd);
    }
    ::closedir(dir);
}

bool PackageFile::beginWrite(std::uint64_t keep)
{
    rollbackWrite();
    m_failure.clear();
    removeLeftovers();
    // Another save of the same package may take the new file for a leftover
    // before it is locked and remove it: then the name leads elsewhere, and a
    // fresh file is made.
    for (int attempt = 0; m_writeFd < 0; ++attempt) {
        QByteArray pattern = m_folder + '.' + m_name + '.' +
                             QByteArray(temporaryRandomLength, 'X') + temporarySuffix;
        const int fd = ::mkostemps(pattern.data(), temporarySuffix.size(), O_CLOEXEC);
        if (fd < 0)
            return fail(ZIP_ER_TMPOPEN, errno, true);
        // Without locks (some network file systems) the save goes on unguarded.
        ::flock(fd, LOCK_EX);
        struct stat opened;
        struct stat named;
        if (::fstat(fd, &opened) == 0 && ::stat(pattern.constData(), &named) == 0 &&
            opened.st_dev == named.st_dev && opened.st_ino == named.st_ino) {
            m_writeFd = fd;
            m_tempPath = pattern;
            break;
        }
        ::close(fd);
        if (attempt == 10)
            return fail(ZIP_ER_TMPOPEN, EAGAIN, true);
    }
    m_oldFd = ::open(m_target.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    m_bufferStart = 0;
    m_bufferLen = 0;
    m_writeEnd = 0;
    if (keep > 0) {
        if (m_readFd < 0 || keep > m_size)
            return fail(ZIP_ER_INTERNAL, 0, false);
        if (!copyFront(m_readFd, m_writeFd, keep)) {
            const int error = errno;
            rollbackWrite();
            return fail(ZIP_ER_WRITE, error, true);
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
    if (!writeAll(m_writeFd, m_buffer.data(), m_bufferLen, m_bufferStart))
        return fail(ZIP_ER_WRITE, errno, true);
    m_bufferStart += m_bufferLen;
    m_bufferLen = 0;
    return true;
}

bool PackageFile::write(const char *data, std::uint64_t len)
{
    if (m_writeFd < 0)
        return fail(ZIP_ER_INTERNAL, 0, false);
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
    if (m_writeFd < 0)
        return fail(ZIP_ER_INTERNAL, 0, false);
    int error = 0;
    if (!flush())
        error = zip_error_code_system(&m_error);
    else if (::ftruncate(m_writeFd, static_cast<off_t>(m_writeEnd)) != 0)
        error = errno;
    // FAT sticks take their modes from the mount and refuse others; the mode
    // is a courtesy, the bytes are what count.
    if (error == 0 && ::fchmod(m_writeFd, m_fileMode) != 0)
        qCWarning(lcMerovi) << "Cannot set the mode of" << QFile::decodeName(m_tempPath) << ':'
                            << systemError(errno);
    // The data must be on the disk before the name points at it.
    if (error == 0 && ::fsync(m_writeFd) != 0)
        error = errno;
    if (error == 0 && ::rename(m_tempPath.constData(), m_target.constData()) != 0)
        error = errno;
    if (error != 0) {
        rollbackWrite();
        return fail(ZIP_ER_WRITE, error, true);
    }
    ::close(m_writeFd);
    m_writeFd = -1;
    m_tempPath.clear();
    releaseOldPackage();
    const int dirFd = ::open(m_folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0 || ::fsync(dirFd) != 0) {
        // Some file systems cannot sync a folder; the rename itself has happened.
        if (errno != EINVAL && errno != ENOTSUP) {
            error = errno;
            if (dirFd >= 0)
                ::close(dirFd);
            return fail(ZIP_ER_WRITE, error, true);
        }
    }
    if (dirFd >= 0)
        ::close(dirFd);
    return true;
}

// Freeing the blocks of a large replaced package takes a noticeable time on
// some file systems (ext4 with discard: 0.15 s for 600 MB); the last reference
// is dropped off the saving thread, once the new package is in place.
void PackageFile::releaseOldPackage()
{
    if (m_oldFd < 0)
        return;
    void *fd = reinterpret_cast<void *>(static_cast<std::intptr_t>(m_oldFd));
    m_oldFd = -1;
    pthread_attr_t attr;
    pthread_t thread;
    bool started = false;
    if (pthread_attr_init(&attr) == 0) {
        pthread_attr_setdetachstate(&attr, PTHREAD_CREATE_DETACHED);
        started = pthread_create(&thread, &attr, closeInBackground, fd) == 0;
        pthread_attr_destroy(&attr);
    }
    if (!started)
        closeInBackground(fd);
}

void PackageFile::rollbackWrite()
{
    if (m_oldFd >= 0)
        ::close(m_oldFd);
    m_oldFd = -1;
    if (m_writeFd >= 0)
        ::close(m_writeFd);
    m_writeFd = -1;
    if (!m_tempPath.isEmpty())
        ::unlink(m_tempPath.constData());
    m_tempPath.clear();
    m_bufferLen = 0;
}

bool PackageFile::writeEmptyArchive()
{
    // End of central directory record of an archive with no entries.
    static const char emptyArchive[22] = {'P', 'K', 5, 6};
    return beginWrite(0) && write(emptyArchive, sizeof emptyArchive) && commitWrite();
}
