// Measures the archive engine against the physical limits of the disk and
// against the zip/unzip command sequence it replaced. Run by hand:
//   archivebench [--small] [--verbose] [--rounds N] [--dir PATH]
// The media are made in a temporary folder under PATH (default: the current
// folder), so every copy and package lands on the same disk. The page cache is
// left warm: the numbers compare work done, not cold reads.

#include "archive/packagearchive.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

QTextStream out(stdout);
// Removed on failure too: a failed run must not leave gigabytes behind.
QString workFolder;

constexpr qint64 bufferSize = qint64(1) << 20;

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
    std::vector<quint32> chunk(bufferSize / 4);
    for (qint64 left = size; left > 0;) {
        generator.fillRange(chunk.data(), chunk.size());
        const qint64 n = std::min(left, bufferSize);
        if (file.write(reinterpret_cast<const char *>(chunk.data()), n) != n)
            fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        left -= n;
    }
}

void syncPath(const QString &path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0)
        fail(QStringLiteral("cannot sync %1").arg(path));
    ::close(fd);
}

// What cp does without kernel help: one pass through user space in large blocks.
void copyFile(const QString &from, const QString &to, bool durable)
{
    const int in = ::open(QFile::encodeName(from).constData(), O_RDONLY | O_CLOEXEC);
    const int outFd =
        ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (in < 0 || outFd < 0)
        fail(QStringLiteral("cannot copy %1 to %2").arg(from, to));
    std::vector<char> buffer(bufferSize);
    for (;;) {
        const ssize_t got = ::read(in, buffer.data(), buffer.size());
        if (got < 0)
            fail(QStringLiteral("cannot read %1").arg(from));
        if (got == 0)
            break;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(outFd, buffer.data() + done, size_t(got - done));
            if (put < 0)
                fail(QStringLiteral("cannot write %1").arg(to));
            done += put;
        }
    }
    if (durable && ::fsync(outFd) != 0)
        fail(QStringLiteral("cannot sync %1").arg(to));
    ::close(in);
    ::close(outFd);
}

void copyFiles(const QStringList &files, const QString &toDir, bool durable)
{
    for (const QString &file : files)
        copyFile(file, toDir + QLatin1Char('/') + QFileInfo(file).fileName(), durable);
    if (durable)
        syncPath(toDir, O_RDONLY | O_DIRECTORY);
}

void runTool(const QString &program, const QStringList &args)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, args);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        fail(QStringLiteral("%1 %2 failed").arg(program, args.join(QLatin1Char(' '))));
}

// One timed operation. prepare runs untimed before each run, and the dirty pages
// it leaves are written out first so that no run pays for another's. A step with
// repeats > 1 counts the median of that many runs as its time in a round.
struct Step
{
    Step(std::function<void()> prepareRun, std::function<void()> timedJob, int runs = 1)
        : prepare(std::move(prepareRun)), job(std::move(timedJob)), repeats(runs)
    {}

    std::function<void()> prepare;
    std::function<void()> job;
    int repeats = 1;
    std::vector<double> seconds;

