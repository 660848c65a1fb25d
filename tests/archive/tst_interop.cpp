#include "archive/packagearchive.h"
#include "tests/common/ziptools.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Lists every entry as another zip reader sees it; reading each entry in full
// makes the reader check its CRC.
const char *const listScript = R"(
import hashlib, json, sys, zipfile
entries = []
with zipfile.ZipFile(sys.argv[1]) as archive:
    for info in archive.infolist():
        data = archive.read(info)
        entries.append({"name": info.filename, "method": info.compress_type,
                        "utf8_if_needed": info.filename.isascii() or bool(info.flag_bits & 0x800),
                        "sha256": hashlib.sha256(data).hexdigest()})
print(json.dumps(entries))
)";

// Writes a package the way other zip writers do: argv is mode, package, files.
const char *const writeScript = R"(
import os, sys, zipfile
mode, package, files = sys.argv[1], sys.argv[2], sys.argv[3:]

class Unseekable:
    # Without tell() and seek() the writer must stream, with data descriptors.
    def __init__(self, raw): self.raw = raw
    def write(self, data): return self.raw.write(data)
    def flush(self): self.raw.flush()

with open(package, "wb") as raw:
    method = zipfile.ZIP_STORED if mode == "stored" else zipfile.ZIP_DEFLATED
    target = Unseekable(raw) if mode == "streamed" else raw
    with zipfile.ZipFile(target, "w", method) as archive:
        for path in files:
            if mode == "zip64":
                with open(path, "rb") as source, archive.open(os.path.basename(path), "w",
                                                              force_zip64=True) as entry:
                    entry.write(source.read())
            else:
                archive.write(path, os.path.basename(path))
)";

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    generator.fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

const QByteArray document =
    QByteArrayLiteral("{\n    \"OfflinePlaylist\": {\n") +
    QByteArrayLiteral("        \"filename\": \"/clip.mp4\",\n").repeated(40) +
    QByteArrayLiteral("    }\n}\n");
const QByteArray newDocument = QByteArrayLiteral("{\"OfflinePlaylist\": {}}\n");

QString run(const QString &program, const QStringList &args, const QString &outputFile = {})
{
    QProcess process;
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return program + QStringLiteral(" did not finish");
    if (process.exitCode() != 0)
        return program + QStringLiteral(" failed: ") +
               QString::fromLocal8Bit(process.readAllStandardOutput() +
                                      process.readAllStandardError());
    return {};
}

} // namespace

class TestInterop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void othersReadOurPackages_data();
    void othersReadOurPackages();
    void weReadAndUpdateTheirs_data();
    void weReadAndUpdateTheirs();

private:
    void verifyWithOtherReaders(const QString &package, const ZipEntries &expected,
                                bool ourMethods = true);

    QString m_python;
    QString m_unzip;
    QString m_zip;
};

void TestInterop::initTestCase()
{
    m_python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    m_unzip = QStandardPaths::findExecutable(QStringLiteral("unzip"));
    m_zip = QStandardPaths::findExecutable(QStringLiteral("zip"));
    if (m_python.isEmpty() || m_unzip.isEmpty() || m_zip.isEmpty())
        QSKIP("python3, unzip and zip are needed to check packages against other zip tools");
}

void TestInterop::verifyWithOtherReaders(const QString &package, const ZipEntries &expected,
                                         bool ourMethods)
{
    const QString tested = run(m_unzip, {QStringLiteral("-tqq"), package});
    QVERIFY2(tested.isEmpty(), qPrintable(tested));

    QTemporaryDir scratch;
    QVERIFY2(scratch.isValid(), qPrintable(scratch.errorString()));
    const QString listing = scratch.filePath(QStringLiteral("listing.json"));
    const QString listed =
        run(m_python, {QStringLiteral("-c"), QString::fromUtf8(listScript), package}, listing);
    QVERIFY2(listed.isEmpty(), qPrintable(listed));
    QFile listingFile(listing);
    QVERIFY(listingFile.open(QIODevice::ReadOnly));
    const QJsonArray entries = QJsonDocument::fromJson(listingFile.readAll()).array();

    QStringList names;
    for (const QJsonValue &value : entries) {
        const QJsonObject entry = value.toObject();
        const QString name = entry.value(QLatin1String("name")).toString();
        names << name;
        QVERIFY2(expected.contains(name), qPrintable(QStringLiteral("unexpected entry ") + name));
        const QByteArray hash =
            QCryptographicHash::hash(expected.value(name), QCryptographicHash::Sha256).toHex();
        QCOMPARE(entry.value(QLatin1String("sha256")).toString(), QString::fromLatin1(hash));
        // The document is text and shrinks; media are compressed already and are stored.
        if (ourMethods)
            QCOMPARE(entry.value(QLatin1String("method")).toInt(),
                     name == QLatin1String("json.txt") ? 8 : 0);
        QVERIFY2(entry.value(QLatin1String("utf8_if_needed")).toBool(), qPrintable(name));
    }
    names.sort();
    QCOMPARE(names, expected.keys());
}

void TestInterop::othersReadOurPackages_data()
{
    QTest::addColumn<bool>("updated");
    QTest::newRow("new save") << false;
    QTest::newRow("after an update") << true;
}

