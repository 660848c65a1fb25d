// The editing commands in the real window on a display: the unsaved-changes
// question, undo over several rows, drops, Save As. Questions are Qt's own
// message boxes, answered by clicking their buttons.
#include "tests/common/fakedialogs.h"
#include "tests/common/testkit.h"

#include "document/storednames.h"
#include "media/mediaconvert.h"
#include "playlist/autosave.h"
#include "playlist/tableview.h"

#include <QComboBox>
#include <QImageWriter>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QUndoStack>
#include <QtTest>

namespace {

// Each row's file name, "*" after a row Apply changed.
QString order(QTableWidget &table)
{
    QStringList names;
    for (const PlaylistRow &r : tableRows(table))
        names << QFileInfo(r.file).fileName() +
                     str(r.time == str("13:02:00") && r.transition == str("Fade") ? "*" : "");
    return names.join(QLatin1Char(' '));
}

// A JPEG whose EXIF data says it was taken at taken ("yyyy:MM:dd hh:mm:ss").
QByteArray jpegTakenAt(const char *taken)
{
    QBuffer jpeg;
    jpeg.open(QIODevice::WriteOnly);
    QImage(16, 16, QImage::Format_RGB32).save(&jpeg, "JPEG");
    // Little-endian TIFF: IFD0 points to the EXIF IFD, which holds DateTimeOriginal.
    const QByteArray app1 = QByteArray("Exif\0\0II*\0", 10) +
                            QByteArray::fromHex("0800000001006987040001000000"
                                                "1a00000000000000010003900200"
                                                "140000002c00000000000000") +
                            taken + '\0';
    const int length = int(app1.size()) + 2;
    return QByteArray(jpeg.data())
        .insert(2, QByteArray("\xFF\xE1") + char(length >> 8) + char(length & 0xff) + app1);
}

// The window the killed-window test kills: it adds files to a new playlist
// or to package, converting one, gives the third row a time of its own,
// waits until the playlist is kept aside and prints its rows.
int runEditedWindow(const QString &dir, const QString &package)
{
    MainWindow window;
    FakeDialogs *dialogs = FakeDialogs::install(window);
    window.show();
    dialogs->choices = {0};
    dialogs->files = {{dir + str("/f0.png"), dir + str("/f2.mp4"), dir + str("/f1.jpg")}};
    if (!package.isEmpty()) {
        QSignalSpy opened(&window, &MainWindow::openFinished);
        window.openFile(package);
        opened.wait(20000);
        dialogs->files = {{dir + str("/pic.webp"), dir + str("/f1.jpg")}};
    }
    click(window, "pushButtonAdd");
    while (window.isBusy() || tableOf(window).rowCount() < 3)
        QTest::qWait(20);
    selectRowIndexes(tableOf(window), {2});
    window.findChild<QTimeEdit *>()->setTime(QTime(0, 0, 7));
    click(window, "pushButtonEdit");
    QDir kept(unsavedPlaylistFolder());
    while (kept.entryList({str("*.json")}).isEmpty() ||
           !fileBytes(kept.filePath(kept.entryList({str("*.json")}).first())).contains("00:00:07"))
        QTest::qWait(20);
    for (const PlaylistRow &r : tableRows(tableOf(window)))
        printf("%s %s\n", qPrintable(r.time), qPrintable(r.file));
    fflush(stdout);
    return QApplication::exec();
}

} // namespace

