#include "drives/drivelist.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QMap>
#include <QVariantMap>

#include <algorithm>

Q_LOGGING_CATEGORY(lcDrives, "merovi.drives")

namespace {

const QString service = QStringLiteral("org.freedesktop.UDisks2");
const QString managerPath = QStringLiteral("/org/freedesktop/UDisks2");
const QString blockInterface = QStringLiteral("org.freedesktop.UDisks2.Block");
const QString filesystemInterface = QStringLiteral("org.freedesktop.UDisks2.Filesystem");
const QString driveInterface = QStringLiteral("org.freedesktop.UDisks2.Drive");
constexpr int callTimeoutMs = 10000;
// Unmounting waits for the drive to take what is still cached; powering off is quick.
constexpr int unmountTimeoutMs = 120000;

using Interfaces = QMap<QString, QVariantMap>;

QString tr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

// "ay" values end in a NUL the path does not have.
QString pathFromBytes(QByteArray bytes)
{
    if (bytes.endsWith('\0'))
        bytes.chop(1);
    return QFile::decodeName(bytes);
}

QStringList mountPoints(const QVariant &value)
{
    QStringList points;
    if (!value.canConvert<QDBusArgument>())
        return points;
    const QDBusArgument argument = value.value<QDBusArgument>();
    argument.beginArray();
    while (!argument.atEnd()) {
        QByteArray point;
        argument >> point;
        if (!pathFromBytes(point).isEmpty())
            points.append(pathFromBytes(point));
    }
    argument.endArray();
    return points;
}

QString objectPath(const QVariant &value)
{
    return value.value<QDBusObjectPath>().path();
}

QString serviceUnavailable(const QString &cause)
{
    return tr("The drive service of this computer (UDisks2) cannot be reached (%1), so drives "
              "cannot be listed or ejected here. Choose the drive's folder instead.")
        .arg(cause);
}

bool callService(const QString &path, const QString &interface, const QString &method,
                 const QVariantList &arguments, int timeoutMs, QDBusMessage *reply)
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments(arguments);
    *reply = QDBusConnection::systemBus().call(call, QDBus::Block, timeoutMs);
    return reply->type() == QDBusMessage::ReplyMessage;
}

// Why the service refused, as the owner can act on it.
QString refusalCause(const QDBusMessage &reply)
{
    const QString name = reply.errorName();
    if (name.endsWith(QLatin1String(".DeviceBusy")))
        return tr("a program still has a file open on it; close it and try again");
    if (name.endsWith(QLatin1String(".NotAuthorized")) ||
        name.endsWith(QLatin1String(".NotAuthorizedCanObtain")))
        return tr("this user may not do that (%1)").arg(reply.errorMessage());
    return reply.errorMessage().isEmpty() ? name : reply.errorMessage();
}

} // namespace

