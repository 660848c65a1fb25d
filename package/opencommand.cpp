// The main window: opening a package.
#include "app/mainwindow.h"
#include "archive/text.h"

#include "app/userdialogs.h"
#include "document/playlistdocument.h"
#include "package/jobprogressdialog.h"
#include "playlist/playlisttable.h"
#include "playlist/tablemedia.h"
#include "settings/settings.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <QUndoStack>

void MainWindow::on_pushButtonOpen_clicked()
{
    // The busy dialog blocks the button; this also holds if the slot is invoked directly.
    if (isBusy())
        return;
    if (hasUnsavedChanges() &&
        !settleUnsavedChanges(tr("Save them before opening another package?"),
                              [this] { on_pushButtonOpen_clicked(); }))
        return;
    Settings settings;
    readSettings(&settings);
    const QString path = dialogs->getOpenFileName(this, tr("Select file to save"),
                                                  Settings::startLocation(settings.PATH_SAVE),
                                                  tr("Merovi file (*.mrv)"));
    if (path.isEmpty())
        return;
    openFile(path);
}

void MainWindow::openFile(const QString &path)
{
    if (isBusy())
        return;
    // Absolute, so messages and Save name the package the same from any folder.
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString transition = ui->comboBoxTransition->currentText();
    const JobId job = jobs->submit<OpenOutcome>(
        {absolute}, [absolute, transition](JobControl *) { return runOpen(absolute, transition); },
        [this, absolute](const OpenOutcome &outcome) { handlePackageRead(absolute, outcome); });
    // Most packages read in a blink; the dialog only shows for a slow drive.
    startBusy(job, tr("Reading the package..."),
              tr("Finishing reading the package before closing…"), 300);
}

void MainWindow::handlePackageRead(const QString &path, const OpenOutcome &outcome)
{
    endBusy();
    const QString &error = outcome.error;
    const PackageContents &contents = outcome.contents;
    if (!outcome.isDone()) {
        dialogs->critical(this, tr("Open"),
                          error + QLatin1String("\n\n") +
                              tr("The playlist on screen was kept. Choose a playlist package "
                                 "saved by this program."));
        emit openFinished(error);
        return;
    }
    Q_UNUSED(path)
    showPackage(contents);
    reportOpened(contents.path, contents.rows.size());
    if (!contents.missingMedia.isEmpty()) {
        dialogs->warning(
            this, tr("Open"),
            tr("The package %1 lacks media files its playlist names; the player "
               "will skip or stop at them:\n    %2\n\nAdd these files again, or "
               "delete their rows.")
                .arg(quoted(contents.path), contents.missingMedia.join(QLatin1String("\n    "))));
    }
    emit openFinished({});
}

void MainWindow::showPackage(const PackageContents &contents)
{
    tableMedia->setPackage(contents.path, galleryStoredNames(contents.document));
    setTableRows(*ui->tableWidget, contents.rows);
    opened = contents;
    // The table now shows the package as read back: earlier steps would
    // refer to rows that no longer read the same.
    undoStack->clear();
    updateTitle();
}
