#pragma once

#include "playlist/playlistrow.h"

#include <QUndoCommand>
#include <QVector>

class QTableWidget;

// The table's edits as undo steps. Pushing one onto a QUndoStack makes the
// change; each step selects the rows it touched, so undo shows what came back.

// Inserts rows at ascending positions; undo takes them out again.
class InsertRowsCommand : public QUndoCommand
{
public:
    // With selectFirstTime false the first redo leaves the selection alone,
    // as Add Files always has.
    InsertRowsCommand(QTableWidget *table, const QVector<int> &positions, const PlaylistRows &rows,
                      const QString &text, bool selectFirstTime);
    void redo() override;
    void undo() override;

private:
    QTableWidget *m_table;
    QVector<int> m_positions;
    PlaylistRows m_rows;
    bool m_select;
};

// Removes rows at ascending positions; undo puts them back in place.
class RemoveRowsCommand : public QUndoCommand
{
public:
    RemoveRowsCommand(QTableWidget *table, const QVector<int> &positions, const QString &text);
    void redo() override;
    void undo() override;

private:
    QTableWidget *m_table;
    QVector<int> m_positions;
    PlaylistRows m_rows;
};

// Moves rows from ascending positions to ascending positions, pairwise.
class MoveRowsCommand : public QUndoCommand
{
public:
    MoveRowsCommand(QTableWidget *table, const QVector<int> &from, const QVector<int> &to,
                    const QString &text);
    void redo() override;
    void undo() override;

private:
    QTableWidget *m_table;
    QVector<int> m_from;
    QVector<int> m_to;
};

// Gives rows one time and transition; undo restores each row's own.
class SetTimingCommand : public QUndoCommand
{
public:
    SetTimingCommand(QTableWidget *table, const QVector<int> &rows, const QString &time,
                     const QString &transition, const QString &text);
    void redo() override;
    void undo() override;

private:
    QTableWidget *m_table;
    QVector<int> m_rows;
    PlaylistRows m_before;
    QString m_time;
    QString m_transition;
};

// Gives rows new contents (times, files) in one step; undo restores each row's own.
class ReplaceRowsCommand : public QUndoCommand
{
public:
    ReplaceRowsCommand(QTableWidget *table, const QVector<int> &rows, const PlaylistRows &after,
                       const QString &text);
    void redo() override;
    void undo() override;

private:
    void apply(const PlaylistRows &contents);

    QTableWidget *m_table;
    QVector<int> m_rows;
    PlaylistRows m_before;
    PlaylistRows m_after;
};
