#include "jobs/jobrunner.h"
#include "jobs/parallelmap.h"
#include "package/saveplan.h"
#include "tests/common/testkit.h"

#include <QtTest>

#include <algorithm>
#include <atomic>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// Waits in a worker thread until cond holds, for five seconds at most.
template<typename Cond> bool waitFor(Cond cond)
{
    for (QDeadlineTimer deadline(5000); !cond(); QThread::msleep(2)) {
        if (deadline.hasExpired())
            return false;
    }
    return true;
}

} // namespace

class TestJobRunner : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const char *name) const { return dir.filePath(str(name)); }

    // A package of its own at name, holding media of size bytes, as saved.
    PackageContents makePackage(const char *name, int size)
    {
        const QString media = path(name) + str(".mp4");
        const SaveOutcome outcome =
            writeMedia(media, size)
                ? runSavePlan(makeSavePlan(path(name), path(name), {row("NA", media)}))
                : SaveOutcome();
        return outcome.status == SaveOutcome::Status::Done ? outcome.contents : PackageContents();
    }
    // Adds a picture of its own of size bytes to the package's rows: the plan
    // that saves it in place (a failed write shows as a failed save).
    SavePlan addTo(const PackageContents &open, const char *name, int size)
    {
        (void)writeMedia(path(name), size);
        return makeSavePlan(open.path, open.path,
                            open.rows + PlaylistRows{row("00:00:05", path(name))}, open);
    }

private slots:
    void initTestCase() { QVERIFY2(dir.isValid(), qPrintable(dir.errorString())); }
    void keysSerialiseAndBound_data();
    void keysSerialiseAndBound();
    void twoPackagesAtOnceCancelOne();
    void cancelledBeforeStartEndsOnce();
    void progressOfManyFilesIsThrottled();
    void parallelMapTakesEachIndexOnce_data();
    void parallelMapTakesEachIndexOnce();
    void destructionWaitsForRunningJob();
    void saveAfterFailedReadBackIsNotAChange();
};

void TestJobRunner::keysSerialiseAndBound_data()
{
    QTest::addColumn<int>("maxParallel");
    QTest::addColumn<QStringList>("keys"); // one job each; "a+b" holds two keys
    QTest::addColumn<int>("together");     // the most jobs that may run at once

    QTest::newRow("one key: one after the other") << 3 << str("a a a").split(u' ') << 1;
    QTest::newRow("three keys at once") << 3 << str("a b c").split(u' ') << 3;
    QTest::newRow("bounded by the workers") << 2 << str("a b c d").split(u' ') << 2;
    QTest::newRow("a job holding two keys waits for both") << 3 << str("a b a+b").split(u' ') << 2;
    QTest::newRow("a job waiting for two keys is not overtaken")
        << 3 << str("a a+b b").split(u' ') << 1;
}

// Every job waits until as many jobs run as may run at once, then a little
// longer, so a runner that lets more run shows it.
void TestJobRunner::keysSerialiseAndBound()
{
    QFETCH(int, maxParallel);
    QFETCH(QStringList, keys);
    QFETCH(int, together);

    JobRunner runner(maxParallel);
    QAtomicInt running;
    QAtomicInt most;
    QAtomicInt started;
    QVector<int> outcomes;
    for (int i = 0; i < keys.size(); ++i) {
        runner.submit<int>(
            keys.at(i).split(u'+'),
            [&, i](JobControl *) {
                started.fetchAndAddOrdered(1);
                const int now = running.fetchAndAddOrdered(1) + 1;
                for (int seen = most.loadAcquire();
                     now > seen && !most.testAndSetOrdered(seen, now); seen = most.loadAcquire()) {
                }
                // The last jobs to start may find fewer beside them.
                waitFor([&] {
                    return running.loadAcquire() >= together ||
                           started.loadAcquire() == keys.size();
                });
                QThread::msleep(30);
                running.fetchAndAddOrdered(-1);
                return i;
            },
            [&outcomes](const int &outcome) { outcomes.append(outcome); });
    }
    QSignalSpy idle(&runner, &JobRunner::idle);
    QVERIFY(idle.wait(20000));
    QCOMPARE(most.loadAcquire(), together);
    QCOMPARE(outcomes.size(), keys.size());
    // Jobs of one key end in the order submitted.
    const auto notA = [&keys](int i) { return !keys.at(i).contains(u'a'); };
    outcomes.erase(std::remove_if(outcomes.begin(), outcomes.end(), notA), outcomes.end());
    QVERIFY(std::is_sorted(outcomes.cbegin(), outcomes.cend()));
}

