#pragma once

#include "package/saveplan.h"

#include <QJsonObject>
#include <QLoggingCategory>
#include <QMainWindow>
#include <QString>
#include <QThread>

#include <memory>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

class QProgressDialog;
class QTimer;
class Ui_MainWindow;
class UserDialogs;

// Where the link label points; the form shows the same text as its caption.
inline constexpr char meroviWebPage[] = "https://www.example.com/wordpress";

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Tests answer the file and message dialogs through this; takes ownership.
    void setDialogs(std::unique_ptr<UserDialogs> dialogs);

    QString openedPackage() const { return openedFileName; }
    QJsonObject openedPackageDocument() const { return openedDocument; }
    bool isBusy() const { return jobRunning; }

    // Opens the package at path, as the Open command does after its dialog.
    void openFile(const QString &path);

signals:
    void operate(const SavePlan &plan);
    void openRequested(const QString &path, const QString &transition);
    void settingsChanged(const QString &pathMedia, const QString &pathSave);
    // Emitted once a save or an open has ended, with the error text shown to
    // the user (empty on success). A save the user cancels in a dialog ends
    // without it.
    void saveFinished(const QString &error);
    void openFinished(const QString &error);

private slots:
    void on_pushButtonAdd_clicked();
    void on_pushButtonSave_clicked();
    void on_pushButtonUp_clicked();
    void on_pushButtonDelete_clicked();
    void on_pushButtonEdit_clicked();
    void on_pushButtonDown_clicked();
    void on_pushButtonOpen_clicked();
    void handleResults(const SaveOutcome &outcome);
    void handlePackageRead(const QString &path, const PackageContents &contents,
                           const QString &error);
    void showProgress(int percent);

private:
    void saveNew();
    void saveOpen();
    QStringList filesToAdd() const;
    QStringList filesToDelete() const;
    void Zip(const SavePlan &plan);
    // Shows the busy dialog at once, or after delayMs if the job is still running then.
    void startBusy(const QString &label, int delayMs = 0);
    void endBusy();
    void showPackage(const PackageContents &contents);
    void finishSave(const QString &error);

    QThread workerThread;
    QString openedFileName;
    QJsonObject openedDocument;
    QProgressDialog *progressDialog = nullptr;
    QTimer *busyDelay = nullptr;
    Ui_MainWindow *ui = nullptr;
    std::unique_ptr<UserDialogs> dialogs;
    // The open package as last read, to notice another program's changes.
    PackageIdentity openedIdentity;
    // A save or an open runs in the worker; the window takes no command meanwhile.
    bool jobRunning = false;
    // The plan of the running save, kept to offer saving it again over a changed package.
    SavePlan runningPlan;
};
