#include "package/saveplan.h"
#include "archive/text.h"

#include "archive/packagereader.h"
#include "archive/platformfile.h"
#include "document/playlistdocument.h"
#include "document/storednames.h"
#include "drives/readback.h"
#include "package/mediacheck.h"
#include "package/packageplan.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSet>

Q_LOGGING_CATEGORY(lcPackage, "merovi.package")

namespace {

SaveOutcome failed(const QString &error, SaveOutcome::Status status = SaveOutcome::Status::Failed)
{
    SaveOutcome outcome;
    outcome.status = status;
    outcome.error = error;
    return outcome;
}

SaveOutcome refusing(const QString &error, const QStringList &files)
{
    SaveOutcome outcome = failed(error);
    outcome.refusedFiles = distinctFiles(files);
    return outcome;
}

// The entries of a new package: kept entries copied from the open package,
// every other row's file from the disk, the document last.
bool newPackageEntries(const SavePlan &plan, const PlaylistRows &rows,
                       QVector<PackageEntry> *entries, QString *error, QStringList *refused)
{
    const QStringList stored = galleryStoredNames(plan.sourceDocument);
    const QSet<QString> storedSet(stored.cbegin(), stored.cend());
    QStringList files;
    for (const PlaylistRow &row : rows)
        files.append(row.file);
    files = distinctFiles(files);

    QStringList fromDisk;
    for (const QString &file : qAsConst(files)) {
        if (!storedSet.contains(file))
            fromDisk.append(file);
    }
    if (!checkSavableMedia(fromDisk, error, refused))
        return false;
    for (const QString &file : qAsConst(files)) {
        // Stored entries keep their names; only files being added are renamed.
        entries->append(storedSet.contains(file)
                            ? PackageEntry::fromPackage(entryOfStoredName(file), plan.sourcePackage,
                                                        entryOfStoredName(file))
                            : PackageEntry::file(entryNameOf(file), file));
    }
    return true;
}

SaveDocumentHook &documentHook()
{
    static SaveDocumentHook hook;
    return hook;
}

// Entry names as a package stores them, for the rule both sides share.
QStringList namesOf(const QVector<PackageEntry> &entries)
{
    QStringList names;
    for (const PackageEntry &entry : entries)
        names.append(entry.name);
    return names;
}

QStringList namesOf(const QVector<LayoutEntry> &entries)
{
    QStringList names;
    for (const LayoutEntry &entry : entries)
        names.append(QString::fromUtf8(entry.name));
    return names;
}

QString keyOf(const Disagreement &disagreement)
{
    return (disagreement.kind == Disagreement::Kind::NotHeld ? QLatin1String("held:")
                                                             : QLatin1String("played:")) +
           disagreement.name;
}

// The disagreements a save would add. Those the package had before it (an
// entry another tool put there, a file it lost) are kept rather than judged:
// the open already told the user of a lost file.
QVector<Disagreement> newDisagreements(const QJsonObject &document, const QStringList &entries,
                                       const QSet<QString> &existing)
{
    QVector<Disagreement> result;
    for (const Disagreement &found : findDisagreements(document, entries)) {
        if (!existing.contains(keyOf(found)))
            result.append(found);
    }
    return result;
}

QString disagreementsText(const QString &path, const QVector<Disagreement> &found)
{
    QStringList lines;
    for (const Disagreement &disagreement : found)
        lines.append(disagreementText(path, disagreement));
    return lines.join(QLatin1Char('\n'));
}

} // namespace

void setSaveDocumentHook(SaveDocumentHook hook)
{
    documentHook() = std::move(hook);
}

QVector<Disagreement> findDisagreements(const QJsonObject &document, const QStringList &entryNames)
{
    QVector<Disagreement> result;
    const QSet<QString> held(entryNames.cbegin(), entryNames.cend());
    QSet<QString> played;
    for (const QString &stored : distinctFiles(galleryStoredNames(document))) {
        played.insert(entryOfStoredName(stored));
        if (!held.contains(entryOfStoredName(stored)))
            result.append({Disagreement::Kind::NotHeld, stored});
    }
    for (const QString &entry : entryNames) {
        if (entry != documentEntryName() && !played.contains(entry))
            result.append({Disagreement::Kind::NotPlayed, entry});
    }
    return result;
}

