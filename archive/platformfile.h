#pragma once

#include "archive/packagetypes.h"

#include <QByteArray>
#include <QString>

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
    // Creates a new, locked temporary file in folder (ending in "/"), named so
    // that isTemporaryName() matches it.
    [[nodiscard]] bool createTemporary(const QByteArray &folder);

    bool isOpen() const { return m_fd >= 0; }
    const QByteArray &path() const { return m_path; }
    // The errno value of the last failure.
    int error() const { return m_error; }
    // The size when opened.
    qint64 size() const { return m_size; }
    qint64 modifiedSeconds() const { return m_modified; }
    PackageIdentity identity() const;

    // Reads up to len bytes at offset; fewer only at the end of the file. -1 on failure.
    qint64 read(char *data, qint64 len, qint64 offset);
    [[nodiscard]] bool write(const char *data, qint64 len, qint64 offset);
    [[nodiscard]] bool sync();
    // Starts writing the range to the disk now, without waiting, so that the
    // sync at the end finds little left to do.
    void startWriteback(qint64 offset, qint64 len);
    [[nodiscard]] bool truncate(qint64 size);
    // A courtesy: FAT sticks take their modes from the mount and refuse others.
    void setMode(mode_t mode);
    // Waits for an exclusive advisory lock. Where the file system has no locks,
    // the work goes on unguarded.
    void lock();
    void close();
    // Closes on another thread: dropping the last reference of a large file
    // that was replaced frees its blocks, which takes a while on some drives.
    void closeInBackground();

private:
    friend bool copyRange(File &from, File &to, qint64 len, int *error);
    bool fail(int error);

    int m_fd = -1;
    int m_error = 0;
    qint64 m_size = 0;
    qint64 m_modified = 0;
    QByteArray m_path;
};

// Renames from over to; false with *error when the rename failed. After a
// rename, *confirmed tells whether the folder was synced too.
[[nodiscard]] bool replace(const QByteArray &from, const QByteArray &to, int *error,
                           bool *confirmed);

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

// Matches exactly the names createTemporary() gives.
bool isTemporaryName(const QByteArray &fileName);
// Removes the temporaries in folder that no running save holds.
void removeLeftovers(const QByteArray &folder);
// Removes the private folders older versions made in tempFolder, if unused.
void removeStaleFolders(const QByteArray &tempFolder);

} // namespace Platform
