#pragma once

#include <QJsonObject>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <QThread>

#include <memory>

class QProgressDialog;
class QTemporaryDir;
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

signals:
    void operate(const QString &filename, const QString &zipfilename);
    void updateFiles(const QStringList &deletions, const QStringList &additions,
                     const QString &zipfilename);
    // Emitted once a save has ended, with the error text shown to the user (empty on success).
    // A save the user cancels in a dialog ends without it.
    void saveFinished(const QString &error);

private slots:
    void on_pushButtonAdd_clicked();
    void on_pushButtonSave_clicked();
    void on_pushButtonUp_clicked();
    void on_pushButtonDelete_clicked();
    void on_pushButtonEdit_clicked();
    void on_pushButtonDown_clicked();
    void on_pushButtonOpen_clicked();
    void handleResults(const QString &error);
    void handleFilesUpdated(const QString &error);
    void showProgress(int percent);

private:
    [[nodiscard]] bool openFile(const QString &path);
    // Shows the package's playlist without asking or telling the user anything.
    [[nodiscard]] bool loadPackage(const QString &path, QString *error);
    QJsonObject createJsonFromTable(const QString &mediaDir) const;
    void saveNew();
    void saveOpen();
    QStringList filesToAdd() const;
    QStringList filesToDelete() const;
    void Zip(const QString &filename, const QString &zipfilename);
    void startBusy();
    void finishSave(const QString &error);

    QThread workerThread;
    QString openedFileName;
    QJsonObject openedDocument;
    QProgressDialog *progressDialog = nullptr;
    Ui_MainWindow *ui = nullptr;
    std::unique_ptr<UserDialogs> dialogs;
    // The package a running save writes; it becomes openedFileName only once written.
    QString pendingPackage;
    // Private staging folder of a running update (the new document).
    std::unique_ptr<QTemporaryDir> updateStaging;
};
