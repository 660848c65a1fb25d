#include "drives/drivewriter.h"
#include "archive/text.h"

#include "archive/packagearchive.h"
#include "archive/packagefile.h"
#include "archive/platformfile.h"
#include "drives/drivelist.h"
#include "drives/drivesync.h"
#include "jobs/jobcontrol.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace {

constexpr qint64 copyChunk = 4 * 1024 * 1024;
constexpr qint64 syncEvery = 4 * copyChunk;

// One drive's part of the job, reporting to the whole.
class DriveTask
{
public:
    DriveTask(int index, const DriveInfo &drive, JobControl *outer,
              std::function<void(int, DriveStep, const JobProgress &)> report)
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
    void setStep(DriveStep step)
    {
        m_step = step;
        forward(JobProgress{});
    }

private:
    void forward(const JobProgress &progress)
    {
        cancelled();
        JobProgress shown = progress;
        shown.step = driveStepText(m_step);
        shown.stepKind = m_step == DriveStep::Writing     ? JobStep::Writing
                         : m_step == DriveStep::Finishing ? JobStep::Finishing
                                                          : JobStep::Verifying;
        m_report(m_index, m_step, shown);
    }

    int m_index;
    DriveInfo m_drive;
    JobControl *m_outer;
    std::function<void(int, DriveStep, const JobProgress &)> m_report;
    DriveStep m_step = DriveStep::Writing;
    JobControl m_control;
};

// The package copied whole into a temporary beside target, synced and renamed
// over it: a pulled drive or a cancel leaves whatever was there.
bool copyPackage(const QString &source, const QString &target, DriveTask *task, QString *error)
{
    const QString shown = quoted(target);
    Platform::File from;
    if (!from.openRead(QFile::encodeName(source))) {
        *error = CoreText::tr("Cannot read %1: %2.")
                     .arg(quoted(source), Platform::systemError(from.error()));
        return false;
    }
    const QByteArray targetPath = QFile::encodeName(target);
    const QByteArray folder = folderOf(targetPath);
    QString cause;
    if (!checkDestinationRoom(Platform::destinationSpace(folder), from.size(), from.size(),
                              &cause)) {
        *error = CoreText::tr("Cannot write %1: %2.").arg(shown, cause);
        return false;
    }
    Platform::ignoreFileSizeSignal();
    Platform::File to;
    if (!to.createTemporary(targetPath)) {
        *error = CoreText::tr("Cannot write %1: %2.").arg(shown, Platform::systemError(to.error()));
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
            *error = CoreText::tr("Cannot read %1: %2.")
                         .arg(quoted(source), Platform::systemError(n < 0 ? from.error() : EIO));
            discard();
            return false;
        }
        if (!to.write(buffer.data(), n, done)) {
            *error = CoreText::tr("Cannot write %1: %2. The drive was left as it was.")
                         .arg(shown, Platform::systemError(to.error()));
            discard();
            return false;
        }
        to.startWriteback(done, n);
        done += n;
        // Synced every few chunks, so that a cancel never waits long for the cache.
        if (done % syncEvery < n && !to.sync()) {
            *error = CoreText::tr("Cannot write %1: %2. The drive was left as it was.")
                         .arg(shown, Platform::systemError(to.error()));
            discard();
            return false;
        }
        task->control()->report(done, from.size(), name);
    }
    if (task->cancelled()) {
        discard();
        return false;
    }
    task->setStep(DriveStep::Finishing);
    int replaceError = 0;
    bool confirmed = false;
    to.setMode(Platform::newFileMode());
    if (!to.sync() || !Platform::replace(to.path(), targetPath, &replaceError, &confirmed)) {
        *error =
            CoreText::tr("Cannot write %1: %2. The drive was left as it was.")
                .arg(shown, Platform::systemError(replaceError != 0 ? replaceError : to.error()));
        discard();
        return false;
    }
    to.close();
    return true;
}

// The document's update time and row count, "" and -1 when unreadable.
bool readDocumentFacts(const QString &path, QString *savedAt, int *items)
{
    PackageArchive archive(path);
    QByteArray bytes;
    if (!archive.readDocument(&bytes))
        return false;
    QJsonParseError parsed;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &parsed);
    if (parsed.error != QJsonParseError::NoError || !json.isObject())
        return false;
    const QJsonObject root = json.object();
    *savedAt = root.value(QStringLiteral("update_time")).toString();
    *items = root.value(QStringLiteral("gallery")).isArray()
                 ? int(root.value(QStringLiteral("gallery")).toArray().size())
                 : -1;
    return true;
}

} // namespace

