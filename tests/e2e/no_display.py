"""Started where there is no graphical display, the program says so plainly and fails cleanly
instead of crashing."""

import os
import subprocess
import tempfile

from desktop import check, main


def test(binary):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    with tempfile.TemporaryDirectory() as cwd:
        try:
            run = subprocess.run([binary], env=env, cwd=cwd, capture_output=True, text=True,
                                 timeout=10, stdin=subprocess.DEVNULL)
        except subprocess.TimeoutExpired:
            check(False, "the program was still running 10 s after starting without a display")
        check(run.returncode == 1, f"exit status {run.returncode}, expected 1\n{run.stderr}")
        check("Predivo cannot start: no graphical display could be opened." in run.stderr,
              f"no clear message on stderr:\n{run.stderr}")
        for sign in ("core dumped", "Aborted", "Segmentation fault"):
            check(sign not in run.stderr, f"{sign!r} on stderr:\n{run.stderr}")
        check(not any(n.startswith("core") for n in os.listdir(cwd)), "a core file was left")


if __name__ == "__main__":
    main(test)
