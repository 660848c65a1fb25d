#include "playlist/mediatype.h"
#include "settings/settings.h"
#include "tests/common/fakedialogs.h"
#include "tests/common/testkit.h"

#include <QComboBox>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QtTest>

namespace {

// Row i holds "t<i>" ("NA<i>" for i == 2, a video), "f<i>", "x<i>", and its file
// item carries i as data, which a move must keep with the row.
void fill(QTableWidget &table, int rows)
{
    for (int i = 0; i < rows; ++i) {
        const QString n = QString::number(i);
        appendRow(table, {(i == 2 ? str("NA") : str("t")) + n, str("f") + n, str("x") + n});
        table.item(i, ColumnFile)->setData(Qt::UserRole, i);
    }
}

// The original index of every row in table order, "*" after a row Apply changed:
// "021" after row 2 moved up.
QString order(const QTableWidget &table)
{
    QString result;
    const PlaylistRows rows = tableRows(table);
    for (int i = 0; i < rows.size(); ++i) {
        const PlaylistRow &r = rows.at(i);
        const QString n = r.file.mid(1);
        if (table.item(i, ColumnFile)->data(Qt::UserRole).toString() != n)
            return str("data mixed");
        if (r.time == QLatin1String("00:02:00") && r.transition == QLatin1String("Fade"))
            result += n + QLatin1Char('*');
        else if (r.time.endsWith(n) && r.transition == QLatin1Char('x') + n)
            result += n;
        else
            return str("cells mixed");
    }
    return result;
}

} // namespace

class TestTableCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void classification_data();
    void classification();
    void commands_data();
    void commands();
    void addFiles_data();
    void addFiles();

private:
    // Add Files reads and writes settings.xml in the working directory.
    QTemporaryDir dir;
};

void TestTableCommands::initTestCase()
{
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    QVERIFY(QDir::setCurrent(dir.path()));
}

void TestTableCommands::classification_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("type");

    const auto add = [](const char *path, int type) { QTest::newRow(path) << str(path) << type; };
    add("/a/photo.PNG", MediaImage);
    add("photo.jpg", MediaImage);
    add("/a/CLIP.MP4", MediaVideo);
    add("/a/clip.avi", MediaVideo);
    add("/media/x.jpg.d/movie.avi", MediaVideo);
    add("/media/y.mp4/still.png", MediaImage);
    add("/a/picture.jpeg", MediaOther);
    add("/a/bundle.zip", MediaArchive);
    add("/a/b.png/README", MediaOther);
    add("/a/clip.mp4.txt", MediaOther);
    add("/a/clip.mp4/", MediaOther);
    add("", MediaOther);
}

void TestTableCommands::classification()
{
    QFETCH(QString, path);
    QFETCH(int, type);

    QCOMPARE(getMediaType(path), type);
    // Only a video plays for its own length.
    QCOMPARE(rowForFile(path, str("00:00:04"), str("Zoom")),
             row(type == MediaVideo ? "NA" : "00:00:04", path));
}

void TestTableCommands::commands_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("current"); // -1: none; commands act on the selected rows
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expectedOrder");
    QTest::addColumn<int>("expectedCurrent"); // -2: the table's own business

    const auto add = [](const char *name, int rows, int current, const QList<int> &selected,
                        const char *button, const char *order, int expectedCurrent) {
        QTest::newRow(name) << rows << current << selected << str(button) << str(order)
                            << expectedCurrent;
    };
    add("up from the middle", 5, 3, {3}, "Up", "01324", 2);
    add("up from the second", 3, 1, {1}, "Up", "102", 0);
    add("up from the first", 3, 0, {0}, "Up", "012", 0);
    add("up, two rows as a block", 5, 2, {2, 3}, "Up", "02314", -2);
    add("up, current row not selected", 3, 2, {}, "Up", "012", -2);
    add("up, empty table", 0, -1, {}, "Up", "", -1);
    add("down from the first", 3, 0, {0}, "Down", "102", 1);
    add("down from the middle", 4, 2, {2}, "Down", "0132", 3);
    add("down from the last", 3, 2, {2}, "Down", "012", 2);
    add("down, rows apart close up", 5, 0, {0, 2}, "Down", "10324", -2);
    add("delete the selected rows", 4, 2, {0, 2, 3}, "Delete", "1", -2);
    add("delete the last row", 3, 2, {2}, "Delete", "01", -2);
    add("delete, current row not selected", 3, 1, {}, "Delete", "012", -2);
    add("delete, selected but no current row", 3, -1, {1}, "Delete", "02", -2);
    add("apply to an image and a video", 3, 1, {1, 2}, "Edit", "01*2", -2);
    add("apply to a video: it keeps its time", 3, 2, {2}, "Edit", "012", 2);
    add("apply, nothing selected", 3, -1, {}, "Edit", "012", -1);
}

