// Drives among real components: drivebed.py starts a private system bus with
// a stand-in for the drive service, and mounts real exFAT and FAT32 file
// systems through FUSE; this suite plugs, writes, pulls and ejects them.

#include "app/drivesdialog.h"
#include "app/mainwindow.h"
#include "archive/packagearchive.h"
#include "archive/platformfile.h"
#include "archive/text.h"
#include "drives/drivelist.h"
#include "drives/drivewriter.h"
#include "tests/common/fakedialogs.h"

#include <QAction>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDataStream>
#include <QDir>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <mutex>

#include <csignal>

namespace {

struct BedDrive
{
    QString name, path, type;
    bool real = false;
    int pid = 0;
    qint64 size = 0;
};

QVector<BedDrive> bedDrives()
{
    QVector<BedDrive> drives;
    const QJsonObject bed = QJsonDocument::fromJson(qgetenv("MEROVI_DRIVEBED")).object();
    for (const QJsonValue &value : bed.value(str("drives")).toArray()) {
        const QVariantMap d = value.toObject().toVariantMap();
        drives.append({d[str("name")].toString(), d[str("path")].toString(),
                       d[str("type")].toString(), d[str("real")].toBool(), d[str("pid")].toInt(),
                       d[str("size")].toLongLong()});
    }
    return drives;
}

QVariantList callService(const QString &method, const QVariantList &arguments = {})
{
    QDBusMessage call = QDBusMessage::createMethodCall(str("org.freedesktop.UDisks2"),
                                                       str("/org/freedesktop/UDisks2"),
                                                       str("org.merovi.DriveServiceTest"), method);
    call.setArguments(arguments);
    const QDBusMessage reply = QDBusConnection::systemBus().call(call);
    if (reply.type() != QDBusMessage::ReplyMessage)
        qWarning() << method << reply.errorMessage();
    return reply.arguments();
}

// The unmount and power-off calls since the last look, sorted.
QString takeCalls()
{
    const QVariantList reply = callService(str("TakeCalls"));
    QStringList calls = reply.isEmpty() ? QStringList() : reply.constFirst().toStringList();
    calls.sort();
    return calls.join(u' ');
}

const QByteArray newDocument = "{\"gallery\":[1,2,3],\"update_time\":\"2026-05-01 10:00:00\"}\n";

// What this process has written through system calls so far.
qint64 bytesWrittenByProcess()
{
    QFile io(str("/proc/self/io"));
    const QByteArray text = io.open(QIODevice::ReadOnly) ? io.readAll() : QByteArray();
    const int at = text.indexOf("wchar: ");
    return at < 0 ? -1 : text.mid(at + 7, text.indexOf('\n', at) - at - 7).toLongLong();
}

// A package of json.txt and big.mp4, the latter size zero bytes left as a
// hole in the file: a few kilobytes on disk however large.
bool writeSparsePackage(const QString &path, qint64 size)
{
    QFile file(path);
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    // The checksum of "{}", all ones for a size in the zip64 field, 1980-01-01.
    const quint32 crc = 0xa3a6bf43, ones = 0xffffffff, date = 0x00210000;
    const auto header = [&](quint32 sig, quint16 v, quint32 c, quint32 n, const char *name) {
        out << sig << v;
        if (sig == 0x02014b50)
            out << v;
        out << quint32(0) << date << c << n << n << quint16(qstrlen(name))
            << quint16(v == 45 ? 20 : 0);
        if (sig == 0x02014b50)
            out << quint32(0) << quint16(0) << quint32(0) << quint32(n == ones ? 40 : 0);
        out.writeRawData(name, int(qstrlen(name)));
        if (v == 45)
            out << quint16(1) << quint16(16) << quint64(size) << quint64(size);
    };
    if (!file.open(QIODevice::WriteOnly))
        return false;
    header(0x04034b50, 20, crc, 2, "json.txt");
    out.writeRawData("{}", 2);
    header(0x04034b50, 45, 0, ones, "big.mp4");
    const quint64 directoryAt = quint64(file.pos() + size);
    file.seek(qint64(directoryAt));
    header(0x02014b50, 20, crc, 2, "json.txt");
    header(0x02014b50, 45, 0, ones, "big.mp4");
    const quint64 length = quint64(file.pos()) - directoryAt;
    out << quint32(0x06064b50) << quint64(44) << quint16(45) << quint16(45) << quint64(0);
    out << quint64(2) << quint64(2) << length << directoryAt << quint32(0x07064b50) << quint32(0);
    out << directoryAt + length << quint32(1) << quint32(0x06054b50) << quint32(0) << quint16(2);
    out << quint16(2) << quint32(length) << ones << quint16(0);
    return out.status() == QDataStream::Ok && file.flush();
}

QByteArray corruptedUnder;
void corruptReadBack(const QByteArray &path, qint64 offset, char *data, qint64 len)
{
    // One bit in the middle of the package, as a worn cell returns it.
    if (path.startsWith(corruptedUnder) && offset <= 2'000'000 && offset + len > 2'000'000)
        data[2'000'000 - offset] ^= 0x10;
}

} // namespace

