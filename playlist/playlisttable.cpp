#include "playlist/playlisttable.h"

#include <QTableWidget>

namespace {

QString cellText(const QTableWidget &table, int row, int column)
{
    const QTableWidgetItem *item = table.item(row, column);
    return item ? item->text() : QString();
}

} // namespace

PlaylistRows tableRows(const QTableWidget &table)
{
    PlaylistRows rows;
    rows.reserve(table.rowCount());
    for (int r = 0; r < table.rowCount(); ++r)
        rows.append({cellText(table, r, 0), cellText(table, r, 1), cellText(table, r, 2)});
    return rows;
}

void appendRow(QTableWidget &table, const PlaylistRow &row)
{
    const int r = table.rowCount();
    table.insertRow(r);
    table.setItem(r, 0, new QTableWidgetItem(row.time));
    table.setItem(r, 1, new QTableWidgetItem(row.file));
    table.setItem(r, 2, new QTableWidgetItem(row.transition));
}