void TestTableCommands::commands()
{
    QFETCH(int, rows);
    QFETCH(int, current);
    QFETCH(QList<int>, selected);
    QFETCH(QString, button);
    QFETCH(QString, expectedOrder);
    QFETCH(int, expectedCurrent);

    MainWindow window;
    QTableWidget &table = tableOf(window);
    fill(table, rows);
    table.setCurrentCell(current, current < 0 ? -1 : 0, QItemSelectionModel::Clear);
    for (int r : selected)
        table.selectionModel()->select(table.model()->index(r, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    window.findChild<QTimeEdit *>(str("timeEditTime"))->setTime(QTime(0, 2));
    window.findChild<QComboBox *>(str("comboBoxTransition"))->setCurrentText(str("Fade"));

    click(window, qPrintable(str("pushButton") + button));
    QCOMPARE(order(table), expectedOrder);
    if (expectedCurrent == -2)
        return;
    QCOMPARE(table.currentRow(), expectedCurrent);
    // The row alone is selected, so the button can be pressed again.
    QCOMPARE(table.selectionModel()->selectedRows().size(), expectedCurrent < 0 ? 0 : 1);
    QVERIFY(expectedCurrent < 0 || table.selectionModel()->isRowSelected(expectedCurrent, {}));
}

void TestTableCommands::addFiles_data()
{
    QTest::addColumn<QString>("storedMedia"); // empty: no settings file yet
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<QString>("expectedDir");
    QTest::addColumn<PlaylistRows>("expectedRows");

    QTest::newRow("first use, several files in dialog order")
        << QString() << QStringList{str("/m/b.mp4"), str("/m/a.png"), str("/m/x.jpg.d/CLIP.AVI")}
        << QDir::homePath()
        << PlaylistRows{row("NA", "/m/b.mp4"), row("13:00:05", "/m/a.png"),
                        row("NA", "/m/x.jpg.d/CLIP.AVI")};
    QTest::newRow("folder of the remembered file")
        << str("/m/last.png") << QStringList{str("/n/photo.JPG")} << str("/m")
        << PlaylistRows{row("13:00:05", "/n/photo.JPG")};
    QTest::newRow("cancelled") << str("/m/last.png") << QStringList() << str("/m")
                               << PlaylistRows{};
}

void TestTableCommands::addFiles()
{
    QFETCH(QString, storedMedia);
    QFETCH(QStringList, chosen);
    QFETCH(QString, expectedDir);
    QFETCH(PlaylistRows, expectedRows);

    QFile::remove(Settings::fileName());
    Settings stored;
    stored.PATH_MEDIA = storedMedia;
    stored.PATH_SAVE = str("/out/");
    QVERIFY(storedMedia.isEmpty() || stored.Save());

    MainWindow window;
    FakeDialogs *dialogs = FakeDialogs::install(window);
    dialogs->files = {chosen};
    // An afternoon time: a 12-hour clock would show 01.
    window.findChild<QTimeEdit *>(str("timeEditTime"))->setTime(QTime(13, 0, 5));
    click(window, "pushButtonAdd");

    QCOMPARE(dialogs->calls.size(), 1);
    const FakeDialogs::Call call = dialogs->calls.first();
    QCOMPARE(call.kind, FakeDialogs::Files);
    QCOMPARE(call.parent, &window);
    QCOMPARE(call.dir, expectedDir);
    QCOMPARE(call.text, str("Media (*.png *.jpg *.mp4 *.avi)"));
    QCOMPARE(tableRows(tableOf(window)), expectedRows);
    // The worker writes the settings a moment later.
    const auto remembered = []() -> QString {
        Settings after;
        after.Read();
        return after.PATH_MEDIA + QLatin1Char('|') + after.PATH_SAVE;
    };
    QTRY_COMPARE(remembered(), (chosen.isEmpty() ? storedMedia : chosen.first()) +
                                   (storedMedia.isEmpty() ? str("|") : str("|/out/")));
}

QTEST_MAIN(TestTableCommands)
#include "tst_tablecommands.moc"
