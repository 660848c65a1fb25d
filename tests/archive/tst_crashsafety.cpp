#include "archive/packagearchive.h"

#include "tests/common/ziptools.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {

QByteArray randomBytes(int size, QRandomGenerator &generator)
{
    QByteArray bytes(size, Qt::Uninitialized);
    generator.fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

bool writeTree(const QString &dir, const ZipEntries &contents)
{
    bool written = true;
    for (auto it = contents.cbegin(); it != contents.cend(); ++it)
        written = written && writeBytes(dir + QLatin1Char('/') + it.key(), it.value());
    return written;
}

// Files beside the package that are not leftovers of its saves: the user's own,
// and what a save of another package in the same folder may have left. Clearing
// leftovers must never touch them.
const ZipEntries bystanders{
    {QStringLiteral("show.mrv.bak"), QByteArrayLiteral("the user's backup")},
    {QStringLiteral("show.mrv~"), QByteArrayLiteral("an editor's backup")},
    {QStringLiteral("Show.mrv"), QByteArrayLiteral("another package, by case")},
    {QStringLiteral(".other.mrv.a1b2c3.part"), QByteArrayLiteral("another package's save")},
    {QStringLiteral(".show.mrv.keep"), QByteArrayLiteral("a hidden file of the user's")},
};

QStringList strayFiles(const QString &folder, const QString &package)
{
    QStringList stray = QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden |
                                               QDir::NoDotAndDotDot);
    stray.removeAll(QFileInfo(package).fileName());
    for (const QString &name : bystanders.keys())
        stray.removeAll(name);
    return stray;
}

} // namespace

class TestCrashSafety : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void killedSave_data();
    void killedSave();
    void concurrentSaves();

private:
    quint64 m_seed = 0;
};

void TestCrashSafety::initTestCase()
{
    QVERIFY2(QFileInfo(QStringLiteral(ROBUST_SAVER)).isExecutable(), ROBUST_SAVER);
    bool given = false;
    m_seed = qEnvironmentVariable("ROBUST_SEED").toULongLong(&given);
    if (!given)
        m_seed = QRandomGenerator::system()->generate64();
    qInfo("kill moments drawn with ROBUST_SEED=%llu", static_cast<unsigned long long>(m_seed));
}

void TestCrashSafety::killedSave_data()
{
    QTest::addColumn<bool>("update");
    QTest::addColumn<bool>("oldExists");
    QTest::addColumn<int>("runs");
    QTest::addColumn<bool>("throughLink");

    QTest::newRow("new save over an existing package") << false << true << 15 << false;
    QTest::newRow("update") << true << true << 15 << false;
    QTest::newRow("first save") << false << false << 6 << false;
    QTest::newRow("update through a symbolic link") << true << true << 6 << true;
}

