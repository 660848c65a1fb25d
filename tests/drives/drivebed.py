#!/usr/bin/env python3
'''Runs a test program among real drive components, and always clears them away.

Starts a private system bus (dbus-daemon with a configuration of its own) with
a stand-in for the drive service (python3-dbusmock and udisks2mock.py), and
mounts real file systems through FUSE: exFAT images on loop devices
(mount.exfat-fuse) and a FAT32 image (fusefat -o rw+). The program gets the
bus in DBUS_SYSTEM_BUS_ADDRESS and the mounts as JSON in MEROVI_DRIVEBED.
Without /dev/fuse or loop devices the mounts are plain folders, and the
program is told so, to skip what needs a real file system.

Usage: drivebed.py [--folders] PROGRAM [ARGUMENTS...]
(--folders: plain folders as the drives' mounts, for tests of the drive
service alone; they need no FUSE nor loop device.)
'''

import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

PREFIX = 'merovi-drivebed-'
EXFAT_DRIVES = [f'stick{n + 1}' for n in range(int(os.environ.get('MEROVI_DRIVEBED_STICKS', '3')))]
# Sparse: 5 GiB of exFAT cost a few megabytes of disk, and take a 4 GiB file.
EXFAT_SIZE = 5 << 30
FAT32_SIZE = 64 << 20

BUS_CONFIG = '''<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path={socket}</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*"/>
    <allow receive_sender="*"/>
  </policy>
</busconfig>
'''


def log(message):
    print('drivebed: ' + message, file=sys.stderr, flush=True)


def run(*command):
    return subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          text=True, check=False)


def mounts_under(folder):
    points = []
    with open('/proc/self/mounts', encoding='utf-8') as mounts:
        for line in mounts:
            point = line.split()[1].replace('\\040', ' ')
            if point.startswith(folder):
                points.append(point)
    return points


def fuse_daemon(mount_point):
    '''The process serving a FUSE mount: the one started with the mount point.'''
    for pid in os.listdir('/proc'):
        if not pid.isdigit():
            continue
        try:
            with open(f'/proc/{pid}/cmdline', 'rb') as cmdline:
                arguments = cmdline.read().split(b'\0')
        except OSError:
            continue
        if mount_point.encode() in arguments:
            return int(pid)
    return 0


def loops_under(folder):
    result = run('losetup', '-n', '-l', '-O', 'NAME,BACK-FILE')
    loops = []
    for line in result.stdout.splitlines():
        parts = line.split(None, 1)
        if len(parts) == 2 and parts[1].strip().startswith(folder):
            loops.append(parts[0])
    return loops


