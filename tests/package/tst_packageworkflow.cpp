#include "archive/platformfile.h"
#include "media/examinecache.h"
#include "media/mediaservice.h"
#include "playlist/tablemedia.h"
#include "settings/settings.h"
#include "tests/common/fakedialogs.h"
#include "tests/common/testkit.h"

#include <QAction>
#include <QLabel>
#include <QProgressDialog>
#include <QtTest>

namespace {

const QString noEnd = QStringLiteral("(no end)");

// "/name" for "@folder/name": the rows as the package gives them back.
PlaylistRows readBack(PlaylistRows rows)
{
    for (PlaylistRow &r : rows)
        r.file = QLatin1Char('/') + r.file.section(QLatin1Char('/'), -1);
    return rows;
}

// The package's document must be this, at the build time it records. The
// rows here play .png, .jpg and .mp4 files with the Zoom transition.
QByteArray expectedFor(const PlaylistRows &rows, const QString &mediaDir, const QByteArray &stored)
{
    QVector<QByteArrayList> entries;
    for (const PlaylistRow &r : rows) {
        const bool video = r.time == QLatin1String("NA");
        entries.append({r.file.toUtf8(), r.time.toUtf8(), video ? "2" : "1",
                        video ? "00:00:00" : r.time.toUtf8(), "6"});
    }
    // The build time, where the document starts: {\n    "create_time": "
    return expectedDocument(entries, mediaDir.toUtf8(), stored.mid(22, 19));
}

// A main window with scripted dialogs, working in its own temporary folder.
struct Session
{
    QTemporaryDir dir;
    MainWindow window;
    FakeDialogs *dialogs = FakeDialogs::install(window);

    // "@" starts a path in the session folder.
    QString path(const QString &text) const
    {
        return text.startsWith(QLatin1Char('@')) ? dir.filePath(text.mid(1)) : text;
    }
    void setRows(const PlaylistRows &rows)
    {
        tableOf(window).setRowCount(0);
        for (const PlaylistRow &r : rows)
            appendRow(tableOf(window), {r.time, path(r.file), r.transition});
    }
    // What a refused command leaves as it was: the session's files, the table, the open package.
    QStringList state()
    {
        QStringList lines = snapshot(dir.path()) << window.openedPackage();
        for (const PlaylistRow &r : tableRows(tableOf(window)))
            lines << r.time + r.file + r.transition;
        return lines;
    }
    // Clicks the button and waits for the job it started: the message it
    // ended with, or noEnd when it started none.
    QString run(const char *button)
    {
        QSignalSpy saved(&window, &MainWindow::saveFinished);
        QSignalSpy opened(&window, &MainWindow::openFinished);
        click(window, button);
        for (QDeadlineTimer deadline(60000); window.isBusy() && !deadline.hasExpired();)
            QTest::qWait(5);
        const QSignalSpy &ended = saved.isEmpty() ? opened : saved;
        return saved.size() + opened.size() == 1 ? ended.first().first().toString() : noEnd;
    }
    // Saves a.png, clip.mp4, a.png as @show.mrv and leaves it open; its path, or empty.
    QString saveStandard()
    {
        if (!writeRealMedia(path(str("@media/a.png"))) ||
            !writeRealMedia(path(str("@media/clip.mp4"))))
            return {};
        setRows({row("00:00:05", "@media/a.png"), row("NA", "@media/clip.mp4"),
                 row("00:00:07", "@media/a.png")});
        dialogs->paths = QStringList{path(str("@show.mrv"))};
        return run("pushButtonSave").isEmpty() ? window.openedPackage() : QString();
    }
    // The first of the "|"-separated texts that message lacks; paths in native form.
    QString missingMention(const QString &message, const QString &mentions) const
    {
        for (const QString &mention : mentions.split(QLatin1Char('|')))
            if (!message.contains(QDir::toNativeSeparators(path(mention))))
                return mention;
        return {};
    }
};

} // namespace

class TestPackageWorkflow : public QObject
{
    Q_OBJECT

