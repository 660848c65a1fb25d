#include "app/drivesdialog.h"

#include "app/mainwindow.h"
#include "drives/drivelist.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>

namespace {

enum Column {
    ColumnDrive,
    ColumnMake,
    ColumnWhere,
    ColumnSize,
    ColumnFree,
    ColumnType,
    ColumnPackages,
    ColumnResult,
    ColumnProgress,
    ColumnCount
};

// Wide enough for "Safe to remove" and a speed with the time left, whatever the rows hold.
constexpr int resultWidth = 130;
constexpr int progressWidth = 420;

} // namespace

DrivesDialog::DrivesDialog(const QString &packagePath, JobRunner *jobs, QWidget *parent)
    : QDialog(parent), m_package(packagePath), m_jobs(jobs)
{
    setWindowTitle(tr("Write to Drives"));
    setObjectName(QStringLiteral("drivesDialog"));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("Write “%1” to the drives ticked below. A drive that holds an "
                                "older version gets only what changed.")
                                 .arg(QFileInfo(packagePath).fileName()),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setObjectName(QStringLiteral("tableDrives"));
    m_table->setHorizontalHeaderLabels({tr("Drive"), tr("Maker and model"), tr("Mounted at"),
                                        tr("Size"), tr("Free"), tr("File system"), tr("Packages"),
                                        tr("Result"), tr("Progress")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setWordWrap(false);
    layout->addWidget(m_table, 1);
    connect(m_table, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (item->column() == ColumnDrive && item->row() < m_checked.size())
            m_checked[item->row()] = item->checkState() == Qt::Checked;
        updateButtons();
    });

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("labelDrivesStatus"));
    m_status->setWordWrap(true);
    layout->addWidget(m_status);

    auto *options = new QHBoxLayout;
    m_verify = new QCheckBox(tr("Read back from each drive"), this);
    m_verify->setChecked(true);
    m_eject = new QCheckBox(tr("Eject when done"), this);
    m_eject->setObjectName(QStringLiteral("checkBoxEject"));
    m_eject->setChecked(true);
    options->addWidget(m_verify);
    options->addWidget(m_eject);
    options->addStretch();
    layout->addLayout(options);

    auto *buttons = new QHBoxLayout;
    auto *refreshButton = new QPushButton(tr("Refresh"), this);
    m_folder = new QPushButton(tr("Choose Folder…"), this);
    m_write = new QPushButton(tr("Write"), this);
    m_write->setObjectName(QStringLiteral("pushButtonWrite"));
    m_write->setDefault(true);
    m_close = new QPushButton(tr("Close"), this);
    buttons->addWidget(refreshButton);
    buttons->addWidget(m_folder);
    buttons->addStretch();
    buttons->addWidget(m_write);
    buttons->addWidget(m_close);
    layout->addLayout(buttons);
    connect(refreshButton, &QPushButton::clicked, this, &DrivesDialog::refresh);
    connect(m_folder, &QPushButton::clicked, this, &DrivesDialog::chooseFolder);
    connect(m_write, &QPushButton::clicked, this, &DrivesDialog::startWriting);
    connect(m_close, &QPushButton::clicked, this, &DrivesDialog::reject);

    connect(m_jobs, &JobRunner::progress, this, [this](JobId id, const JobProgress &progress) {
        if (id == m_job)
            showProgress(progress);
    });

    m_list = new DriveList(m_jobs, this);
    connect(m_list, &DriveList::drivesChanged, this, [this] {
        if (m_results.isEmpty() && !isWriting()) {
            m_drives = m_list->drives() + m_folders;
            showDrives();
            if (!m_list->isAvailable())
                m_status->setText(m_list->errorString());
        }
    });
    m_table->setColumnWidth(ColumnResult, resultWidth);
    m_table->setColumnWidth(ColumnProgress, progressWidth);
    resize(1280, 360);
    refresh();
}

DrivesDialog::~DrivesDialog()
{
    // Cancelled, every drive stops at its next chunk, its package as it was.
    if (m_job != 0)
        m_jobs->cancel(m_job);
}

