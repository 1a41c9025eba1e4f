#!/usr/bin/env python3
"""Draws the program's artwork into the art folders of src/ and its icon.

Every picture of the program is drawn here from a few primitives, so the set
stays consistent and can be changed in one place. Each goes to the art
folder of the code that shows it (the shell's to src/app/art, those of more
than one tool to src/ui/art), where the build makes it a resource named by
its file. Run it after changing a drawing and commit the files it writes:

    python3 resources/draw_artwork.py

Pictures are 32-bit BMPs with premultiplied alpha (the program draws them
with AlphaBlend over the skin), icons are 32-bit ICO files and the two
cursors are two-colour CUR files.
"""

import math
import os
import struct

RESOURCES = os.path.dirname(os.path.abspath(__file__))
SRC = os.path.join(os.path.dirname(RESOURCES), "src")
SHELL = os.path.join(SRC, "app", "art")
SHARED = os.path.join(SRC, "ui", "art")
COLOR = os.path.join(SRC, "color", "art")
RULER = os.path.join(SRC, "ruler", "art")
CAPTURE = os.path.join(SRC, "capture", "art")
PIN = os.path.join(SRC, "pin", "art")

# The skin's palette.
INK = (40, 44, 52, 255)
SOFT_INK = (92, 98, 110, 255)
ACCENT = (38, 110, 190, 255)
ACCENT_DARK = (24, 70, 128, 255)
ACCENT_LIGHT = (120, 176, 232, 255)
WHITE = (255, 255, 255, 255)
RED = (200, 48, 40, 255)
CLEAR = (0, 0, 0, 0)

# 5 x 7 pixel font for the few letters the artwork needs.
FONT = {
    "V": ["10001", "10001", "10001", "10001", "01010", "01010", "00100"],
    "I": ["111", "010", "010", "010", "010", "010", "111"],
    "X": ["10001", "10001", "01010", "00100", "01010", "10001", "10001"],
    "?": ["01110", "10001", "00001", "00110", "00100", "00000", "00100"],
    "2": ["01110", "10001", "00001", "00010", "00100", "01000", "11111"],
    "0": ["01110", "10001", "10011", "10101", "11001", "10001", "01110"],
    ".": ["0", "0", "0", "0", "0", "0", "1"],
    "v": ["00000", "00000", "10001", "10001", "01010", "01010", "00100"],
    " ": ["000", "000", "000", "000", "000", "000", "000"],
}


