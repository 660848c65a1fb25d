#include "package/mediacheck.h"
#include "package/packagenames.h"
#include "package/packageplan.h"
#include "package/packagereader.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(PlaylistRows)

namespace {

QJsonObject documentOf(const char *json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray(json), &error);
    if (error.error != QJsonParseError::NoError)
        qFatal("bad test document: %s", json);
    return document.object();
}

PlaylistRows rowsOf(const QStringList &files)
{
    PlaylistRows rows;
    for (const QString &file : files)
        rows.append({QStringLiteral("00:00:05"), file, QStringLiteral("Zoom")});
    return rows;
}

QStringList names(std::initializer_list<const char *> items)
{
    QStringList list;
    for (const char *item : items)
        list.append(QString::fromUtf8(item));
    return list;
}

PlaylistRow row(const char *time, const char *file)
{
    return {QString::fromUtf8(time), QString::fromUtf8(file), QStringLiteral("Zoom")};
}

QStringList clashTexts(const QVector<NameClash> &clashes)
{
    QStringList texts;
    for (const NameClash &clash : clashes)
        texts.append(clash.first + QLatin1String(" | ") + clash.second);
    return texts;
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
    void replacedEntriesInUse_data();
    void replacedEntriesInUse();
    void mediaCheck_data();
    void mediaCheck();
    void refusalMessage();
    void rowsFromDocument_data();
    void rowsFromDocument();
};

void TestPackageLogic::derivedNames_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("packagePath");

    QTest::newRow("own extension kept")
        << "/home/user/shows/spring.mrv" << true << "/home/user/shows/"
        << "/home/user/shows/spring.mrv";
    QTest::newRow("no extension") << "/home/user/shows/spring" << true << "/home/user/shows/"
                                  << "/home/user/shows/spring.mrv";
    QTest::newRow("other extension replaced")
        << "/home/user/shows/spring.final.zip" << true << "/home/user/shows/"
        << "/home/user/shows/spring.final.mrv";
    QTest::newRow("trailing dot") << "/home/user/shows/spring." << true << "/home/user/shows/"
                                  << "/home/user/shows/spring.mrv";
    QTest::newRow("dot only in folder")
        << "/home/user/my.shows/spring" << true << "/home/user/my.shows/"
        << "/home/user/my.shows/spring.mrv";
    QTest::newRow("upper-case extension is another extension")
        << "/shows/SPRING.MRV" << true << "/shows/"
        << "/shows/SPRING.mrv";
    QTest::newRow("no folder") << "spring.mrv" << true << ""
                               << "spring.mrv";
    QTest::newRow("extension only") << "/home/user/shows/.mrv" << false << ""
                                    << "";
    QTest::newRow("folder only") << "/home/user/shows/" << false << ""
                                 << "";
    QTest::newRow("empty") << "" << false << ""
                           << "";
}

void TestPackageLogic::derivedNames()
{
    QFETCH(QString, chosen);
    QFETCH(bool, accepted);
    QFETCH(QString, folder);
    QFETCH(QString, packagePath);

    PackageNames names;
    QCOMPARE(derivePackageNames(chosen, &names), accepted);
    QCOMPARE(names.folder, folder);
    QCOMPARE(names.packagePath, packagePath);
}

