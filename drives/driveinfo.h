#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVector>

// A removable drive with a mounted file system, as the drive service and the
// file system describe it.
struct DriveInfo
{
    // The drive service's objects: the block device with the file system,
    // and the drive it sits on. Empty for a folder the user chose by hand.
    QString blockObject;
    QString driveObject;
    QString device; // "/dev/sdb1"
    QString label;  // the file system's label
    QString vendor;
    QString model;
    QString serial;
    QString connectionBus; // "usb", "sdio", ...
    QString fileSystemType;
    QString mountPoint;
    qint64 size = -1;      // of the file system, -1 unknown
    qint64 freeBytes = -1; // -1 unknown
    bool canPowerOff = false;
    bool ejectable = false;
    // The packages (".mrv") at the top of the drive, by file name.
    QStringList packages;

    // What the user calls the drive: its label, else its make and model, else its device.
    QString displayName() const;
    // True when the drive service can unmount and power it off.
    bool isManaged() const { return !blockObject.isEmpty(); }
};

using DriveInfos = QVector<DriveInfo>;

// A folder chosen by hand, described as a drive: its file system, room and packages.
DriveInfo folderAsDrive(const QString &folder);
// Fills in what the file system tells of drive.mountPoint: free space,
// type when the service gave none, and the packages it holds.
void readDriveContents(DriveInfo *drive);

// "1.5 GB", "640 MB": sizes in the units drives are sold in.
QString driveSizeText(qint64 bytes);

Q_DECLARE_METATYPE(DriveInfo)
