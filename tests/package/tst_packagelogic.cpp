#include "package/mediacheck.h"
#include "package/packagenames.h"
#include "package/packageplan.h"
#include "package/saveplan.h"
#include "tests/common/testkit.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

QJsonObject documentOf(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).object();
}

// "a,b" as a list; "" as no items, so "," is two empty items.
QStringList list(const char *items)
{
    return *items ? str(items).split(QLatin1Char(',')) : QStringList();
}

} // namespace

class TestPackageLogic : public QObject
{
    Q_OBJECT

private slots:
    void derivedNames_data();
    void derivedNames();
    void rowMatching_data();
    void rowMatching();
    void nameClashes_data();
    void nameClashes();
    void refusals();
    void rowsReadBack_data();
    void rowsReadBack();
    void tooManyRowsWriteNothing();
};

void TestPackageLogic::derivedNames_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("packagePath"); // empty: refused

    const auto add = [](const char *chosen, const char *folder, const char *packagePath) {
        QTest::newRow(chosen) << str(chosen) << str(folder) << str(packagePath);
    };
    add("/home/me/spring.mrv", "/home/me/", "/home/me/spring.mrv");
    add("/home/me/spring", "/home/me/", "/home/me/spring.mrv");
    add("/me/spring.final.zip", "/me/", "/me/spring.final.mrv");
    add("/me/spring.", "/me/", "/me/spring.mrv");
    add("/me/my.shows/spring", "/me/my.shows/", "/me/my.shows/spring.mrv");
    add("/shows/SPRING.MRV", "/shows/", "/shows/SPRING.mrv");
    add("spring.mrv", "", "spring.mrv");
    add("/home/me/.mrv", "", "");
    add("/home/me/", "", "");
    add("", "", "");
}

void TestPackageLogic::derivedNames()
{
    QFETCH(QString, chosen);
    QFETCH(QString, folder);
    QFETCH(QString, packagePath);

    PackageNames names;
    QCOMPARE(derivePackageNames(chosen, &names), !packagePath.isEmpty());
    QCOMPARE(names.folder, folder);
    QCOMPARE(names.packagePath, packagePath);
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
    add("a row that is a prefix keeps no orphan", R"({"gallery":[{"filename":"/a.png.jpg"}]})",
        "/a.png", "/a.png.jpg", "/a.png");
    add("a path inside a stored name is still added", R"({"gallery":[{"filename":"/a.png"}]})",
        "/a.png,/a", "", "/a");
    add("added path listed once per row", R"({"gallery":[{"filename":"/a.png"}]})",
        "/m/b.png,/a.png,/m/b.png", "", "/m/b.png,/m/b.png");
    add("no gallery adds every row", R"({"name":"x"})", "/a.png,/m/b.png", "", "/a.png,/m/b.png");
    add("gallery not an array", R"({"gallery":"/a.png"})", "/a.png", "", "/a.png");
    add("entry without a file name", R"({"gallery":[{"id":"1"},{"filename":7}]})", "/a.png", ",",
        "/a.png");
    add("case matters", R"({"gallery":[{"filename":"/A.png"}]})", "/a.png", "/A.png", "/a.png");
    const QByteArray two = R"({"gallery":[{"filename":"/a.png"},{"filename":"/clip.mp4"}]})";
    add("asked once for a name added twice", two, "/a.png,/new/a.png,/new/a.png", "/clip.mp4",
        "/new/a.png,/new/a.png", "/a.png");
    add("several names in use", two, "/clip.mp4,/a.png,/x/clip.mp4,/y/a.png", "",
        "/x/clip.mp4,/y/a.png", "/a.png,/clip.mp4");
    add("new name", two, "/a.png,/clip.mp4,/new/b.png", "", "/new/b.png");
}

void TestPackageLogic::rowMatching()
{
    QFETCH(QByteArray, document);
    QFETCH(QStringList, rowFiles);
    QFETCH(QStringList, deletions);
    QFETCH(QStringList, additions);
    QFETCH(QStringList, replaced);

    PlaylistRows rows;
    for (const QString &file : rowFiles)
        rows.append(row("00:00:05", file));
    QCOMPARE(unmatchedStoredNames(documentOf(document), rows), deletions);
    QCOMPARE(unmatchedRowFiles(documentOf(document), rows), additions);
    QCOMPARE(storedNamesReplacedInUse(documentOf(document), rows), replaced);
}

void TestPackageLogic::nameClashes_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QStringList>("clashes"); // "first > second"

    QTest::newRow("same file twice") << list("/m/a.png,/m/a.png") << list("");
    QTest::newRow("names differ in case")
        << list("/1/a.png,/2/A.png") << list("/1/a.png > /2/A.png");
    QTest::newRow("two cameras") << list("/cam1/IMG_1.jpg,/m/x.png,/cam2/IMG_1.jpg")
                                 << list("/cam1/IMG_1.jpg > /cam2/IMG_1.jpg");
    QTest::newRow("three of a name pair with the first")
        << list("/1/a.png,/2/a.png,/1/a.png,/3/a.png")
        << list("/1/a.png > /2/a.png,/1/a.png > /3/a.png");
}

