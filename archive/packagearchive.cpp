#include "archive/packagearchive.h"
#include "archive/text.h"

#include "archive/inplaceupdate.h"
#include "archive/packagefile.h"
#include "archive/packagelayout.h"
#include "archive/packagereader.h"
#include "archive/platformfile.h"
#include "jobs/jobcontrol.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>

#include <zip.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

Q_LOGGING_CATEGORY(lcArchive, "merovi.archive")

namespace {

// Headers of one entry beyond its name: local and central record, zip64 and
// the extra fields other writers add, generously.
constexpr qint64 entryOverhead = 30 + 46 + 2 * 64;
constexpr qint64 endRecordsSize = 22 + 56 + 20;

struct ZipDiscard
{
    void operator()(zip_t *archive) const { zip_discard(archive); }
};
using ZipHandle = std::unique_ptr<zip_t, ZipDiscard>;

QString zipCause(zip_error_t *error)
{
    switch (zip_error_code_zip(error)) {
    case ZIP_ER_NOZIP:
        return CoreText::tr("it is not a zip archive");
    case ZIP_ER_INCONS:
        return CoreText::tr("the archive is damaged");
    case ZIP_ER_CRC:
        return CoreText::tr("the archive is damaged (checksum mismatch)");
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD:
    case ZIP_ER_ENCRNOTSUPP:
        return CoreText::tr("the entry is encrypted");
    case ZIP_ER_COMPNOTSUPP:
        return CoreText::tr("the entry uses an unsupported compression method");
    default:
        return QString::fromUtf8(zip_error_strerror(error));
    }
}

QString zipCause(zip_t *archive)
{
    return zipCause(zip_get_error(archive));
}

// Why name cannot be the name of an entry, or empty.
QString nameFault(const QString &name)
{
    if (!isStorableName(name))
        return CoreText::tr("the name “%1” cannot be stored in a package").arg(name);
    return {};
}

QString displayed(const QString &name)
{
    return CoreText::tr("“%1”").arg(name);
}

// A package read from, open while the archive written from it is.
struct SourcePackage
{
    Platform::File file;
    std::unique_ptr<PackageFile> zipFile;
    ZipHandle archive;
};

// Opens the package at path for reading after checking its layout; the cause of a failure goes to
// *cause.
bool openSource(const QByteArray &path, SourcePackage *source, QString *cause)
{
    if (!source->file.openRead(path)) {
        *cause = source->file.error() == EINVAL ? CoreText::tr("it is not a regular file")
                                                : Platform::systemError(source->file.error());
        return false;
    }
    qint64 entries = 0;
    if (!checkPackageLayout(source->file, &entries, cause))
        return false;
    source->zipFile = std::make_unique<PackageFile>(&source->file, path, 0);
    zip_error_t error;
    zip_error_init(&error);
    source->archive.reset(source->zipFile->open(ZIP_RDONLY, &error));
    if (!source->archive) {
        *cause = source->zipFile->errorString().isEmpty() ? zipCause(&error)
                                                          : source->zipFile->errorString();
        zip_error_fini(&error);
        return false;
    }
    zip_error_fini(&error);
    // The checks above hold only if libzip reads the same directory.
    if (zip_get_num_entries(source->archive.get(), 0) != entries) {
        *cause = CoreText::tr("the archive is damaged");
        return false;
    }
    return true;
}

struct ProgressState
{
    JobControl *control = nullptr;
    qint64 total = 0;
    QString file;
};

void reportProgress(zip_t *, double done, void *userdata)
{
    auto *state = static_cast<ProgressState *>(userdata);
    state->control->report(qint64(qBound(0.0, done, 1.0) * double(state->total)), state->total,
                           state->file);
}

int cancelRequested(zip_t *, void *userdata)
{
    return static_cast<ProgressState *>(userdata)->control->isCancelled() ? 1 : 0;
}

} // namespace

