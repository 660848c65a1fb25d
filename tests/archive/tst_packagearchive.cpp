#include "archive/packagearchive.h"
#include "engine_ziputil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <zip.h>

#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using EngineZip::Contents;
using EngineZip::fileBytes;
using EngineZip::listing;
using EngineZip::writeArchive;
using EngineZip::writeFile;

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString saveError(const QString &package, const QString &cause)
{
    return QStringLiteral("Cannot save “%1”: %2.").arg(native(package), cause);
}

mode_t fileMode(const QString &path)
{
    struct stat sb;
    return ::stat(QFile::encodeName(path).constData(), &sb) == 0 ? sb.st_mode & 07777 : 0;
}

struct Unmount
{
    QByteArray path;
    ~Unmount()
    {
        if (!path.isEmpty())
            ::umount2(path.constData(), MNT_DETACH);
    }
};

// Puts a file system object of the given kind at path.
bool make(const QString &kind, const QString &path, const QString &dir)
{
    const QString elsewhere = dir + QStringLiteral("/elsewhere");
    if (kind == QLatin1String("fifo"))
        return EngineZip::makeFifo(path);
    if (kind == QLatin1String("folder link"))
        return QDir().mkpath(elsewhere) && QFile::link(elsewhere, path);
    if (kind == QLatin1String("dangling"))
        return QFile::link(elsewhere, path);
    if (kind == QLatin1String("missing"))
        return true;
    if (!writeArchive(path, {{"json.txt", "old"}, {"a.jpg", "a"}}))
        return false;
    if (kind == QLatin1String("unreadable"))
        return QFile::setPermissions(path, QFile::WriteOwner);
    if (kind == QLatin1String("read-only"))
        return QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
    if (kind != QLatin1String("two ends"))
        return true;
    // The comment of the real end record holds a second one, describing an
    // empty directory that ends where it starts: readers could take either.
    QByteArray bytes = fileBytes(path);
    char start[4];
    qToLittleEndian(quint32(bytes.size() - 22), start);
    bytes[bytes.size() - 2] = 22;
    bytes += QByteArray("PK\x05\x06\0\0\0\0\0\0\0\0\x16\0\0\0", 16) + QByteArray(start, 4) +
             QByteArray(2, '\0');
    return writeFile(path, bytes);
}

} // namespace

class TestPackageArchive : public QObject
{
    Q_OBJECT

private slots:
    void packAndUpdate();
    void refusals_data();
    void refusals();
    void deletesExactNames_data();
    void deletesExactNames();
    void linkedPackageStaysALink();
    void leftoverTemporaryFilesAreRemoved();
    void failedWriteLeavesPackageUntouched_data();
    void failedWriteLeavesPackageUntouched();
    void savesOnAFatStick();
    void entryOver4GiB();
};

