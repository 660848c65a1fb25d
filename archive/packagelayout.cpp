#include "archive/packagelayout.h"
#include "archive/text.h"

#include "archive/packagefile.h"
#include "archive/platformfile.h"

#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

constexpr std::uint32_t endOfDirectorySignature = 0x06054b50;
constexpr std::uint32_t zip64LocatorSignature = 0x07064b50;
constexpr std::uint32_t zip64EndSignature = 0x06064b50;
constexpr std::uint32_t directorySignature = 0x02014b50;
constexpr std::uint32_t localSignature = 0x04034b50;
constexpr std::uint32_t descriptorSignature = 0x08074b50;
constexpr std::uint16_t dataDescriptorFlag = 0x08;
constexpr std::uint64_t endOfDirectorySize = 22;
constexpr std::uint64_t maxCommentSize = 0xffff;
// Far more entries than a playlist has; keeps the memory a damaged archive can claim small.
constexpr std::uint64_t maxDirectorySize = 64 * 1024 * 1024;

std::uint16_t le16(const unsigned char *p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t le32(const unsigned char *p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint64_t le64(const unsigned char *p)
{
    return static_cast<std::uint64_t>(le32(p)) | (static_cast<std::uint64_t>(le32(p + 4)) << 32);
}

class Reader
{
public:
    explicit Reader(Platform::File &file) : m_file(file) {}

    int error() const { return m_error; }
    std::uint64_t size() const { return std::uint64_t(m_file.size()); }

    // False both past the end and on a read error; error() tells them apart.
    bool read(std::uint64_t offset, std::uint64_t len, std::vector<unsigned char> *out)
    {
        if (offset > size() || len > size() - offset)
            return false;
        out->resize(len);
        const qint64 got =
            m_file.read(reinterpret_cast<char *>(out->data()), qint64(len), qint64(offset));
        if (got < 0)
            m_error = m_file.error();
        return got == qint64(len);
    }

private:
    Platform::File &m_file;
    int m_error = 0;
};

struct Directory
{
    std::uint64_t entries = 0;
    std::uint64_t size = 0;
    std::uint64_t offset = 0;
    // Where the records after the central directory start.
    std::uint64_t end = 0;
};

// Reads the end records that start at position; p points at its bytes.
bool readEndRecords(Reader &reader, std::uint64_t position, const unsigned char *p, Directory *dir)
{
    dir->entries = le16(p + 10);
    dir->size = le32(p + 12);
    dir->offset = le32(p + 16);
    dir->end = position;
    std::vector<unsigned char> locator;
    if (position < 20 || !reader.read(position - 20, 20, &locator) ||
        le32(locator.data()) != zip64LocatorSignature)
        return true;
    const std::uint64_t zip64End = le64(locator.data() + 8);
    std::vector<unsigned char> record;
    if (!reader.read(zip64End, 56, &record) || le32(record.data()) != zip64EndSignature)
        return false;
    dir->entries = le64(record.data() + 32);
    dir->size = le64(record.data() + 40);
    dir->offset = le64(record.data() + 48);
    dir->end = zip64End;
    return true;
}

enum class Search { NotZip, Found, Damaged };

// Every signature in the tail is a candidate; only one may describe a central
// directory that ends where its end records begin. Another reader might pick
// a different candidate, so an archive with two is refused, not guessed at.
Search findDirectory(Reader &reader, Directory *dir)
{
    const std::uint64_t size = reader.size();
    if (size < endOfDirectorySize)
        return Search::NotZip;
    const std::uint64_t tailSize = std::min(size, endOfDirectorySize + maxCommentSize);
    std::vector<unsigned char> tail;
    if (!reader.read(size - tailSize, tailSize, &tail))
        return Search::Damaged;
    bool candidate = false;
    bool found = false;
    std::uint64_t at = tailSize - endOfDirectorySize + 1;
    while (at-- > 0) {
        const unsigned char *p = tail.data() + at;
        if (le32(p) != endOfDirectorySignature)
            continue;
        candidate = true;
        if (at + endOfDirectorySize + le16(p + 20) > tailSize)
            continue;
        Directory d;
        if (!readEndRecords(reader, size - tailSize + at, p, &d))
            continue;
        if (d.offset > d.end || d.size != d.end - d.offset)
            continue;
        if (found)
            return Search::Damaged;
        *dir = d;
        found = true;
    }
    if (found)
        return Search::Found;
    return candidate ? Search::Damaged : Search::NotZip;
}

// Control bytes are shown escaped: a name cut at a NUL would look harmless.
QString displayName(const QByteArray &name)
{
    QByteArray shown;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0)
            shown += "\\0";
        else if (byte < 0x20 || byte == 0x7f)
            shown += "\\x" + QByteArray::number(byte, 16).rightJustified(2, '0').toUpper();
        else
            shown += c;
    }
    return QString::fromUtf8(shown);
}

