#include "document/playlistdocument.h"
#include "playlist/mediatype.h"
#include "playlist/playlisttable.h"
#include "tests/document/expecteddocument.h"

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

QList<int> selectedRows(const QTableWidget &table)
{
    QList<int> rows;
    const QModelIndexList indexes = table.selectionModel()->selectedRows();
    for (const QModelIndex &index : indexes)
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
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
    void moves_data();
    void moves();
    void apply_data();
    void apply();
    void remove_data();
    void remove();
    void missingCellsReadEmpty();
    void documentFollowsMovedRows();
};

void TestPlaylistTable::classification_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("time");

    const QString image = QStringLiteral("00:00:04");
    const QString video = QStringLiteral("NA");
    QTest::newRow("png") << QStringLiteral("/a/photo.png") << 1 << image;
    QTest::newRow("upper-case PNG") << QStringLiteral("/a/photo.PNG") << 1 << image;
    QTest::newRow("jpg without folder") << QStringLiteral("photo.jpg") << 1 << image;
    QTest::newRow("mp4") << QStringLiteral("/a/clip.mp4") << 2 << video;
    QTest::newRow("upper-case MP4") << QStringLiteral("/a/CLIP.MP4") << 2 << video;
    QTest::newRow("avi") << QStringLiteral("/a/clip.avi") << 2 << video;
    QTest::newRow("video in folder named .jpg")
        << QStringLiteral("/media/x.jpg.d/movie.avi") << 2 << video;
    QTest::newRow("image in folder named .mp4")
        << QStringLiteral("/media/y.mp4/still.png") << 1 << image;
    QTest::newRow("jpeg") << QStringLiteral("/a/picture.jpeg") << 0 << image;
    QTest::newRow("zip") << QStringLiteral("/a/bundle.zip") << 3 << image;
    QTest::newRow("no extension") << QStringLiteral("/a/README") << 0 << image;
    QTest::newRow("dot only in folder") << QStringLiteral("/a/b.png/README") << 0 << image;
    QTest::newRow("known extension not last") << QStringLiteral("/a/clip.mp4.txt") << 0 << image;
    QTest::newRow("trailing slash") << QStringLiteral("/a/clip.mp4/") << 0 << image;
    QTest::newRow("empty") << QString() << 0 << image;
}

void TestPlaylistTable::classification()
{
    QFETCH(QString, path);
    QFETCH(int, type);
    QFETCH(QString, time);

    QCOMPARE(getMediaType(path), type);
    const PlaylistRow expected{time, path, QStringLiteral("Zoom")};
    QCOMPARE(rowForFile(path, QStringLiteral("00:00:04"), QStringLiteral("Zoom")), expected);
}

void TestPlaylistTable::moves_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("expectedOrder");
    QTest::addColumn<int>("expectedCurrent");

    QTest::newRow("up from the middle") << 5 << 3 << true << QStringLiteral("01324") << 2;
    QTest::newRow("up from the last") << 4 << 3 << true << QStringLiteral("0132") << 2;
    QTest::newRow("up from the second") << 3 << 1 << true << QStringLiteral("102") << 0;
    QTest::newRow("up from the first") << 3 << 0 << true << QStringLiteral("012") << 0;
    QTest::newRow("up, single row") << 1 << 0 << true << QStringLiteral("0") << 0;
    QTest::newRow("up, no current row") << 3 << -1 << true << QStringLiteral("012") << -1;
    QTest::newRow("up, empty table") << 0 << -1 << true << QString() << -1;
    QTest::newRow("down from the middle") << 4 << 2 << false << QStringLiteral("0132") << 3;
    QTest::newRow("down from the first") << 3 << 0 << false << QStringLiteral("102") << 1;
    QTest::newRow("down from the last") << 3 << 2 << false << QStringLiteral("012") << 2;
    QTest::newRow("down, single row") << 1 << 0 << false << QStringLiteral("0") << 0;
    QTest::newRow("down, no current row") << 3 << -1 << false << QStringLiteral("012") << -1;
}

void TestPlaylistTable::moves()
{
    QFETCH(int, rows);
    QFETCH(int, current);
    QFETCH(bool, up);
    QFETCH(QString, expectedOrder);
    QFETCH(int, expectedCurrent);

    QTableWidget table;
    fill(table, rows);
    setCurrent(table, current, current < 0 ? QList<int>() : QList<int>{current});

    const bool moved = up ? moveCurrentRowUp(table) : moveCurrentRowDown(table);
    QCOMPARE(moved, expectedCurrent != current);
    QCOMPARE(order(table), expectedOrder);
    QCOMPARE(table.currentRow(), expectedCurrent);
    QCOMPARE(selectedRows(table), expectedCurrent < 0 ? QList<int>() : QList<int>{expectedCurrent});
}