void TestPackageArchive::packAndUpdate()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString staged = dir.filePath(QStringLiteral("show"));
    QVERIFY(QDir().mkpath(staged + QStringLiteral("/sub/deeper")));
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("other"))));
    const QByteArray clip = EngineZip::randomBytes(300000, 1);
    const QByteArray outside = EngineZip::randomBytes(700, 3);
    QVERIFY(writeFile(staged + QStringLiteral("/json.txt"), "{\"a\": 1}"));
    QVERIFY(writeFile(staged + QStringLiteral("/.hidden.png"), "h"));
    QVERIFY(writeFile(staged + QStringLiteral("/sub/deeper/clip.mp4"), clip));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("other/outside.png")), outside));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("other/outside.png")),
                        staged + QStringLiteral("/linked.png")));
    const QString newClip = dir.filePath(QStringLiteral("other/clip.mp4"));
    const QString newDocument = dir.filePath(QStringLiteral("other/json.txt"));
    QVERIFY(writeFile(newClip, "new clip") && writeFile(newDocument, "new"));

    // Flat, hidden files included, links followed.
    const Contents packed{{"json.txt", "{\"a\": 1}"},
                          {".hidden.png", "h"},
                          {"clip.mp4", clip},
                          {"linked.png", outside}};
    const QString package = dir.filePath(QStringLiteral("show.mrv"));
    PackageArchive archive(package);
    QVERIFY2(archive.packDirectory(staged), qPrintable(archive.errorString()));
    QVERIFY(archive.errorString().isEmpty());
    QCOMPARE(EngineZip::contents(package), packed);
    QByteArray document;
    QVERIFY2(archive.readDocument(&document), qPrintable(archive.errorString()));
    QCOMPARE(document, QByteArray("{\"a\": 1}"));
    const mode_t mask = ::umask(0);
    ::umask(mask);
    QCOMPARE(fileMode(package), 0666 & ~mask);

    // Rewrites keep the mode the owner gave the package; an addition replaces its namesake.
    QVERIFY(
        QFile::setPermissions(package, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    QVERIFY2(archive.update({QStringLiteral("/json.txt"), QStringLiteral("/.hidden.png")},
                            {newClip, newDocument}),
             qPrintable(archive.errorString()));
    QCOMPARE(EngineZip::contents(package),
             Contents({{"json.txt", "new"}, {"clip.mp4", "new clip"}, {"linked.png", outside}}));
    QCOMPARE(fileMode(package), mode_t(0640));
    QVERIFY2(archive.packDirectory(staged), qPrintable(archive.errorString()));
    QCOMPARE(EngineZip::contents(package), packed);
    QCOMPARE(fileMode(package), mode_t(0640));
    QCOMPARE(listing(dir.path()), QStringList({QStringLiteral("other"), QStringLiteral("show"),
                                               QStringLiteral("show.mrv")}));
}

void TestPackageArchive::refusals_data()
{
    QTest::addColumn<bool>("pack");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("culprit"); // a media file, or the package when it ends in .mrv
    QTest::addColumn<QString>("cause");   // %1 the culprit, %2 the staged folder

    const auto add = [](const char *name, bool pack, const char *kind, const char *culprit,
                        const char *cause) {
        QTest::newRow(name) << pack << QString::fromUtf8(kind) << QString::fromUtf8(culprit)
                            << QString::fromUtf8(cause);
    };
    const char *notRegular = "the media file “%1” is not a regular file";
    add("FIFO in the staged folder", true, "fifo", "sub/pipe.mp4", notRegular);
    add("link to a folder", true, "folder link", "folder.jpg", notRegular);
    add("dangling link", true, "dangling", "gone.jpg", "the media file “%1” is missing");
    add("unreadable media", true, "unreadable", "secret.jpg",
        "cannot read the media file “%1”: Permission denied");
    add("backslash in a name", true, "file", "a\\b.jpg",
        "the name of the media file “%1” cannot be stored in a package");
    add("one bare name twice", true, "file", "sub/json.txt",
        "“%2/json.txt” and “%1” have the same name");
    add("added media missing", false, "missing", "clip.mp4", "the media file “%1” is missing");
    add("added media a FIFO", false, "fifo", "clip.mp4", notRegular);
    add("package path a FIFO", true, "fifo", "show.mrv", "it is not a regular file");
    add("package read-only", false, "read-only", "show.mrv", "the file is read-only");
    add("package folder missing", true, "missing", "absent/show.mrv", "No such file or directory");
    add("package gone", false, "missing", "show.mrv", "No such file or directory");
    add("package with two end records", false, "two ends", "show.mrv", "the archive is damaged");
}

void TestPackageArchive::refusals()
{
    QFETCH(bool, pack);
    QFETCH(QString, kind);
    QFETCH(QString, culprit);
    QFETCH(QString, cause);
    if (kind == QLatin1String("unreadable") && ::geteuid() == 0)
        QSKIP("root reads every file");

    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString staged = dir.filePath(QStringLiteral("show"));
    QVERIFY(QDir().mkpath(staged + QStringLiteral("/sub")));
    QVERIFY(writeFile(staged + QStringLiteral("/json.txt"), "{}"));
    const bool onPackage = culprit.endsWith(QLatin1String(".mrv"));
    const QString package = dir.filePath(onPackage ? culprit : QStringLiteral("show.mrv"));
    const QString media = onPackage ? dir.filePath(QStringLiteral("clip.mp4"))
                          : pack    ? staged + QLatin1Char('/') + culprit
                                    : dir.filePath(culprit);
    QVERIFY(make(onPackage ? QStringLiteral("file") : kind, media, dir.path()));
    QVERIFY(make(onPackage ? kind : QStringLiteral("file"), package, dir.path()));
    const QByteArray bytes = fileBytes(package);
    const QStringList folder = listing(dir.path());
    const QStringList stagedFolder = listing(staged);

    PackageArchive archive(package);
    QVERIFY(pack ? !archive.packDirectory(staged)
                 : !archive.update({QStringLiteral("/json.txt"), QStringLiteral("/a.jpg")},
                                   {media, staged + QStringLiteral("/json.txt")}));
    // QString::arg would warn about a marker the text lacks.
    QCOMPARE(archive.errorString(),
             saveError(package, cause.replace(QLatin1String("%1"), native(media))
                                    .replace(QLatin1String("%2"), native(staged))));
    QCOMPARE(fileBytes(package), bytes);
    QCOMPARE(listing(dir.path()), folder);
    QCOMPARE(listing(staged), stagedFolder);
}

void TestPackageArchive::deletesExactNames_data()
{
    QTest::addColumn<QStringList>("deletions");
    QTest::addColumn<QString>("remaining");

    const auto add = [](const char *name, const char *deletions, const char *remaining) {
        QTest::newRow(name) << QString::fromUtf8(deletions).split(QLatin1Char(' '))
                            << QString::fromUtf8(remaining);
    };
    add("brackets are no character class", "/photo[1].jpg",
        "Clip.mp4 a*.jpg a.jpg abc.jpg clip.mp4 json.txt photo1.jpg");
    add("star is no wildcard", "/a*.jpg",
        "Clip.mp4 a.jpg abc.jpg clip.mp4 json.txt photo1.jpg photo[1].jpg");
    add("case matters", "/clip.mp4",
        "Clip.mp4 a*.jpg a.jpg abc.jpg json.txt photo1.jpg photo[1].jpg");
    add("name without its slash", "json.txt",
        "Clip.mp4 a*.jpg a.jpg abc.jpg clip.mp4 photo1.jpg photo[1].jpg");
    add("absent names and prefixes are ignored", "/none.jpg / /a /photo /clip",
        "Clip.mp4 a*.jpg a.jpg abc.jpg clip.mp4 json.txt photo1.jpg photo[1].jpg");
    add("several at once", "/a.jpg /json.txt /Clip.mp4",
        "a*.jpg abc.jpg clip.mp4 photo1.jpg photo[1].jpg");
    add("everything",
        "/a*.jpg /a.jpg /abc.jpg /json.txt /photo1.jpg /photo[1].jpg /Clip.mp4 /clip.mp4", "");
}

void TestPackageArchive::deletesExactNames()
{
    QFETCH(QStringList, deletions);
    QFETCH(QString, remaining);

    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString package = dir.filePath(QStringLiteral("show.mrv"));
    const auto entries = [](const QString &names) {
        Contents result;
        for (const QString &name : names.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            result.insert(name.toUtf8(), "bytes of " + name.toUtf8());
        return result;
    };
    QVERIFY(writeArchive(package, entries(QStringLiteral("a*.jpg a.jpg abc.jpg json.txt photo1.jpg "
                                                         "photo[1].jpg Clip.mp4 clip.mp4"))));

    PackageArchive archive(package);
    QVERIFY2(archive.update(deletions, {}), qPrintable(archive.errorString()));
    QCOMPARE(EngineZip::contents(package), entries(remaining));
    // An archive with no entries stays a file: a bare end record.
    if (remaining.isEmpty())
        QCOMPARE(fileBytes(package), QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0'));
}

void TestPackageArchive::linkedPackageStaysALink()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("real"))));
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("show"))));
    const QString target = dir.filePath(QStringLiteral("real/show.mrv"));
    const QString link = dir.filePath(QStringLiteral("show.mrv"));
    const QString document = dir.filePath(QStringLiteral("json.txt"));
    QVERIFY(writeArchive(target, {{"json.txt", "old"}}));
    QVERIFY(QFile::link(QStringLiteral("real/show.mrv"), link));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("show/json.txt")), "packed"));
    QVERIFY(writeFile(document, "updated"));

    PackageArchive archive(link);
    QVERIFY2(archive.packDirectory(dir.filePath(QStringLiteral("show"))),
             qPrintable(archive.errorString()));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(EngineZip::contents(target), Contents({{"json.txt", "packed"}}));
    QVERIFY2(archive.update({QStringLiteral("/json.txt")}, {document}),
             qPrintable(archive.errorString()));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(EngineZip::contents(target), Contents({{"json.txt", "updated"}}));
    QCOMPARE(listing(dir.filePath(QStringLiteral("real"))),
             QStringList{QStringLiteral("show.mrv")});
}

