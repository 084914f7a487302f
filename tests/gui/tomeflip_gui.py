"""Drives the real Tomeflip window under Wine on an X display, the way a user
does: xdotool for the mouse and the keys, an XDND drag source for drops as a
desktop file manager makes them, and dlgprobe, a small Win32 program, to read
the dialog from another process.

Set by the test runner:
  TOMEFLIP_EXE   the program to drive (the shipped dist/tomeflip.exe)
  TOMEFLIP_PROBE dlgprobe.exe
  TOMEFLIP_EXITCODE exitcode.exe
  WINEPREFIX     the prefix, with its wineserver already running
"""

import json
import os
import shutil
import subprocess
import tempfile
import time
import urllib.parse

from Xlib import X, display, protocol

WINE32 = "wine"
WINE64 = "/usr/lib/wine/wine64"
# A 32-bit program may run under an emulator, where Wine takes a minute to start.
START_SECONDS = 300


def program_path():
    return os.environ["TOMEFLIP_EXE"]


def wine_for(exe):
    return WINE64 if exe.endswith("64.exe") else WINE32


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class Program:
    """One run of the program."""

    def __init__(self, args=(), exe=None, desktop=None):
        self.exe = exe or program_path()
        self.desktop = desktop
        command = [wine_for(self.exe), self.exe, *args]
        if desktop:
            # Wine's own desktop window draws the frame with its close box. The
            # exit code comes back through a file.
            self.code_file = tempfile.NamedTemporaryFile(delete=False, suffix=".txt").name
            command = [WINE64, "explorer", f"/desktop=tomeflip,{desktop}", os.environ["TOMEFLIP_EXITCODE"],
                       windows_path(self.code_file), windows_path(self.exe), *args]
        else:
            self.code_file = None
        self.process = subprocess.Popen(command, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def exit_code(self, timeout=120):
        code = self.process.wait(timeout=timeout)
        if self.code_file is None:
            return code
        for _ in range(600):
            with open(self.code_file) as f:
                text = f.read().strip()
            if text:
                os.unlink(self.code_file)
                return int(text)
            time.sleep(0.1)
        raise AssertionError("the program's exit code was never written")

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    def probe(self):
        """The dialog as dlgprobe sees it; waits for it to appear."""
        command = [WINE64, os.environ["TOMEFLIP_PROBE"]]
        if self.desktop:
            command.append("--desktop=tomeflip")
        # The output goes through a file: Wine's service processes may outlive
        # the probe, and they would hold a pipe open.
        with tempfile.TemporaryFile() as out:
            subprocess.run(command, stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.DEVNULL,
                           timeout=START_SECONDS)
            out.seek(0)
            state = json.loads(out.read().decode())
        if not state["found"]:
            raise AssertionError("the dialog did not appear")
        state["by_id"] = {c["id"]: c for c in state["controls"] if c["id"] != -1}
        return state

    def x_window(self):
        out = subprocess.run(["xdotool", "search", "--name", "^Tomeflip$"], capture_output=True, text=True).stdout
        windows = out.split()
        if not windows:
            raise AssertionError("no X window is called Tomeflip")
        return windows[0]

    def click_control(self, control_id):
        left, top, right, bottom = self.probe()["by_id"][control_id]["rect"]
        click((left + right) // 2, (top + bottom) // 2)

    def key(self, name):
        if not self.desktop:
            subprocess.run(["xdotool", "key", "--window", self.x_window(), name], check=True)
            return
        # In Wine's desktop the dialog is no X window of its own: a click on its
        # caption bar gives it the focus, and the key goes where the focus is.
        left, top, _, _ = self.probe()["rect"]
        click(left + 40, top + 8)
        subprocess.run(["xdotool", "key", name], check=True)

    def wait_for(self, condition, seconds=60):
        """Probes until condition(state) holds, and returns that state."""
        deadline = time.time() + seconds
        while True:
            state = self.probe()
            if condition(state) or time.time() > deadline:
                return state
            time.sleep(0.2)


def click(x, y):
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)


def screenshot(path):
    xwd = subprocess.run(["xwd", "-root", "-silent"], capture_output=True, check=True).stdout
    subprocess.run(["convert", "xwd:-", path], input=xwd, check=True)


def drop(paths, x, y, timeout=120):
    """Drags paths from a file manager and drops them at root coordinates x, y:
    XDND version 5 with a text/uri-list, one percent-encoded file URI a line."""
    d = display.Display()
    root = d.screen().root
    atom = d.intern_atom
    source = root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
    target = _xdnd_target(d, root, x, y)
    uri_list = atom("text/uri-list")
    payload = "".join("file://" + urllib.parse.quote(os.path.abspath(p)) + "\r\n" for p in paths).encode()

    source.set_selection_owner(atom("XdndSelection"), X.CurrentTime)

    def send(name, data):
        event = protocol.event.ClientMessage(window=target, client_type=atom(name), data=(32, data))
        target.send_event(event, event_mask=0)
        d.flush()

    send("XdndEnter", [source.id, 5 << 24, uri_list, 0, 0])
    send("XdndPosition", [source.id, 0, (x << 16) | y, X.CurrentTime, atom("XdndActionCopy")])

    deadline = time.time() + timeout
    dropped = False
    while time.time() < deadline:
        if not d.pending_events():
            time.sleep(0.02)
            continue
        event = d.next_event()
        if event.type == X.ClientMessage and event.client_type == atom("XdndStatus"):
            if not event.data[1][1] & 1:
                raise AssertionError("the window refused the drop")
            if not dropped:
                send("XdndDrop", [source.id, 0, X.CurrentTime, 0, 0])
                dropped = True
        elif event.type == X.SelectionRequest:
            event.requestor.change_property(event.property, uri_list, 8, payload)
            notify = protocol.event.SelectionNotify(time=event.time, requestor=event.requestor,
                                                    selection=event.selection, target=event.target,
                                                    property=event.property)
            event.requestor.send_event(notify)
            d.flush()
        elif event.type == X.ClientMessage and event.client_type == atom("XdndFinished"):
            d.close()
            return
    d.close()
    raise AssertionError("the drop was never finished")


def _xdnd_target(d, root, x, y):
    """The deepest window under x, y that takes XDND drops."""
    aware = d.intern_atom("XdndAware")
    window, found = root, None
    while True:
        child = window.translate_coords(root, x, y).child
        if not child:
            break
        window = child
        if window.get_full_property(aware, X.AnyPropertyType):
            found = window
    if found is None:
        raise AssertionError("no window at the drop point takes drops")
    return found


class Tree:
    """A temporary folder tree, seen from Windows through drive Z:."""

    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="tomeflip-gui-")

    def file(self, relative):
        path = os.path.join(self.root, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as f:
            f.write(relative)
        return path

    def path(self, relative):
        return os.path.join(self.root, relative)

    def exists(self, relative):
        return os.path.exists(self.path(relative))

    def remove(self):
        shutil.rmtree(self.root, ignore_errors=True)
