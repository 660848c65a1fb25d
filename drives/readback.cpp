#include "drives/readback.h"

#include "archive/packagefile.h"
#include "archive/packagereader.h"
#include "archive/platformfile.h"
#include "jobs/jobcontrol.h"

#include <QElapsedTimer>
#include <QSettings>

namespace {

QString tr(const char *text)
{
    return archiveText(text);
}

ReadBackResult finished(ReadBackResult::Status status, const QString &error,
                        const QElapsedTimer &timer, qint64 bytesRead = 0)
{
    ReadBackResult result;
    result.status = status;
    result.error = error;
    result.bytesRead = bytesRead;
    result.elapsedMs = timer.elapsed();
    return result;
}

} // namespace

ReadBackResult verifyFromDrive(const QString &path, const QByteArray &expectedDocument,
                               JobControl *control)
{
    QElapsedTimer timer;
    timer.start();
    const QString shown = quoted(path);
    const QString different =
        tr("The drive returned other data for %1 than was written (%2): it may be failing, or "
           "smaller than it claims. Do not use it; write the package to another drive.");

    PackageReader reader(path, PackageReader::Source::Drive);
    bool ok = reader.open() && reader.verify(control, tr("Verifying"));
    if (jobCancelled(control))
        return finished(ReadBackResult::Status::Cancelled,
                        tr("The check of %1 was cancelled.").arg(shown), timer);
    if (!ok && reader.systemError() != 0)
        return finished(ReadBackResult::Status::Unreadable,
                        tr("Cannot read %1 back from its drive: %2.")
                            .arg(shown, Platform::systemError(reader.systemError())),
                        timer);
    if (!ok)
        return finished(ReadBackResult::Status::Mismatch,
                        different.arg(shown, reader.failureCause()), timer);
    if (!expectedDocument.isEmpty()) {
        QByteArray document;
        if (!reader.contains(documentEntryName()))
            return finished(ReadBackResult::Status::Mismatch,
                            different.arg(shown, tr("its playlist document is missing")), timer);
        if (!reader.readEntry(documentEntryName(), expectedDocument.size(), &document) ||
            document != expectedDocument)
            return finished(ReadBackResult::Status::Mismatch,
                            different.arg(shown, tr("its playlist document differs from the one "
                                                    "built")),
                            timer);
    }
    return finished(ReadBackResult::Status::Verified, {}, timer, reader.identity().size);
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
