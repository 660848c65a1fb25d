#pragma once

#include "playlist/playlistrow.h"

#include <QDateTime>
#include <QHash>
#include <QMutex>
#include <QString>

#include <memory>

class QLockFile;

// The playlist being edited, kept aside in the user's state folder a few
// seconds after each change, so a crash or a power cut loses none of it.
struct UnsavedPlaylist
{
    PlaylistRows rows;
    QString package;                 // the open package; empty for a new playlist
    QHash<QString, QString> sources; // converted copy -> the file it was made from
    QDateTime keptAt;
};

QByteArray unsavedPlaylistBytes(const UnsavedPlaylist &playlist);
// False, with error, for bytes that do not hold a whole kept playlist.
[[nodiscard]] bool readUnsavedPlaylist(const QByteArray &bytes, UnsavedPlaylist *playlist,
                                       QString *error);

// Where kept playlists go: $XDG_STATE_HOME/merovi/unsaved (~/.local/state by
// default), never beside a package, which may be on a stick.
QString unsavedPlaylistFolder();

// One window's kept playlist: <id>.json in folder, with <id>.lock held while
// the window lives, so a playlist whose lock no live program holds was left
// by a crash. Thread-safe: written by jobs, discarded by the window.
class UnsavedPlaylistStore
{
public:
    explicit UnsavedPlaylistStore(const QString &folder);
    ~UnsavedPlaylistStore();

    // Counts discards: a write asked for before the last discard is dropped.
    int generation() const;
    // Writes playlist atomically (blocking) unless discarded since generation.
    [[nodiscard]] bool write(const UnsavedPlaylist &playlist, int generation, QString *error);
    // Removes the kept playlist, if any; it no longer needs bringing back.
    void discard();

private:
    mutable QMutex m_mutex;
    QString m_folder;
    QString m_id;
    int m_generation = 0;
    bool m_written = false;
    std::unique_ptr<QLockFile> m_lock;
};

// A playlist another run of the program left behind, with that run's lock
// now held, so no other window offers it at the same time.
struct LeftPlaylist
{
    QString path;
    UnsavedPlaylist playlist;
    std::shared_ptr<QLockFile> lock;

    bool isValid() const { return !path.isEmpty(); }
};

// The newest playlist in folder whose program ended without removing it
// (blocking). Playlists that cannot be read are kept and passed over.
LeftPlaylist findLeftPlaylist(const QString &folder);
// Removes what was left (brought back or declined) and releases its lock.
void removeLeftPlaylist(const LeftPlaylist &left);