    QTemporaryDir workDir; // settings.xml lives in the working directory

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(workDir.path())); }
    void update_data();
    void update();
    void failuresChangeNothing_data();
    void failuresChangeNothing();
    void cancelLeavesPackage();
    void changedOnDisk_data();
    void changedOnDisk();
    void replaceAsks_data();
    void replaceAsks();
    void nothingHeldStaleOrOpen();
    void examinedOnce_data();
    void examinedOnce();
    void fitBeforeSave_data();
    void fitBeforeSave();
};

void TestPackageWorkflow::update_data()
{
    QTest::addColumn<PlaylistRows>("edited");
    // The file of each media entry, in name order; none when nothing may be written.
    QTest::addColumn<QStringList>("sources");
    QTest::addColumn<int>("answer"); // to "replace an entry rows still play": -1 not asked

    // The package holds a.png and clip.mp4; its rows are /a.png, /clip.mp4, /a.png.
    const PlaylistRow a5 = row("00:00:05", "/a.png"), clip = row("NA", "/clip.mp4"),
                      a7 = row("00:00:07", "/a.png"), b = row("00:00:03", "@media/b.jpg"),
                      otherA = row("00:00:11", "@other/a.png");
    const QStringList both{str("media/a.png"), str("media/clip.mp4")};
    const QStringList newA{str("other/a.png"), str("media/clip.mp4")};
    const auto add = [](const char *name, const PlaylistRows &rows, const QStringList &sources,
                        int answer = -1) { QTest::newRow(name) << rows << sources << answer; };
    add("unchanged: nothing to do", {a5, clip, a7}, {});
    add("only row of a clip deleted", {a5, a7}, {str("media/a.png")});
    add("one of two rows of a file deleted", {clip, a7}, both);
    add("retimed and reordered", {clip, a7, row("00:01:00", "/a.png")}, both);
    add("new file added", {a5, clip, b}, {both[0], str("media/b.jpg"), both[1]});
    add("new version of a file no row keeps", {clip, otherA}, newA);
    add("new version of a file a row keeps", {a5, clip, otherA}, newA, 0);
    add("new version declined", {a5, clip, otherA}, {}, 1);
}

void TestPackageWorkflow::update()
{
    QFETCH(PlaylistRows, edited);
    QFETCH(QStringList, sources);
    QFETCH(int, answer);

    Session s;
    const QString package = s.saveStandard();
    QVERIFY(!package.isEmpty());
    QVERIFY(writeRealMedia(s.path(str("@media/b.jpg"))));
    QVERIFY(writeRealMedia(s.path(str("@other/a.png"))));
    s.setRows(edited);
    const QStringList before = s.state();
    if (answer >= 0)
        s.dialogs->answers = {UserDialogs::Answer(answer)};

    const QString message = s.run("pushButtonSave");
    QCOMPARE(s.dialogs->calls.size(), int(answer >= 0));
    QVERIFY(answer < 0 ||
            (s.dialogs->calls.first().kind == FakeDialogs::Question &&
             s.missingMention(s.dialogs->calls.first().text, package + str("|/a.png")).isEmpty()));
    if (sources.isEmpty()) {
        QCOMPARE(message, noEnd);
        QCOMPARE(s.state(), before);
        return;
    }
    QCOMPARE(message, QString());
    QCOMPARE(s.window.openedPackage(), package);
    QCOMPARE(tableRows(tableOf(s.window)), readBack(edited));
    const ZipEntries entries = readZip(package);
    QStringList names;
    for (const QString &source : sources) {
        names.append(source.section(QLatin1Char('/'), -1));
        QCOMPARE(entries.value(names.last()), fileBytes(s.dir.filePath(source)));
    }
    QCOMPARE(entries.keys(), names << str("json.txt"));
    QCOMPARE(entries.value(str("json.txt")),
             expectedFor(readBack(edited), package, entries.value(str("json.txt"))));
}

