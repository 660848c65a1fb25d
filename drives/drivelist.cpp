#include "drives/drivelist.h"
#include "archive/text.h"

#include "jobs/jobrunner.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QMap>
#include <QMetaObject>
#include <QPointer>
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
// Signals that come together (a plug sends several) make one re-read.
constexpr int coalesceMs = 100;
// Unmounting waits for the drive to take what is still cached; powering off is quick.
constexpr int unmountTimeoutMs = 120000;

using Interfaces = QMap<QString, QVariantMap>;

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
    return CoreText::tr(
               "The drive service of this computer (UDisks2) cannot be reached (%1), so drives "
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
        return CoreText::tr("a program still has a file open on it; close it and try again");
    if (name.endsWith(QLatin1String(".NotAuthorized")) ||
        name.endsWith(QLatin1String(".NotAuthorizedCanObtain")))
        return CoreText::tr("this user may not do that (%1)").arg(reply.errorMessage());
    return reply.errorMessage().isEmpty() ? name : reply.errorMessage();
}

} // namespace

namespace {

// The drives a GetManagedObjects reply describes, without what their file
// systems hold: that needs the drives themselves.
bool parseManagedObjects(const QDBusMessage &reply, DriveInfos *drives, QString *error)
{
    drives->clear();
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty() ||
        !reply.arguments().constFirst().canConvert<QDBusArgument>()) {
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
        drives->append(info);
    }
    std::sort(drives->begin(), drives->end(),
              [](const DriveInfo &a, const DriveInfo &b) { return a.mountPoint < b.mountPoint; });
    return true;
}

QDBusMessage managedObjectsCall()
{
    return QDBusMessage::createMethodCall(service, managerPath,
                                          QStringLiteral("org.freedesktop.DBus.ObjectManager"),
                                          QStringLiteral("GetManagedObjects"));
}

// Only these objects' changes can change the list.
bool isDriveObject(const QString &path)
{
    return path.startsWith(managerPath + QLatin1String("/block_devices/")) ||
           path.startsWith(managerPath + QLatin1String("/drives/"));
}

bool isDriveInterface(const QString &interface)
{
    return interface == blockInterface || interface == filesystemInterface ||
           interface == driveInterface;
}

} // namespace

bool listDrives(DriveInfos *drives, QString *error)
{
    drives->clear();
    if (!QDBusConnection::systemBus().isConnected()) {
        *error = serviceUnavailable(CoreText::tr("there is no system bus"));
        return false;
    }
    const QDBusMessage reply =
        QDBusConnection::systemBus().call(managedObjectsCall(), QDBus::Block, callTimeoutMs);
    if (!parseManagedObjects(reply, drives, error))
        return false;
    for (DriveInfo &drive : *drives)
        readDriveContents(&drive);
    return true;
}

bool ejectDrive(const DriveInfo &drive, QString *error)
{
    const QString shown = drive.displayName();
    if (!drive.isManaged()) {
        *error =
            CoreText::tr("“%1” is not a drive the drive service knows; unmount it by hand before "
                         "removing it.")
                .arg(shown);
        return false;
    }
    QDBusMessage reply;
    if (!callService(drive.blockObject, filesystemInterface, QStringLiteral("Unmount"),
                     {QVariantMap()}, unmountTimeoutMs, &reply) &&
        !reply.errorName().endsWith(QLatin1String(".NotMounted"))) {
        *error = CoreText::tr("“%1” could not be unmounted: %2.").arg(shown, refusalCause(reply));
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

DriveList::DriveList(JobRunner *jobs, QObject *parent) : QObject(parent), m_jobs(jobs)
{
    m_coalesce.setSingleShot(true);
    m_coalesce.setInterval(coalesceMs);
    connect(&m_coalesce, &QTimer::timeout, this, &DriveList::refreshInBackground);
    QDBusConnection bus = QDBusConnection::systemBus();
    const QString objectManager = QStringLiteral("org.freedesktop.DBus.ObjectManager");
    bus.connect(service, managerPath, objectManager, QStringLiteral("InterfacesAdded"), this,
                SLOT(onInterfacesChanged(QDBusMessage)));
    bus.connect(service, managerPath, objectManager, QStringLiteral("InterfacesRemoved"), this,
                SLOT(onInterfacesChanged(QDBusMessage)));
    // Mounting and unmounting change a file system's MountPoints.
    bus.connect(service, QString(), QStringLiteral("org.freedesktop.DBus.Properties"),
                QStringLiteral("PropertiesChanged"), this, SLOT(onPropertiesChanged(QDBusMessage)));
}

bool DriveList::refresh()
{
    ++m_generation;
    m_error.clear();
    m_available = listDrives(&m_drives, &m_error);
    emit drivesChanged();
    return m_available;
}

void DriveList::refreshInBackground()
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        m_available = false;
        m_error = serviceUnavailable(CoreText::tr("there is no system bus"));
        emit drivesChanged();
        return;
    }
    const quint64 generation = ++m_generation;
    auto *watcher =
        new QDBusPendingCallWatcher(bus.asyncCall(managedObjectsCall(), callTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        if (generation != m_generation)
            return;
        DriveInfos drives;
        QString error;
        if (!parseManagedObjects(watcher->reply(), &drives, &error)) {
            m_available = false;
            m_error = error;
            m_drives.clear();
            emit drivesChanged();
            return;
        }
        // Free space and packages come from the drives: a busy one
        // may take seconds, so not on this thread.
        QStringList keys;
        for (const DriveInfo &drive : std::as_const(drives)) {
            if (!drive.mountPoint.isEmpty())
                keys.append(drive.mountPoint);
        }
        const QPointer<DriveList> self(this);
        m_jobs->submit<DriveInfos>(
            keys,
            [drives](JobControl *) mutable {
                for (DriveInfo &drive : drives)
                    readDriveContents(&drive);
                return drives;
            },
            [self, generation](const DriveInfos &read) {
                if (!self || generation != self->m_generation)
                    return;
                self->m_drives = read;
                self->m_available = true;
                self->m_error.clear();
                emit self->drivesChanged();
            });
    });
}

void DriveList::scheduleRefresh()
{
    if (m_watching && !m_coalesce.isActive())
        m_coalesce.start();
}

void DriveList::setWatching(bool on)
{
    m_watching = on;
    if (on)
        scheduleRefresh();
}

void DriveList::onInterfacesChanged(const QDBusMessage &message)
{
    const QVariantList arguments = message.arguments();
    if (arguments.size() < 2)
        return;
    const QString path = arguments.at(0).value<QDBusObjectPath>().path();
    // InterfacesAdded carries a map of interfaces, InterfacesRemoved a list of names.
    QStringList interfaces = arguments.at(1).toStringList();
    if (arguments.at(1).canConvert<QDBusArgument>()) {
        const QDBusArgument argument = arguments.at(1).value<QDBusArgument>();
        if (argument.currentType() == QDBusArgument::MapType) {
            Interfaces map;
            argument >> map;
            interfaces = map.keys();
        } else {
            argument >> interfaces;
        }
    }
    qCDebug(lcDrives) << "drive service:" << message.member() << path << interfaces;
    if (isDriveObject(path) &&
        std::any_of(interfaces.cbegin(), interfaces.cend(), isDriveInterface))
        scheduleRefresh();
}

void DriveList::onPropertiesChanged(const QDBusMessage &message)
{
    const QVariantList arguments = message.arguments();
    if (!arguments.isEmpty() && isDriveObject(message.path()) &&
        isDriveInterface(arguments.constFirst().toString()))
        scheduleRefresh();
}
