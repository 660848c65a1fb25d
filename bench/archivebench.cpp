// Measures the archive engine against what a user would do by hand: cp of the
// same files followed by sync, run as a process, interleaved with ours round
// by round; for each operation also the bytes it wrote and its peak memory.
// Run by hand, never by CI:
//   archivebench [--small] [--rounds N] [--dir PATH]
//   archivebench --crash N [--small] [--dir PATH]    kills updates in place at random moments
// --small: 64 MB of media instead of 600 MB. The media are made in a temporary
// folder under PATH (default: the current folder), so every copy and package
// lands on the same disk.

#include "archive/packagearchive.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
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

// What /proc/self/io and /proc/self/status say: bytes this process sent
// towards the disk, and its peak memory since the last reset.
qint64 procField(const char *file, const QByteArray &key)
{
    QFile f(QString::fromLatin1(file));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

void resetPeakMemory()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
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
    std::vector<double> written; // MB
    std::vector<double> peak;    // MB
    bool inPlace = false;
};

// The kinds of update measured and killed, each as deletions and additions.
struct Kind
{
    const char *name;
    QStringList removed;
    bool addsClip;
};

const std::vector<Kind> &kinds()
{
    static const std::vector<Kind> all{
        {"document only", {QStringLiteral("json.txt")}, false},
        {"add one clip", {QStringLiteral("json.txt")}, true},
        {"remove two from the middle, add one",
         {QStringLiteral("video_3.mp4"), QStringLiteral("video_4.mp4"), QStringLiteral("json.txt")},
         true},
        {"remove the first clip",
         {QStringLiteral("video_1.mp4"), QStringLiteral("json.txt")},
         false},
    };
    return all;
}

QVector<PackageEntry> additionsOf(const Kind &kind, const QString &clip)
{
    QVector<PackageEntry> additions;
    if (kind.addsClip)
        additions << PackageEntry::file(QStringLiteral("extra.mp4"), clip);
    additions << PackageEntry::memory(QStringLiteral("json.txt"), "{\"new\":1}");
    return additions;
}

