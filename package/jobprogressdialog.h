#pragma once

#include "jobs/jobrunner.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>

class QTimer;

// The window's busy dialog for the job it waits for: its caption, the
// package, the file at hand, megabytes done of total, speed and time left.
// Cancel asks the job to stop; the job's outcome says what became of it.
class JobProgressDialog : public QProgressDialog
{
    Q_OBJECT

public:
    explicit JobProgressDialog(QWidget *parent = nullptr);

    // Shows the dialog for job, at once or after delayMs if it still runs then.
    // closingText is what it says when the window is closed meanwhile.
    void begin(JobId job, const QString &caption, const QString &package,
               const QString &closingText, int delayMs = 0);
    void showProgress(const JobProgress &progress);
    // The window was closed while the job runs: it says so and stays up.
    void showClosing();
    bool isClosing() const { return m_closing; }
    // Closes the dialog and gives the focus back to where it was.
    void end();
    JobId job() const { return m_job; }

    // "12.3 of 450.0 MB · 25.1 MB/s · 18 s left"; speed and time need elapsedMs > 0.
    static QString figures(const JobProgress &progress, qint64 elapsedMs);

private:
    void updateLabel();

    JobId m_job = 0;
    QString m_caption;
    QString m_package;
    QString m_closingText;
    QString m_details;
    bool m_closing = false;
    QTimer *m_delay = nullptr;
    QElapsedTimer m_clock;
    QPointer<QWidget> m_focusBefore;
};
