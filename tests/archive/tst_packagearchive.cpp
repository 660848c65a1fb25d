#include "archive/packagearchive.h"
#include "archive/packagereader.h"
#include "archive/platformfile.h"
#include "tests/common/testkit.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using Platform::Step;
using Setup = std::function<bool(const QString &dir)>;
Q_DECLARE_METATYPE(Platform::Step)
Q_DECLARE_METATYPE(Setup)

namespace {

// What the seam saw, and the fault it injects.
QVector<Step> seen;
Step failing = Step::Read;
int failWith = 0;
std::function<void(Step, const QByteArray &)> onStep;

int stepHook(Step step, const QByteArray &path)
{
    if (step != Step::Read && (seen.isEmpty() || seen.last() != step))
        seen << step;
    if (onStep)
        onStep(step, path);
    return step == failing ? failWith : 0;
}

QVector<PackageEntry> document(const QByteArray &text)
{
    return {PackageEntry::memory(str("json.txt"), text)};
}

const QVector<ZipItem> oldItems{{str("a.jpg"), "a"}, {str("json.txt"), "old", true}};

mode_t fileMode(const QString &path)
{
    struct stat sb;
    return ::stat(QFile::encodeName(path).constData(), &sb) == 0 ? sb.st_mode & 07777 : 0;
}

const QByteArray playlist = "{\"OfflinePlaylist\":{\"Items\":[]}}";
// Four times the document cap, yet only some 64 KiB deflated.
const QByteArray zeros(64 << 20, '\0');

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

int u32(const QByteArray &bytes, int at)
{
    return int(qFromLittleEndian<quint32>(bytes.constData() + at));
}

// json.txt (deflated), clip.mp4 and photo.jpg, as libzip writes them.
QByteArray package(const QByteArray &json = playlist, bool withDocument = true)
{
    QTemporaryDir dir;
    QVector<ZipItem> items{{str("clip.mp4"), randomBytes(4096, 1)},
                           {str("photo.jpg"), randomBytes(4096, 2)}};
    if (withDocument)
        items.prepend({str("json.txt"), json, true});
    const QString path = dir.filePath(str("p.zip"));
    return writeZip(path, items) ? fileBytes(path) : QByteArray();
}

// A zip with an entry of each name, whatever the name: Python writes what libzip would refuse.
QByteArray namedEntries(const QStringList &names)
{
    const char *script = "import io, sys, zipfile\n"
                         "b = io.BytesIO()\n"
                         "with zipfile.ZipFile(b, 'w') as z:\n"
                         "    for n in sys.argv[1:]:\n"
                         "        z.writestr(zipfile.ZipInfo(n), b'{}')\n"
                         "sys.stdout.buffer.write(b.getvalue())\n";
    return runProgram(str("python3"), QStringList{str("-c"), str(script)} + names);
}

int centralRecord(const QByteArray &bytes, int entry)
{
    int at = u32(bytes, bytes.size() - 6);
    for (int i = 0; i < entry; ++i)
        at += 46 + (u32(bytes, at + 28) & 0xffff) + (u32(bytes, at + 30) & 0xffff) +
              (u32(bytes, at + 32) & 0xffff);
    return at;
}

// value written over a field of entry's central record and of its local
// header, each unless -1; entry -1 is the end record.
QByteArray patched(int entry, int centralField, int localField, const QByteArray &value,
                   QByteArray bytes = package())
{
    const int central = entry < 0 ? bytes.size() - 22 : centralRecord(bytes, entry);
    if (centralField >= 0)
        bytes.replace(central + centralField, value.size(), value);
    if (localField >= 0)
        bytes.replace(u32(bytes, central + 42) + localField, value.size(), value);
    return bytes;
}

// Text that deflates well, with a random tail, so both kinds of entry are real.
QByteArray compressible(int size)
{
    QByteArray bytes;
    for (int i = 0; bytes.size() < size; ++i)
        bytes += "frame " + QByteArray::number(i) + " of a clip that compresses; ";
    bytes.truncate(size - 1000);
    return bytes + randomBytes(1000, 9);
}

// Writes the files given into a zip on standard output: a pipe cannot seek, so
// each entry is streamed with a data descriptor; argv[1] "zip64" forces zip64 headers.
const char *const writeScript = R"(
import sys, zipfile
with zipfile.ZipFile(sys.stdout.buffer, "w") as z:
    for path in sys.argv[2:]:
        with open(path, "rb") as f, z.open(path.rsplit("/", 1)[1], "w", force_zip64=sys.argv[1] == "zip64") as e:
            e.write(f.read())
)";

} // namespace

