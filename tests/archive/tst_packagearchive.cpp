#include "archive/packagearchive.h"
#include "archive/platformfile.h"
#include "tests/common/testkit.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <zip.h>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using Platform::Step;
Q_DECLARE_METATYPE(Platform::Step)

namespace {

QString saveError(const QString &package, const QString &cause)
{
    return str("Cannot save “%1”: %2.").arg(QDir::toNativeSeparators(package), cause);
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

// What the seam saw, and the fault it is to inject.
QStringList seen;
Step failing = Step::Read;
int failWith = 0;
std::function<void(Step)> onStep;

int stepHook(Step step, const QByteArray &)
{
    static const char *const names[] = {"Read",   "Write",      "SyncFile",
                                        "Rename", "OpenFolder", "SyncFolder"};
    if (step != Step::Read && (seen.isEmpty() || seen.last() != str(names[int(step)])))
        seen << str(names[int(step)]);
    if (onStep)
        onStep(step);
    return step == failing ? failWith : 0;
}

const QVector<ZipItem> oldItems{{str("a.jpg"), "a"}, {str("json.txt"), "old", true}};
const ZipEntries oldEntries{{str("a.jpg"), "a"}, {str("json.txt"), "old"}};

} // namespace

class TestPackageArchive : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void lifeOfAPackage();
    void refusals_data();
    void refusals();
    void replaceProtocol();
    void injectedFaults_data();
    void injectedFaults();
    void secondWriterWaitsAndNoticesTheChange();
    void temporaryNames_data();
    void temporaryNames();
    void leftoversAndLongNames();
    void staleFolders();
    void destinationRoom_data();
    void destinationRoom();
    void fatStick();
    void entryOver4GiB();
};

void TestPackageArchive::init()
{
    Platform::setStepHook(stepHook);
    seen.clear();
    failWith = 0;
    onStep = {};
}

