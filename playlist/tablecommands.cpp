// Table editing commands of the main window.
#include "app/mainwindow.h"

void MainWindow::on_pushButtonAdd_clicked() {}
void MainWindow::on_pushButtonUp_clicked() {}
void MainWindow::on_pushButtonDown_clicked() {}
void MainWindow::on_pushButtonEdit_clicked() {}
void MainWindow::on_pushButtonDelete_clicked() {}
