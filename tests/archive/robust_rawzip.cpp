#include "robust_rawzip.h"

#include <zlib.h>

#include <cstring>

namespace RawZip {

namespace {

// 2026-01-01 12:00:00 in MS-DOS form; the value only has to be plausible.
constexpr quint16 dosTime = (12 << 11);
constexpr quint16 dosDate = ((2026 - 1980) << 9) | (1 << 5) | 1;

void put16(QByteArray &out, quint16 value)
{
    out.append(char(value & 0xff));
    out.append(char(value >> 8));
}

void put32(QByteArray &out, quint32 value)
{
    put16(out, quint16(value & 0xffff));
    put16(out, quint16(value >> 16));
}

} // namespace

quint32 crc(const QByteArray &data)
{
    return quint32(::crc32(::crc32(0L, nullptr, 0),
                           reinterpret_cast<const Bytef *>(data.constData()), uInt(data.size())));
}

QByteArray deflate(const QByteArray &data)
{
    z_stream stream;
    std::memset(&stream, 0, sizeof stream);
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) !=
        Z_OK)
        return {};
    QByteArray out(int(deflateBound(&stream, uLong(data.size()))), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    ::deflate(&stream, Z_FINISH);
    out.truncate(int(stream.total_out));
    deflateEnd(&stream);
    return out;
}

QByteArray deflatedZeros(qint64 size, quint32 *crcOut)
{
    z_stream stream;
    std::memset(&stream, 0, sizeof stream);
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) !=
        Z_OK)
        return {};
    const QByteArray zeros(1 << 20, '\0');
    QByteArray out;
    char buffer[1 << 16];
    uLong checksum = ::crc32(0L, nullptr, 0);
    qint64 left = size;
    int flush = Z_NO_FLUSH;
    do {
        const qint64 chunk = qMin<qint64>(left, zeros.size());
        left -= chunk;
        flush = left == 0 ? Z_FINISH : Z_NO_FLUSH;
        checksum =
            ::crc32(checksum, reinterpret_cast<const Bytef *>(zeros.constData()), uInt(chunk));
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(zeros.constData()));
        stream.avail_in = uInt(chunk);
        do {
            stream.next_out = reinterpret_cast<Bytef *>(buffer);
            stream.avail_out = sizeof buffer;
            ::deflate(&stream, flush);
            out.append(buffer, int(sizeof buffer - stream.avail_out));
        } while (stream.avail_out == 0);
    } while (flush != Z_FINISH);
    deflateEnd(&stream);
    *crcOut = quint32(checksum);
    return out;
}

Entry stored(const QByteArray &name, const QByteArray &data)
{
    Entry entry;
    entry.name = name;
    entry.payload = data;
    entry.crc = crc(data);
    entry.compressedSize = quint32(data.size());
    entry.uncompressedSize = quint32(data.size());
    return entry;
}

Entry deflated(const QByteArray &name, const QByteArray &data)
{
    Entry entry = stored(name, data);
    entry.method = 8;
    entry.payload = deflate(data);
    entry.compressedSize = quint32(entry.payload.size());
    return entry;
}

QByteArray localHeader(const Entry &entry)
{
    const QByteArray name = entry.localName.value_or(entry.name);
    QByteArray out;
    put32(out, 0x04034b50);
    put16(out, 20);
    put16(out, entry.flags);
    put16(out, entry.method);
    put16(out, dosTime);
    put16(out, dosDate);
    put32(out, entry.crc);
    put32(out, entry.localCompressedSize.value_or(entry.compressedSize));
    put32(out, entry.uncompressedSize);
    put16(out, quint16(name.size()));
    put16(out, 0);
    out.append(name);
    return out;
}

QByteArray centralHeader(const Entry &entry, quint32 offset)
{
    QByteArray out;
    put32(out, 0x02014b50);
    put16(out, (3 << 8) | 20); // made on Unix, so the mode bits below count
    put16(out, 20);
    put16(out, entry.flags);
    put16(out, entry.method);
    put16(out, dosTime);
    put16(out, dosDate);
    put32(out, entry.crc);
    put32(out, entry.compressedSize);
    put32(out, entry.uncompressedSize);
    put16(out, quint16(entry.name.size()));
    put16(out, 0);
    put16(out, 0);
    put16(out, 0);
    put16(out, 0);
    put32(out, quint32(0100644) << 16);
    put32(out, entry.centralOffset.value_or(offset));
    out.append(entry.name);
    return out;
}

QByteArray endRecord(int count, quint32 centralSize, quint32 centralOffset)
{
    QByteArray out;
    put32(out, 0x06054b50);
    put16(out, 0);
    put16(out, 0);
    put16(out, quint16(count));
    put16(out, quint16(count));
    put32(out, centralSize);
    put32(out, centralOffset);
    put16(out, 0);
    return out;
}

QByteArray archive(const QVector<Entry> &entries)
{
    QByteArray out;
    QVector<quint32> offsets;
    for (const Entry &entry : entries) {
        offsets.append(quint32(out.size()));
        out += localHeader(entry);
        out += entry.payload;
    }
    const quint32 centralOffset = quint32(out.size());
    for (int i = 0; i < entries.size(); ++i)
        out += centralHeader(entries.at(i), offsets.at(i));
    out += endRecord(entries.size(), quint32(out.size()) - centralOffset, centralOffset);
    return out;
}

} // namespace RawZip
