#include "archive/packagearchive.h"
#include "engine_ziputil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <zip.h>

#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using EngineZip::Contents;

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString saveError(const QString &package, const QString &cause)
{
    return QStringLiteral("Cannot save “%1”: %2.").arg(native(package), cause);
}

// Fills %1 and %2 where the text has them; QString::arg warns about absent markers.
QString fill(QString text, const QString &first, const QString &second = {})
{
    return text.replace(QLatin1String("%1"), first).replace(QLatin1String("%2"), second);
}

Contents readContents(const QString &package)
{
    Contents contents;
    QString error;
    if (!EngineZip::contents(package, &contents, &error))
        qWarning() << package << error;
    return contents;
}

mode_t fileMode(const QString &path)
{
    struct stat sb;
    return ::stat(QFile::encodeName(path).constData(), &sb) == 0 ? sb.st_mode & 07777 : 0;
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// What a failed write must leave: the same bytes, and no other file in the folder.
struct Snapshot
{
    explicit Snapshot(const QString &package)
        : package(package), bytes(EngineZip::fileBytes(package)),
          folder(EngineZip::listing(QFileInfo(package).absolutePath()))
    {}
    bool unchanged() const
    {
        return EngineZip::fileBytes(package) == bytes &&
               EngineZip::listing(QFileInfo(package).absolutePath()) == folder;
    }
    QString package;
    QByteArray bytes;
    QStringList folder;
};

} // namespace

class TestPackageArchive : public QObject
{
    Q_OBJECT

private slots:
    void packDirectory_storesEveryFileFlat();
    void packDirectory_format();
    void packDirectory_replacesExistingPackage();
    void packDirectory_refusesMedia_data();
    void packDirectory_refusesMedia();
    void packDirectory_refusesPackagePath_data();
    void packDirectory_refusesPackagePath();
    void packDirectory_reportsProgress();

    void update_deletesExactNames_data();
    void update_deletesExactNames();
    void update_replacesAndKeepsEntries();
    void update_refuses_data();
    void update_refuses();
    void update_deletingEverythingLeavesAnArchive();
    void update_refusesTwoEndRecords();

    void linkedPackageStaysALink();
    void relativePackagePath();
    void leftoverTemporaryFilesAreRemoved();
    void fullDiskLeavesPackageUntouched();
    void savesOnAFatStick();
    void fileSizeLimitIsAnError();
    void entryOver4GiB();
};

void TestPackageArchive::packDirectory_storesEveryFileFlat()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString staged = dir.filePath(QStringLiteral("show"));
    QVERIFY(QDir().mkpath(staged + QStringLiteral("/sub/deeper")));
    const QByteArray clip = EngineZip::randomBytes(300000, 1);
    const QByteArray photo = EngineZip::randomBytes(5000, 2);
    const QByteArray outside = EngineZip::randomBytes(700, 3);
    QVERIFY(EngineZip::writeFile(staged + QStringLiteral("/json.txt"), "{\"a\": 1}"));
    QVERIFY(EngineZip::writeFile(staged + QStringLiteral("/.hidden.png"), "h"));
    QVERIFY(EngineZip::writeFile(staged + QStringLiteral("/sub/clip.mp4"), clip));
    QVERIFY(EngineZip::writeFile(staged + QStringLiteral("/sub/deeper/photo.jpg"), photo));
    QVERIFY(EngineZip::writeFile(dir.filePath(QStringLiteral("outside.png")), outside));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("outside.png")),
                        staged + QStringLiteral("/linked.png")));

    const QString package = dir.filePath(QStringLiteral("show.mrv"));
    PackageArchive archive(package);
    QVERIFY2(archive.packDirectory(staged), qPrintable(archive.errorString()));
    QVERIFY(archive.errorString().isEmpty());

    // Links are followed: the entry holds the bytes of the file linked to.
    const Contents expected{{"json.txt", "{\"a\": 1}"},
                            {".hidden.png", "h"},
                            {"clip.mp4", clip},
                            {"photo.jpg", photo},
                            {"linked.png", outside}};
    QCOMPARE(readContents(package), expected);
    QByteArray document;
    QVERIFY2(archive.readDocument(&document), qPrintable(archive.errorString()));
    QCOMPARE(document, QByteArray("{\"a\": 1}"));
    QCOMPARE(EngineZip::listing(dir.path()),
             QStringList({QStringLiteral("outside.png"), QStringLiteral("show"),
                          QStringLiteral("show.mrv")}));
    QCOMPARE(fileMode(package), 0666 & ~currentUmask());
}