bool checkDestinationRoom(const DestinationSpace &space, qint64 bytesToWrite, qint64 packageSize,
                          QString *error)
{
    if (space.maxFileSize >= 0 && packageSize > space.maxFileSize) {
        *error = CoreText::tr("the package would be %1, but the drive of %2 holds no file over %3")
                     .arg(sizeText(packageSize, SizeRounding::Up), quoted(space.folder),
                          sizeText(space.maxFileSize, SizeRounding::Down));
        return false;
    }
    if (space.freeBytes >= 0 && bytesToWrite > space.freeBytes) {
        *error = CoreText::tr("the package needs %1, %2 free on %3")
                     .arg(sizeText(bytesToWrite, SizeRounding::Up),
                          sizeText(space.freeBytes, SizeRounding::Down), quoted(space.folder));
        return false;
    }
    return true;
}

QStringList interruptedUpdatesIn(const QString &folder)
{
    QStringList packages;
    for (const QByteArray &path : interruptedUpdates(QFile::encodeName(folder)))
        packages.append(QFile::decodeName(path));
    return packages;
}

struct PackageArchive::Target
{
    QByteArray path;
    QByteArray folder;
    bool exists = false;
    mode_t mode = 0;
    // The package, locked while it is replaced.
    Platform::File file;
};

// Everything a read or a write holds open; members go in reverse order, the
// archive first, the files it reads last.
struct PackageArchive::Session
{
    Target target;
    std::map<QString, SourcePackage> sources;
    // Each media file as it was checked; its copy must find it the same.
    QHash<QString, Platform::FileStamp> mediaStamps;
    std::unique_ptr<PackageFile> file;
    ZipHandle archive;
    QString fault;
};

PackageArchive::PackageArchive(const QString &packagePath) : m_path(packagePath) {}

void PackageArchive::begin()
{
    m_error.clear();
    m_warning.clear();
    m_recovery.clear();
    m_failure = Failure::None;
    m_inPlace = false;
    m_journalKept = false;
    m_cannotLock = false;
}

bool PackageArchive::recover(const QByteArray &path, Platform::File *locked, bool forWriting)
{
    const Recovery recovery = recoverPackage(path, locked);
    if (recovery.outcome == Recovery::Outcome::None)
        return true;
    m_recovery = recovery.text();
    qCWarning(lcArchive) << recovery.text();
    m_journalKept = recovery.outcome == Recovery::Outcome::Kept ||
                    recovery.outcome == Recovery::Outcome::NotAFile;
    // Half an update is no package to read or to update further.
    if (recovery.outcome == Recovery::Outcome::Failed ||
        recovery.outcome == Recovery::Outcome::Damaged) {
        m_error = forWriting
                      ? CoreText::tr("Cannot save %1: %2").arg(quoted(m_path), recovery.text())
                      : recovery.text();
        m_failure = Failure::Other;
        return false;
    }
    return true;
}

bool PackageArchive::setReadError(const QString &cause)
{
    m_error = CoreText::tr("Cannot read %1: %2.").arg(quoted(m_path), cause);
    m_failure = Failure::Other;
    qCWarning(lcArchive) << m_error;
    return false;
}

bool PackageArchive::setSaveError(const QString &cause, Failure failure)
{
    m_error = CoreText::tr("Cannot save %1: %2.").arg(quoted(m_path), cause);
    m_failure = failure;
    qCWarning(lcArchive) << m_error;
    return false;
}

PackageIdentity PackageArchive::identity() const
{
    QByteArray path;
    int error = 0;
    if (Platform::resolveLinks(QFile::encodeName(m_path), &path, &error)) {
        const Recovery recovery = recoverPackage(path);
        if (recovery.outcome != Recovery::Outcome::None) {
            m_recovery = recovery.text();
            qCWarning(lcArchive) << recovery.text();
        }
    }
    return Platform::identity(QFile::encodeName(m_path));
}