void TestPackageArchive::leftoverTemporaryFilesAreRemoved()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    QVERIFY(writeArchive(dir.filePath(QStringLiteral("show.mrv")), {{"json.txt", "old"}}));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("json.txt")), "new"));
    const QStringList leftovers{QStringLiteral(".show.mrv.a1B2c3.part"),
                                QStringLiteral(".show.mrv.ZZZZZZ.part")};
    // Files that only resemble the pattern, or belong to another package, are not ours.
    const QStringList strangers{
        QStringLiteral(".show.mrv.a1B2c.part"),   QStringLiteral(".show.mrv.a1B2c34.part"),
        QStringLiteral(".show.mrv.a1-2c3.part"),  QStringLiteral("show.mrv.a1B2c3.part"),
        QStringLiteral(".other.mrv.a1B2c3.part"), QStringLiteral(".show.mrv.a1B2c3.parts")};
    for (const QString &name : leftovers + strangers)
        QVERIFY(writeFile(dir.filePath(name), "partial"));
    // A save still running holds a lock on its temporary file.
    const QString running = QStringLiteral(".show.mrv.Run123.part");
    QVERIFY(writeFile(dir.filePath(running), "running"));
    const int fd = ::open(QFile::encodeName(dir.filePath(running)).constData(), O_RDONLY);
    QVERIFY(fd >= 0);
    QCOMPARE(::flock(fd, LOCK_EX), 0);

    // A bare file name: the folder to clear is the current one.
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    PackageArchive archive(QStringLiteral("show.mrv"));
    const bool updated =
        archive.update({QStringLiteral("/json.txt")}, {QStringLiteral("json.txt")});
    ::close(fd);
    QVERIFY(QDir::setCurrent(previous));
    QVERIFY2(updated, qPrintable(archive.errorString()));

    QCOMPARE(EngineZip::contents(dir.filePath(QStringLiteral("show.mrv"))),
             Contents({{"json.txt", "new"}}));
    QStringList expected = strangers;
    expected << running << QStringLiteral("json.txt") << QStringLiteral("show.mrv");
    expected.sort();
    QCOMPARE(listing(dir.path()), expected);
}

