#include "app/mainwindow.h"
#include "app/userdialogs.h"
#include "playlist/playlisttable.h"
#include "settings/settings.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QtTest>

#include <memory>

namespace {

struct OpenCall
{
    QWidget *parent;
    QString caption;
    QString dir;
    QString filter;
};

class FakeDialogs : public UserDialogs
{
public:
    explicit FakeDialogs(QStringList answer) : answer(std::move(answer)) {}

    QStringList getOpenFileNames(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter) override
    {
        calls.append({parent, caption, dir, filter});
        return answer;
    }

    QStringList answer;
    QVector<OpenCall> calls;
};

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

class TestTableCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void addFiles_data();
    void addFiles();
    void buttonsEditTheCurrentRow();
    void addFilesThroughTheRealDialog();

private:
    // Add Files reads and writes settings.xml in the working directory.
    std::unique_ptr<QTemporaryDir> dir;
    QString previousDir;
};

void TestTableCommands::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY2(dir->isValid(), qPrintable(dir->errorString()));
    previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir->path()));
}

void TestTableCommands::cleanup()
{
    QDir::setCurrent(previousDir);
    dir.reset();
}

void TestTableCommands::addFiles_data()
{
    QTest::addColumn<QString>("storedMedia"); // empty: no settings file yet
    QTest::addColumn<QTime>("duration");
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<QString>("expectedDir");
    QTest::addColumn<PlaylistRows>("expectedRows");

    const QString zoom = QStringLiteral("Zoom");
    QTest::newRow("first use, several files in dialog order")
        << QString() << QTime(0, 0, 4)
        << QStringList{QStringLiteral("/m/b.mp4"), QStringLiteral("/m/a.png"),
                       QStringLiteral("/m/x.jpg.d/CLIP.AVI")}
        << QDir::homePath()
        << PlaylistRows{{QStringLiteral("NA"), QStringLiteral("/m/b.mp4"), zoom},
                        {QStringLiteral("00:00:04"), QStringLiteral("/m/a.png"), zoom},
                        {QStringLiteral("NA"), QStringLiteral("/m/x.jpg.d/CLIP.AVI"), zoom}};
    QTest::newRow("remembered file, afternoon duration")
        << QStringLiteral("/m/last.png") << QTime(13, 0, 5)
        << QStringList{QStringLiteral("/n/photo.JPG")} << QStringLiteral("/m/last.png")
        << PlaylistRows{{QStringLiteral("13:00:05"), QStringLiteral("/n/photo.JPG"), zoom}};
    QTest::newRow("cancelled") << QStringLiteral("/m/last.png") << QTime(0, 0, 4) << QStringList()
                               << QStringLiteral("/m/last.png") << PlaylistRows{};
    QTest::newRow("cancelled, first use")
        << QString() << QTime(0, 0, 4) << QStringList() << QDir::homePath() << PlaylistRows{};
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
        stored.PATH_SAVE = QStringLiteral("/out/");
        QVERIFY2(stored.Save(), qPrintable(stored.errorString()));
    }
    const QByteArray settingsBefore = fileBytes(Settings::fileName());

    MainWindow window;
    auto fake = std::make_unique<FakeDialogs>(chosen);
    const FakeDialogs *dialogs = fake.get();
    window.setDialogs(std::move(fake));
    window.findChild<QTimeEdit *>(QStringLiteral("timeEditTime"))->setTime(duration);
    auto *table = window.findChild<QTableWidget *>(QStringLiteral("tableWidget"));

    window.findChild<QPushButton *>(QStringLiteral("pushButtonAdd"))->click();

    QCOMPARE(dialogs->calls.size(), 1);
    const OpenCall call = dialogs->calls.first();
    QCOMPARE(call.parent, &window);
    QCOMPARE(call.caption, QStringLiteral("Select one or more files to open"));
    QCOMPARE(call.dir, expectedDir);
    QCOMPARE(call.filter, QStringLiteral("Media (*.png *.jpg *.mp4 *.avi)"));
    QCOMPARE(tableRows(*table), expectedRows);

    if (chosen.isEmpty()) {
        QCOMPARE(fileBytes(Settings::fileName()), settingsBefore);
    } else {
        Settings after;
        after.Read();
        QCOMPARE(after.PATH_MEDIA, chosen.first());
        QCOMPARE(after.PATH_SAVE, storedMedia.isEmpty() ? QString() : QStringLiteral("/out/"));
    }
}

void TestTableCommands::buttonsEditTheCurrentRow()
{
    const QString longPath =
        QStringLiteral("/media/a folder name long enough to need a wide column/c.png");
    MainWindow window;
    window.setDialogs(std::make_unique<FakeDialogs>(
        QStringList{QStringLiteral("/m/a.png"), QStringLiteral("/m/b.mp4"), longPath}));
    auto *table = window.findChild<QTableWidget *>(QStringLiteral("tableWidget"));
    const auto click = [&window](const char *name) {
        window.findChild<QPushButton *>(QLatin1String(name))->click();
    };

    click("pushButtonAdd");
    QVERIFY(table->columnWidth(1) >= table->fontMetrics().horizontalAdvance(longPath));

    table->selectRow(2);
    click("pushButtonUp");
    QCOMPARE(table->currentRow(), 1);
    QCOMPARE(table->item(1, 1)->text(), longPath);

    click("pushButtonDown");
    click("pushButtonDown");
    QCOMPARE(table->currentRow(), 2);
    QCOMPARE(table->item(2, 1)->text(), longPath);

    window.findChild<QTimeEdit *>(QStringLiteral("timeEditTime"))->setTime(QTime(0, 2, 0));
    click("pushButtonEdit");
    QCOMPARE(table->item(2, 0)->text(), QStringLiteral("00:02:00"));
    QCOMPARE(table->item(2, 2)->text(), QStringLiteral("Zoom"));

    click("pushButtonDelete");
    const PlaylistRows expected{
        {QStringLiteral("00:00:04"), QStringLiteral("/m/a.png"), QStringLiteral("Zoom")},
        {QStringLiteral("NA"), QStringLiteral("/m/b.mp4"), QStringLiteral("Zoom")}};
    QCOMPARE(tableRows(*table), expected);
}

void TestTableCommands::addFilesThroughTheRealDialog()
{
    const QDir media(dir->path());
    QVERIFY(media.mkdir(QStringLiteral("media")));
    const QString folder = media.filePath(QStringLiteral("media"));
    for (const char *name : {"a.png", "b.mp4", "last.png"}) {
        QFile file(folder + QLatin1Char('/') + QLatin1String(name));
        QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
    }
    const QString last = folder + QStringLiteral("/last.png");
    {
        Settings stored;
        stored.PATH_MEDIA = last;
        QVERIFY2(stored.Save(), qPrintable(stored.errorString()));
    }

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
    const PlaylistRows expected{
        {QStringLiteral("NA"), folder + QStringLiteral("/b.mp4"), QStringLiteral("Zoom")},
        {QStringLiteral("00:00:04"), folder + QStringLiteral("/a.png"), QStringLiteral("Zoom")}};
    QCOMPARE(tableRows(*window.findChild<QTableWidget *>(QStringLiteral("tableWidget"))), expected);
    Settings after;
    after.Read();
    QCOMPARE(after.PATH_MEDIA, folder + QStringLiteral("/b.mp4"));
}

QTEST_MAIN(TestTableCommands)
#include "tst_tablecommands.moc"
