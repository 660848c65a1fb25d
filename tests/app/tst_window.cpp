// The window as a new user meets it: the menu bar, what the bottom line says
// after a job, a table that stays readable, and the Duration field that takes
// what people type.
#include "app/statusline.h"
#include "archive/packagearchive.h"
#include "archive/platformfile.h"
#include "package/saveplan.h"
#include "playlist/durationedit.h"
#include "playlist/tableview.h"
#include "settings/settings.h"
#include "tests/common/fakedialogs.h"
#include "tests/common/testkit.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QStyledItemDelegate>
#include <QTemporaryDir>
#include <QTimeEdit>
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
        QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
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
        QTest::newRow("spaces around") << str(" 45 ") << QTime(0, 0, 45) << QString();
        QTest::newRow("zero") << str("0") << QTime(0, 0, 0) << QString();
        QTest::newRow("last second of a day") << str("23:59:59") << QTime(23, 59, 59) << QString();
        QTest::newRow("a day of seconds") << str("86400") << QTime() << str("“86400” is too long");
        QTest::newRow("60 seconds after a colon")
            << str("1:60") << QTime() << str("“1:60” is no time: seconds");
        QTest::newRow("minutes over 59 after hours") << str("1:60:00") << QTime() << str("minutes");
        QTest::newRow("decimal point") << str("1.5") << QTime() << str("“1.5” ") + noTime;
        QTest::newRow("empty") << QString() << QTime() << str("No time given");
        QTest::newRow("negative") << str("-5") << QTime() << noTime;
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
        QVERIFY2(why.isEmpty() ? reason.isEmpty() : reason.contains(why), qPrintable(reason));
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
    // text that is no time changes nothing, and the field turns red and says why.
    void durationTypedThenEnter()
    {
        QFETCH(QString, typed);
        QFETCH(QString, applied);
        QFETCH(QString, why);
        add({str("a.png"), str("b.jpg"), str("c.mp4"), str("d.png")});
        selectRowIndexes(table(), {0, 1, 2});
        const QString ownTip = duration().toolTip();
        const QColor ownColour = duration().grab().toImage().pixelColor(6, 6);
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
        const QColor colour = duration().grab().toImage().pixelColor(6, 6);
        if (why.isEmpty()) {
            QCOMPARE(duration().toolTip(), ownTip);
            QCOMPARE(colour, ownColour);
            return;
        }
        QVERIFY_CONTAINS(duration().toolTip(), why);
        QVERIFY2(colour.red() > 200 && colour.green() < 230 && colour.green() < colour.red() - 30,
                 qPrintable(colour.name()));
        // The next key takes the refusal back.
        QTest::keyClick(QApplication::focusWidget(), '5');
        QCOMPARE(duration().toolTip(), ownTip);
        QCOMPARE(duration().grab().toImage().pixelColor(6, 6), ownColour);
    }

    void durationDisabledForVideos_data()
    {
        QTest::addColumn<QVector<int>>("selected");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("nothing selected") << QVector<int>{} << true;
        QTest::newRow("a video") << QVector<int>{1} << false;
        QTest::newRow("an image and a video") << QVector<int>{0, 1} << true;
    }

    void durationDisabledForVideos()
    {
        QFETCH(QVector<int>, selected);
        QFETCH(bool, enabled);
        add({str("a.png"), str("c.mp4")});
        selectRowIndexes(table(), selected);
        QCOMPARE(duration().isEnabled(), enabled);
        QCOMPARE(duration().toolTip().contains(str("Videos play for their own length")), !enabled);
        // Selecting an image again gives the field back.
        selectRowIndexes(table(), {0});
        QVERIFY(duration().isEnabled());
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
        QVERIFY2(QRegularExpression(
                     str(R"(^Saved status\.mrv \(%1\) at \d\d:\d\d — verified, safe to remove$)")
                         .arg(QRegularExpression::escape(size)))
                     .match(status())
                     .hasMatch(),
                 qPrintable(status()));
        // The table read back from the package still fills its width.
        const QHeaderView *header = table().horizontalHeader();
        QCOMPARE(header->sectionSize(ColumnTime) + header->sectionSize(ColumnFile),
                 table().viewport()->width());

        click(*window, "pushButtonSave");
        QCOMPARE(status(), str("No changes to save"));

        QSignalSpy opened(window, &MainWindow::openFinished);
        window->openFile(package);
        QVERIFY(opened.wait(20000));
        QCOMPARE(status(), str("Opened status.mrv: 2 items"));
        QCOMPARE(QSettings(str("merovi"), str("playlist-builder"))
                     .value(str("recentPackages"))
                     .toStringList()
                     .value(0),
                 package);
    }

    // What the bottom line says when the size is unknown or of one item; the
    // whole saved line is checked against a real save above.
    void statusTexts()
    {
        QCOMPARE(savedStatusText(str("/media/stick/show.mrv"), -1, QTime(14, 3, 27)),
                 str("Saved show.mrv at 14:03"));
        QCOMPARE(openedStatusText(str("/media/stick/show.mrv"), 1), str("Opened show.mrv: 1 item"));
        // The newest goes to the front, once, and the oldest drops.
        const QStringList recent{str("/a.mrv"), str("/c.mrv"), str("/b.mrv"), str("/d.mrv")};
        QCOMPARE(updatedRecentList(recent, str("/c.mrv"), 3),
                 (QStringList{str("/c.mrv"), str("/a.mrv"), str("/b.mrv")}));
    }

    void menuBarOffersTheCommands()
    {
        QCOMPARE(menuAction(str("File"), str("Open…"))->shortcut(),
                 QKeySequence(QKeySequence::Open));
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
        QCOMPARE(outcome.status == SaveOutcome::Status::Saved, rows <= maxPlaylistRows);
        QVERIFY2(rows <= maxPlaylistRows || outcome.error.contains(str("at most 10000 rows")),
                 qPrintable(outcome.error));
        QFile::remove(plan.packagePath);
    }

    void tableReadable()
    {
        const QString longName = str(
            "16-cut-fastest-summer-sale-opening-weekend-banner-long-version-for-the-window.png");
        QVERIFY(writeMedia(file(qPrintable(longName))));
        auto *hint = table().viewport()->findChild<QLabel *>(str("labelEmptyTable"));
        QVERIFY(hint && hint->isVisible());

        add({longName, str("c.mp4")});
        QVERIFY(!hint->isVisible());
        window->resize(window->minimumSize());
        QTRY_COMPARE(window->size(), window->minimumSize());
        // The File column takes the free width, whatever the rows hold.
        const QHeaderView *header = table().horizontalHeader();
        QCOMPARE(header->sectionSize(ColumnTime) + header->sectionSize(ColumnFile),
                 table().viewport()->width());
        // Each row shows the file's own name; the rest is in its tooltip.
        QAbstractItemDelegate *names = table().itemDelegateForColumn(ColumnFile);
        auto *delegate = qobject_cast<QStyledItemDelegate *>(names);
        QVERIFY(delegate);
        QCOMPARE(delegate->displayText(table().item(0, ColumnFile)->text(), QLocale()), longName);
        QTRY_VERIFY(table()
                        .item(0, ColumnFile)
                        ->toolTip()
                        .startsWith(QDir::toNativeSeparators(file(qPrintable(longName)))));
        // The name is cut in the middle: what is drawn keeps the extension.
        QCOMPARE(table().textElideMode(), Qt::ElideMiddle);
        QVERIFY(!table().wordWrap());
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
        QVERIFY2(dialogs->calls.at(1).text.contains(str("it is a link")),
                 qPrintable(dialogs->calls.at(1).text));
        QCOMPARE(fileBytes(target), before);
        QCOMPARE(QDir(stick).entryList({str(".mrv-*.journal")}, QDir::Hidden | QDir::Files).size(),
                 1);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
