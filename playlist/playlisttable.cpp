#include "playlist/playlisttable.h"

#include <QTableWidget>

namespace {

QString cellText(const QTableWidget &table, int row, int column)
{
    const QTableWidgetItem *item = table.item(row, column);
    return item ? item->text() : QString();
}

// Swapping the items keeps whatever they carry besides their text.
void swapRows(QTableWidget &table, int a, int b)
{
    for (int c = 0; c < table.columnCount(); ++c) {
        QTableWidgetItem *itemA = table.takeItem(a, c);
        QTableWidgetItem *itemB = table.takeItem(b, c);
        table.setItem(a, c, itemB);
        table.setItem(b, c, itemA);
    }
}

bool moveCurrentRow(QTableWidget &table, int offset)
{
    const int from = table.currentRow();
    const int to = from + offset;
    if (from < 0 || to < 0 || to >= table.rowCount())
        return false;
    swapRows(table, from, to);
    // Keeps the moved row current so the button can be pressed again.
    table.selectRow(to);
    return true;
}

} // namespace

PlaylistRows tableRows(const QTableWidget &table)
{
    PlaylistRows rows;
    rows.reserve(table.rowCount());
    for (int r = 0; r < table.rowCount(); ++r)
        rows.append({cellText(table, r, ColumnTime), cellText(table, r, ColumnFile),
                     cellText(table, r, ColumnTransition)});
    return rows;
}

void appendRow(QTableWidget &table, const PlaylistRow &row)
{
    const int r = table.rowCount();
    table.insertRow(r);
    table.setItem(r, ColumnTime, new QTableWidgetItem(row.time));
    table.setItem(r, ColumnFile, new QTableWidgetItem(row.file));
    table.setItem(r, ColumnTransition, new QTableWidgetItem(row.transition));
}

void setTableRows(QTableWidget &table, const PlaylistRows &rows)
{
    table.setUpdatesEnabled(false);
    table.setRowCount(0);
    table.setRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        const PlaylistRow &row = rows.at(r);
        table.setItem(r, ColumnTime, new QTableWidgetItem(row.time));
        table.setItem(r, ColumnFile, new QTableWidgetItem(row.file));
        table.setItem(r, ColumnTransition, new QTableWidgetItem(row.transition));
    }
    table.setUpdatesEnabled(true);
}

void appendFiles(QTableWidget &table, const QStringList &paths, const QString &imageTime,
                 const QString &transition)
{
    for (const QString &path : paths)
        appendRow(table, rowForFile(path, imageTime, transition));
}

bool moveCurrentRowUp(QTableWidget &table)
{
    return moveCurrentRow(table, -1);
}

bool moveCurrentRowDown(QTableWidget &table)
{
    return moveCurrentRow(table, +1);
}

bool applyToCurrentRow(QTableWidget &table, const QString &imageTime, const QString &transition)
{
    const int r = table.currentRow();
    if (r < 0 || cellText(table, r, ColumnTime).contains(QLatin1String("NA")))
        return false;
    table.setItem(r, ColumnTime, new QTableWidgetItem(imageTime));
    table.setItem(r, ColumnTransition, new QTableWidgetItem(transition));
    return true;
}

bool removeCurrentRow(QTableWidget &table)
{
    const int r = table.currentRow();
    if (r < 0 || table.selectedItems().isEmpty())
        return false;
    table.removeRow(r);
    return true;
}
