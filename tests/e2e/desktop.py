"""A private desktop for driving the real program: its own X screen and session bus, with
accessibility turned on where asked, and cleanup of everything started, even on failure.
"""

import os
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

# The calculator's content area lies below its menu bar, which takes the rest of the window.
CALCULATOR_CONTENT_HEIGHT = 440


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(what, probe, timeout, interval=0.05):
    """Polls probe until it returns something truthy; a plain sleep would either be flaky on a
    loaded machine or make every run slow."""
    deadline = time.monotonic() + timeout
    while not (value := probe()):
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)
    return value


def expect(what, get, want, timeout=5):
    """Waits until get() returns want; a failure tells what it returned instead."""
    try:
        wait_for(what, lambda: get() == want, timeout)
    except Failure:
        raise Failure(f"{what} is {get()!r}, expected {want!r}") from None


def program_env():
    """The caller's environment without its display and buses. The program always starts as an
    X client: a Qt platform chosen in the caller's environment (offscreen, say) would put it on
    no screen at all."""
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS",
                        "WAYLAND_DISPLAY", "XAUTHORITY")}
    env["QT_QPA_PLATFORM"] = "xcb"
    return env


def kill_group(proc):
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
        self.env = program_env()
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
            sys.stderr.write("program output:\n" + log.read())
        if getattr(self, "x", None):
            try:
                self.x.close()
            except Exception:
                pass
        for proc in reversed(self._procs):
            kill_group(proc)
        shutil.rmtree(self.tmp, ignore_errors=True)
        return False

    def spawn(self, argv, **kw):
        kw.setdefault("env", self.env)
        proc = subprocess.Popen(argv, start_new_session=True, **kw)
        self._procs.append(proc)
        return proc

    def _announced(self, argv):
        """Starts a server that writes its address to the file descriptor {fd} once it accepts
        connections; a plain sleep would be flaky or slow."""
        read_end, write_end = os.pipe()
        proc = self.spawn([a.format(fd=write_end) for a in argv], pass_fds=(write_end,),
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as f:
            address = f.readline().strip()
        check(address and proc.poll() is None, f"{argv[0]} did not start")
        return proc, address

    def _start_x(self):
        # Xvfb picks a free display itself, so parallel runs coexist.
        self.x_server, number = self._announced(
            ["Xvfb", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-displayfd", "{fd}"])
        self.env["DISPLAY"] = f":{number}"
        self.x = Xlib.display.Display(self.env["DISPLAY"])
        self.root = self.x.screen().root
        # Map notices arrive in the order the server carried them out, which polling could miss
        # when two windows change within one poll.
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.x.sync()
        self.maps = []

    def _start_bus(self):
        # A desktop session always has a session bus; without one the toolkit would launch its
        # own, which outlives the test.
        _, self.env["DBUS_SESSION_BUS_ADDRESS"] = self._announced(
            ["dbus-daemon", "--session", "--nofork", "--print-address={fd}"])
        if not self.accessibility:
            return
        # What a screen reader does on start-up: the bus launcher is activated by this call and
        # every toolkit that starts afterwards sees accessibility on.
        self.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                  "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set",
                  "string:org.a11y.Status", "string:IsEnabled", "variant:boolean:true"])
        # The reading side connects through the same session bus a screen reader would use.
        os.environ.update(self.env)
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi
        self.Atspi = Atspi

    def run(self, argv):
        out = subprocess.run(argv, env=self.env, capture_output=True, text=True, timeout=10)
        check(out.returncode == 0, f"{' '.join(argv)} failed: {out.stderr}")

    # --- windows as the X server sees them -------------------------------------------------

    def shown(self):
        """Every window mapped so far, in the order the server mapped them."""
        while self.x.pending_events():
            e = self.x.next_event()
            if e.type == X.MapNotify:
                self.maps.append(e.window.id)
        return self.maps

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
        """The title a window manager shows."""
        try:
            name = self.window(wid).get_full_property(self.x.intern_atom("_NET_WM_NAME"),
                                                      X.AnyPropertyType)
        except Xlib.error.XError:
            return None  # gone meanwhile
        return name and name.value.decode()

    def geometry(self, wid):
        """x, y, width, height of the window's inside, in screen coordinates."""
        w = self.window(wid)
        g = w.get_geometry()
        at = w.translate_coords(self.root, 0, 0)
        return -at.x, -at.y, g.width, g.height

    def window_titled(self, title):
        return next((wid for wid in self.mapped_windows() if self.title(wid) == title), None)

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
        self.run(["xdotool", *args])

    def type(self, text):
        self.xdotool("type", "--delay", "30", text)

    def click(self, left, top):
        """A click at this point of the calculator's content area."""
        x, y, _, h = self.geometry(self.calc)
        self.xdotool("mousemove", str(x + left), str(y + h - CALCULATOR_CONTENT_HEIGHT + top),
                     "click", "1")

    # --- the program ------------------------------------------------------------------------

    def start_program(self, binary):
        self.program_log = open(os.path.join(self.tmp, "program.log"), "w+")
        self.program = self.spawn([binary], stdout=self.program_log, stderr=subprocess.STDOUT)

    def calculator(self, binary=None, timeout=10):
        """Starts the program, unless it runs already, and waits until the calculator window is
        in front."""
        if binary:
            self.start_program(binary)
        self.calc = wait_for('a window titled "Varnholt"',
                             lambda: self.alive() and self.window_titled("Varnholt"), timeout)
        return self.calc

    def alive(self):
        check(self.program.poll() is None,
              f"the program ended early with status {self.program.returncode}")
        return True

    def exit_status(self, timeout):
        try:
            return self.program.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"the program was still running {timeout} s later") from None

    def output(self):
        self.program_log.seek(0)
        return self.program_log.read()

    # --- the program as a screen reader meets it, over the accessibility bus ---------------

    def application(self):
        desktop = self.Atspi.get_desktop(0)
        apps = (desktop.get_child_at_index(i) for i in range(desktop.get_child_count()))
        return next((a for a in apps if a and a.get_process_id() == self.program.pid), None)

    def nodes(self, root=None):
        """Every accessible object under root, by default the whole program."""
        pending = [root or self.application()]
        while pending:
            if node := pending.pop():
                yield node
                pending.extend(node.get_child_at_index(i) for i in range(node.get_child_count()))

    def has(self, node, state):
        return node.get_state_set().contains(getattr(self.Atspi.StateType, state))

    def find(self, role, name, root=None):
        role = getattr(self.Atspi.Role, role)
        return next((n for n in self.nodes(root)
                     if n.get_role() == role and n.get_name() == name), None)

    def fields(self):
        """Accessible name -> text of every text field."""
        return {n.get_name(): self.Atspi.Text.get_text(n, 0, -1) for n in self.nodes()
                if n.get_role() == self.Atspi.Role.TEXT}

    def focused(self):
        return next((n.get_name() for n in self.nodes() if self.has(n, "FOCUSED")), None)


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
