#include "playlist/tablemedia.h"

#include "app/mainwindow.h"
#include "playlist/duration.h"

#include "media/mediaservice.h"
#include "media/playcheck.h"
#include "media/screenfit.h"
#include "playlist/mediatype.h"
#include "playlist/playlistrow.h"
#include "playlist/playlisttable.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>

namespace {

// The table's rows are about this high; thumbnails are shown at this size.
const QSize iconSize(48, 27);

QString clockText(qint64 seconds)
{
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// Where the row's file is: the table itself shows only its name.
QString whereText(const MediaSource &source)
{
    if (!source.isPackageEntry())
        return QDir::toNativeSeparators(source.path);
    return source.entry + QLatin1Char('\n') +
           MainWindow::tr("stored in %1")
               .arg(source.path.mid(source.path.lastIndexOf(QLatin1Char('/')) + 1));
}

bool sameInfo(const MediaInfo &a, const MediaInfo &b)
{
    return a.problem == b.problem && a.problemText == b.problemText && a.size == b.size &&
           a.format == b.format && a.codec == b.codec && a.pixelSize == b.pixelSize &&
           a.durationMs == b.durationMs && a.playableMs == b.playableMs &&
           qFuzzyCompare(a.frameRate + 1, b.frameRate + 1) && a.hasSound == b.hasSound &&
           a.quarterTurns == b.quarterTurns;
}

// The folder whose changes concern source: the file's, or the package's.
QString folderOfSource(const MediaSource &source)
{
    const int slash = source.path.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : source.path.left(slash);
}

QString details(const MediaSource &source, const MediaInfo &info)
{
    QStringList lines{whereText(source)};
    if (info.size >= 0)
        lines.append(QLocale().formattedDataSize(info.size));
    if (info.pixelSize.isValid())
        lines.append(
            QStringLiteral("%1 × %2").arg(info.pixelSize.width()).arg(info.pixelSize.height()));
    if (!info.codec.isEmpty())
        lines.append(info.codec);
    if (info.durationMs >= 0)
        lines.append(MainWindow::tr("plays %1").arg(clockText(videoSeconds(info.durationMs))));
    return lines.join(QLatin1Char('\n'));
}

} // namespace

TableMedia::TableMedia(QTableWidget *table, QLabel *total, QObject *parent)
    : QObject(parent), m_table(table), m_total(total), m_service(new MediaService(this)),
      m_refreshTimer(new QTimer(this)), m_totalTimer(new QTimer(this)),
      m_watcher(new QFileSystemWatcher(this)), m_recheckTimer(new QTimer(this))
{
    m_table->setIconSize(iconSize);
    m_warningIcon = m_table->style()->standardIcon(QStyle::SP_MessageBoxWarning);
    m_fitIcon = m_table->style()->standardIcon(QStyle::SP_MessageBoxInformation);
    m_profile = ScreenProfile::load();
    // One pass per burst of changes: an open fills thousands of rows at once.
    m_refreshTimer->setSingleShot(true);
    m_refreshTimer->setInterval(0);
    connect(m_refreshTimer, &QTimer::timeout, this, &TableMedia::refresh);
    m_totalTimer->setSingleShot(true);
    m_totalTimer->setInterval(100);
    connect(m_totalTimer, &QTimer::timeout, this, &TableMedia::updateTotal);

    QAbstractItemModel *model = m_table->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &TableMedia::scheduleRefresh);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &TableMedia::scheduleRefresh);
    connect(model, &QAbstractItemModel::rowsMoved, this, &TableMedia::scheduleRefresh);
    connect(model, &QAbstractItemModel::modelReset, this, &TableMedia::scheduleRefresh);
    connect(model, &QAbstractItemModel::dataChanged, this, [this] {
        if (!m_applying)
            scheduleRefresh();
    });
    // A copy of many files changes a folder many times: one look per burst.
    m_recheckTimer->setSingleShot(true);
    m_recheckTimer->setInterval(150);
    connect(m_recheckTimer, &QTimer::timeout, this, &TableMedia::recheckChangedFolders);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &TableMedia::folderChanged);
    // Files changed in place tell their folder nothing; coming back to the
    // program is when the user expects to see it.
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive)
                    recheck();
            });
    connect(m_service, &MediaService::probed, this, &TableMedia::probed);
    connect(m_service, &MediaService::thumbnailReady, this, &TableMedia::thumbnailReady);
    connect(m_service, &MediaService::idle, m_totalTimer, qOverload<>(&QTimer::start));
    updateTotal();
}

