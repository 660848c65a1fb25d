// Measures how long the GUI thread stops answering while the real main window
// runs its commands on a large playlist: a 10 ms timer records the longest gap
// between its ticks. Run by hand: guistallbench [--rows 1000,10000] [--rounds 3]
// guistallbench --watch [--rounds 9]: the table following its files instead.
#include "app/mainwindow.h"
#include "app/userdialogs.h"
#include "playlist/playlisttable.h"
#include "preview/previewwindow.h"

#include <QApplication>
#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

class ScriptedDialogs : public UserDialogs
{
public:
    QStringList files;
    QString path;

    QStringList getOpenFileNames(QWidget *, const QString &, const QString &,
                                 const QString &) override
    {
        return files;
    }
    QString getOpenFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return path;
    }
    QString getSaveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return path;
    }
    void critical(QWidget *, const QString &, const QString &text) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    void warning(QWidget *parent, const QString &title, const QString &text) override
    {
        critical(parent, title, text);
    }
    Answer question(QWidget *, const QString &, const QString &) override { return Answer::Yes; }
    // The bench's media are not real pictures: the probe's warning is accepted.
    int choose(QWidget *, const QString &, const QString &text, const QStringList &,
               int defaultIndex, int) override
    {
        return text.contains(QLatin1String("may not play")) ? 0 : defaultIndex;
    }
};

// Runs command, waits until done fires (a null done: the command is
// synchronous), lets the event loop settle, and returns the longest time the
// GUI thread did not tick meanwhile.
template<typename Signal>
qint64 longestStall(MainWindow &window, Signal done, const std::function<void()> &command)
{
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 worst = 0;
    QTimer probe;
    probe.setInterval(10);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        worst = std::max(worst, now - last);
        last = now;
    });
    std::unique_ptr<QSignalSpy> finished;
    if (done)
        finished = std::make_unique<QSignalSpy>(&window, done);
    clock.start();
    probe.start();
    command();
    worst = std::max(worst, clock.elapsed() - last);
    last = clock.elapsed();
    if (finished && finished->isEmpty() && !finished->wait(600000))
        std::fprintf(stderr, "command did not finish\n");
    // Let whatever the completion queued run under the probe too.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 200)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return worst;
}

void click(MainWindow &window, const char *name)
{
    window.findChild<QPushButton *>(QLatin1String(name))->click();
}

// Real media for the preview: four full-screen photos (noise, so they decode
// as slowly as photos do) and, if ffmpeg is there, a clip.
QVector<PreviewItem> previewMedia(const QTemporaryDir &dir, int rows, bool clip)
{
    QVector<PreviewItem> media;
    for (int i = 0; i < 4; ++i) {
        QImage image(1920, 1080, QImage::Format_RGB32);
        QRandomGenerator random(quint32(i) + 1);
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<quint32 *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] = random.generate() | 0xff000000u;
        }
        const QString path = dir.filePath(QStringLiteral("photo%1.jpg").arg(i));
        image.save(path, "JPG", 90);
        media.append({MediaSource::file(path), QStringLiteral("photo%1.jpg").arg(i), false, 1000});
    }
    const QString clipPath = dir.filePath(QStringLiteral("clip.mp4"));
    if (clip &&
        QProcess::execute(QStringLiteral("ffmpeg"),
                          {QStringLiteral("-loglevel"), QStringLiteral("error"),
                           QStringLiteral("-y"), QStringLiteral("-f"), QStringLiteral("lavfi"),
                           QStringLiteral("-i"), QStringLiteral("testsrc=d=1:s=1280x720:r=25"),
                           QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), clipPath}) == 0)
        media.append({MediaSource::file(clipPath), QStringLiteral("clip.mp4"), true, -1});
    QVector<PreviewItem> items;
    for (int i = 0; i < rows; ++i)
        items.append(media.at(i % media.size()));
    return items;
}

