#include "archive/packagearchive.h"

#include "app/logging.h"
#include "archive/packagefile.h"
#include "archive/packagelayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>

#include <zip.h>
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString documentName = QStringLiteral("json.txt");
constexpr int maxLinkHops = 40;

QString tr(const char *text)
{
    return QCoreApplication::translate("PackageArchive", text);
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString quoted(const QString &path)
{
    return tr("“%1”").arg(QDir::toNativeSeparators(path));
}

struct ZipDiscard
{
    void operator()(zip_t *archive) const { zip_discard(archive); }
};
using ZipHandle = std::unique_ptr<zip_t, ZipDiscard>;

QString zipCause(zip_error_t *error)
{
    switch (zip_error_code_zip(error)) {
    case ZIP_ER_NOZIP:
        return tr("it is not a zip archive");
    case ZIP_ER_INCONS:
        return tr("the archive is damaged");
    case ZIP_ER_CRC:
        return tr("the archive is damaged (checksum mismatch)");
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD:
    case ZIP_ER_ENCRNOTSUPP:
        return tr("the entry is encrypted");
    case ZIP_ER_COMPNOTSUPP:
        return tr("the entry uses an unsupported compression method");
    default:
        return QString::fromUtf8(zip_error_strerror(error));
    }
}

QString zipCause(zip_t *archive)
{
    return zipCause(zip_get_error(archive));
}

QString zipCause(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString cause = zipCause(&error);
    zip_error_fini(&error);
    return cause;
}

// The mode a new file gets; reading the mask through umask() would race other threads.
mode_t newFileMode()
{
    mode_t mask = 022;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> lines = status.readAll().split('\n');
        for (const QByteArray &line : lines) {
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const uint value = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok)
                    mask = static_cast<mode_t>(value);
            }
        }
    }
    return 0666 & ~mask;
}

QString bareName(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

// Why the file at path cannot go into a package, or empty if it can.
QString mediaFault(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat sb;
    if (::stat(native.constData(), &sb) != 0) {
        const int error = errno;
        if (error == ENOENT)
            return tr("the media file %1 is missing").arg(quoted(path));
        return tr("cannot read the media file %1: %2").arg(quoted(path), systemError(error));
    }
    if (!S_ISREG(sb.st_mode))
        return tr("the media file %1 is not a regular file").arg(quoted(path));
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        const int error = errno;
        return tr("cannot read the media file %1: %2").arg(quoted(path), systemError(error));
    }
    ::close(fd);
    if (bareName(path).contains(QLatin1Char('\\')))
        return tr("the name of the media file %1 cannot be stored in a package").arg(quoted(path));
    return {};
}

// Gathers every file under dir, descending into real subfolders only.
QString collectFiles(const QString &dir, QStringList *files)
{
    // An unreadable folder lists as empty: its files would be dropped unnoticed.
    const QFileInfo info(dir);
    if (!info.isReadable() || !info.isExecutable())
        return tr("cannot read the folder %1").arg(quoted(dir));
    const QFileInfoList entries = QDir(dir).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QString path = entry.absoluteFilePath();
        if (entry.isDir() && !entry.isSymLink()) {
            const QString fault = collectFiles(path, files);
            if (!fault.isEmpty())
                return fault;
            continue;
        }
        const QString fault = mediaFault(path);
        if (!fault.isEmpty())
            return fault;
        files->append(path);
    }
    return {};
}

struct ProgressState
{
    const ArchiveProgress *report = nullptr;
    int last = -1;
};

void reportProgress(zip_t *, double done, void *userdata)
{
    auto *state = static_cast<ProgressState *>(userdata);
    const int percent = qBound(0, static_cast<int>(done * 100.0), 100);
    if (percent != state->last) {
        state->last = percent;
        (*state->report)(percent);
    }
}

// Puts the file at path into the archive under its bare name, replacing an entry of that name.
bool addFile(zip_t *archive, const QString &path, QString *cause)
{
    const QByteArray name = bareName(path).toUtf8();
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source =
        zip_source_file_create(QFile::encodeName(path).constData(), 0, -1, &error);
    if (!source) {
        *cause = tr("cannot read the media file %1: %2")
                     .arg(quoted(path), QString::fromUtf8(zip_error_strerror(&error)));
        zip_error_fini(&error);
        return false;
    }
    zip_error_fini(&error);
    zip_int64_t index = zip_name_locate(archive, name.constData(), ZIP_FL_ENC_RAW);
    if (index >= 0) {
        if (zip_file_replace(archive, static_cast<zip_uint64_t>(index), source, 0) != 0) {
            zip_source_free(source);
            *cause = zipCause(archive);
            return false;
        }
    } else {
        index = zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            *cause = zipCause(archive);
            return false;
        }
    }
    // Media are compressed already: deflating them costs time and gains nothing.
    const zip_int32_t method = name == documentName.toUtf8() ? ZIP_CM_DEFLATE : ZIP_CM_STORE;
    if (zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), method, 0) != 0) {
        *cause = zipCause(archive);
        return false;
    }
    return true;
}

