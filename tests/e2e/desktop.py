# A private desktop for driving the real program: its own X screen and session bus, with
# accessibility turned on where asked, and cleanup of everything started, even on failure.

import contextlib
import os
import pathlib
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import zlib

import Xlib.display
import Xlib.error
import Xlib.protocol.event
from Xlib import X


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


# Polls until probe returns something truthy; a plain sleep would either be flaky on a loaded
# machine or make every run slow.
def wait_for(what, probe, timeout=5):
    deadline = time.monotonic() + timeout
    while not (value := probe()):
        check(time.monotonic() < deadline, f"timed out after {timeout} s waiting for {what}")
        time.sleep(0.05)
    return value


# Waits until get() returns want; a failure tells what it returned instead.
def expect(what, get, want):
    try:
        wait_for(what, lambda: get() == want)
    except Failure:
        raise Failure(f"{what} is {get()!r}, expected {want!r}") from None


# The caller's environment without its display and buses, in English whatever the caller's
# language (a test in another language sets its own). The program always starts as an X client:
# a Qt platform chosen in the caller's environment (offscreen, say) would put it on no screen.
def program_env(language="en", lang="C.UTF-8"):
    ours = ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY",
            "LC_ALL", "LC_MESSAGES", "LC_NUMERIC")
    return {**{k: v for k, v in os.environ.items() if k not in ours}, "QT_QPA_PLATFORM": "xcb",
            "LANGUAGE": language, "LANG": lang}


def kill_group(proc):
    with contextlib.suppress(ProcessLookupError):
        os.killpg(proc.pid, signal.SIGKILL)
    proc.wait(timeout=5)


# Windows come and go while they are looked at; one that went meanwhile has no properties.
def unless_gone(get):
    try:
        return get()
    except Xlib.error.XError:
        return None


def children(node):
    return [node.get_child_at_index(i) for i in range(node.get_child_count())]


