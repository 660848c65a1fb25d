#include "package/mediacheck.h"
#include "package/packagenames.h"
#include "package/packageplan.h"
#include "package/packagereader.h"
#include "tests/common/testdata.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

QJsonObject documentOf(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        qFatal("bad test document: %s", json.constData());
    return document.object();
}

// "a,b" as a list; "" as no items, so "," is two empty items.
QStringList list(const QString &items)
{
    return items.isEmpty() ? QStringList() : items.split(QLatin1Char(','));
}

PlaylistRows rowsOf(const QString &files)
{
    PlaylistRows rows;
    for (const QString &file : list(files))
        rows.append(row("00:00:05", file));
    return rows;
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
    void mediaCheck();
    void refusalMessage();
    void rowsFromDocument_data();
    void rowsFromDocument();
};

void TestPackageLogic::derivedNames_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("packagePath"); // empty: refused

    const auto add = [](const char *name, const char *chosen, const char *folder,
                        const char *packagePath) {
        QTest::newRow(name) << str(chosen) << str(folder) << str(packagePath);
    };
    add("own extension kept", "/home/me/spring.mrv", "/home/me/", "/home/me/spring.mrv");
    add("no extension", "/home/me/spring", "/home/me/", "/home/me/spring.mrv");
    add("other extension replaced", "/me/spring.final.zip", "/me/", "/me/spring.final.mrv");
    add("trailing dot", "/me/spring.", "/me/", "/me/spring.mrv");
    add("dot only in folder", "/me/my.shows/spring", "/me/my.shows/", "/me/my.shows/spring.mrv");
    add("upper-case extension is another", "/shows/SPRING.MRV", "/shows/", "/shows/SPRING.mrv");
    add("no folder", "spring.mrv", "", "spring.mrv");
    add("extension only", "/home/me/.mrv", "", "");
    add("folder only", "/home/me/", "", "");
    add("empty", "", "", "");
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
    QTest::addColumn<QString>("rowFiles");
    QTest::addColumn<QStringList>("deletions");
    QTest::addColumn<QStringList>("additions");
    QTest::addColumn<QStringList>("replaced"); // stored names an addition replaces while in use

    // Whole-package cases (unchanged, a clip's only row deleted, a file of two rows,
    // replacing a name in use) are saved for real by the workflow suite.
    const auto add = [](const char *name, const QByteArray &document, const char *rows,
                        const char *deletions, const char *additions, const char *replaced = "") {
        QTest::newRow(name) << document << str(rows) << list(str(deletions)) << list(str(additions))
                            << list(str(replaced));
    };
    add("unused name listed per entry",
        R"({"gallery":[{"filename":"/c.png"},{"filename":"/c.png"}]})", "", "/c.png,/c.png", "");
    add("a row that is a prefix keeps no orphan", R"({"gallery":[{"filename":"/a.png.jpg"}]})",
        "/a.png", "/a.png.jpg", "/a.png");
    add("a path inside a stored name is still added", R"({"gallery":[{"filename":"/a.png"}]})",
        "/a.png,/a", "", "/a");
    add("added path listed once per row", R"({"gallery":[{"filename":"/a.png"}]})",
        "/m/b.png,/a.png,/m/b.png", "", "/m/b.png,/m/b.png");
    add("no gallery adds every row", R"({"name":"OfflinePlaylist"})", "/a.png,/m/b.png", "",
        "/a.png,/m/b.png");
    add("gallery not an array", R"({"gallery":"/a.png"})", "/a.png", "", "/a.png");
    add("entry without a file name", R"({"gallery":[{"id":"1"},{"filename":7}]})", "/a.png", ",",
        "/a.png");
    add("case matters", R"({"gallery":[{"filename":"/A.png"}]})", "/a.png", "/A.png", "/a.png");
    const QByteArray two = R"({"gallery":[{"filename":"/a.png"},{"filename":"/clip.mp4"}]})";
    add("asked once for a name added twice", two, "/a.png,/new/a.png,/new/a.png", "/clip.mp4",
        "/new/a.png,/new/a.png", "/a.png");
    add("several names in use", two, "/clip.mp4,/a.png,/x/clip.mp4,/y/a.png", "",
        "/x/clip.mp4,/y/a.png", "/clip.mp4,/a.png");
    add("new name", two, "/a.png,/clip.mp4,/new/b.png", "", "/new/b.png");
}

void TestPackageLogic::rowMatching()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, rowFiles);
    QFETCH(QStringList, deletions);
    QFETCH(QStringList, additions);
    QFETCH(QStringList, replaced);

    const PlaylistRows rows = rowsOf(rowFiles);
    QCOMPARE(unmatchedStoredNames(documentOf(document), rows), deletions);
    QCOMPARE(unmatchedRowFiles(documentOf(document), rows), additions);
    QCOMPARE(storedNamesReplacedInUse(documentOf(document), rows), replaced);
}

