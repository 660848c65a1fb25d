// What a save costs against a durable copy (copy, then sync) of the same
// bytes: a new package, an update that changes only the document, and an
// update that adds one clip. The rounds alternate the kinds, so a change of
// the machine's load touches all of them alike; each line gives the median
// and the spread (lowest to highest) of the rounds, and the bytes the process
// read from and wrote to the drive (/proc/self/io).
//
//   savebench [FOLDER] [MEGABYTES] [PHOTOS]   (default: the current folder, 200 MB, 0)
//
// The media are real H.264 clips made with the ffmpeg program, copied under
// different names up to the size asked for; or, given PHOTOS, that many
// copies of a 12-megapixel JPEG. A new save includes the check mrv build runs
// first: the first round decodes every medium, later ones find the checks
// remembered (the cache lives in the bench's own folder), and the first
// round is shown by itself too.

#include "archive/platformfile.h"
#include "drives/readback.h"
#include "media/playcheck.h"
#include "package/saveplan.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int rounds = 3;

struct Io
{
    qint64 read = 0;
    qint64 written = 0;
};

Io processIo()
{
    QFile file(QStringLiteral("/proc/self/io"));
    Io io;
    if (!file.open(QIODevice::ReadOnly))
        return io;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith("read_bytes: "))
            io.read = line.mid(12).toLongLong();
        if (line.startsWith("write_bytes: "))
            io.written = line.mid(13).toLongLong();
    }
    return io;
}

struct Sample
{
    double ms = 0;
    Io io;
};

Sample measure(const std::function<bool()> &work)
{
    const Io before = processIo();
    QElapsedTimer timer;
    timer.start();
    if (!work()) {
        std::fprintf(stderr, "a step failed\n");
        std::exit(1);
    }
    Sample sample;
    sample.ms = double(timer.nsecsElapsed()) / 1e6;
    const Io after = processIo();
    sample.io = {after.read - before.read, after.written - before.written};
    return sample;
}

// Copies and syncs, then drops the copy's pages: what a save's write costs at least.
bool durableCopy(const QString &from, const QString &to)
{
    QFile::remove(to);
    int error = 0;
    return QFile::copy(from, to) && Platform::dropCachedPages(QFile::encodeName(to), &error);
}

void report(const char *name, const QVector<Sample> &samples, const QVector<Sample> &reference)
{
    QVector<double> ratios;
    for (int i = 0; i < samples.size(); ++i)
        ratios.append(samples.at(i).ms / reference.at(i).ms);
    std::sort(ratios.begin(), ratios.end());
    QVector<double> ms;
    for (const Sample &sample : samples)
        ms.append(sample.ms);
    std::sort(ms.begin(), ms.end());
    const Sample &last = samples.last();
    std::printf("%-34s %9.0f ms  x%6.3f (%.3f-%.3f)  read %8.1f MB  written %8.1f MB\n", name,
                ms.at(ms.size() / 2), ratios.at(ratios.size() / 2), ratios.first(), ratios.last(),
                double(last.io.read) / 1e6, double(last.io.written) / 1e6);
}

