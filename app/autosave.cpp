// The main window: the playlist being edited is kept aside a few seconds
// after each change, and what a crash left is offered back on the next start.
#include "app/mainwindow.h"
#include "archive/text.h"

#include "app/userdialogs.h"
#include "playlist/autosave.h"
#include "playlist/playlisttable.h"
#include "playlist/tableundo.h"
#include "playlist/tableview.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QLoggingCategory>
#include <QTimer>
#include <QUndoStack>

#include <numeric>

Q_LOGGING_CATEGORY(lcAutosave, "merovi.autosave")

namespace {

// Writes of the kept playlist and its removal happen in the order asked.
QString keptKey()
{
    return QStringLiteral("unsaved playlist");
}

} // namespace

void MainWindow::setupAutosave()
{
    unsavedStore = std::make_shared<UnsavedPlaylistStore>(unsavedPlaylistFolder());
    autosaveTimer = new QTimer(this);
    autosaveTimer->setSingleShot(true);
    autosaveTimer->setInterval(2000);
    connect(autosaveTimer, &QTimer::timeout, this, &MainWindow::keepUnsavedPlaylist);
    // Every edit, undo, open and save passes the undo stack.
    connect(undoStack, &QUndoStack::indexChanged, autosaveTimer, qOverload<>(&QTimer::start));
    connect(this, &MainWindow::saveFinished, this, [this](const QString &error) {
        if (error.isEmpty() && !hasUnsavedChanges())
            unsavedStore->discard();
    });

    // Looked for once the window is up, so the question has the window's dialogs.
    const QString folder = unsavedPlaylistFolder();
    jobs->submit<LeftPlaylist>(
        {keptKey()}, [folder](JobControl *) { return findLeftPlaylist(folder); },
        [this](const LeftPlaylist &left) {
            if (left.isValid())
                offerLeftPlaylist(left);
        });
}

void MainWindow::discardUnsavedPlaylist()
{
    autosaveTimer->stop();
    unsavedStore->discard();
}

void MainWindow::keepUnsavedPlaylist()
{
    if (!hasUnsavedChanges()) {
        unsavedStore->discard();
        return;
    }
    // A copy of the rows is all the window pays; the bytes are made and written by a job.
    UnsavedPlaylist playlist;
    playlist.rows = tableRows(*ui->tableWidget);
    playlist.package = opened.path;
    const QHash<QString, QString> sources = convertedSources(*ui->tableWidget);
    for (const PlaylistRow &row : qAsConst(playlist.rows)) {
        const QString source = sources.value(row.file);
        if (!source.isEmpty())
            playlist.sources.insert(row.file, source);
    }
    playlist.keptAt = QDateTime::currentDateTime();
    const std::shared_ptr<UnsavedPlaylistStore> store = unsavedStore;
    const int generation = store->generation();
    jobs->submit<QString>(
        {keptKey()},
        [store, playlist, generation](JobControl *) {
            QString error;
            return store->write(playlist, generation, &error) ? QString() : error;
        },
        [](const QString &error) {
            // Nothing to tell the user between edits; the log keeps why.
            if (!error.isEmpty())
                qCWarning(lcAutosave) << "the unsaved playlist was not kept:" << error;
        });
}

void MainWindow::offerLeftPlaylist(const LeftPlaylist &left)
{
    const UnsavedPlaylist &playlist = left.playlist;
    const QString what = playlist.package.isEmpty()
                             ? tr("a new playlist of %n rows", nullptr, int(playlist.rows.size()))
                             : tr("%n rows of the package %1", nullptr, int(playlist.rows.size()))
                                   .arg(quoted(playlist.package));
    const QString when = QLocale().toString(playlist.keptAt, QLocale::ShortFormat);
    const int choice =
        dialogs->choose(this, tr("Unsaved playlist"),
                        tr("The program ended without saving %1 (last edited %2). Bring it "
                           "back?\n\nLater keeps it for the next start.")
                            .arg(what, when),
                        {tr("Bring Back"), tr("Discard"), tr("Later")}, 0, 2);
    if (choice == 2) {
        left.lock->unlock();
        return;
    }
    if (choice == 1) {
        removeLeftPlaylist(left);
        return;
    }
    if (playlist.package.isEmpty() || isBusy()) {
        restorePlaylist(left);
        return;
    }
    // The rows name media stored in the package: open it first, then put them back.
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(this, &MainWindow::openFinished, this, [this, left, connection] {
        disconnect(*connection);
        restorePlaylist(left);
    });
    openFile(playlist.package);
}

void MainWindow::restorePlaylist(const LeftPlaylist &left)
{
    const UnsavedPlaylist &playlist = left.playlist;
    QTableWidget *table = ui->tableWidget;
    for (auto it = playlist.sources.cbegin(); it != playlist.sources.cend(); ++it)
        noteConvertedSource(table, it.key(), it.value());
    QVector<int> all(table->rowCount());
    std::iota(all.begin(), all.end(), 0);
    QVector<int> positions(playlist.rows.size());
    std::iota(positions.begin(), positions.end(), 0);
    undoStack->beginMacro(tr("Bring Back"));
    if (!all.isEmpty())
        undoStack->push(new RemoveRowsCommand(table, all, tr("Bring Back")));
    if (!positions.isEmpty())
        undoStack->push(
            new InsertRowsCommand(table, positions, playlist.rows, tr("Bring Back"), false));
    undoStack->endMacro();
    // Kept again as this window's before the old one goes: a crash now loses nothing.
    // A window closed before that job ran removes it itself.
    keepUnsavedPlaylist();
    restoredFrom = std::make_shared<LeftPlaylist>(left);
    jobs->submit<bool>(
        {keptKey()},
        [left](JobControl *) {
            removeLeftPlaylist(left);
            return true;
        },
        [this](const bool &) { restoredFrom.reset(); });
    showNote(tr("Brought back %n rows", nullptr, int(playlist.rows.size())));
}