// Two saves on two packages run at once; one is cancelled while it runs. The
// other completes; the cancelled package keeps every byte.
void TestJobRunner::twoPackagesAtOnceCancelOne()
{
    const QString first = path("first.mrv");
    const SavePlan firstPlan = addTo(makePackage("first.mrv", 200000), "added1.png", 3000000);
    const SavePlan secondPlan = addTo(makePackage("second.mrv", 200000), "added2.png", 3000000);
    const QByteArray firstBefore = fileBytes(first);
    QVERIFY(!firstBefore.isEmpty() && secondPlan.packagePath == path("second.mrv"));

    JobRunner runner(2);
    SaveOutcome firstOutcome;
    SaveOutcome secondOutcome;
    const JobId firstJob = runner.submit<SaveOutcome>(
        {first},
        [&](JobControl *control) {
            // The cancel comes from the runner's thread while this job runs.
            waitFor([control] { return control->isCancelled(); });
            return runSavePlan(firstPlan, control);
        },
        [&](const SaveOutcome &outcome) { firstOutcome = outcome; });
    runner.submit<SaveOutcome>(
        {secondPlan.packagePath},
        [&](JobControl *control) { return runSavePlan(secondPlan, control); },
        [&](const SaveOutcome &outcome) { secondOutcome = outcome; });
    QCOMPARE(runner.runningCount(), 2); // at once
    runner.cancel(firstJob);
    QSignalSpy idle(&runner, &JobRunner::idle);
    QVERIFY(idle.wait(20000));

    QCOMPARE(int(firstOutcome.status), int(SaveOutcome::Status::Cancelled));
    QVERIFY_CONTAINS(firstOutcome.error, str("left as it was"));
    QCOMPARE(fileBytes(first), firstBefore);
    QCOMPARE(int(secondOutcome.status), int(SaveOutcome::Status::Done));
    QCOMPARE(readZip(secondPlan.packagePath).value(str("added2.png")),
             fileBytes(path("added2.png")));
}

// A job cancelled while it waits for its key still ends, once, with its own outcome.
void TestJobRunner::cancelledBeforeStartEndsOnce()
{
    JobRunner runner(1);
    QSemaphore release;
    QStringList outcomes;
    runner.submit<QString>(
        {str("k")},
        [&release](JobControl *) {
            release.tryAcquire(1, 5000);
            return str("first");
        },
        [&outcomes](const QString &outcome) { outcomes << outcome; });
    const JobId queued = runner.submit<QString>(
        {str("k")},
        [](JobControl *control) { return control->isCancelled() ? str("cancelled") : str("ran"); },
        [&outcomes](const QString &outcome) { outcomes << outcome; });
    QCOMPARE(runner.runningCount(), 1);
    runner.cancel(queued);
    release.release();
    QSignalSpy finished(&runner, &JobRunner::finished);
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 2, 10000);
    QCOMPARE(outcomes, (QStringList{str("first"), str("cancelled")}));
    QCOMPARE(finished.at(1).at(0).value<JobId>(), queued);
}

// A package of a thousand small files must not post a thousand updates to
// the GUI thread; a new step, a part done and the last update always pass.
void TestJobRunner::progressOfManyFilesIsThrottled()
{
    JobRunner runner(1);
    QSignalSpy progress(&runner, &JobRunner::progress);
    QSignalSpy idle(&runner, &JobRunner::idle);
    runner.submit<int>(
        {str("k")},
        [](JobControl *control) {
            for (int i = 0; i < 1000; ++i) {
                JobProgress now{i, 1000, str("f%1.png").arg(i),
                                i < 500 ? JobStep::Writing : JobStep::Verifying};
                now.parts = {JobPart{i, 1000, JobStep::Writing, i >= 750}};
                control->report(now);
            }
            control->report(1000, 1000);
            return 0;
        },
        [](int) {});
    QVERIFY(idle.wait(10000));
    QVERIFY_BETWEEN(progress.size(), 4, 7);
    const auto nth = [&progress](int n) { return progress.at(n).at(1).value<JobProgress>(); };
    QVERIFY(nth(1).done == 500 && nth(1).step == JobStep::Verifying);
    QVERIFY(nth(2).done == 750 && nth(2).parts.value(0).finished);
    QCOMPARE(nth(int(progress.size()) - 1).done, 1000);
}

