// Drives among real components: drivebed.py starts a private system bus with
// a stand-in for the drive service, and mounts real exFAT and FAT32 file
// systems through FUSE; this suite plugs, writes, pulls and ejects them.

#include "app/drivesdialog.h"
#include "app/mainwindow.h"
#include "archive/packagearchive.h"
#include "archive/platformfile.h"
#include "drives/drivelist.h"
#include "drives/drivewriter.h"
#include "tests/common/testkit.h"

#include <QAction>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
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

QStringList takeCalls()
{
    const QVariantList reply = callService(str("TakeCalls"));
    return reply.isEmpty() ? QStringList() : reply.constFirst().toStringList();
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
    void followsPlugAndUnplug();
    void withoutTheServiceSaysSo();
    void fourGiBFile_data();
    void fourGiBFile();

    void writesThreeDrivesVerifiesAndEjects();
    void cancelLeavesEveryDriveAsItWas();
    void driveReturningOtherBytesIsNotEjected();
    void dialogWritesVerifiesAndEjects();
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
    QVERIFY(PackageArchive(m_package).write(entries + QVector<PackageEntry>{PackageEntry::memory(
                                                          documentEntryName(), "{\"new\":1}\n")}));
    QVERIFY(PackageArchive(m_older).write(
        {entries.at(0), changed, PackageEntry::file(str("gone.mp4"), changed.path),
         PackageEntry::memory(documentEntryName(), "{\"old\":1}\n")}));
    m_packageEntries = readZip(m_package);
    QCOMPARE(m_packageEntries.size(), 4);
}

void TestDrives::init()
{
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
}

