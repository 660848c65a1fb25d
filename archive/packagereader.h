#pragma once

#include "archive/packagelayout.h"
#include "archive/packagetypes.h"
#include "jobs/jobcontrol.h"

#include <QHash>
#include <QIODevice>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>

namespace Platform {
class File;
}

// The one way into a package for reading: open() checks its layout first,
// then every entry of the pass is read through that one open file, in place,
// never extracted. Entries come as devices: stored ones seek directly,
// deflated ones read forwards. The reader and its devices may be used from
// several threads at once; devices keep the file open after the reader goes.
class PackageReader
{
public:
    // Where the bytes come from: the page cache, or the drive itself (the
    // file's cached pages dropped at open), to see what a stick really holds.
    enum class Source { Cache, Drive };
    explicit PackageReader(const QString &path, Source source = Source::Cache);
    ~PackageReader();
    PackageReader(const PackageReader &) = delete;
    PackageReader &operator=(const PackageReader &) = delete;

    [[nodiscard]] bool open();
    QString errorString() const { return m_error; }
    // The last failure's cause alone, without the package's name.
    QString failureCause() const { return m_cause; }
    // The system's error when reading the file failed; 0 when its bytes were wrong.
    int systemError() const;
    // What open() found of an interrupted update and did about it, or empty.
    QString recoveryNote() const { return m_recovery; }
    QString path() const { return m_path; }
    // Of the file as opened: to notice later whether another program replaced it.
    PackageIdentity identity() const { return m_identity; }
    // Whether the path still names the file opened, unchanged since.
    bool isCurrent() const;

    // In archive order.
    QStringList entryNames() const;
    const QVector<LayoutEntry> &entries() const { return m_entries; }
    bool contains(const QString &name) const { return m_index.contains(name); }
    // -1 when there is no such entry.
    qint64 entrySize(const QString &name) const;
    bool isStored(const QString &name) const;

    // A device reading the entry, opened; null with *error when there is no such entry.
    std::unique_ptr<QIODevice> entryDevice(const QString &name, QString *error) const;
    // The whole entry, refused when it declares or inflates to more than
    // maxSize (then *tooLarge is set); its size and checksum checked.
    [[nodiscard]] bool readEntry(const QString &name, qint64 maxSize, QByteArray *bytes,
                                 bool *tooLarge = nullptr);
    // Reads every entry but those named in skip to its end and checks its
    // checksum and size. A damaged entry names itself; control reports bytes
    // (with step) and may cancel.
    [[nodiscard]] bool verify(JobControl *control = nullptr, JobStep step = JobStep::None,
                              const QSet<QByteArray> &skip = {});
    // The bytes the last verify() that ran to its end read.
    qint64 bytesVerified() const { return m_verified; }

private:
    bool fail(const QString &cause);
    // Reads entry to its end, handing each chunk to take (false: stop, take
    // has failed), then checks its size and checksum. limit as for a device.
    bool readThrough(const LayoutEntry &entry, qint64 limit,
                     const std::function<bool(const char *, qint64)> &take);

    QString m_path;
    Source m_source;
    int m_openError = 0;
    std::shared_ptr<Platform::File> m_file;
    QVector<LayoutEntry> m_entries;
    QHash<QString, int> m_index;
    QString m_error;
    QString m_cause;
    QString m_recovery;
    // Of the file when opened: an update in place keeps the descriptor's
    // file, so only this tells that the layout read is out of date.
    PackageIdentity m_identity;
    qint64 m_verified = 0;
};
