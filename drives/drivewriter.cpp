#include "drives/drivewriter.h"
#include "archive/text.h"

#include "archive/packagearchive.h"
#include "archive/packagefile.h"
#include "archive/platformfile.h"
#include "drives/drivelist.h"
#include "drives/drivesync.h"
#include "jobs/jobcontrol.h"
#include "jobs/parallelmap.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <mutex>
#include <vector>

namespace {

constexpr qint64 copyChunk = 4 * 1024 * 1024;
constexpr qint64 syncEvery = 4 * copyChunk;

// The progress of the whole job: one part per drive, and the sum of each
// drive's write and read-back. Reported from every drive's thread.
class DrivesProgress
{
public:
    DrivesProgress(JobControl *control, int drives, qint64 packageSize)
        : m_control(control), m_packageSize(packageSize), m_parts(drives)
    {}

    void report(int index, const JobProgress &progress)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        JobPart &part = m_parts[index];
        part.done = progress.done;
        part.total = progress.total;
        part.step = progress.step;
        post(progress);
    }
    void finish(int index)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_parts[index].finished = true;
        post(JobProgress{});
    }

private:
    void post(const JobProgress &latest)
    {
        if (!m_control)
            return;
        qint64 sum = 0;
        for (const JobPart &part : std::as_const(m_parts)) {
            const qint64 share = part.total > 0 ? part.done * m_packageSize / part.total : 0;
            sum += part.step == JobStep::Verifying   ? m_packageSize + share
                   : part.step == JobStep::Finishing ? m_packageSize
                                                     : share;
        }
        JobProgress whole{sum, 2 * m_packageSize * qint64(m_parts.size()), latest.currentFile,
                          latest.step};
        whole.parts = m_parts;
        m_control->report(whole);
    }

    std::mutex m_mutex;
    JobControl *m_control;
    qint64 m_packageSize;
    QVector<JobPart> m_parts;
};

// One drive's part of the job, reporting to the whole; a cancel of the job
// reaches it at its next report or check.
class DriveTask
{
public:
    DriveTask(int index, JobControl *outer, DrivesProgress *progress)
        : m_index(index), m_outer(outer), m_progress(progress),
          m_control([this](const JobProgress &progress) {
              cancelled();
              m_progress->report(m_index, progress);
          })
    {}

    JobControl *control() { return &m_control; }
    bool cancelled()
    {
        if (jobCancelled(m_outer))
            m_control.requestCancel();
        return m_control.isCancelled();
    }
    // Shows the step at once, before its first bytes.
    void setStep(JobStep step) { m_control.report(JobProgress{0, 0, {}, step}); }

private:
    int m_index;
    JobControl *m_outer;
    DrivesProgress *m_progress;
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
    Platform::Replacement replacement;
    Platform::File &to = replacement.file();
    if (!replacement.begin(targetPath)) {
        *error = CoreText::tr("Cannot write %1: %2.").arg(shown, Platform::systemError(to.error()));
        return false;
    }
    const auto discard = [&replacement] { replacement.discard(); };
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
        task->control()->report(JobProgress{done, from.size(), name, JobStep::Writing});
    }
    if (task->cancelled()) {
        discard();
        return false;
    }
    task->setStep(JobStep::Finishing);
    int replaceError = 0;
    bool confirmed = false;
    if (!replacement.commit(Platform::newFileMode(), &replaceError, &confirmed)) {
        *error = CoreText::tr("Cannot write %1: %2. The drive was left as it was.")
                     .arg(shown, Platform::systemError(replaceError));
        return false;
    }
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

