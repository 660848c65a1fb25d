#pragma once

#include "archive/packagetypes.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <utility>

#include <sys/types.h>

// Every system call of the archive engine goes through this file, so that the
// rest speaks libzip and Qt only, and a port to another system starts here.
namespace Platform {

// The steps of file access and of the replace protocol. Each is announced to
// the step hook before it runs.
enum class Step {
    Read,
    Write,
    SyncFile,
    Rename,
    OpenFolder,
    SyncFolder,
    Truncate,
    // Steps of an update in place: the journal is written and synced, then
    // the package's own bytes change; removing the journal ends the update.
    JournalWrite,
    JournalSync,
    JournalRemove,
    // Taking an advisory lock: a test makes it fail as a file system without locks does.
    Lock,
};

// For tests: returns 0 to let the step run, or an errno value to fail it with.
// path is the file the step acts on. Not thread-safe; set it while no save runs.
using StepHook = int (*)(Step step, const QByteArray &path);
void setStepHook(StepHook hook);

QString systemError(int error);

class File;
// Copies the first len bytes of from into to, inside the kernel where it can
// (a reflink on file systems that have them).
[[nodiscard]] bool copyRange(File &from, File &to, qint64 len, int *error);
// Copies len bytes at fromOffset of from to toOffset of to, the same way.
[[nodiscard]] bool copyRange(File &from, qint64 fromOffset, File &to, qint64 toOffset, qint64 len,
                             int *error);

// Size, modification and change time of a file, to the nanosecond.
struct FileStamp
{
    qint64 size = -1;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    bool isValid() const { return size >= 0; }
    friend bool operator==(const FileStamp &a, const FileStamp &b)
    {
        return a.size == b.size && a.modifiedNs == b.modifiedNs && a.changedNs == b.changedNs;
    }
    friend bool operator!=(const FileStamp &a, const FileStamp &b) { return !(a == b); }
};

// An open file descriptor, closed when the object goes.
class File
{
public:
    File() = default;
    ~File();
    File(File &&other) noexcept;
    File &operator=(File &&other) noexcept;
    File(const File &) = delete;
    File &operator=(const File &) = delete;

    // Opens a regular file for reading. Never blocks: a FIFO or a device put
    // where a file was expected fails with EINVAL.
    [[nodiscard]] bool openRead(const QByteArray &path);
    // Opens an existing regular file for reading and writing in place.
    [[nodiscard]] bool openReadWrite(const QByteArray &path);
    // Opens the file at path itself, never a link's target, for reading and
    // writing (or reading only): a regular file on the same drive as its
    // folder. A link fails with ELOOP, anything else that is not a regular
    // file with EINVAL, a file of another drive with EXDEV.
    [[nodiscard]] bool openOwn(const QByteArray &path, bool writable);
    // Creates the journal at path; anything already there, a link included,
    // makes it fail (EEXIST). Its writes and syncs are announced as journal steps.
    [[nodiscard]] bool create(const QByteArray &path);
    // Creates a new, locked temporary file beside the package at packagePath,
    // named so that isTemporaryName() matches it with that package's tag.
    [[nodiscard]] bool createTemporary(const QByteArray &packagePath);

    bool isOpen() const { return m_fd >= 0; }
    const QByteArray &path() const { return m_path; }
    // The errno value of the last failure.
    int error() const { return m_error; }
    // The size when opened.
    qint64 size() const { return m_size; }
    qint64 modifiedSeconds() const { return m_modified; }
    PackageIdentity identity() const;
    // The mount the file is on, to tell whether its drive was mounted anew
    // (then inode numbers may differ); 0 when the system cannot tell.
    quint64 mountId() const;
    // The size now, not when opened; -1 when it cannot be told.
    qint64 currentSize() const;
    // What the file was when opened, to notice a change while it is read.
    FileStamp stamp() const { return m_stamp; }
    // The file as it is now; invalid when it cannot be told.
    FileStamp currentStamp() const;

    // Reads up to len bytes at offset; fewer only at the end of the file. -1 on failure.
    qint64 read(char *data, qint64 len, qint64 offset);
    // From now on every block read is shown to the read-back hook (see below).
    void setReadBack(bool on) { m_readBack = on; }
    [[nodiscard]] bool write(const char *data, qint64 len, qint64 offset);
    [[nodiscard]] bool sync();
    // Starts writing the range to the disk now, without waiting, so that the
    // sync at the end finds little left to do.
    void startWriteback(qint64 offset, qint64 len);
    [[nodiscard]] bool truncate(qint64 size);
    // Sets the modification time back to modifiedNs (since the epoch).
    [[nodiscard]] bool setModified(qint64 modifiedNs);
    // A courtesy: FAT sticks take their modes from the mount and refuse others.
    void setMode(mode_t mode);
    // Waits for an exclusive advisory lock. Where the file system has no locks
    // (ENOLCK), *unsupported is set and the work goes on unguarded; any other
    // failure is an error.
    [[nodiscard]] bool lock(bool *unsupported, const std::function<void()> &waiting = {});
    void unlock();
    // Whether another descriptor of this process holds the exclusive lock on
    // this file: a running update of this very program.
    bool lockedHere() const;
    // Waits for a shared lock, for a reader: an update in place holds the
    // exclusive one. waiting is called once before it waits for another
    // program. Where the file system has no locks, *unsupported is set and it returns.
    [[nodiscard]] bool lockShared(bool *unsupported, const std::function<void()> &waiting);
    void close();
    // Closes on another thread: dropping the last reference of a large file
    // that was replaced frees its blocks, which takes a while on some drives.
    void closeInBackground();

private:
    friend bool copyRange(File &from, qint64 fromOffset, File &to, qint64 toOffset, qint64 len,
                          int *error);
    // Opens with access (O_RDONLY or O_RDWR), never blocking, a regular file only.
    bool openRegular(const QByteArray &path, int access);
    bool fail(int error);
    // Forgets the exclusive lock this object held, for lockedHere().
    void release();