    void run()
    {
        std::vector<double> runs;
        for (int i = 0; i < repeats; ++i) {
            if (prepare)
                prepare();
            ::sync();
            QElapsedTimer timer;
            timer.start();
            job();
            runs.push_back(double(timer.nsecsElapsed()) / 1e9);
        }
        std::sort(runs.begin(), runs.end());
        seconds.push_back(runs[runs.size() / 2]);
    }
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Other work on a shared disk slows whole stretches of time; a ratio taken
// within one round, where both sides ran moments apart, resists that far better
// than a ratio of two medians taken minutes apart.
std::vector<double> ratios(const Step &value, const Step &base)
{
    std::vector<double> result;
    for (size_t i = 0; i < value.seconds.size(); ++i)
        result.push_back(value.seconds[i] / base.seconds[i]);
    std::sort(result.begin(), result.end());
    return result;
}

double medianRatio(const Step &value, const Step &base)
{
    return median(ratios(value, base));
}

// Other work only ever adds time, so each side's fastest round is its least
// disturbed one.
double bestRatio(const Step &value, const Step &base)
{
    return *std::min_element(value.seconds.begin(), value.seconds.end()) /
           *std::min_element(base.seconds.begin(), base.seconds.end());
}

QString duration(double seconds)
{
    if (seconds < 1.0)
        return QStringLiteral("%1 ms").arg(seconds * 1000.0, 0, 'f', seconds < 0.01 ? 2 : 1);
    return QStringLiteral("%1 s").arg(seconds, 0, 'f', 2);
}

QString times(double ratio)
{
    return QStringLiteral("%1x").arg(ratio, 0, 'f', 2);
}

struct Row
{
    QString operation;
    QString ours;
    QString yardstick;
    QString ourRatio;
    QString reference;
    QString referenceRatio;
    QString target;
    QString verdict;
};

void printTable(const std::vector<Row> &rows)
{
    const Row header{QStringLiteral("operation"), QStringLiteral("ours"),
                     QStringLiteral("yardstick"), QStringLiteral("ours/yard"),
                     QStringLiteral("zip/unzip"), QStringLiteral("zip/yard"),
                     QStringLiteral("target"),    QStringLiteral("")};
    std::vector<Row> all{header};
    all.insert(all.end(), rows.begin(), rows.end());
    const auto fields = [](const Row &row) {
        return QStringList{row.operation, row.ours,           row.yardstick, row.ourRatio,
                           row.reference, row.referenceRatio, row.target,    row.verdict};
    };
    std::vector<int> widths(8, 0);
    for (const Row &row : all) {
        const QStringList cells = fields(row);
        for (int i = 0; i < cells.size(); ++i)
            widths[size_t(i)] = std::max(widths[size_t(i)], cells.at(i).size());
    }
    for (const Row &row : all) {
        const QStringList cells = fields(row);
        QString line;
        for (int i = 0; i < cells.size(); ++i)
            line += (i == 0 ? cells.at(i).leftJustified(widths[size_t(i)])
                            : cells.at(i).rightJustified(widths[size_t(i)])) +
                    QStringLiteral("  ");
        out << line.trimmed() << '\n';
    }
}

QString verdict(bool met)
{
    return met ? QStringLiteral("PASS") : QStringLiteral("MISS");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool small = false;
    bool verbose = false;
    int rounds = 5;
    QString base = QDir::currentPath();
    for (int i = 1; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--small"))
            small = true;
        else if (args.at(i) == QLatin1String("--verbose"))
            verbose = true;
        else if (args.at(i) == QLatin1String("--rounds") && i + 1 < args.size())
            rounds = std::max(1, args.at(++i).toInt());
        else if (args.at(i) == QLatin1String("--dir") && i + 1 < args.size())
            base = args.at(++i);
        else
            fail(QStringLiteral(
                "usage: archivebench [--small] [--verbose] [--rounds N] [--dir PATH]"));
    }
    const QString zip = QStandardPaths::findExecutable(QStringLiteral("zip"));
    const QString unzip = QStandardPaths::findExecutable(QStringLiteral("unzip"));
    if (zip.isEmpty() || unzip.isEmpty())
        fail(QStringLiteral("zip and unzip are needed for the reference sequences"));

    QTemporaryDir work(base + QStringLiteral("/archivebench-XXXXXX"));
    if (!work.isValid())
        fail(
            QStringLiteral("cannot make a work folder under %1: %2").arg(base, work.errorString()));
    workFolder = work.path();
    const auto path = [&work](const QString &name) { return work.filePath(name); };
    for (const char *folder : {"media", "added", "copy", "extract"})
        QDir().mkpath(path(QString::fromLatin1(folder)));

    // Incompressible media like real video, with a playlist document beside them.
    const qint64 videoSize = small ? 10'000'000 : 100'000'000;
    QRandomGenerator generator(20261206);
    QStringList media;
    qint64 mediaBytes = 0;
    for (int i = 1; i <= 8; ++i) {
        const bool video = i <= 6;
        media << path(video ? QStringLiteral("media/video_%1.mp4").arg(i)
                            : QStringLiteral("media/image_%1.jpg").arg(i - 6));
        const qint64 size = video ? videoSize : 2'000'000;
        makeRandomFile(media.last(), size, generator);
        mediaBytes += size;
    }
    QByteArray document = QByteArrayLiteral("{\"OfflinePlaylist\":{\"Items\":[");
    for (const QString &file : media)
        document += "{\"filename\":\"/" + QFileInfo(file).fileName().toUtf8() +
                    "\",\"time\":\"00:00:10\",\"transition\":6},";
    document.chop(1);
    document += "]}}";
    const auto writeText = [](const QString &file, const QByteArray &bytes) {
        QFile text(file);
        if (!text.open(QIODevice::WriteOnly) || text.write(bytes) != bytes.size())
            fail(QStringLiteral("cannot write %1").arg(file));
    };
    writeText(path(QStringLiteral("media/json.txt")), document);
    writeText(path(QStringLiteral("added/json.txt")),
              QByteArray(document).replace("00:00:10", "00:00:12"));
    makeRandomFile(path(QStringLiteral("added/extra.mp4")), videoSize, generator);
    const QStringList mediaAndDocument = QStringList(media)
                                         << path(QStringLiteral("media/json.txt"));

    out << "media: 6 videos of " << videoSize / 1'000'000 << " MB and 2 images of 2 MB, "
        << mediaBytes / 1'000'000 << " MB in all, in " << work.path() << "; " << rounds
        << " rounds, warm cache\n\n";
    out.flush();

    const QString copyDir = path(QStringLiteral("copy"));
    const auto clearCopies = [&] {
        QDir(copyDir).removeRecursively();
        QDir().mkpath(copyDir);
    };
    const QString master = path(QStringLiteral("master.mrv"));
    const QString package = path(QStringLiteral("show.mrv"));
    const QString staging = path(QStringLiteral("staging"));
    const QString zipPackage = path(QStringLiteral("zipped.mrv"));
    const QString newDocument = path(QStringLiteral("added/json.txt"));
    const QString extra = path(QStringLiteral("added/extra.mp4"));
    const auto restorePackage = [&] {
        QFile::remove(package);
        copyFile(master, package, false);
    };

    Step plainMedia{clearCopies, [&] { copyFiles(mediaAndDocument, copyDir, false); }};
    Step durableMedia{clearCopies, [&] { copyFiles(mediaAndDocument, copyDir, true); }};
    // Each round packs the package that every later step of the round starts from.
    Step ourSave{[&] { QFile::remove(master); },
                 [&] {
                     PackageArchive archive(master);
                     if (!archive.packDirectory(path(QStringLiteral("media"))))
                         fail(archive.errorString());
                 }};
    // The old sequence: copies staged in a folder, zip -rj, the folder removed.
    Step referenceSave{[&] { QFile::remove(zipPackage); },
                       [&] {
                           QDir().mkpath(staging);
                           for (const QString &file : mediaAndDocument)
                               QFile::copy(file,
                                           staging + QLatin1Char('/') + QFileInfo(file).fileName());
                           runTool(zip, {QStringLiteral("-rjq"), zipPackage, staging});
                           QDir(staging).removeRecursively();
                       }};
    Step plainPackage{clearCopies,
                      [&] { copyFile(master, copyDir + QStringLiteral("/show.mrv"), false); }};
    Step durablePackage{clearCopies, [&] {
                            copyFile(master, copyDir + QStringLiteral("/show.mrv"), true);
                            syncPath(copyDir, O_RDONLY | O_DIRECTORY);
                        }};
    QByteArray read;
    Step ourRead{{},
                 [&] {
                     PackageArchive archive(master);
                     if (!archive.readDocument(&read))
                         fail(archive.errorString());
                 },
                 21};
    Step referenceRead{{},
                       [&] {
                           runTool(unzip,
                                   {QStringLiteral("-jo"), master, QStringLiteral("json.txt"),
                                    QStringLiteral("-d"), path(QStringLiteral("extract"))});
                           QFile text(path(QStringLiteral("extract/json.txt")));
                           if (!text.open(QIODevice::ReadOnly) || text.readAll().isEmpty())
                               fail(QStringLiteral("unzip gave no document"));
                       },
                       5};
    Step ourDocumentUpdate{restorePackage, [&] {
                               PackageArchive archive(package);
                               if (!archive.update({QStringLiteral("/json.txt")}, {newDocument}))
                                   fail(archive.errorString());
                           }};
    Step referenceDocumentUpdate{
        restorePackage, [&] {
            runTool(zip, {QStringLiteral("-dq"), package, QStringLiteral("json.txt")});
            runTool(zip, {QStringLiteral("-jq"), package, newDocument});
        }};
    Step ourMixedUpdate{
        restorePackage, [&] {
            PackageArchive archive(package);
            if (!archive.update({QStringLiteral("/video_1.mp4"), QStringLiteral("/image_1.jpg"),
                                 QStringLiteral("/json.txt")},
                                {extra, newDocument}))
                fail(archive.errorString());
        }};
    Step referenceMixedUpdate{
        restorePackage, [&] {
            for (const char *name : {"video_1.mp4", "image_1.jpg", "json.txt"})
                runTool(zip, {QStringLiteral("-dq"), package, QString::fromLatin1(name)});
            for (const QString &file : {extra, newDocument})
                runTool(zip, {QStringLiteral("-jq"), package, file});
        }};

    // Every round runs every step once, each of ours next to its yardstick. The
    // zip runs come last and the round starts after a pause: the gigabytes they
    // rewrite and free keep a disk mounted with discard busy for seconds after.
    for (int round = 1; round <= rounds; ++round) {
        ::sync();
        QThread::sleep(3);
        const std::vector<std::pair<const char *, Step *>> steps{
            {"plain copy of the media", &plainMedia},
            {"durable copy of the media", &durableMedia},
            {"new save", &ourSave},
            {"plain copy of the package", &plainPackage},
            {"durable copy of the package", &durablePackage},
            {"read json.txt", &ourRead},
            {"update: document only", &ourDocumentUpdate},
            {"update: remove two, add one", &ourMixedUpdate},
            {"zip new save", &referenceSave},
            {"unzip json.txt", &referenceRead},
            {"zip update: document only", &referenceDocumentUpdate},
            {"zip update: remove two, add one", &referenceMixedUpdate},
        };
        for (const auto &[name, step] : steps) {
            step->run();
            if (verbose)
                out << "  " << name << ": " << duration(step->seconds.back()) << '\n';
        }
        if (read != document)
            fail(QStringLiteral("the document read back differs from the one packed"));
        QFile::remove(zipPackage);
        clearCopies();
        out << "round " << round << " of " << rounds << " done\n";
        out.flush();
    }
    const qint64 packageBytes = QFileInfo(master).size();

    const auto time = [](const Step &step) { return duration(median(step.seconds)); };
    // The spread over the rounds shows how far the disk's other work moved the numbers.
    const auto against = [](const Step &step, const Step &base) -> QString {
        const std::vector<double> all = ratios(step, base);
        if (all.size() < 3)
            return times(median(all));
        return times(median(all)) + QStringLiteral(" (%1-%2) best %3")
                                        .arg(all.front(), 0, 'f', 2)
                                        .arg(all.back(), 0, 'f', 2)
                                        .arg(times(bestRatio(step, base)));
    };
    const auto meets = [](const Step &step, const Step &base, double target) {
        if (medianRatio(step, base) <= target)
            return verdict(true);
        return bestRatio(step, base) <= target ? QStringLiteral("PASS at best") : verdict(false);
    };
    const QString none;
    std::vector<Row> rows{
        {QStringLiteral("plain copy of the media"), none, time(plainMedia), none, none, none, none,
         none},
        {QStringLiteral("durable copy of the media"), none, time(durableMedia),
         against(durableMedia, plainMedia) + QStringLiteral(" plain"), none, none, none, none},
        {QStringLiteral("new save"), time(ourSave), time(durableMedia),
         against(ourSave, durableMedia), time(referenceSave), against(referenceSave, durableMedia),
         QStringLiteral("<= 1.6x"), meets(ourSave, durableMedia, 1.6)},
        {QStringLiteral("plain copy of the package"), none, time(plainPackage), none, none, none,
         none, none},
        {QStringLiteral("durable copy of the package"), none, time(durablePackage),
         against(durablePackage, plainPackage) + QStringLiteral(" plain"), none, none, none, none},
        {QStringLiteral("update: document only"), time(ourDocumentUpdate), time(durablePackage),
         against(ourDocumentUpdate, durablePackage), time(referenceDocumentUpdate),
         against(referenceDocumentUpdate, durablePackage), QStringLiteral("<= 1.2x"),
         meets(ourDocumentUpdate, durablePackage, 1.2)},
        {QStringLiteral("update: remove two, add one"), time(ourMixedUpdate), time(durablePackage),
         against(ourMixedUpdate, durablePackage), time(referenceMixedUpdate),
         against(referenceMixedUpdate, durablePackage), QStringLiteral("<= 1.5x"),
         meets(ourMixedUpdate, durablePackage, 1.5)},
        {QStringLiteral("read json.txt"), time(ourRead), none, none, time(referenceRead), none,
         QStringLiteral("< 5 ms"), verdict(median(ourRead.seconds) < 0.005)},
    };
    out << "\npackage: " << packageBytes / 1'000'000
        << " MB; ratios are medians of the ratios within each round\n";
    printTable(rows);
    return 0;
}
