#pragma once

#include <QSettings>

// The program's own preferences (filters, recent packages, the screen profile),
// apart from settings.xml, whose bytes other tools read. The window and mrv
// share them, whatever each calls itself.
inline QSettings preferences()
{
    return QSettings(QStringLiteral("merovi"), QStringLiteral("playlist-builder"));
}
