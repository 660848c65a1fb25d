#include "app/logging.h"
#include "app/mainwindow.h"
#include "app/userdialogs.h"
#include "document/playlistdocument.h"
#include "package/mediacheck.h"
#include "package/packagenames.h"
#include "package/packageplan.h"
#include "package/staging.h"
#include "playlist/playlisttable.h"
#include "settings/settings.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QProgressDialog>
#include <QTemporaryDir>

void MainWindow::on_pushButtonSave_clicked()
{
    if (ui->tableWidget->rowCount() == 0 || !pendingPackage.isEmpty())
        return;
    if (openedFileName.isEmpty())
        saveNew();
    else
        saveOpen();
}

void MainWindow::saveNew()
{
    Settings settings;
    settings.Read();
    const QString chosen = dialogs->getSaveFileName(this, tr("Select file to save"),
                                                    Settings::startLocation(settings.PATH_SAVE),
                                                    tr("Merovi file (*.mrv)"));
    if (chosen.isEmpty())
        return;

    PackageNames names;
    if (!derivePackageNames(chosen, &names)) {
        finishSave(tr("Cannot save as %1: the name is empty before its extension.\nChoose a name "
                      "such as show.mrv.")
                       .arg(QDir::toNativeSeparators(chosen)));
        return;
    }

    QStringList files;
    for (const PlaylistRow &row : tableRows(*ui->tableWidget))
        files.append(row.file);
    const QStringList media = distinctFiles(files);
    const QString refusal = describeUnsavableMedia(media);
    if (!refusal.isEmpty()) {
        finishSave(refusal);
        return;
    }

    // Only the start folder of the next dialog depends on it.
    settings.PATH_SAVE = names.folder;
    if (!settings.Save())
        qCWarning(lcMerovi) << "start folder not remembered:" << settings.errorString();

    // A private folder: nothing of the user's is ever packed or removed with it.
    QTemporaryDir staging(QDir::tempPath() + QLatin1String("/merovi-save-XXXXXX"));
    if (!staging.isValid()) {
        finishSave(tr("Cannot prepare the package in %1: %2.")
                       .arg(QDir::toNativeSeparators(QDir::tempPath()), staging.errorString()));
        return;
    }
    QString error;
    if (!stageNewPackage(staging.path(), renderPlaylistDocument(createJsonFromTable(chosen)), media,
                         &error)) {
        finishSave(error + QLatin1Char('\n') + tr("Nothing was written."));
        return;
    }
    // From here the worker owns the folder and removes it.
    staging.setAutoRemove(false);
    pendingPackage = names.packagePath;
    Zip(staging.path(), names.packagePath);
}

void MainWindow::handleResults(const QString &error)
{
    if (error.isEmpty()) {
        finishSave({});
        return;
    }
    finishSave(error + QLatin1String("\n\n") +
               tr("No file was replaced or left half-written. Check that the drive is connected, "
                  "writable and has room, then save again."));
}

void MainWindow::finishSave(const QString &error)
{
    progressDialog->close();
    const QString written = pendingPackage;
    pendingPackage.clear();

    QString message = error;
    QString readError;
    if (message.isEmpty() && !loadPackage(written, &readError)) {
        message = tr("The playlist was saved, but it cannot be read back.") + QLatin1Char('\n') +
                  readError + QLatin1String("\n\n") + tr("The playlist on screen was kept.");
    }
    if (!message.isEmpty())
        dialogs->critical(this, tr("Save"), message);
    emit saveFinished(message);
}
