#include "ziptools.h"

#include <QFile>

#include <zip.h>

ZipEntries readZip(const QString &path)
{
    int code = 0;
    zip_t *archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        const QString reason = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
        return {{QLatin1String("unreadable: ") + reason, {}}};
    }
    ZipEntries entries;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t st;
        zip_file_t *file = nullptr;
        QByteArray bytes;
        if (zip_stat_index(archive, zip_uint64_t(i), 0, &st) == 0 &&
            (file = zip_fopen_index(archive, zip_uint64_t(i), 0))) {
            bytes.resize(int(st.size));
            if (zip_fread(file, bytes.data(), st.size) != zip_int64_t(st.size))
                bytes = "(unreadable)";
            zip_fclose(file);
        }
        entries.insert(file ? QString::fromUtf8(st.name) : QStringLiteral("(unreadable entry)"),
                       bytes);
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
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
