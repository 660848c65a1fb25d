#include "preview/previewplan.h"

#include "playlist/tableview.h"

#include <QSet>
#include <QTime>

QVector<PreviewItem> previewItems(const PlaylistRows &rows, const QString &packagePath,
                                  const QStringList &storedNames)
{
    const QSet<QString> stored(storedNames.cbegin(), storedNames.cend());
    QVector<PreviewItem> items;
    items.reserve(rows.size());
    for (const PlaylistRow &row : rows) {
        PreviewItem item;
        item.name = shownFileName(row.file);
        item.source = !packagePath.isEmpty() && stored.contains(row.file)
                          ? MediaSource::packageEntry(packagePath, item.name)
                          : MediaSource::file(row.file);
        item.video = row.isVideo();
        if (item.video) {
            item.durationMs = -1;
        } else {
            const QTime time = QTime::fromString(row.time, QStringLiteral("hh:mm:ss"));
            item.durationMs = time.isValid() ? QTime(0, 0).msecsTo(time) : 0;
        }
        items.append(item);
    }
    return items;
}

qint64 slotMs(const PreviewItem &item)
{
    return item.durationMs >= 0 ? item.durationMs : unknownVideoMs;
}
