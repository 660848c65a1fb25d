#include "settings/settings.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void savesExactBytes();
    void roundTripsSpecialCharacters();
    void missingFileKeepsValues();
    void readsLeniently_data();
    void readsLeniently();
    void failedSaveKeepsOldFile();

private:
    static QByteArray readAll(const QString &path);
    static void writeFile(const QString &path, const QByteArray &bytes);

    QTemporaryDir *dir = nullptr;
    QString previousDir;
};

void TestSettings::init()
{
    // The file lives in the working directory, so every test gets its own.
    dir = new QTemporaryDir;
    QVERIFY2(dir->isValid(), qPrintable(dir->errorString()));
    previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir->path()));
}

void TestSettings::cleanup()
{
    QDir::setCurrent(previousDir);
    delete dir;
    dir = nullptr;
}

QByteArray TestSettings::readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void TestSettings::writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void TestSettings::savesExactBytes()
{
    Settings settings;
    settings.PATH_MEDIA = QStringLiteral("/a/x.png");
    QVERIFY(settings.Save());

    const QByteArray expected = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                "<Settings>\n"
                                "    <PATH_MEDIA>/a/x.png</PATH_MEDIA>\n"
                                "    <PATH_SAVE></PATH_SAVE>\n"
                                "</Settings>\n";
    QCOMPARE(readAll(QStringLiteral("settings.xml")), expected);
    QVERIFY(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden) ==
            QStringList{QStringLiteral("settings.xml")});
}

void TestSettings::roundTripsSpecialCharacters()
{
    Settings settings;
    settings.PATH_MEDIA = QStringLiteral("/media/Tom & \"Jerry\" <1>/Café.jpg");
    settings.PATH_SAVE = QStringLiteral("/p/q & r/");
    QVERIFY(settings.Save());

    const QByteArray bytes = readAll(QStringLiteral("settings.xml"));
    QVERIFY2(bytes.contains("Tom &amp; &quot;Jerry&quot; &lt;1&gt;/Caf\xc3\xa9.jpg"), bytes);
    QVERIFY2(bytes.contains("<PATH_SAVE>/p/q &amp; r/</PATH_SAVE>"), bytes);

    Settings readBack;
    readBack.Read();
    QCOMPARE(readBack.PATH_MEDIA, settings.PATH_MEDIA);
    QCOMPARE(readBack.PATH_SAVE, settings.PATH_SAVE);
}

void TestSettings::missingFileKeepsValues()
{
    Settings settings;
    settings.PATH_MEDIA = QStringLiteral("/kept");
    settings.Read();
    QCOMPARE(settings.PATH_MEDIA, QStringLiteral("/kept"));
    QCOMPARE(settings.PATH_SAVE, QString());
    QVERIFY(!QFile::exists(QStringLiteral("settings.xml")));
}

void TestSettings::readsLeniently_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("media");
    QTest::addColumn<QString>("save");

    QTest::newRow("reordered, other root")
        << QByteArray("<Other><PATH_SAVE>/s/</PATH_SAVE><PATH_MEDIA>/m.png</PATH_MEDIA></Other>")
        << QStringLiteral("/m.png") << QStringLiteral("/s/");
    QTest::newRow("nested deeper")
        << QByteArray("<a><b><c><PATH_SAVE>/deep/</PATH_SAVE></c></b></a>") << QString()
        << QStringLiteral("/deep/");
    QTest::newRow("later wins")
        << QByteArray("<S><PATH_MEDIA>/one</PATH_MEDIA><PATH_MEDIA>/two</PATH_MEDIA></S>")
        << QStringLiteral("/two") << QString();
    QTest::newRow("malformed after a value keeps it")
        << QByteArray("<S><PATH_MEDIA>/m</PATH_MEDIA><oops <PATH_SAVE>/s/</PATH_SAVE></S>")
        << QStringLiteral("/m") << QString();
    QTest::newRow("child element stops the reading")
        << QByteArray("<S><PATH_MEDIA>/m<x/>tail</PATH_MEDIA><PATH_SAVE>/s/</PATH_SAVE></S>")
        << QStringLiteral("/m") << QString();
    QTest::newRow("media is not also save")
        << QByteArray("<S><PATH_MEDIA>/m</PATH_MEDIA></S>") << QStringLiteral("/m") << QString();
    QTest::newRow("empty elements")
        << QByteArray("<S><PATH_MEDIA/><PATH_SAVE></PATH_SAVE></S>") << QString() << QString();
    QTest::newRow("not xml at all") << QByteArray("\x00\xff garbage", 10) << QString() << QString();
}

void TestSettings::readsLeniently()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, media);
    QFETCH(QString, save);

    writeFile(QStringLiteral("settings.xml"), xml);
    Settings settings;
    settings.Read();
    QCOMPARE(settings.PATH_MEDIA, media);
    QCOMPARE(settings.PATH_SAVE, save);
}

void TestSettings::failedSaveKeepsOldFile()
{
    // A disk that fills up mid-write must leave the previous file, not a truncated one.
    QDir::setCurrent(previousDir);
    const QString mountPoint = dir->filePath(QStringLiteral("small"));
    QVERIFY(QDir().mkpath(mountPoint));
    if (QProcess::execute(QStringLiteral("mount"),
                          {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                           QStringLiteral("size=64k"), QStringLiteral("tmpfs"), mountPoint}) != 0)
        QSKIP("cannot mount a small tmpfs here (needs root)");
    auto unmount = qScopeGuard([&] {
        QDir::setCurrent(previousDir);
        QProcess::execute(QStringLiteral("umount"), {mountPoint});
    });
    QVERIFY(QDir::setCurrent(mountPoint));

    Settings small;
    small.PATH_SAVE = QStringLiteral("/old/");
    QVERIFY(small.Save());
    const QByteArray before = readAll(QStringLiteral("settings.xml"));

    Settings huge;
    huge.PATH_MEDIA = QString(200 * 1024, QLatin1Char('x'));
    QVERIFY(!huge.Save());
    QVERIFY(!huge.errorString().isEmpty());
    QCOMPARE(readAll(QStringLiteral("settings.xml")), before);
    QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("settings.xml")});
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
