"""Started where there is no graphical display, or when its display goes away under it, the
program says so plainly and fails cleanly instead of crashing."""

import os
import signal
import subprocess
import tempfile

from desktop import Desktop, _kill_group, check, main, wait_for


def test(binary):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    with tempfile.TemporaryDirectory() as cwd:
        proc = subprocess.Popen([binary], env=env, cwd=cwd, stdin=subprocess.DEVNULL,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True,
                                start_new_session=True)
        try:
            _, stderr = proc.communicate(timeout=10)
        except subprocess.TimeoutExpired:
            os.killpg(proc.pid, signal.SIGKILL)
            proc.communicate()
            check(False, "the program was still running 10 s after starting without a display")
        check(proc.returncode == 1, f"exit status {proc.returncode}, expected 1\n{stderr}")
        check("Predivo cannot start: no graphical display could be opened" in stderr,
              f"no clear message on stderr:\n{stderr}")
        for sign in ("core dumped", "Aborted", "Segmentation fault"):
            check(sign not in stderr, f"{sign!r} on stderr:\n{stderr}")
        check(not any(n.startswith("core") for n in os.listdir(cwd)), "a core file was left")

    # The X server dies while the calculator is up.
    with Desktop() as d, tempfile.TemporaryFile("w+") as stderr:
        d.program = d.spawn([binary], stdout=subprocess.DEVNULL, stderr=stderr)
        wait_for("the calculator", lambda: d.alive() and d.window_titled("Varnholt"), 10)
        _kill_group(d.x_server)
        status = d.exit_status(10)
        stderr.seek(0)
        lines = stderr.read().splitlines()
        check(status == 1 and lines == ["Predivo: the connection to the display was lost."],
              f"after the display died: status {status}, stderr {lines}")


if __name__ == "__main__":
    main(test)
