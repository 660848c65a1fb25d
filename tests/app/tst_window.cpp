// The window as a new user meets it: the menu bar, what the bottom line says
// after a job, and the Duration field that takes what people type.
#include "archive/packagearchive.h"
#include "archive/platformfile.h"
#include "archive/text.h"
#include "media/textslide.h"
#include "package/saveplan.h"
#include "playlist/duration.h"
#include "playlist/durationedit.h"
#include "playlist/tablemedia.h"
#include "playlist/tableview.h"
#include "settings/screenprofile.h"
#include "settings/settings.h"
#include "slides/slidedialog.h"
#include "tests/common/fakedialogs.h"
#include "tests/common/testkit.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QTranslator>
#include <QtTest>

class TestWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    MainWindow *window = nullptr;
    FakeDialogs *dialogs = nullptr;

    QString file(const char *name) const { return dir.filePath(str(name)); }
    QTableWidget &table() { return tableOf(*window); }
    QTimeEdit &duration() { return *window->findChild<QTimeEdit *>(str("timeEditTime")); }
    QString status() { return window->findChild<QLabel *>(str("labelStatus"))->text(); }
    void add(const QStringList &names) { addFiles(*window, dialogs, dir, names); }
    QAction *menuAction(const QString &menu, const QString &text)
    {
        for (QAction *m : window->menuBar()->actions())
            if (m->text().remove(u'&') == menu && m->menu())
                for (QAction *a : m->menu()->actions())
                    if (a->text().remove(u'&').startsWith(text))
                        return a;
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY(keepUserFilesIn(dir.path()));
        QLocale::setDefault(QLocale::c());
        for (const char *name : {"a.png", "b.jpg", "c.mp4", "d.png"})
            QVERIFY(writeRealMedia(file(name)));
    }

    void init()
    {
        window = new MainWindow;
        dialogs = FakeDialogs::install(*window);
        QVERIFY(showActive(window));
    }

    void cleanup() { delete window; }

    void parseDuration_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QTime>("time");  // invalid: refused
        QTest::addColumn<QString>("why"); // what the refusal says
        const QString noTime = str("is no time: type whole seconds");
        QTest::newRow("seconds") << str("90") << QTime(0, 1, 30) << QString();
        QTest::newRow("hh:mm:ss") << str("00:01:30") << QTime(0, 1, 30) << QString();
        QTest::newRow("zero") << str("0") << QTime(0, 0, 0) << QString();
        QTest::newRow("last second of a day") << str("23:59:59") << QTime(23, 59, 59) << QString();
        QTest::newRow("a day of seconds") << str("86400") << QTime() << str("“86400” is too long");
        QTest::newRow("60 seconds after a colon")
            << str("1:60") << QTime() << str("“1:60” is no time: seconds");
        QTest::newRow("minutes over 59 after hours") << str("1:60:00") << QTime() << str("minutes");
        QTest::newRow("decimal point") << str("1.5") << QTime() << str("“1.5” ") + noTime;
        QTest::newRow("empty") << QString() << QTime() << str("No time given");
    }

    void parseDuration()
    {
        QFETCH(QString, text);
        QFETCH(QTime, time);
        QFETCH(QString, why);
        QTime parsed;
        QString reason;
        QCOMPARE(::parseDuration(text, &parsed, &reason), time.isValid());
        QCOMPARE(parsed, time);
        QVERIFY(why.isEmpty() ? reason.isEmpty() : reason.contains(why));
    }

    void fitLoop_data()
    {
        QTest::addColumn<QString>("rows");  // "i" image, "v<ms>" video
        QTest::addColumn<int>("loop");      // seconds
        QTest::addColumn<QString>("times"); // each image's seconds
        QTest::addColumn<QString>("why");   // refused: what it says
        QTest::newRow("images only") << str("i i i") << 90 << str("30 30 30") << QString();
        QTest::newRow("rest to the first images")
            << str("i i i") << 100 << str("34 33 33") << QString();
        // 12.5 s and 7.4 s count as 13 and 7, as the total shows them.
        QTest::newRow("videos keep their length")
            << str("v12500 i v7400 i") << 61 << str("21 20") << QString();
        QTest::newRow("a second each at least")
            << str("i v59000 i") << 61 << str("1 1") << QString();
        QTest::newRow("videos leave too little")
            << str("i v59000 i") << 60 << QString() << str("The videos alone play 0:00:59");
        QTest::newRow("no images") << str("v1000") << 60 << QString() << str("no images");
        QTest::newRow("video length unknown")
            << str("i v-1") << 60 << QString() << str("is not known yet");
    }

    void fitLoop()
    {
        QFETCH(QString, rows);
        QFETCH(int, loop);
        QFETCH(QString, times);
        QFETCH(QString, why);
        PlaylistRows playlist;
        QVector<qint64> videoMs;
        for (const QString &row : rows.split(u' ')) {
            const bool video = row.startsWith(u'v');
            playlist.append({str(video ? "NA" : "00:00:10"), str(video ? "/x.mp4" : "/x.png"),
                             defaultTransition()});
            videoMs.append(video ? row.mid(1).toLongLong() : -1);
        }
        QStringList fitted;
        QString reason;
        QCOMPARE(::fitLoop(playlist, videoMs, loop, &fitted, &reason), why.isEmpty());
        QVERIFY2(why.isEmpty() ? reason.isEmpty() : reason.contains(why), qPrintable(reason));
        QStringList imageSeconds;
        for (int r = 0; r < fitted.size(); ++r) {
            if (!playlist.at(r).isVideo())
                imageSeconds << QString::number(
                    QTime(0, 0).secsTo(QTime::fromString(fitted.at(r))));
            else
                QCOMPARE(fitted.at(r), str("NA"));
        }
        QCOMPARE(imageSeconds.join(u' '), times);
    }

    void loopFittedInOneUndoStep()
    {
        add({str("a.png"), str("c.mp4"), str("b.jpg")});
        const QLabel *total = window->findChild<QLabel *>(str("labelTotal"));
        QTRY_VERIFY(total->text().startsWith(str("3 items")) &&
                    !total->text().contains(str("checking")) &&
                    !total->text().contains(str("unknown")));
        const PlaylistRows before = tableRows(table());
        dialogs->loopLengths = {62};
        menuAction(str("Edit"), str("Fit the Loop to"))->trigger();
        // The clip plays 1.6 s, counted as 2: the pictures share 60 s.
        QCOMPARE(tableRows(table()).at(0).time, str("00:00:30"));
        QCOMPARE(tableRows(table()).at(1).time, str("NA"));
        QCOMPARE(tableRows(table()).at(2).time, str("00:00:30"));
        window->findChild<QAction *>(str("actionUndo"))->trigger();
        QCOMPARE(tableRows(table()), before);
    }

    void textSlideMadeEditedAndStored()
    {
        ScreenProfile portrait;
        portrait.portrait = true;
        window->findChild<TableMedia *>()->setProfile(portrait);
        SlideSource first;
        first.headline = str("Closed today");
        first.lines = QStringList{str("Back tomorrow at 9")};
        first.fontFamily = str("DejaVu Sans");
        dialogs->slides = {first};
        menuAction(str("Edit"), str("New Text Slide"))->trigger();
        QTRY_COMPARE(table().rowCount(), 1);
        const QString made = tableRows(table()).at(0).file;
        QCOMPARE(QImage(made).size(), QSize(1080, 1920));
        QVERIFY(made.contains(str("/slide-closed-today-")));

        // A double-click opens it again on its source; OK makes a new image.
        SlideSource edited = first;
        edited.lines = QStringList{str("Back on Monday")};
        dialogs->slides = {edited};
        const QRect cell = table().visualItemRect(table().item(0, ColumnFile));
        // A press first, as a person's double-click has it.
        QTest::mouseClick(table().viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(table().viewport(), Qt::LeftButton, {}, cell.center());
        QTRY_VERIFY(tableRows(table()).at(0).file != made);
        QCOMPARE(dialogs->slidesShown.value(1), first);
        const QString remade = tableRows(table()).at(0).file;
        QVERIFY(QFileInfo::exists(made));
        window->findChild<QAction *>(str("actionUndo"))->trigger();
        QCOMPARE(tableRows(table()).at(0).file, made);
        window->findChild<QAction *>(str("actionRedo"))->trigger();

        // In the package: one picture, its document entry as any image's.
        dialogs->paths = QStringList{file("slide.mrv")};
        QSignalSpy saved(window, &MainWindow::saveFinished);
        click(*window, "pushButtonSave");
        QVERIFY(saved.wait(20000));
        const ZipEntries entries = readZip(file("slide.mrv"));
        const QString name = QFileInfo(remade).fileName();
        QCOMPARE(entries.keys(), (QStringList{str("json.txt"), name}));
        const QJsonObject entry = QJsonDocument::fromJson(entries.value(str("json.txt")))
                                      .object()[str("gallery")]
                                      .toArray()
                                      .at(0)
                                      .toObject();
        QCOMPARE(entry[str("filename")].toString(), QString(QLatin1Char('/') + name));
        QCOMPARE(entry[str("type")].toString(), str("1"));
    }

    void slideDialogShowsItsSource()
    {
        SlideSource source;
        source.layout = SlideSource::Layout::Price;
        source.headline = str("Apples");
        source.lines = QStringList{str("From the farm"), str("Per kilo")};
        source.price = str("2.40");
        source.background = QColor(10, 20, 30);
        source.text = QColor(240, 230, 220);
        source.fontFamily = str("DejaVu Serif");
        source.picture = file("a.png");
        SlideDialog dialog(source, QSize(1080, 1920));
        QCOMPARE(dialog.source(), source);
        // The preview has the screen's shape, to the pixel, and is upright.
        const QSize preview = dialog.findChild<QLabel *>(str("slidePreview"))->size();
        QVERIFY(qAbs(preview.width() * 1920 - preview.height() * 1080) <= 1920);
    }

    void durationTypedThenEnter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("applied"); // what the selected images then have
        QTest::addColumn<QString>("why");     // the field's tooltip when refused
        // What each text reads as is parseDuration's; here what the keys and the field do.
        QTest::newRow("m:ss") << str("1:30") << str("00:01:30") << QString();
        QTest::newRow("seconds over 59") << str("1:75") << str("00:00:04") << str("“1:75” is no");
    }

    // Two images and a video selected, one image not: Enter in the field
    // gives the selected images the typed time and leaves the rest alone; a
    // text that is no time changes nothing, and the field says why.
    void durationTypedThenEnter()
    {
        QFETCH(QString, typed);
        QFETCH(QString, applied);
        QFETCH(QString, why);
        add({str("a.png"), str("b.jpg"), str("c.mp4"), str("d.png")});
        selectRowIndexes(table(), {0, 1, 2});
        duration().setFocus();
        QTRY_VERIFY(duration().hasFocus());
        // As a keyboard sends it: Shift goes down before each colon.
        for (const QChar c : typed) {
            if (c == u':') {
                QTest::keyPress(QApplication::focusWidget(), Qt::Key_Shift);
                QTest::keyClick(QApplication::focusWidget(), ':', Qt::ShiftModifier);
                QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Shift);
            } else {
                QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
            }
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        const PlaylistRows rows = tableRows(table());
        QCOMPARE(rows.at(0).time, applied);
        QCOMPARE(rows.at(1).time, applied);
        QCOMPARE(rows.at(2).time, str("NA"));
        QCOMPARE(rows.at(3).time, str("00:00:04"));
        // The field shows the time as it reads it, or its own again.
        QCOMPARE(duration().text(), applied);
        if (!why.isEmpty())
            QVERIFY_CONTAINS(duration().toolTip(), why);
    }

    void statusAfterEachJob()
    {
        add({str("a.png"), str("b.jpg")});
        // The player's own types keep their filter, first; the others follow.
        QVERIFY(dialogs->filters.value(0).startsWith(str("Media (*.png *.jpg *.mp4 *.avi);;")));
        const QString package = file("status.mrv");
        dialogs->paths = QStringList{package};
        QSignalSpy saved(window, &MainWindow::saveFinished);
        click(*window, "pushButtonSave");
        QVERIFY(saved.wait(20000));
        QCOMPARE(saved.first().first().toString(), QString());
        const QString size =
            QLocale().formattedDataSize(QFileInfo(package).size(), 1, QLocale::DataSizeSIFormat);
        QVERIFY(QRegularExpression(
                    str(R"(^Saved status\.mrv \(%1\) at \d\d:\d\d — verified, safe to remove$)")
                        .arg(QRegularExpression::escape(size)))
                    .match(status())
                    .hasMatch());

        click(*window, "pushButtonSave");
        QCOMPARE(status(), str("No changes to save"));

        QSignalSpy opened(window, &MainWindow::openFinished);
        window->openFile(package);
        QVERIFY(opened.wait(20000));
        QCOMPARE(status(), str("Opened status.mrv: 2 items"));
    }

    void menuBarOffersTheCommands()
    {
        // The menu runs the window's command: Save As from the menu writes a package.
        add({str("a.png")});
        dialogs->paths = QStringList{file("menu.mrv")};
        QSignalSpy saved(window, &MainWindow::saveFinished);
        menuAction(str("File"), str("Save As…"))->trigger();
        QVERIFY(saved.wait(20000));
        QCOMPARE(window->openedPackage(), file("menu.mrv"));

        // Save in the unsaved-changes question saves, then starts the new playlist.
        add({str("b.jpg")});
        dialogs->choices = {0};
        menuAction(str("File"), str("New Playlist"))->trigger();
        QVERIFY(saved.wait(20000));
        QTRY_COMPARE(table().rowCount(), 0);
        QCOMPARE(readZip(file("menu.mrv")).size(), 3); // json.txt and both pictures
        QVERIFY(window->openedPackage().isEmpty());
        QVERIFY(!window->isWindowModified());
    }

    // A German shop owner adds a WEBP (the conversion question), saves, opens and
    // saves a change: no word the window shows or asks stays English, and the
    // package holds the document an English run writes, up to the save time.
    void speaksTheOwnersLanguage()
    {
        QVERIFY(QImage(40, 30, QImage::Format_RGB32).save(file("pic.webp")));
        QStringList texts[2];
        QString documents[2];
        for (const int german : {0, 1}) {
            QLocale::setDefault(german ? QLocale(QLocale::German, QLocale::Germany) : QLocale::c());
            loadTranslations(qApp);
            MainWindow w;
            FakeDialogs *fake = FakeDialogs::install(w);
            QVERIFY(showActive(&w));
            const QString package = file("owner.mrv");
            QFile::remove(package);
            fake->choices = {0};
            fake->paths = QStringList{package};
            QSignalSpy saved(&w, &MainWindow::saveFinished), opened(&w, &MainWindow::openFinished);
            addFiles(w, fake, dir, {str("pic.webp"), str("a.png")});
            QTRY_COMPARE(tableOf(w).rowCount(), 2);
            click(w, "pushButtonSave");
            QVERIFY(saved.wait(20000));
            w.openFile(package);
            QVERIFY(opened.wait(20000));
            addFiles(w, fake, dir, {str("d.png")});
            QTRY_COMPARE(tableOf(w).rowCount(), 3);
            click(w, "pushButtonSave");
            QVERIFY(saved.wait(20000));
            documents[german] =
                QString::fromUtf8(readZip(package).value(str("json.txt")))
                    .replace(QRegularExpression(str(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)")),
                             str("@"));
            for (const FakeDialogs::Call &call : std::as_const(fake->calls))
                texts[german] << call.text;
            texts[german] << shownTexts(&w);
            qDeleteAll(qApp->findChildren<QTranslator *>());
        }
        QLocale::setDefault(QLocale::c());
        QCOMPARE(documents[1], documents[0]);
        // Names, numbers and times read alike in both languages; all else differs.
        const QRegularExpression alike(str(
            R"(^([\d\W]*|/?[\w.]+\.(png|jpg|mrv)|.*://.*|(.* — )?Merovi USB Playlist builder|HH:mm:ss|Zoom)$)"));
        QVERIFY(noneLeftInEnglish(texts[0], texts[1], alike));
    }

    void droppedRowsLand_data()
    {
        QTest::addColumn<QVector<int>>("rows"); // selected, of five
        QTest::addColumn<int>("dropRow");       // the gap before this row
        QTest::addColumn<QVector<int>>("to");   // empty: nothing moves
        QTest::newRow("to the end") << QVector<int>{1} << 5 << QVector<int>{4};
        QTest::newRow("two apart, to the top") << QVector<int>{1, 3} << 0 << QVector<int>{0, 1};
        QTest::newRow("two, between others") << QVector<int>{0, 4} << 2 << QVector<int>{1, 2};
        QTest::newRow("onto itself") << QVector<int>{2} << 2 << QVector<int>{};
        QTest::newRow("just below itself") << QVector<int>{2} << 3 << QVector<int>{};
    }

    // Dragged rows land in the gap they were dropped in, not a place off.
    void droppedRowsLand()
    {
        QFETCH(QVector<int>, rows);
        QFETCH(int, dropRow);
        QFETCH(QVector<int>, to);
        QCOMPARE(droppedRows(rows, dropRow), to);
    }

    void largestPlaylist_data()
    {
        QTest::addColumn<int>("rows");
        QTest::newRow("the largest") << maxPlaylistRows;
        QTest::newRow("one more") << maxPlaylistRows + 1;
    }

    void largestPlaylist()
    {
        QFETCH(int, rows);
        SavePlan plan;
        plan.packagePath = file("largest.mrv");
        plan.mediaDir = plan.packagePath;
        plan.buildTime = QDateTime::currentDateTime();
        plan.rows.fill(row("00:00:04", file("a.png")), rows);
        const SaveOutcome outcome = runSavePlan(plan, nullptr);
        QCOMPARE(outcome.status == SaveOutcome::Status::Done, rows <= maxPlaylistRows);
        QVERIFY(rows <= maxPlaylistRows || outcome.error.contains(str("at most 10000 rows")));
        QFile::remove(plan.packagePath);
    }

    // Start-up only looks: a package named by a link, with the journal of a
    // cut update beside it, is offered; finishing it writes nothing where the
    // link points, and the journal stays.
    void startupOnlyOffersRecovery()
    {
        const QString stick = file("stick/");
        const QString target = file("stick/elsewhere/show.mrv");
        QVERIFY(QDir().mkpath(file("stick/elsewhere")));
        QVERIFY(PackageArchive(stick + str("show.mrv"))
                    .write({PackageEntry::file(str("a.png"), file("a.png")),
                            PackageEntry::memory(str("json.txt"), "{}")}));
        static bool cut = false;
        cut = false;
        Platform::setStepHook([](Platform::Step step, const QByteArray &) {
            cut = cut || step == Platform::Step::SyncFile;
            return cut ? EIO : 0;
        });
        PackageArchive archive(stick + str("show.mrv"));
        archive.setUpdateWay(PackageArchive::UpdateWay::InPlace);
        const bool saved =
            archive.update({str("json.txt")}, {PackageEntry::file(str("d.png"), file("d.png"))});
        Platform::setStepHook(nullptr);
        QVERIFY(!saved);
        QVERIFY(QFile::rename(stick + str("show.mrv"), target) &&
                QFile::link(str("elsewhere/show.mrv"), stick + str("show.mrv")));
        const QByteArray before = fileBytes(target);
        Settings settings;
        settings.PATH_SAVE = stick;
        QVERIFY(settings.Save());

        delete window;
        window = new MainWindow;
        dialogs = FakeDialogs::install(*window);
        dialogs->answers = {UserDialogs::Answer::Yes};
        QTRY_COMPARE(dialogs->calls.size(), 2);
        QFile::remove(file("settings.xml"));
        QCOMPARE(dialogs->calls.at(0).kind, FakeDialogs::Question);
        QVERIFY(dialogs->calls.at(0).text.contains(stick + str("show.mrv")));
        QVERIFY(dialogs->calls.at(1).text.contains(str("it is a link")));
        QCOMPARE(fileBytes(target), before);
        QCOMPARE(QDir(stick).entryList({str(".mrv-*.journal")}, QDir::Hidden | QDir::Files).size(),
                 1);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
