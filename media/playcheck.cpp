#include "media/playcheck.h"

#include "media/examinecache.h"
#include "media/mediaexamine.h"

#include <QDir>
#include <QHash>
#include <QThreadPool>

#include <atomic>

QString playProblem(const PlaylistRow &row, const MediaInfo *info)
{
    if (info && !info->isOk())
        return info->problemText;
    if (row.time == QLatin1String("00:00:00"))
        return mediaText("an image with the time 00:00:00 is never shown");
    return {};
}

bool refusedBySave(const MediaSource &source, const MediaInfo &info)
{
    return !source.isPackageEntry() && (info.problem == MediaInfo::Problem::Missing ||
                                        info.problem == MediaInfo::Problem::Unreadable);
}

QString mayNotPlayLine(const QString &file, const QString &problem)
{
    return QDir::toNativeSeparators(file) + QLatin1String(": ") + problem;
}

QString mayNotPlayText(const QStringList &lines, int shown)
{
    const QString heading = lines.size() == 1
                                ? mediaText("1 file may not play:")
                                : mediaText("%1 files may not play:").arg(lines.size());
    return heading + QLatin1String("\n    ") + lines.mid(0, shown).join(QLatin1String("\n    ")) +
           (lines.size() > shown ? QStringLiteral("\n    …") : QString());
}

MediaSource rowSource(const QString &file, const QString &package, const QSet<QString> &storedNames)
{
    if (!package.isEmpty() && storedNames.contains(file))
        return MediaSource::packageEntry(package, file.mid(file.lastIndexOf(QLatin1Char('/')) + 1));
    return MediaSource::file(file);
}

QStringList probeMayNotPlay(const PlaylistRows &rows, const QString &package,
                            const QSet<QString> &storedNames)
{
    // Each medium once, on every core: decoding is most of a build's time
    // when the files are in the page cache.
    QHash<QString, int> indexOfKey;
    QVector<MediaSource> sources;
    for (const PlaylistRow &row : rows) {
        const MediaSource source = rowSource(row.file, package, storedNames);
        if (!indexOfKey.contains(source.key())) {
            indexOfKey.insert(source.key(), int(sources.size()));
            sources.append(source);
        }
    }
    QVector<MediaInfo> infos(sources.size());
    std::atomic<int> next{0};
    QThreadPool pool;
    for (int t = 0; t < pool.maxThreadCount(); ++t) {
        pool.start([&] {
            for (int i = next++; i < sources.size(); i = next++)
                infos[i] = examineMediaRemembered(sources.at(i));
        });
    }
    pool.waitForDone();

    QStringList lines;
    for (const PlaylistRow &row : rows) {
        const MediaSource source = rowSource(row.file, package, storedNames);
        const MediaInfo *info = &infos.at(indexOfKey.value(source.key()));
        if (refusedBySave(source, *info))
            continue;
        const QString problem = playProblem(row, info);
        const QString line = mayNotPlayLine(row.file, problem);
        if (!problem.isEmpty() && !lines.contains(line))
            lines.append(line);
    }
    return lines;
}
