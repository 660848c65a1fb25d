// Drives among real components: drivebed.py starts a private system bus with
// a stand-in for the drive service, and mounts real exFAT and FAT32 file
// systems through FUSE; this suite plugs, writes, pulls and ejects them.

#include "archive/packagearchive.h"
#include "archive/platformfile.h"
#include "drives/drivelist.h"
#include "drives/drivewriter.h"
#include "drives/readback.h"
#include "jobs/jobcontrol.h"
#include "tests/common/testkit.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <mutex>

#include <csignal>

namespace {

const QString testInterface = QStringLiteral("org.merovi.DriveServiceTest");

struct BedDrive
{
    QString name;
    QString path;
    QString type;
    bool real = false;
    int pid = 0;
    qint64 size = 0;
};

QVector<BedDrive> bedDrives()
{
    const QJsonObject bed = QJsonDocument::fromJson(qgetenv("MEROVI_DRIVEBED")).object();
    QVector<BedDrive> drives;
    for (const QJsonValue &value : bed.value(QLatin1String("drives")).toArray()) {
        const QJsonObject drive = value.toObject();
        drives.append({drive.value(QLatin1String("name")).toString(),
                       drive.value(QLatin1String("path")).toString(),
                       drive.value(QLatin1String("type")).toString(),
                       drive.value(QLatin1String("real")).toBool(),
                       drive.value(QLatin1String("pid")).toInt(),
                       qint64(drive.value(QLatin1String("size")).toDouble())});
    }
    return drives;
}

QVariantList callService(const QString &method, const QVariantList &arguments = {})
{
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.UDisks2"),
                                                       QStringLiteral("/org/freedesktop/UDisks2"),
                                                       testInterface, method);
    call.setArguments(arguments);
    const QDBusMessage reply = QDBusConnection::systemBus().call(call);
    if (reply.type() != QDBusMessage::ReplyMessage)
        qWarning() << method << reply.errorMessage();
    return reply.arguments();
}

QStringList takeCalls()
{
    const QVariantList reply = callService(QStringLiteral("TakeCalls"));
    return reply.isEmpty() ? QStringList() : reply.constFirst().toStringList();
}

// The drive's files only: what the mount point itself is does not count.
void emptyFolder(const QString &path)
{
    const QFileInfoList entries =
        QDir(path).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir())
            QDir(entry.filePath()).removeRecursively();
        else
            QFile::remove(entry.filePath());
    }
}

QByteArray corruptedUnder;
void corruptReadBack(const QByteArray &path, qint64 offset, char *data, qint64 len)
{
    // One bit in the middle of the package, as a worn cell returns it.
    if (path.startsWith(corruptedUnder) && offset <= 2'000'000 && offset + len > 2'000'000)
        data[2'000'000 - offset] ^= 0x10;
}

} // namespace

class TestDrives : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void mountInfoType_data();
    void mountInfoType();
    void bootSectorType_data();
    void bootSectorType();

    void listsTheMountedDrives();
    void followsPlugAndUnplug();
    void withoutTheServiceSaysSo();
    void mrvListsDrivesAsJson();
    void fileSystemOfRealMounts_data();
    void fileSystemOfRealMounts();
    void fatRefusesAFourGiBFileBeforeWriting();
    void exfatTakesAFourGiBFile();
    void ejectsThroughTheService_data();
    void ejectsThroughTheService();

    void writesThreeDrivesVerifiesAndEjects();
    void cancelLeavesEveryDriveAsItWas();
    void driveReturningOtherBytesIsNotEjected();
    // Last: it pulls stick3 for good.
    void pulledDriveStopsOnlyItself();

private:
    DriveInfos listed();
    DriveInfo drive(const QString &name);
    QString mountOf(const QString &name) const;
    void requireRealMounts();

    QVector<BedDrive> m_bed;
    QTemporaryDir m_work;
    QString m_package;
    QString m_older;
    ZipEntries m_packageEntries;
};

