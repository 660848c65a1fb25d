#!/usr/bin/env python3
"""Starts the real program on the display it is given, waits for its window, asks
it to close as a window manager's close button does (WM_DELETE_WINDOW) and
expects exit status 0. Usage: smoke_test.py <program>"""
import ctypes
import subprocess
import sys
import tempfile
import time


def ask_to_close(window):
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = x11.XInternAtom.restype = ctypes.c_ulong
    display = ctypes.c_void_p(x11.XOpenDisplay(None))
    event = (ctypes.c_long * 24)(33, 0, 0, 0, window)  # ClientMessage, serial, send_event, display
    event[5] = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)  # message_type
    event[6] = 32  # format
    event[7] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)  # data[0]
    x11.XSendEvent(display, ctypes.c_ulong(window), 0, 0, event)
    x11.XCloseDisplay(display)


with tempfile.TemporaryDirectory() as work:  # settings.xml goes to the working directory
    program = subprocess.Popen([sys.argv[1]], cwd=work)
    windows = []
    for _ in range(150):
        windows = subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                                  "^Merovi USB Playlist builder$"],
                                 capture_output=True, text=True).stdout.split()
        if windows or program.poll() is not None:
            break
        time.sleep(0.2)
    if not windows:
        program.kill()
        sys.exit("no window titled 'Merovi USB Playlist builder' appeared")
    time.sleep(0.5)  # let it paint
    ask_to_close(int(windows[0]))
    if program.wait(timeout=60) != 0:
        sys.exit(f"the program exited with status {program.returncode}")