void TestPackageArchive::lifeOfAPackage()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString package = dir.filePath(str("show.mrv"));
    const QString other = dir.filePath(str("other.mrv"));
    const QString clip = dir.filePath(str("media/clip.mp4"));
    const QString slashy = dir.filePath(str("media/a\\b.png"));
    QVERIFY(writeBytes(clip, randomBytes(300000, 1)) && writeBytes(slashy, "b"));
    QVERIFY(writeZip(other, {{str("kept.jpg"), randomBytes(5000, 2), true}}));

    PackageArchive archive(package);
    QVERIFY2(archive.write({PackageEntry::memory(str("json.txt"), "{}"),
                            PackageEntry::file(str("clip.mp4"), clip),
                            PackageEntry::file(str("a\\b.png"), slashy),
                            PackageEntry::fromPackage(str("k.jpg"), other, str("kept.jpg"))}),
             qPrintable(archive.errorString()));
    QStringList order;
    QCOMPARE(readZip(package, nullptr, &order),
             ZipEntries({{str("json.txt"), "{}"},
                         {str("clip.mp4"), randomBytes(300000, 1)},
                         {str("a\\b.png"), "b"},
                         {str("k.jpg"), randomBytes(5000, 2)}}));
    // The document last, so that an update of it alone clones the rest.
    QCOMPARE(order, QStringList({str("clip.mp4"), str("a\\b.png"), str("k.jpg"), str("json.txt")}));
    QStringList names;
    QByteArray document;
    QVERIFY(archive.entryNames(&names) && archive.readDocument(&document) && archive.verify());
    QCOMPARE(names, order);
    QCOMPARE(document, QByteArray("{}"));
    const mode_t mask = ::umask(0);
    ::umask(mask);
    QCOMPARE(fileMode(package), 0666 & ~mask);

    // Through a link, with the mode the owner gave; an addition replaces its namesake.
    const QString link = dir.filePath(str("link.mrv"));
    QVERIFY(
        QFile::link(str("show.mrv"), link) &&
        QFile::setPermissions(package, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    PackageArchive linked(link);
    const PackageIdentity before = linked.identity();
    QVERIFY(before.isValid() && before == archive.identity());
    QVERIFY2(linked.update({str("clip.mp4"), str("absent.jpg")},
                           {PackageEntry::memory(str("json.txt"), "[]"),
                            PackageEntry::file(str("clip.mp4"), slashy)},
                           before),
             qPrintable(linked.errorString()));
    order.clear();
    QCOMPARE(readZip(package, nullptr, &order), ZipEntries({{str("json.txt"), "[]"},
                                                            {str("clip.mp4"), "b"},
                                                            {str("a\\b.png"), "b"},
                                                            {str("k.jpg"), randomBytes(5000, 2)}}));
    QCOMPARE(order, QStringList({str("a\\b.png"), str("k.jpg"), str("clip.mp4"), str("json.txt")}));
    QVERIFY(QFileInfo(link).isSymLink() && linked.identity() != before);
    QCOMPARE(fileMode(package), mode_t(0640));
    QVERIFY(linked.warningString().isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
             QStringList({str("link.mrv"), str("other.mrv"), str("show.mrv")}));

    // Names are matched exactly; an archive left empty is still a file.
    QVERIFY(writeZip(package,
                     {{str("a*.jpg"), "1"}, {str("photo[1].jpg"), "2"}, {str("Clip.mp4"), "3"}}));
    QVERIFY(
        archive.update({str("a.jpg"), str("photo1.jpg"), str("clip.mp4"), str("/Clip.mp4")}, {}));
    QCOMPARE(readZip(package).size(), 3);
    QVERIFY(archive.update({str("a*.jpg"), str("photo[1].jpg"), str("Clip.mp4")}, {}));
    QCOMPARE(fileBytes(package), QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0'));
}

void TestPackageArchive::refusals_data()
{
    QTest::addColumn<bool>("update");
    QTest::addColumn<QString>("kind");    // what the culprit is
    QTest::addColumn<QString>("culprit"); // a media file, or the package when it ends in .mrv
    QTest::addColumn<QString>("cause");   // %1: the culprit

    const auto add = [](const char *row, bool update, const char *kind, const char *culprit,
                        const char *cause) {
        QTest::newRow(row) << update << str(kind) << str(culprit) << str(cause);
    };
    add("media missing", false, "missing", "clip.mp4", "the media file “%1” is missing");
    add("media a FIFO", false, "fifo", "clip.mp4", "the media file “%1” is not a regular file");
    add("media a folder", true, "folder", "clip.mp4", "the media file “%1” is not a regular file");
    add("control character", false, "file", "a\x01.jpg",
        "the name “a\x01.jpg” cannot be stored in a package");
    add("package a FIFO", false, "fifo", "show.mrv", "it is not a regular file");
    add("package read-only", true, "read-only", "show.mrv", "the file is read-only");
    add("read-only drive", false, "read-only drive", "ro/show.mrv",
        "the drive is read-only (a read-only file system)");
    add("folder missing", false, "missing", "absent/show.mrv", "No such file or directory");
    add("package gone", true, "missing", "show.mrv", "No such file or directory");
    add("two end records", true, "two ends", "show.mrv", "the archive is damaged");
    add("size field without zip64", true, "0xffffffff", "show.mrv",
        "the entry “a.jpg” has a size field this program does not support");
    add("changed since opened", true, "changed", "show.mrv", "");
}

void TestPackageArchive::refusals()
{
    QFETCH(bool, update);
    QFETCH(QString, kind);
    QFETCH(QString, culprit);
    QFETCH(QString, cause);
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const bool onPackage = culprit.endsWith(str(".mrv"));
    const QString package = dir.filePath(onPackage ? culprit : str("show.mrv"));
    const QString media = dir.filePath(onPackage ? str("clip.mp4") : culprit);
    const QString &path = onPackage ? package : media;
    QVERIFY(writeBytes(media, "media") && (onPackage || writeZip(package, oldItems)));
    Unmount unmount;
    PackageIdentity identity;
    if (kind == str("fifo") || kind == str("missing") || kind == str("folder")) {
        QFile::remove(path);
        QVERIFY(kind == str("missing") ||
                (kind == str("fifo") ? ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0
                                     : QDir().mkpath(path)));
    } else if (onPackage && kind != str("read-only drive")) {
        QVERIFY(writeZip(package, oldItems));
        QByteArray bytes = fileBytes(package);
        const int end = bytes.size() - 22;
        if (kind == str("read-only"))
            QVERIFY(QFile::setPermissions(package, QFile::ReadOwner | QFile::ReadGroup));
        QByteArray at(4, '\0');
        qToLittleEndian(quint32(end), at.data());
        // A second end record in the comment, of an empty directory: readers could take either.
        if (kind == str("two ends"))
            QVERIFY(patchBytes(package, end + 20, "\x16") &&
                    patchBytes(package, bytes.size(),
                               QByteArray("PK\x05\x06\0\0\0\0\0\0\0\0\x16\0\0\0", 16) + at +
                                   QByteArray(2, '\0')));
        if (kind == str("0xffffffff")) // the first central record's sizes
            QVERIFY(patchBytes(package,
                               qFromLittleEndian<quint32>(bytes.constData() + end + 16) + 20,
                               QByteArray(8, '\xff')));
        identity = PackageArchive(package).identity();
        if (kind == str("changed"))
            QVERIFY(writeZip(package, oldItems.mid(1)));
    } else if (onPackage) {
        QVERIFY(QDir().mkpath(QFileInfo(package).path()));
        if (::mount("tmpfs", QFile::encodeName(QFileInfo(package).path()).constData(), "tmpfs",
                    MS_RDONLY, "size=1m") != 0)
            QSKIP("cannot mount a read-only tmpfs here");
        unmount.path = QFile::encodeName(QFileInfo(package).path());
    }
    const QStringList before = snapshot(dir.path());

    PackageArchive archive(package);
    const QVector<PackageEntry> entries{PackageEntry::file(QFileInfo(media).fileName(), media),
                                        PackageEntry::memory(str("json.txt"), "new")};
    QVERIFY(update ? !archive.update({str("a.jpg")}, entries, identity) : !archive.write(entries));
    if (kind == str("changed")) {
        QCOMPARE(archive.failure(), PackageArchive::Failure::ChangedOnDisk);
        QCOMPARE(archive.errorString(),
                 str("The package “%1” was changed by another program since it was opened.")
                     .arg(package));
    } else {
        QCOMPARE(archive.errorString(), saveError(package, cause.replace(str("%1"), media)));
    }
    QCOMPARE(snapshot(dir.path()), before);
}

void TestPackageArchive::replaceProtocol()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString package = dir.filePath(str("show.mrv"));
    QVERIFY(writeZip(package, oldItems));
    const QByteArray old = fileBytes(package);
    // Killed at any step before the rename, the old package is whole; the new
    // one is complete on the disk before its name is.
    bool checked = false;
    onStep = [&](Step step) {
        if (step != Step::Rename)
            return;
        const QStringList temporaries =
            QDir(dir.path()).entryList({str(".mrv-*")}, QDir::Hidden | QDir::Files);
        QCOMPARE(temporaries.size(), 1);
        QCOMPARE(readZip(dir.filePath(temporaries.first())),
                 ZipEntries({{str("a.jpg"), "a"}, {str("json.txt"), "new"}}));
        QCOMPARE(fileBytes(package), old);
        checked = true;
    };
    PackageArchive archive(package);
    QVERIFY(archive.update({}, {PackageEntry::memory(str("json.txt"), "new")}));
    QVERIFY(checked);
    QCOMPARE(seen, QStringList({str("Write"), str("SyncFile"), str("Rename"), str("OpenFolder"),
                                str("SyncFolder")}));
}

void TestPackageArchive::injectedFaults_data()
{
    QTest::addColumn<Step>("step");
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QString>("message");

    const QString unconfirmed = str("The package “%1” was saved, but the drive did not confirm it. "
                                    "Eject the drive safely before unplugging it.");
    QTest::newRow("folder sync fails") << Step::SyncFolder << EIO << true << unconfirmed;
    QTest::newRow("folder does not open") << Step::OpenFolder << EACCES << true << unconfirmed;
    QTest::newRow("file sync fails")
        << Step::SyncFile << EIO << false << saveError(str("%1"), str("Input/output error"));
    QTest::newRow("disk full") << Step::Write << ENOSPC << false
                               << saveError(str("%1"), str("No space left on device"));
    QTest::newRow("rename fails") << Step::Rename << EBUSY << false
                                  << saveError(str("%1"), str("Device or resource busy"));
    QTest::newRow("read error") << Step::Read << EIO << false
                                << saveError(str("%1"),
                                             str("reading it failed: Input/output error"));
    QTest::newRow("file size limit")
        << Step::Read << 0 << false << saveError(str("%1"), str("File too large"));
}

void TestPackageArchive::injectedFaults()
{
    QFETCH(Step, step);
    QFETCH(int, error);
    QFETCH(bool, saved);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString package = dir.filePath(str("show.mrv"));
    const QString media = dir.filePath(str("big.mp4"));
    QVERIFY(writeZip(package, oldItems) && writeBytes(media, randomBytes(3000000, 7)));
    const QStringList before = snapshot(dir.path());
    failing = step;
    failWith = error;

    rlimit old;
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit limited = old;
    limited.rlim_cur = error == 0 ? 1024 * 1024 : old.rlim_cur;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    // Unless the engine ignores SIGXFSZ, a write past the limit kills the test here.
    PackageArchive archive(package);
    const bool ok = archive.update({str("a.jpg")}, {PackageEntry::file(str("big.mp4"), media)});
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &old), 0);
    QCOMPARE(ok, saved);
    QCOMPARE(saved ? archive.warningString() : archive.errorString(), message.arg(package));
    if (saved)
        QCOMPARE(readZip(package),
                 ZipEntries({{str("big.mp4"), randomBytes(3000000, 7)}, {str("json.txt"), "old"}}));
    else
        QCOMPARE(snapshot(dir.path()), before);
}

