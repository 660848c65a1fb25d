#pragma once

#include <QMetaType>
#include <QString>
#include <QVector>

#include <atomic>
#include <functional>
#include <utility>

// Which step of its work a job is in. The runner tells a new step by this,
// never by the step's words, which are for people and may be translated.
enum class JobStep {
    None,
    Writing,
    // A package updated in place: the drive must stay until it is done.
    Updating,
    // The data is written; the drive is taking what is still cached.
    Finishing,
    Verifying,
};

// Words for a step, for the window: "Verifying".
QString jobStepText(JobStep step);

// One part of a job that works on several things at once (a drive of a write
// to drives): the bytes of its step, and whether it is finished.
struct JobPart
{
    qint64 done = 0;
    qint64 total = 0;
    JobStep step = JobStep::None;
    bool finished = false;
};

// How far a running job has come: bytes done of total and the file at hand,
// which the progress dialog turns into "MB done of total", speed and time left.
struct JobProgress
{
    qint64 done = 0;
    qint64 total = 0;
    // The file (or entry) being read or written now, as the user knows it.
    QString currentFile;
    // What the job is doing, when it has more than one step; the window
    // says it in words (jobStepText).
    JobStep step = JobStep::None;
    // Empty unless the job has parts.
    QVector<JobPart> parts = {};
};

// What a running job is handed: where it reports progress and the cancel
// request it checks between steps. Long work in the core takes a JobControl *
// (null: nobody watches, nothing cancels). Any thread may cancel; the job's
// own thread reports.
class JobControl
{
public:
    using Sink = std::function<void(const JobProgress &)>;

    JobControl() = default;
    explicit JobControl(Sink sink) : m_sink(std::move(sink)) {}
    JobControl(const JobControl &) = delete;
    JobControl &operator=(const JobControl &) = delete;

    void requestCancel() { m_cancelled.store(true, std::memory_order_relaxed); }
    bool isCancelled() const { return m_cancelled.load(std::memory_order_relaxed); }

    void report(const JobProgress &progress) const
    {
        if (m_sink)
            m_sink(progress);
    }
    void report(qint64 done, qint64 total, const QString &currentFile = {}) const
    {
        report(JobProgress{done, total, currentFile});
    }

private:
    std::atomic<bool> m_cancelled{false};
    Sink m_sink;
};

// Null-safe helpers for functions whose JobControl is optional.
inline bool jobCancelled(const JobControl *control)
{
    return control && control->isCancelled();
}

Q_DECLARE_METATYPE(JobProgress)