#define REQUIRE_REAL_MOUNTS()                                                                      \
    if (!m_bed.constFirst().real)                                                                  \
    QSKIP("No /dev/fuse or loop devices here: the drives are plain folders.")

class TestDrives : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void mountInfoType();

    void listsTheMountedDrives();
    void mrvWrite_data();
    void mrvWrite();
    void newVersionOntoNearlyFullStick();
    void cancelWithinASecond_data();
    void cancelWithinASecond();
    void fatLimitOnTheDriveCopy();
    void unsavedEditsAskedFirst();
    void withoutTheServiceSaysSo();
    void fourGiBFile_data();
    void fourGiBFile();

    void writesThreeDrivesVerifiesAndEjects();
    void driveReturningOtherBytesIsNotEjected();
    void dialogWritesVerifiesAndEjects();
    void dialogSpeaksTheOwnersLanguage();
    // Last: it pulls stick3 for good.
    void pulledDriveStopsOnlyItself();

private:
    DriveInfo drive(const QString &name);
    DriveInfos sticks()
    {
        return {drive(str("stick1")), drive(str("stick2")), drive(str("stick3"))};
    }
    QString on(const char *drive, const char *file) const
    {
        return mountOf(str(drive)) + u'/' + str(file);
    }
    QString mountOf(const QString &name) const;

    QVector<BedDrive> m_bed;
    QTemporaryDir m_work;
    QString m_package;
    QString m_older;
    QString m_newer;
    QString m_unrelated;
    ZipEntries m_packageEntries;
};

void TestDrives::initTestCase()
{
    m_bed = bedDrives();
    if (m_bed.isEmpty())
        QSKIP("Run through tests/drives/drivebed.py: it starts the bus and mounts the drives.");
    QVERIFY(m_work.isValid());

    // A package of incompressible media, large enough to be caught midway,
    // and an older one of the same name: one clip the same, one changed, one gone.
    QVector<PackageEntry> entries;
    for (int i = 0; i < 4; ++i) {
        const QString file = m_work.filePath(str("clip%1.mp4").arg(i));
        QVERIFY(writeBytes(file, randomBytes(i < 3 ? 6'000'000 : 3'000'000, quint32(i + 1))));
        entries.append(PackageEntry::file(str("clip%1.mp4").arg(i), file));
    }
    const PackageEntry changed = PackageEntry::file(str("clip1.mp4"), entries.takeLast().path);
    m_package = m_work.filePath(str("show.mrv"));
    m_older = m_work.filePath(str("old/show.mrv"));
    QVERIFY(QDir().mkpath(m_work.filePath(str("old"))));
    QVERIFY(PackageArchive(m_package).write(
        entries + QVector<PackageEntry>{PackageEntry::memory(documentEntryName(), newDocument)}));
    QVERIFY(PackageArchive(m_older).write(
        {entries.at(0), changed, PackageEntry::file(str("gone.mp4"), changed.path),
         PackageEntry::memory(documentEntryName(), "{\"old\":1}\n")}));
    // Saved later with one more item; and another playlist altogether.
    m_newer = m_work.filePath(str("newer/show.mrv"));
    m_unrelated = m_work.filePath(str("other/show.mrv"));
    QVERIFY(QDir().mkpath(m_work.filePath(str("newer"))) &&
            QDir().mkpath(m_work.filePath(str("other"))));
    QVERIFY(PackageArchive(m_newer).write(
        {entries.at(0), changed,
         PackageEntry::memory(documentEntryName(), "{\"gallery\":[1,2,3,4],\"update_time\":"
                                                   "\"2026-06-01 09:00:00\"}\n")}));
    QVERIFY(PackageArchive(m_unrelated)
                .write({PackageEntry::file(str("gone.mp4"), changed.path),
                        PackageEntry::memory(documentEntryName(),
                                             "{\"update_time\":\"2000-01-01 00:00:00\"}")}));
    m_packageEntries = readZip(m_package);
    QCOMPARE(m_packageEntries.size(), 4);
}

