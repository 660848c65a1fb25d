// Writing to sticks, through drivebed.py (exFAT images through FUSE on loop
// devices) with MEROVI_DRIVEBED_STICKS=4, writes slowed to a stick's speed:
//   python3 tests/drives/drivebed.py build/bench/drivebench [--update] [--four] [--stall]
// --update: bytes written and time for a new package of about 600 MB, then for
//   its next version, which adds one 5 MB clip (the stick holding the first).
// --four: one package to four drives at once against the slowest alone.
// --stall: the longest stop of the GUI thread while the drives dialog lists
//   four sticks being plugged in, writes to them, and sees them pulled.
// Without options, all three.

#include "app/drivesdialog.h"
#include "archive/packagearchive.h"
#include "archive/platformfile.h"
#include "drives/drivewriter.h"
#include "jobs/jobrunner.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <thread>

namespace {

constexpr int rounds = 5;
constexpr qint64 mediaBytes = 64 * 1000 * 1000;

QString str(const char *text)
{
    return QString::fromUtf8(text);
}

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// A stick takes each 4 MB write in about 200 ms: 20 MB/s.
void stickSpeed(bool on)
{
    Platform::setStepHook(on ? [](Platform::Step step, const QByteArray &) {
        if (step == Platform::Step::Write)
            QThread::msleep(200);
        return 0;
    }
                             : Platform::StepHook(nullptr));
}

bool writeRandom(const QString &path, qint64 size, quint32 seed)
{
    QByteArray bytes(int(size), Qt::Uninitialized);
    QRandomGenerator(seed).fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// What this process has written through system calls so far.
qint64 bytesWritten()
{
    QFile io(str("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("wchar: "))
            return line.mid(7).toLongLong();
    }
    return -1;
}

qint64 timeWrite(const QString &package, const DriveInfos &drives, bool *ok)
{
    for (const DriveInfo &drive : drives)
        QFile::remove(drive.mountPoint + QStringLiteral("/bench.mrv"));
    QElapsedTimer timer;
    timer.start();
    const DriveResults results = writeToDrives(package, drives, DriveWriteOptions());
    const qint64 elapsed = timer.elapsed();
    for (const DriveResult &result : results) {
        if (result.proof != DriveResult::Proof::Verified) {
            std::fprintf(stderr, "%s\n", qPrintable(result.error));
            *ok = false;
        }
    }
    return elapsed;
}

bool measureFour(const DriveInfos &drives, const QString &folder)
{
    const QString clip = folder + str("/clip.mp4");
    const QString package = folder + str("/bench.mrv");
    if (!writeRandom(clip, mediaBytes, 1) ||
        !PackageArchive(package).write({PackageEntry::file(str("clip.mp4"), clip),
                                        PackageEntry::memory(str("json.txt"), "{}")}))
        return false;
    std::printf("four at once: package %.1f MB, %d rounds, written and read back; alone = "
                "slowest drive alone in the round\n",
                double(QFileInfo(package).size()) / 1e6, rounds);
    bool ok = true;
    for (const bool slow : {false, true}) {
        stickSpeed(slow);
        std::printf("%s\n", slow ? "writes at stick speed (20 MB/s):" : "images at full speed:");
        QVector<double> ratios;
        for (int round = 0; round < rounds; ++round) {
            qint64 slowest = 0;
            for (const DriveInfo &drive : drives)
                slowest = std::max(slowest, timeWrite(package, {drive}, &ok));
            const qint64 together = timeWrite(package, drives, &ok);
            ratios.append(double(together) / double(std::max<qint64>(slowest, 1)));
            std::printf("round %d: slowest alone %lld ms, four at once %lld ms, ratio %.2f\n",
                        round + 1, static_cast<long long>(slowest),
                        static_cast<long long>(together), ratios.constLast());
        }
        const auto [low, high] = std::minmax_element(ratios.cbegin(), ratios.cend());
        std::printf(
            "four at once / slowest alone: median %.2f, spread %.2f-%.2f (target <= 1.30)\n",
            median(ratios), *low, *high);
    }
    stickSpeed(false);
    return ok;
}

bool measureUpdate(const DriveInfo &drive, const QString &folder)
{
    // Ten clips of 60 MB; the next version adds one of 5 MB, as a save in place leaves it.
    QVector<PackageEntry> media;
    for (int i = 0; i < 11; ++i) {
        const QString clip = folder + str("/u%1.mp4").arg(i);
        if (!writeRandom(clip, i < 10 ? 60'000'000 : 5'000'000, quint32(100 + i)))
            return false;
        media.append(PackageEntry::file(QFileInfo(clip).fileName(), clip));
    }
    const QString first = folder + str("/show.mrv");
    const QString next = folder + str("/next/show.mrv");
    QDir().mkpath(folder + str("/next"));
    PackageArchive update(next);
    update.setUpdateWay(PackageArchive::UpdateWay::InPlace);
    if (!PackageArchive(first).write(media.mid(0, 10) +
                                     QVector<PackageEntry>{PackageEntry::memory(
                                         str("json.txt"), "{\"update_time\":\"1\"}")}) ||
        !QFile::copy(first, next) ||
        !update.update(
            {str("json.txt")},
            {media.at(10), PackageEntry::memory(str("json.txt"), "{\"update_time\":\"2\"}")}))
        return false;
    QFile::remove(drive.mountPoint + str("/show.mrv"));
    stickSpeed(true);
    bool ok = true;
    for (const QString &package : {first, next}) {
        const qint64 before = bytesWritten();
        QElapsedTimer timer;
        timer.start();
        const DriveResult result = writeToDrives(package, {drive}, {}).constFirst();
        const qint64 written = bytesWritten() - before;
        ok = ok && result.proof == DriveResult::Proof::Verified;
        std::printf("%s: package %.1f MB, %s, %.1f MB written by the process (%.1f MB by the "
                    "writer) in %lld ms of which read back %lld ms%s\n",
                    package == first ? "(a) new package" : "(b) next version, one 5 MB clip more",
                    double(QFileInfo(package).size()) / 1e6,
                    result.action == DriveResult::Action::Updated ? "updated" : "copied",
                    double(written) / 1e6, double(result.bytesWritten) / 1e6,
                    static_cast<long long>(timer.elapsed()),
                    static_cast<long long>(result.verifyMs),
                    package == first ? "" : " (target <= 5 MB + journal + 1 MB)");
        if (!result.error.isEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(result.error));
    }
    stickSpeed(false);
    return ok;
}

void callService(const QString &method, const QVariantList &arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(str("org.freedesktop.UDisks2"),
                                                       str("/org/freedesktop/UDisks2"),
                                                       str("org.merovi.DriveServiceTest"), method);
    call.setArguments(arguments);
    QDBusConnection::systemBus().call(call);
}

bool measureStall(const QJsonArray &bed, const QString &folder)
{
    const QString clip = folder + str("/stall.mp4");
    const QString package = folder + str("/stall.mrv");
    if (!writeRandom(clip, 20'000'000, 7) ||
        !PackageArchive(package).write({PackageEntry::file(str("stall.mp4"), clip),
                                        PackageEntry::memory(str("json.txt"), "{}")}))
        return false;
    QStringList names;
    for (const QJsonValue &value : bed)
        names.append(value.toObject().value(str("name")).toString());
    const auto plug = [&bed](bool in) {
        // From another thread: the service's answers must not wait on the GUI.
        std::thread([&bed, in] {
            for (const QJsonValue &value : bed) {
                const QJsonObject drive = value.toObject();
                const QString name = drive.value(str("name")).toString();
                callService(str("RemoveDrive"), {name});
                if (in)
                    callService(
                        str("AddDrive"),
                        {name, drive.value(str("path")).toString(),
                         drive.value(str("type")).toString(), name.toUpper(),
                         QVariant::fromValue(quint64(drive.value(str("size")).toDouble()))});
                QThread::msleep(150);
            }
        }).join();
    };
    plug(false);
    JobRunner runner;
    DrivesDialog dialog(package, &runner);
    dialog.show();
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longest = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longest = std::max(longest, clock.elapsed() - last);
        last = clock.elapsed();
    });
    tick.start(5);
    const auto wait = [](int ms) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    };
    wait(300);
    last = clock.elapsed();
    longest = 0;
    qint64 worst = 0;
    const auto phase = [&](const char *name) {
        std::printf("  %s: longest stall %lld ms\n", name, static_cast<long long>(longest));
        worst = std::max(worst, longest);
        longest = 0;
    };
    // The machine's own share: the same timer with nothing to do.
    wait(2000);
    phase("idle, for comparison");
    worst = 0;
    std::thread plugger([&] { plug(true); });
    while (dialog.drives().size() < bed.size())
        wait(10);
    plugger.join();
    phase("plugged in");
    for (int row = 0; row < dialog.drives().size(); ++row)
        dialog.setChecked(row, true);
    dialog.setEjectWhenDone(false);
    QSignalSpy finished(&dialog, &DrivesDialog::writingFinished);
    dialog.startWriting();
    while (finished.isEmpty())
        wait(10);
    phase("written");
    std::thread puller([&] { plug(false); });
    wait(1500);
    puller.join();
    wait(300);
    phase("pulled");
    std::printf("GUI thread: longest stall %lld ms while %lld drives were plugged in, written "
                "(%.1f MB each) and pulled (target <= 16 ms)\n",
                static_cast<long long>(worst), static_cast<long long>(bed.size()),
                double(QFileInfo(package).size()) / 1e6);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList options = app.arguments().mid(1);
    const auto wanted = [&options](const char *option) {
        return options.isEmpty() || options.contains(str(option));
    };
    DriveInfos drives;
    QJsonArray sticks;
    const QJsonObject bed = QJsonDocument::fromJson(qgetenv("MEROVI_DRIVEBED")).object();
    for (const QJsonValue &value : bed.value(QLatin1String("drives")).toArray()) {
        const QJsonObject drive = value.toObject();
        if (drive.value(QLatin1String("type")).toString() == QLatin1String("exfat") &&
            drive.value(QLatin1String("real")).toBool()) {
            drives.append(folderAsDrive(drive.value(QLatin1String("path")).toString()));
            sticks.append(drive);
        }
    }
    if (drives.size() < 4) {
        std::fprintf(stderr, "Needs four real exFAT drives: run it through drivebed.py with "
                             "MEROVI_DRIVEBED_STICKS=4.\n");
        return 2;
    }
    drives.resize(4);
    while (sticks.size() > 4)
        sticks.removeLast();

    QTemporaryDir work;
    bool ok = true;
    if (wanted("--update"))
        ok = measureUpdate(drives.at(0), work.path()) && ok;
    if (wanted("--four"))
        ok = measureFour(drives, work.path()) && ok;
    if (wanted("--stall"))
        ok = measureStall(sticks, work.path()) && ok;
    return ok ? 0 : 1;
}
