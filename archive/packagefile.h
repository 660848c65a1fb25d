#pragma once

#include "archive/platformfile.h"

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
    // source is the open package read from, or null for a new package; it
    // must outlive this object. target is the real file to replace (links
    // resolved); fileMode is given to the new file.
    PackageFile(Platform::File *source, const QByteArray &target, mode_t fileMode);
    ~PackageFile();
    PackageFile(const PackageFile &) = delete;
    PackageFile &operator=(const PackageFile &) = delete;

    // Opens the archive on this file; the archive must be closed or discarded
    // before this object goes.
    zip_t *open(int flags, zip_error_t *error);

    // The cause of the last failure of our own, empty if it came from elsewhere.
    QString errorString() const { return m_errorString; }
    // After a replace: whether the drive confirmed the new name.
    bool confirmed() const { return m_confirmed; }

private:
    static zip_int64_t callback(void *userdata, void *data, zip_uint64_t len, zip_source_cmd_t cmd);
    zip_int64_t dispatch(void *data, zip_uint64_t len, zip_source_cmd_t cmd);

    bool fail(int zipError, int error, const QString &cause = {});
    bool statTarget(zip_stat_t *st);
    zip_int64_t read(char *data, zip_uint64_t len);
    bool beginWrite(std::uint64_t keep);
    bool write(const char *data, std::uint64_t len);
    bool flush();
    bool commitWrite();
    void rollbackWrite();
    bool writeEmptyArchive();

    Platform::File *m_source;
    QByteArray m_target;
    mode_t m_fileMode;
    zip_source_t *m_zipSource = nullptr;
    zip_error_t m_error;
    QString m_errorString;
    bool m_confirmed = false;

    std::uint64_t m_readPos = 0;
    std::vector<char> m_window;
    std::uint64_t m_windowStart = 0;
    std::uint64_t m_windowLen = 0;

    Platform::Replacement m_replacement;
    std::vector<char> m_buffer;
    std::uint64_t m_bufferStart = 0;
    std::uint64_t m_bufferLen = 0;
    std::uint64_t m_writeEnd = 0;
};

// A media file as libzip reads it: opened only while its entry is written, so
// that thousands of files never hold thousands of descriptors, and checked
// again then, so that nothing swapped in meanwhile can block or shorten it.
// checked is what the file was when checked: any change of its size,
// modification or change time by the time it is opened or after its last byte
// was read fails the copy. On failure, *fault receives the cause naming the file.
zip_source_t *mediaSource(zip_t *archive, const QString &path, const Platform::FileStamp &checked,
                          QString *fault);
// The cause for a media file that changed while it was copied.
QString mediaChangedCause(const QString &path);
// Why the media file at path cannot be read, for an errno value from opening it.
QString mediaReadCause(const QString &path, int error);
