#include "playlist/autosave.h"
#include "archive/text.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Far beyond the largest playlist (ten thousand rows of long paths).
constexpr qint64 maxKeptBytes = 64 * 1024 * 1024;

QString lockPathOf(const QString &jsonPath)
{
    return jsonPath.left(jsonPath.size() - 5) + QLatin1String(".lock");
}

} // namespace

QByteArray unsavedPlaylistBytes(const UnsavedPlaylist &playlist)
{
    QJsonArray rows;
    for (const PlaylistRow &row : playlist.rows)
        rows.append(QJsonObject{{QStringLiteral("time"), row.time},
                                {QStringLiteral("file"), row.file},
                                {QStringLiteral("transition"), row.transition}});
    QJsonObject sources;
    for (auto it = playlist.sources.cbegin(); it != playlist.sources.cend(); ++it)
        sources.insert(it.key(), it.value());
    const QJsonObject root{{QStringLiteral("version"), 1},
                           {QStringLiteral("keptAt"), playlist.keptAt.toString(Qt::ISODate)},
                           {QStringLiteral("package"), playlist.package},
                           {QStringLiteral("rows"), rows},
                           {QStringLiteral("sources"), sources}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

bool readUnsavedPlaylist(const QByteArray &bytes, UnsavedPlaylist *playlist, QString *error)
{
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parsed);
    const QJsonObject root = document.object();
    if (parsed.error != QJsonParseError::NoError ||
        root.value(QLatin1String("version")).toInt() != 1 ||
        !root.value(QLatin1String("rows")).isArray()) {
        *error = parsed.error != QJsonParseError::NoError ? parsed.errorString()
                                                          : CoreText::tr("not a kept playlist");
        return false;
    }
    UnsavedPlaylist read;
    read.package = root.value(QLatin1String("package")).toString();
    read.keptAt =
        QDateTime::fromString(root.value(QLatin1String("keptAt")).toString(), Qt::ISODate);
    const QJsonArray rows = root.value(QLatin1String("rows")).toArray();
    for (const QJsonValue &value : rows) {
        const QJsonObject row = value.toObject();
        const QJsonValue time = row.value(QLatin1String("time"));
        const QJsonValue file = row.value(QLatin1String("file"));
        if (!time.isString() || !file.isString()) {
            *error = CoreText::tr("a row has no time or no file");
            return false;
        }
        read.rows.append({time.toString(), file.toString(),
                          row.value(QLatin1String("transition")).toString(defaultTransition())});
    }
    const QJsonObject sources = root.value(QLatin1String("sources")).toObject();
    for (auto it = sources.constBegin(); it != sources.constEnd(); ++it)
        read.sources.insert(it.key(), it.value().toString());
    *playlist = read;
    return true;
}

QString unsavedPlaylistFolder()
{
    // Tests that ask for Qt's test paths get them here too.
    if (QStandardPaths::isTestModeEnabled())
        return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
               QLatin1String("/unsaved");
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QLatin1String("/.local/state");
    return state + QLatin1String("/merovi/unsaved");
}

UnsavedPlaylistStore::UnsavedPlaylistStore(const QString &folder) : m_folder(folder)
{
    // Unique among the windows of every running program.
    static QAtomicInt windows;
    m_id = QStringLiteral("%1-%2-%3")
               .arg(QCoreApplication::applicationPid())
               .arg(QDateTime::currentMSecsSinceEpoch())
               .arg(windows.fetchAndAddRelaxed(1));
}

UnsavedPlaylistStore::~UnsavedPlaylistStore() = default;

int UnsavedPlaylistStore::generation() const
{
    QMutexLocker locker(&m_mutex);
    return m_generation;
}

bool UnsavedPlaylistStore::write(const UnsavedPlaylist &playlist, int generation, QString *error)
{
    QMutexLocker locker(&m_mutex);
    if (generation != m_generation)
        return true;
    const QString path = m_folder + QLatin1Char('/') + m_id + QLatin1String(".json");
    if (!m_lock) {
        if (!QDir().mkpath(m_folder)) {
            *error = CoreText::tr("cannot make the folder %1").arg(quoted(m_folder));
            return false;
        }
        m_lock = std::make_unique<QLockFile>(lockPathOf(path));
        m_lock->setStaleLockTime(0);
        // Without the lock the file still helps: the next start finds it unowned.
        (void)m_lock->tryLock(0);
    }
    const QByteArray bytes = unsavedPlaylistBytes(playlist);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = CoreText::tr("cannot write %1 (%2)").arg(quoted(path), file.errorString());
        file.cancelWriting();
        return false;
    }
    m_written = true;
    return true;
}

void UnsavedPlaylistStore::discard()
{
    QMutexLocker locker(&m_mutex);
    ++m_generation;
    if (m_written)
        QFile::remove(m_folder + QLatin1Char('/') + m_id + QLatin1String(".json"));
    m_written = false;
    m_lock.reset(); // unlocks and removes the lock file
}

LeftPlaylist findLeftPlaylist(const QString &folder)
{
    const QFileInfoList kept =
        QDir(folder).entryInfoList({QStringLiteral("*.json")}, QDir::Files, QDir::Time);
    for (const QFileInfo &info : kept) {
        auto lock = std::make_shared<QLockFile>(lockPathOf(info.absoluteFilePath()));
        // Stale only when its program is gone, however long a live one has held it.
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            continue; // a running window's, or another start looks at it
        QFile file(info.absoluteFilePath());
        LeftPlaylist left;
        QString error;
        if (info.size() > maxKeptBytes || !file.open(QIODevice::ReadOnly) ||
            !readUnsavedPlaylist(file.read(maxKeptBytes), &left.playlist, &error))
            continue; // kept as it is, for a person to look at
        left.path = info.absoluteFilePath();
        left.lock = lock;
        return left;
    }
    return {};
}

void removeLeftPlaylist(const LeftPlaylist &left)
{
    if (!left.isValid())
        return;
    QFile::remove(left.path);
    if (left.lock)
        left.lock->unlock();
}