// Follows a chain of links to the file that is really written, so that a
// linked package keeps its link and the new file lands beside the real one.
bool PackageArchive::resolveTarget(Target *target, bool mustExist, bool forWriting, bool recovering)
{
    const auto fail = [&](const QString &cause) {
        return forWriting ? setSaveError(cause) : setReadError(cause);
    };
    int error = ENOENT;
    if (m_path.isEmpty() ||
        !Platform::resolveLinks(QFile::encodeName(m_path), &target->path, &error))
        return fail(Platform::systemError(error));
    const int slash = target->path.lastIndexOf('/');
    target->folder = slash < 0 ? QByteArrayLiteral("./") : target->path.left(slash + 1);
    Platform::Kind kind = Platform::Kind::Missing;
    if (!Platform::fileKind(target->path, &kind, &target->mode, &error))
        return fail(Platform::systemError(error));
    target->exists = kind != Platform::Kind::Missing;
    if (kind == Platform::Kind::Other)
        return fail(CoreText::tr("it is not a regular file"));
    if (!target->exists && mustExist)
        return fail(Platform::systemError(ENOENT));
    if (!forWriting)
        return !target->exists || !recovering || recover(target->path, nullptr, false);
    // The folder gets the temporary file; the file itself must be ours to replace.
    error = Platform::writeAccess(target->folder);
    if (error == 0 && target->exists)
        error = Platform::writeAccess(target->path);
    if (error == EROFS)
        return fail(CoreText::tr("the drive is read-only (a read-only file system)"));
    if (error == EACCES && target->exists && (target->mode & 0222) == 0)
        return fail(CoreText::tr("the file is read-only"));
    if (error == EACCES)
        return fail(CoreText::tr("you have no permission to write to the folder %1")
                        .arg(quoted(QFile::decodeName(target->folder))));
    if (error != 0)
        return fail(Platform::systemError(error));
    return true;
}

// Takes the lock on the package for the whole save. A writer that waited may
// find the package replaced by the one it waited for; it locks the new file.
bool PackageArchive::lockTarget(Target *target, const PackageIdentity &expectedIdentity)
{
    for (int attempt = 0; target->exists && attempt < 100; ++attempt) {
        Platform::File file;
        if (!file.openRead(target->path)) {
            if (file.error() == ENOENT)
                break;
            return setSaveError(Platform::systemError(file.error()));
        }
        bool unsupported = false;
        if (!file.lock(&unsupported))
            return setSaveError(
                CoreText::tr("cannot lock it: %1").arg(Platform::systemError(file.error())));
        m_cannotLock = unsupported;
        if (unsupported && m_warning.isEmpty()) {
            m_warning =
                CoreText::tr("The drive of %1 cannot lock files, so nothing kept other programs "
                             "from changing the package while it was saved.")
                    .arg(quoted(m_path));
            qCWarning(lcArchive) << m_warning;
        }
        const PackageIdentity locked = file.identity();
        const PackageIdentity named = Platform::identity(target->path);
        if (locked.device == named.device && locked.inode == named.inode) {
            target->file = std::move(file);
            break;
        }
    }
    if (!target->file.isOpen() && target->exists)
        return setSaveError(Platform::systemError(ENOENT));
    // Under the lock: an interrupted update is finished before anything else.
    // Without one, recovery takes none and keeps the journal of a writer that
    // may still be running.
    if (target->file.isOpen() &&
        !recover(target->path, m_cannotLock ? nullptr : &target->file, true))
        return false;
    if (expectedIdentity.isValid() && target->file.identity() != expectedIdentity) {
        m_error = CoreText::tr("The package %1 was changed by another program since it was opened.")
                      .arg(quoted(m_path));
        m_failure = Failure::ChangedOnDisk;
        qCWarning(lcArchive) << m_error;
        return false;
    }
    return true;
}