// A photo with the detail of a real one: smooth shapes under fine grain.
bool makePhoto(const QString &path)
{
    QImage image(4000, 3000, QImage::Format_RGB32);
    quint32 grain = 1;
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            grain = grain * 1664525u + 1013904223u;
            const int g = int(grain >> 28);
            line[x] = qRgb((x / 16 + g) % 256, (y / 12 + g) % 256, ((x + y) / 28 + g) % 256);
        }
    }
    return image.save(path, "JPEG", 90);
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString where = args.value(1, QDir::currentPath());
    const qint64 megabytes = args.value(2, QStringLiteral("200")).toLongLong();
    const int photos = args.value(3, QStringLiteral("0")).toInt();
    QTemporaryDir dir(where + QStringLiteral("/savebench-XXXXXX"));
    if (!dir.isValid())
        return 1;
    const QString clip = dir.filePath(QStringLiteral("clip.mp4"));
    const int made = QProcess::execute(
        QStringLiteral("ffmpeg"),
        QStringLiteral("-loglevel error -f lavfi -i testsrc2=size=1280x720:rate=25:duration=20 "
                       "-c:v libx264 -preset ultrafast -b:v 4M -y")
                .split(QLatin1Char(' '))
            << clip);
    if (made != 0)
        return 1;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.filePath(QStringLiteral("cache"))));
    const qint64 clipBytes = QFileInfo(clip).size();
    PlaylistRows rows;
    QDir().mkpath(dir.filePath(QStringLiteral("media")));
    const QString photo = dir.filePath(QStringLiteral("photo.jpg"));
    if (photos > 0 && !makePhoto(photo))
        return 1;
    for (int n = 0; n < photos; ++n) {
        const QString copy = dir.filePath(QStringLiteral("media/photo%1.jpg").arg(n));
        if (!QFile::copy(photo, copy))
            return 1;
        rows.append({QStringLiteral("00:00:05"), copy, QStringLiteral("Fade")});
    }
    for (qint64 total = 0, n = 0; photos == 0 && total < megabytes * 1000 * 1000;
         total += clipBytes, ++n) {
        const QString copy = dir.filePath(QStringLiteral("media/clip%1.mp4").arg(n));
        if (!QFile::copy(clip, copy))
            return 1;
        rows.append({videoTimeText(), copy, QStringLiteral("Fade")});
    }
    // Written by the copies above: the first round must find them on the drive.
    int dropError = 0;
    for (const PlaylistRow &row : rows)
        (void)Platform::dropCachedPages(QFile::encodeName(row.file), &dropError);
    const QString package = dir.filePath(QStringLiteral("show.mrv"));
    const QString copy = dir.filePath(QStringLiteral("copy.mrv"));
    const QString clipCopy = dir.filePath(QStringLiteral("clip-copy.mp4"));

    QVector<Sample> newSave, copyPackage, documentOnly, fullReadBack, addClip, copyClip;
    for (int round = 0; round < rounds; ++round) {
        QFile::remove(package);
        newSave.append(measure([&] {
            probeMayNotPlay(rows);
            return runSavePlan(makeSavePlan(package, package, rows)).status ==
                   SaveOutcome::Status::Done;
        }));
        copyPackage.append(measure([&] { return durableCopy(package, copy); }));

        PackageContents contents;
        QString error;
        if (!readPackage(package, QStringLiteral("Fade"), &contents, &error))
            return 1;
        // A document-only change: one more row playing a stored medium.
        PlaylistRows retimed = contents.rows;
        retimed.append(contents.rows.first());
        documentOnly.append(measure([&] {
            return runSavePlan(makeSavePlan(package, package, retimed, contents)).status ==
                   SaveOutcome::Status::Done;
        }));
        // What every update read back before: the whole package.
        fullReadBack.append(measure([&] { return verifyFromDrive(package, {}).isVerified(); }));

        if (!readPackage(package, QStringLiteral("Fade"), &contents, &error))
            return 1;
        PlaylistRows added = contents.rows;
        added.append({videoTimeText(), clip, QStringLiteral("Fade")});
        addClip.append(measure([&] {
            return runSavePlan(makeSavePlan(package, package, added, contents)).status ==
                   SaveOutcome::Status::Done;
        }));
        copyClip.append(measure([&] { return durableCopy(clip, clipCopy); }));
    }

    std::printf("load %s", qPrintable(loadAverage()));
    std::printf("%d rounds, package %.1f MB, clip %.1f MB, in %s\n", rounds,
                double(QFileInfo(package).size()) / 1e6, double(clipBytes) / 1e6,
                qPrintable(where));
    report("new save, first (durable cp = 1)", newSave.mid(0, 1), copyPackage.mid(0, 1));
    report("new save (durable cp = 1)", newSave, copyPackage);
    report("document-only update (cp = 1)", documentOnly, copyPackage);
    report("whole read-back (cp = 1)", fullReadBack, copyPackage);
    report("add one clip (cp of clip = 1)", addClip, copyClip);
    report("durable cp of the package", copyPackage, copyPackage);
    return 0;
}
