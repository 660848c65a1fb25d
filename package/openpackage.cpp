#include "app/mainwindow.h"

#include "app/userdialogs.h"
#include "package/packagereader.h"
#include "playlist/playlisttable.h"
#include "settings/settings.h"
#include "ui_mainwindow.h"

void MainWindow::on_pushButtonOpen_clicked()
{
    // The busy dialog blocks the button; this also holds if the slot is invoked directly.
    if (!pendingPackage.isEmpty())
        return;
    Settings settings;
    settings.Read();
    const QString path = dialogs->getOpenFileName(this, tr("Select file to save"),
                                                  Settings::startLocation(settings.PATH_SAVE),
                                                  tr("Merovi file (*.mrv)"));
    if (path.isEmpty())
        return;
    // openFile tells the user itself when the package cannot be read.
    (void)openFile(path);
}

bool MainWindow::openFile(const QString &path)
{
    QString error;
    if (loadPackage(path, &error))
        return true;
    dialogs->critical(this, tr("Open"),
                      error + QLatin1String("\n\n") +
                          tr("The playlist on screen was kept. Choose a playlist package saved "
                             "by this program."));
    return false;
}

bool MainWindow::loadPackage(const QString &path, QString *error)
{
    QJsonObject root;
    if (!readPackageDocument(path, &root, error))
        return false;

    ui->tableWidget->setRowCount(0);
    for (const PlaylistRow &row : rowsFromDocument(root, ui->comboBoxTransition->currentText()))
        appendRow(*ui->tableWidget, row);
    ui->tableWidget->resizeColumnsToContents();
    openedFileName = path;
    openedDocument = root;
    return true;
}
