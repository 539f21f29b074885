# The calculator used from the keyboard as a person at a German keyboard would, read from outside
# over the accessibility bus as a screen reader reads it: the worked example typed with a decimal
# comma and the keypad's decimal key, Enter in the fields, a note at a refused key, the Tab
# order, the result field, the menus' Alt keys, and Ctrl+Q.

from desktop import Desktop, check, expect, main, wait_for

PREVALENCE = "Percent prevalence in population"
SENSITIVITY = "If person has disorder, percent with positive test"
FALSE_POSITIVES = "If person does not have disorder, percent with positive test"
RESULT = "Percent with positive test and disorder"
CELLS = ("Test positive, disorder present", "Test positive, disorder absent",
         "Test negative, disorder present", "Test negative, disorder absent")
TAB_ORDER = CELLS + (PREVALENCE, SENSITIVITY, FALSE_POSITIVES, RESULT, "Calculate", "Clear",
                     CELLS[0])
FIRST_CELL_AT = (236, 147)  # the middle of the field, in the window's content area


def test(binary):
    with Desktop(accessibility=True) as d:
        d.run("setxkbmap", "-layout", "de")
        d.calculator(binary)
        wait_for("the program's text fields on the accessibility bus", lambda: len(d.fields()) == 8)

        # The result is there to be read and copied: read-only, not unavailable.
        # (Qt 6.4 calls every line field editable as well; screen readers go by read-only.)
        result = d.find("TEXT", RESULT)
        check(all(d.has(result, s) for s in ("READ_ONLY", "ENABLED", "FOCUSABLE")),
              "the result is not read-only, or is announced unavailable")

        # A decimal comma, typed and from the keypad, is a point; Enter moves on until the
        # percentages are complete, then calculates.
        d.click(437, 250)  # the prevalence field
        keys = "0 KP_Separator 3 Return 5 0 comma 0 Return 3 KP_Enter"
        d.xdotool("key", "--delay", "30", *keys.split())
        expect(f"after {keys}, the fields", d.fields,
               {PREVALENCE: "0.3", SENSITIVITY: "50.0", FALSE_POSITIVES: "3", RESULT: "4.8",
                **dict.fromkeys(CELLS, "")})

        # Enter in a table cell puts no line break in: the number stays in sight and the focus
        # moves to the next cell, until the table is complete and Enter calculates from it.
        d.click(*FIRST_CELL_AT)
        keys = "1 5 Return 2 9 9 Return 1 5 Return 9 6 7 1 Return"
        d.xdotool("key", "--delay", "30", *keys.split())
        expect("after typing the table with Enter after each number, the fields", d.fields,
               {**dict(zip(CELLS, ("15", "299", "15", "9671"))), RESULT: "4.8",
                **dict.fromkeys((PREVALENCE, SENSITIVITY, FALSE_POSITIVES), "")})

        # A refused key is seen, not only heard, and the note goes away by itself.
        d.xdotool("type", "x")

        def note():
            return next((n.get_name() for n in d.having("TOOL_TIP") if d.has(n, "SHOWING")), None)
        wait_for('a note "Whole numbers only" at the refused key',
                 lambda: note() == "Whole numbers only")

        # Tab walks the fields as they stand on the screen, then Calculate, then Clear.
        d.click(*FIRST_CELL_AT)
        for i, name in enumerate(TAB_ORDER):
            expect(f"after {i} presses of Tab, the focus", d.focused, name)
            d.xdotool("key", "Tab")
        wait_for("the note to go away", lambda: note() is None)

        # Alt and a menu's underlined letter open that menu, each letter its own.
        for title in ("File", "Edit", "Window", "Predivo"):
            d.xdotool("key", f"alt+{title[0].lower()}")
            expect(f"the menu open after Alt+{title[0]}", lambda: [
                n.get_name() for n in d.having("MENU_ITEM") if d.has(n, "FOCUSED")
                and n.get_parent().get_role() == d.Atspi.Role.MENU_BAR], [title])
            d.xdotool("key", "Escape")

        # The menu's shortcut, not the field the focus is in, takes Ctrl+Q.
        d.xdotool("key", "ctrl+q")
        d.check_exit(0, "after Ctrl+Q")


if __name__ == "__main__":
    main(test)