void TestPackageArchive::packDirectory_format()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString staged = dir.filePath(QStringLiteral("show"));
    QVERIFY(QDir().mkpath(staged));
    const QString accented = QStringLiteral("Caf\u00e9 fa\u00e7ade.jpg");
    const QByteArray document(20000, 'x');
    const QByteArray video = EngineZip::randomBytes(300000, 4);
    QVERIFY(EngineZip::writeFile(staged + QStringLiteral("/json.txt"), document));
    QVERIFY(EngineZip::writeFile(staged + QLatin1Char('/') + accented, "caf\xc3\xa9"));
    QVERIFY(EngineZip::writeFile(staged + QStringLiteral("/clip.mp4"), video));
    // Media that compress well are stored all the same.
    QVERIFY(EngineZip::writeFile(staged + QStringLiteral("/flat.png"), QByteArray(50000, '\0')));

    const QString package = dir.filePath(QStringLiteral("show.mrv"));
    PackageArchive archive(package);
    QVERIFY2(archive.packDirectory(staged), qPrintable(archive.errorString()));

    QMap<QByteArray, EngineZip::Header> byName;
    const auto headers = EngineZip::headers(package);
    // Last, so that a later document-only update keeps every media entry in place.
    QVERIFY(!headers.isEmpty());
    QCOMPARE(headers.last().name, QByteArray("json.txt"));
    for (const EngineZip::Header &header : headers)
        byName.insert(header.name, header);
    QCOMPARE(byName.keys(), QList<QByteArray>({"Caf\xc3\xa9 fa\xc3\xa7"
                                               "ade.jpg",
                                               "clip.mp4", "flat.png", "json.txt"}));
    QCOMPARE(byName.value("json.txt").method, EngineZip::methodDeflate);
    QCOMPARE(byName.value("clip.mp4").method, EngineZip::methodStore);
    QCOMPARE(byName.value("flat.png").method, EngineZip::methodStore);
    QCOMPARE(byName.value(accented.toUtf8()).method, EngineZip::methodStore);
    QVERIFY(byName.value(accented.toUtf8()).flags & EngineZip::utf8Flag);
    // Stored media cost only their headers.
    QVERIFY(QFileInfo(package).size() < video.size() + 50000 + 2000);
}

void TestPackageArchive::packDirectory_replacesExistingPackage()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString package = dir.filePath(QStringLiteral("show.mrv"));
    QVERIFY(EngineZip::writeArchive(package, {{"json.txt", "old"}, {"old.jpg", "o"}}));
    QVERIFY(
        QFile::setPermissions(package, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const QString staged = dir.filePath(QStringLiteral("show"));
    QVERIFY(QDir().mkpath(staged));
    QVERIFY(EngineZip::writeFile(staged + QStringLiteral("/json.txt"), "new"));

    PackageArchive archive(package);
    QVERIFY2(archive.packDirectory(staged), qPrintable(archive.errorString()));
    QCOMPARE(readContents(package), Contents({{"json.txt", "new"}}));
    QCOMPARE(fileMode(package), mode_t(0640));
}

void TestPackageArchive::packDirectory_refusesMedia_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("culprit");
    QTest::addColumn<QString>("cause");

    QTest::newRow("fifo") << "fifo"
                          << "sub/pipe.mp4"
                          << "the media file “%1” is not a regular file";
    QTest::newRow("link to a folder") << "folder link"
                                      << "folder.jpg"
                                      << "the media file “%1” is not a regular file";
    QTest::newRow("dangling link") << "dangling"
                                   << "gone.jpg"
                                   << "the media file “%1” is missing";
    QTest::newRow("unreadable") << "unreadable"
                                << "secret.jpg"
                                << "cannot read the media file “%1”: Permission denied";
    QTest::newRow("backslash in name") << "backslash"
                                       << "a\\b.jpg"
                                       << "the name of the media file “%1” cannot be stored in "
                                          "a package";
    QTest::newRow("same bare name twice") << "duplicate"
                                          << "sub/json.txt"
                                          << "“%2/json.txt” and “%1” have the same name";
}

