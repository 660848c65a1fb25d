// The editing commands in the real window on a display: the unsaved-changes
// question, undo over several rows, drops, Save As. Questions are Qt's own
// message boxes, answered by clicking their buttons.
#include "app/mainwindow.h"
#include "app/userdialogs.h"
#include "playlist/playlisttable.h"
#include "tests/common/testkit.h"

#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QtTest>

namespace {

// File dialogs answered from scripts, warnings recorded; every question is real.
class ScriptedFiles : public UserDialogs
{
public:
    QList<QStringList> files;
    QStringList saveNames;
    QStringList warnings;

    QStringList getOpenFileNames(QWidget *, const QString &, const QString &,
                                 const QString &) override
    {
        return files.isEmpty() ? QStringList() : files.takeFirst();
    }
    QString getSaveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
    }
    void warning(QWidget *, const QString &, const QString &text) override { warnings << text; }
};

// Clicks the button named button in the next message box and keeps its text.
class Answer : public QObject
{
public:
    explicit Answer(const QString &button)
    {
        connect(&timer, &QTimer::timeout, this, [this, button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            timer.stop();
            text = box->text();
            for (QAbstractButton *b : box->buttons()) {
                if (b->text().remove(QLatin1Char('&')) == button)
                    b->click();
            }
        });
        timer.start(50);
    }
    QString text;

private:
    QTimer timer;
};

// Each row's file name, "*" after a row Apply changed.
QString order(QTableWidget &table)
{
    QStringList names;
    for (const PlaylistRow &r : tableRows(table))
        names << QFileInfo(r.file).fileName() + (r.time == str("00:02:00") ? str("*") : QString());
    return names.join(QLatin1Char(' '));
}

} // namespace

class TestEditing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void closeWithUnsavedChanges_data();
    void closeWithUnsavedChanges();
    void commandsOnSelectedRows_data();
    void commandsOnSelectedRows();
    void dropFiles();
    void saveAsFromOpenedPackage();

private:
    QString media(const char *name) const { return dir.filePath(str("media/") + str(name)); }
    QTableWidget &table() { return *window->findChild<QTableWidget *>(str("tableWidget")); }
    void add(const QStringList &names)
    {
        QStringList paths;
        for (const QString &name : names)
            paths << media(qPrintable(name));
        dialogs->files = {paths};
        window->findChild<QPushButton *>(str("pushButtonAdd"))->click();
    }

    QTemporaryDir dir;
    MainWindow *window = nullptr;
    ScriptedFiles *dialogs = nullptr;
};

void TestEditing::initTestCase()
{
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    QVERIFY(QDir::setCurrent(dir.path())); // settings.xml
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    for (const char *name : {"f0.png", "f1.jpg", "f2.mp4", "f3.png", "f4.jpg", "f5.png"})
        QVERIFY(writeMedia(media(name)));
}

