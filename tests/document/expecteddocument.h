#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QDateTime>

// Every expected text below is typed from the document rules: members in key
// order, four spaces per level, only '"', '\\' and control characters escaped.
// The <...> markers are filled per case.
namespace expected {

inline const QDateTime buildTime(QDate(2024, 3, 5), QTime(17, 8, 9));

inline QByteArray galleryEntry(const QByteArray &filename, const QByteArray &id,
                               const QByteArray &time, const QByteArray &type)
{
    return QByteArray("        {\n"
                      "            \"create_time\": \"2024-03-05 17:08:09\",\n"
                      "            \"filename\": \"<filename>\",\n"
                      "            \"filesize\": \"0\",\n"
                      "            \"id\": \"<id>\",\n"
                      "            \"md5\": \"0\",\n"
                      "            \"thumbnail\": \"video_not_found.jpg\",\n"
                      "            \"time\": \"<time>\",\n"
                      "            \"type\": \"<type>\",\n"
                      "            \"update_time\": \"2024-03-05 17:08:09\",\n"
                      "            \"user_id\": \"1\"\n"
                      "        }")
        .replace("<id>", id)
        .replace("<time>", time)
        .replace("<type>", type)
        .replace("<filename>", filename);
}

inline QByteArray mediaEntry(const QByteArray &id, const QByteArray &playtime,
                             const QByteArray &transition)
{
    return QByteArray("        {\n"
                      "            \"create_time\": \"2024-03-05 17:08:09\",\n"
                      "            \"end_date_time\": \"0000-00-00 00:00:00\",\n"
                      "            \"end_date_time_enabled\": \"0\",\n"
                      "            \"gallery_id\": \"<id>\",\n"
                      "            \"id\": \"<id>\",\n"
                      "            \"item\": <id>,\n"
                      "            \"log_identity_id\": \"1\",\n"
                      "            \"play_at_end\": \"00:00:00\",\n"
                      "            \"play_at_start\": \"00:00:00\",\n"
                      "            \"play_at_time_window\": \"0\",\n"
                      "            \"playlist_id\": \"1\",\n"
                      "            \"playtime\": \"<playtime>\",\n"
                      "            \"shortcut_url\": \"\",\n"
                      "            \"start_date_time\": \"0000-00-00 00:00:00\",\n"
                      "            \"start_date_time_enabled\": \"0\",\n"
                      "            \"transition\": \"<transition>\",\n"
                      "            \"type\": \"0\",\n"
                      "            \"update_time\": \"2024-03-05 17:08:09\"\n"
                      "        }")
        .replace("<id>", id)
        .replace("<playtime>", playtime)
        .replace("<transition>", transition);
}

// A non-empty playlist; the empty one is spelled out where it is tested.
inline QByteArray document(const QByteArrayList &gallery, const QByteArrayList &media,
                           const QByteArray &mediaDir)
{
    return QByteArray("{\n"
                      "    \"create_time\": \"2024-03-05 17:08:09\",\n"
                      "    \"gallery\": [\n"
                      "<gallery>\n"
                      "    ],\n"
                      "    \"id\": \"1\",\n"
                      "    \"media\": [\n"
                      "<media>\n"
                      "    ],\n"
                      "    \"media_dir\": \"<media_dir>\",\n"
                      "    \"name\": \"OfflinePlaylist\",\n"
                      "    \"update_time\": \"2024-03-05 17:08:09\"\n"
                      "}\n")
        .replace("<media_dir>", mediaDir)
        .replace("<gallery>", gallery.join(",\n"))
        .replace("<media>", media.join(",\n"));
}

} // namespace expected
