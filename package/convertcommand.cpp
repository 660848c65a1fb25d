// The main window: files the player cannot take as they are, looked into and
// converted as jobs after one question, then added as rows playing the copies.
#include "app/mainwindow.h"

#include "app/userdialogs.h"
#include "package/jobprogressdialog.h"
#include "package/mediaimport.h"
#include "playlist/playlisttable.h"
#include "playlist/tableundo.h"
#include "playlist/tableview.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QFileInfo>
#include <QUndoStack>

namespace {

// Conversions wait for one another: two at once would only halve each one's speed.
QString conversionKey()
{
    return QStringLiteral("media conversion");
}

// Marks the look at files being added, the one job a close may stop.
QString lookingKey()
{
    return QStringLiteral("looking at files to add");
}

// A message box as tall as a thousand files would not fit on the screen.
QStringList shortened(QStringList lines)
{
    constexpr int shown = 12;
    if (lines.size() > shown + 1) {
        const int more = int(lines.size()) - shown;
        lines.erase(lines.begin() + shown, lines.end());
        lines.append(MainWindow::tr("… and %1 more").arg(more));
    }
    return lines;
}

} // namespace

void MainWindow::bringInFiles(const QStringList &files, const QVector<int> &places,
                              const ImportPlace &place)
{
    const JobId job = jobs->submit<QVector<ImportPlan>>(
        {conversionKey(), lookingKey()},
        [files, places](JobControl *control) { return planImports(files, places, control); },
        [this, place](const QVector<ImportPlan> &plans) { askConversions(plans, place); });
    // A probe is quick on a local disk; the dialog only shows for a slow one.
    startBusy(job, tr("Looking at the files..."),
              tr("Finishing looking at the files before closing…"), 300);
}

void MainWindow::stopLookingAtFiles()
{
    if (jobs->hasKey(progressDialog->job(), lookingKey()))
        jobs->cancel(progressDialog->job());
}

void MainWindow::askConversions(const QVector<ImportPlan> &plans, const ImportPlace &place)
{
    // Also when the look ended before the cancel reached it.
    const bool closing = progressDialog->isClosing();
    endBusy();
    if (closing)
        return;
    QStringList refused;
    QStringList lines;
    QVector<ImportPlan> wanted;
    QVector<ImportPlan> asTheyAre; // from folders
    for (const ImportPlan &plan : plans) {
        if (plan.refused) {
            refused.append(QDir::toNativeSeparators(plan.source));
            continue;
        }
        wanted.append(plan);
        if (plan.plan.kind == ConversionPlan::Kind::None) {
            asTheyAre.append(plan);
            continue;
        }
        lines.append(
            tr("%1 → %2 (%3)")
                .arg(QFileInfo(plan.source).fileName(), plan.plan.storedName, plan.plan.how));
    }
    if (!refused.isEmpty())
        refuseFiles(refused);
    if (lines.isEmpty()) {
        if (!asTheyAre.isEmpty())
            addConverted(convertImports(asTheyAre, nullptr), place);
        return;
    }
    const QString text =
        tr("The player takes PNG and JPEG images and MP4 and AVI videos. These files will be "
           "converted, and the playlist will play the converted copies:\n    %1\n\nThe files "
           "themselves are not changed.")
            .arg(shortened(lines).join(QLatin1String("\n    ")));
    if (dialogs->choose(this, place.command, text, {tr("Convert"), tr("Cancel")}, 0, 1) != 0) {
        if (!asTheyAre.isEmpty())
            addConverted(convertImports(asTheyAre, nullptr), place);
        showNote(tr("Nothing converted"));
        return;
    }
    const JobId job = jobs->submit<ImportOutcome>(
        {conversionKey()},
        [wanted](JobControl *control) { return convertImports(wanted, control); },
        [this, place](const ImportOutcome &outcome) { addConverted(outcome, place); });
    startBusy(job, tr("Converting media..."), tr("Finishing the conversion before closing…"));
}

void MainWindow::addConverted(const ImportOutcome &outcome, const ImportPlace &place)
{
    endBusy();
    QTableWidget *table = ui->tableWidget;
    QVector<int> positions;
    PlaylistRows rows;
    int converted = 0;
    for (int i = 0; i < outcome.copies.size(); ++i) {
        if (outcome.copies.at(i) != outcome.sources.at(i)) {
            noteConvertedSource(table, outcome.copies.at(i), outcome.sources.at(i));
            ++converted;
        }
        // Among the rows added at once, where it was picked; places never decrease.
        positions.append(qMin(place.row + outcome.places.value(i) + i, table->rowCount() + i));
        rows.append(rowForFile(outcome.copies.at(i), place.time, place.transition));
    }
    if (!rows.isEmpty())
        undoStack->push(new InsertRowsCommand(table, positions, rows, place.command, place.select));
    if (outcome.isCancelled())
        showNote(tr("Conversion cancelled"));
    else if (converted > 0)
        showNote(converted == 1 ? tr("Converted 1 file") : tr("Converted %1 files").arg(converted));
    if (!outcome.failures.isEmpty())
        dialogs->warning(this, place.command,
                         tr("These files were not added:\n\n%1")
                             .arg(shortened(outcome.failures).join(QLatin1String("\n"))));
}

void MainWindow::lookUpConvertedSources(const QStringList &files)
{
    QStringList copies;
    for (const QString &file : files)
        if (isConvertedCopy(file))
            copies.append(file);
    if (copies.isEmpty())
        return;
    // A copy from an earlier session, added again: its note says what it was made from.
    jobs->submit<QStringList>(
        {conversionKey()},
        [copies](JobControl *) {
            QStringList sources;
            for (const QString &copy : copies)
                sources.append(convertedSource(copy));
            return sources;
        },
        [this, copies](const QStringList &sources) {
            for (int i = 0; i < copies.size(); ++i)
                if (!sources.at(i).isEmpty())
                    noteConvertedSource(ui->tableWidget, copies.at(i), sources.at(i));
            ui->tableWidget->viewport()->update();
        });
}