class TestPackageArchive : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void lifeOfAPackage();
    void refusals_data();
    void refusals();
    void faults_data();
    void faults();
    void secondWriterWaitsAndNoticesTheChange();
    void leftovers_data();
    void leftovers();
    void destinationRoom_data();
    void destinationRoom();
    void mediaChangedWhileCopied_data();
    void mediaChangedWhileCopied();
    void hostilePackage_data();
    void hostilePackage();
    void otherWriters_data();
    void otherWriters();
    void readerEntries_data();
    void readerEntries();
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
    // The temporary's name does not grow with the package's.
    const QString package = dir.filePath(QString(246, QLatin1Char('n')) + str(".mrv"));
    const QString other = dir.filePath(str("other.mrv"));
    const QString clip = dir.filePath(str("clip.mp4"));
    QVERIFY(writeBytes(clip, randomBytes(300000, 1)) && writeBytes(dir.filePath(str("b")), "b"));
    QVERIFY(writeZip(other, {{str("kept.jpg"), QByteArray(5000, 'k'), false}}));

    PackageArchive archive(package);
    QVERIFY(archive.write(document("{}")
                          << PackageEntry::file(str("clip.mp4"), clip)
                          << PackageEntry::file(str("a\\b.png"), dir.filePath(str("b")))
                          << PackageEntry::fromPackage(str("k.jpg"), other, str("kept.jpg"))));
    ZipEntries expected{{str("json.txt"), "{}"},
                        {str("clip.mp4"), randomBytes(300000, 1)},
                        {str("a\\b.png"), "b"},
                        {str("k.jpg"), QByteArray(5000, 'k')}};
    QStringList order;
    QCOMPARE(readZip(package, nullptr, &order), expected);
    // The document last, so that an update of it alone clones the rest.
    QCOMPARE(order, QStringList({str("clip.mp4"), str("a\\b.png"), str("k.jpg"), str("json.txt")}));
    QVERIFY(archive.verify());
    // Copied as it is: a stored entry stays stored.
    const char *method = "import sys, zipfile; print(zipfile.ZipFile(sys.argv[1]).getinfo('k.jpg')"
                         ".compress_type)";
    QCOMPARE(runProgram(str("python3"), {str("-c"), str(method), package}), QByteArray("0\n"));
    const mode_t mask = ::umask(0);
    ::umask(mask);
    QCOMPARE(fileMode(package), 0666 & ~mask);

    // Through a link, keeping the owner's mode; an addition replaces its namesake
    // and goes before the document; names match exactly.
    const QString link = dir.filePath(str("link.mrv"));
    // A relative link, followed from its own folder while the program runs elsewhere.
    QVERIFY(QDir().mkpath(dir.filePath(str("in"))) &&
            QFile::link(str("../") + QFileInfo(package).fileName(), dir.filePath(str("in/l"))) &&
            QFile::link(dir.filePath(str("in/l")), link) &&
            ::chmod(QFile::encodeName(package).constData(), 0640) == 0);
    PackageArchive linked(link);
    const PackageIdentity before = linked.identity();
    QVERIFY(before.isValid() && before == archive.identity());
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QDir::rootPath()));
    const bool updated =
        linked.update({str("clip.mp4"), str("K.jpg"), str("k*"), str("/k.jpg")},
                      document("[]") << PackageEntry::file(str("a\\b.png"), clip), before);
    QVERIFY(QDir::setCurrent(previous));
    QVERIFY(updated);
    expected.remove(str("clip.mp4"));
    expected.insert(str("json.txt"), "[]");
    expected.insert(str("a\\b.png"), randomBytes(300000, 1));
    order.clear();
    QCOMPARE(readZip(package, nullptr, &order), expected);
    QCOMPARE(order, QStringList({str("k.jpg"), str("a\\b.png"), str("json.txt")}));
    QVERIFY(QFileInfo(link).isSymLink() && linked.identity() != before);
    QVERIFY(linked.warningString().isEmpty() && fileMode(package) == 0640);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 5);
    // An archive left with no entries is still a package.
    QVERIFY(archive.update({str("a\\b.png"), str("k.jpg"), str("json.txt")}, {}));
    QCOMPARE(fileBytes(package), QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0'));
}

