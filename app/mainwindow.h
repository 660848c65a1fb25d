#pragma once

#include "package/saveplan.h"

#include <QJsonObject>
#include <QLoggingCategory>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QThread>

#include <memory>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

class QAction;
class QDropEvent;
class QProgressDialog;
class QTimer;
class Settings;
class TableMedia;
class QUndoStack;
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
    // Whether the table differs from the package as last saved or opened
    // (from an empty table when none is open), however it was edited.
    bool hasUnsavedChanges() const;

    // Opens the package at path, as the Open command does after its dialog.
    void openFile(const QString &path);

signals:
    void operate(const SavePlan &plan);
    void openRequested(const QString &path, const QString &transition);
    void settingsChanged(const QString &pathMedia, const QString &pathSave);
    // A queued settingsChanged() was written (or failed to be).
    void settingsWritten();
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
    // Writes the playlist as a new package, also while one is open; it then becomes the open one.
    void saveAs();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Reads settings.xml; values still queued for writing in the worker win,
    // so a command right after another sees what that one chose.
    void readSettings(Settings *settings) const;
    void writeSettings(const QString &pathMedia, const QString &pathSave);
    // What to do once the save started from the unsaved-changes question has succeeded.
    enum class AfterSave { Nothing, Close, Open };

    void saveNew();
    void saveOpen();
    void saveTable(const QString &packagePath, const QString &mediaDir);
    void Zip(const SavePlan &plan);
    // Shows the busy dialog at once, or after delayMs if the job is still running then.
    void startBusy(const QString &label, int delayMs = 0);
    void endBusy();
    void showPackage(const PackageContents &contents);
    void finishSave(const QString &error);
    void setupEditing();
    // Asks whether to save the unsaved edits first; runs the save if so. Returns
    // whether the caller may go on at once (after Discard).
    bool settleUnsavedChanges(const QString &question, AfterSave next);
    // Asks before added files replace stored ones that rows still play; false
    // when the user declines. Marks the plan when agreed.
    bool confirmReplacements(SavePlan *plan);
    // Lists the rows the probe found the player may not play; false: the user cancelled.
    bool confirmMediaProblems();
    // Tells which files were not added because the player cannot take their type.
    void refuseFiles(const QStringList &refused);
    bool confirmEmptySave();
    void updateTitle();
    // Shows text in the title for a few seconds: a hint not worth a dialog.
    void showNote(const QString &text);
    void loadSelectedTime();
    void dropOnTable(QDropEvent *event);
    // The job has ended: a close asked for meanwhile happens now.
    void jobEnded();

    QThread workerThread;
    QString openedFileName;
    QJsonObject openedDocument;
    QProgressDialog *progressDialog = nullptr;
    QTimer *busyDelay = nullptr;
    // Thumbnails, media problems and the total running time of the table.
    TableMedia *tableMedia = nullptr;
    Ui_MainWindow *ui = nullptr;
    std::unique_ptr<UserDialogs> dialogs;
    // The open package as last read, to notice another program's changes.
    PackageIdentity openedIdentity;
    // A save or an open runs in the worker; the window takes no command meanwhile.
    bool jobRunning = false;
    int pendingSettingsWrites = 0;
    QString pendingPathMedia;
    QString pendingPathSave;
    // The plan of the running save, kept to offer saving it again over a changed package.
    SavePlan runningPlan;
    QUndoStack *undoStack = nullptr;
    // What the table showed after the last save or open.
    PlaylistRows savedRows;
    // The window's shortcuts, off while a job runs.
    QList<QAction *> commandActions;
    QString appTitle;
    QString note;
    QTimer *noteTimer = nullptr;
    AfterSave afterSave = AfterSave::Nothing;
    // The window was closed while a job ran; it closes once the job ends.
    bool closeWhenIdle = false;
    // The running job is a save, not an open.
    bool jobIsSave = false;
    // Disabling the controls for a job takes their focus; it comes back after.
    QPointer<QWidget> focusBeforeJob;
};
