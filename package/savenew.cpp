#include "app/mainwindow.h"

void MainWindow::on_pushButtonSave_clicked() {}
void MainWindow::saveNew() {}
void MainWindow::handleResults(const QString &) {}
void MainWindow::finishSave(const QString &) {}
