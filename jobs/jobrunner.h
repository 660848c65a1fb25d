#pragma once

#include "jobs/jobcontrol.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QThread;
class ZipThread;

using JobId = quint64;

// Runs the jobs of the whole program in worker threads of its own. A job has
// keys (the package path, the drive, "settings.xml"): jobs that share a key
// run one after the other in the order submitted, jobs with different keys
// run at once, up to maxParallel. Each job reports progress, can be
// cancelled, and ends with exactly one outcome, delivered on the thread the
// runner lives in.
class JobRunner : public QObject
{
    Q_OBJECT

public:
    explicit JobRunner(int maxParallel = 3, QObject *parent = nullptr);
    // Cancels what is queued and waits for what runs: a job is never torn off halfway.
    ~JobRunner() override;

    // work runs in a worker thread; done gets its outcome on the runner's
    // thread. A job cancelled before it started still runs, finds itself
    // cancelled at once and returns its cancelled outcome: every job ends once.
    template<typename Outcome>
    JobId submit(const QStringList &keys, std::function<Outcome(JobControl *)> work,
                 std::function<void(const Outcome &)> done)
    {
        auto result = std::make_shared<Outcome>();
        return submitWork(
            keys, [work, result](JobControl *control) { *result = work(control); },
            [done, result] { done(*result); });
    }

    void cancel(JobId id);
    void cancelAll();

    bool isBusy() const { return !m_jobs.empty(); }
    // Whether a job with this key is queued or running.
    bool isBusy(const QString &key) const;
    bool contains(JobId id) const;
    // Whether the job holds this key: how a caller tells one kind of job
    // from another.
    bool hasKey(JobId id, const QString &key) const;
    // Jobs running now, not the ones waiting for their key.
    int runningCount() const;
    JobProgress progressOf(JobId id) const;

signals:
    void started(JobId id);
    // Throttled to a few per second, plus the last one.
    void progress(JobId id, const JobProgress &progress);
    // After the job's own done() was called.
    void finished(JobId id);
    // No job is left.
    void idle();

private:
    struct Job;
    struct Worker;
    JobId submitWork(const QStringList &keys, std::function<void(JobControl *)> work,
                     std::function<void()> done);
    void dispatch();
    void jobDone(JobId id);
    Job *find(JobId id) const;

    int m_maxParallel;
    JobId m_nextId = 1;
    std::vector<std::unique_ptr<Job>> m_jobs; // in order submitted
    std::vector<std::unique_ptr<Worker>> m_workers;
};
