#include "document/playlistdocument.h"

#include "playlist/mediatype.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <iterator>

namespace {

// The player's numbering; the order is the code.
const char *const transitionNames[] = {"None",     "Slide left", "Slide right", "Slide down",
                                       "Slide up", "Fade",       "Zoom",        "Bounce"};

QString decimal(int value)
{
    return QString::number(value);
}

QJsonObject galleryEntry(const PlaylistRow &row, int position, const QString &timestamp,
                         const QSet<QString> &keptNames)
{
    return {
        {QStringLiteral("create_time"), timestamp},
        {QStringLiteral("filename"),
         keptNames.contains(row.file) ? row.file : storedName(row.file)},
        {QStringLiteral("filesize"), QStringLiteral("0")},
        {QStringLiteral("id"), decimal(position)},
        {QStringLiteral("md5"), QStringLiteral("0")},
        {QStringLiteral("thumbnail"), QStringLiteral("video_not_found.jpg")},
        {QStringLiteral("time"), row.time},
        {QStringLiteral("type"), decimal(getMediaType(row.file))},
        {QStringLiteral("update_time"), timestamp},
        {QStringLiteral("user_id"), QStringLiteral("1")},
    };
}

QJsonObject mediaEntry(const PlaylistRow &row, int position, const QString &timestamp)
{
    const QString never = QStringLiteral("0000-00-00 00:00:00");
    const QString midnight = QStringLiteral("00:00:00");
    // A video plays for its own length; the player wants a zero time for it.
    const QString playtime = row.isVideo() ? midnight : row.time;
    return {
        {QStringLiteral("create_time"), timestamp},
        {QStringLiteral("end_date_time"), never},
        {QStringLiteral("end_date_time_enabled"), QStringLiteral("0")},
        {QStringLiteral("gallery_id"), decimal(position)},
        {QStringLiteral("id"), decimal(position)},
        {QStringLiteral("item"), position},
        {QStringLiteral("log_identity_id"), QStringLiteral("1")},
        {QStringLiteral("play_at_end"), midnight},
        {QStringLiteral("play_at_start"), midnight},
        {QStringLiteral("play_at_time_window"), QStringLiteral("0")},
        {QStringLiteral("playlist_id"), QStringLiteral("1")},
        {QStringLiteral("playtime"), playtime},
        {QStringLiteral("shortcut_url"), QString()},
        {QStringLiteral("start_date_time"), never},
        {QStringLiteral("start_date_time_enabled"), QStringLiteral("0")},
        {QStringLiteral("transition"), decimal(transitionCode(row.transition))},
        {QStringLiteral("type"), QStringLiteral("0")},
        {QStringLiteral("update_time"), timestamp},
    };
}

} // namespace

int transitionCode(const QString &name)
{
    for (int code = 0; code < int(std::size(transitionNames)); ++code) {
        if (name == QLatin1String(transitionNames[code]))
            return code;
    }
    return -1;
}

QJsonObject buildPlaylistDocument(const PlaylistRows &rows, const QString &mediaDir,
                                  const QDateTime &buildTime, const QSet<QString> &keptNames)
{
    const QString timestamp = buildTime.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));

    QJsonArray gallery;
    QJsonArray media;
    for (int r = 0; r < rows.size(); ++r) {
        // Ids are positions, renumbered at every build.
        gallery.append(galleryEntry(rows.at(r), r + 1, timestamp, keptNames));
        media.append(mediaEntry(rows.at(r), r + 1, timestamp));
    }

    return {
        {QStringLiteral("create_time"), timestamp},
        {QStringLiteral("gallery"), gallery},
        {QStringLiteral("id"), QStringLiteral("1")},
        {QStringLiteral("media"), media},
        {QStringLiteral("media_dir"), mediaDir},
        {QStringLiteral("name"), QStringLiteral("OfflinePlaylist")},
        {QStringLiteral("update_time"), timestamp},
    };
}

QByteArray renderPlaylistDocument(const QJsonObject &root)
{
    // The indented writer already gives the player's layout: keys sorted, four
    // spaces per level, "\n" line ends, UTF-8 with only '"', '\\' and the
    // control characters escaped. The tests hold it to that byte for byte.
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QStringList galleryStoredNames(const QJsonObject &root)
{
    const QJsonArray gallery = root.value(QLatin1String("gallery")).toArray();
    QStringList names;
    names.reserve(gallery.size());
    for (const QJsonValue &entry : gallery)
        names.append(entry.toObject().value(QLatin1String("filename")).toString());
    return names;
}

PlaylistRows rowsFromDocument(const QJsonObject &root, const QString &transition)
{
    const QStringList files = galleryStoredNames(root);
    const QJsonArray media = root.value(QLatin1String("media")).toArray();
    PlaylistRows rows;
    rows.reserve(files.size());
    for (int k = 0; k < files.size(); ++k) {
        const QString &file = files.at(k);
        // Out of range reads as undefined, hence as empty text.
        const QString time =
            getMediaType(file) == MediaVideo
                ? videoTimeText()
                : media.at(k).toObject().value(QLatin1String("playtime")).toString();
        rows.append({time, file, transition});
    }
    return rows;
}
