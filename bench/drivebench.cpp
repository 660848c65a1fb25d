// One package to four drives at once against the same package to the slowest
// of them alone, each written whole and read back from the drive.
// Run it among real drives: python3 tests/drives/drivebed.py build/bench/drivebench
// with MEROVI_DRIVEBED_STICKS=4 (exFAT images through FUSE on loop devices).

#include "archive/packagearchive.h"
#include "archive/platformfile.h"
#include "drives/drivewriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int rounds = 5;
constexpr qint64 mediaBytes = 64 * 1000 * 1000;

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
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
        if (result.outcome != DriveResult::Outcome::Verified) {
            std::fprintf(stderr, "%s\n", qPrintable(result.error));
            *ok = false;
        }
    }
    return elapsed;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    DriveInfos drives;
    const QJsonObject bed = QJsonDocument::fromJson(qgetenv("MEROVI_DRIVEBED")).object();
    for (const QJsonValue &value : bed.value(QLatin1String("drives")).toArray()) {
        const QJsonObject drive = value.toObject();
        if (drive.value(QLatin1String("type")).toString() == QLatin1String("exfat") &&
            drive.value(QLatin1String("real")).toBool())
            drives.append(folderAsDrive(drive.value(QLatin1String("path")).toString()));
    }
    if (drives.size() < 4) {
        std::fprintf(stderr, "Needs four real exFAT drives: run it through drivebed.py with "
                             "MEROVI_DRIVEBED_STICKS=4.\n");
        return 2;
    }
    drives.resize(4);

    QTemporaryDir work;
    QByteArray bytes(int(mediaBytes), Qt::Uninitialized);
    QRandomGenerator generator(1);
    generator.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
    const QString clip = work.filePath(QStringLiteral("clip.mp4"));
    QFile file(clip);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return 1;
    file.close();
    const QString package = work.filePath(QStringLiteral("bench.mrv"));
    PackageArchive archive(package);
    if (!archive.write({PackageEntry::file(QStringLiteral("clip.mp4"), clip),
                        PackageEntry::memory(QStringLiteral("json.txt"), "{}")}))
        return 1;

    std::printf("package %.1f MB, %d rounds, written and read back; alone = slowest drive "
                "alone in the round\n",
                double(QFileInfo(package).size()) / 1e6, rounds);
    bool ok = true;
    // Images in memory are as fast as the processor; a stick takes each 4 MB
    // write in about 200 ms (20 MB/s), which the second pass imitates.
    for (const bool stickSpeed : {false, true}) {
        Platform::setStepHook(stickSpeed ? [](Platform::Step step, const QByteArray &) {
        if (step == Platform::Step::Write)
            QThread::msleep(200);
        return 0;
    } : Platform::StepHook(nullptr));
        std::printf("%s\n",
                    stickSpeed ? "writes at stick speed (20 MB/s):" : "images at full speed:");
        QVector<double> ratios;
        for (int round = 0; round < rounds; ++round) {
            qint64 slowest = 0;
            for (const DriveInfo &drive : std::as_const(drives))
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
    return ok ? 0 : 1;
}