    int m_fd = -1;
    int m_error = 0;
    qint64 m_size = 0;
    qint64 m_modified = 0;
    FileStamp m_stamp;
    QByteArray m_path;
    // Created by create(): its writes and syncs are journal steps.
    bool m_journal = false;
    bool m_readBack = false;
    std::pair<quint64, quint64> m_held; // device and inode locked
    bool m_holds = false;
};

// Replaces a file so that its name always leads to the old file or to the
// complete new one: the new bytes go to a locked temporary beside it, which is
// synced, renamed over it, and the folder synced. Going without commit()
// removes the temporary.
class Replacement
{
public:
    Replacement() = default;
    ~Replacement() { discard(); }
    Replacement(const Replacement &) = delete;
    Replacement &operator=(const Replacement &) = delete;

    // Creates the temporary beside target, a real file (links resolved).
    [[nodiscard]] bool begin(const QByteArray &target);
    // The temporary, to write the new bytes to.
    File &file() { return m_temporary; }
    // Gives the new file mode, syncs it and renames it over the target; false
    // with *error when the target was left as it was (the temporary is gone
    // then). *confirmed tells whether the drive confirmed the new name.
    [[nodiscard]] bool commit(mode_t mode, int *error, bool *confirmed);
    // Removes the temporary, if any.
    void discard();

private:
    File m_temporary;
    QByteArray m_target;
};

// Follows a chain of symbolic links to the path of the file really meant.
[[nodiscard]] bool resolveLinks(const QByteArray &path, QByteArray *target, int *error);

enum class Kind { Missing, Regular, Other };
// What is at path (links followed); false with *error when that cannot be told.
[[nodiscard]] bool fileKind(const QByteArray &path, Kind *kind, mode_t *mode, int *error);
// 0 when the caller may write to path, else why not (EROFS, EACCES, ...).
int writeAccess(const QByteArray &path);

PackageIdentity identity(const QByteArray &path);
// Free space and largest file of the file system holding folder.
DestinationSpace destinationSpace(const QByteArray &folder);
// The mode a new file gets under the process's umask.
mode_t newFileMode();
// A write past the file size limit must fail with EFBIG, not kill the process.
void ignoreFileSizeSignal();

// What ties the files beside a package to it: hex digits of a hash of the
// package's file name, the same for its journal and its temporaries.
QByteArray packageTag(const QByteArray &packagePath);
// Matches exactly the names createTemporary() gives for a package of this tag.
bool isTemporaryName(const QByteArray &fileName, const QByteArray &tag);
// Removes the temporaries of the package at packagePath that no running save
// holds; those of other packages in its folder stay. Returns their names.
QList<QByteArray> removeLeftovers(const QByteArray &packagePath);
// The names of the files in folder that match, hidden ones included.
QList<QByteArray> filesIn(const QByteArray &folder, bool (*matches)(const QByteArray &name));
// Removes the file at path (announced as step); false with *error on failure.
[[nodiscard]] bool removeFile(const QByteArray &path, Step step, int *error);
// Syncs the folder so that names created or removed in it last.
[[nodiscard]] bool syncFolder(const QByteArray &folder, int *error);
// errno values the engine tells apart; the rest is told by systemError().
bool isMissing(int error);
bool isNotRegular(int error);
bool cannotLock(int error);
bool isLink(int error);
bool isOtherDrive(int error);

} // namespace Platform

// Drives: what the file system under a path is, and reading back from the
// drive what a save wrote to it.
namespace Platform {

// The file-system type of the mount holding path, as /proc/self/mountinfo
// names it ("vfat", "exfat", "fuse.fusefat", "fuseblk", ...); for a FUSE block
// mount, the type its device's boot sector shows when it can be read. Empty
// when unknown.
QString fileSystemType(const QByteArray &path);
// The mount's type from one mountinfo text for the device major:minor;
// *source receives the mount's source. Empty when no line matches.
QString mountInfoType(const QByteArray &mountInfo, quint32 major, quint32 minor,
                      QByteArray *source = nullptr);
// The type a boot sector names: "vfat", "exfat", "ntfs", or empty.
QString bootSectorType(const QByteArray &sector);
// True for FAT in all its mounts: no file may reach 4 GiB there.
bool isFatType(const QString &type);
// True for the types whose names ignore letter case (FAT and exFAT).
bool ignoresLetterCase(const QString &type);

// Drops the file's pages from the page cache after syncing it, so that the
// next reads come from the drive itself. False with *error when the drive
// failed the sync.
[[nodiscard]] bool dropCachedPages(const QByteArray &path, int *error);

// For tests: sees every block read back from a drive and may change it, as a
// failing or fake drive would. Not thread-safe; set it while no job runs.
using ReadBackHook = void (*)(const QByteArray &path, qint64 offset, char *data, qint64 len);
void setReadBackHook(ReadBackHook hook);

} // namespace Platform
