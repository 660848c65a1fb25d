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
    // "Merovi Test Stick", empty when the service gave neither.
    QString makeAndModel() const;
    // One line that tells two drives of one label apart: name, make and
    // model, serial, size and mount point.
    QString description() const;
    // True when the drive service can unmount and power it off.
    bool isManaged() const { return !blockObject.isEmpty(); }
};

using DriveInfos = QVector<DriveInfo>;

// A folder chosen by hand, described as a drive: its file system, room and packages.
DriveInfo folderAsDrive(const QString &folder);
// Fills in what the file system tells of drive.mountPoint: free space,
// type when the service gave none, and the packages it holds.
void readDriveContents(DriveInfo *drive);

// "1.50 GB", "640 MB", "4.29 GB": sizes in the units drives are sold in,
// with three significant figures.
QString driveSizeText(qint64 bytes);

// Whether a file system is mounted at mountPoint now, as mountInfo (the
// text of /proc/self/mountinfo) lists the mounts. A drive service may still
// report a mount point that is gone, and the folder beneath is no stick.
bool isMountedAt(const QString &mountPoint, const QByteArray &mountInfo);
bool isMountedAt(const QString &mountPoint);

Q_DECLARE_METATYPE(DriveInfo)