// One update, in a child process that the crash loop kills.
int runSaver(const QString &package, const QString &clip, int kind, bool inPlace)
{
    PackageArchive archive(package);
    if (inPlace)
        archive.setUpdateWay(PackageArchive::UpdateWay::InPlace);
    const bool ok =
        archive.update(kinds()[size_t(kind)].removed, additionsOf(kinds()[size_t(kind)], clip));
    if (!ok)
        QTextStream(stderr) << archive.errorString() << '\n';
    return ok ? 0 : 1;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 6 && args.at(1) == QLatin1String("--saver"))
        return runSaver(args.at(2), args.at(3), args.at(4).toInt(),
                        args.at(5) == QLatin1String("inplace"));
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

    // Incompressible media like real video: 6 clips and 2 images, 600 MB or 64 MB.
    const qint64 videoSize = small ? 10'000'000 : 99'000'000;
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
    makeRandomFile(extra, small ? 5'000'000 : 50'000'000, generator);
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
        // Each kill must leave, once the program has looked again, the old
        // package byte for byte or the complete new one; nothing else.
        const QByteArray old = fileBytes(master);
        std::vector<QSet<QString>> newNames;
        std::vector<double> duration;
        for (size_t k = 0; k < kinds().size(); ++k) {
            restore();
            QElapsedTimer timer;
            timer.start();
            if (QProcess::execute(app.applicationFilePath(),
                                  {QStringLiteral("--saver"), package, extra, QString::number(k),
                                   QStringLiteral("inplace")}) != 0)
                fail(QStringLiteral("the update \"%1\" fails").arg(QLatin1String(kinds()[k].name)));
            duration.push_back(double(timer.nsecsElapsed()) / 1e3);
            PackageArchive archive(package);
            QStringList names;
            check(archive, archive.entryNames(&names));
            newNames.emplace_back(names.cbegin(), names.cend());
        }
        int keptOld = 0, gotNew = 0, recovered = 0;
        for (int run = 0; run < crashes; ++run) {
            const size_t k = size_t(run) % kinds().size();
            restore();
            QProcess saver;
            saver.start(app.applicationFilePath(), {QStringLiteral("--saver"), package, extra,
                                                    QString::number(k), QStringLiteral("inplace")});
            saver.waitForStarted();
            QThread::usleep(generator.bounded(quint32(duration[k] * 1.2) + 1));
            saver.kill();
            saver.waitForFinished();
            // The next look at the package finishes what the kill left.
            PackageArchive archive(package);
            QStringList names;
            const bool listed = archive.entryNames(&names);
            if (!archive.recoveryNote().isEmpty())
                ++recovered;
            if (fileBytes(package) == old)
                ++keptOld;
            else if (listed && archive.verify() &&
                     QSet<QString>(names.cbegin(), names.cend()) == newNames[k])
                ++gotNew;
            else
                fail(QStringLiteral("run %1 (%2): neither the old package nor the new one: %3")
                         .arg(run)
                         .arg(QLatin1String(kinds()[k].name), archive.errorString()));
            const QStringList stray =
                QDir(work.path()).entryList({QStringLiteral(".mrv-*")}, QDir::Hidden | QDir::Files);
            if (!stray.isEmpty())
                fail(QStringLiteral("run %1 left %2").arg(run).arg(stray.join(QLatin1Char(' '))));
        }
        out << crashes << " kills of updates in place: " << keptOld
            << " kept the old package byte for byte, " << gotNew
            << " found the complete new one, 0 lost; " << recovered
            << " needed the journal to get there\n";
        return 0;
    }

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
         {},
         {},
         {}},
    };
    for (const Kind &kind : kinds()) {
        Comparison c{kind.name,
                     [&] { restore(), clearCopies(); },
                     {},
                     [&] { copyAndSync({master}, copyDir); },
                     kind.removed.size() == 1 && !kind.addsClip ? 0.02 : 1.3,
                     {},
                     {},
                     {},
                     {}};
        comparisons.push_back(c);
    }
    // The lambdas above refer to their own element: fix them to where it lives now.
    for (size_t i = 1; i < comparisons.size(); ++i) {
        const Kind kind = kinds()[i - 1];
        Comparison *self = &comparisons[i];
        self->ours = [&, kind, self] {
            PackageArchive archive(package);
            check(archive, archive.update(kind.removed, additionsOf(kind, extra)));
            self->inPlace = archive.updatedInPlace();
        };
    }
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
                if ((side + round) % 2 == 0) {
                    const qint64 before = procField("/proc/self/io", "write_bytes:");
                    resetPeakMemory();
                    ours = seconds(c.ours);
                    c.written.push_back(
                        double(procField("/proc/self/io", "write_bytes:") - before) / 1e6);
                    c.peak.push_back(double(procField("/proc/self/status", "VmHWM:")) / 1e3);
                } else {
                    yardstick = seconds(c.yardstick);
                }
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

    out << "\noperation                            way       ours      ours / (cp + sync): "
           "median (min-max)   goal        written   peak\n";
    for (const Comparison &c : comparisons) {
        const double ratio = median(c.ratios);
        out << QString::fromLatin1(c.name).leftJustified(37)
            << (c.ratios.empty() || &c == &comparisons.front() ? QStringLiteral("new")
                : c.inPlace                                    ? QStringLiteral("in place")
                                                               : QStringLiteral("rewrite"))
                   .leftJustified(8)
            << QStringLiteral("%1 s").arg(median(c.oursSeconds), 7, 'f', 3)
            << QStringLiteral("   %1x (%2-%3)")
                   .arg(ratio, 0, 'f', 3)
                   .arg(*std::min_element(c.ratios.begin(), c.ratios.end()), 0, 'f', 3)
                   .arg(*std::max_element(c.ratios.begin(), c.ratios.end()), 0, 'f', 3)
                   .leftJustified(38)
            << QStringLiteral("<= %1x %2")
                   .arg(c.goal, 0, 'f', 2)
                   .arg(ratio <= c.goal ? QStringLiteral("PASS") : QStringLiteral("MISS"))
                   .leftJustified(12)
            << QStringLiteral("%1 MB").arg(median(c.written), 8, 'f', 2)
            << QStringLiteral("%1 MB\n").arg(median(c.peak), 7, 'f', 1);
    }
    out << QStringLiteral("read json.txt                 %1 ms (goal < 5 ms)\n")
               .arg(median(reads) * 1000, 0, 'f', 2);
    return 0;
}