void TestPackageArchive::refusals_data()
{
    QTest::addColumn<bool>("update");
    QTest::addColumn<QString>("name"); // of the media entry
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("cause"); // %1: the folder

    const auto add = [](const char *row, bool update, const char *name, Setup setup,
                        const char *cause) {
        QTest::newRow(row) << update << str(name) << setup << str(cause);
    };
    const auto fifo = [](const char *name) {
        return [=](const QString &dir) {
            const QByteArray path = QFile::encodeName(dir + str("/") + str(name));
            return ::unlink(path.constData()) == 0 && ::mkfifo(path.constData(), 0644) == 0;
        };
    };
    const Setup none = [](const QString &) { return true; };
    const Setup gone = [](const QString &dir) { return QFile::remove(dir + str("/show.mrv")); };
    add(
        "media missing", false, "clip.mp4",
        [](const QString &dir) { return QFile::remove(dir + str("/clip.mp4")); },
        "the media file “%1/clip.mp4” is missing");
    add("media a FIFO", true, "clip.mp4", fifo("clip.mp4"),
        "the media file “%1/clip.mp4” is not a regular file");
    add("last refused control character", false, "a\x1f.jpg", none,
        "the name “a\x1f.jpg” cannot be stored in a package");
    add("package a FIFO", false, "clip.mp4", fifo("show.mrv"), "it is not a regular file");
    add("package gone", true, "clip.mp4", gone, "No such file or directory");
    add(
        "package read-only", true, "clip.mp4",
        [](const QString &dir) {
            return QFile::setPermissions(dir + str("/show.mrv"), QFile::ReadOwner);
        },
        "the file is read-only");
    add(
        "read-only drive", false, "clip.mp4",
        [](const QString &dir) {
            const QByteArray path = QFile::encodeName(dir);
            return ::mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) == 0 &&
                   ::mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                           nullptr) == 0;
        },
        "the drive is read-only (a read-only file system)");
    // Neither a new copy beside the old package nor the clip added in place fits.
    add(
        "no room", true, "clip.mp4",
        [](const QString &dir) {
            const QVector<ZipItem> big{{str("b.jpg"), randomBytes(40000, 1), false}};
            const QByteArray path = QFile::encodeName(dir);
            return ::mount("tmpfs", path.constData(), "tmpfs", 0, "size=96k") == 0 &&
                   writeZip(dir + str("/show.mrv"), big) &&
                   writeBytes(dir + str("/clip.mp4"), randomBytes(30000, 3));
        },
        "the package needs 38.6 kB, 24.5 kB free on “%1”; free 14.0 kB, or Save As to "
        "another drive");
}

void TestPackageArchive::refusals()
{
    QFETCH(bool, update);
    QFETCH(QString, name);
    QFETCH(Setup, setup);
    QFETCH(QString, cause);
    QTemporaryDir dir;
    const QString package = dir.filePath(str("show.mrv"));
    QVERIFY(writeBytes(dir.filePath(str("clip.mp4")), "media") && writeZip(package, oldItems));
    // A mount the row made over its folder goes, whatever the outcome.
    const auto unmount =
        qScopeGuard([&] { ::umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH); });
    if (!setup(dir.path()))
        QSKIP("this case cannot be set up here");
    const QStringList before = snapshot(dir.path());

    PackageArchive archive(package);
    const auto entries = document("new") << PackageEntry::file(name, dir.filePath(str("clip.mp4")));
    QVERIFY(update ? !archive.update({str("a.jpg")}, entries, archive.identity())
                   : !archive.write(entries));
    QCOMPARE(archive.errorString(),
             str("Cannot save “%1”: %2.").arg(package, cause.replace(str("%1"), dir.path())));
    QCOMPARE(snapshot(dir.path()), before);
}

void TestPackageArchive::faults_data()
{
    QTest::addColumn<Step>("step");
    QTest::addColumn<int>("error");       // 0: a file size limit of 1 MiB instead
    QTest::addColumn<QString>("message"); // the warning when the package was saved

    const QString warning = str("The package “%1” was saved, but the drive did not confirm it. "
                                "Eject the drive safely before unplugging it.");
    QTest::newRow("none") << Step::Read << -1 << QString();
    QTest::newRow("folder sync fails") << Step::SyncFolder << EIO << warning;
    QTest::newRow("folder does not open") << Step::OpenFolder << EACCES << warning;
    QTest::newRow("file sync fails") << Step::SyncFile << EIO << str("Input/output error");
    QTest::newRow("disk full") << Step::Write << ENOSPC << str("No space left on device");
    QTest::newRow("rename fails") << Step::Rename << EBUSY << str("Device or resource busy");
    // The rename itself fails: the old package must still be there, not removed first.
    QTest::newRow("temporary gone at the rename")
        << Step::Rename << -ENOENT << str("No such file or directory");
    QTest::newRow("read error") << Step::Read << EIO
                                << str("reading it failed: Input/output error");
    QTest::newRow("file size limit") << Step::Read << 0 << str("File too large");
}