void TestEditing::init()
{
    window = new MainWindow;
    dialogs = new ScriptedFiles;
    window->setDialogs(std::unique_ptr<UserDialogs>(dialogs));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // No window manager on the virtual display gives the focus the keys need.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void TestEditing::cleanup()
{
    QTRY_VERIFY(!window->isBusy());
    delete window;
}

void TestEditing::closeWithUnsavedChanges_data()
{
    QTest::addColumn<QString>("answer"); // empty: close while the save runs
    QTest::addColumn<bool>("staysOpen");
    QTest::newRow("Cancel keeps the window") << str("Cancel") << true;
    QTest::newRow("Discard closes") << str("Discard") << false;
    QTest::newRow("Save saves, then closes") << str("Save") << false;
    QTest::newRow("close while saving waits") << QString() << false;
}

void TestEditing::closeWithUnsavedChanges()
{
    QFETCH(QString, answer);
    QFETCH(bool, staysOpen);
    QCOMPARE(window->windowTitle(), str("Merovi USB Playlist builder"));
    add({str("f0.png"), str("f2.mp4")});
    QVERIFY(window->isWindowModified());
    QCOMPARE(window->windowTitle(), str("New playlist[*] — Merovi USB Playlist builder"));

    const QString package = dir.filePath(str("close-%1.mrv").arg(str(QTest::currentDataTag())));
    dialogs->saveNames = {package};
    QSignalSpy saved(window, &MainWindow::saveFinished);
    if (answer.isEmpty()) {
        window->findChild<QPushButton *>(str("pushButtonSave"))->click();
        QVERIFY(window->isBusy());
        window->close();
        QVERIFY(window->isVisible());
        QCOMPARE(window->findChild<QProgressDialog *>()->labelText(),
                 str("Finishing the save before closing…"));
    } else {
        Answer clicker(answer);
        window->close();
        QVERIFY2(clicker.text.contains(str("has changes that are not saved")),
                 qPrintable(clicker.text));
    }
    if (!staysOpen && answer != str("Discard")) {
        QVERIFY(saved.wait(20000));
        QCOMPARE(saved.first().first().toString(), QString());
        QCOMPARE(readZip(package).keys(),
                 (QStringList{str("f0.png"), str("f2.mp4"), str("json.txt")}));
    }
    QTRY_COMPARE(window->isVisible(), staysOpen);
    QCOMPARE(QFile::exists(package), !saved.isEmpty());
    QCOMPARE(tableRows(table()).size(), 2);
}

void TestEditing::commandsOnSelectedRows_data()
{
    QTest::addColumn<QString>("keys"); // empty: the Apply button
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QVector<int>>("selectedAfter");
    // Rows 1, 2 and 4 are selected; the current row 3 is not.
    QTest::newRow("Delete") << str("Del") << str("f0.png f3.png f5.png") << QVector<int>{1};
    QTest::newRow("Ctrl+Up") << str("Ctrl+Up") << str("f1.jpg f2.mp4 f0.png f4.jpg f3.png f5.png")
                             << QVector<int>{0, 1, 3};
    QTest::newRow("Ctrl+Down") << str("Ctrl+Down")
                               << str("f0.png f3.png f1.jpg f2.mp4 f5.png f4.jpg")
                               << QVector<int>{2, 3, 5};
    QTest::newRow("Apply skips the video")
        << QString() << str("f0.png f1.jpg* f2.mp4 f3.png f4.jpg* f5.png") << QVector<int>{1, 2, 4};
}

void TestEditing::commandsOnSelectedRows()
{
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    QFETCH(QVector<int>, selectedAfter);
    add({str("f0.png"), str("f1.jpg"), str("f2.mp4"), str("f3.png"), str("f4.jpg"), str("f5.png")});
    const QString before = order(table());
    const PlaylistRows rowsBefore = tableRows(table());
    table().setFocus();
    selectRowIndexes(table(), {1, 2, 4});
    table().selectionModel()->setCurrentIndex(table().model()->index(3, 0),
                                              QItemSelectionModel::NoUpdate);
    window->findChild<QTimeEdit *>()->setTime(QTime(0, 2));
    if (keys.isEmpty())
        window->findChild<QPushButton *>(str("pushButtonEdit"))->click();
    else
        QTest::keySequence(&table(), QKeySequence(keys));
    QCOMPARE(order(table()), expected);
    QCOMPARE(selectedRowIndexes(table()), selectedAfter);

    QTest::keySequence(&table(), QKeySequence::Undo);
    QCOMPARE(tableRows(table()), rowsBefore);
    QCOMPARE(selectedRowIndexes(table()), (QVector<int>{1, 2, 4}));
    QTest::keySequence(&table(), QKeySequence(str("Ctrl+Shift+Z")));
    QCOMPARE(order(table()), expected);
    QVERIFY(before != expected);
}

void TestEditing::dropFiles()
{
    add({str("f0.png"), str("f1.jpg"), str("f3.png")});
    QWidget *viewport = table().viewport();
    const QRect first = table().visualRect(table().model()->index(0, 0));
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(media("f5.png")), QUrl::fromLocalFile(str("/m/notes.TXT")),
                  QUrl::fromLocalFile(media("f2.mp4"))});
    // The lower half of the first row: the files go in after it. The drop goes
    // where the entering drag was accepted.
    const QPoint at(first.center().x(), first.center().y() + 2);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);

    QCOMPARE(order(table()), str("f0.png f5.png f2.mp4 f1.jpg f3.png"));
    QCOMPARE(tableRows(table()).at(2).time, str("NA"));
    QTRY_COMPARE(dialogs->warnings.size(), 1);
    QVERIFY2(dialogs->warnings.first().contains(QDir::toNativeSeparators(str("/m/notes.TXT"))),
             qPrintable(dialogs->warnings.first()));
    QTest::keySequence(window, QKeySequence::Undo);
    QCOMPARE(order(table()), str("f0.png f1.jpg f3.png"));
}

