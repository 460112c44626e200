#!/usr/bin/env python3
"""Draws the web wizard's pictures into resources/web/images.

The pictures are plain geometric drawings made here, so that the program
carries no artwork from elsewhere. Run it again after changing a drawing and
commit the files it writes; the build embeds the files, not this script.
"""

import math
import os
import struct
import sys
import zlib

TRANSPARENT = (0, 0, 0, 0)


class Canvas:
    def __init__(self, width, height, background=TRANSPARENT):
        self.width = width
        self.height = height
        self.pixels = [[background] * width for _ in range(height)]

    def put(self, x, y, color):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = color

    def rect(self, x0, y0, x1, y1, color):
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                self.pixels[y][x] = color

    def frame(self, x0, y0, x1, y1, color):
        self.rect(x0, y0, x1, y0 + 1, color)
        self.rect(x0, y1 - 1, x1, y1, color)
        self.rect(x0, y0, x0 + 1, y1, color)
        self.rect(x1 - 1, y0, x1, y1, color)

    def disc(self, cx, cy, r, color):
        for y in range(self.height):
            for x in range(self.width):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self.pixels[y][x] = color

    def rounded(self, x0, y0, x1, y1, r, color):
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                dx = max(x0 + r - (x + 0.5), 0, (x + 0.5) - (x1 - r))
                dy = max(y0 + r - (y + 0.5), 0, (y + 0.5) - (y1 - r))
                if dx * dx + dy * dy <= r * r:
                    self.pixels[y][x] = color

    def polygon(self, points, color):
        for y in range(self.height):
            for x in range(self.width):
                if inside(points, x + 0.5, y + 0.5):
                    self.pixels[y][x] = color

    def line(self, x0, y0, x1, y1, width, color):
        for y in range(self.height):
            for x in range(self.width):
                if distance_to_segment(x + 0.5, y + 0.5, x0, y0, x1, y1) <= width / 2:
                    self.pixels[y][x] = color

    def vertical_gradient(self, top, bottom):
        for y in range(self.height):
            t = y / max(1, self.height - 1)
            color = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
            for x in range(self.width):
                self.pixels[y][x] = color


def inside(points, x, y):
    result = False
    j = len(points) - 1
    for i, (xi, yi) in enumerate(points):
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            result = not result
        j = i
    return result


def distance_to_segment(px, py, x0, y0, x1, y1):
    dx, dy = x1 - x0, y1 - y0
    length = dx * dx + dy * dy
    t = 0 if length == 0 else max(0, min(1, ((px - x0) * dx + (py - y0) * dy) / length))
    return math.hypot(px - (x0 + t * dx), py - (y0 + t * dy))


def png(canvas):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\0" + bytes(v for pixel in row for v in pixel) for row in canvas.pixels)
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) +
            chunk(b"IEND", b""))


def lzw(indices, min_code_size):
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    codes = []
    table = {(i,): i for i in range(clear)}
    next_code, size = end + 1, min_code_size + 1
    codes.append((clear, size))
    prefix = ()
    for index in indices:
        candidate = prefix + (index,)
        if candidate in table:
            prefix = candidate
            continue
        codes.append((table[prefix], size))
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code - 1 == (1 << size) and size < 12:
                size += 1
        else:
            codes.append((clear, size))
            table = {(i,): i for i in range(clear)}
            next_code, size = end + 1, min_code_size + 1
        prefix = (index,)
    if prefix:
        codes.append((table[prefix], size))
    codes.append((end, size))
    bits, count, out = 0, 0, bytearray()
    for code, width in codes:
        bits |= code << count
        count += width
        while count >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            count -= 8
    if count:
        out.append(bits & 0xFF)
    return bytes(out)