void TestPackageArchive::faults()
{
    QFETCH(Step, step);
    QFETCH(int, error);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString package = dir.filePath(str("show.mrv"));
    const QString media = dir.filePath(str("big.mp4"));
    QVERIFY(writeZip(package, oldItems) && writeBytes(media, randomBytes(3000000, 7)));
    const QByteArray oldBytes = fileBytes(package);
    const QStringList before = snapshot(dir.path());
    failing = step;
    failWith = qMax(error, 0);
    // Killed at any step before the rename, the old package would be whole; the
    // new one is complete on the disk before its name is.
    QStringList atRename;
    onStep = [&](Step step, const QByteArray &) {
        const QStringList found =
            QDir(dir.path()).entryList({str(".mrv-*")}, QDir::Hidden | QDir::Files);
        if (step == Step::Rename && fileBytes(package) == oldBytes && found.size() == 1)
            atRename = readZip(dir.filePath(found.first())).keys();
        if (step == Step::Rename && error == -ENOENT && found.size() == 1)
            QFile::remove(dir.filePath(found.first()));
    };
    rlimit old;
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const rlimit limited{error == 0 ? 1024 * 1024 : old.rlim_cur, old.rlim_max};
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    // Unless the engine ignores SIGXFSZ, a write past the limit kills the test here.
    PackageArchive archive(package);
    const bool saved = archive.update({str("a.jpg")}, {PackageEntry::file(str("big.mp4"), media)});
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &old), 0);
    if (saved) {
        // Once renamed, the package is the new one, whatever the folder's sync says.
        QCOMPARE(archive.warningString(), message.isEmpty() ? message : message.arg(package));
        QCOMPARE(atRename, QStringList({str("big.mp4"), str("json.txt")}));
        QCOMPARE(readZip(package).keys(), atRename);
        QVERIFY(seen.mid(seen.indexOf(Step::SyncFile), 3) ==
                QVector<Step>({Step::SyncFile, Step::Rename, Step::OpenFolder}));
    } else {
        QCOMPARE(archive.errorString(), str("Cannot save “%1”: %2.").arg(package, message));
        QCOMPARE(snapshot(dir.path()), before);
    }
    QCOMPARE(saved, message.isEmpty() || message.startsWith(str("The package")));
}

void TestPackageArchive::secondWriterWaitsAndNoticesTheChange()
{
    QTemporaryDir dir;
    const QString package = dir.filePath(str("show.mrv"));
    QVERIFY(writeZip(package, oldItems));
    PackageArchive second(package);
    const PackageIdentity opened = second.identity();
    // The first writer holds the lock while it replaces the package.
    const int fd = ::open(QFile::encodeName(package).constData(), O_RDONLY | O_CLOEXEC);
    QVERIFY(fd >= 0 && ::flock(fd, LOCK_EX) == 0);
    std::atomic<bool> done{false};
    bool saved = true;
    std::thread writer([&] {
        saved = second.update({}, document("second"), opened);
        done = true;
    });
    QTest::qWait(300);
    const bool waited = !done;
    const QString first = dir.filePath(str("first.mrv"));
    const bool replaced = writeZip(first, {{str("json.txt"), "first"}}) && QFile::remove(package) &&
                          QFile::rename(first, package);
    ::close(fd);
    writer.join();
    QVERIFY(waited && replaced && !saved);
    QCOMPARE(second.failure(), PackageArchive::Failure::ChangedOnDisk);
    QCOMPARE(
        second.errorString(),
        str("The package “%1” was changed by another program since it was opened.").arg(package));
    QCOMPARE(readZip(package), ZipEntries({{str("json.txt"), "first"}}));
    QVERIFY(second.update({}, document("second"), second.identity()));
    // Same inode, size and second: only the nanoseconds tell a rewrite.
    const PackageIdentity now = second.identity();
    const timespec times[2] = {
        {0, UTIME_OMIT},
        {time_t(now.modifiedNs / 1000000000), long(now.modifiedNs % 1000000000 ^ 1)}};
    QVERIFY(patchBytes(package, 0, "P") &&
            ::utimensat(AT_FDCWD, QFile::encodeName(package).constData(), times, 0) == 0);
    QVERIFY(!second.update({}, document("third"), now));
    QCOMPARE(second.failure(), PackageArchive::Failure::ChangedOnDisk);
}

void TestPackageArchive::leftovers_data()
{
    // The name left beside show.mrv: %1 stands for its tag, %2 for the tag of
    // other.mrv in the same folder.
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("ours"); // and so removed unless locked
    QTest::newRow("ours") << str(".mrv-%1-a1B2c3D4.part") << true;
    QTest::newRow("ours, locked by a running save") << str(".mrv-%1-Running1.part") << true;
    QTest::newRow("another package's") << str(".mrv-%2-a1B2c3D4.part") << false;
    QTest::newRow("without a tag") << str(".mrv-a1B2c3D4.part") << false;
    QTest::newRow("seven random") << str(".mrv-%1-a1B2c3D.part") << false;
    QTest::newRow("nine random") << str(".mrv-%1-a1B2c3D4e.part") << false;
    QTest::newRow("suffix longer") << str(".mrv-%1-a1B2c3D4.parts") << false;
    QTest::newRow("suffix shorter") << str(".mrv-%1-a1B2c3D4.par") << false;
    QTest::newRow("no dot") << str("mrv-%1-a1B2c3D4.part") << false;
    QTest::newRow("the ends of each range") << str(".mrv-%1-09AZaz5q.part") << true;
    // The characters just outside the ranges 0-9, A-Z and a-z.
    for (const char c : {'/', ':', '@', '[', '`', '{'})
        QTest::addRow("random part with %c", c)
            << str(".mrv-%1-a1B2c3D") + QLatin1Char(c) + str(".part") << false;
}

