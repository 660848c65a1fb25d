#include "archive/zipthread.h"
#include "engine_ziputil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

using EngineZip::Contents;

// Sends requests the way the main window does: queued into the worker's thread,
// with the completion signals coming back into this thread.
class Driver : public QObject
{
    Q_OBJECT

public:
    Driver()
    {
        auto *worker = new ZipThread;
        worker->moveToThread(&thread);
        connect(&thread, &QThread::finished, worker, &QObject::deleteLater);
        connect(this, &Driver::operate, worker, &ZipThread::doWork);
        connect(this, &Driver::updateFiles, worker, &ZipThread::updateFiles);
        connect(worker, &ZipThread::resultReady, this, &Driver::resultReady);
        connect(worker, &ZipThread::filesUpdated, this, &Driver::filesUpdated);
        connect(worker, &ZipThread::progress, this, &Driver::progress);
        connect(this, &Driver::resultReady, this,
                [this](const QString &) { events.append(QStringLiteral("result")); });
        connect(this, &Driver::progress, this, [this](int percent) {
            if (percent == 100)
                events.append(QStringLiteral("100%"));
        });
        thread.start();
    }
    ~Driver() override
    {
        thread.quit();
        thread.wait();
    }

    QStringList events;

signals:
    void operate(const QString &filename, const QString &zipfilename);
    void updateFiles(const QStringList &deletions, const QStringList &additions,
                     const QString &zipfilename);
    void resultReady(const QString &error);
    void filesUpdated(const QString &error);
    void progress(int percent);

private:
    QThread thread;
};

class TestZipThread : public QObject
{
    Q_OBJECT

private slots:
    void doWork_packsAndRemovesStagedFolder();
    void doWork_failureStillRemovesStagedFolder();
    void updateFiles_reportsOutcome_data();
    void updateFiles_reportsOutcome();
    void removeDir_data();
    void removeDir();
};

void TestZipThread::doWork_packsAndRemovesStagedFolder()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString staged = dir.filePath(QStringLiteral("show"));
    QVERIFY(QDir().mkpath(staged));
    const QByteArray clip = EngineZip::randomBytes(3000000, 1);
    QVERIFY(EngineZip::writeFile(staged + QStringLiteral("/json.txt"), "{}"));
    QVERIFY(EngineZip::writeFile(staged + QStringLiteral("/clip.mp4"), clip));
    const QString package = dir.filePath(QStringLiteral("show.mrv"));

    Driver driver;
    QSignalSpy done(&driver, &Driver::resultReady);
    QSignalSpy progress(&driver, &Driver::progress);
    emit driver.operate(staged, package);
    QVERIFY(done.wait());
    QCOMPARE(done.count(), 1);
    QCOMPARE(done.at(0).at(0).toString(), QString());
    QVERIFY(!QFileInfo::exists(staged));
    Contents contents;
    QString error;
    QVERIFY2(EngineZip::contents(package, &contents, &error), qPrintable(error));
    QCOMPARE(contents, Contents({{"json.txt", "{}"}, {"clip.mp4", clip}}));
    QVERIFY(!progress.isEmpty());
    QCOMPARE(driver.events, QStringList({QStringLiteral("100%"), QStringLiteral("result")}));
}

void TestZipThread::doWork_failureStillRemovesStagedFolder()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString staged = dir.filePath(QStringLiteral("show"));
    QVERIFY(QDir().mkpath(staged));
    QVERIFY(EngineZip::writeFile(staged + QStringLiteral("/json.txt"), "{}"));
    QVERIFY(EngineZip::makeFifo(staged + QStringLiteral("/pipe.mp4")));
    const QString package = dir.filePath(QStringLiteral("show.mrv"));
    QVERIFY(EngineZip::writeArchive(package, {{"json.txt", "old"}}));
    const QByteArray before = EngineZip::fileBytes(package);

    Driver driver;
    QSignalSpy done(&driver, &Driver::resultReady);
    emit driver.operate(staged, package);
    QVERIFY(done.wait());
    QCOMPARE(done.count(), 1);
    QCOMPARE(done.at(0).at(0).toString(),
             QStringLiteral("Cannot save “%1”: the media file “%2” is not a regular file.")
                 .arg(QDir::toNativeSeparators(package),
                      QDir::toNativeSeparators(staged + QStringLiteral("/pipe.mp4"))));
    QVERIFY(!QFileInfo::exists(staged));
    QCOMPARE(EngineZip::fileBytes(package), before);
    QCOMPARE(EngineZip::listing(dir.path()), QStringList{QStringLiteral("show.mrv")});
}

