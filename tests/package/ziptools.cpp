#include "ziptools.h"

#include <QFile>

#include <zip.h>

bool readZip(const QString &path, ZipEntries *entries, QString *error)
{
    int code = 0;
    zip_t *archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!archive) {
        zip_error_t zipError;
        zip_error_init_with_code(&zipError, code);
        *error = QString::fromUtf8(zip_error_strerror(&zipError));
        zip_error_fini(&zipError);
        return false;
    }
    entries->clear();
    bool ok = true;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count && ok; ++i) {
        zip_stat_t st;
        zip_file_t *file = nullptr;
        if (zip_stat_index(archive, zip_uint64_t(i), 0, &st) != 0 ||
            !(file = zip_fopen_index(archive, zip_uint64_t(i), 0))) {
            ok = false;
            break;
        }
        QByteArray bytes(int(st.size), Qt::Uninitialized);
        if (zip_fread(file, bytes.data(), st.size) != zip_int64_t(st.size))
            ok = false;
        zip_fclose(file);
        entries->insert(QString::fromUtf8(st.name), bytes);
    }
    if (!ok)
        *error = QString::fromUtf8(zip_strerror(archive));
    zip_discard(archive);
    return ok;
}

bool writeZip(const QString &path, const ZipEntries &entries, QString *error)
{
    QFile::remove(path);
    int code = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_EXCL, &code);
    if (!archive) {
        *error = QStringLiteral("zip_open failed with code %1").arg(code);
        return false;
    }
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        // libzip reads the buffer at zip_close; it must outlive this loop, so it is copied.
        void *copy = malloc(size_t(it.value().size()) + 1);
        memcpy(copy, it.value().constData(), size_t(it.value().size()));
        zip_source_t *source = zip_source_buffer(archive, copy, zip_uint64_t(it.value().size()), 1);
        if (!source ||
            zip_file_add(archive, it.key().toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
            if (source)
                zip_source_free(source);
            else
                free(copy);
            *error = QString::fromUtf8(zip_strerror(archive));
            zip_discard(archive);
            return false;
        }
    }
    if (zip_close(archive) != 0) {
        *error = QString::fromUtf8(zip_strerror(archive));
        zip_discard(archive);
        return false;
    }
    return true;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