void TestPackageArchive::secondWriterWaitsAndNoticesTheChange()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString package = dir.filePath(str("show.mrv"));
    QVERIFY(writeZip(package, oldItems));
    PackageArchive second(package);
    const PackageIdentity opened = second.identity();
    // The first writer holds the lock while it replaces the package.
    const int fd = ::open(QFile::encodeName(package).constData(), O_RDONLY | O_CLOEXEC);
    QVERIFY(fd >= 0 && ::flock(fd, LOCK_EX) == 0);
    std::atomic<bool> done{false};
    bool ok = true;
    std::thread writer([&] {
        ok = second.update({}, {PackageEntry::memory(str("json.txt"), "second")}, opened);
        done = true;
    });
    QTest::qWait(300);
    const bool waited = !done;
    const QString replacement = dir.filePath(str("first.mrv"));
    const bool replaced = writeZip(replacement, {{str("json.txt"), "first"}}) &&
                          ::rename(QFile::encodeName(replacement).constData(),
                                   QFile::encodeName(package).constData()) == 0;
    ::close(fd);
    writer.join();
    QVERIFY(waited && replaced && !ok);
    QCOMPARE(second.failure(), PackageArchive::Failure::ChangedOnDisk);
    QCOMPARE(readZip(package), ZipEntries({{str("json.txt"), "first"}}));
    QVERIFY(
        second.update({}, {PackageEntry::memory(str("json.txt"), "second")}, second.identity()));
}

