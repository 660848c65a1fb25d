#!/usr/bin/env python3
# Runs a test program among real drive components and always clears them away:
# a private system bus (dbus-daemon, own configuration) with the stand-in drive
# service (python3-dbusmock + udisks2mock.py), and exFAT images on loop devices
# (mount.exfat-fuse) and a FAT32 image (fusefat -o rw+) mounted through FUSE.
# The program gets DBUS_SYSTEM_BUS_ADDRESS, and the mounts as JSON in
# MEROVI_DRIVEBED. Without /dev/fuse or a free loop device the mounts are
# plain folders, and the tests that need real ones skip.
# Usage: drivebed.py PROGRAM [ARGUMENTS...]
# MEROVI_DRIVEBED_STICKS sets the number of exFAT drives (3).

import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

PREFIX = 'merovi-drivebed-'
STICKS = int(os.environ.get('MEROVI_DRIVEBED_STICKS', '3'))
# Sparse: 5 GiB of exFAT cost a few megabytes of disk and take a 4 GiB file.
SIZES = {'exfat': 5 << 30, 'vfat': 64 << 20}
BUS_CONFIG = '''<busconfig><type>system</type><listen>unix:path={}</listen><auth>EXTERNAL</auth>
<policy context="default"><allow user="*"/><allow own="*"/><allow send_destination="*"/>
<allow receive_sender="*"/></policy></busconfig>'''


def run(*command, check=False):
    result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                            check=False)
    if check and result.returncode != 0:
        raise RuntimeError(' '.join(command) + ' failed: ' + result.stdout)
    return result


def fuse_daemon(mount_point):
    # The process serving a FUSE mount: the one started with the mount point.
    for pid in filter(str.isdigit, os.listdir('/proc')):
        try:
            with open(f'/proc/{pid}/cmdline', 'rb') as cmdline:
                if mount_point.encode() in cmdline.read().split(b'\0'):
                    return int(pid)
        except OSError:
            pass
    return 0


def clear(folder):
    # Unmounts, kills, detaches and removes everything under folder.
    with open('/proc/self/mounts', encoding='utf-8') as mounts:
        points = [line.split()[1] for line in mounts if line.split()[1].startswith(folder)]
    for point in reversed(points):
        pid = fuse_daemon(point)
        if run('fusermount', '-u', '-z', point).returncode != 0:
            run('umount', '-l', point)
        if pid:
            subprocess.run(['kill', str(pid)], stderr=subprocess.DEVNULL, check=False)
    for line in run('losetup', '-n', '-l', '-O', 'NAME,BACK-FILE').stdout.splitlines():
        if line.split(None, 1)[-1].strip().startswith(folder):
            run('losetup', '-d', line.split()[0])
    shutil.rmtree(folder, ignore_errors=True)


def clear_stale():
    # What earlier runs left when they were killed outright.
    for name in os.listdir(tempfile.gettempdir()):
        if name.startswith(PREFIX) and not os.path.exists('/proc/' + name[len(PREFIX):].split('-')[0]):
            clear(os.path.join(tempfile.gettempdir(), name))


def missing_parts():
    for path in ('/dev/fuse', '/dev/loop-control'):
        if not os.path.exists(path):
            return 'no ' + path
    for tool in ('mkfs.exfat', 'mount.exfat-fuse', 'mkfs.vfat', 'fusefat', 'losetup'):
        if not shutil.which(tool):
            return 'no ' + tool
    return ''


def make_drives(folder, real):
    drives = []
    for name, kind in [(f'stick{n + 1}', 'exfat') for n in range(STICKS)] + [('fat32', 'vfat')]:
        point = os.path.join(folder, name)
        os.mkdir(point)
        drive = {'name': name, 'path': point, 'type': kind, 'real': real, 'pid': 0,
                 'size': SIZES[kind]}
        if real:
            image = os.path.join(folder, name + '.img')
            with open(image, 'wb') as file:
                file.truncate(drive['size'])
            if kind == 'exfat':
                run('mkfs.exfat', '-L', name.upper(), image, check=True)
                loop = run('losetup', '-f', '--show', image, check=True).stdout.strip()
                run('mount.exfat-fuse', loop, point, check=True)
            else:
                run('mkfs.vfat', '-F', '32', '-n', name.upper(), image, check=True)
                run('fusefat', '-o', 'rw+', image, point, check=True)
            drive['pid'] = fuse_daemon(point)
        drives.append(drive)
    return drives


def start_service(folder, processes):
    config = os.path.join(folder, 'bus.conf')
    with open(config, 'w', encoding='utf-8') as file:
        file.write(BUS_CONFIG.format(os.path.join(folder, 'bus')))
    processes.append(subprocess.Popen(['dbus-daemon', '--config-file=' + config, '--nofork',
                                       '--print-address'], stdout=subprocess.PIPE, text=True))
    address = processes[-1].stdout.readline().strip()
    env = dict(os.environ, DBUS_SYSTEM_BUS_ADDRESS=address)
    template = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'udisks2mock.py')
    processes.append(subprocess.Popen([sys.executable, '-m', 'dbusmock', '--system', '--template',
                                       template], env=env, stdout=subprocess.DEVNULL))
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline and processes[-1].poll() is None:
        probe = run('dbus-send', '--bus=' + address, '--print-reply', '--dest=org.freedesktop.DBus',
                    '/org/freedesktop/DBus', 'org.freedesktop.DBus.NameHasOwner',
                    'string:org.freedesktop.UDisks2')
        if 'boolean true' in probe.stdout:
            return env
        time.sleep(0.05)
    raise RuntimeError('the drive service stand-in did not come up')


def main():
    arguments = sys.argv[1:]
    if not arguments:
        sys.exit('Usage: drivebed.py PROGRAM [ARGUMENTS...]')

    def stop(signum, _frame):
        raise SystemExit(128 + signum)
    for signum in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(signum, stop)

    clear_stale()
    folder = tempfile.mkdtemp(prefix=f'{PREFIX}{os.getpid()}-')
    processes = []
    try:
        missing = missing_parts()
        try:
            drives = make_drives(folder, not missing)
        except RuntimeError as error:
            # All loop devices taken by other runs: as good as none.
            missing = str(error)
            clear(folder)
            os.mkdir(folder)
            drives = make_drives(folder, False)
        if missing:
            print(f'drivebed: {missing}: the drives are plain folders; tests needing FAT32 or exFAT '
                  'skip', file=sys.stderr, flush=True)
        env = start_service(folder, processes)
        env['MEROVI_DRIVEBED'] = json.dumps({'drives': drives})
        return subprocess.run(arguments, env=env, check=False).returncode
    finally:
        for process in reversed(processes):
            process.terminate()
            process.wait()
        clear(folder)


if __name__ == '__main__':
    sys.exit(main())
