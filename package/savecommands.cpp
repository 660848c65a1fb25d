// The main window: saving, as a new package or as an update of the open one.
#include "app/mainwindow.h"

#include "app/userdialogs.h"
#include "package/packagenames.h"
#include "package/packageplan.h"
#include "playlist/playlisttable.h"
#include "settings/settings.h"
#include "ui_mainwindow.h"

#include <QDir>

namespace {

QString quoted(const QString &path)
{
    return MainWindow::tr("“%1”").arg(QDir::toNativeSeparators(path));
}

} // namespace

void MainWindow::on_pushButtonSave_clicked()
{
    if (ui->tableWidget->rowCount() == 0 || jobRunning)
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
        const QString error = tr("Cannot save as %1: the name is empty before its extension.\n"
                                 "Choose a name such as show.mrv.")
                                  .arg(quoted(chosen));
        dialogs->critical(this, tr("Save"), error);
        finishSave(error);
        return;
    }
    emit settingsChanged(settings.PATH_MEDIA, names.folder);

    SavePlan plan;
    plan.packagePath = names.packagePath;
    plan.mediaDir = chosen;
    plan.rows = tableRows(*ui->tableWidget);
    plan.buildTime = QDateTime::currentDateTime();
    Zip(plan);
}

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
    SavePlan plan;
    plan.packagePath = openedFileName;
    plan.mediaDir = openedFileName;
    plan.rows = tableRows(*ui->tableWidget);
    plan.buildTime = QDateTime::currentDateTime();
    plan.sourcePackage = openedFileName;
    plan.sourceDocument = openedDocument;
    plan.sourceIdentity = openedIdentity;

    const QStringList replaced = storedNamesReplacedInUse(openedDocument, plan.rows);
    if (!replaced.isEmpty()) {
        const QString text =
            tr("The package %1 already holds files of these names, and rows of the playlist "
               "play them:\n    %2\n\nReplace them with the files you added? Every row that "
               "plays one of these names will then play the new file. Cancel changes nothing.")
                .arg(quoted(openedFileName), replaced.join(QLatin1String("\n    ")));
        if (dialogs->question(this, tr("Replace files"), text) != UserDialogs::Answer::Yes)
            return;
        plan.replaceStoredInUse = true;
    }
    Zip(plan);
}

void MainWindow::handleResults(const SaveOutcome &outcome)
{
    endBusy();
    switch (outcome.status) {
    case SaveOutcome::Status::Saved:
        if (outcome.contents.path.isEmpty()) {
            // Written, but not readable: the table keeps what the user made.
            openedFileName = runningPlan.packagePath;
        } else {
            showPackage(outcome.contents);
        }
        if (!outcome.warning.isEmpty())
            dialogs->warning(this, tr("Save"), outcome.warning);
        finishSave({});
        return;
    case SaveOutcome::Status::SourceChanged: {
        const int choice = dialogs->choose(
            this, tr("Save"),
            tr("The package %1 was changed by another program since you opened it. Reload it "
               "(your edits are lost), save over it anyway, or cancel.")
                .arg(quoted(runningPlan.packagePath)),
            {tr("Reload"), tr("Save Anyway"), tr("Cancel")}, 2, 2);
        if (choice == 0) {
            finishSave(outcome.error);
            openFile(runningPlan.sourcePackage);
        } else if (choice == 1) {
            SavePlan plan = runningPlan;
            plan.overwriteChanged = true;
            Zip(plan);
        } else {
            finishSave(outcome.error);
        }
        return;
    }
    case SaveOutcome::Status::Failed:
        dialogs->critical(this, tr("Save"), outcome.error);
        finishSave(outcome.error);
        return;
    }
}

void MainWindow::finishSave(const QString &error)
{
    emit saveFinished(error);
}
