// The main window: saving, as a new package or as an update of the open one.
#include "app/mainwindow.h"
#include "app/statusline.h"
#include "archive/text.h"

#include "app/userdialogs.h"
#include "media/mediaconvert.h"
#include "media/playcheck.h"
#include "media/screenfit.h"
#include "package/jobprogressdialog.h"
#include "package/packagenames.h"
#include "package/packageplan.h"
#include "playlist/playlisttable.h"
#include "playlist/tablemedia.h"
#include "playlist/tableundo.h"
#include "playlist/tableview.h"
#include "settings/settings.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
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
    if (!confirmReplacements(&plan) || !confirmMediaProblems() || offerFit(plan))
        return;
    Zip(plan);
}

// True when the save goes on after a fit job, or was cancelled.
bool MainWindow::offerFit(const SavePlan &plan)
{
    const QVector<TableMedia::Exceeding> exceeding = tableMedia->exceeding();
    if (exceeding.isEmpty())
        return false;
    QStringList lines;
    QStringList files;
    for (const TableMedia::Exceeding &file : exceeding) {
        if (lines.size() < 12)
            lines.append(tr("%1: %2").arg(QFileInfo(file.file).fileName(), file.why));
        files.append(file.file);
    }
    if (exceeding.size() > lines.size())
        lines.append(tr("… and %1 more").arg(exceeding.size() - lines.size()));
    const QString text =
        tr("These files are larger or richer than this screen and its player need, or show "
           "wrongly there:\n    %1\n\nFit them to "
           "the screen? The package then holds smaller copies, quicker to write to the stick; "
           "the files themselves are not changed.")
            .arg(lines.join(QLatin1String("\n    ")));
    const int choice = dialogs->choose(this, tr("Save"), text,
                                       {tr("Fit"), tr("Save As They Are"), tr("Cancel")}, 0, 2);
    if (choice == 1)
        return false;
    if (choice != 0)
        return true;
    const ScreenProfile profile = tableMedia->profile();
    const JobId job = jobs->submit<FitOutcome>(
        {QStringLiteral("media conversion")},
        [files, profile](JobControl *control) {
            FitOutcome outcome = fitFiles(files, profile, control);
            // Read here, not on the GUI thread: the notes beside the copies.
            for (int i = 0; i < outcome.copies.size(); ++i) {
                const QString original = convertedSource(outcome.copies.at(i));
                outcome.sources.append(original.isEmpty() ? outcome.files.at(i) : original);
            }
            return outcome;
        },
        [this, plan](const FitOutcome &outcome) { fittedForSave(outcome, plan); });
    startBusy(job, tr("Fitting media to the screen…"),
              tr("Finishing fitting the media before closing…"));
    return true;
}

void MainWindow::fittedForSave(const FitOutcome &outcome, const SavePlan &plan)
{
    endBusy();
    if (outcome.isCancelled()) {
        showNote(tr("Fitting cancelled; nothing saved"));
        return;
    }
    if (!outcome.failures.isEmpty()) {
        showNote(tr("Not saved"));
        dialogs->warning(this, tr("Save"),
                         tr("These files could not be fitted, so nothing was saved:\n\n%1")
                             .arg(outcome.failures.join(QLatin1Char('\n'))));
        finishSave(outcome.failures.first());
        return;
    }
    // The rows play the copies, as converted rows do: one step to undo.
    QTableWidget *table = ui->tableWidget;
    const PlaylistRows all = tableRows(*table);
    QVector<int> positions;
    PlaylistRows rows;
    for (int row = 0; row < all.size(); ++row) {
        const int at = int(outcome.files.indexOf(all.at(row).file));
        if (at < 0)
            continue;
        positions.append(row);
        PlaylistRow fitted = all.at(row);
        fitted.file = outcome.copies.at(at);
        rows.append(fitted);
    }
    if (!rows.isEmpty()) {
        undoStack->push(new ReplaceRowsCommand(table, positions, rows, tr("Fit to the Screen")));
        for (int i = 0; i < outcome.copies.size(); ++i)
            noteConvertedSource(table, outcome.copies.at(i), outcome.sources.at(i));
    }
    const QString before = savedSizeText(outcome.before);
    const QString after = savedSizeText(outcome.after);
    fitNote = outcome.files.size() == 1
                  ? tr("fitted 1 file: %1 → %2").arg(before, after)
                  : tr("fitted %1 files: %2 → %3").arg(outcome.files.size()).arg(before, after);
    showNote(fitNote);
    SavePlan again = makeSavePlan(plan.packagePath, plan.mediaDir, tableRows(*table), opened);
    again.replaceStoredInUse = plan.replaceStoredInUse;
    Zip(again);
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
        if (!fitNote.isEmpty())
            statusLabel->setText(statusLabel->text() + QStringLiteral(" · ") + fitNote);
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
    fitNote.clear();
    emit saveFinished(error);
}