void TestPackageArchive::temporaryNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("ours");
    QTest::newRow("ours") << str(".mrv-a1B2c3D4.part") << true;
    QTest::newRow("seven random") << str(".mrv-a1B2c3D.part") << false;
    QTest::newRow("nine random") << str(".mrv-a1B2c3D4e.part") << false;
    QTest::newRow("not alphanumeric") << str(".mrv-a1B2-3D4.part") << false;
    QTest::newRow("suffix longer") << str(".mrv-a1B2c3D4.parts") << false;
    QTest::newRow("suffix shorter") << str(".mrv-a1B2c3D4.par") << false;
    QTest::newRow("no dot") << str("mrv-a1B2c3D4.part") << false;
    QTest::newRow("the user's") << str(".mrv-a1B2c3D4.part~") << false;
}

void TestPackageArchive::temporaryNames()
{
    QFETCH(QString, name);
    QFETCH(bool, ours);
    QCOMPARE(Platform::isTemporaryName(name.toUtf8()), ours);
}

void TestPackageArchive::leftoversAndLongNames()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    for (const char *name : {".mrv-AAAAAAAA.part", ".mrv-BBBBBBBB.part", ".mrv-BBBBBBBBB.part",
                             ".mrv-Running1.part", "show.mrv"})
        QVERIFY(writeBytes(dir.filePath(str(name)), "partial"));
    // A save still running holds a lock on its temporary file.
    const int fd = ::open(QFile::encodeName(dir.filePath(str(".mrv-Running1.part"))).constData(),
                          O_RDONLY | O_CLOEXEC);
    QVERIFY(fd >= 0 && ::flock(fd, LOCK_EX) == 0);
    // The temporary's name does not grow with the package's.
    const QString longName = QString(246, QLatin1Char('n')) + str(".mrv");
    PackageArchive archive(dir.filePath(longName));
    const bool written = archive.write({PackageEntry::memory(str("json.txt"), "{}")});
    removeLeftovers(dir.path());
    ::close(fd);
    QVERIFY2(written, qPrintable(archive.errorString()));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
             QStringList({str(".mrv-BBBBBBBBB.part"), str(".mrv-Running1.part"), longName,
                          str("show.mrv")}));
}

