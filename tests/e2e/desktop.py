"""A private desktop for driving the real program: its own X screen and session bus, with
accessibility turned on where asked, and cleanup of everything started, even on failure.
"""

import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import Xlib.display
import Xlib.error
import Xlib.protocol.event
from Xlib import X


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(what, probe, timeout, interval=0.05):
    """Polls probe until it returns something truthy; a plain sleep would either be flaky on a
    loaded machine or make every run slow."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


def _kill_group(proc):
    if proc.poll() is None:
        try:
            os.killpg(proc.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
    try:
        proc.wait(timeout=5)
    except subprocess.TimeoutExpired:
        pass


class Desktop:
    """Use as a context manager; every child runs in its own process group so that cleanup
    also reaches what it spawned (the accessibility bus launcher and registry)."""

    def __init__(self, accessibility=False):
        self.accessibility = accessibility
        self._procs = []
        self.tmp = tempfile.mkdtemp(prefix="predivo-e2e-")
        os.chmod(self.tmp, 0o700)
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS",
                                 "WAYLAND_DISPLAY", "XAUTHORITY")}
        # A private runtime folder keeps parallel runs from sharing sockets.
        self.env["XDG_RUNTIME_DIR"] = self.tmp

    def __enter__(self):
        try:
            self._start_x()
            self._start_bus()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, exc_type, *_):
        log = getattr(self, "program_log", None)
        if exc_type is not None and log is not None:
            log.seek(0)
            output = log.read()
            if output:
                sys.stderr.write("program output:\n" + output)
        if getattr(self, "x", None):
            try:
                self.x.close()
            except Exception:
                pass
        for proc in reversed(self._procs):
            _kill_group(proc)
        shutil.rmtree(self.tmp, ignore_errors=True)
        return False

    def spawn(self, argv, **kw):
        kw.setdefault("env", self.env)
        proc = subprocess.Popen(argv, start_new_session=True, **kw)
        self._procs.append(proc)
        return proc

    def _start_x(self):
        # A random display number, retried when taken, lets parallel runs coexist; Xvfb writes
        # the number to -displayfd only once it accepts connections.
        for _ in range(20):
            number = random.randrange(200, 900)
            if os.path.exists(f"/tmp/.X{number}-lock"):
                continue
            read_end, write_end = os.pipe()
            proc = self.spawn(["Xvfb", f":{number}", "-screen", "0", "1024x768x24",
                               "-nolisten", "tcp", "-displayfd", str(write_end)],
                              pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
            os.close(write_end)
            with os.fdopen(read_end) as ready:
                announced = ready.read().strip()
            if announced == str(number) and proc.poll() is None:
                self.x_server = proc
                self.env["DISPLAY"] = f":{number}"
                self._connect()
                return
            _kill_group(proc)
        raise Failure("could not start Xvfb on a free display")

    def _start_bus(self):
        # A desktop session always has a session bus; without one the toolkit would launch its
        # own, which outlives the test.
        read_end, write_end = os.pipe()
        self.spawn(["dbus-daemon", "--session", "--nofork", f"--print-address={write_end}"],
                   pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as f:
            address = f.readline().strip()
        check(address, "the session bus did not start")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        if not self.accessibility:
            return
        # What a screen reader does on start-up: the bus launcher is activated by this call and
        # every toolkit that starts afterwards sees accessibility on.
        out = self.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                        "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set",
                        "string:org.a11y.Status", "string:IsEnabled", "variant:boolean:true"])
        check(out.returncode == 0, f"could not turn accessibility on: {out.stderr}")

    def run(self, argv, timeout=10):
        return subprocess.run(argv, env=self.env, capture_output=True, text=True,
                              timeout=timeout)

    # --- windows as the X server sees them -------------------------------------------------

    def _connect(self):
        self.x = Xlib.display.Display(self.env["DISPLAY"])
        self.root = self.x.screen().root
        # Map and unmap notices arrive in the order the server carried them out, which polling
        # could miss when two windows change within one poll.
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.x.sync()
        self.events = []

    def pump(self):
        """Collects pending map and unmap notices as ('map' | 'unmap', window id)."""
        while self.x.pending_events():
            e = self.x.next_event()
            if e.type == X.MapNotify:
                self.events.append(("map", e.window.id))
            elif e.type == X.UnmapNotify:
                self.events.append(("unmap", e.window.id))
        return self.events

    def window(self, wid):
        return self.x.create_resource_object("window", wid)

    def mapped_windows(self):
        found = []
        for w in self.root.query_tree().children:
            try:
                if w.get_attributes().map_state == X.IsViewable:
                    found.append(w.id)
            except Xlib.error.XError:
                pass  # gone meanwhile
        return found

    def title(self, wid):
        """The title a window manager would show: _NET_WM_NAME wins over WM_NAME."""
        w = self.window(wid)
        try:
            for prop, kind in (("_NET_WM_NAME", "UTF8_STRING"), ("WM_NAME", "STRING")):
                value = w.get_full_property(self.x.intern_atom(prop), self.x.intern_atom(kind))
                if value is not None:
                    v = value.value
                    return v.decode("utf-8") if isinstance(v, bytes) else v
        except Xlib.error.XError:
            pass
        return None

    def geometry(self, wid):
        """x, y, width, height of the window's inside, in screen coordinates."""
        w = self.window(wid)
        g = w.get_geometry()
        at = w.translate_coords(self.root, 0, 0)
        return -at.x, -at.y, g.width, g.height

    def window_titled(self, title):
        for wid in self.mapped_windows():
            if self.title(wid) == title:
                return wid
        return None

    def request_close(self, wid):
        """What a window manager sends when the close box is clicked."""
        protocols = self.x.intern_atom("WM_PROTOCOLS")
        delete = self.x.intern_atom("WM_DELETE_WINDOW")
        message = Xlib.protocol.event.ClientMessage(
            window=self.window(wid), client_type=protocols,
            data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        self.window(wid).send_event(message)
        self.x.flush()

    def xdotool(self, *args):
        out = self.run(["xdotool", *args])
        check(out.returncode == 0, f"xdotool {' '.join(args)} failed: {out.stderr}")
        return out.stdout

    def start_program(self, binary):
        self.program_log = open(os.path.join(self.tmp, "program.log"), "w+")
        self.program = self.spawn([binary], stdout=self.program_log, stderr=subprocess.STDOUT)
        return self.program

    def calculator(self, binary, timeout=10):
        """Starts the program and waits until the calculator window is in front."""
        self.start_program(binary)
        return wait_for('a window titled "Varnholt"',
                        lambda: self.alive() and self.window_titled("Varnholt"), timeout)

    def alive(self):
        check(self.program.poll() is None,
              f"the program ended early with status {self.program.returncode}")
        return True

    def exit_status(self, timeout):
        try:
            return self.program.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"the program was still running {timeout} s later")


def main(test):
    """Runs test(binary) and turns its outcome into an exit status and a readable line."""
    binary = os.path.abspath(sys.argv[1])
    started = time.monotonic()
    try:
        test(binary)
    except Failure as e:
        print(f"FAIL: {e}", file=sys.stderr)
        sys.exit(1)
    print(f"PASS in {time.monotonic() - started:.1f} s")