void TestPackageArchive::leftovers()
{
    QFETCH(QString, name);
    QFETCH(bool, ours);
    QTemporaryDir dir;
    const QByteArray package = QFile::encodeName(dir.filePath(str("show.mrv")));
    const QByteArray tag = Platform::packageTag(package);
    name.replace(str("%1"), QString::fromLatin1(tag))
        .replace(str("%2"), QString::fromLatin1(Platform::packageTag("other.mrv")));
    QVERIFY(writeBytes(dir.filePath(name), "partial"));
    const int fd = ::open(QFile::encodeName(dir.filePath(name)).constData(), O_RDONLY | O_CLOEXEC);
    QVERIFY(fd >= 0 && (!name.contains(str("Running")) || ::flock(fd, LOCK_EX) == 0));
    Platform::removeLeftovers(package);
    ::close(fd);
    QCOMPARE(Platform::isTemporaryName(name.toUtf8(), tag), ours);
    // What a save of this package makes is what its next save removes.
    Platform::File made;
    QVERIFY(made.createTemporary(package));
    QVERIFY(Platform::isTemporaryName(made.path().mid(made.path().lastIndexOf('/') + 1), tag));
    QCOMPARE(QFileInfo::exists(dir.filePath(name)), !ours || name.contains(str("Running")));
}

void TestPackageArchive::destinationRoom_data()
{
    QTest::addColumn<qint64>("free");
    QTest::addColumn<qint64>("largest");
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("cause");
    const qint64 fat = (qint64(4) << 30) - 1;
    const QString needs = str("the package needs %1 GB, %2 GB free on “/stick”");
    QTest::newRow("fits exactly") << qint64(3e9) << qint64(-1) << qint64(3e9) << QString();
    QTest::newRow("a byte short") << qint64(3e9) << qint64(-1) << qint64(3e9) + 1
                                  << needs.arg(str("3.01"), str("3.00"));
    QTest::newRow("space unknown") << qint64(-1) << qint64(-1) << qint64(9e9) << QString();
    QTest::newRow("FAT, a byte more")
        << qint64(9e9) << fat << fat + 1
        << str("the package would be 4.30 GB, but the drive of “/stick” holds no file over 4.29 "
               "GB");
}

void TestPackageArchive::destinationRoom()
{
    QFETCH(qint64, free);
    QFETCH(qint64, largest);
    QFETCH(qint64, bytes);
    QFETCH(QString, cause);
    QString error;
    QCOMPARE(checkDestinationRoom({free, largest, str("/stick")}, bytes, bytes, &error),
             cause.isEmpty());
    QCOMPARE(error, cause);
}

void TestPackageArchive::mediaChangedWhileCopied_data()
{
    QTest::addColumn<int>("way");    // 0 a new package, 1 an update rewriting it, 2 one in place
    QTest::addColumn<int>("change"); // at the first read: 0 rewrite a byte, 1 append, 2 shorten
    QTest::addColumn<int>("atRead"); // which read of the media file changes it
    for (const int update : {0, 1, 2}) {
        const char *way = update == 0 ? "new" : update == 1 ? "rewrite" : "in place";
        QTest::addRow("%s, a byte rewritten in place", way) << update << 0 << 1;
        QTest::addRow("%s, a byte rewritten as the last window is read", way) << update << 0 << 2;
        QTest::addRow("%s, appended to", way) << update << 1 << 1;
        QTest::addRow("%s, shortened", way) << update << 2 << 1;
    }
}

