#include "tests/common/testkit.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <sys/stat.h>
#include <zip.h>

QByteArray randomBytes(int size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(seed);
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size() && file.flush();
}

bool writeMedia(const QString &path, int size)
{
    return writeBytes(path, randomBytes(size, qHash(path)));
}

bool patchBytes(const QString &path, qint64 offset, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.seek(offset) &&
           file.write(bytes) == bytes.size() && file.flush();
}

ZipEntries readZip(const QString &path, QString *why, QStringList *order)
{
    QString reason;
    ZipEntries entries;
    int code = 0;
    zip_t *archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        reason = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
    }
    for (zip_int64_t i = 0; archive && reason.isEmpty() && i < zip_get_num_entries(archive, 0);
         ++i) {
        zip_stat_t st;
        zip_file_t *file = nullptr;
        if (zip_stat_index(archive, zip_uint64_t(i), 0, &st) != 0 ||
            !(file = zip_fopen_index(archive, zip_uint64_t(i), 0))) {
            reason = QString::fromUtf8(zip_strerror(archive));
            break;
        }
        QByteArray bytes(int(st.size), Qt::Uninitialized);
        char probe;
        // Reading past the end is what makes libzip compare the CRC.
        if (zip_fread(file, bytes.data(), st.size) != zip_int64_t(st.size) ||
            zip_fread(file, &probe, 1) != 0)
            reason = QStringLiteral("entry %1 does not read back").arg(QString::fromUtf8(st.name));
        zip_fclose(file);
        entries.insert(QString::fromUtf8(st.name), bytes);
        if (order)
            order->append(QString::fromUtf8(st.name));
    }
    if (archive)
        zip_discard(archive);
    if (reason.isEmpty())
        return entries;
    if (why)
        *why = path + QStringLiteral(": ") + reason;
    else
        qWarning("%s: %s", qPrintable(path), qPrintable(reason));
    return {};
}

bool writeZip(const QString &path, const QVector<ZipItem> &entries)
{
    QFile::remove(path);
    int code = 0;
    zip_t *archive =
        QDir().mkpath(QFileInfo(path).absolutePath())
            ? zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_EXCL, &code)
            : nullptr;
    bool written = archive != nullptr;
    // The buffers are read at zip_close, while entries still holds them.
    for (const ZipItem &item : entries) {
        zip_source_t *source = written ? zip_source_buffer(archive, item.bytes.constData(),
                                                           zip_uint64_t(item.bytes.size()), 0)
                                       : nullptr;
        const zip_int64_t index =
            source ? zip_file_add(archive, item.name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8)
                   : -1;
        if (index < 0)
            zip_source_free(source);
        written = index >= 0 &&
                  zip_set_file_compression(archive, zip_uint64_t(index),
                                           item.deflate ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0) == 0;
        if (!written)
            break;
    }
    if (written && zip_close(archive) == 0)
        return true;
    qWarning("cannot write %s: %s", qPrintable(path), archive ? zip_strerror(archive) : "open");
    if (archive)
        zip_discard(archive);
    return false;
}

QStringList snapshot(const QString &dir)
{
    QStringList lines;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat info;
        QString line = QDir(dir).relativeFilePath(path);
        if (::lstat(QFile::encodeName(path).constData(), &info) == 0)
            line += QStringLiteral(" mode %1 inode %2 size %3 mtime %4.%5")
                        .arg(info.st_mode, 0, 8)
                        .arg(info.st_ino)
                        .arg(info.st_size)
                        .arg(info.st_mtim.tv_sec)
                        .arg(info.st_mtim.tv_nsec);
        // Only regular files are opened: a FIFO would block the snapshot.
        if (S_ISREG(info.st_mode))
            line +=
                QLatin1Char(' ') +
                QLatin1String(
                    QCryptographicHash::hash(fileBytes(path), QCryptographicHash::Sha1).toHex());
        lines.append(line);
    }
    lines.sort();
    return lines;
}

QByteArray expectedDocument(const QVector<QByteArrayList> &entries, const QByteArray &mediaDir,
                            const QByteArray &time)
{
    // Sections of the template file: "## <name>" lines, the first one a note.
    static QMap<QByteArray, QByteArray> parts;
    if (parts.isEmpty()) {
        QByteArray name;
        for (const QByteArray &line :
             fileBytes(str(MEROVI_TESTKIT_DIR "/document.template")).split('\n')) {
            if (line.startsWith("## "))
                name = line.mid(3);
            else if (!line.isEmpty())
                parts[name] += line + '\n';
        }
    }
    QByteArray gallery;
    QByteArray media;
    for (int i = 0; i < entries.size(); ++i) {
        const QByteArrayList &e = entries.at(i);
        const QByteArray end = i + 1 < entries.size() ? ",\n" : "\n";
        const QByteArray id = QByteArray::number(i + 1);
        gallery += QByteArray(parts.value("gallery"))
                       .chopped(1)
                       .replace("@filename@", e.at(0))
                       .replace("@time@", e.at(1))
                       .replace("@type@", e.at(2))
                       .replace("@id@", id) +
                   end;
        media += QByteArray(parts.value("media"))
                     .chopped(1)
                     .replace("@playtime@", e.at(3))
                     .replace("@transition@", e.at(4))
                     .replace("@id@", id) +
                 end;
    }
    return QByteArray(parts.value("document"))
        .replace("@gallery@", gallery)
        .replace("@media@", media)
        .replace("@media_dir@", mediaDir)
        .replace("@stamp@", time);
}
