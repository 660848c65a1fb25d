#include "app/mainwindow.h"

#include "app/userdialogs.h"
#include "archive/zipthread.h"
#include "playlist/playlisttable.h"
#include "playlist/tablemedia.h"
#include "settings/settings.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressDialog>
#include <QTimer>
#include <QUndoStack>

Q_LOGGING_CATEGORY(lcApp, "merovi.app")

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

    progressDialog = new QProgressDialog(this);
    progressDialog->setMinimum(0);
    progressDialog->setMaximum(0);
    progressDialog->setLabelText(tr("Compiling media..."));
    progressDialog->setCancelButton(nullptr);
    progressDialog->setMinimumDuration(0);
    // Not modal: a modal dialog would make the system drop a click on the
    // window's close button. The window's controls are disabled instead.
    progressDialog->setModal(false);
    progressDialog->setAutoClose(false);
    progressDialog->setAutoReset(false);
    progressDialog->setWindowModality(Qt::NonModal);
    // QProgressDialog shows itself from its constructor's timer; keep it hidden until a job runs.
    progressDialog->reset();
    progressDialog->hide();
    // The total running time stands in the bottom line, the link stays at its end.
    auto *totalLabel = new QLabel(ui->centralWidget);
    totalLabel->setObjectName(QStringLiteral("labelTotal"));
    ui->horizontalLayout_4->addStretch();
    ui->horizontalLayout_4->addWidget(totalLabel);
    tableMedia = new TableMedia(ui->tableWidget, totalLabel, this);

    busyDelay = new QTimer(this);
    busyDelay->setSingleShot(true);
    connect(busyDelay, &QTimer::timeout, progressDialog, &QWidget::show);

    auto *worker = new ZipThread;
    worker->moveToThread(&workerThread);

    connect(&workerThread, &QThread::finished, worker, &QObject::deleteLater);
    connect(this, &MainWindow::operate, worker, &ZipThread::doWork);
    connect(this, &MainWindow::openRequested, worker, &ZipThread::openPackage);
    connect(this, &MainWindow::settingsChanged, worker, &ZipThread::saveSettings);
    connect(worker, &ZipThread::settingsSaved, this, [this] {
        --pendingSettingsWrites;
        emit settingsWritten();
    });
    connect(worker, &ZipThread::resultReady, this, &MainWindow::handleResults);
    connect(worker, &ZipThread::packageRead, this, &MainWindow::handlePackageRead);
    connect(worker, &ZipThread::progress, this, &MainWindow::showProgress);

    setupEditing();

    workerThread.start(QThread::InheritPriority);
    QMetaObject::invokeMethod(worker, &ZipThread::removeLeftovers, Qt::QueuedConnection);
}

MainWindow::~MainWindow()
{
    // A running job is allowed to finish: stopping it halfway gains nothing,
    // the package is only replaced once the new one is complete.
    workerThread.quit();
    workerThread.wait();
    // Its last signals would reach a window whose form is gone.
    delete undoStack;
    delete ui;
}

void MainWindow::setDialogs(std::unique_ptr<UserDialogs> newDialogs)
{
    dialogs = std::move(newDialogs);
}

void MainWindow::startBusy(const QString &label, int delayMs)
{
    jobRunning = true;
    focusBeforeJob = focusWidget();
    centralWidget()->setEnabled(false);
    for (QAction *action : qAsConst(commandActions))
        action->setEnabled(false);
    progressDialog->setLabelText(
        closeWhenIdle && jobIsSave ? tr("Finishing the save before closing…") : label);
    progressDialog->setMaximum(0);
    progressDialog->setValue(0);
    if (delayMs > 0)
        busyDelay->start(delayMs);
    else
        progressDialog->show();
}

void MainWindow::endBusy()
{
    jobRunning = false;
    centralWidget()->setEnabled(true);
    for (QAction *action : qAsConst(commandActions))
        action->setEnabled(true);
    busyDelay->stop();
    progressDialog->close();
    if (focusBeforeJob)
        focusBeforeJob->setFocus();
}

void MainWindow::jobEnded()
{
    if (!closeWhenIdle || jobRunning)
        return;
    closeWhenIdle = false;
    // Queued: the job's own handler finishes first. A failed save then asks
    // about the unsaved edits as any close does.
    QTimer::singleShot(0, this, &QWidget::close);
}

bool MainWindow::hasUnsavedChanges() const
{
    return tableRows(*ui->tableWidget) != savedRows;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (jobRunning) {
        // Stopping a save halfway gains nothing; the window goes when it is done.
        closeWhenIdle = true;
        progressDialog->setLabelText(jobIsSave
                                         ? tr("Finishing the save before closing…")
                                         : tr("Finishing reading the package before closing…"));
        busyDelay->stop();
        progressDialog->show();
        event->ignore();
        return;
    }
    if (!hasUnsavedChanges() ||
        settleUnsavedChanges(tr("Save the changes before closing?"), AfterSave::Close)) {
        event->accept();
        return;
    }
    event->ignore();
}

bool MainWindow::settleUnsavedChanges(const QString &question, AfterSave next)
{
    const QString name = openedFileName.isEmpty()
                             ? tr("The new playlist")
                             : tr("The playlist of %1")
                                   .arg(tr("“%1”").arg(QDir::toNativeSeparators(openedFileName)));
    const int choice = dialogs->choose(this, tr("Unsaved changes"),
                                       tr("%1 has changes that are not saved.").arg(name) +
                                           QLatin1String("\n\n") + question,
                                       {tr("Save"), tr("Discard"), tr("Cancel")}, 2, 2);
    if (choice == 1)
        return true;
    if (choice == 0) {
        afterSave = next;
        on_pushButtonSave_clicked();
        // Nothing started (a dialog cancelled, a refusal shown): the window stays as it is.
        if (!jobRunning)
            afterSave = AfterSave::Nothing;
    }
    return false;
}

void MainWindow::updateTitle()
{
    const bool modified = hasUnsavedChanges();
    QString name;
    if (!openedFileName.isEmpty())
        name = QFileInfo(openedFileName).fileName();
    else if (modified)
        name = tr("New playlist");
    QStringList parts;
    if (!name.isEmpty())
        parts.append(name + QLatin1String("[*]"));
    if (!note.isEmpty())
        parts.append(note);
    parts.append(appTitle);
    setWindowFilePath(openedFileName);
    setWindowTitle(parts.join(QStringLiteral(" \u2014 ")));
    setWindowModified(modified);
}

void MainWindow::showNote(const QString &text)
{
    note = text;
    noteTimer->start();
    updateTitle();
}

void MainWindow::showProgress(int percent)
{
    if (!jobRunning)
        return;
    progressDialog->setMaximum(100);
    progressDialog->setValue(percent);
}

void MainWindow::Zip(const SavePlan &plan)
{
    runningPlan = plan;
    jobIsSave = true;
    startBusy(tr("Compiling media..."));
    emit operate(plan);
}

void MainWindow::readSettings(Settings *settings) const
{
    settings->Read();
    if (pendingSettingsWrites > 0) {
        settings->PATH_MEDIA = pendingPathMedia;
        settings->PATH_SAVE = pendingPathSave;
    }
}

void MainWindow::writeSettings(const QString &pathMedia, const QString &pathSave)
{
    ++pendingSettingsWrites;
    pendingPathMedia = pathMedia;
    pendingPathSave = pathSave;
    emit settingsChanged(pathMedia, pathSave);
}
