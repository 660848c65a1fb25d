#pragma once

#include "drives/drivewriter.h"
#include "jobs/jobrunner.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QString>
#include <QVector>

class DriveList;
class MainWindow;
class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

// "Write to Drives": lists the drives, writes the open package to the chosen
// ones at once, and shows each drive's progress and result.
class DrivesDialog : public QDialog
{
    Q_OBJECT

public:
    // Jobs run on jobs, the window's runner.
    DrivesDialog(const QString &packagePath, JobRunner *jobs, QWidget *parent = nullptr);
    ~DrivesDialog() override;

    bool isWriting() const { return m_job != 0; }
    // The drives shown, and the rows ticked, for tests and the window.
    const DriveInfos &drives() const { return m_drives; }
    void setChecked(int row, bool checked);
    void setEjectWhenDone(bool eject);
    // Starts writing to the ticked drives.
    void startWriting();
    DriveResults results() const;

signals:
    void writingFinished();

protected:
    void reject() override;

private:
    void refresh();
    void askAndWrite(const DriveInfos &chosen, const QVector<HeldPackage> &held);
    void write(const DriveInfos &chosen, const QStringList &replaceOn);
    void chooseFolder();
    void showDrives();
    void showProgress(const JobProgress &progress);
    void writingEnded();
    void updateButtons();
    QString progressText(const JobPart &part, qint64 startedMs) const;

    QString m_package;
    DriveList *m_list = nullptr;
    DriveInfos m_drives;
    // Folders chosen by hand: a refresh of the drives keeps them.
    DriveInfos m_folders;
    QVector<bool> m_checked;
    QTableWidget *m_table = nullptr;
    QLabel *m_status = nullptr;
    QCheckBox *m_eject = nullptr;
    QCheckBox *m_verify = nullptr;
    QPushButton *m_write = nullptr;
    QPushButton *m_folder = nullptr;
    QPushButton *m_close = nullptr;
    JobRunner *m_jobs = nullptr;
    JobId m_job = 0;
    bool m_cancelling = false;
    QElapsedTimer m_clock;
    // Each drive's step as last shown, and when it began.
    QVector<JobStep> m_steps;
    QVector<qint64> m_stepStartMs;
    QVector<int> m_rows; // the table row of each drive being written
    DriveResults m_results;
};

// Adds "Write to Drives…" to the window: a button beside Save and Ctrl+Shift+D.
void installDrivesCommand(MainWindow *window);