void TestDrives::initTestCase()
{
    m_bed = bedDrives();
    if (m_bed.isEmpty())
        QSKIP("Run through tests/drives/drivebed.py: it starts the bus and mounts the drives.");
    QVERIFY2(m_work.isValid(), qPrintable(m_work.errorString()));

    // A package of incompressible media, large enough to be caught midway,
    // and an older one of the same name: one clip the same, one changed, one gone.
    const QString media = m_work.filePath(QStringLiteral("media"));
    QVERIFY(QDir().mkpath(media));
    QVector<PackageEntry> entries;
    for (int i = 0; i < 3; ++i) {
        const QString file = media + QStringLiteral("/clip%1.mp4").arg(i);
        QVERIFY(writeBytes(file, randomBytes(6'000'000, quint32(i + 1))));
        entries.append(PackageEntry::file(QStringLiteral("clip%1.mp4").arg(i), file));
    }
    entries.append(PackageEntry::memory(documentEntryName(), QByteArrayLiteral("{\"new\":1}\n")));
    m_package = m_work.filePath(QStringLiteral("show.mrv"));
    PackageArchive fresh(m_package);
    QVERIFY2(fresh.write(entries), qPrintable(fresh.errorString()));
    m_packageEntries = readZip(m_package);
    QCOMPARE(m_packageEntries.size(), 4);

    QVERIFY(QDir().mkpath(m_work.filePath(QStringLiteral("old"))));
    const QString changed = media + QStringLiteral("/changed.mp4");
    QVERIFY(writeBytes(changed, randomBytes(3'000'000, 99)));
    m_older = m_work.filePath(QStringLiteral("old/show.mrv"));
    PackageArchive older(m_older);
    QVERIFY(older.write({entries.at(0), PackageEntry::file(QStringLiteral("clip1.mp4"), changed),
                         PackageEntry::file(QStringLiteral("gone.mp4"), changed),
                         PackageEntry::memory(documentEntryName(), "{\"old\":1}\n")}));
}

void TestDrives::init()
{
    for (const BedDrive &bed : std::as_const(m_bed)) {
        callService(QStringLiteral("RemoveDrive"), {bed.name});
        if (QFileInfo(bed.path).isDir() && !(bed.name == QLatin1String("stick3") && bed.pid < 0))
            emptyFolder(bed.path);
        callService(QStringLiteral("AddDrive"), {bed.name, bed.path, bed.type, bed.name.toUpper(),
                                                 QVariant::fromValue(quint64(bed.size))});
        callService(QStringLiteral("SetBusy"), {bed.name, false});
    }
    takeCalls();
}

void TestDrives::cleanup()
{
    Platform::setReadBackHook(nullptr);
    Platform::setStepHook(nullptr);
}

DriveInfos TestDrives::listed()
{
    DriveInfos drives;
    QString error;
    if (!listDrives(&drives, &error))
        qWarning() << error;
    return drives;
}

