#include "app/mainwindow.h"
#include "app/userdialogs.h"
#include "document/playlistdocument.h"
#include "package/mediacheck.h"
#include "package/packageplan.h"
#include "package/staging.h"
#include "playlist/playlisttable.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

QStringList MainWindow::filesToAdd() const
{
    return unmatchedRowFiles(openedDocument, tableRows(*ui->tableWidget));
}

QStringList MainWindow::filesToDelete() const
{
    return unmatchedStoredNames(openedDocument, tableRows(*ui->tableWidget));
}

void MainWindow::saveOpen()
{
    const QString package = openedFileName;
    const QString nativePackage = QDir::toNativeSeparators(package);
    // The playlist's media live only in the package: without it there is nothing to update.
    if (!QFileInfo(package).isFile()) {
        finishSave(tr("The package %1 is no longer there, so it cannot be updated.\nReconnect "
                      "its drive or put it back, then save again.")
                       .arg(nativePackage));
        return;
    }

    QStringList additions = distinctFiles(filesToAdd());
    const QString refusal = describeUnsavableMedia(additions);
    if (!refusal.isEmpty()) {
        finishSave(refusal);
        return;
    }

    const QStringList replaced =
        storedNamesReplacedInUse(openedDocument, tableRows(*ui->tableWidget));
    if (!replaced.isEmpty()) {
        const QString text =
            tr("The package %1 already holds files of these names, and rows of the playlist "
               "play them:\n    %2\n\nReplace them with the files you added? Every row that "
               "plays one of these names will then play the new file. Cancel changes nothing.")
                .arg(nativePackage, replaced.join(QLatin1String("\n    ")));
        if (dialogs->question(this, tr("Replace files"), text) != UserDialogs::Answer::Yes)
            return;
    }

    // The new document is complete before anything is written to the package.
    updateStaging =
        std::make_unique<QTemporaryDir>(QDir::tempPath() + QLatin1String("/merovi-update-XXXXXX"));
    if (!updateStaging->isValid()) {
        const QString cause = updateStaging->errorString();
        updateStaging.reset();
        finishSave(tr("Cannot prepare the update of %1 in %2: %3.")
                       .arg(nativePackage, QDir::toNativeSeparators(QDir::tempPath()), cause));
        return;
    }
    const QString documentPath = updateStaging->path() + QLatin1Char('/') + documentEntryName();
    QString error;
    if (!writeDocumentFile(documentPath, renderPlaylistDocument(createJsonFromTable(package)),
                           &error)) {
        updateStaging.reset();
        finishSave(error + QLatin1Char('\n') +
                   tr("The package %1 is unchanged.").arg(nativePackage));
        return;
    }
    additions.append(documentPath);

    pendingPackage = package;
    startBusy();
    emit updateFiles(filesToDelete(), additions, package);
}

void MainWindow::handleFilesUpdated(const QString &error)
{
    updateStaging.reset();
    if (error.isEmpty()) {
        finishSave({});
        return;
    }
    finishSave(error + QLatin1String("\n\n") +
               tr("The package is unchanged. Check that the drive is connected, writable and "
                  "has room, then save again."));
}
