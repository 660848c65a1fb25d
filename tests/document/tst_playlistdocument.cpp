#include "document/playlistdocument.h"
#include "tests/common/testdata.h"

#include <QtTest>

namespace {

const QDateTime buildTime(QDate(2024, 3, 5), QTime(17, 8, 9));

// What one row must become, as it appears in the expected text.
struct Entry
{
    const char *filename;
    const char *time;
    const char *type;
    const char *playtime;
    const char *transition;
};

// Typed from the document rules: members in key order, four spaces per level,
// only '"', '\\' and control characters escaped. Ids are positions from 1.
QByteArray document(const QVector<Entry> &entries, const QByteArray &mediaDir)
{
    QByteArray gallery;
    QByteArray media;
    for (int i = 0; i < entries.size(); ++i) {
        const Entry &e = entries.at(i);
        const QByteArray separator = i + 1 < entries.size() ? ",\n" : "\n";
        gallery += QByteArray("        {\n"
                              "            \"create_time\": \"2024-03-05 17:08:09\",\n"
                              "            \"filename\": \"<filename>\",\n"
                              "            \"filesize\": \"0\",\n"
                              "            \"id\": \"<id>\",\n"
                              "            \"md5\": \"0\",\n"
                              "            \"thumbnail\": \"video_not_found.jpg\",\n"
                              "            \"time\": \"<time>\",\n"
                              "            \"type\": \"<type>\",\n"
                              "            \"update_time\": \"2024-03-05 17:08:09\",\n"
                              "            \"user_id\": \"1\"\n"
                              "        }")
                       .replace("<time>", e.time)
                       .replace("<type>", e.type)
                       .replace("<id>", QByteArray::number(i + 1))
                       .replace("<filename>", e.filename) +
                   separator;
        media += QByteArray("        {\n"
                            "            \"create_time\": \"2024-03-05 17:08:09\",\n"
                            "            \"end_date_time\": \"0000-00-00 00:00:00\",\n"
                            "            \"end_date_time_enabled\": \"0\",\n"
                            "            \"gallery_id\": \"<id>\",\n"
                            "            \"id\": \"<id>\",\n"
                            "            \"item\": <id>,\n"
                            "            \"log_identity_id\": \"1\",\n"
                            "            \"play_at_end\": \"00:00:00\",\n"
                            "            \"play_at_start\": \"00:00:00\",\n"
                            "            \"play_at_time_window\": \"0\",\n"
                            "            \"playlist_id\": \"1\",\n"
                            "            \"playtime\": \"<playtime>\",\n"
                            "            \"shortcut_url\": \"\",\n"
                            "            \"start_date_time\": \"0000-00-00 00:00:00\",\n"
                            "            \"start_date_time_enabled\": \"0\",\n"
                            "            \"transition\": \"<transition>\",\n"
                            "            \"type\": \"0\",\n"
                            "            \"update_time\": \"2024-03-05 17:08:09\"\n"
                            "        }")
                     .replace("<playtime>", e.playtime)
                     .replace("<transition>", e.transition)
                     .replace("<id>", QByteArray::number(i + 1)) +
                 separator;
    }
    return QByteArray("{\n"
                      "    \"create_time\": \"2024-03-05 17:08:09\",\n"
                      "    \"gallery\": [\n"
                      "<gallery>"
                      "    ],\n"
                      "    \"id\": \"1\",\n"
                      "    \"media\": [\n"
                      "<media>"
                      "    ],\n"
                      "    \"media_dir\": \"<media_dir>\",\n"
                      "    \"name\": \"OfflinePlaylist\",\n"
                      "    \"update_time\": \"2024-03-05 17:08:09\"\n"
                      "}\n")
        .replace("<media_dir>", mediaDir)
        .replace("<gallery>", gallery)
        .replace("<media>", media);
}

} // namespace

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

    const auto add = [](const char *name, const PlaylistRows &rows, const QString &mediaDir,
                        const QByteArray &expected) {
        QTest::newRow(name) << rows << mediaDir << expected;
    };
    add("empty table", {}, str("/home/me/show.mrv"), document({}, "/home/me/show.mrv"));
    add("image with Fade, video",
        {row("00:00:10", "/Users/me/a.png", "Fade"), row("NA", "/media/clips/movie.MP4")},
        str("/Users/me/show.mrv"),
        document({{"/a.png", "00:00:10", "1", "00:00:10", "5"},
                  {"/movie.MP4", "NA", "2", "00:00:00", "6"}},
                 "/Users/me/show.mrv"));
    add("paths without a name, empty media_dir",
        {row("00:00:04", "photo.jpg"), row("00:00:04", "/media/")}, QString(),
        document({{"photo.jpg", "00:00:04", "1", "00:00:04", "6"},
                  {"/", "00:00:04", "0", "00:00:04", "6"}},
                 ""));
    add("non-ASCII name", {row("00:01:00", "/home/me/Caf\u00e9.jpg")},
        str("/home/me/\u00dcbung \u65e5\u672c.mrv"),
        document({{"/Caf\xc3\xa9.jpg", "00:01:00", "1", "00:01:00", "6"}},
                 "/home/me/\xc3\x9c"
                 "bung \xe6\x97\xa5\xe6\x9c\xac.mrv"));
    add("quote, backslash, control characters",
        {row("00:00:04", "/in/say \"hi\"\\back\tslash\x01\x7f.png")}, str("C:\\shows\\a.mrv"),
        document(
            {{"/say \\\"hi\\\"\\\\back\\tslash\\u0001\x7f.png", "00:00:04", "1", "00:00:04", "6"}},
            "C:\\\\shows\\\\a.mrv"));
    add("same file twice, other kinds, unknown transitions",
        {row("00:00:04", "/x/a.png", "None"), row("00:00:07", "/x/a.png", "Bounce"),
         row("00:00:04", "/x/bundle.zip", "Wipe"), row("00:00:04", "/x/picture.jpeg", "zoom")},
        str("/s.mrv"),
        document({{"/a.png", "00:00:04", "1", "00:00:04", "0"},
                  {"/a.png", "00:00:07", "1", "00:00:07", "7"},
                  {"/bundle.zip", "00:00:04", "3", "00:00:04", "-1"},
                  {"/picture.jpeg", "00:00:04", "0", "00:00:04", "-1"}},
                 "/s.mrv"));
}

void TestPlaylistDocument::bytes()
{
    QFETCH(PlaylistRows, rows);
    QFETCH(QString, mediaDir);
    QFETCH(QByteArray, expected);

    const QByteArray actual =
        renderPlaylistDocument(buildPlaylistDocument(rows, mediaDir, buildTime));
    // The first differing line says where; a whole-text comparison shows little.
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

    // None, Fade, Zoom and Bounce are held to their codes by the golden documents.
    QTest::newRow("Slide left") << str("Slide left") << 1;
    QTest::newRow("Slide right") << str("Slide right") << 2;
    QTest::newRow("Slide down") << str("Slide down") << 3;
    QTest::newRow("Slide up") << str("Slide up") << 4;
    QTest::newRow("other case") << str("slide Left") << -1;
    QTest::newRow("trailing space") << str("Fade ") << -1;
    QTest::newRow("prefix of a name") << str("Slide") << -1;
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