QString disagreementText(const QString &path, const Disagreement &disagreement)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (disagreement.kind == Disagreement::Kind::NotHeld)
        return CoreText::tr(
                   "“%1”: the playlist plays “%2”, but the package holds no such file. Add the "
                   "file again, or remove it from the playlist.")
            .arg(shown, disagreement.name);
    return CoreText::tr("“%1”: the entry “%2” is played by no playlist row.")
        .arg(shown, disagreement.name);
}

bool readPackage(const QString &path, const QString &transition, PackageContents *contents,
                 QString *error)
{
    PackageReader reader(path);
    if (!reader.open()) {
        *error = reader.errorString();
        return false;
    }
    return readPackage(reader, transition, contents, error);
}

bool readPackage(PackageReader &reader, const QString &transition, PackageContents *contents,
                 QString *error)
{
    const QString path = reader.path();
    QByteArray bytes;
    if (!reader.contains(documentEntryName())) {
        *error = CoreText::tr("Cannot read %1: it holds no playlist document (json.txt).")
                     .arg(quoted(path));
        return false;
    }
    bool tooLarge = false;
    if (!reader.readEntry(documentEntryName(), PackageArchive::maxDocumentSize, &bytes,
                          &tooLarge)) {
        *error = tooLarge
                     ? CoreText::tr("Cannot read %1: its playlist document is larger than 16 MiB.")
                           .arg(quoted(path))
                     : reader.errorString();
        return false;
    }

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        qCWarning(lcPackage) << "json.txt of" << path << "at offset" << parseError.offset
                             << parseError.errorString();
        *error = CoreText::tr("Cannot read %1: its playlist document is not valid JSON (%2).")
                     .arg(quoted(path), parseError.errorString());
        return false;
    }
    if (!document.isObject()) {
        *error = CoreText::tr("Cannot read %1: its playlist document is not a JSON object.")
                     .arg(quoted(path));
        return false;
    }

    contents->path = path;
    contents->document = document.object();
    contents->rows = rowsFromDocument(contents->document, transition);
    // Of the file read: a package replaced meanwhile then shows as changed later.
    contents->identity = reader.identity();
    contents->missingMedia.clear();
    for (const QString &stored : distinctFiles(galleryStoredNames(contents->document))) {
        if (!reader.contains(entryOfStoredName(stored)))
            contents->missingMedia.append(stored);
    }
    return true;
}

SavePlan makeSavePlan(const QString &packagePath, const QString &mediaDir, const PlaylistRows &rows,
                      const PackageContents &source)
{
    SavePlan plan;
    plan.packagePath = packagePath;
    plan.mediaDir = mediaDir;
    plan.rows = rows;
    plan.buildTime = QDateTime::currentDateTime();
    plan.sourcePackage = source.path;
    plan.sourceDocument = source.document;
    plan.sourceIdentity = source.identity;
    return plan;
}

OpenOutcome runOpen(const QString &path, const QString &transition)
{
    OpenOutcome outcome;
    if (readPackage(path, transition, &outcome.contents, &outcome.error))
        outcome.status = OpenOutcome::Status::Done;
    else
        outcome.contents = {};
    return outcome;
}