bool PackageArchive::checkRoom(const Target &target, qint64 packageSize)
{
    // The old package stays until the new one is complete: the whole new file needs room.
    QString cause;
    const DestinationSpace space = Platform::destinationSpace(target.folder);
    if (!checkDestinationRoom(space, packageSize, packageSize, &cause))
        return setSaveError(cause, Failure::NoRoom);
    return true;
}

// Checks the entries before anything is written and adds their size in the
// new package to *size.
bool PackageArchive::prepareEntries(Session &session, const QVector<PackageEntry> &entries,
                                    qint64 *size)
{
    QSet<QString> names;
    for (const PackageEntry &entry : entries) {
        const QString fault = nameFault(entry.name);
        if (!fault.isEmpty())
            return setSaveError(fault);
        if (names.contains(entry.name))
            return setSaveError(
                CoreText::tr("the entry %1 is named twice").arg(displayed(entry.name)));
        names.insert(entry.name);
        *size += entryOverhead + 2 * entry.name.toUtf8().size();
        switch (entry.source) {
        case PackageEntry::Source::File: {
            Platform::File file;
            if (!file.openRead(QFile::encodeName(entry.path)))
                return setSaveError(mediaReadCause(entry.path, file.error()));
            session.mediaStamps.insert(entry.path, file.stamp());
            *size += file.size();
            break;
        }
        case PackageEntry::Source::Memory:
            // A package is never written that could not be opened again.
            if (entry.name == documentEntryName() && entry.bytes.size() > maxDocumentSize)
                return setSaveError(CoreText::tr("its playlist document is larger than 16 MiB"));
            *size += entry.bytes.size() + 1024;
            break;
        case PackageEntry::Source::Package: {
            QString cause;
            SourcePackage &source = session.sources[entry.path];
            if (!source.archive && !openSource(QFile::encodeName(entry.path), &source, &cause))
                return setSaveError(
                    CoreText::tr("cannot read the package %1: %2").arg(quoted(entry.path), cause));
            zip_stat_t st;
            if (zip_stat(source.archive.get(), entry.storedEntry.toUtf8().constData(),
                         ZIP_FL_ENC_RAW, &st) != 0 ||
                !(st.valid & ZIP_STAT_COMP_SIZE))
                return setSaveError(CoreText::tr("the package %1 holds no entry %2")
                                        .arg(quoted(entry.path), displayed(entry.storedEntry)));
            *size += qint64(st.comp_size);
            break;
        }
        }
    }
    return true;
}

bool PackageArchive::addEntries(Session &session, const QVector<PackageEntry> &entries)
{
    zip_t *archive = session.archive.get();
    // The document goes last: an update that changes only the document then
    // keeps the whole front of the archive and can clone it.
    std::vector<const PackageEntry *> ordered;
    for (const PackageEntry &entry : entries)
        ordered.push_back(&entry);
    std::stable_partition(ordered.begin(), ordered.end(), [](const PackageEntry *entry) {
        return entry->source != PackageEntry::Source::Memory;
    });
    for (const PackageEntry *entry : ordered) {
        zip_source_t *source = nullptr;
        switch (entry->source) {
        case PackageEntry::Source::File: {
            source = mediaSource(archive, entry->path, session.mediaStamps.value(entry->path),
                                 &session.fault);
            break;
        }
        case PackageEntry::Source::Memory:
            source = zip_source_buffer(archive, entry->bytes.constData(),
                                       zip_uint64_t(entry->bytes.size()), 0);
            break;
        case PackageEntry::Source::Package: {
            zip_t *from = session.sources[entry->path].archive.get();
            const zip_int64_t index =
                zip_name_locate(from, entry->storedEntry.toUtf8().constData(), ZIP_FL_ENC_RAW);
            // Start 0 and length -1 copy the compressed data as it is.
            if (index >= 0)
                source = zip_source_zip(archive, from, zip_uint64_t(index), 0, 0, -1);
            break;
        }
        }
        const zip_int64_t index = source ? zip_file_add(archive, entry->name.toUtf8().constData(),
                                                        source, ZIP_FL_ENC_UTF_8)
                                         : -1;
        if (index < 0) {
            if (source)
                zip_source_free(source);
            return setSaveError(zipCause(archive));
        }
        // Media are compressed already: deflating them costs time and gains nothing.
        // An entry copied from a package keeps its method, so its bytes are copied as
        // they are; libzip would deflate a stored one otherwise.
        qint32 method = entry->source == PackageEntry::Source::File ? ZIP_CM_STORE : ZIP_CM_DEFLATE;
        if (entry->source == PackageEntry::Source::Package) {
            zip_stat_t st;
            zip_t *from = session.sources[entry->path].archive.get();
            if (zip_stat(from, entry->storedEntry.toUtf8().constData(), ZIP_FL_ENC_RAW, &st) != 0 ||
                !(st.valid & ZIP_STAT_COMP_METHOD))
                return setSaveError(zipCause(from));
            method = st.comp_method;
        }
        if (zip_set_file_compression(archive, zip_uint64_t(index), method, 0) != 0)
            return setSaveError(zipCause(archive));
    }
    return true;
}

