#pragma once

#include "document/storednames.h"
#include "playlist/playlistrow.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QSet>
#include <QString>
#include <QStringList>

// The playlist document ("json.txt") that the player reads. Its keys, constant
// values and byte layout are what the player relies on.

// Transition code: position in the fixed list of names, -1 for any other name.
int transitionCode(const QString &name);

// Builds the root object from the rows; every timestamp is buildTime. A row
// whose file is one of keptNames plays an entry already in the package: its
// name is written as stored, since renaming it would orphan that entry.
QJsonObject buildPlaylistDocument(const PlaylistRows &rows, const QString &mediaDir,
                                  const QDateTime &buildTime, const QSet<QString> &keptNames = {});

// The exact bytes of json.txt: indented JSON, UTF-8, line feeds only, ending in "}\n".
QByteArray renderPlaylistDocument(const QJsonObject &root);

// Reading a document back. Anything a package holds is untrusted: a missing
// or mistyped value reads as empty, never as a failure.

// The "filename" of every gallery entry, in order; a missing or non-string
// value reads as empty text, a missing or non-array "gallery" as no entries.
QStringList galleryStoredNames(const QJsonObject &root);

// The rows the document plays, each with transition: a video's time is
// videoTimeText(), any other's the "playtime" of the media entry at its
// position (empty when there is none).
PlaylistRows rowsFromDocument(const QJsonObject &root, const QString &transition);
