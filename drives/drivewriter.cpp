#include "drives/drivewriter.h"

#include "archive/packagearchive.h"
#include "archive/packagefile.h"
#include "archive/platformfile.h"
#include "drives/drivelist.h"
#include "jobs/jobcontrol.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace {

constexpr qint64 copyChunk = 4 * 1024 * 1024;

QString tr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

// One drive's part of the job, reporting to the whole.
class DriveTask
{
public:
    DriveTask(int index, const DriveInfo &drive, JobControl *outer,
              std::function<void(int, const JobProgress &)> report)
        : m_index(index), m_drive(drive), m_outer(outer), m_report(std::move(report)),
          m_control([this](const JobProgress &progress) { forward(progress); })
    {}

    JobControl *control() { return &m_control; }
    bool cancelled()
    {
        if (jobCancelled(m_outer))
            m_control.requestCancel();
        return m_control.isCancelled();
    }
    void setStep(const QString &step) { m_step = step; }

private:
    void forward(const JobProgress &progress)
    {
        cancelled();
        JobProgress shown = progress;
        shown.step = m_step;
        m_report(m_index, shown);
    }

    int m_index;
    DriveInfo m_drive;
    JobControl *m_outer;
    std::function<void(int, const JobProgress &)> m_report;
    QString m_step;
    JobControl m_control;
};

// The package copied whole into a temporary beside target, synced and renamed
// over it: a pulled drive or a cancel leaves whatever was there.
bool copyPackage(const QString &source, const QString &target, DriveTask *task, QString *error)
{
    const QString shown = quoted(target);
    Platform::File from;
    if (!from.openRead(QFile::encodeName(source))) {
        *error = tr("Cannot read %1: %2.").arg(quoted(source), Platform::systemError(from.error()));
        return false;
    }
    const QByteArray targetPath = QFile::encodeName(target);
    const QByteArray folder = folderOf(targetPath);
    QString cause;
    if (!checkDestinationRoom(Platform::destinationSpace(folder), from.size(), from.size(),
                              &cause)) {
        *error = tr("Cannot write %1: %2.").arg(shown, cause);
        return false;
    }
    Platform::ignoreFileSizeSignal();
    Platform::File to;
    if (!to.createTemporary(folder)) {
        *error = tr("Cannot write %1: %2.").arg(shown, Platform::systemError(to.error()));
        return false;
    }
    const auto discard = [&to] {
        const QString temporary = QFile::decodeName(to.path());
        to.close();
        QFile::remove(temporary);
    };
    std::vector<char> buffer(size_t(std::min(copyChunk, std::max<qint64>(from.size(), 1))));
    const QString name = QFileInfo(target).fileName();
    qint64 done = 0;
    while (done < from.size()) {
        if (task->cancelled()) {
            discard();
            return false;
        }
        const qint64 n = from.read(buffer.data(), qint64(buffer.size()), done);
        if (n <= 0) {
            *error = tr("Cannot read %1: %2.")
                         .arg(quoted(source), Platform::systemError(n < 0 ? from.error() : EIO));
            discard();
            return false;
        }
        if (!to.write(buffer.data(), n, done)) {
            *error = tr("Cannot write %1: %2. The drive was left as it was.")
                         .arg(shown, Platform::systemError(to.error()));
            discard();
            return false;
        }
        to.startWriteback(done, n);
        done += n;
        task->control()->report(done, from.size(), name);
    }
    int replaceError = 0;
    bool confirmed = false;
    to.setMode(Platform::newFileMode());
    if (!to.sync() || !Platform::replace(to.path(), targetPath, &replaceError, &confirmed)) {
        *error =
            tr("Cannot write %1: %2. The drive was left as it was.")
                .arg(shown, Platform::systemError(replaceError != 0 ? replaceError : to.error()));
        discard();
        return false;
    }
    to.close();
    return true;
}

// What the drive's package lacks of the source, and what it holds beyond it.
struct Difference
{
    QStringList deletions;
    QVector<PackageEntry> additions;
};

Difference differenceOf(const QString &source, const QVector<StoredEntry> &wanted,
                        const QVector<StoredEntry> &held)
{
    QHash<QString, StoredEntry> heldByName;
    for (const StoredEntry &entry : held)
        heldByName.insert(entry.name, entry);
    Difference difference;
    QSet<QString> wantedNames;
    for (const StoredEntry &entry : wanted) {
        wantedNames.insert(entry.name);
        const auto it = heldByName.constFind(entry.name);
        if (it == heldByName.cend() || it->crc != entry.crc || it->size != entry.size)
            difference.additions.append(PackageEntry::fromPackage(entry.name, source, entry.name));
    }
    for (const StoredEntry &entry : held) {
        if (!wantedNames.contains(entry.name))
            difference.deletions.append(entry.name);
    }
    return difference;
}

} // namespace

QString driveOutcomeText(DriveResult::Outcome outcome)
{
    switch (outcome) {
    case DriveResult::Outcome::Pending:
        return tr("Waiting");
    case DriveResult::Outcome::Written:
        return tr("Written");
    case DriveResult::Outcome::Verified:
        return tr("Verified");
    case DriveResult::Outcome::Ejected:
        return tr("Safe to remove");
    case DriveResult::Outcome::NotEjected:
        return tr("Verified, not ejected");
    case DriveResult::Outcome::Failed:
        return tr("Failed");
    case DriveResult::Outcome::Cancelled:
        return tr("Cancelled");
    }
    return {};
}

