#include "app/mainwindow.h"
#include "playlist/playlisttable.h"
#include "settings/settings.h"
#include "tests/common/fakedialogs.h"
#include "tests/common/testdata.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QtTest>

class TestTableCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void addFiles_data();
    void addFiles();
    void buttonsEditTheCurrentRow();
    void addFilesThroughTheRealDialog();

private:
    // Add Files reads and writes settings.xml in the working directory.
    QTemporaryDir dir;
};

void TestTableCommands::initTestCase()
{
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    QVERIFY(QDir::setCurrent(dir.path()));
}

void TestTableCommands::init()
{
    QFile::remove(Settings::fileName());
}

void TestTableCommands::addFiles_data()
{
    QTest::addColumn<QString>("storedMedia"); // empty: no settings file yet
    QTest::addColumn<QTime>("duration");
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<QString>("expectedDir");
    QTest::addColumn<PlaylistRows>("expectedRows");

    QTest::newRow("first use, several files in dialog order")
        << QString() << QTime(0, 0, 4)
        << QStringList{str("/m/b.mp4"), str("/m/a.png"), str("/m/x.jpg.d/CLIP.AVI")}
        << QDir::homePath()
        << PlaylistRows{row("NA", "/m/b.mp4"), row("00:00:04", "/m/a.png"),
                        row("NA", "/m/x.jpg.d/CLIP.AVI")};
    QTest::newRow("remembered file, afternoon duration")
        << str("/m/last.png") << QTime(13, 0, 5) << QStringList{str("/n/photo.JPG")}
        << str("/m/last.png") << PlaylistRows{row("13:00:05", "/n/photo.JPG")};
    QTest::newRow("cancelled") << str("/m/last.png") << QTime(0, 0, 4) << QStringList()
                               << str("/m/last.png") << PlaylistRows{};
}

void TestTableCommands::addFiles()
{
    QFETCH(QString, storedMedia);
    QFETCH(QTime, duration);
    QFETCH(QStringList, chosen);
    QFETCH(QString, expectedDir);
    QFETCH(PlaylistRows, expectedRows);

    if (!storedMedia.isEmpty()) {
        Settings stored;
        stored.PATH_MEDIA = storedMedia;
        stored.PATH_SAVE = str("/out/");
        QVERIFY2(stored.Save(), qPrintable(stored.errorString()));
    }

    MainWindow window;
    FakeDialogs *dialogs = FakeDialogs::install(window);
    dialogs->files = {chosen};
    window.findChild<QTimeEdit *>(QStringLiteral("timeEditTime"))->setTime(duration);
    window.findChild<QPushButton *>(QStringLiteral("pushButtonAdd"))->click();

    QCOMPARE(dialogs->calls.size(), 1);
    const FakeDialogs::Call call = dialogs->calls.first();
    QCOMPARE(call.kind, FakeDialogs::Files);
    QCOMPARE(call.parent, &window);
    QCOMPARE(call.caption, str("Select one or more files to open"));
    QCOMPARE(call.dir, expectedDir);
    QCOMPARE(call.text, str("Media (*.png *.jpg *.mp4 *.avi)"));
    QCOMPARE(tableRows(*window.findChild<QTableWidget *>(QStringLiteral("tableWidget"))),
             expectedRows);

    Settings after;
    after.Read();
    QCOMPARE(after.PATH_MEDIA, chosen.isEmpty() ? storedMedia : chosen.first());
    QCOMPARE(after.PATH_SAVE, storedMedia.isEmpty() ? QString() : str("/out/"));
}

void TestTableCommands::buttonsEditTheCurrentRow()
{
    const QString longPath = str("/media/a folder name long enough to need a wide column/c.png");
    MainWindow window;
    FakeDialogs::install(window)->files = {{str("/m/a.png"), str("/m/b.mp4"), longPath}};
    auto *table = window.findChild<QTableWidget *>(QStringLiteral("tableWidget"));
    const auto click = [&window](const char *name) {
        window.findChild<QPushButton *>(QLatin1String(name))->click();
    };

    click("pushButtonAdd");
    QVERIFY(table->columnWidth(ColumnFile) >= table->fontMetrics().horizontalAdvance(longPath));
    table->selectRow(2);
    click("pushButtonUp");
    QCOMPARE(table->item(1, ColumnFile)->text(), longPath);
    click("pushButtonDown");
    click("pushButtonDown");
    QCOMPARE(table->currentRow(), 2);
    window.findChild<QTimeEdit *>(QStringLiteral("timeEditTime"))->setTime(QTime(0, 2, 0));
    window.findChild<QComboBox *>(QStringLiteral("comboBoxTransition"))
        ->setCurrentText(str("Fade"));
    click("pushButtonEdit");
    table->selectRow(1); // a video keeps its own time and its transition
    click("pushButtonEdit");
    table->setCurrentCell(-1, -1);
    click("pushButtonEdit");
    table->selectRow(0);
    click("pushButtonDelete");
    QCOMPARE(tableRows(*table),
             (PlaylistRows{row("NA", "/m/b.mp4"), row("00:02:00", longPath, "Fade")}));
}

void TestTableCommands::addFilesThroughTheRealDialog()
{
    const QString folder = dir.filePath(QStringLiteral("media"));
    QVERIFY(QDir().mkpath(folder));
    for (const char *name : {"/a.png", "/b.mp4", "/last.png"}) {
        QFile file(folder + QLatin1String(name));
        QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
    }
    const QString last = folder + QStringLiteral("/last.png");
    Settings stored;
    stored.PATH_MEDIA = last;
    QVERIFY2(stored.Save(), qPrintable(stored.errorString()));

    MainWindow window;
    QString openedIn;
    QStringList preselected;
    bool typed = false;
    QTimer::singleShot(0, this, [&]() {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        openedIn = dialog->directory().absolutePath();
        preselected = dialog->selectedFiles();
        // The remembered file starts selected; the user picks others instead.
        dialog->findChild<QAbstractItemView *>(QStringLiteral("listView"))->clearSelection();
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!edit)
            return dialog->reject();
        edit->setText(QStringLiteral("\"b.mp4\" \"a.png\""));
        typed = true;
        QTest::keyClick(edit, Qt::Key_Return);
        if (dialog->isVisible())
            dialog->reject();
    });
    window.findChild<QPushButton *>(QStringLiteral("pushButtonAdd"))->click();

    QVERIFY(typed);
    QCOMPARE(openedIn, folder);
    QCOMPARE(preselected, QStringList{last});
    QCOMPARE(
        tableRows(*window.findChild<QTableWidget *>(QStringLiteral("tableWidget"))),
        (PlaylistRows{row("NA", folder + str("/b.mp4")), row("00:00:04", folder + str("/a.png"))}));
    stored.Read();
    QCOMPARE(stored.PATH_MEDIA, folder + QStringLiteral("/b.mp4"));
}

QTEST_MAIN(TestTableCommands)
#include "tst_tablecommands.moc"
