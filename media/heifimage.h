#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// HEIF images (the HEIC photos phones take), read through libheif: no Qt
// image plugin of the supported systems reads them.

// What the header of a HEIF file says; ok is false for any other file.
struct HeifHeader
{
    bool ok = false;
    QSize size; // upright, as the image shows
    bool alpha = false;
};

// Reads the header of path's primary image (blocking). Files of other types
// are told apart by their first bytes, without reading the rest.
HeifHeader readHeifHeader(const QString &path);

// Decodes path's primary image upright (its rotation and mirroring applied),
// refusing one wider or taller than maxSide or of more than maxPixels pixels
// before decoding. error names the file and the cause.
[[nodiscard]] bool readHeifImage(const QString &path, int maxSide, qint64 maxPixels, QImage *image,
                                 QString *error);

// The EXIF data of path's primary image as a TIFF structure, or empty.
QByteArray readHeifExif(const QString &path);
