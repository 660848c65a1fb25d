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
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

namespace {

enum Column {
    ColumnDrive,
    ColumnWhere,
    ColumnSize,
    ColumnFree,
    ColumnType,
    ColumnPackages,
    ColumnResult,
    ColumnProgress,
    ColumnCount
};

constexpr int refreshMs = 200;

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / 1e6, 'f', 1);
}

} // namespace

DrivesDialog::DrivesDialog(const QString &packagePath, QWidget *parent)
    : QDialog(parent), m_package(packagePath), m_shared(std::make_shared<Shared>())
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
    m_table->setHorizontalHeaderLabels({tr("Drive"), tr("Mounted at"), tr("Size"), tr("Free"),
                                        tr("File system"), tr("Packages"), tr("Result"),
                                        tr("Progress")});
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

    m_jobs = new JobRunner(1, this);
    m_timer = new QTimer(this);
    m_timer->setInterval(refreshMs);
    connect(m_timer, &QTimer::timeout, this, &DrivesDialog::showProgress);

    m_list = new DriveList(this);
    connect(m_list, &DriveList::drivesChanged, this, [this] {
        if (m_results.isEmpty()) {
            m_drives = m_list->drives();
            showDrives();
        }
    });
    resize(1180, 360);
    refresh();
}

DrivesDialog::~DrivesDialog()
{
    // The runner waits for the job; cancelled, every drive stops at its next step.
    m_jobs->cancelAll();
}

void DrivesDialog::refresh()
{
    if (isWriting())
        return;
    m_results.clear();
    m_list->refresh();
    m_drives = m_list->drives();
    showDrives();
    if (!m_list->isAvailable())
        m_status->setText(m_list->errorString());
}

void DrivesDialog::chooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Choose a drive's folder"));
    if (folder.isEmpty())
        return;
    m_results.clear();
    m_drives.append(folderAsDrive(folder));
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
                item->setToolTip(
                    QStringLiteral("%1 %2 %3").arg(drive.vendor, drive.model, drive.serial));
            }
            m_table->setItem(row, column, item);
        }
    }
    m_table->resizeColumnsToContents();
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

    m_shared = std::make_shared<Shared>();
    m_shared->progress.resize(chosen.size());
    m_shared->stepStartMs.fill(-1, chosen.size());
    m_results.clear();
    m_clock.start();
    DriveWriteOptions options;
    options.eject = m_eject->isChecked();
    options.verify = m_verify->isChecked();

    // The threads only store values; the timer shows them.
    std::shared_ptr<Shared> shared = m_shared;
    const QElapsedTimer clock = m_clock;
    DriveWriteObserver observer;
    observer.progress = [shared, clock](int drive, const JobProgress &progress) {
        std::lock_guard<std::mutex> lock(shared->mutex);
        if (shared->progress[drive].step != progress.step || shared->stepStartMs[drive] < 0)
            shared->stepStartMs[drive] = clock.elapsed();
        shared->progress[drive] = progress;
    };
    observer.finished = [shared](int, const DriveResult &) {
        std::lock_guard<std::mutex> lock(shared->mutex);
        ++shared->finished;
    };
    const QString package = m_package;
    QStringList keys = {package};
    for (const DriveInfo &drive : std::as_const(chosen))
        keys.append(drive.mountPoint);
    m_job = m_jobs->submit<DriveResults>(
        keys, tr("Writing to drives"),
        [package, chosen, options, observer](JobControl *control) {
            return writeToDrives(package, chosen, options, control, observer);
        },
        [this](const DriveResults &results) {
            m_results = results;
            writingEnded();
        });
    m_list->setWatching(false);
    m_timer->start();
    for (int row : std::as_const(m_rows))
        m_table->item(row, ColumnResult)->setText(tr("Waiting"));
    updateButtons();
    showProgress();
}

