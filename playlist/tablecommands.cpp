// The main window: the table editing commands, their keys, drag and drop.
#include "app/mainwindow.h"

#include "app/userdialogs.h"
#include "media/mediaconvert.h"
#include "package/mediaimport.h"
#include "playlist/durationedit.h"
#include "playlist/mediatype.h"
#include "playlist/playlistrow.h"
#include "playlist/playlisttable.h"
#include "playlist/tableundo.h"
#include "playlist/tableview.h"
#include "settings/preferences.h"
#include "settings/settings.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUndoStack>
#include <QUrl>

namespace {

QString durationText(const QTimeEdit &edit)
{
    return edit.time().toString(QStringLiteral("hh:mm:ss"));
}

// The standard keys of the platform, then the ones given, each once.
QList<QKeySequence> keys(QKeySequence::StandardKey standard, const QList<QKeySequence> &more = {})
{
    QList<QKeySequence> result = QKeySequence::keyBindings(standard);
    for (const QKeySequence &key : more) {
        if (!result.contains(key))
            result.append(key);
    }
    return result;
}

// The player's own types first, under the filter they always had; then every
// type the program takes (converting what the player cannot show), in both
// letter cases: some file dialogs match names case by case.
QStringList mediaFilters()
{
    QStringList extensions = mediaExtensions();
    for (const QString &image : imageExtensions())
        if (!extensions.contains(image))
            extensions.append(image);
    QStringList patterns;
    for (const QString &extension : qAsConst(extensions))
        patterns << QLatin1String("*.") + extension << QLatin1String("*.") + extension.toUpper();
    return {MainWindow::tr("Media (*.png *.jpg *.mp4 *.avi)"),
            MainWindow::tr("All photos and videos this program takes (%1)")
                .arg(patterns.join(QLatin1Char(' '))),
            MainWindow::tr("All files (*)")};
}

// Which of the filters the Add Files dialog showed last, in the program's own
// preferences (settings.xml is for the player's side).
const char mediaFilterKey[] = "addFilesFilter";

// For each of the dropped or picked files that are looked into first, how
// many of the files added at once came before it.
QVector<int> importPlaces(const QList<QUrl> &urls)
{
    QVector<int> places;
    int taken = 0;
    for (const QUrl &url : urls) {
        const int type = url.isLocalFile() ? getMediaType(url.toLocalFile()) : MediaOther;
        if (type == MediaImage || type == MediaVideo)
            ++taken;
        else if (url.isLocalFile())
            places.append(taken);
    }
    return places;
}

QPoint dropPosition(const QDropEvent &event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event.position().toPoint();
#else
    return event.pos();
#endif
}

QString folderOfLastMedia(const Settings &settings)
{
    return settings.PATH_MEDIA.isEmpty() ? QString()
                                         : QFileInfo(settings.PATH_MEDIA).absolutePath();
}

} // namespace