class Canvas:
    def __init__(self, w, h, fill=CLEAR):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def put(self, x, y, c):
        if not (0 <= x < self.w and 0 <= y < self.h):
            return
        r, g, b, a = c
        if a == 255:
            self.px[y][x] = c
            return
        dr, dg, db, da = self.px[y][x]
        oa = a + da * (255 - a) // 255
        if oa == 0:
            self.px[y][x] = CLEAR
            return
        mix = lambda s, d: (s * a + d * da * (255 - a) // 255) // oa
        self.px[y][x] = (mix(r, dr), mix(g, dg), mix(b, db), oa)

    def rect(self, x0, y0, x1, y1, c):
        """Fills x0..x1-1, y0..y1-1."""
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.put(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        self.rect(x0, y0, x1, y0 + 1, c)
        self.rect(x0, y1 - 1, x1, y1, c)
        self.rect(x0, y0, x0 + 1, y1, c)
        self.rect(x1 - 1, y0, x1, y1, c)

    def line(self, x0, y0, x1, y1, c):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.put(x0, y0, c)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def disc(self, cx, cy, r, c):
        """An antialiased disc centred on (cx, cy) in pixel units."""
        for y in range(int(cy - r) - 1, int(cy + r) + 2):
            for x in range(int(cx - r) - 1, int(cx + r) + 2):
                inside = 0
                for sy in range(4):
                    for sx in range(4):
                        px, py = x + (sx + 0.5) / 4, y + (sy + 0.5) / 4
                        if (px - cx) ** 2 + (py - cy) ** 2 <= r * r:
                            inside += 1
                if inside:
                    self.put(x, y, c[:3] + (c[3] * inside // 16,))

    def text(self, x, y, s, c, scale=1):
        for ch in s:
            rows = FONT[ch]
            for ry, row in enumerate(rows):
                for rx, bit in enumerate(row):
                    if bit == "1":
                        self.rect(x + rx * scale, y + ry * scale,
                                  x + (rx + 1) * scale, y + (ry + 1) * scale, c)
            x += (len(rows[0]) + 1) * scale
        return x

    def gradient(self, x0, y0, x1, y1, top, bottom):
        for y in range(y0, y1):
            t = (y - y0) / max(1, y1 - y0 - 1)
            c = tuple(int(top[i] + (bottom[i] - top[i]) * t) for i in range(4))
            self.rect(x0, y, x1, y + 1, c)

    def save_bmp(self, folder, name):
        rows = []
        for y in reversed(range(self.h)):
            row = bytearray()
            for r, g, b, a in self.px[y]:
                # Premultiplied, as AlphaBlend expects.
                row += bytes((b * a // 255, g * a // 255, r * a // 255, a))
            rows.append(bytes(row))
        data = b"".join(rows)
        header = struct.pack("<IiiHHIIiiII", 40, self.w, self.h, 1, 32, 0, len(data), 2835, 2835, 0, 0)
        file_header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, name + ".bmp"), "wb") as f:
            f.write(file_header + header + data)


def ico_image(canvas):
    """A 32-bit icon image: header with doubled height, BGRA rows, AND mask."""
    w, h = canvas.w, canvas.h
    xor = bytearray()
    for y in reversed(range(h)):
        for r, g, b, a in canvas.px[y]:
            xor += bytes((b, g, r, a))
    mask_row = ((w + 31) // 32) * 4
    and_mask = bytearray()
    for y in reversed(range(h)):
        bits = bytearray(mask_row)
        for x in range(w):
            if canvas.px[y][x][3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        and_mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    return header + bytes(xor) + bytes(and_mask)


def save_ico(path, canvases):
    images = [ico_image(c) for c in canvases]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for c, img in zip(canvases, images):
        out += struct.pack("<BBBBHHII", c.w % 256, c.h % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


def save_cursor(folder, name, pattern, hotspot):
    """A 32 x 32 two-colour cursor from rows of '.', '#' (black) and 'o' (white)."""
    w = h = 32
    rows = [r.ljust(w, ".") for r in pattern] + ["." * w] * (h - len(pattern))
    xor = bytearray()
    and_mask = bytearray()
    for y in reversed(range(h)):
        xbits, abits = bytearray(4), bytearray(4)
        for x in range(w):
            ch = rows[y][x]
            if ch == ".":
                abits[x // 8] |= 0x80 >> (x % 8)
            elif ch == "o":
                xbits[x // 8] |= 0x80 >> (x % 8)
        xor += xbits
        and_mask += abits
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 1, 0, len(xor) + len(and_mask), 0, 0, 2, 0)
    image = header + palette + bytes(xor) + bytes(and_mask)
    out = struct.pack("<HHH", 0, 2, 1)
    out += struct.pack("<BBBBHHII", w, h, 2, 0, hotspot[0], hotspot[1], len(image), 22)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name + ".cur"), "wb") as f:
        f.write(out + image)


# --- the pictures -----------------------------------------------------------

def state_colors(state):
    """Ink and plate of a button picture: dim at rest, full on hover, dark when pressed."""
    if state == "70":
        return SOFT_INK, None
    if state == "100":
        return INK, (255, 255, 255, 150)
    return WHITE, ACCENT_DARK


def caption_button(kind, state):
    """Caption buttons lie on the dark title strip: light ink at rest."""
    c = Canvas(14, 14)
    ink, plate = state_colors(state)
    if state == "70":
        ink = (232, 240, 252, 255)
    if plate:
        c.rect(0, 0, 14, 14, plate)
        c.frame(0, 0, 14, 14, ACCENT if state == "100" else ACCENT_DARK)
    if kind == "minimize":
        c.rect(3, 9, 11, 11, ink)
    elif kind == "restore":
        c.rect(3, 3, 11, 5, ink)
    else:
        for i in range(8):
            c.rect(3 + i, 3 + i, 5 + i, 4 + i, ink)
            c.rect(9 - i, 3 + i, 11 - i, 4 + i, ink)
    return c


def toggle_button(expanded, state):
    c = Canvas(12, 12)
    ink, plate = state_colors(state)
    c.rect(0, 0, 12, 12, plate or (255, 255, 255, 90))
    c.frame(0, 0, 12, 12, ACCENT_DARK if state != "70" else SOFT_INK)
    c.rect(3, 5, 9, 7, ink)
    if not expanded:
        c.rect(5, 3, 7, 9, ink)
    return c


def square_button(size, state):
    """A flat button's canvas: a framed plate on hover and press, nothing at rest."""
    c = Canvas(size, size)
    ink, plate = state_colors(state)
    if plate:
        c.rect(1, 1, size - 1, size - 1, plate)
        c.frame(1, 1, size - 1, size - 1, ACCENT if state == "100" else ACCENT_DARK)
    return c, ink, plate


def settings_button(state):
    c, ink, plate = square_button(23, state)
    # A gear: a ring with eight teeth.
    for dx, dy in ((0, -6), (0, 6), (-6, 0), (6, 0), (-4, -4), (4, -4), (-4, 4), (4, 4)):
        c.disc(11.5 + dx, 11.5 + dy, 2.0, ink)
    c.disc(11.5, 11.5, 5.2, ink)
    # The hub shows the plate (or nothing) through the gear.
    for y in range(23):
        for x in range(23):
            if (x + 0.5 - 11.5) ** 2 + (y + 0.5 - 11.5) ** 2 <= 2.2 ** 2:
                c.px[y][x] = plate[:3] + (255,) if plate else CLEAR
    return c


def help_button(state):
    c, ink, plate = square_button(23, state)
    c.disc(11.5, 11.5, 8.0, ink)
    c.text(7, 5, "?", plate[:3] + (255,) if plate else WHITE, 1)
    # A bolder question mark: draw it twice, one pixel apart.
    c.text(8, 5, "?", plate[:3] + (255,) if plate else WHITE, 1)
    return c


def title_image():
    c = Canvas(255, 15)
    c.gradient(0, 0, 255, 15, ACCENT_LIGHT, ACCENT_DARK)
    c.rect(0, 0, 255, 1, (255, 255, 255, 120))
    x = c.text(5, 4, "VIX", WHITE)
    c.text(x + 3, 4, "v2.0", (220, 232, 248, 255))
    # A colour strip: the three tools' hues.
    for i, col in enumerate(((214, 64, 52, 255), (64, 168, 84, 255), (52, 112, 214, 255))):
        c.rect(150 + i * 12, 5, 160 + i * 12, 10, col)
        c.frame(150 + i * 12, 5, 160 + i * 12, 10, (255, 255, 255, 160))
    return c


def program_icon(size):
    c = Canvas(size, size)
    s = size / 32.0
    c.disc(16 * s, 16 * s, 15 * s, ACCENT_DARK)
    c.disc(16 * s, 16 * s, 13.5 * s, ACCENT)
    # A dropper across the circle, tip at the lower left.
    for i in range(int(14 * s)):
        x = int(8 * s + i)
        y = int(24 * s - i)
        c.rect(x, y - max(1, int(s)), x + max(2, int(2 * s)), y + max(1, int(s)), WHITE)
    c.disc(23 * s, 9 * s, 4 * s, WHITE)
    c.disc(7.5 * s, 24.5 * s, 1.6 * s, (255, 220, 80, 255))
    return c


def logo():
    c = Canvas(120, 40)
    icon = program_icon(32)
    for y in range(32):
        for x in range(32):
            c.put(4 + x, 4 + y, icon.px[y][x])
    c.text(44, 6, "VIX", ACCENT_DARK, 4)
    return c


def dropper(c, x0, y0, scale, ink, glass):
    """An eyedropper lying from the lower left (tip) to the upper right (bulb)."""
    for i in range(int(15 * scale)):
        x = int(x0 + i)
        y = int(y0 - i)
        c.rect(x, y - 1, x + 3, y + 2, ink)
        if i > 2 * scale:
            c.put(x + 1, y, glass)
    c.disc(x0 + 17 * scale, y0 - 17 * scale, 4.2 * scale, ink)


def picker_button(on, state):
    """The colour picker's switch: a dropper; switched on, in a red ring."""
    c, ink, plate = square_button(32, state)
    dropper(c, 7, 25, 1.0, ink, (120, 200, 255, 255))
    if on:
        for a in range(0, 360, 3):
            x = 16 + 13 * math.cos(math.radians(a))
            y = 16 + 13 * math.sin(math.radians(a))
            c.disc(x, y, 1.2, RED)
    return c


def clipboard_button(state):
    c, ink, plate = square_button(22, state)
    c.rect(5, 4, 17, 19, ink)
    c.rect(7, 6, 15, 17, plate[:3] + (255,) if plate else WHITE)
    c.rect(8, 2, 14, 6, ink)
    for y in (9, 12, 15):
        c.rect(9, y, 14, y + 1, ink)
    return c


def photoshop_button(state):
    c, ink, plate = square_button(22, state)
    c.rect(3, 3, 19, 19, ink)
    c.rect(4, 4, 18, 18, (40, 90, 160, 255))
    # "P" and "s" in pixels.
    for x, y in ((6, 7), (6, 8), (6, 9), (6, 10), (6, 11), (6, 12), (6, 13), (7, 7), (8, 7),
                 (9, 8), (9, 9), (8, 10), (7, 10), (12, 10), (13, 10), (14, 10), (12, 11),
                 (13, 12), (14, 12), (14, 13), (12, 13), (13, 13)):
        c.put(x, y, WHITE)
    return c


def save_act_button(state):
    c, ink, plate = square_button(22, state)
    # A palette of four swatches with a down arrow: save the colours.
    for i, col in enumerate(((214, 64, 52, 255), (64, 168, 84, 255), (52, 112, 214, 255),
                             (240, 200, 60, 255))):
        x = 4 + (i % 2) * 6
        y = 4 + (i // 2) * 6
        c.rect(x, y, x + 5, y + 5, col)
    c.rect(15, 4, 17, 13, ink)
    for i in range(4):
        c.rect(12 + i, 12 + i, 20 - i, 13 + i, ink)
    c.rect(4, 17, 19, 19, ink)
    return c


def running_ring(c):
    """A switched-on tool's red ring."""
    for a in range(0, 360, 3):
        c.disc(16 + 13 * math.cos(math.radians(a)), 16 + 13 * math.sin(math.radians(a)), 1.2, RED)


def screen_capture_button(state):
    """The whole screen: a monitor on its stand."""
    c, ink, plate = square_button(32, state)
    c.rect(5, 7, 27, 22, ink)
    c.gradient(7, 9, 25, 20, ACCENT_LIGHT, ACCENT)
    c.rect(14, 22, 18, 25, ink)
    c.rect(10, 25, 22, 27, ink)
    return c


def rectangle_capture_button(on, state):
    """A dashed rectangle with handles at its corners."""
    c, ink, plate = square_button(32, state)
    for x in range(8, 25):
        if (x // 2) % 2 == 0:
            c.put(x, 9, ink)
            c.put(x, 23, ink)
    for y in range(9, 24):
        if (y // 2) % 2 == 0:
            c.put(8, y, ink)
            c.put(24, y, ink)
    for x, y in ((7, 8), (23, 8), (7, 22), (23, 22)):
        c.frame(x, y, x + 3, y + 3, ink)
    if on:
        running_ring(c)
    return c


def control_capture_button(on, state):
    """A small window outlined in red: the control under the pointer."""
    c, ink, plate = square_button(32, state)
    c.rect(8, 10, 24, 22, ink)
    c.rect(9, 13, 23, 21, WHITE)
    c.frame(7, 9, 25, 23, RED)
    if on:
        running_ring(c)
    return c


def save_snapshot_button(state):
    """A disk."""
    c, ink, plate = square_button(22, state)
    c.rect(4, 4, 18, 18, ink)
    c.rect(7, 4, 15, 9, plate[:3] + (255,) if plate else WHITE)
    c.rect(12, 5, 14, 8, ink)
    c.rect(6, 12, 16, 18, (220, 228, 240, 255))
    return c


def preview_button(state):
    """A magnifying glass."""
    c, ink, plate = square_button(22, state)
    c.disc(9, 9, 5.5, ink)
    c.disc(9, 9, 3.8, ACCENT_LIGHT)
    for i in range(5):
        c.rect(13 + i, 13 + i, 16 + i, 15 + i, ink)
    return c


def pin_button(state):
    """A push pin: a round head, its collar and the needle going down left."""
    c, ink, plate = square_button(22, state)
    c.disc(13, 8, 4.5, RED)
    c.disc(12, 7, 1.5, (240, 140, 130, 255))
    for i in range(5):
        c.rect(8 + i, 12 - i, 10 + i, 13 - i, ink)
    for i in range(5):
        c.rect(4 + i, 17 - i, 5 + i, 18 - i, ink)
    return c


RULER_FILL = (250, 236, 170, 255)


def ruler_strip(c, x0, y0, length, thickness, edge, ink):
    """A small ruler: a filled strip with ticks along `edge` ('top', 'bottom',
    'left' or 'right')."""
    horizontal = edge in ("top", "bottom")
    w, h = (length, thickness) if horizontal else (thickness, length)
    c.rect(x0, y0, x0 + w, y0 + h, RULER_FILL)
    c.frame(x0, y0, x0 + w, y0 + h, ink)
    for i in range(2, length - 1, 2):
        tick = 4 if i % 6 == 0 else 2
        if edge == "top":
            c.rect(x0 + i, y0, x0 + i + 1, y0 + tick, ink)
        elif edge == "bottom":
            c.rect(x0 + i, y0 + h - tick, x0 + i + 1, y0 + h, ink)
        elif edge == "left":
            c.rect(x0, y0 + i, x0 + tick, y0 + i + 1, ink)
        else:
            c.rect(x0 + w - tick, y0 + i, x0 + w, y0 + i + 1, ink)


def ruler_button(on, state):
    c, ink, plate = square_button(32, state)
    ruler_strip(c, 3, 11, 26, 10, "top", ink)
    if on:
        for a in range(0, 360, 3):
            c.disc(16 + 13 * math.cos(math.radians(a)), 16 + 13 * math.sin(math.radians(a)), 1.2, RED)
    return c


def rotate_button(to_vertical, state):
    """The turn: a ruler and a quarter-circle arrow."""
    c, ink, plate = square_button(24, state)
    if to_vertical:
        ruler_strip(c, 3, 14, 18, 7, "top", ink)
    else:
        ruler_strip(c, 14, 3, 18, 7, "right", ink)
    for a in range(180, 271, 6):
        c.disc(12 + 8 * math.cos(math.radians(a)) + 2, 12 + 8 * math.sin(math.radians(a)) + 2, 0.9, ACCENT_DARK)
    c.rect(13, 5, 17, 7, ACCENT_DARK)
    c.rect(15, 3, 17, 9, ACCENT_DARK)
    return c


def flip_button(edge, state):
    c, ink, plate = square_button(24, state)
    if edge in ("top", "bottom"):
        ruler_strip(c, 3, 8, 18, 8, edge, ink)
    else:
        ruler_strip(c, 8, 3, 18, 8, edge, ink)
    return c


PICKER = [
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "                      ####",
    "                     #oooo#",
    "                    #oooooo#",
    "           ########ooooooooo#",
    "     ######oooooooo#ooooooooo#",
    "  ###oooooooooooooo#ooooooooo#",
    "##ooooooooooooooooo#ooooooooo#",
    "  ###oooooooooooooo#ooooooooo#",
    "     ######oooooooo#ooooooooo#",
    "           ########ooooooooo#",
    "                    #oooooo#",
    "                     #oooo#",
    "                      ####",
]

MOVE = [
    "#",
    "##",
    "#o#",
    "#oo#",
    "#ooo#",
    "#oooo#",
    "#ooooo#",
    "#oooooo#",
    "#ooooooo#",
    "#oooo#####",
    "#oo#oo#",
    "#o# #oo#",
    "##   #oo#       #",
    "      ##       #o#",
    "              #ooo#",
    "             #ooooo#",
    "               #o#",
    "          #    #o#    #",
    "         ##    #o#    ##",
    "        #o######o######o#",
    "       #ooooooooooooooooo#",
    "        #o######o######o#",
    "         ##    #o#    ##",
    "          #    #o#    #",
    "               #o#",
    "             #ooooo#",
    "              #ooo#",
    "               #o#",
    "                #",
]


def main():
    for kind in ("minimize", "restore", "close"):
        for state in ("70", "100", "down"):
            caption_button(kind, state).save_bmp(SHELL, f"btn_{kind}_{state}")
    for expanded, name in ((False, "expand"), (True, "collapse")):
        for state in ("70", "100", "down"):
            toggle_button(expanded, state).save_bmp(SHELL, f"shift_{name}_{state}")
    for state in ("70", "100", "down"):
        settings_button(state).save_bmp(SHELL, f"btn_settings_{state}")
        help_button(state).save_bmp(SHELL, f"btn_help_{state}")
    for state in ("70", "100"):
        picker_button(False, state).save_bmp(COLOR, f"img_picker_enable_{state}")
        picker_button(True, state).save_bmp(COLOR, f"img_picker_disable_{state}")
        clipboard_button(state).save_bmp(SHARED, f"btn_clipboard_{state}")
        photoshop_button(state).save_bmp(SHARED, f"btn_photoshop_{state}")
        save_act_button(state).save_bmp(COLOR, f"btn_save_act_{state}")
    for state in ("70", "100"):
        ruler_button(False, state).save_bmp(RULER, f"img_ruler_enable_{state}")
        ruler_button(True, state).save_bmp(RULER, f"img_ruler_disable_{state}")
        rotate_button(False, state).save_bmp(RULER, f"img_ruler_horizontal_{state}")
        rotate_button(True, state).save_bmp(RULER, f"img_ruler_vertical_{state}")
        for name, edge in (("HA", "top"), ("HU", "bottom"), ("VR", "right"), ("VL", "left")):
            flip_button(edge, state).save_bmp(RULER, f"img_ruler_{name}_{state}")
    for state in ("70", "100"):
        screen_capture_button(state).save_bmp(CAPTURE, f"img_scapture_{state}")
        rectangle_capture_button(False, state).save_bmp(CAPTURE, f"img_rcapture_enable_{state}")
        rectangle_capture_button(True, state).save_bmp(CAPTURE, f"img_rcapture_disable_{state}")
        control_capture_button(False, state).save_bmp(CAPTURE, f"img_ccapture_enable_{state}")
        control_capture_button(True, state).save_bmp(CAPTURE, f"img_ccapture_disable_{state}")
        save_snapshot_button(state).save_bmp(CAPTURE, f"btn_save_capture_{state}")
        preview_button(state).save_bmp(CAPTURE, f"btn_preview_{state}")
        pin_button(state).save_bmp(PIN, f"btn_pin_{state}")
    title_image().save_bmp(SHELL, "title")
    logo().save_bmp(SHELL, "logo")
    # The program's icon, beside the resource script that names it MAINICON.
    icon = os.path.join(RESOURCES, "vix.ico")
    save_ico(icon, [program_icon(16), program_icon(32), program_icon(48)])
    # The eyedropper: hot spot at column 0, row 15. The rectangle capture's
    # move pointer: hot spot at the top-left corner.
    save_cursor(COLOR, "picker", PICKER, (0, 15))
    save_cursor(CAPTURE, "move", MOVE, (0, 0))


if __name__ == "__main__":
    main()
