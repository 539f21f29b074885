# The Debian package as a user's machine gets it: built by CPack from this build tree, unpacked
# and checked file by file with the desktop's own validators, then started from where it landed.
# Arguments: the cpack program, the build folder, the project version.

import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from desktop import Desktop, check, main, program_env  # noqa: E402

APP_ID = "io.github.predivo.Predivo"
# Every file with Debian's usual permissions: anything more is a stray install rule, and another
# mode is the build machine's umask leaking into every user's system.
EXPECTED = {
    "usr/bin/predivo": "-rwxr-xr-x",
    **dict.fromkeys((f"usr/share/applications/{APP_ID}.desktop",
                     f"usr/share/mime/packages/{APP_ID}.xml",
                     f"usr/share/metainfo/{APP_ID}.metainfo.xml",
                     "usr/share/icons/hicolor/scalable/apps/predivo.svg",
                     "usr/share/doc/predivo/copyright", "usr/share/doc/predivo/changelog.gz",
                     *(f"usr/share/icons/hicolor/{n}x{n}/apps/predivo.png"
                       for n in (16, 24, 32, 48, 64, 128, 256))), "-rw-r--r--"),
}


def run(*argv):
    r = subprocess.run(argv, capture_output=True, text=True, timeout=120)
    check(r.returncode == 0, f"{' '.join(argv)} failed:\n{r.stdout}{r.stderr}")
    return r.stdout


def test(cpack, build, version):
    with tempfile.TemporaryDirectory() as scratch:
        # A builder whose umask is 002, usual with per-user groups, must still ship folders that
        # only root can write to; under root's own 022 such a leak would go unnoticed.
        os.umask(0o002)
        run(cpack, "-G", "DEB", "-B", scratch, "--config", os.path.join(build, "CPackConfig.cmake"))
        debs = [f for f in os.listdir(scratch) if f.endswith(".deb")]
        arch = run("dpkg", "--print-architecture").strip()
        check(debs == [f"predivo_{version}_{arch}.deb"], f"cpack made {debs}")
        deb = os.path.join(scratch, debs[0])

        control = run("dpkg-deb", "--field", deb).splitlines()
        fields = dict(line.split(": ", 1) for line in control if line[:1].isalpha())
        want = {"Package": "predivo", "Version": version, "Architecture": arch,
                "Section": "science"}
        check(want.items() <= fields.items(), f"control fields {fields}, expected {want}")
        # Qt's widgets library is only there when dpkg-shlibdeps actually ran.
        depends = {re.split(r"[\s(]", d.strip())[0] for d in re.split(r"[,|]", fields["Depends"])}
        check({"libqt6widgets6", "qt6-qpa-plugins", "fonts-dejavu-core"} <= depends,
              f"Depends: {fields['Depends']}")

        files = {}
        for line in run("dpkg-deb", "--contents", deb).splitlines():
            mode, owner, _size, _date, _time, path = line.split(None, 5)
            check(owner == "root/root" and (mode[0] != "d" or mode == "drwxr-xr-x"),
                  f"{path}: {mode} {owner}")
            files[path.removeprefix("./")] = mode
        check({p: m for p, m in files.items() if m[0] != "d"} == EXPECTED,
              f"files other than expected: {set(files.items()) ^ set(EXPECTED.items())}")

        root = os.path.join(scratch, "root")
        run("dpkg-deb", "--extract", deb, root)
        binary = os.path.join(root, "usr/bin/predivo")
        check(".symtab" not in run("readelf", "--section-headers", binary), "binary not stripped")
        desktop_file = os.path.join(root, f"usr/share/applications/{APP_ID}.desktop")
        # Hints are advice (two main categories is deliberate); errors and warnings are faults.
        problems = [l for l in run("desktop-file-validate", desktop_file).splitlines()
                    if ": hint: " not in l]
        check(not problems, f"desktop-file-validate: {problems}")
        with open(desktop_file, encoding="utf-8") as f:
            entry = dict(line.rstrip("\n").split("=", 1) for line in f if "=" in line)
        check(entry["Exec"].split()[0] == "predivo" and entry["Icon"] == "predivo",
              f"Exec={entry['Exec']} Icon={entry['Icon']}: no installed program or icon")
        # Its words in the desktop's language, the launcher's and the installed program's own.
        check(all(f"{key}[{lang}]" in entry for key in ("Comment", "GenericName", "Keywords")
                  for lang in ("de", "es", "fr")), f"untranslated entries: {entry}")
        german = subprocess.run([binary, "--explain", "0.3", "50", "3"], capture_output=True,
                                text=True, env=program_env("de", "de_DE.UTF-8"), timeout=30)
        check("10.000 Personen" in german.stdout, f"the installed program in German: {german}")
        # The desktop's own tool builds its type database from the package's folder: a case file
        # is then of the type the launcher opens.
        mime = os.path.join(root, "usr/share/mime")
        run("update-mime-database", mime)
        with open(os.path.join(mime, "globs2"), encoding="utf-8") as f:
            globs = f.read()
        check(f"{entry['MimeType'].rstrip(';')}:*.predivo" in globs and "%f" in entry["Exec"],
              f"MimeType={entry['MimeType']} Exec={entry['Exec']}; globs2: {globs!r}")
        metainfo = os.path.join(root, f"usr/share/metainfo/{APP_ID}.metainfo.xml")
        run("appstreamcli", "validate", "--no-net", "--no-color", metainfo)
        newest = ET.parse(metainfo).getroot().find("releases/release")
        check(newest.get("version") == version, f"the newest release is not {version}")

        # Installed and removed by dpkg itself, into a root of the test's own, so that the type
        # and the entry come with the package and go with it.
        admin, inst = os.path.join(scratch, "admin"), os.path.join(scratch, "installed")
        os.makedirs(os.path.join(admin, "updates"))
        os.makedirs(inst)
        open(os.path.join(admin, "status"), "w").close()
        dpkg = ["dpkg", f"--admindir={admin}", f"--instdir={inst}", "--force-not-root",
                "--force-depends", "--force-script-chrootless"]
        run(*dpkg, "--install", deb)
        installed = {os.path.relpath(os.path.join(p, f), inst)
                     for p, _, fs in os.walk(inst) for f in fs}
        check({f"usr/share/mime/packages/{APP_ID}.xml",
               f"usr/share/applications/{APP_ID}.desktop"} <= installed, f"installed {installed}")
        run(*dpkg, "--purge", "predivo")
        left = [os.path.join(p, f) for p, _, fs in os.walk(inst) for f in fs]
        check(not left, f"left after removal: {left}")

        with Desktop() as d:
            # A desktop matches a window to its launcher by WM_CLASS; a mismatch leaves a second,
            # iconless entry in the task bar.
            wm_class = d.window(d.calculator(binary, timeout=20)).get_wm_class()
            check(wm_class and wm_class[1] == entry["StartupWMClass"],
                  f"WM_CLASS {wm_class}, but StartupWMClass={entry['StartupWMClass']}")
            d.request_close(d.calc)
            d.check_exit(0, "after closing the calculator", 10)


if __name__ == "__main__":
    main(test)
