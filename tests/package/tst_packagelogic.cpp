#include "archive/platformfile.h"
#include "package/mediacheck.h"
#include "package/packagenames.h"
#include "package/packageplan.h"
#include "package/saveplan.h"
#include "tests/common/testkit.h"

#include <QtTest>

#include <sys/resource.h>
#include <unistd.h>

namespace {

// "a,b" as a list; "" as no items, so "," is two empty items.
QStringList list(const char *items)
{
    return *items ? str(items).split(QLatin1Char(',')) : QStringList();
}

// A real still picture (seconds 0), or a clip of that many seconds of noise.
bool writeMediaFile(const QString &path, int seconds = 0)
{
    const QString input = seconds ? str("testsrc=s=320x240:d=%1").arg(seconds) : str("testsrc");
    const QString output =
        seconds ? str("-vf noise=alls=40:allf=t -c:v mpeg4 -b:v 4M") : str("-frames:v 1");
    const QString args = str("-loglevel error -f lavfi -i ") + input + u' ' + output + str(" -y ");
    return runProgram(str("ffmpeg"), QString(args + path).split(u' ')) != "failed";
}

// A drive that returns other bytes than were written.
void flipFirstByte(const QByteArray &, qint64, char *data, qint64 len)
{
    if (len > 0)
        data[0] = char(data[0] ^ 0x55);
}

qint64 readBackBytes = 0;

void countReadBack(const QByteArray &, qint64, char *, qint64 len)
{
    readBackBytes += len;
}

} // namespace

class TestPackageLogic : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const char *name) const { return dir.filePath(str(name)); }

private slots:
    void derivedNames_data();
    void derivedNames();
    void rowMatching_data();
    void rowMatching();
    void refusals();
    void refusalNamesRows_data();
    void refusalNamesRows();
    void tooManyOpenFiles();
    void rowsReadBack();
    void saveProves_data();
    void saveProves();
    void readBackInProportion_data();
    void readBackInProportion();
};

void TestPackageLogic::derivedNames_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("packagePath"); // empty: refused

    for (const char *pair :
         {"/me/spring.mrv>/me/spring.mrv", "/me/spring>/me/spring.mrv",
          "/me/spring.final.zip>/me/spring.final.mrv", "/me/spring.>/me/spring.mrv",
          "/me/my.shows/spring>/me/my.shows/spring.mrv", "/me/SPRING.MRV>/me/SPRING.mrv",
          "spring.mrv>spring.mrv", "/me/.mrv>", "/me/>", ">"})
        QTest::newRow(pair) << str(pair).section(u'>', 0, 0) << str(pair).section(u'>', 1);
}

void TestPackageLogic::derivedNames()
{
    QFETCH(QString, chosen);
    QFETCH(QString, packagePath);
    PackageNames names;
    QCOMPARE(derivePackageNames(chosen, &names), !packagePath.isEmpty());
    QCOMPARE(names.packagePath, packagePath);
    QCOMPARE(names.folder, packagePath.left(packagePath.lastIndexOf(u'/') + 1));
}

void TestPackageLogic::rowMatching_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QStringList>("rowFiles");
    QTest::addColumn<QStringList>("deletions");
    QTest::addColumn<QStringList>("additions");
    QTest::addColumn<QStringList>("replaced"); // stored names an addition replaces while in use

    // Whole updates are saved for real by the workflow suite.
    const auto add = [](const char *name, const QByteArray &document, const char *rows,
                        const char *deletions, const char *additions, const char *replaced = "") {
        QTest::newRow(name) << document << list(rows) << list(deletions) << list(additions)
                            << list(replaced);
    };
    add("unused name listed per entry",
        R"({"gallery":[{"filename":"/c.png"},{"filename":"/c.png"}]})", "", "/c.png,/c.png", "");
    add("a prefix of a stored name", R"({"gallery":[{"filename":"/a.png.jpg"}]})",
        "/a.png,/a.png.j", "/a.png.jpg", "/a.png,/a.png.j");
    add("no gallery, or not an array", R"({"gallery":"/a.png"})", "/a.png", "", "/a.png");
    add("entry without a file name", R"({"gallery":[{"id":"1"},{"filename":7}]})", "/a.png", ",",
        "/a.png");
    add("case matters", R"({"gallery":[{"filename":"/A.png"}]})", "/a.png", "/A.png", "/a.png");
    const QByteArray two = R"({"gallery":[{"filename":"/a.png"},{"filename":"/clip.mp4"}]})";
    add("added twice, asked once", two, "/a.png,/new/a.png,/new/a.png", "/clip.mp4",
        "/new/a.png,/new/a.png", "/a.png");
    add("names in use, in gallery order", two, "/clip.mp4,/a.png,/x/clip.mp4,/y/a.png", "",
        "/x/clip.mp4,/y/a.png", "/a.png,/clip.mp4");
}

