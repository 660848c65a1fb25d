#include "playlist/tableundo.h"

#include "playlist/playlisttable.h"

#include <QTableWidget>

namespace {

PlaylistRows rowsAt(const QTableWidget &table, const QVector<int> &positions)
{
    const PlaylistRows all = tableRows(table);
    PlaylistRows rows;
    rows.reserve(positions.size());
    for (int r : positions)
        rows.append(all.value(r));
    return rows;
}

// After rows went away, the row that took the first one's place, so the next
// Delete goes on from there.
void selectAfterRemoval(QTableWidget &table, const QVector<int> &removed)
{
    const int next = qMin(removed.value(0), table.rowCount() - 1);
    selectRowIndexes(table, next < 0 ? QVector<int>() : QVector<int>{next});
}

} // namespace

InsertRowsCommand::InsertRowsCommand(QTableWidget *table, const QVector<int> &positions,
                                     const PlaylistRows &rows, const QString &text,
                                     bool selectFirstTime)
    : QUndoCommand(text), m_table(table), m_positions(positions), m_rows(rows),
      m_select(selectFirstTime)
{}

void InsertRowsCommand::redo()
{
    insertRowsAt(*m_table, m_positions, m_rows);
    if (m_select)
        selectRowIndexes(*m_table, m_positions);
    m_select = true;
}

void InsertRowsCommand::undo()
{
    removeRowsAt(*m_table, m_positions);
    selectAfterRemoval(*m_table, m_positions);
}

RemoveRowsCommand::RemoveRowsCommand(QTableWidget *table, const QVector<int> &positions,
                                     const QString &text)
    : QUndoCommand(text), m_table(table), m_positions(positions), m_rows(rowsAt(*table, positions))
{}

void RemoveRowsCommand::redo()
{
    removeRowsAt(*m_table, m_positions);
    selectAfterRemoval(*m_table, m_positions);
}

void RemoveRowsCommand::undo()
{
    insertRowsAt(*m_table, m_positions, m_rows);
    selectRowIndexes(*m_table, m_positions);
}

MoveRowsCommand::MoveRowsCommand(QTableWidget *table, const QVector<int> &from,
                                 const QVector<int> &to, const QString &text)
    : QUndoCommand(text), m_table(table), m_from(from), m_to(to)
{}

void MoveRowsCommand::redo()
{
    // The current row stays current where it lands, so the key can be pressed again.
    const int current = m_from.indexOf(m_table->currentRow());
    moveRows(*m_table, m_from, m_to);
    selectRowIndexes(*m_table, m_to, current < 0 ? -1 : m_to.at(current));
}

void MoveRowsCommand::undo()
{
    const int current = m_to.indexOf(m_table->currentRow());
    moveRows(*m_table, m_to, m_from);
    selectRowIndexes(*m_table, m_from, current < 0 ? -1 : m_from.at(current));
}

SetTimingCommand::SetTimingCommand(QTableWidget *table, const QVector<int> &rows,
                                   const QString &time, const QString &transition,
                                   const QString &text)
    : QUndoCommand(text), m_table(table), m_rows(rows), m_before(rowsAt(*table, rows)),
      m_time(time), m_transition(transition)
{}

void SetTimingCommand::redo()
{
    for (int r : qAsConst(m_rows))
        setRowTiming(*m_table, r, m_time, m_transition);
}

void SetTimingCommand::undo()
{
    for (int i = 0; i < m_rows.size(); ++i)
        setRowTiming(*m_table, m_rows.at(i), m_before.at(i).time, m_before.at(i).transition);
}

ReplaceRowsCommand::ReplaceRowsCommand(QTableWidget *table, const QVector<int> &rows,
                                       const PlaylistRows &after, const QString &text)
    : QUndoCommand(text), m_table(table), m_rows(rows), m_before(rowsAt(*table, rows)),
      m_after(after)
{}

void ReplaceRowsCommand::redo()
{
    apply(m_after);
}

void ReplaceRowsCommand::undo()
{
    apply(m_before);
}

void ReplaceRowsCommand::apply(const PlaylistRows &contents)
{
    for (int i = 0; i < m_rows.size(); ++i) {
        const int r = m_rows.at(i);
        setRowTiming(*m_table, r, contents.at(i).time, contents.at(i).transition);
        if (QTableWidgetItem *file = m_table->item(r, ColumnFile))
            file->setText(contents.at(i).file);
        else
            m_table->setItem(r, ColumnFile, new QTableWidgetItem(contents.at(i).file));
    }
    selectRowIndexes(*m_table, m_rows);
}