void TestDrives::init()
{
    callService(str("RemoveDrive"), {str("ghost")});
    for (const BedDrive &bed : std::as_const(m_bed)) {
        callService(str("RemoveDrive"), {bed.name});
        // A mount point itself stays: only what is on the drive goes.
        if (bed.pid >= 0)
            QDir(bed.path).removeRecursively();
        QDir().mkpath(bed.path);
        callService(str("AddDrive"), {bed.name, bed.path, bed.type, bed.name.toUpper(),
                                      QVariant::fromValue(quint64(bed.size))});
        callService(str("SetBusy"), {bed.name, false});
    }
    takeCalls();
}

void TestDrives::cleanup()
{
    Platform::setReadBackHook(nullptr);
    Platform::setStepHook(nullptr);
}

DriveInfo TestDrives::drive(const QString &name)
{
    DriveInfos drives;
    QString error;
    const bool listed = listDrives(&drives, &error);
    for (const DriveInfo &info : std::as_const(drives)) {
        if (listed && info.mountPoint == mountOf(name))
            return info;
    }
    return {};
}

QString TestDrives::mountOf(const QString &name) const
{
    for (const BedDrive &bed : m_bed) {
        if (bed.name == name)
            return bed.path;
    }
    return {};
}

void TestDrives::mountInfoType()
{
    // Device 8:17 is mounted twice, the last mount is what paths reach; 8:170 is another device.
    const QByteArray info = "22 1 8:2 / / rw shared:1 - ext4 /dev/sda2 rw\n"
                            "40 22 8:17 / /a rw shared:5 - vfat /dev/sdb1 rw\n"
                            "41 22 8:170 / /b rw - vfat /dev/x rw\n"
                            "42 22 8:17 / /c rw - exfat /dev/sdb1 rw\n43 22 8:18 / /d rw -\n";
    QByteArray source;
    QCOMPARE(Platform::mountInfoType(info, 8, 17, &source), str("exfat"));
    QCOMPARE(source, QByteArray("/dev/sdb1"));
    QCOMPARE(Platform::mountInfoType(info, 8, 18), QString());
    // Mounted is a mount's own point, spaces written in octal; not a folder beneath it.
    const QByteArray spaced = info + "44 22 8:19 / /media/my\\040stick rw - exfat /dev/sdc1 rw\n";
    QVERIFY(isMountedAt(str("/media/my stick"), spaced));
    QVERIFY(isMountedAt(str("/c/"), spaced));
    QVERIFY(!isMountedAt(str("/c/sub"), spaced));
}

void TestDrives::listsTheMountedDrives()
{
    QVERIFY(QFile::copy(m_older, on("stick2", "show.mrv")));
    // A drive with no mounted file system is no place to write.
    callService(str("RemoveDrive"), {str("fat32")});
    callService(str("AddDrive"), {str("fat32"), QString(), str("vfat"), str("FAT32"),
                                  QVariant::fromValue(quint64(1))});
    // A fixed disk is no stick to write playlists to.
    callService(str("SetDriveProperty"),
                {str("stick3"), str("Removable"), QVariant::fromValue(QDBusVariant(false))});
    DriveInfos drives;
    QString error;
    QVERIFY(listDrives(&drives, &error));
    QCOMPARE(drives.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const DriveInfo &info = drives.at(i);
        const QString name = str("stick%1").arg(i + 1);
        QCOMPARE(info.mountPoint, mountOf(name));
        QCOMPARE(info.label, name.toUpper());
        QCOMPARE(info.fileSystemType, str("exfat"));
        QCOMPARE(info.packages, i == 1 ? QStringList{str("show.mrv")} : QStringList());
    }
    // mrv gives the same list to scripts.
    const QJsonArray json =
        QJsonDocument::fromJson(runProgram(str(MRV_PATH), {str("drives"), str("--json")})).array();
    QCOMPARE(json.at(1).toObject().value(str("packages")).toArray(), QJsonArray{str("show.mrv")});
}

enum Setup { Plain, SameLabel, NewerHeld, UnrelatedHeld, NotMounted, Leftover };