void TestJobRunner::parallelMapTakesEachIndexOnce_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("threads");
    QTest::addColumn<bool>("cancel"); // at the first index run
    QTest::newRow("nothing to do") << 0 << 4 << false;
    QTest::newRow("more threads than work") << 3 << 8 << false;
    QTest::newRow("many on a few threads") << 300 << 3 << false;
    QTest::newRow("no threads asked: the caller's") << 5 << 0 << false;
    QTest::newRow("one thread stops at the cancel") << 50 << 1 << true;
    QTest::newRow("several stop at the cancel") << 300 << 4 << true;
}

// Every index once; after a cancel no index starts.
void TestJobRunner::parallelMapTakesEachIndexOnce()
{
    QFETCH(int, count);
    QFETCH(int, threads);
    QFETCH(bool, cancel);
    JobControl control;
    std::vector<std::atomic<int>> runs(static_cast<size_t>(count));
    std::atomic<int> started{0};
    parallelMap(count, threads, &control, [&](int index) {
        QThread::usleep(200);
        ++runs[size_t(index)];
        ++started;
        if (cancel)
            control.requestCancel();
    });
    QVERIFY(std::all_of(runs.cbegin(), runs.cend(),
                        [cancel](const auto &n) { return n == 1 || (cancel && n == 0); }));
    QVERIFY(cancel ? started >= 1 && started <= threads : started == count);
}

// Closing the program mid-job waits for the job (a save is never torn off)
// and delivers no outcome to what is being destroyed.
void TestJobRunner::destructionWaitsForRunningJob()
{
    QAtomicInt done; // 1: ended after it saw the cancel
    bool delivered = false;
    {
        JobRunner runner;
        QSemaphore started;
        runner.submit<int>(
            {str("k")},
            [&](JobControl *control) {
                started.release();
                done.storeRelease(waitFor([control] { return control->isCancelled(); }) ? 1 : 2);
                return 0;
            },
            [&delivered](const int &) { delivered = true; });
        QVERIFY(started.tryAcquire(1, 5000));
    }
    QCOMPARE(done.loadAcquire(), 1);
    QVERIFY(!delivered);
}

// A save whose package cannot be read back still gives the package as written:
// the next save updates it and does not take it for another program's change.
void TestJobRunner::saveAfterFailedReadBackIsNotAChange()
{
    const QString package = path("readback.mrv");
    const SavePlan plan = addTo(makePackage("readback.mrv", 5000), "more.png", 4000);

    // Right after the package is in place (the last progress), its end record
    // is spoilt, with its time kept, so that reading it back fails.
    QByteArray spoilt;
    struct stat before;
    const auto keepTime = [&package, &before] {
        const timespec times[2] = {before.st_atim, before.st_mtim};
        return utimensat(AT_FDCWD, QFile::encodeName(package).constData(), times, 0) == 0;
    };
    JobControl control([&](const JobProgress &progress) {
        if (progress.total <= 0 || progress.done < progress.total || !spoilt.isEmpty())
            return;
        spoilt = fileBytes(package);
        if (::stat(QFile::encodeName(package).constData(), &before) != 0)
            return;
        (void)(patchBytes(package, spoilt.size() - 22, "XXXX") && keepTime());
    });
    const SaveOutcome saved = runSavePlan(plan, &control);
    QVERIFY(!spoilt.isEmpty());
    QCOMPARE(int(saved.status), int(SaveOutcome::Status::Done));
    QVERIFY_CONTAINS(saved.warning, str("cannot be read back"));
    QCOMPARE(saved.contents.path, package);

    // The drive recovers: the package reads again, unchanged since it was written.
    QVERIFY(patchBytes(package, spoilt.size() - 22, spoilt.right(22).left(4)) && keepTime());
    PlaylistRows again = saved.contents.rows;
    again.removeFirst();
    const SaveOutcome next = runSavePlan(makeSavePlan(package, package, again, saved.contents));
    QVERIFY2(next.status == SaveOutcome::Status::Done, qPrintable(next.error));
    QCOMPARE(readZip(package).keys(), (QStringList{str("json.txt"), str("more.png")}));
}

QTEST_GUILESS_MAIN(TestJobRunner)
#include "tst_jobrunner.moc"