DriveResults writeToDrives(const QString &packagePath, const DriveInfos &drives,
                           const DriveWriteOptions &options, JobControl *control,
                           const DriveWriteObserver &observer,
                           const std::function<bool(const DriveInfo &, QString *)> &eject)
{
    DriveResults results(drives.size());
    for (int i = 0; i < drives.size(); ++i)
        results[i].drive = drives.at(i);
    if (drives.isEmpty())
        return results;

    // What every drive is to hold, read once.
    QVector<StoredEntry> wanted;
    QByteArray document;
    QString sourceError;
    PackageArchive source(packagePath);
    if (!readStoredEntries(packagePath, &wanted, &sourceError) || !source.readDocument(&document)) {
        if (sourceError.isEmpty())
            sourceError = source.errorString();
        for (DriveResult &result : results) {
            result.outcome = DriveResult::Outcome::Failed;
            result.error = sourceError;
        }
        return results;
    }
    const QString fileName = QFileInfo(packagePath).fileName();

    // Overall progress: the sum of each drive's write and read-back.
    std::mutex progressMutex;
    std::vector<qint64> done(size_t(drives.size()), 0);
    std::vector<qint64> total(size_t(drives.size()), 0);
    const qint64 packageSize = QFileInfo(packagePath).size();
    const auto report = [&](int index, const JobProgress &progress) {
        if (observer.progress)
            observer.progress(index, progress);
        if (!control)
            return;
        std::lock_guard<std::mutex> lock(progressMutex);
        const bool verifying = progress.step == tr("Verifying");
        done[size_t(index)] = (verifying ? packageSize : 0) + progress.done;
        total[size_t(index)] = 2 * packageSize;
        qint64 sumDone = 0;
        qint64 sumTotal = 0;
        for (size_t i = 0; i < done.size(); ++i) {
            sumDone += done[i];
            sumTotal += total[i] > 0 ? total[i] : 2 * packageSize;
        }
        control->report(JobProgress{sumDone, sumTotal, progress.currentFile, progress.step});
    };

    // Each thread touches its own drive's result only.
    DriveResult *const resultOf = results.data();
    const auto runOne = [&](int index) {
        DriveResult &result = resultOf[index];
        DriveTask task(index, result.drive, control, report);
        const QString target = result.drive.mountPoint + QLatin1Char('/') + fileName;
        const auto fail = [&](const QString &error) {
            result.outcome =
                task.cancelled() ? DriveResult::Outcome::Cancelled : DriveResult::Outcome::Failed;
            result.error = task.cancelled()
                               ? tr("Cancelled: %1 was left as it was.").arg(quoted(target))
                               : error;
        };
        if (task.cancelled())
            return fail({});

        QElapsedTimer timer;
        timer.start();
        task.setStep(tr("Writing"));
        QString error;
        QVector<StoredEntry> held;
        QString heldError;
        if (QFileInfo(target).isFile() && readStoredEntries(target, &held, &heldError)) {
            const Difference difference = differenceOf(packagePath, wanted, held);
            if (difference.additions.isEmpty() && difference.deletions.isEmpty()) {
                result.action = DriveResult::Action::Current;
            } else {
                PackageArchive archive(target);
                if (!archive.update(difference.deletions, difference.additions, {}, task.control()))
                    return fail(archive.errorString());
                result.action = DriveResult::Action::Updated;
            }
        } else {
            if (!copyPackage(packagePath, target, &task, &error))
                return fail(error);
            result.action = DriveResult::Action::Copied;
            result.bytesWritten = packageSize;
        }
        result.writeMs = timer.elapsed();
        if (result.action == DriveResult::Action::Updated)
            result.bytesWritten = QFileInfo(target).size();

        if (!options.verify) {
            result.outcome = DriveResult::Outcome::Written;
            return;
        }
        task.setStep(tr("Verifying"));
        const ReadBackResult check = verifyFromDrive(target, document, task.control());
        result.verifyMs = check.elapsedMs;
        if (check.status == ReadBackResult::Status::Cancelled) {
            // The package is complete; only its check stopped.
            result.outcome = DriveResult::Outcome::Cancelled;
            result.error =
                tr("Cancelled while %1 was read back; it was written whole.").arg(quoted(target));
            return;
        }
        if (!check.isVerified())
            return fail(check.error);
        result.outcome = DriveResult::Outcome::Verified;

        if (options.eject) {
            QString ejectError;
            const bool ejected =
                eject ? eject(result.drive, &ejectError) : ejectDrive(result.drive, &ejectError);
            result.outcome =
                ejected ? DriveResult::Outcome::Ejected : DriveResult::Outcome::NotEjected;
            result.error = ejectError;
        }
    };

    std::atomic<int> next{0};
    const auto worker = [&] {
        for (int index = next++; index < drives.size(); index = next++) {
            runOne(index);
            if (observer.finished)
                observer.finished(index, resultOf[index]);
        }
    };
    const int threads = std::clamp(options.parallel, 1, int(drives.size()));
    std::vector<std::thread> pool;
    for (int i = 1; i < threads; ++i)
        pool.emplace_back(worker);
    worker();
    for (std::thread &thread : pool)
        thread.join();
    return results;
}
