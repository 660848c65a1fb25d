#include "archive/packagearchive.h"
#include "tests/common/testkit.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <zlib.h>

#include <cstring>
#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

enum class Kind { File, Fifo, Directory, DeviceLink };

// Far more than any document may hold, yet only a few hundred KiB deflated.
constexpr int bombMiB = 256;
// The document cap plus room for buffers; a reader that inflates a bomb grows far past it.
constexpr long memoryAllowanceKiB = 64 * 1024;

const QByteArray document = "{\"OfflinePlaylist\":{\"Items\":[]}}";

// Where the fields of the index-th entry are: its central record and its local header.
struct Record
{
    QByteArray *bytes;
    int central;
    int local;
    int data() const { return local + 30 + get(local + 26, 2) + get(local + 28, 2); }
    int get(int at, int size) const
    {
        return size == 2 ? qFromLittleEndian<quint16>(bytes->constData() + at)
                         : int(qFromLittleEndian<quint32>(bytes->constData() + at));
    }
    // Writes value at the central field and, when localField is not -1, at the local one.
    void set(int centralField, int localField, const QByteArray &value)
    {
        bytes->replace(central + centralField, value.size(), value);
        if (localField >= 0)
            bytes->replace(local + localField, value.size(), value);
    }
};

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

Record record(QByteArray &bytes, int index)
{
    Record r{&bytes, int(qFromLittleEndian<quint32>(bytes.constData() + bytes.size() - 6)), 0};
    for (int i = 0; i < index; ++i)
        r.central +=
            46 + r.get(r.central + 28, 2) + r.get(r.central + 30, 2) + r.get(r.central + 32, 2);
    r.local = r.get(r.central + 42, 4);
    return r;
}

// The sound package: json.txt (deflated), clip.mp4, photo.jpg; change alters its bytes.
QByteArray package(const std::function<void(QByteArray &)> &change = {}, bool withDocument = true)
{
    QTemporaryDir dir;
    QVector<ZipItem> items{{QStringLiteral("clip.mp4"), randomBytes(4096, 1)},
                           {QStringLiteral("photo.jpg"), randomBytes(4096, 2)}};
    if (withDocument)
        items.prepend({QStringLiteral("json.txt"), document, true});
    const QString path = dir.filePath(QStringLiteral("p.zip"));
    QByteArray bytes = writeZip(path, items) ? fileBytes(path) : QByteArray();
    if (change)
        change(bytes);
    return bytes;
}

// json.txt made a raw deflate stream of zeros, declaring size bytes.
void bomb(QByteArray &bytes, quint32 declared)
{
    z_stream stream;
    std::memset(&stream, 0, sizeof stream);
    deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    const QByteArray zeros(1 << 20, '\0');
    QByteArray out(1 << 20, '\0');
    uLong crc = crc32(0, nullptr, 0);
    for (int i = 0; i < bombMiB; ++i) {
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(zeros.constData()));
        stream.avail_in = uInt(zeros.size());
        stream.next_out = reinterpret_cast<Bytef *>(out.data() + stream.total_out);
        stream.avail_out = uInt(out.size() - int(stream.total_out));
        deflate(&stream, i + 1 == bombMiB ? Z_FINISH : Z_NO_FLUSH);
        crc = crc32(crc, reinterpret_cast<const Bytef *>(zeros.constData()), uInt(zeros.size()));
    }
    out.truncate(int(stream.total_out));
    deflateEnd(&stream);
    Record json = record(bytes, 0);
    const int old = json.get(json.central + 20, 4);
    json.set(16, 14, le32(quint32(crc)) + le32(quint32(out.size())) + le32(declared));
    bytes.replace(json.data(), old, out);
    // Everything after the document moved by the difference.
    const int shift = out.size() - old;
    bytes.replace(bytes.size() - 6, 4, le32(quint32(json.central + shift)));
    for (int i = 1; i < 3; ++i) {
        Record r = record(bytes, i);
        r.set(42, -1, le32(quint32(r.local + shift)));
    }
}

} // namespace

