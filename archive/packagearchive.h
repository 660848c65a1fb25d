#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

using ArchiveProgress = std::function<void(int percent)>;

// A playlist package on disk: a flat zip archive. Every write replaces the
// package atomically and durably, or leaves it byte-identical.
class PackageArchive
{
public:
    // Larger documents are refused: memory is never sized from what an archive declares.
    static constexpr qint64 maxDocumentSize = 16 * 1024 * 1024;

    explicit PackageArchive(const QString &packagePath);

    // Reads the entry "json.txt" into memory; nothing is extracted to disk.
    [[nodiscard]] bool readDocument(QByteArray *document);

    // Writes a new package holding every regular file under dir (subfolders
    // included, links followed), flat, each under its bare name.
    [[nodiscard]] bool packDirectory(const QString &dir, const ArchiveProgress &progress = {});

    // One transaction: removes the entries that deletions name ("/clip.mp4"
    // names "clip.mp4"), then adds each file of additions under its bare name,
    // replacing an entry of that name.
    [[nodiscard]] bool update(const QStringList &deletions, const QStringList &additions,
                              const ArchiveProgress &progress = {});

    QString errorString() const { return m_error; }

private:
    struct Target;
    bool resolveTarget(Target *target, bool mustExist, bool forWriting);
    bool setReadError(const QString &cause);
    bool setSaveError(const QString &cause);

    QString m_path;
    QString m_error;
};
