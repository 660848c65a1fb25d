#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Writes bytes to path in binary mode through QSaveFile: the player expects
// line feeds only, on every platform.
[[nodiscard]] bool writeDocumentFile(const QString &path, const QByteArray &bytes, QString *error);

// Fills the empty folder dir with what a new package holds: json.txt with
// documentBytes, and a symbolic link per media file, named by its bare name.
// Links keep the media bytes off the GUI thread; the packer reads through
// them. The paths must have distinct bare names other than "json.txt".
[[nodiscard]] bool stageNewPackage(const QString &dir, const QByteArray &documentBytes,
                                   const QStringList &mediaPaths, QString *error);
