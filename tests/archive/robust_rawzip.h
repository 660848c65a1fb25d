#pragma once

#include <QByteArray>
#include <QVector>

#include <optional>

// A deliberately naive zip writer for tests: it writes whatever it is told,
// so a test can make archives that lie about sizes, CRCs, methods and offsets.
namespace RawZip {

quint32 crc(const QByteArray &data);
// A raw deflate stream (no zlib header), as zip method 8 stores it.
QByteArray deflate(const QByteArray &data);
// A raw deflate stream of size zero bytes, made without holding them in memory.
QByteArray deflatedZeros(qint64 size, quint32 *crcOut);

struct Entry
{
    QByteArray name;
    // Bytes written after the local header: the stored or compressed data.
    QByteArray payload;
    quint16 method = 0;
    quint16 flags = 0;
    quint32 crc = 0;
    quint32 compressedSize = 0;
    quint32 uncompressedSize = 0;
    // Unset: the offset where the local header was written.
    std::optional<quint32> centralOffset;
    // Unset: the local header repeats the central directory's fields.
    std::optional<quint32> localCompressedSize;
    // Unset: the local header carries the same name.
    std::optional<QByteArray> localName;
};

// Truthful entries: sizes and CRC computed from data.
Entry stored(const QByteArray &name, const QByteArray &data);
Entry deflated(const QByteArray &name, const QByteArray &data);

QByteArray localHeader(const Entry &entry);
QByteArray centralHeader(const Entry &entry, quint32 offset);
QByteArray endRecord(int count, quint32 centralSize, quint32 centralOffset);

// Local headers and payloads in order, then the central directory, then the end record.
QByteArray archive(const QVector<Entry> &entries);

} // namespace RawZip
