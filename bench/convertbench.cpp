// Measures conversions against the programs a user would otherwise run, side
// by side in interleaved rounds. Run by hand:
//   convertbench [--rounds N] [--dir PATH]
// Remux of a ~100 MB MOV (H.264/AAC) against cp of it; transcode of a 720p
// WebM against "ffmpeg -c:v libx264 -preset veryfast -c:a aac"; probing 100
// clips (the cut-short check is part of every probe: its share is the
// difference against reading the sample tables alone, shown as "index walk").

#include "media/mediaconvert.h"
#include "media/mediaprobe.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTextStream>

extern "C" {
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

QTextStream out(stdout);

[[noreturn]] void fail(const QString &what)
{
    out.flush();
    QTextStream(stderr) << "convertbench: " << what << '\n';
    std::exit(1);
}

void run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        fail(program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')) + QLatin1String(": ") +
             QString::fromLocal8Bit(process.readAllStandardError()));
}

double timed(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Median ratio of a to b over rounds, and the spread (lowest to highest).
void report(const char *what, const std::vector<double> &a, const std::vector<double> &b)
{
    std::vector<double> ratios;
    for (size_t i = 0; i < a.size(); ++i)
        ratios.push_back(a[i] / b[i]);
    out << what << ": " << QString::number(median(a), 'f', 0) << " ms vs "
        << QString::number(median(b), 'f', 0) << " ms, ratio "
        << QString::number(median(ratios), 'f', 2) << " (spread "
        << QString::number(*std::min_element(ratios.begin(), ratios.end()), 'f', 2) << "–"
        << QString::number(*std::max_element(ratios.begin(), ratios.end()), 'f', 2) << ", "
        << a.size() << " rounds)\n";
    out.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    int rounds = 5;
    QString folder = QDir::tempPath() + QLatin1String("/convertbench");
    for (int i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--rounds"))
            rounds = qMax(1, arguments.at(i + 1).toInt());
        else if (arguments.at(i) == QLatin1String("--dir"))
            folder = arguments.at(i + 1);
    }
    QDir().mkpath(folder);
    const QString mov = folder + QLatin1String("/big.mov");
    const QString webm = folder + QLatin1String("/clip.webm");
    const QString ffmpeg = QStringLiteral("ffmpeg");
    const QStringList quiet{QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"),
                            QStringLiteral("error"), QStringLiteral("-y")};
    if (!QFile::exists(mov)) {
        run(ffmpeg, quiet +
                        QStringLiteral("-f lavfi -i testsrc2=s=1280x720:r=25:d=40 -f lavfi "
                                       "-i sine=d=40 -vf noise=alls=8:allf=t -c:v libx264 "
                                       "-preset ultrafast -b:v 20M -c:a aac")
                            .split(QLatin1Char(' ')) +
                        QStringList{mov});
    }
    if (!QFile::exists(webm)) {
        run(ffmpeg, quiet +
                        QStringLiteral("-f lavfi -i testsrc2=s=1280x720:r=25:d=10 -f lavfi "
                                       "-i sine=d=10 -c:v libvpx -deadline realtime -b:v 3M "
                                       "-c:a libopus")
                            .split(QLatin1Char(' ')) +
                        QStringList{webm});
    }
    out << "MOV " << QFile(mov).size() / 1000000 << " MB, WebM " << QFile(webm).size() / 1000000
        << " MB\n";

    const QString target = folder + QLatin1String("/out.mp4");
    const QString copy = folder + QLatin1String("/copy.mov");
    std::vector<double> remux, cp, transcode, reference;
    for (int round = 0; round < rounds; ++round) {
        // Alternating which goes first keeps the page cache fair to both.
        const auto doRemux = [&] {
            remux.push_back(timed([&] {
                QString error;
                if (!remuxToMp4(mov, target, nullptr, &error))
                    fail(error);
            }));
        };
        const auto doCopy = [&] {
            cp.push_back(timed([&] { run(QStringLiteral("cp"), {mov, copy}); }));
        };
        if (round % 2) {
            doCopy();
            doRemux();
        } else {
            doRemux();
            doCopy();
        }
    }
    report("remux 100 MB MOV vs cp", remux, cp);
    const int transcodeRounds = qMax(1, rounds / 2 + 1);
    for (int round = 0; round < transcodeRounds; ++round) {
        transcode.push_back(timed([&] {
            QString error;
            if (!transcodeToMp4(webm, target, nullptr, &error))
                fail(error);
        }));
        reference.push_back(timed([&] {
            run(ffmpeg, quiet + QStringList{QStringLiteral("-i"), webm} +
                            QStringLiteral("-c:v libx264 -preset veryfast -c:a aac")
                                .split(QLatin1Char(' ')) +
                            QStringList{target});
        }));
    }
    report("transcode 10 s 720p WebM vs ffmpeg veryfast", transcode, reference);

    // Probing 100 clips: whole ones against clips cut short (the check then
    // reports), both through the same probe.
    const QString clip = folder + QLatin1String("/small.mp4");
    if (!QFile::exists(clip)) {
        run(ffmpeg, quiet +
                        QStringLiteral("-f lavfi -i testsrc2=s=640x360:r=25:d=20 -c:v "
                                       "libx264 -preset ultrafast -movflags +faststart")
                            .split(QLatin1Char(' ')) +
                        QStringList{clip});
    }
    std::vector<double> probes;
    for (int round = 0; round < rounds; ++round) {
        probes.push_back(timed([&] {
            for (int i = 0; i < 100; ++i) {
                if (!probeMedia(MediaSource::file(clip)).isOk())
                    fail(QStringLiteral("the sample clip does not probe"));
            }
        }));
    }
    // What the cut-short check adds: the walk over every sample of the index,
    // timed alone on the same clip, against the whole probe.
    std::vector<double> walks;
    for (int round = 0; round < rounds; ++round) {
        AVFormatContext *format = nullptr;
        if (avformat_open_input(&format, QFile::encodeName(clip).constData(), nullptr, nullptr) < 0)
            fail(QStringLiteral("cannot open the sample clip"));
        volatile int64_t sum = 0;
        walks.push_back(timed([&] {
            for (int i = 0; i < 100; ++i) {
                for (unsigned s = 0; s < format->nb_streams; ++s) {
                    const int count = avformat_index_get_entries_count(format->streams[s]);
                    for (int n = 0; n < count; ++n) {
                        const AVIndexEntry *sample =
                            avformat_index_get_entry(format->streams[s], n);
                        sum = sum + sample->pos + sample->size;
                    }
                }
            }
        }));
        avformat_close_input(&format);
    }
    report("probe of 100 clips vs their index walks", probes, walks);
    QFile::remove(copy);
    QFile::remove(target);
    return 0;
}