void TestPlaylistTable::apply_data()
{
    QTest::addColumn<QString>("time");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("expectedTime");
    QTest::addColumn<QString>("expectedTransition");

    QTest::newRow("image row") << QStringLiteral("00:00:04") << 1 << QStringLiteral("00:01:30")
                               << QStringLiteral("Fade");
    QTest::newRow("video row") << QStringLiteral("NA") << 1 << QStringLiteral("NA")
                               << QStringLiteral("Zoom");
    QTest::newRow("no current row")
        << QStringLiteral("00:00:04") << -1 << QStringLiteral("00:00:04") << QStringLiteral("Zoom");
}

void TestPlaylistTable::apply()
{
    QFETCH(QString, time);
    QFETCH(int, current);
    QFETCH(QString, expectedTime);
    QFETCH(QString, expectedTransition);

    QTableWidget table;
    table.setColumnCount(3);
    const PlaylistRow first{QStringLiteral("00:00:09"), QStringLiteral("/m/a.png"),
                            QStringLiteral("Zoom")};
    appendRow(table, first);
    appendRow(table, {time, QStringLiteral("/m/b"), QStringLiteral("Zoom")});
    setCurrent(table, current, {});

    QCOMPARE(applyToCurrentRow(table, QStringLiteral("00:01:30"), QStringLiteral("Fade")),
             expectedTime != time);
    const PlaylistRows expected{first, {expectedTime, QStringLiteral("/m/b"), expectedTransition}};
    QCOMPARE(tableRows(table), expected);
    QCOMPARE(table.currentRow(), current);
}

void TestPlaylistTable::remove_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("expectedOrder");

    QTest::newRow("current and selected") << 3 << 1 << QList<int>{1} << QStringLiteral("02");
    QTest::newRow("last row") << 3 << 2 << QList<int>{2} << QStringLiteral("01");
    QTest::newRow("current, nothing selected") << 3 << 1 << QList<int>{} << QStringLiteral("012");
    QTest::newRow("several selected, only current goes")
        << 4 << 2 << QList<int>{0, 2, 3} << QStringLiteral("013");
    QTest::newRow("selected, no current row") << 3 << -1 << QList<int>{1} << QStringLiteral("012");
    QTest::newRow("empty table") << 0 << -1 << QList<int>{} << QString();
}

void TestPlaylistTable::remove()
{
    QFETCH(int, rows);
    QFETCH(int, current);
    QFETCH(QList<int>, selected);
    QFETCH(QString, expectedOrder);

    QTableWidget table;
    fill(table, rows);
    setCurrent(table, current, selected);

    QCOMPARE(removeCurrentRow(table), expectedOrder.size() < rows);
    QCOMPARE(order(table), expectedOrder);
}

void TestPlaylistTable::missingCellsReadEmpty()
{
    QTableWidget table(1, 3);
    table.setItem(0, ColumnFile, new QTableWidgetItem(QStringLiteral("/m/a.png")));
    const PlaylistRows expected{{QString(), QStringLiteral("/m/a.png"), QString()}};
    QCOMPARE(tableRows(table), expected);
}

void TestPlaylistTable::documentFollowsMovedRows()
{
    QTableWidget table;
    table.setColumnCount(3);
    appendRow(table,
              {QStringLiteral("00:00:04"), QStringLiteral("/m/a.png"), QStringLiteral("Zoom")});
    appendRow(table, {QStringLiteral("NA"), QStringLiteral("/m/b.mp4"), QStringLiteral("Zoom")});
    appendRow(table,
              {QStringLiteral("00:00:06"), QStringLiteral("/m/c.jpg"), QStringLiteral("Fade")});

    // c to the top, then a below b: c, b, a.
    table.selectRow(2);
    QVERIFY(moveCurrentRowUp(table));
    QVERIFY(moveCurrentRowUp(table));
    table.selectRow(1);
    QVERIFY(moveCurrentRowDown(table));

    using namespace expected;
    const QByteArray bytes = renderPlaylistDocument(
        buildPlaylistDocument(tableRows(table), QStringLiteral("/m/s.mrv"), buildTime));
    QCOMPARE(bytes, document({galleryEntry("/c.jpg", "1", "00:00:06", "1"),
                              galleryEntry("/b.mp4", "2", "NA", "2"),
                              galleryEntry("/a.png", "3", "00:00:04", "1")},
                             {mediaEntry("1", "00:00:06", "5"), mediaEntry("2", "00:00:00", "6"),
                              mediaEntry("3", "00:00:04", "6")},
                             "/m/s.mrv"));
}

QTEST_MAIN(TestPlaylistTable)
#include "tst_playlisttable.moc"
