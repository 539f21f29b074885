"""What a screen reader meets, read over the accessibility bus while the real keyboard drives the
program: the picture is a button that opens the description window; there the keyboard starts
in the text, with its selection; the Edit menu opened from the keyboard serves that selection;
and the About window has a name."""

import os
import warnings

from desktop import Desktop, check, main, wait_for


def nodes(root):
    pending = [root]
    while pending:
        node = pending.pop()
        if node is not None:
            yield node
            pending.extend(node.get_child_at_index(i) for i in range(node.get_child_count()))


def test(binary):
    with Desktop(accessibility=True) as d:
        d.calculator(binary)
        os.environ.update(d.env)
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi

        def application():
            desktop = Atspi.get_desktop(0)
            apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
            return next((a for a in apps if a and a.get_process_id() == d.program.pid), None)

        def find(role, name, root=None):
            return next((n for n in nodes(root or application())
                         if n.get_role() == role and n.get_name() == name), None)

        def has(node, state):
            return node.get_state_set().contains(state)

        picture = wait_for("the picture as a button named Description",
                           lambda: application() and find(Atspi.Role.PUSH_BUTTON, "Description"),
                           5)
        check(not has(picture, Atspi.StateType.FOCUSABLE), "the picture is in the Tab order")
        with warnings.catch_warnings():
            # Its successor is missing from the bindings that Debian ships.
            warnings.simplefilter("ignore", DeprecationWarning)
            actions = [Atspi.Action.get_action_name(picture, i).lower()
                       for i in range(Atspi.Action.get_n_actions(picture))]
        check("press" in actions, f"the picture offers {actions}, no press")
        Atspi.Action.do_action(picture, actions.index("press"))
        wait_for("the description window", lambda: d.window_titled("Description"), 5)

        window = wait_for("the description window on the bus",
                          lambda: find(Atspi.Role.FRAME, "Description"), 5)
        texts = [n for n in nodes(window) if n.get_role() == Atspi.Role.TEXT]
        check([t.get_name() for t in texts] == ["Description"],
              f"the description window shows these text objects: "
              f"{[t.get_name() for t in texts]}")
        text = texts[0]
        wait_for("the focus in the description text",
                 lambda: has(text, Atspi.StateType.FOCUSED), 5)
        selection = Atspi.Text.get_selection(text, 0)
        check((selection.start_offset, selection.end_offset) == (0, 29),
              f"the selection is {selection.start_offset}..{selection.end_offset}")

        # Alt puts the keyboard in the menu bar, on the application menu; the Edit menu is two
        # to the right, and opens as a window of its own.
        mapped = len(d.mapped_windows())
        d.xdotool("key", "alt")
        d.xdotool("key", "--delay", "100", "Right", "Right", "Down")
        wait_for("the Edit menu open", lambda: len(d.mapped_windows()) > mapped, 5)
        application().clear_cache()
        copy = [n for n in nodes(window) if n.get_role() == Atspi.Role.MENU_ITEM
                and n.get_name() == "Copy"]
        check(len(copy) == 1 and has(copy[0], Atspi.StateType.ENABLED),
              "Copy is not enabled in the Edit menu opened from the keyboard")
        d.xdotool("key", "--delay", "100", "Escape", "Escape")

        windows = [(n.get_role_name(), n.get_name()) for n in nodes(application())
                   if n.get_role() in (Atspi.Role.DIALOG, Atspi.Role.FRAME)]
        check(("dialog", "About Predivo") in windows,
              f"no dialog is named About Predivo among the windows {windows}")


if __name__ == "__main__":
    main(test)