QString DrivesDialog::progressText(int row, const JobProgress &progress, qint64 startedMs) const
{
    Q_UNUSED(row)
    if (progress.total <= 0)
        return {};
    const qint64 elapsed = m_clock.elapsed() - startedMs;
    const double speed = elapsed > 0 ? double(progress.done) / (double(elapsed) / 1000) : 0;
    QString text = tr("%1: %2 of %3 MB")
                       .arg(progress.step, megabytes(progress.done), megabytes(progress.total));
    if (speed > 0) {
        const qint64 left = qint64(double(progress.total - progress.done) / speed);
        text += tr(", %1 MB/s, %2 s left").arg(speed / 1e6, 0, 'f', 1).arg(left);
    }
    return text;
}

void DrivesDialog::showProgress()
{
    QVector<JobProgress> progress;
    QVector<qint64> started;
    int finished = 0;
    {
        std::lock_guard<std::mutex> lock(m_shared->mutex);
        progress = m_shared->progress;
        started = m_shared->stepStartMs;
        finished = m_shared->finished;
    }
    for (int i = 0; i < progress.size() && i < m_rows.size(); ++i) {
        if (progress.at(i).total > 0)
            m_table->item(m_rows.at(i), ColumnProgress)
                ->setText(progressText(i, progress.at(i), started.at(i)));
    }
    if (isWriting()) {
        m_status->setText(tr("%1 of %2 drives done.").arg(finished).arg(m_rows.size()));
    }
}

void DrivesDialog::writingEnded()
{
    m_timer->stop();
    m_job = 0;
    m_list->setWatching(true);
    int good = 0;
    for (int i = 0; i < m_results.size() && i < m_rows.size(); ++i) {
        const DriveResult &result = m_results.at(i);
        const bool ok = result.outcome == DriveResult::Outcome::Written ||
                        result.outcome == DriveResult::Outcome::Verified ||
                        result.outcome == DriveResult::Outcome::Ejected;
        good += ok ? 1 : 0;
        QString progress = tr("%1 MB written in %2 s")
                               .arg(megabytes(result.bytesWritten))
                               .arg(double(result.writeMs) / 1000, 0, 'f', 1);
        if (result.action == DriveResult::Action::Current)
            progress = tr("held this package already");
        if (result.verifyMs > 0)
            progress += tr("; read back in %1 s").arg(double(result.verifyMs) / 1000, 0, 'f', 1);
        QTableWidgetItem *progressItem = m_table->item(m_rows.at(i), ColumnProgress);
        QTableWidgetItem *resultItem = m_table->item(m_rows.at(i), ColumnResult);
        if (!progressItem || !resultItem)
            continue;
        progressItem->setText(ok ? progress : result.error);
        progressItem->setToolTip(result.error);
        resultItem->setText(driveOutcomeText(result.outcome));
        resultItem->setForeground(ok ? palette().text() : QBrush(Qt::red));
    }
    m_table->resizeColumnsToContents();
    m_status->setText(tr("%1 of %2 drives done.").arg(good).arg(m_results.size()) +
                      (good == m_results.size() ? QString()
                                                : tr(" The failed drives say why; their "
                                                     "packages are as they were.")));
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
        m_jobs->cancel(m_job);
        m_status->setText(tr("Cancelling: every drive is left as it was…"));
        return;
    }
    QDialog::reject();
}

void installDrivesCommand(MainWindow *window)
{
    auto *action = new QAction(QObject::tr("Write to Drives…"), window);
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
        auto *button = new QPushButton(QObject::tr("Write to Drives…"), save->parentWidget());
        button->setObjectName(QStringLiteral("pushButtonWriteToDrives"));
        layout->insertWidget(index + 1, button);
        QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
        break;
    }
    QObject::connect(action, &QAction::triggered, window, [window] {
        if (window->isBusy())
            return;
        if (window->openedPackage().isEmpty() || window->hasUnsavedChanges()) {
            QMessageBox::information(window, QObject::tr("Write to Drives"),
                                     QObject::tr("Save the playlist first: the drives get the "
                                                 "package as it was saved."));
            return;
        }
        auto *dialog = new DrivesDialog(window->openedPackage(), window);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
}
