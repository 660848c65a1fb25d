// The main window: the status in the bottom line and the recent packages.
#include "app/statusline.h"

#include "app/mainwindow.h"
#include "archive/zipversion.h"
#include "media/mediaversion.h"
#include "settings/preferences.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QStorageInfo>

namespace {

const char recentKey[] = "recentPackages";

} // namespace

QString savedSizeText(qint64 bytes)
{
    // Decimal units, as sticks and file managers count them.
    return QLocale().formattedDataSize(bytes, bytes < 10'000'000 ? 1 : 0,
                                       QLocale::DataSizeSIFormat);
}

QString savedStatusText(const QString &packagePath, qint64 bytes, const QTime &at, bool verified)
{
    const QString name = QFileInfo(packagePath).fileName();
    // To the minute, in the user's style; some locales' short format has seconds.
    QString format = QLocale().timeFormat(QLocale::ShortFormat);
    format.remove(QRegularExpression(QStringLiteral("[:.]ss?")));
    const QString time = QLocale().toString(at, format);
    const QString saved =
        bytes < 0 ? MainWindow::tr("Saved %1 at %2").arg(name, time)
                  : MainWindow::tr("Saved %1 (%2) at %3").arg(name, savedSizeText(bytes), time);
    // Synced, then read back from the drive itself: the stick may be pulled.
    return verified ? MainWindow::tr("%1 — verified, safe to remove").arg(saved) : saved;
}

QStringList openFilesOnDrive(const QString &path)
{
    const QString drive = QStorageInfo(QFileInfo(path).absolutePath()).rootPath();
    QStringList open;
    // The system's own disk holds the program's files too, and is never removed.
    if (drive.isEmpty() || drive == QLatin1String("/"))
        return open;
    // The kernel lists this process's descriptors as links to what they hold.
    const QDir descriptors(QStringLiteral("/proc/self/fd"));
    for (const QFileInfo &link :
         descriptors.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        const QString target = link.symLinkTarget();
        if (target.isEmpty() || !QFileInfo(target).isFile() || open.contains(target))
            continue;
        if (QStorageInfo(target).rootPath() == drive)
            open.append(target);
    }
    return open;
}

QString openedStatusText(const QString &packagePath, int items)
{
    const QString name = QFileInfo(packagePath).fileName();
    return items == 1 ? MainWindow::tr("Opened %1: 1 item").arg(name)
                      : MainWindow::tr("Opened %1: %2 items").arg(name, QLocale().toString(items));
}

QStringList updatedRecentList(const QStringList &recent, const QString &path, int max)
{
    QStringList list{path};
    for (const QString &old : recent) {
        if (list.size() >= max)
            break;
        if (!old.isEmpty() && old != path)
            list.append(old);
    }
    return list;
}

QString aboutText()
{
    return MainWindow::tr(
               "<h3>Merovi USB Playlist builder %1</h3>"
               "<p>Builds playlist packages for media players that play from a USB stick.</p>"
               "<p>Qt %2 (built with %3)<br>libzip %4<br>FFmpeg %5</p>")
        .arg(QStringLiteral(MEROVI_VERSION), QString::fromLatin1(qVersion()),
             QStringLiteral(QT_VERSION_STR), zipLibraryVersion(), videoLibraryVersion());
}

void MainWindow::showNote(const QString &text)
{
    statusLabel->setText(text);
    statusLabel->setToolTip(text);
}

void MainWindow::reportSaved(const QString &path, qint64 bytes, qint64 verifyMs)
{
    // Read back as written, and nothing of this program keeps the drive busy.
    const bool removable = verifyMs >= 0 && openFilesOnDrive(path).isEmpty();
    showNote(savedStatusText(path, bytes, QTime::currentTime(), removable));
    if (verifyMs >= 0)
        statusLabel->setToolTip(MainWindow::tr("Read back from the drive in %1 s")
                                    .arg(double(verifyMs) / 1000, 0, 'f', 1));
    rememberPackage(path);
}

void MainWindow::reportOpened(const QString &path, int items)
{
    showNote(openedStatusText(path, items));
    rememberPackage(path);
}

QStringList MainWindow::recentPackages() const
{
    QSettings preferences = ::preferences();
    return preferences.value(QLatin1String(recentKey)).toStringList();
}

void MainWindow::rememberPackage(const QString &path)
{
    QSettings preferences = ::preferences();
    preferences.setValue(QLatin1String(recentKey), updatedRecentList(recentPackages(), path, 8));
}

void MainWindow::forgetRecentPackages()
{
    QSettings preferences = ::preferences();
    preferences.remove(QLatin1String(recentKey));
}