void TestPackageWorkflow::failuresChangeNothing_data()
{
    QTest::addColumn<QString>("command"); // a new save, an update of the open package, or Open
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("mentions");

    const auto add = [](const char *name, const char *command, const char *problem,
                        const QByteArray &bytes, const char *mentions) {
        QTest::newRow(name) << str(command) << str(problem) << bytes << str(mentions);
    };
    // A new save, as bytes names it, of a.png and the problem's file; out/show.mrv exists.
    add("missing media", "new", "@media/gone.mp4", "@out/show.mrv",
        "@media/gone.mp4|does not exist");
    add("empty base name", "new", "", "@out/.mrv", "@out/.mrv|show.mrv");
    // Updates of the open package.
    add("package deleted behind the program's back", "update", "gone", {}, "@show.mrv");
    // Opening @bad.mrv, an archive of one entry named by the problem; the archive suite has
    // files that are no archive.
    add("document not JSON", "open", "json.txt", R"({"gallery": [)", "@bad.mrv|not valid JSON");
    add("document an array", "open", "json.txt", "[]", "@bad.mrv|not a JSON object");
}

void TestPackageWorkflow::failuresChangeNothing()
{
    QFETCH(QString, command);
    QFETCH(QString, problem);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, mentions);

    Session s;
    QVERIFY(writeRealMedia(s.path(str("@media/a.png"))));
    QVERIFY(writeZip(s.path(str("@out/show.mrv")), {{str("old.png"), "old"}}));
    const bool isNew = command == QLatin1String("new");
    const bool isOpen = command == QLatin1String("open");
    const QString package = isNew ? QString() : s.saveStandard();
    QVERIFY(isNew || !package.isEmpty());
    if (isNew)
        s.setRows({row("00:00:05", "@media/a.png")});
    // An unsaved edit: a failed open keeps it; a save may not be able to take its file.
    const bool named = problem.startsWith(QLatin1Char('@'));
    if (!isNew || named)
        appendRow(
            tableOf(s.window),
            row("00:00:01", s.path(named ? problem : str(isOpen ? "@media/a.png" : "/a.png"))));
    if (problem == QLatin1String("gone"))
        QVERIFY(QFile::remove(package));
    else if (isOpen)
        QVERIFY(writeZip(s.path(str("@bad.mrv")), {{problem, bytes}}));
    const QStringList before = s.state();

    s.dialogs->paths = QStringList{s.path(isOpen ? str("@bad.mrv") : str(bytes))};
    if (isOpen)
        s.dialogs->choices = {1}; // discard the unsaved edit
    const QString message = s.run(isOpen ? "pushButtonOpen" : "pushButtonSave");
    QVERIFY(message != noEnd && !message.isEmpty());
    const FakeDialogs::Call shown = s.dialogs->calls.value(s.dialogs->calls.size() - 1);
    QCOMPARE(int(shown.kind), int(FakeDialogs::Critical));
    QVERIFY2(s.missingMention(shown.text, mentions).isEmpty(), qPrintable(shown.text));
    QCOMPARE(s.state(), before);
}

// Cancel in the busy dialog: the open package keeps every byte, the message
// says so, the table keeps the edits, and the next save still works.
void TestPackageWorkflow::cancelLeavesPackage()
{
    Session s;
    const QString package = s.saveStandard();
    QVERIFY(!package.isEmpty());
    // A real clip, large enough that the save is still copying when cancelled;
    // noise keeps it large, and nothing about it may raise the "may not play" question.
    const QString big = s.path(str("@media/big.mp4"));
    QCOMPARE(runProgram(str("ffmpeg"),
                        str("-loglevel error -y -f lavfi -i nullsrc=s=640x360:r=25:d=3,geq=lum="
                            "'random(1)*255':cb=128:cr=128 -c:v mpeg4 -q:v 1")
                                .split(u' ') +
                            QStringList{big}),
             QByteArray());
    QVERIFY(QFileInfo(big).size() > 15 * 1000 * 1000);
    s.setRows({row("00:00:05", "/a.png"), row("NA", "@media/big.mp4")});
    const QByteArray before = fileBytes(package);
    const PlaylistRows edited = tableRows(tableOf(s.window));

    QSignalSpy saved(&s.window, &MainWindow::saveFinished);
    click(s.window, "pushButtonSave");
    auto *dialog = s.window.findChild<QProgressDialog *>();
    QVERIFY(s.window.isBusy() && dialog->isVisible());
    QVERIFY_CONTAINS(dialog->labelText(), str("Compiling media...\nshow.mrv"));
    dialog->findChild<QPushButton *>()->click();
    QVERIFY(saved.wait(20000));
    const QString message = saved.first().first().toString();
    QVERIFY_CONTAINS(message, str("cancelled.\n“") + package + str("” was left as it was"));
    QCOMPARE(fileBytes(package), before);
    QCOMPARE(tableRows(tableOf(s.window)), edited);

    QCOMPARE(s.run("pushButtonSave"), QString());
    QCOMPARE(readZip(package).keys(), (QStringList{str("a.png"), str("big.mp4"), str("json.txt")}));
}

