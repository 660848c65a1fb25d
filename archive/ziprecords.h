#pragma once

#include <QByteArray>
#include <QtEndian>

// The zip records' signatures, and the little-endian fields they and the
// journal are written in.
namespace ZipRecords {

constexpr quint32 localSignature = 0x04034b50;
constexpr quint32 centralSignature = 0x02014b50;
constexpr quint32 descriptorSignature = 0x08074b50;
constexpr quint32 endSignature = 0x06054b50;
constexpr quint32 zip64EndSignature = 0x06064b50;
constexpr quint32 zip64LocatorSignature = 0x07064b50;
constexpr quint16 dataDescriptorFlag = 0x0008;
constexpr quint16 zip64ExtraId = 0x0001;
// A size or offset of all ones stands in the zip64 extra field.
constexpr quint64 max32 = 0xffffffffu;
constexpr quint64 max16 = 0xffffu;
// The fixed parts of the records.
constexpr quint64 localHeaderSize = 30;
constexpr quint64 centralRecordSize = 46;
constexpr quint64 zip64EndSize = 56;
constexpr quint64 locatorSize = 20;
constexpr quint64 endRecordSize = 22;

inline quint16 get16(const char *p)
{
    return qFromLittleEndian<quint16>(p);
}

inline quint32 get32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}

inline quint64 get64(const char *p)
{
    return qFromLittleEndian<quint64>(p);
}

// Appends value cut to the field's width.
inline void put16(QByteArray &out, quint64 value)
{
    char bytes[2];
    qToLittleEndian(quint16(value), bytes);
    out.append(bytes, 2);
}

inline void put32(QByteArray &out, quint64 value)
{
    char bytes[4];
    qToLittleEndian(quint32(value), bytes);
    out.append(bytes, 4);
}

inline void put64(QByteArray &out, quint64 value)
{
    char bytes[8];
    qToLittleEndian(value, bytes);
    out.append(bytes, 8);
}

} // namespace ZipRecords
