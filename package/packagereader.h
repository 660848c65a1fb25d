#pragma once

#include "playlist/playlistrow.h"

#include <QJsonObject>
#include <QString>

// Reads the playlist document of a package. On failure, error holds one
// sentence for the user naming the file and the cause, and root is untouched.
[[nodiscard]] bool readPackageDocument(const QString &packagePath, QJsonObject *root,
                                       QString *error);

// The table rows a document describes: one per gallery entry, with the
// stored name, "NA" for a video or the playing time of the media entry at
// the same position. The document's own transitions are not read back.
PlaylistRows rowsFromDocument(const QJsonObject &root, const QString &transition);