void TestPackageArchive::staleFolders()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QByteArray previous = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(dir.path()));
    const auto make = [&](const char *name, const char *file, int age) {
        const QString folder = dir.filePath(str(name));
        return QDir().mkpath(folder) &&
               QFile::link(str("/etc/hostname"), folder + str("/link.mp4")) &&
               writeBytes(folder + str("/") + str(file), "{}") &&
               QProcess::execute(str("touch"),
                                 {str("-h"), str("-d"), str("%1 minutes ago").arg(age),
                                  folder + str("/link.mp4"), folder + str("/") + str(file),
                                  folder}) == 0;
    };
    QVERIFY(make("merovi-save-Ab12Cd", "json.txt", 90) &&
            make("merovi-update-Ab12Cd", "json.txt", 90));
    QVERIFY(make("merovi-save-Ab12C", "json.txt", 90) &&
            make("merovi-save-Ab12Cde", "json.txt", 90));
    QVERIFY(make("merovi-save-recent", "json.txt", 10) &&
            make("merovi-save-mine12", "notes.txt", 90));
    removeStaleTemporaries();
    qputenv("TMPDIR", previous);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name),
             QStringList({str("merovi-save-Ab12C"), str("merovi-save-Ab12Cde"),
                          str("merovi-save-mine12"), str("merovi-save-recent")}));
    QVERIFY(QFileInfo::exists(str("/etc/hostname")));
}

void TestPackageArchive::destinationRoom_data()
{
    QTest::addColumn<qint64>("freeBytes");
    QTest::addColumn<qint64>("maxFileSize");
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("cause");
    const qint64 giga = 1000 * 1000 * 1000;
    const qint64 fat = (qint64(4) << 30) - 1;
    QTest::newRow("fits") << 3 * giga << qint64(-1) << 3 * giga << QString();
    QTest::newRow("one byte short") << 3 * giga << qint64(-1) << 3 * giga + 1
                                    << str("the package needs 3.1 GB, 3.0 GB free on “/stick”");
    QTest::newRow("figures") << 3 * giga + 99999999 << qint64(-1) << 6 * giga + 1
                             << str("the package needs 6.1 GB, 3.0 GB free on “/stick”");
    QTest::newRow("megabytes") << qint64(2500000) << qint64(-1) << qint64(3000001)
                               << str("the package needs 3.1 MB, 2.5 MB free on “/stick”");
    QTest::newRow("space unknown") << qint64(-1) << qint64(-1) << 9 * giga << QString();
    QTest::newRow("FAT, largest file") << 9 * giga << fat << fat << QString();
    QTest::newRow("FAT, one byte more")
        << 9 * giga << fat << fat + 1
        << str("the package would be 4.3 GB, but the drive of “/stick” holds no file over 4.2 GB");
}