// libzip writes the whole new package inside zip_close, so progress is reported from there.
bool PackageArchive::finish(Session &session, qint64 packageSize, JobControl *control)
{
    ProgressState state{control, packageSize, m_path};
    if (control) {
        zip_register_progress_callback_with_state(session.archive.get(), 0.001, reportProgress,
                                                  nullptr, &state);
        zip_register_cancel_callback_with_state(session.archive.get(), cancelRequested, nullptr,
                                                &state);
    }
    if (zip_close(session.archive.get()) != 0) {
        if (jobCancelled(control) &&
            zip_error_code_zip(zip_get_error(session.archive.get())) == ZIP_ER_CANCELLED)
            return setSaveError(CoreText::tr("the save was cancelled"), Failure::Cancelled);
        QString cause = session.fault;
        if (cause.isEmpty())
            cause = session.file->errorString();
        if (cause.isEmpty())
            cause = zipCause(session.archive.get());
        return setSaveError(cause);
    }
    session.archive.release();
    if (!session.file->confirmed()) {
        const QString warning =
            CoreText::tr("The package %1 was saved, but the drive did not confirm "
                         "it. Eject the drive safely before unplugging it.")
                .arg(quoted(m_path));
        m_warning = m_warning.isEmpty() ? warning : m_warning + QLatin1Char('\n') + warning;
        qCWarning(lcArchive) << m_warning;
    }
    session.target.file.closeInBackground();
    if (control)
        control->report(packageSize, packageSize, m_path);
    return true;
}

bool PackageArchive::openPackage(Session &session, bool forWriting)
{
    const auto fail = [&](const QString &cause) {
        return forWriting ? setSaveError(cause) : setReadError(cause);
    };
    Target &target = session.target;
    if (!forWriting && !target.file.openRead(target.path))
        return fail(target.file.error() == EINVAL ? CoreText::tr("it is not a regular file")
                                                  : Platform::systemError(target.file.error()));
    qint64 entries = 0;
    QString cause;
    if (!checkPackageLayout(target.file, &entries, &cause))
        return fail(cause);
    session.file = std::make_unique<PackageFile>(&target.file, target.path, target.mode);
    zip_error_t error;
    zip_error_init(&error);
    session.archive.reset(session.file->open(forWriting ? 0 : ZIP_RDONLY, &error));
    cause = session.file->errorString().isEmpty() ? zipCause(&error) : session.file->errorString();
    zip_error_fini(&error);
    if (!session.archive)
        return fail(cause);
    if (zip_get_num_entries(session.archive.get(), 0) != entries)
        return fail(CoreText::tr("the archive is damaged"));
    return true;
}

