"""The Debian package as a user's machine gets it: built by CPack from this build tree, unpacked
and checked file by file with the desktop's own validators, then started from where it landed.

Arguments: the cpack program, the build folder, the project version.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from desktop import Desktop, Failure, check  # noqa: E402

APP_ID = "io.github.predivo.Predivo"
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)
# Every file with Debian's usual permissions: anything more is a stray install rule, and another
# mode is the build machine's umask leaking into every user's system.
EXPECTED = {
    "usr/bin/predivo": "-rwxr-xr-x",
    f"usr/share/applications/{APP_ID}.desktop": "-rw-r--r--",
    f"usr/share/metainfo/{APP_ID}.metainfo.xml": "-rw-r--r--",
    "usr/share/icons/hicolor/scalable/apps/predivo.svg": "-rw-r--r--",
    "usr/share/doc/predivo/copyright": "-rw-r--r--",
    "usr/share/doc/predivo/changelog.gz": "-rw-r--r--",
    **{f"usr/share/icons/hicolor/{n}x{n}/apps/predivo.png": "-rw-r--r--" for n in ICON_SIZES},
}


def run(argv, **kw):
    return subprocess.run(argv, capture_output=True, text=True, timeout=120, **kw)


def build_deb(cpack, build, out):
    # A builder whose umask is 002, usual with per-user groups, must still ship folders that
    # only root can write to; under root's own 022 such a leak would go unnoticed.
    os.umask(0o002)
    r = run([cpack, "-G", "DEB", "-B", out, "--config", os.path.join(build, "CPackConfig.cmake")])
    check(r.returncode == 0, f"cpack failed:\n{r.stdout}{r.stderr}")
    arch = run(["dpkg", "--print-architecture"]).stdout.strip()
    debs = [f for f in os.listdir(out) if f.endswith(".deb")]
    check(len(debs) == 1, f"cpack made {debs}, expected one .deb")
    return os.path.join(out, debs[0]), arch


def check_control(deb, arch, version):
    fields = {}
    for name in ("Package", "Version", "Architecture", "Section", "Maintainer", "Depends"):
        fields[name] = run(["dpkg-deb", "--field", deb, name]).stdout.strip()
    check(os.path.basename(deb) == f"predivo_{version}_{arch}.deb", f"file name {deb}")
    want = {"Package": "predivo", "Version": version, "Architecture": arch, "Section": "science"}
    for name, value in want.items():
        check(fields[name] == value, f"control field {name} is {fields[name]!r}, not {value!r}")
    check(fields["Maintainer"], "no Maintainer field")
    depends = {re.split(r"[\s(]", d.strip())[0] for d in re.split(r"[,|]", fields["Depends"])}
    # Qt's widgets library is only there when dpkg-shlibdeps actually ran.
    for needed in ("libqt6widgets6", "qt6-qpa-plugins", "fonts-dejavu-core"):
        check(needed in depends, f"Depends lacks {needed}: {fields['Depends']}")


def check_listing(deb):
    listing = run(["dpkg-deb", "--contents", deb]).stdout.splitlines()
    files = {}
    for line in listing:
        mode, owner, _size, _date, _time, path = line.split(None, 5)
        path = path.removeprefix("./")
        check(owner == "root/root", f"{path} belongs to {owner}")
        if mode.startswith("d"):
            check(mode == "drwxr-xr-x", f"folder {path} has mode {mode}")
        else:
            files[path] = mode
    check(files == EXPECTED,
          f"package files differ: extra {sorted(set(files) - set(EXPECTED))}, "
          f"missing {sorted(set(EXPECTED) - set(files))}, modes "
          f"{ {p: m for p, m in files.items() if EXPECTED.get(p, m) != m} }")


def desktop_entry(path):
    entry = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            key, sep, value = line.rstrip("\n").partition("=")
            if sep:
                entry[key] = value
    return entry


def check_files(root, version):
    binary = os.path.join(root, "usr/bin/predivo")
    sections = run(["readelf", "--section-headers", "--wide", binary]).stdout
    check(".text" in sections and ".symtab" not in sections, "the binary is not stripped")

    desktop_file = os.path.join(root, f"usr/share/applications/{APP_ID}.desktop")
    r = run(["desktop-file-validate", desktop_file])
    # Hints are advice (two main categories is deliberate); errors and warnings are faults.
    problems = [l for l in r.stdout.splitlines() if not re.search(r": hint: ", l)]
    check(r.returncode == 0 and not problems, f"desktop-file-validate:\n{r.stdout}{r.stderr}")
    entry = desktop_entry(desktop_file)
    check(entry.get("Exec", "").split()[:1] == ["predivo"], f"Exec={entry.get('Exec')}")
    check(entry.get("Icon") == "predivo", f"Icon={entry.get('Icon')} names no installed icon")

    metainfo = os.path.join(root, f"usr/share/metainfo/{APP_ID}.metainfo.xml")
    r = run(["appstreamcli", "validate", "--no-net", "--no-color", metainfo])
    check(r.returncode == 0, f"appstreamcli validate:\n{r.stdout}{r.stderr}")
    newest = ET.parse(metainfo).getroot().find("releases/release")
    check(newest is not None and newest.get("version") == version,
          f"the newest release in the metainfo is not {version}")
    return binary, entry


def check_runs(binary, entry):
    with Desktop() as d:
        wid = d.calculator(binary, timeout=20)
        # A desktop matches a window to its launcher by WM_CLASS; a mismatch leaves a second,
        # iconless entry in the task bar.
        wm_class = d.window(wid).get_wm_class()
        check(wm_class is not None and wm_class[1] == entry.get("StartupWMClass"),
              f"WM_CLASS {wm_class} does not match StartupWMClass={entry.get('StartupWMClass')}")
        d.request_close(wid)
        status = d.exit_status(10)
        check(status == 0, f"closing the calculator ended the program with status {status}")


def main():
    cpack, build, version = sys.argv[1:4]
    scratch = tempfile.mkdtemp(prefix="predivo-package-")
    try:
        deb, arch = build_deb(cpack, build, os.path.join(scratch, "out"))
        check_control(deb, arch, version)
        check_listing(deb)
        root = os.path.join(scratch, "root")
        r = run(["dpkg-deb", "--extract", deb, root])
        check(r.returncode == 0, f"dpkg-deb --extract failed: {r.stderr}")
        check_runs(*check_files(root, version))
    except Failure as e:
        print(f"FAIL: {e}", file=sys.stderr)
        sys.exit(1)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    print("PASS")


if __name__ == "__main__":
    main()
