#include "tests/common/fakedialogs.h"
#include "tests/common/testkit.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

// The questions in the program's own message boxes: Return, as a hurried
// user answers, must take the button that changes nothing. The media are
// real, so exactly the question under test comes up.
class TestPackageRealDialogs : public QObject
{
    Q_OBJECT

private slots:
    void returnChangesNothing_data();
    void returnChangesNothing();
};

void TestPackageRealDialogs::returnChangesNothing_data()
{
    QTest::addColumn<QString>("added"); // the unsaved row added to the open package
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("question");

    QTest::newRow("replace files") << str("new/a.png") << str("pushButtonSave") << str("/a.png");
    QTest::newRow("may not play") << str("bad.png") << str("pushButtonSave")
                                  << str("1 file may not play");
    QTest::newRow("unsaved changes")
        << str("new/a.png") << str("pushButtonOpen") << str("has changes that are not saved");
}

void TestPackageRealDialogs::returnChangesNothing()
{
    QFETCH(QString, added);
    QFETCH(QString, button);
    QFETCH(QString, question);

    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path())); // settings.xml
    QVERIFY(writeRealMedia(dir.filePath(str("a.png"))) &&
            writeRealMedia(dir.filePath(str("b.mp4"))));
    QVERIFY(writeRealMedia(dir.filePath(str("new/a.png"))) &&
            writeMedia(dir.filePath(str("bad.png"))));
    const QString package = dir.filePath(str("show.mrv"));
    QVERIFY(writeZip(package, {{str("json.txt"),
                                R"({"gallery":[{"filename":"/a.png"},{"filename":"/b.mp4"}],
                                    "media":[{"playtime":"00:00:09"}]})",
                                true},
                               {str("a.png"), fileBytes(dir.filePath(str("a.png")))},
                               {str("b.mp4"), fileBytes(dir.filePath(str("b.mp4")))}}));
    MainWindow window;
    FakeDialogs *dialogs = FakeDialogs::install(window);
    dialogs->realQuestions = true;
    // Discard would open this one.
    dialogs->paths = QStringList{dir.filePath(str("other.mrv"))};
    QVERIFY(writeZip(dialogs->paths.first(), {{str("json.txt"), R"({"gallery":[]})"}}));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy opened(&window, &MainWindow::openFinished);
    window.openFile(package);
    QVERIFY(opened.wait(60000));
    appendRow(tableOf(window), row("00:00:04", dir.filePath(added)));
    const PlaylistRows rows = tableRows(tableOf(window));
    // The probe's finding shows as a mark on the row.
    QTRY_VERIFY(added != QLatin1String("bad.png") ||
                !tableOf(window).item(2, ColumnTime)->icon().isNull());

    QStringList asked;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        asked << box->text();
        QTest::keyClick(box, Qt::Key_Return);
        if (box->isVisible())
            box->close();
    });
    user.start(50);
    QSignalSpy saved(&window, &MainWindow::saveFinished);
    click(window, qPrintable(button));
    QTRY_VERIFY(!window.isBusy());
    QCOMPARE(asked.size(), 1);
    QVERIFY2(asked.first().contains(question), qPrintable(asked.first()));
    QVERIFY(saved.isEmpty() && opened.size() == 1);
    QCOMPARE(tableRows(tableOf(window)), rows);
    QCOMPARE(readZip(package).value(str("a.png")), fileBytes(dir.filePath(str("a.png"))));
}

QTEST_MAIN(TestPackageRealDialogs)
#include "tst_packagerealdialogs.moc"