void TestPackageLogic::rowMatching()
{
    QFETCH(QByteArray, document);
    QFETCH(QStringList, rowFiles);
    QFETCH(QStringList, deletions);
    QFETCH(QStringList, additions);
    QFETCH(QStringList, replaced);

    const QJsonObject root = QJsonDocument::fromJson(document).object();
    PlaylistRows rows;
    for (const QString &file : rowFiles)
        rows.append(row("00:00:05", file));
    QCOMPARE(unmatchedStoredNames(root, rows), deletions);
    QCOMPARE(unmatchedRowFiles(root, rows), additions);
    QCOMPARE(storedNamesReplacedInUse(root, rows), replaced);
}

void TestPackageLogic::refusals()
{
    // FIFOs and missing files are refused by whole saves in the workflow suite.
    for (const char *name : {"a.png", "1/A.png", "2/a.png", "json.txt", "locked.png", "b\x1c.png"})
        QVERIFY(writeMedia(path(name)));
    QVERIFY(QFile::link(path("gone.png"), path("dangling.png")));
    QVERIFY(QDir(dir.path()).mkdir(str("folder.png")));
    QVERIFY(QFile::setPermissions(path("locked.png"), QFile::WriteOwner));
    QString error;
    QVERIFY(checkSavableMedia({path("a.png"), path("a.png")}, &error));

    QVERIFY(!checkSavableMedia(
        {path("a.png"), path("dangling.png"), path("1/A.png"), path("folder.png"), path("json.txt"),
         path("locked.png"), path("a.png"), path("2/a.png"), path("b\x1c.png"), path("gone.mp4")},
        &error));
    // <name> is the file in the test's folder, quoted; ^ the control character.
    QString expected = str(
        "The playlist was not saved; nothing was written.\n\nA package holds one file per name, "
        "and these files share a name (letter case does not count on USB sticks):\n"
        "    <a.png> / <1/A.png>\n    <a.png> / <2/a.png>\n"
        "Rename one file of each pair and add it again.\n\n"
        "The name json.txt belongs to the playlist document:\n    <json.txt>\n"
        "Rename these files and add them again.\n\nThese media files cannot be saved:\n"
        "    <dangling.png>: the link points to nothing\n    <folder.png>: it is a folder\n"
        "    <locked.png>: Permission denied\n"
        "    <b^.png>: its name holds a control character, which a package cannot store\n"
        "    <gone.mp4>: it does not exist\nPut them back or rename them, or delete their rows.");
    if (::geteuid() == 0) // root reads every file
        expected.remove(str("    <locked.png>: Permission denied\n"));
    expected.replace(u'<', str("\u201c") + dir.path() + u'/').replace(u'>', str("\u201d"));
    QCOMPARE(error, expected.replace(u'^', QChar(0x1c)));
}

void TestPackageLogic::refusalNamesRows_data()
{
    // Row files: "/x" a file the open package stores, "x" a file in the test's folder.
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("update"); // of the open package, or a new package from it
    QTest::addColumn<QStringList>("refused");

    QTest::newRow("missing file, update") << list("/a.png,gone.png") << true << list("gone.png");
    QTest::newRow("names that clash") << list("a.png,1/A.png") << false << list("a.png,1/A.png");
    QTest::newRow("replacing a file rows play")
        << list("/a.png,1/A.png") << true << list("/a.png,1/A.png");
}

