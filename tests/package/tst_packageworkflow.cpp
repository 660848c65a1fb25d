#include "app/mainwindow.h"
#include "document/playlistdocument.h"
#include "fakedialogs.h"
#include "playlist/playlisttable.h"
#include "settings/settings.h"
#include "ziptools.h"

#include <QJsonDocument>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(PlaylistRows)

namespace {

const QString zoom = QStringLiteral("Zoom");

QString str(const char *text)
{
    return QString::fromUtf8(text);
}

// Distinct, binary, not text: a byte mix-up between files shows.
QByteArray mediaBytes(const QString &name, int size)
{
    QByteArray bytes;
    bytes.reserve(size);
    quint32 state = qHash(name) | 1u;
    while (bytes.size() < size) {
        state = state * 1664525u + 1013904223u;
        bytes.append(char(state >> 24));
    }
    return bytes;
}

bool makeFile(const QString &path, const QByteArray &bytes)
{
    return QDir().mkpath(QFileInfo(path).absolutePath()) && writeBytes(path, bytes);
}

QStringList stagingLeftovers()
{
    return QDir::temp().entryList(
        {QStringLiteral("merovi-save-*"), QStringLiteral("merovi-update-*")},
        QDir::AllEntries | QDir::Hidden | QDir::System);
}

// The document the window must have written for these rows: rebuilt with the
// build time the package records, so the comparison covers every byte.
QByteArray expectedDocument(const PlaylistRows &rows, const QString &mediaDir,
                            const QByteArray &stored)
{
    const QString createTime =
        QJsonDocument::fromJson(stored).object().value(QLatin1String("create_time")).toString();
    const QDateTime buildTime =
        QDateTime::fromString(createTime, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    return renderPlaylistDocument(buildPlaylistDocument(rows, mediaDir, buildTime));
}

PlaylistRows storedRows(const PlaylistRows &rows)
{
    PlaylistRows stored;
    for (const PlaylistRow &row : rows)
        stored.append({row.time, storedName(row.file), row.transition});
    return stored;
}

// A main window with scripted dialogs, working in its own temporary folder.
class Session
{
public:
    Session() : dialogs(new FakeDialogs)
    {
        window.setDialogs(std::unique_ptr<UserDialogs>(dialogs));
        table = window.findChild<QTableWidget *>(QStringLiteral("tableWidget"));
        busy = window.findChild<QProgressDialog *>();
    }

    QString path(const char *relative) const { return dir.filePath(str(relative)); }

    void setRows(const PlaylistRows &rows)
    {
        table->setRowCount(0);
        for (const PlaylistRow &row : rows)
            appendRow(*table, row);
    }
    PlaylistRows rows() const { return tableRows(*table); }

    // Clicks Save and waits for the save to end; false when it never ended.
    bool save(QString *message)
    {
        QSignalSpy spy(&window, &MainWindow::saveFinished);
        busyCaption.clear();
        const auto noteBusy = [this]() {
            if (busy->isVisible())
                busyCaption = busy->labelText();
        };
        const QMetaObject::Connection packing =
            QObject::connect(&window, &MainWindow::operate, noteBusy);
        const QMetaObject::Connection updating =
            QObject::connect(&window, &MainWindow::updateFiles, noteBusy);
        clickSave();
        QObject::disconnect(packing);
        QObject::disconnect(updating);
        if (spy.isEmpty() && !spy.wait(60000))
            return false;
        if (spy.size() != 1)
            return false;
        *message = spy.first().first().toString();
        return true;
    }
    // Clicks Save where no save may start or end; true when none did.
    bool saveDoesNothing()
    {
        QSignalSpy spy(&window, &MainWindow::saveFinished);
        clickSave();
        QCoreApplication::processEvents();
        return spy.isEmpty() && !busy->isVisible();
    }
    void clickSave() { window.findChild<QPushButton *>(QStringLiteral("pushButtonSave"))->click(); }
    void clickOpen() { window.findChild<QPushButton *>(QStringLiteral("pushButtonOpen"))->click(); }

    QTemporaryDir dir;
    MainWindow window;
    FakeDialogs *dialogs;
    QTableWidget *table = nullptr;
    QProgressDialog *busy = nullptr;
    // The busy dialog's caption while the last save's job was handed over; empty when hidden.
    QString busyCaption;
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
    void reopenShowsStoredNames();
    void openReplacesThePlaylist();
    void saveWithoutRowsOrNameDoesNothing();
    void existingPackageIsReplacedWhole();
    void newSaveRefusals_data();
    void newSaveRefusals();
    void newSaveToUnwritableDestination_data();
    void newSaveToUnwritableDestination();
    void update_data();
    void update();
    void replacingAnEntryInUseAsks_data();
    void replacingAnEntryInUseAsks();
    void updateFailures_data();
    void updateFailures();
    void openFailuresKeepThePlaylist_data();
    void openFailuresKeepThePlaylist();
    void documentWithoutGalleryOpensEmpty();

private:
    // Saves the standard table as a new package and leaves the window with it open.
    bool saveStandardPackage(Session &s, QString *package);

    QTemporaryDir m_workDir;
    QStringList m_leftoversBefore;
};

void TestPackageWorkflow::initTestCase()
{
    QVERIFY2(m_workDir.isValid(), qPrintable(m_workDir.errorString()));
    // settings.xml lives in the working directory; keep the tests' copy private.
    QVERIFY(QDir::setCurrent(m_workDir.path()));
    // A temporary folder of our own, so that staging leftovers of other
    // programs running at the same time do not count as ours.
    QVERIFY(QDir(m_workDir.path()).mkdir(QStringLiteral("tmp")));
    QVERIFY(qputenv("TMPDIR", QFile::encodeName(m_workDir.filePath(QStringLiteral("tmp")))));
    QCOMPARE(QDir::tempPath(), m_workDir.filePath(QStringLiteral("tmp")));
}

void TestPackageWorkflow::init()
{
    QFile::remove(Settings::fileName());
    m_leftoversBefore = stagingLeftovers();
}

void TestPackageWorkflow::cleanup()
{
    QCOMPARE(stagingLeftovers(), m_leftoversBefore);
}

bool TestPackageWorkflow::saveStandardPackage(Session &s, QString *package)
{
    if (!s.dir.isValid() || !makeFile(s.path("media/a.png"), mediaBytes(str("a"), 3000)) ||
        !makeFile(s.path("media/clip.mp4"), mediaBytes(str("clip"), 70000)))
        return false;
    s.setRows({{str("00:00:05"), s.path("media/a.png"), zoom},
               {str("NA"), s.path("media/clip.mp4"), zoom},
               {str("00:00:07"), s.path("media/a.png"), zoom}});
    *package = s.path("show.mrv");
    s.dialogs->saveAnswer = *package;
    QString message;
    return s.save(&message) && message.isEmpty() && s.window.openedPackage() == *package;
}

void TestPackageWorkflow::saveNewWritesTheTable()
{
    Session s;
    QVERIFY2(s.dir.isValid(), qPrintable(s.dir.errorString()));
    QVERIFY(makeFile(s.path("media/a.png"), mediaBytes(str("a"), 3000)));
    QVERIFY(makeFile(s.path("media/clip.mp4"), mediaBytes(str("clip"), 70000)));
    // A folder of the user's where the package path without ".mrv" points: never packed or removed.
    QVERIFY(makeFile(s.path("out/show/private.txt"), "mine"));
    // Through Add Files: the same image twice around a video.
    s.dialogs->addAnswer = QStringList{s.path("media/a.png"), s.path("media/clip.mp4")};
    s.window.findChild<QPushButton *>(QStringLiteral("pushButtonAdd"))->click();
    s.dialogs->addAnswer = QStringList{s.path("media/a.png")};
    s.window.findChild<QPushButton *>(QStringLiteral("pushButtonAdd"))->click();
    const PlaylistRows rows{{str("00:00:04"), s.path("media/a.png"), zoom},
                            {str("NA"), s.path("media/clip.mp4"), zoom},
                            {str("00:00:04"), s.path("media/a.png"), zoom}};
    QCOMPARE(s.rows(), rows);
    // No extension: the package gets ".mrv", the document records the name as chosen.
    s.dialogs->saveAnswer = s.path("out/show");

    QString message;
    QVERIFY(s.save(&message));
    QCOMPARE(message, QString());
    QVERIFY(s.dialogs->criticals.isEmpty());
    QCOMPARE(s.dialogs->lastDir, QDir::homePath());
    QCOMPARE(s.busyCaption, str("Compiling media..."));
    QVERIFY(!s.busy->isVisible());

    const QString package = s.path("out/show.mrv");
    QCOMPARE(QDir(s.path("out")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             (QStringList{str("show"), str("show.mrv")}));
    QCOMPARE(QDir(s.path("out/show")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{str("private.txt")});
    ZipEntries entries;
    QString error;
    QVERIFY2(readZip(package, &entries, &error), qPrintable(error));
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

void TestPackageWorkflow::reopenShowsStoredNames()
{
    Session first;
    QString package;
    QVERIFY(saveStandardPackage(first, &package));
    const QByteArray packageBytes = fileBytes(package);

    Session s;
    QVERIFY2(s.dir.isValid(), qPrintable(s.dir.errorString()));
    s.dialogs->openAnswer = package;
    s.clickOpen();

    QVERIFY(s.dialogs->criticals.isEmpty());
    QCOMPARE(s.dialogs->lastDir, first.dir.path());
    QCOMPARE(s.window.openedPackage(), package);
    QCOMPARE(s.rows(), (PlaylistRows{{str("00:00:05"), str("/a.png"), zoom},
                                     {str("NA"), str("/clip.mp4"), zoom},
                                     {str("00:00:07"), str("/a.png"), zoom}}));
    QCOMPARE(fileBytes(package), packageBytes);
    QVERIFY(!QFileInfo::exists(first.path("json.txt")));
}

void TestPackageWorkflow::openReplacesThePlaylist()
{
    Session s;
    QString package;
    QVERIFY(saveStandardPackage(s, &package));
    const QString other = s.path("other.mrv");
    QVERIFY(makeFile(s.path("b.png"), mediaBytes(str("b"), 10)));
    ZipEntries entries{{str("json.txt"),
                        R"({"gallery":[{"filename":"/b.png"}],"media":[{"playtime":"00:00:02"}]})"},
                       {str("b.png"), mediaBytes(str("b"), 10)}};
    QString error;
    QVERIFY2(writeZip(other, entries, &error), qPrintable(error));

    s.dialogs->openAnswer = other;
    s.clickOpen();
    QCOMPARE(s.rows(), (PlaylistRows{{str("00:00:02"), str("/b.png"), zoom}}));
    QCOMPARE(s.window.openedPackage(), other);

    // A cancelled dialog keeps everything.
    s.dialogs->openAnswer.clear();
    s.clickOpen();
    QCOMPARE(s.rows(), (PlaylistRows{{str("00:00:02"), str("/b.png"), zoom}}));
    QCOMPARE(s.window.openedPackage(), other);
    QVERIFY(s.dialogs->criticals.isEmpty());
}

void TestPackageWorkflow::saveWithoutRowsOrNameDoesNothing()
{
    Session s;
    QVERIFY2(s.dir.isValid(), qPrintable(s.dir.errorString()));
    QVERIFY(s.saveDoesNothing());
    QCOMPARE(s.dialogs->saveDialogs, 0);

    QVERIFY(makeFile(s.path("a.png"), "png"));
    s.setRows({{str("00:00:05"), s.path("a.png"), zoom}});
    QVERIFY(s.saveDoesNothing());
    QCOMPARE(s.dialogs->saveDialogs, 1);
    QVERIFY(!QFileInfo::exists(Settings::fileName()));
    QCOMPARE(s.window.openedPackage(), QString());
    QCOMPARE(QDir(s.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{str("a.png")});
}

void TestPackageWorkflow::existingPackageIsReplacedWhole()
{
    Session s;
    QVERIFY2(s.dir.isValid(), qPrintable(s.dir.errorString()));
    const QString package = s.path("show.mrv");
    QString error;
    QVERIFY2(writeZip(package, {{str("old.png"), "old"}, {str("json.txt"), "{}"}}, &error),
             qPrintable(error));
    QVERIFY(makeFile(s.path("media/a.png"), mediaBytes(str("a"), 100)));
    s.setRows({{str("00:00:05"), s.path("media/a.png"), zoom}});
    s.dialogs->saveAnswer = package;

    QString message;
    QVERIFY(s.save(&message));
    QCOMPARE(message, QString());
    ZipEntries entries;
    QVERIFY2(readZip(package, &entries, &error), qPrintable(error));
    QCOMPARE(entries.keys(), (QStringList{str("a.png"), str("json.txt")}));
}

void TestPackageWorkflow::newSaveRefusals_data()
{
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("mentions");

    // Paths in "mentions" are relative to the session folder and checked in native form.
    QTest::newRow("missing media")
        << "missing"
        << "out/show.mrv" << QStringList{str("@media/gone.mp4"), str("does not exist")};
    QTest::newRow("fifo as media")
        << "fifo"
        << "out/show.mrv" << QStringList{str("@media/pipe.mp4"), str("not a regular file")};
    QTest::newRow("two files of one name")
        << "clash"
        << "out/show.mrv"
        << QStringList{str("@media/a.png"), str("@other/a.png"), str("share a name")};
    QTest::newRow("media named like the document")
        << "document"
        << "out/show.mrv" << QStringList{str("@media/json.txt"), str("json.txt")};
    QTest::newRow("empty base name")
        << "none"
        << "out/.mrv" << QStringList{str("@out/.mrv"), str("show.mrv")};
}

void TestPackageWorkflow::newSaveRefusals()
{
    QFETCH(QString, problem);
    QFETCH(QString, chosen);
    QFETCH(QStringList, mentions);

    Session s;
    QVERIFY2(s.dir.isValid(), qPrintable(s.dir.errorString()));
    QVERIFY(makeFile(s.path("media/a.png"), mediaBytes(str("a"), 100)));
    PlaylistRows rows{{str("00:00:05"), s.path("media/a.png"), zoom}};
    if (problem == QLatin1String("missing")) {
        rows.append({str("NA"), s.path("media/gone.mp4"), zoom});
    } else if (problem == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(s.path("media/pipe.mp4")).constData(), 0600), 0);
        rows.append({str("NA"), s.path("media/pipe.mp4"), zoom});
    } else if (problem == QLatin1String("clash")) {
        QVERIFY(makeFile(s.path("other/a.png"), mediaBytes(str("other a"), 100)));
        rows.append({str("00:00:01"), s.path("other/a.png"), zoom});
    } else if (problem == QLatin1String("document")) {
        QVERIFY(makeFile(s.path("media/json.txt"), "{}"));
        rows.append({str("00:00:01"), s.path("media/json.txt"), zoom});
    }
    s.setRows(rows);

    // An older package at the destination must come through untouched.
    QVERIFY(QDir().mkpath(s.path("out")));
    QString error;
    QVERIFY2(writeZip(s.path("out/show.mrv"), {{str("old.png"), "old"}}, &error),
             qPrintable(error));
    const QByteArray oldBytes = fileBytes(s.path("out/show.mrv"));
    s.dialogs->saveAnswer = s.dir.filePath(chosen);

    QString message;
    QVERIFY(s.save(&message));
    QCOMPARE(s.dialogs->criticals, QStringList{message});
    for (QString mention : mentions) {
        if (mention.startsWith(QLatin1Char('@')))
            mention = QDir::toNativeSeparators(s.dir.filePath(mention.mid(1)));
        QVERIFY2(message.contains(mention), qPrintable(message));
    }
    QCOMPARE(fileBytes(s.path("out/show.mrv")), oldBytes);
    QCOMPARE(QDir(s.path("out")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{str("show.mrv")});
    QCOMPARE(s.rows(), rows);
    QVERIFY(!QFileInfo::exists(Settings::fileName()));
    QCOMPARE(s.window.openedPackage(), QString());
    QVERIFY(!s.busy->isVisible());
}

void TestPackageWorkflow::newSaveToUnwritableDestination_data()
{
    QTest::addColumn<QString>("destination");
    QTest::newRow("folder is a file") << "afile/show.mrv";
    QTest::newRow("folder missing") << "nowhere/show.mrv";
    QTest::newRow("package name taken by a folder") << "taken.mrv";
    QTest::newRow("read-only folder") << "readonly/show.mrv";
}

void TestPackageWorkflow::newSaveToUnwritableDestination()
{
    QFETCH(QString, destination);

    Session s;
    QVERIFY2(s.dir.isValid(), qPrintable(s.dir.errorString()));
    QVERIFY(makeFile(s.path("afile"), "not a folder"));
    QVERIFY(QDir().mkpath(s.path("taken.mrv")));
    if (destination.startsWith(QLatin1String("readonly"))) {
        if (::geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QVERIFY(QDir().mkpath(s.path("readonly")));
        QVERIFY(QFile::setPermissions(s.path("readonly"), QFile::ReadOwner | QFile::ExeOwner));
    }
    QVERIFY(makeFile(s.path("media/a.png"), mediaBytes(str("a"), 100)));
    const PlaylistRows rows{{str("00:00:05"), s.path("media/a.png"), zoom}};
    s.setRows(rows);
    s.dialogs->saveAnswer = s.dir.filePath(destination);

    QString message;
    QVERIFY(s.save(&message));
    QCOMPARE(s.dialogs->criticals, QStringList{message});
    QVERIFY2(message.contains(QDir::toNativeSeparators(s.dir.filePath(destination))),
             qPrintable(message));
    QCOMPARE(s.rows(), rows);
    QCOMPARE(s.window.openedPackage(), QString());
    QVERIFY(!s.busy->isVisible());
    QVERIFY(QFileInfo(s.path("taken.mrv")).isDir());
}

void TestPackageWorkflow::update_data()
{
    QTest::addColumn<PlaylistRows>("edited");
    QTest::addColumn<QStringList>("entrySources");

    // The package holds a.png and clip.mp4; its rows are /a.png, /clip.mp4, /a.png.
    // "@" marks a path in the session folder; entrySources pairs entry names with files.
    const PlaylistRow a5{str("00:00:05"), str("/a.png"), zoom};
    const PlaylistRow clip{str("NA"), str("/clip.mp4"), zoom};
    const PlaylistRow a7{str("00:00:07"), str("/a.png"), zoom};
    const QStringList both{str("a.png=media/a.png"), str("clip.mp4=media/clip.mp4")};

    QTest::newRow("unchanged") << PlaylistRows{a5, clip, a7} << both;
    QTest::newRow("only row of a clip deleted")
        << PlaylistRows{a5, a7} << QStringList{str("a.png=media/a.png")};
    QTest::newRow("one of two rows of a file deleted") << PlaylistRows{clip, a7} << both;
    QTest::newRow("retimed") << PlaylistRows{{str("00:01:00"), str("/a.png"), zoom}, clip, a7}
                             << both;
    QTest::newRow("reordered") << PlaylistRows{clip, a7, a5} << both;
    QTest::newRow("new file added")
        << PlaylistRows{a5, clip, {str("00:00:03"), str("@media/b.jpg"), zoom}}
        << QStringList{str("a.png=media/a.png"), str("b.jpg=media/b.jpg"),
                       str("clip.mp4=media/clip.mp4")};
    QTest::newRow("new version of a file no row keeps")
        << PlaylistRows{clip, {str("00:00:11"), str("@other/a.png"), zoom}}
        << QStringList{str("a.png=other/a.png"), str("clip.mp4=media/clip.mp4")};
    QTest::newRow("everything replaced")
        << PlaylistRows{{str("00:00:03"), str("@media/b.jpg"), zoom}}
        << QStringList{str("b.jpg=media/b.jpg")};
}

void TestPackageWorkflow::update()
{
    QFETCH(PlaylistRows, edited);
    QFETCH(QStringList, entrySources);

    Session s;
    QString package;
    QVERIFY(saveStandardPackage(s, &package));
    QVERIFY(makeFile(s.path("media/b.jpg"), mediaBytes(str("b"), 500)));
    QVERIFY(makeFile(s.path("other/a.png"), mediaBytes(str("other a"), 800)));
    for (PlaylistRow &row : edited) {
        if (row.file.startsWith(QLatin1Char('@')))
            row.file = s.dir.filePath(row.file.mid(1));
    }
    s.setRows(edited);

    QString message;
    QVERIFY(s.save(&message));
    QCOMPARE(message, QString());
    QVERIFY(s.dialogs->criticals.isEmpty());
    QVERIFY(s.dialogs->questions.isEmpty());
    QCOMPARE(s.busyCaption, str("Compiling media..."));
    QVERIFY(!s.busy->isVisible());
    QCOMPARE(s.window.openedPackage(), package);
    QCOMPARE(s.rows(), storedRows(edited));
    QVERIFY(!QFileInfo::exists(s.path("json.txt")));

    ZipEntries entries;
    QString error;
    QVERIFY2(readZip(package, &entries, &error), qPrintable(error));
    QStringList names;
    for (const QString &pair : entrySources) {
        const QString name = pair.section(QLatin1Char('='), 0, 0);
        names.append(name);
        QCOMPARE(entries.value(name), fileBytes(s.dir.filePath(pair.section(QLatin1Char('='), 1))));
    }
    names.append(str("json.txt"));
    QCOMPARE(entries.keys(), names);
    QCOMPARE(entries.value(str("json.txt")),
             expectedDocument(edited, package, entries.value(str("json.txt"))));
}

void TestPackageWorkflow::replacingAnEntryInUseAsks_data()
{
    QTest::addColumn<bool>("replace");
    QTest::newRow("replace") << true;
    QTest::newRow("cancel") << false;
}

void TestPackageWorkflow::replacingAnEntryInUseAsks()
{
    QFETCH(bool, replace);

    Session s;
    QString package;
    QVERIFY(saveStandardPackage(s, &package));
    const QByteArray before = fileBytes(package);
    const QString newA = s.path("other/a.png");
    QVERIFY(makeFile(newA, mediaBytes(str("other a"), 800)));
    const PlaylistRows edited{{str("00:00:05"), str("/a.png"), zoom},
                              {str("NA"), str("/clip.mp4"), zoom},
                              {str("00:00:09"), newA, zoom}};
    s.setRows(edited);
    s.dialogs->questionAnswer = replace ? UserDialogs::Answer::Yes : UserDialogs::Answer::No;

    if (!replace) {
        QVERIFY(s.saveDoesNothing());
        QCOMPARE(s.dialogs->questions.size(), 1);
        QCOMPARE(fileBytes(package), before);
        QCOMPARE(s.rows(), edited);
        QCOMPARE(s.window.openedPackage(), package);
        QVERIFY(s.dialogs->criticals.isEmpty());
        return;
    }

    QString message;
    QVERIFY(s.save(&message));
    QCOMPARE(message, QString());
    QCOMPARE(s.dialogs->questions.size(), 1);
    const QString question = s.dialogs->questions.first();
    QVERIFY2(question.contains(QDir::toNativeSeparators(package)), qPrintable(question));
    QVERIFY2(question.contains(str("/a.png")), qPrintable(question));
    ZipEntries entries;
    QString error;
    QVERIFY2(readZip(package, &entries, &error), qPrintable(error));
    QCOMPARE(entries.value(str("a.png")), fileBytes(newA));
    QCOMPARE(entries.value(str("clip.mp4")), fileBytes(s.path("media/clip.mp4")));
    QCOMPARE(s.rows(), storedRows(edited));
}

void TestPackageWorkflow::updateFailures_data()
{
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QStringList>("mentions");

    QTest::newRow("package deleted behind the program's back")
        << "gone" << QStringList{str("@show.mrv"), str("no longer there")};
    QTest::newRow("package damaged behind the program's back")
        << "damaged" << QStringList{str("@show.mrv"), str("unchanged")};
    QTest::newRow("added media missing")
        << "missing" << QStringList{str("@media/gone.png"), str("does not exist")};
    QTest::newRow("two added files of one name")
        << "clash" << QStringList{str("@other/b.png"), str("@third/b.png")};
}

void TestPackageWorkflow::updateFailures()
{
    QFETCH(QString, problem);
    QFETCH(QStringList, mentions);

    Session s;
    QString package;
    QVERIFY(saveStandardPackage(s, &package));
    const QJsonObject document = s.window.openedPackageDocument();
    PlaylistRows rows = s.rows();
    if (problem == QLatin1String("gone")) {
        QVERIFY(QFile::remove(package));
    } else if (problem == QLatin1String("damaged")) {
        QVERIFY(writeBytes(package, "this is no longer a zip archive"));
    } else if (problem == QLatin1String("missing")) {
        rows.append({str("00:00:01"), s.path("media/gone.png"), zoom});
    } else if (problem == QLatin1String("clash")) {
        QVERIFY(makeFile(s.path("other/b.png"), "1"));
        QVERIFY(makeFile(s.path("third/b.png"), "2"));
        rows.append({str("00:00:01"), s.path("other/b.png"), zoom});
        rows.append({str("00:00:01"), s.path("third/b.png"), zoom});
    }
    s.setRows(rows);
    const bool existed = QFileInfo::exists(package);
    const QByteArray before = fileBytes(package);

    QString message;
    QVERIFY(s.save(&message));
    QCOMPARE(s.dialogs->criticals, QStringList{message});
    for (QString mention : mentions) {
        if (mention.startsWith(QLatin1Char('@')))
            mention = QDir::toNativeSeparators(s.dir.filePath(mention.mid(1)));
        QVERIFY2(message.contains(mention), qPrintable(message));
    }
    QCOMPARE(QFileInfo::exists(package), existed);
    QCOMPARE(fileBytes(package), before);
    QCOMPARE(s.rows(), rows);
    QCOMPARE(s.window.openedPackage(), package);
    QCOMPARE(s.window.openedPackageDocument(), document);
    QVERIFY(!s.busy->isVisible());
    QVERIFY(!QFileInfo::exists(s.path("json.txt")));
}

void TestPackageWorkflow::openFailuresKeepThePlaylist_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("cause");

    QTest::newRow("text file") << "text"
                               << "not a zip archive";
    QTest::newRow("truncated package") << "truncated"
                                       << "";
    QTest::newRow("damaged document") << "damaged"
                                      << "";
    QTest::newRow("no document") << "nodocument"
                                 << "json.txt";
    QTest::newRow("document only under a path") << "hostile"
                                                << "";
    QTest::newRow("document far too large") << "huge"
                                            << "";
    QTest::newRow("document not JSON") << "invalid"
                                       << "not valid JSON";
    QTest::newRow("document an array") << "array"
                                       << "not a JSON object";
    QTest::newRow("folder") << "folder"
                            << "";
    QTest::newRow("fifo") << "fifo"
                          << "";
    QTest::newRow("missing") << "missing"
                             << "";
}

void TestPackageWorkflow::openFailuresKeepThePlaylist()
{
    QFETCH(QString, kind);
    QFETCH(QString, cause);

    Session s;
    QString package;
    QVERIFY(saveStandardPackage(s, &package));
    QVERIFY(makeFile(s.path("media/b.jpg"), "b"));
    // An unsaved edit on screen must survive the failed open.
    PlaylistRows rows = s.rows();
    rows.append({str("00:00:02"), s.path("media/b.jpg"), zoom});
    s.setRows(rows);
    const QJsonObject document = s.window.openedPackageDocument();

    const QString bad = s.path("picked/bad.mrv");
    QVERIFY(QDir().mkpath(s.path("picked")));
    const QByteArray good = fileBytes(package);
    const QByteArray validDocument = R"({"gallery":[{"filename":"/x.png"}],"media":[]})";
    QString error;
    if (kind == QLatin1String("text")) {
        QVERIFY(writeBytes(bad, "just some words, not an archive\n"));
    } else if (kind == QLatin1String("truncated")) {
        QVERIFY(writeBytes(bad, good.left(good.size() / 2)));
    } else if (kind == QLatin1String("damaged")) {
        // Flip bytes inside the document's data, after its local header.
        QByteArray bytes = good;
        const int at = bytes.indexOf("json.txt");
        QVERIFY(at > 0);
        for (int i = at + 40; i < at + 60 && i < bytes.size(); ++i)
            bytes[i] = char(bytes[i] ^ 0x5a);
        QVERIFY(writeBytes(bad, bytes));
    } else if (kind == QLatin1String("nodocument")) {
        QVERIFY2(writeZip(bad, {{str("x.png"), "x"}}, &error), qPrintable(error));
    } else if (kind == QLatin1String("hostile")) {
        QVERIFY2(writeZip(bad, {{str("../json.txt"), validDocument}}, &error), qPrintable(error));
    } else if (kind == QLatin1String("huge")) {
        QVERIFY2(writeZip(bad, {{str("json.txt"), QByteArray(20 << 20, ' ') + "{}"}}, &error),
                 qPrintable(error));
    } else if (kind == QLatin1String("invalid")) {
        QVERIFY2(writeZip(bad, {{str("json.txt"), R"({"gallery": [)"}}, &error), qPrintable(error));
    } else if (kind == QLatin1String("array")) {
        QVERIFY2(writeZip(bad, {{str("json.txt"), "[]"}}, &error), qPrintable(error));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(bad));
    } else if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(bad).constData(), 0600), 0);
    }
    const QByteArray badBytes = QFileInfo(bad).isFile() ? fileBytes(bad) : QByteArray();

    s.dialogs->openAnswer = bad;
    s.clickOpen();

    QCOMPARE(s.dialogs->criticals.size(), 1);
    const QString message = s.dialogs->criticals.first();
    QVERIFY2(message.contains(QDir::toNativeSeparators(bad)), qPrintable(message));
    QVERIFY2(message.contains(cause), qPrintable(message));
    QCOMPARE(s.rows(), rows);
    QCOMPARE(s.window.openedPackage(), package);
    QCOMPARE(s.window.openedPackageDocument(), document);
    if (QFileInfo(bad).isFile())
        QCOMPARE(fileBytes(bad), badBytes);
    QCOMPARE(QDir(s.path("picked"))
                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
             kind == QLatin1String("missing") ? QStringList{} : QStringList{str("bad.mrv")});
}

void TestPackageWorkflow::documentWithoutGalleryOpensEmpty()
{
    Session s;
    QVERIFY2(s.dir.isValid(), qPrintable(s.dir.errorString()));
    QVERIFY(makeFile(s.path("a.png"), "a"));
    s.setRows({{str("00:00:05"), s.path("a.png"), zoom}});
    const QString package = s.path("bare.mrv");
    QString error;
    QVERIFY2(writeZip(package, {{str("json.txt"), R"({"name":"OfflinePlaylist"})"}}, &error),
             qPrintable(error));

    s.dialogs->openAnswer = package;
    s.clickOpen();
    QVERIFY(s.dialogs->criticals.isEmpty());
    QCOMPARE(s.rows(), PlaylistRows{});
    QCOMPARE(s.window.openedPackage(), package);
    QCOMPARE(s.window.openedPackageDocument().value(QLatin1String("name")).toString(),
             str("OfflinePlaylist"));
}

QTEST_MAIN(TestPackageWorkflow)
#include "tst_packageworkflow.moc"
