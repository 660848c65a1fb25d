#include "tests/common/testkit.h"

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
        process.start(str(MRV_PATH), str(arguments).split(QLatin1Char(' '), Qt::SkipEmptyParts));
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
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
        QCOMPARE(built.err, QString()); // no progress off a terminal
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
        QCOMPARE(entries.value(str("v.mp4")), fileBytes(path("v.mp4")));
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
        // Kept entries keeping their bytes is the archive suite's to check.
        QCOMPARE(after.value(str("c.png")), fileBytes(path("c.png")));
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
        add("media probed", "", "check --media show.mrv", 1, "“a.png” in the package “show.mrv”");
        add("help", "", "--help", 0, "Commands:");
        add("command help", "", "build --help", 0, "--build-time <ISO>");
        add("no command", "", "", 2, "Usage: mrv COMMAND");
        add("unknown command", "", "frob", 2, "unknown command “frob”");
        add("unknown option", "", "list --jsn show.mrv", 2, "jsn");
        add("nothing to build", "", "build new", 2, "at least one media file");
        add("time of a file", "", "build new a.png=0:00:05", 2, "“0:00:05” is not a valid time");
        add("hour 24", "", "build --duration 24:00:00 new a.png", 2, "“24:00:00” is not a valid");
        add("build time", "", "build --build-time 2024-13-01T00:00 new a.png", 2, "valid --build");
        add("existing package", "", "build show.txt a.png", 1, "“show.mrv” already exists");
        add("missing media", "", "build new nothere.png", 1, "nothere.png");
        add("time for a video", "", "build new v.mp4=00:00:05", 1, "is a video");
        add("nothing to update", "", "update show.mrv", 2, "at least one --add");
        add("unknown name", "", "update show.mrv --remove a.png --remove zz.png", 1,
            "no “/zz.png”");
        add("video duration", "", "update show.mrv --duration v.mp4=00:00:05", 1, "is a video");
        add("duration without name", "", "update show.mrv --duration =00:00:05", 2, "not a valid");
        add("not a package", "", "list a.png", 1, "“a.png”");
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
};

QTEST_GUILESS_MAIN(TestMrv)
#include "tst_mrv.moc"
