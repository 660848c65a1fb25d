#include "settings/settings.h"
#include "tests/common/fakedialogs.h"
#include "tests/common/testkit.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

const QString noEnd = QStringLiteral("(no end)");

// The document entry of a row read back from a package; the rows here play
// .png, .jpg and .mp4 files with the Zoom transition.
QByteArrayList entry(const PlaylistRow &r)
{
    const bool video = r.time == QLatin1String("NA");
    return {r.file.toUtf8(), r.time.toUtf8(), video ? "2" : "1",
            video ? "00:00:00" : r.time.toUtf8(), "6"};
}

// The package's document must be this, at the build time it records.
QByteArray expectedFor(const PlaylistRows &rows, const QString &mediaDir, const QByteArray &stored)
{
    QVector<QByteArrayList> entries;
    for (const PlaylistRow &r : rows)
        entries.append(entry(r));
    const QJsonObject root = QJsonDocument::fromJson(stored).object();
    return expectedDocument(entries, mediaDir.toUtf8(),
                            root.value(QLatin1String("create_time")).toString().toUtf8());
}

// A main window with scripted dialogs, working in its own temporary folder.
struct Session
{
    Session() : dialogs(FakeDialogs::install(window)) {}

    QString path(const char *relative) const { return dir.filePath(str(relative)); }
    // "@" starts a path in the session folder.
    QString resolve(const QString &text) const
    {
        return text.startsWith(QLatin1Char('@')) ? dir.filePath(text.mid(1)) : text;
    }
    void setRows(const PlaylistRows &rows)
    {
        tableOf(window).setRowCount(0);
        for (const PlaylistRow &r : rows)
            appendRow(tableOf(window), {r.time, resolve(r.file), r.transition});
    }
    PlaylistRows rows() { return tableRows(tableOf(window)); }
    // What a refused command leaves as it was: the session's files, the table, the open package.
    QStringList state()
    {
        QStringList lines = snapshot(dir.path()) << window.openedPackage();
        for (const PlaylistRow &r : rows())
            lines << r.time + QLatin1Char(' ') + r.file + QLatin1Char(' ') + r.transition;
        return lines;
    }
    // Clicks the button and waits for the job it started to end: the message
    // it ended with, or noEnd when it started none.
    QString run(const char *button)
    {
        QSignalSpy saved(&window, &MainWindow::saveFinished);
        QSignalSpy opened(&window, &MainWindow::openFinished);
        click(window, button);
        const QDeadlineTimer deadline(60000);
        while (window.isBusy() && !deadline.hasExpired())
            QTest::qWait(5);
        const QSignalSpy &ended = saved.isEmpty() ? opened : saved;
        return saved.size() + opened.size() == 1 ? ended.first().first().toString() : noEnd;
    }
    // Saves a new package of a.png, clip.mp4, a.png and leaves it open; its path, or empty.
    QString saveStandard()
    {
        if (!dir.isValid() || !writeMedia(path("media/a.png"), 3000) ||
            !writeMedia(path("media/clip.mp4"), 70000))
            return {};
        setRows({row("00:00:05", "@media/a.png"), row("NA", "@media/clip.mp4"),
                 row("00:00:07", "@media/a.png")});
        dialogs->paths = QStringList{path("show.mrv")};
        return run("pushButtonSave").isEmpty() ? window.openedPackage() : QString();
    }
    // The first of the "|"-separated texts that message lacks; paths in native form.
    QString missingMention(const QString &message, const QString &mentions) const
    {
        for (const QString &mention : mentions.split(QLatin1Char('|'))) {
            if (!message.contains(QDir::toNativeSeparators(resolve(mention))))
                return mention;
        }
        return {};
    }

    QTemporaryDir dir;
    MainWindow window;
    FakeDialogs *dialogs;
};