bool PackageArchive::discardJournal()
{
    begin();
    Target target;
    if (!resolveTarget(&target, true, true, false))
        return false;
    const Recovery recovery = ::discardJournal(target.path);
    m_recovery = recovery.text();
    if (recovery.outcome == Recovery::Outcome::Failed) {
        m_error = recovery.text();
        m_failure = Failure::Other;
        return false;
    }
    return true;
}

bool PackageArchive::repair()
{
    begin();
    Target target;
    if (!resolveTarget(&target, true, false))
        return false;
    if (m_journalKept) {
        m_error = m_recovery;
        m_failure = Failure::Other;
        return false;
    }
    return true;
}

// Reading goes through the one reader: the layout checked first, then the
// entries read in place through the same open file.
bool PackageArchive::openReader(PackageReader *reader)
{
    begin();
    const bool opened = reader->open();
    m_recovery = reader->recoveryNote();
    if (opened)
        return true;
    m_error = reader->errorString();
    m_failure = Failure::Other;
    return false;
}

bool PackageArchive::readDocument(QByteArray *document)
{
    PackageReader reader(m_path);
    if (!openReader(&reader))
        return false;
    if (!reader.contains(documentEntryName()))
        return setReadError(CoreText::tr("it holds no playlist document (json.txt)"));
    bool tooLarge = false;
    if (!reader.readEntry(documentEntryName(), maxDocumentSize, document, &tooLarge)) {
        if (tooLarge)
            return setReadError(CoreText::tr("its playlist document is larger than 16 MiB"));
        m_error = reader.errorString();
        m_failure = Failure::Other;
        return false;
    }
    return true;
}

bool PackageArchive::entryNames(QStringList *names)
{
    PackageReader reader(m_path);
    if (!openReader(&reader))
        return false;
    *names = reader.entryNames();
    return true;
}

bool PackageArchive::verify()
{
    PackageReader reader(m_path);
    if (!openReader(&reader))
        return false;
    if (reader.verify())
        return true;
    m_error = reader.errorString();
    m_failure = Failure::Other;
    return false;
}

bool PackageArchive::write(const QVector<PackageEntry> &entries, JobControl *control)
{
    begin();
    Session session;
    Target &target = session.target;
    if (!resolveTarget(&target, false, true) || !lockTarget(&target, {}))
        return false;
    qint64 size = endRecordsSize;
    if (!prepareEntries(session, entries, &size) || !checkRoom(target, size))
        return false;

    session.file = std::make_unique<PackageFile>(
        nullptr, target.path, target.exists ? target.mode : Platform::newFileMode());
    zip_error_t error;
    zip_error_init(&error);
    session.archive.reset(session.file->open(ZIP_CREATE | ZIP_TRUNCATE, &error));
    const QString cause = zipCause(&error);
    zip_error_fini(&error);
    if (!session.archive)
        return setSaveError(cause);
    return addEntries(session, entries) && finish(session, size, control);
}

bool PackageArchive::update(const QStringList &deletions, const QVector<PackageEntry> &additions,
                            const PackageIdentity &expectedIdentity, JobControl *control)
{
    begin();
    Session session;
    Target &target = session.target;
    if (!resolveTarget(&target, true, true) || !lockTarget(&target, expectedIdentity) ||
        !openPackage(session, true))
        return false;
    zip_t *archive = session.archive.get();

    QStringList removed = deletions;
    // An addition replaces its namesake, and goes to the end with it removed.
    for (const PackageEntry &entry : additions)
        removed.append(entry.name);
    for (const QString &name : qAsConst(removed)) {
        const zip_int64_t index =
            zip_name_locate(archive, name.toUtf8().constData(), ZIP_FL_ENC_RAW);
        if (index >= 0 && zip_delete(archive, zip_uint64_t(index)) != 0)
            return setSaveError(zipCause(archive));
    }
    qint64 size = endRecordsSize;
    if (!prepareEntries(session, additions, &size))
        return false;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        if (zip_stat_index(archive, zip_uint64_t(i), 0, &st) == 0)
            size += qint64(st.comp_size) + entryOverhead + 2 * qint64(std::strlen(st.name));
    }
    bool done = false;
    const bool saved = chooseWay(session, removed, additions, size, control, &done);
    if (done)
        return saved;
    return addEntries(session, additions) && finish(session, size, control);
}

