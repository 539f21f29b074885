# Predivo on a German desktop (LANGUAGE=de, LANG=de_DE.UTF-8), as a person there meets it and a
# screen reader reads it: the menu bar by its German names, the File menu opened with its German
# access key; counts typed into the calculator and Ctrl+I, then the Explanation window's first
# sentence and the positive predictive value read over the bus in German words and numbers. From
# the command line --explain writes German numbers, and --format tsv the point a script expects.

import subprocess

from desktop import Desktop, check, children, expect, main, program_env, wait_for

GERMAN = ("de", "de_DE.UTF-8")


def test(binary):
    def run(*args):
        done = subprocess.run([binary, *args], env=program_env(*GERMAN), capture_output=True,
                              text=True, stdin=subprocess.DEVNULL, timeout=30)
        check(done.returncode == 0, f"predivo {' '.join(args)}: {done.returncode} {done.stderr}")
        return done.stdout
    text = run("--explain", "0.3", "50", "3")
    check(text.startswith("Stellen Sie sich 10.000 Personen vor") and "(4,8\u00a0%)" in text,
          f"--explain in German: {text[:300]!r}")
    rows = [line.split("\t") for line in run("--explain", "--format", "tsv", "15", "299", "15",
                                                 "9671").splitlines()]
    expect("the tab-separated positive predictive value",
           lambda: next(r for r in rows if r[0] == "Positiver prädiktiver Wert (%)")[1:4],
           ["4.8", "2.7", "7.8"])

    with Desktop(accessibility=True, language=GERMAN[0], lang=GERMAN[1]) as d:
        d.calculator(binary)
        bar = wait_for("the menu bar on the bus", lambda: d.having("MENU_BAR"))[0]
        expect("the menus", lambda: [m.get_name() for m in children(bar)],
               ["Predivo", "Datei", "Bearbeiten", "Fenster"])
        mapped = len(d.mapped_windows())
        d.xdotool("key", "alt+d")
        wait_for("Alt+D to open the Datei menu", lambda: len(d.mapped_windows()) > mapped)
        d.application().clear_cache()
        check(d.find("MENU_ITEM", "Speichern unter..."), "no Speichern unter... in the menu")
        d.xdotool("key", "--delay", "100", "Escape", "Escape")

        d.click(236, 147)  # the first cell of the table
        d.xdotool("type", "--delay", "30", "15\t299\t15\t9671")
        d.xdotool("key", "ctrl+i")
        window = wait_for("the Explanation window on the bus",
                          lambda: d.window_titled("Erklärung") and d.find("FRAME", "Erklärung"))

        def first_sentence():
            node = d.find("TEXT", "Erklärung", window)
            return node and d.Atspi.Text.get_text(node, 0, -1).split(". ")[0]
        expect("the first sentence", first_sentence,
               "Stellen Sie sich 10.000 Personen vor: 30 davon haben die Erkrankung")
        table = d.find("TABLE", "Kennzahlen", window)
        rows = [[d.Atspi.Table.get_accessible_at(table, r, c).get_name() for c in range(3)]
                for r in range(d.Atspi.Table.get_n_rows(table))]
        check(["Positiver prädiktiver Wert (%)", "4,8", "2,7–7,8"] in rows,
              f"the statistics read {rows}")


if __name__ == "__main__":
    main(test)