// Save after another program rewrote the open package: the question, then its answer.
void TestPackageWorkflow::changedOnDisk_data()
{
    QTest::addColumn<int>("answer"); // the index of the button
    QTest::newRow("Cancel") << 2;
    QTest::newRow("Save Anyway") << 1;
}

void TestPackageWorkflow::changedOnDisk()
{
    QFETCH(int, answer);

    Session s;
    QTableWidget &table = tableOf(s.window);
    QVERIFY(!s.saveStandard().isEmpty());
    appendRow(table, row("00:00:09", "/a.png"));
    const QByteArray written = fileBytes(s.window.openedPackage());
    QVERIFY(writeBytes(s.window.openedPackage(), written)); // a new time of change
    s.dialogs->choices = {answer};
    const PlaylistRows before = tableRows(table);
    s.run("pushButtonSave");
    QCOMPARE(s.dialogs->calls.size(), 1);
    FakeDialogs::Call call = s.dialogs->calls.first();
    call.buttons[call.defaultIndex] += QLatin1Char('*');
    QCOMPARE(call.buttons.join(u'|'), str("Reload|Save Anyway|Cancel*"));
    const bool saved = answer == 1;
    QCOMPARE(tableRows(table), before);
    QCOMPARE(s.window.openedPackage(), s.path(str("@show.mrv")));
    QCOMPARE(fileBytes(s.window.openedPackage()) == written, !saved);
    QCOMPARE(readZip(s.window.openedPackage()).size(), 3); // a.png, clip.mp4, json.txt
    QCOMPARE(s.window.hasUnsavedChanges(), !saved);
}

// The name typed may become an existing package only once ".mrv" is added.
void TestPackageWorkflow::replaceAsks_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer"); // -1: not asked (the file dialog asked already)
    QTest::newRow("bare name, cancelled") << str("@show") << 1;
    QTest::newRow("other extension, cancelled") << str("@show.zip") << 1;
    QTest::newRow("bare name, replaced") << str("@show") << 0;
    QTest::newRow("the package's own name") << str("@show.mrv") << -1;
}

void TestPackageWorkflow::replaceAsks()
{
    QFETCH(QString, typed);
    QFETCH(int, answer);

    Session s;
    QVERIFY(writeZip(s.path(str("@show.mrv")), {{str("a.png"), "a"}, {str("b.png"), "b"}}));
    QVERIFY(writeRealMedia(s.path(str("@media/c.png"))));
    s.setRows({row("00:00:05", "@media/c.png")});
    const QByteArray before = fileBytes(s.path(str("@show.mrv")));
    s.dialogs->paths = QStringList{s.path(typed)};
    s.dialogs->choices = {answer};
    const QString message = s.run("pushButtonSave");

    QCOMPARE(s.dialogs->calls.size(), int(answer >= 0));
    const FakeDialogs::Call call = s.dialogs->calls.value(0);
    QVERIFY(answer < 0 || (call.kind == FakeDialogs::Choose && call.defaultIndex == 1 &&
                           s.missingMention(call.text, str("@show.mrv")).isEmpty()));
    const bool replaced = answer != 1;
    QCOMPARE(message, replaced ? QString() : noEnd);
    QCOMPARE(fileBytes(s.path(str("@show.mrv"))) == before, !replaced);
}

