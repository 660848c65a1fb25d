#pragma once

#include "playlist/playlistrow.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QSet>
#include <QString>

// The playlist document ("json.txt") that the player reads. Its keys, constant
// values and byte layout are what the player relies on.

// Transition code: position in the fixed list of names, -1 for any other name.
int transitionCode(const QString &name);

// "/clip.mp4" for ".../clip.mp4": the path from its last "/"; a path without "/" whole.
QString storedName(const QString &path);

// Builds the root object from the rows; every timestamp is buildTime. A row
// whose file is one of keptNames plays an entry already in the package: its
// name is written as stored, since renaming it would orphan that entry.
QJsonObject buildPlaylistDocument(const PlaylistRows &rows, const QString &mediaDir,
                                  const QDateTime &buildTime, const QSet<QString> &keptNames = {});

// The exact bytes of json.txt: indented JSON, UTF-8, line feeds only, ending in "}\n".
QByteArray renderPlaylistDocument(const QJsonObject &root);
