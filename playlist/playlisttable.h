#pragma once

#include "playlist/playlistrow.h"

class QTableWidget;

// A missing cell reads as empty text.
PlaylistRows tableRows(const QTableWidget &table);
void appendRow(QTableWidget &table, const PlaylistRow &row);