# Use as a context manager; every child runs in its own process group so that cleanup also
# reaches what it spawned (the accessibility bus launcher and registry).
class Desktop:
    def __init__(self, accessibility=False, language="en", lang="C.UTF-8"):
        self.accessibility, self._procs, self.program, self.maps = accessibility, [], None, []
        self.tmp = tempfile.mkdtemp(prefix="predivo-e2e-")
        # A private runtime folder keeps parallel runs from sharing sockets.
        self.env = {**program_env(language, lang), "XDG_RUNTIME_DIR": self.tmp}

    def __enter__(self):
        try:
            # Xvfb picks a free display itself, so parallel runs coexist.
            self.x_server, number = self._announced(
                "Xvfb", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-displayfd", "{fd}")
            self.env["DISPLAY"] = f":{number}"
            self.x = Xlib.display.Display(self.env["DISPLAY"])
            self.root = self.x.screen().root
            # Map notices arrive in the order the server carried them out, which polling could
            # miss when two windows change within one poll.
            self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
            self.x.sync()
            # A desktop session always has a session bus; without one the toolkit would launch
            # its own, which outlives the test.
            _, self.env["DBUS_SESSION_BUS_ADDRESS"] = self._announced(
                "dbus-daemon", "--session", "--nofork", "--print-address={fd}")
            if self.accessibility:
                # What a screen reader does on start-up: the bus launcher is activated by this
                # call and every toolkit that starts afterwards sees accessibility on.
                self.run("dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                         "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set",
                         "string:org.a11y.Status", "string:IsEnabled", "variant:boolean:true")
                # The reading side connects through the same session bus a screen reader uses.
                os.environ.update(self.env)
                import gi
                gi.require_version("Atspi", "2.0")
                from gi.repository import Atspi
                self.Atspi = Atspi
        except BaseException:
            self.__exit__(None)
            raise
        return self

    def __exit__(self, failed, *_):
        if failed and self.program:
            sys.stderr.write("program output:\n" + self.output())
        with contextlib.suppress(Exception):
            self.x.close()
        for proc in reversed(self._procs):
            kill_group(proc)
        shutil.rmtree(self.tmp, ignore_errors=True)

    def spawn(self, *argv, **kw):
        self._procs.append(subprocess.Popen(argv, env=self.env, start_new_session=True, **kw))
        return self._procs[-1]

    # Starts a server that writes its address to the file descriptor {fd} once it accepts
    # connections; a plain sleep would be flaky or slow.
    def _announced(self, *argv):
        read_end, write_end = os.pipe()
        proc = self.spawn(*(a.format(fd=write_end) for a in argv), pass_fds=(write_end,),
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as f:
            address = f.readline().strip()
        check(address and proc.poll() is None, f"{argv[0]} did not start")
        return proc, address

    def run(self, *argv):
        out = subprocess.run(argv, env=self.env, capture_output=True, text=True, timeout=10)
        check(out.returncode == 0, f"{' '.join(argv)} failed: {out.stderr}")

    def xdotool(self, *args):
        self.run("xdotool", *args)

    # --- windows as the X server sees them -------------------------------------------------

    # Every window mapped so far, in the order the server mapped them.
    def shown(self):
        while self.x.pending_events():
            if (e := self.x.next_event()).type == X.MapNotify:
                self.maps.append(e.window.id)
        return self.maps

    def window(self, wid):
        return self.x.create_resource_object("window", wid)

    def mapped_windows(self):
        return [w.id for w in self.root.query_tree().children
                if unless_gone(lambda: w.get_attributes().map_state) == X.IsViewable]

    # The title a window manager shows.
    def title(self, wid):
        name = unless_gone(lambda: self.window(wid).get_full_property(
            self.x.intern_atom("_NET_WM_NAME"), X.AnyPropertyType))
        return name and name.value.decode()

    def window_titled(self, title):
        return next((wid for wid in self.mapped_windows() if self.title(wid) == title), None)

    # x, y, width, height of the window's inside, in screen coordinates.
    def geometry(self, wid):
        g, at = self.window(wid).get_geometry(), self.window(wid).translate_coords(self.root, 0, 0)
        return -at.x, -at.y, g.width, g.height

    # The window's inside as the screen shows it, saved as a PNG; the pixels as rows of RGB.
    def screenshot(self, wid, path):
        _, _, w, h = self.geometry(wid)
        bgrx = self.window(wid).get_image(0, 0, w, h, X.ZPixmap, 0xFFFFFFFF).data
        rows = []
        for y in range(h):
            line, row = bgrx[y * w * 4:(y + 1) * w * 4], bytearray(w * 3)
            row[0::3], row[1::3], row[2::3] = line[2::4], line[1::4], line[0::4]
            rows.append(bytes(row))

        def chunk(kind, data):
            return (struct.pack(">I", len(data)) + kind + data
                    + struct.pack(">I", zlib.crc32(kind + data)))
        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
                    + chunk(b"IDAT", zlib.compress(b"".join(b"\0" + r for r in rows)))
                    + chunk(b"IEND", b""))
        return rows

    # What a window manager sends when the close box is clicked.
    def request_close(self, wid):
        self.window(wid).send_event(Xlib.protocol.event.ClientMessage(
            window=self.window(wid), client_type=self.x.intern_atom("WM_PROTOCOLS"),
            data=(32, [self.x.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])))
        self.x.flush()

    # A click at this point of the calculator's content area, the 440 pixels below its menu bar.
    def click(self, left, top):
        x, y, _, h = self.geometry(self.calc)
        self.xdotool("mousemove", str(x + left), str(y + h - 440 + top), "click", "1")

    # --- the program ------------------------------------------------------------------------

    def start_program(self, binary, *args):
        self.log = os.path.join(self.tmp, "program.log")
        with open(self.log, "w") as log:
            self.program = self.spawn(binary, *args, stdout=log, stderr=subprocess.STDOUT)

    # Starts the program, unless it runs already, and waits until the calculator is in front.
    def calculator(self, binary=None, timeout=10):
        if binary:
            self.start_program(binary)
        self.calc = wait_for('a window titled "Varnholt"',
                             lambda: self.alive() and self.window_titled("Varnholt"), timeout)
        return self.calc

    def alive(self):
        check(self.program.poll() is None,
              f"the program ended early with status {self.program.returncode}")
        return True

    def check_exit(self, want, after, timeout=5):
        with contextlib.suppress(subprocess.TimeoutExpired):
            self.program.wait(timeout=timeout)
        # A status of None: still running.
        check(self.program.returncode == want, f"{after}: status {self.program.returncode}")

    def output(self):
        return pathlib.Path(self.log).read_text()

    # --- the program as a screen reader meets it, over the accessibility bus ---------------

    def application(self):
        return next((a for a in children(self.Atspi.get_desktop(0))
                     if a and a.get_process_id() == self.program.pid), None)

    # Every accessible object under root, by default the whole program.
    def nodes(self, root=None):
        pending = [root or self.application()]
        while pending:
            if node := pending.pop():
                yield node
                pending.extend(children(node))

    def has(self, node, state):
        return node.get_state_set().contains(getattr(self.Atspi.StateType, state))

    def having(self, role, root=None):
        return [n for n in self.nodes(root) if n.get_role() == getattr(self.Atspi.Role, role)]

    def find(self, role, name, root=None):
        return next((n for n in self.having(role, root) if n.get_name() == name), None)

    # Accessible name -> text of every text field.
    def fields(self):
        return {n.get_name(): self.Atspi.Text.get_text(n, 0, -1) for n in self.having("TEXT")}

    def focused(self):
        return next((n.get_name() for n in self.nodes() if self.has(n, "FOCUSED")), None)


# Runs test with the command line's arguments; its outcome becomes a status and a readable line.
def main(test):
    started = time.monotonic()
    try:
        test(*sys.argv[1:])
    except Failure as e:
        sys.exit(f"FAIL: {e}")
    print(f"PASS in {time.monotonic() - started:.1f} s")