void TestPackageArchive::packDirectory_refusesMedia()
{
    QFETCH(QString, fault);
    QFETCH(QString, culprit);
    QFETCH(QString, cause);
    if (fault == QLatin1String("unreadable") && ::geteuid() == 0)
        QSKIP("root reads every file");

    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString staged = dir.filePath(QStringLiteral("show"));
    QVERIFY(QDir().mkpath(staged + QStringLiteral("/sub")));
    QVERIFY(EngineZip::writeFile(staged + QStringLiteral("/json.txt"), "{}"));
    const QString path = staged + QLatin1Char('/') + culprit;
    if (fault == QLatin1String("fifo")) {
        QVERIFY(EngineZip::makeFifo(path));
    } else if (fault == QLatin1String("folder link")) {
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("elsewhere"))));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("elsewhere")), path));
    } else if (fault == QLatin1String("dangling")) {
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("nothing.jpg")), path));
    } else {
        QVERIFY(EngineZip::writeFile(path, "media"));
        if (fault == QLatin1String("unreadable"))
            QVERIFY(QFile::setPermissions(path, QFile::WriteOwner));
    }

    const QString package = dir.filePath(QStringLiteral("show.mrv"));
    QVERIFY(EngineZip::writeArchive(package, {{"json.txt", "old"}}));
    const Snapshot before(package);
    const QStringList stagedBefore = EngineZip::listing(staged);

    PackageArchive archive(package);
    QVERIFY(!archive.packDirectory(staged));
    QCOMPARE(archive.errorString(), saveError(package, fill(cause, native(path), native(staged))));
    QVERIFY(before.unchanged());
    QCOMPARE(EngineZip::listing(staged), stagedBefore);
}

void TestPackageArchive::packDirectory_refusesPackagePath_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("cause");

    QTest::newRow("folder") << "folder"
                            << "it is not a regular file";
    QTest::newRow("fifo") << "fifo"
                          << "it is not a regular file";
    QTest::newRow("read-only file") << "read-only"
                                    << "the file is read-only";
    QTest::newRow("missing folder") << "no folder"
                                    << "No such file or directory";
}

void TestPackageArchive::packDirectory_refusesPackagePath()
{
    QFETCH(QString, fault);
    QFETCH(QString, cause);

    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString staged = dir.filePath(QStringLiteral("show"));
    QVERIFY(QDir().mkpath(staged));
    QVERIFY(EngineZip::writeFile(staged + QStringLiteral("/json.txt"), "{}"));
    QString package = dir.filePath(QStringLiteral("show.mrv"));
    if (fault == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(package));
    } else if (fault == QLatin1String("fifo")) {
        QVERIFY(EngineZip::makeFifo(package));
    } else if (fault == QLatin1String("read-only")) {
        QVERIFY(EngineZip::writeArchive(package, {{"json.txt", "old"}}));
        QVERIFY(QFile::setPermissions(package, QFile::ReadOwner | QFile::ReadGroup));
    } else {
        package = dir.filePath(QStringLiteral("absent/show.mrv"));
    }
    const QByteArray bytes = EngineZip::fileBytes(package);
    const QStringList folder = EngineZip::listing(dir.path());

    PackageArchive archive(package);
    QVERIFY(!archive.packDirectory(staged));
    QCOMPARE(archive.errorString(), saveError(package, cause));
    QCOMPARE(EngineZip::fileBytes(package), bytes);
    QCOMPARE(EngineZip::listing(dir.path()), folder);
}

