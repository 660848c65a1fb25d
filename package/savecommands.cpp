// The main window: saving, as a new package or as an update of the open one.
#include "app/mainwindow.h"
#include "archive/text.h"

#include "app/userdialogs.h"
#include "media/playcheck.h"
#include "package/jobprogressdialog.h"
#include "package/packagenames.h"
#include "package/packageplan.h"
#include "playlist/playlisttable.h"
#include "playlist/tablemedia.h"
#include "settings/settings.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <QUndoStack>

void MainWindow::on_pushButtonSave_clicked()
{
    if (isBusy())
        return;
    if (!opened.isOpen()) {
        if (ui->tableWidget->rowCount() == 0)
            showNote(tr("Nothing to save: add files to the playlist first"));
        else
            saveNew();
        return;
    }
    // Rewriting an unchanged package takes minutes on a slow stick and gains nothing.
    if (!hasUnsavedChanges()) {
        showNote(tr("No changes to save"));
        return;
    }
    if (ui->tableWidget->rowCount() == 0 && !confirmEmptySave())
        return;
    saveOpen();
}

void MainWindow::saveAs()
{
    if (isBusy())
        return;
    if (ui->tableWidget->rowCount() == 0 && (!opened.isOpen() || !confirmEmptySave())) {
        if (!opened.isOpen())
            showNote(tr("Nothing to save: add files to the playlist first"));
        return;
    }
    saveNew();
}

bool MainWindow::confirmEmptySave()
{
    return dialogs->question(this, tr("Save"),
                             tr("Save an empty playlist? The player will then show nothing.")) ==
           UserDialogs::Answer::Yes;
}

bool MainWindow::confirmReplacements(SavePlan *plan)
{
    const QStringList replaced = storedNamesReplacedInUse(plan->sourceDocument, plan->rows);
    if (replaced.isEmpty())
        return true;
    const QString text =
        tr("The package %1 already holds files of these names, and rows of the playlist "
           "play them:\n    %2\n\nReplace them with the files you added? Every row that "
           "plays one of these names will then play the new file. Cancel changes nothing.")
            .arg(quoted(plan->sourcePackage), replaced.join(QLatin1String("\n    ")));
    if (dialogs->question(this, tr("Replace files"), text) != UserDialogs::Answer::Yes)
        return false;
    plan->replaceStoredInUse = true;
    return true;
}

// Writes a new package: the first save of a playlist, or Save As. Media that
// live only in the open package are copied from it entry by entry.
void MainWindow::saveNew()
{
    Settings settings;
    readSettings(&settings);
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
    // The dialog asked only about the name typed; ".mrv" may make it another
    // file, and replacing a package unasked loses every file in it.
    if (names.packagePath != chosen && QFileInfo::exists(names.packagePath)) {
        const QString text = tr("The package %1 exists already. Replace it with this playlist? "
                                "Everything it holds is then lost.")
                                 .arg(quoted(names.packagePath));
        if (dialogs->choose(this, tr("Save"), text, {tr("Replace"), tr("Cancel")}, 1, 1) != 0)
            return;
    }
    writeSettings(settings.PATH_MEDIA, names.folder);
    saveTable(names.packagePath, chosen);
}

// Both roads save the same plan: the rows, and the open package they may
// take stored media from. Writing to the open package itself is an update.
void MainWindow::saveTable(const QString &packagePath, const QString &mediaDir)
{
    SavePlan plan = makeSavePlan(packagePath, mediaDir, tableRows(*ui->tableWidget), opened);
    tableMedia->recheck(); // a file gone since shows; the save itself refuses it
    if (!confirmReplacements(&plan) || !confirmMediaProblems())
        return;
    Zip(plan);
}

void MainWindow::saveOpen()
{
    saveTable(opened.path, opened.path);
}

// Runs the plan as a job on the package it writes and the one it reads from.
void MainWindow::Zip(const SavePlan &plan)
{
    emit operate(plan);
    QStringList keys{plan.packagePath};
    if (!plan.sourcePackage.isEmpty() && plan.sourcePackage != plan.packagePath)
        keys.append(plan.sourcePackage);
    const JobId job = jobs->submit<SaveOutcome>(
        keys, [plan](JobControl *control) { return runSavePlan(plan, control); },
        [this, plan](const SaveOutcome &outcome) { handleResults(plan, outcome); });
    startBusy(job, tr("Compiling media..."), tr("Finishing the save before closing…"));
}

bool MainWindow::confirmMediaProblems()
{
    const QStringList problems = tableMedia->problems();
    if (problems.isEmpty())
        return true;
    const QString text = mayNotPlayText(problems) + QLatin1String("\n\n") + tr("Save anyway?");
    return dialogs->choose(this, tr("Save"), text, {tr("Save Anyway"), tr("Cancel")}, 1, 1) == 0;
}

void MainWindow::handleResults(const SavePlan &plan, const SaveOutcome &outcome)
{
    endBusy();
    switch (outcome.status) {
    case SaveOutcome::Status::Done:
        // Also when reading it back failed: the outcome then holds the package
        // as written, so the next save starts from it.
        showPackage(outcome.contents);
        reportSaved(outcome.contents.path.isEmpty() ? plan.packagePath : outcome.contents.path,
                    outcome.contents.identity.size, outcome.verifyMs);
        if (!outcome.warning.isEmpty())
            dialogs->warning(this, tr("Save"), outcome.warning);
        finishSave({});
        return;
    case SaveOutcome::Status::ChangedElsewhere: {
        const int choice = dialogs->choose(
            this, tr("Save"),
            tr("The package %1 was changed by another program since you opened it. Reload it "
               "(your edits are lost), save over it anyway, or cancel.")
                .arg(quoted(plan.packagePath)),
            {tr("Reload"), tr("Save Anyway"), tr("Cancel")}, 2, 2);
        if (choice == 0) {
            finishSave(outcome.error);
            openFile(plan.sourcePackage);
        } else if (choice == 1) {
            SavePlan again = plan;
            again.overwriteChanged = true;
            Zip(again);
        } else {
            finishSave(outcome.error);
        }
        return;
    }
    case SaveOutcome::Status::Cancelled:
        showNote(tr("Save cancelled"));
        dialogs->warning(this, tr("Save"), outcome.error);
        finishSave(outcome.error);
        return;
    case SaveOutcome::Status::Failed:
        showNote(tr("Not saved"));
        tableMedia->selectRowsOf(outcome.refusedFiles);
        dialogs->critical(this, tr("Save"), outcome.error);
        finishSave(outcome.error);
        return;
    }
}

void MainWindow::finishSave(const QString &error)
{
    emit saveFinished(error);
}
