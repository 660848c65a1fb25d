// The main window: "Fit the Loop to…", the images' times spread over a loop's length.
#include "app/mainwindow.h"

#include "app/userdialogs.h"
#include "playlist/duration.h"
#include "playlist/playlisttable.h"
#include "playlist/tablemedia.h"
#include "playlist/tableundo.h"
#include "ui_mainwindow.h"

#include <QUndoStack>

void MainWindow::fitLoopLength()
{
    if (isBusy())
        return;
    QTableWidget *table = ui->tableWidget;
    const PlaylistRows rows = tableRows(*table);
    QVector<qint64> videoMs;
    qint64 now = 0;
    for (int r = 0; r < rows.size(); ++r) {
        videoMs.append(rows.at(r).isVideo() ? tableMedia->videoLengthMs(r) : -1);
        now += rows.at(r).isVideo() ? videoSeconds(videoMs.last())
                                    : qMax<qint64>(0, secondsOf(rows.at(r).time));
    }
    // What no length can mend (no image, a video's length unknown) is said
    // before asking for one.
    const int longest = 999 * 60 + 59;
    QStringList times;
    QString why;
    if (!fitLoop(rows, videoMs, longest, &times, &why)) {
        dialogs->warning(this, tr("Fit the Loop"), why);
        return;
    }
    const int seconds = dialogs->getLoopLength(this, int(qMin<qint64>(now, longest)));
    if (seconds < 0)
        return;
    if (!fitLoop(rows, videoMs, seconds, &times, &why)) {
        dialogs->warning(this, tr("Fit the Loop"), why);
        return;
    }
    QVector<int> images;
    PlaylistRows fitted;
    for (int r = 0; r < rows.size(); ++r) {
        if (rows.at(r).isVideo())
            continue;
        images.append(r);
        fitted.append({times.at(r), rows.at(r).file, rows.at(r).transition});
    }
    undoStack->push(new ReplaceRowsCommand(table, images, fitted, tr("Fit the Loop")));
    showNote(tr("The loop now lasts %1")
                 .arg(QTime(0, 0).addSecs(seconds).toString(QStringLiteral("H:mm:ss"))));
}