void TableMedia::setPackage(const QString &packagePath, const QStringList &storedNames)
{
    // Results for another package's entries would never be shown again.
    if (packagePath != m_package)
        m_service->cancelAll();
    // A save changes the package under the same path: what was found of its
    // entries before, perhaps while it was being written, is out of date. The
    // service answers from its cache for a package that did not change.
    m_requested.clear();
    m_package = packagePath;
    m_storedNames = QSet<QString>(storedNames.cbegin(), storedNames.cend());
    scheduleRefresh();
}

MediaSource TableMedia::sourceOf(const QString &file) const
{
    return rowSource(file, m_package, m_storedNames);
}

void TableMedia::scheduleRefresh()
{
    m_refreshTimer->start();
}

void TableMedia::refresh()
{
    const int rows = m_table->rowCount();
    m_rowKeys.resize(rows);
    m_rowsOfKey.clear();
    m_sources.clear();
    // One change notice for the whole table instead of one per cell: this
    // pass visits every row after each edit.
    QAbstractItemModel *model = m_table->model();
    const bool blocked = model->blockSignals(true);
    for (int row = 0; row < rows; ++row) {
        const QTableWidgetItem *item = m_table->item(row, ColumnFile);
        const MediaSource source = sourceOf(item ? item->text() : QString());
        const QString key = source.key();
        m_rowKeys[row] = key;
        m_rowsOfKey[key].append(row);
        m_sources.insert(key, source);
        if (!m_requested.contains(key)) {
            m_requested.insert(key);
            m_service->request(source);
        }
        applyRow(row);
    }
    model->blockSignals(blocked);
    watchFolders();
    if (rows > 0) {
        m_applying = true;
        emit model->dataChanged(model->index(0, 0), model->index(rows - 1, ColumnTransition));
        m_applying = false;
    }
    m_totalTimer->start();
}

void TableMedia::watchFolders()
{
    QHash<QString, QSet<QString>> keysOfFolder;
    for (auto source = m_sources.cbegin(); source != m_sources.cend(); ++source) {
        if (!source->path.isEmpty())
            keysOfFolder[folderOfSource(*source)].insert(source.key());
    }
    QStringList gone;
    for (auto folder = m_keysOfFolder.cbegin(); folder != m_keysOfFolder.cend(); ++folder) {
        if (!keysOfFolder.contains(folder.key()))
            gone.append(folder.key());
    }
    QStringList added;
    for (auto folder = keysOfFolder.cbegin(); folder != keysOfFolder.cend(); ++folder) {
        if (!m_keysOfFolder.contains(folder.key()) && QFileInfo(folder.key()).isDir())
            added.append(folder.key());
    }
    if (!gone.isEmpty())
        m_watcher->removePaths(gone);
    if (!added.isEmpty())
        m_watcher->addPaths(added); // a folder that cannot be watched is looked at on activation
    m_keysOfFolder = keysOfFolder;
}

void TableMedia::folderChanged(const QString &folder)
{
    m_changedFolders.insert(folder);
    if (!m_recheckTimer->isActive())
        m_recheckTimer->start();
}

