#include "settings/settings.h"
#include "tests/common/fakedialogs.h"
#include "tests/common/testkit.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

// Acts on the first modal dialog that comes up, as a user would, while the
// window's command waits in it.
class OnDialog
{
public:
    explicit OnDialog(std::function<void(QWidget *)> act)
    {
        QObject::connect(&timer, &QTimer::timeout, [this, act] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog || !dialog->isVisible())
                return;
            timer.stop();
            seen = true;
            act(dialog);
        });
        timer.start(50);
    }
    bool seen = false;

private:
    QTimer timer;
};

// Pastes path into a file dialog's name field and presses Return. Typed key by
// key, the dialog may wander into folders named by the path while it loads.
std::function<void(QWidget *)> typePath(const QString &path, QString *startDir = nullptr)
{
    return [path, startDir](QWidget *widget) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        auto *edit = dialog ? dialog->findChild<QLineEdit *>(str("fileNameEdit")) : nullptr;
        if (startDir && dialog)
            *startDir = dialog->directory().absolutePath();
        if (edit)
            edit->setText(path);
        // The first Return may only close the name completer's list.
        for (int i = 0; edit && i < 3 && widget->isVisible(); ++i)
            QTest::keyClick(edit, Qt::Key_Return);
        if (widget->isVisible())
            widget->close();
    };
}

} // namespace

class TestPackageRealDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void addSaveAndOpenThroughTheFileDialogs();
    void replaceQuestionDefaultsToCancel();

private:
    QTemporaryDir dir;
};

void TestPackageRealDialogs::initTestCase()
{
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    QVERIFY(QDir::setCurrent(dir.path())); // settings.xml
    // Qt's own file dialog whatever desktop the machine names: a native one cannot be driven.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void TestPackageRealDialogs::addSaveAndOpenThroughTheFileDialogs()
{
    QStringList files;
    for (const char *name : {"media/intro.mp4", "media/beach.jpg", "media/sunset.png"}) {
        files.append(dir.filePath(str(name)));
        QVERIFY(writeMedia(files.last()));
    }
    MainWindow author;
    author.show();
    QVERIFY(QTest::qWaitForWindowExposed(&author));
    for (int i = 0; i < files.size(); ++i) {
        QString startDir;
        OnDialog typer(typePath(files.at(i), &startDir));
        click(author, "pushButtonAdd");
        QVERIFY(typer.seen);
        // The dialog starts in the folder of the file the last Add took.
        QVERIFY(i == 0 || startDir == dir.filePath(str("media")));
        QTRY_VERIFY(fileBytes(Settings::fileName()).contains(files.at(i).toUtf8()));
    }

    QSignalSpy saved(&author, &MainWindow::saveFinished);
    OnDialog saveTyper(typePath(dir.filePath(str("out/show"))));
    QVERIFY(QDir().mkpath(dir.filePath(str("out"))));
    click(author, "pushButtonSave");
    QVERIFY(saveTyper.seen);
    QVERIFY(!saved.isEmpty() || saved.wait(60000));
    QCOMPARE(saved.first().first().toString(), QString());
    const QString package = dir.filePath(str("out/show.mrv"));
    QCOMPARE(readZip(package).keys(),
             (QStringList{str("beach.jpg"), str("intro.mp4"), str("json.txt"), str("sunset.png")}));

    MainWindow reader;
    reader.show();
    QVERIFY(QTest::qWaitForWindowExposed(&reader));
    QSignalSpy opened(&reader, &MainWindow::openFinished);
    OnDialog openTyper(typePath(package));
    click(reader, "pushButtonOpen");
    QVERIFY(openTyper.seen);
    QVERIFY(!opened.isEmpty() || opened.wait(60000));
    QCOMPARE(tableRows(tableOf(reader)),
             (PlaylistRows{row("NA", "/intro.mp4"), row("00:00:04", "/beach.jpg"),
                           row("00:00:04", "/sunset.png")}));
}

void TestPackageRealDialogs::replaceQuestionDefaultsToCancel()
{
    const QString package = dir.filePath(str("replace.mrv"));
    QVERIFY(writeZip(
        package, {{str("json.txt"), R"({"gallery":[{"filename":"/a.png"}],"media":[{}]})", true},
                  {str("a.png"), "old"}}));
    QVERIFY(writeMedia(dir.filePath(str("new/a.png"))));
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy opened(&window, &MainWindow::openFinished);
    window.openFile(package);
    QVERIFY(opened.wait(60000));
    appendRow(tableOf(window), row("00:00:04", dir.filePath(str("new/a.png"))));
    const QByteArray before = fileBytes(package);

    // Return presses the default button, the way a hurried user answers.
    QString question;
    OnDialog user([&question](QWidget *dialog) {
        if (auto *box = qobject_cast<QMessageBox *>(dialog))
            question = box->text();
        QTest::keyClick(dialog, Qt::Key_Return);
        if (dialog->isVisible())
            dialog->close();
    });
    QSignalSpy saved(&window, &MainWindow::saveFinished);
    click(window, "pushButtonSave");
    QVERIFY(user.seen);
    QVERIFY2(question.contains(str("/a.png")), qPrintable(question));
    QVERIFY(!window.isBusy());
    QVERIFY(saved.isEmpty());
    QCOMPARE(fileBytes(package), before);
}

QTEST_MAIN(TestPackageRealDialogs)
#include "tst_packagerealdialogs.moc"
