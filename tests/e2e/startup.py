"""Start-up as a person sees it: the untitled About window alone, then the calculator in its
place, and a close-box click that ends the program cleanly."""

import time

from desktop import Desktop, check, main, wait_for


def first_map(d):
    maps = [wid for kind, wid in d.pump() if kind == "map"]
    return maps[0] if maps else None


def test(binary):
    with Desktop() as d:
        d.start_program(binary)
        about = wait_for("the first window", lambda: d.alive() and first_map(d), 10)
        shown_at = time.monotonic()
        # Untitled: it carries no title of its own. Qt never leaves a title bar blank on X11 and
        # shows the application's name there instead, which is as untitled as it gets.
        check(d.title(about) in ("", "Predivo"),
              f"the About window should be untitled; a window manager shows {d.title(about)!r}")
        _, _, w, h = d.geometry(about)
        # 314 x 200 of content, below the menu bar that every window shows.
        check(w == 314 and 200 < h < 240, f"the About window is {w}x{h}")
        check(d.mapped_windows() == [about],
              f"the About window is not alone on screen: {d.mapped_windows()}")

        calc = wait_for('a window titled "Varnholt"',
                        lambda: d.alive() and d.window_titled("Varnholt"), 8)
        shown_for = time.monotonic() - shown_at
        # The About window is meant to be read; a calculator that jumps in front at once (or an
        # About window that never leaves) is the fault to catch, not the exact 1.5 s.
        check(shown_for > 1.2, f"the calculator replaced the About window after {shown_for:.2f} s")
        wait_for("the About window to go", lambda: d.mapped_windows() == [calc], 2)
        _, _, w, h = d.geometry(calc)
        check(w == 515 and h > 440, f"the calculator window is {w}x{h}")
        maps = [wid for kind, wid in d.pump() if kind == "map"]
        check(maps == [about, calc], f"windows shown: {maps}, expected About then calculator")

        d.request_close(calc)
        status = d.exit_status(5)
        check(status == 0, f"closing the calculator ended the program with status {status}")


if __name__ == "__main__":
    main(test)