def gif(frames, delay=0):
    """Frames of one size; a fully transparent pixel becomes the transparent index."""
    palette = [TRANSPARENT]
    for frame in frames:
        for row in frame.pixels:
            for pixel in row:
                if pixel[3] != 0 and pixel not in palette:
                    palette.append(pixel)
    bits = max(2, math.ceil(math.log2(len(palette))))
    assert len(palette) <= 256
    colors = palette + [TRANSPARENT] * ((1 << bits) - len(palette))
    width, height = frames[0].width, frames[0].height
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", width, height, 0x80 | ((bits - 1) << 4) | (bits - 1), 0, 0)
    out += b"".join(bytes(color[:3]) for color in colors)
    if len(frames) > 1:
        out += b"\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00"
    for frame in frames:
        out += b"\x21\xf9\x04" + struct.pack("<BHBB", 0x09, delay, 0, 0)
        out += b"\x2c" + struct.pack("<HHHHB", 0, 0, width, height, 0)
        indices = [0 if pixel[3] == 0 else palette.index(pixel) for row in frame.pixels for pixel in row]
        data = lzw(indices, bits)
        out.append(bits)
        for at in range(0, len(data), 255):
            block = data[at:at + 255]
            out.append(len(block))
            out += block
        out.append(0)
    out += b"\x3b"
    return bytes(out)


BLUE = (42, 115, 184, 255)
DARK_BLUE = (29, 74, 120, 255)
GREEN = (76, 160, 76, 255)
RED = (200, 60, 55, 255)
ORANGE = (230, 160, 40, 255)
GREY = (150, 160, 170, 255)
LIGHT_GREY = (215, 222, 228, 255)
WHITE = (255, 255, 255, 255)
TEAL = (40, 150, 150, 255)
PURPLE = (120, 90, 170, 255)


def plus_minus_box(plus):
    c = Canvas(9, 9, WHITE)
    c.frame(0, 0, 9, 9, GREY)
    c.rect(2, 4, 7, 5, DARK_BLUE)
    if plus:
        c.rect(4, 2, 5, 7, DARK_BLUE)
    return c


def dropdown_arrow(color):
    c = Canvas(9, 5)
    c.polygon([(0, 0), (9, 0), (4.5, 5)], color)
    return c


