// Measures the archive engine against what a user would do by hand: cp of the
// same files followed by sync, run as a process, interleaved with ours round
// by round. Run by hand, never by CI:
//   archivebench [--small] [--rounds N] [--dir PATH]
//   archivebench --crash N [--small] [--dir PATH]    kills saves at random moments
// The media are made in a temporary folder under PATH (default: the current
// folder), so every copy and package lands on the same disk.

#include "archive/packagearchive.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <vector>

#include <unistd.h>

namespace {

QTextStream out(stdout);
// Removed on failure too: a failed run must not leave gigabytes behind.
QString workFolder;

[[noreturn]] void fail(const QString &what)
{
    out.flush();
    QTextStream(stderr) << "archivebench: " << what << '\n';
    if (!workFolder.isEmpty())
        QDir(workFolder).removeRecursively();
    std::exit(1);
}

void makeRandomFile(const QString &path, qint64 size, QRandomGenerator &generator)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(QStringLiteral("cannot create %1: %2").arg(path, file.errorString()));
    std::vector<quint32> chunk(256 * 1024);
    for (qint64 left = size; left > 0;) {
        generator.fillRange(chunk.data(), chunk.size());
        const qint64 n = std::min<qint64>(left, qint64(chunk.size() * 4));
        if (file.write(reinterpret_cast<const char *>(chunk.data()), n) != n)
            fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        left -= n;
    }
}

// The yardstick: cp, then sync of the copies and their folder, as a shell would run them.
void copyAndSync(const QStringList &files, const QString &toDir)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(
        QStringLiteral("sh"),
        QStringList{QStringLiteral("-c"),
                    QStringLiteral("to=$1; shift; cp -- \"$@\" \"$to\"/ && sync \"$to\"/* \"$to\""),
                    QStringLiteral("sh"), toDir} +
            files);
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        fail(QStringLiteral("cp and sync failed"));
}

