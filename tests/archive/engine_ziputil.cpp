#include "engine_ziputil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <zip.h>

#include <sys/stat.h>
#include <sys/types.h>

namespace EngineZip {

namespace {

quint32 le(const QByteArray &bytes, int at, int width)
{
    quint32 value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes.at(at + i));
    return value;
}

} // namespace

QVector<Header> headers(const QString &archive)
{
    const QByteArray bytes = fileBytes(archive);
    const int end = bytes.size() - 22;
    if (end < 0 || le(bytes, end, 4) != 0x06054b50)
        return {};
    const int count = static_cast<int>(le(bytes, end + 10, 2));
    int at = static_cast<int>(le(bytes, end + 16, 4));
    QVector<Header> result;
    for (int i = 0; i < count; ++i) {
        if (at + 46 > end || le(bytes, at, 4) != 0x02014b50)
            return {};
        Header header;
        header.flags = static_cast<quint16>(le(bytes, at + 8, 2));
        header.method = static_cast<quint16>(le(bytes, at + 10, 2));
        const int nameLen = static_cast<int>(le(bytes, at + 28, 2));
        header.name = bytes.mid(at + 46, nameLen);
        result.append(header);
        at += 46 + nameLen + static_cast<int>(le(bytes, at + 30, 2)) +
              static_cast<int>(le(bytes, at + 32, 2));
    }
    return result;
}

bool contents(const QString &archive, Contents *out, QString *error)
{
    int code = 0;
    zip_t *za = zip_open(QFile::encodeName(archive).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!za) {
        *error = QStringLiteral("cannot open: libzip error %1").arg(code);
        return false;
    }
    out->clear();
    const zip_int64_t count = zip_get_num_entries(za, 0);
    bool ok = true;
    for (zip_int64_t i = 0; i < count && ok; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        const QByteArray name(zip_get_name(za, index, ZIP_FL_ENC_RAW));
        zip_stat_t st;
        zip_file_t *file = zip_fopen_index(za, index, 0);
        if (zip_stat_index(za, index, 0, &st) != 0 || !file) {
            *error = QStringLiteral("cannot open entry %1").arg(QString::fromUtf8(name));
            ok = false;
            break;
        }
        QByteArray data(static_cast<int>(st.size), Qt::Uninitialized);
        const zip_int64_t got = zip_fread(file, data.data(), st.size);
        char extra;
        if (got != static_cast<zip_int64_t>(st.size) || zip_fread(file, &extra, 1) != 0) {
            *error = QStringLiteral("cannot read entry %1").arg(QString::fromUtf8(name));
            ok = false;
        }
        zip_fclose(file);
        out->insert(name, data);
    }
    zip_discard(za);
    return ok;
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
        const zip_int64_t index =
            source ? zip_file_add(za, it.key().constData(), source, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            zip_source_free(source);
            zip_discard(za);
            return false;
        }
        zip_set_file_compression(za, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
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
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