void TestPackageArchive::packDirectory_reportsProgress()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString staged = dir.filePath(QStringLiteral("show"));
    QVERIFY(QDir().mkpath(staged));
    for (int i = 0; i < 4; ++i) {
        QVERIFY(EngineZip::writeFile(staged + QStringLiteral("/clip%1.mp4").arg(i),
                                     EngineZip::randomBytes(2000000, static_cast<quint32>(i))));
    }
    QList<int> reported;
    PackageArchive archive(dir.filePath(QStringLiteral("show.mrv")));
    QVERIFY2(archive.packDirectory(staged, [&reported](int percent) { reported.append(percent); }),
             qPrintable(archive.errorString()));
    QVERIFY(reported.size() >= 3);
    QCOMPARE(reported.last(), 100);
    for (int i = 0; i < reported.size(); ++i) {
        QVERIFY(reported.at(i) >= 0);
        if (i > 0)
            QVERIFY2(reported.at(i) > reported.at(i - 1), "each report must be a new percentage");
    }
}

void TestPackageArchive::update_deletesExactNames_data()
{
    QTest::addColumn<QStringList>("deletions");
    QTest::addColumn<QStringList>("remaining");

    const QString all = QStringLiteral("a*.jpg a.jpg abc.jpg json.txt photo1.jpg photo[1].jpg "
                                       "Clip.mp4 clip.mp4");
    QTest::newRow("brackets are no character class")
        << QStringList{QStringLiteral("/photo[1].jpg")}
        << QStringLiteral("Clip.mp4 a*.jpg a.jpg abc.jpg clip.mp4 json.txt photo1.jpg")
               .split(QLatin1Char(' '));
    QTest::newRow("star is no wildcard")
        << QStringList{QStringLiteral("/a*.jpg")}
        << QStringLiteral("Clip.mp4 a.jpg abc.jpg clip.mp4 json.txt photo1.jpg photo[1].jpg")
               .split(QLatin1Char(' '));
    QTest::newRow("case matters")
        << QStringList{QStringLiteral("/clip.mp4")}
        << QStringLiteral("Clip.mp4 a*.jpg a.jpg abc.jpg json.txt photo1.jpg photo[1].jpg")
               .split(QLatin1Char(' '));
    QTest::newRow("name without its slash")
        << QStringList{QStringLiteral("json.txt")}
        << QStringLiteral("Clip.mp4 a*.jpg a.jpg abc.jpg clip.mp4 photo1.jpg photo[1].jpg")
               .split(QLatin1Char(' '));
    QTest::newRow("absent names are ignored")
        << QStringList{QStringLiteral("/none.jpg"), QStringLiteral("/"), QStringLiteral("/a")}
        << all.split(QLatin1Char(' '));
    QTest::newRow("several at once")
        << QStringList{QStringLiteral("/a.jpg"), QStringLiteral("/json.txt"),
                       QStringLiteral("/Clip.mp4")}
        << QStringLiteral("a*.jpg abc.jpg clip.mp4 photo1.jpg photo[1].jpg")
               .split(QLatin1Char(' '));
}

void TestPackageArchive::update_deletesExactNames()
{
    QFETCH(QStringList, deletions);
    QFETCH(QStringList, remaining);

    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString package = dir.filePath(QStringLiteral("show.mrv"));
    Contents entries;
    const QStringList all = QStringLiteral("a*.jpg a.jpg abc.jpg json.txt photo1.jpg photo[1].jpg "
                                           "Clip.mp4 clip.mp4")
                                .split(QLatin1Char(' '));
    for (const QString &name : all)
        entries.insert(name.toUtf8(), "bytes of " + name.toUtf8());
    QVERIFY(EngineZip::writeArchive(package, entries));

    PackageArchive archive(package);
    QVERIFY2(archive.update(deletions, {}), qPrintable(archive.errorString()));
    Contents expected;
    for (const QString &name : qAsConst(remaining))
        expected.insert(name.toUtf8(), "bytes of " + name.toUtf8());
    QCOMPARE(readContents(package), expected);
}

