#!/usr/bin/env python3
"""Draws every skin picture of the browser into resources/skin/.

Pure standard library, deterministic: the same script always writes the same bytes, so the
committed pictures can be regenerated and diffed. Run it from anywhere:

    python3 resources/draw_skin.py

The drawing model is tiny: a canvas of premultiplied RGBA floats, straight edges laid on
integer pixel boundaries (crisp at 1:1), and curved or slanted shapes covered with 4 x 4
supersampling (simple anti-aliasing). BMP pictures are opaque, so every BMP is first filled
with the colour of the surface the control sits on (the band, the tab strip or a tab); the
PNG pictures keep real transparency where the surface behind them varies.

Palette: the frame blue RGB(0,96,192) (COLORREF 0xC06000), light blue-grey backgrounds,
slate glyphs that turn frame blue under the pointer.
"""

import math
import os
import struct
import zlib

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "skin")

# ---------------------------------------------------------------- palette (RGB)
FRAME_BLUE = (0, 96, 192)
DARK_BLUE = (0, 70, 148)
WHITE = (255, 255, 255)
GLYPH = (52, 74, 98)            # slate: normal glyphs
CAPTION_GLYPH = (40, 48, 58)    # window buttons on white
STRIP = (221, 231, 242)         # the tab strip behind the tabs (window background there)
TAB_ACTIVE_FILL = (252, 253, 255)
TAB_ACTIVE_LINE = (140, 184, 232)
TAB_INACTIVE_FILL = (233, 239, 246)
TAB_INACTIVE_LINE = (168, 186, 206)
PLATE_HOT = (222, 236, 251)
PLATE_HOT_LINE = (150, 192, 236)
PLATE_PRESSED = (196, 221, 247)
PLATE_PRESSED_LINE = (100, 156, 220)
CLOSE_RED = (224, 42, 48)
CLOSE_RED_DARK = (168, 24, 30)
GRIP_LINE = (0xC1, 0xCE, 0xD8)


def band_colour(y):
    """The 88-row top band: a white caption row, a hairline, then a soft gradient that ends in
    the tab strip's colour so the band runs into the strip without a seam."""
    if y < 27:
        return WHITE
    if y == 27:
        return (226, 234, 243)
    t = (y - 28) / 59.0
    top, bottom = (246, 249, 253), STRIP
    return tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))


# ---------------------------------------------------------------- canvas
class Canvas:
    SS = 4

    def __init__(self, w, h, colour=None):
        self.w, self.h = w, h
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(w * h)]
        if colour is not None:
            self.rect(0, 0, w, h, colour)

    def _blend(self, x, y, colour, alpha):
        if alpha <= 0 or not (0 <= x < self.w and 0 <= y < self.h):
            return
        r, g, b = colour[:3]
        a = alpha * (colour[3] / 255.0 if len(colour) > 3 else 1.0)
        p = self.px[y * self.w + x]
        k = 1.0 - a
        p[0] = r / 255.0 * a + p[0] * k
        p[1] = g / 255.0 * a + p[1] * k
        p[2] = b / 255.0 * a + p[2] * k
        p[3] = a + p[3] * k

    def rect(self, x0, y0, x1, y1, colour):
        """Fills the pixels x0 <= x < x1, y0 <= y < y1 (no anti-aliasing)."""
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                self._blend(x, y, colour, 1.0)

    def frame(self, x0, y0, x1, y1, colour):
        self.rect(x0, y0, x1, y0 + 1, colour)
        self.rect(x0, y1 - 1, x1, y1, colour)
        self.rect(x0, y0 + 1, x0 + 1, y1 - 1, colour)
        self.rect(x1 - 1, y0 + 1, x1, y1 - 1, colour)

    def clear_rect(self, x0, y0, x1, y1):
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                self.px[y * self.w + x] = [0.0, 0.0, 0.0, 0.0]

    def shape(self, inside, colour, box=None):
        """Covers the pixels inside the predicate inside(x, y) with 4 x 4 supersampling."""
        x0, y0, x1, y1 = box or (0, 0, self.w, self.h)
        n = self.SS
        offs = [(i + 0.5) / n for i in range(n)]
        for y in range(max(0, int(y0)), min(self.h, int(math.ceil(y1)))):
            for x in range(max(0, int(x0)), min(self.w, int(math.ceil(x1)))):
                hits = sum(1 for oy in offs for ox in offs if inside(x + ox, y + oy))
                if hits:
                    self._blend(x, y, colour, hits / (n * n))

    def pixel(self, x, y, colour):
        self._blend(x, y, colour, 1.0)

    # ------------------------------------------------------------ output
    def rgba(self):
        """Straight-alpha 8-bit RGBA rows, top row first."""
        rows = []
        for y in range(self.h):
            row = []
            for x in range(self.w):
                r, g, b, a = self.px[y * self.w + x]
                if a <= 0:
                    row.append((0, 0, 0, 0))
                    continue
                row.append(tuple(min(255, round(c / a * 255)) for c in (r, g, b)) + (round(a * 255),))
            rows.append(row)
        return rows