void MainWindow::setupEditing()
{
    appTitle = windowTitle();
    undoStack = new QUndoStack(this);
    connect(undoStack, &QUndoStack::cleanChanged, this, &MainWindow::updateTitle);
    connect(undoStack, &QUndoStack::indexChanged, this, &MainWindow::updateTitle);

    // Named: the menu bar offers the same actions. The name comes from the
    // English text, so it is the same in every language.
    const auto addCommand = [this](QWidget *owner, const QList<QKeySequence> &shortcuts,
                                   Qt::ShortcutContext context, const char *text,
                                   void (MainWindow::*slot)()) {
        auto *action = new QAction(tr(text), owner);
        action->setObjectName(
            QLatin1String("action") +
            QString::fromUtf8(text).remove(QLatin1Char(' ')).remove(QChar(0x2026)));
        action->setShortcuts(shortcuts);
        action->setShortcutContext(context);
        connect(action, &QAction::triggered, this, slot);
        owner->addAction(action);
        commandActions.append(action);
        return action;
    };
    // Delete and Ctrl+arrows belong to the table: in the Duration field they edit the time.
    QTableWidget *table = ui->tableWidget;
    addCommand(table, keys(QKeySequence::Delete), Qt::WidgetShortcut, QT_TR_NOOP("Delete"),
               &MainWindow::on_pushButtonDelete_clicked);
    addCommand(table, {QKeySequence(Qt::CTRL | Qt::Key_Up)}, Qt::WidgetShortcut,
               QT_TR_NOOP("Move Up"), &MainWindow::on_pushButtonUp_clicked);
    addCommand(table, {QKeySequence(Qt::CTRL | Qt::Key_Down)}, Qt::WidgetShortcut,
               QT_TR_NOOP("Move Down"), &MainWindow::on_pushButtonDown_clicked);
    addCommand(this, keys(QKeySequence::Open), Qt::WindowShortcut, QT_TR_NOOP("Open"),
               &MainWindow::on_pushButtonOpen_clicked);
    addCommand(this, keys(QKeySequence::Save), Qt::WindowShortcut, QT_TR_NOOP("Save"),
               &MainWindow::on_pushButtonSave_clicked);
    // Since the form has no menu, Save As also sits on the Save button's context menu.
    QAction *saveAsAction = addCommand(
        this, keys(QKeySequence::SaveAs, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}),
        Qt::WindowShortcut, QT_TR_NOOP("Save As…"), &MainWindow::saveAs);
    ui->pushButtonSave->addAction(saveAsAction);
    ui->pushButtonSave->setContextMenuPolicy(Qt::ActionsContextMenu);
    // Likewise a whole folder, a phone's or a camera's, beside Add Files.
    auto *addFolderAction = new QAction(tr("Add Folder…"), ui->pushButtonAdd);
    addFolderAction->setObjectName(QStringLiteral("actionAddFolder"));
    connect(addFolderAction, &QAction::triggered, this, &MainWindow::addFolder);
    ui->pushButtonAdd->addAction(addFolderAction);
    ui->pushButtonAdd->setContextMenuPolicy(Qt::ActionsContextMenu);
    commandActions.append(addFolderAction);

    QAction *undo = undoStack->createUndoAction(this);
    undo->setObjectName(QStringLiteral("actionUndo"));
    undo->setShortcuts(keys(QKeySequence::Undo));
    QAction *redo = undoStack->createRedoAction(this);
    redo->setObjectName(QStringLiteral("actionRedo"));
    redo->setShortcuts(keys(QKeySequence::Redo, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
    for (QAction *action : {undo, redo}) {
        QWidget::addAction(action);
        commandActions.append(action);
    }

    // Enter on a focused button presses it, as in a dialog.
    const QList<QPushButton *> buttons = findChildren<QPushButton *>();
    for (QPushButton *button : buttons)
        button->setAutoDefault(true);
    table->setTabKeyNavigation(false);
    ui->timeEditTime->setAccessibleName(ui->label->text());
    ui->label->setBuddy(ui->timeEditTime);

    // The form leaves dragging off; the drops are handled here, as undo steps.
    table->setDragEnabled(true);
    table->setDragDropMode(QAbstractItemView::DragDrop);
    table->setDefaultDropAction(Qt::CopyAction);
    table->viewport()->setAcceptDrops(true);
    table->viewport()->installEventFilter(this);

    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainWindow::loadSelectedTime);
    setupPlaylistView(table);
    // "90", "1:30" or "00:01:30", then Enter: the selected images take it.
    auto *typing = new DurationTyping(ui->timeEditTime);
    connect(typing, &DurationTyping::applyRequested, this, &MainWindow::on_pushButtonEdit_clicked);
    loadSelectedTime();
    updateTitle();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != ui->tableWidget->viewport())
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        const bool ours = drag->source() == ui->tableWidget;
        if (isBusy() || (!ours && !drag->mimeData()->hasUrls())) {
            drag->ignore();
            return true;
        }
        // A copy, never a move: a move would let the view clear the dragged rows itself.
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    case QEvent::Drop:
        dropOnTable(static_cast<QDropEvent *>(event));
        return true;
    default:
        return QMainWindow::eventFilter(watched, event);
    }
}

