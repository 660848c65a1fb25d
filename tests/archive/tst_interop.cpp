#include "archive/packagearchive.h"
#include "tests/common/testkit.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Writes the files given into a zip on standard output: a pipe cannot seek, so
// each entry is streamed with a data descriptor; argv[1] "zip64" forces zip64 headers.
const char *const writeScript = R"(
import sys, zipfile
with zipfile.ZipFile(sys.stdout.buffer, "w") as z:
    for path in sys.argv[2:]:
        with open(path, "rb") as f, z.open(path.rsplit("/", 1)[1], "w", force_zip64=sys.argv[1] == "zip64") as e:
            e.write(f.read())
)";

QByteArray run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return process.exitCode() == 0 ? process.readAllStandardOutput() : QByteArray("failed");
}

} // namespace

class TestInterop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void otherWriters_data();
    void otherWriters();
};

void TestInterop::initTestCase()
{
    for (const char *tool : {"python3", "unzip", "zip"}) {
        if (QStandardPaths::findExecutable(str(tool)).isEmpty())
            QSKIP("python3, unzip and zip are needed to check packages against other zip tools");
    }
}

void TestInterop::otherWriters_data()
{
    QTest::addColumn<QString>("writer");
    QTest::newRow("ours") << str("ours");
    QTest::newRow("zip -rj, media deflated") << str("-rjq");
    QTest::newRow("zip -0 -rj, all stored") << str("-0rjq");
    QTest::newRow("zipfile streaming with data descriptors") << str("streamed");
    QTest::newRow("zipfile streaming with zip64 headers") << str("zip64");
}

void TestInterop::otherWriters()
{
    QFETCH(QString, writer);
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    // Some writers flag a name as UTF-8, others store its bytes unflagged; the deletion finds
    // it either way, and what we write is flagged for readers that guess otherwise.
    ZipEntries entries{{str("json.txt"), "{\"old\": 1}"},
                       {str("clip.mp4"), randomBytes(200000, 7)},
                       {str("Café façade.jpg"), randomBytes(10000, 10)},
                       {str("tab\tand a\\b [1].png"), "t"}};
    QStringList files;
    QVector<PackageEntry> ours;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        files << dir.filePath(str("staged/") + it.key());
        QVERIFY(writeBytes(files.last(), it.value()));
        ours << (it.key() == str("json.txt") ? PackageEntry::memory(it.key(), it.value())
                                             : PackageEntry::file(it.key(), files.last()));
    }
    const QString package = dir.filePath(str("show.mrv"));
    PackageArchive archive(package);
    if (writer == str("ours"))
        QVERIFY2(archive.write(ours), qPrintable(archive.errorString()));
    else if (writer.startsWith(QLatin1Char('-')))
        QVERIFY(run(str("zip"), {writer, package, dir.filePath(str("staged"))}).isEmpty());
    else
        QVERIFY(writeBytes(package, run(str("python3"),
                                        QStringList{str("-c"), str(writeScript), writer} + files)));

    QByteArray read;
    QVERIFY2(archive.readDocument(&read) && archive.verify(), qPrintable(archive.errorString()));
    QCOMPARE(read, entries.value(str("json.txt")));
    QVERIFY(writeBytes(dir.filePath(str("Été.mp4")), randomBytes(50000, 6)));
    QVERIFY2(
        archive.update({str("Café façade.jpg")},
                       {PackageEntry::memory(str("json.txt"), "{}"),
                        PackageEntry::file(str("Été à Noël.mp4"), dir.filePath(str("Été.mp4")))}),
        qPrintable(archive.errorString()));
    entries.remove(str("Café façade.jpg"));
    entries.insert(str("json.txt"), "{}");
    entries.insert(str("Été à Noël.mp4"), randomBytes(50000, 6));
    // Entries kept from the other writer keep its method and still read back everywhere.
    QCOMPARE(readZip(package), entries);
    QCOMPARE(run(str("unzip"), {str("-tqq"), package}), QByteArray());
    // Python's reader tests every CRC and decodes names unflagged as UTF-8 otherwise.
    const char *list = "import sys, zipfile; z = zipfile.ZipFile(sys.argv[1]); "
                       "assert z.testzip() is None; print('\\n'.join(sorted(z.namelist())))";
    QCOMPARE(QString::fromUtf8(run(str("python3"), {str("-c"), str(list), package}))
                 .split(QLatin1Char('\n'), Qt::SkipEmptyParts),
             entries.keys());
}

QTEST_GUILESS_MAIN(TestInterop)
#include "tst_interop.moc"
