#include "archive/packagearchive.h"
#include "archive/packagejournal.h"
#include "archive/platformfile.h"
#include "tests/common/testkit.h"

#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

class TestMrv : public QObject
{
    Q_OBJECT

    struct Result
    {
        int code = -1;
        QString out, err;
    };
    QTemporaryDir dir; // one for all: names differ per test
    QByteArray sample; // show.mrv as built, for each test
    bool webm = false;
    QString path(const char *name) const { return dir.filePath(str(name)); }

    // A program as a script runs it: its own process, in the folder, stderr not
    // a terminal; mrv unless named. The arguments are split at spaces. finish()
    // waits for it: processes can run side by side.
    std::unique_ptr<QProcess> start(const QString &arguments, const char *program = MRV_PATH)
    {
        auto process = std::make_unique<QProcess>();
        process->setWorkingDirectory(dir.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(str("XDG_CACHE_HOME"), path("cache")); // conversions land here
        process->setProcessEnvironment(environment);
        process->start(str(program), arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts));
        return process;
    }
    static Result finish(QProcess &process)
    {
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    Result mrv(const char *arguments) { return finish(*start(str(arguments))); }
    std::unique_ptr<QProcess> ffmpeg(const QString &arguments)
    {
        return start(str("-hide_banner -loglevel error -y ") + arguments, "ffmpeg");
    }

    // "position type time name" for each row of "mrv list --json", rows joined with "|".
    QString listed()
    {
        const Result result = mrv("list show.mrv --json");
        QStringList rows;
        for (const QJsonValue &value : QJsonDocument::fromJson(result.out.toUtf8()).array()) {
            QStringList fields;
            for (const char *key : {"position", "type", "time", "name"})
                fields.append(value.toObject().value(str(key)).toVariant().toString());
            rows.append(fields.join(QLatin1Char(' ')));
        }
        return result.code == 0 ? rows.join(QLatin1Char('|')) : result.err;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
        for (const char *name : {"a.png", "b.jpg", "v.mp4", "c.png"})
            QVERIFY(writeMedia(path(name), 5000));
        // The clips are made while the sample package is built. Without libvpx
        // and libopus there is no WebM.
        std::vector<std::unique_ptr<QProcess>> clips;
        for (const char *clip :
             {"-f lavfi -i testsrc=s=64x48:r=10:d=1 -f lavfi -i sine=d=1 -c:v mpeg4 -c:a aac "
              "-shortest Clip.mov",
              "-f lavfi -i color=c=red:s=96x72:r=10:d=3 -vf noise=alls=20:allf=t -b:v 2M "
              "-c:v mpeg4 -movflags +faststart whole.mp4",
              "-f lavfi -i testsrc=s=64x48:r=10:d=1 -f lavfi -i sine=d=1 -c:v libvpx "
              "-deadline realtime -c:a libopus -shortest clip.webm",
              "-f lavfi -i testsrc=s=64x48:r=10:d=1.5 -c:v mpeg4 half.mp4"})
            clips.push_back(ffmpeg(str(clip)));
        // "show" as given: the package is show.mrv, the document records "show".
        const Result built =
            mrv("build show --build-time 2024-03-05T17:08:09 a.png=00:00:07 v.mp4 b.jpg");
        QCOMPARE(built.code, 0);
        // The sample media are random bytes: listed, and saved all the same
        // without --strict. No progress off a terminal.
        QVERIFY_CONTAINS(built.err, str("3 files may not play:\n    ") + path("a.png") + str(": "));
        QCOMPARE(built.err.count(QLatin1Char('\n')), 4);
        // Each medium's check is remembered, in the cache the test points to.
        QCOMPARE(QDir(path("cache/merovi/examined")).entryList(QDir::Files).size(), 3);
        sample = fileBytes(path("show.mrv"));
        QVERIFY(finish(*clips[0]).code == 0 && finish(*clips[1]).code == 0);
        webm = finish(*clips[2]).code == 0;
        QVERIFY(finish(*clips[3]).code == 0 && mrv("build half half.mp4").code == 0);
    }

    void init() { QVERIFY(writeBytes(path("show.mrv"), sample)); }

    void buildThenList()
    {
        QCOMPARE(listed(),
                 str("1 image 00:00:07 /a.png|2 video NA /v.mp4|3 image 00:00:04 /b.jpg"));
        QCOMPARE(mrv("list show.mrv").out,
                 str("   1  image    00:00:07  /a.png\n   2  video    NA        /v.mp4\n"
                     "   3  image    00:00:04  /b.jpg\n"));

        const ZipEntries entries = readZip(path("show.mrv"));
        QCOMPARE(entries.value(str("json.txt")),
                 expectedDocument({{"/a.png", "00:00:07", "1", "00:00:07", "6"},
                                   {"/v.mp4", "NA", "2", "00:00:00", "6"},
                                   {"/b.jpg", "00:00:04", "1", "00:00:04", "6"}},
                                  "show", "2024-03-05 17:08:09"));

        // In German: words for people, but all that --json prints stays as it is.
        const QString json = mrv("list gone.mrv --json").err;
        const QByteArray before = qgetenv("LC_ALL");
        qputenv("LC_ALL", "de_DE.UTF-8");
        const Result german[] = {mrv("list gone.mrv --json"), mrv("list gone.mrv")};
        qputenv("LC_ALL", before);
        QCOMPARE(german[0].err, json);
        QVERIFY2(german[1].err.startsWith(str("„")), qPrintable(german[1].err));
    }

    void updateChangesOnlyWhatWasAsked()
    {
        const char *update = "update show.mrv --remove b.jpg --duration /a.png=9 --add c.png=0:02";
        QCOMPARE(mrv(update).code, 0);
        QCOMPARE(listed(),
                 str("1 image 00:00:09 /a.png|2 video NA /v.mp4|3 image 00:00:02 /c.png"));
        const ZipEntries after = readZip(path("show.mrv"));
        QCOMPARE(after.keys().join(QLatin1Char(' ')), str("a.png c.png json.txt v.mp4"));
    }

    // The cases run side by side (each is mostly the start of a process) in the
    // folder none of them may change; a fault is done to a copy of show.mrv.
    void statusAndMessage_data()
    {
        QTest::addColumn<QString>("expected"); // the status, then what stdout (0) or stderr holds
        QTest::addColumn<QString>("outcome");
        const char *const cases[][3] = {
            {"sound", "check show.mrv", "0 “show.mrv” is sound"},
            {"flipped byte in media", "check flip.mrv", "1 b.jpg"},
            {"gallery entry without media", "check b.jpg.mrv", "1 “/b.jpg”"},
            {"media entry without gallery entry", "check c.png.mrv", "1 “c.png”"},
            {"no command", "", "2 Usage: mrv COMMAND"},
            {"nothing to build", "build new", "2 at least one media file"},
            {"time of a file", "build new a.png=1:60", "2 “1:60” is no time"},
            {"image time too long", "build --duration 25:00:00 new a.png", "2 “25:00:00” is too"},
            {"existing package", "build show.txt a.png", "1 “show.mrv” already exists"},
            {"missing media", "build new nothere.png", "1 nothere.png"},
            {"time for a video", "build new v.mp4=00:00:05", "1 is a video"},
            {"unknown screen profile", "build --fit --profile tv new a.png", "2 “tv” is no"},
            {"unknown name", "update show.mrv --remove a.png --remove zz.png", "1 no “/zz.png”"},
            {"not a package", "list a.png", "1 “a.png”"},
            {"strict update", "update --strict show.mrv --remove b.jpg", "1 --strict refuses"},
            {"duration of an unknown name", "update show.mrv --duration zz.png=00:00:05",
             "1 no “/zz.png”"},
            {"verify: reads back", "verify show.mrv", "0 reads back intact"},
            {"verify: other bytes", "verify flip.mrv", "1 b.jpg"},
            {"verify: no package", "verify gone.mrv", "1 gone.mrv"},
            // Scripts add the lengths up: no whole seconds only.
            {"listed length keeps its fraction", "list half.mrv --json", "0 \"length\": 1.5"},
        };
        init();
        const ZipEntries entries = readZip(path("show.mrv"));
        const QByteArray media = entries.value(str("b.jpg"));
        const qint64 at = sample.indexOf(media) + 2500;
        QVERIFY(at > 2500 && writeBytes(path("flip.mrv"), sample) &&
                patchBytes(path("flip.mrv"), at, QByteArray(1, char(~media.at(2500)))));
        // The package written anew, the fault's entry taken out if it is in, else added.
        for (const QString &fault : {str("b.jpg"), str("c.png")}) {
            QVector<ZipItem> items;
            for (const QString &name : entries.keys() + QStringList{fault}) {
                if (name != fault || !entries.contains(fault))
                    items.append({name, entries.value(name, fileBytes(dir.filePath(name)))});
            }
            QVERIFY(writeZip(dir.filePath(fault + str(".mrv")), items));
        }

        const QStringList before = snapshot(dir.path());
        std::vector<std::unique_ptr<QProcess>> running;
        for (const auto &c : cases)
            running.push_back(start(str(c[1])));
        QStringList outcomes;
        for (const auto &process : running) {
            const Result r = finish(*process);
            outcomes << QString::number(r.code) + QLatin1Char(' ') + (r.code == 0 ? r.out : r.err);
        }
        const QString changed = snapshot(dir.path()) == before ? QString() : str("changed ");
        for (int i = 0; i < outcomes.size(); ++i)
            QTest::newRow(cases[i][0]) << str(cases[i][2]) << changed + outcomes[i];
    }

    void statusAndMessage()
    {
        QFETCH(QString, expected);
        QFETCH(QString, outcome);
        QCOMPARE(outcome.section(QLatin1Char(' '), 0, 0), expected.section(QLatin1Char(' '), 0, 0));
        QVERIFY_CONTAINS(outcome, expected.section(QLatin1Char(' '), 1));
    }

    // A ".jpeg" needs nothing but a name: stored as ".jpg", byte for byte. Other
    // images become JPEG, or PNG when they have alpha, turned upright.
    void imagesStoredOrConverted()
    {
        QImage opaque(60, 40, QImage::Format_RGB32);
        opaque.fill(Qt::green);
        QImage clear(30, 20, QImage::Format_ARGB32);
        clear.fill(Qt::transparent);
        QVERIFY(opaque.save(path("Photo.JPEG"), "JPEG") && opaque.save(path("other.jpe"), "JPEG"));
        QVERIFY(opaque.save(path("shot.bmp"), "BMP") && clear.save(path("icon.tif"), "TIFF"));
        QImageWriter turned(path("turned.tif"), "tiff");
        turned.setTransformation(QImageIOHandler::TransformationRotate90);
        QVERIFY(turned.write(opaque));
        // A phone's HEIC photo: never stored as a file of type "other".
        QVERIFY(opaque.save(path("phone.png")));
        QCOMPARE(finish(*start(str("-o phone.heic phone.png"), "heif-enc")).code, 0);
        const Result built = mrv("build --strict pics.mrv Photo.JPEG=00:00:03 other.jpe shot.bmp "
                                 "icon.tif turned.tif phone.heic");
        QCOMPARE(built.code, 0);
        QVERIFY2(built.err.contains(
                     str("Converted “%1” to “shot.jpg” (BMP to JPEG)").arg(path("shot.bmp"))) &&
                     built.err.contains(str("to “icon.png” (TIFF to PNG)")) &&
                     built.err.contains(str("to “phone.jpg” (HEIC to JPEG)")) &&
                     !built.err.contains(str("Photo")) && !built.err.contains(str("other")),
                 qPrintable(built.err));
        const ZipEntries entries = readZip(path("pics.mrv"));
        QCOMPARE(entries.keys().join(QLatin1Char(' ')),
                 str("Photo.jpg icon.png json.txt other.jpg phone.jpg shot.jpg turned.jpg"));
        QCOMPARE(entries.value(str("Photo.jpg")), fileBytes(path("Photo.JPEG")));
        QCOMPARE(entries.value(str("other.jpg")), fileBytes(path("other.jpe")));
        QVERIFY(entries.value(str("json.txt")).contains("\"filename\": \"/Photo.jpg\""));
        for (const char *converted : {"shot.jpg", "phone.jpg"})
            QCOMPARE(QImage::fromData(entries.value(str(converted)), "JPEG").size(), QSize(60, 40));
        QCOMPARE(QImage::fromData(entries.value(str("turned.jpg")), "JPEG").size(), QSize(40, 60));
        QCOMPARE(QImage::fromData(entries.value(str("icon.png")), "PNG").pixelColor(5, 5).alpha(),
                 0);
        // The stored names clash with a .jpg of the same name.
        QVERIFY(QFile::copy(path("other.jpe"), path("other.jpg")));
        const Result clash = mrv("build clash.mrv other.jpe other.jpg");
        QCOMPARE(clash.code, 1);
        QVERIFY_CONTAINS(clash.err, str("share a name"));
    }

    // --fit stores a photo larger than the screen at the screen's size (a HEIC
    // one straight from the file, not from a full-size copy), and one that fits
    // as it is; the files themselves stay as they were.
    void buildFits()
    {
        QImage photo(2400, 1800, QImage::Format_RGB32);
        photo.fill(Qt::darkCyan);
        QVERIFY(photo.save(path("big.jpg"), "JPEG") &&
                photo.copy(0, 0, 160, 120).save(path("tiny.jpg")));
        QCOMPARE(finish(*start(str("-o shop.heic big.jpg"), "heif-enc")).code, 0);
        const QByteArray big = fileBytes(path("big.jpg"));
        const Result built =
            mrv("build --fit --profile hd-silent --strict fit.mrv big.jpg tiny.jpg shop.heic");
        QCOMPARE(built.code, 0);
        QVERIFY_CONTAINS(
            built.err,
            str("Fitted “%1”: 2400×1800 photo: the screen shows 1280×720.").arg(path("big.jpg")));
        QVERIFY_CONTAINS(built.err, str("Fitted 2 of 3 files to the screen: "));
        QVERIFY2(!built.err.contains(str("Converted")), qPrintable(built.err));
        const ZipEntries entries = readZip(path("fit.mrv"));
        QCOMPARE(entries.keys().join(QLatin1Char(' ')), str("big.jpg json.txt shop.jpg tiny.jpg"));
        for (const char *fitted : {"big.jpg", "shop.jpg"})
            QCOMPARE(QImage::fromData(entries.value(str(fitted)), "JPEG").size(), QSize(960, 720));
        QCOMPARE(entries.value(str("tiny.jpg")), fileBytes(path("tiny.jpg")));
        QCOMPARE(fileBytes(path("big.jpg")), big);
    }

    // A MOV is rewritten as MP4 with the very same video packets, once.
    void movRemuxed()
    {
        const Result built = mrv("build --strict movie.mrv Clip.mov");
        QCOMPARE(built.err, str("Converted “%1” to “Clip.mp4” (MOV to MP4, streams copied).\n")
                                .arg(path("Clip.mov")));
        QCOMPARE(built.code, 0);
        const ZipEntries entries = readZip(path("movie.mrv"));
        QCOMPARE(entries.keys().join(QLatin1Char(' ')), str("Clip.mp4 json.txt"));
        QVERIFY(writeBytes(path("out/Clip.mp4"), entries.value(str("Clip.mp4"))));
        // Per-packet checksums of both video streams, as ffmpeg reads them.
        const Result sums = finish(
            *ffmpeg(str("-i Clip.mov -i out/Clip.mp4 -map 0:v -map 1:v -c copy -f framemd5 -")));
        QStringList packets{{}, {}};
        for (const QString &line : sums.out.split(QLatin1Char('\n'))) {
            if (!line.startsWith(QLatin1Char('#')) && !line.isEmpty())
                packets[line.left(1).toInt()] += line.mid(line.lastIndexOf(QLatin1Char(',')));
        }
        QCOMPARE(packets[0].count(QLatin1Char(',')), 10);
        QCOMPARE(packets[1], packets[0]);
    }

    // Sound and pictures MP4 cannot hold are encoded again, and play as long.
    void webmTranscoded()
    {
        if (!webm)
            QSKIP("ffmpeg with libvpx and libopus makes the sample (Debian package ffmpeg).");
        const Result built = mrv("build --strict web.mrv clip.webm");
        QCOMPARE(built.code, 0);
        QCOMPARE(built.err, str("Converted “%1” to “clip.mp4” (WEBM to MP4, encoded again as "
                                "H.264).\n")
                                .arg(path("clip.webm")));
        QVERIFY(writeBytes(path("out/clip.mp4"), readZip(path("web.mrv")).value(str("clip.mp4"))));
        const auto probe = start(
            str("-v error -show_entries stream=codec_name -of csv=p=0 out/clip.mp4"), "ffprobe");
        QCOMPARE(mrv("check --media web.mrv").code, 0);
        QCOMPARE(finish(*probe).out, str("h264\naac\n"));
    }

    // Real media, made here: a clip whose copy stopped at a third is saved
    // with a warning, refused with --strict, and named by check and list.
    void cutShortVideo()
    {
        const QByteArray whole = fileBytes(path("whole.mp4"));
        QVERIFY(writeBytes(path("third.mp4"), whole.left(whole.size() / 3)));
        QImage(64, 48, QImage::Format_RGB32).save(path("real.png"));

        const auto strict = start(str("build --strict strict.mrv real.png whole.mp4 third.mp4"));
        const Result built = mrv("build cut.mrv real.png whole.mp4 third.mp4");
        QCOMPARE(finish(*strict).code, 1);
        QVERIFY(!QFileInfo::exists(path("strict.mrv")));
        QCOMPARE(built.code, 0);
        QVERIFY_CONTAINS(built.err, str("1 file may not play:\n    ") + path("third.mp4"));
        QVERIFY_CONTAINS(built.err, str("cut short: plays about 00:00:01 of 00:00:03"));

        const auto listing = start(str("list --json cut.mrv"));
        const Result checked = mrv("check --media cut.mrv");
        QCOMPARE(checked.code, 1);
        QVERIFY2(checked.err.contains(str("“third.mp4” in the package")) &&
                     checked.err.contains(str("cut short")) && !checked.err.contains(str("whole")),
                 qPrintable(checked.err));

        // "length problem" of each row: an image has neither, a cut-short clip its whole length.
        QStringList rows;
        for (const QJsonValue &row :
             QJsonDocument::fromJson(finish(*listing).out.toUtf8()).array()) {
            const QJsonObject o = row.toObject();
            const QString problem = o.value(str("problem")).toString();
            rows.append(QString::number(qRound(o.value(str("length")).toDouble() * 10)) +
                        (problem.contains(str("cut short")) ? str(" cut short") : problem));
        }
        QCOMPARE(rows, (QStringList{str("0"), str("30"), str("30 cut short")}));
    }

    // Recovery on the command line: every command says on stderr what it
    // found and did; repair exits 1 when what it leaves fails the check.
    void recovery_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("expected"); // the status, then what stderr holds
        QTest::newRow("list rolls back, says so")
            << str("cut") << str("list cut.mrv") << str("0 was restored as it was before");
        QTest::newRow("repair keeps a journal of another file")
            << str("cut replaced") << str("repair cut.mrv") << str("1 both were kept");
        QTest::newRow("repair discards it when asked")
            << str("cut replaced") << str("repair --discard-journal cut.mrv")
            << str("1 was removed without being applied"); // what it leaves is damaged
        QTest::newRow("repair of a package failing its check")
            << str("unplayed") << str("repair cut.mrv") << str("1 is played by no playlist row");
        QTest::newRow("a folder at the journal's name")
            << str("folder") << str("list cut.mrv") << str("0 it is not a file");
        QTest::newRow("a killed rewrite's temporary")
            << str("part") << str("list cut.mrv") << str("0 -abcdEFGH.part");
    }

