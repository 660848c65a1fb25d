#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// When a photo or clip was taken, as far as it is cheap to tell: the EXIF
// DateTimeOriginal of a JPEG or HEIC photo, else the file's modification time.
QDateTime captureTime(const QString &path);

// The time EXIF data (a TIFF structure, as in a JPEG's APP1 segment after
// "Exif\0\0") records as DateTimeOriginal; invalid when it holds none.
QDateTime exifDateTimeOriginal(const QByteArray &tiff);

// The media files directly in folder (by extension: what the window takes or
// converts), oldest first by captureTime, then by name (blocking). Hidden
// files and subfolders are left out.
QStringList mediaInFolder(const QString &folder);
