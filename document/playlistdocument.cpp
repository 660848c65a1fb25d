#include "document/playlistdocument.h"

#include <QJsonDocument>

int transitionCode(const QString &)
{
    return -1;
}

QString storedName(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')));
}

QJsonObject buildPlaylistDocument(const PlaylistRows &, const QString &, const QDateTime &)
{
    return {};
}

QByteArray renderPlaylistDocument(const QJsonObject &root)
{
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
