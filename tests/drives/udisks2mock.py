# A stand-in for the system's drive service (UDisks2) on a private bus, with
# the service's own interface and property names. Its test interface plugs
# and pulls drives (with the signals), makes one busy, and tells the unmount
# and power-off calls made.

import dbus

from dbusmock import mockobject

BUS_NAME = 'org.freedesktop.UDisks2'
MAIN_OBJ = '/org/freedesktop/UDisks2'
MAIN_IFACE = 'org.freedesktop.UDisks2.Manager'
SYSTEM_BUS = True
IS_OBJECT_MANAGER = True
TEST_IFACE = 'org.merovi.DriveServiceTest'
BLOCK = 'org.freedesktop.UDisks2.Block'
FILESYSTEM = 'org.freedesktop.UDisks2.Filesystem'
DRIVE = 'org.freedesktop.UDisks2.Drive'


def load(mock, _parameters):
    mock.drive_calls = []
    mock.busy = set()


def _paths(name):
    return (MAIN_OBJ + '/block_devices/' + name, MAIN_OBJ + '/drives/' + name)


def _value(value):
    if isinstance(value, bool):
        return dbus.Boolean(value, variant_level=1)
    if isinstance(value, int):
        return dbus.UInt64(value, variant_level=1)
    return dbus.String(value, variant_level=1)


def _bytes(text):
    return dbus.ByteArray(text.encode() + b'\0')


def _record(method):
    def call(obj, _options):
        name = obj.path.rsplit('/', 1)[1]
        manager = mockobject.objects[MAIN_OBJ]
        manager.drive_calls.append(method + ' ' + name)
        if method != 'Unmount':
            return
        if name in manager.busy:
            raise dbus.exceptions.DBusException(
                'Error unmounting: target is busy', name='org.freedesktop.UDisks2.Error.DeviceBusy')
        obj.UpdateProperties(FILESYSTEM, {'MountPoints': dbus.Array([], signature='ay')})
    return call


@dbus.service.method(TEST_IFACE, in_signature='sssst', out_signature='')
def AddDrive(manager, name, mount_point, id_type, label, size):
    # Plugs in a USB stick whose file system is mounted at mount_point ('' for none).
    block_path, drive_path = _paths(name)
    manager.AddObject(drive_path, DRIVE, {key: _value(value) for key, value in {
        'Vendor': 'Merovi', 'Model': 'Test Stick ' + name, 'Serial': 'SN-' + name,
        'ConnectionBus': 'usb', 'Removable': True, 'MediaRemovable': False, 'Ejectable': False,
        'CanPowerOff': True, 'Size': int(size)}.items()}, [])
    mockobject.objects[drive_path].AddMethods(DRIVE, [('PowerOff', 'a{sv}', '', _record('PowerOff')),
                                                     ('Eject', 'a{sv}', '', _record('Eject'))])
    properties = {key: _value(value) for key, value in {
        'IdType': id_type, 'IdUsage': 'filesystem', 'IdLabel': label, 'Size': int(size),
        'HintIgnore': False, 'HintSystem': False, 'ReadOnly': False}.items()}
    properties['Device'] = _bytes('/dev/test-' + name)
    properties['Drive'] = dbus.ObjectPath(drive_path, variant_level=1)
    manager.AddObject(block_path, BLOCK, properties, [])
    block = mockobject.objects[block_path]
    block.AddProperties(FILESYSTEM, {'MountPoints': dbus.Array(
        [_bytes(mount_point)] if mount_point else [], signature='ay', variant_level=1)})
    block.AddMethods(FILESYSTEM, [('Unmount', 'a{sv}', '', _record('Unmount'))])
    manager.object_manager_emit_added(drive_path)
    manager.object_manager_emit_added(block_path)


@dbus.service.method(TEST_IFACE, in_signature='s', out_signature='')
def RemoveDrive(manager, name):
    # Pulls the stick out: its objects go, with the unplug signals.
    for path in filter(lambda p: p in mockobject.objects, _paths(name)):
        manager.object_manager_emit_removed(path)
        manager.RemoveObject(path)


@dbus.service.method(TEST_IFACE, in_signature='sb', out_signature='')
def SetBusy(manager, name, busy):
    # A program holds a file open on the drive: unmounting it fails.
    (manager.busy.add if busy else manager.busy.discard)(name)


@dbus.service.method(TEST_IFACE, in_signature='', out_signature='as')
def TakeCalls(manager):
    # The unmount, power-off and eject calls since the last look, in order.
    calls, manager.drive_calls = manager.drive_calls, []
    return dbus.Array(calls, signature='s')


@dbus.service.method(TEST_IFACE, in_signature='ssv', out_signature='')
def SetDriveProperty(manager, name, key, value):
    # Changes one of the drive's properties, with the change signal.
    obj = mockobject.objects[_paths(name)[1]]
    obj.UpdateProperties(DRIVE, {key: _value(value)})
