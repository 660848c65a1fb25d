#include "app/mainwindow.h"
#include "archive/text.h"

#include "app/drivesdialog.h"
#include "app/userdialogs.h"
#include "archive/inplaceupdate.h"
#include "archive/packagearchive.h"
#include "package/jobprogressdialog.h"
#include "playlist/autosave.h"
#include "playlist/playlisttable.h"
#include "playlist/tablemedia.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>
#include <QUndoStack>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), dialogs(std::make_unique<UserDialogs>())
{
    ui = new Ui_MainWindow;
    ui->setupUi(this);

    ui->tableWidget->setHorizontalHeaderLabels({tr("Time(sec)"), tr("File"), tr("Transition")});
    ui->tableWidget->resizeColumnsToContents();

    const QString url = QString::fromLatin1(meroviWebPage);
    ui->labelMeroviLink->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(url.toHtmlEscaped()));
    ui->labelMeroviLink->setTextFormat(Qt::RichText);
    ui->labelMeroviLink->setTextInteractionFlags(Qt::TextBrowserInteraction);
    ui->labelMeroviLink->setOpenExternalLinks(true);

    ui->comboBoxTransition->hide();
    ui->labelTransition->hide();
    ui->tableWidget->hideColumn(2);

    progressDialog = new JobProgressDialog(this);
    // The total running time stands in the bottom line, the link stays at its end.
    auto *totalLabel = new QLabel(ui->centralWidget);
    totalLabel->setObjectName(QStringLiteral("labelTotal"));
    ui->horizontalLayout_4->addStretch();
    ui->horizontalLayout_4->addWidget(totalLabel);
    tableMedia = new TableMedia(ui->tableWidget, totalLabel, this);

    jobs = new JobRunner(3, this);
    connect(jobs, &JobRunner::progress, this, &MainWindow::showProgress);
    connect(progressDialog, &QProgressDialog::canceled, this,
            [this] { jobs->cancel(progressDialog->job()); });
    settingsStore = new SettingsStore(jobs, this);
    connect(settingsStore, &SettingsStore::written, this, [this](const QString &warning) {
        if (!warning.isEmpty())
            showNote(warning);
        emit settingsWritten(warning);
    });

    setupEditing();
    setupMenus();
    installDrivesCommand(this);
    setupAutosave();

    // An update cut short by a crash or a pulled stick: start-up only looks,
    // and finishes one only for a package the user chooses.
    const QString lastFolder = settingsStore->read().pathSave;
    if (!lastFolder.isEmpty() && QFileInfo(lastFolder).isDir()) {
        jobs->submit<QStringList>(
            {lastFolder}, [lastFolder](JobControl *) { return interruptedUpdatesIn(lastFolder); },
            [this](const QStringList &packages) { offerRecovery(packages); });
    }
}

void MainWindow::offerRecovery(const QStringList &packages)
{
    for (const QString &package : packages) {
        const QString text =
            tr("The last update of %1 was interrupted. Finish it now? The package is then "
               "restored as it was before that update, or completed if the update had come "
               "to its end; a journal that does not belong to it is kept.")
                .arg(quoted(package));
        if (dialogs->question(this, tr("Interrupted save"), text) != UserDialogs::Answer::Yes)
            continue;
        jobs->submit<QString>(
            {package},
            [package](JobControl *) {
                const Recovery recovery = recoverPackage(QFile::encodeName(package));
                return recovery.text();
            },
            [this](const QString &message) {
                if (!message.isEmpty())
                    dialogs->warning(this, tr("Interrupted save"), message);
            });
    }
}

MainWindow::~MainWindow()
{
    // Running jobs finish first (a save is only ever replaced whole); their
    // outcomes would reach a window whose form is gone, so they are dropped.
    // An orderly end: nothing is left to bring back.
    discardUnsavedPlaylist();
    delete jobs;
    if (restoredFrom)
        removeLeftPlaylist(*restoredFrom);
    delete undoStack;
    delete ui;
}

bool MainWindow::isBusy() const
{
    return jobs->contains(progressDialog->job());
}

void MainWindow::setDialogs(std::unique_ptr<UserDialogs> newDialogs)
{
    dialogs = std::move(newDialogs);
}

void MainWindow::startBusy(JobId job, const QString &label, const QString &closingText, int delayMs)
{
    // First: it keeps the focus that disabling the controls takes away.
    progressDialog->begin(job, label, opened.path, closingText, delayMs);
    centralWidget()->setEnabled(false);
    for (QAction *action : qAsConst(commandActions))
        action->setEnabled(false);
}

void MainWindow::endBusy()
{
    centralWidget()->setEnabled(true);
    for (QAction *action : qAsConst(commandActions))
        action->setEnabled(true);
    progressDialog->end();
}

bool MainWindow::hasUnsavedChanges() const
{
    return tableRows(*ui->tableWidget) != opened.rows;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (isBusy()) {
        stopLookingAtFiles();
        // The window goes when the job has ended: queued, so the job's own
        // outcome is shown first, and a failed save then asks about the
        // unsaved edits as any close does.
        progressDialog->showClosing();
        connect(jobs, &JobRunner::idle, this, &QWidget::close,
                Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
        event->ignore();
        return;
    }
    disconnect(jobs, &JobRunner::idle, this, &QWidget::close);
    if (!hasUnsavedChanges() ||
        settleUnsavedChanges(tr("Save the changes before closing?"), [this] { close(); })) {
        discardUnsavedPlaylist();
        event->accept();
        return;
    }
    event->ignore();
}

bool MainWindow::settleUnsavedChanges(const QString &question, std::function<void()> then)
{
    const QString name = !opened.isOpen() ? tr("The new playlist")
                                          : tr("The playlist of %1").arg(quoted(opened.path));
    const int choice = dialogs->choose(this, tr("Unsaved changes"),
                                       tr("%1 has changes that are not saved.").arg(name) +
                                           QLatin1String("\n\n") + question,
                                       {tr("Save"), tr("Discard"), tr("Cancel")}, 2, 2);
    if (choice == 1)
        return true;
    if (choice == 0) {
        on_pushButtonSave_clicked();
        // Nothing started (a dialog cancelled, a refusal shown): the window stays as it is.
        if (!isBusy())
            return false;
        // Once: the save's own end decides, and only a save that succeeded goes on.
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection = connect(this, &MainWindow::saveFinished, this,
                              [this, then = std::move(then), connection](const QString &error) {
                                  disconnect(*connection);
                                  if (error.isEmpty())
                                      QTimer::singleShot(0, this, then);
                              });
    }
    return false;
}

void MainWindow::updateTitle()
{
    const bool modified = hasUnsavedChanges();
    QString name;
    if (opened.isOpen())
        name = QFileInfo(opened.path).fileName();
    else if (modified)
        name = tr("New playlist");
    QStringList parts;
    if (!name.isEmpty())
        parts.append(name + QLatin1String("[*]"));
    parts.append(appTitle);
    setWindowFilePath(opened.path);
    setWindowTitle(parts.join(QStringLiteral(" \u2014 ")));
    setWindowModified(modified);
}

void MainWindow::showProgress(JobId job, const JobProgress &progress)
{
    if (job == progressDialog->job())
        progressDialog->showProgress(progress);
}

void MainWindow::readSettings(Settings *settings) const
{
    const SettingsStore::Values values = settingsStore->read();
    settings->PATH_MEDIA = values.pathMedia;
    settings->PATH_SAVE = values.pathSave;
}

void MainWindow::writeSettings(const QString &pathMedia, const QString &pathSave)
{
    settingsStore->write({pathMedia, pathSave});
}