// "/name" for "@folder/name": the row as the package gives it back.
PlaylistRows readBack(PlaylistRows rows)
{
    for (PlaylistRow &r : rows)
        r.file = QLatin1Char('/') + r.file.mid(r.file.lastIndexOf(QLatin1Char('/')) + 1);
    return rows;
}

} // namespace

class TestPackageWorkflow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void saveNewWritesTheTable();
    void openShowsTheRows();
    void update_data();
    void update();
    void failuresChangeNothing_data();
    void failuresChangeNothing();

private:
    QTemporaryDir workDir;
};

void TestPackageWorkflow::initTestCase()
{
    QVERIFY2(workDir.isValid(), qPrintable(workDir.errorString()));
    // settings.xml lives in the working directory; keep the tests' copy private.
    QVERIFY(QDir::setCurrent(workDir.path()));
}

void TestPackageWorkflow::saveNewWritesTheTable()
{
    Session s;
    QVERIFY2(s.dir.isValid(), qPrintable(s.dir.errorString()));
    QVERIFY(writeMedia(s.path("media/a.png"), 3000));
    QVERIFY(writeMedia(s.path("media/clip.mp4"), 70000));
    // A folder of the user's named like the package without ".mrv" is neither
    // packed nor removed; an older package is replaced whole.
    QVERIFY(writeMedia(s.path("out/show/private.txt")));
    QVERIFY(writeZip(s.path("out/show.mrv"), {{str("old.png"), "old"}}));
    s.dialogs->files = {{s.path("media/a.png"), s.path("media/clip.mp4")}, {s.path("media/a.png")}};
    click(s.window, "pushButtonAdd");
    click(s.window, "pushButtonAdd");
    QTRY_VERIFY(fileBytes(Settings::fileName()).contains("a.png")); // written by the worker
    // No extension: the package gets ".mrv", the document records the name as chosen.
    s.dialogs->paths = QStringList{s.path("out/show")};

    QCOMPARE(s.run("pushButtonSave"), QString());
    const QString package = s.path("out/show.mrv");
    QCOMPARE(QDir(s.path("out")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             (QStringList{str("show"), str("show.mrv")}));
    QVERIFY(QFile::exists(s.path("out/show/private.txt")));
    const ZipEntries entries = readZip(package);
    QCOMPARE(entries.keys(), (QStringList{str("a.png"), str("clip.mp4"), str("json.txt")}));
    QCOMPARE(entries.value(str("a.png")), fileBytes(s.path("media/a.png")));
    QCOMPARE(entries.value(str("clip.mp4")), fileBytes(s.path("media/clip.mp4")));
    const PlaylistRows stored{row("00:00:04", "/a.png"), row("NA", "/clip.mp4"),
                              row("00:00:04", "/a.png")};
    QCOMPARE(entries.value(str("json.txt")),
             expectedFor(stored, s.path("out/show"), entries.value(str("json.txt"))));
    QCOMPARE(s.window.openedPackage(), package);
    QCOMPARE(s.rows(), stored);
    Settings settings;
    settings.Read();
    QCOMPARE(settings.PATH_SAVE, s.path("out/"));
    QCOMPARE(settings.PATH_MEDIA, s.path("media/a.png"));
}

void TestPackageWorkflow::openShowsTheRows()
{
    Session first;
    const QString package = first.saveStandard();
    QVERIFY(!package.isEmpty());
    const QStringList firstFiles = snapshot(first.dir.path());

    Session s;
    QCOMPARE(s.run("pushButtonSave"), noEnd); // an empty table asks nothing
    QVERIFY(s.dialogs->calls.isEmpty());
    s.setRows({row("00:00:02", "/m/b.png")});
    const QStringList before = s.state();
    QCOMPARE(s.run("pushButtonSave"), noEnd); // the dialog cancelled
    QCOMPARE(s.run("pushButtonOpen"), noEnd); // the unsaved-changes question cancelled
    QCOMPARE(s.state(), before);

    s.dialogs->paths = QStringList{package};
    s.dialogs->choices = {1}; // discard the unsaved row
    QCOMPARE(s.run("pushButtonOpen"), QString());
    QCOMPARE(s.dialogs->calls.last().dir, first.dir.path()); // where the last save went
    QCOMPARE(s.window.openedPackage(), package);
    QCOMPARE(s.rows(), (PlaylistRows{row("00:00:05", "/a.png"), row("NA", "/clip.mp4"),
                                     row("00:00:07", "/a.png")}));
    QCOMPARE(snapshot(first.dir.path()), firstFiles);
}

void TestPackageWorkflow::update_data()
{
    QTest::addColumn<PlaylistRows>("edited");
    // The file of each media entry, in name order; none when nothing is written.
    QTest::addColumn<QStringList>("sources");
    QTest::addColumn<int>("answer"); // to "replace an entry rows still play": -1 not asked

    // The package holds a.png and clip.mp4; its rows are /a.png, /clip.mp4, /a.png.
    const PlaylistRow a5 = row("00:00:05", "/a.png");
    const PlaylistRow clip = row("NA", "/clip.mp4");
    const PlaylistRow a7 = row("00:00:07", "/a.png");
    const PlaylistRow b = row("00:00:03", "@media/b.jpg");
    const PlaylistRow otherA = row("00:00:11", "@other/a.png");
    const QStringList both{str("media/a.png"), str("media/clip.mp4")};
    const int yes = int(UserDialogs::Answer::Yes), no = int(UserDialogs::Answer::No);
    const auto add = [](const char *name, const PlaylistRows &rows, const QStringList &sources,
                        int answer = -1) { QTest::newRow(name) << rows << sources << answer; };
    add("unchanged", {a5, clip, a7}, {});
    add("only row of a clip deleted", {a5, a7}, {str("media/a.png")});
    add("one of two rows of a file deleted", {clip, a7}, both);
    add("retimed", {row("00:01:00", "/a.png"), clip, a7}, both);
    add("reordered", {clip, a7, a5}, both);
    add("new file added", {a5, clip, b},
        {str("media/a.png"), str("media/b.jpg"), str("media/clip.mp4")});
    add("new version of a file no row keeps", {clip, otherA},
        {str("other/a.png"), str("media/clip.mp4")});
    add("new version of a file a row keeps", {a5, clip, otherA},
        {str("other/a.png"), str("media/clip.mp4")}, yes);
    add("new version declined", {a5, clip, otherA}, {}, no);
    add("everything replaced", {b}, {str("media/b.jpg")});
}

void TestPackageWorkflow::update()
{
    QFETCH(PlaylistRows, edited);
    QFETCH(QStringList, sources);
    QFETCH(int, answer);

    Session s;
    const QString package = s.saveStandard();
    QVERIFY(!package.isEmpty());
    QVERIFY(writeMedia(s.path("media/b.jpg"), 500));
    QVERIFY(writeMedia(s.path("other/a.png"), 800));
    s.setRows(edited);
    const QStringList before = s.state();
    if (answer >= 0)
        s.dialogs->answers = {UserDialogs::Answer(answer)};

    const QString message = s.run("pushButtonSave");
    const QStringList questions = s.dialogs->texts(FakeDialogs::Question);
    QCOMPARE(questions.size(), int(answer >= 0));
    for (const QString &question : questions)
        QVERIFY2(s.missingMention(question, package + str("|/a.png")).isEmpty(),
                 qPrintable(question));
    if (sources.isEmpty()) {
        QCOMPARE(message, noEnd);
        QCOMPARE(s.state(), before);
        return;
    }
    QCOMPARE(message, QString());
    QCOMPARE(s.window.openedPackage(), package);
    QCOMPARE(s.rows(), readBack(edited));
    const ZipEntries entries = readZip(package);
    QStringList names;
    for (const QString &source : sources) {
        names.append(QFileInfo(source).fileName());
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
    // A new save as bytes names it, of a.png and the problem's file; out/show.mrv exists.
    add("missing media", "new", "@media/gone.mp4", "@out/show.mrv",
        "@media/gone.mp4|does not exist");
    add("fifo as media", "new", "@media/pipe.mp4", "@out/show.mrv",
        "@media/pipe.mp4|not a regular file");
    add("two files of one name", "new", "@other/A.PNG", "@out/show.mrv",
        "@media/a.png|@other/A.PNG|share a name");
    add("empty base name", "new", "", "@out/.mrv", "@out/.mrv|show.mrv");
    add("folder missing", "new", "", "@nowhere/show.mrv", "@nowhere/show.mrv");
    add("package name taken by a folder", "new", "", "@taken.mrv", "@taken.mrv");
    // Updates of the open package.
    add("package deleted behind the program's back", "update", "gone", {}, "@show.mrv");
    add("package changed behind the program's back", "update", "changed", "no longer a zip",
        "@show.mrv|changed");
    add("added media missing", "update", "@media/gone.png", {}, "@media/gone.png|does not exist");
    // Opening @bad.mrv: raw bytes, or an archive of one entry named by the problem.
    add("text file", "open", "raw", "just some words\n", "@bad.mrv");
    add("document only under a path", "open", "../json.txt", "{}", "@bad.mrv|json.txt");
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
    QVERIFY2(s.dir.isValid(), qPrintable(s.dir.errorString()));
    QVERIFY(writeMedia(s.path("other/A.PNG")) && writeMedia(s.path("media/a.png")));
    QCOMPARE(::mkfifo(QFile::encodeName(s.path("media/pipe.mp4")).constData(), 0600), 0);
    QVERIFY(QDir().mkpath(s.path("taken.mrv")));
    QVERIFY(writeZip(s.path("out/show.mrv"), {{str("old.png"), "old"}}));
    const bool isNew = command == QLatin1String("new");
    const bool isOpen = command == QLatin1String("open");
    const QString package = isNew ? QString() : s.saveStandard();
    QVERIFY(isNew || !package.isEmpty());
    if (isNew)
        s.setRows({row("00:00:05", "@media/a.png")});
    // An unsaved edit: a failed open keeps it; a save may not be able to take its file.
    const bool named = problem.startsWith(QLatin1Char('@'));
    if (!isNew || named)
        appendRow(tableOf(s.window), row("00:00:01", named    ? s.resolve(problem)
                                                     : isOpen ? s.path("media/a.png")
                                                              : str("/a.png")));
    if (problem == QLatin1String("gone"))
        QVERIFY(QFile::remove(package));
    else if (problem == QLatin1String("changed"))
        QVERIFY(writeBytes(package, bytes));
    else if (problem == QLatin1String("raw"))
        QVERIFY(writeBytes(s.path("bad.mrv"), bytes));
    else if (isOpen)
        QVERIFY(writeZip(s.path("bad.mrv"), {{problem, bytes}}));
    const QStringList before = s.state();

    s.dialogs->paths = QStringList{isOpen ? s.path("bad.mrv") : s.resolve(str(bytes))};
    if (isOpen)
        s.dialogs->choices = {1}; // discard the unsaved edit
    const QString message = s.run(isOpen ? "pushButtonOpen" : "pushButtonSave");
    QVERIFY(message != noEnd && !message.isEmpty());
    const FakeDialogs::Call shown = s.dialogs->calls.last(); // the last message the user saw
    QVERIFY(shown.kind == FakeDialogs::Critical || shown.kind == FakeDialogs::Choose);
    QVERIFY2(s.missingMention(shown.text, mentions).isEmpty(), qPrintable(shown.text));
    QCOMPARE(s.state(), before);
}

QTEST_MAIN(TestPackageWorkflow)
#include "tst_packageworkflow.moc"
