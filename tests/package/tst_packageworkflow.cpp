#include "app/mainwindow.h"
#include "document/playlistdocument.h"
#include "playlist/playlisttable.h"
#include "settings/settings.h"
#include "tests/common/fakedialogs.h"
#include "tests/common/testdata.h"
#include "tests/common/ziptools.h"

#include <QDirIterator>
#include <QJsonDocument>
#include <QProgressDialog>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString noEnd = QStringLiteral("(no end)");

// Binary bytes that differ from file to file, so a mix-up between files shows.
bool makeFile(const QString &path, int size = 100)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(qHash(path));
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return QDir().mkpath(QFileInfo(path).absolutePath()) && writeBytes(path, bytes);
}

// Every entry below dir, relative and sorted.
QStringList listing(const QString &dir)
{
    QStringList entries;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries.append(QDir(dir).relativeFilePath(it.next()));
    entries.sort();
    return entries;
}

// The document the window must have written for these rows, at the build time the
// package records. Its bytes are held to the rules by the document suite.
QByteArray expectedDocument(const PlaylistRows &rows, const QString &mediaDir,
                            const QByteArray &stored)
{
    const QString createTime =
        QJsonDocument::fromJson(stored).object().value(QLatin1String("create_time")).toString();
    return renderPlaylistDocument(buildPlaylistDocument(
        rows, mediaDir, QDateTime::fromString(createTime, QStringLiteral("yyyy-MM-dd hh:mm:ss"))));
}

PlaylistRows storedRows(PlaylistRows rows)
{
    for (PlaylistRow &row : rows)
        row.file = storedName(row.file);
    return rows;
}

// A main window with scripted dialogs, working in its own temporary folder.
struct Session
{
    Session() : dialogs(FakeDialogs::install(window))
    {
        table = window.findChild<QTableWidget *>(QStringLiteral("tableWidget"));
        busy = window.findChild<QProgressDialog *>();
    }

    QString path(const char *relative) const { return dir.filePath(str(relative)); }
    // "@" starts a path in the session folder.
    QString resolve(const QString &text) const
    {
        return text.startsWith(QLatin1Char('@')) ? dir.filePath(text.mid(1)) : text;
    }
    void click(const char *button)
    {
        window.findChild<QPushButton *>(QLatin1String(button))->click();
    }
    void setRows(const PlaylistRows &rows)
    {
        table->setRowCount(0);
        for (const PlaylistRow &row : rows)
            appendRow(*table, {row.time, resolve(row.file), row.transition});
    }
    PlaylistRows rows() const { return tableRows(*table); }
    // What a refused command leaves as it was: every file below the session folder
    // with its bytes, the table, the open package and its document.
    QStringList state() const
    {
        QStringList lines = listing(dir.path());
        for (QString &entry : lines) {
            if (QFileInfo(dir.filePath(entry)).isFile())
                entry += QLatin1Char(' ') + QString::number(qHash(fileBytes(dir.filePath(entry))));
        }
        for (const PlaylistRow &row : rows())
            lines.append(row.time + QLatin1Char(' ') + row.file + QLatin1Char(' ') +
                         row.transition);
        const QJsonDocument document(window.openedPackageDocument());
        return lines << window.openedPackage() << QString::fromUtf8(document.toJson());
    }

