#include "package/jobprogressdialog.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

namespace {

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / 1e6, 'f', 1);
}

QString duration(qint64 seconds)
{
    if (seconds < 60)
        return JobProgressDialog::tr("%1 s left").arg(seconds);
    if (seconds < 3600)
        return JobProgressDialog::tr("%1 min %2 s left").arg(seconds / 60).arg(seconds % 60);
    return JobProgressDialog::tr("%1 h %2 min left").arg(seconds / 3600).arg(seconds / 60 % 60);
}

} // namespace

JobProgressDialog::JobProgressDialog(QWidget *parent) : QProgressDialog(parent)
{
    setMinimum(0);
    setMaximum(0);
    setLabelText(tr("Compiling media..."));
    setCancelButtonText(tr("Cancel"));
    setMinimumDuration(0);
    // Not modal: a modal dialog would make the system drop a click on the
    // window's close button. The window's controls are disabled instead.
    setModal(false);
    setAutoClose(false);
    setAutoReset(false);
    setWindowModality(Qt::NonModal);
    // QProgressDialog shows itself from its constructor's timer; keep it hidden until a job runs.
    reset();
    hide();
    m_delay = new QTimer(this);
    m_delay->setSingleShot(true);
    connect(m_delay, &QTimer::timeout, this, &QWidget::show);
}

void JobProgressDialog::begin(JobId job, const QString &caption, const QString &package,
                              const QString &closingText, int delayMs)
{
    m_job = job;
    m_caption = caption;
    m_package = package.isEmpty() ? QString() : QFileInfo(package).fileName();
    m_closingText = closingText;
    m_details.clear();
    m_closing = false;
    m_clock.start();
    // The window's own focus child: the window need not be active.
    m_focusBefore = parentWidget() ? parentWidget()->focusWidget() : QApplication::focusWidget();
    setMaximum(0);
    setValue(0);
    updateLabel();
    if (delayMs > 0)
        m_delay->start(delayMs);
    else
        show();
}

void JobProgressDialog::showProgress(const JobProgress &progress)
{
    if (progress.total > 0) {
        setMaximum(1000);
        setValue(int(qBound(qint64(0), progress.done * 1000 / progress.total, qint64(1000))));
    }
    QStringList lines;
    if (progress.step != JobStep::None)
        lines.append(jobStepText(progress.step));
    if (!progress.currentFile.isEmpty() && QFileInfo(progress.currentFile).fileName() != m_package)
        lines.append(QFileInfo(progress.currentFile).fileName());
    if (progress.total > 0)
        lines.append(figures(progress, m_clock.elapsed()));
    m_details = lines.join(QLatin1Char('\n'));
    updateLabel();
}

void JobProgressDialog::showClosing()
{
    m_closing = true;
    m_delay->stop();
    updateLabel();
    show();
}

void JobProgressDialog::end()
{
    m_job = 0;
    m_delay->stop();
    close();
    if (m_focusBefore)
        m_focusBefore->setFocus();
}

QString JobProgressDialog::figures(const JobProgress &progress, qint64 elapsedMs)
{
    QString text = tr("%1 of %2 MB").arg(megabytes(progress.done), megabytes(progress.total));
    if (elapsedMs <= 0 || progress.done <= 0)
        return text;
    const double perSecond = double(progress.done) * 1000.0 / double(elapsedMs);
    text += QStringLiteral(" · ") + tr("%1 MB/s").arg(megabytes(qint64(perSecond)));
    if (progress.done < progress.total && perSecond > 0)
        text += QStringLiteral(" · ") +
                duration(qint64(double(progress.total - progress.done) / perSecond + 0.5));
    return text;
}

void JobProgressDialog::updateLabel()
{
    if (m_closing && !m_closingText.isEmpty()) {
        setLabelText(m_closingText);
        return;
    }
    QStringList lines{m_caption};
    if (!m_package.isEmpty())
        lines.append(m_package);
    if (!m_details.isEmpty())
        lines.append(m_details);
    setLabelText(lines.join(QLatin1Char('\n')));
}