    void recovery()
    {
        QFETCH(QString, setup);
        QFETCH(QString, command);
        QFETCH(QString, expected);
        const QString package = path("cut.mrv");
        const QString journal =
            QFile::decodeName(PackageJournal::pathFor(QFile::encodeName(package)));
        const QString part = path(".mrv-") +
                             QString::fromLatin1(Platform::packageTag(QFile::encodeName(package))) +
                             str("-abcdEFGH.part");
        QDir(journal).removeRecursively();
        QFile::remove(journal);
        QVERIFY(writeBytes(package, sample));
        if (setup.startsWith(str("cut"))) {
            // Cut off as by a pulled stick: every step from the package's sync on fails.
            static bool cut = false;
            cut = false;
            Platform::setStepHook([](Platform::Step step, const QByteArray &) {
                cut = cut || step == Platform::Step::SyncFile;
                return cut ? EIO : 0;
            });
            PackageArchive archive(package);
            archive.setUpdateWay(PackageArchive::UpdateWay::InPlace);
            const bool saved = archive.update({str("b.jpg")}, {});
            Platform::setStepHook(nullptr);
            QVERIFY(!saved && QFileInfo::exists(journal));
            if (setup.endsWith(str("replaced")))
                QVERIFY(writeBytes(package + str(".new"), fileBytes(package)) &&
                        QFile::remove(package) && QFile::rename(package + str(".new"), package));
        } else if (setup == str("unplayed")) {
            // The document of a package of a.png, v.mp4 and b.jpg, beside an entry no row plays.
            QVector<ZipItem> items{{str("json.txt"), readZip(package).value(str("json.txt"))}};
            items.append({str("extra.png"), fileBytes(path("c.png"))});
            QVERIFY(QFile::remove(package) && writeZip(package, items));
        } else if (setup == str("folder")) {
            QVERIFY(QDir().mkpath(journal));
        } else if (setup == str("part")) {
            QVERIFY(writeBytes(part, "left by a killed save"));
        }
        const Result r = mrv(command.toUtf8().constData());
        const QString outcome = QString::number(r.code) + QLatin1Char(' ') + r.err;
        QCOMPARE(outcome.section(QLatin1Char(' '), 0, 0), expected.section(QLatin1Char(' '), 0, 0));
        QVERIFY_CONTAINS(outcome, expected.section(QLatin1Char(' '), 1));
        if (setup == str("cut")) // rolled back: the package as it was
            QCOMPARE(fileBytes(package), sample);
        if (setup == str("part"))
            QVERIFY(!QFileInfo::exists(part));
        const bool kept = setup == str("cut replaced") && command == str("repair cut.mrv");
        QCOMPARE(QFileInfo::exists(journal), kept || setup == str("folder"));
    }
};

QTEST_GUILESS_MAIN(TestMrv)
#include "tst_mrv.moc"