// A backslash is an ordinary character: entries are never unpacked to disk.
bool isPlainName(const QByteArray &name)
{
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') &&
           !name.contains('\0');
}

// The cause of the first fault found, empty for a sound package.
QString layoutFault(Reader &reader, QVector<LayoutEntry> *entries)
{
    const QString damaged = CoreText::tr("the archive is damaged");
    Directory dir;
    switch (findDirectory(reader, &dir)) {
    case Search::NotZip:
        return CoreText::tr("it is not a zip archive");
    case Search::Damaged:
        return damaged;
    case Search::Found:
        break;
    }
    if (dir.size > maxDirectorySize)
        return CoreText::tr("the archive holds too many entries");

    std::vector<unsigned char> cd;
    if (!reader.read(dir.offset, dir.size, &cd))
        return damaged;

    QSet<QByteArray> names;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> ranges;
    std::uint64_t pos = 0;
    std::vector<unsigned char> local;
    for (std::uint64_t i = 0; i < dir.entries; ++i) {
        if (cd.size() - pos < 46 || le32(cd.data() + pos) != directorySignature)
            return damaged;
        const unsigned char *e = cd.data() + pos;
        const std::uint16_t versionNeeded = le16(e + 6);
        const std::uint16_t flags = le16(e + 8);
        const std::uint32_t modified = le32(e + 12);
        const std::uint32_t crc = le32(e + 16);
        const std::uint16_t method = le16(e + 10);
        std::uint64_t compressed = le32(e + 20);
        std::uint64_t uncompressed = le32(e + 24);
        const std::uint16_t nameLen = le16(e + 28);
        const std::uint16_t extraLen = le16(e + 30);
        const std::uint16_t commentLen = le16(e + 32);
        std::uint64_t offset = le32(e + 42);
        const std::uint64_t recordLen = 46ull + nameLen + extraLen + commentLen;
        if (cd.size() - pos < recordLen)
            return damaged;
        const QByteArray name(reinterpret_cast<const char *>(e + 46), nameLen);

        // Sizes and offset that do not fit 32 bits stand in the zip64 extra field, in this order.
        const unsigned char *extra = e + 46 + nameLen;
        int widened = 0;
        for (std::uint32_t x = 0; x + 4 <= extraLen;) {
            const std::uint16_t id = le16(extra + x);
            const std::uint16_t len = le16(extra + x + 2);
            if (x + 4u + len > extraLen)
                return damaged;
            if (id == 0x0001) {
                const unsigned char *f = extra + x + 4;
                std::uint32_t left = len;
                for (std::uint64_t *field : {&uncompressed, &compressed, &offset}) {
                    if (*field != 0xffffffffu)
                        continue;
                    if (left < 8)
                        return damaged;
                    *field = le64(f);
                    ++widened;
                    f += 8;
                    left -= 8;
                }
            }
            x += 4u + len;
        }

        if (!isPlainName(name))
            return CoreText::tr("the entry “%1” is not a plain file name").arg(displayName(name));
        if (names.contains(name))
            return CoreText::tr("it holds the entry “%1” twice").arg(displayName(name));
        names.insert(name);
        if (flags & 0x41)
            return CoreText::tr("the entry “%1” is encrypted").arg(displayName(name));
        if (method != 0 && method != 8)
            return CoreText::tr("the entry “%1” uses an unsupported compression method")
                .arg(displayName(name));
        // All ones means "see the zip64 record"; without one, no size is known.
        const int wide =
            (compressed == 0xffffffffu) + (uncompressed == 0xffffffffu) + (offset == 0xffffffffu);
        if (wide > widened)
            return CoreText::tr("the entry “%1” has a size field this program does not support")
                .arg(displayName(name));
        if (method == 0 && compressed != uncompressed)
            return damaged;

        if (!reader.read(offset, 30, &local) || le32(local.data()) != localSignature)
            return damaged;
        const unsigned char *l = local.data();
        const std::uint16_t localNameLen = le16(l + 26);
        const std::uint64_t dataStart = offset + 30 + localNameLen + le16(l + 28);
        if (dataStart > dir.offset || compressed > dir.offset - dataStart)
            return damaged;
        // The local header must tell the same story: a reader that trusts it
        // must not find other data, another name or another method.
        std::vector<unsigned char> localName;
        if (le16(l + 4) > versionNeeded || le16(l + 8) != method || le32(l + 10) != modified ||
            localNameLen != nameLen || !reader.read(offset + 30, nameLen, &localName) ||
            !std::equal(localName.cbegin(), localName.cend(), e + 46))
            return damaged;
        const bool descriptor = (le16(l + 6) & dataDescriptorFlag) != 0;
        // Local sizes of all ones stand in the local zip64 field: uncompressed, then compressed.
        std::uint64_t localSizes[2] = {le32(l + 22), le32(l + 18)};
        bool localZip64 = false;
        const std::uint16_t localExtraLen = le16(l + 28);
        std::vector<unsigned char> localExtra;
        if (!reader.read(offset + 30 + nameLen, localExtraLen, &localExtra))
            return damaged;
        for (std::uint32_t x = 0; x + 4 <= localExtraLen;) {
            const std::uint16_t len = le16(localExtra.data() + x + 2);
            if (x + 4u + len > localExtraLen)
                return damaged;
            if (le16(localExtra.data() + x) == 0x0001) {
                localZip64 = true;
                std::uint32_t at = x + 4;
                for (std::uint64_t &size : localSizes) {
                    if (size != 0xffffffffu)
                        continue;
                    if (at + 8 > x + 4u + len)
                        return damaged;
                    size = le64(localExtra.data() + at);
                    at += 8;
                }
            }
            x += 4u + len;
        }
        const auto agrees = [descriptor](std::uint64_t localValue, std::uint64_t central) {
            return localValue == central || (descriptor && localValue == 0);
        };
        if (!agrees(le32(l + 14), crc) || !agrees(localSizes[0], uncompressed) ||
            !agrees(localSizes[1], compressed))
            return damaged;
        // The descriptor after the data belongs to the entry too: 12 bytes, 16
        // with its signature, 8 more with zip64 sizes.
        std::uint64_t end = dataStart + compressed;
        if (descriptor) {
            std::vector<unsigned char> sig;
            std::uint64_t len = localZip64 ? 20 : 12;
            if (reader.read(end, 4, &sig) && le32(sig.data()) == descriptorSignature)
                len += 4;
            if (len > dir.offset - end)
                return damaged;
            end += len;
        }
        ranges.emplace_back(offset, end);
        if (entries) {
            LayoutEntry entry;
            entry.name = name;
            entry.method = method;
            entry.crc = crc;
            entry.compressedSize = qint64(compressed);
            entry.size = qint64(uncompressed);
            entry.dataOffset = qint64(dataStart);
            entries->append(entry);
        }
        pos += recordLen;
    }

    // Every byte of the archive belongs to at most one entry: overlapping
    // entries would multiply on every rewrite.
    std::sort(ranges.begin(), ranges.end());
    for (std::size_t i = 1; i < ranges.size(); ++i) {
        if (ranges[i].first < ranges[i - 1].second)
            return damaged;
    }
    return {};
}

} // namespace

bool checkPackageLayout(const QByteArray &path, qint64 *entries, QString *error)
{
    Platform::File file;
    if (!file.openRead(path)) {
        *error = file.error() == EINVAL ? CoreText::tr("it is not a regular file")
                                        : Platform::systemError(file.error());
        return false;
    }
    return checkPackageLayout(file, entries, error);
}

bool checkPackageLayout(Platform::File &file, qint64 *entries, QString *error)
{
    QVector<LayoutEntry> all;
    if (!readPackageLayout(file, &all, error))
        return false;
    if (entries)
        *entries = all.size();
    return true;
}

bool readPackageLayout(Platform::File &file, QVector<LayoutEntry> *entries, QString *error)
{
    Reader reader(file);
    entries->clear();
    const QString fault = layoutFault(reader, entries);
    if (fault.isEmpty())
        return true;
    entries->clear();
    *error = reader.error() != 0
                 ? CoreText::tr("reading it failed: %1").arg(Platform::systemError(reader.error()))
                 : fault;
    return false;
}
