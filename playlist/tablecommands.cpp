// The main window: the table editing commands.
#include "app/mainwindow.h"

#include "app/userdialogs.h"
#include "playlist/playlisttable.h"
#include "settings/settings.h"
#include "ui_mainwindow.h"

#include <QFileInfo>

namespace {

QString durationText(const QTimeEdit &edit)
{
    return edit.time().toString(QStringLiteral("hh:mm:ss"));
}

} // namespace

void MainWindow::on_pushButtonAdd_clicked()
{
    // On the stack: a Settings child of the window per click would pile up
    // for the whole session.
    Settings settings;
    settings.Read();

    const QStringList files = dialogs->getOpenFileNames(
        this, tr("Select one or more files to open"), Settings::startLocation(settings.PATH_MEDIA),
        tr("Media (*.png *.jpg *.mp4 *.avi)"));
    if (!files.isEmpty()) {
        // The file itself, not its folder: the next dialog opens with it selected.
        settings.PATH_MEDIA = QFileInfo(files.first()).absoluteFilePath();
        emit settingsChanged(settings.PATH_MEDIA, settings.PATH_SAVE);
    }

    appendFiles(*ui->tableWidget, files, durationText(*ui->timeEditTime),
                ui->comboBoxTransition->currentText());
    ui->tableWidget->resizeColumnsToContents();
}

void MainWindow::on_pushButtonUp_clicked()
{
    moveCurrentRowUp(*ui->tableWidget);
}

void MainWindow::on_pushButtonDown_clicked()
{
    moveCurrentRowDown(*ui->tableWidget);
}

void MainWindow::on_pushButtonEdit_clicked()
{
    applyToCurrentRow(*ui->tableWidget, durationText(*ui->timeEditTime),
                      ui->comboBoxTransition->currentText());
}

void MainWindow::on_pushButtonDelete_clicked()
{
    removeCurrentRow(*ui->tableWidget);
}