def indicator_frames():
    frames = []
    for step in range(8):
        c = Canvas(16, 16)
        for spoke in range(8):
            angle = (spoke / 8) * 2 * math.pi
            shade = 230 - ((spoke - step) % 8) * 22
            color = (shade // 2, shade // 2 + 20, shade, 255) if (spoke - step) % 8 else DARK_BLUE
            c.disc(8 + 5.5 * math.cos(angle), 8 + 5.5 * math.sin(angle), 1.6, color)
        frames.append(c)
    return frames


def gauge_end(color, left):
    c = Canvas(6, 12)
    c.rounded(0 if left else -6, 0, 12 if left else 6, 12, 5, color)
    return c


def gauge_fill(color):
    c = Canvas(1, 12)
    c.rect(0, 0, 1, 12, color)
    c.rect(0, 0, 1, 1, tuple(min(255, v + 40) for v in color[:3]) + (255,))
    return c


def arrow(direction):
    c = Canvas(12, 12)
    if direction == "down":
        c.polygon([(2, 4), (10, 4), (6, 9)], DARK_BLUE)
    elif direction == "right":
        c.polygon([(4, 2), (4, 10), (9, 6)], DARK_BLUE)
    else:
        c.polygon([(3, 3), (3, 13), (13, 8)], DARK_BLUE)
    return c


def warning_sign():
    c = Canvas(16, 16)
    c.polygon([(8, 1), (15.5, 15), (0.5, 15)], ORANGE)
    c.rect(7, 5, 9, 11, WHITE)
    c.rect(7, 12, 9, 14, WHITE)
    return c


def round_mark(color, glyph):
    c = Canvas(16, 16)
    c.disc(8, 8, 7.5, color)
    if glyph == "x":
        c.line(5, 5, 11, 11, 2, WHITE)
        c.line(11, 5, 5, 11, 2, WHITE)
    elif glyph == "check":
        c.line(4, 8.5, 7, 11.5, 2, WHITE)
        c.line(7, 11.5, 12, 5, 2, WHITE)
    elif glyph == "half":
        c.polygon([(8, 0), (16, 0), (16, 16), (8, 16)], TRANSPARENT)
        c.disc(8, 8, 7.5, TRANSPARENT)
        c.disc(8, 8, 7.5, LIGHT_GREY)
        for y in range(16):
            for x in range(8):
                if (x + 0.5 - 8) ** 2 + (y + 0.5 - 8) ** 2 <= 7.5 ** 2:
                    c.put(x, y, color)
    elif glyph == "dot":
        c.disc(8, 8, 3, WHITE)
    elif glyph == "up":
        c.polygon([(8, 3.5), (12.5, 9), (3.5, 9)], WHITE)
        c.rect(7, 9, 9, 13, WHITE)
    elif glyph == "question":
        c.rect(7, 11, 9, 13, WHITE)
        c.line(6, 6, 8, 4, 2, WHITE)
        c.line(8, 4, 10, 6, 2, WHITE)
        c.line(10, 6, 8, 9, 2, WHITE)
    return c


def company_logo():
    c = Canvas(150, 44)
    c.rounded(0, 2, 40, 42, 8, BLUE)
    c.polygon([(9, 11), (31, 11), (31, 16), (17, 30), (31, 30), (31, 35), (9, 35), (9, 30), (23, 16), (9, 16)], WHITE)
    for i, height in enumerate([10, 18, 26, 34, 26]):
        x = 50 + i * 18
        c.rounded(x, 40 - height, x + 12, 40, 3, (BLUE, TEAL, GREEN, ORANGE, PURPLE)[i])
    return c


def header_background(top, bottom):
    c = Canvas(8, 96)
    c.vertical_gradient(top, bottom)
    return c


def tool_icon(color, glyph, disabled=False):
    if disabled:
        color = GREY
    c = Canvas(48, 48)
    c.rounded(2, 2, 46, 46, 9, color)
    if glyph == "box":
        c.polygon([(12, 18), (24, 12), (36, 18), (24, 24)], WHITE)
        c.polygon([(12, 20), (23, 26), (23, 38), (12, 32)], LIGHT_GREY)
        c.polygon([(25, 26), (36, 20), (36, 32), (25, 38)], WHITE)
    elif glyph == "plus-minus":
        c.rect(10, 16, 26, 20, WHITE)
        c.rect(16, 10, 20, 26, WHITE)
        c.rect(24, 30, 40, 34, WHITE)
    elif glyph == "refresh":
        for y in range(48):
            for x in range(48):
                r = math.hypot(x + 0.5 - 24, y + 0.5 - 24)
                angle = math.atan2(y + 0.5 - 24, x + 0.5 - 24)
                if 9 <= r <= 13 and angle > -2.4:
                    c.put(x, y, WHITE)
        c.polygon([(8, 22), (18, 22), (13, 14)], WHITE)
    elif glyph == "wrench":
        c.line(14, 34, 30, 18, 5, WHITE)
        c.disc(32, 16, 7, WHITE)
        c.disc(35, 13, 3, color)
    elif glyph == "bin":
        c.rect(14, 16, 34, 19, WHITE)
        c.rect(20, 12, 28, 16, WHITE)
        c.polygon([(16, 20), (32, 20), (30, 37), (18, 37)], WHITE)
    elif glyph == "patch":
        c.rounded(12, 18, 36, 30, 6, WHITE)
        c.disc(21, 24, 1.5, color)
        c.disc(27, 24, 1.5, color)
    elif glyph == "product":
        c.rounded(14, 14, 34, 34, 4, WHITE)
        c.rounded(19, 19, 29, 29, 2, color)
    elif glyph == "arrow":
        c.polygon([(16, 12), (34, 24), (16, 36)], WHITE)
    return c


def small_product(color):
    c = Canvas(32, 32)
    c.rounded(1, 1, 31, 31, 6, color)
    c.rounded(8, 8, 24, 24, 3, WHITE)
    c.rounded(12, 12, 20, 20, 2, color)
    return c


def small_arrow(color):
    c = Canvas(16, 16)
    c.polygon([(5, 3), (12, 8), (5, 13)], color)
    return c


def status_square(color, glyph):
    c = Canvas(16, 16)
    c.rounded(1, 1, 15, 15, 3, color)
    if glyph == "letter-q":
        c.frame(4, 4, 12, 12, WHITE)
        c.rect(9, 10, 13, 13, WHITE)
    elif glyph == "letter-t":
        c.rect(4, 4, 12, 6, WHITE)
        c.rect(7, 6, 9, 13, WHITE)
    return c


def pictures():
    yield "collapse.gif", gif([plus_minus_box(False)])
    yield "dropdown-arrow-active.gif", gif([dropdown_arrow(BLUE)])
    yield "dropdown-arrow.gif", gif([dropdown_arrow(GREY)])
    yield "expand.gif", gif([plus_minus_box(True)])
    yield "indicator.gif", gif(indicator_frames(), delay=10)
    yield "gauge/begin-empty.gif", gif([gauge_end(LIGHT_GREY, True)])
    yield "gauge/begin-filled.gif", gif([gauge_end(GREEN, True)])
    yield "gauge/empty.gif", gif([gauge_fill(LIGHT_GREY)])
    yield "gauge/end-empty.gif", gif([gauge_end(LIGHT_GREY, False)])
    yield "gauge/end-filled.gif", gif([gauge_end(GREEN, False)])
    yield "gauge/fill.gif", gif([gauge_fill(GREEN)])

    yield "arr_collapse.png", png(arrow("down"))
    yield "arr_expand.png", png(arrow("right"))
    yield "att_small.png", png(warning_sign())
    yield "company_logo.png", png(company_logo())
    yield "error.png", png(round_mark(RED, "x"))
    headers = {
        "add_remove_components": ((46, 110, 120, 255), (24, 70, 80, 255)),
        "install_upgrade_product": ((42, 100, 160, 255), (24, 60, 100, 255)),
        "login": ((50, 80, 110, 255), (30, 50, 70, 255)),
        "main": ((40, 70, 100, 255), (25, 45, 65, 255)),
        "repair_products": ((110, 90, 50, 255), (70, 55, 30, 255)),
        "uninstall_patch": ((100, 70, 120, 255), (60, 40, 80, 255)),
        "uninstall_product": ((130, 60, 60, 255), (80, 35, 35, 255)),
        "update_components": ((50, 120, 70, 255), (30, 75, 40, 255)),
    }
    for name, (top, bottom) in headers.items():
        yield "header_%s_bg.png" % name, png(header_background(top, bottom))
    yield "icon_add_remove_components_bg.png", png(tool_icon(TEAL, "plus-minus"))
    yield "icon_add_remove_components_disabled_bg.png", png(tool_icon(TEAL, "plus-minus", disabled=True))
    yield "icon_arrow.png", png(small_arrow(BLUE))
    yield "icon_arrow_disabled_bg.png", png(small_arrow(GREY))
    yield "icon_default_bg.png", png(tool_icon(BLUE, "product"))
    yield "icon_default_product.png", png(small_product(BLUE))
    yield "icon_default_product_disabled.png", png(small_product(GREY))
    yield "icon_install_upgrade_product_bg.png", png(tool_icon(BLUE, "box"))
    yield "icon_installed_bg.png", png(round_mark(GREEN, "check"))
    yield "icon_not_installed_bg.png", png(round_mark(GREY, "dot"))
    yield "icon_partly_installed_bg.png", png(round_mark(GREEN, "half"))
    yield "icon_vemq.png", png(status_square(ORANGE, "letter-q"))
    yield "icon_vemt.png", png(status_square(PURPLE, "letter-t"))
    yield "icon_repair_product_bg.png", png(tool_icon(ORANGE, "wrench"))
    yield "icon_uninstall_patch_bg.png", png(tool_icon(PURPLE, "patch"))
    yield "icon_uninstall_product_bg.png", png(tool_icon(RED, "bin"))
    yield "icon_update_components_bg.png", png(tool_icon(GREEN, "refresh"))
    yield "icon_updates_available_bg.png", png(round_mark(ORANGE, "up"))
    yield "installed.png", png(round_mark(GREEN, "check"))
    yield "mixed.png", png(round_mark(BLUE, "half"))
    yield "not-installed.png", png(round_mark(LIGHT_GREY, "dot"))
    yield "ok.png", png(round_mark(GREEN, "check"))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = os.path.join(here, "..", "resources", "web", "images")
    count = 0
    for name, data in pictures():
        path = os.path.join(target, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path + ".new", "wb") as out:
            out.write(data)
        os.replace(path + ".new", path)
        count += 1
    print("wrote %d pictures to %s" % (count, os.path.normpath(target)), file=sys.stderr)


if __name__ == "__main__":
    main()
