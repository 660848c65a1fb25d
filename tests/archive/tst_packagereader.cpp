#include "archive/packagearchive.h"
#include "archive/packagereader.h"
#include "tests/common/testkit.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// Text that deflates well, with a random tail, so both kinds of entry are real.
QByteArray compressible(int size)
{
    QByteArray bytes;
    for (int i = 0; bytes.size() < size; ++i)
        bytes += "frame " + QByteArray::number(i) + " of a clip that compresses; ";
    bytes.truncate(size - 1000);
    return bytes + randomBytes(1000, 9);
}

QByteArray le16(quint16 value)
{
    return QByteArray(1, char(value & 0xff)) + char(value >> 8);
}

} // namespace

class TestPackageReader : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const char *name) const { return dir.filePath(str(name)); }

private slots:
    void initTestCase() { QVERIFY2(dir.isValid(), qPrintable(dir.errorString())); }
    void localHeaders_data();
    void localHeaders();
    void entryDevices_data();
    void entryDevices();
    void damagedEntries_data();
    void damagedEntries();
};

// The local header of the first entry (at offset 0) against the central
// directory. A streaming writer (bsdtar) leaves checksum and compressed size
// zero and flags a data descriptor: accepted, read, updated. Anything else
// that disagrees is refused, as before.
void TestPackageReader::localHeaders_data()
{
    QTest::addColumn<QString>("writer"); // "bsdtar" or "libzip"
    QTest::addColumn<int>("offset");     // in the first local header; -1: unchanged
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("bsdtar as written") << str("bsdtar") << -1 << QByteArray();
    QTest::newRow("bsdtar, local size wrong") << str("bsdtar") << 22 << QByteArray("\1\0\0\0", 4);
    QTest::newRow("bsdtar, local method stored") << str("bsdtar") << 8 << le16(0);
    QTest::newRow("bsdtar, local name other") << str("bsdtar") << 30 << QByteArray("x");
    QTest::newRow("libzip as written") << str("libzip") << -1 << QByteArray();
    QTest::newRow("libzip, local size zero without descriptor")
        << str("libzip") << 22 << QByteArray(4, '\0');
}

void TestPackageReader::localHeaders()
{
    QFETCH(QString, writer);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);

    const QString package = path("local.mrv");
    const QByteArray media = compressible(40000);
    const QByteArray document = "{\"gallery\": []}";
    QFile::remove(package);
    if (writer == str("bsdtar")) {
        if (QStandardPaths::findExecutable(str("bsdtar")).isEmpty())
            QSKIP("bsdtar is needed: scripts/setup.sh installs it");
        QVERIFY(writeBytes(path("staged/a.bin"), media) &&
                writeBytes(path("staged/json.txt"), document));
        QVERIFY(runProgram(str("bsdtar"),
                           {str("--format"), str("zip"), str("-cf"), package, str("a.bin"),
                            str("json.txt")},
                           path("staged"))
                    .isEmpty());
    } else {
        QVERIFY(writeZip(package, {{str("a.bin"), media, true}, {str("json.txt"), document}}));
    }
    if (offset >= 0)
        QVERIFY(patchBytes(package, offset, bytes));

    PackageReader reader(package);
    const bool opened = reader.open();
    if (offset >= 0) {
        QVERIFY(!opened);
        QCOMPARE(reader.errorString(),
                 str("Cannot read “%1”: the archive is damaged.").arg(package));
        // The writing side refuses it too, before it changes a byte.
        const QByteArray before = fileBytes(package);
        QVERIFY(!PackageArchive(package).update({}, {PackageEntry::memory(str("json.txt"), "{}")}));
        QCOMPARE(fileBytes(package), before);
        return;
    }
    QVERIFY2(opened, qPrintable(reader.errorString()));
    QCOMPARE(reader.entryNames(), (QStringList{str("a.bin"), str("json.txt")}));
    QByteArray read;
    QVERIFY2(reader.readEntry(str("a.bin"), 1 << 20, &read), qPrintable(reader.errorString()));
    QCOMPARE(read, media);
    QVERIFY2(reader.verify(), qPrintable(reader.errorString()));

    // Updated in place of the other writer's entries, it reads back everywhere.
    PackageArchive archive(package);
    QVERIFY2(archive.update({}, {PackageEntry::memory(str("json.txt"), "{}")}),
             qPrintable(archive.errorString()));
    PackageReader again(package);
    QVERIFY2(again.open() && again.verify(), qPrintable(again.errorString()));
    QVERIFY(again.readEntry(str("a.bin"), 1 << 20, &read));
    QCOMPARE(read, media);
    QVERIFY(again.readEntry(str("json.txt"), 1 << 20, &read));
    QCOMPARE(read, QByteArray("{}"));
}