void TableMedia::recheckChangedFolders()
{
    const QSet<QString> folders = m_changedFolders;
    m_changedFolders.clear();
    for (const QString &folder : folders) {
        for (const QString &key : m_keysOfFolder.value(folder))
            m_service->request(m_sources.value(key));
    }
    if (!m_totalTimer->isActive())
        m_totalTimer->start();
}

void TableMedia::recheck()
{
    // The service stats each file on its pool and answers from its cache
    // when nothing changed.
    for (auto source = m_sources.cbegin(); source != m_sources.cend(); ++source)
        m_service->request(*source);
    if (!m_sources.isEmpty() && !m_totalTimer->isActive())
        m_totalTimer->start();
}

int TableMedia::selectRowsOf(const QStringList &files)
{
    const QSet<QString> wanted(files.cbegin(), files.cend());
    QVector<int> rows;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const QTableWidgetItem *file = m_table->item(row, ColumnFile);
        if (file && !file->text().isEmpty() && wanted.contains(file->text()))
            rows.append(row);
    }
    if (!rows.isEmpty()) {
        selectRowIndexes(*m_table, rows);
        m_table->scrollToItem(m_table->item(rows.first(), ColumnFile));
    }
    return int(rows.size());
}

QString TableMedia::rowProblem(int row) const
{
    const auto info = m_infos.constFind(m_rowKeys.value(row));
    const QTableWidgetItem *time = m_table->item(row, ColumnTime);
    const PlaylistRow shown{time ? time->text() : QString(), {}, {}};
    return playProblem(shown, info == m_infos.constEnd() ? nullptr : &*info);
}

QString TableMedia::rowFitText(int row) const
{
    const auto info = m_infos.constFind(m_rowKeys.value(row));
    if (info == m_infos.constEnd())
        return {};
    return fitReasonText(*info, fitReasons(*info, m_profile), m_profile);
}

void TableMedia::setProfile(const ScreenProfile &profile)
{
    m_profile = profile;
    for (int row = 0; row < m_table->rowCount(); ++row)
        applyRow(row);
}

QVector<TableMedia::Exceeding> TableMedia::exceeding() const
{
    QVector<Exceeding> result;
    QSet<QString> seen;
    for (int row = 0; row < m_table->rowCount() && row < m_rowKeys.size(); ++row) {
        const QTableWidgetItem *file = m_table->item(row, ColumnFile);
        const QString text = file ? file->text() : QString();
        const auto info = m_infos.constFind(m_rowKeys.at(row));
        // An entry of the open package has no file of its own to fit from.
        if (info == m_infos.constEnd() || sourceOf(text).isPackageEntry() || seen.contains(text))
            continue;
        const QString why = fitReasonText(*info, fitReasons(*info, m_profile), m_profile);
        if (why.isEmpty())
            continue;
        seen.insert(text);
        result.append({text, why, *info});
    }
    return result;
}

void TableMedia::applyRow(int row)
{
    QTableWidgetItem *file = m_table->item(row, ColumnFile);
    QTableWidgetItem *time = m_table->item(row, ColumnTime);
    if (!file || !time || row >= m_rowKeys.size())
        return;
    m_applying = true;
    const QString key = m_rowKeys.at(row);
    const QString problem = rowProblem(row);
    const auto info = m_infos.constFind(key);
    QString tip = info == m_infos.constEnd() ? whereText(sourceOf(file->text()))
                                             : details(sourceOf(file->text()), *info);
    const QString fit = problem.isEmpty() ? rowFitText(row) : QString();
    if (!problem.isEmpty())
        tip += QLatin1String("\n\n") + MainWindow::tr("May not play: %1").arg(problem);
    else if (!fit.isEmpty())
        tip +=
            QLatin1String("\n\n") + MainWindow::tr("Exceeds this screen and player: %1").arg(fit);
    if (file->toolTip() != tip)
        file->setToolTip(tip);
    if (time->toolTip() != tip)
        time->setToolTip(problem.isEmpty() && fit.isEmpty() ? QString() : tip);
    const QIcon mark = !problem.isEmpty() ? m_warningIcon : !fit.isEmpty() ? m_fitIcon : QIcon();
    if (time->icon().cacheKey() != mark.cacheKey())
        time->setIcon(mark);
    const QIcon thumbnail = m_thumbnails.value(key);
    if (file->icon().cacheKey() != thumbnail.cacheKey())
        file->setIcon(thumbnail);
    m_applying = false;
}