class TestEditing : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    MainWindow *window = nullptr;
    FakeDialogs *dialogs = nullptr; // file dialogs scripted; questions real

    QString file(const char *name) const { return dir.filePath(str(name)); }
    QTableWidget &table() { return *window->findChild<QTableWidget *>(str("tableWidget")); }
    void click(const char *button) { window->findChild<QPushButton *>(str(button))->click(); }
    // To the focused widget, as typed: Delete and Ctrl+arrows work in the table only.
    void press(const QKeySequence &keys) { QTest::keySequence(QApplication::focusWidget(), keys); }
    // Drops the files on the table at the point at, as a file manager does.
    void drop(const QStringList &names, QPoint at)
    {
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString &name : names)
            urls << (name.startsWith(u'/') ? QUrl::fromLocalFile(name)
                                           : QUrl::fromLocalFile(file(qPrintable(name))));
        mime.setUrls(urls);
        // The drop goes where the entering drag was accepted.
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(table().viewport(), &enter);
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(table().viewport(), &drop);
    }
    void add(const char *names) { addFiles(*window, dialogs, dir, str(names).split(u' ')); }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY(keepUserFilesIn(dir.path()));
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        for (const QString &name : str("f0.png f1.jpg f2.mp4 f3.png f4.jpg f5.png").split(u' '))
            QVERIFY(writeRealMedia(dir.filePath(name)));
        QVERIFY(writeRealMedia(file("new/f0.png")) && writeMedia(file("bad.png")));
        QVERIFY(QFile::copy(file("new/f0.png"), file("new/F0.png")));
        QVERIFY(writeRealMedia(file("clip.avi")) &&
                QImage(40, 30, QImage::Format_RGB32).save(file("pic.webp")));
        // A clip to copy into MOV, and one that takes seconds to encode again.
        for (const char *args :
             {"-i clip.avi -c copy clip.mov", "-f lavfi -i testsrc=size=640x480:rate=25:duration=6 "
                                              "-vf noise=alls=60:allf=t -c:v mjpeg big.mkv"})
            QVERIFY(runProgram(str("ffmpeg"), str(args).split(u' '), dir.path()) != "failed");
        // A phone's photo.
        QVERIFY(QImage(64, 48, QImage::Format_RGB32).save(file("photo.png")));
        QVERIFY(runProgram(str("heif-enc"), {str("-o"), file("photo.heic"), file("photo.png")}) !=
                "failed");
        QVERIFY(QImage(2, 20000, QImage::Format_RGB32).save(file("tall.bmp")));
    }

    void init()
    {
        window = new MainWindow;
        dialogs = FakeDialogs::install(*window);
        dialogs->realQuestions = true;
        QVERIFY(showActive(window));
        table().setFocus();
    }

    void cleanup() { delete window; }

    void closeWithUnsavedChanges_data()
    {
        QTest::addColumn<QString>("answer"); // empty: close while the save runs
        QTest::addColumn<bool>("named");     // a name is given in the file dialog
        QTest::newRow("Cancel keeps the window") << str("Cancel") << true;
        QTest::newRow("Discard closes") << str("Discard") << true;
        QTest::newRow("Save saves, then closes") << str("Save") << true;
        QTest::newRow("Save, then Cancel in the file dialog") << str("Save") << false;
        QTest::newRow("close while saving waits") << QString() << true;
    }

    void closeWithUnsavedChanges()
    {
        QFETCH(QString, answer);
        QFETCH(bool, named);
        add("f0.png f2.mp4");
        QVERIFY(window->isWindowModified());

        const QString package = dir.filePath(str(QTest::currentDataTag()) + str(".mrv"));
        dialogs->paths = named ? QStringList{package} : QStringList();
        QSignalSpy saved(window, &MainWindow::saveFinished);
        if (answer.isEmpty()) {
            click("pushButtonSave");
            window->close();
            QCOMPARE(window->findChild<QProgressDialog *>()->labelText(),
                     str("Finishing the save before closing…"));
        } else {
            QStringList asked;
            ::answer(window, answer, &asked);
            window->close();
            QVERIFY_CONTAINS(asked.value(0), str("has changes that are not saved"));
        }
        // Closing waits for the save the answer or the click started.
        QCOMPARE(window->isVisible(), answer != str("Discard"));
        const bool saves = named && (answer.isEmpty() || answer == str("Save"));
        QVERIFY(!saves || saved.wait(20000));
        QTRY_COMPARE(window->isVisible(), answer == str("Cancel") || !named);
        QCOMPARE(readZip(package).keys().join(u' '), str(saves ? "f0.png f2.mp4 json.txt" : ""));
        // A window that stays keeps its rows, still unsaved.
        QVERIFY(!window->isVisible() || (window->isWindowModified() && table().rowCount() == 2));
    }

    void commandsOnSelectedRows_data()
    {
        QTest::addColumn<QString>("keys");          // empty: the Apply button
        QTest::addColumn<QVector<int>>("selected"); // the current row 3 is not among them
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QVector<int>>("selectedAfter");
        const auto row = [](const char *name, const char *keys, const QVector<int> &selected,
                            const char *expected, const QVector<int> &after) {
            QTest::newRow(name) << str(keys) << selected << str(expected) << after;
        };
        const QVector<int> some{1, 2, 4};
        row("Del", "Del", some, "f0.png f3.png f5.png", {1});
        row("Ctrl+Up", "Ctrl+Up", some, "f1.jpg f2.mp4 f0.png f4.jpg f3.png f5.png", {0, 1, 3});
        row("Ctrl+Down", "Ctrl+Down", some, "f0.png f3.png f1.jpg f2.mp4 f5.png f4.jpg", {2, 3, 5});
        row("Apply skips the video", "", some, "f0.png f1.jpg* f2.mp4 f3.png f4.jpg* f5.png", some);
        const char *unchanged = "f0.png f1.jpg f2.mp4 f3.png f4.jpg f5.png";
        row("Ctrl+Up with the first row", "Ctrl+Up", {0, 5}, unchanged, {0, 5});
        row("Ctrl+Down with the last row", "Ctrl+Down", {0, 5}, unchanged, {0, 5});
    }

    void commandsOnSelectedRows()
    {
        QFETCH(QString, keys);
        QFETCH(QVector<int>, selected);
        QFETCH(QString, expected);
        QFETCH(QVector<int>, selectedAfter);
        add("f0.png f1.jpg f2.mp4 f3.png f4.jpg f5.png");
        // Every image its own time, which undo must give back to each.
        for (int r : {0, 1, 3, 4, 5})
            table().item(r, ColumnTime)->setText(QTime(0, 0, r).toString(str("hh:mm:ss")));
        window->findChild<QUndoStack *>()->clear(); // a command that does nothing undoes nothing
        const PlaylistRows before = tableRows(table());
        selectRowIndexes(table(), selected, 3);
        // An afternoon time: a 12-hour clock would give 01.
        window->findChild<QTimeEdit *>()->setTime(QTime(13, 2));
        window->findChild<QComboBox *>()->setCurrentText(str("Fade"));
        keys.isEmpty() ? click("pushButtonEdit") : press(QKeySequence(keys));
        QCOMPARE(order(table()), expected);
        QCOMPARE(selectedRowIndexes(table()), selectedAfter);

        press(QKeySequence::Undo);
        QCOMPARE(tableRows(table()), before);
        QCOMPARE(selectedRowIndexes(table()), selected);
        press(QKeySequence(str("Ctrl+Shift+Z")));
        QCOMPARE(order(table()), expected);
    }

    void dropFiles()
    {
        add("f0.png f1.jpg f3.png");
        // The lower half of the first row: the files go in after it.
        drop({str("f5.png"), str("/m/a.TXT"), str("f2.mp4")},
             table().visualRect(table().model()->index(0, 0)).center() + QPoint(0, 2));
        QCOMPARE(order(table()), str("f0.png f5.png f2.mp4 f1.jpg f3.png"));
        QTRY_VERIFY(dialogs->calls.value(0).text.contains(str("\n    /m/a.TXT\n")));
        press(QKeySequence::Undo);
        QCOMPARE(order(table()), str("f0.png f1.jpg f3.png"));
    }

    // Files the player cannot take: one question for all, then jobs; the rows
    // play the converted copies and name their sources.
    void dropFilesToConvert_data()
    {
        QTest::addColumn<QString>("first"); // dropped with f0.png and pic.webp
        QTest::addColumn<int>("choice");    // 0 Convert, 1 Cancel, 2 Convert, then Cancel
        QTest::addColumn<QString>("listed");
        QTest::addColumn<QString>("expected"); // in the order dropped
        const QString remux = str("clip.mov → clip.mp4 (MOV to MP4, streams copied)");
        QTest::newRow("Convert") << str("clip.mov") << 0 << remux << str("clip.mp4 f0.png pic.jpg");
        QTest::newRow("Cancel") << str("clip.mov") << 1 << remux << str("f0.png");
        QTest::newRow("Cancel while converting")
            << str("big.mkv") << 2 << str("big.mkv → big.mp4 (MKV to MP4, encoded again as H.264)")
            << str("f0.png");
        QTest::newRow("Close while looking") << str("clip.mov") << 3 << QString() << QString();
        QTest::newRow("HEIC photo")
            << str("photo.heic") << 0 << str("photo.heic → photo.jpg (HEIC to JPEG)")
            << str("photo.jpg f0.png pic.jpg");
        // Too tall to decode safely: the failure is named, the others are added.
        QTest::newRow("conversion fails")
            << str("tall.bmp") << 0 << str("tall.bmp → tall.jpg (BMP to JPEG)")
            << str("f0.png pic.jpg");
    }

    void dropFilesToConvert()
    {
        QFETCH(QString, first);
        QFETCH(int, choice);
        QFETCH(QString, listed);
        QFETCH(QString, expected);
        dialogs->realQuestions = false;
        dialogs->choices = {choice % 2};
        QSignalSpy progress(window->jobRunner(), &JobRunner::progress);
        QStringList dropped{first, str("f0.png"), str("pic.webp")};
        // Closing stops the look: hundreds of clips would keep the window for seconds.
        for (int i = 0; choice == 3 && i < 400; ++i) {
            dropped.append(str("m%1.mov").arg(i));
            QVERIFY(QFile::link(first, file(qPrintable(dropped.last()))));
        }
        drop(dropped, QPoint(4, 4));
        QCOMPARE(order(table()), str("f0.png")); // at once
        QVERIFY(window->isBusy());               // the others are looked into by a job
        if (choice == 3) { // the user wants the window gone: only the unsaved row is asked about
            window->close();
            QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 20000); // Discard
            QCOMPARE(dialogs->calls.size(), 1);
            QVERIFY(dialogs->calls.first().text.contains(str("not saved")));
            QVERIFY(progress.isEmpty() ||
                    progress.constLast().at(1).value<JobProgress>().done < 100);
            return;
        }
        if (choice == 2) {
            auto *busy = window->findChild<QProgressDialog *>();
            // Asked: the dialog is the conversion's now.
            QTRY_VERIFY_WITH_TIMEOUT(!dialogs->calls.isEmpty() && busy->labelText().contains(first),
                                     20000);
            emit busy->canceled();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!dialogs->calls.isEmpty() && !window->isBusy(), 20000);
        const bool fails = first == str("tall.bmp");
        QCOMPARE(dialogs->calls.size(), choice == 2 || fails ? 2 : 1);
        QVERIFY(
            !fails ||
            dialogs->calls.last().text.contains(
                str("“%1” could not be converted: it is 2×20000 pixels").arg(file("tall.bmp"))));
        const FakeDialogs::Call asked = dialogs->calls.first();
        QCOMPARE(asked.buttons, QStringList({str("Convert"), str("Cancel")}));
        QCOMPARE(asked.defaultIndex, 0);
        QVERIFY_CONTAINS(asked.text,
                         str("\n    %1\n    pic.webp → pic.jpg (WEBP to JPEG)\n").arg(listed));
        QVERIFY(choice != 2 || dialogs->calls.last().text.contains(
                                   str("“%1” was not converted: cancelled.")
                                       .arg(QDir::toNativeSeparators(file(qPrintable(first))))));
        QCOMPARE(order(table()), expected);
        if (choice != 0 || fails)
            return;
        // Bytes done of the total of both sources, counted on a worker thread.
        const JobProgress last = progress.constLast().at(1).value<JobProgress>();
        QCOMPARE(last.total,
                 QFileInfo(file(qPrintable(first))).size() + QFileInfo(file("pic.webp")).size());
        QCOMPARE(last.done, last.total);
        const QString shown =
            str("%1 — converted from %2").arg(expected.section(u' ', 0, 0), first);
        QCOMPARE(shownFileText(table(), 0), shown);
        QCOMPARE(entryNameOf(table().item(2, ColumnFile)->text()), str("pic.jpg"));
        QCOMPARE(QImage(table().item(2, ColumnFile)->text()).size(), QSize(40, 30));
        press(QKeySequence::Undo);
        QCOMPARE(order(table()), str("f0.png"));
        press(QKeySequence(str("Ctrl+Shift+Z")));
        QCOMPARE(shownFileText(table(), 2), str("pic.jpg — converted from pic.webp"));
        // Another window learns the copy's source from the note beside it.
        const QString copy = table().item(0, ColumnFile)->text();
        cleanup();
        init();
        drop({copy}, QPoint(4, 4));
        QTRY_COMPARE(shownFileText(table(), 0), shown);
    }

    // A dropped folder adds its media oldest first, by the time a photo was
    // taken where it says so, else by the file's; other files stay out.
    void dropFolderAddsMediaOldestFirst()
    {
        QVERIFY(writeRealMedia(file("trip/a.png")) &&
                QFile::copy(file("clip.mov"), file("trip/b.mov")));
        QVERIFY(writeBytes(file("trip/c.jpg"), jpegTakenAt("2001:02:03 04:05:06")));
        QVERIFY(writeBytes(file("trip/notes.txt"), "not a medium"));
        for (const auto &[name, year] : {std::pair{"trip/a.png", 2010}, {"trip/b.mov", 2005}}) {
            QFile touched(file(name));
            QVERIFY(touched.open(QIODevice::ReadWrite) &&
                    touched.setFileTime(QDateTime(QDate(year, 1, 1), QTime(12, 0)),
                                        QFileDevice::FileModificationTime));
        }
        add("f0.png");
        dialogs->realQuestions = false;
        dialogs->choices = {0};
        drop({str("trip")}, QPoint(4, 4)); // in front of f0.png
        QTRY_VERIFY_WITH_TIMEOUT(!dialogs->calls.isEmpty() && !window->isBusy(), 20000);
        QCOMPARE(order(table()), str("c.jpg b.mp4 a.png f0.png"));
        QCOMPARE(dialogs->calls.size(), 1); // the question, no refusal
        QVERIFY(dialogs->calls.first().text.contains(str("\n    b.mov → b.mp4 (MOV to MP4")));
    }

    // Names typed in the file dialog, of every type the program takes, in
    // capitals: each comes in as a row or is named in a refusal.
    void typedNamesOfEveryType()
    {
        QStringList extensions = mediaExtensions() + imageExtensions();
        extensions.removeDuplicates();
        QStringList typed;
        for (const QString &extension : qAsConst(extensions)) {
            const QString name = file("typed/t.") + extension.toUpper();
            const QByteArray format = extension.toLatin1();
            // Real pictures and clips where they are cheap to make, others unreadable.
            const bool made = (QImageWriter::supportedImageFormats().contains(format) &&
                               QImage(8, 8, QImage::Format_RGB32).save(name, format)) ||
                              (str("mov m4v 3gp mkv mp4 avi").split(u' ').contains(extension)
                                   ? QFile::copy(file("clip.mov"), name)
                                   : writeBytes(name, "not a medium"));
            QVERIFY(made);
            typed << name;
        }
        dialogs->realQuestions = false;
        dialogs->choices = {0};
        dialogs->files = {typed};
        click("pushButtonAdd");
        QTRY_VERIFY_WITH_TIMEOUT(dialogs->calls.size() >= 2 && !window->isBusy(), 30000);
        const QHash<QString, QString> sources = convertedSources(table());
        QStringList rows;
        for (const PlaylistRow &r : tableRows(table()))
            rows << sources.value(r.file, r.file);
        QString refusals;
        for (const FakeDialogs::Call &call : qAsConst(dialogs->calls))
            refusals += call.kind == FakeDialogs::Warning ? call.text : QString();
        // Whole names: "t.AVI" is a part of "t.AVIF".
        const auto refused = [&refusals](const QString &name) {
            return refusals.contains(name + QLatin1Char('\n')) ||
                   refusals.contains(name + QChar(0x201D));
        };
        for (const QString &name : qAsConst(typed))
            QVERIFY(rows.contains(name) != refused(name));
        QVERIFY(refused(file("typed/t.WEBM")) && rows.contains(file("typed/t.MKV")));
    }

    // Return, as a hurried user answers, takes the button that changes nothing;
    // Save Anyway stores what may not play. The other media are real, so
    // exactly the question under test comes up.
    void answerChangesWhatItSays_data()
    {
        QTest::addColumn<QString>("added"); // the unsaved row added to the open package
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("button"); // empty: Return
        // A stick does not tell F0.png from f0.png.
        QTest::newRow("replace files named in other letter case")
            << str("new/F0.png") << str("Ctrl+S") << str("/f0.png") << "";
        QTest::newRow("may not play")
            << str("bad.png") << str("Ctrl+S") << str("may not play") << "";
        QTest::newRow("may not play: Save Anyway")
            << str("bad.png") << str("Ctrl+S") << str("may not play") << str("Save Anyway");
        QTest::newRow("unsaved changes")
            << str("new/f0.png") << str("Ctrl+O") << str("has changes that are not saved") << "";
    }

    void answerChangesWhatItSays()
    {
        QFETCH(QString, added);
        QFETCH(QString, keys);
        QFETCH(QString, question);
        QFETCH(QString, button);
        add("f1.jpg"); // an edit the package's rows replace: undo may not bring it back
        QSignalSpy opened(window, &MainWindow::openFinished);
        const QString path = file("open.mrv");
        QVERIFY(writeZip(path, {{str("json.txt"), R"({"gallery":[{"filename":"/f0.png"},
                    {"filename":"/f2.mp4"}], "media":[{"playtime":"00:00:09"}]})"},
                                {str("f0.png"), fileBytes(file("f0.png"))},
                                {str("f2.mp4"), fileBytes(file("f2.mp4"))}}));
        window->openFile(path);
        QVERIFY(opened.wait(20000));
        QVERIFY(!window->findChild<QUndoStack *>()->canUndo());
        const QByteArray package = fileBytes(path);
        add(qPrintable(added));
        // The probe's finding shows as a mark on the row.
        QTRY_VERIFY(added != str("bad.png") || !table().item(2, ColumnTime)->icon().isNull());
        const PlaylistRows rows = tableRows(table());
        dialogs->paths = QStringList{file("f3.png")}; // no package: Open would say so
        QSignalSpy saved(window, &MainWindow::saveFinished);
        QStringList asked;
        answer(window, button, &asked);
        press(QKeySequence(keys));
        QTRY_VERIFY(!window->isBusy());
        QCOMPARE(asked.size(), 1);
        QVERIFY_CONTAINS(asked.first(), question);
        QVERIFY(!button.isEmpty() || tableRows(table()) == rows); // a save stores them
        QCOMPARE(saved.size(), int(!button.isEmpty()));
        QCOMPARE(fileBytes(path) == package, button.isEmpty());
        QCOMPARE(readZip(path).value(added), button.isEmpty() ? "" : fileBytes(file("bad.png")));
        QCOMPARE(opened.size(), 1);
    }

    void saveAsFromOpenedPackage()
    {
        const QString first = file("first.mrv");
        const QString second = file("second.mrv");
        QVERIFY(writeRealMedia(file("gone.mp4")) && writeRealMedia(file("gone.jpg")));
        add("gone.mp4 gone.jpg");
        QSignalSpy saved(window, &MainWindow::saveFinished);
        dialogs->paths = QStringList{first, second};
        press(QKeySequence(str("Ctrl+S")));
        QVERIFY(saved.wait(20000));
        ZipEntries old = readZip(first);
        // From now on these media live only in the package.
        QVERIFY(QFile::remove(file("gone.mp4")) && QFile::remove(file("gone.jpg")));

        add("f3.png");
        press(QKeySequence(str("Ctrl+Shift+S")));
        QVERIFY(saved.wait(20000));
        ZipEntries entries = readZip(second);
        const QByteArray document = entries.take(str("json.txt"));
        old.remove(str("json.txt"));
        old.insert(str("f3.png"), fileBytes(file("f3.png")));
        QCOMPARE(entries, old);
        // The build time, where the document starts: {\n    "create_time": "
        const QByteArray stamp = document.mid(22, 19);
        QCOMPARE(document, expectedDocument({{"/gone.mp4", "NA", "2", "00:00:00", "6"},
                                             {"/gone.jpg", "00:00:04", "1", "00:00:04", "6"},
                                             {"/f3.png", "00:00:04", "1", "00:00:04", "6"}},
                                            second.toUtf8(), stamp));
        QVERIFY(!window->isWindowModified());
    }

    // A window killed after edits leaves its playlist aside; the next start
    // offers it back: rows, times, the open package, the converted copies' sources.
    void killedWindowIsOfferedItsPlaylist_data()
    {
        QTest::addColumn<bool>("package");
        QTest::addColumn<QString>("firstRow");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("secondShown");
        QTest::newRow("new playlist") << false << str("00:00:04 %1/f0.png\n")
                                      << str("a new playlist of 3 rows") << str("f2.mp4");
        QTest::newRow("open package, a converted copy")
            << true << str("00:00:09 /f0.png\n") << str("3 rows of the package")
            << str("pic.jpg — converted from pic.webp");
    }

    void killedWindowIsOfferedItsPlaylist()
    {
        QFETCH(bool, package);
        QFETCH(QString, firstRow);
        QFETCH(QString, asked);
        QFETCH(QString, secondShown);
        const QString path = package ? file("kept.mrv") : QString();
        QVERIFY(!package ||
                writeZip(path, {{str("json.txt"), R"({"gallery":[{"filename":"/f0.png"}],
                            "media":[{"playtime":"00:00:09"}]})"},
                                {str("f0.png"), fileBytes(file("f0.png"))}}));
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(str("MEROVI_EDITED_WINDOW"), dir.path());
        environment.insert(str("MEROVI_EDITED_PACKAGE"), path);
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), QStringList());
        QByteArray out;
        QTRY_VERIFY_WITH_TIMEOUT((out += child.readAllStandardOutput()).count('\n') == 3, 30000);
        const QString printed = QString::fromUtf8(out);
        const QString childKept = QString::number(child.processId()) + QLatin1Char('-');
        child.kill(); // SIGKILL: no close, no destructor
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QVERIFY(printed.startsWith(firstRow.replace(str("%1"), dir.path())) &&
                printed.endsWith(str("00:00:07 %1/f1.jpg\n").arg(dir.path())));

        cleanup();
        window = new MainWindow;
        dialogs = FakeDialogs::install(*window);
        dialogs->choices = {0};
        QTRY_COMPARE(table().rowCount(), 3);
        QCOMPARE(dialogs->calls.size(), 1);
        QVERIFY_CONTAINS(dialogs->calls.first().text, asked);
        QStringList rows;
        for (const PlaylistRow &r : tableRows(table()))
            rows << r.time + QLatin1Char(' ') + r.file + QLatin1Char('\n');
        QCOMPARE(rows.join(QString()), printed);
        QCOMPARE(window->openedPackage(), path);
        QCOMPARE(shownFileText(table(), 1), secondShown);
        QVERIFY(window->isWindowModified());
        // Kept again as this window's, the killed one's gone; a normal end removes it.
        QDir kept(unsavedPlaylistFolder());
        QTRY_VERIFY(kept.entryList({str("*.json")}).size() == 1 &&
                    !kept.entryList({str("*.json")}).first().startsWith(childKept));
        cleanup();
        QCOMPARE(kept.entryList({str("*.json"), str("*.lock")}), QStringList());
        window = new MainWindow; // for cleanup()
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("MEROVI_EDITED_WINDOW"))
        return runEditedWindow(qEnvironmentVariable("MEROVI_EDITED_WINDOW"),
                               qEnvironmentVariable("MEROVI_EDITED_PACKAGE"));
    TestEditing test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_editing.moc"
