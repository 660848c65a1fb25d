#include "archive/packagelayout.h"
#include "archive/text.h"

#include "archive/packagefile.h"
#include "archive/platformfile.h"
#include "archive/ziprecords.h"

#include <QSet>

#include <algorithm>
#include <cerrno>
#include <initializer_list>
#include <limits>
#include <utility>
#include <vector>

namespace {

using namespace ZipRecords;

constexpr quint16 encryptedFlags = 0x41;
constexpr quint64 maxCommentSize = 0xffff;
// Far more entries than a playlist has; keeps the memory a damaged archive can claim small.
constexpr quint64 maxDirectorySize = 64 * 1024 * 1024;

class Reader
{
public:
    explicit Reader(Platform::File &file) : m_file(file) {}

    int error() const { return m_error; }
    quint64 size() const { return quint64(m_file.size()); }

    // False both past the end and on a read error; error() tells them apart.
    bool read(quint64 offset, quint64 len, std::vector<char> *out)
    {
        if (offset > size() || len > size() - offset)
            return false;
        out->resize(len);
        const qint64 got = m_file.read(out->data(), qint64(len), qint64(offset));
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
    quint64 entries = 0;
    quint64 size = 0;
    quint64 offset = 0;
    // Where the records after the central directory start.
    quint64 end = 0;
    quint64 endRecord = 0;
    bool zip64 = false;
};

// One central record; name, extra fields and comment follow its fixed part.
struct CentralRecord
{
    // The fields a reader hands on; sizes and offset are set once widened and checked.
    LayoutEntry entry;
    quint64 compressedSize = 0;
    quint64 size = 0;
    quint64 headerOffset = 0;
    quint16 nameLength = 0;
    quint16 extraLength = 0;
    quint16 commentLength = 0;