// Which way an update goes. An update in place writes the journal (the bytes
// from the first change on that it writes over) and everything from the first
// change on; a rewrite writes the whole package once. In place wins when it
// writes at most half as much, or when only it fits on the drive. *done is
// set when the update ran here, or was refused.
bool PackageArchive::chooseWay(Session &session, const QStringList &removed,
                               const QVector<PackageEntry> &additions, qint64 size,
                               JobControl *control, bool *done)
{
    Target &target = session.target;
    *done = false;
    InPlaceUpdate inPlace(target.file, target.path);
    QString why = m_way == UpdateWay::Rewrite ? QStringLiteral("a rewrite was asked for")
                                              : QStringLiteral("another update's journal is kept");
    if (m_cannotLock)
        why = QStringLiteral("the drive cannot lock files");
    const bool possible = m_way != UpdateWay::Rewrite && !m_journalKept && !m_cannotLock &&
                          inPlace.plan(QSet<QString>(removed.cbegin(), removed.cend()), additions,
                                       session.mediaStamps, &why);
    if (!possible)
        qCInfo(lcArchive) << "No update in place of" << m_path << ':' << why;
    const DestinationSpace space = Platform::destinationSpace(target.folder);
    QString rewriteCause;
    QString inPlaceCause;
    const bool rewriteFits = checkDestinationRoom(space, size, size, &rewriteCause);
    const bool inPlaceFits = possible && checkDestinationRoom(space, inPlace.roomNeeded(),
                                                              inPlace.newLength(), &inPlaceCause);
    const bool useInPlace = inPlaceFits && (m_way == UpdateWay::InPlace || !rewriteFits ||
                                            inPlace.bytesWritten() * 2 <= size);
    if (!useInPlace && rewriteFits)
        return true;
    *done = true;
    if (!useInPlace) {
        // Say what would make it fit: the smaller of the two ways' needs.
        const qint64 need = possible ? std::min<qint64>(size, inPlace.roomNeeded()) : size;
        const qint64 missing = space.freeBytes >= 0 ? need - space.freeBytes : need;
        QString cause = possible && !inPlaceCause.isEmpty() && inPlace.roomNeeded() < size
                            ? inPlaceCause
                            : rewriteCause;
        if (space.maxFileSize < 0 || size <= space.maxFileSize)
            cause += CoreText::tr("; free %1, or Save As to another drive")
                         .arg(sizeText(missing, SizeRounding::Up));
        return setSaveError(cause, Failure::NoRoom);
    }
    // libzip's view of the package is not needed any more.
    session.archive.reset();
    m_inPlace = true;
    QString cause;
    bool rolledBack = false;
    bool cancelled = false;
    if (!inPlace.run(control, m_path, &cause, &rolledBack, &cancelled)) {
        if (cancelled && rolledBack)
            return setSaveError(CoreText::tr("the save was cancelled"), Failure::Cancelled);
        if (rolledBack)
            return setSaveError(cause);
        if (!inPlace.complete())
            cause = CoreText::tr(
                        "%1, and it could not be restored yet: do not use the drive for anything "
                        "else, and open the package again to restore it")
                        .arg(cause);
        return setSaveError(cause, Failure::Unfinished);
    }
    if (!inPlace.warning().isEmpty())
        m_warning = m_warning.isEmpty() ? inPlace.warning()
                                        : m_warning + QLatin1Char('\n') + inPlace.warning();
    target.file.closeInBackground();
    if (control)
        control->report(inPlace.bytesWritten(), inPlace.bytesWritten(), m_path);
    return true;
}
