#include "document/playlistdocument.h"
#include "tests/common/testkit.h"

#include <QtTest>

using Entries = QVector<QByteArrayList>; // filename, time, type, playtime, transition
Q_DECLARE_METATYPE(Entries)

class TestPlaylistDocument : public QObject
{
    Q_OBJECT

private slots:
    void bytes_data();
    void bytes();
};

void TestPlaylistDocument::bytes_data()
{
    QTest::addColumn<PlaylistRows>("rows");
    QTest::addColumn<QString>("mediaDir");
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QByteArray>("expectedMediaDir");
    QTest::addColumn<QByteArray>("buildTime"); // hours of one digit and of two, over 12

    QTest::newRow("empty table, morning")
        << PlaylistRows{} << str("/me/show") << Entries{} << QByteArray("/me/show")
        << QByteArray("2024-03-05 07:08:09");
    QTest::newRow("image with Fade, video, no names, empty media_dir")
        << PlaylistRows{row("00:00:10", "/Users/me/a.png", "Fade"), row("NA", "/clips/movie.MP4"),
                        row("00:00:04", "photo.jpg"), row("00:00:04", "/media/")}
        << QString()
        << Entries{{"/a.png", "00:00:10", "1", "00:00:10", "5"},
                   {"/movie.MP4", "NA", "2", "00:00:00", "6"},
                   {"photo.jpg", "00:00:04", "1", "00:00:04", "6"},
                   {"/", "00:00:04", "0", "00:00:04", "6"}}
        << QByteArray() << QByteArray("2024-03-05 17:08:09");
    // UTF-8 as it is; only '"', '\\' and control characters escaped.
    QTest::newRow("non-ASCII, quote, backslash, control characters")
        << PlaylistRows{row("00:01:00", "/in/Caf\u00e9 \"hi\"\\back\tslash\x01\x7f.png")}
        << str("C:\\shows\\\u00dcbung \u65e5\u672c.mrv")
        << Entries{{"/Caf\xc3\xa9 \\\"hi\\\"\\\\back\\tslash\\u0001\x7f.png", "00:01:00", "1",
                    "00:01:00", "6"}}
        << QByteArray("C:\\\\shows\\\\\xc3\x9c"
                      "bung \xe6\x97\xa5\xe6\x9c\xac.mrv")
        << QByteArray("2024-12-31 23:59:59");
    // Every transition name, then names that are none; other kinds of file.
    QTest::newRow("transitions, kinds, same file twice")
        << PlaylistRows{row("00:00:01", "/x/a.png", "None"),
                        row("00:00:02", "/x/a.png", "Slide left"),
                        row("00:00:03", "/x/b.zip", "Slide right"),
                        row("00:00:04", "/x/c.JPEG", "Slide down"),
                        row("00:00:05", "/x/d", "Slide up"),
                        row("00:00:06", "/x/d.png/e", "Bounce"),
                        row("00:00:07", "/x/f.AVI", "zoom"),
                        row("00:00:08", "/x/g.jpg", "Fade "),
                        row("00:00:09", "/x/h.png", "")}
        << str("/s.mrv") << Entries{{"/a.png", "00:00:01", "1", "00:00:01", "0"},
                                    {"/a.png", "00:00:02", "1", "00:00:02", "1"},
                                    {"/b.zip", "00:00:03", "3", "00:00:03", "2"},
                                    {"/c.jpg", "00:00:04", "1", "00:00:04", "3"},
                                    {"/d", "00:00:05", "0", "00:00:05", "4"},
                                    {"/e", "00:00:06", "0", "00:00:06", "7"},
                                    {"/f.AVI", "00:00:07", "2", "00:00:07", "-1"},
                                    {"/g.jpg", "00:00:08", "1", "00:00:08", "-1"},
                                    {"/h.png", "00:00:09", "1", "00:00:09", "-1"}}
        << QByteArray("/s.mrv") << QByteArray("2024-03-05 17:08:09");
}

void TestPlaylistDocument::bytes()
{
    QFETCH(PlaylistRows, rows);
    QFETCH(QString, mediaDir);
    QFETCH(Entries, entries);
    QFETCH(QByteArray, expectedMediaDir);
    QFETCH(QByteArray, buildTime);

    const QDateTime time = QDateTime::fromString(str(buildTime), str("yyyy-MM-dd HH:mm:ss"));
    QCOMPARE(renderPlaylistDocument(buildPlaylistDocument(rows, mediaDir, time)),
             expectedDocument(entries, expectedMediaDir, buildTime));
}

QTEST_GUILESS_MAIN(TestPlaylistDocument)
#include "tst_playlistdocument.moc"
