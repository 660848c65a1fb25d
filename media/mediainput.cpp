#include "media/mediainput.h"
#include "archive/text.h"

#include "archive/packagereader.h"
#include "media/mediaexamine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

#include <vector>

namespace {

// The packages read lately, shared by every probe: a pass over a package's
// entries opens and checks it once, not once per entry.
class ReaderCache
{
public:
    std::shared_ptr<PackageReader> get(const QString &package, QString *error)
    {
        QMutexLocker locker(&m_mutex);
        for (auto it = m_readers.begin(); it != m_readers.end(); ++it) {
            if ((*it)->path() != package)
                continue;
            std::shared_ptr<PackageReader> reader = *it;
            m_readers.erase(it);
            if (!reader->isCurrent())
                break;
            m_readers.insert(m_readers.begin(), reader);
            return reader;
        }
        auto reader = std::make_shared<PackageReader>(package);
        if (!reader->open()) {
            *error = reader->errorString();
            return nullptr;
        }
        m_readers.insert(m_readers.begin(), reader);
        if (m_readers.size() > 4)
            m_readers.pop_back();
        return reader;
    }

    void clear()
    {
        QMutexLocker locker(&m_mutex);
        m_readers.clear();
    }

private:
    QMutex m_mutex;
    std::vector<std::shared_ptr<PackageReader>> m_readers;
};

ReaderCache &readers()
{
    static ReaderCache cache;
    return cache;
}

MediaInput failed(MediaInfo::Problem problem, const QString &text)
{
    MediaInput input;
    input.problem = problem;
    input.problemText = text;
    return input;
}

MediaInput openFile(const QString &path)
{
    auto file = std::make_unique<QFile>(path);
    if (!QFileInfo::exists(path)) {
        return failed(
            MediaInfo::Problem::Missing,
            MediaText::tr("The file %1 does not exist. Add it again from where it is now.")
                .arg(quoted(path)));
    }
    if (QFileInfo(path).isDir()) {
        return failed(MediaInfo::Problem::Unreadable,
                      MediaText::tr("%1 is a folder, not a file. Add the files in it instead.")
                          .arg(quoted(path)));
    }
    // Opening a FIFO or a device would wait for a writer that never comes.
    if (!QFileInfo(path).isFile()) {
        return failed(MediaInfo::Problem::Unreadable,
                      MediaText::tr("%1 is not a regular file. Add the media file itself.")
                          .arg(quoted(path)));
    }
    if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return failed(MediaInfo::Problem::Unreadable,
                      MediaText::tr("The file %1 cannot be read: %2. Check its permissions.")
                          .arg(quoted(path), file->errorString()));
    }
    MediaInput input;
    input.size = file->size();
    input.device = std::move(file);
    return input;
}

MediaInput openEntry(const QString &package, const QString &entry)
{
    const QString name = MediaSource::packageEntry(package, entry).displayName();
    if (!QFileInfo::exists(package)) {
        return failed(MediaInfo::Problem::Missing,
                      MediaText::tr("%1 cannot be read: the package does not exist any more. "
                                    "Open it again from where it is now.")
                          .arg(name));
    }
    QString error;
    const std::shared_ptr<PackageReader> reader = readers().get(package, &error);
    if (!reader)
        return failed(MediaInfo::Problem::Unreadable, error);
    if (!reader->contains(entry)) {
        return failed(MediaInfo::Problem::Missing,
                      MediaText::tr("The package %1 lacks the file %2 its playlist names. Add "
                                    "the file again, or remove its row.")
                          .arg(quoted(package), quoted(entry)));
    }
    std::unique_ptr<QIODevice> device = reader->entryDevice(entry, &error);
    if (!device) {
        return failed(MediaInfo::Problem::Unreadable,
                      MediaText::tr("%1 cannot be read: %2.").arg(name, error));
    }
    MediaInput input;
    input.size = device->size();
    input.compressed = !reader->isStored(entry);
    input.device = std::move(device);
    return input;
}

} // namespace

void closePackageReaders()
{
    readers().clear();
}

MediaInput openMediaInput(const MediaSource &source)
{
    return source.isPackageEntry() ? openEntry(source.path, source.entry) : openFile(source.path);
}
