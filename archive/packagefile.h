#pragma once

#include <QByteArray>
#include <QString>

#include <zip.h>

#include <sys/types.h>

#include <cstdint>
#include <vector>

// The package file as libzip sees it: reads go through a large window, and a
// write goes to a temporary file beside the package, gathered into large
// writes, then synced and renamed over the package, so the package on disk is
// always either the old archive or the complete new one.
class PackageFile
{
public:
    enum class Mode {
        // A new package: the file at the path, if any, is never read.
        Create,
        // Changes to the existing package; its unchanged front may be cloned.
        Update,
    };

    // target is the real file (links resolved); mode is given to the new file.
    PackageFile(const QByteArray &target, Mode mode, mode_t fileMode);
    ~PackageFile();
    PackageFile(const PackageFile &) = delete;
    PackageFile &operator=(const PackageFile &) = delete;

    // Opens the archive on this file; the archive must be closed or discarded
    // before this object goes.
    zip_t *open(int flags, zip_error_t *error);

    // The cause of the last failure of our own (a system error text), empty if
    // the failure did not come from this file.
    QString failure() const { return m_failure; }

    // Matches only the temporary files this class creates for the package named name.
    static bool isTemporaryName(const QByteArray &fileName, const QByteArray &name);

private:
    static zip_int64_t callback(void *userdata, void *data, zip_uint64_t len, zip_source_cmd_t cmd);
    zip_int64_t dispatch(void *data, zip_uint64_t len, zip_source_cmd_t cmd);

    // Records the error for libzip, and its text for the user when explain is set.
    bool fail(int zipError, int error, bool explain);
    bool statTarget(zip_stat_t *st);
    bool openRead();
    zip_int64_t read(char *data, zip_uint64_t len);
    bool beginWrite(std::uint64_t keep);
    bool write(const char *data, std::uint64_t len);
    bool flush();
    bool commitWrite();
    void rollbackWrite();
    bool writeEmptyArchive();
    void removeLeftovers();
    void releaseOldPackage();

    QByteArray m_target;
    QByteArray m_folder;
    QByteArray m_name;
    Mode m_mode;
    mode_t m_fileMode;
    zip_source_t *m_source = nullptr;
    zip_error_t m_error;
    QString m_failure;

    int m_readFd = -1;
    std::uint64_t m_size = 0;
    std::uint64_t m_readPos = 0;
    std::vector<char> m_window;
    std::uint64_t m_windowStart = 0;
    std::uint64_t m_windowLen = 0;

    int m_writeFd = -1;
    // Holds the old package open across the rename; see commitWrite().
    int m_oldFd = -1;
    QByteArray m_tempPath;
    std::vector<char> m_buffer;
    std::uint64_t m_bufferStart = 0;
    std::uint64_t m_bufferLen = 0;
    std::uint64_t m_writeEnd = 0;
};