def clear(folder):
    '''Unmounts, detaches and removes everything under folder.'''
    for point in reversed(mounts_under(folder)):
        pid = fuse_daemon(point)
        if run('fusermount', '-u', '-z', point).returncode != 0:
            run('umount', '-l', point)
        if pid:
            try:
                os.kill(pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
    for loop in loops_under(folder):
        run('losetup', '-d', loop)
    shutil.rmtree(folder, ignore_errors=True)


def clear_stale():
    '''What earlier runs left when they were killed outright.'''
    base = tempfile.gettempdir()
    for name in os.listdir(base):
        if not name.startswith(PREFIX):
            continue
        owner = name[len(PREFIX):].split('-')[0]
        if owner.isdigit() and os.path.exists(f'/proc/{owner}'):
            continue
        log('clearing what an earlier run left in ' + name)
        clear(os.path.join(base, name))


def can_mount():
    if not os.path.exists('/dev/fuse'):
        return 'no /dev/fuse'
    if not os.path.exists('/dev/loop-control'):
        return 'no loop devices'
    for tool in ('mkfs.exfat', 'mount.exfat-fuse', 'mkfs.vfat', 'fusefat', 'losetup'):
        if not shutil.which(tool):
            return 'no ' + tool
    return ''


def make_drives(folder, real):
    try:
        return mount_drives(folder, real)
    except RuntimeError as error:
        # All loop devices taken by other runs: as good as none.
        if 'losetup' not in str(error):
            raise
        log(f'{error}: the drives are plain folders, and the tests that need real FAT32 and '
            'exFAT file systems skip')
        clear(folder)
        os.makedirs(folder)
        return mount_drives(folder, False)


def mount_drives(folder, real):
    drives = []
    for name, kind in [(n, 'exfat') for n in EXFAT_DRIVES] + [('fat32', 'vfat')]:
        point = os.path.join(folder, name)
        os.mkdir(point)
        drive = {'name': name, 'path': point, 'type': kind, 'real': real, 'pid': 0,
                 'size': EXFAT_SIZE if kind == 'exfat' else FAT32_SIZE}
        if real:
            image = os.path.join(folder, name + '.img')
            with open(image, 'wb') as file:
                file.truncate(drive['size'])
            if kind == 'exfat':
                check(run('mkfs.exfat', '-L', name.upper(), image))
                loop = check(run('losetup', '-f', '--show', image)).stdout.strip()
                check(run('mount.exfat-fuse', loop, point))
            else:
                check(run('mkfs.vfat', '-F', '32', '-n', name.upper(), image))
                check(run('fusefat', '-o', 'rw+', image, point))
            drive['pid'] = fuse_daemon(point)
        drives.append(drive)
    return drives


def check(result):
    if result.returncode != 0:
        raise RuntimeError(' '.join(result.args) + ' failed: ' + result.stdout)
    return result


def start_bus(folder):
    socket = os.path.join(folder, 'system_bus_socket')
    config = os.path.join(folder, 'bus.conf')
    with open(config, 'w', encoding='utf-8') as file:
        file.write(BUS_CONFIG.format(socket=socket))
    daemon = subprocess.Popen(['dbus-daemon', '--config-file=' + config, '--nofork',
                               '--print-address'], stdout=subprocess.PIPE, text=True)
    address = daemon.stdout.readline().strip()
    if not address:
        raise RuntimeError('dbus-daemon did not start')
    return daemon, address


def start_mock(address):
    env = dict(os.environ, DBUS_SYSTEM_BUS_ADDRESS=address)
    template = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'udisks2mock.py')
    mock = subprocess.Popen([sys.executable, '-m', 'dbusmock', '--system', '--template', template],
                            env=env, stdout=subprocess.DEVNULL)
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        probe = subprocess.run(['dbus-send', '--bus=' + address, '--print-reply',
                                '--dest=org.freedesktop.DBus', '/org/freedesktop/DBus',
                                'org.freedesktop.DBus.NameHasOwner',
                                'string:org.freedesktop.UDisks2'],
                               stdout=subprocess.PIPE, text=True, check=False)
        if 'boolean true' in probe.stdout:
            return mock
        if mock.poll() is not None:
            raise RuntimeError('the drive service stand-in ended at start')
        time.sleep(0.05)
    raise RuntimeError('the drive service stand-in did not come up')


def main():
    arguments = sys.argv[1:]
    folders_only = arguments[:1] == ['--folders']
    if folders_only:
        arguments = arguments[1:]
    if not arguments:
        print(__doc__, file=sys.stderr)
        return 2

    def stop(signum, _frame):
        raise SystemExit(128 + signum)
    for signum in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(signum, stop)

    clear_stale()
    folder = tempfile.mkdtemp(prefix=f'{PREFIX}{os.getpid()}-')
    processes = []
    try:
        missing = 'asked for plain folders' if folders_only else can_mount()
        if missing and not folders_only:
            log(f'{missing}: the drives are plain folders, and the tests that need real '
                'FAT32 and exFAT file systems skip')
        drives = make_drives(folder, not missing)
        daemon, address = start_bus(folder)
        processes.append(daemon)
        processes.append(start_mock(address))
        env = dict(os.environ, DBUS_SYSTEM_BUS_ADDRESS=address,
                   MEROVI_DRIVEBED=json.dumps({'drives': drives, 'folder': folder}))
        return subprocess.run(arguments, env=env, check=False).returncode
    finally:
        for process in reversed(processes):
            process.terminate()
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
        clear(folder)


if __name__ == '__main__':
    sys.exit(main())
