// The main window: the preview of the playlist.
#include "app/mainwindow.h"

#include "document/playlistdocument.h"
#include "playlist/playlisttable.h"
#include "preview/previewwindow.h"
#include "ui_mainwindow.h"

#include <QScreen>

namespace {

// The preview goes beside the window, on the side with more room, so the
// table stays in sight; made narrower to fit, down to a usable size. Without
// such room it goes to that side's edge of the screen, over as little as may be.
void placeBeside(QWidget *preview, const QWidget *window)
{
    const QRect screen = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    const int right = screen.right() - frame.right();
    const int left = frame.left() - screen.left();
    const int room = qMax(right, left) - 8;
    const QSize size =
        preview->size().boundedTo(QSize(room, screen.height() - 32)).expandedTo(QSize(480, 300));
    preview->resize(size);
    const int x = right >= left ? qMin(frame.right() + 9, screen.right() + 1 - size.width())
                                : qMax(frame.left() - 8 - size.width(), screen.left());
    const int y = qBound(screen.top(), frame.top(), screen.bottom() + 1 - size.height());
    preview->move(x, y);
}

} // namespace

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
    placeBeside(previewWindow, this);
    previewWindow->show();
    previewWindow->activateWindow();
}
