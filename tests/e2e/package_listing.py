#!/usr/bin/env python3
"""The release package's content, read without installing it: the zip holds
the program, its hook library and its help file and nothing else, the
program, the library and the installer are signed with the package's
certificate and name the product and its maker in their version resources,
and the help file holds every page of its contents (help_check.py). (The
installed files are these very files: scripts/package signs them once and
packs them into both.)

    package_listing.py PACKAGE_DIR VERSION BUILD

PACKAGE_DIR is what scripts/package made, with its test certificate.
"""
import pathlib
import struct
import subprocess
import sys
import tempfile
import zipfile

SOURCE_ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(SOURCE_ROOT / "tests" / "help"))
import help_check  # noqa: E402

VERSION_STRINGS = {"ProductName": "VIX", "CompanyName": "Brellin Software Development"}


def align(offset):
    return (offset + 3) & ~3


def blocks(data, start, end):
    """The version-resource blocks from start to end: key, value, first
    child's offset and the block's end, in the layout Windows documents
    for VS_VERSIONINFO and its children."""
    while start + 6 <= end:
        length, value_length, text = struct.unpack_from("<HHH", data, start)
        if length == 0:
            return
        key_end = start + 6
        while data[key_end:key_end + 2] != b"\0\0":
            key_end += 2
        key = data[start + 6:key_end].decode("utf-16-le")
        value_start = align(key_end + 2)
        value = data[value_start:value_start + (value_length * 2 if text else value_length)]
        yield key, value, align(value_start + len(value)), start + length
        start = align(start + length)


def version_strings(path):
    """The strings of the file's version resource, of every language."""
    data = path.read_bytes()
    # The program's own version reader holds the key too; the resource
    # section comes after the data, so its copy is the last.
    root = data.rfind("VS_VERSION_INFO".encode("utf-16-le")) - 6
    if root < 0:
        return {}
    strings = {}
    for _, _, children, end in blocks(data, root, root + struct.unpack_from("<H", data, root)[0]):
        for name, _, tables, info_end in blocks(data, children, end):
            if name != "StringFileInfo":
                continue
            for _, _, entries, table_end in blocks(data, tables, info_end):
                for key, value, _, _ in blocks(data, entries, table_end):
                    strings[key] = value.decode("utf-16-le").rstrip("\0")
    return strings


def signed_by_package(path, root):
    """Whether the file's signature holds under the package's test root."""
    return subprocess.run(["osslsigncode", "verify", "-CAfile", str(root), "-in", str(path)],
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0


def main(package, version, build):
    package = pathlib.Path(package)
    root = package / "test-certificate" / "root.pem"
    failures = []

    def expect(ok, what):
        if not ok:
            failures.append(what)

    installer = package / f"VIX-{version}-{build}-setup.exe"
    archive = package / f"VIX-{version}-{build}.zip"
    with tempfile.TemporaryDirectory() as unpacked, zipfile.ZipFile(archive) as z:
        names = sorted(z.namelist())
        expect(names == ["VIX/Vix32.dll", "VIX/help.chm", "VIX/vix.exe"], f"the zip holds {names}")
        z.extractall(unpacked)
        program = pathlib.Path(unpacked) / "VIX" / "vix.exe"
        files = [pathlib.Path(unpacked) / "VIX" / "Vix32.dll", program, installer]
        help_file = pathlib.Path(unpacked) / "VIX" / "help.chm"
        if help_file.exists():
            for failure in help_check.check(help_file, SOURCE_ROOT):
                expect(False, failure)
        for path in files:
            expect(signed_by_package(path, root), f"{path.name} is not signed by the package")
            strings = version_strings(path)
            for key, value in VERSION_STRINGS.items():
                expect(strings.get(key) == value, f"{path.name}: {key} {strings.get(key)!r}")
        # The check itself: the program with its signature taken off fails it.
        unsigned = pathlib.Path(unpacked) / "unsigned.exe"
        subprocess.run(["osslsigncode", "remove-signature", "-in", str(program), "-out",
                        str(unsigned)], stdout=subprocess.DEVNULL, check=True)
        expect(not signed_by_package(unsigned, root), "an unsigned file passed the check")
    for failure in failures:
        print("FAILED:", failure)
    print(f"{len(failures)} failure(s) in the package listing of {package}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
