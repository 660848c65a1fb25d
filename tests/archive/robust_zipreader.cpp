#include "robust_zipreader.h"

#include <QFile>

#include <zip.h>

QMap<QString, QByteArray> robustReadArchive(const QString &path, QString *why)
{
    int code = 0;
    zip_t *archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!archive) {
        *why = QStringLiteral("zip_open failed with code %1").arg(code);
        return {};
    }
    QMap<QString, QByteArray> contents;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_file_t *file = nullptr;
        if (zip_stat_index(archive, zip_uint64_t(i), 0, &stat) != 0 ||
            !(file = zip_fopen_index(archive, zip_uint64_t(i), 0))) {
            *why = QString::fromUtf8(zip_strerror(archive));
            zip_discard(archive);
            return {};
        }
        QByteArray bytes(int(stat.size), Qt::Uninitialized);
        const zip_int64_t got = zip_fread(file, bytes.data(), stat.size);
        char probe;
        // Reading past the end is what makes libzip compare the CRC.
        const bool sound = got == zip_int64_t(stat.size) && zip_fread(file, &probe, 1) == 0;
        zip_fclose(file);
        if (!sound) {
            *why = QStringLiteral("entry %1 does not read back").arg(QString::fromUtf8(stat.name));
            zip_discard(archive);
            return {};
        }
        contents.insert(QString::fromUtf8(stat.name), bytes);
    }
    zip_discard(archive);
    return contents;
}