    // Clicks Save; the message the save ended with, or noEnd when none ended in time.
    QString save(int timeout = 60000)
    {
        QSignalSpy spy(&window, &MainWindow::saveFinished);
        busyShown = false;
        QObject job;
        const auto noteBusy = [this]() { busyShown = busy->isVisible(); };
        QObject::connect(&window, &MainWindow::operate, &job, noteBusy);
        QObject::connect(&window, &MainWindow::updateFiles, &job, noteBusy);
        click("pushButtonSave");
        if (spy.isEmpty())
            spy.wait(timeout);
        return spy.size() == 1 ? spy.first().first().toString() : noEnd;
    }
    // Saves a new package of a.png, clip.mp4, a.png and leaves it open; its path, or empty.
    QString saveStandard()
    {
        if (!dir.isValid() || !makeFile(path("media/a.png"), 3000) ||
            !makeFile(path("media/clip.mp4"), 70000))
            return {};
        setRows({row("00:00:05", "@media/a.png"), row("NA", "@media/clip.mp4"),
                 row("00:00:07", "@media/a.png")});
        dialogs->paths = QStringList{path("show.mrv")};
        return save().isEmpty() ? window.openedPackage() : QString();
    }
    // The first of the "|"-separated texts that message lacks, or empty; paths are
    // named in native form.
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
    QTableWidget *table = nullptr;
    QProgressDialog *busy = nullptr;
    // Whether the busy dialog showed when the last save's job was handed over.
    bool busyShown = false;
};

} // namespace

class TestPackageWorkflow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void saveNewWritesTheTable();
    void cancelledDialogsThenOpen();
    void newSaveFailures_data();
    void newSaveFailures();
    void update_data();
    void update();
    void declinedReplacementChangesNothing();
    void failuresKeepEverything_data();
    void failuresKeepEverything();

private:
    QTemporaryDir m_workDir;
};

void TestPackageWorkflow::initTestCase()
{
    QVERIFY2(m_workDir.isValid(), qPrintable(m_workDir.errorString()));
    // settings.xml lives in the working directory; keep the tests' copy private.
    QVERIFY(QDir::setCurrent(m_workDir.path()));
    // A temporary folder of our own, where only this test's saves stage.
    QVERIFY(QDir(m_workDir.path()).mkdir(QStringLiteral("tmp")));
    QVERIFY(qputenv("TMPDIR", QFile::encodeName(m_workDir.filePath(QStringLiteral("tmp")))));
    QCOMPARE(QDir::tempPath(), m_workDir.filePath(QStringLiteral("tmp")));
}

void TestPackageWorkflow::init()
{
    QFile::remove(Settings::fileName());
}

void TestPackageWorkflow::cleanup()
{
    // The sessions' folders are gone by now: anything left is a save's staging folder.
    QCOMPARE(listing(QDir::tempPath()), QStringList());
}

void TestPackageWorkflow::saveNewWritesTheTable()
{
    Session s;
    QVERIFY2(s.dir.isValid(), qPrintable(s.dir.errorString()));
    QVERIFY(makeFile(s.path("media/a.png"), 3000));
    QVERIFY(makeFile(s.path("media/clip.mp4"), 70000));
    // A folder of the user's named like the package without ".mrv" is neither packed nor
    // removed; an older package is replaced whole.
    QVERIFY(makeFile(s.path("out/show/private.txt")));
    QVERIFY(writeZip(s.path("out/show.mrv"), {{str("old.png"), "old"}}));
    // Through Add Files: the same image twice around a video.
    s.dialogs->files = {{s.path("media/a.png"), s.path("media/clip.mp4")}, {s.path("media/a.png")}};
    s.click("pushButtonAdd");
    s.click("pushButtonAdd");
    const PlaylistRows rows{row("00:00:04", s.path("media/a.png")),
                            row("NA", s.path("media/clip.mp4")),
                            row("00:00:04", s.path("media/a.png"))};
    QCOMPARE(s.rows(), rows);
    // No extension: the package gets ".mrv", the document records the name as chosen.
    s.dialogs->paths = QStringList{s.path("out/show")};

    QCOMPARE(s.save(), QString());
    QCOMPARE(s.dialogs->lastDir(), QDir::homePath());
    QVERIFY(s.busyShown);
    QVERIFY(!s.busy->isVisible());

    const QString package = s.path("out/show.mrv");
    QCOMPARE(listing(s.path("out")),
             (QStringList{str("show"), str("show.mrv"), str("show/private.txt")}));
    const ZipEntries entries = readZip(package);
    QCOMPARE(entries.keys(), (QStringList{str("a.png"), str("clip.mp4"), str("json.txt")}));
    QCOMPARE(entries.value(str("a.png")), fileBytes(s.path("media/a.png")));
    QCOMPARE(entries.value(str("clip.mp4")), fileBytes(s.path("media/clip.mp4")));
    QCOMPARE(entries.value(str("json.txt")),
             expectedDocument(rows, s.path("out/show"), entries.value(str("json.txt"))));

    QCOMPARE(s.window.openedPackage(), package);
    QCOMPARE(s.rows(), storedRows(rows));
    Settings settings;
    settings.Read();
    QCOMPARE(settings.PATH_SAVE, s.path("out/"));
}