// A file changed while it is copied would be stored torn, or cut, under a
// checksum of what was read: the save must fail and leave the package alone.
void TestPackageArchive::mediaChangedWhileCopied()
{
    QFETCH(int, way);
    QFETCH(int, change);
    QFETCH(int, atRead);
    QTemporaryDir dir;
    const QString package = dir.filePath(str("show.mrv"));
    const QString media = dir.filePath(str("clip.mp4"));
    // Three windows of the copy: the change lands between reads, or after the last.
    const QByteArray clip = randomBytes(2 * 1024 * 1024 + 5, 4);
    QVERIFY(writeZip(package, oldItems) && writeBytes(media, clip));
    const QByteArray oldBytes = fileBytes(package);
    int reads = 0;
    onStep = [&](Step step, const QByteArray &path) {
        if (step != Step::Read || path != QFile::encodeName(media) || ++reads != atRead + 1)
            return;
        QFile file(media);
        QVERIFY(file.open(QIODevice::ReadWrite) &&
                (change == 2 ? file.resize(clip.size() - 1)
                             : file.seek(clip.size() - 1 + change) && file.write("x", 1) == 1));
    };
    PackageArchive archive(package);
    archive.setUpdateWay(way == 1 ? PackageArchive::UpdateWay::Rewrite
                                  : PackageArchive::UpdateWay::InPlace);
    const QVector<PackageEntry> entries = document("new")
                                          << PackageEntry::file(str("clip.mp4"), media);
    QVERIFY(way > 0 ? !archive.update({str("a.jpg")}, entries) : !archive.write(entries));
    QCOMPARE(archive.updatedInPlace(), way == 2);
    QCOMPARE(archive.errorString(), str("Cannot save “%1”: the media file “%2” changed while the "
                                        "package was being saved.")
                                        .arg(package, media));
    QCOMPARE(fileBytes(package), oldBytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

void TestPackageArchive::hostilePackage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    // The damage lies only in the document entry, which the update replaces.
    QTest::addColumn<bool>("documentOnly");
    QTest::addColumn<QString>("cause"); // when given, what reading says

    const auto file = [](const char *name, const QByteArray &bytes, bool documentOnly = false,
                         const char *cause = "") {
        QTest::newRow(name) << bytes << documentOnly << str(cause);
    };
    // Each a file a reader could block on or read forever.
    file("FIFO", "fifo");
    file("link to a device", "/dev/zero");
    file("sound package", package(), true);
    file("empty file", QByteArray());
    file("truncated to half", package().left(package().size() / 2));
    file("no json.txt", package({}, false), true);
    const char *tooLarge = "its playlist document is larger than 16 MiB";
    file("json.txt inflates past the cap", package(zeros), true, tooLarge);
    // Memory must follow what the entry holds, never what it declares.
    file("json.txt bomb declares a small size", patched(0, 24, 22, le32(1000), package(zeros)),
         true, tooLarge);
    file("json.txt declares more than it holds", patched(0, 24, 22, le32(100)), true);
    file("json.txt with a bad CRC", patched(0, 16, 14, le32(0x12345678)), true);
    file("json.txt with an unknown method", patched(0, 10, 8, QByteArray("\x63\0", 2)), true);
    file("json.txt twice", patched(1, 46, 30, "json.txt"));
    // Only the layout check can see these: reading the document never touches the media.
    file("media entry encrypted", patched(1, 8, 6, QByteArray("\x01\0", 2)), false,
         "the entry “clip.mp4” is encrypted");
    file("media entry that is a folder", patched(1, 46, 30, "clip.mp/"));
    file("entries overlap", [] {
        const QByteArray bytes = package();
        return patched(2, 42, -1, bytes.mid(centralRecord(bytes, 1) + 42, 4), bytes);
    }());
    file("entry size exceeds the file", patched(1, 20, 18, le32(0x7fff0000) + le32(0x7fff0000)));
    file("entry data runs into the directory", patched(2, 20, 18, le32(4106) + le32(4106)));
    file("local header disagrees with the directory", patched(1, -1, 18, le32(4196)));
    file("local method other than the directory's", patched(1, -1, 8, QByteArray("\x08\0", 2)));
    file("local name other than the directory's", patched(1, -1, 30, "x"));
    file("local size zero without a data descriptor", patched(1, -1, 22, le32(0)), false,
         "the archive is damaged");
    file("stored entry whose two sizes differ", patched(1, 24, 22, le32(4095)), false,
         "the archive is damaged");
    file("local header offset beyond the file", patched(1, 42, -1, le32(0x7fffffff)));
    file("extra field runs past the directory", patched(1, 30, -1, QByteArray("\xff\xff", 2)));
    file("central directory beyond the file", patched(-1, 16, -1, le32(1 << 20)));
    file("more entries counted than recorded", patched(-1, 8, -1, QByteArray("\x05\0\x05\0", 4)));
    file("size field without zip64", patched(1, 20, 18, QByteArray(8, '\xff')), false,
         "the entry “clip.mp4” has a size field this program does not support");
    // A second end record in the comment, of an empty directory: readers could take either.
    file("two end records", []() -> QByteArray {
        const QByteArray b = patched(-1, 20, -1, "\x16");
        return b + QByteArray("PK\x05\x06\0\0\0\0\0\0\0\0\x16\0\0\0", 16) +
               le32(quint32(b.size() - 22)) + QByteArray(2, '\0');
    }());
    file("name climbing out", patched(1, 46, 30, "../c.mp4"));
    file("entry named ..", namedEntries({str(".."), str("json.txt")}), false,
         "the entry “..” is not a plain file name");
    file("entry named .", namedEntries({str("."), str("json.txt")}), false,
         "the entry “.” is not a plain file name");
    file("name with a NUL byte", patched(1, 46, 30, QByteArray("clip\0mp4", 8)));
}

void TestPackageArchive::hostilePackage()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, documentOnly);
    QFETCH(QString, cause);
    QTemporaryDir dir;
    const QString path = dir.filePath(str("show.mrv"));
    const QString extra = dir.filePath(str("new/extra.jpg"));
    QVERIFY(writeBytes(extra, randomBytes(2048, 3)));
    if (bytes == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    else
        QVERIFY(bytes == "/dev/zero" ? QFile::link(str("/dev/zero"), path)
                                     : writeBytes(path, bytes));
    const QStringList before = snapshot(dir.path());
    const bool sound = QByteArray(QTest::currentDataTag()) == "sound package";

    PackageArchive archive(path);
    QByteArray read;
    QCOMPARE(archive.readDocument(&read) && archive.verify(), sound);
    const QString error = archive.errorString();
    QVERIFY(sound ||
            (error.startsWith(str("Cannot read “%1”: ").arg(path)) && error.contains(cause)));
    QCOMPARE(snapshot(dir.path()), before);

    const bool updated = archive.update(
        {str("json.txt"), str("photo.jpg")},
        {PackageEntry::memory(str("json.txt"), "{}"), PackageEntry::file(str("extra.jpg"), extra)});
    if (!updated) {
        QVERIFY(!sound);
        QVERIFY(archive.errorString().startsWith(str("Cannot save “%1”: ").arg(path)));
        QCOMPARE(snapshot(dir.path()), before);
        return;
    }
    // Replacing a damaged document is a repair, not a rewrite of the damage.
    QVERIFY2(documentOnly, "a damaged package was rewritten");
    QCOMPARE(readZip(path), ZipEntries({{str("json.txt"), "{}"},
                                        {str("clip.mp4"), randomBytes(4096, 1)},
                                        {str("extra.jpg"), randomBytes(2048, 3)}}));
}

