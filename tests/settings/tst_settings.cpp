#include "settings/settings.h"
#include "tests/common/testkit.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void savesExactBytes();
    void readsLeniently_data();
    void readsLeniently();
    void fullDiskKeepsOldFile();

private:
    // settings.xml lives in the working directory.
    QTemporaryDir dir;
};

void TestSettings::initTestCase()
{
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    QVERIFY(QDir::setCurrent(dir.path()));
}

void TestSettings::init()
{
    QFile::remove(Settings::fileName());
}

void TestSettings::savesExactBytes()
{
    Settings settings;
    settings.PATH_MEDIA = str("/media/Tom & \"Jerry\" <1>/Caf\u00e9.jpg");
    settings.PATH_SAVE = str("/p/q & r/");
    QVERIFY(settings.Save());

    QCOMPARE(fileBytes(Settings::fileName()),
             QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                        "<Settings>\n"
                        "    <PATH_MEDIA>/media/Tom &amp; &quot;Jerry&quot; &lt;1&gt;/Caf\xc3\xa9"
                        ".jpg</PATH_MEDIA>\n"
                        "    <PATH_SAVE>/p/q &amp; r/</PATH_SAVE>\n"
                        "</Settings>\n"));
    QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{Settings::fileName()});
    Settings readBack;
    readBack.Read();
    QCOMPARE(readBack.PATH_MEDIA, settings.PATH_MEDIA);
    QCOMPARE(readBack.PATH_SAVE, settings.PATH_SAVE);
}

void TestSettings::readsLeniently_data()
{
    QTest::addColumn<QByteArray>("xml"); // null: no file
    QTest::addColumn<QString>("media");
    QTest::addColumn<QString>("save");

    // Values the reading starts from: what the file does not name stays.
    const auto add = [](const char *name, const QByteArray &xml, const char *media,
                        const char *save) {
        QTest::newRow(name) << xml << str(media) << str(save);
    };
    add("no file", {}, "/kept", "/kept/");
    add("reordered, other root",
        "<Other><PATH_SAVE>/s/</PATH_SAVE><PATH_MEDIA>/m.png</PATH_MEDIA></Other>", "/m.png",
        "/s/");
    add("nested deeper", "<a><b><c><PATH_SAVE>/deep/</PATH_SAVE></c></b></a>", "/kept", "/deep/");
    add("later wins", "<S><PATH_MEDIA>/one</PATH_MEDIA><PATH_MEDIA>/two</PATH_MEDIA></S>", "/two",
        "/kept/");
    add("malformed after a value keeps it",
        "<S><PATH_MEDIA>/m</PATH_MEDIA><oops <PATH_SAVE>/s/</PATH_SAVE></S>", "/m", "/kept/");
    add("child element stops the reading",
        "<S><PATH_MEDIA>/m<x/>tail</PATH_MEDIA><PATH_SAVE>/s/</PATH_SAVE></S>", "/m", "/kept/");
    add("empty elements", "<S><PATH_MEDIA/><PATH_SAVE></PATH_SAVE></S>", "", "");
    add("not xml at all", QByteArray("\x00\xff garbage", 10), "/kept", "/kept/");
}

void TestSettings::readsLeniently()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, media);
    QFETCH(QString, save);

    QVERIFY(xml.isNull() || writeBytes(Settings::fileName(), xml));
    Settings settings;
    settings.PATH_MEDIA = str("/kept");
    settings.PATH_SAVE = str("/kept/");
    settings.Read();
    QCOMPARE(settings.PATH_MEDIA, media);
    QCOMPARE(settings.PATH_SAVE, save);
}

void TestSettings::fullDiskKeepsOldFile()
{
    const QString mountPoint = dir.filePath(str("small"));
    QVERIFY(QDir().mkpath(mountPoint));
    if (QProcess::execute(str("mount"), {str("-t"), str("tmpfs"), str("-o"), str("size=64k"),
                                         str("tmpfs"), mountPoint}) != 0)
        QSKIP("cannot mount a small tmpfs here (needs root)");
    auto unmount = qScopeGuard([&] {
        QDir::setCurrent(dir.path());
        QProcess::execute(str("umount"), {mountPoint});
    });
    QVERIFY(QDir::setCurrent(mountPoint));
    Settings small;
    small.PATH_SAVE = str("/old/");
    QVERIFY(small.Save());
    const QByteArray before = fileBytes(Settings::fileName());

    Settings huge;
    huge.PATH_MEDIA = QString(200 * 1024, QLatin1Char('x'));
    QVERIFY(!huge.Save());
    QVERIFY(!huge.errorString().isEmpty());
    QCOMPARE(fileBytes(Settings::fileName()), before);
    QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{Settings::fileName()});
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
