#include "app/mainwindow.h"

void MainWindow::on_pushButtonOpen_clicked() {}

bool MainWindow::openFile(const QString &)
{
    return false;
}