void TestDrives::mrvWrite_data()
{
    QTest::addColumn<int>("setup");
    // PKG is the package; FOLDER a folder that is no drive.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("said");
    // The bed drives (or FOLDER) that hold the package after, byte for byte.
    QTest::addColumn<QStringList>("written");
    const auto list = [](const char *text) { return str(text).split(u' ', Qt::SkipEmptyParts); };
    QTest::newRow("a label two sticks share is refused, both listed")
        << int(SameLabel) << list("write PKG SHOP") << 1
        << list("“SHOP”_names_2_drives Merovi_Test_Stick_stick1 Merovi_Test_Stick_stick2")
        << QStringList();
    QTest::newRow("a label finds its drive, and the leftover of a pulled write goes")
        << int(Leftover) << list("write PKG STICK2") << 0 << list("STICK2") << list("stick2");
    QTest::newRow("ejected is done")
        << int(Plain) << list("write --eject PKG STICK1") << 0
        << list("Safe_to_remove 1_of_1_drives_done.") << list("stick1");
    QTest::newRow("a folder with --eject is verified, with a note")
        << int(Plain) << list("write --eject PKG FOLDER") << 0
        << list("Verified: not_a_drive_this_computer_can_eject 1_of_1_drives_done.")
        << list("FOLDER");
    QTest::newRow("a newer package is kept")
        << int(NewerHeld) << list("write PKG STICK1") << 1
        << list("holds_a_newer_show.mrv_(saved_2026-06-01_09:00:00,_4_items) --force")
        << QStringList();
    QTest::newRow("--force replaces a newer package")
        << int(NewerHeld) << list("write --force PKG STICK1") << 0 << list("Verified")
        << list("stick1");
    QTest::newRow("an unrelated package is kept")
        << int(UnrelatedHeld) << list("write PKG STICK1") << 1
        << list("another_playlist_named_show.mrv") << QStringList();
    QTest::newRow("a mount point that is not mounted is refused")
        << int(NotMounted) << list("write PKG GHOST") << 1 << list("is_not_mounted_at")
        << QStringList();
}

void TestDrives::mrvWrite()
{
    REQUIRE_REAL_MOUNTS();
    QFETCH(int, setup);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, said);
    QFETCH(QStringList, written);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    if (setup == SameLabel) {
        for (const char *name : {"stick1", "stick2"}) {
            callService(str("RemoveDrive"), {str(name)});
            callService(str("AddDrive"), {str(name), mountOf(str(name)), str("exfat"), str("SHOP"),
                                          QVariant::fromValue(quint64(1) << 32)});
        }
    }
    if (setup == NewerHeld || setup == UnrelatedHeld)
        QVERIFY(QFile::copy(setup == NewerHeld ? m_newer : m_unrelated, on("stick1", "show.mrv")));
    // Reported mounted, but only a folder of this computer's disk.
    if (setup == NotMounted)
        callService(str("AddDrive"), {str("ghost"), folder.path(), str("exfat"), str("GHOST"),
                                      QVariant::fromValue(quint64(1) << 32)});
    const QString leftover = on(
        "stick2", QByteArray(".mrv-" + Platform::packageTag("show.mrv") + "-AbCd1234.part").data());
    if (setup == Leftover)
        QVERIFY(writeBytes(leftover, {}));
    QMap<QString, QStringList> before;
    for (const BedDrive &bed : std::as_const(m_bed))
        before[bed.name] = snapshot(bed.path);
    for (QString &argument : arguments)
        argument = argument == str("PKG")      ? m_package
                   : argument == str("FOLDER") ? folder.path()
                                               : argument;

    QProcess mrv;
    mrv.start(str(MRV_PATH), arguments);
    QVERIFY(mrv.waitForFinished(60000));
    const QString output =
        QString::fromUtf8(mrv.readAllStandardOutput() + mrv.readAllStandardError());
    QVERIFY(mrv.exitCode() == exitCode);
    for (const QString &words : std::as_const(said))
        QVERIFY_CONTAINS(output, QString(words).replace(u'_', u' '));
    for (const BedDrive &bed : std::as_const(m_bed)) {
        if (written.contains(bed.name))
            QCOMPARE(fileBytes(bed.path + str("/show.mrv")), fileBytes(m_package));
        else
            QCOMPARE(snapshot(bed.path), before.value(bed.name));
    }
    QCOMPARE(QFile::exists(folder.filePath(str("show.mrv"))), written.contains(str("FOLDER")));
    QCOMPARE(QFile::exists(leftover), false);
}