void TestPackageLogic::rowMatching_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QStringList>("rowFiles");
    QTest::addColumn<QStringList>("deletions");
    QTest::addColumn<QStringList>("additions");

    const QByteArray two = R"({"gallery":[{"filename":"/a.png"},{"filename":"/clip.mp4"}]})";
    QTest::newRow("unchanged") << two << names({"/clip.mp4", "/a.png"}) << names({}) << names({});
    QTest::newRow("only row of a clip deleted")
        << two << names({"/a.png"}) << names({"/clip.mp4"}) << names({});
    QTest::newRow("file of two rows keeps its entries")
        << QByteArray(R"({"gallery":[{"filename":"/a.png"},{"filename":"/a.png"}]})")
        << names({"/a.png"}) << names({}) << names({});
    QTest::newRow("unused name listed per entry")
        << QByteArray(R"({"gallery":[{"filename":"/c.png"},{"filename":"/c.png"}]})") << names({})
        << names({"/c.png", "/c.png"}) << names({});
    QTest::newRow("a row that is a prefix keeps no orphan")
        << QByteArray(R"({"gallery":[{"filename":"/a.png.jpg"}]})") << names({"/a.png"})
        << names({"/a.png.jpg"}) << names({"/a.png"});
    QTest::newRow("a path inside a stored name is still added")
        << QByteArray(R"({"gallery":[{"filename":"/a.png"}]})") << names({"/a.png", "/a"})
        << names({}) << names({"/a"});
    QTest::newRow("added path listed once per row")
        << QByteArray(R"({"gallery":[{"filename":"/a.png"}]})")
        << names({"/m/b.png", "/a.png", "/m/b.png"}) << names({})
        << names({"/m/b.png", "/m/b.png"});
    QTest::newRow("no gallery adds every row")
        << QByteArray(R"({"name":"OfflinePlaylist"})") << names({"/a.png", "/m/b.png"}) << names({})
        << names({"/a.png", "/m/b.png"});
    QTest::newRow("gallery not an array") << QByteArray(R"({"gallery":"/a.png"})")
                                          << names({"/a.png"}) << names({}) << names({"/a.png"});
    QTest::newRow("entry without a file name")
        << QByteArray(R"({"gallery":[{"id":"1"},{"filename":7}]})") << names({"/a.png"})
        << names({"", ""}) << names({"/a.png"});
    QTest::newRow("case matters") << QByteArray(R"({"gallery":[{"filename":"/A.png"}]})")
                                  << names({"/a.png"}) << names({"/A.png"}) << names({"/a.png"});
}

void TestPackageLogic::rowMatching()
{
    QFETCH(QByteArray, document);
    QFETCH(QStringList, rowFiles);
    QFETCH(QStringList, deletions);
    QFETCH(QStringList, additions);

    const QJsonObject root = documentOf(document.constData());
    QCOMPARE(unmatchedStoredNames(root, rowsOf(rowFiles)), deletions);
    QCOMPARE(unmatchedRowFiles(root, rowsOf(rowFiles)), additions);
}

void TestPackageLogic::nameClashes_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QStringList>("clashes");

    QTest::newRow("same file twice") << names({"/m/a.png", "/m/a.png"}) << names({});
    QTest::newRow("different names") << names({"/m/a.png", "/m/b.png"}) << names({});
    QTest::newRow("two cameras") << names({"/cam1/IMG_0001.jpg", "/m/x.png", "/cam2/IMG_0001.jpg"})
                                 << names({"/cam1/IMG_0001.jpg | /cam2/IMG_0001.jpg"});
    QTest::newRow("three of a name pair with the first")
        << names({"/1/a.png", "/2/a.png", "/1/a.png", "/3/a.png"})
        << names({"/1/a.png | /2/a.png", "/1/a.png | /3/a.png"});
    QTest::newRow("names differ in case") << names({"/1/a.png", "/2/A.png"}) << names({});
}

void TestPackageLogic::nameClashes()
{
    QFETCH(QStringList, paths);
    QFETCH(QStringList, clashes);
    QCOMPARE(clashTexts(findNameClashes(paths)), clashes);
}

void TestPackageLogic::replacedEntriesInUse_data()
{
    QTest::addColumn<QStringList>("rowFiles");
    QTest::addColumn<QStringList>("replaced");

    // The package holds /a.png and /clip.mp4.
    QTest::newRow("new file of a name a row still plays")
        << names({"/a.png", "/new/a.png", "/clip.mp4"}) << names({"/a.png"});
    QTest::newRow("new version of a name no row plays")
        << names({"/new/a.png", "/clip.mp4"}) << names({});
    QTest::newRow("new name") << names({"/a.png", "/new/b.png"}) << names({});
    QTest::newRow("asked once for a name added twice")
        << names({"/a.png", "/new/a.png", "/new/a.png"}) << names({"/a.png"});
    QTest::newRow("several names in use")
        << names({"/clip.mp4", "/a.png", "/x/clip.mp4", "/y/a.png"})
        << names({"/clip.mp4", "/a.png"});
}

void TestPackageLogic::replacedEntriesInUse()
{
    QFETCH(QStringList, rowFiles);
    QFETCH(QStringList, replaced);
    const QJsonObject root =
        documentOf(R"({"gallery":[{"filename":"/a.png"},{"filename":"/clip.mp4"}]})");
    QCOMPARE(storedNamesReplacedInUse(root, rowsOf(rowFiles)), replaced);
}