void TestPackageArchive::update_replacesAndKeepsEntries()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString package = dir.filePath(QStringLiteral("show.mrv"));
    const QByteArray kept = EngineZip::randomBytes(200000, 5);
    QVERIFY(EngineZip::writeArchive(package, {{"json.txt", "old document"},
                                              {"clip.mp4", "old clip"},
                                              {"kept.mp4", kept},
                                              {"gone.jpg", "gone"}}));
    QVERIFY(QFile::setPermissions(package, QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("other"))));
    const QString clip = dir.filePath(QStringLiteral("other/clip.mp4"));
    const QString photo = dir.filePath(QStringLiteral("other/Caf\u00e9.jpg"));
    const QString document = dir.filePath(QStringLiteral("other/json.txt"));
    QVERIFY(EngineZip::writeFile(clip, "new clip"));
    QVERIFY(EngineZip::writeFile(photo, "new photo"));
    QVERIFY(EngineZip::writeFile(document, "new document"));

    PackageArchive archive(package);
    QVERIFY2(archive.update({QStringLiteral("/gone.jpg"), QStringLiteral("/json.txt")},
                            {clip, photo, document}),
             qPrintable(archive.errorString()));
    const Contents expected{{"json.txt", "new document"},
                            {"clip.mp4", "new clip"},
                            {"kept.mp4", kept},
                            {"Caf\xc3\xa9.jpg", "new photo"}};
    QCOMPARE(readContents(package), expected);
    const auto headers = EngineZip::headers(package);
    for (const EngineZip::Header &header : headers) {
        QCOMPARE(header.method,
                 header.name == "json.txt" ? EngineZip::methodDeflate : EngineZip::methodStore);
    }
    QCOMPARE(fileMode(package), mode_t(0600));
    QCOMPARE(EngineZip::listing(dir.path()),
             QStringList({QStringLiteral("other"), QStringLiteral("show.mrv")}));
}

void TestPackageArchive::update_refuses_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("cause");

    QTest::newRow("added file missing") << "missing media"
                                        << "the media file “%1” is missing";
    QTest::newRow("added file is a fifo") << "fifo media"
                                          << "the media file “%1” is not a regular file";
    QTest::newRow("added file is a folder") << "folder media"
                                            << "the media file “%1” is not a regular file";
    QTest::newRow("package gone") << "no package"
                                  << "No such file or directory";
    QTest::newRow("package not a zip") << "not zip"
                                       << "it is not a zip archive";
    QTest::newRow("package read-only") << "read-only"
                                       << "the file is read-only";
}

void TestPackageArchive::update_refuses()
{
    QFETCH(QString, fault);
    QFETCH(QString, cause);

    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString package = dir.filePath(QStringLiteral("show.mrv"));
    const QString media = dir.filePath(QStringLiteral("clip.mp4"));
    const QString document = dir.filePath(QStringLiteral("json.txt"));
    QVERIFY(EngineZip::writeFile(document, "new"));
    if (fault == QLatin1String("fifo media"))
        QVERIFY(EngineZip::makeFifo(media));
    else if (fault == QLatin1String("folder media"))
        QVERIFY(QDir().mkpath(media));
    else if (fault != QLatin1String("missing media"))
        QVERIFY(EngineZip::writeFile(media, "clip"));
    if (fault == QLatin1String("not zip"))
        QVERIFY(EngineZip::writeFile(package, "not an archive at all, just words"));
    else if (fault != QLatin1String("no package"))
        QVERIFY(EngineZip::writeArchive(package, {{"json.txt", "old"}, {"a.jpg", "a"}}));
    if (fault == QLatin1String("read-only"))
        QVERIFY(QFile::setPermissions(package, QFile::ReadOwner));
    const Snapshot before(package);

    PackageArchive archive(package);
    QVERIFY(!archive.update({QStringLiteral("/json.txt"), QStringLiteral("/a.jpg")},
                            {media, document}));
    QCOMPARE(archive.errorString(), saveError(package, fill(cause, native(media))));
    QVERIFY(before.unchanged());
}

void TestPackageArchive::update_deletingEverythingLeavesAnArchive()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString package = dir.filePath(QStringLiteral("show.mrv"));
    QVERIFY(EngineZip::writeArchive(package, {{"json.txt", "old"}, {"a.jpg", "a"}}));

    PackageArchive archive(package);
    QVERIFY2(archive.update({QStringLiteral("/json.txt"), QStringLiteral("/a.jpg")}, {}),
             qPrintable(archive.errorString()));
    QCOMPARE(EngineZip::fileBytes(package), QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0'));
    QCOMPARE(EngineZip::listing(dir.path()), QStringList{QStringLiteral("show.mrv")});
}

