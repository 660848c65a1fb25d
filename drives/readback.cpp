#include "drives/readback.h"

#include "archive/packagearchive.h"
#include "archive/packagefile.h"
#include "archive/packagelayout.h"
#include "archive/packagetypes.h"
#include "archive/platformfile.h"
#include "jobs/jobcontrol.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSettings>

#include <zip.h>

#include <memory>
#include <vector>

namespace {

constexpr qint64 readChunk = 1024 * 1024;

QString tr(const char *text)
{
    return archiveText(text);
}

// The package as libzip reads it, every byte through the read-back seam.
struct DriveReader
{
    Platform::File file;
    qint64 position = 0;
    qint64 bytesRead = 0;
    int error = 0;
    zip_error_t zipError;
    JobControl *control = nullptr;
    QString currentEntry;

    static zip_int64_t callback(void *userdata, void *data, zip_uint64_t len, zip_source_cmd_t cmd)
    {
        return static_cast<DriveReader *>(userdata)->dispatch(data, len, cmd);
    }

    zip_int64_t dispatch(void *data, zip_uint64_t len, zip_source_cmd_t cmd)
    {
        switch (cmd) {
        case ZIP_SOURCE_OPEN:
            position = 0;
            return 0;
        case ZIP_SOURCE_READ: {
            const qint64 n =
                Platform::readBack(file, static_cast<char *>(data), qint64(len), position);
            if (n < 0) {
                error = file.error();
                zip_error_set(&zipError, ZIP_ER_READ, error);
                return -1;
            }
            position += n;
            bytesRead += n;
            if (control)
                control->report(JobProgress{bytesRead, file.size(), currentEntry, tr("Verifying")});
            return n;
        }
        case ZIP_SOURCE_CLOSE:
            return 0;
        case ZIP_SOURCE_STAT: {
            auto *st = static_cast<zip_stat_t *>(data);
            zip_stat_init(st);
            st->size = zip_uint64_t(file.size());
            st->valid |= ZIP_STAT_SIZE;
            return sizeof(zip_stat_t);
        }
        case ZIP_SOURCE_ERROR:
            return zip_error_to_data(&zipError, data, len);
        case ZIP_SOURCE_SEEK: {
            const zip_int64_t to = zip_source_seek_compute_offset(
                zip_uint64_t(position), zip_uint64_t(file.size()), data, len, &zipError);
            if (to < 0)
                return -1;
            position = to;
            return 0;
        }
        case ZIP_SOURCE_TELL:
            return position;
        case ZIP_SOURCE_FREE:
            return 0;
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(
                ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, ZIP_SOURCE_SEEK, ZIP_SOURCE_TELL,
                ZIP_SOURCE_SUPPORTS, -1);
        default:
            zip_error_set(&zipError, ZIP_ER_OPNOTSUPP, 0);
            return -1;
        }
    }
};

struct ZipDiscard
{
    void operator()(zip_t *archive) const { zip_discard(archive); }
};
struct ZipFileClose
{
    void operator()(zip_file_t *file) const { zip_fclose(file); }
};

ReadBackResult finished(ReadBackResult result, ReadBackResult::Status status, const QString &error,
                        const QElapsedTimer &timer, qint64 bytesRead)
{
    result.status = status;
    result.error = error;
    result.bytesRead = bytesRead;
    result.elapsedMs = timer.elapsed();
    return result;
}

} // namespace