# ---------------------------------------------------------------- shape predicates
def seg(x0, y0, x1, y1, width):
    """A stroke of the given width with round caps."""
    dx, dy = x1 - x0, y1 - y0
    ll = dx * dx + dy * dy
    hw2 = (width / 2.0) ** 2

    def inside(x, y):
        t = 0.0 if ll == 0 else max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / ll))
        ex, ey = x0 + t * dx - x, y0 + t * dy - y
        return ex * ex + ey * ey <= hw2
    return inside


def polyline(points, width):
    parts = [seg(*points[i], *points[i + 1], width) for i in range(len(points) - 1)]
    return lambda x, y: any(p(x, y) for p in parts)


def polygon(points):
    def inside(x, y):
        c = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                c = not c
            j = i
        return c
    return inside


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r_out, r_in, start=None, end=None):
    """Annulus, optionally only the angles start..end (degrees, 0 = east, counter-clockwise
    with y pointing down as on screen)."""
    def inside(x, y):
        d2 = (x - cx) ** 2 + (y - cy) ** 2
        if not (r_in * r_in <= d2 <= r_out * r_out):
            return False
        if start is None:
            return True
        a = math.degrees(math.atan2(cy - y, x - cx)) % 360
        return (a - start) % 360 <= (end - start) % 360
    return inside


def ellipse_ring(cx, cy, rx, ry, width):
    def inside(x, y):
        # distance along the normal, approximated by scaling the implicit function
        u, v = (x - cx) / rx, (y - cy) / ry
        f = math.sqrt(u * u + v * v)
        if f == 0:
            return False
        grad = math.sqrt((u / rx) ** 2 + (v / ry) ** 2) / f
        return abs(f - 1) / grad <= width / 2.0
    return inside


def rrect(x0, y0, x1, y1, r, corners="tl tr bl br"):
    """Rounded rectangle over [x0, x1) x [y0, y1); only the named corners are rounded."""
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        for name, cx, cy in (("tl", x0 + r, y0 + r), ("tr", x1 - r, y0 + r),
                             ("bl", x0 + r, y1 - r), ("br", x1 - r, y1 - r)):
            if name not in corners:
                continue
            if (name[1] == "l" and x < cx or name[1] == "r" and x > cx) and \
               (name[0] == "t" and y < cy or name[0] == "b" and y > cy):
                return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
        return True
    return inside


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


