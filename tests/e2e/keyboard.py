"""The calculator used from the keyboard as a person at a German keyboard would, read from
outside over the accessibility bus as a screen reader reads it: a decimal comma and the keypad's
decimal key, Enter in the fields, a note at a refused key, the Tab order, and the result field."""

import os

from desktop import Desktop, Failure, check, main, wait_for

PREVALENCE = "Percent prevalence in population"
SENSITIVITY = "If person has disorder, percent with positive test"
FALSE_POSITIVES = "If person does not have disorder, percent with positive test"
RESULT = "Percent with positive test and disorder"
CELLS = ("Test positive, disorder present", "Test positive, disorder absent",
         "Test negative, disorder present", "Test negative, disorder absent")
TAB_ORDER = CELLS + (PREVALENCE, SENSITIVITY, FALSE_POSITIVES, RESULT, "Calculate", "Clear",
                     CELLS[0])
CONTENT_HEIGHT = 440
PREVALENCE_AT = (437, 250)  # the middle of the field, in the window's content area
FIRST_CELL_AT = (236, 147)


def test(binary):
    with Desktop(accessibility=True) as d:
        out = d.run(["setxkbmap", "-layout", "de"])
        check(out.returncode == 0, f"setxkbmap failed: {out.stderr}")
        calc = d.calculator(binary)
        os.environ.update(d.env)
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi

        def nodes():
            desktop = Atspi.get_desktop(0)
            found, pending = [], [desktop.get_child_at_index(i)
                                  for i in range(desktop.get_child_count())]
            pending = [a for a in pending if a is not None
                       and a.get_process_id() == d.program.pid]
            while pending:
                node = pending.pop()
                found.append(node)
                pending.extend(node.get_child_at_index(i) for i in range(node.get_child_count()))
            return found

        def fields():
            return {n.get_name(): Atspi.Text.get_text(n, 0, -1)
                    for n in nodes() if n.get_role() == Atspi.Role.TEXT}

        def focused():
            names = [n.get_name() for n in nodes()
                     if n.get_state_set().contains(Atspi.StateType.FOCUSED)]
            return names[0] if names else None

        def expect_focus(name, after):
            try:
                wait_for(f"the focus in {name!r}", lambda: focused() == name, 5)
            except Failure:
                raise Failure(f"after {after}, the focus is in {focused()!r}, "
                                     f"expected {name!r}")

        def expect_text(name, text, after):
            try:
                wait_for(f"{name!r} to read {text!r}", lambda: fields().get(name) == text, 5)
            except Failure:
                raise Failure(f"after {after}, {name!r} reads {fields().get(name)!r}, "
                                     f"expected {text!r}")

        wait_for("the program's text fields on the accessibility bus",
                 lambda: len(fields()) == 8, 5)
        x, y, _, h = d.geometry(calc)
        top = y + h - CONTENT_HEIGHT

        def click(left, t):
            d.xdotool("mousemove", str(x + left), str(top + t), "click", "1")

        # The result is there to be read and copied: read-only, not unavailable.
        result = next(n for n in nodes() if n.get_name() == RESULT)
        states = result.get_state_set()
        # (Qt 6.4 calls every line field editable as well; screen readers go by read-only.)
        check(states.contains(Atspi.StateType.READ_ONLY), "the result is not read-only")
        check(states.contains(Atspi.StateType.ENABLED) and
              states.contains(Atspi.StateType.FOCUSABLE), "the result is announced unavailable")

        # A decimal comma, typed and from the keypad, is a point; Enter moves on until the
        # percentages are complete, then calculates.
        click(*PREVALENCE_AT)
        d.xdotool("type", "--delay", "30", "0")
        d.xdotool("key", "KP_Separator")
        d.xdotool("type", "--delay", "30", "3")
        expect_text(PREVALENCE, "0.3", "0, the keypad's decimal key and 3")
        d.xdotool("key", "Return")
        expect_focus(SENSITIVITY, "Enter in the prevalence")
        d.xdotool("type", "--delay", "30", "50,0")
        expect_text(SENSITIVITY, "50.0", "typing 50,0")
        d.xdotool("key", "Return")
        d.xdotool("type", "--delay", "30", "3")
        d.xdotool("key", "KP_Enter")
        expect_text(RESULT, "4.8", "Enter in the last percentage")

        # Enter in a table cell puts no line break in: the number stays in sight and the focus
        # moves to the next cell, until the table is complete and Enter calculates from it.
        click(*FIRST_CELL_AT)
        for cell, typed in zip(CELLS, ("15", "299", "15", "9671")):
            d.xdotool("type", "--delay", "30", typed)
            d.xdotool("key", "Return")
            expect_text(cell, typed, f"{typed} and Enter")
        for name in (PREVALENCE, SENSITIVITY, FALSE_POSITIVES):
            expect_text(name, "", "Calculate from the table")
        expect_text(RESULT, "4.8", "Enter in the last cell")

        # A refused key is seen, not only heard, and the note goes away by itself.
        d.xdotool("type", "x")

        def note():
            tips = [n for n in nodes() if n.get_role() == Atspi.Role.TOOL_TIP and
                    n.get_state_set().contains(Atspi.StateType.SHOWING)]
            return tips[0].get_name() if tips else None
        shown = wait_for("a note at the refused key", note, 5)
        check(shown == "Whole numbers only", f"the note reads {shown!r}")
        wait_for("the note to go away", lambda: note() is None, 6)

        # Tab walks the fields as they stand on the screen, then Calculate, then Clear.
        click(*FIRST_CELL_AT)
        for i, name in enumerate(TAB_ORDER):
            if i:
                d.xdotool("key", "Tab")
            expect_focus(name, f"{i} presses of Tab")


if __name__ == "__main__":
    main(test)