QString driveOutcomeText(DriveResult::Outcome outcome)
{
    switch (outcome) {
    case DriveResult::Outcome::Pending:
        return CoreText::tr("Waiting");
    case DriveResult::Outcome::Written:
        return CoreText::tr("Written");
    case DriveResult::Outcome::Verified:
        return CoreText::tr("Verified");
    case DriveResult::Outcome::Ejected:
        return CoreText::tr("Safe to remove");
    case DriveResult::Outcome::Skipped:
        return CoreText::tr("Skipped");
    case DriveResult::Outcome::Failed:
        return CoreText::tr("Failed");
    case DriveResult::Outcome::Cancelled:
        return CoreText::tr("Cancelled");
    }
    return {};
}

QString driveStepText(DriveStep step)
{
    switch (step) {
    case DriveStep::Writing:
        return CoreText::tr("Writing");
    case DriveStep::Finishing:
        return CoreText::tr("Finishing: writing the last data to the stick");
    case DriveStep::Verifying:
        return CoreText::tr("Verifying");
    }
    return {};
}

QString driveSummaryText(const DriveResults &results)
{
    int good = 0;
    int skipped = 0;
    int failed = 0;
    int cancelled = 0;
    for (const DriveResult &result : results) {
        good += result.succeeded() ? 1 : 0;
        skipped += result.outcome == DriveResult::Outcome::Skipped ? 1 : 0;
        failed += result.outcome == DriveResult::Outcome::Failed ? 1 : 0;
        cancelled += result.outcome == DriveResult::Outcome::Cancelled ? 1 : 0;
    }
    QStringList parts = {CoreText::tr("%1 of %2 drives done.").arg(good).arg(results.size())};
    if (cancelled > 0)
        parts.append(CoreText::tr("Cancelled: %1, each left as it was.").arg(cancelled));
    if (skipped > 0)
        parts.append(CoreText::tr("Skipped: %1, each keeping its own package.").arg(skipped));
    if (failed > 0)
        parts.append(CoreText::tr("Failed: %1; each says why and what it holds.").arg(failed));
    return parts.join(QLatin1Char(' '));
}

HeldPackage compareHeldPackage(const QString &packagePath, const QString &heldPath)
{
    HeldPackage held;
    if (!QFileInfo(heldPath).isFile())
        return held;
    held.relation = HeldPackage::Relation::Unrelated;
    QString savedAt;
    int items = -1;
    QVector<StoredEntry> heldEntries;
    QVector<StoredEntry> wanted;
    QString error;
    if (!readDocumentFacts(heldPath, &held.savedAt, &held.items) ||
        !readStoredEntries(heldPath, &heldEntries, &error) ||
        !readDocumentFacts(packagePath, &savedAt, &items) ||
        !readStoredEntries(packagePath, &wanted, &error))
        return held;
    // A version of the same playlist shares media with it, or holds none.
    QSet<QString> media;
    for (const StoredEntry &entry : std::as_const(wanted)) {
        if (entry.name != documentEntryName())
            media.insert(entry.name + QLatin1Char('/') + QString::number(entry.crc) +
                         QLatin1Char('/') + QString::number(entry.size));
    }
    bool shared = media.isEmpty();
    int heldMedia = 0;
    for (const StoredEntry &entry : std::as_const(heldEntries)) {
        if (entry.name == documentEntryName())
            continue;
        ++heldMedia;
        shared =
            shared || media.contains(entry.name + QLatin1Char('/') + QString::number(entry.crc) +
                                     QLatin1Char('/') + QString::number(entry.size));
    }
    if (!shared && heldMedia > 0)
        return held;
    // "yyyy-MM-dd hh:mm:ss" sorts as it reads.
    held.relation =
        held.savedAt > savedAt ? HeldPackage::Relation::Newer : HeldPackage::Relation::Older;
    return held;
}

