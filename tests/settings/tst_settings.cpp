#include "archive/platformfile.h"
#include "settings/preferences.h"
#include "settings/screenprofile.h"
#include "settings/settings.h"
#include "tests/common/testkit.h"

Q_DECLARE_METATYPE(ScreenProfile)

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir dir; // settings.xml lives in the working directory

private slots:
    void init()
    {
        QDir::setCurrent(dir.path());
        QFile::remove(Settings::fileName());
    }
    void savesExactBytes();
    void readsLeniently_data();
    void readsLeniently();
    void fullDiskKeepsOldFile();
    void unkeptBytesReported();
    void screenProfileKept_data();
    void screenProfileKept();
};

void TestSettings::savesExactBytes()
{
    Settings settings;
    settings.PATH_MEDIA = str("/media/Tom & \"Jerry\" <1>/Caf\u00e9.jpg");
    settings.PATH_SAVE = str("/p/q & r/");
    QVERIFY(settings.Save());
    QCOMPARE(
        fileBytes(Settings::fileName()),
        QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Settings>\n    <PATH_MEDIA>"
                   "/media/Tom &amp; &quot;Jerry&quot; &lt;1&gt;/Caf\xc3\xa9.jpg</PATH_MEDIA>\n"
                   "    <PATH_SAVE>/p/q &amp; r/</PATH_SAVE>\n</Settings>\n"));
    QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{Settings::fileName()});
}

void TestSettings::readsLeniently_data()
{
    QTest::addColumn<QByteArray>("xml"); // null: no file
    QTest::addColumn<QString>("values"); // media|save; the reading starts from /kept|/kept/

    const auto add = [](const char *name, const QByteArray &xml, const char *values) {
        QTest::newRow(name) << xml << str(values);
    };
    add("no file", {}, "/kept|/kept/");
    add("reordered, other root", "<O><PATH_SAVE>/s/</PATH_SAVE><PATH_MEDIA>/m</PATH_MEDIA></O>",
        "/m|/s/");
    add("malformed after a value keeps it",
        "<S><PATH_MEDIA>/m</PATH_MEDIA><oops <PATH_SAVE>/s/</PATH_SAVE></S>", "/m|/kept/");
    add("child element stops the reading",
        "<S><PATH_MEDIA>/m<x/>tail</PATH_MEDIA><PATH_SAVE>/s/</PATH_SAVE></S>", "/m|/kept/");
    add("empty elements", "<S><PATH_MEDIA/><PATH_SAVE></PATH_SAVE></S>", "|");
    add("not xml at all", QByteArray("\x00\xff garbage", 10), "/kept|/kept/");
}

void TestSettings::readsLeniently()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, values);
    QVERIFY(xml.isNull() || writeBytes(Settings::fileName(), xml));
    Settings settings;
    settings.PATH_MEDIA = str("/kept");
    settings.PATH_SAVE = str("/kept/");
    settings.Read();
    QCOMPARE(settings.PATH_MEDIA + QLatin1Char('|') + settings.PATH_SAVE, values);
}

void TestSettings::fullDiskKeepsOldFile()
{
    const QString small = dir.filePath(str("small"));
    QVERIFY(QDir().mkpath(small));
    if (QProcess::execute(str("mount"), str("-t tmpfs -o size=64k tmpfs").split(u' ') << small))
        QSKIP("cannot mount a small tmpfs here (needs root)");
    auto unmount = qScopeGuard([&] {
        QDir::setCurrent(dir.path());
        QProcess::execute(str("umount"), {small});
    });
    QVERIFY(QDir::setCurrent(small));
    Settings old;
    old.PATH_SAVE = str("/old/");
    QVERIFY(old.Save());
    const QByteArray before = fileBytes(Settings::fileName());
    Settings huge;
    huge.PATH_MEDIA = QString(200 * 1024, QLatin1Char('x'));
    QVERIFY(!huge.Save() && !huge.errorString().isEmpty());
    QCOMPARE(fileBytes(Settings::fileName()), before);
    QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{Settings::fileName()});
}

// A disk that took the bytes and later kept others (full once they were
// written out): the save is not reported done.
void TestSettings::unkeptBytesReported()
{
    Settings settings;
    Platform::setReadBackHook([](const QByteArray &, qint64, char *data, qint64 len) {
        if (len > 10)
            data[10] = '\0';
    });
    const bool saved = settings.Save();
    Platform::setReadBackHook(nullptr);
    QVERIFY(!saved && settings.errorString().contains(str("full")));
}

void TestSettings::screenProfileKept_data()
{
    QTest::addColumn<ScreenProfile>("written");
    QTest::addColumn<ScreenProfile>("read");

    ScreenProfile portrait;
    portrait.preset = str("custom");
    portrait.screen = QSize(3840, 2160);
    portrait.portrait = true;
    portrait.largestVideo = QSize(1280, 720);
    portrait.videoCodecs = QStringList{str("h264"), str("hevc")};
    portrait.largestFrameRate = 25;
    portrait.playsSound = false;
    portrait.honoursRotation = true;
    QTest::newRow("custom portrait") << portrait << portrait;
    const ScreenProfile uhd = ScreenProfile::presets().constLast();
    QTest::newRow("a preset") << uhd << uhd;
    // A screen of no pixels would fit every photo into nothing.
    ScreenProfile empty = portrait;
    empty.screen = QSize(0, 0);
    empty.largestVideo = QSize(-1, 5);
    empty.largestFrameRate = 0;
    ScreenProfile mended = portrait;
    mended.screen = ScreenProfile().screen;
    mended.largestVideo = ScreenProfile().largestVideo;
    mended.largestFrameRate = ScreenProfile().largestFrameRate;
    QTest::newRow("no pixels: the default") << empty << mended;
}

// Kept on disk in the program's own preferences, read back by a new load();
// settings.xml, whose bytes other tools read, is never written.
void TestSettings::screenProfileKept()
{
    QFETCH(ScreenProfile, written);
    QFETCH(ScreenProfile, read);
    QVERIFY(keepUserFilesIn(dir.path()));
    written.save();
    QCOMPARE(ScreenProfile::load(), read);
    QVERIFY(!QFileInfo::exists(Settings::fileName()));
    const QByteArray kept = fileBytes(preferences().fileName());
    QVERIFY_CONTAINS(QString::fromUtf8(kept), str("[screenProfile]"));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
