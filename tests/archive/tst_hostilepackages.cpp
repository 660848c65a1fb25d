#include "archive/packagearchive.h"

#include "robust_rawzip.h"
#include "robust_snapshot.h"
#include "tests/common/ziptools.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using RawZip::Entry;

namespace {

enum class Kind { File, Fifo, Directory, DeviceLink };

} // namespace

Q_DECLARE_METATYPE(Kind)

namespace {

const QByteArray document = QByteArrayLiteral("{\"OfflinePlaylist\":{\"Items\":[{\"filename\":\"/"
                                              "clip.mp4\"},{\"filename\":\"/photo.jpg\"}]}}");
const QByteArray newDocument = QByteArrayLiteral("{\"OfflinePlaylist\":{\"Items\":[]}}");

// Far more than any document may hold, yet only a few hundred KiB deflated.
constexpr qint64 bombSize = qint64(256) << 20;
// The document cap plus room for buffers; a reader that inflates a bomb grows far past it.
constexpr long memoryAllowanceKiB = 64 * 1024;

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    generator.fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

const Entry json = RawZip::deflated("json.txt", document);
const Entry clip = RawZip::stored("clip.mp4", randomBytes(4096, 1));
const Entry photo = RawZip::stored("photo.jpg", randomBytes(4096, 2));

QByteArray soundPackage()
{
    return RawZip::archive({json, clip, photo});
}

QByteArray withMediaName(const QByteArray &name)
{
    Entry media = clip;
    media.name = name;
    return RawZip::archive({json, media, photo});
}

QByteArray withDocument(const Entry &entry)
{
    return RawZip::archive({entry, clip, photo});
}

QByteArray withDocumentChanged(const std::function<void(Entry &)> &change)
{
    Entry entry = json;
    change(entry);
    return withDocument(entry);
}

Entry documentBomb(quint32 declaredSize)
{
    Entry entry;
    entry.name = "json.txt";
    entry.method = 8;
    entry.payload = RawZip::deflatedZeros(bombSize, &entry.crc);
    entry.compressedSize = quint32(entry.payload.size());
    entry.uncompressedSize = declaredSize;
    return entry;
}

// A second entry whose local header and data lie inside the first entry's data:
// rewriting such an archive copies the same bytes twice.
QByteArray overlappingEntries()
{
    const QByteArray filler(1000, 'x');
    const Entry outer =
        RawZip::stored("clip.mp4", filler + RawZip::localHeader(photo) + photo.payload);
    QByteArray out = RawZip::localHeader(json) + json.payload;
    const quint32 outerOffset = quint32(out.size());
    out += RawZip::localHeader(outer) + outer.payload;
    const quint32 innerOffset =
        outerOffset + quint32(RawZip::localHeader(outer).size() + filler.size());
    const quint32 centralOffset = quint32(out.size());
    out += RawZip::centralHeader(json, 0);
    out += RawZip::centralHeader(outer, outerOffset);
    out += RawZip::centralHeader(photo, innerOffset);
    return out + RawZip::endRecord(3, quint32(out.size()) - centralOffset, centralOffset);
}

QByteArray sizeBeyondTheFile()
{
    Entry media = clip;
    media.compressedSize = 0x7fff0000;
    media.uncompressedSize = 0x7fff0000;
    return RawZip::archive({json, photo, media});
}

constexpr int endRecordSize = 22;

template<typename T> void put(QByteArray &bytes, int at, T value)
{
    qToLittleEndian(value, bytes.data() + at);
}

int get16(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

// The sound package with one field of its end record overwritten.
template<typename T> QByteArray withEndRecordField(int field, T value)
{
    QByteArray bytes = soundPackage();
    put(bytes, bytes.size() - endRecordSize + field, value);
    return bytes;
}

// The sound package with one field of the index-th directory record overwritten.
template<typename T> QByteArray withDirectoryField(int index, int field, T value)
{
    QByteArray bytes = soundPackage();
    int at = int(qFromLittleEndian<quint32>(bytes.constData() + bytes.size() - endRecordSize + 16));
    for (int i = 0; i < index; ++i)
        at += 46 + get16(bytes, at + 28) + get16(bytes, at + 30) + get16(bytes, at + 32);
    put(bytes, at + field, value);
    return bytes;
}

// An end record that defers to a zip64 record the locator places far past the file.
QByteArray zip64LocatorBeyondTheFile()
{
    QByteArray bytes = soundPackage();
    QByteArray end = bytes.right(endRecordSize);
    bytes.chop(endRecordSize);
    QByteArray locator(20, '\0');
    put(locator, 0, quint32(0x07064b50));
    put(locator, 8, quint64(1) << 40);
    put(locator, 16, quint32(1));
    put(end, 16, quint32(0xffffffff));
    return bytes + locator + end;
}

long peakMemoryKiB()
{
    struct rusage usage;
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

class TestHostilePackages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void soundPackageIsAccepted();
    void damagedPackage_data();
    void damagedPackage();

private:
    QString runGuarded(const QString &package, const std::function<void()> &job);

    QTemporaryDir m_cwd;
};

void TestHostilePackages::initTestCase()
{
    // A reader that extracts to the working directory would write here.
    QVERIFY2(m_cwd.isValid(), qPrintable(m_cwd.errorString()));
    QVERIFY(QDir::setCurrent(m_cwd.path()));
}

// What went wrong around the job, whatever it returned: a hang, a bomb
// inflated in memory, or files written to the working directory.
QString TestHostilePackages::runGuarded(const QString &package, const std::function<void()> &job)
{
    const long memoryBefore = peakMemoryKiB();
    // A reader blocked in open() or read() on a FIFO gets end of file once a writer comes and goes.
    const bool returned = robustRunGuarded(job, [&] {
        const int fd = ::open(QFile::encodeName(package).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    });
    const long memoryGrowth = peakMemoryKiB() - memoryBefore;
    if (!returned)
        return QStringLiteral("hung");
    if (memoryGrowth >= memoryAllowanceKiB)
        return QStringLiteral("memory grew by %1 KiB").arg(memoryGrowth);
    if (!QDir(m_cwd.path())
             .isEmpty(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot))
        return QStringLiteral("wrote to the working directory");
    return {};
}

void TestHostilePackages::soundPackageIsAccepted()
{
    // The hostile rows below are variations of this package; it must be accepted,
    // so that each refusal is owed to the variation alone.
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString package = dir.filePath(QStringLiteral("show.mrv"));
    QVERIFY(writeBytes(package, soundPackage()));

    PackageArchive archive(package);
    QByteArray read;
    QVERIFY2(archive.readDocument(&read), qPrintable(archive.errorString()));
    QCOMPARE(read, document);

    const QString addition = dir.filePath(QStringLiteral("json.txt"));
    QVERIFY(writeBytes(addition, newDocument));
    QVERIFY2(archive.update({QStringLiteral("/json.txt"), QStringLiteral("/clip.mp4")}, {addition}),
             qPrintable(archive.errorString()));
    QVERIFY2(archive.readDocument(&read), qPrintable(archive.errorString()));
    QCOMPARE(read, newDocument);
}

void TestHostilePackages::damagedPackage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Kind>("kind");
    // The damage lies only in the document entry, which the update replaces.
    QTest::addColumn<bool>("documentOnly");

    const auto file = [](const char *name, const QByteArray &bytes) {
        QTest::newRow(name) << bytes << Kind::File << false;
    };
    const auto documentDamage = [](const char *name, const QByteArray &bytes) {
        QTest::newRow(name) << bytes << Kind::File << true;
    };

    file("not a zip", QByteArrayLiteral("A playlist, honestly.\n").repeated(100));
    file("empty file", QByteArray());
    file("truncated to half", soundPackage().left(soundPackage().size() / 2));
    file("random bytes", randomBytes(65536, 4));
    QTest::newRow("FIFO picked as the package") << QByteArray() << Kind::Fifo << false;
    QTest::newRow("directory picked as the package") << QByteArray() << Kind::Directory << false;
    QTest::newRow("link to a device") << QByteArray() << Kind::DeviceLink << false;

    documentDamage("no json.txt", RawZip::archive({clip, photo}));
    file("two json.txt", RawZip::archive({json, clip, RawZip::deflated("json.txt", newDocument)}));

    documentDamage("json.txt inflates far past the cap",
                   withDocument(documentBomb(quint32(bombSize))));
    documentDamage("json.txt bomb declares a small size", withDocument(documentBomb(1000)));
    documentDamage("json.txt declares more bytes than it holds",
                   withDocumentChanged([](Entry &e) { e.uncompressedSize *= 2; }));
    documentDamage("stored json.txt with sizes that disagree", withDocument([] {
                       Entry e = RawZip::stored("json.txt", document);
                       e.uncompressedSize += 10;
                       return e;
                   }()));
    documentDamage("json.txt with a bad CRC", withDocumentChanged([](Entry &e) { e.crc ^= 1; }));
    documentDamage("json.txt encrypted", withDocumentChanged([](Entry &e) { e.flags |= 1; }));
    documentDamage("json.txt with an unknown method",
                   withDocumentChanged([](Entry &e) { e.method = 99; }));

    file("entries overlap", overlappingEntries());
    file("entry size exceeds the file", sizeBeyondTheFile());
    file("central directory beyond the file",
         withEndRecordField(16, quint32(soundPackage().size()) + 1000));
    file("more entries counted than recorded", withEndRecordField(10, quint16(5)));
    file("zip64 locator beyond the file", zip64LocatorBeyondTheFile());
    file("extra field runs past the directory", withDirectoryField(1, 30, quint16(0xffff)));
    file("local header offset beyond the file", withDirectoryField(1, 42, quint32(0x7fffffff)));
    file("local header disagrees with the directory", [] {
        Entry media = clip;
        media.localCompressedSize = media.compressedSize + 100;
        return RawZip::archive({json, media, photo});
    }());

    file("name climbing out with backslashes", withMediaName("..\\clip.mp4"));
    file("name climbing out of a folder", withMediaName("../clip.mp4"));
    file("name that is ..", withMediaName(".."));
    file("name with a leading slash", withMediaName("/clip.mp4"));
    file("empty name", withMediaName(""));
    file("name with a NUL byte", withMediaName(QByteArray("clip.mp4\0../x", 13)));
}

void TestHostilePackages::damagedPackage()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Kind, kind);
    QFETCH(bool, documentOnly);
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString package = dir.filePath(QStringLiteral("show.mrv"));
    const QStringList additions{dir.filePath(QStringLiteral("new/json.txt")),
                                dir.filePath(QStringLiteral("new/extra.jpg"))};
    QVERIFY(writeBytes(additions.at(0), newDocument));
    QVERIFY(writeBytes(additions.at(1), randomBytes(2048, 3)));
    switch (kind) {
    case Kind::File:
        QVERIFY(writeBytes(package, bytes));
        break;
    case Kind::Fifo:
        QCOMPARE(::mkfifo(QFile::encodeName(package).constData(), 0644), 0);
        break;
    case Kind::Directory:
        QVERIFY(writeBytes(package + QStringLiteral("/json.txt"), document));
        break;
    case Kind::DeviceLink:
        // Endless zeros: a reader that trusts read() to end never returns.
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), package));
        break;
    }
    const QMap<QString, QString> before = robustSnapshot(dir.path());

    PackageArchive reader(package);
    QByteArray read = QByteArrayLiteral("untouched");
    bool accepted = true;
    QString trouble = runGuarded(package, [&] { accepted = reader.readDocument(&read); });
    QVERIFY2(trouble.isEmpty(), qPrintable(trouble));
    QVERIFY2(!accepted, read.left(200).constData());
    QVERIFY2(reader.errorString().contains(QDir::toNativeSeparators(package)),
             qPrintable(reader.errorString()));
    QCOMPARE(robustSnapshot(dir.path()), before);

    PackageArchive updater(package);
    trouble = runGuarded(package, [&] {
        accepted =
            updater.update({QStringLiteral("/json.txt"), QStringLiteral("/photo.jpg")}, additions);
    });
    QVERIFY2(trouble.isEmpty(), qPrintable(trouble));
    if (!accepted) {
        QVERIFY2(updater.errorString().contains(QDir::toNativeSeparators(package)),
                 qPrintable(updater.errorString()));
        QCOMPARE(robustSnapshot(dir.path()), before);
        return;
    }
    // Replacing a damaged document is a repair, not a rewrite of the damage:
    // the result must be sound, and only the package may have changed.
    QVERIFY2(documentOnly, "a damaged package was rewritten");
    const ZipEntries expected{{QStringLiteral("json.txt"), newDocument},
                              {QStringLiteral("clip.mp4"), clip.payload},
                              {QStringLiteral("extra.jpg"), randomBytes(2048, 3)}};
    QCOMPARE(readZip(package), expected);
    QMap<QString, QString> after = robustSnapshot(dir.path());
    QMap<QString, QString> unchanged = before;
    after.remove(QStringLiteral("show.mrv"));
    unchanged.remove(QStringLiteral("show.mrv"));
    QCOMPARE(after, unchanged);
}

QTEST_GUILESS_MAIN(TestHostilePackages)
#include "tst_hostilepackages.moc"