void TestDrives::newVersionOntoNearlyFullStick()
{
    // A stick of 24 MB holding an 18 MB package; the new version adds a 3 MB clip.
    const QString point = m_work.filePath(str("full"));
    QVERIFY(QDir().mkpath(point));
    if (QProcess::execute(str("mount"), {str("-t"), str("tmpfs"), str("-o"), str("size=24m"),
                                         str("tmpfs"), point}) != 0)
        QSKIP("Cannot mount a small file system here.");
    const auto unmount = qScopeGuard([&] {
        callService(str("RemoveDrive"), {str("full")});
        QProcess::execute(str("umount"), {point});
    });
    QVector<PackageEntry> media;
    for (int i = 0; i < 4; ++i)
        media.append(
            PackageEntry::file(str("v%1.mp4").arg(i), m_work.filePath(str("clip%1.mp4").arg(i))));
    const QString version1 = m_work.filePath(str("v1.mrv"));
    const QString version2 = m_work.filePath(str("full.mrv"));
    QVERIFY(PackageArchive(version1).write(
        media.mid(0, 3) + QVector<PackageEntry>{PackageEntry::memory(documentEntryName(), "{}")}));
    QVERIFY(QFile::copy(version1, version2) && QFile::copy(version1, point + str("/full.mrv")));
    PackageArchive update(version2);
    QVERIFY(update.update({documentEntryName()},
                          {media.at(3), PackageEntry::memory(documentEntryName(), "{\"v\":2}")}));
    callService(str("AddDrive"), {str("full"), point, str("exfat"), str("FULL"),
                                  QVariant::fromValue(quint64(24) << 20)});
    DriveInfo full = folderAsDrive(point);
    full.blockObject = str("/org/freedesktop/UDisks2/block_devices/full");
    QVERIFY(full.freeBytes < QFileInfo(version2).size());

    const qint64 before = bytesWrittenByProcess();
    const DriveResults results = writeToDrives(version2, {full}, DriveWriteOptions());
    const qint64 written = bytesWrittenByProcess() - before;
    QCOMPARE(results.at(0).proof, DriveResult::Proof::Verified);
    QCOMPARE(results.at(0).action, DriveResult::Action::Updated);
    QCOMPARE(fileBytes(point + str("/full.mrv")), fileBytes(version2));
    // The clip, the journal of the old document and directory, and little else.
    QVERIFY_BETWEEN(written, 0, 3'000'000 + 1'000'000);
}

void TestDrives::cancelWithinASecond_data()
{
    QTest::addColumn<QString>("held");
    QTest::newRow("during a copy") << QString();
    QTest::newRow("during an update") << m_older;
}

void TestDrives::cancelWithinASecond()
{
    REQUIRE_REAL_MOUNTS();
    QFETCH(QString, held);
    if (!held.isEmpty())
        QVERIFY(QFile::copy(held, on("stick2", "show.mrv")));
    const DriveInfos drives = {drive(str("stick1")), drive(str("stick2"))};
    const auto names = [&drives] {
        QStringList all;
        for (const DriveInfo &info : drives)
            all += entriesIn(info.mountPoint);
        return all;
    };
    const QStringList before = names();
    // Slow drives, so that each is caught while it writes.
    Platform::setStepHook([](Platform::Step step, const QByteArray &) {
        if (step == Platform::Step::Write)
            QThread::msleep(30);
        return 0;
    });
    QElapsedTimer sinceCancel;
    QVector<qint64> done(2, 0);
    QVector<qint64> afterCancel(2, 0);
    // Reports come one at a time, each with every drive's part.
    JobControl control([&](const JobProgress &progress) {
        for (int index = 0; index < progress.parts.size(); ++index) {
            const JobPart &part = progress.parts.at(index);
            if (part.step != JobStep::Writing)
                continue;
            if (control.isCancelled())
                afterCancel[index] = std::max(afterCancel[index], part.done - done[index]);
            else
                done[index] = part.done;
        }
        if (!done.contains(0) && !control.isCancelled()) {
            sinceCancel.start();
            control.requestCancel();
        }
    });
    const DriveResults results = writeToDrives(m_package, drives, {}, &control);
    QVERIFY_BETWEEN(sinceCancel.elapsed(), 0, 999);
    // Stopped at the next chunk, not at the end.
    for (const qint64 bytes : std::as_const(afterCancel))
        QVERIFY_BETWEEN(bytes, 0, 4 * 1024 * 1024);
    for (const DriveResult &result : results) {
        QCOMPARE(result.status, DriveResult::Status::Cancelled);
        QVERIFY_CONTAINS(result.error, str("left as it was"));
    }
    // Byte for byte as it was; no temporary or journal left.
    QCOMPARE(names(), before);
    if (!held.isEmpty())
        QCOMPARE(fileBytes(on("stick2", "show.mrv")), fileBytes(held));
    QCOMPARE(driveSummaryText(results),
             str("0 of 2 drives done. Cancelled: 2, each left as it was."));
}

