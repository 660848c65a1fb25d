#!/usr/bin/env python3
# Starts the real program on a virtual display of its own, waits for its window,
# asks it to close as a window manager's close button does (WM_DELETE_WINDOW) and
# expects exit status 0. Usage: smoke_test.py <program>
import ctypes, os, select, shutil, subprocess, sys, tempfile, time


def start_display():
    # Xvfb picks a free number itself and writes it once it takes connections:
    # no race on display numbers; a server that fails under load is tried again.
    if not shutil.which("Xvfb"):
        print("Xvfb is missing (scripts/setup.sh installs xvfb): skipped")
        sys.exit(77)
    for _ in range(3):
        ready, written = os.pipe()
        server = subprocess.Popen(["Xvfb", "-displayfd", str(written), "-nolisten", "tcp",
                                   "-screen", "0", "1280x800x24"], pass_fds=(written,))
        os.close(written)
        with os.fdopen(ready) as pipe:  # the number, then its newline in a write of its own
            number = pipe.readline().strip() if select.select([pipe], [], [], 15)[0] else ""
        if number:
            return server, ":" + number
        server.kill()
        server.wait()
    sys.exit("Xvfb did not start in three tries")


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


def run(program_path):
    with tempfile.TemporaryDirectory() as work:  # settings.xml goes to the working directory
        program = subprocess.Popen([program_path], cwd=work)
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
            return "no window titled 'Merovi USB Playlist builder' appeared"
        time.sleep(0.5)  # let it paint
        ask_to_close(int(windows[0]))
        status = program.wait(timeout=60)
        return f"the program exited with status {status}" if status else None


server, os.environ["DISPLAY"] = start_display()
os.environ["QT_QPA_PLATFORM"] = "xcb"
try:
    sys.exit(run(sys.argv[1]))
finally:
    server.kill()
