#pragma once

#include "playlist/playlistrow.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QVector>

// What a save must put into a package and take out of it. A row and a
// gallery entry match when the row's file text equals the stored name.

// The "filename" of every gallery entry, in order; a missing or non-string
// value reads as empty text, a missing or non-array "gallery" as no entries.
QStringList galleryStoredNames(const QJsonObject &document);

// Stored names of the gallery entries that no row matches, in gallery order.
QStringList unmatchedStoredNames(const QJsonObject &document, const PlaylistRows &rows);

// File texts of the rows that match no gallery entry, in row order.
QStringList unmatchedRowFiles(const QJsonObject &document, const PlaylistRows &rows);

// Each distinct file text once, in order of first appearance.
QStringList distinctFiles(const QStringList &files);

// Two different files that would land on the same entry name.
struct NameClash
{
    QString first;
    QString second;

    friend bool operator==(const NameClash &a, const NameClash &b)
    {
        return a.first == b.first && a.second == b.second;
    }
};

// Pairs of distinct paths whose bare names are equal, each later path paired
// with the first path of its name.
QVector<NameClash> findNameClashes(const QStringList &paths);

// The entry name the document takes; no media file may use it.
QString documentEntryName();

// Paths whose bare name is the document's entry name.
QStringList reservedNameUsers(const QStringList &paths);

// Stored names that an addition would overwrite while rows that stay still
// play them: replacing such an entry changes what those rows show.
QStringList storedNamesReplacedInUse(const QJsonObject &document, const PlaylistRows &rows);