void TestPackageArchive::update_refusesTwoEndRecords()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString package = dir.filePath(QStringLiteral("show.mrv"));
    QVERIFY(EngineZip::writeArchive(package, {{"json.txt", "{}"}, {"a.jpg", "a"}}));
    // The comment of the real end record holds a second one, describing an
    // empty directory that ends where it starts: readers could take either.
    QByteArray bytes = EngineZip::fileBytes(package);
    QVERIFY(bytes.endsWith(QByteArray(2, '\0')));
    const int position = bytes.size();
    bytes[position - 2] = 22;
    QByteArray second("PK\x05\x06", 4);
    second += QByteArray(8, '\0');
    second += QByteArray("\x16\0\0\0", 4);
    const int start = position - 22;
    second += QByteArray(1, static_cast<char>(start & 0xff)) +
              QByteArray(1, static_cast<char>((start >> 8) & 0xff)) + QByteArray(2, '\0');
    second += QByteArray(2, '\0');
    QCOMPARE(second.size(), 22);
    QVERIFY(EngineZip::writeFile(package, bytes + second));
    const QString document = dir.filePath(QStringLiteral("json.txt"));
    QVERIFY(EngineZip::writeFile(document, "new"));
    const Snapshot before(package);

    PackageArchive archive(package);
    QVERIFY(!archive.update({QStringLiteral("/a.jpg")}, {document}));
    QCOMPARE(archive.errorString(), saveError(package, QStringLiteral("the archive is damaged")));
    QVERIFY(before.unchanged());
    QByteArray read("untouched");
    QVERIFY(!archive.readDocument(&read));
    QCOMPARE(read, QByteArray("untouched"));
}

void TestPackageArchive::linkedPackageStaysALink()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("real"))));
    const QString target = dir.filePath(QStringLiteral("real/show.mrv"));
    const QString link = dir.filePath(QStringLiteral("show.mrv"));
    QVERIFY(EngineZip::writeArchive(target, {{"json.txt", "old"}}));
    QVERIFY(QFile::link(QStringLiteral("real/show.mrv"), link));
    const QString staged = dir.filePath(QStringLiteral("show"));
    QVERIFY(QDir().mkpath(staged));
    QVERIFY(EngineZip::writeFile(staged + QStringLiteral("/json.txt"), "packed"));
    const QString document = dir.filePath(QStringLiteral("json.txt"));
    QVERIFY(EngineZip::writeFile(document, "updated"));

    PackageArchive archive(link);
    QVERIFY2(archive.packDirectory(staged), qPrintable(archive.errorString()));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readContents(target), Contents({{"json.txt", "packed"}}));

    QVERIFY2(archive.update({QStringLiteral("/json.txt")}, {document}),
             qPrintable(archive.errorString()));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readContents(target), Contents({{"json.txt", "updated"}}));
    QCOMPARE(EngineZip::listing(dir.filePath(QStringLiteral("real"))),
             QStringList{QStringLiteral("show.mrv")});
}

void TestPackageArchive::relativePackagePath()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("show"))));
    QVERIFY(EngineZip::writeFile(dir.filePath(QStringLiteral("show/json.txt")), "packed"));
    QVERIFY(EngineZip::writeFile(dir.filePath(QStringLiteral("json.txt")), "updated"));
    QVERIFY(EngineZip::writeFile(dir.filePath(QStringLiteral(".show.mrv.abcdef.part")), "left"));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    PackageArchive archive(QStringLiteral("show.mrv"));
    const bool packed = archive.packDirectory(QStringLiteral("show"));
    const bool updated =
        archive.update({QStringLiteral("/json.txt")}, {QStringLiteral("json.txt")});
    QVERIFY(QDir::setCurrent(previous));

    QVERIFY2(packed && updated, qPrintable(archive.errorString()));
    QCOMPARE(readContents(dir.filePath(QStringLiteral("show.mrv"))),
             Contents({{"json.txt", "updated"}}));
    QCOMPARE(EngineZip::listing(dir.path()),
             QStringList(
                 {QStringLiteral("json.txt"), QStringLiteral("show"), QStringLiteral("show.mrv")}));
}

