#include "ziptools.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <zip.h>

namespace {

ZipEntries refuse(zip_t *archive, const QString &reason, QString *why)
{
    if (archive)
        zip_discard(archive);
    if (why)
        *why = reason;
    else
        qWarning("%s", qPrintable(reason));
    return {};
}

} // namespace

ZipEntries readZip(const QString &path, QString *why)
{
    int code = 0;
    zip_t *archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        const QString reason = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
        return refuse(nullptr, path + QStringLiteral(": ") + reason, why);
    }
    ZipEntries entries;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t st;
        zip_file_t *file = nullptr;
        if (zip_stat_index(archive, zip_uint64_t(i), 0, &st) != 0 ||
            !(file = zip_fopen_index(archive, zip_uint64_t(i), 0)))
            return refuse(archive,
                          path + QStringLiteral(": ") + QString::fromUtf8(zip_strerror(archive)),
                          why);
        QByteArray bytes(int(st.size), Qt::Uninitialized);
        char probe;
        // Reading past the end is what makes libzip compare the CRC.
        const bool sound = zip_fread(file, bytes.data(), st.size) == zip_int64_t(st.size) &&
                           zip_fread(file, &probe, 1) == 0;
        zip_fclose(file);
        const QString name = QString::fromUtf8(st.name);
        if (!sound)
            return refuse(archive,
                          path + QStringLiteral(": entry ") + name +
                              QStringLiteral(" does not read back"),
                          why);
        entries.insert(name, bytes);
    }
    zip_discard(archive);
    return entries;
}

bool writeZip(const QString &path, const ZipEntries &entries)
{
    QFile::remove(path);
    int code = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_EXCL, &code);
    if (!archive) {
        qWarning("zip_open of %s failed with code %d", qPrintable(path), code);
        return false;
    }
    // The buffers are read at zip_close, while entries still holds them.
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        zip_source_t *source =
            zip_source_buffer(archive, it.value().constData(), zip_uint64_t(it.value().size()), 0);
        if (!source ||
            zip_file_add(archive, it.key().toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            qWarning("cannot add %s: %s", qPrintable(it.key()), zip_strerror(archive));
            zip_discard(archive);
            return false;
        }
    }
    if (zip_close(archive) != 0) {
        qWarning("cannot write %s: %s", qPrintable(path), zip_strerror(archive));
        zip_discard(archive);
        return false;
    }
    return true;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size() && file.flush();
}
