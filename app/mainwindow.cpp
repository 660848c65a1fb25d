#include "app/mainwindow.h"

#include "app/userdialogs.h"
#include "archive/zipthread.h"
#include "ui_mainwindow.h"

#include <QProgressDialog>
#include <QStringList>
#include <QTemporaryDir>

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

    auto *worker = new ZipThread;
    worker->moveToThread(&workerThread);

    connect(&workerThread, &QThread::finished, worker, &QObject::deleteLater);
    connect(this, &MainWindow::operate, worker, &ZipThread::doWork);
    connect(this, &MainWindow::updateFiles, worker, &ZipThread::updateFiles);
    connect(worker, &ZipThread::resultReady, this, &MainWindow::handleResults);
    connect(worker, &ZipThread::filesUpdated, this, &MainWindow::handleFilesUpdated);
    connect(worker, &ZipThread::progress, this, &MainWindow::showProgress);

    workerThread.start(QThread::InheritPriority);
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

void MainWindow::startBusy()
{
    progressDialog->setMaximum(0);
    progressDialog->setValue(0);
    progressDialog->show();
}

void MainWindow::showProgress(int percent)
{
    if (!progressDialog->isVisible())
        return;
    progressDialog->setMaximum(100);
    progressDialog->setValue(percent);
}

void MainWindow::Zip(const QString &filename, const QString &zipfilename)
{
    startBusy();
    emit operate(filename, zipfilename);
}
