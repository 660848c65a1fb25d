#include "media/capturetime.h"

#include "media/heifimage.h"
#include "media/mediaconvert.h"
#include "playlist/mediatype.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QtEndian>

#include <algorithm>

namespace {

// Cameras put EXIF first; past this a JPEG's time is not cheap any more.
constexpr qint64 jpegHeadBytes = 256 * 1024;

// Reads TIFF numbers in the byte order the header names, bounded by the data.
struct TiffReader
{
    const QByteArray &data;
    bool little = true;

    bool has(qint64 offset, qint64 size) const
    {
        return offset >= 0 && size >= 0 && offset + size <= data.size();
    }
    quint16 u16(qint64 at) const
    {
        const auto *p = reinterpret_cast<const uchar *>(data.constData() + at);
        return little ? qFromLittleEndian<quint16>(p) : qFromBigEndian<quint16>(p);
    }
    quint32 u32(qint64 at) const
    {
        const auto *p = reinterpret_cast<const uchar *>(data.constData() + at);
        return little ? qFromLittleEndian<quint32>(p) : qFromBigEndian<quint32>(p);
    }
    // The entry of tag in the directory at offset; -1 when absent or out of bounds.
    qint64 entry(qint64 offset, quint16 tag) const
    {
        if (!has(offset, 2))
            return -1;
        const int count = u16(offset);
        for (int i = 0; i < count; ++i) {
            const qint64 at = offset + 2 + 12 * i;
            if (!has(at, 12))
                return -1;
            if (u16(at) == tag)
                return at;
        }
        return -1;
    }
};

QByteArray jpegExif(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.read(jpegHeadBytes);
    if (!head.startsWith("\xFF\xD8"))
        return {};
    qint64 at = 2;
    while (at + 4 <= head.size() && uchar(head.at(at)) == 0xFF) {
        const uchar marker = uchar(head.at(at + 1));
        const int length = qFromBigEndian<quint16>(head.constData() + at + 2);
        if (marker == 0xDA || length < 2)
            break; // the picture starts: no EXIF before it
        if (marker == 0xE1 && head.mid(at + 4, 6) == QByteArrayLiteral("Exif\0\0"))
            return head.mid(at + 10, length - 8);
        at += 2 + length;
    }
    return {};
}

} // namespace

QDateTime exifDateTimeOriginal(const QByteArray &tiff)
{
    TiffReader reader{tiff};
    if (!reader.has(0, 8) || (!tiff.startsWith("II") && !tiff.startsWith("MM")))
        return {};
    reader.little = tiff.startsWith("II");
    const qint64 exifPointer = reader.entry(reader.u32(4), 0x8769);
    if (exifPointer < 0)
        return {};
    const qint64 original = reader.entry(reader.u32(exifPointer + 8), 0x9003);
    // ASCII, "YYYY:MM:DD HH:MM:SS" and its NUL: too long to sit in the entry itself.
    if (original < 0 || reader.u16(original + 2) != 2 || reader.u32(original + 4) < 19)
        return {};
    const qint64 text = reader.u32(original + 8);
    if (!reader.has(text, 19))
        return {};
    return QDateTime::fromString(QString::fromLatin1(tiff.mid(text, 19)),
                                 QStringLiteral("yyyy:MM:dd HH:mm:ss"));
}

QDateTime captureTime(const QString &path)
{
    const QFileInfo file(path);
    const QString suffix = file.suffix().toLower();
    QDateTime taken;
    if (playerFormatOf(path) == PlayerFormat::Jpeg)
        taken = exifDateTimeOriginal(jpegExif(path));
    else if (suffix == QLatin1String("heic") || suffix == QLatin1String("heif"))
        taken = exifDateTimeOriginal(readHeifExif(path));
    return taken.isValid() ? taken : file.lastModified();
}

QStringList mediaInFolder(const QString &folder)
{
    const QStringList known = mediaExtensions() + imageExtensions();
    const QSet<QString> extensions(known.cbegin(), known.cend());
    struct Found
    {
        QDateTime time;
        QString path;
    };
    QVector<Found> found;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (extensions.contains(entry.suffix().toLower()))
            found.append({captureTime(entry.absoluteFilePath()), entry.absoluteFilePath()});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Found &a, const Found &b) { return a.time < b.time; });
    QStringList paths;
    for (const Found &file : qAsConst(found))
        paths.append(file.path);
    return paths;
}
