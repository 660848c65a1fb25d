#include "drives/driveinfo.h"

#include "archive/platformfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QString DriveInfo::displayName() const
{
    if (!label.isEmpty())
        return label;
    const QString make = QStringList{vendor, model}.join(QLatin1Char(' ')).trimmed();
    if (!make.isEmpty())
        return make;
    if (!device.isEmpty())
        return device;
    return QDir::toNativeSeparators(mountPoint);
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
    if (bytes < 0)
        return QCoreApplication::translate("MainWindow", "unknown");
    const double value = double(bytes);
    if (value >= 1e9)
        return QCoreApplication::translate("MainWindow", "%1 GB").arg(value / 1e9, 0, 'f', 1);
    return QCoreApplication::translate("MainWindow", "%1 MB").arg(value / 1e6, 0, 'f', 1);
}
