#pragma once

#include "media/mediaprobe.h"
#include "settings/screenprofile.h"

#include <QHash>
#include <QIcon>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QVector>

class MediaService;
class QFileSystemWatcher;
class QLabel;
class QTableWidget;
class QTimer;

// Shows what the media probe finds out in the playlist table: a thumbnail in
// the File column, the details in its tooltip, a warning mark on rows the
// player may not play, and the total running time in a label. It follows
// every change of the table by itself; probing runs off the GUI thread.
class TableMedia : public QObject
{
    Q_OBJECT

public:
    TableMedia(QTableWidget *table, QLabel *total, QObject *parent = nullptr);

    // Rows whose file text is one of storedNames play that entry of the
    // package at packagePath; an empty path: no package is open.
    void setPackage(const QString &packagePath, const QStringList &storedNames);

    // Why rows may not play, one line each ("file: reason"), as far as known
    // yet. Files missing from the disk are left out: a save refuses them anyway.
    QStringList problems() const;
    bool isProbing() const;
    // The length of the video in row as far as known yet; -1 when unknown.
    qint64 videoLengthMs(int row) const;

    // The screen and player the rows are measured against: rows that exceed
    // it get a milder mark than those that may not play.
    void setProfile(const ScreenProfile &profile);
    const ScreenProfile &profile() const { return m_profile; }
    // The files on disk the profile finds too large or too rich, each once,
    // in row order, with what the probe found and why ("4K HEVC: …").
    struct Exceeding
    {
        QString file;
        QString why;
        MediaInfo info;
    };
    QVector<Exceeding> exceeding() const;

    // Looks at every row's file again, off the GUI thread: a file deleted,
    // replaced or changed gets its mark and fresh details. Done by itself when
    // a watched folder changes and when the program becomes active again.
    void recheck();
    // Selects the rows that play one of these files (as the rows name
    // them); their count.
    int selectRowsOf(const QStringList &files);

private:
    MediaSource sourceOf(const QString &file) const;
    void scheduleRefresh();
    void refresh();
    void watchFolders();
    void folderChanged(const QString &folder);
    void recheckChangedFolders();
    void applyRow(int row);
    void updateTotal();
    void probed(const QString &key, const MediaInfo &info);
    void thumbnailReady(const QString &key, const QImage &image);
    QString rowProblem(int row) const;
    QString rowFitText(int row) const;

    QTableWidget *m_table;
    QLabel *m_total;
    MediaService *m_service;
    QTimer *m_refreshTimer;
    QTimer *m_totalTimer;
    QFileSystemWatcher *m_watcher;
    QTimer *m_recheckTimer;
    // The sources of the rows by key, and the keys of each watched folder.
    QHash<QString, MediaSource> m_sources;
    QHash<QString, QSet<QString>> m_keysOfFolder;
    QSet<QString> m_changedFolders;
    QString m_package;
    QSet<QString> m_storedNames;
    QHash<QString, MediaInfo> m_infos;
    QHash<QString, QIcon> m_thumbnails;
    QHash<QString, qint64> m_thumbnailImages; // cacheKey of the image each was made from
    QIcon m_warningIcon;
    QIcon m_fitIcon;
    ScreenProfile m_profile;
    QSet<QString> m_requested;
    // Keys of the rows as of the last refresh, and the rows of each key.
    QVector<QString> m_rowKeys;
    QHash<QString, QVector<int>> m_rowsOfKey;
    bool m_applying = false;
};
