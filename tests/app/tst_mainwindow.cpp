#include "app/mainwindow.h"
#include "tests/common/fakedialogs.h"
#include "ui_mainwindow.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QtTest>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void widgetTexts_data();
    void widgetTexts();
    void transitionList();
    void durationField();
    void table();
    void hiddenWidgets();
    void linkLabel();
    void busyDialog();
    void layout();
    void oneClickOneDialog_data();
    void oneClickOneDialog();
    void oneClickOneMove();
    void shutdownWaitsForRunningJob();

private:
    template<typename T> T *widget(const char *name)
    {
        auto *found = window->findChild<T *>(QLatin1String(name));
        if (!found)
            qWarning("no widget %s", name);
        return found;
    }

    QTemporaryDir *dir = nullptr;
    QString previousDir;
    MainWindow *window = nullptr;
    FakeDialogs *dialogs = nullptr; // cancels every dialog
};

void TestMainWindow::init()
{
    // Commands may read settings.xml from the working directory: keep it private.
    dir = new QTemporaryDir;
    QVERIFY2(dir->isValid(), qPrintable(dir->errorString()));
    previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir->path()));
    window = new MainWindow;
    dialogs = FakeDialogs::install(*window);
}

void TestMainWindow::cleanup()
{
    delete window;
    window = nullptr;
    QDir::setCurrent(previousDir);
    delete dir;
    dir = nullptr;
}

void TestMainWindow::widgetTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("text");

    const auto row = [](const char *name, const char *className, const char *text) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(className)
                            << QString::fromLatin1(text);
    };
    row("pushButtonAdd", "QPushButton", "Add Files");
    row("label", "QLabel", "Duration");
    row("labelTransition", "QLabel", "Transition");
    row("pushButtonUp", "QPushButton", "Move Up");
    row("pushButtonDown", "QPushButton", "Move Down");
    row("pushButtonEdit", "QPushButton", "Apply");
    row("pushButtonDelete", "QPushButton", "Delete");
    row("pushButtonOpen", "QPushButton", "Open");
    row("pushButtonSave", "QPushButton", "Save");
    row("label_3", "QLabel", "Go online with Merovi");
    row("centralWidget", "QWidget", "");
    row("timeEditTime", "QTimeEdit", "");
    row("comboBoxTransition", "QComboBox", "");
    row("tableWidget", "QTableWidget", "");
    row("labelMeroviLink", "QLabel", "");
}

void TestMainWindow::widgetTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, text);

    QCOMPARE(window->windowTitle(), QStringLiteral("Merovi USB Playlist builder"));
    QCOMPARE(window->objectName(), QStringLiteral("MainWindow"));
    QWidget *found = window->findChild<QWidget *>(name);
    QVERIFY2(found, qPrintable(name));
    QCOMPARE(QString::fromLatin1(found->metaObject()->className()), className);
    if (text.isEmpty())
        return;
    if (auto *button = qobject_cast<QPushButton *>(found))
        QCOMPARE(button->text(), text);
    else
        QCOMPARE(qobject_cast<QLabel *>(found)->text(), text);
}

void TestMainWindow::transitionList()
{
    auto *combo = widget<QComboBox>("comboBoxTransition");
    QVERIFY(combo);
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    QCOMPARE(items, (QStringList{QStringLiteral("None"), QStringLiteral("Slide left"),
                                 QStringLiteral("Slide right"), QStringLiteral("Slide down"),
                                 QStringLiteral("Slide up"), QStringLiteral("Fade"),
                                 QStringLiteral("Zoom"), QStringLiteral("Bounce")}));
    QCOMPARE(combo->currentIndex(), 6);
    QCOMPARE(combo->currentText(), QStringLiteral("Zoom"));
    QVERIFY(!combo->duplicatesEnabled());
}

void TestMainWindow::durationField()
{
    auto *edit = widget<QTimeEdit>("timeEditTime");
    QVERIFY(edit);
    QCOMPARE(edit->time(), QTime(0, 0, 4));
    QCOMPARE(edit->displayFormat(), QStringLiteral("HH:mm:ss"));
    QCOMPARE(edit->text(), QStringLiteral("00:00:04"));
    // 24-hour clock: the afternoon shows as 13, with no AM/PM section.
    edit->setTime(QTime(13, 5, 0));
    QCOMPARE(edit->text(), QStringLiteral("13:05:00"));
}

void TestMainWindow::table()
{
    auto *table = widget<QTableWidget>("tableWidget");
    QVERIFY(table);
    QCOMPARE(table->columnCount(), 3);
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Time(sec)"));
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("File"));
    QCOMPARE(table->horizontalHeaderItem(2)->text(), QStringLiteral("Transition"));
    QVERIFY(!table->isColumnHidden(0));
    QVERIFY(!table->isColumnHidden(1));
    QVERIFY(table->isColumnHidden(2));
    QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(!table->dragEnabled());
    QCOMPARE(table->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(table->textElideMode(), Qt::ElideMiddle);
}

