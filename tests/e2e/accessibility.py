"""What a screen reader meets, read over the accessibility bus while the real keyboard drives the
program: the picture is a button that opens the description window; there the keyboard starts
in the text, with its selection; the Edit menu opened from the keyboard serves that selection;
and the About window has a name. Counts typed into the calculator, Ctrl+I with the focus still in
a field (only a real desktop shows whether a field swallows the shortcut) brings up the
Explanation window, read the same way. Closing the calculator then ends the program, every
window and all."""

import warnings

from desktop import Desktop, check, expect, main, wait_for


def test(binary):
    with Desktop(accessibility=True) as d:
        d.calculator(binary)
        picture = wait_for("the picture as a button named Description",
                           lambda: d.find("PUSH_BUTTON", "Description"), 5)
        check(not d.has(picture, "FOCUSABLE"), "the picture is in the Tab order")
        with warnings.catch_warnings():
            # Its successor is missing from the bindings that Debian ships.
            warnings.simplefilter("ignore", DeprecationWarning)
            actions = [d.Atspi.Action.get_action_name(picture, i).lower()
                       for i in range(d.Atspi.Action.get_n_actions(picture))]
        check("press" in actions, f"the picture offers {actions}, no press")
        d.Atspi.Action.do_action(picture, actions.index("press"))

        window = wait_for("the description window on the bus",
                          lambda: d.window_titled("Description") and d.find("FRAME", "Description"),
                          5)
        texts = [n for n in d.nodes(window) if n.get_role() == d.Atspi.Role.TEXT]
        check([t.get_name() for t in texts] == ["Description"],
              f"the description window shows these text objects: "
              f"{[t.get_name() for t in texts]}")
        wait_for("the focus in the description text", lambda: d.has(texts[0], "FOCUSED"), 5)
        selection = d.Atspi.Text.get_selection(texts[0], 0)
        check((selection.start_offset, selection.end_offset) == (0, 29),
              f"the selection is {selection.start_offset}..{selection.end_offset}")

        # Alt puts the keyboard in the menu bar, on the application menu; the Edit menu is two
        # to the right, and opens as a window of its own.
        mapped = len(d.mapped_windows())
        d.xdotool("key", "alt")
        d.xdotool("key", "--delay", "100", "Right", "Right", "Down")
        wait_for("the Edit menu open", lambda: len(d.mapped_windows()) > mapped, 5)
        d.application().clear_cache()
        copy = d.find("MENU_ITEM", "Copy", window)
        check(copy and d.has(copy, "ENABLED"),
              "Copy is not enabled in the Edit menu opened from the keyboard")
        d.xdotool("key", "--delay", "100", "Escape", "Escape")

        windows = [(n.get_role_name(), n.get_name()) for n in d.nodes()
                   if n.get_role() in (d.Atspi.Role.DIALOG, d.Atspi.Role.FRAME)]
        check(("dialog", "About Predivo") in windows,
              f"no dialog is named About Predivo among the windows {windows}")

        d.xdotool("key", "ctrl+w")
        wait_for("the description window closed by Ctrl+W", lambda: not d.window_titled("Description"), 5)
        for (left, top), typed in (((236, 147), "15"), ((309, 147), "299"), ((236, 181), "15"),
                                   ((309, 181), "9671")):
            d.click(left, top)
            d.type(typed)
        d.xdotool("key", "ctrl+i")
        window = wait_for("the Explanation window on the bus",
                          lambda: d.window_titled("Explanation") and d.find("FRAME", "Explanation"),
                          5)
        sentences = wait_for("the explanation's sentences", lambda: d.find("TEXT", "Explanation", window), 5)
        expect("the explanation", lambda: "So 15 of the 314 people who test positive have the "
               "disorder (4.8%)." in d.Atspi.Text.get_text(sentences, 0, -1), True)
        table = d.find("TABLE", "Statistics", window)
        rows = [[d.Atspi.Table.get_accessible_at(table, r, c).get_name() for c in range(3)]
                for r in range(d.Atspi.Table.get_n_rows(table))]
        check(["Positive predictive value (%)", "4.8", "2.7–7.8"] in rows,
              f"the statistics read {rows}")

        d.request_close(d.calc)
        status = d.exit_status(5)
        check(status == 0, f"closing the calculator ended the program with status {status}")


if __name__ == "__main__":
    main(test)
