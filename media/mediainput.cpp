#include "media/mediainput.h"

#include "media/mediaexamine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <zip.h>

namespace {

QString quoted(const QString &path)
{
    return QStringLiteral("“%1”").arg(QDir::toNativeSeparators(path));
}

// The bytes of one entry, read through the package's own handle. Stored
// entries seek directly; compressed ones can only be read forwards, so a seek
// back starts the entry again and a seek ahead reads and drops the bytes between.
class ZipEntryDevice : public QIODevice
{
public:
    ZipEntryDevice(zip_t *archive, zip_uint64_t index, qint64 size, bool stored)
        : m_archive(archive), m_index(index), m_size(size), m_stored(stored)
    {}
    ~ZipEntryDevice() override
    {
        close();
        if (m_file)
            zip_fclose(m_file);
        zip_discard(m_archive);
    }

    bool start()
    {
        m_file = zip_fopen_index(m_archive, m_index, 0);
        m_at = 0;
        return m_file && QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return false; }
    qint64 size() const override { return m_size; }
    bool seek(qint64 pos) override
    {
        if (pos < 0 || pos > m_size || !QIODevice::seek(pos))
            return false;
        if (pos == m_at)
            return true;
        if (m_stored && zip_fseek(m_file, pos, SEEK_SET) == 0) {
            m_at = pos;
            return true;
        }
        if (pos < m_at) {
            zip_fclose(m_file);
            m_file = zip_fopen_index(m_archive, m_index, 0);
            m_at = 0;
            if (!m_file)
                return false;
        }
        char scratch[16384];
        while (m_at < pos) {
            const zip_int64_t got =
                zip_fread(m_file, scratch, zip_uint64_t(qMin<qint64>(sizeof scratch, pos - m_at)));
            if (got <= 0)
                return false;
            m_at += got;
        }
        return true;
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (!m_file)
            return -1; // a restart of the entry failed
        const zip_int64_t got = zip_fread(m_file, data, zip_uint64_t(maxSize));
        if (got < 0) {
            setErrorString(QString::fromUtf8(zip_file_strerror(m_file)));
            return -1;
        }
        m_at += got;
        return got;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    zip_t *m_archive;
    zip_file_t *m_file = nullptr;
    zip_uint64_t m_index;
    qint64 m_size;
    qint64 m_at = 0;
    bool m_stored;
};

MediaInput failed(MediaInfo::Problem problem, const QString &text)
{
    MediaInput input;
    input.problem = problem;
    input.problemText = text;
    return input;
}

MediaInput openFile(const QString &path)
{
    auto file = std::make_unique<QFile>(path);
    if (!QFileInfo::exists(path)) {
        return failed(MediaInfo::Problem::Missing,
                      mediaText("The file %1 does not exist. Add it again from where it is now.")
                          .arg(quoted(path)));
    }
    if (QFileInfo(path).isDir()) {
        return failed(MediaInfo::Problem::Unreadable,
                      mediaText("%1 is a folder, not a file. Add the files in it instead.")
                          .arg(quoted(path)));
    }
    // Opening a FIFO or a device would wait for a writer that never comes.
    if (!QFileInfo(path).isFile()) {
        return failed(
            MediaInfo::Problem::Unreadable,
            mediaText("%1 is not a regular file. Add the media file itself.").arg(quoted(path)));
    }
    if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return failed(MediaInfo::Problem::Unreadable,
                      mediaText("The file %1 cannot be read: %2. Check its permissions.")
                          .arg(quoted(path), file->errorString()));
    }
    MediaInput input;
    input.size = file->size();
    input.device = std::move(file);
    return input;
}

MediaInput openEntry(const QString &package, const QString &entry)
{
    if (QFileInfo::exists(package) && !QFileInfo(package).isFile()) {
        return failed(MediaInfo::Problem::Unreadable,
                      mediaText("%1 is not a regular file, so its media cannot be read.")
                          .arg(quoted(package)));
    }
    int code = 0;
    zip_t *archive = zip_open(QFile::encodeName(package).constData(), ZIP_RDONLY, &code);
    if (!archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        const QString cause = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
        const QString name = MediaSource::packageEntry(package, entry).displayName();
        if (code == ZIP_ER_NOENT) {
            return failed(MediaInfo::Problem::Missing,
                          mediaText("%1 cannot be read: the package does not exist any more. "
                                    "Open it again from where it is now.")
                              .arg(name));
        }
        return failed(MediaInfo::Problem::Unreadable,
                      mediaText("%1 cannot be read: %2.").arg(name, cause));
    }
    const zip_int64_t index = zip_name_locate(archive, entry.toUtf8().constData(), 0);
    zip_stat_t st;
    if (index < 0 || zip_stat_index(archive, zip_uint64_t(index), 0, &st) != 0 ||
        !(st.valid & ZIP_STAT_SIZE)) {
        zip_discard(archive);
        return failed(MediaInfo::Problem::Missing,
                      mediaText("The package %1 lacks the file “%2” its playlist names. Add "
                                "the file again, or remove its row.")
                          .arg(quoted(package), entry));
    }
    const bool stored = (st.valid & ZIP_STAT_COMP_METHOD) && st.comp_method == ZIP_CM_STORE;
    auto device =
        std::make_unique<ZipEntryDevice>(archive, zip_uint64_t(index), qint64(st.size), stored);
    if (!device->start()) {
        return failed(MediaInfo::Problem::Unreadable,
                      mediaText("“%1” in the package %2 cannot be read: %3.")
                          .arg(entry, quoted(package), QString::fromUtf8(zip_strerror(archive))));
    }
    MediaInput input;
    input.size = qint64(st.size);
    input.device = std::move(device);
    return input;
}

} // namespace

MediaInput openMediaInput(const MediaSource &source)
{
    return source.isPackageEntry() ? openEntry(source.path, source.entry) : openFile(source.path);
}