DriveInfo TestDrives::drive(const QString &name)
{
    const QString mount = mountOf(name);
    for (const DriveInfo &info : listed()) {
        if (info.mountPoint == mount)
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

void TestDrives::requireRealMounts()
{
    if (!m_bed.constFirst().real)
        QSKIP("No /dev/fuse or loop devices here: the drives are plain folders.");
}

void TestDrives::mountInfoType_data()
{
    QTest::addColumn<QByteArray>("mountInfo");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QByteArray>("source");

    const QByteArray root = "22 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw\n";
    QTest::newRow("kernel vfat") << root + "40 22 8:17 / /media/s rw shared:5 - vfat /dev/sdb1 rw\n"
                                 << "vfat" << QByteArray("/dev/sdb1");
    QTest::newRow("kernel msdos, no optional fields")
        << root + "40 22 8:17 / /media/s rw - msdos /dev/sdb1 rw\n"
        << "msdos" << QByteArray("/dev/sdb1");
    QTest::newRow("kernel exfat") << root + "40 22 8:17 / /media/s rw - exfat /dev/sdb1 rw\n"
                                  << "exfat" << QByteArray("/dev/sdb1");
    QTest::newRow("fusefat") << root + "45 22 8:17 / /mnt/f rw - fuse.fusefat fusefat rw\n"
                             << "fuse.fusefat" << QByteArray("fusefat");
    QTest::newRow("fuse on a block device")
        << root + "46 22 8:17 / /mnt/e rw - fuseblk /dev/loop0 rw,allow_other\n"
        << "fuseblk" << QByteArray("/dev/loop0");
    QTest::newRow("other device only") << root + "40 22 8:18 / /media/s rw - vfat /dev/sdb2 rw\n"
                                       << QString() << QByteArray();
    QTest::newRow("minor number is not a prefix")
        << root + "40 22 8:170 / /media/s rw - vfat /dev/x rw\n"
        << QString() << QByteArray();
    QTest::newRow("the last mount counts")
        << root +
               "40 22 8:17 / /a rw - vfat /dev/sdb1 rw\n41 22 8:17 / /b rw - exfat /dev/sdb1 rw\n"
        << "exfat" << QByteArray("/dev/sdb1");
    QTest::newRow("truncated line")
        << QByteArray("40 22 8:17 / /a rw -\n") << QString() << QByteArray();
}

void TestDrives::mountInfoType()
{
    QFETCH(QByteArray, mountInfo);
    QFETCH(QString, type);
    QFETCH(QByteArray, source);
    QByteArray found;
    QCOMPARE(Platform::mountInfoType(mountInfo, 8, 17, &found), type);
    QCOMPARE(found, source);
}

void TestDrives::bootSectorType_data()
{
    QTest::addColumn<QByteArray>("sector");
    QTest::addColumn<QString>("type");
    const auto sector = [](int offset, const QByteArray &text) {
        QByteArray bytes(512, '\0');
        bytes.replace(offset, text.size(), text);
        return bytes;
    };
    QTest::newRow("exfat") << sector(3, "EXFAT   ") << "exfat";
    QTest::newRow("ntfs") << sector(3, "NTFS    ") << "ntfs";
    QTest::newRow("fat32") << sector(82, "FAT32   ") << "vfat";
    QTest::newRow("fat16") << sector(54, "FAT16   ") << "vfat";
    QTest::newRow("nothing") << sector(3, "MSWIN4.1") << QString();
    QTest::newRow("short") << QByteArray("\xeb\x76\x90"
                                         "EXFAT   ")
                           << QString();
}

void TestDrives::bootSectorType()
{
    QFETCH(QByteArray, sector);
    QFETCH(QString, type);
    QCOMPARE(Platform::bootSectorType(sector), type);
}

void TestDrives::listsTheMountedDrives()
{
    QVERIFY(QFile::copy(m_older, mountOf(QStringLiteral("stick2")) + QStringLiteral("/show.mrv")));
    // A drive with no mounted file system is no place to write.
    callService(QStringLiteral("RemoveDrive"), {QStringLiteral("fat32")});
    callService(QStringLiteral("AddDrive"),
                {QStringLiteral("fat32"), QString(), QStringLiteral("vfat"),
                 QStringLiteral("FAT32"), QVariant::fromValue(quint64(1))});

    const DriveInfos drives = listed();
    QCOMPARE(drives.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const DriveInfo &info = drives.at(i);
        const QString name = QStringLiteral("stick%1").arg(i + 1);
        QCOMPARE(info.mountPoint, mountOf(name));
        QCOMPARE(info.label, name.toUpper());
        QCOMPARE(info.displayName(), name.toUpper());
        QCOMPARE(info.fileSystemType, QStringLiteral("exfat"));
        QCOMPARE(info.size, qint64(5) << 30);
        QCOMPARE(info.model, QStringLiteral("Test Stick ") + name);
        QCOMPARE(info.connectionBus, QStringLiteral("usb"));
        QCOMPARE(info.device, QStringLiteral("/dev/test-") + name);
        QVERIFY(info.canPowerOff);
        QCOMPARE(info.packages, name == QLatin1String("stick2")
                                    ? QStringList{QStringLiteral("show.mrv")}
                                    : QStringList());
        if (m_bed.constFirst().real)
            QVERIFY2(info.freeBytes > (qint64(4) << 30),
                     qPrintable(QString::number(info.freeBytes)));
    }
}

void TestDrives::followsPlugAndUnplug()
{
    DriveList list;
    QVERIFY(list.refresh());
    QCOMPARE(list.drives().size(), 4);
    QSignalSpy changed(&list, &DriveList::drivesChanged);

    callService(QStringLiteral("RemoveDrive"), {QStringLiteral("stick1")});
    QTRY_VERIFY_WITH_TIMEOUT(list.drives().size() == 3, 5000);
    QVERIFY(changed.count() >= 1);
    for (const DriveInfo &info : list.drives())
        QVERIFY(info.mountPoint != mountOf(QStringLiteral("stick1")));

    callService(QStringLiteral("AddDrive"),
                {QStringLiteral("stick1"), mountOf(QStringLiteral("stick1")),
                 QStringLiteral("exfat"), QStringLiteral("STICK1"),
                 QVariant::fromValue(quint64(1) << 30)});
    QTRY_VERIFY_WITH_TIMEOUT(list.drives().size() == 4, 5000);
    QVERIFY(list.isAvailable());
}

void TestDrives::withoutTheServiceSaysSo()
{
    QProcess mrv;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"),
               QStringLiteral("unix:path=") + m_work.filePath(QStringLiteral("no-bus")));
    mrv.setProcessEnvironment(env);
    mrv.start(QStringLiteral(MRV_PATH), {QStringLiteral("drives")});
    QVERIFY(mrv.waitForFinished(30000));
    QCOMPARE(mrv.exitCode(), 1);
    const QString error = QString::fromUtf8(mrv.readAllStandardError());
    QVERIFY2(error.contains(QLatin1String("cannot be reached")) &&
                 error.contains(QLatin1String("Choose the drive's folder")),
             qPrintable(error));
}

void TestDrives::mrvListsDrivesAsJson()
{
    QVERIFY(
        QFile::copy(m_package, mountOf(QStringLiteral("stick3")) + QStringLiteral("/show.mrv")));
    const QByteArray out =
        runProgram(QStringLiteral(MRV_PATH), {QStringLiteral("drives"), QStringLiteral("--json")});
    const QJsonArray drives = QJsonDocument::fromJson(out).array();
    QCOMPARE(drives.size(), 4);
    // Listed by mount point: fat32, stick1, stick2, stick3.
    const QJsonObject third = drives.at(3).toObject();
    QCOMPARE(third.value(QLatin1String("label")).toString(), QStringLiteral("STICK3"));
    QCOMPARE(third.value(QLatin1String("mountpoint")).toString(),
             mountOf(QStringLiteral("stick3")));
    QCOMPARE(third.value(QLatin1String("packages")).toArray(),
             QJsonArray{QStringLiteral("show.mrv")});
    QCOMPARE(drives.at(0).toObject().value(QLatin1String("filesystem")).toString(),
             QStringLiteral("vfat"));
}

void TestDrives::fileSystemOfRealMounts_data()
{
    QTest::addColumn<QString>("drive");
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("fat");
    QTest::addColumn<bool>("ignoresCase");
    QTest::newRow("exFAT through exfat-fuse") << "stick1"
                                              << "exfat" << false << true;
    QTest::newRow("FAT32 through fusefat") << "fat32"
                                           << "fuse.fusefat" << true << true;
}

void TestDrives::fileSystemOfRealMounts()
{
    requireRealMounts();
    QFETCH(QString, drive);
    QFETCH(QString, type);
    QFETCH(bool, fat);
    QFETCH(bool, ignoresCase);
    const QString found = Platform::fileSystemType(QFile::encodeName(mountOf(drive)));
    QCOMPARE(found, type);
    QCOMPARE(Platform::isFatType(found), fat);
    QCOMPARE(Platform::ignoresLetterCase(found), ignoresCase);
    const DestinationSpace space = Platform::destinationSpace(QFile::encodeName(mountOf(drive)));
    QCOMPARE(space.maxFileSize, fat ? (qint64(4) << 30) - 1 : qint64(-1));
}

void TestDrives::fatRefusesAFourGiBFileBeforeWriting()
{
    requireRealMounts();
    const QString big = m_work.filePath(QStringLiteral("big.mp4"));
    QFile file(big);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(qint64(4) << 30));
    file.close();
    const QString target = mountOf(QStringLiteral("fat32")) + QStringLiteral("/big.mrv");
    PackageArchive archive(target);
    const bool written = archive.write({PackageEntry::file(QStringLiteral("big.mp4"), big),
                                        PackageEntry::memory(documentEntryName(), "{}")});
    QFile::remove(big);
    QVERIFY(!written);
    QCOMPARE(archive.failure(), PackageArchive::Failure::NoRoom);
    QVERIFY2(archive.errorString().contains(QLatin1String("holds no file over 4.2 GB")),
             qPrintable(archive.errorString()));
    QCOMPARE(QDir(mountOf(QStringLiteral("fat32")))
                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());
}

