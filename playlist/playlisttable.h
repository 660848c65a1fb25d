#pragma once

#include "playlist/playlistrow.h"

#include <QList>
#include <QStringList>
#include <QUrl>
#include <QVector>

class QTableWidget;

// The playlist table's three columns.
enum PlaylistColumn : int { ColumnTime = 0, ColumnFile = 1, ColumnTransition = 2 };

// A missing cell reads as empty text.
PlaylistRows tableRows(const QTableWidget &table);
void appendRow(QTableWidget &table, const PlaylistRow &row);
// Replaces every row in one pass: a package of thousands of rows fills at once.
void setTableRows(QTableWidget &table, const PlaylistRows &rows);

// The rows the editing commands act on: every selected row, ascending. An
// unselected current row is not among them.
QVector<int> selectedRowIndexes(const QTableWidget &table);
// Selects exactly rows and makes current the row current (-1: the first of rows).
void selectRowIndexes(QTableWidget &table, const QVector<int> &rows, int current = -1);

// Where the ascending rows land when they move offset places as a block;
// empty when the block already touches that end of a table of rowCount rows.
QVector<int> shiftedRows(const QVector<int> &rows, int offset, int rowCount);
// Where the ascending rows land when dragged in front of row dropRow (rowCount:
// to the end): side by side, in their old order; empty when nothing would move.
QVector<int> droppedRows(const QVector<int> &rows, int dropRow);

// The building blocks of the undoable commands. Positions are ascending; a
// position given to insertRowsAt is the row's index once all are inserted.
void insertRowsAt(QTableWidget &table, const QVector<int> &positions, const PlaylistRows &rows);
void removeRowsAt(QTableWidget &table, const QVector<int> &positions);
// Moves the rows at from to to, pairwise in order; the items travel with
// whatever they carry besides their text.
void moveRows(QTableWidget &table, const QVector<int> &from, const QVector<int> &to);
void setRowTiming(QTableWidget &table, int row, const QString &time, const QString &transition);

// Splits dropped URLs into media files the playlist takes, other local paths
// (to be looked into: they may convert) and the names of non-local URLs, each
// in drop order.
void splitDroppedFiles(const QList<QUrl> &urls, QStringList *media, QStringList *others,
                       QStringList *refused);