void TestPackageArchive::leftoverTemporaryFilesAreRemoved()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString package = dir.filePath(QStringLiteral("show.mrv"));
    QVERIFY(EngineZip::writeArchive(package, {{"json.txt", "old"}}));
    const QStringList leftovers{QStringLiteral(".show.mrv.a1B2c3.part"),
                                QStringLiteral(".show.mrv.ZZZZZZ.part")};
    // Files that only resemble the pattern, or belong to another package, are not ours.
    const QStringList strangers{
        QStringLiteral(".show.mrv.a1B2c.part"),   QStringLiteral(".show.mrv.a1B2c34.part"),
        QStringLiteral(".show.mrv.a1-2c3.part"),  QStringLiteral("show.mrv.a1B2c3.part"),
        QStringLiteral(".other.mrv.a1B2c3.part"), QStringLiteral(".show.mrv.a1B2c3.parts")};
    for (const QString &name : leftovers + strangers)
        QVERIFY(EngineZip::writeFile(dir.filePath(name), "partial"));
    // A save still running holds a lock on its temporary file.
    const QString running = dir.filePath(QStringLiteral(".show.mrv.Run123.part"));
    QVERIFY(EngineZip::writeFile(running, "running"));
    const int fd = ::open(QFile::encodeName(running).constData(), O_RDONLY);
    QVERIFY(fd >= 0);
    QCOMPARE(::flock(fd, LOCK_EX), 0);

    const QString document = dir.filePath(QStringLiteral("json.txt"));
    QVERIFY(EngineZip::writeFile(document, "new"));
    PackageArchive archive(package);
    const bool updated = archive.update({QStringLiteral("/json.txt")}, {document});
    ::close(fd);
    QVERIFY2(updated, qPrintable(archive.errorString()));

    QStringList expected = strangers;
    expected << QStringLiteral(".show.mrv.Run123.part") << QStringLiteral("json.txt")
             << QStringLiteral("show.mrv");
    expected.sort();
    QCOMPARE(EngineZip::listing(dir.path()), expected);
}

void TestPackageArchive::fullDiskLeavesPackageUntouched()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString disk = dir.filePath(QStringLiteral("stick"));
    QVERIFY(QDir().mkpath(disk));
    if (::mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=1m") != 0)
        QSKIP(qPrintable(QStringLiteral("cannot mount a small tmpfs here: %1")
                             .arg(QString::fromLocal8Bit(std::strerror(errno)))));
    struct Unmount
    {
        QByteArray path;
        ~Unmount() { ::umount2(path.constData(), MNT_DETACH); }
    } unmount{QFile::encodeName(disk)};

    const QString package = disk + QStringLiteral("/show.mrv");
    QVERIFY(EngineZip::writeArchive(
        package, {{"json.txt", "old"}, {"a.jpg", EngineZip::randomBytes(300000, 6)}}));
    const QString big = dir.filePath(QStringLiteral("big.mp4"));
    QVERIFY(EngineZip::writeFile(big, EngineZip::randomBytes(800000, 7)));
    const QString staged = dir.filePath(QStringLiteral("show"));
    QVERIFY(QDir().mkpath(staged));
    QVERIFY(QFile::copy(big, staged + QStringLiteral("/big.mp4")));
    const Snapshot before(package);

    PackageArchive archive(package);
    QVERIFY(!archive.update({}, {big}));
    QCOMPARE(archive.errorString(), saveError(package, QStringLiteral("No space left on device")));
    QVERIFY(before.unchanged());

    QVERIFY(!archive.packDirectory(staged));
    QCOMPARE(archive.errorString(), saveError(package, QStringLiteral("No space left on device")));
    QVERIFY(before.unchanged());
}

