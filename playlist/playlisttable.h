#pragma once

#include "playlist/playlistrow.h"

#include <QStringList>

class QTableWidget;

// The playlist table's three columns.
enum PlaylistColumn : int { ColumnTime = 0, ColumnFile = 1, ColumnTransition = 2 };

// A missing cell reads as empty text.
PlaylistRows tableRows(const QTableWidget &table);
void appendRow(QTableWidget &table, const PlaylistRow &row);
// Replaces every row in one pass: a package of thousands of rows fills at once.
void setTableRows(QTableWidget &table, const PlaylistRows &rows);

// Appends one row per path, in the given order.
void appendFiles(QTableWidget &table, const QStringList &paths, const QString &imageTime,
                 const QString &transition);

// The editing commands work on the current row and return whether they changed
// the table. A moved row becomes the selected and current row.
bool moveCurrentRowUp(QTableWidget &table);
bool moveCurrentRowDown(QTableWidget &table);
// Leaves a video row alone: its time is the clip's own.
bool applyToCurrentRow(QTableWidget &table, const QString &imageTime, const QString &transition);
// Removes only the current row, and only while something is selected.
bool removeCurrentRow(QTableWidget &table);