void TestDrives::exfatTakesAFourGiBFile()
{
    requireRealMounts();
    const QString big = m_work.filePath(QStringLiteral("big.mp4"));
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
    PackageArchive archive(mountOf(QStringLiteral("stick1")) + QStringLiteral("/big.mrv"));
    const bool written = archive.write({PackageEntry::file(QStringLiteral("big.mp4"), big),
                                        PackageEntry::memory(documentEntryName(), "{}")},
                                       &stopper);
    QFile::remove(big);
    QVERIFY(!written);
    QCOMPARE(archive.failure(), PackageArchive::Failure::Cancelled);
    QCOMPARE(QDir(mountOf(QStringLiteral("stick1")))
                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());
}

void TestDrives::ejectsThroughTheService_data()
{
    QTest::addColumn<bool>("busy");
    QTest::addColumn<bool>("ejected");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("idle") << false << true
                          << QStringList{QStringLiteral("Unmount stick1"),
                                         QStringLiteral("PowerOff stick1")};
    QTest::newRow("a program holds a file")
        << true << false << QStringList{QStringLiteral("Unmount stick1")};
}

void TestDrives::ejectsThroughTheService()
{
    QFETCH(bool, busy);
    QFETCH(bool, ejected);
    QFETCH(QStringList, calls);
    callService(QStringLiteral("SetBusy"), {QStringLiteral("stick1"), busy});
    const DriveInfo stick = drive(QStringLiteral("stick1"));
    QVERIFY(stick.isManaged());
    QString error;
    QCOMPARE(ejectDrive(stick, &error), ejected);
    QCOMPARE(takeCalls(), calls);
    if (busy) {
        QVERIFY2(error.contains(QLatin1String("STICK1")) &&
                     error.contains(QLatin1String("still has a file open")),
                 qPrintable(error));
    }
}