void TableMedia::probed(const QString &key, const MediaInfo &info)
{
    const auto known = m_infos.constFind(key);
    if (known != m_infos.constEnd() && sameInfo(*known, info))
        return; // a look again that found nothing new
    // The file changed: its old picture goes, a new one follows right after this.
    if (known != m_infos.constEnd())
        m_thumbnails.remove(key);
    m_infos.insert(key, info);
    for (const int row : m_rowsOfKey.value(key))
        applyRow(row);
    if (!m_totalTimer->isActive())
        m_totalTimer->start();
}

void TableMedia::thumbnailReady(const QString &key, const QImage &image)
{
    // The cache hands back the very image it gave before: nothing to redo.
    if (m_thumbnails.contains(key) && m_thumbnailImages.value(key) == image.cacheKey())
        return;
    m_thumbnailImages.insert(key, image.cacheKey());
    m_thumbnails.insert(key, QIcon(QPixmap::fromImage(image.scaled(iconSize, Qt::KeepAspectRatio,
                                                                   Qt::SmoothTransformation))));
    for (const int row : m_rowsOfKey.value(key))
        applyRow(row);
}

QStringList TableMedia::problems() const
{
    QStringList result;
    for (int row = 0; row < m_table->rowCount() && row < m_rowKeys.size(); ++row) {
        const QString problem = rowProblem(row);
        if (problem.isEmpty())
            continue;
        const QTableWidgetItem *file = m_table->item(row, ColumnFile);
        const QString text = file ? file->text() : QString();
        const auto info = m_infos.constFind(m_rowKeys.at(row));
        if (info != m_infos.constEnd() && refusedBySave(sourceOf(text), *info))
            continue;
        const QString line = mayNotPlayLine(text, problem);
        if (!result.contains(line))
            result.append(line);
    }
    return result;
}

bool TableMedia::isProbing() const
{
    return m_service->pending() > 0;
}

qint64 TableMedia::videoLengthMs(int row) const
{
    const auto info = m_infos.constFind(m_rowKeys.value(row));
    return info != m_infos.constEnd() ? info->durationMs : -1;
}

void TableMedia::updateTotal()
{
    qint64 seconds = 0;
    int unknownVideos = 0;
    const int rows = m_table->rowCount();
    for (int row = 0; row < rows; ++row) {
        const QTableWidgetItem *time = m_table->item(row, ColumnTime);
        const QString text = time ? time->text() : QString();
        if (!isVideoTime(text)) {
            seconds += qMax<qint64>(0, secondsOf(text));
            continue;
        }
        const auto info = m_infos.constFind(m_rowKeys.value(row));
        if (info != m_infos.constEnd() && info->durationMs >= 0)
            seconds += videoSeconds(info->durationMs);
        else
            ++unknownVideos;
    }
    QString text = (rows == 1 ? MainWindow::tr("1 item · total %1").arg(clockText(seconds))
                              : MainWindow::tr("%1 items · total %2")
                                    .arg(QLocale().toString(rows), clockText(seconds)));
    if (unknownVideos > 0) {
        text += QLatin1Char(' ') +
                (unknownVideos == 1
                     ? MainWindow::tr("+ 1 video of unknown length")
                     : MainWindow::tr("+ %1 videos of unknown length").arg(unknownVideos));
    }
    if (isProbing())
        text += QLatin1Char(' ') + MainWindow::tr("(checking media…)");
    m_total->setText(text);
}