// After a save the status says only what is true, the rows show what the saved
// package holds, and between jobs nothing on the package's drive is held open.
void TestPackageWorkflow::nothingHeldStaleOrOpen()
{
    Session s;
    // The drive returns other bytes: saved, but neither "verified" nor "safe to remove".
    Platform::setReadBackHook([](const QByteArray &path, qint64, char *data, qint64 len) {
        if (len > 0 && path.endsWith(".mrv"))
            data[len - 1] = char(~data[len - 1]);
    });
    const QString package = s.saveStandard();
    Platform::setReadBackHook(nullptr);
    const QString status = s.window.findChild<QLabel *>(str("labelStatus"))->text();
    QVERIFY2(status.startsWith(str("Saved show.mrv")) && !status.contains(str("verified")),
             qPrintable(status));
    QCOMPARE(int(s.dialogs->calls.value(0).kind), int(FakeDialogs::Warning));
    auto *total = s.window.findChild<QLabel *>(str("labelTotal"));
    // Probing is over once the total has said nothing of it for a while; then
    // no descriptor of this process may name the package.
    const auto settledAndClosed = [&] {
        int quiet = 0;
        for (QDeadlineTimer deadline(20000); quiet < 4 && !deadline.hasExpired(); QTest::qWait(100))
            quiet = total->text().contains(str("checking")) ? 0 : quiet + 1;
        for (const QFileInfo &fd :
             QDir(str("/proc/self/fd")).entryInfoList(QDir::AllEntries | QDir::System))
            quiet = fd.symLinkTarget() == package ? 0 : quiet;
        return quiet >= 4;
    };
    QVERIFY(!package.isEmpty() && settledAndClosed());

    QVERIFY(writeRealMedia(s.path(str("@media/more.mp4"))));
    appendRow(tableOf(s.window), row("NA", s.path(str("@media/more.mp4"))));
    QCOMPARE(s.run("pushButtonSave"), QString());
    QVERIFY(settledAndClosed());
    QVERIFY2(!total->text().contains(str("unknown")), qPrintable(total->text()));
    for (int r = 0; r < 4; ++r)
        QVERIFY2(tableOf(s.window).item(r, ColumnTime)->icon().isNull(), qPrintable(total->text()));

    s.window.openFile(package);
    QVERIFY(settledAndClosed());
    for (QAction *action : s.window.findChildren<QAction *>())
        if (action->shortcut() == QKeySequence(QKeySequence::New))
            action->trigger();
    QVERIFY(tableOf(s.window).rowCount() == 0 && settledAndClosed());
}

void TestPackageWorkflow::examinedOnce_data()
{
    QTest::addColumn<QString>("change"); // before the first examine, or between the two
    QTest::addColumn<int>("decodedAgain");
    QTest::newRow("unchanged") << str("") << 0;
    QTest::newRow("damaged, caught at the reduced size") << str("damage") << 0;
    QTest::newRow("first probed by the window") << str("window") << 0;
    QTest::newRow("new time") << str("touch") << 1;
    QTest::newRow("new size, same time") << str("grow") << 1;
    QTest::newRow("new file, same size and time") << str("replace") << 1;
}

