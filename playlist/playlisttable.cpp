#include "playlist/playlisttable.h"

#include "playlist/mediatype.h"

#include <QDir>
#include <QTableWidget>

#include <algorithm>

namespace {

QString cellText(const QTableWidget &table, int row, int column)
{
    const QTableWidgetItem *item = table.item(row, column);
    return item ? item->text() : QString();
}

void setCellText(QTableWidget &table, int row, int column, const QString &text)
{
    if (QTableWidgetItem *item = table.item(row, column))
        item->setText(text);
    else
        table.setItem(row, column, new QTableWidgetItem(text));
}

void fillRow(QTableWidget &table, int r, const PlaylistRow &row)
{
    table.setItem(r, ColumnTime, new QTableWidgetItem(row.time));
    table.setItem(r, ColumnFile, new QTableWidgetItem(row.file));
    table.setItem(r, ColumnTransition, new QTableWidgetItem(row.transition));
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
    fillRow(table, r, row);
}

void setTableRows(QTableWidget &table, const PlaylistRows &rows)
{
    table.setUpdatesEnabled(false);
    table.setRowCount(0);
    table.setRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r)
        fillRow(table, r, rows.at(r));
    table.setUpdatesEnabled(true);
}

QVector<int> selectedRowIndexes(const QTableWidget &table)
{
    QVector<int> rows;
    if (!table.selectionModel())
        return rows;
    // Ranges, not selectedRows(): a row counts whatever columns are hidden.
    const QItemSelection selection = table.selectionModel()->selection();
    for (const QItemSelectionRange &range : selection) {
        for (int r = range.top(); r <= range.bottom(); ++r)
            rows.append(r);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void selectRowIndexes(QTableWidget &table, const QVector<int> &rows, int current)
{
    QItemSelectionModel *model = table.selectionModel();
    QItemSelection selection;
    const int lastColumn = table.columnCount() - 1;
    for (int i = 0; i < rows.size();) {
        // One range per run of neighbours: thousands of rows select at once.
        int j = i;
        while (j + 1 < rows.size() && rows.at(j + 1) == rows.at(j) + 1)
            ++j;
        selection.select(table.model()->index(rows.at(i), 0),
                         table.model()->index(rows.at(j), lastColumn));
        i = j + 1;
    }
    if (current < 0 && !rows.isEmpty())
        current = rows.first();
    model->setCurrentIndex(table.model()->index(current, 0), QItemSelectionModel::NoUpdate);
    model->select(selection, QItemSelectionModel::ClearAndSelect);
}

QVector<int> shiftedRows(const QVector<int> &rows, int offset, int rowCount)
{
    if (rows.isEmpty() || rows.first() + offset < 0 || rows.last() + offset >= rowCount)
        return {};
    QVector<int> to;
    to.reserve(rows.size());
    for (int r : rows)
        to.append(r + offset);
    return to;
}

QVector<int> droppedRows(const QVector<int> &rows, int dropRow)
{
    const int above =
        int(std::count_if(rows.cbegin(), rows.cend(), [dropRow](int r) { return r < dropRow; }));
    QVector<int> to;
    to.reserve(rows.size());
    for (int i = 0; i < rows.size(); ++i)
        to.append(dropRow - above + i);
    return to == rows ? QVector<int>() : to;
}

void insertRowsAt(QTableWidget &table, const QVector<int> &positions, const PlaylistRows &rows)
{
    for (int i = 0; i < positions.size() && i < rows.size(); ++i) {
        table.insertRow(positions.at(i));
        fillRow(table, positions.at(i), rows.at(i));
    }
}

void removeRowsAt(QTableWidget &table, const QVector<int> &positions)
{
    for (auto it = positions.crbegin(); it != positions.crend(); ++it)
        table.removeRow(*it);
}

void moveRows(QTableWidget &table, const QVector<int> &from, const QVector<int> &to)
{
    const int columns = table.columnCount();
    QVector<QVector<QTableWidgetItem *>> items;
    items.reserve(from.size());
    for (int r : from) {
        QVector<QTableWidgetItem *> row;
        for (int c = 0; c < columns; ++c)
            row.append(table.takeItem(r, c));
        items.append(row);
    }
    removeRowsAt(table, from);
    for (int i = 0; i < to.size(); ++i) {
        table.insertRow(to.at(i));
        for (int c = 0; c < columns; ++c)
            table.setItem(to.at(i), c, items.at(i).at(c));
    }
}

void setRowTiming(QTableWidget &table, int row, const QString &time, const QString &transition)
{
    setCellText(table, row, ColumnTime, time);
    setCellText(table, row, ColumnTransition, transition);
}

void splitDroppedFiles(const QList<QUrl> &urls, QStringList *media, QStringList *others,
                       QStringList *refused)
{
    for (const QUrl &url : urls) {
        // By name only: the disk is not the GUI thread's business.
        const QString path = url.isLocalFile() ? QDir::cleanPath(url.toLocalFile()) : QString();
        const int type = path.isEmpty() ? MediaOther : getMediaType(path);
        if (type == MediaImage || type == MediaVideo)
            media->append(path);
        else if (!path.isEmpty())
            others->append(path);
        else
            refused->append(url.toDisplayString());
    }
}