void TestPackageArchive::otherWriters_data()
{
    QTest::addColumn<QString>("writer");
    QTest::newRow("zip -rj, media deflated") << str("-rjq");
    QTest::newRow("zipfile streaming with data descriptors") << str("streamed");
    QTest::newRow("zipfile streaming with zip64 headers") << str("zip64");
    // Leaves checksum and compressed size zero in the local header, flags a data descriptor.
    QTest::newRow("bsdtar streaming") << str("bsdtar");
}

void TestPackageArchive::otherWriters()
{
    QFETCH(QString, writer);
    for (const char *tool : {"python3", "unzip", "zip", "bsdtar"})
        if (QStandardPaths::findExecutable(str(tool)).isEmpty())
            QSKIP("python3, unzip, zip and bsdtar are needed to check packages against other zip "
                  "tools");
    QTemporaryDir dir;
    // Some writers flag a name as UTF-8, others store its bytes unflagged; the deletion finds
    // it either way, and what we write is flagged for readers that guess otherwise.
    ZipEntries entries{{str("json.txt"), "{\"old\": 1}"},
                       {str("clip.mp4"), randomBytes(200000, 7)},
                       {str("Café façade.jpg"), randomBytes(10000, 10)},
                       {str("tab\tand a\\b [1].png"), "t"}};
    QStringList files;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        files << dir.filePath(str("staged/") + it.key());
        QVERIFY(writeBytes(files.last(), it.value()));
    }
    const QString package = dir.filePath(str("show.mrv"));
    PackageArchive archive(package);
    if (writer.startsWith(QLatin1Char('-')))
        QVERIFY(runProgram(str("zip"), {writer, package, dir.filePath(str("staged"))}).isEmpty());
    else if (writer == str("bsdtar"))
        QVERIFY(runProgram(writer,
                           QStringList{str("--format"), str("zip"), str("-cf"), package} +
                               entries.keys(),
                           dir.filePath(str("staged")))
                    .isEmpty());
    else
        QVERIFY(writeBytes(
            package,
            runProgram(str("python3"), QStringList{str("-c"), str(writeScript), writer} + files)));

    QByteArray read;
    QVERIFY(archive.readDocument(&read) && archive.verify());
    QCOMPARE(read, entries.value(str("json.txt")));
    // The extra fields of the media kept, but the zip64 one, which is made anew.
    const char *extras = "import sys, struct, zipfile\n"
                         "e = zipfile.ZipFile(sys.argv[1]).getinfo('clip.mp4').extra\n"
                         "while len(e) >= 4:\n"
                         "    i, n = struct.unpack('<HH', e[:4])\n"
                         "    print(i, e[4:4 + n].hex()) if i != 1 else None\n"
                         "    e = e[4 + n:]\n";
    const QByteArray extrasBefore = runProgram(str("python3"), {str("-c"), str(extras), package});
    archive.setUpdateWay(PackageArchive::UpdateWay::InPlace);
    QVERIFY(writeBytes(dir.filePath(str("Été.mp4")), randomBytes(50000, 6)));
    QVERIFY(
        archive.update({str("Café façade.jpg")},
                       {PackageEntry::memory(str("json.txt"), "{}"),
                        PackageEntry::file(str("Été à Noël.mp4"), dir.filePath(str("Été.mp4")))}));
    entries.remove(str("Café façade.jpg"));
    entries.insert(str("json.txt"), "{}");
    entries.insert(str("Été à Noël.mp4"), randomBytes(50000, 6));
    // Entries kept from the other writer keep its method and still read back everywhere.
    QCOMPARE(readZip(package), entries);
    QCOMPARE(runProgram(str("unzip"), {str("-tqq"), package}), QByteArray());
    QCOMPARE(runProgram(str("python3"), {str("-c"), str(extras), package}), extrasBefore);
    // Python's reader tests every CRC and decodes names unflagged as UTF-8 otherwise.
    const char *list = "import sys, zipfile; z = zipfile.ZipFile(sys.argv[1]); "
                       "assert z.testzip() is None; print('\\n'.join(sorted(z.namelist())))";
    QCOMPARE(QString::fromUtf8(runProgram(str("python3"), {str("-c"), str(list), package}))
                 .split(QLatin1Char('\n'), Qt::SkipEmptyParts),
             entries.keys());
}

