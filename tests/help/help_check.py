#!/usr/bin/env python3
"""The compiled help file against its sources: every page of the contents and
of the index, every page a page links to, and every picture and style sheet a
page uses, is inside the .chm; and the hot keys page names every Ctrl+Alt key
the program registers, with the program's own description of it.

    help_check.py HELP.CHM SOURCE_ROOT

The .chm is listed by chmls (Free Pascal's CHM utility, beside chmcmd).
"""
import pathlib
import re
import subprocess
import sys

PARAM_LOCAL = re.compile(r'<param\s+name="Local"\s+value="([^"]+)"', re.I)
PAGE_USES = re.compile(r'(?:src|href)="([^":#]+)"', re.I)
# A key row's description, a wide string literal that may be continued on
# the next lines: L"Ctrl+Alt+S: save ..." L"... (Capture tab)".
KEY_ROW = re.compile(r'L"(Ctrl\+Alt\+[A-Z]: (?:[^"\\]|\\.)*)"((?:\s*L"(?:[^"\\]|\\.)*")*)')
CONTINUED = re.compile(r'L"((?:[^"\\]|\\.)*)"')
DOCUMENTED = re.compile(r"<td><kbd>(Ctrl\+Alt\+[A-Z])</kbd></td><td>([^<]*)</td>")


def check(chm, source_root):
    help_dir = pathlib.Path(source_root) / "help"
    listing = subprocess.run(["chmls", "list", str(chm)], capture_output=True, text=True,
                             check=True).stdout
    # chmls lists each file as "<section> <offset> <size> /<name>".
    inside = {p[3][1:] for p in (line.split(None, 3) for line in listing.splitlines())
              if len(p) == 4 and p[0].isdigit() and p[3].startswith("/")}
    wanted = {}
    for name in ("contents.hhc", "index.hhk"):
        for page in PARAM_LOCAL.findall((help_dir / name).read_text(encoding="utf-8")):
            wanted.setdefault(page, f"named in {name}")
    for page in sorted(help_dir.glob("*.html")):
        for used in PAGE_USES.findall(page.read_text(encoding="utf-8")):
            wanted.setdefault(used, f"used by {page.name}")
    failures = [f"{name} ({why}) is not in {chm}"
                for name, why in sorted(wanted.items()) if name not in inside]

    # The fifteen keys' table and the tools' own keys, from the program's headers.
    rows = {}
    for header in sorted((pathlib.Path(source_root) / "src").glob("*/*.h")):
        for first, rest in KEY_ROW.findall(header.read_text(encoding="utf-8")):
            key, description = (first + "".join(CONTINUED.findall(rest))).split(": ", 1)
            rows[key] = description
    page = re.sub(r"\s+", " ", (help_dir / "hotkeys.html").read_text(encoding="utf-8"))
    documented = dict(DOCUMENTED.findall(page))
    if len(rows) < 15:
        failures.append(f"only {len(rows)} key rows found in the sources")
    failures += [f"hotkeys.html gives {key} as {documented.get(key)!r}, the program as {text!r}"
                 for key, text in sorted(rows.items()) if documented.get(key) != text]
    return failures


if __name__ == "__main__":
    failures = check(*sys.argv[1:])
    for failure in failures:
        print("FAILED:", failure)
    print(f"{len(failures)} failure(s) in the help file {sys.argv[1]}")
    sys.exit(1 if failures else 0)