SaveOutcome runSavePlan(const SavePlan &plan, JobControl *control)
{
    const QString unchanged =
        plan.isUpdate() || QFileInfo::exists(plan.packagePath)
            ? CoreText::tr("%1 was left as it was.").arg(quoted(plan.packagePath))
            : CoreText::tr("Nothing was written.");
    if (plan.rows.size() > maxPlaylistRows) {
        return failed(
            CoreText::tr("A package holds at most %1 rows, and this playlist has %2. Split it into "
                         "two packages.")
                .arg(maxPlaylistRows)
                .arg(plan.rows.size()));
    }

    if (plan.isUpdate()) {
        Platform::Kind kind = Platform::Kind::Missing;
        mode_t mode = 0;
        int error = 0;
        // A drive that fails to answer is not a package that went away.
        if (!Platform::fileKind(QFile::encodeName(plan.packagePath), &kind, &mode, &error)) {
            return failed(
                CoreText::tr("The package %1 cannot be read: %2. Check the drive (reconnect it "
                             "if it was pulled out), then save again; or save the playlist under "
                             "a new name on another drive.")
                    .arg(quoted(plan.packagePath), Platform::systemError(error)));
        }
        if (kind != Platform::Kind::Regular) {
            return failed(
                CoreText::tr("The package %1 is no longer there, so it cannot be updated. "
                             "Reconnect its drive or put it back, then save again; or save the "
                             "playlist under a new name.")
                    .arg(quoted(plan.packagePath)));
        }
    }

    PlaylistRows rows = plan.rows;
    if (!plan.sourcePackage.isEmpty()) {
        const QStringList replaced = storedNamesReplacedInUse(plan.sourceDocument, rows);
        const PlaylistRows replacing = rowsWithReplacements(plan.sourceDocument, rows);
        if (!replaced.isEmpty() && !plan.replaceStoredInUse) {
            // The rows that play a replaced file, and the rows adding its replacement.
            QStringList refused;
            for (int row = 0; row < rows.size(); ++row) {
                if (replacing.at(row).file != rows.at(row).file)
                    refused << rows.at(row).file << replacing.at(row).file;
            }
            return refusing(
                CoreText::tr("The files added would replace files that rows still play: %1.")
                        .arg(replaced.join(QLatin1String(", "))) +
                    QLatin1Char('\n') + unchanged,
                refused);
        }
        rows = replacing;
    }

    QSet<QString> keptNames;
    if (!plan.sourcePackage.isEmpty()) {
        const QStringList stored = galleryStoredNames(plan.sourceDocument);
        keptNames = QSet<QString>(stored.cbegin(), stored.cend());
    }
    // Only the bytes are kept: a document of many rows is large in every form.
    QByteArray document = renderPlaylistDocument(
        buildPlaylistDocument(rows, plan.mediaDir, plan.buildTime, keptNames));
    if (documentHook())
        documentHook()(&document);
    if (document.size() > PackageArchive::maxDocumentSize) {
        return failed(
            CoreText::tr("The playlist is too large to open again: a package holds at most %1 "
                         "rows with names of ordinary length. Split it into two packages.")
                .arg(maxPlaylistRows));
    }
    // What is written is judged, not what was meant: the document as bytes.
    QJsonObject written = QJsonDocument::fromJson(document).object();

    PackageArchive archive(plan.packagePath);
    QString error;
    bool wrote = false;
    DirectoryBefore before;
    QSet<QString> existingBefore;
    QStringList refused;
    const auto refuseDisagreement = [&](const QStringList &entries) {
        const QVector<Disagreement> found = newDisagreements(written, entries, existingBefore);
        if (found.isEmpty())
            return false;
        QSet<QString> names;
        for (const Disagreement &disagreement : found)
            names.insert(disagreement.name);
        for (int row = 0; row < rows.size(); ++row) {
            const QString &file = rows.at(row).file;
            if (names.contains(keptNames.contains(file) ? entryOfStoredName(file)
                                                        : entryNameOf(file)))
                refused.append(plan.rows.at(row).file);
        }
        error =
            CoreText::tr("The playlist was not saved: its document and its files would disagree.") +
            QLatin1Char('\n') + disagreementsText(plan.packagePath, found) + QLatin1Char('\n') +
            unchanged;
        return true;
    };
    if (plan.isUpdate()) {
        const QStringList additions = distinctFiles(unmatchedRowFiles(plan.sourceDocument, rows));
        if (!checkSavableMedia(additions, &error, &refused))
            return refusing(error, refused);
        QVector<PackageEntry> entries;
        for (const QString &file : additions)
            entries.append(PackageEntry::file(entryNameOf(file), file));
        entries.append(PackageEntry::memory(documentEntryName(), document));
        QStringList deletions;
        for (const QString &stored : unmatchedStoredNames(plan.sourceDocument, rows))
            deletions.append(entryOfStoredName(stored));
        deletions.append(documentEntryName());
        deletions = distinctFiles(deletions);

        // The directory as it is before the update: what the package will
        // hold, and what the read-back need not read again.
        QStringList held;
        if (PackageReader reader(plan.packagePath); reader.open()) {
            held = namesOf(reader.entries());
            if (!plan.sourceIdentity.isValid() || reader.identity() == plan.sourceIdentity)
                before = {reader.identity(), reader.entries()};
        } else {
            for (const QString &stored : distinctFiles(galleryStoredNames(plan.sourceDocument)))
                held.append(entryOfStoredName(stored));
            held.append(documentEntryName());
        }
        for (const Disagreement &found : findDisagreements(plan.sourceDocument, held))
            existingBefore.insert(keyOf(found));
        QStringList after;
        for (const QString &name : qAsConst(held)) {
            if (!deletions.contains(name))
                after.append(name);
        }
        after += namesOf(entries);
        if (refuseDisagreement(after))
            return refusing(error, refused);
        wrote = archive.update(deletions, entries,
                               plan.overwriteChanged ? PackageIdentity() : plan.sourceIdentity,
                               control);
    } else {
        QVector<PackageEntry> entries;
        if (!newPackageEntries(plan, rows, &entries, &error, &refused))
            return refusing(error, refused);
        entries.append(PackageEntry::memory(documentEntryName(), document));
        if (refuseDisagreement(namesOf(entries)))
            return refusing(error, refused);
        wrote = archive.write(entries, control);
    }
    if (!wrote) {
        if (archive.failure() == PackageArchive::Failure::ChangedOnDisk)
            return failed(archive.errorString(), SaveOutcome::Status::ChangedElsewhere);
        // Neither the old package nor the new one yet: the message says what happens next.
        if (archive.failure() == PackageArchive::Failure::Unfinished)
            return failed(archive.errorString());
        if (archive.failure() == PackageArchive::Failure::Cancelled)
            return failed(CoreText::tr("The save was cancelled.") + QLatin1Char('\n') + unchanged,
                          SaveOutcome::Status::Cancelled);
        return failed(archive.errorString() + QLatin1Char('\n') + unchanged);
    }

    SaveOutcome outcome;
    outcome.status = SaveOutcome::Status::Done;
    outcome.warning = archive.warningString();
    const auto warn = [&outcome](const QString &text) {
        outcome.warning =
            outcome.warning.isEmpty() ? text : outcome.warning + QLatin1Char('\n') + text;
    };
    if (verifyAfterSave()) {
        // From the drive, not from memory: a failing or fake stick shows here.
        // An update in place is read back in proportion to what it wrote.
        const ReadBackResult check =
            plan.isUpdate() && archive.updatedInPlace()
                ? verifyUpdateFromDrive(plan.packagePath, document, before, control)
                : verifyFromDrive(plan.packagePath, document, control);
        if (check.isVerified())
            outcome.verifyMs = check.elapsedMs;
        else
            warn(check.error);
    }
    written = QJsonObject(); // the reader below parses the package's own
    QString readError;
    PackageReader reader(plan.packagePath);
    if (!reader.open() ||
        !readPackage(reader, defaultTransition(), &outcome.contents, &readError)) {
        if (readError.isEmpty())
            readError = reader.errorString();
        // The package is the one just written: the next save must start from
        // it, not from the package it replaced.
        outcome.contents.path = plan.packagePath;
        outcome.contents.document = QJsonDocument::fromJson(document).object();
        outcome.contents.rows = rowsFromDocument(outcome.contents.document, defaultTransition());
        outcome.contents.identity = archive.identity();
        outcome.contents.missingMedia.clear();
        outcome.verifyMs = -1;
        warn(CoreText::tr("The playlist was saved, but it cannot be read back: %1").arg(readError));
        return outcome;
    }
    // The same rule as before the write, now on what the package holds.
    const QVector<Disagreement> found =
        newDisagreements(outcome.contents.document, reader.entryNames(), existingBefore);
    if (!found.isEmpty()) {
        outcome.status = SaveOutcome::Status::Failed;
        outcome.verifyMs = -1;
        outcome.error = CoreText::tr("The package %1 was written, but its document and its files "
                                     "disagree; the player will not play all of it. Save it again.")
                            .arg(quoted(plan.packagePath)) +
                        QLatin1Char('\n') + disagreementsText(plan.packagePath, found);
    }
    return outcome;
}