void TestPackageWorkflow::cancelledDialogsThenOpen()
{
    Session first;
    const QString package = first.saveStandard();
    QVERIFY(!package.isEmpty());
    const QByteArray packageBytes = fileBytes(package);

    Session s;
    QVERIFY2(s.dir.isValid(), qPrintable(s.dir.errorString()));
    QCOMPARE(s.save(0), noEnd); // an empty table asks nothing
    QVERIFY(s.dialogs->calls.isEmpty());
    s.setRows({row("00:00:02", "/m/b.png")});
    const QStringList before = s.state() << QString::fromUtf8(fileBytes(Settings::fileName()));
    QCOMPARE(s.save(0), noEnd);
    s.click("pushButtonOpen");
    QCOMPARE(s.dialogs->calls.size(), 2);
    QCOMPARE(s.state() << QString::fromUtf8(fileBytes(Settings::fileName())), before);

    s.dialogs->paths = QStringList{package};
    s.click("pushButtonOpen");
    QVERIFY(s.dialogs->texts(FakeDialogs::Critical).isEmpty());
    QCOMPARE(s.dialogs->lastDir(), first.dir.path());
    QCOMPARE(s.window.openedPackage(), package);
    QCOMPARE(s.rows(), (PlaylistRows{row("00:00:05", "/a.png"), row("NA", "/clip.mp4"),
                                     row("00:00:07", "/a.png")}));
    QCOMPARE(fileBytes(package), packageBytes);
    QCOMPARE(listing(first.dir.path()), (QStringList{str("media"), str("media/a.png"),
                                                     str("media/clip.mp4"), str("show.mrv")}));
}

void TestPackageWorkflow::newSaveFailures_data()
{
    QTest::addColumn<QString>("extraRow"); // a file the table also plays
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("mentions");

    const auto add = [](const char *name, const char *extra, const char *chosen,
                        const char *mentions) {
        QTest::newRow(name) << str(extra) << str(chosen) << str(mentions);
    };
    add("missing media", "@media/gone.mp4", "@out/show.mrv", "@media/gone.mp4|does not exist");
    add("fifo as media", "@media/pipe.mp4", "@out/show.mrv", "@media/pipe.mp4|not a regular file");
    add("two files of one name", "@other/a.png", "@out/show.mrv",
        "@media/a.png|@other/a.png|share a name");
    add("empty base name", "", "@out/.mrv", "@out/.mrv|show.mrv");
    add("folder missing", "", "@nowhere/show.mrv", "@nowhere/show.mrv");
    add("package name taken by a folder", "", "@taken.mrv", "@taken.mrv");
    add("read-only folder", "", "@readonly/show.mrv", "@readonly/show.mrv");
}

