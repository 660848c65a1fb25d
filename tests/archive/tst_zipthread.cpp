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
        connect(worker, &ZipThread::resultReady, this, &Driver::done);
        connect(worker, &ZipThread::filesUpdated, this, &Driver::done);
        connect(worker, &ZipThread::progress, this, &Driver::progress);
        thread.start();
    }
    ~Driver() override
    {
        thread.quit();
        thread.wait();
    }

signals:
    void operate(const QString &filename, const QString &zipfilename);
    void updateFiles(const QStringList &deletions, const QStringList &additions,
                     const QString &zipfilename);
    void done(const QString &error);
    void progress(int percent);

private:
    QThread thread;
};

class TestZipThread : public QObject
{
    Q_OBJECT

private slots:
    void requestsEndInOneSignal_data();
    void requestsEndInOneSignal();
    void removeDir_data();
    void removeDir();
};

void TestZipThread::requestsEndInOneSignal_data()
{
    QTest::addColumn<bool>("pack");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("error");

    QTest::newRow("pack") << true << QString() << QString();
    QTest::newRow("pack of a FIFO") << true << "fifo"
                                    << "Cannot save “%1”: the media file “%2” is not a regular "
                                       "file.";
    QTest::newRow("update") << false << QString() << QString();
    QTest::newRow("update of a package gone") << false << "no package"
                                              << "Cannot save “%1”: No such file or directory.";
}

void TestZipThread::requestsEndInOneSignal()
{
    QFETCH(bool, pack);
    QFETCH(QString, fault);
    QFETCH(QString, error);

    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString staged = dir.filePath(QStringLiteral("show"));
    const QString clip = staged + QStringLiteral("/clip.mp4");
    const QByteArray clipBytes = EngineZip::randomBytes(3000000, 1);
    QVERIFY(QDir().mkpath(staged));
    QVERIFY(EngineZip::writeFile(staged + QStringLiteral("/json.txt"), "new"));
    QVERIFY(fault == QLatin1String("fifo") ? EngineZip::makeFifo(clip)
                                           : EngineZip::writeFile(clip, clipBytes));
    const QString package = dir.filePath(QStringLiteral("show.mrv"));
    if (fault != QLatin1String("no package"))
        QVERIFY(EngineZip::writeArchive(package, {{"json.txt", "old"}, {"a.jpg", "a"}}));
    const QByteArray before = EngineZip::fileBytes(package);

    Driver driver;
    QSignalSpy done(&driver, &Driver::done);
    QSignalSpy progress(&driver, &Driver::progress);
    if (pack)
        emit driver.operate(staged, package);
    else
        emit driver.updateFiles({QStringLiteral("/a.jpg"), QStringLiteral("/json.txt")},
                                {clip, staged + QStringLiteral("/json.txt")}, package);
    QVERIFY(done.wait());
    QCOMPARE(done.count(), 1);
    QCOMPARE(done.at(0).at(0).toString(),
             error.isEmpty()
                 ? error
                 : error.arg(QDir::toNativeSeparators(package), QDir::toNativeSeparators(clip)));
    // The staged folder is the worker's to remove after a pack, whatever the outcome.
    QCOMPARE(QFileInfo::exists(staged), !pack);
    if (!error.isEmpty()) {
        QCOMPARE(EngineZip::fileBytes(package), before);
        return;
    }
    QCOMPARE(EngineZip::contents(package),
             Contents({{"json.txt", "new"}, {"clip.mp4", clipBytes}}));
    // Each report a new percentage, the last one 100, all before the result.
    QVERIFY(!progress.isEmpty());
    for (int i = 1; i < progress.size(); ++i)
        QVERIFY(progress.at(i).at(0).toInt() > progress.at(i - 1).at(0).toInt());
    QCOMPARE(progress.last().at(0).toInt(), 100);
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

    const QString victim = dir.filePath(QStringLiteral("staged"));
    if (layout == QLatin1String("path link")) {
        QVERIFY(QFile::link(outside, victim));
    } else if (layout != QLatin1String("none")) {
        QVERIFY(QDir().mkpath(victim + QStringLiteral("/a/b/.c")));
        QVERIFY(EngineZip::writeFile(victim + QStringLiteral("/.hidden"), "h"));
        QVERIFY(EngineZip::writeFile(victim + QStringLiteral("/a/b/.c/deep.jpg"), "d"));
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
    QCOMPARE(EngineZip::listing(outside),
             QStringList({QStringLiteral("inner"), QStringLiteral("keep.mp4")}));
    QCOMPARE(EngineZip::fileBytes(outside + QStringLiteral("/keep.mp4")), QByteArray("keep"));
    QCOMPARE(EngineZip::listing(outside + QStringLiteral("/inner")),
             QStringList{QStringLiteral("keep.jpg")});
}

QTEST_GUILESS_MAIN(TestZipThread)
#include "tst_zipthread.moc"
