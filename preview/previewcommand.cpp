// The main window: the preview of the playlist.
#include "app/mainwindow.h"

#include "package/packageplan.h"
#include "playlist/playlisttable.h"
#include "preview/previewwindow.h"
#include "ui_mainwindow.h"

void MainWindow::showPreview()
{
    const PlaylistRows rows = tableRows(*ui->tableWidget);
    if (rows.isEmpty()) {
        showNote(tr("Nothing to preview: add files to the playlist first"));
        return;
    }
    // One preview at a time: a new one starts from the rows as they are now.
    if (previewWindow)
        previewWindow->close();
    const QVector<int> selected = selectedRowIndexes(*ui->tableWidget);
    previewWindow =
        new PreviewWindow(previewItems(rows, opened.path, galleryStoredNames(opened.document)),
                          selected.isEmpty() ? 0 : selected.first(), this);
    previewWindow->show();
    previewWindow->activateWindow();
}