void TestPackageWorkflow::newSaveFailures()
{
    QFETCH(QString, extraRow);
    QFETCH(QString, chosen);
    QFETCH(QString, mentions);

    Session s;
    QVERIFY2(s.dir.isValid(), qPrintable(s.dir.errorString()));
    if (chosen.startsWith(QLatin1String("@readonly")) && ::geteuid() == 0)
        QSKIP("root writes into read-only folders");
    QVERIFY(makeFile(s.path("media/a.png")));
    QVERIFY(makeFile(s.path("other/a.png")));
    QCOMPARE(::mkfifo(QFile::encodeName(s.path("media/pipe.mp4")).constData(), 0600), 0);
    QVERIFY(QDir().mkpath(s.path("taken.mrv")));
    QVERIFY(QDir().mkpath(s.path("readonly")));
    QVERIFY(QFile::setPermissions(s.path("readonly"), QFile::ReadOwner | QFile::ExeOwner));
    QVERIFY(QDir().mkpath(s.path("out")));
    QVERIFY(writeZip(s.path("out/show.mrv"), {{str("old.png"), "old"}}));
    PlaylistRows rows{row("00:00:05", "@media/a.png")};
    if (!extraRow.isEmpty())
        rows.append(row("00:00:01", extraRow));
    s.setRows(rows);
    const QStringList before = s.state();
    s.dialogs->paths = QStringList{s.resolve(chosen)};

    const QString message = s.save();
    QCOMPARE(s.dialogs->texts(FakeDialogs::Critical), QStringList{message});
    QVERIFY2(s.missingMention(message, mentions).isEmpty(), qPrintable(message));
    QCOMPARE(s.state(), before);
    QVERIFY(!s.busy->isVisible());
}

void TestPackageWorkflow::update_data()
{
    QTest::addColumn<PlaylistRows>("edited");
    QTest::addColumn<QStringList>("sources"); // the file of each media entry, in name order
    QTest::addColumn<bool>("asks");           // whether to replace an entry rows still play

    // The package holds a.png and clip.mp4; its rows are /a.png, /clip.mp4, /a.png.
    const PlaylistRow a5 = row("00:00:05", "/a.png");
    const PlaylistRow clip = row("NA", "/clip.mp4");
    const PlaylistRow a7 = row("00:00:07", "/a.png");
    const PlaylistRow b = row("00:00:03", "@media/b.jpg");
    const PlaylistRow otherA = row("00:00:11", "@other/a.png");
    const QStringList both{str("media/a.png"), str("media/clip.mp4")};
    const auto add = [](const char *name, const PlaylistRows &rows, const QStringList &sources,
                        bool asks = false) { QTest::newRow(name) << rows << sources << asks; };

    add("unchanged", {a5, clip, a7}, both);
    add("only row of a clip deleted", {a5, a7}, {str("media/a.png")});
    add("one of two rows of a file deleted", {clip, a7}, both);
    add("retimed", {row("00:01:00", "/a.png"), clip, a7}, both);
    add("reordered", {clip, a7, a5}, both);
    add("new file added", {a5, clip, b},
        {str("media/a.png"), str("media/b.jpg"), str("media/clip.mp4")});
    add("new version of a file no row keeps", {clip, otherA},
        {str("other/a.png"), str("media/clip.mp4")});
    add("new version of a file a row keeps", {a5, clip, otherA},
        {str("other/a.png"), str("media/clip.mp4")}, true);
    add("everything replaced", {b}, {str("media/b.jpg")});
}

void TestPackageWorkflow::update()
{
    QFETCH(PlaylistRows, edited);
    QFETCH(QStringList, sources);
    QFETCH(bool, asks);

    Session s;
    const QString package = s.saveStandard();
    QVERIFY(!package.isEmpty());
    QVERIFY(makeFile(s.path("media/b.jpg"), 500));
    QVERIFY(makeFile(s.path("other/a.png"), 800));
    s.setRows(edited);
    const PlaylistRows onScreen = s.rows();
    s.dialogs->answers = {UserDialogs::Answer::Yes};

    QCOMPARE(s.save(), QString());
    const QStringList questions = s.dialogs->texts(FakeDialogs::Question);
    QCOMPARE(questions.size(), int(asks));
    for (const QString &question : questions)
        QVERIFY2(s.missingMention(question, package + QLatin1String("|/a.png")).isEmpty(),
                 qPrintable(question));
    QVERIFY(s.busyShown);
    QVERIFY(!s.busy->isVisible());
    QCOMPARE(s.window.openedPackage(), package);
    QCOMPARE(s.rows(), storedRows(onScreen));

    const ZipEntries entries = readZip(package);
    QStringList names;
    for (const QString &source : sources) {
        names.append(QFileInfo(source).fileName());
        QCOMPARE(entries.value(names.last()), fileBytes(s.dir.filePath(source)));
    }
    QCOMPARE(entries.keys(), names << str("json.txt"));
    QCOMPARE(entries.value(str("json.txt")),
             expectedDocument(onScreen, package, entries.value(str("json.txt"))));
}

