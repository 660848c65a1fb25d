#pragma once

#include <QHash>
#include <QString>

class QTableWidget;

// Makes the playlist table readable at any width: the File column takes the
// free width and shows each file's own name, shortened in the middle so the
// extension stays; the Time column keeps room for the time and a warning mark;
// an empty table says how to fill it.
void setupPlaylistView(QTableWidget *table);

// The text the File column shows for a row's file text: a path's own name,
// and the same for a stored name ("/clip.mp4" shows as "clip.mp4").
QString shownFileName(const QString &file);

// Remembers that the copy converted was made from source: its row shows the
// copy's name (the name it is stored under) and the source's, and the
// source's full path in the tooltip.
void noteConvertedSource(QTableWidget *table, const QString &converted, const QString &source);
// Every converted copy the table knows of -> the file it was made from.
QHash<QString, QString> convertedSources(const QTableWidget &table);
// The text the File column shows for row.
QString shownFileText(const QTableWidget &table, int row);
