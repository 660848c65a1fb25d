#include "jobs/jobrunner.h"

#include "archive/zipthread.h"

#include <QElapsedTimer>
#include <QSet>
#include <QThread>

#include <algorithm>

namespace {

// Progress more often than this only costs the window repaints.
constexpr qint64 progressIntervalMs = 100;

} // namespace

struct JobRunner::Job
{
    JobId id = 0;
    QStringList keys;
    std::function<void(JobControl *)> work;
    std::function<void()> done;
    std::unique_ptr<JobControl> control;
    JobProgress progress;
    bool running = false;
};

struct JobRunner::Worker
{
    QThread thread;
    ZipThread *zip = nullptr;
    JobId job = 0; // 0: free
};

JobRunner::JobRunner(int maxParallel, QObject *parent)
    : QObject(parent), m_maxParallel(std::max(1, maxParallel))
{
    qRegisterMetaType<JobProgress>();
    qRegisterMetaType<JobId>("JobId");
}

JobRunner::~JobRunner()
{
    // Queued jobs never start; running ones are asked to stop and are waited for.
    cancelAll();
    for (const auto &worker : m_workers) {
        worker->thread.quit();
        worker->thread.wait();
        delete worker->zip;
    }
}

JobId JobRunner::submitWork(const QStringList &keys, std::function<void(JobControl *)> work,
                            std::function<void()> done)
{
    auto job = std::make_unique<Job>();
    job->id = m_nextId++;
    job->keys = keys;
    job->work = std::move(work);
    job->done = std::move(done);
    const JobId id = job->id;
    // The sink runs in the worker thread: it only passes copies on, a few times a second.
    auto clock = std::make_shared<QElapsedTimer>();
    // A new step passes at once, also one part's, and a part that finished;
    // a new file does not: a package of a thousand small files would post a
    // thousand updates to the GUI thread in a blink.
    auto lastSteps = std::make_shared<QVector<int>>();
    job->control =
        std::make_unique<JobControl>([this, id, clock, lastSteps](const JobProgress &progress) {
            const bool last = progress.total > 0 && progress.done >= progress.total;
            QVector<int> steps = {int(progress.step)};
            for (const JobPart &part : progress.parts)
                steps.append(part.finished ? -1 : int(part.step));
            if (clock->isValid() && clock->elapsed() < progressIntervalMs && !last &&
                steps == *lastSteps)
                return;
            clock->start();
            *lastSteps = steps;
            QMetaObject::invokeMethod(
                this,
                [this, id, progress] {
                    if (Job *job = find(id)) {
                        job->progress = progress;
                        emit this->progress(id, progress);
                    }
                },
                Qt::QueuedConnection);
        });
    m_jobs.push_back(std::move(job));
    dispatch();
    return id;
}

JobRunner::Job *JobRunner::find(JobId id) const
{
    for (const auto &job : m_jobs) {
        if (job->id == id)
            return job.get();
    }
    return nullptr;
}

void JobRunner::cancel(JobId id)
{
    if (Job *job = find(id))
        job->control->requestCancel();
}

void JobRunner::cancelAll()
{
    for (const auto &job : m_jobs)
        job->control->requestCancel();
}

bool JobRunner::isBusy(const QString &key) const
{
    return std::any_of(m_jobs.cbegin(), m_jobs.cend(),
                       [&key](const auto &job) { return job->keys.contains(key); });
}

bool JobRunner::contains(JobId id) const
{
    return find(id) != nullptr;
}

bool JobRunner::hasKey(JobId id, const QString &key) const
{
    const Job *job = find(id);
    return job && job->keys.contains(key);
}

int JobRunner::runningCount() const
{
    return int(std::count_if(m_jobs.cbegin(), m_jobs.cend(),
                             [](const auto &job) { return job->running; }));
}

JobProgress JobRunner::progressOf(JobId id) const
{
    const Job *job = find(id);
    return job ? job->progress : JobProgress();
}

// Starts every waiting job whose keys no earlier job holds, while workers are free.
void JobRunner::dispatch()
{
    QSet<QString> held;
    for (const auto &job : m_jobs) {
        const bool blocked =
            std::any_of(job->keys.cbegin(), job->keys.cend(),
                        [&held](const QString &key) { return held.contains(key); });
        for (const QString &key : qAsConst(job->keys))
            held.insert(key);
        if (job->running || blocked)
            continue;

        Worker *free = nullptr;
        for (const auto &worker : m_workers) {
            if (worker->job == 0) {
                free = worker.get();
                break;
            }
        }
        if (!free && int(m_workers.size()) < m_maxParallel) {
            m_workers.push_back(std::make_unique<Worker>());
            free = m_workers.back().get();
            free->zip = new ZipThread;
            free->zip->moveToThread(&free->thread);
            connect(free->zip, &ZipThread::resultReady, this, &JobRunner::jobDone);
            free->thread.start(QThread::InheritPriority);
        }
        if (!free)
            return;

        free->job = job->id;
        job->running = true;
        ZipThread *zip = free->zip;
        const JobId id = job->id;
        JobControl *control = job->control.get();
        ZipThread::Work work = job->work;
        QMetaObject::invokeMethod(
            zip, [zip, id, control, work] { zip->doWork(id, control, work); },
            Qt::QueuedConnection);
        emit started(id);
    }
}

void JobRunner::jobDone(JobId id)
{
    const auto it =
        std::find_if(m_jobs.begin(), m_jobs.end(), [id](const auto &job) { return job->id == id; });
    if (it == m_jobs.end())
        return;
    // Out of the list before its outcome is shown: a dialog there runs the
    // event loop, and the outcome may submit the next job.
    std::unique_ptr<Job> job = std::move(*it);
    m_jobs.erase(it);
    for (const auto &worker : m_workers) {
        if (worker->job == id)
            worker->job = 0;
    }
    dispatch();
    job->done();
    emit finished(id);
    if (m_jobs.empty())
        emit idle();
}
