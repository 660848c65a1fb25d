#include "tests/common/fakedialogs.h"
#include "tests/common/testkit.h"

#include <QComboBox>
#include <QTimeEdit>
#include <QtTest>

class TestTableCommands : public QObject
{
    Q_OBJECT

private slots:
    void commands_data();
    void commands();
};

void TestTableCommands::commands_data()
{
    QTest::addColumn<int>("rows");            // row 2 is a video
    QTest::addColumn<QList<int>>("selected"); // the first one current; commands act on these
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected"); // the old index of each row, "*" once Apply changed it

    const auto add = [](const char *name, int rows, const QList<int> &selected, const char *button,
                        const char *expected) {
        QTest::newRow(name) << rows << selected << str(button) << str(expected);
    };
    add("up from the middle", 5, {3}, "Up", "01324");
    add("up from the first", 3, {0}, "Up", "012");
    add("up, two rows as a block", 5, {2, 3}, "Up", "02314");
    add("up, nothing selected", 3, {}, "Up", "012");
    add("down from the last", 3, {2}, "Down", "012");
    add("down, rows apart close up", 5, {0, 2}, "Down", "10324");
    add("delete the selected rows", 4, {2, 0, 3}, "Delete", "1");
    add("delete, nothing selected", 3, {}, "Delete", "012");
    add("apply to an image and a video", 3, {1, 2}, "Edit", "01*2");
    add("apply, nothing selected", 3, {}, "Edit", "012");
}

void TestTableCommands::commands()
{
    QFETCH(int, rows);
    QFETCH(QList<int>, selected);
    QFETCH(QString, button);
    QFETCH(QString, expected);

    MainWindow window;
    QTableWidget &table = tableOf(window);
    for (int i = 0; i < rows; ++i) {
        // The file item carries i as data, which must travel with the row.
        const QString n = QString::number(i);
        appendRow(table, {(i == 2 ? str("NA") : str("t")) + n, str("f") + n, str("x") + n});
        table.item(i, ColumnFile)->setData(Qt::UserRole, i);
    }
    table.setCurrentCell(selected.value(0, -1), 0, QItemSelectionModel::Clear);
    for (int r : selected)
        table.selectionModel()->select(table.model()->index(r, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    // An afternoon time: a 12-hour clock would give 01.
    window.findChild<QTimeEdit *>(str("timeEditTime"))->setTime(QTime(13, 0, 5));
    window.findChild<QComboBox *>(str("comboBoxTransition"))->setCurrentText(str("Fade"));
    click(window, qPrintable(str("pushButton") + button));

    QString order;
    for (int r = 0; r < table.rowCount(); ++r) {
        const PlaylistRow cells = tableRows(table).at(r);
        const QString n = table.item(r, ColumnFile)->data(Qt::UserRole).toString();
        QCOMPARE(cells.file, str("f") + n);
        const bool applied = cells.time == QLatin1String("13:00:05");
        QCOMPARE(cells.transition, applied ? str("Fade") : str("x") + n);
        QVERIFY(applied || cells.time.endsWith(n));
        order += n + (applied ? str("*") : QString());
    }
    QCOMPARE(order, expected);
    // The same rows stay selected, wherever they moved: the button can be pressed again.
    QList<int> stillSelected;
    for (const QModelIndex &index : table.selectionModel()->selectedRows())
        stillSelected << table.item(index.row(), ColumnFile)->data(Qt::UserRole).toInt();
    std::sort(stillSelected.begin(), stillSelected.end());
    std::sort(selected.begin(), selected.end());
    QVERIFY(button == QLatin1String("Delete") || stillSelected == selected);
}

QTEST_MAIN(TestTableCommands)
#include "tst_tablecommands.moc"