void TestCrashSafety::killedSave()
{
    QFETCH(bool, update);
    QFETCH(bool, oldExists);
    QFETCH(int, runs);
    QFETCH(bool, throughLink);

    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    QRandomGenerator generator(m_seed);

    const QString oldDir = dir.filePath(QStringLiteral("old"));
    const QString newDir = dir.filePath(QStringLiteral("new"));
    const QString stick = dir.filePath(QStringLiteral("stick"));
    const QString package = stick + QStringLiteral("/show.mrv");
    QVERIFY(writeTree(stick, bystanders));
    // Through a link, the file replaced is the link's target, in its own folder.
    const QString real = dir.filePath(QStringLiteral("real"));
    const QString target = throughLink ? real + QStringLiteral("/show.mrv") : package;
    if (throughLink)
        QVERIFY(QDir().mkpath(real) && QFile::link(target, package));
    const auto stray = [&] {
        QStringList found = strayFiles(stick, package);
        if (throughLink)
            found += strayFiles(real, target);
        return found;
    };

    const ZipEntries oldContents{
        {QStringLiteral("json.txt"), QByteArrayLiteral("{\"OfflinePlaylist\":\"old\"}")},
        {QStringLiteral("a1.mp4"), randomBytes(3 << 20, generator)},
        {QStringLiteral("a2.jpg"), randomBytes(200 << 10, generator)},
        {QStringLiteral("a3.mp4"), randomBytes(1 << 20, generator)},
    };
    const ZipEntries addedContents{
        {QStringLiteral("json.txt"), QByteArrayLiteral("{\"OfflinePlaylist\":\"new\"}")},
        {QStringLiteral("b1.mp4"), randomBytes(3 << 20, generator)},
    };
    QVERIFY(writeTree(oldDir, oldContents));
    QVERIFY(writeTree(newDir, addedContents));

    // The update deletes a3.mp4 and the document and adds b1.mp4 and a new document;
    // the new save packs the added files alone.
    const QStringList deletions{QStringLiteral("/json.txt"), QStringLiteral("/a3.mp4")};
    const QStringList additions{newDir + QStringLiteral("/json.txt"),
                                newDir + QStringLiteral("/b1.mp4")};
    ZipEntries newContents = addedContents;
    QStringList saverArgs{update ? QStringLiteral("update") : QStringLiteral("pack")};
    if (update) {
        newContents.insert(QStringLiteral("a1.mp4"), oldContents.value(QStringLiteral("a1.mp4")));
        newContents.insert(QStringLiteral("a2.jpg"), oldContents.value(QStringLiteral("a2.jpg")));
        saverArgs << package;
        for (const QString &name : deletions)
            saverArgs << QStringLiteral("--delete") << name;
        for (const QString &path : additions)
            saverArgs << QStringLiteral("--add") << path;
    } else {
        saverArgs << newDir << package;
    }

    QByteArray oldBytes;
    if (oldExists) {
        PackageArchive archive(target);
        QVERIFY2(archive.packDirectory(oldDir), qPrintable(archive.errorString()));
        oldBytes = fileBytes(target);
        QVERIFY(!oldBytes.isEmpty());
    }
    const auto restore = [&] {
        QFile::remove(target);
        return !oldExists || writeBytes(target, oldBytes);
    };

    const auto startSaver = [&](QProcess &saver) {
        saver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        saver.start(QStringLiteral(ROBUST_SAVER), saverArgs);
        return saver.waitForStarted(10000) && saver.waitForReadyRead(30000) &&
               saver.readLine() == "start\n";
    };

    // One undisturbed save gives the span in which the kills land.
    QVERIFY(restore());
    qint64 saveMicros = 0;
    {
        QProcess saver;
        QVERIFY(startSaver(saver));
        QVERIFY(saver.waitForFinished(60000));
        QCOMPARE(saver.exitCode(), 0);
        const QByteArray done = saver.readAll().trimmed();
        QVERIFY2(done.startsWith("done "), done.constData());
        saveMicros = done.mid(5).toLongLong();
        QCOMPARE(readZip(package), newContents);
    }

    int keptOld = 0;
    int gotNew = 0;
    for (int run = 0; run < runs; ++run) {
        QVERIFY(restore());
        QProcess saver;
        QVERIFY(startSaver(saver));
        // A little past the save's span, so that some kills come after the rename too.
        QThread::usleep(generator.bounded(quint32(saveMicros * 6 / 5 + 1)));
        saver.kill();
        QVERIFY(saver.waitForFinished(30000));

        const QString at = QStringLiteral("run %1, seed %2").arg(run).arg(m_seed);
        if (!QFileInfo::exists(package)) {
            QVERIFY2(!oldExists, qPrintable(at + QStringLiteral(": the package is gone")));
        } else if (oldExists && fileBytes(package) == oldBytes) {
            ++keptOld;
        } else {
            QString why;
            QVERIFY2(
                readZip(package, &why) == newContents,
                qPrintable(at + QStringLiteral(": neither the old nor the new package ") + why));
            ++gotNew;
        }
        if (throughLink)
            QVERIFY2(QFileInfo(package).isSymLink(),
                     qPrintable(at + QStringLiteral(": the link was replaced by a file")));

        // The next save of the package clears whatever the killed one left.
        PackageArchive archive(package);
        if (update && QFileInfo::exists(package))
            QVERIFY2(archive.update(deletions, additions), qPrintable(archive.errorString()));
        else
            QVERIFY2(archive.packDirectory(oldDir), qPrintable(archive.errorString()));
        QVERIFY2(stray().isEmpty(), qPrintable(at + QStringLiteral(": left behind ") +
                                               stray().join(QStringLiteral(", "))));
    }
    for (auto it = bystanders.cbegin(); it != bystanders.cend(); ++it)
        QCOMPARE(fileBytes(stick + QLatin1Char('/') + it.key()), it.value());
    qInfo("%d runs: %d kept the old package, %d found the new one", runs, keptOld, gotNew);
}

void TestCrashSafety::concurrentSaves()
{
    // Two windows saving one package at once: each save's clearing of leftovers
    // must not take the other's file from under it, and the last rename wins.
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    QRandomGenerator generator(m_seed);
    const QString stick = dir.filePath(QStringLiteral("stick"));
    const QString package = stick + QStringLiteral("/show.mrv");
    QVERIFY(QDir().mkpath(stick));

    QVector<ZipEntries> versions;
    QStringList sources;
    for (const char *name : {"first", "second"}) {
        sources << dir.filePath(QString::fromLatin1(name));
        versions.append({
            {QStringLiteral("json.txt"), QByteArray("{\"OfflinePlaylist\":\"") + name + "\"}"},
            {QStringLiteral("clip.mp4"), randomBytes(16 << 20, generator)},
        });
        QVERIFY(writeTree(sources.last(), versions.last()));
    }

    for (int run = 0; run < 5; ++run) {
        QFile::remove(package);
        QProcess savers[2];
        for (int i = 0; i < 2; ++i) {
            savers[i].setProcessChannelMode(QProcess::ForwardedErrorChannel);
            savers[i].start(QStringLiteral(ROBUST_SAVER),
                            {QStringLiteral("pack"), sources.at(i), package});
        }
        for (QProcess &saver : savers)
            QVERIFY(saver.waitForFinished(60000) && saver.exitCode() == 0);
        QString why;
        const ZipEntries found = readZip(package, &why);
        QVERIFY2(found == versions.at(0) || found == versions.at(1), qPrintable(why));
        QVERIFY2(strayFiles(stick, package).isEmpty(),
                 qPrintable(strayFiles(stick, package).join(QStringLiteral(", "))));
    }
}

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
