#!/usr/bin/env python3
"""Starts the real program on the display it is given, waits for its window, asks
it to close as a window manager's close button does (WM_DELETE_WINDOW) and
expects exit status 0. Usage: smoke_test.py <program>"""
import ctypes
import subprocess
import sys
import tempfile
import time

TITLE = "^Merovi USB Playlist builder$"


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 17)]


def ask_to_close(window):
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(ClientMessage)]
    display = x11.XOpenDisplay(None)
    event = ClientMessage(type=33, window=window, format=32,  # 33: ClientMessage
                          message_type=x11.XInternAtom(display, b"WM_PROTOCOLS", 0))
    event.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
    x11.XCloseDisplay(ctypes.c_void_p(display))


with tempfile.TemporaryDirectory() as work:  # settings.xml goes to the working directory
    program = subprocess.Popen([sys.argv[1]], cwd=work)
    windows = []
    for _ in range(150):
        windows = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", TITLE],
                                 capture_output=True, text=True).stdout.split()
        if windows or program.poll() is not None:
            break
        time.sleep(0.2)
    if not windows:
        program.kill()
        sys.exit("no window titled 'Merovi USB Playlist builder' appeared")
    time.sleep(0.5)  # let it paint
    ask_to_close(int(windows[0]))
    status = program.wait(timeout=60)
    if status != 0:
        sys.exit(f"the program exited with status {status}")
    print("window shown and closed, exit status 0")