ReadBackResult verifyFromDrive(const QString &path, const QByteArray &expectedDocument,
                               JobControl *control)
{
    QElapsedTimer timer;
    timer.start();
    ReadBackResult result;
    const QString shown = quoted(path);
    const QString different =
        tr("The drive returned other data for %1 than was written (%2): it may be failing, or "
           "smaller than it claims. Do not use it; write the package to another drive.");

    const QByteArray encoded = QFile::encodeName(path);
    int error = 0;
    DriveReader reader;
    reader.control = control;
    zip_error_init(&reader.zipError);
    if (!Platform::dropCachedPages(encoded, &error) || !reader.file.openRead(encoded)) {
        const int cause = error != 0 ? error : reader.file.error();
        return finished(
            result, ReadBackResult::Status::Unreadable,
            tr("Cannot read %1 back from its drive: %2.").arg(shown, Platform::systemError(cause)),
            timer, 0);
    }

    zip_error_t openError;
    zip_error_init(&openError);
    zip_source_t *source = zip_source_function_create(&DriveReader::callback, &reader, &openError);
    std::unique_ptr<zip_t, ZipDiscard> archive(
        source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &openError) : nullptr);
    if (!archive) {
        if (source)
            zip_source_free(source);
        const bool readFailed = reader.error != 0;
        const QString cause = readFailed ? Platform::systemError(reader.error)
                                         : QString::fromUtf8(zip_error_strerror(&openError));
        zip_error_fini(&openError);
        if (readFailed) {
            return finished(result, ReadBackResult::Status::Unreadable,
                            tr("Cannot read %1 back from its drive: %2.").arg(shown, cause), timer,
                            reader.bytesRead);
        }
        return finished(result, ReadBackResult::Status::Mismatch, different.arg(shown, cause),
                        timer, reader.bytesRead);
    }
    zip_error_fini(&openError);

    std::vector<char> buffer(readChunk);
    bool documentSeen = false;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t index = 0; index < count; ++index) {
        if (jobCancelled(control)) {
            return finished(result, ReadBackResult::Status::Cancelled,
                            tr("The check of %1 was cancelled.").arg(shown), timer,
                            reader.bytesRead);
        }
        const QString name = QString::fromUtf8(zip_get_name(archive.get(), zip_uint64_t(index), 0));
        reader.currentEntry = name;
        const bool isDocument = name == documentEntryName() && !expectedDocument.isEmpty();
        documentSeen = documentSeen || isDocument;
        QByteArray document;
        std::unique_ptr<zip_file_t, ZipFileClose> entry(
            zip_fopen_index(archive.get(), zip_uint64_t(index), 0));
        zip_int64_t n = entry ? 0 : -1;
        while (entry && (n = zip_fread(entry.get(), buffer.data(), buffer.size())) > 0) {
            if (isDocument) {
                if (document.size() + n > expectedDocument.size())
                    break;
                document.append(buffer.data(), int(n));
            }
            if (jobCancelled(control))
                break;
        }
        if (n < 0) {
            if (reader.error != 0) {
                return finished(result, ReadBackResult::Status::Unreadable,
                                tr("Cannot read %1 back from its drive: %2.")
                                    .arg(shown, Platform::systemError(reader.error)),
                                timer, reader.bytesRead);
            }
            zip_error_t *entryError =
                entry ? zip_file_get_error(entry.get()) : zip_get_error(archive.get());
            return finished(
                result, ReadBackResult::Status::Mismatch,
                different.arg(shown,
                              tr("entry “%1”: %2")
                                  .arg(name, QString::fromUtf8(zip_error_strerror(entryError)))),
                timer, reader.bytesRead);
        }
        if (isDocument && n >= 0 && !jobCancelled(control) && document != expectedDocument) {
            return finished(result, ReadBackResult::Status::Mismatch,
                            different.arg(shown, tr("its playlist document differs from the one "
                                                    "built")),
                            timer, reader.bytesRead);
        }
    }
    if (jobCancelled(control)) {
        return finished(result, ReadBackResult::Status::Cancelled,
                        tr("The check of %1 was cancelled.").arg(shown), timer, reader.bytesRead);
    }
    if (!expectedDocument.isEmpty() && !documentSeen) {
        return finished(result, ReadBackResult::Status::Mismatch,
                        different.arg(shown, tr("its playlist document is missing")), timer,
                        reader.bytesRead);
    }
    return finished(result, ReadBackResult::Status::Verified, {}, timer, reader.bytesRead);
}

bool readStoredEntries(const QString &path, QVector<StoredEntry> *entries, QString *error)
{
    entries->clear();
    qint64 count = 0;
    QString cause;
    if (!checkPackageLayout(QFile::encodeName(path), &count, &cause)) {
        *error = tr("Cannot read %1: %2.").arg(quoted(path), cause);
        return false;
    }
    int zipError = 0;
    std::unique_ptr<zip_t, ZipDiscard> archive(
        zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &zipError));
    if (!archive) {
        zip_error_t e;
        zip_error_init_with_code(&e, zipError);
        *error =
            tr("Cannot read %1: %2.").arg(quoted(path), QString::fromUtf8(zip_error_strerror(&e)));
        zip_error_fini(&e);
        return false;
    }
    const zip_int64_t n = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t index = 0; index < n; ++index) {
        zip_stat_t st;
        if (zip_stat_index(archive.get(), zip_uint64_t(index), 0, &st) != 0)
            continue;
        entries->append({QString::fromUtf8(st.name), st.crc, qint64(st.size)});
    }
    return true;
}

bool verifyAfterSave()
{
    return QSettings().value(QStringLiteral("drives/verifyAfterSave"), true).toBool();
}

void setVerifyAfterSave(bool on)
{
    QSettings().setValue(QStringLiteral("drives/verifyAfterSave"), on);
}
