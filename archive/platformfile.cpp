#include "archive/platformfile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>
#include <set>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace Platform {

namespace {

ReadBackHook readBackHook = nullptr;

StepHook stepHook = nullptr;

// Runs the hook for step; true when the step may go ahead, else errno is set.
bool allowed(Step step, const QByteArray &path)
{
    const int injected = stepHook ? stepHook(step, path) : 0;
    if (injected != 0)
        errno = injected;
    return injected == 0;
}

const QByteArray temporaryPrefix = QByteArrayLiteral(".mrv-");
const QByteArray temporarySuffix = QByteArrayLiteral(".part");
constexpr int temporaryRandomLength = 8;
constexpr int tagDigits = 16;
constexpr int maxLinkHops = 40;
constexpr qint64 copyBufferSize = 1024 * 1024;
constexpr long msdosSuperMagic = 0x4d44;
constexpr qint64 fatMaxFileSize = (qint64(4) << 30) - 1;

FileStamp stampOf(const struct stat &sb)
{
    FileStamp stamp;
    stamp.size = sb.st_size;
    stamp.modifiedNs = qint64(sb.st_mtim.tv_sec) * 1000000000 + sb.st_mtim.tv_nsec;
    stamp.changedNs = qint64(sb.st_ctim.tv_sec) * 1000000000 + sb.st_ctim.tv_nsec;
    return stamp;
}

bool isAlnum(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

} // namespace

void setStepHook(StepHook hook)
{
    stepHook = hook;
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

File::~File()
{
    close();
}

File::File(File &&other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_error(other.m_error), m_size(other.m_size),
      m_modified(other.m_modified), m_stamp(other.m_stamp), m_path(std::move(other.m_path)),
      m_journal(other.m_journal), m_held(other.m_held), m_holds(std::exchange(other.m_holds, false))
{}

File &File::operator=(File &&other) noexcept
{
    if (this != &other) {
        close();
        m_fd = std::exchange(other.m_fd, -1);
        m_error = other.m_error;
        m_size = other.m_size;
        m_modified = other.m_modified;
        m_stamp = other.m_stamp;
        m_path = std::move(other.m_path);
        m_journal = other.m_journal;
        m_held = other.m_held;
        m_holds = std::exchange(other.m_holds, false);
    }
    return *this;
}

bool File::fail(int error)
{
    m_error = error;
    return false;
}

bool File::openRead(const QByteArray &path)
{
    return openRegular(path, O_RDONLY);
}

bool File::openReadWrite(const QByteArray &path)
{
    return openRegular(path, O_RDWR);
}

bool File::openRegular(const QByteArray &path, int access)
{
    close();
    m_path = path;
    const int fd = ::open(path.constData(), access | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fail(errno);
    struct stat sb;
    if (::fstat(fd, &sb) != 0 || !S_ISREG(sb.st_mode)) {
        const int error = errno;
        ::close(fd);
        return fail(S_ISREG(sb.st_mode) ? error : EINVAL);
    }
    m_fd = fd;
    m_size = sb.st_size;
    m_modified = sb.st_mtime;
    m_stamp = stampOf(sb);
    return true;
}

bool File::openOwn(const QByteArray &path, bool writable)
{
    close();
    m_path = path;
    const int fd = ::open(path.constData(),
                          (writable ? O_RDWR : O_RDONLY) | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fail(errno);
    struct stat sb;
    struct stat folder;
    int error = 0;
    if (::fstat(fd, &sb) != 0 || ::stat(folderOf(path).constData(), &folder) != 0)
        error = errno;
    else if (!S_ISREG(sb.st_mode))
        error = EINVAL;
    else if (sb.st_dev != folder.st_dev)
        error = EXDEV;
    if (error != 0) {
        ::close(fd);
        return fail(error);
    }
    m_fd = fd;
    m_size = sb.st_size;
    m_modified = sb.st_mtime;
    m_stamp = stampOf(sb);
    return true;
}

bool File::create(const QByteArray &path)
{
    close();
    m_path = path;
    if (!allowed(Step::JournalWrite, path))
        return fail(errno);
    const int fd =
        ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return fail(errno);
    m_fd = fd;
    m_size = 0;
    m_stamp = {};
    m_journal = true;
    return true;
}

FileStamp File::currentStamp() const
{
    struct stat sb;
    return m_fd >= 0 && ::fstat(m_fd, &sb) == 0 ? stampOf(sb) : FileStamp();
}

bool File::createTemporary(const QByteArray &packagePath)
{
    close();
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const QByteArray folder = folderOf(packagePath);
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray name = temporaryPrefix + packageTag(packagePath) + '-';
        for (int i = 0; i < temporaryRandomLength; ++i)
            name += alphabet[QRandomGenerator::system()->bounded(int(sizeof alphabet - 1))];
        const QByteArray path = folder + name + temporarySuffix;
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return fail(errno);
        }
        // Another save clearing leftovers may take the new file for one before
        // it is locked and remove it: then the name leads elsewhere, and a
        // fresh file is made.
        ::flock(fd, LOCK_EX);
        struct stat opened;
        struct stat named;
        if (::fstat(fd, &opened) == 0 && ::stat(path.constData(), &named) == 0 &&
            opened.st_dev == named.st_dev && opened.st_ino == named.st_ino) {
            m_fd = fd;
            m_path = path;
            m_size = 0;
            return true;
        }
        ::close(fd);
    }
    return fail(EEXIST);
}

PackageIdentity File::identity() const
{
    PackageIdentity id;
    struct stat sb;
    if (m_fd >= 0 && ::fstat(m_fd, &sb) == 0) {
        id.device = sb.st_dev;
        id.inode = sb.st_ino;
        id.size = sb.st_size;
        id.modifiedNs = qint64(sb.st_mtim.tv_sec) * 1000000000 + sb.st_mtim.tv_nsec;
    }
    return id;
}

quint64 File::mountId() const
{
#ifdef STATX_MNT_ID
    struct statx sx;
    if (m_fd >= 0 && ::statx(m_fd, "", AT_EMPTY_PATH, STATX_MNT_ID, &sx) == 0 &&
        (sx.stx_mask & STATX_MNT_ID))
        return sx.stx_mnt_id;
#endif
    return 0;
}

qint64 File::currentSize() const
{
    struct stat sb;
    return m_fd >= 0 && ::fstat(m_fd, &sb) == 0 ? qint64(sb.st_size) : -1;
}

qint64 File::read(char *data, qint64 len, qint64 offset)
{
    if (!allowed(Step::Read, m_path)) {
        m_error = errno;
        return -1;
    }
    qint64 done = 0;
    while (done < len) {
        const ssize_t n = ::pread(m_fd, data + done, size_t(len - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            m_error = errno;
            return -1;
        }
        if (n == 0)
            break;
        done += n;
    }
    if (m_readBack && done > 0 && readBackHook)
        readBackHook(m_path, offset, data, done);
    return done;
}

bool File::write(const char *data, qint64 len, qint64 offset)
{
    if (!allowed(m_journal ? Step::JournalWrite : Step::Write, m_path))
        return fail(errno);
    while (len > 0) {
        const ssize_t n = ::pwrite(m_fd, data, size_t(len), off_t(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fail(n < 0 ? errno : EIO);
        data += n;
        len -= n;
        offset += n;
    }
    return true;
}

bool File::sync()
{
    if (!allowed(m_journal ? Step::JournalSync : Step::SyncFile, m_path) || ::fsync(m_fd) != 0)
        return fail(errno);
    return true;
}

void File::startWriteback(qint64 offset, qint64 len)
{
    ::sync_file_range(m_fd, off_t(offset), off_t(len), SYNC_FILE_RANGE_WRITE);
}

bool File::truncate(qint64 size)
{
    if (!allowed(Step::Truncate, m_path))
        return fail(errno);
    return ::ftruncate(m_fd, off_t(size)) == 0 || fail(errno);
}

bool File::setModified(qint64 modifiedNs)
{
    const struct timespec times[2] = {
        {0, UTIME_OMIT}, {time_t(modifiedNs / 1000000000), long(modifiedNs % 1000000000)}};
    return ::futimens(m_fd, times) == 0 || fail(errno);
}

void File::setMode(mode_t mode)
{
    if (::fchmod(m_fd, mode) != 0)
        qCInfo(lcArchive) << "Cannot set the mode of" << QFile::decodeName(m_path) << ':'
                          << systemError(errno);
}

namespace {

// The files this process holds exclusive locks on. A lock of another
// descriptor of the same process blocks like anyone else's, so a reader or a
// recovery in this process asks here first instead of waiting for itself.
std::mutex heldMutex;
std::multiset<std::pair<quint64, quint64>> heldHere;

// flock through the seam, so that a test can take locks away.
int takeLock(int fd, int operation, const QByteArray &path)
{
    if (!allowed(Step::Lock, path))
        return -1;
    return ::flock(fd, operation);
}

// Takes a lock of kind (LOCK_EX or LOCK_SH); when another holds it, waiting
// is told first and then the lock waited for. 0, or the errno it failed with.
int acquire(int fd, int kind, const QByteArray &path, const std::function<void()> &waiting)
{
    int operation = waiting ? kind | LOCK_NB : kind;
    for (;;) {
        if (takeLock(fd, operation, path) == 0)
            return 0;
        if (errno == EINTR)
            continue;
        if (errno == EWOULDBLOCK && (operation & LOCK_NB)) {
            waiting();
            operation = kind;
            continue;
        }
        return errno;
    }
}

} // namespace

bool File::lock(bool *unsupported, const std::function<void()> &waiting)
{
    *unsupported = false;
    const int error = acquire(m_fd, LOCK_EX, m_path, waiting);
    if (error == ENOLCK) {
        *unsupported = true;
        return true;
    }
    if (error != 0)
        return fail(error);
    release();
    const PackageIdentity id = identity();
    const std::lock_guard<std::mutex> guard(heldMutex);
    m_held = {id.device, id.inode};
    heldHere.insert(m_held);
    m_holds = true;
    return true;
}

void File::release()
{
    if (!m_holds)
        return;
    const std::lock_guard<std::mutex> guard(heldMutex);
    const auto it = heldHere.find(m_held);
    if (it != heldHere.end())
        heldHere.erase(it);
    m_holds = false;
}

bool File::lockedHere() const
{
    const PackageIdentity id = identity();
    const std::lock_guard<std::mutex> guard(heldMutex);
    return !m_holds && heldHere.count({id.device, id.inode}) > 0;
}

bool File::lockShared(bool *unsupported, const std::function<void()> &waiting)
{
    *unsupported = false;
    // This program's own update: it does not wait for itself.
    if (lockedHere())
        return true;
    const int error = acquire(m_fd, LOCK_SH, m_path, waiting);
    if (error == ENOLCK) {
        *unsupported = true;
        return true;
    }
    return error == 0 || fail(error);
}

void File::unlock()
{
    if (m_fd >= 0)
        ::flock(m_fd, LOCK_UN);
    release();
}

void File::close()
{
    release();
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_journal = false;
}

void File::closeInBackground()
{
    if (m_fd < 0)
        return;
    release();
    const int fd = std::exchange(m_fd, -1);
    try {
        std::thread([fd] { ::close(fd); }).detach();
    } catch (const std::system_error &) {
        ::close(fd);
    }
}

bool copyRange(File &from, File &to, qint64 len, int *error)
{
    return copyRange(from, 0, to, 0, len, error);
}

bool copyRange(File &from, qint64 fromOffset, File &to, qint64 toOffset, qint64 len, int *error)
{
    if (!allowed(Step::Write, to.m_path)) {
        *error = errno;
        return false;
    }
    loff_t in = fromOffset;
    loff_t out = toOffset;
    const loff_t end = fromOffset + len;
    // Unsupported across file systems and on some drivers: then plain reads and writes.
    while (in < end) {
        const ssize_t n = ::copy_file_range(from.m_fd, &in, to.m_fd, &out, size_t(end - in), 0);
        if (n > 0 || (n < 0 && errno == EINTR))
            continue;
        if (n == 0 ||
            (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP)) {
            *error = n == 0 ? EIO : errno;
            return false;
        }
        break;
    }
    std::vector<char> buffer;
    while (in < end) {
        buffer.resize(size_t(copyBufferSize));
        const qint64 got = from.read(buffer.data(), std::min(copyBufferSize, qint64(end - in)), in);
        if (got <= 0 || !to.write(buffer.data(), got, out)) {
            *error = got < 0 ? from.error() : got == 0 ? EIO : to.error();
            return false;
        }
        in += got;
        out += got;
    }
    return true;
}

bool Replacement::begin(const QByteArray &target)
{
    discard();
    m_target = target;
    return m_temporary.createTemporary(target);
}

bool Replacement::commit(mode_t mode, int *error, bool *confirmed)
{
    *confirmed = false;
    m_temporary.setMode(mode);
    // The data must be on the disk before the name points at it.
    if (!m_temporary.sync()) {
        *error = m_temporary.error();
        discard();
        return false;
    }
    if (!allowed(Step::Rename, m_target) ||
        ::rename(m_temporary.path().constData(), m_target.constData()) != 0) {
        *error = errno;
        discard();
        return false;
    }
    int code = 0;
    *confirmed = syncFolder(folderOf(m_target), &code);
    if (!*confirmed)
        qCWarning(lcArchive) << "Cannot sync the folder" << QFile::decodeName(folderOf(m_target))
                             << ':' << systemError(code);
    // Renamed: the name is the target's now, and nothing may remove it.
    m_temporary.close();
    return true;
}

void Replacement::discard()
{
    if (!m_temporary.isOpen())
        return;
    // Unlinked while still locked, so that no other save takes it for a leftover in between.
    ::unlink(m_temporary.path().constData());
    m_temporary.close();
}

bool resolveLinks(const QByteArray &path, QByteArray *target, int *error)
{
    QByteArray current = path;
    struct stat sb;
    for (int hop = 0; hop <= maxLinkHops; ++hop) {
        if (::lstat(current.constData(), &sb) != 0) {
            if (errno != ENOENT) {
                *error = errno;
                return false;
            }
            // A new package lands where the last link points.
            *target = current;
            return true;
        }
        if (!S_ISLNK(sb.st_mode)) {
            *target = current;
            return true;
        }
        std::vector<char> link(size_t(std::max<off_t>(sb.st_size, 255)) + 1);
        const ssize_t len = ::readlink(current.constData(), link.data(), link.size());
        if (len < 0 || size_t(len) >= link.size()) {
            *error = len < 0 ? errno : ENAMETOOLONG;
            return false;
        }
        const QByteArray next(link.data(), int(len));
        current = next.startsWith('/') ? next : folderOf(current) + next;
    }
    *error = ELOOP;
    return false;
}

bool fileKind(const QByteArray &path, Kind *kind, mode_t *mode, int *error)
{
    struct stat sb;
    if (::stat(path.constData(), &sb) != 0) {
        *kind = Kind::Missing;
        *error = errno;
        return errno == ENOENT;
    }
    *kind = S_ISREG(sb.st_mode) ? Kind::Regular : Kind::Other;
    *mode = sb.st_mode & 07777;
    return true;
}

int writeAccess(const QByteArray &path)
{
    if (::access(path.constData(), W_OK) != 0)
        return errno;
    // Root may write anything; a file nobody may write is still not ours to replace.
    struct stat sb;
    if (::stat(path.constData(), &sb) == 0 && S_ISREG(sb.st_mode) && (sb.st_mode & 0222) == 0)
        return EACCES;
    return 0;
}

PackageIdentity identity(const QByteArray &path)
{
    File file;
    return file.openRead(path) ? file.identity() : PackageIdentity();
}

DestinationSpace destinationSpace(const QByteArray &folder)
{
    DestinationSpace space;
    space.folder =
        QFile::decodeName(folder.size() > 1 && folder.endsWith('/') ? folder.chopped(1) : folder);
    struct statvfs vfs;
    // Some FUSE file systems report no blocks at all: their free space is unknown, not nil.
    if (::statvfs(folder.constData(), &vfs) == 0 && vfs.f_blocks > 0)
        space.freeBytes = qint64(vfs.f_bavail) * qint64(vfs.f_frsize);
    struct statfs fs;
    // FAT through FUSE reports FUSE's magic number; its mount still names the type.
    if ((::statfs(folder.constData(), &fs) == 0 && fs.f_type == msdosSuperMagic) ||
        isFatType(fileSystemType(folder)))
        space.maxFileSize = fatMaxFileSize;
    return space;
}

mode_t newFileMode()
{
    // Reading the mask through umask() would race other threads.
    mode_t mask = 022;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> lines = status.readAll().split('\n');
        for (const QByteArray &line : lines) {
            bool ok = false;
            const uint value = line.startsWith("Umask:") ? line.mid(6).trimmed().toUInt(&ok, 8) : 0;
            if (ok)
                mask = mode_t(value);
        }
    }
    return 0666 & ~mask;
}

void ignoreFileSizeSignal()
{
    static std::once_flag once;
    std::call_once(once, [] { std::signal(SIGXFSZ, SIG_IGN); });
}

QByteArray packageTag(const QByteArray &packagePath)
{
    const QByteArray name = packagePath.mid(packagePath.lastIndexOf('/') + 1);
    return QCryptographicHash::hash(name, QCryptographicHash::Sha256).toHex().left(tagDigits);
}

bool isTemporaryName(const QByteArray &fileName, const QByteArray &tag)
{
    const QByteArray start = temporaryPrefix + tag + '-';
    const int randomEnd = start.size() + temporaryRandomLength;
    if (tag.size() != tagDigits || fileName.size() != randomEnd + temporarySuffix.size() ||
        !fileName.startsWith(start) || !fileName.endsWith(temporarySuffix))
        return false;
    return std::all_of(fileName.constBegin() + start.size(), fileName.constBegin() + randomEnd,
                       isAlnum);
}

QList<QByteArray> removeLeftovers(const QByteArray &packagePath)
{
    QList<QByteArray> removed;
    const QByteArray folder = folderOf(packagePath);
    const QByteArray tag = packageTag(packagePath);
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return removed;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!isTemporaryName(name, tag))
            continue;
        const int fd = ::openat(::dirfd(dir), name.constData(),
                                O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        struct stat sb;
        // A running save holds its lock; only the dead leave files unlocked.
        if (::fstat(fd, &sb) == 0 && S_ISREG(sb.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::unlinkat(::dirfd(dir), name.constData(), 0) == 0) {
            qCInfo(lcArchive) << "Removed the leftover of an interrupted save:"
                              << QFile::decodeName(folder + name);
            removed.append(name);
        }
        ::close(fd);
    }
    ::closedir(dir);
    return removed;
}

QList<QByteArray> filesIn(const QByteArray &folder, bool (*matches)(const QByteArray &name))
{
    QList<QByteArray> names;
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (matches(name))
            names.append(name);
    }
    ::closedir(dir);
    return names;
}

bool removeFile(const QByteArray &path, Step step, int *error)
{
    if (!allowed(step, path) || ::unlink(path.constData()) != 0) {
        *error = errno;
        return false;
    }
    return true;
}

bool syncFolder(const QByteArray &folder, int *error)
{
    const int fd = allowed(Step::OpenFolder, folder)
                       ? ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)
                       : -1;
    if (fd < 0) {
        *error = errno;
        return false;
    }
    bool synced = allowed(Step::SyncFolder, folder) && ::fsync(fd) == 0;
    // Some file systems cannot sync a folder at all; their names last as they are.
    if (!synced && (errno == EINVAL || errno == ENOTSUP))
        synced = true;
    *error = synced ? 0 : errno;
    ::close(fd);
    return synced;
}

bool isMissing(int error)
{
    return error == ENOENT;
}

bool isNotRegular(int error)
{
    return error == EINVAL;
}

bool cannotLock(int error)
{
    return error == ENOLCK;
}

bool isLink(int error)
{
    return error == ELOOP;
}

bool isOtherDrive(int error)
{
    return error == EXDEV;
}

namespace {

// The fields of a mountinfo line after its optional fields: type and source.
bool splitMountLine(const QByteArray &line, QByteArray *device, QByteArray *type,
                    QByteArray *source)
{
    const QList<QByteArray> fields = line.split(' ');
    const int dash = fields.indexOf(QByteArrayLiteral("-"));
    if (fields.size() < 3 || dash < 6 || dash + 2 >= fields.size())
        return false;
    *device = fields.at(2);
    *type = fields.at(dash + 1);
    *source = fields.at(dash + 2);
    return true;
}

} // namespace

QString mountInfoType(const QByteArray &mountInfo, quint32 major, quint32 minor, QByteArray *source)
{
    const QByteArray wanted = QByteArray::number(major) + ':' + QByteArray::number(minor);
    QString found;
    const QList<QByteArray> lines = mountInfo.split('\n');
    for (const QByteArray &line : lines) {
        QByteArray device;
        QByteArray type;
        QByteArray from;
        // The last mount of a device is the one that paths reach.
        if (splitMountLine(line, &device, &type, &from) && device == wanted) {
            found = QString::fromUtf8(type);
            if (source)
                *source = from;
        }
    }
    return found;
}

QString bootSectorType(const QByteArray &sector)
{
    if (sector.size() < 90)
        return {};
    if (sector.mid(3, 8) == "EXFAT   ")
        return QStringLiteral("exfat");
    if (sector.mid(3, 8) == "NTFS    ")
        return QStringLiteral("ntfs");
    if (sector.mid(82, 5) == "FAT32" || sector.mid(54, 4) == "FAT1")
        return QStringLiteral("vfat");
    return {};
}

QString fileSystemType(const QByteArray &path)
{
    struct stat sb;
    if (::stat(path.constData(), &sb) != 0)
        return {};
    QFile file(QStringLiteral("/proc/self/mountinfo"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray source;
    const QString type = mountInfoType(file.readAll(), major(sb.st_dev), minor(sb.st_dev), &source);
    if (type != QLatin1String("fuseblk") || !source.startsWith("/dev/"))
        return type;
    // A FUSE driver on a block device does not say which file system it reads;
    // the device's first sector does, where we may read it.
    const int fd = ::open(source.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return type;
    QByteArray sector(512, '\0');
    const ssize_t n = ::pread(fd, sector.data(), size_t(sector.size()), 0);
    ::close(fd);
    const QString named = n == sector.size() ? bootSectorType(sector) : QString();
    return named.isEmpty() ? type : named;
}

bool isFatType(const QString &type)
{
    static const QStringList fat = {QStringLiteral("vfat"),      QStringLiteral("msdos"),
                                    QStringLiteral("fat"),       QStringLiteral("fuse.fusefat"),
                                    QStringLiteral("fuse.vfat"), QStringLiteral("fusefat")};
    return fat.contains(type);
}

bool ignoresLetterCase(const QString &type)
{
    return isFatType(type) || type == QLatin1String("exfat") || type == QLatin1String("fuse.exfat");
}

bool dropCachedPages(const QByteArray &path, int *error)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *error = errno;
        return false;
    }
    // Dirty pages cannot be dropped: they go to the drive first.
    if (::fdatasync(fd) != 0) {
        *error = errno;
        ::close(fd);
        return false;
    }
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
    return true;
}

void setReadBackHook(ReadBackHook hook)
{
    readBackHook = hook;
}

} // namespace Platform