void TestPackageWorkflow::examinedOnce()
{
    QFETCH(QString, change);
    QFETCH(int, decodedAgain);
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString file = dir.filePath(str("photo.jpg"));
    QImage image(1600, 1200, QImage::Format_RGB32);
    for (int i = 0; i < 1600 * 1200; ++i)
        image.setPixel(i % 1600, i / 1600, qRgb(i % 251, i / 1600 % 256, i * 7 % 256));
    // Bytes overwritten mid-body, among them a marker no image may hold there.
    QByteArray run(4000, 0);
    for (int i = 0; i < run.size(); ++i)
        run[i] = char(i * 37);
    const bool damaged = change == str("damage");
    QVERIFY(image.save(file, "JPEG", 90) &&
            (!damaged || patchBytes(file, QFileInfo(file).size() / 2, run)));
    const auto stamp = [](const QString &path, qint64 seconds) { // whole: a copy keeps it
        QFile f(path);
        return f.open(QIODevice::ReadWrite) && f.setFileTime(QDateTime::fromSecsSinceEpoch(seconds),
                                                             QFileDevice::FileModificationTime);
    };
    QVERIFY(stamp(file, 1700000000));
    const int problem = int(damaged ? MediaInfo::Problem::Undecodable : MediaInfo::Problem::None);
    const MediaSource source = MediaSource::file(file);
    MediaService service;
    QSignalSpy probed(&service, &MediaService::probed);
    if (change == str("window")) {
        service.request(source);
        QVERIFY(probed.wait(20000));
    } else {
        QCOMPARE(int(examineMediaRemembered(source).problem), problem);
    }
    const QString copy = file + str(".new");
    if (change == str("touch"))
        QVERIFY(stamp(file, 1700000060));
    if (change == str("grow"))
        QVERIFY(patchBytes(file, QFileInfo(file).size(), QByteArray(1, 0)) &&
                stamp(file, 1700000000));
    if (change == str("replace"))
        QVERIFY(QFile::copy(file, copy) && stamp(copy, 1700000000) && QFile::remove(file) &&
                QFile::rename(copy, file));
    const quint64 before = mediaDecodePasses();
    QCOMPARE(int(examineMediaRemembered(source).problem), problem);
    QCOMPARE(int(mediaDecodePasses() - before), decodedAgain);
}

QTEST_MAIN(TestPackageWorkflow)
void TestPackageWorkflow::fitBeforeSave_data()
{
    QTest::addColumn<int>("choice");   // Fit, Save As They Are, Cancel
    QTest::addColumn<QSize>("stored"); // the photo in the package; none: nothing saved
    QTest::newRow("fit") << 0 << QSize(1920, 1080);
    QTest::newRow("as they are") << 1 << QSize(2560, 1440);
    QTest::newRow("cancel") << 2 << QSize();
}

// One question, Fit by default, lists the photo larger than the screen and
// why; the package holds the fitted copy and the status line gives the
// sizes. The photo itself is never changed.
void TestPackageWorkflow::fitBeforeSave()
{
    QFETCH(int, choice);
    QFETCH(QSize, stored);
    Session s;
    QImage photo(2560, 1440, QImage::Format_RGB32);
    photo.fill(Qt::darkGreen);
    QVERIFY(QDir().mkpath(s.path(str("@media"))) && photo.save(s.path(str("@media/big.jpg"))) &&
            photo.save(s.path(str("@media/wide.jpg"))));
    const QByteArray original = fileBytes(s.path(str("@media/big.jpg")));
    s.setRows({row("00:00:05", "@media/big.jpg"), row("00:00:05", "@media/wide.jpg")});
    auto *media = s.window.findChild<TableMedia *>();
    QTRY_COMPARE_WITH_TIMEOUT(media->exceeding().size(), 2, 20000);
    s.dialogs->paths = QStringList{s.path(str("@show.mrv"))};
    s.dialogs->choices = {choice};
    const QString message = s.run("pushButtonSave");

    const FakeDialogs::Call call = s.dialogs->calls.value(0);
    QCOMPARE(call.defaultIndex, 0);
    QVERIFY_CONTAINS(call.text, str("big.jpg: 2560×1440 photo: the screen shows 1920×1080"));
    QCOMPARE(fileBytes(s.path(str("@media/big.jpg"))), original);
    if (!stored.isValid()) {
        QCOMPARE(message, noEnd);
        QVERIFY(!QFileInfo::exists(s.path(str("@show.mrv"))));
        return;
    }
    QCOMPARE(message, QString());
    const ZipEntries entries = readZip(s.path(str("@show.mrv")));
    QCOMPARE(QImage::fromData(entries.value(str("big.jpg"))).size(), stored);
    // The count, then the sizes before and after.
    QCOMPARE(
        s.window.findChild<QLabel *>(str("labelStatus"))
            ->text()
            .contains(QRegularExpression(str(" · fitted 2 files: [\\d.]+ [kM]B → [\\d.]+ kB"))),
        choice == 0);
}

#include "tst_packageworkflow.moc"