void TestDrives::writesThreeDrivesVerifiesAndEjects()
{
    requireRealMounts();
    QVERIFY(QFile::copy(m_older, mountOf(QStringLiteral("stick2")) + QStringLiteral("/show.mrv")));
    const DriveInfos drives = {drive(QStringLiteral("stick1")), drive(QStringLiteral("stick2")),
                               drive(QStringLiteral("stick3"))};
    DriveWriteOptions options;
    options.eject = true;
    std::mutex mutex;
    QVector<qint64> verified(3, 0);
    DriveWriteObserver observer;
    observer.progress = [&](int index, const JobProgress &progress) {
        std::lock_guard<std::mutex> lock(mutex);
        if (progress.step == QLatin1String("Verifying"))
            verified[index] = progress.done;
    };
    const DriveResults results = writeToDrives(m_package, drives, options, nullptr, observer);

    QCOMPARE(results.size(), 3);
    const QVector<DriveResult::Action> actions = {
        DriveResult::Action::Copied, DriveResult::Action::Updated, DriveResult::Action::Copied};
    QStringList calls = takeCalls();
    calls.sort();
    for (int i = 0; i < 3; ++i) {
        const DriveResult &result = results.at(i);
        QVERIFY2(result.outcome == DriveResult::Outcome::Ejected, qPrintable(result.error));
        QVERIFY(result.isSafeToRemove());
        QCOMPARE(result.action, actions.at(i));
        const QString target = drives.at(i).mountPoint + QStringLiteral("/show.mrv");
        QCOMPARE(readZip(target), m_packageEntries);
        // Every byte of the package was read back once; the search for the
        // archive's end reads its last 64 KiB once more.
        const qint64 size = QFileInfo(target).size();
        QVERIFY2(verified.at(i) >= size && verified.at(i) <= size + 66 * 1024 + 100,
                 qPrintable(QString::number(verified.at(i) - size)));
        QVERIFY(calls.contains(QStringLiteral("Unmount stick%1").arg(i + 1)));
        QVERIFY(calls.contains(QStringLiteral("PowerOff stick%1").arg(i + 1)));
    }

    // Written again: nothing to write, read back all the same.
    options.eject = false;
    const DriveResults again = writeToDrives(m_package, drives, options);
    for (const DriveResult &result : again) {
        QCOMPARE(result.action, DriveResult::Action::Current);
        QCOMPARE(result.outcome, DriveResult::Outcome::Verified);
    }
}