QString heldPackageQuestion(const DriveInfo &drive, const QString &fileName,
                            const HeldPackage &held)
{
    QString facts = CoreText::tr("not readable as a playlist");
    if (held.items == 1)
        facts = CoreText::tr("saved %1, 1 item").arg(held.savedAt);
    else if (held.items >= 0)
        facts = CoreText::tr("saved %1, %2 items").arg(held.savedAt).arg(held.items);
    if (held.relation == HeldPackage::Relation::Newer)
        return CoreText::tr("“%1” holds a newer %2 (%3); replace it?")
            .arg(drive.displayName(), fileName, facts);
    return CoreText::tr(
               "“%1” holds another playlist named %2 (%3), not a version of this one; replace it?")
        .arg(drive.displayName(), fileName, facts);
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
    QByteArray document;
    PackageArchive source(packagePath);
    if (!source.readDocument(&document)) {
        for (DriveResult &result : results) {
            result.outcome = DriveResult::Outcome::Failed;
            result.error = source.errorString();
        }
        return results;
    }
    const QString fileName = QFileInfo(packagePath).fileName();

    // Overall progress: the sum of each drive's write and read-back.
    std::mutex progressMutex;
    std::vector<qint64> done(size_t(drives.size()), 0);
    const qint64 packageSize = QFileInfo(packagePath).size();
    const auto report = [&](int index, DriveStep step, const JobProgress &progress) {
        if (observer.progress)
            observer.progress(index, step, progress);
        if (!control)
            return;
        std::lock_guard<std::mutex> lock(progressMutex);
        const qint64 part = progress.total > 0 ? progress.done * packageSize / progress.total : 0;
        done[size_t(index)] = step == DriveStep::Verifying   ? packageSize + part
                              : step == DriveStep::Finishing ? packageSize
                                                             : part;
        qint64 sumDone = 0;
        for (const qint64 value : done)
            sumDone += value;
        control->report(JobProgress{sumDone, 2 * packageSize * qint64(done.size()),
                                    progress.currentFile, progress.step, progress.stepKind});
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
            result.error =
                task.cancelled()
                    ? CoreText::tr("Cancelled: %1 was left as it was.").arg(quoted(target))
                    : error;
        };
        if (task.cancelled())
            return fail({});
        // The service may still name a mount point that is gone: the folder
        // beneath it is the computer's own disk, not the stick.
        if (result.drive.isManaged() && !isMountedAt(result.drive.mountPoint)) {
            return fail(
                CoreText::tr("“%1” is not mounted at %2 any more, so nothing was written there. "
                             "Plug it in again, then Refresh.")
                    .arg(result.drive.displayName(), quoted(result.drive.mountPoint)));
        }

        QElapsedTimer timer;
        timer.start();
        task.setStep(DriveStep::Writing);
        // What an earlier write that was pulled out left behind.
        Platform::removeLeftovers(QFile::encodeName(target));
        result.held = compareHeldPackage(packagePath, target);
        if (result.held.needsConsent() && !options.replaceAny &&
            !options.replaceOn.contains(result.drive.mountPoint)) {
            result.outcome = DriveResult::Outcome::Skipped;
            result.error = heldPackageQuestion(result.drive, fileName, result.held) +
                           QLatin1Char(' ') + CoreText::tr("It was not replaced.");
            return;
        }
        QString error;
        PackageSync sync;
        sync.status = PackageSync::Status::NotPossible;
        if (result.held.relation != HeldPackage::Relation::None)
            sync = syncPackage(packagePath, target, task.control(),
                               [&task] { task.setStep(DriveStep::Finishing); });
        switch (sync.status) {
        case PackageSync::Status::Current:
            result.action = DriveResult::Action::Current;
            break;
        case PackageSync::Status::Synced:
            result.action = DriveResult::Action::Updated;
            result.bytesWritten = sync.bytesWritten;
            break;
        case PackageSync::Status::NotPossible:
            if (!copyPackage(packagePath, target, &task, &error))
                return fail(error);
            result.action = DriveResult::Action::Copied;
            result.bytesWritten = packageSize;
            break;
        case PackageSync::Status::Cancelled:
        case PackageSync::Status::Failed:
        case PackageSync::Status::Unfinished:
            result.outcome = sync.status == PackageSync::Status::Cancelled
                                 ? DriveResult::Outcome::Cancelled
                                 : DriveResult::Outcome::Failed;
            result.error = sync.error;
            return;
        }
        result.writeMs = timer.elapsed();

        if (!options.verify) {
            result.outcome = DriveResult::Outcome::Written;
            return;
        }
        task.setStep(DriveStep::Verifying);
        const ReadBackResult check = verifyFromDrive(target, document, task.control());
        result.verifyMs = check.elapsedMs;
        if (check.status == ReadBackResult::Status::Cancelled) {
            // The package is complete; only its check stopped.
            result.outcome = DriveResult::Outcome::Written;
            result.note = CoreText::tr("%1 holds the new package; reading it back was cancelled.")
                              .arg(quoted(target));
            return;
        }
        if (!check.isVerified())
            return fail(check.error);
        result.outcome = DriveResult::Outcome::Verified;

        if (!options.eject)
            return;
        if (!result.drive.isManaged() && !eject) {
            result.note =
                CoreText::tr("%1 is a folder, not a drive this computer can eject; unmount "
                             "its drive by hand before removing it.")
                    .arg(quoted(result.drive.mountPoint));
            return;
        }
        QString ejectError;
        const bool ejected =
            eject ? eject(result.drive, &ejectError) : ejectDrive(result.drive, &ejectError);
        if (ejected)
            result.outcome = DriveResult::Outcome::Ejected;
        else
            result.note = ejectError;
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