void DrivesDialog::refresh()
{
    if (isWriting())
        return;
    m_results.clear();
    m_status->setText(tr("Looking for drives…"));
    m_list->refreshInBackground();
}

void DrivesDialog::chooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Choose a drive's folder"));
    if (folder.isEmpty())
        return;
    m_results.clear();
    m_folders.append(folderAsDrive(folder));
    m_drives.append(m_folders.constLast());
    showDrives();
    setChecked(m_drives.size() - 1, true);
}

void DrivesDialog::showDrives()
{
    const QSignalBlocker blocker(m_table);
    m_checked.resize(m_drives.size());
    m_table->setRowCount(m_drives.size());
    for (int row = 0; row < m_drives.size(); ++row) {
        const DriveInfo &drive = m_drives.at(row);
        const QStringList cells = {
            drive.displayName(),
            drive.isManaged() ? drive.makeAndModel() : tr("a folder"),
            QDir::toNativeSeparators(drive.mountPoint),
            driveSizeText(drive.size),
            driveSizeText(drive.freeBytes),
            drive.fileSystemType,
            drive.packages.isEmpty() ? tr("none") : drive.packages.join(QLatin1String(", ")),
            QString(),
            QString()};
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells.at(column));
            if (column == ColumnDrive) {
                item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
                item->setCheckState(m_checked.at(row) ? Qt::Checked : Qt::Unchecked);
                item->setToolTip(drive.description());
            }
            m_table->setItem(row, column, item);
        }
    }
    // Result and Progress keep their width: they fill while writing.
    for (int column = ColumnDrive; column < ColumnResult; ++column)
        m_table->resizeColumnToContents(column);
    if (m_list->isAvailable()) {
        m_status->setText(m_drives.isEmpty()
                              ? tr("No removable drive is plugged in. Plug one in, or choose a "
                                   "folder.")
                              : tr("%n drive(s) found.", nullptr, int(m_drives.size())));
    }
    updateButtons();
}

