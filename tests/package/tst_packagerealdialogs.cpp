#include "tests/common/fakedialogs.h"
#include "tests/common/testkit.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

class TestPackageRealDialogs : public QObject
{
    Q_OBJECT

private slots:
    void replaceQuestionDefaultsToCancel();
};

void TestPackageRealDialogs::replaceQuestionDefaultsToCancel()
{
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path())); // settings.xml
    const QString package = dir.filePath(str("show.mrv"));
    QVERIFY(writeZip(package, {{str("json.txt"),
                                R"({"gallery":[{"filename":"/a.png"},{"filename":"/b.mp4"}],
                                    "media":[{"playtime":"00:00:09"}]})",
                                true},
                               {str("a.png"), "old"},
                               {str("b.mp4"), "clip"}}));
    QVERIFY(writeMedia(dir.filePath(str("new/a.png"))));
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy opened(&window, &MainWindow::openFinished);
    window.openFile(package);
    QVERIFY(opened.wait(60000));
    QCOMPARE(tableRows(tableOf(window)),
             (PlaylistRows{row("00:00:09", "/a.png"), row("NA", "/b.mp4")}));
    appendRow(tableOf(window), row("00:00:04", dir.filePath(str("new/a.png"))));

    // Return presses the default button, as a hurried user answers.
    QString question;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        question = box->text();
        QTest::keyClick(box, Qt::Key_Return);
        if (box->isVisible())
            box->close();
    });
    user.start(50);
    QSignalSpy saved(&window, &MainWindow::saveFinished);
    click(window, "pushButtonSave");
    QVERIFY2(question.contains(str("/a.png")), qPrintable(question));
    QVERIFY(!window.isBusy() && saved.isEmpty());
    QCOMPARE(readZip(package).value(str("a.png")), QByteArray("old"));
}

QTEST_MAIN(TestPackageRealDialogs)
#include "tst_packagerealdialogs.moc"