// Opens the archive on the package file; on failure the cause is in *cause.
zip_t *openArchive(PackageFile &file, int flags, QString *cause)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_t *archive = file.open(flags, &error);
    if (!archive)
        *cause = file.failure().isEmpty() ? zipCause(&error) : file.failure();
    zip_error_fini(&error);
    return archive;
}

// libzip writes the whole new package inside zip_close, so progress is reported from there.
bool closeArchive(ZipHandle &archive, const PackageFile &file, const ArchiveProgress &progress,
                  QString *cause)
{
    ProgressState state{&progress};
    if (progress)
        zip_register_progress_callback_with_state(archive.get(), 0.01, reportProgress, nullptr,
                                                  &state);
    if (zip_close(archive.get()) != 0) {
        *cause = file.failure().isEmpty() ? zipCause(archive.get()) : file.failure();
        return false;
    }
    archive.release();
    if (progress && state.last != 100)
        progress(100);
    return true;
}

} // namespace

struct PackageArchive::Target
{
    QByteArray path;
    bool exists = false;
    mode_t mode = 0;
};

PackageArchive::PackageArchive(const QString &packagePath) : m_path(packagePath) {}

bool PackageArchive::setReadError(const QString &cause)
{
    m_error = tr("Cannot read %1: %2.").arg(quoted(m_path), cause);
    qCWarning(lcMerovi) << m_error;
    return false;
}

bool PackageArchive::setSaveError(const QString &cause)
{
    m_error = tr("Cannot save %1: %2.").arg(quoted(m_path), cause);
    qCWarning(lcMerovi) << m_error;
    return false;
}

// Follows a chain of links to the file that is really written, so that a
// linked package keeps its link and the new file lands beside the real one.
bool PackageArchive::resolveTarget(Target *target, bool mustExist, bool forWriting)
{
    const auto fail = [&](const QString &cause) {
        return forWriting ? setSaveError(cause) : setReadError(cause);
    };
    if (m_path.isEmpty())
        return fail(systemError(ENOENT));
    QByteArray path = QFile::encodeName(m_path);
    struct stat sb;
    for (int hop = 0;; ++hop) {
        if (::lstat(path.constData(), &sb) != 0) {
            if (errno != ENOENT || mustExist)
                return fail(systemError(errno));
            break;
        }
        if (!S_ISLNK(sb.st_mode))
            break;
        if (hop == maxLinkHops)
            return fail(systemError(ELOOP));
        std::vector<char> link(static_cast<std::size_t>(qMax<off_t>(sb.st_size, 255)) + 1);
        const ssize_t len = ::readlink(path.constData(), link.data(), link.size());
        if (len < 0 || static_cast<std::size_t>(len) >= link.size())
            return fail(systemError(len < 0 ? errno : ENAMETOOLONG));
        const QByteArray next(link.data(), static_cast<int>(len));
        if (next.startsWith('/'))
            path = next;
        else
            path = path.left(path.lastIndexOf('/') + 1) + next;
    }
    target->path = path;
    target->exists = ::stat(path.constData(), &sb) == 0;
    if (!target->exists)
        return true;
    if (!S_ISREG(sb.st_mode))
        return fail(tr("it is not a regular file"));
    target->mode = sb.st_mode & 07777;
    // Root may write anything; a file nobody may write is still not ours to replace.
    if (forWriting && (::access(path.constData(), W_OK) != 0 || (sb.st_mode & 0222) == 0))
        return fail(tr("the file is read-only"));
    return true;
}