void TestPackageLogic::nameClashes_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QStringList>("clashes"); // "first > second"

    const auto add = [](const char *name, const char *paths, const char *clashes) {
        QTest::newRow(name) << list(str(paths)) << list(str(clashes));
    };
    add("same file twice", "/m/a.png,/m/a.png", "");
    add("different names", "/m/a.png,/m/b.png", "");
    add("two cameras", "/cam1/IMG_1.jpg,/m/x.png,/cam2/IMG_1.jpg",
        "/cam1/IMG_1.jpg > /cam2/IMG_1.jpg");
    add("three of a name pair with the first", "/1/a.png,/2/a.png,/1/a.png,/3/a.png",
        "/1/a.png > /2/a.png,/1/a.png > /3/a.png");
    add("names differ in case", "/1/a.png,/2/A.png", "");
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

void TestPackageLogic::mediaCheck()
{
    // Missing files and FIFOs are refused by whole saves in the workflow suite.
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const auto path = [&dir](const char *name) { return dir.filePath(str(name)); };
    QFile real(path("real.png"));
    QVERIFY(real.open(QIODevice::WriteOnly));
    real.close();
    QVERIFY(QFile::link(path("real.png"), path("link.png")));
    QVERIFY(QFile::link(path("gone.png"), path("dangling.png")));
    QVERIFY(QDir(dir.path()).mkdir(str("folder.png")));
    QVERIFY(QFile::copy(path("real.png"), path("unreadable.png")));
    QVERIFY(QFile::setPermissions(path("unreadable.png"), QFile::WriteOwner));

    QStringList found;
    for (const MediaProblem &problem :
         checkMediaFiles({path("real.png"), path("link.png"), path("dangling.png"),
                          path("folder.png"), path("unreadable.png")}))
        found.append(QFileInfo(problem.path).fileName() + QLatin1String(": ") + problem.reason);
    QStringList expected{str("dangling.png: the link points to nothing"),
                         str("folder.png: it is a folder")};
    if (::geteuid() != 0) // root reads every file
        expected.append(str("unreadable.png: Permission denied"));
    QCOMPARE(found, expected);
}

void TestPackageLogic::refusalMessage()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString a = dir.filePath(QStringLiteral("a.png"));
    const QString gone = dir.filePath(QStringLiteral("gone.mp4"));
    const QString cam1 = dir.filePath(QStringLiteral("cam1/a.png"));
    const QString document = dir.filePath(QStringLiteral("json.txt"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("cam1")));
    for (const QString &path : {a, cam1, document}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QCOMPARE(describeUnsavableMedia({a, a}), QString());

    const QString expected =
        QLatin1String("The playlist was not saved; nothing was written.\n\n"
                      "A package holds one file per name, and these files share a name:\n    ") +
        a + QLatin1String(" / ") + cam1 +
        QLatin1String("\nRename one file of each pair and add it again.\n\n"
                      "The name json.txt belongs to the playlist document:\n    ") +
        document +
        QLatin1String("\nRename these files and add them again.\n\n"
                      "These media files cannot be read:\n    ") +
        gone + QLatin1String(": it does not exist\nPut them back, or delete their rows.");
    QCOMPARE(describeUnsavableMedia({a, gone, cam1, document, a}), expected);
}

void TestPackageLogic::rowsFromDocument_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<PlaylistRows>("rows");

    // A video and an image are read back through Open in the workflow suite.
    QTest::newRow("upper-case video, stored transition not read")
        << QByteArray(R"({"gallery":[{"filename":"/CLIP.MP4"},{"filename":"/a.png"}],
                          "media":[{"playtime":"00:00:09"},{"playtime":"00:01:00","transition":"5"}]})")
        << PlaylistRows{row("NA", "/CLIP.MP4"), row("00:01:00", "/a.png")};
    QTest::newRow("wrong types and missing media read as empty")
        << QByteArray(R"({"gallery":["/a.png",{"filename":"/b.png"},{"filename":"/c.jpg"}],
                          "media":[{"playtime":"00:00:01"},{"playtime":5}]})")
        << PlaylistRows{row("00:00:01", ""), row("", "/b.png"), row("", "/c.jpg")};
    QTest::newRow("no gallery") << QByteArray(R"({"media":[{"playtime":"00:00:01"}]})")
                                << PlaylistRows{};
}

void TestPackageLogic::rowsFromDocument()
{
    QFETCH(QByteArray, document);
    QFETCH(PlaylistRows, rows);
    QCOMPARE(::rowsFromDocument(documentOf(document), QStringLiteral("Zoom")), rows);
}

QTEST_GUILESS_MAIN(TestPackageLogic)
#include "tst_packagelogic.moc"
