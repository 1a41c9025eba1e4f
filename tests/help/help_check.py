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


def chm_names(chm):
    listing = subprocess.run(["chmls", "list", str(chm)], capture_output=True, text=True,
                             check=True).stdout
    names = set()
    for line in listing.splitlines():
        parts = line.split(None, 3)
        if len(parts) == 4 and parts[0].isdigit() and parts[3].startswith("/"):
            names.add(parts[3][1:])
    return names


def wanted_files(help_dir):
    """What the help file must hold, each with the reason, from its sources."""
    wanted = {}
    for listing in ("contents.hhc", "index.hhk"):
        for page in PARAM_LOCAL.findall((help_dir / listing).read_text(encoding="utf-8")):
            wanted.setdefault(page, f"named in {listing}")
    for page in sorted(help_dir.glob("*.html")):
        for used in PAGE_USES.findall(page.read_text(encoding="utf-8")):
            wanted.setdefault(used, f"used by {page.name}")
    return wanted


def key_rows(source_root):
    """{"Ctrl+Alt+P": "start or stop the color picker", ...} from the program's
    headers: the fifteen keys' table and the tools' own keys."""
    rows = {}
    for header in sorted((source_root / "src").glob("*/*.h")):
        for first, rest in KEY_ROW.findall(header.read_text(encoding="utf-8")):
            text = first + "".join(CONTINUED.findall(rest))
            key, description = text.split(": ", 1)
            rows[key] = description
    return rows


def documented_keys(hotkeys_page):
    text = re.sub(r"\s+", " ", hotkeys_page.read_text(encoding="utf-8"))
    return dict(re.findall(r"<td><kbd>(Ctrl\+Alt\+[A-Z])</kbd></td><td>([^<]*)</td>", text))


def check(chm, source_root):
    source_root = pathlib.Path(source_root)
    help_dir = source_root / "help"
    failures = []
    inside = chm_names(chm)
    for name, why in sorted(wanted_files(help_dir).items()):
        if name not in inside:
            failures.append(f"{name} ({why}) is not in {chm}")
    documented = documented_keys(help_dir / "hotkeys.html")
    rows = key_rows(source_root)
    if len(rows) < 15:
        failures.append(f"only {len(rows)} key rows found in the sources")
    for key, description in sorted(rows.items()):
        if documented.get(key) != description:
            failures.append(f"hotkeys.html gives {key} as {documented.get(key)!r}, "
                            f"the program as {description!r}")
    return failures


def main(chm, source_root):
    failures = check(chm, source_root)
    for failure in failures:
        print("FAILED:", failure)
    print(f"{len(failures)} failure(s) in the help file {chm}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
