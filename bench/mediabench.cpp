// Measures the media probe and thumbnails. Run by hand:
//   mediabench [--small] [--rounds N] [--dir PATH]
//   mediabench --probe FILE...     prints what the probe finds in each file
//   mediabench --clips [--rounds N] probes the 100 sample clips only, alone and
//                                  with thumbnails; run the builds before and
//                                  after a change to the probe in turns to compare
// The samples (1,000 images of 1 to 12 megapixels, JPEG and PNG, and 100
// short H.264 MP4s made with ffmpeg) are made once in PATH and reused: 24
// distinct images and 5 distinct videos, hard-linked under many names. They
// are made by a child process, so their big buffers do not count in the peak
// memory measured here. The page cache is left warm.

#include "media/mediaprobe.h"
#include "media/mediaservice.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QProcess>
#include <QTextStream>
#include <QTimer>

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

QTextStream out(stdout);

[[noreturn]] void fail(const QString &what)
{
    out.flush();
    QTextStream(stderr) << "mediabench: " << what << '\n';
    std::exit(1);
}

// CPU time of the calling thread: what the GUI thread itself spends.
double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

qint64 peakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024; // kilobytes on Linux
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

QSize megapixels(int mp)
{
    const int width = int(std::lround(std::sqrt(mp * 1e6 * 4 / 3)));
    return {width, width * 3 / 4};
}

// A picture with detail everywhere, so JPEG and PNG sizes are realistic.
QImage picture(const QSize &size, int seed)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = qRgb((x + seed) & 255, (y * 3) & 255, ((x ^ y) + seed * 7) & 255);
    }
    return image;
}

void link(const QString &from, const QString &to)
{
    QFile::remove(to);
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        fail(QStringLiteral("cannot link %1 to %2").arg(from, to));
}

void generate(const QString &folder, int images, int videos)
{
    QDir().mkpath(folder);
    QStringList originals;
    for (int mp = 1; mp <= 12; ++mp) {
        const QImage image = picture(megapixels(mp), mp);
        for (const char *format : {"jpg", "png"}) {
            const QString path = QStringLiteral("%1/original-%2mp.%3")
                                     .arg(folder)
                                     .arg(mp)
                                     .arg(QLatin1String(format));
            if (!QFileInfo::exists(path) &&
                !image.save(path, qstrcmp(format, "jpg") ? "PNG" : "JPEG", 85))
                fail(QStringLiteral("cannot write %1").arg(path));
            originals << path;
        }
    }
    for (int i = 0; i < images; ++i) {
        const QString &original = originals.at(i % originals.size());
        link(original, QStringLiteral("%1/image%2.%3")
                           .arg(folder)
                           .arg(i, 4, 10, QLatin1Char('0'))
                           .arg(QFileInfo(original).suffix()));
    }
    const QStringList sizes{QStringLiteral("640x360"), QStringLiteral("1280x720"),
                            QStringLiteral("1920x1080"), QStringLiteral("854x480"),
                            QStringLiteral("320x240")};
    for (int v = 0; v < sizes.size(); ++v) {
        const QString path = QStringLiteral("%1/original-%2.mp4").arg(folder, sizes.at(v));
        if (!QFileInfo::exists(path) &&
            QProcess::execute(QStringLiteral("ffmpeg"),
                              {QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"),
                               QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-f"),
                               QStringLiteral("lavfi"), QStringLiteral("-i"),
                               QStringLiteral("testsrc=size=%1:rate=25").arg(sizes.at(v)),
                               QStringLiteral("-t"), QStringLiteral("3"), QStringLiteral("-c:v"),
                               QStringLiteral("libx264"), QStringLiteral("-pix_fmt"),
                               QStringLiteral("yuv420p"), path}) != 0)
            fail(QStringLiteral("ffmpeg could not make %1").arg(path));
    }
    for (int i = 0; i < videos; ++i) {
        link(QStringLiteral("%1/original-%2.mp4").arg(folder, sizes.at(i % sizes.size())),
             QStringLiteral("%1/video%2.mp4").arg(folder).arg(i, 3, 10, QLatin1Char('0')));
    }
}

QStringList files(const QString &folder, const QString &pattern)
{
    QStringList names = QDir(folder).entryList({pattern}, QDir::Files, QDir::Name);
    for (QString &name : names)
        name = folder + QLatin1Char('/') + name;
    return names;
}

