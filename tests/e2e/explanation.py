"""Counts typed on the real keyboard, the Explanation window asked for with Ctrl+I while a field
still has the focus (only a real desktop shows whether a field swallows the shortcut), and the
explanation read over the accessibility bus, as a screen reader reads it."""

import os

from desktop import Desktop, check, main, wait_for

# (left, top, width, height) of the four count fields inside the calculator's content area
COUNTS = (((213, 138, 46, 18), "15"), ((286, 138, 46, 18), "299"),
          ((213, 172, 46, 18), "15"), ((286, 172, 46, 18), "9671"))
CONTENT_HEIGHT = 440


def nodes(Atspi, pid):
    desktop = Atspi.get_desktop(0)
    pending = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
    pending = [a for a in pending if a is not None and a.get_process_id() == pid]
    while pending:
        node = pending.pop()
        yield node
        pending.extend(node.get_child_at_index(i) for i in range(node.get_child_count()))


def read_explanation(Atspi, pid):
    """The sentences and the statistics table, by row name, once both are on the bus."""
    sentences, rows = None, {}
    for node in nodes(Atspi, pid):
        if node.get_role() == Atspi.Role.TEXT and node.get_name() == "Explanation":
            sentences = Atspi.Text.get_text(node, 0, -1)
        elif node.get_role() == Atspi.Role.TABLE and node.get_name() == "Statistics":
            for r in range(Atspi.Table.get_n_rows(node)):
                cells = [Atspi.Table.get_accessible_at(node, r, c).get_name()
                         for c in range(Atspi.Table.get_n_columns(node))]
                rows[cells[0]] = cells[1:]
    return (sentences, rows) if sentences and rows else None


def test(binary):
    with Desktop(accessibility=True) as d:
        calc = d.calculator(binary)
        os.environ.update(d.env)
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi

        x, y, _, h = d.geometry(calc)
        top = y + h - CONTENT_HEIGHT  # the menu bar sits above the content area
        for (left, t, width, height), typed in COUNTS:
            d.xdotool("mousemove", str(x + left + width // 2), str(top + t + height // 2),
                      "click", "1")
            d.xdotool("type", "--delay", "30", typed)
        d.xdotool("key", "ctrl+i")
        wait_for('a window titled "Explanation"', lambda: d.window_titled("Explanation"), 5)

        sentences, rows = wait_for("the explanation on the accessibility bus",
                                   lambda: read_explanation(Atspi, d.program.pid), 10)
        check("So 15 of the 314 people who test positive have the disorder (4.8%)." in sentences,
              f"the explanation reads {sentences!r}")
        ppv = rows.get("Positive predictive value (%)")
        check(ppv is not None and ppv[:2] == ["4.8", "2.7–7.8"],
              f"the positive predictive value reads {ppv!r}")


if __name__ == "__main__":
    main(test)