void TestPackageArchive::failedWriteLeavesPackageUntouched_data()
{
    QTest::addColumn<bool>("fullDisk"); // or a file size limit
    QTest::addColumn<QString>("cause");

    QTest::newRow("full disk") << true << QStringLiteral("No space left on device");
    QTest::newRow("file size limit") << false << QStringLiteral("File too large");
}

void TestPackageArchive::failedWriteLeavesPackageUntouched()
{
    QFETCH(bool, fullDisk);
    QFETCH(QString, cause);

    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    QString folder = dir.path();
    Unmount unmount;
    if (fullDisk) {
        folder = dir.filePath(QStringLiteral("stick"));
        QVERIFY(QDir().mkpath(folder));
        if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=1m") != 0)
            QSKIP(qPrintable(QStringLiteral("cannot mount a small tmpfs here: %1")
                                 .arg(QString::fromLocal8Bit(std::strerror(errno)))));
        unmount.path = QFile::encodeName(folder);
    }
    const QString package = folder + QStringLiteral("/show.mrv");
    QVERIFY(writeArchive(package, {{"json.txt", "old"}, {"a.jpg", "a"}}));
    const QString staged = dir.filePath(QStringLiteral("show"));
    const QString big = staged + QStringLiteral("/big.mp4");
    QVERIFY(QDir().mkpath(staged) && writeFile(big, EngineZip::randomBytes(3000000, 7)));
    const QByteArray bytes = fileBytes(package);
    const QStringList before = listing(folder);

    rlimit old;
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit limited = old;
    if (!fullDisk)
        limited.rlim_cur = 1024 * 1024;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    // Unless the engine ignores SIGXFSZ, a write past the limit kills the test here.
    PackageArchive archive(package);
    const bool updated = archive.update({}, {big});
    const QString updateError = archive.errorString();
    const bool packed = archive.packDirectory(staged);
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &old), 0);

    QVERIFY(!updated && !packed);
    QCOMPARE(updateError, saveError(package, cause));
    QCOMPARE(archive.errorString(), saveError(package, cause));
    QCOMPARE(fileBytes(package), bytes);
    QCOMPARE(listing(folder), before);
}