void TestPackageArchive::destinationRoom()
{
    QFETCH(qint64, freeBytes);
    QFETCH(qint64, maxFileSize);
    QFETCH(qint64, bytes);
    QFETCH(QString, cause);
    QString error;
    QCOMPARE(checkDestinationRoom({freeBytes, maxFileSize, str("/stick")}, bytes, bytes, &error),
             cause.isEmpty());
    QCOMPARE(error, cause);
}

void TestPackageArchive::fatStick()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString image = dir.filePath(str("stick.img"));
    const QString stick = dir.filePath(str("stick"));
    QVERIFY(QDir().mkpath(stick));
    QFile imageFile(image);
    QVERIFY(imageFile.open(QIODevice::WriteOnly) && imageFile.resize(32 * 1024 * 1024));
    imageFile.close();
    if (QProcess::execute(str("mkfs.vfat"), {image}) != 0 ||
        QProcess::execute(str("mount"), {str("-o"), str("loop"), image, stick}) != 0)
        QSKIP("cannot make and mount a FAT image here (mkfs.vfat is in dosfstools)");
    const Unmount unmount{QFile::encodeName(stick)};
    QCOMPARE(Platform::destinationSpace(QFile::encodeName(stick)).maxFileSize,
             (qint64(4) << 30) - 1);

    const QString clip = dir.filePath(str("clip.mp4"));
    QVERIFY(writeBytes(clip, randomBytes(500000, 10)));
    const QVector<PackageEntry> entries{PackageEntry::file(str("clip.mp4"), clip),
                                        PackageEntry::memory(str("json.txt"), "packed")};
    PackageArchive archive(stick + str("/show.mrv"));
    // The mount gives every file mode 0755 and refuses any other; a second save replaces the first.
    QVERIFY2(archive.write(entries) && archive.write(entries), qPrintable(archive.errorString()));
    QVERIFY2(archive.update({}, {PackageEntry::memory(str("json.txt"), "updated")}),
             qPrintable(archive.errorString()));
    QCOMPARE(
        readZip(stick + str("/show.mrv")),
        ZipEntries({{str("clip.mp4"), randomBytes(500000, 10)}, {str("json.txt"), "updated"}}));
    QCOMPARE(QDir(stick).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{str("show.mrv")});
}

void TestPackageArchive::entryOver4GiB()
{
    const qint64 size = (qint64(4) << 30) + 4096;
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    if (QStorageInfo(dir.path()).bytesAvailable() < 2 * size)
        QSKIP("not enough disk space for an archive over 4 GiB");
    QFile sparse(dir.filePath(str("long.mp4")));
    QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(size));
    sparse.close();

    const QString package = dir.filePath(str("show.mrv"));
    PackageArchive archive(package);
    QVERIFY2(archive.write({PackageEntry::file(str("long.mp4"), sparse.fileName()),
                            PackageEntry::memory(str("json.txt"), "{}")}),
             qPrintable(archive.errorString()));
    QByteArray document;
    QVERIFY2(archive.readDocument(&document), qPrintable(archive.errorString()));
    int code = 0;
    zip_t *za = zip_open(QFile::encodeName(package).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    QVERIFY(za);
    zip_stat_t st;
    const bool found = zip_stat(za, "long.mp4", 0, &st) == 0;
    zip_discard(za);
    QVERIFY(found && document == "{}");
    QCOMPARE(st.size, zip_uint64_t(size));
}

QTEST_GUILESS_MAIN(TestPackageArchive)
#include "tst_packagearchive.moc"
