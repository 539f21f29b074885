"""The worked example typed on the real keyboard into the real window, with the answer read the
way a screen reader reads it: over the accessibility bus, from outside the program."""

import os

from desktop import Desktop, check, main, wait_for

RESULT = "Percent with positive test and disorder"
FREQUENCIES = ("Test positive, disorder present", "Test positive, disorder absent",
               "Test negative, disorder present", "Test negative, disorder absent")
# (accessible name, left, top, width, height inside the window's content area, what to type)
ENTRIES = (("Percent prevalence in population", 397, 240, 80, 20, "0.3"),
           ("If person has disorder, percent with positive test", 397, 270, 80, 20, "50"),
           ("If person does not have disorder, percent with positive test", 397, 300, 80, 20, "3"))
CALCULATE = (35, 390, 80, 30)
EXPECTED = "4.8"
CONTENT_HEIGHT = 440


def text_fields(Atspi, pid):
    """Accessible name -> text of every text field of the application with this process id."""
    desktop = Atspi.get_desktop(0)
    apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
    apps = [a for a in apps if a is not None and a.get_process_id() == pid]
    fields, pending = {}, list(apps)
    while pending:
        node = pending.pop()
        if node.get_role() == Atspi.Role.TEXT:
            fields[node.get_name()] = Atspi.Text.get_text(node, 0, -1)
        pending.extend(node.get_child_at_index(i) for i in range(node.get_child_count()))
    return fields


def test(binary):
    with Desktop(accessibility=True) as d:
        calc = d.calculator(binary)
        # The reading side connects through the same session bus a screen reader would use.
        os.environ.update(d.env)
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi

        # The program registers on the accessibility bus shortly after its window shows.
        wait_for("the program's text fields on the accessibility bus",
                 lambda: len(text_fields(Atspi, d.program.pid)) == 8, 5)

        x, y, _, h = d.geometry(calc)
        top = y + h - CONTENT_HEIGHT  # the menu bar sits above the content area

        def click(left, t, width, height):
            d.xdotool("mousemove", str(x + left + width // 2), str(top + t + height // 2),
                      "click", "1")

        for _, left, t, width, height, typed in ENTRIES:
            click(left, t, width, height)
            d.xdotool("type", "--delay", "30", typed)
        fields = text_fields(Atspi, d.program.pid)
        for name, *_, typed in ENTRIES:
            check(fields.get(name) == typed,
                  f"{name!r} reads {fields.get(name)!r} after typing {typed!r}")

        click(*CALCULATE)
        wait_for("a result", lambda: text_fields(Atspi, d.program.pid).get(RESULT), 5)
        fields = text_fields(Atspi, d.program.pid)
        check(fields[RESULT] == EXPECTED,
              f"{RESULT!r} reads {fields[RESULT]!r}, expected {EXPECTED!r}")
        for name in FREQUENCIES:
            check(fields.get(name) == "", f"{name!r} reads {fields.get(name)!r}, expected empty")


if __name__ == "__main__":
    main(test)