bool listDrives(DriveInfos *drives, QString *error)
{
    drives->clear();
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        *error = serviceUnavailable(tr("there is no system bus"));
        return false;
    }
    QDBusMessage reply;
    if (!callService(managerPath, QStringLiteral("org.freedesktop.DBus.ObjectManager"),
                     QStringLiteral("GetManagedObjects"), {}, callTimeoutMs, &reply) ||
        reply.arguments().isEmpty()) {
        qCWarning(lcDrives) << "GetManagedObjects:" << reply.errorName() << reply.errorMessage();
        *error = serviceUnavailable(reply.errorMessage().isEmpty() ? reply.errorName()
                                                                   : reply.errorMessage());
        return false;
    }

    QMap<QString, Interfaces> objects;
    const QDBusArgument argument = reply.arguments().constFirst().value<QDBusArgument>();
    argument.beginMap();
    while (!argument.atEnd()) {
        QDBusObjectPath path;
        Interfaces interfaces;
        argument.beginMapEntry();
        argument >> path >> interfaces;
        argument.endMapEntry();
        objects.insert(path.path(), interfaces);
    }
    argument.endMap();

    for (auto it = objects.cbegin(); it != objects.cend(); ++it) {
        const QVariantMap block = it->value(blockInterface);
        if (block.isEmpty() || !it->contains(filesystemInterface))
            continue;
        const QStringList points =
            mountPoints(it->value(filesystemInterface).value(QStringLiteral("MountPoints")));
        const QString drivePath = objectPath(block.value(QStringLiteral("Drive")));
        const QVariantMap drive = objects.value(drivePath).value(driveInterface);
        const bool removable = drive.value(QStringLiteral("Removable")).toBool() ||
                               drive.value(QStringLiteral("MediaRemovable")).toBool();
        if (points.isEmpty() || drive.isEmpty() || !removable ||
            block.value(QStringLiteral("HintIgnore")).toBool())
            continue;

        DriveInfo info;
        info.blockObject = it.key();
        info.driveObject = drivePath;
        info.device = pathFromBytes(block.value(QStringLiteral("Device")).toByteArray());
        info.label = block.value(QStringLiteral("IdLabel")).toString();
        info.fileSystemType = block.value(QStringLiteral("IdType")).toString();
        info.size = qint64(block.value(QStringLiteral("Size")).toULongLong());
        info.vendor = drive.value(QStringLiteral("Vendor")).toString().trimmed();
        info.model = drive.value(QStringLiteral("Model")).toString().trimmed();
        info.serial = drive.value(QStringLiteral("Serial")).toString();
        info.connectionBus = drive.value(QStringLiteral("ConnectionBus")).toString();
        info.canPowerOff = drive.value(QStringLiteral("CanPowerOff")).toBool();
        info.ejectable = drive.value(QStringLiteral("Ejectable")).toBool();
        info.mountPoint = points.constFirst();
        readDriveContents(&info);
        drives->append(info);
    }
    std::sort(drives->begin(), drives->end(),
              [](const DriveInfo &a, const DriveInfo &b) { return a.mountPoint < b.mountPoint; });
    return true;
}

bool ejectDrive(const DriveInfo &drive, QString *error)
{
    const QString shown = drive.displayName();
    if (!drive.isManaged()) {
        *error = tr("“%1” is not a drive the drive service knows; unmount it by hand before "
                    "removing it.")
                     .arg(shown);
        return false;
    }
    QDBusMessage reply;
    if (!callService(drive.blockObject, filesystemInterface, QStringLiteral("Unmount"),
                     {QVariantMap()}, unmountTimeoutMs, &reply) &&
        !reply.errorName().endsWith(QLatin1String(".NotMounted"))) {
        *error = tr("“%1” could not be unmounted: %2.").arg(shown, refusalCause(reply));
        return false;
    }
    const QString method = drive.canPowerOff ? QStringLiteral("PowerOff")
                           : drive.ejectable ? QStringLiteral("Eject")
                                             : QString();
    // Unmounted is safe to remove already; powering off only spares the drive.
    if (!method.isEmpty() && !callService(drive.driveObject, driveInterface, method,
                                          {QVariantMap()}, callTimeoutMs, &reply)) {
        qCWarning(lcDrives) << method << drive.driveObject << reply.errorMessage();
    }
    return true;
}

DriveList::DriveList(QObject *parent) : QObject(parent)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    const QString objectManager = QStringLiteral("org.freedesktop.DBus.ObjectManager");
    for (const QString &name :
         {QStringLiteral("InterfacesAdded"), QStringLiteral("InterfacesRemoved")}) {
        bus.connect(service, managerPath, objectManager, name, this,
                    SLOT(onServiceSignal(QDBusMessage)));
    }
    // Mounting and unmounting change a file system's MountPoints.
    bus.connect(service, QString(), QStringLiteral("org.freedesktop.DBus.Properties"),
                QStringLiteral("PropertiesChanged"), this, SLOT(onServiceSignal(QDBusMessage)));
}

bool DriveList::refresh()
{
    m_error.clear();
    m_available = listDrives(&m_drives, &m_error);
    emit drivesChanged();
    return m_available;
}

void DriveList::onServiceSignal(const QDBusMessage &message)
{
    qCDebug(lcDrives) << "drive service:" << message.member() << message.path();
    if (m_watching)
        refresh();
}
