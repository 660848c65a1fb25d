#include "archive/packagearchive.h"
#include "tests/common/testkit.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <sys/stat.h>

namespace {

const QByteArray document = "{\"OfflinePlaylist\":{\"Items\":[]}}";
// Four times the document cap, yet only some 64 KiB deflated.
const QByteArray zeros(64 << 20, '\0');

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

int u32(const QByteArray &bytes, int at)
{
    return int(qFromLittleEndian<quint32>(bytes.constData() + at));
}

// json.txt (deflated), clip.mp4 and photo.jpg, as libzip writes them.
QByteArray package(const QByteArray &json = document, bool withDocument = true)
{
    QTemporaryDir dir;
    QVector<ZipItem> items{{str("clip.mp4"), randomBytes(4096, 1)},
                           {str("photo.jpg"), randomBytes(4096, 2)}};
    if (withDocument)
        items.prepend({str("json.txt"), json, true});
    const QString path = dir.filePath(str("p.zip"));
    return writeZip(path, items) ? fileBytes(path) : QByteArray();
}

int centralRecord(const QByteArray &bytes, int entry)
{
    int at = u32(bytes, bytes.size() - 6);
    for (int i = 0; i < entry; ++i)
        at += 46 + (u32(bytes, at + 28) & 0xffff) + (u32(bytes, at + 30) & 0xffff) +
              (u32(bytes, at + 32) & 0xffff);
    return at;
}

// value written over a field of entry's central record and of its local
// header, each unless -1; entry -1 is the end record.
QByteArray patched(int entry, int centralField, int localField, const QByteArray &value,
                   QByteArray bytes = package())
{
    const int central = entry < 0 ? bytes.size() - 22 : centralRecord(bytes, entry);
    if (centralField >= 0)
        bytes.replace(central + centralField, value.size(), value);
    if (localField >= 0)
        bytes.replace(u32(bytes, central + 42) + localField, value.size(), value);
    return bytes;
}

} // namespace

class TestHostilePackages : public QObject
{
    Q_OBJECT

private slots:
    void hostilePackage_data();
    void hostilePackage();
};

void TestHostilePackages::hostilePackage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    // The damage lies only in the document entry, which the update replaces.
    QTest::addColumn<bool>("documentOnly");
    QTest::addColumn<QString>("cause"); // when given, what reading says

    const auto file = [](const char *name, const QByteArray &bytes, bool documentOnly = false,
                         const char *cause = "") {
        QTest::newRow(name) << bytes << documentOnly << str(cause);
    };
    // Each a file a reader could block on or read forever.
    file("FIFO", "fifo");
    file("link to a device", "/dev/zero");
    file("sound package", package(), true);
    file("not a zip", QByteArray("A playlist, honestly.\n").repeated(100));
    file("empty file", QByteArray());
    file("truncated to half", package().left(package().size() / 2));
    file("no json.txt", package({}, false), true);
    const char *tooLarge = "its playlist document is larger than 16 MiB";
    file("json.txt inflates past the cap", package(zeros), true, tooLarge);
    // Memory must follow what the entry holds, never what it declares.
    file("json.txt bomb declares a small size", patched(0, 24, 22, le32(1000), package(zeros)),
         true, tooLarge);
    file("json.txt declares more than it holds", patched(0, 24, 22, le32(100)), true);
    file("json.txt with a bad CRC", patched(0, 16, 14, le32(0x12345678)), true);
    file("json.txt with an unknown method", patched(0, 10, 8, QByteArray("\x63\0", 2)), true);
    file("json.txt twice", patched(1, 46, 30, "json.txt"));
    // Only the layout check can see these: reading the document never touches the media.
    file("media entry encrypted", patched(1, 8, 6, QByteArray("\x01\0", 2)), false,
         "the entry “clip.mp4” is encrypted");
    file("media entry that is a folder", patched(1, 46, 30, "clip.mp/"));
    file("entries overlap", [] {
        const QByteArray bytes = package();
        return patched(2, 42, -1, bytes.mid(centralRecord(bytes, 1) + 42, 4), bytes);
    }());
    file("entry size exceeds the file", patched(1, 20, 18, le32(0x7fff0000) + le32(0x7fff0000)));
    file("local header disagrees with the directory", patched(1, -1, 18, le32(4196)));
    file("local header offset beyond the file", patched(1, 42, -1, le32(0x7fffffff)));
    file("extra field runs past the directory", patched(1, 30, -1, QByteArray("\xff\xff", 2)));
    file("central directory beyond the file", patched(-1, 16, -1, le32(1 << 20)));
    file("more entries counted than recorded", patched(-1, 8, -1, QByteArray("\x05\0\x05\0", 4)));
    file("size field without zip64", patched(1, 20, 18, QByteArray(8, '\xff')), false,
         "the entry “clip.mp4” has a size field this program does not support");
    // A second end record in the comment, of an empty directory: readers could take either.
    file("two end records", []() -> QByteArray {
        const QByteArray b = patched(-1, 20, -1, "\x16");
        return b + QByteArray("PK\x05\x06\0\0\0\0\0\0\0\0\x16\0\0\0", 16) +
               le32(quint32(b.size() - 22)) + QByteArray(2, '\0');
    }());
    file("name climbing out", patched(1, 46, 30, "../c.mp4"));
    file("name with a NUL byte", patched(1, 46, 30, QByteArray("clip\0mp4", 8)));
}

void TestHostilePackages::hostilePackage()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, documentOnly);
    QFETCH(QString, cause);
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString path = dir.filePath(str("show.mrv"));
    const QString extra = dir.filePath(str("new/extra.jpg"));
    QVERIFY(writeBytes(extra, randomBytes(2048, 3)));
    if (bytes == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    else
        QVERIFY(bytes == "/dev/zero" ? QFile::link(str("/dev/zero"), path)
                                     : writeBytes(path, bytes));
    const QStringList before = snapshot(dir.path());
    const bool sound = QByteArray(QTest::currentDataTag()) == "sound package";

    PackageArchive archive(path);
    QByteArray read;
    QCOMPARE(archive.readDocument(&read) && archive.verify(), sound);
    const QString error = archive.errorString();
    QVERIFY2(sound ||
                 (error.startsWith(str("Cannot read “%1”: ").arg(path)) && error.contains(cause)),
             qPrintable(error));
    QCOMPARE(snapshot(dir.path()), before);

    const bool updated = archive.update(
        {str("json.txt"), str("photo.jpg")},
        {PackageEntry::memory(str("json.txt"), "{}"), PackageEntry::file(str("extra.jpg"), extra)});
    if (!updated) {
        QVERIFY2(!sound, qPrintable(archive.errorString()));
        QVERIFY2(archive.errorString().startsWith(str("Cannot save “%1”: ").arg(path)),
                 qPrintable(archive.errorString()));
        QCOMPARE(snapshot(dir.path()), before);
        return;
    }
    // Replacing a damaged document is a repair, not a rewrite of the damage.
    QVERIFY2(documentOnly, "a damaged package was rewritten");
    QCOMPARE(readZip(path), ZipEntries({{str("json.txt"), "{}"},
                                        {str("clip.mp4"), randomBytes(4096, 1)},
                                        {str("extra.jpg"), randomBytes(2048, 3)}}));
}

QTEST_GUILESS_MAIN(TestHostilePackages)
#include "tst_hostilepackages.moc"