void TestZipThread::updateFiles_reportsOutcome_data()
{
    QTest::addColumn<bool>("packageExists");
    QTest::addColumn<QString>("error");

    QTest::newRow("success") << true << QString();
    QTest::newRow("package gone") << false << "Cannot save “%1”: No such file or directory.";
}

void TestZipThread::updateFiles_reportsOutcome()
{
    QFETCH(bool, packageExists);
    QFETCH(QString, error);

    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString package = dir.filePath(QStringLiteral("show.mrv"));
    if (packageExists)
        QVERIFY(EngineZip::writeArchive(package, {{"json.txt", "old"}, {"a.jpg", "a"}}));
    const QString document = dir.filePath(QStringLiteral("json.txt"));
    QVERIFY(EngineZip::writeFile(document, "new"));

    Driver driver;
    QSignalSpy updated(&driver, &Driver::filesUpdated);
    emit driver.updateFiles({QStringLiteral("/json.txt"), QStringLiteral("/a.jpg")}, {document},
                            package);
    QVERIFY(updated.wait());
    QCOMPARE(updated.count(), 1);
    if (error.isEmpty()) {
        QCOMPARE(updated.at(0).at(0).toString(), QString());
        Contents contents;
        QString why;
        QVERIFY2(EngineZip::contents(package, &contents, &why), qPrintable(why));
        QCOMPARE(contents, Contents({{"json.txt", "new"}}));
    } else {
        QCOMPARE(updated.at(0).at(0).toString(), error.arg(QDir::toNativeSeparators(package)));
        QVERIFY(!QFileInfo::exists(package));
    }
}

void TestZipThread::removeDir_data()
{
    QTest::addColumn<QString>("layout");

    QTest::newRow("nothing there") << "none";
    QTest::newRow("hidden files and nested folders") << "nested";
    QTest::newRow("link to an outside folder inside") << "folder link";
    QTest::newRow("link to an outside file inside") << "file link";
    QTest::newRow("dangling link inside") << "dangling";
    QTest::newRow("the path itself is a link") << "path link";
}

void TestZipThread::removeDir()
{
    QFETCH(QString, layout);

    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString outside = dir.filePath(QStringLiteral("outside"));
    QVERIFY(QDir().mkpath(outside + QStringLiteral("/inner")));
    QVERIFY(EngineZip::writeFile(outside + QStringLiteral("/keep.mp4"), "keep"));
    QVERIFY(EngineZip::writeFile(outside + QStringLiteral("/inner/keep.jpg"), "keep"));
    const QStringList outsideBefore = EngineZip::listing(outside);

    const QString victim = dir.filePath(QStringLiteral("staged"));
    if (layout == QLatin1String("path link")) {
        QVERIFY(QFile::link(outside, victim));
    } else if (layout != QLatin1String("none")) {
        QVERIFY(QDir().mkpath(victim + QStringLiteral("/a/b/.c")));
        QVERIFY(EngineZip::writeFile(victim + QStringLiteral("/.hidden"), "h"));
        QVERIFY(EngineZip::writeFile(victim + QStringLiteral("/a/b/.c/deep.jpg"), "d"));
        QVERIFY(EngineZip::writeFile(victim + QStringLiteral("/json.txt"), "{}"));
    }
    if (layout == QLatin1String("folder link"))
        QVERIFY(QFile::link(outside, victim + QStringLiteral("/a/outside")));
    else if (layout == QLatin1String("file link"))
        QVERIFY(QFile::link(outside + QStringLiteral("/keep.mp4"),
                            victim + QStringLiteral("/keep.mp4")));
    else if (layout == QLatin1String("dangling"))
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone")), victim + QStringLiteral("/x")));

    QVERIFY(ZipThread::removeDir(victim));
    QVERIFY(!QFileInfo::exists(victim) && !QFileInfo(victim).isSymLink());
    QCOMPARE(EngineZip::listing(outside), outsideBefore);
    QCOMPARE(EngineZip::fileBytes(outside + QStringLiteral("/keep.mp4")), QByteArray("keep"));
    QCOMPARE(EngineZip::listing(outside + QStringLiteral("/inner")),
             QStringList{QStringLiteral("keep.jpg")});
}

QTEST_GUILESS_MAIN(TestZipThread)
#include "tst_zipthread.moc"
