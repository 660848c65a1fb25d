#include "archive/zipthread.h"

#include "app/logging.h"
#include "archive/packagearchive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool ZipThread::removeDir(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    // A link is removed as a link: what it points to is never ours to delete.
    if (info.isSymLink() || !info.isDir())
        return QFile::remove(path);
    const QFileInfoList entries = QDir(path).entryInfoList(
        QDir::NoDotAndDotDot | QDir::System | QDir::Hidden | QDir::AllDirs | QDir::Files,
        QDir::DirsFirst);
    for (const QFileInfo &entry : entries) {
        const QString entryPath = entry.absoluteFilePath();
        const bool removed =
            entry.isDir() && !entry.isSymLink() ? removeDir(entryPath) : QFile::remove(entryPath);
        if (!removed) {
            qCWarning(lcMerovi) << "Cannot remove" << entryPath;
            return false;
        }
    }
    return QDir().rmdir(path);
}

void ZipThread::doWork(const QString &filename, const QString &zipfilename)
{
    PackageArchive package(zipfilename);
    const bool packed =
        package.packDirectory(filename, [this](int percent) { emit progress(percent); });
    // The staged folder is a private copy: it goes whatever the outcome.
    if (!removeDir(filename))
        qCWarning(lcMerovi) << "Cannot remove the staged folder" << filename;
    emit resultReady(packed ? QString() : package.errorString());
}

void ZipThread::updateFiles(const QStringList &deletions, const QStringList &additions,
                            const QString &zipfilename)
{
    PackageArchive package(zipfilename);
    const bool updated =
        package.update(deletions, additions, [this](int percent) { emit progress(percent); });
    emit filesUpdated(updated ? QString() : package.errorString());
}