void DrivesDialog::setChecked(int row, bool checked)
{
    if (QTableWidgetItem *item = m_table->item(row, ColumnDrive))
        item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void DrivesDialog::setEjectWhenDone(bool eject)
{
    m_eject->setChecked(eject);
}

void DrivesDialog::updateButtons()
{
    m_write->setEnabled(!isWriting() && m_checked.contains(true));
    m_folder->setEnabled(!isWriting());
    // Offered only where it can happen: a drive the service can power off.
    bool canEject = false;
    for (int row = 0; row < m_drives.size(); ++row)
        canEject = canEject || (m_checked.value(row) && m_drives.at(row).isManaged());
    m_eject->setEnabled(!isWriting() && canEject);
    m_eject->setToolTip(canEject ? QString()
                                 : tr("Only drives listed by this computer's drive service can "
                                      "be ejected here; a folder cannot."));
    m_close->setText(isWriting() ? tr("Cancel") : tr("Close"));
}

void DrivesDialog::startWriting()
{
    if (isWriting())
        return;
    DriveInfos chosen;
    m_rows.clear();
    for (int row = 0; row < m_drives.size(); ++row) {
        if (m_checked.value(row)) {
            chosen.append(m_drives.at(row));
            m_rows.append(row);
        }
    }
    if (chosen.isEmpty())
        return;
    m_results.clear();
    // First what each drive holds under the package's name, read off this
    // thread; the questions come before anything is written.
    const QString package = m_package;
    QStringList keys = {package};
    for (const DriveInfo &drive : std::as_const(chosen))
        keys.append(drive.mountPoint);
    const QPointer<DrivesDialog> self(this);
    m_job = m_jobs->submit<QVector<HeldPackage>>(
        keys,
        [package, chosen](JobControl *) {
            QVector<HeldPackage> held;
            const QString name = QFileInfo(package).fileName();
            for (const DriveInfo &drive : chosen)
                held.append(
                    compareHeldPackage(package, drive.mountPoint + QLatin1Char('/') + name));
            return held;
        },
        [self, chosen](const QVector<HeldPackage> &held) {
            if (!self)
                return;
            self->m_job = 0;
            if (self->m_cancelling) {
                self->m_cancelling = false;
                self->m_status->setText(tr("Cancelled: nothing was written."));
                self->updateButtons();
                return;
            }
            self->askAndWrite(chosen, held);
        });
    m_status->setText(tr("Reading what the drives hold…"));
    updateButtons();
}

void DrivesDialog::askAndWrite(const DriveInfos &chosen, const QVector<HeldPackage> &held)
{
    QStringList replaceOn;
    const QString name = QFileInfo(m_package).fileName();
    for (int i = 0; i < chosen.size() && i < held.size(); ++i) {
        if (!held.at(i).needsConsent())
            continue;
        QMessageBox question(QMessageBox::Question, tr("Write to Drives"),
                             heldPackageQuestion(chosen.at(i), name, held.at(i)),
                             QMessageBox::NoButton, this);
        question.setObjectName(QStringLiteral("replaceQuestion"));
        auto *replace = question.addButton(tr("Replace"), QMessageBox::DestructiveRole);
        auto *skip = question.addButton(tr("Skip"), QMessageBox::RejectRole);
        question.setDefaultButton(skip);
        question.setEscapeButton(skip);
        question.exec();
        if (question.clickedButton() == replace)
            replaceOn.append(chosen.at(i).mountPoint);
    }
    write(chosen, replaceOn);
}

void DrivesDialog::write(const DriveInfos &chosen, const QStringList &replaceOn)
{
    m_stepStartMs.fill(-1, chosen.size());
    m_steps.fill(JobStep::None, chosen.size());
    m_clock.start();
    DriveWriteOptions options;
    bool canEject = false;
    for (const DriveInfo &drive : chosen)
        canEject = canEject || drive.isManaged();
    options.eject = canEject && m_eject->isChecked();
    options.verify = m_verify->isChecked();
    options.replaceOn = replaceOn;

    const QString package = m_package;
    QStringList keys = {package};
    for (const DriveInfo &drive : std::as_const(chosen))
        keys.append(drive.mountPoint);
    const QPointer<DrivesDialog> self(this);
    m_job = m_jobs->submit<DriveResults>(
        keys,
        [package, chosen, options](JobControl *control) {
            return writeToDrives(package, chosen, options, control);
        },
        [self](const DriveResults &results) {
            if (!self)
                return;
            self->m_results = results;
            self->writingEnded();
        });
    m_list->setWatching(false);
    for (int row : std::as_const(m_rows)) {
        m_table->item(row, ColumnResult)->setText(tr("Waiting"));
        m_table->item(row, ColumnProgress)->setText(QString());
    }
    updateButtons();
    showProgress(JobProgress{});
}

QString DrivesDialog::progressText(const JobPart &part, qint64 startedMs) const
{
    // The flush has no byte count: a time left would only mislead.
    if (part.step == JobStep::Finishing)
        return jobStepText(part.step);
    if (part.total <= 0)
        return {};
    const qint64 elapsed = m_clock.elapsed() - startedMs;
    const double speed = elapsed > 0 ? double(part.done) / (double(elapsed) / 1000) : 0;
    QString text =
        tr("%1: %2 of %3")
            .arg(jobStepText(part.step), driveSizeText(part.done), driveSizeText(part.total));
    if (speed > 0) {
        const qint64 left = qint64(double(part.total - part.done) / speed + 0.5);
        text += tr(", %1/s, %2 s left")
                    .arg(driveSizeText(qint64(speed)))
                    .arg(std::max<qint64>(left, 1));
    }
    return text;
}

void DrivesDialog::showProgress(const JobProgress &progress)
{
    int finished = 0;
    for (int i = 0; i < progress.parts.size() && i < m_rows.size(); ++i) {
        const JobPart &part = progress.parts.at(i);
        finished += part.finished ? 1 : 0;
        // Speed and time left count from the step's start, as the window saw it.
        if (part.step != m_steps.at(i)) {
            m_steps[i] = part.step;
            m_stepStartMs[i] = m_clock.elapsed();
        }
        const QString text = progressText(part, m_stepStartMs.at(i));
        if (!text.isEmpty())
            m_table->item(m_rows.at(i), ColumnProgress)->setText(text);
    }
    if (isWriting())
        m_status->setText(tr("%1 of %2 drives done.").arg(finished).arg(m_rows.size()));
}

void DrivesDialog::writingEnded()
{
    m_job = 0;
    m_cancelling = false;
    m_list->setWatching(true);
    for (int i = 0; i < m_results.size() && i < m_rows.size(); ++i) {
        const DriveResult &result = m_results.at(i);
        const bool ok = result.isDone() || result.status == DriveResult::Status::ChangedElsewhere;
        QString progress = tr("%1 written in %2 s")
                               .arg(driveSizeText(result.bytesWritten))
                               .arg(double(result.writeMs) / 1000, 0, 'f', 1);
        if (result.action == DriveResult::Action::Current)
            progress = tr("held this package already");
        if (result.verifyMs > 0)
            progress += tr("; read back in %1 s").arg(double(result.verifyMs) / 1000, 0, 'f', 1);
        if (!result.warning.isEmpty())
            progress += QLatin1String("; ") + result.warning;
        QTableWidgetItem *progressItem = m_table->item(m_rows.at(i), ColumnProgress);
        QTableWidgetItem *resultItem = m_table->item(m_rows.at(i), ColumnResult);
        if (!progressItem || !resultItem)
            continue;
        progressItem->setText(result.isDone() ? progress : result.error);
        progressItem->setToolTip(result.text());
        resultItem->setText(driveResultText(result));
        resultItem->setForeground(ok ? palette().text() : QBrush(Qt::red));
    }
    m_status->setText(driveSummaryText(m_results));
    updateButtons();
    emit writingFinished();
}

DriveResults DrivesDialog::results() const
{
    return m_results;
}

void DrivesDialog::reject()
{
    if (isWriting()) {
        m_cancelling = true;
        m_jobs->cancel(m_job);
        m_status->setText(tr("Cancelling: a drive being written keeps the package it had…"));
        return;
    }
    QDialog::reject();
}

void installDrivesCommand(MainWindow *window)
{
    auto *action = new QAction(MainWindow::tr("Write to Drives…"), window);
    action->setObjectName(QStringLiteral("actionWriteToDrives"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    window->addAction(action);
    // In the File menu after Save As, where the window has one.
    auto *saveAs = window->findChild<QAction *>(QStringLiteral("actionSaveAs"));
    const QList<QMenu *> menus = window->menuBar()->findChildren<QMenu *>();
    for (QMenu *menu : menus) {
        const QList<QAction *> actions = menu->actions();
        const int index = saveAs ? int(actions.indexOf(saveAs)) : -1;
        if (index >= 0) {
            menu->insertAction(actions.value(index + 1), action);
            break;
        }
    }
    // A button beside Save, where the owner looks after saving.
    auto *save = window->findChild<QPushButton *>(QStringLiteral("pushButtonSave"));
    const QList<QBoxLayout *> layouts = window->findChildren<QBoxLayout *>();
    for (QBoxLayout *layout : layouts) {
        const int index = save ? layout->indexOf(save) : -1;
        if (index < 0)
            continue;
        auto *button = new QPushButton(MainWindow::tr("Write to Drives…"), save->parentWidget());
        button->setObjectName(QStringLiteral("pushButtonWriteToDrives"));
        layout->insertWidget(index + 1, button);
        QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
        break;
    }
    QObject::connect(action, &QAction::triggered, window, [window] {
        if (window->isBusy())
            return;
        if (window->openedPackage().isEmpty() || window->hasUnsavedChanges()) {
            QMessageBox::information(window, MainWindow::tr("Write to Drives"),
                                     MainWindow::tr("Save the playlist first: the drives get the "
                                                    "package as it was saved."));
            return;
        }
        auto *dialog = new DrivesDialog(window->openedPackage(), window->jobRunner(), window);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
}