// Reads at scattered positions, backwards too, give the entry's own bytes.
void TestPackageReader::entryDevices_data()
{
    QTest::addColumn<bool>("deflate");
    QTest::newRow("stored") << false;
    QTest::newRow("deflated") << true;
}

void TestPackageReader::entryDevices()
{
    QFETCH(bool, deflate);
    const QString package = path("devices.mrv");
    const QByteArray media = compressible(300000);
    QVERIFY(writeZip(package, {{str("before.bin"), randomBytes(777, 2), deflate},
                               {str("clip.mp4"), media, deflate},
                               {str("after.bin"), randomBytes(555, 3), deflate}}));
    PackageReader reader(package);
    QVERIFY2(reader.open(), qPrintable(reader.errorString()));
    QCOMPARE(reader.isStored(str("clip.mp4")), !deflate);
    QCOMPARE(reader.entrySize(str("clip.mp4")), qint64(media.size()));
    QString error;

    std::unique_ptr<QIODevice> device = reader.entryDevice(str("clip.mp4"), &error);
    // A second device on the same entry reads on its own.
    std::unique_ptr<QIODevice> other = reader.entryDevice(str("clip.mp4"), &error);
    QVERIFY(device && other && !device->isSequential());
    QCOMPARE(device->size(), qint64(media.size()));
    for (const qint64 at : {250000, 10, 0, 299990, 123456, 123400}) {
        QVERIFY(device->seek(at));
        QCOMPARE(device->read(64), media.mid(int(at), 64));
        const qint64 from = other->pos();
        QCOMPARE(other->read(16), media.mid(int(from), 16));
    }
    QVERIFY(device->seek(media.size()));
    QCOMPARE(device->read(10), QByteArray());
    QVERIFY(!device->seek(media.size() + 1));
}

// A damaged entry names itself and the cause; the package's other entries still read.
void TestPackageReader::damagedEntries_data()
{
    QTest::addColumn<bool>("deflate");
    QTest::addColumn<QString>("cause");
    QTest::newRow("stored, byte flipped") << false << str("checksum mismatch");
    QTest::newRow("deflated, stream broken") << true << str("damaged");
}

void TestPackageReader::damagedEntries()
{
    QFETCH(bool, deflate);
    QFETCH(QString, cause);
    const QString package = path("damaged.mrv");
    const QByteArray media = deflate ? compressible(50000) : randomBytes(50000, 4);
    QVERIFY(writeZip(package, {{str("clip.mp4"), media, deflate}, {str("json.txt"), "{}"}}));
    // The first entry's data starts after its 30-byte header and its name.
    const qint64 data = 30 + 8;
    QVERIFY(patchBytes(package, data + (deflate ? 0 : 20000), QByteArray("\xff\xff\xff\xff", 4)));

    PackageReader reader(package);
    QVERIFY2(reader.open(), qPrintable(reader.errorString()));
    QVERIFY(!reader.verify());
    QVERIFY2(reader.errorString().contains(str("the entry “clip.mp4”")) &&
                 reader.errorString().contains(cause),
             qPrintable(reader.errorString()));
    QByteArray read;
    QVERIFY(!reader.readEntry(str("clip.mp4"), 1 << 20, &read));
    QVERIFY(reader.readEntry(str("json.txt"), 1 << 20, &read));
    QCOMPARE(read, QByteArray("{}"));
    QVERIFY(!reader.readEntry(str("clip.mp4"), 1000, &read));
    QVERIFY2(reader.errorString().contains(str("“clip.mp4” is too large")),
             qPrintable(reader.errorString()));
}

QTEST_GUILESS_MAIN(TestPackageReader)
#include "tst_packagereader.moc"
