#include "document/playlistdocument.h"
#include "tests/document/expecteddocument.h"

#include <QtTest>

using namespace expected;

class TestPlaylistDocument : public QObject
{
    Q_OBJECT

private slots:
    void bytes_data();
    void bytes();
    void transitionCodes_data();
    void transitionCodes();
};

void TestPlaylistDocument::bytes_data()
{
    QTest::addColumn<PlaylistRows>("rows");
    QTest::addColumn<QString>("mediaDir");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("empty table") << PlaylistRows{} << QStringLiteral("/home/me/show.mrv")
                                 << QByteArray("{\n"
                                               "    \"create_time\": \"2024-03-05 17:08:09\",\n"
                                               "    \"gallery\": [\n"
                                               "    ],\n"
                                               "    \"id\": \"1\",\n"
                                               "    \"media\": [\n"
                                               "    ],\n"
                                               "    \"media_dir\": \"/home/me/show.mrv\",\n"
                                               "    \"name\": \"OfflinePlaylist\",\n"
                                               "    \"update_time\": \"2024-03-05 17:08:09\"\n"
                                               "}\n");

    QTest::newRow("one image with Fade")
        << PlaylistRows{{QStringLiteral("00:00:10"), QStringLiteral("/Users/me/a.png"),
                         QStringLiteral("Fade")}}
        << QStringLiteral("/Users/me/show.mrv")
        << document({galleryEntry("/a.png", "1", "00:00:10", "1")},
                    {mediaEntry("1", "00:00:10", "5")}, "/Users/me/show.mrv");

    QTest::newRow("video") << PlaylistRows{{QStringLiteral("NA"),
                                            QStringLiteral("/media/clips/movie.MP4"),
                                            QStringLiteral("Zoom")}}
                           << QStringLiteral("/media/show.mrv")
                           << document({galleryEntry("/movie.MP4", "1", "NA", "2")},
                                       {mediaEntry("1", "00:00:00", "6")}, "/media/show.mrv");

    // The folder's ".jpg" must not make the clip a still.
    QTest::newRow("video in a folder named like an image")
        << PlaylistRows{{QStringLiteral("NA"), QStringLiteral("/media/x.jpg.d/movie.avi"),
                         QStringLiteral("Zoom")}}
        << QStringLiteral("/media/show.mrv")
        << document({galleryEntry("/movie.avi", "1", "NA", "2")},
                    {mediaEntry("1", "00:00:00", "6")}, "/media/show.mrv");

    QTest::newRow("path without slash, empty media_dir")
        << PlaylistRows{{QStringLiteral("00:00:04"), QStringLiteral("photo.jpg"),
                         QStringLiteral("Zoom")}}
        << QString()
        << document({galleryEntry("photo.jpg", "1", "00:00:04", "1")},
                    {mediaEntry("1", "00:00:04", "6")}, "");

    QTest::newRow("path ending in slash")
        << PlaylistRows{{QStringLiteral("00:00:04"), QStringLiteral("/media/"),
                         QStringLiteral("Zoom")}}
        << QStringLiteral("/m.mrv")
        << document({galleryEntry("/", "1", "00:00:04", "0")}, {mediaEntry("1", "00:00:04", "6")},
                    "/m.mrv");

    QTest::newRow("non-ASCII name")
        << PlaylistRows{{QStringLiteral("00:01:00"), QString::fromUtf8("/home/me/Caf\u00e9.jpg"),
                         QStringLiteral("Zoom")}}
        << QString::fromUtf8("/home/me/\u00dcbung \u65e5\u672c.mrv")
        << document({galleryEntry("/Caf\xc3\xa9.jpg", "1", "00:01:00", "1")},
                    {mediaEntry("1", "00:01:00", "6")},
                    "/home/me/\xc3\x9c"
                    "bung \xe6\x97\xa5\xe6\x9c\xac.mrv");

    QTest::newRow("quote, backslash, control characters")
        << PlaylistRows{{QStringLiteral("00:00:04"),
                         QStringLiteral("/in/say \"hi\"\\back\tslash\x01\x7f.png"),
                         QStringLiteral("Zoom")}}
        << QStringLiteral("C:\\shows\\a.mrv")
        << document({galleryEntry("/say \\\"hi\\\"\\\\back\\tslash\\u0001\x7f.png", "1", "00:00:04",
                                  "1")},
                    {mediaEntry("1", "00:00:04", "6")}, "C:\\\\shows\\\\a.mrv");

    QTest::newRow("unknown transitions")
        << PlaylistRows{{QStringLiteral("00:00:04"), QStringLiteral("/a.png"),
                         QStringLiteral("Wipe")},
                        {QStringLiteral("00:00:04"), QStringLiteral("/b.png"),
                         QStringLiteral("zoom")}}
        << QStringLiteral("/s.mrv")
        << document({galleryEntry("/a.png", "1", "00:00:04", "1"),
                     galleryEntry("/b.png", "2", "00:00:04", "1")},
                    {mediaEntry("1", "00:00:04", "-1"), mediaEntry("2", "00:00:04", "-1")},
                    "/s.mrv");

    QTest::newRow("same file twice, other kinds")
        << PlaylistRows{{QStringLiteral("00:00:04"), QStringLiteral("/x/a.png"),
                         QStringLiteral("None")},
                        {QStringLiteral("00:00:07"), QStringLiteral("/x/a.png"),
                         QStringLiteral("Bounce")},
                        {QStringLiteral("00:00:04"), QStringLiteral("/x/bundle.zip"),
                         QStringLiteral("Zoom")},
                        {QStringLiteral("00:00:04"), QStringLiteral("/x/picture.jpeg"),
                         QStringLiteral("Zoom")}}
        << QStringLiteral("/s.mrv")
        << document({galleryEntry("/a.png", "1", "00:00:04", "1"),
                     galleryEntry("/a.png", "2", "00:00:07", "1"),
                     galleryEntry("/bundle.zip", "3", "00:00:04", "3"),
                     galleryEntry("/picture.jpeg", "4", "00:00:04", "0")},
                    {mediaEntry("1", "00:00:04", "0"), mediaEntry("2", "00:00:07", "7"),
                     mediaEntry("3", "00:00:04", "6"), mediaEntry("4", "00:00:04", "6")},
                    "/s.mrv");
}