void TestPackageArchive::readerEntries_data()
{
    QTest::addColumn<bool>("deflate");
    QTest::addColumn<QString>("cause"); // of the damage
    QTest::newRow("stored, byte flipped") << false << str("checksum mismatch");
    QTest::newRow("deflated, stream broken") << true << str("damaged");
}

// Reads at scattered positions, backwards too, give the entry's own bytes; a
// damaged entry names itself and the cause, and the package's other entries still read.
void TestPackageArchive::readerEntries()
{
    QFETCH(bool, deflate);
    QFETCH(QString, cause);
    QTemporaryDir dir;
    const QString package = dir.filePath(str("p.mrv"));
    const QByteArray media = compressible(300000);
    QVERIFY(writeZip(package, {{str("before.bin"), randomBytes(777, 2), deflate},
                               {str("clip.mp4"), media, deflate},
                               {str("json.txt"), "{}", deflate}}));
    PackageReader reader(package);
    QVERIFY(reader.open());
    QCOMPARE(reader.isStored(str("clip.mp4")), !deflate);
    QCOMPARE(reader.entrySize(str("clip.mp4")), qint64(media.size()));
    QString error;
    std::unique_ptr<QIODevice> device = reader.entryDevice(str("clip.mp4"), &error);
    // A second device on the same entry reads on its own.
    std::unique_ptr<QIODevice> other = reader.entryDevice(str("clip.mp4"), &error);
    QVERIFY(device && other && !device->isSequential());
    QCOMPARE(device->size(), qint64(media.size()));
    for (const qint64 at : {250000, 10, 0, 299990, 123456, 123400}) {
        QVERIFY(device->seek(at));
        QCOMPARE(device->read(64), media.mid(int(at), 64));
        const qint64 from = other->pos();
        QCOMPARE(other->read(16), media.mid(int(from), 16));
    }
    QVERIFY(device->seek(media.size()));
    QCOMPARE(device->read(10), QByteArray());
    QVERIFY(!device->seek(media.size() + 1));

    // clip.mp4's data follows its name in its local header.
    const qint64 data = fileBytes(package).indexOf("clip.mp4") + 8;
    QVERIFY(patchBytes(package, data + (deflate ? 0 : 20000), QByteArray("\xff\xff\xff\xff", 4)));
    PackageReader damaged(package);
    QVERIFY(damaged.open());
    QVERIFY(!damaged.verify());
    QVERIFY(damaged.errorString().contains(str("the entry “clip.mp4”")) &&
            damaged.errorString().contains(cause));
    QByteArray read;
    QVERIFY(!damaged.readEntry(str("clip.mp4"), 1 << 20, &read));
    QVERIFY(damaged.readEntry(str("json.txt"), 1 << 20, &read));
    QCOMPARE(read, QByteArray("{}"));
    QVERIFY(!damaged.readEntry(str("clip.mp4"), 1000, &read));
    QVERIFY(damaged.errorString().contains(str("“clip.mp4” is too large")));
}

QTEST_GUILESS_MAIN(TestPackageArchive)
#include "tst_packagearchive.moc"