void TestEditing::saveAsFromOpenedPackage()
{
    const QString first = dir.filePath(str("first.mrv"));
    const QString second = dir.filePath(str("second.mrv"));
    QVERIFY(writeMedia(media("gone.mp4"), 3000) && writeMedia(media("gone.jpg"), 2000));
    const QByteArray video = fileBytes(media("gone.mp4"));
    const QByteArray image = fileBytes(media("gone.jpg"));
    add({str("gone.mp4"), str("gone.jpg")});
    QSignalSpy saved(window, &MainWindow::saveFinished);
    dialogs->saveNames = {first};
    QTest::keySequence(window, QKeySequence(str("Ctrl+S")));
    QVERIFY(saved.wait(20000));
    // From now on these media live only in the package.
    QVERIFY(QFile::remove(media("gone.mp4")) && QFile::remove(media("gone.jpg")));

    add({str("f3.png")});
    dialogs->saveNames = {second};
    QTest::keySequence(window, QKeySequence(str("Ctrl+Shift+S")));
    QVERIFY(saved.wait(20000));
    QCOMPARE(saved.last().first().toString(), QString());
    const ZipEntries entries = readZip(second);
    QCOMPARE(entries.keys(),
             (QStringList{str("f3.png"), str("gone.jpg"), str("gone.mp4"), str("json.txt")}));
    QCOMPARE(entries.value(str("gone.mp4")), video);
    QCOMPARE(entries.value(str("gone.jpg")), image);
    QCOMPARE(entries.value(str("f3.png")), fileBytes(media("f3.png")));
    const QByteArray stamp = QJsonDocument::fromJson(entries.value(str("json.txt")))
                                 .object()
                                 .value(str("create_time"))
                                 .toString()
                                 .toUtf8();
    QCOMPARE(entries.value(str("json.txt")),
             expectedDocument({{"/gone.mp4", "NA", "2", "00:00:00", "6"},
                               {"/gone.jpg", "00:00:04", "1", "00:00:04", "6"},
                               {"/f3.png", "00:00:04", "1", "00:00:04", "6"}},
                              second.toUtf8(), stamp));
    QCOMPARE(readZip(first).size(), 3);
    QCOMPARE(window->openedPackage(), second);
    QCOMPARE(window->windowTitle(), str("second.mrv[*] — Merovi USB Playlist builder"));
    QVERIFY(!window->isWindowModified());

    // Unchanged: not rewritten. Emptied: written empty once the user agrees.
    QTest::keySequence(window, QKeySequence(str("Ctrl+S")));
    QVERIFY(window->windowTitle().contains(str("No changes to save")));
    QCOMPARE(saved.size(), 2);
    table().setFocus();
    table().selectAll();
    QTest::keyClick(&table(), Qt::Key_Delete);
    Answer yes(str("Yes"));
    QTest::keySequence(window, QKeySequence(str("Ctrl+S")));
    QCOMPARE(yes.text, str("Save an empty playlist? The player will then show nothing."));
    QVERIFY(saved.wait(20000));
    QCOMPARE(readZip(second).keys(), QStringList{str("json.txt")});
}

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
