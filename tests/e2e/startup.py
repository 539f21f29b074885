# Start-up as a person sees it: where there is no display, a plain message and a clean failure;
# on a desktop, the untitled About window alone, then the calculator in its place; and when the
# display goes away under the running program, a plain message and a clean failure again.

import os
import subprocess
import tempfile
import time

from desktop import Desktop, check, kill_group, main, program_env, wait_for


def test(binary):
    with tempfile.TemporaryDirectory() as cwd:
        out = subprocess.run([binary], env=program_env(), cwd=cwd, stdin=subprocess.DEVNULL,
                             capture_output=True, text=True, timeout=10)
        check(out.returncode == 1, f"exit status {out.returncode} without a display, expected 1")
        check("Predivo cannot start: no graphical display could be opened" in out.stderr,
              f"no plain message on stderr without a display:\n{out.stderr}")
        check(not os.listdir(cwd), f"left behind without a display: {os.listdir(cwd)}")

    with Desktop() as d:
        d.start_program(binary)
        about = wait_for("the first window", lambda: d.alive() and d.shown(), 10)[0]
        shown_at = time.monotonic()
        # Untitled: it carries no title of its own. Qt never leaves a title bar blank on X11 and
        # shows the application's name there instead, which is as untitled as it gets.
        check(d.title(about) in ("", "Predivo"),
              f"the About window should be untitled; a window manager shows {d.title(about)!r}")
        # 314 x 200 of content, below the menu bar that every window shows.
        _, _, w, h = d.geometry(about)
        check(w == 314 and 200 < h < 240, f"the About window is {w}x{h}")
        check(d.mapped_windows() == [about], f"not alone on screen: {d.mapped_windows()}")

        calc = d.calculator(timeout=8)
        # The About window is meant to be read; a calculator that jumps in front at once (or an
        # About window that never leaves) is the fault to catch, not the exact 1.5 s.
        shown_for = time.monotonic() - shown_at
        check(shown_for > 1.2, f"the calculator replaced the About window after {shown_for:.2f} s")
        wait_for("the About window to go", lambda: d.mapped_windows() == [calc], 2)
        _, _, w, h = d.geometry(calc)
        check(w == 515 and h > 440, f"the calculator window is {w}x{h}")
        check(d.shown() == [about, calc], f"windows shown: {d.shown()}, expected About, calculator")

        # With a second window open, whose teardown would fault were the process left to end
        # on its own: a click on the picture opens the description.
        d.click(256, 404)
        wait_for("the description window", lambda: d.window_titled("Description"))
        kill_group(d.x_server)
        d.check_exit(1, "after the display died", 10)
        check(d.output() == "Predivo: the connection to the display was lost.\n",
              f"after the display died the program wrote {d.output()!r}")


if __name__ == "__main__":
    main(test)
