#include "playlist/mediatype.h"
#include "playlist/playlisttable.h"
#include "tests/common/testdata.h"

#include <QTableWidget>
#include <QtTest>

namespace {

// Row i holds "t<i>", "f<i>", "x<i>", and its file item carries i as data,
// which a move must keep with the row.
void fill(QTableWidget &table, int rows)
{
    table.setColumnCount(3);
    for (int i = 0; i < rows; ++i) {
        const QString n = QString::number(i);
        appendRow(table, {QLatin1Char('t') + n, QLatin1Char('f') + n, QLatin1Char('x') + n});
        table.item(i, ColumnFile)->setData(Qt::UserRole, i);
    }
}

// The original index of every row, in table order: "021" after row 2 moved up.
QString order(const QTableWidget &table)
{
    QString result;
    for (int r = 0; r < table.rowCount(); ++r) {
        const QString n = table.item(r, ColumnFile)->text().mid(1);
        if (table.item(r, ColumnTime)->text().mid(1) != n ||
            table.item(r, ColumnTransition)->text().mid(1) != n ||
            table.item(r, ColumnFile)->data(Qt::UserRole).toString() != n)
            return QStringLiteral("row %1 mixed").arg(r);
        result += n;
    }
    return result;
}

void setCurrent(QTableWidget &table, int row, const QList<int> &selected)
{
    table.setCurrentCell(row, row < 0 ? -1 : 0, QItemSelectionModel::Clear);
    for (int r : selected)
        table.selectionModel()->select(table.model()->index(r, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

} // namespace

class TestPlaylistTable : public QObject
{
    Q_OBJECT

private slots:
    void classification_data();
    void classification();
    void commands_data();
    void commands();
    void missingCellsReadEmpty();
};

void TestPlaylistTable::classification_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("type");

    const auto add = [](const char *name, const char *path, int type) {
        QTest::newRow(name) << str(path) << type;
    };
    add("png", "/a/photo.png", MediaImage);
    add("upper-case PNG", "/a/photo.PNG", MediaImage);
    add("jpg without folder", "photo.jpg", MediaImage);
    add("mp4", "/a/clip.mp4", MediaVideo);
    add("upper-case MP4", "/a/CLIP.MP4", MediaVideo);
    add("avi", "/a/clip.avi", MediaVideo);
    add("video in folder named .jpg", "/media/x.jpg.d/movie.avi", MediaVideo);
    add("image in folder named .mp4", "/media/y.mp4/still.png", MediaImage);
    add("jpeg", "/a/picture.jpeg", MediaOther);
    add("zip", "/a/bundle.zip", MediaArchive);
    add("no extension", "/a/README", MediaOther);
    add("dot only in folder", "/a/b.png/README", MediaOther);
    add("known extension not last", "/a/clip.mp4.txt", MediaOther);
    add("trailing slash", "/a/clip.mp4/", MediaOther);
    add("empty", "", MediaOther);
}

void TestPlaylistTable::classification()
{
    QFETCH(QString, path);
    QFETCH(int, type);

    QCOMPARE(getMediaType(path), type);
    // Only a video plays for its own length.
    const char *time = type == MediaVideo ? "NA" : "00:00:04";
    QCOMPARE(rowForFile(path, str("00:00:04"), str("Zoom")), row(time, path));
}

void TestPlaylistTable::commands_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("expectedOrder");
    QTest::addColumn<int>("expectedCurrent");

    const auto move = [](const char *name, int rows, int current, const char *command,
                         const char *order, int expectedCurrent) {
        QTest::newRow(name) << rows << current << (current < 0 ? QList<int>() : QList<int>{current})
                            << str(command) << str(order) << expectedCurrent;
    };
    move("up from the middle", 5, 3, "up", "01324", 2);
    move("up from the last", 4, 3, "up", "0132", 2);
    move("up from the second", 3, 1, "up", "102", 0);
    move("up from the first", 3, 0, "up", "012", 0);
    move("up, single row", 1, 0, "up", "0", 0);
    move("up, no current row", 3, -1, "up", "012", -1);
    move("up, empty table", 0, -1, "up", "", -1);
    move("down from the middle", 4, 2, "down", "0132", 3);
    move("down from the first", 3, 0, "down", "102", 1);
    move("down from the last", 3, 2, "down", "012", 2);
    move("down, single row", 1, 0, "down", "0", 0);
    move("down, no current row", 3, -1, "down", "012", -1);

    // Where the current row goes after a removal is the table's own business.
    const auto remove = [](const char *name, int rows, int current, const QList<int> &selected,
                           const char *order) {
        QTest::newRow(name) << rows << current << selected << str("remove") << str(order) << 0;
    };
    remove("remove the current and selected row", 3, 1, {1}, "02");
    remove("remove the last row", 3, 2, {2}, "01");
    remove("remove, nothing selected", 3, 1, {}, "012");
    remove("remove with several selected: only the current", 4, 2, {0, 2, 3}, "013");
    remove("remove, selected but no current row", 3, -1, {1}, "012");
    remove("remove, empty table", 0, -1, {}, "");
}

void TestPlaylistTable::commands()
{
    QFETCH(int, rows);
    QFETCH(int, current);
    QFETCH(QList<int>, selected);
    QFETCH(QString, command);
    QFETCH(QString, expectedOrder);
    QFETCH(int, expectedCurrent);

    QTableWidget table;
    fill(table, rows);
    const QString before = order(table);
    setCurrent(table, current, selected);

    const bool changed = command == QLatin1String("up")     ? moveCurrentRowUp(table)
                         : command == QLatin1String("down") ? moveCurrentRowDown(table)
                                                            : removeCurrentRow(table);
    QCOMPARE(changed, expectedOrder != before);
    QCOMPARE(order(table), expectedOrder);
    if (command == QLatin1String("remove"))
        return;
    QCOMPARE(table.currentRow(), expectedCurrent);
    // The moved row alone is selected, so the button can be pressed again.
    QCOMPARE(table.selectionModel()->selectedRows().size(), expectedCurrent < 0 ? 0 : 1);
    QVERIFY(expectedCurrent < 0 || table.selectionModel()->isRowSelected(expectedCurrent, {}));
}

void TestPlaylistTable::missingCellsReadEmpty()
{
    QTableWidget table(1, 3);
    table.setItem(0, ColumnFile, new QTableWidgetItem(str("/m/a.png")));
    QCOMPARE(tableRows(table), PlaylistRows{row("", "/m/a.png", "")});
}

QTEST_MAIN(TestPlaylistTable)
#include "tst_playlisttable.moc"
