#pragma once

#include "package/saveplan.h"

#include "jobs/jobrunner.h"

#include <QJsonObject>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class JobProgressDialog;
struct LeftPlaylist;
class UnsavedPlaylistStore;
struct FitOutcome;
struct ImportOutcome;
struct ImportPlace;
struct ImportPlan;
class QAction;
class QLabel;
class QMenu;
class PreviewWindow;
class QDropEvent;
class QTimer;
class Settings;
struct SlideSource;
class SettingsStore;
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

    QString openedPackage() const { return opened.path; }
    QJsonObject openedPackageDocument() const { return opened.document; }
    // Whether the window waits for a save or an open of its own.
    bool isBusy() const;
    // Runs every job of the window: saves, opens, settings writes.
    JobRunner *jobRunner() const { return jobs; }
    // Whether the table differs from the package as last saved or opened
    // (from an empty table when none is open), however it was edited.
    bool hasUnsavedChanges() const;

    // Opens the package at path, as the Open command does after its dialog.
    void openFile(const QString &path);

signals:
    void operate(const SavePlan &plan);
    // A settings write has ended (warning empty on success).
    void settingsWritten(const QString &warning);
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
    void handleResults(const SavePlan &plan, const SaveOutcome &outcome);
    void handlePackageRead(const QString &path, const OpenOutcome &outcome);
    void showProgress(JobId job, const JobProgress &progress);
    // Writes the playlist as a new package, also while one is open; it then becomes the open one.
    void saveAs();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Asks, for each package with an interrupted update, whether to finish it.
    void offerRecovery(const QStringList &packages);
    // Reads settings.xml; values still queued for writing win, so a command
    // right after another sees what that one chose.
    void readSettings(Settings *settings) const;
    void writeSettings(const QString &pathMedia, const QString &pathSave);
    void saveNew();
    void saveOpen();
    void saveTable(const QString &packagePath, const QString &mediaDir);
    void Zip(const SavePlan &plan);
    // Disables the commands and shows the busy dialog for job, at once or
    // after delayMs if the job still runs then.
    void startBusy(JobId job, const QString &label, const QString &closingText, int delayMs = 0);
    void endBusy();
    void showPackage(const PackageContents &contents);
    void finishSave(const QString &error);
    void setupEditing();
    // Asks whether to save the unsaved edits first; runs the save if so, and
    // then (queued) once it has succeeded. Returns whether the caller may go
    // on at once (after Discard).
    bool settleUnsavedChanges(const QString &question, std::function<void()> then);
    // Asks before added files replace stored ones that rows still play; false
    // when the user declines. Marks the plan when agreed.
    bool confirmReplacements(SavePlan *plan);
    // Lists the rows the probe found the player may not play; false: the user cancelled.
    bool confirmMediaProblems();
    // Tells which files were not added because the player cannot take their type.
    void refuseFiles(const QStringList &refused);
    bool confirmEmptySave();
    void updateTitle();
    // Says in the bottom line what the last command did, until the next one.
    void showNote(const QString &text);
    void loadSelectedTime();
    void dropOnTable(QDropEvent *event);

    // The jobs and their worker threads; the window keeps no flags about them.
    JobRunner *jobs = nullptr;
    // The open package (path, document, identity, rows as saved or read),
    // replaced whole by each outcome; empty when none is open.
    PackageContents opened;
    JobProgressDialog *progressDialog = nullptr;
    SettingsStore *settingsStore = nullptr;
    // Thumbnails, media problems and the total running time of the table.
    TableMedia *tableMedia = nullptr;
    Ui_MainWindow *ui = nullptr;
    std::unique_ptr<UserDialogs> dialogs;
    QUndoStack *undoStack = nullptr;
    // The window's shortcuts, off while a job runs.
    QList<QAction *> commandActions;
    QString appTitle;
    // The menu bar, the status line and the recent packages (app/menus.cpp,
    // app/statusline.cpp).
    void setupMenus();
    void newPlaylist();
    void openRecent(const QString &path);
    void fillRecentMenu();
    void reportSaved(const QString &path, qint64 bytes, qint64 verifyMs);
    void reportOpened(const QString &path, int items);
    QStringList recentPackages() const;
    void rememberPackage(const QString &path);
    void forgetRecentPackages();
    QLabel *statusLabel = nullptr;
    QMenu *recentMenu = nullptr;
    QMenu *viewMenu = nullptr;
    // The preview of the playlist (preview/previewcommand.cpp).
    void showPreview();
    QPointer<PreviewWindow> previewWindow;
    // Files the player cannot take as they are: looked into, converted after
    // one question, then added (package/convertcommand.cpp).
    // places[i]: how many of the files added at once were picked before files[i].
    void bringInFiles(const QStringList &files, const QVector<int> &places,
                      const ImportPlace &place);
    void askConversions(const QVector<ImportPlan> &plans, const ImportPlace &place);
    // Cancels looking into dropped files, so closing asks nothing about them.
    void stopLookingAtFiles();
    void addConverted(const ImportOutcome &outcome, const ImportPlace &place);
    void lookUpConvertedSources(const QStringList &files);
    // The media of a folder, oldest first (the Add button's context menu).
    void addFolder();
    // The playlist kept aside after each change, and what a crash left
    // offered back (app/autosave.cpp).
    void setupAutosave();
    void keepUnsavedPlaylist();
    void discardUnsavedPlaylist();
    void offerLeftPlaylist(const LeftPlaylist &left);
    void restorePlaylist(const LeftPlaylist &left);
    // Text slides made in the program: new, and edited again on a
    // double-click (slides/slidecommand.cpp).
    void setupSlides(QMenu *menu);
    void newTextSlide();
    void editTextSlide(int row);
    // Draws source off the GUI thread, then adds its image (row -1) or puts it in row.
    void makeSlide(const SlideSource &source, int row, const QString &file);
    // Spreads the images' times over a loop of the length asked for
    // (playlist/loopcommand.cpp).
    void fitLoopLength();
    // Media larger than the screen and its player need: fitted after one
    // question before a save (package/savecommands.cpp), and the profile's
    // dialog (profile/).
    bool offerFit(const SavePlan &plan);
    void fittedForSave(const FitOutcome &outcome, const SavePlan &plan);
    void editScreenProfile();
    QString fitNote; // "fitted …: before → after", shown with the next save's report
    std::shared_ptr<UnsavedPlaylistStore> unsavedStore;
    std::shared_ptr<LeftPlaylist> restoredFrom; // until its removal has run
    QTimer *autosaveTimer = nullptr;
};