void TestMainWindow::hiddenWidgets()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(!widget<QComboBox>("comboBoxTransition")->isVisible());
    QVERIFY(!widget<QLabel>("labelTransition")->isVisible());
    QVERIFY(widget<QTimeEdit>("timeEditTime")->isVisible());
    QVERIFY(!window->findChild<QProgressDialog *>()->isVisible());
}

void TestMainWindow::linkLabel()
{
    auto *link = widget<QLabel>("labelMeroviLink");
    QVERIFY(link);
    const QString url = QString::fromLatin1(meroviWebPage);
    QVERIFY(url.endsWith(QLatin1String("/wordpress")));
    QCOMPARE(link->text(), QStringLiteral("<a href=\"%1\">%1</a>").arg(url));
    QCOMPARE(link->textFormat(), Qt::RichText);
    QCOMPARE(int(link->textInteractionFlags()), 13);
    QVERIFY(link->openExternalLinks());

    // The form's own caption is the same address as plain text.
    QMainWindow bare;
    Ui_MainWindow form;
    form.setupUi(&bare);
    QCOMPARE(form.labelMeroviLink->text(), url);
}

void TestMainWindow::busyDialog()
{
    const auto dialogs = window->findChildren<QProgressDialog *>();
    QCOMPARE(dialogs.size(), 1);
    QProgressDialog *busy = dialogs.first();
    QCOMPARE(busy->parent(), window);
    QCOMPARE(busy->labelText(), QStringLiteral("Compiling media..."));
    QCOMPARE(busy->minimum(), 0);
    QCOMPARE(busy->maximum(), 0);
    QCOMPARE(busy->minimumDuration(), 0);
    QVERIFY(!busy->autoClose());
    QVERIFY(busy->isModal());
    QCOMPARE(busy->windowModality(), Qt::WindowModal);
    QVERIFY(busy->findChildren<QPushButton *>().isEmpty());
    // Its own show timer must not pop it up while no job runs.
    QTest::qWait(50);
    QVERIFY(!busy->isVisible());
}

void TestMainWindow::layout()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->size(), QSize(1016, 590));
    auto *table = widget<QTableWidget>("tableWidget");
    auto *add = widget<QPushButton>("pushButtonAdd");
    auto *open = widget<QPushButton>("pushButtonOpen");
    auto *save = widget<QPushButton>("pushButtonSave");
    auto *link = widget<QLabel>("labelMeroviLink");
    QVERIFY(add->geometry().right() < table->geometry().left());
    QVERIFY(link->geometry().top() > table->geometry().bottom());

    // The spacer takes the extra height: Open and Save stay at the bottom of the column.
    const int gapBefore = table->geometry().bottom() - save->geometry().bottom();
    window->resize(1016, 900);
    QTRY_COMPARE(table->geometry().bottom() - save->geometry().bottom(), gapBefore);
    QVERIFY(open->geometry().bottom() < save->geometry().top());
}

void TestMainWindow::oneClickOneDialog_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Add Files") << QStringLiteral("pushButtonAdd");
    QTest::newRow("Open") << QStringLiteral("pushButtonOpen");
}

void TestMainWindow::oneClickOneDialog()
{
    QFETCH(QString, button);
    window->findChild<QPushButton *>(button)->click();
    QCOMPARE(dialogs->calls.size(), 1);
}

void TestMainWindow::oneClickOneMove()
{
    auto *table = widget<QTableWidget>("tableWidget");
    for (const char *file : {"/a.png", "/b.png", "/c.png"}) {
        const int row = table->rowCount();
        table->insertRow(row);
        table->setItem(row, 0, new QTableWidgetItem(QStringLiteral("00:00:04")));
        table->setItem(row, 1, new QTableWidgetItem(QString::fromLatin1(file)));
        table->setItem(row, 2, new QTableWidgetItem(QStringLiteral("Zoom")));
    }
    table->selectRow(2);
    widget<QPushButton>("pushButtonUp")->click();
    // Connected twice, the row would climb two places.
    QCOMPARE(table->item(1, 1)->text(), QStringLiteral("/c.png"));
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("/a.png"));
}

void TestMainWindow::shutdownWaitsForRunningJob()
{
    const QString staged = dir->filePath(QStringLiteral("staged"));
    QVERIFY(QDir().mkpath(staged));
    QFile media(staged + QStringLiteral("/clip.mp4"));
    QVERIFY(media.open(QIODevice::WriteOnly));
    media.write(QByteArray(4 * 1024 * 1024, 'v'));
    media.close();
    const QString package = dir->filePath(QStringLiteral("show.mrv"));

    // The job is queued to the worker; deleting the window right away must let it finish.
    emit window->operate(staged, package);
    delete window;
    window = nullptr;

    QVERIFY(QFile::exists(package));
    QVERIFY(!QFile::exists(staged));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