double seconds(const std::function<void()> &job)
{
    ::sync();
    QElapsedTimer timer;
    timer.start();
    job();
    return double(timer.nsecsElapsed()) / 1e9;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Comparison
{
    const char *name;
    std::function<void()> prepare; // untimed, before each side
    std::function<void()> ours;
    std::function<void()> yardstick;
    double goal;
    std::vector<double> oursSeconds;
    std::vector<double> ratios;
};

// One save, in a child process that the crash loop kills.
int runSaver(const QString &package, const QString &media, bool update)
{
    PackageArchive archive(package);
    QVector<PackageEntry> entries{PackageEntry::memory(QStringLiteral("json.txt"), "{\"new\":1}")};
    for (const QString &name : QDir(media).entryList(QDir::Files))
        entries << PackageEntry::file(name, media + QLatin1Char('/') + name);
    const bool ok =
        update ? archive.update({QStringLiteral("video_1.mp4")}, entries) : archive.write(entries);
    if (!ok)
        QTextStream(stderr) << archive.errorString() << '\n';
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args.at(1) == QLatin1String("--saver"))
        return runSaver(args.at(2), args.at(3), args.at(4) == QLatin1String("update"));
    bool small = false;
    int rounds = 5;
    int crashes = 0;
    QString base = QDir::currentPath();
    for (int i = 1; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--small"))
            small = true;
        else if (args.at(i) == QLatin1String("--rounds") && i + 1 < args.size())
            rounds = std::max(1, args.at(++i).toInt());
        else if (args.at(i) == QLatin1String("--crash") && i + 1 < args.size())
            crashes = std::max(1, args.at(++i).toInt());
        else if (args.at(i) == QLatin1String("--dir") && i + 1 < args.size())
            base = args.at(++i);
        else
            fail(QStringLiteral(
                "usage: archivebench [--small] [--rounds N] [--crash N] [--dir PATH]"));
    }

    QTemporaryDir work(base + QStringLiteral("/archivebench-XXXXXX"));
    if (!work.isValid())
        fail(
            QStringLiteral("cannot make a work folder under %1: %2").arg(base, work.errorString()));
    workFolder = work.path();
    const auto path = [&work](const char *name) {
        return work.filePath(QString::fromLatin1(name));
    };
    for (const char *folder : {"media", "added", "copy"})
        QDir().mkpath(path(folder));

    // Incompressible media like real video.
    const qint64 videoSize = small ? 10'000'000 : 100'000'000;
    QRandomGenerator generator(20261206);
    QStringList media;
    QVector<PackageEntry> entries;
    for (int i = 1; i <= 8; ++i) {
        const QString name = i <= 6 ? QStringLiteral("video_%1.mp4").arg(i)
                                    : QStringLiteral("image_%1.jpg").arg(i - 6);
        media << path("media") + QLatin1Char('/') + name;
        makeRandomFile(media.last(), i <= 6 ? videoSize : 2'000'000, generator);
        entries << PackageEntry::file(name, media.last());
    }
    QByteArray document = "{\"OfflinePlaylist\":{\"Items\":[";
    for (const PackageEntry &entry : qAsConst(entries))
        document += "{\"filename\":\"/" + entry.name.toUtf8() + "\",\"time\":\"00:00:10\"},";
    document.chop(1);
    document += "]}}";
    QFile documentFile(path("media/json.txt"));
    if (!documentFile.open(QIODevice::WriteOnly) || documentFile.write(document) != document.size())
        fail(QStringLiteral("cannot write the document"));
    documentFile.close();
    entries << PackageEntry::memory(QStringLiteral("json.txt"), document);
    const QString extra = path("added/extra.mp4");
    makeRandomFile(extra, videoSize, generator);
    const QString package = path("show.mrv");
    const QString master = path("master.mrv");
    const QString copyDir = path("copy");
    const auto clearCopies = [&] {
        QDir(copyDir).removeRecursively();
        QDir().mkpath(copyDir);
    };
    const auto restore = [&] {
        QFile::remove(package);
        if (!QFile::copy(master, package))
            fail(QStringLiteral("cannot restore the package"));
    };
    const auto check = [](PackageArchive &archive, bool ok) {
        if (!ok)
            fail(archive.errorString());
    };
    {
        PackageArchive archive(master);
        check(archive, archive.write(entries));
    }

    if (crashes > 0) {
        // Every kill must leave the old package or the complete new one, and the
        // next save must clear whatever the killed one left.
        int keptOld = 0, gotNew = 0;
        const QByteArray old = [&] {
            QFile f(master);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        for (int run = 0; run < crashes; ++run) {
            restore();
            const bool update = run % 2 == 1;
            QProcess saver;
            saver.start(app.applicationFilePath(),
                        {QStringLiteral("--saver"), package, path("added"),
                         update ? QStringLiteral("update") : QStringLiteral("write")});
            saver.waitForStarted();
            QThread::usleep(generator.bounded(small ? 300'000u : 3'000'000u));
            saver.kill();
            saver.waitForFinished();
            PackageArchive archive(package);
            QStringList names;
            QFile file(package);
            if (file.open(QIODevice::ReadOnly) && file.readAll() == old)
                ++keptOld;
            else if (archive.verify() && archive.entryNames(&names) &&
                     names.contains(QStringLiteral("extra.mp4")))
                ++gotNew;
            else
                fail(QStringLiteral("run %1: neither the old package nor the new one: %2")
                         .arg(run)
                         .arg(archive.errorString()));
            check(archive,
                  archive.update({}, {PackageEntry::memory(QStringLiteral("json.txt"), "{}")}));
            const QStringList stray =
                QDir(work.path()).entryList({QStringLiteral(".mrv-*")}, QDir::Hidden | QDir::Files);
            if (!stray.isEmpty())
                fail(QStringLiteral("run %1 left %2").arg(run).arg(stray.join(QLatin1Char(' '))));
        }
        out << crashes << " kills: " << keptOld << " kept the old package, " << gotNew
            << " found the new one\n";
        return 0;
    }

    QVector<PackageEntry> mixed{PackageEntry::file(QStringLiteral("extra.mp4"), extra),
                                PackageEntry::memory(QStringLiteral("json.txt"), document + ' ')};
    std::vector<Comparison> comparisons{
        {"new save",
         clearCopies,
         [&] {
             PackageArchive archive(package);
             check(archive, archive.write(entries));
         },
         [&] { copyAndSync(media + QStringList{path("media/json.txt")}, copyDir); },
         1.3,
         {},
         {}},
        {"update: document only",
         [&] { restore(), clearCopies(); },
         [&] {
             PackageArchive archive(package);
             check(archive, archive.update({}, {PackageEntry::memory(QStringLiteral("json.txt"),
                                                                     document + ' ')}));
         },
         [&] { copyAndSync({master}, copyDir); },
         1.3,
         {},
         {}},
        {"update: remove two, add one",
         [&] { restore(), clearCopies(); },
         [&] {
             PackageArchive archive(package);
             check(archive,
                   archive.update({QStringLiteral("video_1.mp4"), QStringLiteral("image_1.jpg")},
                                  mixed));
         },
         [&] { copyAndSync({master}, copyDir); },
         1.3,
         {},
         {}},
    };
    std::vector<double> reads;
    out << "media: 6 videos of " << videoSize / 1'000'000 << " MB and 2 images of 2 MB in "
        << work.path() << "; " << rounds << " rounds, warm cache\n";
    out.flush();
    for (int round = 1; round <= rounds; ++round) {
        // The order of the two sides alternates, so neither always runs on a settled disk.
        for (Comparison &c : comparisons) {
            double ours = 0, yardstick = 0;
            for (int side = 0; side < 2; ++side) {
                c.prepare();
                if ((side + round) % 2 == 0)
                    ours = seconds(c.ours);
                else
                    yardstick = seconds(c.yardstick);
            }
            c.oursSeconds.push_back(ours);
            c.ratios.push_back(ours / yardstick);
        }
        PackageArchive archive(master);
        QByteArray read;
        reads.push_back(seconds([&] { check(archive, archive.readDocument(&read)); }));
        out << "round " << round << " of " << rounds << " done\n";
        out.flush();
    }

    out << "\noperation                     ours      ours / (cp + sync): median (min-max)   "
           "goal\n";
    for (const Comparison &c : comparisons) {
        const double ratio = median(c.ratios);
        out << QString::fromLatin1(c.name).leftJustified(28)
            << QStringLiteral("%1 s").arg(median(c.oursSeconds), 7, 'f', 2)
            << QStringLiteral("   %1x (%2-%3)")
                   .arg(ratio, 0, 'f', 2)
                   .arg(*std::min_element(c.ratios.begin(), c.ratios.end()), 0, 'f', 2)
                   .arg(*std::max_element(c.ratios.begin(), c.ratios.end()), 0, 'f', 2)
                   .leftJustified(38)
            << QStringLiteral("<= %1x %2\n")
                   .arg(c.goal, 0, 'f', 1)
                   .arg(ratio <= c.goal ? QStringLiteral("PASS") : QStringLiteral("MISS"));
    }
    out << QStringLiteral("read json.txt                 %1 ms (goal < 5 ms)\n")
               .arg(median(reads) * 1000, 0, 'f', 2);
    return 0;
}