void TestPlaylistDocument::bytes()
{
    QFETCH(PlaylistRows, rows);
    QFETCH(QString, mediaDir);
    QFETCH(QByteArray, expected);

    const QByteArray actual =
        renderPlaylistDocument(buildPlaylistDocument(rows, mediaDir, buildTime));
    // QCOMPARE on the whole text shows little; the first differing line says where.
    const QList<QByteArray> actualLines = actual.split('\n');
    const QList<QByteArray> expectedLines = expected.split('\n');
    for (int i = 0; i < qMin(actualLines.size(), expectedLines.size()); ++i)
        QCOMPARE(actualLines.at(i), expectedLines.at(i));
    QCOMPARE(actual, expected);
}

void TestPlaylistDocument::transitionCodes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("code");

    QTest::newRow("None") << QStringLiteral("None") << 0;
    QTest::newRow("Slide left") << QStringLiteral("Slide left") << 1;
    QTest::newRow("Slide right") << QStringLiteral("Slide right") << 2;
    QTest::newRow("Slide down") << QStringLiteral("Slide down") << 3;
    QTest::newRow("Slide up") << QStringLiteral("Slide up") << 4;
    QTest::newRow("Fade") << QStringLiteral("Fade") << 5;
    QTest::newRow("Zoom") << QStringLiteral("Zoom") << 6;
    QTest::newRow("Bounce") << QStringLiteral("Bounce") << 7;
    QTest::newRow("other case") << QStringLiteral("slide Left") << -1;
    QTest::newRow("trailing space") << QStringLiteral("Fade ") << -1;
    QTest::newRow("prefix of a name") << QStringLiteral("Slide") << -1;
    QTest::newRow("empty") << QString() << -1;
}

void TestPlaylistDocument::transitionCodes()
{
    QFETCH(QString, name);
    QFETCH(int, code);
    QCOMPARE(transitionCode(name), code);
}

QTEST_GUILESS_MAIN(TestPlaylistDocument)
#include "tst_playlistdocument.moc"
