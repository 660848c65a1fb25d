#include "drives/readback.h"
#include "archive/text.h"

#include "archive/packagefile.h"
#include "archive/packagereader.h"
#include "archive/platformfile.h"
#include "jobs/jobcontrol.h"

#include <QElapsedTimer>
#include <QHash>
#include <QSet>
#include <QSettings>

namespace {

ReadBackResult finished(ReadBackResult::Status status, ReadBackResult::Fault fault,
                        const QString &error, const QElapsedTimer &timer, qint64 bytesRead = 0)
{
    ReadBackResult result;
    result.status = status;
    result.fault = fault;
    result.error = error;
    result.bytesRead = bytesRead;
    result.elapsedMs = timer.elapsed();
    return result;
}

} // namespace

ReadBackResult verifyFromDrive(const QString &path, const QByteArray &expectedDocument,
                               JobControl *control)
{
    return verifyUpdateFromDrive(path, expectedDocument, {}, control);
}

ReadBackResult verifyUpdateFromDrive(const QString &path, const QByteArray &expectedDocument,
                                     const DirectoryBefore &before, JobControl *control)
{
    QElapsedTimer timer;
    timer.start();
    const QString shown = quoted(path);
    const QString different = CoreText::tr(
        "The drive returned other data for %1 than was written (%2): it may be failing, or "
        "smaller than it claims. Do not use it; write the package to another drive.");

    PackageReader reader(path, PackageReader::Source::Drive);
    bool ok = reader.open();
    QSet<QByteArray> untouched;
    const PackageIdentity now = reader.identity();
    if (ok && before.identity.isValid() && now.device == before.identity.device &&
        now.inode == before.identity.inode) {
        QHash<QByteArray, const LayoutEntry *> old;
        for (const LayoutEntry &entry : before.entries)
            old.insert(entry.name, &entry);
        for (const LayoutEntry &entry : reader.entries()) {
            const LayoutEntry *was = old.value(entry.name);
            // An entry that moved was written again, so it is read again.
            if (was && was->dataOffset == entry.dataOffset && was->crc == entry.crc &&
                was->size == entry.size && was->compressedSize == entry.compressedSize &&
                was->method == entry.method)
                untouched.insert(entry.name);
        }
    }
    // The read marks its progress as a step of its own, so the window shows
    // the step change at once.
    ok = ok && reader.verify(control, JobStep::Verifying, untouched);
    if (jobCancelled(control))
        return finished(ReadBackResult::Status::Cancelled, ReadBackResult::Fault::None,
                        CoreText::tr("The check of %1 was cancelled.").arg(shown), timer);
    if (!ok && reader.systemError() != 0)
        return finished(ReadBackResult::Status::Failed, ReadBackResult::Fault::Unreadable,
                        CoreText::tr("Cannot read %1 back from its drive: %2.")
                            .arg(shown, Platform::systemError(reader.systemError())),
                        timer);
    if (!ok)
        return finished(ReadBackResult::Status::Failed, ReadBackResult::Fault::Mismatch,
                        different.arg(shown, reader.failureCause()), timer);
    if (!expectedDocument.isEmpty()) {
        QByteArray document;
        if (!reader.contains(documentEntryName()))
            return finished(ReadBackResult::Status::Failed, ReadBackResult::Fault::Mismatch,
                            different.arg(shown, CoreText::tr("its playlist document is missing")),
                            timer);
        if (!reader.readEntry(documentEntryName(), expectedDocument.size(), &document) ||
            document != expectedDocument)
            return finished(
                ReadBackResult::Status::Failed, ReadBackResult::Fault::Mismatch,
                different.arg(shown, CoreText::tr("its playlist document differs from the one "
                                                  "built")),
                timer);
    }
    return finished(ReadBackResult::Status::Done, ReadBackResult::Fault::None, {}, timer,
                    reader.bytesVerified());
}

bool readStoredEntries(const QString &path, QVector<StoredEntry> *entries, QString *error)
{
    entries->clear();
    PackageReader reader(path);
    if (!reader.open()) {
        *error = reader.errorString();
        return false;
    }
    for (const LayoutEntry &entry : reader.entries())
        entries->append({QString::fromUtf8(entry.name), entry.crc, entry.size});
    return true;
}

bool verifyAfterSave()
{
    return QSettings().value(QStringLiteral("drives/verifyAfterSave"), true).toBool();
}

void setVerifyAfterSave(bool on)
{
    QSettings().setValue(QStringLiteral("drives/verifyAfterSave"), on);
}
