'''A stand-in for the system's drive service (UDisks2) on a private bus.

Objects carry the service's own interface and property names. Its test
interface adds and removes drives (with the plug and unplug signals), makes a
drive busy, and tells which calls the program made.
'''

import dbus

from dbusmock import OBJECT_MANAGER_IFACE, mockobject

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
    mock.AddProperties(MAIN_IFACE, {'Version': dbus.String('2.9.4', variant_level=1)})
    mock.drive_calls = []
    mock.busy = set()


def _paths(name):
    return (MAIN_OBJ + '/block_devices/' + name, MAIN_OBJ + '/drives/' + name)


def _bytes(text):
    return dbus.ByteArray(text.encode() + b'\0')


def _manager():
    return mockobject.objects[MAIN_OBJ]


def _unmount(block, _options):
    name = block.path.rsplit('/', 1)[1]
    manager = _manager()
    manager.drive_calls.append('Unmount ' + name)
    if name in manager.busy:
        raise dbus.exceptions.DBusException(
            'Error unmounting: target is busy', name='org.freedesktop.UDisks2.Error.DeviceBusy')
    block.UpdateProperties(FILESYSTEM, {'MountPoints': dbus.Array([], signature='ay')})


def _power_off(drive, _options):
    _manager().drive_calls.append('PowerOff ' + drive.path.rsplit('/', 1)[1])


def _eject(drive, _options):
    _manager().drive_calls.append('Eject ' + drive.path.rsplit('/', 1)[1])


@dbus.service.method(TEST_IFACE, in_signature='sssst', out_signature='')
def AddDrive(manager, name, mount_point, id_type, label, size):
    '''Plugs in a USB stick "name" whose file system is mounted at mount_point.'''
    block_path, drive_path = _paths(name)
    manager.AddObject(drive_path, DRIVE, {
        'Vendor': dbus.String('Merovi', variant_level=1),
        'Model': dbus.String('Test Stick ' + name, variant_level=1),
        'Serial': dbus.String('SN-' + name, variant_level=1),
        'Id': dbus.String('Merovi-Test-Stick-' + name, variant_level=1),
        'ConnectionBus': dbus.String('usb', variant_level=1),
        'Removable': dbus.Boolean(True, variant_level=1),
        'MediaRemovable': dbus.Boolean(False, variant_level=1),
        'Ejectable': dbus.Boolean(False, variant_level=1),
        'CanPowerOff': dbus.Boolean(True, variant_level=1),
        'Size': dbus.UInt64(size, variant_level=1),
    }, [])
    drive = mockobject.objects[drive_path]
    drive.AddMethods(DRIVE, [('PowerOff', 'a{sv}', '', _power_off), ('Eject', 'a{sv}', '', _eject)])
    manager.AddObject(block_path, BLOCK, {
        'Device': _bytes('/dev/test-' + name),
        'PreferredDevice': _bytes('/dev/test-' + name),
        'IdType': dbus.String(id_type, variant_level=1),
        'IdUsage': dbus.String('filesystem', variant_level=1),
        'IdLabel': dbus.String(label, variant_level=1),
        'Size': dbus.UInt64(size, variant_level=1),
        'Drive': dbus.ObjectPath(drive_path, variant_level=1),
        'HintIgnore': dbus.Boolean(False, variant_level=1),
        'HintSystem': dbus.Boolean(False, variant_level=1),
        'ReadOnly': dbus.Boolean(False, variant_level=1),
    }, [])
    block = mockobject.objects[block_path]
    block.AddProperties(FILESYSTEM, {
        'MountPoints': dbus.Array([_bytes(mount_point)] if mount_point else [], signature='ay',
                                  variant_level=1),
        'Size': dbus.UInt64(size, variant_level=1),
    })
    block.AddMethods(FILESYSTEM, [('Unmount', 'a{sv}', '', _unmount),
                                  ('Mount', 'a{sv}', 's', 'ret = ""')])
    manager.object_manager_emit_added(drive_path)
    manager.object_manager_emit_added(block_path)


@dbus.service.method(TEST_IFACE, in_signature='s', out_signature='')
def RemoveDrive(manager, name):
    '''Pulls the stick out: its objects go, with the unplug signals.'''
    for path in _paths(name):
        if path in mockobject.objects:
            manager.object_manager_emit_removed(path)
            manager.RemoveObject(path)


@dbus.service.method(TEST_IFACE, in_signature='sb', out_signature='')
def SetBusy(manager, name, busy):
    '''A program holds a file open on the drive: unmounting it fails.'''
    if busy:
        manager.busy.add(name)
    else:
        manager.busy.discard(name)


@dbus.service.method(TEST_IFACE, in_signature='', out_signature='as')
def TakeCalls(manager):
    '''The unmount and power-off calls made since the last look, in order.'''
    calls, manager.drive_calls = manager.drive_calls, []
    return dbus.Array(calls, signature='s')
