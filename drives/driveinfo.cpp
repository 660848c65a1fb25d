#include "drives/driveinfo.h"
#include "archive/text.h"

#include "archive/platformfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QString DriveInfo::displayName() const
{
    if (!label.isEmpty())
        return label;
    const QString make = makeAndModel();
    if (!make.isEmpty())
        return make;
    if (!device.isEmpty())
        return device;
    return QDir::toNativeSeparators(mountPoint);
}

QString DriveInfo::makeAndModel() const
{
    return QStringList{vendor, model}.join(QLatin1Char(' ')).trimmed();
}

QString DriveInfo::description() const
{
    QStringList parts = {displayName()};
    if (!makeAndModel().isEmpty() && makeAndModel() != displayName())
        parts.append(makeAndModel());
    if (!serial.isEmpty())
        parts.append(CoreText::tr("serial %1").arg(serial));
    if (size >= 0)
        parts.append(driveSizeText(size));
    parts.append(CoreText::tr("at %1").arg(QDir::toNativeSeparators(mountPoint)));
    return parts.join(QLatin1String(", "));
}

void readDriveContents(DriveInfo *drive)
{
    if (drive->mountPoint.isEmpty())
        return;
    const QByteArray path = QFile::encodeName(drive->mountPoint);
    const DestinationSpace space = Platform::destinationSpace(path);
    drive->freeBytes = space.freeBytes;
    if (drive->fileSystemType.isEmpty())
        drive->fileSystemType = Platform::fileSystemType(path);
    drive->packages =
        QDir(drive->mountPoint)
            .entryList({QStringLiteral("*.mrv")}, QDir::Files | QDir::Hidden, QDir::Name);
}

DriveInfo folderAsDrive(const QString &folder)
{
    DriveInfo drive;
    drive.mountPoint = QFileInfo(folder).absoluteFilePath();
    readDriveContents(&drive);
    return drive;
}

QString driveSizeText(qint64 bytes)
{
    return sizeText(bytes);
}

bool isMountedAt(const QString &mountPoint, const QByteArray &mountInfo)
{
    const QByteArray wanted = QFile::encodeName(QDir::cleanPath(mountPoint));
    for (const QByteArray &line : mountInfo.split('\n')) {
        // "36 35 98:0 /root /mnt/point rw ...": the fifth field, with
        // space, tab, newline and backslash written as octal escapes.
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 5)
            continue;
        const QByteArray &field = fields.at(4);
        QByteArray point;
        for (int i = 0; i < field.size(); ++i) {
            if (field.at(i) == '\\' && i + 3 < field.size()) {
                bool ok = false;
                const int code = field.mid(i + 1, 3).toInt(&ok, 8);
                if (ok && code < 256) {
                    point.append(char(code));
                    i += 3;
                    continue;
                }
            }
            point.append(field.at(i));
        }
        if (point == wanted)
            return true;
    }
    return false;
}

bool isMountedAt(const QString &mountPoint)
{
    QFile file(QStringLiteral("/proc/self/mountinfo"));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // A procfs file reports no size; readAll reads it to its end.
    return isMountedAt(mountPoint, file.readAll());
}