void TestDrives::fatLimitOnTheDriveCopy()
{
    REQUIRE_REAL_MOUNTS();
    const QString big = m_work.filePath(str("big.mrv"));
    QVERIFY(writeSparsePackage(big, 4'300'000'000));
    const DriveResults results = writeToDrives(big, {drive(str("fat32"))}, {});
    QFile::remove(big);
    QCOMPARE(results.at(0).status, DriveResult::Status::Failed);
    QVERIFY_CONTAINS(results.at(0).error, str("holds no file over"));
    QCOMPARE(entriesIn(mountOf(str("fat32"))), QStringList());
}

void TestDrives::unsavedEditsAskedFirst()
{
    QVERIFY(keepUserFilesIn(m_work.path()));
    for (const char *name : {"a.png", "b.png"}) {
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QVERIFY(image.save(m_work.filePath(str(name))));
    }
    const QString package = m_work.filePath(str("edited.mrv"));
    runProgram(str(MRV_PATH), {str("build"), package, m_work.filePath(str("a.png=00:00:05")),
                               m_work.filePath(str("b.png=00:00:05"))});
    MainWindow window;
    window.show();
    QSignalSpy opened(&window, &MainWindow::openFinished);
    window.openFile(package);
    QVERIFY(opened.wait(20000));
    auto *table = window.findChild<QTableWidget *>(str("tableWidget"));
    table->selectRow(0);
    window.findChild<QPushButton *>(str("pushButtonDelete"))->click();
    QVERIFY(window.hasUnsavedChanges());

    QStringList asked;
    answer(&window, {}, &asked);
    window.findChild<QAction *>(str("actionWriteToDrives"))->trigger();
    QTRY_VERIFY(!asked.isEmpty());
    QVERIFY_CONTAINS(asked.first(), str("Save the playlist first"));
    QVERIFY(!window.findChild<DrivesDialog *>());
}

void TestDrives::withoutTheServiceSaysSo()
{
    QProcess mrv;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(str("DBUS_SYSTEM_BUS_ADDRESS"), str("unix:path=") + m_work.filePath(str("no-bus")));
    mrv.setProcessEnvironment(env);
    mrv.start(str(MRV_PATH), {str("drives")});
    QVERIFY(mrv.waitForFinished(30000) && mrv.exitCode() == 1);
    const QString error = QString::fromUtf8(mrv.readAllStandardError());
    QVERIFY(error.contains(str("cannot be reached (")) &&
            error.contains(str("Choose the drive's folder")));
}

void TestDrives::fourGiBFile_data()
{
    QTest::addColumn<QString>("drive");
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("fat");
    QTest::newRow("FAT32 through fusefat refuses it before writing") << "fat32"
                                                                     << "fuse.fusefat" << true;
    QTest::newRow("exFAT through exfat-fuse takes it") << "stick1"
                                                       << "exfat" << false;
}

void TestDrives::fourGiBFile()
{
    REQUIRE_REAL_MOUNTS();
    QFETCH(QString, drive);
    QFETCH(QString, type);
    QFETCH(bool, fat);
    // Known by the mount, as statfs sees FUSE only; both ignore letter case.
    QCOMPARE(Platform::fileSystemType(QFile::encodeName(mountOf(drive))), type);
    QVERIFY(Platform::ignoresLetterCase(type));
    const QString big = m_work.filePath(str("big.mp4"));
    QFile file(big);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(qint64(4) << 30));
    file.close();
    // Past the pre-flight, writing starts; the first megabytes are enough to know.
    JobControl *control = nullptr;
    JobControl stopper([&control](const JobProgress &progress) {
        if (progress.done > 0)
            control->requestCancel();
    });
    control = &stopper;
    PackageArchive archive(mountOf(drive) + str("/big.mrv"));
    const bool written = archive.write(
        {PackageEntry::file(str("big.mp4"), big), PackageEntry::memory(documentEntryName(), "{}")},
        &stopper);
    QFile::remove(big);
    QVERIFY(!written);
    QCOMPARE(archive.failure(),
             fat ? PackageArchive::Failure::NoRoom : PackageArchive::Failure::Cancelled);
    QCOMPARE(archive.errorString().contains(str("holds no file over 4.29 GB")), fat);
    QCOMPARE(entriesIn(mountOf(drive)), QStringList());
}

void TestDrives::writesThreeDrivesVerifiesAndEjects()
{
    REQUIRE_REAL_MOUNTS();
    QVERIFY(QFile::copy(m_older, on("stick2", "show.mrv")));
    const DriveInfos drives = sticks();
    DriveWriteOptions options;
    options.eject = true;
    QVector<qint64> verified(3, 0);
    QVector<bool> finishing(3, false);
    QVector<bool> finished(3, false);
    JobControl control([&](const JobProgress &progress) {
        for (int index = 0; index < progress.parts.size(); ++index) {
            const JobPart &part = progress.parts.at(index);
            if (part.step == JobStep::Verifying)
                verified[index] = part.done;
            finishing[index] = finishing[index] || part.step == JobStep::Finishing;
            finished[index] = part.finished;
        }
    });
    const DriveResults results = writeToDrives(m_package, drives, options, &control);

    QCOMPARE(results.size(), 3);
    const QVector<DriveResult::Action> actions = {
        DriveResult::Action::Copied, DriveResult::Action::Updated, DriveResult::Action::Copied};
    QCOMPARE(takeCalls(), str("PowerOff stick1 PowerOff stick2 PowerOff stick3 Unmount stick1 "
                              "Unmount stick2 Unmount stick3"));
    for (int i = 0; i < 3; ++i) {
        const DriveResult &result = results.at(i);
        QVERIFY(result.isSafeToRemove());
        QCOMPARE(result.action, actions.at(i));
        // Each says so while the drive takes the last of it, and when it is done.
        QVERIFY(finishing.at(i) && finished.at(i));
        const QString target = drives.at(i).mountPoint + str("/show.mrv");
        QCOMPARE(readZip(target), m_packageEntries);
        // Every byte of the package was read back once; the search for the
        // archive's end reads its last 64 KiB once more.
        const qint64 size = QFileInfo(target).size();
        QVERIFY_BETWEEN(verified.at(i), size, size + 66 * 1024 + 100);
    }

    // Written again: nothing to write, read back all the same.
    options.eject = false;
    const DriveResults again = writeToDrives(m_package, drives, options);
    for (const DriveResult &result : again) {
        QCOMPARE(result.action, DriveResult::Action::Current);
        QCOMPARE(result.proof, DriveResult::Proof::Verified);
    }
}

void TestDrives::driveReturningOtherBytesIsNotEjected()
{
    REQUIRE_REAL_MOUNTS();
    const DriveInfos drives = sticks();
    corruptedUnder = QFile::encodeName(mountOf(str("stick2")));
    Platform::setReadBackHook(corruptReadBack);
    // And a program holds a file open on stick3.
    callService(str("SetBusy"), {str("stick3"), true});
    DriveWriteOptions options;
    options.eject = true;
    const DriveResults results = writeToDrives(m_package, drives, options);

    QVERIFY(results.at(0).isSafeToRemove());
    QCOMPARE(results.at(1).proof, DriveResult::Proof::None); // failed: nothing proven
    QVERIFY(results.at(1).error.contains(str("other data")) &&
            results.at(1).error.contains(str("failing")));
    // Verified all the same, with why it could not be ejected.
    QCOMPARE(results.at(2).proof, DriveResult::Proof::Verified);
    QVERIFY_CONTAINS(results.at(2).warning, str("“STICK3” could not be unmounted: a program still "
                                                "has a file open on it"));
    // Never an eject after a failed check; a busy drive is not powered off.
    QCOMPARE(takeCalls(), str("PowerOff stick1 Unmount stick1 Unmount stick3"));

    // mrv verify reads it back the same way.
    Platform::setReadBackHook(nullptr);
    QSet<int> steps;
    JobControl job([&steps](const JobProgress &progress) { steps.insert(int(progress.step)); });
    const ReadBackResult intact =
        verifyFromDrive(drives.at(1).mountPoint + str("/show.mrv"), newDocument, &job);
    QVERIFY(intact.isVerified());
    QCOMPARE(steps, QSet<int>{int(JobStep::Verifying)});
    const ReadBackResult otherDocument =
        verifyFromDrive(drives.at(1).mountPoint + str("/show.mrv"), "{\"old\":1}\n");
    QCOMPARE(otherDocument.fault, ReadBackResult::Fault::Mismatch);
    // A drive that fails to read is not one that returns other bytes.
    Platform::setStepHook([](Platform::Step step, const QByteArray &) {
        return step == Platform::Step::Read ? EIO : 0;
    });
    const ReadBackResult failing = verifyFromDrive(drives.at(1).mountPoint + str("/show.mrv"), {});
    Platform::setStepHook(nullptr);
    QCOMPARE(failing.fault, ReadBackResult::Fault::Unreadable);
    QVERIFY_CONTAINS(failing.error, str("Input/output error"));
}

void TestDrives::dialogWritesVerifiesAndEjects()
{
    REQUIRE_REAL_MOUNTS();
    JobRunner runner;
    DrivesDialog dialog(m_package, &runner);
    dialog.show();
    auto *table = dialog.findChild<QTableWidget *>(str("tableDrives"));
    // By mount point: fat32 first, left unticked.
    QTRY_COMPARE(table->rowCount(), 4);
    // Result and Progress keep room for what comes while writing.
    QVERIFY(table->horizontalHeader()->sectionSize(7) >= 120);
    QVERIFY(table->horizontalHeader()->sectionSize(8) >= 300);
    auto *write = dialog.findChild<QPushButton *>(str("pushButtonWrite"));
    QVERIFY(!write->isEnabled());
    for (int row = 1; row < 4; ++row)
        dialog.setChecked(row, true);
    dialog.setEjectWhenDone(true);
    // stick1 holds a newer version: asked about, and Enter keeps it.
    QVERIFY(QFile::copy(m_newer, on("stick1", "show.mrv")));
    QStringList asked;
    answer(&dialog, {}, &asked);
    QSignalSpy finished(&dialog, &DrivesDialog::writingFinished);
    write->click();
    QVERIFY(finished.wait(60000));

    QCOMPARE(asked.size(), 1);
    QVERIFY_CONTAINS(asked.first(), str("“STICK1” holds a newer show.mrv"));
    QCOMPARE(fileBytes(on("stick1", "show.mrv")), fileBytes(m_newer));
    QCOMPARE(table->item(1, 7)->text(), str("Skipped"));
    for (int row = 2; row < 4; ++row)
        QCOMPARE(table->item(row, 7)->text(), str("Safe to remove"));
    QCOMPARE(dialog.findChild<QLabel *>(str("labelDrivesStatus"))->text(),
             str("2 of 3 drives done. Skipped: 1, each keeping its own package."));
    QVERIFY(table->horizontalHeader()->sectionSize(7) >= 120);
    QCOMPARE(takeCalls(), str("PowerOff stick2 PowerOff stick3 Unmount stick2 Unmount stick3"));
}

// Written and read back in German, the dialog shows no English word.
void TestDrives::dialogSpeaksTheOwnersLanguage()
{
    REQUIRE_REAL_MOUNTS();
    QStringList texts[2];
    for (const int german : {0, 1}) {
        QLocale::setDefault(german ? QLocale(QLocale::German, QLocale::Germany) : QLocale::c());
        loadTranslations(qApp, str(MEROVI_TRANSLATIONS_DIR));
        init();
        JobRunner runner;
        DrivesDialog dialog(m_package, &runner);
        dialog.show();
        QTRY_COMPARE(dialog.findChild<QTableWidget *>(str("tableDrives"))->rowCount(), 4);
        dialog.setChecked(2, true);
        dialog.setChecked(3, true);
        QSignalSpy finished(&dialog, &DrivesDialog::writingFinished);
        dialog.findChild<QPushButton *>(str("pushButtonWrite"))->click();
        QVERIFY(finished.wait(60000));
        texts[german] = shownTexts(&dialog);
        qDeleteAll(qApp->findChildren<QTranslator *>());
    }
    QLocale::setDefault(QLocale::c());
    QVERIFY(noneLeftInEnglish(
        texts[0], texts[1],
        QRegularExpression(
            str(R"(^([\d\W]*|STICK\d|/.*|Merovi Test Stick .*|(?i:\w*fat\w*)|show\.mrv)$)"))));
}

void TestDrives::pulledDriveStopsOnlyItself()
{
    REQUIRE_REAL_MOUNTS();
    const DriveInfos drives = sticks();
    const BedDrive pulled = m_bed.at(2);
    QVERIFY(pulled.pid > 0);
    std::atomic<bool> gone{false};
    JobControl control([&](const JobProgress &progress) {
        if (progress.parts.value(2).done == 0 || gone.exchange(true))
            return;
        // Out it comes: its file system's driver dies, the mount goes, the service tells.
        ::kill(pulled.pid, SIGKILL);
        QProcess::execute(str("umount"), {str("-l"), pulled.path});
        callService(str("RemoveDrive"), {pulled.name});
    });
    DriveWriteOptions options;
    options.eject = true;
    const DriveResults results = writeToDrives(m_package, drives, options, &control);
    m_bed[2].pid = -1;

    QVERIFY(gone);
    QVERIFY(results.at(0).isSafeToRemove() && results.at(1).isSafeToRemove());
    QCOMPARE(results.at(2).status, DriveResult::Status::Failed);
    QVERIFY_CONTAINS(results.at(2).error, str("show.mrv"));
    QCOMPARE(readZip(drives.at(0).mountPoint + str("/show.mrv")), m_packageEntries);
    // Nothing is asked of the pulled one.
    QCOMPARE(takeCalls(), str("PowerOff stick1 PowerOff stick2 Unmount stick1 Unmount stick2"));
}

QTEST_MAIN(TestDrives)
#include "tst_drives.moc"
