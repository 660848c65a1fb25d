#include "app/mainwindow.h"

void MainWindow::saveOpen() {}
QStringList MainWindow::filesToAdd() const
{
    return {};
}
QStringList MainWindow::filesToDelete() const
{
    return {};
}
void MainWindow::handleFilesUpdated(const QString &) {}