void TestPackageArchive::savesOnAFatStick()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString image = dir.filePath(QStringLiteral("stick.img"));
    const QString stick = dir.filePath(QStringLiteral("stick"));
    const QString staged = dir.filePath(QStringLiteral("show"));
    QVERIFY(QDir().mkpath(stick) && QDir().mkpath(staged));
    QFile imageFile(image);
    QVERIFY(imageFile.open(QIODevice::WriteOnly) && imageFile.resize(32 * 1024 * 1024));
    imageFile.close();
    if (QProcess::execute(QStringLiteral("mkfs.vfat"), {image}) != 0)
        QSKIP("mkfs.vfat is missing (Debian package dosfstools)");
    // The mount gives every file mode 0755 and refuses any other.
    if (QProcess::execute(QStringLiteral("mount"),
                          {QStringLiteral("-o"), QStringLiteral("loop"), image, stick}) != 0)
        QSKIP("cannot mount a FAT image here");
    const Unmount unmount{QFile::encodeName(stick)};

    const QByteArray clip = EngineZip::randomBytes(500000, 10);
    QVERIFY(writeFile(staged + QStringLiteral("/json.txt"), "packed"));
    QVERIFY(writeFile(staged + QStringLiteral("/clip.mp4"), clip));
    const QString document = dir.filePath(QStringLiteral("json.txt"));
    QVERIFY(writeFile(document, "updated"));

    const QString package = stick + QStringLiteral("/show.mrv");
    PackageArchive archive(package);
    QVERIFY2(archive.packDirectory(staged), qPrintable(archive.errorString()));
    QVERIFY2(archive.packDirectory(staged), qPrintable(archive.errorString()));
    QVERIFY2(archive.update({QStringLiteral("/json.txt")}, {document}),
             qPrintable(archive.errorString()));
    QCOMPARE(EngineZip::contents(package), Contents({{"clip.mp4", clip}, {"json.txt", "updated"}}));
    QCOMPARE(listing(stick), QStringList{QStringLiteral("show.mrv")});
}

void TestPackageArchive::entryOver4GiB()
{
    const qint64 size = (qint64(4) << 30) + 4096;
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    if (QStorageInfo(dir.path()).bytesAvailable() < 2 * size)
        QSKIP("not enough disk space for an archive over 4 GiB");
    const QString staged = dir.filePath(QStringLiteral("show"));
    QVERIFY(QDir().mkpath(staged));
    QVERIFY(writeFile(staged + QStringLiteral("/json.txt"), "{}"));
    QFile sparse(staged + QStringLiteral("/long.mp4"));
    QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(size));
    sparse.close();

    const QString package = dir.filePath(QStringLiteral("show.mrv"));
    PackageArchive archive(package);
    QVERIFY2(archive.packDirectory(staged), qPrintable(archive.errorString()));
    QByteArray document;
    QVERIFY2(archive.readDocument(&document), qPrintable(archive.errorString()));
    QCOMPARE(document, QByteArray("{}"));
    int code = 0;
    zip_t *za = zip_open(QFile::encodeName(package).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    QVERIFY(za);
    zip_stat_t st;
    const bool found = zip_stat(za, "long.mp4", 0, &st) == 0;
    zip_discard(za);
    QVERIFY(found);
    QCOMPARE(st.size, zip_uint64_t(size));
    QCOMPARE(st.comp_method, zip_uint16_t(ZIP_CM_STORE));
}

QTEST_GUILESS_MAIN(TestPackageArchive)
#include "tst_packagearchive.moc"
