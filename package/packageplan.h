#pragma once

#include "playlist/playlistrow.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QVector>

// What a save must put into a package and take out of it. A row and a
// gallery entry match when the row's file text equals the stored name.

// Stored names of the gallery entries that no row matches, in gallery order.
QStringList unmatchedStoredNames(const QJsonObject &document, const PlaylistRows &rows);

// File texts of the rows that match no gallery entry, in row order.
QStringList unmatchedRowFiles(const QJsonObject &document, const PlaylistRows &rows);

// Each distinct file text once, in order of first appearance.
QStringList distinctFiles(const QStringList &files);

// Two different files that would land on the same entry name, letter case
// aside (nameClashKey).
struct NameClash
{
    QString first;
    QString second;

    friend bool operator==(const NameClash &a, const NameClash &b)
    {
        return a.first == b.first && a.second == b.second;
    }
};

// Pairs of distinct paths whose bare names clash, each later path paired
// with the first path of its name.
QVector<NameClash> findNameClashes(const QStringList &paths);

// Stored names that an addition would overwrite while rows that stay still
// play them: replacing such an entry changes what those rows show.
QStringList storedNamesReplacedInUse(const QJsonObject &document, const PlaylistRows &rows);

// The rows after the user agreed to replace stored entries: rows that played
// a replaced stored name play the added file of that name instead.
PlaylistRows rowsWithReplacements(const QJsonObject &document, const PlaylistRows &rows);
