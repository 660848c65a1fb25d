#include "app/mainwindow.h"
#include "playlist/playlisttable.h"
#include "tests/common/testdata.h"
#include "tests/common/ziptools.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Waits for the window's file dialog to come up, then types path into its
// name field and presses Return, as a user would.
class DialogTyper : public QObject
{
public:
    explicit DialogTyper(const QString &path) : m_path(path)
    {
        m_timer.setInterval(50);
        connect(&m_timer, &QTimer::timeout, this, &DialogTyper::poll);
        m_timer.start();
    }

    bool typed = false;
    QString caption;

private:
    void poll()
    {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        m_timer.stop();
        caption = dialog->windowTitle();
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!edit) {
            dialog->reject();
            return;
        }
        // All at once, as a paste: typed key by key, the dialog may wander into folders
        // named by the path while its model is still loading.
        edit->setText(m_path);
        typed = true;
        // The first Return may only close the name completer's list, as it does for a user.
        for (int i = 0; i < 3 && dialog->isVisible(); ++i)
            QTest::keyClick(edit, Qt::Key_Return);
        if (dialog->isVisible())
            dialog->reject();
    }

    QString m_path;
    QTimer m_timer;
};

void click(MainWindow &window, const char *button)
{
    window.findChild<QPushButton *>(QString::fromLatin1(button))->click();
}

} // namespace

class TestPackageRealDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void addSaveAndOpenThroughTheFileDialogs();
};

void TestPackageRealDialogs::initTestCase()
{
    // Qt's own file dialog whatever desktop the machine names: a native one cannot be driven.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void TestPackageRealDialogs::addSaveAndOpenThroughTheFileDialogs()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    QVERIFY(QDir::setCurrent(dir.path()));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("media")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("out")));
    QStringList files;
    for (const char *name : {"media/intro.mp4", "media/beach.jpg", "media/sunset.png"})
        files.append(dir.filePath(str(name)));
    for (const QString &file : files)
        QVERIFY(writeBytes(file, file.toUtf8().repeated(100)));

    MainWindow author;
    author.show();
    QVERIFY(QTest::qWaitForWindowExposed(&author));
    for (const QString &file : files) {
        DialogTyper typer(file);
        click(author, "pushButtonAdd");
        QVERIFY(typer.typed);
    }

    QSignalSpy saved(&author, &MainWindow::saveFinished);
    {
        DialogTyper typer(dir.filePath(QStringLiteral("out/show")));
        click(author, "pushButtonSave");
        QVERIFY(typer.typed);
        QCOMPARE(typer.caption, str("Select file to save"));
    }
    QVERIFY(!saved.isEmpty() || saved.wait(60000));
    QCOMPARE(saved.first().first().toString(), QString());
    const QString package = dir.filePath(QStringLiteral("out/show.mrv"));
    QCOMPARE(readZip(package).keys(),
             (QStringList{str("beach.jpg"), str("intro.mp4"), str("json.txt"), str("sunset.png")}));
    author.close();

    MainWindow reader;
    reader.resize(900, 560);
    reader.show();
    QVERIFY(QTest::qWaitForWindowExposed(&reader));
    {
        DialogTyper typer(package);
        click(reader, "pushButtonOpen");
        QVERIFY(typer.typed);
    }
    QCOMPARE(tableRows(*reader.findChild<QTableWidget *>(QStringLiteral("tableWidget"))),
             (PlaylistRows{row("NA", "/intro.mp4"), row("00:00:04", "/beach.jpg"),
                           row("00:00:04", "/sunset.png")}));
    QCOMPARE(reader.openedPackage(), package);

    // The README's picture of a reopened package, on request.
    const QString shot = qEnvironmentVariable("MEROVI_SCREENSHOT");
    if (!shot.isEmpty()) {
        QTest::qWait(200);
        const QRect frame = reader.frameGeometry();
        QVERIFY(reader.screen()
                    ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                    .save(shot));
    }
}

QTEST_MAIN(TestPackageRealDialogs)
#include "tst_packagerealdialogs.moc"