void MainWindow::dropOnTable(QDropEvent *event)
{
    QTableWidget *table = ui->tableWidget;
    if (isBusy()) {
        event->ignore();
        return;
    }
    // In front of the row under the pointer, or after it in its lower half.
    const QPoint pos = dropPosition(*event);
    int dropRow = table->rowAt(pos.y());
    if (dropRow < 0)
        dropRow = table->rowCount();
    else if (pos.y() > table->visualRect(table->model()->index(dropRow, 0)).center().y())
        ++dropRow;
    event->setDropAction(Qt::CopyAction);
    event->accept();

    if (event->source() == table) {
        const QVector<int> from = selectedRowIndexes(*table);
        const QVector<int> to = droppedRows(from, dropRow);
        if (!to.isEmpty())
            undoStack->push(new MoveRowsCommand(table, from, to, tr("Move")));
        return;
    }

    QStringList media;
    QStringList others;
    QStringList refused;
    const QList<QUrl> urls = event->mimeData()->urls();
    splitDroppedFiles(urls, &media, &others, &refused);
    if (!media.isEmpty()) {
        QVector<int> positions;
        PlaylistRows rows;
        for (const QString &file : qAsConst(media)) {
            positions.append(dropRow + positions.size());
            rows.append(rowForFile(file, durationText(*ui->timeEditTime),
                                   ui->comboBoxTransition->currentText()));
        }
        undoStack->push(new InsertRowsCommand(table, positions, rows, tr("Drop Files"), true));
        lookUpConvertedSources(media);
    }
    if (!refused.isEmpty()) {
        // After the event: a message box inside the drop would hold up the file manager.
        QTimer::singleShot(0, this, [this, refused] { refuseFiles(refused); });
    }
    // The others join the ones added at once where they were dropped, after a question.
    if (!others.isEmpty())
        bringInFiles(others, importPlaces(urls),
                     {dropRow, durationText(*ui->timeEditTime),
                      ui->comboBoxTransition->currentText(), tr("Drop Files"), true});
}

void MainWindow::refuseFiles(const QStringList &refused)
{
    dialogs->warning(this, tr("Add Files"),
                     tr("These files were not added: they are neither images nor videos this "
                        "computer can read, or they are gone.\n    %1\n\nCheck that they open "
                        "in an image viewer or a video player, then add them again.")
                         .arg(refused.join(QLatin1String("\n    "))));
}

void MainWindow::loadSelectedTime()
{
    const QVector<int> rows = selectedRowIndexes(*ui->tableWidget);
    bool onlyVideos = !rows.isEmpty();
    for (int r : rows) {
        const QTableWidgetItem *item = ui->tableWidget->item(r, ColumnTime);
        if (!item || !isVideoTime(item->text())) {
            onlyVideos = false;
            break;
        }
    }
    // A video plays for its own length: a time shown for it would be a lie.
    ui->timeEditTime->setEnabled(!onlyVideos);
    ui->timeEditTime->setToolTip(
        onlyVideos ? tr("Videos play for their own length. Select an image to set its time.")
                   : tr("How long the selected images show: type seconds (90), minutes and "
                        "seconds (1:30) or hh:mm:ss, then press Enter."));
    if (rows.size() != 1)
        return;
    const QTableWidgetItem *item = ui->tableWidget->item(rows.first(), ColumnTime);
    const QTime time =
        QTime::fromString(item ? item->text() : QString(), QStringLiteral("hh:mm:ss"));
    if (time.isValid())
        ui->timeEditTime->setTime(time);
}

