#include "app/mainwindow.h"

#include "app/userdialogs.h"
#include "archive/zipthread.h"
#include "ui_mainwindow.h"

#include <QProgressDialog>
#include <QTimer>

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
    progressDialog->setModal(true);
    progressDialog->setAutoClose(false);
    progressDialog->setAutoReset(false);
    progressDialog->setWindowModality(Qt::WindowModal);
    // QProgressDialog shows itself from its constructor's timer; keep it hidden until a job runs.
    progressDialog->reset();
    progressDialog->hide();
    busyDelay = new QTimer(this);
    busyDelay->setSingleShot(true);
    connect(busyDelay, &QTimer::timeout, progressDialog, &QWidget::show);

    auto *worker = new ZipThread;
    worker->moveToThread(&workerThread);

    connect(&workerThread, &QThread::finished, worker, &QObject::deleteLater);
    connect(this, &MainWindow::operate, worker, &ZipThread::doWork);
    connect(this, &MainWindow::openRequested, worker, &ZipThread::openPackage);
    connect(this, &MainWindow::settingsChanged, worker, &ZipThread::saveSettings);
    connect(worker, &ZipThread::resultReady, this, &MainWindow::handleResults);
    connect(worker, &ZipThread::packageRead, this, &MainWindow::handlePackageRead);
    connect(worker, &ZipThread::progress, this, &MainWindow::showProgress);

    workerThread.start(QThread::InheritPriority);
    QMetaObject::invokeMethod(worker, &ZipThread::removeLeftovers, Qt::QueuedConnection);
}

MainWindow::~MainWindow()
{
    // A running job is allowed to finish: stopping it halfway gains nothing,
    // the package is only replaced once the new one is complete.
    workerThread.quit();
    workerThread.wait();
    delete ui;
}

void MainWindow::setDialogs(std::unique_ptr<UserDialogs> newDialogs)
{
    dialogs = std::move(newDialogs);
}

void MainWindow::startBusy(const QString &label, int delayMs)
{
    jobRunning = true;
    progressDialog->setLabelText(label);
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
    busyDelay->stop();
    progressDialog->close();
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
    startBusy(tr("Compiling media..."));
    emit operate(plan);
}