void TestDrives::listsTheMountedDrives()
{
    QVERIFY(QFile::copy(m_older, on("stick2", "show.mrv")));
    // A drive with no mounted file system is no place to write.
    callService(str("RemoveDrive"), {str("fat32")});
    callService(str("AddDrive"), {str("fat32"), QString(), str("vfat"), str("FAT32"),
                                  QVariant::fromValue(quint64(1))});
    DriveInfos drives;
    QString error;
    QVERIFY2(listDrives(&drives, &error), qPrintable(error));
    QCOMPARE(drives.size(), 3);
    for (int i = 0; i < 3; ++i) {
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

void TestDrives::followsPlugAndUnplug()
{
    DriveList list;
    QVERIFY(list.refresh());
    QCOMPARE(list.drives().size(), 4);

    callService(str("RemoveDrive"), {str("stick1")});
    QTRY_VERIFY_WITH_TIMEOUT(list.drives().size() == 3, 5000);
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
    QVERIFY2(error.contains(str("cannot be reached (")) &&
                 error.contains(str("Choose the drive's folder")),
             qPrintable(error));
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
    QCOMPARE(archive.errorString().contains(str("holds no file over 4.2 GB")), fat);
    QCOMPARE(QDir(mountOf(drive)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());
}

void TestDrives::writesThreeDrivesVerifiesAndEjects()
{
    REQUIRE_REAL_MOUNTS();
    QVERIFY(QFile::copy(m_older, on("stick2", "show.mrv")));
    const DriveInfos drives = sticks();
    DriveWriteOptions options;
    options.eject = true;
    std::mutex mutex;
    QVector<qint64> verified(3, 0);
    DriveWriteObserver observer;
    observer.progress = [&](int index, const JobProgress &progress) {
        std::lock_guard<std::mutex> lock(mutex);
        if (progress.step == str("Verifying"))
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
        const QString target = drives.at(i).mountPoint + str("/show.mrv");
        QCOMPARE(readZip(target), m_packageEntries);
        // Every byte of the package was read back once; the search for the
        // archive's end reads its last 64 KiB once more.
        const qint64 size = QFileInfo(target).size();
        QVERIFY2(verified.at(i) >= size && verified.at(i) <= size + 66 * 1024 + 100,
                 qPrintable(QString::number(verified.at(i) - size)));
        QVERIFY(calls.contains(str("Unmount stick%1").arg(i + 1)));
        QVERIFY(calls.contains(str("PowerOff stick%1").arg(i + 1)));
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
    REQUIRE_REAL_MOUNTS();
    QVERIFY(QFile::copy(m_older, on("stick2", "show.mrv")));
    const DriveInfos drives = sticks();
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
        QVERIFY2(result.error.contains(str("left as it was")), qPrintable(result.error));
    }
    QStringList after;
    for (const DriveInfo &info : drives)
        after += snapshot(info.mountPoint);
    QCOMPARE(after, before);
    QCOMPARE(takeCalls(), QStringList());
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

    QCOMPARE(results.at(0).outcome, DriveResult::Outcome::Ejected);
    QCOMPARE(results.at(1).outcome, DriveResult::Outcome::Failed);
    QVERIFY2(results.at(1).error.contains(str("other data")) &&
                 results.at(1).error.contains(str("failing")),
             qPrintable(results.at(1).error));
    QCOMPARE(results.at(2).outcome, DriveResult::Outcome::NotEjected);
    QVERIFY2(results.at(2).error.contains(str("“STICK3” could not be unmounted: a program still "
                                              "has a file open on it")),
             qPrintable(results.at(2).error));
    // Never an eject after a failed check; a busy drive is not powered off.
    QStringList calls = takeCalls();
    calls.sort();
    QCOMPARE(calls.join(u' '), str("PowerOff stick1 Unmount stick1 Unmount stick3"));

    // mrv verify reads it back the same way.
    Platform::setReadBackHook(nullptr);
    const ReadBackResult intact =
        verifyFromDrive(drives.at(1).mountPoint + str("/show.mrv"), "{\"new\":1}\n");
    QVERIFY2(intact.isVerified(), qPrintable(intact.error));
    const ReadBackResult otherDocument =
        verifyFromDrive(drives.at(1).mountPoint + str("/show.mrv"), "{\"old\":1}\n");
    QCOMPARE(otherDocument.status, ReadBackResult::Status::Mismatch);
    // A drive that fails to read is not one that returns other bytes.
    Platform::setStepHook([](Platform::Step step, const QByteArray &) {
        return step == Platform::Step::Read ? EIO : 0;
    });
    const ReadBackResult failing = verifyFromDrive(drives.at(1).mountPoint + str("/show.mrv"), {});
    Platform::setStepHook(nullptr);
    QCOMPARE(failing.status, ReadBackResult::Status::Unreadable);
    QVERIFY2(failing.error.contains(str("Input/output error")), qPrintable(failing.error));
}

void TestDrives::dialogWritesVerifiesAndEjects()
{
    DrivesDialog dialog(m_package);
    dialog.show();
    auto *table = dialog.findChild<QTableWidget *>(str("tableDrives"));
    // By mount point: fat32 first, left unticked.
    QCOMPARE(table->rowCount(), 4);
    auto *write = dialog.findChild<QPushButton *>(str("pushButtonWrite"));
    QVERIFY(!write->isEnabled());
    for (int row = 1; row < 4; ++row)
        dialog.setChecked(row, true);
    dialog.setEjectWhenDone(true);
    QSignalSpy finished(&dialog, &DrivesDialog::writingFinished);
    write->click();
    QVERIFY(finished.wait(60000));

    for (int row = 1; row < 4; ++row)
        QCOMPARE(table->item(row, 6)->text(), str("Safe to remove"));
    QCOMPARE(dialog.findChild<QLabel *>(str("labelDrivesStatus"))->text(),
             str("3 of 3 drives done."));
    QStringList calls = takeCalls();
    calls.sort();
    QCOMPARE(calls.join(u' '), QStringLiteral("PowerOff stick1 PowerOff stick2 PowerOff stick3 "
                                              "Unmount stick1 Unmount stick2 Unmount stick3"));
}

void TestDrives::pulledDriveStopsOnlyItself()
{
    REQUIRE_REAL_MOUNTS();
    const DriveInfos drives = sticks();
    const BedDrive pulled = m_bed.at(2);
    QVERIFY(pulled.pid > 0);
    std::atomic<bool> gone{false};
    DriveWriteObserver observer;
    observer.progress = [&](int index, const JobProgress &progress) {
        if (index != 2 || progress.done == 0 || gone.exchange(true))
            return;
        // Out it comes: its file system's driver dies, the mount goes, the service tells.
        ::kill(pulled.pid, SIGKILL);
        QProcess::execute(str("umount"), {str("-l"), pulled.path});
        callService(str("RemoveDrive"), {pulled.name});
    };
    DriveWriteOptions options;
    options.eject = true;
    JobControl control;
    const DriveResults results = writeToDrives(m_package, drives, options, &control, observer);
    m_bed[2].pid = -1;

    QVERIFY(gone);
    QCOMPARE(results.at(0).outcome, DriveResult::Outcome::Ejected);
    QCOMPARE(results.at(1).outcome, DriveResult::Outcome::Ejected);
    QCOMPARE(results.at(2).outcome, DriveResult::Outcome::Failed);
    QVERIFY2(results.at(2).error.contains(str("show.mrv")), qPrintable(results.at(2).error));
    QCOMPARE(readZip(drives.at(0).mountPoint + str("/show.mrv")), m_packageEntries);
    const QStringList calls = takeCalls();
    QVERIFY(!calls.contains(str("Unmount stick3")));
}

QTEST_MAIN(TestDrives)
#include "tst_drives.moc"
