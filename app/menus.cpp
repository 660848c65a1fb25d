// The main window: its menu bar, the status line, a new playlist and the
// recent packages. The menus offer the window's own commands.
#include "app/mainwindow.h"

#include "app/statusline.h"
#include "playlist/playlisttable.h"
#include "playlist/tablemedia.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QUndoStack>

void MainWindow::setupMenus()
{
    // Status first, in the bottom line between the link and the total; it
    // takes the free width and never widens the window past its minimum.
    statusLabel = new QLabel(ui->centralWidget);
    statusLabel->setObjectName(QStringLiteral("labelStatus"));
    statusLabel->setMinimumWidth(1);
    statusLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ui->horizontalLayout_4->insertSpacing(2, 12);
    ui->horizontalLayout_4->insertWidget(3, statusLabel, 1);

    const auto command = [this](const char *name) {
        return findChild<QAction *>(QLatin1String(name));
    };
    const auto newAction = [this](const QString &text, QKeySequence::StandardKey key,
                                  void (MainWindow::*slot)()) {
        auto *action = new QAction(text, this);
        action->setShortcuts(key);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        return action;
    };

    QMenu *file = menuBar()->addMenu(tr("&File"));
    QAction *newPlaylistAction =
        newAction(tr("&New Playlist"), QKeySequence::New, &MainWindow::newPlaylist);
    file->addAction(newPlaylistAction);
    commandActions.append(newPlaylistAction);
    QAction *open = command("actionOpen");
    open->setText(tr("&Open…"));
    file->addAction(open);
    recentMenu = file->addMenu(tr("Open &Recent"));
    connect(recentMenu, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
    file->addSeparator();
    QAction *save = command("actionSave");
    save->setText(tr("&Save"));
    file->addAction(save);
    QAction *saveAs = command("actionSaveAs");
    saveAs->setText(tr("Save &As…"));
    file->addAction(saveAs);
    file->addSeparator();
    auto *quit = new QAction(tr("&Quit"), this);
    quit->setShortcuts(QKeySequence::Quit);
    addAction(quit);
    quit->setMenuRole(QAction::QuitRole);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    file->addAction(quit);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(command("actionUndo"));
    edit->addAction(command("actionRedo"));
    edit->addSeparator();
    QAction *remove = command("actionDelete");
    remove->setText(tr("&Delete"));
    edit->addAction(remove);
    // Ctrl+A in the Duration field selects its text; in the table, every row.
    auto *selectAll = new QAction(tr("Select &All"), ui->tableWidget);
    selectAll->setShortcuts(QKeySequence::SelectAll);
    selectAll->setShortcutContext(Qt::WidgetShortcut);
    connect(selectAll, &QAction::triggered, ui->tableWidget, &QAbstractItemView::selectAll);
    ui->tableWidget->addAction(selectAll);
    edit->addAction(selectAll);
    edit->addSeparator();
    setupSlides(edit);
    auto *fitLoop = new QAction(tr("&Fit the Loop to…"), this);
    fitLoop->setObjectName(QStringLiteral("actionFitLoop"));
    connect(fitLoop, &QAction::triggered, this, &MainWindow::fitLoopLength);
    commandActions.append(fitLoop);
    edit->addAction(fitLoop);
    auto *screenProfile = new QAction(tr("Screen and &Player…"), this);
    screenProfile->setObjectName(QStringLiteral("actionScreenProfile"));
    connect(screenProfile, &QAction::triggered, this, &MainWindow::editScreenProfile);
    edit->addAction(screenProfile);
    commandActions.append(screenProfile);

    viewMenu = menuBar()->addMenu(tr("&View"));
    auto *preview = new QAction(tr("&Preview"), this);
    preview->setObjectName(QStringLiteral("actionPreview"));
    preview->setShortcut(Qt::Key_F5);
    connect(preview, &QAction::triggered, this, &MainWindow::showPreview);
    addAction(preview);
    viewMenu->addAction(preview);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    QAction *about = help->addAction(tr("&About"));
    about->setMenuRole(QAction::AboutRole);
    connect(about, &QAction::triggered, this,
            [this] { QMessageBox::about(this, tr("About"), aboutText()); });

    // Room for the menu, both columns and the bottom line at any size.
    setMinimumSize(minimumSizeHint().expandedTo(QSize(640, 420)));
    // The form is drawn for a wide screen; on a small one the window opens within it.
    if (const QScreen *screen = this->screen())
        resize(size().boundedTo(screen->availableGeometry().size()).expandedTo(minimumSize()));
}

void MainWindow::fillRecentMenu()
{
    recentMenu->clear();
    const QStringList recent = recentPackages();
    for (const QString &path : recent) {
        QAction *action = recentMenu->addAction(QDir::toNativeSeparators(path));
        action->setEnabled(!isBusy());
        connect(action, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    if (recent.isEmpty())
        recentMenu->addAction(tr("No recent packages"))->setEnabled(false);
    recentMenu->addSeparator();
    QAction *clear = recentMenu->addAction(tr("&Clear Menu"));
    clear->setEnabled(!recent.isEmpty());
    connect(clear, &QAction::triggered, this, &MainWindow::forgetRecentPackages);
}

void MainWindow::openRecent(const QString &path)
{
    if (isBusy())
        return;
    if (hasUnsavedChanges() &&
        !settleUnsavedChanges(tr("Save them before opening another package?"),
                              [this, path] { openFile(path); }))
        return;
    openFile(path);
}

void MainWindow::newPlaylist()
{
    if (isBusy())
        return;
    if (hasUnsavedChanges() &&
        !settleUnsavedChanges(tr("Save them before starting a new playlist?"),
                              [this] { newPlaylist(); }))
        return;
    showPackage(PackageContents());
    showNote({});
}