void probeAll(const QString &what, const QStringList &paths)
{
    QElapsedTimer timer;
    timer.start();
    int problems = 0;
    for (const QString &path : paths)
        problems += probeMedia(MediaSource::file(path)).isOk() ? 0 : 1;
    const double seconds = timer.nsecsElapsed() / 1e9;
    out << QStringLiteral("probe %1: %2 files in %3 s = %4 files/s (%5 with problems)\n")
               .arg(what)
               .arg(paths.size())
               .arg(seconds, 0, 'f', 3)
               .arg(paths.size() / seconds, 0, 'f', 0)
               .arg(problems);
    out.flush();
}

// The 100 clips probed alone (as mrv does) and with their thumbnails (the
// window's pass), in alternating rounds; medians and spread in ms.
void probeClips(const QStringList &paths, int rounds)
{
    std::vector<double> alone, withThumbnails;
    const auto timed = [&](bool thumbnails) {
        QElapsedTimer timer;
        timer.start();
        for (const QString &path : paths) {
            QImage thumbnail;
            const bool ok = thumbnails
                                ? makeThumbnail(MediaSource::file(path),
                                                MediaService::thumbnailBox(), &thumbnail, nullptr)
                                : probeMedia(MediaSource::file(path)).isOk();
            if (!ok)
                fail(QStringLiteral("%1 does not probe").arg(path));
        }
        (thumbnails ? withThumbnails : alone).push_back(timer.nsecsElapsed() / 1e6);
    };
    for (int round = 0; round < rounds; ++round) {
        timed(round % 2 == 0);
        timed(round % 2 == 1);
    }
    const auto spread = [](const std::vector<double> &v) {
        return QStringLiteral("%1 ms (%2–%3)")
            .arg(median(v), 0, 'f', 1)
            .arg(*std::min_element(v.begin(), v.end()), 0, 'f', 1)
            .arg(*std::max_element(v.begin(), v.end()), 0, 'f', 1);
    };
    out << QStringLiteral("%1 clips, %2 rounds: probe %3, probe with thumbnail %4\n")
               .arg(paths.size())
               .arg(rounds)
               .arg(spread(alone), spread(withThumbnails));
    out.flush();
}

// The window's path: every file through the service, the GUI thread only
// receiving results; reports the longest gap between its timer ticks.
void serviceAll(const QStringList &paths)
{
    MediaService service;
    QHash<QString, QImage> thumbnails; // held as the table would hold them
    int problems = 0;
    QObject::connect(&service, &MediaService::probed,
                     [&](const QString &, const MediaInfo &info) { problems += !info.isOk(); });
    QObject::connect(
        &service, &MediaService::thumbnailReady,
        [&](const QString &key, const QImage &image) { thumbnails.insert(key, image); });
    QElapsedTimer sinceTick;
    qint64 longestGapMs = 0;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout,
                     [&] { longestGapMs = std::max(longestGapMs, sinceTick.restart()); });
    QEventLoop loop;
    // The gap with nothing to do: what the machine's other load costs alone.
    sinceTick.start();
    ticker.start();
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    loop.exec();
    const qint64 idleGapMs = std::exchange(longestGapMs, 0);

    QObject::connect(&service, &MediaService::idle, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    const double cpuBefore = threadCpuMs();
    for (const QString &path : paths)
        service.request(MediaSource::file(path));
    const qint64 requestMs = timer.elapsed();
    loop.exec();
    const double seconds = timer.nsecsElapsed() / 1e9;
    const double guiCpuMs = threadCpuMs() - cpuBefore;
    qint64 thumbnailBytes = 0;
    for (const QImage &image : qAsConst(thumbnails))
        thumbnailBytes += image.sizeInBytes();
    out << QStringLiteral("service: %1 files probed with thumbnails in %2 s = %3 files/s, %4 "
                          "problems; %5 thumbnails (%6 MB)\n"
                          "GUI thread: %7 ms for all requests, %8 ms CPU in all (timer included); "
                          "longest gap between 5 ms timer ticks %9 ms while probing, %10 ms with "
                          "nothing to do\n")
               .arg(paths.size())
               .arg(seconds, 0, 'f', 1)
               .arg(paths.size() / seconds, 0, 'f', 1)
               .arg(problems)
               .arg(thumbnails.size())
               .arg(thumbnailBytes / 1e6, 0, 'f', 1)
               .arg(requestMs)
               .arg(guiCpuMs, 0, 'f', 0)
               .arg(longestGapMs)
               .arg(idleGapMs);
    out << QStringLiteral("peak RSS with all thumbnails made and cached: %1 MB\n").arg(peakRssMb());
    out.flush();
}