bool PackageArchive::readDocument(QByteArray *document)
{
    m_error.clear();
    Target target;
    if (!resolveTarget(&target, true, false))
        return false;
    qint64 entries = 0;
    const QString fault = checkPackageLayout(target.path, &entries);
    if (!fault.isEmpty())
        return setReadError(fault);

    PackageFile file(target.path, PackageFile::Mode::Update, target.mode);
    QString cause;
    ZipHandle archive(openArchive(file, ZIP_RDONLY | ZIP_CHECKCONS, &cause));
    if (!archive)
        return setReadError(cause);
    if (zip_get_num_entries(archive.get(), 0) != entries)
        return setReadError(tr("the archive is damaged"));

    const zip_int64_t index =
        zip_name_locate(archive.get(), documentName.toUtf8().constData(), ZIP_FL_ENC_RAW);
    if (index < 0)
        return setReadError(tr("it holds no playlist document (json.txt)"));
    zip_stat_t st;
    if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(index), 0, &st) != 0)
        return setReadError(zipCause(archive.get()));
    if ((st.valid & ZIP_STAT_SIZE) == 0 || st.size > static_cast<zip_uint64_t>(maxDocumentSize))
        return setReadError(tr("its playlist document is larger than 16 MiB"));

    zip_file_t *entry = zip_fopen_index(archive.get(), static_cast<zip_uint64_t>(index), 0);
    if (!entry)
        return setReadError(zipCause(archive.get()));
    QByteArray bytes;
    std::vector<char> chunk(64 * 1024);
    uLong crc = crc32(0L, Z_NULL, 0);
    for (;;) {
        const zip_int64_t n = zip_fread(entry, chunk.data(), chunk.size());
        if (n < 0) {
            cause = zipCause(zip_file_get_error(entry));
            break;
        }
        if (n == 0)
            break;
        // The declared size may lie; the cap holds whatever the entry inflates to.
        if (bytes.size() + n > maxDocumentSize) {
            cause = tr("its playlist document is larger than 16 MiB");
            break;
        }
        bytes.append(chunk.data(), static_cast<int>(n));
        crc = crc32(crc, reinterpret_cast<const Bytef *>(chunk.data()), static_cast<uInt>(n));
    }
    zip_fclose(entry);
    if (!cause.isEmpty())
        return setReadError(cause);
    if (static_cast<zip_uint64_t>(bytes.size()) != st.size ||
        ((st.valid & ZIP_STAT_CRC) && crc != st.crc))
        return setReadError(zipCause(ZIP_ER_CRC));
    *document = bytes;
    return true;
}

bool PackageArchive::packDirectory(const QString &dir, const ArchiveProgress &progress)
{
    m_error.clear();
    Target target;
    if (!resolveTarget(&target, false, true))
        return false;
    const QFileInfo dirInfo(dir);
    if (!dirInfo.isDir())
        return setSaveError(tr("the folder %1 is missing").arg(quoted(dir)));

    QStringList files;
    const QString fault = collectFiles(dirInfo.absoluteFilePath(), &files);
    if (!fault.isEmpty())
        return setSaveError(fault);
    QHash<QString, QString> byName;
    for (const QString &path : qAsConst(files)) {
        const QString name = bareName(path);
        const auto found = byName.constFind(name);
        if (found != byName.constEnd())
            return setSaveError(
                tr("%1 and %2 have the same name").arg(quoted(found.value()), quoted(path)));
        byName.insert(name, path);
    }

    PackageFile file(target.path, PackageFile::Mode::Create,
                     target.exists ? target.mode : newFileMode());
    QString cause;
    ZipHandle archive(openArchive(file, ZIP_CREATE | ZIP_TRUNCATE, &cause));
    if (!archive)
        return setSaveError(cause);

    // The document goes last: an update that changes only the document then
    // keeps the whole front of the archive and can clone it.
    std::stable_partition(files.begin(), files.end(),
                          [](const QString &path) { return bareName(path) != documentName; });
    for (const QString &path : qAsConst(files)) {
        if (!addFile(archive.get(), path, &cause))
            return setSaveError(cause);
    }

    if (!closeArchive(archive, file, progress, &cause))
        return setSaveError(cause);
    return true;
}

bool PackageArchive::update(const QStringList &deletions, const QStringList &additions,
                            const ArchiveProgress &progress)
{
    m_error.clear();
    Target target;
    if (!resolveTarget(&target, true, true))
        return false;
    for (const QString &path : additions) {
        const QString fault = mediaFault(path);
        if (!fault.isEmpty())
            return setSaveError(fault);
    }
    qint64 entries = 0;
    const QString fault = checkPackageLayout(target.path, &entries);
    if (!fault.isEmpty())
        return setSaveError(fault);

    PackageFile file(target.path, PackageFile::Mode::Update, target.mode);
    QString cause;
    ZipHandle archive(openArchive(file, ZIP_CHECKCONS, &cause));
    if (!archive)
        return setSaveError(cause);
    // The checks above hold only if libzip reads the same directory.
    if (zip_get_num_entries(archive.get(), 0) != entries)
        return setSaveError(tr("the archive is damaged"));

    for (const QString &stored : deletions) {
        const QString name = stored.startsWith(QLatin1Char('/')) ? stored.mid(1) : stored;
        const zip_int64_t index =
            zip_name_locate(archive.get(), name.toUtf8().constData(), ZIP_FL_ENC_RAW);
        if (index >= 0 && zip_delete(archive.get(), static_cast<zip_uint64_t>(index)) != 0)
            return setSaveError(zipCause(archive.get()));
    }
    // A later file of the same name wins, as if the files were added one by one.
    QHash<QString, int> lastOfName;
    for (int i = 0; i < additions.size(); ++i)
        lastOfName.insert(bareName(additions.at(i)), i);
    for (int i = 0; i < additions.size(); ++i) {
        if (lastOfName.value(bareName(additions.at(i))) != i)
            continue;
        if (!addFile(archive.get(), additions.at(i), &cause))
            return setSaveError(cause);
    }

    if (!closeArchive(archive, file, progress, &cause))
        return setSaveError(cause);
    return true;
}
