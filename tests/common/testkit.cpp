#include "tests/common/testkit.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>

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

QByteArray runProgram(const QString &program, const QStringList &args, const QString &workDir)
{
    QProcess process;
    process.setWorkingDirectory(workDir);
    process.start(program, args);
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
        process.exitCode() == 0)
        return process.readAllStandardOutput();
    qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return "failed";
}

bool patchBytes(const QString &path, qint64 offset, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.seek(offset) &&
           file.write(bytes) == bytes.size() && file.flush();
}

ZipEntries readZip(const QString &path, QString *why, QStringList *order)
{
    int code = 0;
    zip_t *archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    QString reason = archive ? QString() : QStringLiteral("cannot open, libzip error %1").arg(code);
    ZipEntries entries;
    for (zip_int64_t i = 0; reason.isEmpty() && i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t st;
        zip_file_t *file = zip_stat_index(archive, zip_uint64_t(i), 0, &st) == 0
                               ? zip_fopen_index(archive, zip_uint64_t(i), 0)
                               : nullptr;
        QByteArray bytes(file ? int(st.size) : 0, Qt::Uninitialized);
        char probe;
        // Reading past the end is what makes libzip compare the CRC.
        if (!file || zip_fread(file, bytes.data(), st.size) != zip_int64_t(st.size) ||
            zip_fread(file, &probe, 1) != 0)
            reason = QStringLiteral("entry %1 does not read back").arg(i);
        if (file)
            zip_fclose(file);
        entries.insert(QString::fromUtf8(st.name), bytes);
        if (order)
            order->append(QString::fromUtf8(st.name));
    }
    if (archive)
        zip_discard(archive);
    if (!reason.isEmpty())
        why ? void(*why = reason) : qWarning("%s: %s", qPrintable(path), qPrintable(reason));
    return reason.isEmpty() ? entries : ZipEntries();
}

bool writeZip(const QString &path, const QVector<ZipItem> &entries)
{
    QFile::remove(path);
    zip_t *archive = QDir().mkpath(QFileInfo(path).absolutePath())
                         ? zip_open(QFile::encodeName(path).constData(), ZIP_CREATE, nullptr)
                         : nullptr;
    bool written = archive != nullptr;
    // The buffers are read at zip_close, while entries still holds them.
    for (int i = 0; written && i < entries.size(); ++i) {
        const ZipItem &item = entries.at(i);
        zip_source_t *source =
            zip_source_buffer(archive, item.bytes.constData(), zip_uint64_t(item.bytes.size()), 0);
        written =
            source &&
            zip_file_add(archive, item.name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) == i &&
            zip_set_file_compression(archive, zip_uint64_t(i),
                                     item.deflate ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0) == 0;
    }
    if (written && zip_close(archive) == 0)
        return true;
    qWarning("cannot write %s", qPrintable(path));
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
        struct stat st = {};
        ::lstat(QFile::encodeName(it.next()).constData(), &st);
        // Only regular files are read: a FIFO would block the snapshot.
        const qulonglong hash = S_ISREG(st.st_mode) ? qHash(fileBytes(it.filePath())) : 0;
        lines << QString::asprintf("%s mode %o inode %llu mtime %lld.%09ld %llu",
                                   qPrintable(QDir(dir).relativeFilePath(it.filePath())),
                                   st.st_mode, qulonglong(st.st_ino), qlonglong(st.st_mtim.tv_sec),
                                   st.st_mtim.tv_nsec, hash);
    }
    lines.sort();
    return lines;
}

bool keepUserFilesIn(const QString &dir)
{
    for (const char *kind : {"state", "config", "cache"})
        qputenv(QByteArray("XDG_" + QByteArray(kind).toUpper() + "_HOME").constData(),
                QFile::encodeName(dir + u'/' + str(kind)));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir + str("/config"));
    return QDir::setCurrent(dir); // settings.xml
}

QStringList entriesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

QByteArray expectedDocument(const QVector<QByteArrayList> &entries, const QByteArray &mediaDir,
                            const QByteArray &time)
{
    // The template's sections start with "## <name>" lines.
    QMap<QByteArray, QByteArray> part;
    QByteArray name;
    for (const QByteArray &line :
         fileBytes(str(MEROVI_TESTKIT_DIR "/document.template")).split('\n')) {
        if (line.startsWith("## "))
            name = line.mid(3);
        else if (!line.isEmpty())
            part[name] += line + '\n';
    }
    QByteArray lists[2]; // gallery, media
    const QByteArray keys[] = {"@filename@", "@time@", "@type@", "@playtime@", "@transition@"};
    for (int i = 0; i < entries.size(); ++i) {
        for (int p = 0; p < 2; ++p) {
            QByteArray text = QByteArray(part.value(p ? "media" : "gallery"))
                                  .replace("@id@", QByteArray::number(i + 1));
            for (int k = 0; k < 5; ++k)
                text.replace(keys[k], entries.at(i).at(k));
            lists[p] += text.chopped(1) + (i + 1 < entries.size() ? ",\n" : "\n");
        }
    }
    return QByteArray(part.value("document"))
        .replace("@gallery@", lists[0])
        .replace("@media@", lists[1])
        .replace("@media_dir@", mediaDir)
        .replace("@stamp@", time);
}