void scaledVersusFull(const QString &jpeg, int rounds)
{
    std::vector<double> scaledMs, fullMs, ratios;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        QImage thumbnail;
        QString error;
        if (!makeThumbnail(MediaSource::file(jpeg), MediaService::thumbnailBox(), &thumbnail,
                           &error))
            fail(error);
        const double scaled = timer.nsecsElapsed() / 1e6;
        timer.restart();
        QImageReader reader(jpeg);
        if (reader.read().isNull())
            fail(reader.errorString());
        const double full = timer.nsecsElapsed() / 1e6;
        scaledMs.push_back(scaled);
        fullMs.push_back(full);
        ratios.push_back(full / scaled);
    }
    const auto range = std::minmax_element(ratios.begin(), ratios.end());
    out << QStringLiteral("12 MP JPEG, %1 interleaved rounds: scaled thumbnail %2 ms, full decode "
                          "%3 ms (medians); full/scaled ratio median %4, spread %5 to %6\n")
               .arg(rounds)
               .arg(median(scaledMs), 0, 'f', 1)
               .arg(median(fullMs), 0, 'f', 1)
               .arg(median(ratios), 0, 'f', 1)
               .arg(*range.first, 0, 'f', 1)
               .arg(*range.second, 0, 'f', 1);
}

QString problemName(MediaInfo::Problem problem)
{
    static const char *names[] = {"ok",         "missing",     "unreadable",
                                  "wrong type", "undecodable", "unsupported codec"};
    return QString::fromLatin1(names[int(problem)]);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.value(0) == QLatin1String("--probe")) {
        for (const QString &path : arguments.mid(1)) {
            const MediaInfo info = probeMedia(MediaSource::file(path));
            out << path << ": " << problemName(info.problem) << ", type " << info.type << ", "
                << info.size << " bytes, " << info.format << ' ' << info.codec << ' '
                << info.pixelSize.width() << 'x' << info.pixelSize.height() << ", "
                << info.durationMs << " ms " << info.problemText << '\n';
            QImage thumbnail;
            QString error;
            const bool made = makeThumbnail(MediaSource::file(path), MediaService::thumbnailBox(),
                                            &thumbnail, &error);
            out << "  thumbnail: "
                << (made ? QStringLiteral("%1x%2").arg(thumbnail.width()).arg(thumbnail.height())
                         : error)
                << '\n';
            out.flush();
        }
        return 0;
    }
    const bool small = arguments.contains(QStringLiteral("--small"));
    const int images = small ? 100 : 1000;
    const int videos = small && !arguments.contains(QStringLiteral("--clips")) ? 20 : 100;
    const int rounds =
        arguments.contains(QStringLiteral("--rounds"))
            ? arguments.value(arguments.indexOf(QStringLiteral("--rounds")) + 1).toInt()
            : (small ? 5 : 15);
    const QString folder = arguments.contains(QStringLiteral("--dir"))
                               ? arguments.value(arguments.indexOf(QStringLiteral("--dir")) + 1)
                               : QDir::current().filePath(QStringLiteral("mediabench-samples"));
    if (arguments.contains(QStringLiteral("--generate"))) {
        generate(folder, images, videos);
        return 0;
    }
    out << "samples in " << folder << " (made once, then reused)\n";
    out.flush();
    QElapsedTimer timer;
    timer.start();
    QStringList generateArguments = arguments;
    generateArguments << QStringLiteral("--generate") << QStringLiteral("--dir") << folder;
    if (QProcess::execute(app.applicationFilePath(), generateArguments) != 0)
        fail(QStringLiteral("cannot make the samples"));
    out << QStringLiteral("samples ready in %1 s\n").arg(timer.elapsed() / 1000.0, 0, 'f', 1);

    const QStringList imagePaths = files(folder, QStringLiteral("image*")).mid(0, images);
    const QStringList videoPaths = files(folder, QStringLiteral("video*.mp4")).mid(0, videos);
    if (arguments.contains(QStringLiteral("--clips"))) {
        probeClips(files(folder, QStringLiteral("video*.mp4")).mid(0, 100), rounds);
        return 0;
    }
    out << "peak RSS before: " << peakRssMb() << " MB\n";
    probeAll(QStringLiteral("images"), imagePaths);
    probeAll(QStringLiteral("H.264 MP4s"), videoPaths);
    serviceAll(imagePaths + videoPaths);
    // Last: a full decode of 12 MP would raise the peak measured above.
    scaledVersusFull(folder + QStringLiteral("/original-12mp.jpg"), rounds);
    return 0;
}