void TestPackageLogic::refusalNamesRows()
{
    QFETCH(QStringList, files);
    QFETCH(bool, update);
    QFETCH(QStringList, refused);

    QTemporaryDir work;
    const auto at = [&work](const QString &file) {
        return file.startsWith(u'/') ? file : work.filePath(file);
    };
    QVERIFY(QDir(work.path()).mkdir(str("1")) && writeMediaFile(at(str("a.png"))) &&
            QFile::copy(at(str("a.png")), at(str("1/A.png"))));
    const QByteArray json =
        R"({"gallery":[{"filename":"/a.png"}],"media":[{"playtime":"00:00:04"}]})";
    QVERIFY(writeZip(at(str("show.mrv")),
                     {{str("a.png"), fileBytes(at(str("a.png")))}, {str("json.txt"), json, true}}));
    PlaylistRows rows;
    for (const QString &file : qAsConst(files))
        rows.append(row("00:00:04", at(file)));
    const QString target = at(str(update ? "show.mrv" : "copy.mrv"));
    const PackageContents open = runOpen(at(str("show.mrv")), str("Fade")).contents;
    for (QString &file : refused)
        file = at(file);
    QCOMPARE(runSavePlan(makeSavePlan(target, target, rows, open)).refusedFiles, refused);
}

void TestPackageLogic::rowsReadBack()
{
    // Types are read leniently; a video's time is its own; the transition is the window's.
    QVERIFY(
        writeZip(path("show.mrv"), {{str("json.txt"), R"({"gallery":["/a.png",{"filename":"/b.png"},
                        {"filename":"/CLIP.MP4"},{"filename":"/c.jpg"}],
                        "media":[{"playtime":"00:00:01"},{"playtime":5},{"playtime":"00:00:09"}]})",
                                     true}}));
    PackageContents contents;
    QString error;
    QVERIFY2(readPackage(path("show.mrv"), str("Fade"), &contents, &error), qPrintable(error));
    QCOMPARE(contents.rows,
             (PlaylistRows{row("00:00:01", "", "Fade"), row("", "/b.png", "Fade"),
                           row("NA", "/CLIP.MP4", "Fade"), row("", "/c.jpg", "Fade")}));
}

// Out of descriptors, the check says so: the files are fine, renaming them would not help.
void TestPackageLogic::tooManyOpenFiles()
{
    QVERIFY(writeMedia(path("fine.png")));
    rlimit old;
    QCOMPARE(getrlimit(RLIMIT_NOFILE, &old), 0);
    // Every descriptor up to the limit is taken, so the next open fails with EMFILE.
    rlimit tight = old;
    tight.rlim_cur = 64;
    QCOMPARE(setrlimit(RLIMIT_NOFILE, &tight), 0);
    QVector<int> taken;
    for (int fd = 0; (fd = ::dup(0)) >= 0;)
        taken.append(fd);
    QString error;
    const bool saved = checkSavableMedia({path("fine.png")}, &error);
    for (int fd : qAsConst(taken))
        ::close(fd);
    QCOMPARE(setrlimit(RLIMIT_NOFILE, &old), 0);
    QVERIFY(!saved);
    QVERIFY_CONTAINS(error, str("too many files open at once"));
    QVERIFY(error.contains(str("ulimit -n")) && !error.contains(str("rename")));
}

void TestPackageLogic::saveProves_data()
{
    QTest::addColumn<QString>("stored"); // the entry, as another zip tool named it
    QTest::addColumn<bool>("inPlace");   // an update, or a new package from the open one
    // "document": the document written names a file the package lacks;
    // "drive": the drive returns other bytes than were written.
    QTest::addColumn<QString>("fault");

    QTest::newRow("update keeps .jpeg") << str("pic.jpeg") << true << QString();
    QTest::newRow("new package keeps .jpeg") << str("pic.jpeg") << false << QString();
    QTest::newRow("update keeps upper case") << str("PIC.JPE") << true << QString();
    QTest::newRow("update: document, entries disagree")
        << str("pic.jpg") << true << str("document");
    QTest::newRow("new: document, entries disagree") << str("pic.jpg") << false << str("document");
    QTest::newRow("update read back wrong") << str("pic.jpg") << true << str("drive");
}