void TestPackageWorkflow::declinedReplacementChangesNothing()
{
    Session s;
    const QString package = s.saveStandard();
    QVERIFY(!package.isEmpty());
    QVERIFY(makeFile(s.path("other/a.png"), 800));
    s.setRows({row("00:00:05", "/a.png"), row("NA", "/clip.mp4"), row("00:00:09", "@other/a.png")});
    const QStringList before = s.state();

    QCOMPARE(s.save(0), noEnd);
    QCOMPARE(s.dialogs->texts(FakeDialogs::Question).size(), 1);
    QCOMPARE(s.dialogs->texts(FakeDialogs::Critical), QStringList());
    QCOMPARE(s.state(), before);
}

void TestPackageWorkflow::failuresKeepEverything_data()
{
    QTest::addColumn<bool>("open"); // or save the open package
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("mentions");

    const auto add = [](const char *name, bool open, const char *problem, const QByteArray &bytes,
                        const char *mentions) {
        QTest::newRow(name) << open << str(problem) << bytes << str(mentions);
    };
    // Updates of the open package.
    add("package deleted behind the program's back", false, "gone", {},
        "@show.mrv|no longer there");
    add("package damaged behind the program's back", false, "damaged", "no longer a zip",
        "@show.mrv|unchanged");
    add("added media missing", false, "missing", {}, "@media/gone.png|does not exist");
    // Opening @bad.mrv: raw bytes, or an archive of one entry named by the problem.
    add("text file", true, "raw", "just some words\n", "@bad.mrv|not a zip archive");
    add("document only under a path", true, "../json.txt", "{}", "@bad.mrv|json.txt");
    add("document not JSON", true, "json.txt", R"({"gallery": [)", "@bad.mrv|not valid JSON");
    add("document an array", true, "json.txt", "[]", "@bad.mrv|not a JSON object");
}

void TestPackageWorkflow::failuresKeepEverything()
{
    QFETCH(bool, open);
    QFETCH(QString, problem);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, mentions);

    Session s;
    const QString package = s.saveStandard();
    QVERIFY(!package.isEmpty());
    // An unsaved edit: a failed open keeps it; an update cannot read the file it adds.
    if (open || problem == QLatin1String("missing"))
        appendRow(*s.table, row("00:00:01", s.path(open ? "media/a.png" : "media/gone.png")));
    const QString bad = s.path("bad.mrv");
    if (problem == QLatin1String("gone"))
        QVERIFY(QFile::remove(package));
    else if (problem == QLatin1String("damaged"))
        QVERIFY(writeBytes(package, bytes));
    else if (problem == QLatin1String("raw"))
        QVERIFY(writeBytes(bad, bytes));
    else if (open)
        QVERIFY(writeZip(bad, {{problem, bytes}}));
    const QStringList before = s.state();

    QString message;
    if (open) {
        s.dialogs->paths = QStringList{bad};
        s.click("pushButtonOpen");
    } else {
        message = s.save();
    }
    const QStringList criticals = s.dialogs->texts(FakeDialogs::Critical);
    QCOMPARE(criticals.size(), 1);
    QVERIFY2(open || criticals.first() == message, qPrintable(message));
    QVERIFY2(s.missingMention(criticals.first(), mentions).isEmpty(),
             qPrintable(criticals.first()));
    QCOMPARE(s.state(), before);
    QVERIFY(!s.busy->isVisible());
}

QTEST_MAIN(TestPackageWorkflow)
#include "tst_packageworkflow.moc"