void TestPackageLogic::mediaCheck_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");

    QTest::newRow("regular file") << "file"
                                  << "";
    QTest::newRow("link to a regular file") << "link"
                                            << "";
    QTest::newRow("missing") << "missing"
                             << "it does not exist";
    QTest::newRow("dangling link") << "dangling"
                                   << "the link points to nothing";
    QTest::newRow("folder") << "folder"
                            << "it is a folder";
    QTest::newRow("fifo") << "fifo"
                          << "it is not a regular file";
    QTest::newRow("unreadable") << "unreadable"
                                << "Permission denied";
}

void TestPackageLogic::mediaCheck()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString regular = dir.filePath(QStringLiteral("real.png"));
    const QString path = dir.filePath(QStringLiteral("media.png"));
    QFile real(regular);
    QVERIFY(real.open(QIODevice::WriteOnly));
    real.write("png");
    real.close();

    if (kind == QLatin1String("file")) {
        QVERIFY(QFile::copy(regular, path));
    } else if (kind == QLatin1String("link")) {
        QVERIFY(QFile::link(regular, path));
    } else if (kind == QLatin1String("dangling")) {
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone.png")), path));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("media.png")));
    } else if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QLatin1String("unreadable")) {
        if (::geteuid() == 0)
            QSKIP("root reads every file");
        QVERIFY(QFile::copy(regular, path));
        QVERIFY(QFile::setPermissions(path, QFile::WriteOwner));
    }

    const QVector<MediaProblem> problems = checkMediaFiles({regular, path});
    if (reason.isEmpty()) {
        QVERIFY(problems.isEmpty());
        return;
    }
    QCOMPARE(problems.size(), 1);
    QCOMPARE(problems.first().path, path);
    QVERIFY2(problems.first().reason.contains(reason), qPrintable(problems.first().reason));
}

void TestPackageLogic::refusalMessage()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString a = dir.filePath(QStringLiteral("a.png"));
    QFile file(a);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    QCOMPARE(describeUnsavableMedia({a, a}), QString());

    const QString gone = dir.filePath(QStringLiteral("gone.mp4"));
    const QString cam1 = dir.filePath(QStringLiteral("cam1/a.png"));
    const QString document = dir.filePath(QStringLiteral("json.txt"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("cam1")));
    QVERIFY(QFile::copy(a, cam1));
    QVERIFY(QFile::copy(a, document));

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

    QTest::newRow("video then image")
        << QByteArray(R"({"gallery":[{"filename":"/clip.mp4"},{"filename":"/a.png"}],
                          "media":[{"playtime":"00:00:00"},{"playtime":"00:00:07"}]})")
        << PlaylistRows{row("NA", "/clip.mp4"), row("00:00:07", "/a.png")};
    QTest::newRow("media empty") << QByteArray(
                                        R"({"gallery":[{"filename":"/a.png"},{"filename":"/b.jpg"},
                          {"filename":"/c.png"}],"media":[]})")
                                 << PlaylistRows{row("", "/a.png"), row("", "/b.jpg"),
                                                 row("", "/c.png")};
    QTest::newRow("upper-case video")
        << QByteArray(R"({"gallery":[{"filename":"/CLIP.MP4"}],"media":[{"playtime":"00:00:09"}]})")
        << PlaylistRows{row("NA", "/CLIP.MP4")};
    QTest::newRow("stored transition not read") << QByteArray(R"({"gallery":[{"filename":"/a.png"}],
                          "media":[{"playtime":"00:01:00","transition":"5"}]})")
                                                << PlaylistRows{row("00:01:00", "/a.png")};
    QTest::newRow("wrong types read as empty")
        << QByteArray(R"({"gallery":["/a.png",{"filename":"/b.png"}],
                          "media":[{"playtime":"00:00:01"},{"playtime":5}]})")
        << PlaylistRows{row("00:00:01", ""), row("", "/b.png")};
    QTest::newRow("no gallery") << QByteArray(R"({"media":[{"playtime":"00:00:01"}]})")
                                << PlaylistRows{};
}

void TestPackageLogic::rowsFromDocument()
{
    QFETCH(QByteArray, document);
    QFETCH(PlaylistRows, rows);
    QCOMPARE(::rowsFromDocument(documentOf(document.constData()), QStringLiteral("Zoom")), rows);
}

QTEST_GUILESS_MAIN(TestPackageLogic)
#include "tst_packagelogic.moc"
