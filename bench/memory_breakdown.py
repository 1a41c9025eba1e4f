#!/usr/bin/env python3
"""Where a Wine process's private memory lies.

Usage: memory_breakdown.py PID [MAP] [--totals]

PID is the Linux process; MAP is the output of memory_map.exe for the same
process (the Windows side's regions and what they are). Every page Linux
holds for the process is counted once, by what holds it:
  - a Windows region of MAP: the program's image, a system DLL, a heap, a
    thread's stack, other private memory;
  - else the Linux mapping it lies in: one of Wine's own Linux libraries, or
    "[heap]", the Linux-side allocations of Wine (GDI objects, fonts, X).
With --totals only the three totals are printed, in KiB.

Three counts per holder:
  private    what smaps counts as private (Private_Clean + Private_Dirty):
             pages this process alone maps. A DLL page that any other process
             of the machine also maps is left out, so the figure moves with
             what else runs, other developers' programs included.
  quiet      pages no other process of the same Wine session maps: private as
             it would be on a machine running nothing else. It needs the
             pages' physical numbers, which only root may read; without them
             it is the private count.
  anonymous  the part no file backs, which nothing else can share.
"""
import os
import signal
import struct
import sys
from collections import defaultdict

PAGE = os.sysconf("SC_PAGE_SIZE")
PRESENT = 1 << 63
FILE_OR_SHARED = 1 << 61
EXCLUSIVE = 1 << 56
FRAME = (1 << 55) - 1


def linux_mappings(pid):
    """(start, end, name) of each mapping with resident pages."""
    maps = []
    with open(f"/proc/{pid}/smaps") as f:
        current = None
        for line in f:
            head = line.split()
            if "-" in head[0] and len(head) >= 5 and not head[0].endswith(":"):
                start, end = (int(x, 16) for x in head[0].split("-"))
                name = os.path.basename(head[5]) if len(head) >= 6 else "[anonymous]"
                current = [start, end, name, 0]
                maps.append(current)
            elif head[0] == "Rss:" and current is not None:
                current[3] = int(head[1])
    return [(s, e, n) for s, e, n, rss in maps if rss > 0]


def pages(pid):
    """(address, pagemap entry, mapping name) of each present page."""
    with open(f"/proc/{pid}/pagemap", "rb") as pagemap:
        for start, end, name in linux_mappings(pid):
            pagemap.seek(start // PAGE * 8)
            entries = pagemap.read((end - start) // PAGE * 8)
            for i, (entry,) in enumerate(struct.iter_unpack("<Q", entries)):
                if entry & PRESENT:
                    yield start + i * PAGE, entry, name


def session_peers(pid):
    """The other processes of the same Wine session (same WINEPREFIX)."""
    def prefix(p):
        try:
            with open(f"/proc/{p}/environ", "rb") as f:
                for item in f.read().split(b"\0"):
                    if item.startswith(b"WINEPREFIX="):
                        return item
        except OSError:
            return None
        return None

    mine = prefix(pid)
    return [int(e) for e in os.listdir("/proc")
            if e.isdigit() and int(e) != pid and mine and prefix(e) == mine]


def peer_frames(pid):
    """Physical page numbers the other processes of the session map."""
    frames = set()
    for peer in session_peers(pid):
        try:
            for _, entry, _ in pages(peer):
                if entry & FRAME:
                    frames.add(entry & FRAME)
        except OSError:
            pass
    return frames


def windows_regions(path):
    regions = []
    if not path:
        return regions
    with open(path, errors="replace") as f:
        for line in f:
            parts = line.strip().split(" ", 2)
            if len(parts) == 3:
                regions.append((int(parts[0], 16), int(parts[1], 16), parts[2]))
    regions.sort()
    return regions


def label_of(address, regions, index):
    """The Windows label of `address`; `index` walks forward with the pages."""
    while index < len(regions) and regions[index][1] <= address:
        index += 1
    if index < len(regions) and regions[index][0] <= address:
        return regions[index][2], index
    return None, index


def main():
    # Read through `head`: end quietly when it has had enough.
    signal.signal(signal.SIGPIPE, signal.SIG_DFL)
    args = [a for a in sys.argv[1:] if a != "--totals"]
    totals_only = "--totals" in sys.argv
    pid = int(args[0])
    regions = windows_regions(args[1] if len(args) > 1 else None)
    peers = peer_frames(pid)
    counts = defaultdict(lambda: [0, 0, 0])  # private, quiet, anonymous
    by_region = defaultdict(int)
    frames_known = False
    index = 0
    # Pages come in address order and regions are sorted: walk both together.
    for address, entry, name in pages(pid):
        frame = entry & FRAME
        frames_known = frames_known or frame != 0
        private = bool(entry & EXCLUSIVE)
        quiet = frame not in peers if frame else private
        # Shared memory with the X server (MIT-SHM) is the server's too.
        quiet = quiet and not name.startswith("SYSV")
        if not private and not quiet:
            continue
        label, index = label_of(address, regions, index)
        if label is None:
            label = "linux " + name
        elif label == "private" and name != "[anonymous]":
            label = "mapped " + name
        c = counts[label]
        c[0] += PAGE if private else 0
        c[1] += PAGE if quiet else 0
        c[2] += PAGE if quiet and not entry & FILE_OR_SHARED else 0
        if quiet and index < len(regions) and regions[index][0] <= address < regions[index][1]:
            by_region[regions[index]] += PAGE
    kib = lambda n: n // 1024  # noqa: E731
    total = [sum(c[i] for c in counts.values()) for i in range(3)]
    if totals_only:
        print(f"{kib(total[0])} {kib(total[1])} {kib(total[2])}")
        return
    if not frames_known:
        print("(physical page numbers are hidden from this user: quiet = private)")
    print(f"{'KiB private':>12} {'quiet':>8} {'anonymous':>10}  held by")
    for label, (p, q, a) in sorted(counts.items(), key=lambda kv: -kv[1][1]):
        print(f"{kib(p):>12} {kib(q):>8} {kib(a):>10}  {label}")
    print(f"{kib(total[0]):>12} {kib(total[1]):>8} {kib(total[2]):>10}  total")
    if os.environ.get("VIX_MEMORY_REGIONS"):
        print("largest Windows regions (quiet count):")
        for (start, end, label), size in sorted(by_region.items(), key=lambda kv: -kv[1])[:20]:
            print(f"{kib(size):>12}  {start:x}-{end:x} ({kib(end - start)} KiB) {label}")


if __name__ == "__main__":
    main()