void TestPackageLogic::saveProves()
{
    QFETCH(QString, stored);
    QFETCH(bool, inPlace);
    QFETCH(QString, fault);

    QTemporaryDir work;
    const QString source = work.filePath(str("show.mrv"));
    const QString target = inPlace ? source : work.filePath(str("copy.mrv"));
    const QByteArray json = QByteArray(R"({"gallery":[{"filename":"/)") + stored.toUtf8() +
                            R"("}],"media":[{"playtime":"00:00:04"}]})";
    QVERIFY(writeMediaFile(work.filePath(str("pic.jpg"))) &&
            writeMediaFile(work.filePath(str("new.png"))));
    QVERIFY(writeZip(source, {{stored, fileBytes(work.filePath(str("pic.jpg")))},
                              {str("json.txt"), json, true}}));
    const PackageContents contents = runOpen(source, str("Fade")).contents;
    PlaylistRows rows = contents.rows;
    rows.first().time = str("00:00:09");
    rows.append(row("00:00:03", work.filePath(str("new.png"))));
    const QByteArray before = fileBytes(source);

    if (fault == QLatin1String("document"))
        setSaveDocumentHook(
            [](QByteArray *document) { document->replace("/pic.jpg", "/gone.jpg"); });
    if (fault == QLatin1String("drive"))
        Platform::setReadBackHook(flipFirstByte);
    const SaveOutcome outcome = runSavePlan(makeSavePlan(target, target, rows, contents));
    setSaveDocumentHook({});
    Platform::setReadBackHook(nullptr);

    if (fault == QLatin1String("document")) {
        QVERIFY(outcome.status != SaveOutcome::Status::Done);
        QVERIFY_CONTAINS(outcome.error, str("gone.jpg"));
        QCOMPARE(outcome.refusedFiles, QStringList{rows.first().file});
        QCOMPARE(fileBytes(source), before);
        QCOMPARE(QFileInfo::exists(target), inPlace);
        return;
    }
    QCOMPARE(int(outcome.status), int(SaveOutcome::Status::Done));
    // Written, but read back as other bytes: not verified, and the user is told.
    QCOMPARE(outcome.verifyMs >= 0, fault.isEmpty());
    QCOMPARE(outcome.warning.isEmpty(), fault.isEmpty());
    const ZipEntries entries = readZip(target);
    QCOMPARE(QSet<QString>(entries.keyBegin(), entries.keyEnd()),
             (QSet<QString>{stored, str("json.txt"), str("new.png")}));
    const QByteArray document = entries.value(str("json.txt"));
    QVERIFY2(document.contains(QByteArray("\"/" + stored.toUtf8() + "\"")) &&
                 document.contains("\"/new.png\""),
             document.constData());
}

void TestPackageLogic::readBackInProportion_data()
{
    QTest::addColumn<bool>("moved"); // the short clip moves down over a removed picture
    QTest::newRow("document only: the clips are proven by their records") << false;
    QTest::newRow("the short clip moved: read again, the long one not") << true;
}

void TestPackageLogic::readBackInProportion()
{
    QFETCH(bool, moved);
    QTemporaryDir work;
    const QString package = work.filePath(str("s.mrv"));
    // A long clip, a picture, a short clip: removing the picture moves only the short one.
    QVERIFY(writeMediaFile(work.filePath(str("long.mp4")), 8) &&
            writeMediaFile(work.filePath(str("pic.png"))) &&
            writeMediaFile(work.filePath(str("short.mp4")), 1));
    const PlaylistRows rows{row("NA", work.filePath(str("long.mp4"))),
                            row("00:00:04", work.filePath(str("pic.png"))),
                            row("NA", work.filePath(str("short.mp4")))};
    QCOMPARE(int(runSavePlan(makeSavePlan(package, package, rows)).status),
             int(SaveOutcome::Status::Done));
    const PackageContents contents = runOpen(package, str("Fade")).contents;
    PlaylistRows edited = contents.rows;
    if (moved)
        edited.removeAt(1);
    else
        edited[1].time = str("00:00:09");

    readBackBytes = 0;
    Platform::setReadBackHook(countReadBack);
    const SaveOutcome outcome = runSavePlan(makeSavePlan(package, package, edited, contents));
    Platform::setReadBackHook(nullptr);
    QVERIFY(outcome.status == SaveOutcome::Status::Done && outcome.verifyMs >= 0);
    const qint64 shortSize = QFileInfo(work.filePath(str("short.mp4"))).size();
    QVERIFY2(moved ? readBackBytes > shortSize &&
                         readBackBytes < QFileInfo(work.filePath(str("long.mp4"))).size()
                   : readBackBytes < shortSize / 4,
             qPrintable(QString::number(readBackBytes)));
}

QTEST_GUILESS_MAIN(TestPackageLogic)
#include "tst_packagelogic.moc"