void TestInterop::othersReadOurPackages()
{
    QFETCH(bool, updated);
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));

    ZipEntries expected{
        {QStringLiteral("json.txt"), document},
        {QStringLiteral("Café façade.jpg"), randomBytes(300000, 1)},
        {QStringLiteral("clip.mp4"), randomBytes(1 << 20, 2)},
        {QStringLiteral("photo[1].jpg"), randomBytes(4096, 3)},
        {QStringLiteral("a*.jpg"), randomBytes(4096, 4)},
    };
    const QString staged = dir.filePath(QStringLiteral("staged"));
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QVERIFY(writeBytes(staged + QLatin1Char('/') + it.key(), it.value()));
    // Files in subfolders are packed flat.
    const QByteArray inner = randomBytes(8192, 5);
    QVERIFY(writeBytes(staged + QStringLiteral("/sub/inner.png"), inner));
    expected.insert(QStringLiteral("inner.png"), inner);

    const QString package = dir.filePath(QStringLiteral("show.mrv"));
    PackageArchive archive(package);
    QVERIFY2(archive.packDirectory(staged), qPrintable(archive.errorString()));

    if (updated) {
        const QString added = dir.filePath(QStringLiteral("added"));
        const QByteArray clip = randomBytes(500000, 6);
        QVERIFY(writeBytes(added + QStringLiteral("/Été à Noël.mp4"), clip));
        QVERIFY(writeBytes(added + QStringLiteral("/json.txt"), newDocument));
        QVERIFY2(archive.update({QStringLiteral("/json.txt"), QStringLiteral("/clip.mp4"),
                                 QStringLiteral("/a*.jpg")},
                                {added + QStringLiteral("/Été à Noël.mp4"),
                                 added + QStringLiteral("/json.txt")}),
                 qPrintable(archive.errorString()));
        expected.remove(QStringLiteral("clip.mp4"));
        expected.remove(QStringLiteral("a*.jpg"));
        expected.insert(QStringLiteral("json.txt"), newDocument);
        expected.insert(QStringLiteral("Été à Noël.mp4"), clip);
    }
    verifyWithOtherReaders(package, expected);
}

void TestInterop::weReadAndUpdateTheirs_data()
{
    QTest::addColumn<QString>("writer");
    QTest::newRow("zip -rj, media deflated") << QStringLiteral("zip");
    QTest::newRow("zip -0 -rj, all stored") << QStringLiteral("zip0");
    QTest::newRow("zipfile, stored") << QStringLiteral("stored");
    QTest::newRow("zipfile, deflated") << QStringLiteral("deflated");
    QTest::newRow("zipfile streaming with data descriptors") << QStringLiteral("streamed");
    QTest::newRow("zipfile with zip64 headers") << QStringLiteral("zip64");
}

void TestInterop::weReadAndUpdateTheirs()
{
    QFETCH(QString, writer);
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));

    const ZipEntries sources{
        {QStringLiteral("json.txt"), document},
        {QStringLiteral("clip.mp4"), randomBytes(200000, 7)},
        {QStringLiteral("photo.jpg"), randomBytes(30000, 8)},
        // Some writers flag the name as UTF-8, others store its bytes unflagged;
        // the deletion below must find it either way.
        {QStringLiteral("Café façade.jpg"), randomBytes(10000, 10)},
    };
    const QString staged = dir.filePath(QStringLiteral("staged"));
    QStringList files;
    for (auto it = sources.cbegin(); it != sources.cend(); ++it) {
        files << staged + QLatin1Char('/') + it.key();
        QVERIFY(writeBytes(files.last(), it.value()));
    }

    const QString package = dir.filePath(QStringLiteral("show.mrv"));
    QString made;
    if (writer.startsWith(QLatin1String("zip")))
        made = run(m_zip, QStringList{writer == QLatin1String("zip0") ? QStringLiteral("-0rjq")
                                                                      : QStringLiteral("-rjq"),
                                      package, staged});
    else
        made = run(m_python, QStringList{QStringLiteral("-c"), QString::fromUtf8(writeScript),
                                         writer, package} +
                                 files);
    QVERIFY2(made.isEmpty(), qPrintable(made));

    PackageArchive archive(package);
    QByteArray read;
    QVERIFY2(archive.readDocument(&read), qPrintable(archive.errorString()));
    QCOMPARE(read, document);

    const QString added = dir.filePath(QStringLiteral("added"));
    const QByteArray still = randomBytes(20000, 9);
    QVERIFY(writeBytes(added + QStringLiteral("/json.txt"), newDocument));
    QVERIFY(writeBytes(added + QStringLiteral("/still.png"), still));
    QVERIFY2(
        archive.update({QStringLiteral("/json.txt"), QStringLiteral("/Café façade.jpg")},
                       {added + QStringLiteral("/json.txt"), added + QStringLiteral("/still.png")}),
        qPrintable(archive.errorString()));
    QVERIFY2(archive.readDocument(&read), qPrintable(archive.errorString()));
    QCOMPARE(read, newDocument);

    // Entries kept from the other writer keep its method.
    ZipEntries expected = sources;
    expected.remove(QStringLiteral("Café façade.jpg"));
    expected.insert(QStringLiteral("json.txt"), newDocument);
    expected.insert(QStringLiteral("still.png"), still);
    verifyWithOtherReaders(package, expected, false);
}

QTEST_GUILESS_MAIN(TestInterop)
#include "tst_interop.moc"