# ---------------------------------------------------------------- file writers
def write_png(name, canvas):
    raw = bytearray()
    for row in canvas.rgba():
        raw.append(0)
        for p in row:
            raw.extend(p)

    def chunk(kind, data):
        c = kind + data
        return struct.pack(">I", len(data)) + c + struct.pack(">I", zlib.crc32(c) & 0xFFFFFFFF)
    data = (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", canvas.w, canvas.h, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))
    _save(name, data)


def _dib_rows(canvas, bpp):
    """Bottom-up BGR(A) rows padded to four bytes, composited over black if not opaque."""
    out = bytearray()
    stride = (canvas.w * bpp // 8 + 3) & ~3
    for row in reversed(canvas.rgba()):
        line = bytearray()
        for r, g, b, a in row:
            if bpp == 24:
                line.extend((b * a // 255, g * a // 255, r * a // 255))
            else:
                line.extend((b, g, r, a))
        line.extend(b"\0" * (stride - len(line)))
        out.extend(line)
    return bytes(out)


def write_bmp(name, canvas, bpp=24):
    pixels = _dib_rows(canvas, bpp)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.w, canvas.h, 1, bpp, 0, len(pixels), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    _save(name, head + info + pixels)


def _and_mask(canvas):
    stride = ((canvas.w + 31) // 32) * 4
    out = bytearray()
    for row in reversed(canvas.rgba()):
        bits = bytearray(stride)
        for x, p in enumerate(row):
            if p[3] < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        out.extend(bits)
    return bytes(out)


def write_ico(name, canvases):
    """Icon file with one 32-bit entry per canvas (alpha plus an AND mask for old readers)."""
    images = []
    for c in canvases:
        xor = _dib_rows(c, 32)
        mask = _and_mask(c)
        info = struct.pack("<IiiHHIIiiII", 40, c.w, c.h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        images.append(info + xor + mask)
    head = struct.pack("<HHH", 0, 1, len(canvases))
    offset = 6 + 16 * len(canvases)
    entries = b""
    for c, img in zip(canvases, images):
        entries += struct.pack("<BBBBHHII", c.w % 256, c.h % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    _save(name, head + entries + b"".join(images))


def write_cur_8bpp(name, canvas, hotspot):
    """A 256-colour cursor file: palette of the canvas's opaque colours, AND mask for the rest."""
    rows = canvas.rgba()
    palette = [(0, 0, 0)]
    index = {}
    for row in rows:
        for r, g, b, a in row:
            if a >= 128 and (r, g, b) not in index:
                index[(r, g, b)] = len(palette)
                palette.append((r, g, b))
    assert len(palette) <= 256
    pal = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in palette)
    pal += b"\0" * (1024 - len(pal))
    xor = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            xor.append(index[(r, g, b)] if a >= 128 else 0)
    mask = _and_mask(canvas)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.w, canvas.h * 2, 1, 8, 0, len(xor) + len(mask), 0, 0, 256, 0)
    img = info + pal + bytes(xor) + mask
    head = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", canvas.w, canvas.h, 0, 0, hotspot[0], hotspot[1], len(img), 22)
    _save(name, head + entry + img)


def _save(name, data):
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)


# ---------------------------------------------------------------- tabs and page icon
def tab(active):
    """214 x 28. The middle columns are all alike, so the picture may be cut from both ends
    (left part + right end) to any width without losing the corners."""
    w, h = 214, 28
    c = Canvas(w, h, STRIP)
    top = 0 if active else 3
    fill, line = (TAB_ACTIVE_FILL, TAB_ACTIVE_LINE) if active else (TAB_INACTIVE_FILL, TAB_INACTIVE_LINE)
    bottom = h + 4 if active else h   # the active tab opens into the page below
    outer = rrect(0, top, w, bottom, 5, "tl tr")
    inner = rrect(1, top + 1, w - 1, bottom - 1 if not active else bottom, 4, "tl tr")
    c.shape(outer, line)
    c.shape(inner, fill)
    if active:
        # a faint highlight under the top edge gives the raised tab some depth
        c.shape(minus(inner, rrect(1, top + 2, w - 1, bottom, 4, "tl tr")), (255, 255, 255))
    else:
        c.rect(0, h - 1, w, h, TAB_ACTIVE_LINE)
    return c


def page_icon(background=None):
    """A blank sheet with its top right corner folded over, drawn pixel by pixel."""
    c = Canvas(16, 16, background)
    outline, fold_fill = (122, 140, 160), (222, 230, 239)
    for y in range(1, 15):
        for x in range(3, 13):
            if x - 9 > y - 1:
                continue                                   # cut away by the fold
            on_edge = x in (3, 12) or y in (1, 14) or x - 9 == y - 1
            in_fold = x >= 9 and y <= 4
            if on_edge or (in_fold and (x == 9 or y == 4)):
                c.pixel(x, y, outline)
            else:
                c.pixel(x, y, fold_fill if in_fold else WHITE)
    return c


# ---------------------------------------------------------------- band and logo
def background_band():
    c = Canvas(5, 88)
    for y in range(88):
        c.rect(0, y, 5, y + 1, band_colour(y))
    return c


def emblem(size):
    """Round emblem: a blue globe with a white meridian and equator, lit from the top left."""
    c = Canvas(size, size)
    s = size / 44.0
    cx = cy = size / 2.0
    r = 7.6 if size < 24 else 20.5 * s
    # vertical gradient disc, drawn as thin horizontal bands
    for y in range(size):
        t = max(0.0, min(1.0, (y - (cy - r)) / (2 * r)))
        col = tuple(round(a + (b - a) * t) for a, b in zip((40, 140, 232), DARK_BLUE))
        c.shape(lambda x, yy, y=y: int(yy) == y and (x - cx) ** 2 + (yy - cy) ** 2 <= r * r, col,
                (0, y, size, y + 1))
    small = size < 24
    lw = 1.1 if small else 2.2 * s
    gr = 5.2 if small else 13.5 * s          # the globe's outline radius
    white = (255, 255, 255)
    c.shape(ring(cx, cy, gr + lw / 2, gr - lw / 2), white)
    c.shape(ellipse_ring(cx, cy, 2.2 if small else 6.0 * s, gr, lw), white)
    c.shape(lambda x, y: abs(y - cy) <= lw / 2 and abs(x - cx) <= gr, white)
    if size >= 32:
        c.shape(lambda x, y: abs(y - (cy - 7 * s)) <= lw / 2.6 and (x - cx) ** 2 + (y - cy) ** 2 <= (13.5 * s) ** 2,
                (255, 255, 255, 200))
        c.shape(lambda x, y: abs(y - (cy + 7 * s)) <= lw / 2.6 and (x - cx) ** 2 + (y - cy) ** 2 <= (13.5 * s) ** 2,
                (255, 255, 255, 200))
    return c


# ---------------------------------------------------------------- picture buttons
STATES = ("normal", "hot", "pressed")


def plate(c, state, box, radius=4):
    """The hover / pressed plate behind a navigation glyph."""
    if state == "normal":
        return
    fill, line = (PLATE_HOT, PLATE_HOT_LINE) if state == "hot" else (PLATE_PRESSED, PLATE_PRESSED_LINE)
    x0, y0, x1, y1 = box
    c.shape(rrect(x0, y0, x1, y1, radius), line)
    c.shape(rrect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, radius - 1), fill)


def glyph_colour(state):
    return {"normal": GLYPH, "hot": FRAME_BLUE, "pressed": DARK_BLUE}[state]


def on_band(w, h, top):
    """A canvas filled with the band rows it covers when its control sits at y = top."""
    c = Canvas(w, h)
    for y in range(h):
        c.rect(0, y, w, y + 1, band_colour(min(87, top + y)))
    return c


def nav_button(draw, state, w=27, h=31, top=27):
    c = on_band(w, h, top)
    plate(c, state, (1, 1, w - 1, 29))
    dy = 1 if state == "pressed" else 0
    draw(c, glyph_colour(state), w / 2.0, 15.0 + dy)
    return c


def g_back(c, col, cx, cy):
    c.shape(polyline([(cx + 5.5, cy), (cx - 5.5, cy)], 2.0), col)
    c.shape(polyline([(cx - 0.5, cy - 5), (cx - 5.5, cy), (cx - 0.5, cy + 5)], 2.0), col)


def g_forward(c, col, cx, cy):
    c.shape(polyline([(cx - 5.5, cy), (cx + 5.5, cy)], 2.0), col)
    c.shape(polyline([(cx + 0.5, cy - 5), (cx + 5.5, cy), (cx + 0.5, cy + 5)], 2.0), col)


def g_home(c, col, cx, cy):
    c.shape(polyline([(cx - 7, cy - 0.5), (cx, cy - 7), (cx + 7, cy - 0.5)], 1.8), col)
    body = polyline([(cx - 4.5, cy - 2), (cx - 4.5, cy + 6), (cx + 4.5, cy + 6), (cx + 4.5, cy - 2)], 1.8)
    c.shape(body, col)
    c.shape(lambda x, y: abs(x - cx) <= 1.4 and cy + 1.5 <= y <= cy + 6.5, col)


def g_refresh(c, col, cx, cy):
    c.shape(ring(cx, cy, 6.4, 4.6, 80, 20), col)
    # arrow head at the open end (top), pointing clockwise
    ex, ey = cx + 5.5 * math.cos(math.radians(20)), cy - 5.5 * math.sin(math.radians(20))
    c.shape(polygon([(ex - 3.6, ey - 1.6), (ex + 3.6, ey - 1.6), (ex, ey + 2.8)]), col)


def g_reopen(c, col, cx, cy):
    # "undo": the arrow leaves to the left at the top, bends round on the right
    r = 4.0
    top, bottom = cy - r, cy + r
    c.shape(seg(cx - 3.0, top, cx + 1.5, top, 2.0), col)
    c.shape(ring(cx + 1.5, cy, r + 1.0, r - 1.0, 270, 90), col)
    c.shape(seg(cx + 1.5, bottom, cx - 5.0, bottom, 2.0), col)
    c.shape(polygon([(cx - 7.0, top), (cx - 2.5, top - 4.0), (cx - 2.5, top + 4.0)]), col)


def small_arrow(state):
    """图形按钮2: 17 x 17 at y 40 beside the forward button."""
    c = on_band(17, 17, 40)
    plate(c, state, (1, 1, 16, 16), 3)
    col = glyph_colour(state)
    dy = 1 if state == "pressed" else 0
    for i, width in enumerate((7, 5, 3, 1)):
        c.rect(8 - width // 2, 7 + i + dy, 8 - width // 2 + width, 8 + i + dy, col)
    return c


def stop_button(state):
    c = on_band(23, 29, 28)
    plate(c, state, (1, 1, 22, 28))
    col = (200, 40, 40) if state != "normal" else GLYPH
    if state == "pressed":
        col = CLOSE_RED_DARK
    cx, cy = 11.5, 14.5 + (1 if state == "pressed" else 0)
    c.shape(seg(cx - 4, cy - 4, cx + 4, cy + 4, 2.0), col)
    c.shape(seg(cx - 4, cy + 4, cx + 4, cy - 4, 2.0), col)
    return c


FIELD_LINE = (168, 188, 208)


def field_button(w, h, state, draw):
    """Buttons that lie over the right end of an edit box (box rows 30..55, button top 28):
    the picture is the box's right cap, white inside a flat border of FIELD_LINE."""
    c = on_band(w, h, 28)
    c.rect(0, 2, w, 28, FIELD_LINE)
    c.rect(0, 3, w - 1, 27, WHITE)
    if state == "normal":
        c.rect(0, 7, 1, 23, (226, 232, 240))      # faint separator from the text
    else:
        plate(c, state, (1, 4, w - 2, 26), 3)
    dy = 1 if state == "pressed" else 0
    draw(c, glyph_colour(state), w / 2.0 - 0.5, 15.0 + dy)
    return c


def g_drop(c, col, cx, cy):
    c.shape(polyline([(cx - 4, cy - 2), (cx, cy + 2), (cx + 4, cy - 2)], 1.8), col)


def g_search(c, col, cx, cy):
    mx, my = cx - 1.5, cy - 1.5
    c.shape(ring(mx, my, 5.6, 3.8), col)
    c.shape(seg(mx + 4.2, my + 4.2, mx + 8.0, my + 8.0, 2.6), col)


def new_tab_button(state):
    """28 x 29 on the tab strip, beside the last tab."""
    c = Canvas(28, 29, STRIP)
    if state != "normal":
        fill = TAB_INACTIVE_FILL if state == "hot" else PLATE_PRESSED
        line = TAB_INACTIVE_LINE if state == "hot" else PLATE_PRESSED_LINE
        c.shape(rrect(1, 3, 27, 28, 5, "tl tr"), line)
        c.shape(rrect(2, 4, 26, 28, 4, "tl tr"), fill)
    col = glyph_colour(state)
    dy = 1 if state == "pressed" else 0
    c.rect(9, 15 + dy, 19, 17 + dy, col)
    c.rect(13, 11 + dy, 15, 21 + dy, col)
    return c


def tab_close(state, background):
    """22 x 22 small x; background None keeps it transparent (the PNG variant)."""
    c = Canvas(22, 22, background)
    cx, cy = 11.0, 11.0
    if state == "normal":
        col = (110, 124, 140)
    else:
        c.shape(disc(cx, cy, 7.5), CLOSE_RED if state == "hot" else CLOSE_RED_DARK)
        col = WHITE
    c.shape(seg(cx - 3.2, cy - 3.2, cx + 3.2, cy + 3.2, 1.6), col)
    c.shape(seg(cx - 3.2, cy + 3.2, cx + 3.2, cy - 3.2, 1.6), col)
    return c


# ---------------------------------------------------------------- window buttons (PNG)
def caption_plate(w, h, state, red=False):
    if state == "normal":
        return Canvas(w, h, WHITE)
    if red:
        return Canvas(w, h, CLOSE_RED if state == "hot" else CLOSE_RED_DARK)
    return Canvas(w, h, FRAME_BLUE if state == "hot" else DARK_BLUE)


def caption_colour(state):
    return CAPTION_GLYPH if state == "normal" else WHITE


def minimise(state):
    c = caption_plate(36, 22, state)
    c.rect(13, 11, 23, 12, caption_colour(state))
    return c


def maximise(state):
    c = caption_plate(33, 22, state)
    c.frame(11, 6, 21, 16, caption_colour(state))
    return c


def restore(state):
    c = caption_plate(33, 22, state)
    col = caption_colour(state)
    # back window: only its top and right edges show
    c.rect(13, 5, 22, 6, col)
    c.rect(21, 5, 22, 14, col)
    c.rect(13, 5, 14, 8, col)
    c.rect(19, 13, 22, 14, col)
    # front window
    c.frame(10, 8, 19, 17, col)
    return c


def close(state):
    c = caption_plate(44, 22, state, red=True)
    col = caption_colour(state)
    c.shape(seg(17.5, 6.5, 26.5, 15.5, 1.3), col)
    c.shape(seg(17.5, 15.5, 26.5, 6.5, 1.3), col)
    return c


def menu(state):
    c = caption_plate(36, 22, state)
    col = caption_colour(state)
    for y in (6, 10, 14):
        c.rect(12, y, 24, y + 1, col)
    return c


# ---------------------------------------------------------------- size grip, cursor
def size_grip():
    c = Canvas(16, 16, WHITE)
    for total in (18, 24):                 # x + y = total: from bottom left to top right
        for x in range(16):
            y = total - x
            if 0 <= y < 16 and x >= total - 14 and y >= total - 14:
                c.pixel(x, y, GRIP_LINE)
                if x + 1 < 16:
                    c.pixel(x + 1, y, GRIP_LINE)   # two pixels wide reads as a line, not dots
    return c


def tool_cursor():
    """32 x 32 arrow, hot spot at the top-left pixel: white body, frame-blue outline, a
    small amber corner mark that says "capture"."""
    c = Canvas(32, 32)
    outline = [(0, 0), (0, 17), (4, 13), (7, 20), (10, 19), (7, 12), (12, 12)]
    body = polygon([(x + 0.5, y + 0.5) for x, y in outline])
    c.shape(body, FRAME_BLUE)
    inner = polygon([(1.6, 3.2), (1.6, 14.4), (4.4, 11.4), (7.6, 18.2), (8.8, 17.7), (5.9, 11.0), (9.6, 11.0)])
    c.shape(inner, WHITE)
    # corner brackets of a selection, bottom right of the arrow
    amber = (240, 160, 0)
    c.rect(14, 16, 20, 18, amber)
    c.rect(14, 16, 16, 22, amber)
    c.rect(23, 25, 29, 27, amber)
    c.rect(27, 21, 29, 27, amber)
    # the cursor file is palette-based: snap partial coverage to solid colours
    for p in c.px:
        if p[3] < 0.5:
            p[:] = [0.0, 0.0, 0.0, 0.0]
        else:
            col = min((FRAME_BLUE, WHITE, amber),
                      key=lambda k: sum((p[i] / p[3] * 255 - k[i]) ** 2 for i in range(3)))
            p[:] = [col[0] / 255.0, col[1] / 255.0, col[2] / 255.0, 1.0]
    return c


# ---------------------------------------------------------------- main
def main():
    os.makedirs(OUT, exist_ok=True)
    write_bmp("tab_active.bmp", tab(True))
    write_bmp("tab_inactive.bmp", tab(False))
    write_bmp("page_icon.bmp", page_icon(TAB_ACTIVE_FILL))
    write_png("page_icon.png", page_icon())
    write_bmp("background_band.bmp", background_band())
    write_png("logo.png", emblem(44))
    for s in STATES:
        write_bmp(f"back_{s}.bmp", nav_button(g_back, s))
        write_bmp(f"forward_{s}.bmp", nav_button(g_forward, s))
        write_bmp(f"home_{s}.bmp", nav_button(g_home, s))
        write_bmp(f"refresh_{s}.bmp", nav_button(g_refresh, s))
        write_bmp(f"reopen_{s}.bmp", nav_button(g_reopen, s))
        write_bmp(f"stop_{s}.bmp", stop_button(s))
        write_bmp(f"address_drop_{s}.bmp", field_button(25, 29, s, g_drop))
        write_bmp(f"search_{s}.bmp", field_button(33, 29, s, g_search))
        write_bmp(f"new_tab_{s}.bmp", new_tab_button(s))
        write_bmp(f"tab_close_{s}.bmp", tab_close(s, TAB_ACTIVE_FILL))
        write_png(f"tab_close_{s}.png", tab_close(s, None))
        write_bmp(f"small_down_{s}.bmp", small_arrow(s))
        write_png(f"minimise_{s}.png", minimise(s))
        write_png(f"close_{s}.png", close(s))
        write_png(f"menu_{s}.png", menu(s))
        write_png(f"maximise_{s}.png", maximise(s))
        write_png(f"restore_{s}.png", restore(s))
    write_bmp("size_grip.bmp", size_grip(), 32)
    write_ico("app.ico", [emblem(16), emblem(32)])
    write_cur_8bpp("screenshot.cur", tool_cursor(), (0, 0))


if __name__ == "__main__":
    main()