void MainWindow::on_pushButtonAdd_clicked()
{
    if (isBusy())
        return;
    // On the stack: a Settings child of the window per click would pile up
    // for the whole session.
    Settings settings;
    readSettings(&settings);

    // The folder of the last file picked, with no file in it pre-selected:
    // Enter at once must not add that file again.
    const QString folder = folderOfLastMedia(settings);
    const QStringList filters = mediaFilters();
    dialogs->selectedFilter =
        filters.value(preferences().value(QLatin1String(mediaFilterKey)).toInt(), filters.first());
    const QStringList chosen = dialogs->getOpenFileNames(
        this, tr("Select one or more files to open"), Settings::startLocation(folder),
        filters.join(QLatin1String(";;")));
    if (chosen.isEmpty())
        return;
    const int filter = int(filters.indexOf(dialogs->selectedFilter));
    if (filter >= 0)
        preferences().setValue(QLatin1String(mediaFilterKey), filter);
    settings.PATH_MEDIA = QFileInfo(chosen.first()).absoluteFilePath();
    writeSettings(settings.PATH_MEDIA, settings.PATH_SAVE);
    // Any name passes "All files": what the player cannot take is looked into.
    QList<QUrl> urls;
    for (const QString &file : chosen)
        urls.append(QUrl::fromLocalFile(file));
    QStringList files;
    QStringList others;
    QStringList refused;
    splitDroppedFiles(urls, &files, &others, &refused);
    if (!refused.isEmpty())
        refuseFiles(refused);

    QTableWidget *table = ui->tableWidget;
    const int first = table->rowCount();
    QVector<int> positions;
    PlaylistRows rows;
    for (const QString &file : qAsConst(files)) {
        positions.append(first + positions.size());
        rows.append(rowForFile(file, durationText(*ui->timeEditTime),
                               ui->comboBoxTransition->currentText()));
    }
    if (!rows.isEmpty())
        undoStack->push(new InsertRowsCommand(table, positions, rows, tr("Add Files"), false));
    lookUpConvertedSources(files);
    if (!others.isEmpty())
        bringInFiles(others, importPlaces(urls),
                     {first, durationText(*ui->timeEditTime), ui->comboBoxTransition->currentText(),
                      tr("Add Files"), false});
}

void MainWindow::addFolder()
{
    if (isBusy())
        return;
    Settings settings;
    readSettings(&settings);
    const QString folder = folderOfLastMedia(settings);
    const QString chosen = dialogs->getExistingDirectory(this, tr("Select a folder of media"),
                                                         Settings::startLocation(folder));
    if (chosen.isEmpty())
        return;
    bringInFiles({chosen}, {0},
                 {ui->tableWidget->rowCount(), durationText(*ui->timeEditTime),
                  ui->comboBoxTransition->currentText(), tr("Add Folder"), false});
}

void MainWindow::on_pushButtonUp_clicked()
{
    const QVector<int> from = selectedRowIndexes(*ui->tableWidget);
    const QVector<int> to = shiftedRows(from, -1, ui->tableWidget->rowCount());
    if (!isBusy() && !to.isEmpty())
        undoStack->push(new MoveRowsCommand(ui->tableWidget, from, to, tr("Move Up")));
}

void MainWindow::on_pushButtonDown_clicked()
{
    const QVector<int> from = selectedRowIndexes(*ui->tableWidget);
    const QVector<int> to = shiftedRows(from, +1, ui->tableWidget->rowCount());
    if (!isBusy() && !to.isEmpty())
        undoStack->push(new MoveRowsCommand(ui->tableWidget, from, to, tr("Move Down")));
}

void MainWindow::on_pushButtonEdit_clicked()
{
    const QVector<int> selected = selectedRowIndexes(*ui->tableWidget);
    QVector<int> images;
    for (int r : selected) {
        const QTableWidgetItem *time = ui->tableWidget->item(r, ColumnTime);
        // A video's time is the clip's own.
        if (!time || !isVideoTime(time->text()))
            images.append(r);
    }
    if (isBusy() || selected.isEmpty())
        return;
    if (images.isEmpty()) {
        showNote(tr("Videos play for their own length: Apply changed nothing"));
        return;
    }
    undoStack->push(new SetTimingCommand(ui->tableWidget, images, durationText(*ui->timeEditTime),
                                         ui->comboBoxTransition->currentText(), tr("Apply")));
}

void MainWindow::on_pushButtonDelete_clicked()
{
    const QVector<int> selected = selectedRowIndexes(*ui->tableWidget);
    if (!isBusy() && !selected.isEmpty())
        undoStack->push(new RemoveRowsCommand(ui->tableWidget, selected, tr("Delete")));
}