QString driveResultText(const DriveResult &result)
{
    switch (result.status) {
    case DriveResult::Status::Done:
        return result.proof == DriveResult::Proof::SafeToRemove ? CoreText::tr("Safe to remove")
               : result.proof == DriveResult::Proof::Verified   ? CoreText::tr("Verified")
                                                                : CoreText::tr("Written");
    case DriveResult::Status::ChangedElsewhere:
        return CoreText::tr("Skipped");
    case DriveResult::Status::Failed:
        return CoreText::tr("Failed");
    case DriveResult::Status::Cancelled:
        return CoreText::tr("Cancelled");
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
        good += result.isDone() ? 1 : 0;
        skipped += result.status == DriveResult::Status::ChangedElsewhere ? 1 : 0;
        failed += result.status == DriveResult::Status::Failed ? 1 : 0;
        cancelled += result.isCancelled() ? 1 : 0;
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

namespace {

// What every drive of one job is to hold, and how each is written.
class DriveJob
{
public:
    using Eject = std::function<bool(const DriveInfo &, QString *)>;

    DriveJob(const QString &packagePath, const QByteArray &document,
             const DriveWriteOptions &options, const Eject &eject)
        : m_package(packagePath), m_document(document),
          m_fileName(QFileInfo(packagePath).fileName()),
          m_packageSize(QFileInfo(packagePath).size()), m_options(options), m_eject(eject)
    {}

    qint64 packageSize() const { return m_packageSize; }

    // Touches result only: each drive's thread has its own.
    void run(DriveTask &task, DriveResult &result) const
    {
        const QString target = result.drive.mountPoint + QLatin1Char('/') + m_fileName;
        // The service may still name a mount point that is gone: the folder
        // beneath it is the computer's own disk, not the stick.
        if (result.drive.isManaged() && !isMountedAt(result.drive.mountPoint)) {
            return fail(
                task, result, target,
                CoreText::tr("“%1” is not mounted at %2 any more, so nothing was written there. "
                             "Plug it in again, then Refresh.")
                    .arg(result.drive.displayName(), quoted(result.drive.mountPoint)));
        }
        QElapsedTimer timer;
        timer.start();
        task.setStep(JobStep::Writing);
        // What an earlier write that was pulled out left behind.
        Platform::removeLeftovers(QFile::encodeName(target));
        result.held = compareHeldPackage(m_package, target);
        if (result.held.needsConsent() && !m_options.replaceAny &&
            !m_options.replaceOn.contains(result.drive.mountPoint)) {
            result.status = DriveResult::Status::ChangedElsewhere;
            result.error = heldPackageQuestion(result.drive, m_fileName, result.held) +
                           QLatin1Char(' ') + CoreText::tr("It was not replaced.");
            return;
        }
        if (!write(task, result, target))
            return;
        result.writeMs = timer.elapsed();
        result.status = DriveResult::Status::Done;
        result.proof = DriveResult::Proof::Written;
        if (m_options.verify && verify(task, result, target) && m_options.eject)
            eject(result);
    }

private:
    static void fail(DriveTask &task, DriveResult &result, const QString &target,
                     const QString &error)
    {
        const bool cancelled = task.cancelled();
        // A drive that returned other bytes proves nothing of what it holds.
        result.proof = DriveResult::Proof::None;
        result.status = cancelled ? DriveResult::Status::Cancelled : DriveResult::Status::Failed;
        result.error = cancelled
                           ? CoreText::tr("Cancelled: %1 was left as it was.").arg(quoted(target))
                           : error;
    }

    // Only what changed where the drive holds an older version, else a copy.
    bool write(DriveTask &task, DriveResult &result, const QString &target) const
    {
        PackageSync sync;
        sync.copyWhole = true;
        if (result.held.relation != HeldPackage::Relation::None)
            sync = syncPackage(m_package, target, task.control());
        if (sync.isDone()) {
            result.action =
                sync.current ? DriveResult::Action::Current : DriveResult::Action::Updated;
            result.bytesWritten = sync.bytesWritten;
            return true;
        }
        if (!sync.copyWhole) {
            result.status = sync.status;
            result.error = sync.error;
            return false;
        }
        QString error;
        if (!copyPackage(m_package, target, &task, &error)) {
            fail(task, result, target, error);
            return false;
        }
        result.action = DriveResult::Action::Copied;
        result.bytesWritten = m_packageSize;
        return true;
    }

    // Whether the drive returned what was written.
    bool verify(DriveTask &task, DriveResult &result, const QString &target) const
    {
        task.setStep(JobStep::Verifying);
        const ReadBackResult check = verifyFromDrive(target, m_document, task.control());
        result.verifyMs = check.elapsedMs;
        if (check.isCancelled()) {
            // The package is complete; only its check stopped.
            result.warning =
                CoreText::tr("%1 holds the new package; reading it back was cancelled.")
                    .arg(quoted(target));
            return false;
        }
        if (!check.isVerified()) {
            fail(task, result, target, check.error);
            return false;
        }
        result.proof = DriveResult::Proof::Verified;
        return true;
    }

    void eject(DriveResult &result) const
    {
        if (!result.drive.isManaged() && !m_eject) {
            result.warning =
                CoreText::tr("%1 is a folder, not a drive this computer can eject; unmount "
                             "its drive by hand before removing it.")
                    .arg(quoted(result.drive.mountPoint));
            return;
        }
        QString error;
        if (m_eject ? m_eject(result.drive, &error) : ejectDrive(result.drive, &error))
            result.proof = DriveResult::Proof::SafeToRemove;
        else
            result.warning = error;
    }

    QString m_package;
    QByteArray m_document;
    QString m_fileName;
    qint64 m_packageSize;
    DriveWriteOptions m_options;
    Eject m_eject;
};

} // namespace

DriveResults writeToDrives(const QString &packagePath, const DriveInfos &drives,
                           const DriveWriteOptions &options, JobControl *control,
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
        for (DriveResult &result : results)
            result.error = source.errorString();
        return results;
    }
    const QString fileName = QFileInfo(packagePath).fileName();
    // A drive the cancel stops before it starts keeps its package as it was.
    for (DriveResult &result : results) {
        result.status = DriveResult::Status::Cancelled;
        result.error = CoreText::tr("Cancelled: %1 was left as it was.")
                           .arg(quoted(result.drive.mountPoint + QLatin1Char('/') + fileName));
    }
    const DriveJob job(packagePath, document, options, eject);
    DrivesProgress progress(control, int(drives.size()), job.packageSize());
    DriveResult *const resultOf = results.data();
    parallelMap(int(drives.size()), options.parallel, control, [&](int index) {
        DriveTask task(index, control, &progress);
        if (!task.cancelled())
            job.run(task, resultOf[index]);
        progress.finish(index);
    });
    return results;
}
