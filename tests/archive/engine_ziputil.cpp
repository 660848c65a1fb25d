#include "engine_ziputil.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <zip.h>

#include <sys/stat.h>

namespace EngineZip {

Contents contents(const QString &archive)
{
    int code = 0;
    zip_t *za = zip_open(QFile::encodeName(archive).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!za) {
        qWarning() << archive << "cannot be opened: libzip error" << code;
        return {};
    }
    Contents out;
    const zip_int64_t count = zip_get_num_entries(za, 0);
    for (zip_uint64_t i = 0; i < static_cast<zip_uint64_t>(count); ++i) {
        zip_stat_t st;
        zip_file_t *file = zip_stat_index(za, i, 0, &st) == 0 ? zip_fopen_index(za, i, 0) : nullptr;
        QByteArray data(file ? static_cast<int>(st.size) : 0, Qt::Uninitialized);
        char extra;
        if (!file || zip_fread(file, data.data(), st.size) != static_cast<zip_int64_t>(st.size) ||
            zip_fread(file, &extra, 1) != 0) {
            qWarning() << archive << "entry" << i << "cannot be read";
            out.clear();
            if (file)
                zip_fclose(file);
            break;
        }
        zip_fclose(file);
        out.insert(QByteArray(zip_get_name(za, i, ZIP_FL_ENC_RAW)), data);
    }
    zip_discard(za);
    return out;
}

bool writeArchive(const QString &archive, const Contents &entries)
{
    int code = 0;
    zip_t *za = zip_open(QFile::encodeName(archive).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!za)
        return false;
    for (auto it = entries.constBegin(); it != entries.constEnd(); ++it) {
        zip_source_t *source = zip_source_buffer(za, it.value().constData(),
                                                 static_cast<zip_uint64_t>(it.value().size()), 0);
        if (!source || zip_file_add(za, it.key().constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            zip_discard(za);
            return false;
        }
    }
    if (zip_close(za) != 0) {
        zip_discard(za);
        return false;
    }
    return true;
}

QByteArray fileBytes(const QString &path)
{
    // Opening a FIFO to read would wait for a writer.
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                      : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &c : bytes)
        c = static_cast<char>(generator.bounded(256));
    return bytes;
}

bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

QStringList listing(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace EngineZip