void TestDrives::cancelLeavesEveryDriveAsItWas()
{
    requireRealMounts();
    QVERIFY(QFile::copy(m_older, mountOf(QStringLiteral("stick2")) + QStringLiteral("/show.mrv")));
    const DriveInfos drives = {drive(QStringLiteral("stick1")), drive(QStringLiteral("stick2")),
                               drive(QStringLiteral("stick3"))};
    QStringList before;
    for (const DriveInfo &info : drives)
        before += snapshot(info.mountPoint);

    // Slow drives, so that every one is caught while it writes.
    Platform::setStepHook([](Platform::Step step, const QByteArray &) {
        if (step == Platform::Step::Write)
            QThread::msleep(30);
        return 0;
    });
    JobControl control;
    std::mutex mutex;
    QVector<bool> started(3, false);
    DriveWriteObserver observer;
    observer.progress = [&](int index, const JobProgress &progress) {
        std::lock_guard<std::mutex> lock(mutex);
        started[index] = started[index] || progress.done > 0;
        // Cancel once every drive is midway.
        if (!started.contains(false))
            control.requestCancel();
    };
    DriveWriteOptions options;
    options.eject = true;
    const DriveResults results = writeToDrives(m_package, drives, options, &control, observer);
    for (const DriveResult &result : results) {
        QCOMPARE(result.outcome, DriveResult::Outcome::Cancelled);
        QVERIFY2(result.error.contains(QLatin1String("left as it was")), qPrintable(result.error));
    }
    QStringList after;
    for (const DriveInfo &info : drives)
        after += snapshot(info.mountPoint);
    QCOMPARE(after, before);
    QCOMPARE(takeCalls(), QStringList());
}

void TestDrives::driveReturningOtherBytesIsNotEjected()
{
    requireRealMounts();
    const DriveInfos drives = {drive(QStringLiteral("stick1")), drive(QStringLiteral("stick2")),
                               drive(QStringLiteral("stick3"))};
    corruptedUnder = QFile::encodeName(mountOf(QStringLiteral("stick2")));
    Platform::setReadBackHook(corruptReadBack);
    DriveWriteOptions options;
    options.eject = true;
    const DriveResults results = writeToDrives(m_package, drives, options);

    QCOMPARE(results.at(1).outcome, DriveResult::Outcome::Failed);
    QVERIFY2(results.at(1).error.contains(QLatin1String("other data")) &&
                 results.at(1).error.contains(QLatin1String("failing")),
             qPrintable(results.at(1).error));
    QCOMPARE(results.at(0).outcome, DriveResult::Outcome::Ejected);
    QCOMPARE(results.at(2).outcome, DriveResult::Outcome::Ejected);
    const QStringList calls = takeCalls();
    QVERIFY2(!calls.contains(QStringLiteral("Unmount stick2")), qPrintable(calls.join(u',')));
    QVERIFY(calls.contains(QStringLiteral("Unmount stick3")));

    // mrv verify reads it back the same way.
    Platform::setReadBackHook(nullptr);
    const ReadBackResult intact =
        verifyFromDrive(drives.at(1).mountPoint + QStringLiteral("/show.mrv"), "{\"new\":1}\n");
    QVERIFY2(intact.isVerified(), qPrintable(intact.error));
    const ReadBackResult otherDocument =
        verifyFromDrive(drives.at(1).mountPoint + QStringLiteral("/show.mrv"), "{\"old\":1}\n");
    QCOMPARE(otherDocument.status, ReadBackResult::Status::Mismatch);
}

void TestDrives::pulledDriveStopsOnlyItself()
{
    requireRealMounts();
    const DriveInfos drives = {drive(QStringLiteral("stick1")), drive(QStringLiteral("stick2")),
                               drive(QStringLiteral("stick3"))};
    const BedDrive pulled = m_bed.at(2);
    QVERIFY(pulled.pid > 0);
    std::atomic<bool> gone{false};
    DriveWriteObserver observer;
    observer.progress = [&](int index, const JobProgress &progress) {
        if (index != 2 || progress.done == 0 || gone.exchange(true))
            return;
        // Out it comes: its file system's driver dies, the mount goes, the service tells.
        ::kill(pulled.pid, SIGKILL);
        QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), pulled.path});
        callService(QStringLiteral("RemoveDrive"), {pulled.name});
    };
    DriveWriteOptions options;
    options.eject = true;
    const DriveResults results = writeToDrives(m_package, drives, options, nullptr, observer);
    m_bed[2].pid = -1;

    QVERIFY(gone);
    QCOMPARE(results.at(0).outcome, DriveResult::Outcome::Ejected);
    QCOMPARE(results.at(1).outcome, DriveResult::Outcome::Ejected);
    QCOMPARE(results.at(2).outcome, DriveResult::Outcome::Failed);
    QVERIFY2(results.at(2).error.contains(QLatin1String("show.mrv")),
             qPrintable(results.at(2).error));
    QCOMPARE(readZip(drives.at(0).mountPoint + QStringLiteral("/show.mrv")), m_packageEntries);
    const QStringList calls = takeCalls();
    QVERIFY(!calls.contains(QStringLiteral("Unmount stick3")));
}

QTEST_GUILESS_MAIN(TestDrives)
#include "tst_drives.moc"