void TestPackageArchive::savesOnAFatStick()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString image = dir.filePath(QStringLiteral("stick.img"));
    const QString stick = dir.filePath(QStringLiteral("stick"));
    QVERIFY(QDir().mkpath(stick));
    QFile imageFile(image);
    QVERIFY(imageFile.open(QIODevice::WriteOnly) && imageFile.resize(32 * 1024 * 1024));
    imageFile.close();
    if (QProcess::execute(QStringLiteral("mkfs.vfat"), {QStringLiteral("-q"), image}) != 0)
        QSKIP("mkfs.vfat is missing (Debian package dosfstools)");
    // The mount gives every file mode 0755 and refuses any other.
    if (QProcess::execute(QStringLiteral("mount"),
                          {QStringLiteral("-o"), QStringLiteral("loop"), image, stick}) != 0)
        QSKIP("cannot mount a FAT image here");
    struct Unmount
    {
        QByteArray path;
        ~Unmount() { ::umount2(path.constData(), MNT_DETACH); }
    } unmount{QFile::encodeName(stick)};

    const QString staged = dir.filePath(QStringLiteral("show"));
    QVERIFY(QDir().mkpath(staged));
    const QByteArray clip = EngineZip::randomBytes(500000, 10);
    QVERIFY(EngineZip::writeFile(staged + QStringLiteral("/json.txt"), "packed"));
    QVERIFY(EngineZip::writeFile(staged + QStringLiteral("/clip.mp4"), clip));
    const QString document = dir.filePath(QStringLiteral("json.txt"));
    QVERIFY(EngineZip::writeFile(document, "updated"));

    const QString package = stick + QStringLiteral("/show.mrv");
    PackageArchive archive(package);
    QVERIFY2(archive.packDirectory(staged), qPrintable(archive.errorString()));
    QVERIFY2(archive.packDirectory(staged), qPrintable(archive.errorString()));
    QVERIFY2(archive.update({QStringLiteral("/json.txt")}, {document}),
             qPrintable(archive.errorString()));
    QCOMPARE(readContents(package), Contents({{"clip.mp4", clip}, {"json.txt", "updated"}}));
    QCOMPARE(EngineZip::listing(stick), QStringList{QStringLiteral("show.mrv")});
}

void TestPackageArchive::fileSizeLimitIsAnError()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString package = dir.filePath(QStringLiteral("show.mrv"));
    QVERIFY(EngineZip::writeArchive(package, {{"json.txt", "old"}}));
    const QString staged = dir.filePath(QStringLiteral("show"));
    QVERIFY(QDir().mkpath(staged));
    QVERIFY(EngineZip::writeFile(staged + QStringLiteral("/clip.mp4"),
                                 EngineZip::randomBytes(3000000, 8)));
    const Snapshot before(package);

    rlimit old;
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit limited = old;
    limited.rlim_cur = 1024 * 1024;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    // Without the signal ignored, the write past the limit would kill the test here.
    PackageArchive archive(package);
    const bool packed = archive.packDirectory(staged);
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &old), 0);

    QVERIFY(!packed);
    QCOMPARE(archive.errorString(), saveError(package, QStringLiteral("File too large")));
    QVERIFY(before.unchanged());
}

void TestPackageArchive::entryOver4GiB()
{
    const qint64 size = (qint64(4) << 30) + 4096;
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    if (QStorageInfo(dir.path()).bytesAvailable() < 2 * size)
        QSKIP("not enough disk space for an archive over 4 GiB");
    const QString staged = dir.filePath(QStringLiteral("show"));
    QVERIFY(QDir().mkpath(staged));
    QVERIFY(EngineZip::writeFile(staged + QStringLiteral("/json.txt"), "{}"));
    QFile sparse(staged + QStringLiteral("/long.mp4"));
    QVERIFY(sparse.open(QIODevice::WriteOnly));
    QVERIFY(sparse.resize(size));
    sparse.close();

    const QString package = dir.filePath(QStringLiteral("show.mrv"));
    PackageArchive archive(package);
    QVERIFY2(archive.packDirectory(staged), qPrintable(archive.errorString()));
    QVERIFY(QFileInfo(package).size() > size);

    QByteArray document;
    QVERIFY2(archive.readDocument(&document), qPrintable(archive.errorString()));
    QCOMPARE(document, QByteArray("{}"));
    int code = 0;
    zip_t *za = zip_open(QFile::encodeName(package).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    QVERIFY(za);
    zip_stat_t st;
    QCOMPARE(zip_stat(za, "long.mp4", 0, &st), 0);
    QCOMPARE(st.size, zip_uint64_t(size));
    QCOMPARE(st.comp_method, zip_uint16_t(ZIP_CM_STORE));
    zip_discard(za);
}

QTEST_GUILESS_MAIN(TestPackageArchive)
#include "tst_packagearchive.moc"