Q_DECLARE_METATYPE(Kind)

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
    QTest::addColumn<Kind>("kind");
    // The damage lies only in the document entry, which the update replaces.
    QTest::addColumn<bool>("documentOnly");

    const auto file = [](const char *name, const QByteArray &bytes, bool documentOnly = false) {
        QTest::newRow(name) << bytes << Kind::File << documentOnly;
    };
    const auto patch = [](int index, int central, int local, const QByteArray &value) {
        return package([=](QByteArray &b) { record(b, index).set(central, local, value); });
    };
    QTest::newRow("sound package") << package() << Kind::File << true;
    file("not a zip", QByteArray("A playlist, honestly.\n").repeated(100));
    file("empty file", QByteArray());
    file("truncated to half", package().left(package().size() / 2));
    file("random bytes", randomBytes(65536, 4));
    QTest::newRow("FIFO") << QByteArray() << Kind::Fifo << false;
    QTest::newRow("directory") << QByteArray() << Kind::Directory << false;
    QTest::newRow("link to a device") << QByteArray() << Kind::DeviceLink << false;

    file("no json.txt", package({}, false), true);
    file("json.txt inflates far past the cap",
         package([](QByteArray &b) { bomb(b, bombMiB << 20); }), true);
    file("json.txt bomb declares a small size", package([](QByteArray &b) { bomb(b, 1000); }),
         true);
    file("json.txt declares more bytes than it holds",
         patch(0, 24, 22, le32(quint32(2 * document.size()))), true);
    file("json.txt with a bad CRC", patch(0, 16, 14, le32(0x12345678)), true);
    file("json.txt with an unknown method", patch(0, 10, 8, QByteArray("\x63\0", 2)), true);
    file("json.txt twice", patch(1, 46, 30, "json.txt"));
    // Only the layout check can see this: no reader of the document looks at the media.
    file("media entry encrypted", patch(1, 8, 6, QByteArray("\x01\0", 2)));
    file("media entry strongly encrypted", patch(1, 8, 6, QByteArray("\x41\0", 2)));
    file("entries overlap", package([](QByteArray &b) {
             record(b, 2).set(42, -1, le32(quint32(record(b, 1).local)));
         }));
    file("entry size exceeds the file", patch(1, 20, 18, le32(0x7fff0000) + le32(0x7fff0000)));
    file("local header disagrees with the directory",
         package([](QByteArray &b) { b.replace(record(b, 1).local + 18, 4, le32(4196)); }));
    file("local header offset beyond the file", patch(1, 42, -1, le32(0x7fffffff)));
    file("extra field runs past the directory", patch(1, 30, -1, QByteArray("\xff\xff", 2)));
    file("central directory beyond the file", package([](QByteArray &b) {
             b.replace(b.size() - 6, 4, le32(quint32(b.size() + 1000)));
         }));
    file("more entries counted than recorded", package([](QByteArray &b) {
             b.replace(b.size() - 14, 4, QByteArray("\x05\0\x05\0", 4));
         }));
    file("name climbing out", patch(1, 46, 30, "../c.mp4"));
    file("name with a leading slash", patch(1, 46, 30, "/lip.mp4"));
    file("name with a NUL byte", patch(1, 46, 30, QByteArray("clip\0mp4", 8)));
}

void TestHostilePackages::hostilePackage()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Kind, kind);
    QFETCH(bool, documentOnly);
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString path = dir.filePath(QStringLiteral("show.mrv"));
    const QString extra = dir.filePath(QStringLiteral("new/extra.jpg"));
    QVERIFY(writeBytes(extra, randomBytes(2048, 3)));
    if (kind == Kind::File)
        QVERIFY(writeBytes(path, bytes));
    if (kind == Kind::Fifo)
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    if (kind == Kind::Directory)
        QVERIFY(writeBytes(path + QStringLiteral("/json.txt"), document));
    // Endless zeros: a reader that trusts read() to end never returns.
    if (kind == Kind::DeviceLink)
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    const QStringList before = snapshot(dir.path());
    const bool sound = QByteArray(QTest::currentDataTag()) == "sound package";

    struct rusage usage;
    ::getrusage(RUSAGE_SELF, &usage);
    const long peakBefore = usage.ru_maxrss;
    PackageArchive archive(path);
    QByteArray read;
    QCOMPARE(archive.readDocument(&read) && archive.verify(), sound);
    QVERIFY2(sound ||
                 archive.errorString().startsWith(QStringLiteral("Cannot read “%1”: ").arg(path)),
             qPrintable(archive.errorString()));
    QCOMPARE(snapshot(dir.path()), before);

    const bool updated = archive.update({QStringLiteral("json.txt"), QStringLiteral("photo.jpg")},
                                        {PackageEntry::memory(QStringLiteral("json.txt"), "{}"),
                                         PackageEntry::file(QStringLiteral("extra.jpg"), extra)});
    ::getrusage(RUSAGE_SELF, &usage);
    QVERIFY2(usage.ru_maxrss - peakBefore < memoryAllowanceKiB, "a bomb was inflated in memory");
    if (!updated) {
        QVERIFY2(!documentOnly || !sound, qPrintable(archive.errorString()));
        QVERIFY2(archive.errorString().startsWith(QStringLiteral("Cannot save “%1”: ").arg(path)),
                 qPrintable(archive.errorString()));
        QCOMPARE(snapshot(dir.path()), before);
        return;
    }
    // Replacing a damaged document is a repair, not a rewrite of the damage.
    QVERIFY2(documentOnly, "a damaged package was rewritten");
    QCOMPARE(readZip(path), ZipEntries({{QStringLiteral("json.txt"), "{}"},
                                        {QStringLiteral("clip.mp4"), randomBytes(4096, 1)},
                                        {QStringLiteral("extra.jpg"), randomBytes(2048, 3)}}));
}

QTEST_GUILESS_MAIN(TestHostilePackages)
#include "tst_hostilepackages.moc"
