"""The File menu's Quit shortcut, pressed on the real keyboard, ends the program cleanly."""

from desktop import Desktop, check, main


def test(binary):
    with Desktop() as d:
        d.calculator(binary)
        d.xdotool("key", "ctrl+q")
        status = d.exit_status(5)
        check(status == 0, f"Ctrl+Q ended the program with status {status}")


if __name__ == "__main__":
    main(test)
