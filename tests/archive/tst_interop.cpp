#include "archive/packagearchive.h"
#include "tests/common/testkit.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Lists each entry as Python's reader sees it, reading it in full so that its CRC is checked:
// name, method, whether a non-ASCII name is flagged UTF-8, SHA-256.
const char *const listScript = R"(
import hashlib, sys, zipfile
for i in zipfile.ZipFile(sys.argv[1]).infolist():
    data = zipfile.ZipFile(sys.argv[1]).read(i)
    print(i.filename, i.compress_type, i.filename.isascii() or bool(i.flag_bits & 0x800),
          hashlib.sha256(data).hexdigest(), sep="|")
)";

// Writes a package as other writers do: stored, streamed (data descriptors) or zip64.
const char *const writeScript = R"(
import os, sys, zipfile
mode, package, files = sys.argv[1], sys.argv[2], sys.argv[3:]
class Unseekable:
    def __init__(self, raw): self.raw = raw
    def write(self, data): return self.raw.write(data)
    def flush(self): self.raw.flush()
with open(package, "wb") as raw, zipfile.ZipFile(Unseekable(raw) if mode == "streamed" else raw, "w") as z:
    for path in files:
        with open(path, "rb") as f, z.open(os.path.basename(path), "w", force_zip64=mode == "zip64") as e:
            e.write(f.read())
)";

QString run(const QString &program, const QStringList &args, QByteArray *output = nullptr)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return program + QStringLiteral(" failed: ") +
               QString::fromLocal8Bit(process.readAll() + process.readAllStandardError());
    if (output)
        *output = process.readAllStandardOutput();
    return {};
}

} // namespace

class TestInterop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void othersReadOurPackages();
    void weReadAndUpdateTheirs_data();
    void weReadAndUpdateTheirs();

private:
    void verifyWithOthers(const QString &package, const ZipEntries &expected, bool ourMethods);
};

void TestInterop::initTestCase()
{
    for (const char *tool : {"python3", "unzip", "zip"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QSKIP("python3, unzip and zip are needed to check packages against other zip tools");
    }
}

void TestInterop::verifyWithOthers(const QString &package, const ZipEntries &expected,
                                   bool ourMethods)
{
    QString failed = run(QStringLiteral("unzip"), {QStringLiteral("-tqq"), package});
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    QByteArray listing;
    failed = run(QStringLiteral("python3"),
                 {QStringLiteral("-c"), QString::fromUtf8(listScript), package}, &listing);
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    QStringList lines;
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        // The document is text and shrinks; media are compressed already and are stored.
        const QString method = !ourMethods                   ? str("*")
                               : it.key() == str("json.txt") ? str("8")
                                                             : str("0");
        lines << it.key() + str("|") + method + str("|True|") +
                     QString::fromLatin1(
                         QCryptographicHash::hash(it.value(), QCryptographicHash::Sha256).toHex());
    }
    QStringList seen = QString::fromUtf8(listing).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString &line : seen) {
        if (!ourMethods)
            line.replace(QRegularExpression(str("\\|\\d+\\|")), str("|*|"));
    }
    seen.sort();
    QCOMPARE(seen, lines);
}

void TestInterop::othersReadOurPackages()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    ZipEntries expected{{str("Café façade.jpg"), randomBytes(300000, 1)},
                        {str("clip.mp4"), randomBytes(1 << 20, 2)},
                        {str("photo[1] a*.jpg"), randomBytes(4096, 3)},
                        {str("tab\tand a\\b.png"), "t"}};
    QVector<PackageEntry> entries{PackageEntry::memory(str("json.txt"), "{\"a\": 1}")};
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QVERIFY(writeBytes(dir.filePath(str("media/%1").arg(entries.size())), it.value()));
        entries << PackageEntry::file(it.key(), dir.filePath(str("media/%1").arg(entries.size())));
    }
    const QString package = dir.filePath(str("show.mrv"));
    PackageArchive archive(package);
    QVERIFY2(archive.write(entries), qPrintable(archive.errorString()));
    QVERIFY(writeBytes(dir.filePath(str("été.mp4")), randomBytes(500000, 6)));
    QVERIFY2(archive.update({str("clip.mp4")}, {PackageEntry::file(str("Été à Noël.mp4"),
                                                                   dir.filePath(str("été.mp4"))),
                                                PackageEntry::memory(str("json.txt"), "{}")}),
             qPrintable(archive.errorString()));
    expected.remove(str("clip.mp4"));
    expected.insert(str("json.txt"), "{}");
    expected.insert(str("Été à Noël.mp4"), randomBytes(500000, 6));
    verifyWithOthers(package, expected, true);
}

void TestInterop::weReadAndUpdateTheirs_data()
{
    QTest::addColumn<QString>("writer");
    QTest::newRow("zip -rj, media deflated") << str("zip");
    QTest::newRow("zip -0 -rj, all stored") << str("zip0");
    QTest::newRow("zipfile streaming with data descriptors") << str("streamed");
    QTest::newRow("zipfile with zip64 headers") << str("zip64");
}

void TestInterop::weReadAndUpdateTheirs()
{
    QFETCH(QString, writer);
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    // Some writers flag a name as UTF-8, others store its bytes unflagged; the deletion finds it
    // either way.
    ZipEntries sources{{str("json.txt"), "{\"old\": 1}"},
                       {str("clip.mp4"), randomBytes(200000, 7)},
                       {str("Café façade.jpg"), randomBytes(10000, 10)}};
    QStringList files;
    for (auto it = sources.cbegin(); it != sources.cend(); ++it) {
        files << dir.filePath(str("staged/") + it.key());
        QVERIFY(writeBytes(files.last(), it.value()));
    }
    const QString package = dir.filePath(str("show.mrv"));
    const QString made =
        writer.startsWith(str("zip"))
            ? run(str("zip"), {writer == str("zip0") ? str("-0rjq") : str("-rjq"), package,
                               dir.filePath(str("staged"))})
            : run(str("python3"),
                  QStringList{str("-c"), QString::fromUtf8(writeScript), writer, package} + files);
    QVERIFY2(made.isEmpty(), qPrintable(made));

    PackageArchive archive(package);
    QByteArray read;
    QVERIFY2(archive.readDocument(&read) && archive.verify(), qPrintable(archive.errorString()));
    QCOMPARE(read, sources.value(str("json.txt")));
    QVERIFY2(
        archive.update({str("Café façade.jpg")}, {PackageEntry::memory(str("json.txt"), "{}")}),
        qPrintable(archive.errorString()));
    sources.remove(str("Café façade.jpg"));
    sources.insert(str("json.txt"), "{}");
    // Entries kept from the other writer keep its method.
    verifyWithOthers(package, sources, false);
}

QTEST_GUILESS_MAIN(TestInterop)
#include "tst_interop.moc"
