// The main window: text slides, made and edited again in the program.
#include "app/mainwindow.h"

#include "app/userdialogs.h"
#include "jobs/joboutcome.h"
#include "media/textslide.h"
#include "playlist/playlisttable.h"
#include "playlist/tablemedia.h"
#include "playlist/tableundo.h"
#include "settings/preferences.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QJsonDocument>
#include <QMenu>
#include <QUndoStack>

namespace {

// The layout, colours and font of the last slide made, for the next one.
const char slideStyleKey[] = "textSlideStyle";

struct SlideOutcome : JobOutcome
{
    QString image; // the slide drawn, when done
};

struct SlideFound
{
    bool found = false;
    SlideSource source;
};

} // namespace

void MainWindow::setupSlides(QMenu *menu)
{
    auto *newSlide = new QAction(tr("New &Text Slide…"), this);
    newSlide->setObjectName(QStringLiteral("actionNewTextSlide"));
    connect(newSlide, &QAction::triggered, this, &MainWindow::newTextSlide);
    commandActions.append(newSlide);
    menu->addAction(newSlide);
    // Beside Add Files and Add Folder on the Add button's context menu.
    ui->pushButtonAdd->addAction(newSlide);
    connect(ui->tableWidget, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { editTextSlide(row); });
}

void MainWindow::newTextSlide()
{
    if (isBusy())
        return;
    SlideSource source;
    const QJsonObject style =
        QJsonDocument::fromJson(preferences().value(QLatin1String(slideStyleKey)).toByteArray())
            .object();
    if (!source.read(style))
        source = SlideSource();
    if (!dialogs->editSlide(this, tableMedia->profile().screenSize(), &source))
        return;
    SlideSource kept = source;
    kept.headline.clear();
    kept.lines.clear();
    kept.price.clear();
    QJsonObject json;
    kept.write(json);
    preferences().setValue(QLatin1String(slideStyleKey),
                           QJsonDocument(json).toJson(QJsonDocument::Compact));
    makeSlide(source, -1, {});
}

void MainWindow::editTextSlide(int row)
{
    const QTableWidgetItem *item = ui->tableWidget->item(row, ColumnFile);
    if (isBusy() || !item)
        return;
    // The slide's source is read from the cache folder off the GUI thread.
    const QString file = item->text();
    const JobId job = jobs->submit<SlideFound>(
        {},
        [file](JobControl *) {
            SlideFound found;
            found.found = findSlideSource(file, &found.source);
            return found;
        },
        [this, row, file](SlideFound found) {
            endBusy();
            if (found.found &&
                dialogs->editSlide(this, tableMedia->profile().screenSize(), &found.source))
                makeSlide(found.source, row, file);
        });
    startBusy(job, tr("Opening the slide…"), tr("Finishing the slide before closing…"), 300);
}

void MainWindow::makeSlide(const SlideSource &source, int row, const QString &file)
{
    const QSize screen = tableMedia->profile().screenSize();
    const JobId job = jobs->submit<SlideOutcome>(
        {},
        [source, screen](JobControl *) {
            SlideOutcome outcome;
            if (writeSlide(source, screen, &outcome.image, &outcome.error))
                outcome.status = JobOutcome::Status::Done;
            return outcome;
        },
        [this, row, file](const SlideOutcome &outcome) {
            endBusy();
            if (!outcome.isDone()) {
                dialogs->warning(this, tr("Text Slide"), outcome.error);
                return;
            }
            QTableWidget *table = ui->tableWidget;
            const PlaylistRows rows = tableRows(*table);
            // A new image file each time: the old one may be in a saved package.
            if (row >= 0 && row < rows.size() && rows.at(row).file == file) {
                PlaylistRow edited = rows.at(row);
                edited.file = outcome.image;
                undoStack->push(
                    new ReplaceRowsCommand(table, {row}, {edited}, tr("Edit Text Slide")));
                return;
            }
            const int at = rows.size();
            undoStack->push(new InsertRowsCommand(
                table, {at},
                {rowForFile(outcome.image,
                            ui->timeEditTime->time().toString(QStringLiteral("hh:mm:ss")),
                            ui->comboBoxTransition->currentText())},
                tr("New Text Slide"), true));
        });
    startBusy(job, tr("Making the slide…"), tr("Finishing the slide before closing…"), 300);
}
