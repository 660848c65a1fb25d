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

class TestMrv : public QObject
{
    Q_OBJECT

    struct Result
    {
        int code = -1;
        QString out, err;
    };
    QScopedPointer<QTemporaryDir> dir;
    QString path(const char *name) const { return dir->filePath(str(name)); }

    // mrv as a script runs it: its own process, in the folder, stderr not a
    // terminal. The arguments are split at spaces.
    Result mrv(const char *arguments)
    {
        QProcess process;
        process.setWorkingDirectory(dir->path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(str("XDG_CACHE_HOME"), path("cache")); // conversions land here
        process.setProcessEnvironment(environment);
        process.start(str(MRV_PATH), str(arguments).split(QLatin1Char(' '), Qt::SkipEmptyParts));
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    // ffmpeg run in the folder; the arguments are split at spaces.
    bool ffmpeg(const char *arguments)
    {
        return runProgram(str("ffmpeg"),
                          str("-hide_banner -loglevel error -y %1")
                              .arg(str(arguments))
                              .split(QLatin1Char(' ')),
                          dir->path()) != "failed";
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
    void init()
    {
        dir.reset(new QTemporaryDir);
        QVERIFY2(dir->isValid(), qPrintable(dir->errorString()));
        for (const char *name : {"a.png", "b.jpg", "v.mp4", "c.png"})
            QVERIFY(writeMedia(path(name), 5000));
        // "show" as given: the package is show.mrv, the document records "show".
        const Result built =
            mrv("build show --build-time 2024-03-05T17:08:09 a.png=00:00:07 v.mp4 b.jpg");
        QCOMPARE(built.code, 0);
        // The sample media are random bytes: listed, and saved all the same
        // without --strict. No progress off a terminal.
        QVERIFY2(
            built.err.startsWith(str("3 files may not play:\n    ") + path("a.png") + str(": ")),
            qPrintable(built.err));
        QCOMPARE(built.err.count(QLatin1Char('\n')), 4);
    }

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
    }

    void updateChangesOnlyWhatWasAsked()
    {
        const char *update =
            "update show.mrv --remove b.jpg --duration /a.png=00:00:09 --add c.png=00:00:02";
        QCOMPARE(mrv(update).code, 0);
        QCOMPARE(listed(),
                 str("1 image 00:00:09 /a.png|2 video NA /v.mp4|3 image 00:00:02 /c.png"));
        const ZipEntries after = readZip(path("show.mrv"));
        QCOMPARE(after.keys().join(QLatin1Char(' ')), str("a.png c.png json.txt v.mp4"));
    }

    void statusAndMessage_data()
    {
        QTest::addColumn<QString>("fault"); // done to show.mrv first
        QTest::addColumn<QByteArray>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message"); // on stdout for status 0, else on stderr

        const auto add = [](const char *name, const char *fault, const char *arguments, int code,
                            const char *message) {
            QTest::newRow(name) << str(fault) << QByteArray(arguments) << code << str(message);
        };
        add("sound", "", "check show.mrv", 0, "“show.mrv” is sound");
        add("flipped byte in media", "flip", "check show.mrv", 1, "b.jpg");
        add("gallery entry without media", "b.jpg", "check show.mrv", 1, "“/b.jpg”");
        add("media entry without gallery entry", "c.png", "check show.mrv", 1, "“c.png”");
        add("no command", "", "", 2, "Usage: mrv COMMAND");
        add("nothing to build", "", "build new", 2, "at least one media file");
        add("time of a file", "", "build new a.png=0:00:05", 2, "“0:00:05” is not a valid time");
        add("existing package", "", "build show.txt a.png", 1, "“show.mrv” already exists");
        add("missing media", "", "build new nothere.png", 1, "nothere.png");
        add("time for a video", "", "build new v.mp4=00:00:05", 1, "is a video");
        add("unknown name", "", "update show.mrv --remove a.png --remove zz.png", 1,
            "no “/zz.png”");
        add("not a package", "", "list a.png", 1, "“a.png”");
        add("strict update", "", "update --strict show.mrv --remove b.jpg", 1,
            "--strict refuses media");
    }

    void statusAndMessage()
    {
        QFETCH(QString, fault);
        QFETCH(QByteArray, arguments);
        QFETCH(int, code);
        QFETCH(QString, message);

        const ZipEntries entries = readZip(path("show.mrv"));
        if (fault == str("flip")) {
            const QByteArray media = entries.value(str("b.jpg"));
            const qint64 at = fileBytes(path("show.mrv")).indexOf(media) + 2500;
            QVERIFY(at > 2500);
            QVERIFY(patchBytes(path("show.mrv"), at, QByteArray(1, char(~media.at(2500)))));
        } else if (!fault.isEmpty()) {
            // The package written anew, the fault's entry taken out if it is in, else added.
            QVector<ZipItem> items;
            for (const QString &name : entries.keys() + QStringList{fault}) {
                if (name != fault || !entries.contains(fault))
                    items.append({name, entries.value(name, fileBytes(dir->filePath(name)))});
            }
            QVERIFY(writeZip(path("show.mrv"), items));
        }

        const QStringList before = snapshot(dir->path());
        const Result result = mrv(arguments.constData());
        QCOMPARE(result.code, code);
        const QString text = code == 0 ? result.out : result.err;
        QVERIFY2(text.contains(message), qPrintable(text));
        QCOMPARE(snapshot(dir->path()), before);
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
        const Result built = mrv(
            "build --strict pics.mrv Photo.JPEG=00:00:03 other.jpe shot.bmp icon.tif turned.tif");
        QCOMPARE(built.code, 0);
        QVERIFY2(built.err.contains(
                     str("Converted “%1” to “shot.jpg” (BMP to JPEG)").arg(path("shot.bmp"))) &&
                     built.err.contains(str("to “icon.png” (TIFF to PNG)")) &&
                     !built.err.contains(str("Photo")) && !built.err.contains(str("other")),
                 qPrintable(built.err));
        const ZipEntries entries = readZip(path("pics.mrv"));
        QCOMPARE(entries.keys().join(QLatin1Char(' ')),
                 str("Photo.jpg icon.png json.txt other.jpg shot.jpg turned.jpg"));
        QCOMPARE(entries.value(str("Photo.jpg")), fileBytes(path("Photo.JPEG")));
        QCOMPARE(entries.value(str("other.jpg")), fileBytes(path("other.jpe")));
        QVERIFY(entries.value(str("json.txt")).contains("\"filename\": \"/Photo.jpg\""));
        QCOMPARE(QImage::fromData(entries.value(str("shot.jpg")), "JPEG").size(), QSize(60, 40));
        QCOMPARE(QImage::fromData(entries.value(str("turned.jpg")), "JPEG").size(), QSize(40, 60));
        QCOMPARE(QImage::fromData(entries.value(str("icon.png")), "PNG").pixelColor(5, 5).alpha(),
                 0);
        // The stored names clash with a .jpg of the same name.
        QVERIFY(QFile::copy(path("other.jpe"), path("other.jpg")));
        const Result clash = mrv("build clash.mrv other.jpe other.jpg");
        QCOMPARE(clash.code, 1);
        QVERIFY2(clash.err.contains(str("share a name")), qPrintable(clash.err));
    }

    // Per-packet checksums of a file's video stream, as ffmpeg reads them.
    QByteArray videoPackets(const QString &file)
    {
        const QByteArray sums =
            runProgram(str("ffmpeg"),
                       {str("-loglevel"), str("error"), str("-i"), file, str("-map"), str("0:v"),
                        str("-c"), str("copy"), str("-f"), str("framemd5"), str("-")});
        QByteArrayList lines;
        for (const QByteArray &line : sums.split('\n')) {
            if (!line.startsWith('#') && !line.isEmpty())
                lines.append(line.mid(line.lastIndexOf(',') + 1).trimmed());
        }
        return lines.join(' ');
    }

    // A MOV is rewritten as MP4 with the very same video packets, once.
    void movRemuxed()
    {
        QVERIFY(ffmpeg("-f lavfi -i testsrc=s=160x120:r=25:d=2 -f lavfi -i sine=d=2 -c:v mpeg4 "
                       "-c:a aac -shortest Clip.mov"));
        const Result built = mrv("build --strict movie.mrv Clip.mov a.png=00:00:03");
        QVERIFY2(built.err.contains(str("Converted “%1” to “Clip.mp4” (MOV to MP4, streams copied)")
                                        .arg(path("Clip.mov"))),
                 qPrintable(built.err));
        QCOMPARE(built.code, 1); // only a.png, which is no image, is refused
        QVERIFY(mrv("build movie.mrv Clip.mov").code == 0);
        const ZipEntries entries = readZip(path("movie.mrv"));
        QCOMPARE(entries.keys().join(QLatin1Char(' ')), str("Clip.mp4 json.txt"));
        QVERIFY(writeBytes(path("out/Clip.mp4"), entries.value(str("Clip.mp4"))));
        const QByteArray packets = videoPackets(path("Clip.mov"));
        QCOMPARE(packets.count(' '), 49);
        QCOMPARE(videoPackets(path("out/Clip.mp4")), packets);
    }

    // Sound and pictures MP4 cannot hold are encoded again, and play as long.
    void webmTranscoded()
    {
        if (!ffmpeg("-f lavfi -i testsrc=s=160x120:r=25:d=2 -f lavfi -i sine=d=2 -c:v libvpx "
                    "-deadline realtime -c:a libopus -shortest clip.webm"))
            QSKIP("ffmpeg with libvpx and libopus makes the sample (Debian package ffmpeg).");
        const Result built = mrv("build --strict web.mrv clip.webm");
        QCOMPARE(built.code, 0);
        QCOMPARE(built.err, str("Converted “%1” to “clip.mp4” (WEBM to MP4, encoded again as "
                                "H.264).\n")
                                .arg(path("clip.webm")));
        QCOMPARE(mrv("check --media web.mrv").code, 0);
        QVERIFY(writeBytes(path("out/clip.mp4"), readZip(path("web.mrv")).value(str("clip.mp4"))));
        const QByteArray streams =
            runProgram(str("ffprobe"),
                       {str("-v"), str("error"), str("-show_entries"), str("stream=codec_name"),
                        str("-of"), str("csv=p=0"), path("out/clip.mp4")});
        QCOMPARE(streams, QByteArray("h264\naac\n"));
    }

    // Real media, made here: a clip whose copy stopped at a third is saved
    // with a warning, refused with --strict, and named by check and list.
    void cutShortVideo()
    {
        QVERIFY(
            ffmpeg("-f lavfi -i color=c=red:s=160x120:r=25:d=3 -vf noise=alls=20:allf=t -b:v 2M "
                   "-c:v mpeg4 -movflags +faststart whole.mp4"));
        const QByteArray whole = fileBytes(path("whole.mp4"));
        QVERIFY(writeBytes(path("third.mp4"), whole.left(whole.size() / 3)));
        QImage(64, 48, QImage::Format_RGB32).save(path("real.png"));

        QCOMPARE(mrv("build --strict cut.mrv real.png whole.mp4 third.mp4").code, 1);
        QVERIFY(!QFileInfo::exists(path("cut.mrv")));
        const Result built = mrv("build cut.mrv real.png whole.mp4 third.mp4");
        QCOMPARE(built.code, 0);
        QVERIFY2(
            built.err.startsWith(str("1 file may not play:\n    ") + path("third.mp4") + str(": ")),
            qPrintable(built.err));
        QVERIFY2(built.err.contains(str("cut short: plays about 00:00:01 of 00:00:03")),
                 qPrintable(built.err));

        const Result checked = mrv("check --media cut.mrv");
        QCOMPARE(checked.code, 1);
        QVERIFY2(checked.err.contains(str("“third.mp4” in the package")) &&
                     checked.err.contains(str("cut short")) && !checked.err.contains(str("whole")),
                 qPrintable(checked.err));

        // "length problem" of each row: an image has neither, a cut-short clip its whole length.
        QStringList rows;
        for (const QJsonValue &row :
             QJsonDocument::fromJson(mrv("list --json cut.mrv").out.toUtf8()).array()) {
            const QJsonObject o = row.toObject();
            const QString problem = o.value(str("problem")).toString();
            rows.append(QString::number(qRound(o.value(str("length")).toDouble() * 10)) +
                        (problem.contains(str("cut short")) ? str(" cut short") : problem));
        }
        QCOMPARE(rows, (QStringList{str("0"), str("30"), str("30 cut short")}));
    }
};

QTEST_GUILESS_MAIN(TestMrv)
#include "tst_mrv.moc"