    quint64 length() const { return centralRecordSize + nameLength + extraLength + commentLength; }
};

// Reads the record at p, with available bytes of the directory left from
// there; false when it is not one or does not fit.
bool readCentralRecord(const char *p, quint64 available, CentralRecord *record)
{
    if (available < centralRecordSize || get32(p) != centralSignature)
        return false;
    CentralRecord &r = *record;
    LayoutEntry &e = r.entry;
    e.madeBy = get16(p + 4);
    e.versionNeeded = get16(p + 6);
    e.flags = get16(p + 8);
    e.method = get16(p + 10);
    e.time = get16(p + 12);
    e.date = get16(p + 14);
    e.crc = get32(p + 16);
    r.compressedSize = get32(p + 20);
    r.size = get32(p + 24);
    r.nameLength = get16(p + 28);
    r.extraLength = get16(p + 30);
    r.commentLength = get16(p + 32);
    e.internalAttributes = get16(p + 36);
    e.externalAttributes = get32(p + 38);
    r.headerOffset = get32(p + 42);
    if (available < r.length())
        return false;
    e.name = QByteArray(p + centralRecordSize, r.nameLength);
    e.extra = QByteArray(p + centralRecordSize + r.nameLength, r.extraLength);
    return true;
}

struct LocalHeader
{
    quint16 versionNeeded = 0;
    quint16 flags = 0;
    quint16 method = 0;
    quint16 time = 0;
    quint16 date = 0;
    quint32 crc = 0;
    quint64 compressedSize = 0;
    quint64 size = 0;
    quint16 nameLength = 0;
    quint16 extraLength = 0;
};

LocalHeader localHeaderAt(const char *p)
{
    LocalHeader h;
    h.versionNeeded = get16(p + 4);
    h.flags = get16(p + 6);
    h.method = get16(p + 8);
    h.time = get16(p + 10);
    h.date = get16(p + 12);
    h.crc = get32(p + 14);
    h.compressedSize = get32(p + 18);
    h.size = get32(p + 22);
    h.nameLength = get16(p + 26);
    h.extraLength = get16(p + 28);
    return h;
}

// Values of all ones stand in the zip64 extra field, 8 bytes each in the
// order given. False when an extra field runs past the others, or the zip64
// field lacks a value it must hold. *widened counts the values taken from it;
// *found tells whether there is one; *others receives the other fields.
bool widenZip64(const char *extra, quint32 length, std::initializer_list<quint64 *> fields,
                int *widened, bool *found, QByteArray *others = nullptr)
{
    for (quint32 x = 0; x + 4 <= length;) {
        const quint32 len = get16(extra + x + 2);
        if (x + 4 + len > length)
            return false;
        if (get16(extra + x) != zip64ExtraId) {
            if (others)
                others->append(extra + x, int(4 + len));
        } else {
            *found = true;
            const char *f = extra + x + 4;
            quint32 left = len;
            for (quint64 *field : fields) {
                if (*field != max32)
                    continue;
                if (left < 8)
                    return false;
                *field = get64(f);
                ++*widened;
                f += 8;
                left -= 8;
            }
        }
        x += 4 + len;
    }
    return true;
}

// Reads the end records that start at position; p points at its bytes.
bool readEndRecords(Reader &reader, quint64 position, const char *p, Directory *dir)
{
    dir->entries = get16(p + 10);
    dir->size = get32(p + 12);
    dir->offset = get32(p + 16);
    dir->end = position;
    dir->endRecord = position;
    std::vector<char> locator;
    if (position < locatorSize || !reader.read(position - locatorSize, locatorSize, &locator) ||
        get32(locator.data()) != zip64LocatorSignature)
        return true;
    const quint64 zip64End = get64(locator.data() + 8);
    std::vector<char> record;
    if (!reader.read(zip64End, zip64EndSize, &record) || get32(record.data()) != zip64EndSignature)
        return false;
    dir->entries = get64(record.data() + 32);
    dir->size = get64(record.data() + 40);
    dir->offset = get64(record.data() + 48);
    dir->end = zip64End;
    dir->zip64 = true;
    return true;
}

enum class Search { NotZip, Found, Damaged };

// Every signature in the tail is a candidate; only one may describe a central
// directory that ends where its end records begin. Another reader might pick
// a different candidate, so an archive with two is refused, not guessed at.
Search findDirectory(Reader &reader, Directory *dir)
{
    const quint64 size = reader.size();
    if (size < endRecordSize)
        return Search::NotZip;
    const quint64 tailSize = std::min(size, endRecordSize + maxCommentSize);
    std::vector<char> tail;
    if (!reader.read(size - tailSize, tailSize, &tail))
        return Search::Damaged;
    bool candidate = false;
    bool found = false;
    quint64 at = tailSize - endRecordSize + 1;
    while (at-- > 0) {
        const char *p = tail.data() + at;
        if (get32(p) != endSignature)
            continue;
        candidate = true;
        if (at + endRecordSize + get16(p + 20) > tailSize)
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

// Why an entry cannot be in a package, empty when it can; widened counts the
// values its zip64 field gave.
QString entryFault(const CentralRecord &r, int widened, QSet<QByteArray> *names)
{
    const QByteArray &name = r.entry.name;
    if (!isPlainName(name))
        return CoreText::tr("the entry “%1” is not a plain file name").arg(displayName(name));
    if (names->contains(name))
        return CoreText::tr("it holds the entry “%1” twice").arg(displayName(name));
    names->insert(name);
    if (r.entry.flags & encryptedFlags)
        return CoreText::tr("the entry “%1” is encrypted").arg(displayName(name));
    if (r.entry.method != 0 && r.entry.method != 8)
        return CoreText::tr("the entry “%1” uses an unsupported compression method")
            .arg(displayName(name));
    // All ones means "see the zip64 record"; without one, no size is known.
    const int wide = (r.compressedSize == max32) + (r.size == max32) + (r.headerOffset == max32);
    if (wide > widened)
        return CoreText::tr("the entry “%1” has a size field this program does not support")
            .arg(displayName(name));
    // Sizes are handed on as signed; a stored entry's two must agree.
    if (r.size > quint64(std::numeric_limits<qint64>::max()) ||
        (r.entry.method == 0 && r.compressedSize != r.size))
        return CoreText::tr("the archive is damaged");
    return {};
}

// Reads the local header of the entry central describes, which must tell the
// same story: a reader that trusts it must not find other data, another name
// or another method. Sets where the entry's data starts and where it ends,
// past any data descriptor; false when anything disagrees or reaches into the
// central directory.
bool readLocalHeader(Reader &reader, quint64 directoryOffset, CentralRecord *record)
{
    const CentralRecord &central = *record;
    LayoutEntry *entry = &record->entry;
    const quint64 offset = central.headerOffset;
    std::vector<char> bytes;
    if (!reader.read(offset, localHeaderSize, &bytes) || get32(bytes.data()) != localSignature)
        return false;
    LocalHeader local = localHeaderAt(bytes.data());
    const quint64 nameStart = offset + localHeaderSize;
    const quint64 dataStart = nameStart + local.nameLength + local.extraLength;
    if (dataStart > directoryOffset || central.compressedSize > directoryOffset - dataStart)
        return false;
    std::vector<char> localName;
    if (local.versionNeeded > entry->versionNeeded || local.method != entry->method ||
        local.time != entry->time || local.date != entry->date ||
        local.nameLength != central.nameLength ||
        !reader.read(nameStart, local.nameLength, &localName) ||
        QByteArray(localName.data(), int(localName.size())) != entry->name)
        return false;
    std::vector<char> extra;
    int widened = 0;
    bool zip64 = false;
    if (!reader.read(nameStart + local.nameLength, local.extraLength, &extra) ||
        !widenZip64(extra.data(), local.extraLength, {&local.size, &local.compressedSize}, &widened,
                    &zip64))
        return false;
    // Streaming writers leave the local checksum and sizes zero and put them
    // in a data descriptor after the data.
    const bool descriptor = (local.flags & dataDescriptorFlag) != 0;
    const auto agrees = [descriptor](quint64 localValue, quint64 centralValue) {
        return localValue == centralValue || (descriptor && localValue == 0);
    };
    if (!agrees(local.crc, entry->crc) || !agrees(local.size, central.size) ||
        !agrees(local.compressedSize, central.compressedSize))
        return false;
    // The descriptor belongs to the entry too: 12 bytes, 16 with its
    // signature, 8 more with zip64 sizes.
    quint64 end = dataStart + central.compressedSize;
    if (descriptor) {
        std::vector<char> signature;
        quint64 len = zip64 ? 20 : 12;
        if (reader.read(end, 4, &signature) && get32(signature.data()) == descriptorSignature)
            len += 4;
        if (len > directoryOffset - end)
            return false;
        end += len;
    }
    entry->dataOffset = qint64(dataStart);
    entry->end = qint64(end);
    return true;
}

// Reads and checks the central record at *pos of the directory cd, and the
// local header it points at; moves *pos past it. The cause of the fault, empty
// for a sound entry.
QString readEntry(Reader &reader, const std::vector<char> &cd, quint64 *pos,
                  quint64 directoryOffset, QSet<QByteArray> *names, LayoutEntry *entry)
{
    const QString damaged = CoreText::tr("the archive is damaged");
    CentralRecord central;
    if (!readCentralRecord(cd.data() + *pos, cd.size() - *pos, &central))
        return damaged;
    int widened = 0;
    bool zip64 = false;
    // The zip64 field is made anew by whoever writes the record again.
    const QByteArray extra = std::exchange(central.entry.extra, {});
    if (!widenZip64(extra.constData(), central.extraLength,
                    {&central.size, &central.compressedSize, &central.headerOffset}, &widened,
                    &zip64, &central.entry.extra))
        return damaged;
    const QString fault = entryFault(central, widened, names);
    if (!fault.isEmpty())
        return fault;
    if (!readLocalHeader(reader, directoryOffset, &central))
        return damaged;
    *entry = central.entry;
    entry->compressedSize = qint64(central.compressedSize);
    entry->size = qint64(central.size);
    entry->headerOffset = qint64(central.headerOffset);
    *pos += central.length();
    return {};
}

// The cause of the first fault found, empty for a sound package.
QString layoutFault(Reader &reader, QVector<LayoutEntry> *entries, Directory *dir)
{
    const QString damaged = CoreText::tr("the archive is damaged");
    switch (findDirectory(reader, dir)) {
    case Search::NotZip:
        return CoreText::tr("it is not a zip archive");
    case Search::Damaged:
        return damaged;
    case Search::Found:
        break;
    }
    if (dir->size > maxDirectorySize)
        return CoreText::tr("the archive holds too many entries");
    std::vector<char> cd;
    if (!reader.read(dir->offset, dir->size, &cd))
        return damaged;
    QSet<QByteArray> names;
    std::vector<std::pair<qint64, qint64>> ranges;
    quint64 pos = 0;
    for (quint64 i = 0; i < dir->entries; ++i) {
        LayoutEntry entry;
        const QString fault = readEntry(reader, cd, &pos, dir->offset, &names, &entry);
        if (!fault.isEmpty())
            return fault;
        ranges.emplace_back(entry.headerOffset, entry.end);
        entries->append(entry);
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

bool readPackageLayout(Platform::File &file, QVector<LayoutEntry> *entries, QString *error,
                       LayoutDirectory *directory)
{
    Reader reader(file);
    entries->clear();
    Directory dir;
    const QString fault = layoutFault(reader, entries, &dir);
    if (fault.isEmpty()) {
        if (directory)
            *directory = {qint64(dir.offset), qint64(dir.end), qint64(dir.endRecord), dir.zip64};
        return true;
    }
    entries->clear();
    *error = reader.error() != 0
                 ? CoreText::tr("reading it failed: %1").arg(Platform::systemError(reader.error()))
                 : fault;
    return false;
}
