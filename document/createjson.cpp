#include "app/mainwindow.h"
#include "document/playlistdocument.h"
#include "playlist/playlisttable.h"
#include "ui_mainwindow.h"

QJsonObject MainWindow::createJsonFromTable(const QString &mediaDir) const
{
    return buildPlaylistDocument(tableRows(*ui->tableWidget), mediaDir,
                                 QDateTime::currentDateTime());
}
