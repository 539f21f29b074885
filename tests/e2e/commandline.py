# The command line as a script meets it, with no display at all: each mode and its exit status,
# the one line a mistake gets on stderr, and pictures written whole as the name's type says; a
# saved case explained from the command line, and opened in the windows as the desktop opens it.

import json
import os
import subprocess
import tempfile

from desktop import Desktop, check, expect, main, program_env

CASE = {"format": "predivo-case", "version": 1, "tp": "", "fp": "", "fn": "", "tn": "",
        "prevalence": "1", "sensitivity": "80", "falsePositiveRate": "9.6",
        "looksFor": "breast cancer", "tested": "women", "testedOne": "woman",
        "populationPrevalence": "", "size": 0, "source": ""}


def test(binary):
    with tempfile.TemporaryDirectory() as tmp:
        png, svg = os.path.join(tmp, "curves.png"), os.path.join(tmp, "tree.SVG")
        case, damaged = os.path.join(tmp, "case.predivo"), os.path.join(tmp, "damaged.predivo")
        with open(case, "w", encoding="utf-8") as f:
            json.dump(CASE, f)
        with open(damaged, "w", encoding="utf-8") as f:
            f.write("{")
        rows = [  # arguments, status, a line of stdout, the line on stderr
            (["--help"], 0, "  --explain ", ""),
            (["--version"], 0, "predivo 1.0.0", ""),
            (["--bogus"], 2, "", "predivo: Unknown option 'bogus'."),
            (["--explain", "--size", "7", "0.3", "50", "3"], 2, "",
             "predivo: --size is 1000, 10000, 100000 or 1000000"),
            (["--explain", "1", "2"], 2, "", "predivo: give four counts or three percentages"),
            (["--export", os.path.join(tmp, "x.gif"), "1", "2", "3", "4"], 2, "",
             "predivo: --export writes .svg or .png files"),
            (["--explain", "0.3", "150", "3"], 1, "", "The sensitivity entered is above 100%."),
            (["--explain", "--size", "1000", "0.3", "50", "3"], 1, "",
             "it can be told for 10,000, 100,000 or 1,000,000 people."),
            (["--explain", "--size", "100000", "0.3", "50", "3"], 0,
             "Of 100,000 people, 300 have the disorder.", ""),
            (["--explain", "--format", "tsv", "15", "299", "15", "9671"], 0,
             "Positive predictive value (%)\t4.8\t2.7\t7.8\t", ""),
            (["--export", png, "--picture", "curves", "0.3", "50", "3"], 0, "", ""),
            (["--export", svg, "15", "299", "15", "9671"], 0, "", ""),
            (["--export", os.path.join(tmp, "none", "x.png"), "1", "2", "3", "4"], 1, "",
             "No such file or directory"),
            (["--explain", "--case", case], 0, "Of 1,000 women, 10 have breast cancer. 8 of these "
             "10 test positive. Of the 990 without breast cancer, 95 also test positive. So 8 of "
             "the 103 women who test positive have breast cancer (7.8%).", ""),
            (["--explain", "--case", damaged], 1, "", "is damaged and cannot be opened."),
        ]
        for args, status, out, err in rows:
            run = subprocess.run([binary, *args], env=program_env(), stdin=subprocess.DEVNULL,
                                 capture_output=True, text=True, timeout=20)
            what = " ".join(args)
            check(run.returncode == status, f"{what}: status {run.returncode}\n{run.stderr}")
            check(out in run.stdout.splitlines() or out in run.stdout, f"{what}: {run.stdout!r}")
            lines = run.stderr.splitlines()
            check(len(lines) == (1 if err else 0) and err in run.stderr, f"{what}: {lines}")
        with open(png, "rb") as f:
            check(f.read(8) == b"\x89PNG\r\n\x1a\n", "the curves are no PNG")
        with open(svg, encoding="utf-8") as f:
            check("15 of 314 who test positive" in f.read(), "the tree's SVG lacks its line")
        check(sorted(os.listdir(tmp)) == ["case.predivo", "curves.png", "damaged.predivo",
                                          "tree.SVG"], os.listdir(tmp))

        # As the desktop opens a case file: after the start-up screen, the calculator holds the
        # case as it was typed, and nothing calculated.
        with Desktop(accessibility=True) as d:
            d.start_program(binary, case)
            d.calculator(timeout=10)
            expect("the case's percentages in the calculator",
                   lambda: sorted(v for v in d.fields().values() if v), ["1", "80", "9.6"])


if __name__ == "__main__":
    main(test)