void TestPackageLogic::nameClashes()
{
    QFETCH(QStringList, paths);
    QFETCH(QStringList, clashes);

    QStringList found;
    for (const NameClash &clash : findNameClashes(paths))
        found.append(clash.first + QLatin1String(" > ") + clash.second);
    QCOMPARE(found, clashes);
}

void TestPackageLogic::refusals()
{
    // FIFOs and missing files are refused by whole saves in the workflow suite.
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const auto path = [&dir](const char *name) { return dir.filePath(str(name)); };
    const auto quoted = [&path](const char *name) { return str("\u201c%1\u201d").arg(path(name)); };
    for (const char *name :
         {"a.png", "cam1/A.png", "json.txt", "unreadable.png", "back\\slash.png"})
        QVERIFY(writeMedia(path(name)));
    QVERIFY(QFile::link(path("gone.png"), path("dangling.png")));
    QVERIFY(QDir(dir.path()).mkdir(str("folder.png")));
    QVERIFY(QFile::setPermissions(path("unreadable.png"), QFile::WriteOwner));
    QString error;
    QVERIFY(checkSavableMedia({path("a.png"), path("a.png")}, &error));

    const QString expected =
        str("The playlist was not saved; nothing was written.\n\nA package holds one file per "
            "name, and these files share a name (letter case does not count on USB sticks):\n   "
            " ") +
        quoted("a.png") + str(" / ") + quoted("cam1/A.png") +
        str("\nRename one file of each pair and add it again.\n\n"
            "The name json.txt belongs to the playlist document:\n    ") +
        quoted("json.txt") +
        str("\nRename these files and add them again.\n\nThese media files cannot be saved:\n   "
            " ") +
        quoted("dangling.png") + str(": the link points to nothing\n    ") + quoted("folder.png") +
        str(": it is a folder\n    ") +
        (::geteuid() == 0 ? QString() // root reads every file
                          : quoted("unreadable.png") + str(": Permission denied\n    ")) +
        quoted("back\\slash.png") +
        str(": its name holds a backslash or a control character, which a package cannot "
            "store\n    ") +
        quoted("gone.mp4") +
        str(": it does not exist\nPut them back or rename them, or delete their rows.");
    QVERIFY(!checkSavableMedia({path("a.png"), path("dangling.png"), path("cam1/A.png"),
                                path("folder.png"), path("json.txt"), path("unreadable.png"),
                                path("a.png"), path("back\\slash.png"), path("gone.mp4")},
                               &error));
    QCOMPARE(error, expected);
}

void TestPackageLogic::rowsReadBack_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<PlaylistRows>("rows");

    // A video and an image are read back through Open in the workflow suite.
    QTest::newRow("upper-case video, stored transition not read")
        << QByteArray(R"({"gallery":[{"filename":"/CLIP.MP4"},{"filename":"/a.png"}],
                          "media":[{"playtime":"00:00:09"},{"playtime":"00:01:00","transition":"5"}]})")
        << PlaylistRows{row("NA", "/CLIP.MP4", "Fade"), row("00:01:00", "/a.png", "Fade")};
    QTest::newRow("wrong types and missing media read as empty")
        << QByteArray(R"({"gallery":["/a.png",{"filename":"/b.png"},{"filename":"/c.jpg"}],
                          "media":[{"playtime":"00:00:01"},{"playtime":5}]})")
        << PlaylistRows{row("00:00:01", "", "Fade"), row("", "/b.png", "Fade"),
                        row("", "/c.jpg", "Fade")};
    QTest::newRow("no gallery") << QByteArray(R"({"media":[{"playtime":"00:00:01"}]})")
                                << PlaylistRows{};
}

void TestPackageLogic::rowsReadBack()
{
    QFETCH(QByteArray, document);
    QFETCH(PlaylistRows, rows);

    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString package = dir.filePath(str("show.mrv"));
    QVERIFY(writeZip(package, {{str("json.txt"), document, true}}));
    PackageContents contents;
    QString error;
    QVERIFY2(readPackage(package, str("Fade"), &contents, &error), qPrintable(error));
    QCOMPARE(contents.rows, rows);
}

void TestPackageLogic::tooManyRowsWriteNothing()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    SavePlan plan;
    plan.packagePath = dir.filePath(str("show.mrv"));
    plan.mediaDir = plan.packagePath;
    plan.buildTime = QDateTime::currentDateTime();
    QVERIFY(writeMedia(dir.filePath(str("a.png"))));
    plan.rows = PlaylistRows(maxPlaylistRows + 1, row("00:00:04", dir.filePath(str("a.png"))));

    const SaveOutcome outcome = runSavePlan(plan);
    QCOMPARE(int(outcome.status), int(SaveOutcome::Status::Failed));
    QVERIFY2(outcome.error.contains(QString::number(maxPlaylistRows)), qPrintable(outcome.error));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{str("a.png")});
}

QTEST_GUILESS_MAIN(TestPackageLogic)
#include "tst_packagelogic.moc"
