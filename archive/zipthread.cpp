#include "archive/zipthread.h"

#include "jobs/jobcontrol.h"

ZipThread::ZipThread(QObject *parent) : QObject(parent) {}

void ZipThread::doWork(quint64 id, JobControl *control, const Work &work)
{
    work(control);
    emit resultReady(id);
}
