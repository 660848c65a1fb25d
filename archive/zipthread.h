#pragma once

#include <QObject>

#include <functional>

class JobControl;

// The worker of one job thread: runs whatever job it is handed, start to
// end, and says when it is done. It knows nothing of packages or settings;
// the job's own code does the work and keeps its outcome.
class ZipThread : public QObject
{
    Q_OBJECT

public:
    using Work = std::function<void(JobControl *)>;

    explicit ZipThread(QObject *parent = nullptr);

signals:
    void resultReady(quint64 id);

public slots:
    // Runs work with control in this object's thread, then emits resultReady(id).
    void doWork(quint64 id, JobControl *control, const ZipThread::Work &work);
};