// Opens a preview of items (its window, the players, the first picture), then
// plays it for three seconds at ten slots a second: pictures read, clips
// started, the timeline and its cursor drawn. The longest stalls of both.
std::pair<qint64, qint64> previewStalls(MainWindow &window, const QVector<PreviewItem> &items)
{
    const auto none = decltype(&MainWindow::saveFinished)();
    std::unique_ptr<PreviewWindow> playing;
    const qint64 opening = longestStall(window, none, [&] {
        playing = std::make_unique<PreviewWindow>(items, 0, &window);
        playing->setClockRate(10);
        playing->show();
    });
    const qint64 running = longestStall(window, none, [&] {
        QElapsedTimer playingFor;
        playingFor.start();
        while (playingFor.elapsed() < 3000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    });
    return {opening, running};
}

// Waits, the event loop running, until done() or ms have passed; false: timed out.
bool waitFor(const std::function<bool()> &done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

QString spread(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return QStringLiteral("%1 ms (%2–%3)").arg(median).arg(values.front()).arg(values.back());
}

// The table following its files: 1,000 rows of real pictures in 50 folders;
// each round deletes one (a folder other than the last round's) and writes
// it back after. How long until its row is marked, and the longest GUI-thread
// stall meanwhile; medians and spread over the rounds.
int watchStep(int rounds)
{
    QTemporaryDir dir;
    QImage image(64, 36, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return 1;
    QStringList files;
    for (int i = 0; i < 1000; ++i) {
        const QString folder = dir.filePath(QStringLiteral("folder%1").arg(i % 50));
        files.append(folder + QStringLiteral("/image%1.png").arg(i));
        QFile file(files.last());
        if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) || file.write(png) < 0)
            return 1;
    }
    MainWindow window;
    auto *dialogs = new ScriptedDialogs;
    window.setDialogs(std::unique_ptr<UserDialogs>(dialogs));
    window.show();
    dialogs->files = files;
    click(window, "pushButtonAdd");
    auto *table = window.findChild<QTableWidget *>(QStringLiteral("tableWidget"));
    const auto allShown = [table] {
        for (int row = 0; row < table->rowCount(); ++row) {
            if (table->item(row, ColumnFile)->icon().isNull() ||
                !table->item(row, ColumnTime)->icon().isNull())
                return false;
        }
        return table->rowCount() == 1000;
    };
    if (!waitFor(allShown, 120000))
        return std::fprintf(stderr, "the rows were not all probed\n"), 1;
    std::vector<double> marked, stalls, back;
    for (int round = 0; round < rounds; ++round) {
        const int row = (round * 397 + 13) % 1000;
        const QString path = table->item(row, ColumnFile)->text();
        QElapsedTimer clock;
        const auto isMarked = [&] { return !table->item(row, ColumnTime)->icon().isNull(); };
        stalls.push_back(double(longestStall(window, decltype (&MainWindow::saveFinished)(), [&] {
            QFile::remove(path);
            clock.start();
            if (!waitFor(isMarked, 10000))
                std::fprintf(stderr, "row %d was not marked\n", row);
            marked.push_back(double(clock.elapsed()));
        })));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(png) < 0)
            return 1;
        file.close();
        clock.start();
        if (!waitFor(allShown, 10000))
            return std::fprintf(stderr, "row %d did not come back\n", row), 1;
        back.push_back(double(clock.elapsed()));
    }
    std::printf("1,000 rows in 50 folders, %d rounds: a deleted file marked after %s "
                "(goal < 1000); longest GUI-thread stall %s (goal < 50); written back, "
                "shown again after %s\n",
                rounds, qPrintable(spread(marked)), qPrintable(spread(stalls)),
                qPrintable(spread(back)));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("rows"), QStringLiteral("Playlist sizes."),
                      QStringLiteral("list"), QStringLiteral("1000,10000")});
    parser.addOption({QStringLiteral("rounds"), QStringLiteral("Rounds per size."),
                      QStringLiteral("n"), QStringLiteral("3")});
    parser.addOption({QStringLiteral("watch"), QStringLiteral("The table following its files.")});
    parser.addHelpOption();
    parser.process(app);
    if (parser.isSet(QStringLiteral("watch")))
        return watchStep(std::max(1, parser.value(QStringLiteral("rounds")).toInt()));

    std::printf("longest GUI-thread stall in ms (max over rounds; target: 50 at 1,000 rows, "
                "250 at 10,000)\n%8s %10s %10s %10s %10s %10s %10s %10s %10s\n",
                "rows", "add", "kept", "save new", "update", "open", "prev. open", "preview",
                "pictures");
    const int rounds = std::max(1, parser.value(QStringLiteral("rounds")).toInt());
    for (const QString &size : parser.value(QStringLiteral("rows")).split(QLatin1Char(','))) {
        const int rows = size.toInt();
        QTemporaryDir dir;
        QStringList files;
        // One file fewer: the update adds one more and reaches the full size.
        for (int i = 0; i < rows - 1; ++i) {
            const QString path =
                dir.filePath(QStringLiteral("image%1.png").arg(i, 5, 10, QLatin1Char('0')));
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(512, 'x')) != 512)
                return 1;
            files.append(path);
        }
        const QString extra = dir.filePath(QStringLiteral("extra.png"));
        QFile(files.first()).copy(extra);
        const QVector<PreviewItem> previewItems = previewMedia(dir, rows, true);
        const QVector<PreviewItem> pictureItems = previewMedia(dir, rows, false);
        qint64 add = 0, kept = 0, saveNew = 0, update = 0, open = 0, previewOpen = 0, preview = 0;
        qint64 pictures = 0;
        for (int round = 0; round < rounds; ++round) {
            const QString package = dir.filePath(QStringLiteral("show%1.mrv").arg(round));
            MainWindow window;
            auto *dialogs = new ScriptedDialogs;
            window.setDialogs(std::unique_ptr<UserDialogs>(dialogs));
            window.show();
            dialogs->files = files;
            dialogs->path = package;
            add = std::max(add, longestStall(window, decltype (&MainWindow::saveFinished)(),
                                             [&] { click(window, "pushButtonAdd"); }));
            // The unsaved playlist is kept aside two seconds after the edit.
            kept = std::max(kept, longestStall(window, decltype (&MainWindow::saveFinished)(),
                                               [] { waitFor([] { return false; }, 2600); }));
            saveNew = std::max(saveNew, longestStall(window, &MainWindow::saveFinished,
                                                     [&] { click(window, "pushButtonSave"); }));
            dialogs->files = QStringList{extra};
            click(window, "pushButtonAdd");
            update = std::max(update, longestStall(window, &MainWindow::saveFinished,
                                                   [&] { click(window, "pushButtonSave"); }));
            open = std::max(open, longestStall(window, &MainWindow::openFinished,
                                               [&] { window.openFile(package); }));
            // The preview with clips among the pictures, then of pictures only.
            const auto [opening, running] = previewStalls(window, previewItems);
            previewOpen = std::max(previewOpen, opening);
            preview = std::max(preview, running);
            pictures = std::max(pictures, previewStalls(window, pictureItems).second);
        }
        std::printf("%8d %10lld %10lld %10lld %10lld %10lld %10lld %10lld %10lld\n", rows,
                    static_cast<long long>(add), static_cast<long long>(kept),
                    static_cast<long long>(saveNew), static_cast<long long>(update),
                    static_cast<long long>(open), static_cast<long long>(previewOpen),
                    static_cast<long long>(preview), static_cast<long long>(pictures));
    }
    return 0;
}
