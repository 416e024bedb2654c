#!/usr/bin/env python3
"""Draws every picture of Tapriko++ as SVG.

Run from anywhere:  python3 resources/tools/make_pictures.py
The pictures are written below resources/ (face/, digits/, buttons/, back/,
alarm/, cursors/) together with resources/pictures.qrc.

Only SVG Tiny features that QtSvg renders are used: basic shapes, paths,
groups with transforms and linear/radial gradients.  No filters, clipping,
masks, patterns or style sheets.  Volume comes from gradients and
semi-transparent shapes; the light always comes from the top left.

All geometry lives in the two Layout objects (full size and half size);
all colours of the six face skins live in the SKINS table.
"""

import math
import os

RES = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

FONT_FAMILY = "Noto Sans CJK JP, sans-serif"
LCD_INK = "#161c17"


# ===========================================================================
# SVG writer
# ===========================================================================

def num(v):
    """Short number text: at most two decimals, no trailing zeros."""
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def pts(points):
    return " ".join("%s,%s" % (num(x), num(y)) for x, y in points)


class Svg:
    """Collects elements and gradient definitions of one picture."""

    def __init__(self, width, height, comment=None):
        self.w, self.h = width, height
        self.comment = comment
        self.defs = []
        self.items = []
        self.stack = [self.items]
        self.ids = 0

    # -- elements ----------------------------------------------------------
    def el(self, tag, **attrs):
        text = attrs.pop("text", None)
        parts = []
        for key, val in attrs.items():
            if val is None:
                continue
            key = key.rstrip("_").replace("_", "-")
            if isinstance(val, float):
                val = num(val)
            parts.append('%s="%s"' % (key, val))
        head = "<%s %s" % (tag, " ".join(parts))
        if text is None:
            self.stack[-1].append(head + "/>")
        else:
            self.stack[-1].append(head + ">" + text + "</%s>" % tag)

    def begin(self, transform=None, **attrs):
        group = []
        self.stack[-1].append(("g", transform, attrs, group))
        self.stack.append(group)

    def end(self):
        self.stack.pop()

    def rect(self, x, y, w, h, r=0, **kw):
        self.el("rect", x=num(x), y=num(y), width=num(w), height=num(h),
                rx=num(r) if r else None, ry=num(r) if r else None, **kw)

    def box(self, x1, y1, x2, y2, r=0, **kw):
        self.rect(x1, y1, x2 - x1, y2 - y1, r, **kw)

    def circle(self, cx, cy, r, **kw):
        self.el("circle", cx=num(cx), cy=num(cy), r=num(r), **kw)

    def ellipse(self, cx, cy, rx, ry, **kw):
        self.el("ellipse", cx=num(cx), cy=num(cy), rx=num(rx), ry=num(ry), **kw)

    def line(self, x1, y1, x2, y2, **kw):
        self.el("line", x1=num(x1), y1=num(y1), x2=num(x2), y2=num(y2), **kw)

    def polyline(self, points, **kw):
        self.el("polyline", points=pts(points), **kw)

    def polygon(self, points, **kw):
        self.el("polygon", points=pts(points), **kw)

    def path(self, d, **kw):
        self.el("path", d=d, **kw)

    def text(self, x, y, s, size, fill, anchor="middle", weight=None, **kw):
        self.el("text", x=num(x), y=num(y), font_family=FONT_FAMILY,
                font_size=num(size), font_weight=weight, fill=fill,
                text_anchor=anchor, text=s, **kw)

    # -- paint servers ------------------------------------------------------
    def _stops(self, stops):
        out = []
        for stop in stops:
            off, col = stop[0], stop[1]
            op = stop[2] if len(stop) > 2 else 1
            out.append('<stop offset="%s" stop-color="%s"%s/>' % (
                num(off), col, "" if op == 1 else ' stop-opacity="%s"' % num(op)))
        return "".join(out)

    def linear(self, x1, y1, x2, y2, stops, units="userSpaceOnUse"):
        self.ids += 1
        gid = "g%d" % self.ids
        self.defs.append(
            '<linearGradient id="%s" gradientUnits="%s" x1="%s" y1="%s" x2="%s" y2="%s">%s</linearGradient>'
            % (gid, units, num(x1), num(y1), num(x2), num(y2), self._stops(stops)))
        return "url(#%s)" % gid

    def radial(self, cx, cy, r, stops, fx=None, fy=None, units="userSpaceOnUse",
               transform=None):
        self.ids += 1
        gid = "g%d" % self.ids
        extra = ""
        if fx is not None:
            extra += ' fx="%s" fy="%s"' % (num(fx), num(fy))
        if transform:
            extra += ' gradientTransform="%s"' % transform
        self.defs.append(
            '<radialGradient id="%s" gradientUnits="%s" cx="%s" cy="%s" r="%s"%s>%s</radialGradient>'
            % (gid, units, num(cx), num(cy), num(r), extra, self._stops(stops)))
        return "url(#%s)" % gid

    def vgrad(self, y1, y2, stops):
        """Vertical gradient between two window rows."""
        return self.linear(0, y1, 0, y2, stops)

    # -- output -------------------------------------------------------------
    def _render(self, items, indent):
        out = []
        for it in items:
            if isinstance(it, tuple):
                _, transform, attrs, group = it
                a = "".join(' %s="%s"' % (k.replace("_", "-"), v) for k, v in attrs.items())
                t = ' transform="%s"' % transform if transform else ""
                out.append("%s<g%s%s>" % (indent, t, a))
                out.extend(self._render(group, indent + "  "))
                out.append("%s</g>" % indent)
            else:
                out.append(indent + it)
        return out

    def write(self, rel):
        path = os.path.join(RES, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        if self.comment:  # a note for the program (e.g. a cursor hotspot) goes first
            lines = ["<!-- %s -->" % self.comment]
        else:
            lines = ['<?xml version="1.0" encoding="UTF-8"?>']
        lines.append('<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
                     'width="%d" height="%d" viewBox="0 0 %d %d">' % (self.w, self.h, self.w, self.h))
        if self.defs:
            lines.append("  <defs>")
            lines.extend("    " + d for d in self.defs)
            lines.append("  </defs>")
        lines.extend(self._render(self.items, "  "))
        lines.append("</svg>")
        with open(path, "w", encoding="utf-8") as f:
            f.write("\n".join(lines) + "\n")
        WRITTEN.append(rel)


WRITTEN = []


# ===========================================================================
# Colour and shape helpers
# ===========================================================================

def rgb(c):
    c = c.lstrip("#")
    return tuple(int(c[i:i + 2], 16) for i in (0, 2, 4))


def hexc(t):
    return "#%02x%02x%02x" % tuple(max(0, min(255, int(round(v)))) for v in t)


def mix(a, b, t):
    """Blend colour a towards colour b by t (0..1)."""
    ca, cb = rgb(a), rgb(b)
    return hexc(tuple(ca[i] + (cb[i] - ca[i]) * t for i in range(3)))


def lighter(c, t):
    return mix(c, "#ffffff", t)


def darker(c, t):
    return mix(c, "#000000", t)


def rrect_d(x1, y1, x2, y2, r):
    """Path data of a rounded rectangle (clockwise)."""
    r = min(r, (x2 - x1) / 2, (y2 - y1) / 2)
    return ("M%s,%s H%s A%s,%s 0 0 1 %s,%s V%s A%s,%s 0 0 1 %s,%s H%s "
            "A%s,%s 0 0 1 %s,%s V%s A%s,%s 0 0 1 %s,%s Z") % tuple(num(v) for v in (
                x1 + r, y1, x2 - r, r, r, x2, y1 + r, y2 - r, r, r, x2 - r, y2,
                x1 + r, r, r, x1, y2 - r, y1 + r, r, r, x1 + r, y1))


def ellipse_d(cx, cy, rx, ry):
    return "M%s,%s A%s,%s 0 1 0 %s,%s A%s,%s 0 1 0 %s,%s Z" % tuple(num(v) for v in (
        cx - rx, cy, rx, ry, cx + rx, cy, rx, ry, cx - rx, cy))


def arc_pts(cx, cy, rx, ry, a0, a1, step=12.0):
    """Points along an elliptic arc; angles in degrees, 0 = right, 90 = down."""
    n = max(2, int(math.ceil(abs(a1 - a0) / step)))
    out = []
    for i in range(n + 1):
        a = math.radians(a0 + (a1 - a0) * i / n)
        out.append((cx + rx * math.cos(a), cy + ry * math.sin(a)))
    return out


def poly_d(points, closed=True):
    d = "M" + " L".join("%s,%s" % (num(x), num(y)) for x, y in points)
    return d + (" Z" if closed else "")


# ===========================================================================
# Stroke lettering (all Latin print is drawn as strokes, not font text)
# Glyphs live on a grid with cap height 10; x-height runs from y 4 to 10.
# ===========================================================================

def _make_glyphs():
    G = {}

    def g(ch, adv, *strokes, dots=()):
        G[ch] = (adv, [list(s) for s in strokes], list(dots))

    A = arc_pts
    g("A", 8, [(0, 10), (4, 0), (8, 10)], [(1.5, 6.6), (6.5, 6.6)])
    g("B", 7, [(0, 10), (0, 0), (3.8, 0)] + A(3.8, 2.5, 2.7, 2.5, -90, 90) + [(0, 5)],
      [(0, 5), (4.1, 5)] + A(4.1, 7.5, 2.9, 2.5, -90, 90) + [(0, 10)])
    g("C", 8, A(4.5, 5, 4.5, 5, -42, -318))
    g("D", 7.5, [(0, 0), (3, 0)] + A(3, 5, 4.5, 5, -90, 90) + [(0, 10), (0, 0)])
    g("E", 6, [(6, 0), (0, 0), (0, 10), (6, 10)], [(0, 5), (5, 5)])
    g("F", 6, [(6, 0), (0, 0), (0, 10)], [(0, 5), (5, 5)])
    g("G", 9, A(4.5, 5, 4.5, 5, -42, -360) + [(5, 5)])
    g("H", 7, [(0, 0), (0, 10)], [(7, 0), (7, 10)], [(0, 5), (7, 5)])
    g("I", 0, [(0, 0), (0, 10)])
    g("K", 6.8, [(0, 0), (0, 10)], [(6.5, 0), (0, 6.5)], [(2.4, 4.2), (6.8, 10)])
    g("L", 6, [(0, 0), (0, 10), (6, 10)])
    g("M", 9, [(0, 10), (0, 0), (4.5, 8), (9, 0), (9, 10)])
    g("N", 7, [(0, 10), (0, 0), (7, 10), (7, 0)])
    g("O", 9, A(4.5, 5, 4.5, 5, 0, 360))
    g("P", 6.9, [(0, 10), (0, 0), (4, 0)] + A(4, 2.75, 2.9, 2.75, -90, 90) + [(0, 5.5)])
    g("R", 7, [(0, 10), (0, 0), (4, 0)] + A(4, 2.75, 2.9, 2.75, -90, 90) + [(0, 5.5)],
      [(3.4, 5.5), (7, 10)])
    g("S", 7, A(3.5, 2.5, 3.3, 2.5, -15, -270) + A(3.5, 7.5, 3.5, 2.5, -90, 160))
    g("T", 7, [(0, 0), (7, 0)], [(3.5, 0), (3.5, 10)])
    g("U", 7, [(0, 0), (0, 6.5)] + A(3.5, 6.5, 3.5, 3.5, 180, 0) + [(7, 0)])
    g("V", 7.5, [(0, 0), (3.75, 10), (7.5, 0)])
    g("W", 10, [(0, 0), (2.5, 10), (5, 1.5), (7.5, 10), (10, 0)])
    g("X", 7, [(0, 0), (7, 10)], [(7, 0), (0, 10)])
    g("Y", 7, [(0, 0), (3.5, 5), (7, 0)], [(3.5, 5), (3.5, 10)])
    g("Z", 7, [(0, 0), (7, 0), (0, 10), (7, 10)])
    g("0", 7, A(3.5, 5, 3.5, 5, 0, 360))
    g("1", 3.5, [(0.3, 2), (3, 0), (3, 10)])
    g("2", 7, A(3.4, 3.3, 3.3, 3.3, -165, 30) + [(0, 10), (7, 10)])
    g("3", 7, A(3.3, 2.6, 3.3, 2.6, -160, 90), [(2.2, 5.1)] + A(3.4, 7.45, 3.5, 2.55, -90, 165))
    g("4", 7, [(5.5, 10), (5.5, 0), (0, 7), (7, 7)])
    g("5", 7, [(6.5, 0), (1, 0), (0.5, 4.6)] + A(3.3, 6.8, 3.6, 3.2, -135, 155))
    g("6", 7, [(5.6, 0), (1.2, 5)], A(3.5, 6.7, 3.4, 3.3, 0, 360))
    g("7", 7, [(0, 0), (7, 0), (2.5, 10)])
    g("8", 7, A(3.5, 2.55, 3, 2.55, 0, 360), A(3.5, 7.45, 3.5, 2.55, 0, 360))
    g("9", 7, [(1.4, 10), (5.8, 5)], A(3.5, 3.3, 3.4, 3.3, 0, 360))
    g("+", 6, [(0, 5), (6, 5)], [(3, 2), (3, 8)])
    g("-", 4, [(0, 5.5), (4, 5.5)])
    g(".", 0, dots=[(0, 10)])
    g("!", 0, [(0, 0), (0, 6.6)], dots=[(0, 10)])
    g("/", 5, [(0, 10), (5, 0)])
    g(" ", 3)
    g("a", 6, A(3, 7, 3, 3, 0, 360), [(6, 4), (6, 10)])
    g("p", 6, [(0, 4), (0, 13.5)], A(3, 7, 3, 3, 0, 360))
    g("r", 4, [(0, 4), (0, 10)], [(0, 7.2)] + A(3.6, 7.4, 3.6, 3.4, 180, 272))
    g("i", 0, [(0, 4), (0, 10)], dots=[(0, 1.4)])
    g("k", 5.2, [(0, 0), (0, 10)], [(5, 4), (0, 8)], [(2, 6.6), (5.2, 10)])
    g("o", 6.4, A(3.2, 7, 3.2, 3, 0, 360))
    return G


GLYPHS = _make_glyphs()


def text_width(s, cap, track=2.2):
    k = cap / 10.0
    return (sum(GLYPHS[c][0] for c in s) + track * (len(s) - 1)) * k


def letters(svg, s, x, y, cap, color, width=1.0, anchor="start", track=2.2,
            skew=0.0, opacity=None, snap=False):
    """Draws text s with its cap line at y.  anchor: start / middle / end."""
    k = cap / 10.0
    total = text_width(s, cap, track)
    if anchor == "middle":
        x -= total / 2
    elif anchor == "end":
        x -= total
    d = []
    dots = []
    pen = x
    for c in s:
        adv, strokes, gdots = GLYPHS[c]
        ox = pen
        if snap:  # put the stems of crisp small print on pixel centres
            ox = math.floor(ox) + 0.5 if width % 2 > 0.5 else round(ox)
        for st in strokes:
            pp = [(ox + (gx + (10 - gy) * skew) * k, y + gy * k) for gx, gy in st]
            d.append(poly_d(pp, closed=False))
        for gx, gy in gdots:
            dots.append((ox + (gx + (10 - gy) * skew) * k, y + gy * k))
        pen += (adv + track) * k
    svg.path(" ".join(d), fill="none", stroke=color, stroke_width=num(width),
             stroke_linecap="round", stroke_linejoin="round", stroke_opacity=opacity)
    for cx, cy in dots:
        svg.circle(cx, cy, max(0.55, width * 0.62), fill=color, fill_opacity=opacity)
    return total


def engraved(svg, s, x, y, cap, dark, light, width=1.0, anchor="start", track=2.2,
             skew=0.0, depth=0.8):
    """Letters cut into the surface: shadowed upper-left wall, lit lower-right."""
    letters(svg, s, x + depth, y + depth, cap, light, width, anchor, track, skew)
    letters(svg, s, x, y, cap, dark, width, anchor, track, skew)


# ===========================================================================
# Geometry of the two view sizes
# ===========================================================================

class Layout:
    """Every place on the window in one view size.

    k     scale of decorative geometry (1 or 0.5)
    m()   maps a full-size decorative coordinate into this view
    """

    def __init__(self, **kw):
        self.__dict__.update(kw)

    def m(self, x, y):
        return (x * self.k, y * self.k)

    def v(self, d):
        return d * self.k


FULL = Layout(
    tag="", k=1.0, W=427, H=258, small=False,
    body=(4, 4, 425, 256, 37),
    hole=(77, 78, 22, 22), back_hole=(353, 78, 22, 22), eyelet=6.5,
    large=[(226, 58), (248, 58), (281, 58), (303, 58)], large_size=(22, 30),
    dot=(270, 58, 11, 30),
    small_digits=[(325, 66), (341, 66)], small_size=(16, 22),
    modes=[(233 + 19 * n, 92) for n in range(5)], mode_size=(12, 8),
    alarm=(348, 55, 14, 10),
    glass=(217, 46, 370, 105), bezel=(207, 35, 380, 122), mode_icon_y=113.5,
    B=(260.5, 182), A=(332.5, 182), cap_r=21.0, well_r=25.5,
    select=(65, 173, 48, 20), start=(135, 173, 48, 20), pill=(42, 12),
    tact_B=(247, 169, 25, 26), tact_A=(319, 169, 25, 26),
    reset=(22, 68, 72, 44),
    brand=(155, 64), brand_cap=14.0,
)

HALF = Layout(
    tag="_s", k=0.5, W=212, H=129, small=True,
    body=(2, 2, 213, 129, 16),
    hole=(39, 39.5, 11, 11.5), back_hole=(176, 39.5, 11, 11.5), eyelet=3.5,
    large=[(112, 28), (123, 28), (139, 28), (150, 28)], large_size=(11, 15),
    dot=(134, 31, 5, 12),
    small_digits=[(161, 32), (169, 32)], small_size=(8, 11),
    modes=[(114 + 9 * n, 44) for n in range(5)], mode_size=(6, 4),
    alarm=(169, 25, 7, 6),
    glass=(108, 22, 182, 51), bezel=(103, 16, 187, 60), mode_icon_y=55.5,
    B=(129.5, 91.5), A=(164.5, 91.5), cap_r=10.5, well_r=12.75,
    select=(32, 86, 25, 10), start=(67, 86, 25, 10), pill=(21, 6),
    tact_B=(122, 84, 15, 15), tact_A=(157, 84, 15, 15),
    reset=(11, 33, 36, 22),
    brand=(78, 32), brand_cap=7.5,
)

LAYOUTS = (FULL, HALF)


# ===========================================================================
# LCD glyphs: seven-segment digits, markers, alarm bell, koro pair
# ===========================================================================

SEGMENTS = {0: "abcdef", 1: "bc", 2: "abged", 3: "abgcd", 4: "fgbc",
            5: "afgcd", 6: "afgedc", 7: "abc", 8: "abcdefg", 9: "abcdfg"}

GHOST = 0.09       # opacity of unlit LCD segments
LIT = 0.9          # opacity of lit LCD segments


class SegBox:
    """Seven-segment cell: outer box, bar thickness, gap and italic slant."""

    def __init__(self, x0, y0, x1, y1, t, gap, slant):
        self.x0, self.y0, self.x1, self.y1 = x0, y0, x1, y1
        self.t, self.gap, self.slant = t, gap, slant

    def lean(self, x, y):
        return (x + (self.y1 - y) * self.slant, y)

    def polys(self):
        g, h = self.gap, self.t / 2
        xl, xr = self.x0 + h, self.x1 - h
        yt, yb = self.y0 + h, self.y1 - h
        ym = (self.y0 + self.y1) / 2

        def hbar(y, xa, xb):
            return [(xa, y), (xa + h, y - h), (xb - h, y - h), (xb, y), (xb - h, y + h), (xa + h, y + h)]

        def vbar(x, ya, yb_):
            return [(x, ya), (x + h, ya + h), (x + h, yb_ - h), (x, yb_), (x - h, yb_ - h), (x - h, ya + h)]

        raw = {
            "a": hbar(yt, xl + g, xr - g), "g": hbar(ym, xl + g, xr - g), "d": hbar(yb, xl + g, xr - g),
            "f": vbar(xl, yt + g, ym - g), "b": vbar(xr, yt + g, ym - g),
            "e": vbar(xl, ym + g, yb - g), "c": vbar(xr, ym + g, yb - g),
        }
        return {k: [self.lean(x, y) for x, y in v] for k, v in raw.items()}


def seg_cells(L):
    """Large and small digit cells of one view size."""
    if L.small:
        return (SegBox(2.0, 1.0, 8.6, 14.0, 1.7, 0.3, 0.07),
                SegBox(1.6, 1.0, 6.2, 10.0, 1.3, 0.25, 0.07))
    return (SegBox(3.5, 2.0, 17.0, 28.0, 3.3, 0.6, 0.085),
            SegBox(2.5, 2.0, 12.0, 20.0, 2.5, 0.45, 0.085))


def lcd_shape(svg, draw, lit, shadow):
    """Draws one LCD shape: lit (with a faint drop shadow on the reflector) or ghost."""
    if lit:
        if shadow:
            with_offset(svg, shadow, draw, LCD_INK, 0.13)
        draw(svg, LCD_INK, LIT)
    else:
        draw(svg, LCD_INK, GHOST)


def with_offset(svg, off, draw, color, opacity):
    svg.begin("translate(%s,%s)" % (num(off), num(off)))
    draw(svg, color, opacity)
    svg.end()


def draw_digit(svg, cell, lit_segments, shadow):
    polys = cell.polys()
    for name in "abcdefg":
        poly = polys[name]
        lcd_shape(svg, lambda s, c, o, p=poly: s.polygon(p, fill=c, fill_opacity=o),
                  name in lit_segments, shadow)


def dot_shape(L, ox=0.0, oy=0.0):
    """The decimal point inside its own picture (or offset onto the face)."""
    large = seg_cells(L)[0]
    y, w = L.dot[1], L.dot[2]
    size = large.t * 1.05
    cx = w / 2.0 + ox
    cy = (L.large[0][1] + large.y1 - large.t / 2) - y + oy
    return (cx - size / 2, cy - size / 2, size, size)


def mode_tri(L, ox=0.0, oy=0.0):
    if L.small:
        return [(ox + 3, oy + 0.4), (ox + 5.8, oy + 3.8), (ox + 0.2, oy + 3.8)]
    return [(ox + 6, oy + 0.6), (ox + 11.4, oy + 7.4), (ox + 0.6, oy + 7.4)]


def bell(svg, L, ox, oy, color, opacity, hollow=False, ringing=False, slash=False):
    """Alarm bell in its 14 x 10 (7 x 6) cell, placed at (ox, oy)."""
    if L.small:
        cx, top, bot, half, dome, clap, cr, lw = ox + 3.5, oy + 0.7, oy + 4.4, 2.5, 1.8, oy + 5.2, 0.75, 0.8
    else:
        cx, top, bot, half, dome, clap, cr, lw = ox + 7, oy + 0.8, oy + 7.6, 4.0, 3.0, oy + 8.7, 1.2, 1.1
    body = [(cx - half, bot), (cx - half * 0.72, bot - (bot - top) * 0.3)]
    body += arc_pts(cx, top + dome, half * 0.72, dome, 180, 360, 15)
    body += [(cx + half * 0.72, bot - (bot - top) * 0.3), (cx + half, bot)]
    if hollow:
        svg.polygon(body, fill="none", stroke=color, stroke_opacity=opacity,
                    stroke_width=num(lw), stroke_linejoin="round")
    else:
        svg.polygon(body, fill=color, fill_opacity=opacity)
    svg.circle(cx, clap, cr, fill=color, fill_opacity=opacity)
    if ringing:
        for base in (0, 180):
            if L.small:
                ln = arc_pts(cx, oy + 2.8, 3.1, 2.6, base - 40, base + 40, 20)
            else:
                ln = arc_pts(cx, oy + 4.6, 6.0, 5.0, base - 36, base + 36, 12)
            svg.polyline(ln, fill="none", stroke=color, stroke_opacity=opacity,
                         stroke_width=num(lw), stroke_linecap="round")
    if slash:
        svg.line(cx - 5, oy + 9.3, cx + 5, oy + 0.7, stroke=color, stroke_opacity=opacity,
                 stroke_width=num(lw * 1.1), stroke_linecap="round")


def make_lcd_glyphs():
    for L in LAYOUTS:
        large, small = seg_cells(L)
        shadow = 0.5 if L.small else 0.9
        lw, lh = L.large_size
        sw, sh = L.small_size
        for n in range(10):
            svg = Svg(lw, lh)
            draw_digit(svg, large, SEGMENTS[n], shadow)
            svg.write("digits/large_%d%s.svg" % (n, L.tag))
            svg = Svg(sw, sh)
            draw_digit(svg, small, SEGMENTS[n], shadow)
            svg.write("digits/small_%d%s.svg" % (n, L.tag))
        for cell, size, name in ((large, L.large_size, "large"), (small, L.small_size, "small")):
            svg = Svg(*size)
            draw_digit(svg, cell, "", shadow)
            svg.write("digits/%s_blank%s.svg" % (name, L.tag))
        # decimal point / clock separator
        svg = Svg(L.dot[2], L.dot[3])
        x, y, w, h = dot_shape(L)
        lcd_shape(svg, lambda s, c, o: s.rect(x, y, w, h, w * 0.18, fill=c, fill_opacity=o), True, shadow)
        svg.write("digits/large_dot%s.svg" % L.tag)
        # mode marker
        svg = Svg(*L.mode_size)
        tri = mode_tri(L)
        svg.polygon(tri, fill=LCD_INK, fill_opacity=LIT)
        svg.write("digits/small_mode%s.svg" % L.tag)
        # koro clock pair
        for i, draw in ((1, koro_ball), (2, koro_tail)):
            svg = Svg(sw, sh)
            draw(svg, L, shadow)
            svg.write("digits/small_koro%d%s.svg" % (i, L.tag))
        # alarm
        aw, ah = L.alarm[2], L.alarm[3]
        svg = Svg(aw, ah)
        bell(svg, L, 0, 0, LCD_INK, LIT, ringing=True)
        svg.write("alarm/alarm_on%s.svg" % L.tag)
        svg = Svg(aw, ah)
        bell(svg, L, 0, 0, LCD_INK, LIT, hollow=True, slash=not L.small)
        svg.write("alarm/alarm_off%s.svg" % L.tag)


def koro_ball(svg, L, shadow):
    """Left koro glyph: a little round face rolling along the baseline."""
    s = 0.5 if L.small else 1.0
    cx, cy, r = 8.5 * s, 13.6 * s, 6.0 * s
    d = ellipse_d(cx, cy, r, r)
    if not L.small:  # two eyes and a smile cut out of the ball
        d += " " + ellipse_d(cx - 2.3, cy - 1.5, 1.0, 1.35) + " " + ellipse_d(cx + 1.7, cy - 2.0, 1.0, 1.35)
        smile = arc_pts(cx - 0.3, cy + 0.3, 3.2, 2.6, 25, 150, 16)
        inner = arc_pts(cx - 0.3, cy + 0.8, 2.3, 1.4, 150, 25, 16)
        d += " " + poly_d(smile + inner)
    else:
        d += " " + ellipse_d(cx - 1.0, cy - 0.6, 0.55, 0.7) + " " + ellipse_d(cx + 1.0, cy - 0.8, 0.55, 0.7)
    lcd_shape(svg, lambda sv, c, o: sv.path(d, fill=c, fill_opacity=o, fill_rule="evenodd"), True, shadow)


def koro_tail(svg, L, shadow):
    """Right koro glyph: the wavy trail the rolling ball leaves behind."""
    s = 0.5 if L.small else 1.0
    wave = []
    for i in range(31):
        t = i / 30.0
        x = 0.6 + t * 12.4
        wave.append((x * s, (13.8 - 2.4 * math.sin(t * 2 * math.pi)) * s))
    w = 1.1 if L.small else 2.0
    lcd_shape(svg, lambda sv, c, o: sv.polyline(wave, fill="none", stroke=c, stroke_opacity=o,
                                                stroke_width=num(w), stroke_linecap="round",
                                                stroke_linejoin="round"), True, shadow)
    if not L.small:
        for x, y, r in ((3.2, 19.4, 1.0), (8.6, 19.8, 0.8), (13.2, 19.0, 0.6)):
            svg.circle(x, y, r, fill=LCD_INK, fill_opacity=LIT * 0.8)
    else:
        svg.circle(3.0, 10.0, 0.5, fill=LCD_INK, fill_opacity=LIT * 0.8)


# ===========================================================================
# Face skins: colours
# Each entry holds every colour of one skin; the drawing code below is shared.
#   shell    top / middle / bottom of the body moulding
#   plate    top / bottom of the flat front plate
#   ink      printed labels;  brand = (fill, outline, shadow) of the logo
#   bezel    LCD surround top / bottom;  bezel_ink  print on it
#   glass    LCD glass top / bottom
#   cap      A/B caps light / base / dark;  well  recess dark / lip light
#   pill     SELECT/START light / base / dark
#   eyelet   strap-hole ring light / mid / dark
# and a few keys only one skin uses (pcb, engrave, chrome, rim, face).
# The printed circuit board colours are kept in two palettes: the bare
# board of the "internal circuit" skin and the pale one seen through the
# clear skin.
# ===========================================================================

PCB_BRIGHT = dict(board=("#23804a", "#166236"), trace="#3aa465", trace_op=1.0, pad="#e7c765",
                  silk="#f3f3ea", chip="#1d1e21", chip_hi="#3a3c41", metal=("#ffffff", "#c5cbd2", "#6b727b"),
                  pin="#d7dbe0", part="#2a2622", part_end="#d7dbe0", cell=("#ffffff", "#c9ced5", "#7c838c"))
PCB_GHOST = dict(board=("#a9c9b6", "#93b7a3"), trace="#bcd9c8", trace_op=0.9, pad="#d9d2ad",
                 silk="#e8f1ec", chip="#6f7f86", chip_hi="#87969c", metal=("#f4f8fa", "#c4d0d6", "#8a9aa3"),
                 pin="#c8d3d8", part="#8c9599", part_end="#d0d9dd", cell=("#f7fafb", "#d3dde2", "#9aabb4"))

SKINS = [
    dict(name="normal",
         shell=("#fffbf2", "#f1e8d6", "#cfc2a6"), plate=("#fffcf5", "#efe6d3"),
         ink="#6a5f4e", brand=("#e8473a", "#ffffff", "#2b4b7e"),
         accent=("#e8473a", "#2b4b7e"),
         bezel=("#5d636d", "#3d424a"), bezel_ink="#e3e6ea",
         glass=("#bac7a9", "#a5b594"),
         cap=("#ff9183", "#e2392c", "#8f1a13"), well=("#6f6655", "#ffffff"),
         pill=("#c3c6cc", "#969aa2", "#62666e"),
         eyelet=("#ffffff", "#c4c8cf", "#737882")),
    dict(name="pro", chrome=("#ffffff", "#9aa1aa", "#e9ecef", "#7e858e", "#c9ced4"),
         shell=("#5a5f67", "#2b2e33", "#0f1012"), plate=("#34373d", "#1b1d21"),
         ink="#c9ced6", brand=("#f1f3f6", "#111215", "#ff7a1a"),
         accent=("#ff7a1a", "#d9dde3"),
         bezel=("#1b1d21", "#0c0d0f"), bezel_ink="#ff9a3c",
         glass=("#f7c25a", "#e39a2d"),
         cap=("#ffffff", "#b8bec7", "#4f555e"), well=("#050506", "#8a919b"),
         pill=("#5c6069", "#2f3238", "#121316"),
         eyelet=("#ffffff", "#aeb4bd", "#3f444c")),
    dict(name="gold", engrave=("#6e4a0e", "#fff3c8"),
         shell=("#fff3c2", "#e0b24a", "#7c5412"),
         plate=("#fbe49a", "#eec463", "#f8df92", "#d6a443", "#b98526"),
         ink="#6e4a0e", brand=("#6e4a0e", "#fff3c8", "#6e4a0e"),
         accent=("#c8262e", "#1f3f8a"),
         bezel=("#3b2a10", "#1c1306"), bezel_ink="#f5d47c",
         glass=("#bac7a9", "#a5b594"),
         cap=("#7a7a84", "#202026", "#020203"), well=("#5b3e0c", "#fff5cc"),
         pill=("#5e5e66", "#27272d", "#0b0b0e"),
         eyelet=("#fffbe6", "#e7bf5c", "#7a530f")),
    dict(name="clear", pcb=PCB_GHOST, rim="#3f9fc2",
         shell=("#f4fbfe", "#cfe5ee", "#8fb3c4"), plate=("#eef8fc", "#cde2eb"),
         ink="#34566a", brand=("#1d9fd0", "#ffffff", "#1b4e68"),
                  bezel=("#5d7482", "#3b4d58"), bezel_ink="#e4f4fb",
         glass=("#c3d2c5", "#adbfb0"),
         cap=("#ffffff", "#bfe6f3", "#5e9bb3"), well=("#5f8396", "#ffffff"),
         pill=("#ffffff", "#c9dfe9", "#86a9ba"),
         eyelet=("#ffffff", "#c8d3d9", "#6b7b85")),
    dict(name="circuit", pcb=PCB_BRIGHT,
         ink="#f3f3ea", bezel=("#d9dde2", "#8d949c"), bezel_ink="#f3f3ea",
         glass=("#bcc9ae", "#a7b797"),
         pill=("#5a5e66", "#2c2f35", "#111214"), well=("#0e1a12", "#4fbf7e"),
         eyelet=("#fff4c6", "#e2bd5c", "#8a6416")),
    dict(name="dero", face="#1b0633",
         shell=("#c37cff", "#8233dc", "#4a1290"), plate=("#a655f5", "#6f24c9"),
         ink="#ffe14d", brand=("#ffe14d", "#2a0850", "#ff4fa8"),
         accent=("#ffe14d", "#ff4fa8", "#5cf2d0"),
         bezel=("#ff5cb0", "#c9267f"), bezel_ink="#ffffff",
         glass=("#c6ecc9", "#a9d9b0"),
         cap=("#ffffff", "#f3f0f7", "#a99bbd"), well=("#2a0850", "#e4b8ff"),
         pill=("#e1ff8a", "#9fe02e", "#4e8c0c"),
         eyelet=("#fffbc4", "#ffd83b", "#b07a06")),
]


# ===========================================================================
# Face: shared parts
# ===========================================================================

def body_d(L, grow=0.0):
    x1, y1, x2, y2, r = L.body
    return rrect_d(x1 - grow, y1 - grow, x2 + grow, y2 + grow, r + grow)


def draw_shell(svg, T, L):
    """Moulded body: rounded edge, flat front plate, soft gloss."""
    x1, y1, x2, y2, r = L.body
    hi, mid, lo = T["shell"]
    svg.path(body_d(L, 0.5), fill=svg.linear(x1, y1, x2 * 0.35, y2,
                                              [(0, hi), (0.45, mid), (1, lo)]))
    inset = L.v(6.5)
    plate = T["plate"]
    stops = [(i / (len(plate) - 1.0), c) for i, c in enumerate(plate)]
    svg.path(rrect_d(x1 + inset, y1 + inset, x2 - inset, y2 - inset, r - inset),
             fill=svg.vgrad(y1 + inset, y2 - inset, stops))
    # crease between rounded edge and plate: lit on the upper left, dark lower right
    svg.path(rrect_d(x1 + inset - 0.5, y1 + inset - 0.5, x2 - inset + 0.5, y2 - inset + 0.5, r - inset + 0.5),
             fill="none", stroke_width=num(max(1.0, L.v(1.2))),
             stroke=svg.linear(x1, y1, x2, y2, [(0, "#ffffff", 0.9), (0.5, "#ffffff", 0.15),
                                                (0.55, "#000000", 0.04), (1, "#000000", 0.22)]))
    # sides turn away from the viewer
    svg.path(body_d(L, 0.5), fill=svg.linear(x1, 0, x2, 0, [
        (0, "#000000", 0.10), (0.05, "#000000", 0), (0.95, "#000000", 0), (1, "#000000", 0.16)]))
    # silhouette
    svg.path(body_d(L), fill="none", stroke="#000000", stroke_opacity="0.28",
             stroke_width=num(max(1.6, L.v(2.4))))


def draw_gloss(svg, L, strength=0.35):
    """A broad soft reflection over the upper left of the body."""
    cx, cy = L.m(140, 28)
    svg.ellipse(cx, cy, L.v(200), L.v(58), fill=svg.radial(
        cx, cy, L.v(200), [(0, "#ffffff", strength), (0.6, "#ffffff", strength * 0.35), (1, "#ffffff", 0)],
        transform="translate(%s,%s) scale(1,0.29) translate(%s,%s)" % (num(cx), num(cy), num(-cx), num(-cy))))


def draw_eyelet(svg, T, L, hole):
    """Metal ring around the strap hole; the hole itself is cut out of the window."""
    cx, cy, rx, ry = hole
    e = L.eyelet
    light, mid, dark = T["eyelet"]
    svg.ellipse(cx + L.v(0.8), cy + L.v(1.4), rx + e + L.v(1.8), ry + e + L.v(1.8),
                fill="#000000", fill_opacity="0.16")
    svg.ellipse(cx, cy, rx + e, ry + e, fill=svg.linear(
        cx - rx - e, cy - ry - e, cx + rx + e, cy + ry + e, [(0, light), (0.45, mid), (1, dark)]))
    svg.ellipse(cx, cy, rx + e * 0.5, ry + e * 0.5, fill=svg.linear(
        cx - rx, cy - ry, cx + rx, cy + ry, [(0, dark), (0.55, mid), (1, light)]))
    svg.ellipse(cx, cy, rx + 0.6, ry + 0.6, fill="#17191d")
    svg.polyline(arc_pts(cx, cy, rx + e * 0.78, ry + e * 0.78, 195, 265, 8), fill="none",
                 stroke="#ffffff", stroke_opacity="0.85", stroke_width=num(max(0.8, L.v(1.3))),
                 stroke_linecap="round")


def mode_icon(svg, L, n, cx, cy, color):
    """Tiny print for mode n under the LCD: shooting, clock, timer, slot, bomb."""
    w = 0.8 if L.small else 1.0
    r = 1.9 if L.small else 3.6
    st = dict(fill="none", stroke=color, stroke_width=num(w), stroke_linecap="round")
    if n == 0:      # crosshair
        svg.circle(cx, cy, r * 0.8, **st)
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            svg.line(cx + dx * r * 0.35, cy + dy * r * 0.35, cx + dx * r * 1.25, cy + dy * r * 1.25, **st)
    elif n == 1:    # clock
        svg.circle(cx, cy, r, **st)
        svg.polyline([(cx, cy - r * 0.6), (cx, cy), (cx + r * 0.5, cy)], **st)
    elif n == 2:    # stopwatch
        svg.circle(cx, cy + r * 0.15, r * 0.9, **st)
        svg.line(cx, cy - r * 0.75, cx, cy - r * 1.2, **st)
        svg.line(cx, cy + r * 0.15, cx + r * 0.4, cy - r * 0.3, **st)
    elif n == 3:    # slot reels
        svg.rect(cx - r * 1.2, cy - r * 0.8, r * 2.4, r * 1.6, r * 0.25, **st)
        if not L.small:
            svg.line(cx - r * 0.4, cy - r * 0.8, cx - r * 0.4, cy + r * 0.8, **st)
            svg.line(cx + r * 0.4, cy - r * 0.8, cx + r * 0.4, cy + r * 0.8, **st)
        else:
            svg.line(cx, cy - r * 0.8, cx, cy + r * 0.8, **st)
    else:           # bomb
        svg.circle(cx - r * 0.15, cy + r * 0.2, r * 0.8, fill=color)
        svg.polyline([(cx + r * 0.35, cy - r * 0.4), (cx + r * 0.75, cy - r * 0.95), (cx + r * 1.1, cy - r * 0.9)], **st)


def draw_lcd(svg, T, L, frame=True):
    """LCD surround, glass and the faint ghost marks printed in the glass."""
    bx1, by1, bx2, by2 = L.bezel
    gx1, gy1, gx2, gy2 = L.glass
    if frame:
        br = L.v(10)
        svg.path(rrect_d(bx1 - 0.5, by1 - 0.5, bx2 + 1.5, by2 + 1.5, br + 1), fill="#ffffff", fill_opacity="0.55")
        svg.path(rrect_d(bx1 - 1, by1 - 1, bx2 + 0.5, by2 + 0.5, br + 1), fill="#000000", fill_opacity="0.25")
        top, bottom = T["bezel"]
        svg.path(rrect_d(bx1, by1, bx2, by2, br), fill=svg.vgrad(by1, by2, [(0, top), (1, bottom)]))
        svg.path(rrect_d(bx1 + 0.5, by1 + 0.5, bx2 - 0.5, by2 - 0.5, br - 0.5), fill="none",
                 stroke="#ffffff", stroke_opacity="0.18", stroke_width="1")
        ink = T["bezel_ink"]
        if not L.small:
            letters(svg, "RAPID FIRE METER", (bx1 + bx2) / 2, by1 + 3.5, 5.0, ink, 1.0, "middle", 2.8)
        for n, (mx, my) in enumerate(L.modes):
            mode_icon(svg, L, n, mx + L.mode_size[0] / 2.0, L.mode_icon_y, ink)
    # glass with an inner shadow along the top and left edges
    g1, g2 = T["glass"]
    svg.box(gx1, gy1, gx2, gy2, L.v(2), fill=svg.vgrad(gy1, gy2, [(0, g1), (1, g2)]))
    svg.box(gx1, gy1, gx2, gy1 + L.v(6), 0, fill=svg.vgrad(gy1, gy1 + L.v(6), [(0, "#000000", 0.28), (1, "#000000", 0)]))
    svg.box(gx1, gy1, gx1 + L.v(5), gy2, 0, fill=svg.linear(gx1, 0, gx1 + L.v(5), 0, [(0, "#000000", 0.2), (1, "#000000", 0)]))
    svg.polygon([(gx1 + (gx2 - gx1) * 0.55, gy1), (gx1 + (gx2 - gx1) * 0.75, gy1),
                 (gx1 + (gx2 - gx1) * 0.55, gy2), (gx1 + (gx2 - gx1) * 0.35, gy2)],
                fill="#ffffff", fill_opacity="0.07")
    svg.box(gx1 + 0.5, gy1 + 0.5, gx2 - 0.5, gy2 - 0.5, L.v(2), fill="none", stroke="#000000",
            stroke_opacity="0.45", stroke_width="1")
    # ghosts of the marks that have no picture of their own when off
    x, y, w, h = dot_shape(L, L.dot[0], L.dot[1])
    svg.rect(x, y, w, h, w * 0.18, fill=LCD_INK, fill_opacity=num(GHOST))
    for mx, my in L.modes:
        svg.polygon(mode_tri(L, mx, my), fill=LCD_INK, fill_opacity=num(GHOST))
    bell(svg, L, L.alarm[0], L.alarm[1], LCD_INK, GHOST, ringing=True)


def draw_round_button(svg, T, L, centre, label):
    """A/B cap sitting in its recess."""
    cx, cy = centre
    R, r = L.well_r, L.cap_r
    dark, lip = T["well"]
    light, base, deep = T["cap"]
    svg.circle(cx, cy, R + L.v(1.2), fill="none", stroke_width=num(max(1.0, L.v(1.6))),
               stroke=svg.linear(cx - R, cy - R, cx + R, cy + R,
                                 [(0, "#000000", 0.22), (0.5, "#000000", 0.05), (1, lip, 0.9)]))
    svg.circle(cx, cy, R, fill=svg.linear(cx - R, cy - R, cx + R, cy + R,
                                          [(0, darker(dark, 0.45)), (1, lighter(dark, 0.25))]))
    svg.circle(cx + L.v(1.6), cy + L.v(2.6), r + L.v(0.6), fill="#000000", fill_opacity="0.4")
    svg.circle(cx, cy, r, fill=svg.radial(cx - r * 0.35, cy - r * 0.4, r * 1.45,
                                          [(0, light), (0.45, base), (1, deep)]))
    svg.circle(cx, cy, r - 0.5, fill="none", stroke=deep, stroke_opacity="0.55", stroke_width="1")
    svg.polyline(arc_pts(cx, cy, r - L.v(1.8), r - L.v(1.8), 30, 95, 10), fill="none", stroke="#ffffff",
                 stroke_opacity="0.16", stroke_width=num(L.v(1.6)), stroke_linecap="round")
    hx, hy = cx - r * 0.3, cy - r * 0.45
    svg.ellipse(hx, hy, r * 0.48, r * 0.26, transform="rotate(-28 %s %s)" % (num(hx), num(hy)),
                fill=svg.radial(hx, hy, r * 0.48, [(0, "#ffffff", 0.9), (1, "#ffffff", 0)],
                                transform="translate(%s,%s) scale(1,0.54) translate(%s,%s)" % (
                                    num(hx), num(hy), num(-hx), num(-hy))))
    if label:
        cap = L.v(9) if not L.small else 5.0
        letters(svg, label, cx + R * 0.8, cy + R * 0.72, cap, T["ink"], max(1.0, L.v(1.9)), "start", skew=0.18)


def draw_pill(svg, T, L, area, label):
    """SELECT / START rubber pill in its slot."""
    x, y, w, h = area
    pw, ph = L.pill
    cx, cy = x + w / 2.0, y + h / 2.0
    dark, lip = T["well"]
    light, base, deep = T["pill"]
    svg.box(x - 0.5, y - 0.5, x + w + 0.5, y + h + 0.5, h / 2.0 + 0.5, fill="none",
            stroke_width=num(max(1.0, L.v(1.4))),
            stroke=svg.linear(x, y, x + w * 0.3, y + h * 1.6, [(0, "#000000", 0.2), (1, lip, 0.9)]))
    svg.box(x, y, x + w, y + h, h / 2.0, fill=svg.vgrad(y, y + h, [(0, darker(dark, 0.45)), (1, lighter(dark, 0.2))]))
    px1, py1 = cx - pw / 2.0, cy - ph / 2.0
    svg.box(px1 + L.v(0.8), py1 + L.v(1.8), px1 + pw + L.v(0.8), py1 + ph + L.v(1.8), ph / 2.0,
            fill="#000000", fill_opacity="0.35")
    svg.box(px1, py1, px1 + pw, py1 + ph, ph / 2.0,
            fill=svg.vgrad(py1, py1 + ph, [(0, light), (0.5, base), (1, deep)]))
    svg.box(px1 + L.v(3), py1 + L.v(1.5), px1 + pw - L.v(3), py1 + L.v(4.5), L.v(1.5),
            fill="#ffffff", fill_opacity="0.45")
    if label:
        if L.small:
            letters(svg, label, cx, y + h + 3.5, 4.0, T["ink"], 0.9, "middle", 2.2, snap=True)
        else:
            letters(svg, label, cx, y + h + 6.0, 6.0, T["ink"], 1.3, "middle", 2.5)


def draw_brand(svg, T, L, text="Tapriko", sup="++"):
    """Logo: italic rounded strokes with a keyline and an offset shadow;
    the "++" is set smaller and raised, like an exponent."""
    fill, outline, shadow = T["brand"]
    bx, by = L.brand
    cap = L.brand_cap
    w, o, tr, sh = (1.5, 0.6, 2.6, 0.9) if L.small else (2.6, 1.3, 2.8, 1.6)
    cap2 = cap * 0.66
    gap = cap * 0.22
    total = text_width(text, cap, tr) + gap + text_width(sup, cap2, tr)
    x = bx - total / 2
    x2 = x + text_width(text, cap, tr) + gap
    for dx, dy, col, width in ((sh, sh * 1.2, shadow, w + 2 * o), (0, 0, outline, w + 2 * o), (0, 0, fill, w)):
        letters(svg, text, x + dx, by + dy, cap, col, width, "start", tr, skew=0.2)
        letters(svg, sup, x2 + dx, by - cap * 0.12 + dy, cap2, col, width * 0.78, "start", tr, skew=0.2)


def draw_controls(svg, T, L):
    draw_round_button(svg, T, L, L.B, "B")
    draw_round_button(svg, T, L, L.A, "A")
    draw_pill(svg, T, L, L.select, "SELECT")
    draw_pill(svg, T, L, L.start, "START")


# ===========================================================================
# Face: helpers for decorations
# ===========================================================================

def inside_body(L, x, y, inset=0.0):
    x1, y1, x2, y2, r = L.body
    x1, y1, x2, y2, r = x1 + inset, y1 + inset, x2 - inset, y2 - inset, max(0.0, r - inset)
    if not (x1 <= x <= x2 and y1 <= y <= y2):
        return False
    qx = min(max(x, x1 + r), x2 - r)
    qy = min(max(y, y1 + r), y2 - r)
    return (x - qx) ** 2 + (y - qy) ** 2 <= r * r


def row_span(L, y, inset=0.0):
    """Left and right end of the body at row y (None outside)."""
    x1, y1, x2, y2, r = L.body
    x1, y1, x2, y2, r = x1 + inset, y1 + inset, x2 - inset, y2 - inset, max(0.0, r - inset)
    if not y1 <= y <= y2:
        return None
    dy = max(0.0, (y1 + r) - y, y - (y2 - r))
    dx = r - math.sqrt(max(0.0, r * r - dy * dy))
    return (x1 + dx, x2 - dx)


def clipped_lines(svg, points, L, inset, **style):
    """Draws a polyline, dropping the parts that leave the body."""
    dense = []
    for (xa, ya), (xb, yb) in zip(points, points[1:]):
        n = max(1, int(math.hypot(xb - xa, yb - ya) / 1.5))
        dense += [(xa + (xb - xa) * i / n, ya + (yb - ya) * i / n) for i in range(n)]
    dense.append(points[-1])
    runs, run = [], []
    for p in dense:
        if inside_body(L, p[0], p[1], inset):
            run.append(p)
        elif run:
            runs.append(run)
            run = []
    if run:
        runs.append(run)
    d = " ".join(poly_d(r, closed=False) for r in runs if len(r) > 1)
    if d:
        svg.path(d, fill="none", **style)


def zigzag(x1, x2, y, amp, period):
    out = []
    x, up = x1, True
    while x <= x2 + period:
        out.append((x, y - amp if up else y + amp))
        x += period / 2.0
        up = not up
    return out


def screw(svg, L, cx, cy, r, angle=30, metal=("#ffffff", "#b3b9c1", "#555b63")):
    """Cross-head screw seated in a small counterbore."""
    light, mid, dark = metal
    svg.circle(cx, cy, r + L.v(1.5), fill=svg.linear(cx - r, cy - r, cx + r, cy + r,
                                                    [(0, "#000000", 0.3), (1, "#ffffff", 0.5)]))
    svg.circle(cx, cy, r, fill=svg.radial(cx - r * 0.4, cy - r * 0.4, r * 1.6, [(0, light), (0.5, mid), (1, dark)]))
    w = max(0.8, r * 0.28)
    for a in (angle, angle + 90):
        dx, dy = math.cos(math.radians(a)) * r * 0.62, math.sin(math.radians(a)) * r * 0.62
        svg.line(cx - dx, cy - dy, cx + dx, cy + dy, stroke=darker(dark, 0.3), stroke_width=num(w),
                 stroke_linecap="round")
    svg.circle(cx, cy, r - 0.4, fill="none", stroke=darker(dark, 0.2), stroke_opacity="0.5",
               stroke_width="0.8")


def star(cx, cy, r1, r2, n=5, rot=-90):
    out = []
    for i in range(n * 2):
        a = math.radians(rot + i * 180.0 / n)
        r = r1 if i % 2 == 0 else r2
        out.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return out


def medal(svg, L, cx, cy, r, ribbon=("#c8262e", "#1f3f8a")):
    """Printed prize medal with two ribbon tails."""
    red, blue = ribbon
    tail = r * 1.25
    for side, col in ((-1, red), (1, blue)):
        x0 = cx + side * r * 0.25
        pts_ = [(x0 - r * 0.42, cy), (x0 + r * 0.42, cy),
                (x0 + r * 0.42 + side * r * 0.45, cy + r + tail),
                (x0 + side * r * 0.25, cy + r + tail - r * 0.35),
                (x0 - r * 0.42 + side * r * 0.45, cy + r + tail)]
        svg.polygon(pts_, fill=col, stroke=darker(col, 0.35), stroke_width=num(max(0.5, L.v(0.8))),
                    stroke_linejoin="round")
    svg.circle(cx + L.v(1), cy + L.v(1.4), r, fill="#000000", fill_opacity="0.25")
    svg.circle(cx, cy, r, fill=svg.linear(cx - r, cy - r, cx + r, cy + r,
                                          [(0, "#fff6cf"), (0.5, "#e9b949"), (1, "#8c5f10")]))
    svg.circle(cx, cy, r * 0.78, fill=svg.linear(cx - r, cy - r, cx + r, cy + r,
                                                 [(0, "#a87716"), (0.5, "#f1cd6c"), (1, "#fff3c4")]))
    svg.polygon(star(cx, cy, r * 0.6, r * 0.25), fill="#fff8dc", stroke="#9b6c12",
                stroke_width=num(max(0.5, L.v(0.8))), stroke_linejoin="round")


# ----- printed circuit parts (also seen faintly through the clear skin) ------

# trace routes in full-size window coordinates; (width, points)
PCB_BUS = [(2.0, [(138, 131 + 4 * i), (211 + 5 * i, 131 + 4 * i), (214 + 5 * i, 128 + 4 * i), (214 + 5 * i, 124)])
           for i in range(4)]
PCB_TRACES = PCB_BUS + [
    # buttons
    (2.4, [(138, 147), (186, 147), (200, 161), (232, 161), (240, 169), (240, 175), (246, 175)]),
    (2.4, [(138, 151), (182, 151), (196, 165), (216, 165), (228, 177), (228, 200), (234, 206), (300, 206),
           (308, 198), (308, 189), (316, 189)]),
    (2.4, [(116, 156), (116, 162), (96, 162), (89, 169), (89, 176)]),
    (2.4, [(128, 156), (128, 162), (152, 162), (159, 169), (159, 176)]),
    # power from the coin cell, ground loop, status lamp
    (3.2, [(156, 104), (156, 114), (126, 114), (126, 124)]),
    (3.2, [(105, 140), (40, 140), (28, 152), (28, 204), (40, 216), (222, 216), (242, 236), (392, 236),
           (404, 224), (404, 160), (398, 154)]),
    (2.0, [(398, 146), (398, 88)]),
]
PCB_VIAS = [(40, 140), (28, 180), (222, 216), (392, 236), (404, 190), (228, 190), (300, 206), (200, 161)]
PCB_PARTS = [  # (label, cx, cy, w, h)   small resistors / capacitors
    ("R1", 203, 186, 9, 4.5), ("R2", 203, 196, 9, 4.5), ("C1", 100, 128, 4.5, 8),
    ("C2", 396, 112, 4.5, 8), ("R3", 398, 150, 4.5, 9), ("C3", 60, 226, 9, 4.5),
]


def pcb_traces(svg, L, P):
    routes = PCB_TRACES if not L.small else PCB_TRACES[1::2] + PCB_TRACES[4:]
    for width, route in routes:
        svg.polyline([L.m(x, y) for x, y in route], fill="none", stroke=P["trace"],
                     stroke_opacity=num(P["trace_op"]), stroke_width=num(max(1.0, L.v(width))),
                     stroke_linecap="round", stroke_linejoin="round")
    for width, route in PCB_BUS:
        x, y = L.m(*route[-1])
        svg.rect(x - L.v(1.6), y - L.v(2.5), L.v(3.2), L.v(4), 0, fill=P["pad"])
    for x, y in PCB_VIAS:
        cx, cy = L.m(x, y)
        svg.circle(cx, cy, max(1.2, L.v(2.6)), fill=P["pad"])
        svg.circle(cx, cy, max(0.5, L.v(1.1)), fill="#0b1a10", fill_opacity="0.8")


def chip(svg, L, P, cx, cy, size, pins, label=None):
    """Square controller chip with gull-wing pins on all sides."""
    h = size / 2.0
    pin_len, pin_w = L.v(3.2), max(0.8, L.v(1.4))
    step = size / (pins + 1.0)
    for i in range(1, pins + 1):
        o = -h + i * step
        for x1, y1, x2, y2 in ((cx + o, cy - h - pin_len, cx + o, cy - h), (cx + o, cy + h, cx + o, cy + h + pin_len),
                               (cx - h - pin_len, cy + o, cx - h, cy + o), (cx + h, cy + o, cx + h + pin_len, cy + o)):
            svg.line(x1, y1, x2, y2, stroke=P["pin"], stroke_width=num(pin_w))
    svg.rect(cx - h + L.v(1), cy - h + L.v(1.5), size, size, L.v(1.5), fill="#000000", fill_opacity="0.3")
    svg.rect(cx - h, cy - h, size, size, L.v(1.5), fill=svg.linear(cx - h, cy - h, cx + h, cy + h,
                                                                  [(0, P["chip_hi"]), (1, P["chip"])]))
    svg.circle(cx - h + L.v(4), cy - h + L.v(4), L.v(1.8), fill="#000000", fill_opacity="0.45")
    if label and not L.small:
        letters(svg, label, cx, cy - 2.5, 5, "#8e9298", 0.9, "middle", 2.2)


def smd(svg, L, P, cx, cy, w, h):
    """Small two-ended part (resistor or capacitor)."""
    svg.rect(cx - w / 2, cy - h / 2, w, h, L.v(0.8), fill=P["part_end"])
    if w >= h:
        svg.rect(cx - w * 0.3, cy - h / 2, w * 0.6, h, 0, fill=P["part"])
    else:
        svg.rect(cx - w / 2, cy - h * 0.3, w, h * 0.6, 0, fill=P["part"])


def coin_cell(svg, L, P, cx, cy, r, detail=True):
    """Coin battery in a holder with a spring clip."""
    light, mid, dark = P["cell"]
    svg.rect(cx - r - L.v(5), cy - r * 0.55, (r + L.v(5)) * 2, r * 1.1, L.v(3), fill=P["chip"])
    svg.circle(cx + L.v(1.2), cy + L.v(1.8), r, fill="#000000", fill_opacity="0.3")
    svg.circle(cx, cy, r, fill=svg.linear(cx - r, cy - r, cx + r, cy + r, [(0, light), (0.5, mid), (1, dark)]))
    svg.circle(cx, cy, r * 0.86, fill="none", stroke=dark, stroke_opacity="0.5", stroke_width=num(max(0.6, L.v(1))))
    lm, _, dm = P["metal"]
    clip = [(cx + r * 0.1, cy - r * 0.28), (cx + r + L.v(9), cy - r * 0.2),
            (cx + r + L.v(9), cy + r * 0.2), (cx + r * 0.1, cy + r * 0.28)]
    svg.polygon(clip, fill=svg.vgrad(cy - r * 0.3, cy + r * 0.3, [(0, lm), (1, dm)]))
    if detail:
        letters(svg, "+", cx - r * 0.45, cy - r * 0.35, L.v(9), dark, max(0.8, L.v(1.6)), "middle", 0)
        if not L.small:
            letters(svg, "CR2032", cx - r * 0.22, cy + r * 0.38, 4.5, dark, 0.9, "middle", 2.0)


def tactile(svg, L, P, area, label):
    """Bare tactile switch: black base, metal cover, round plunger, four legs."""
    x, y, w, h = area
    cx, cy = x + w / 2.0, y + h / 2.0
    s = min(w, h)
    half = s * 0.44
    leg = L.v(3.4)
    for sx in (-1, 1):
        for sy in (-1, 1):
            svg.rect(cx + half if sx > 0 else cx - half - leg,
                     cy + sy * half * 0.62 - L.v(2), leg, L.v(4), 0, fill=P["pad"])
    svg.rect(cx - half + L.v(1), cy - half + L.v(1.6), half * 2, half * 2, L.v(2), fill="#000000", fill_opacity="0.35")
    svg.rect(cx - half, cy - half, half * 2, half * 2, L.v(2), fill="#202124")
    lm, mm, dm = P["metal"]
    m = half * 0.86
    svg.rect(cx - m, cy - m, m * 2, m * 2, L.v(1.2), fill=svg.linear(cx - m, cy - m, cx + m, cy + m,
                                                                   [(0, lm), (0.55, mm), (1, dm)]))
    for sx in (-1, 1):
        for sy in (-1, 1):
            svg.circle(cx + sx * m * 0.72, cy + sy * m * 0.72, max(0.6, L.v(1.2)), fill=dm)
    pr = s * 0.25
    svg.circle(cx, cy, pr + L.v(1.2), fill="#000000", fill_opacity="0.35")
    svg.circle(cx, cy, pr, fill=svg.radial(cx - pr * 0.4, cy - pr * 0.4, pr * 1.5,
                                          [(0, "#5a5c62"), (0.5, "#27282c"), (1, "#070708")]))
    if label:
        if L.small:
            letters(svg, label, x + w + 3.5, cy + half - 3.0, 4.0, P["silk"], 0.9, "start", snap=True)
        else:
            letters(svg, label, x + w + 8, cy + half - 7, 8, P["silk"], 1.4, "start")


def draw_board_parts(svg, L, P, full, coin=(156, 80, 25)):
    """Everything soldered on the board.  full=False leaves out small print."""
    pcb_traces(svg, L, P)
    bx, by = L.m(coin[0], coin[1])
    coin_cell(svg, L, P, bx, by, L.v(coin[2]), detail=full)
    cx, cy = L.m(122, 140)
    chip(svg, L, P, cx, cy, L.v(26), 6 if L.small else 7, "U1" if full else None)
    xx, xy = L.m(176, 118)
    svg.ellipse(xx, xy, L.v(9), L.v(3.6), fill=svg.vgrad(xy - L.v(3.6), xy + L.v(3.6),
                                                         [(0, P["metal"][0]), (1, P["metal"][2])]))
    for _label, x, y, w, h in PCB_PARTS:
        px_, py_ = L.m(x, y)
        smd(svg, L, P, px_, py_, L.v(w), L.v(h))
    lx, ly = L.m(398, 80)  # status lamp
    svg.rect(lx - L.v(5), ly - L.v(3), L.v(10), L.v(6), L.v(1), fill=P["part_end"])
    svg.circle(lx, ly, L.v(4.2), fill=svg.radial(lx - L.v(1.5), ly - L.v(1.5), L.v(5),
                                                 [(0, "#ffd0c8"), (0.4, "#ff4b3a"), (1, "#9c150c")]))


def draw_silkscreen(svg, L, P):
    """White print on the bare board."""
    silk = P["silk"]
    for area in (L.tact_B, L.tact_A):  # component outlines around the bare switches
        x, y, w, h = area
        m = L.v(5)
        svg.rect(x - m + 0.5, y - m + 0.5, w + 2 * m - 1, h + 2 * m - 1, L.v(2), fill="none", stroke=silk,
                 stroke_width=num(max(0.7, L.v(1))), stroke_opacity="0.8")
    if L.small:
        letters(svg, "Tapriko++", 58, 110, 5.0, silk, 1.0, "middle", 2.2)
        return
    for label, x, y, w, h in PCB_PARTS:
        letters(svg, label, x + w / 2 + 3, y - 2.5, 5, silk, 1.0, "start", 2.0)
    for label, x, y in (("BT1", 190, 54), ("U1", 96, 146), ("X1", 176, 106), ("LCD1", 393, 42),
                        ("H1", 110, 104), ("SW3", 259.5, 151), ("SW4", 331.5, 151), ("D1", 398, 66)):
        letters(svg, label, x, y, 5, silk, 1.0, "middle", 2.0)
    letters(svg, "Tapriko++", 118, 222, 9, silk, 1.6, "middle", 2.4)
    letters(svg, "MAIN BOARD  REV.2", 118, 236, 5, silk, 1.0, "middle", 2.4)
    svg.path(body_d(L, -10.5), fill="none", stroke=silk, stroke_opacity="0.55", stroke_width="1",
             stroke_dasharray="6,4")


# ===========================================================================
# Face: the six skins
# ===========================================================================

def skin_normal(svg, T, L):
    x1, x2 = L.body[0], L.body[2]
    red, blue = T["accent"]
    ya = L.v(133)
    svg.box(x1, ya, x2, ya + L.v(8), 0, fill=red)
    svg.box(x1, ya + L.v(10), x2, ya + L.v(13), 0, fill=blue)
    svg.box(x1, ya, x2, ya + L.v(1), 0, fill="#ffffff", fill_opacity="0.35")
    draw_gloss(svg, L)
    draw_eyelet(svg, T, L, L.hole)
    draw_lcd(svg, T, L)
    draw_controls(svg, T, L)
    draw_brand(svg, T, L)


def skin_pro(svg, T, L):
    _, y1, x2, y2, _ = L.body
    orange, silver = T["accent"]
    # brushed metal texture
    rows_lit, rows_dark = [], []
    step = 2 if not L.small else 1
    y = y1 + L.v(7)
    i = 0
    while y < y2 - L.v(7):
        span = row_span(L, y, L.v(7))
        if span:
            (rows_lit if i % 3 else rows_dark).append("M%s,%s H%s" % (num(span[0]), num(y + 0.5), num(span[1])))
        y += step
        i += 1
    svg.path(" ".join(rows_lit), stroke="#ffffff", stroke_opacity="0.035", stroke_width="1", fill="none")
    svg.path(" ".join(rows_dark), stroke="#000000", stroke_opacity="0.12", stroke_width="1", fill="none")
    # racing stripes
    ya = L.v(131)
    for k in range(3):
        xs = L.v(16 + k * 14)
        svg.polygon([(xs + L.v(6), ya), (xs + L.v(12), ya), (xs + L.v(6), ya + L.v(9)), (xs, ya + L.v(9))],
                    fill=orange, fill_opacity=num(0.45 + 0.25 * k))
    xs = L.v(58)
    svg.polygon([(xs + L.v(6), ya), (x2, ya), (x2, ya + L.v(9)), (xs, ya + L.v(9))], fill=orange)
    svg.box(xs, ya + L.v(11), x2, ya + L.v(13), 0, fill=svg.linear(0, 0, x2, 0, [(0, silver, 0), (0.3, silver), (1, "#8c939c")]))
    svg.box(xs + L.v(6), ya, x2, ya + max(0.6, L.v(1)), 0, fill="#ffffff", fill_opacity="0.35")
    draw_gloss(svg, L, 0.16)
    draw_eyelet(svg, T, L, L.hole)
    # chrome ring around the display
    bx1, by1, bx2, by2 = L.bezel
    g = L.v(3)
    svg.path(rrect_d(bx1 - g, by1 - g, bx2 + g, by2 + g, L.v(10) + g),
             fill=svg.linear(bx1, by1, bx2 * 0.9, by2, list(zip((0, 0.35, 0.5, 0.75, 1), T["chrome"]))))
    draw_lcd(svg, T, L)
    draw_controls(svg, T, L)
    for c in (L.B, L.A):  # machined rings on the aluminium caps
        for f in (0.35, 0.6, 0.82):
            svg.circle(c[0], c[1], L.cap_r * f, fill="none", stroke="#000000", stroke_opacity="0.07",
                       stroke_width=num(max(0.5, L.v(0.8))))
    draw_brand(svg, T, L)
    # PRO badge under the logo
    bx, by = L.brand
    cap = L.v(6) if not L.small else 3.5
    wid = text_width("PRO", cap, 2.2) + L.v(10)
    top = by + L.brand_cap + L.v(9)
    svg.box(bx - wid / 2, top, bx + wid / 2, top + cap + L.v(6), L.v(2), fill=orange)
    letters(svg, "PRO", bx, top + L.v(3), cap, "#111215", max(0.8, L.v(1.4)), "middle", 2.2)


def gold_engrave_frame(svg, T, L):
    """Engraved border line and guilloche waves on the gold plate."""
    dark, light = T["engrave"]
    ins = L.v(13)
    x1, y1, x2, y2, r = L.body
    for off, col, op in ((L.v(0.8), light, 0.8), (0, dark, 0.55)):
        svg.path(rrect_d(x1 + ins + off, y1 + ins + off, x2 - ins + off, y2 - ins + off, r - ins),
                 fill="none", stroke=col, stroke_opacity=num(op), stroke_width=num(max(0.6, L.v(1))))
    waves = 9 if not L.small else 5
    for i in range(waves):
        yb = L.v(160) + i * L.v(9) * (1 if not L.small else 1.6)
        wave = [(x, yb + L.v(4) * math.sin((x / L.k) / 23.0 + i * 0.7)) for x in
                [x1 + j * L.v(3) for j in range(int((x2 - x1) / L.v(3)) + 1)]]
        clipped_lines(svg, wave, L, L.v(18), stroke=dark, stroke_opacity="0.13", stroke_width=num(max(0.6, L.v(1))))
        clipped_lines(svg, [(x + L.v(0.8), y + L.v(0.8)) for x, y in wave], L, L.v(18), stroke=light,
                      stroke_opacity="0.25", stroke_width=num(max(0.6, L.v(1))))


def skin_gold(svg, T, L):
    dark, light = T["engrave"]
    gold_engrave_frame(svg, T, L)
    draw_gloss(svg, L, 0.45)
    # medal and edition print
    mx, my = L.m(46, 134)
    red, blue = T["accent"]
    medal(svg, L, mx, my, L.v(13), (red, blue))
    tx = L.v(66)
    if L.small:
        engraved(svg, "GOLD", tx, 61, 8.0, dark, light, 1.5, track=2.4, depth=0.6)
    else:
        engraved(svg, "GOLD", tx, 118, 14, dark, light, 2.6, track=2.6)
        engraved(svg, "PRIZE EDITION", tx, 139, 6, dark, light, 1.2, track=2.6)
        engraved(svg, "No. 0001", tx, 151, 5, dark, light, 1.0, track=2.6)
    draw_eyelet(svg, T, L, L.hole)
    draw_lcd(svg, T, L)
    draw_controls(svg, T, L)
    engraved_brand(svg, L, dark, light, L.v(2.4) if not L.small else 1.3)


def engraved_brand(svg, L, dark, light, w):
    bx, by = L.brand
    cap = L.brand_cap
    cap2 = cap * 0.66
    tr = 2.8 if not L.small else 2.6
    total = text_width("Tapriko", cap, tr) + cap * 0.22 + text_width("++", cap2, tr)
    x = bx - total / 2
    x2 = x + text_width("Tapriko", cap, tr) + cap * 0.22
    d = max(0.6, L.v(1))
    engraved(svg, "Tapriko", x, by, cap, dark, light, w, skew=0.2, track=tr, depth=d)
    engraved(svg, "++", x2, by - cap * 0.12, cap2, dark, light, w * 0.8, skew=0.2, track=tr, depth=d)


def skin_clear(svg, T, L):
    x1, y1, x2, y2, r = L.body
    # the inner board, seen through the tinted shell
    P = T["pcb"]
    ins = L.v(15)
    svg.path(rrect_d(x1 + ins, y1 + ins, x2 - ins, y2 - ins, r - ins),
             fill=svg.vgrad(y1, y2, [(0, P["board"][0]), (1, P["board"][1])]), fill_opacity="0.8")
    svg.path(rrect_d(x1 + ins, y1 + ins, x2 - ins, y2 - ins, r - ins), fill="none", stroke="#7fa493",
             stroke_width=num(max(0.8, L.v(1.2))))
    draw_board_parts(svg, L, P, False, coin=(211, 222, 16))
    for c in (L.B, L.A):  # rubber domes under the caps
        svg.circle(c[0], c[1], L.well_r + L.v(4), fill="#5e8ea3", fill_opacity="0.18")
    svg.path(body_d(L), fill=svg.vgrad(y1, y2, [(0, "#f4fbfe", 0.38), (1, "#cfe5ee", 0.18)]))
    # thick clear plastic at the edge looks more coloured
    svg.path(body_d(L, -L.v(2.5)), fill="none", stroke=T["rim"], stroke_opacity="0.35", stroke_width=num(L.v(5)))
    for sx, sy in ((30, 30), (399, 30), (30, 230), (399, 230)):
        cx, cy = L.m(sx, sy)
        screw(svg, L, cx, cy, L.v(5.5), 35)
    # glossy streaks across the shell
    for xa, wa, op in ((60, 40, 0.45), (112, 12, 0.3), (300, 24, 0.22)):
        pts_ = [(xa + 60, 4), (xa + 60 + wa, 4), (xa + wa - 30, 256), (xa - 30, 256)]
        svg.polygon([L.m(px, py) for px, py in pts_], fill=svg.linear(*(L.m(xa, 4) + L.m(xa - 30, 256)), stops=[
            (0, "#ffffff", op), (0.6, "#ffffff", op * 0.4), (1, "#ffffff", 0)]))
    draw_eyelet(svg, T, L, L.hole)
    draw_lcd(svg, T, L)
    draw_controls(svg, T, L)
    for c in (L.B, L.A):  # clear caps: coloured rim, lighter centre
        svg.circle(c[0], c[1], L.cap_r * 0.62, fill="#ffffff", fill_opacity="0.22")
    draw_brand(svg, T, L)


def skin_circuit(svg, T, L):
    x1, y1, x2, y2 = L.body[:4]
    P = T["pcb"]
    b1, b2 = P["board"]
    svg.path(body_d(L, 0.5), fill=svg.linear(x1, y1, x2 * 0.4, y2, [(0, b1), (1, b2)]))
    svg.path(body_d(L), fill="none", stroke="#d8dcae", stroke_opacity="0.8", stroke_width=num(max(1.5, L.v(3))))
    svg.path(body_d(L, -L.v(1.6)), fill="none", stroke="#0a3a1d", stroke_opacity="0.5", stroke_width="1")
    draw_board_parts(svg, L, P, True)
    # fiducials
    for fx, fy in ((24, 120), (410, 24 + 100)):
        cx, cy = L.m(fx, fy)
        svg.circle(cx, cy, L.v(4), fill="none", stroke=P["pad"], stroke_opacity="0.5", stroke_width=num(L.v(1)))
        svg.circle(cx, cy, L.v(1.8), fill=P["pad"])
    # plated strap hole with stitching vias
    cx, cy, rx, ry = L.hole
    for i in range(10):
        a = math.radians(i * 36 + 18)
        svg.circle(cx + (rx + L.eyelet + L.v(6)) * math.cos(a), cy + (ry + L.eyelet + L.v(6)) * math.sin(a),
                   max(0.9, L.v(2)), fill=P["pad"])
    draw_eyelet(svg, T, L, L.hole)
    # LCD module in its metal frame, with contact strip
    draw_lcd_module(svg, T, L)
    # SELECT / START pills on carbon pads, bare switches for B and A
    for area, label in ((L.select, "SELECT"), (L.start, "START")):
        draw_pill(svg, T, L, area, label)
    tactile(svg, L, P, L.tact_B, "B")
    tactile(svg, L, P, L.tact_A, "A")
    draw_silkscreen(svg, L, P)


def draw_lcd_module(svg, T, L):
    bx1, by1, bx2, by2 = L.bezel
    light, dark = T["bezel"]
    tab = L.v(8)
    for tx in (bx1 + L.v(22), bx2 - L.v(30)):
        svg.rect(tx, by2 - L.v(1), tab, L.v(5), L.v(1), fill=dark)
        svg.rect(tx, by1 - L.v(4), tab, L.v(5), L.v(1), fill=dark)
    svg.path(rrect_d(bx1 + L.v(1.5), by1 + L.v(2), bx2 + L.v(1.5), by2 + L.v(2), L.v(3)), fill="#000000", fill_opacity="0.35")
    svg.path(rrect_d(bx1, by1, bx2, by2, L.v(3)), fill=svg.linear(bx1, by1, bx2, by2, [
        (0, "#ffffff"), (0.3, light), (0.7, "#b8bec5"), (1, dark)]))
    svg.path(rrect_d(bx1 + 0.5, by1 + 0.5, bx2 - 0.5, by2 - 0.5, L.v(3)), fill="none", stroke="#4b5157",
             stroke_opacity="0.6", stroke_width="1")
    gx1, gy1, gx2, gy2 = L.glass
    strip = L.v(3)
    svg.box(gx1 - strip - L.v(1), gy1 - L.v(1), gx2 + strip + L.v(1), gy2 + L.v(1), L.v(1), fill="#3c4045")
    draw_lcd(svg, T, L, frame=False)
    for n, (mx, _) in enumerate(L.modes):
        mode_icon(svg, L, n, mx + L.mode_size[0] / 2.0, L.mode_icon_y, "#3b4046")
    if not L.small:
        letters(svg, "RAPID FIRE METER", (bx1 + bx2) / 2, by1 + 3.5, 5.0, "#3b4046", 1.0, "middle", 2.8)


def dero_letters(svg, L, text, cx, top, cap, colours, outline, width):
    """Bouncy letters: each one tilted and shifted, colours alternating."""
    tr = 2.6
    total = text_width(text, cap, tr)
    x = cx - total / 2
    k = cap / 10.0
    for i, ch in enumerate(text):
        adv = GLYPHS[ch][0]
        if ch != " ":
            gx = x + adv * k / 2
            tilt = (-9, 7, -5, 10)[i % 4]
            lift = (0, -0.12, 0.06, -0.08)[i % 4] * cap
            svg.begin("rotate(%s %s %s)" % (tilt, num(gx), num(top + cap / 2)))
            letters(svg, ch, x + L.v(1.6), top + lift + L.v(2), cap, outline, width * 2.2, "start", tr)
            letters(svg, ch, x, top + lift, cap, outline, width * 2.2, "start", tr)
            letters(svg, ch, x, top + lift, cap, colours[i % len(colours)], width, "start", tr)
            svg.end()
        x += (adv + tr) * k


def skin_dero(svg, T, L):
    yellow, pink, mint = T["accent"]
    # polka dots
    for px_, py_, pr, col in ((30, 176, 7, pink), (44, 226, 10, mint), (196, 236, 6, yellow), (396, 120, 8, pink),
                              (404, 206, 6, mint), (140, 24, 6, mint), (22, 120, 5, yellow), (214, 190, 5, pink),
                              (380, 26, 5, yellow), (122, 230, 4, pink)):
        cx, cy = L.m(px_, py_)
        svg.circle(cx, cy, L.v(pr), fill=col, fill_opacity="0.55")
    # zig-zag bands
    wz = max(1.4, L.v(5))
    for y, col, amp, per, width in ((138, yellow, 6, 18, wz), (138, pink, 6, 18, wz * 0.35),
                                    (244, pink, 4, 14, wz * 0.8), (16, mint, 3.5, 12, wz * 0.6)):
        pts_ = [L.m(x, y_) for x, y_ in zigzag(0, 430, y, amp, per)]
        clipped_lines(svg, pts_, L, L.v(5), stroke=col, stroke_width=num(width), stroke_linejoin="miter")
    draw_gloss(svg, L, 0.25)
    draw_eyelet(svg, T, L, L.hole)
    draw_lcd(svg, T, L)
    # goofy face: the caps are the eyes
    dark = T["face"]
    for (cx, cy), lift, tilt in ((L.B, L.v(5), -12), (L.A, 0, 10)):
        R = L.well_r
        brow = [(x, y - lift) for x, y in arc_pts(cx, cy + R * 0.35, R * 0.95, R * 1.62, 220, 320, 10)]
        svg.begin("rotate(%s %s %s)" % (tilt, num(cx), num(cy - R)))
        svg.polyline(brow, fill="none", stroke=dark, stroke_width=num(max(2.2, L.v(6.5))), stroke_linecap="round")
        svg.polyline([(x - L.v(0.8), y - L.v(1.6)) for x, y in brow[2:-2]], fill="none", stroke="#ffffff",
                     stroke_opacity="0.35", stroke_width=num(max(0.6, L.v(1.2))), stroke_linecap="round")
        svg.end()
    draw_controls(svg, T, L)
    for (cx, cy), (dx, dy) in ((L.B, (-0.32, -0.3)), (L.A, (0.36, 0.34))):
        pr = L.cap_r * 0.42
        px_, py_ = cx + dx * L.cap_r, cy + dy * L.cap_r
        svg.circle(px_, py_, pr, fill=dark)
        svg.circle(px_ - pr * 0.35, py_ - pr * 0.35, pr * 0.3, fill="#ffffff")
    # grin with tongue between the eyes, below them
    mx = (L.B[0] + L.A[0]) / 2.0
    my = L.B[1] + L.well_r + L.v(12)
    mw, mh = L.v(28), L.v(18)
    mouth = arc_pts(mx, my, mw, mh, 0, 180, 20)
    svg.polygon([(mx - mw, my), (mx + mw, my)] + mouth, fill=dark)
    svg.polygon([(mx - mw, my), (mx + mw, my)] + mouth, fill="none", stroke="#ffffff", stroke_opacity="0.9",
                stroke_width=num(max(0.8, L.v(1.4))), stroke_linejoin="round")
    svg.ellipse(mx + L.v(7), my + mh * 0.7, L.v(11), L.v(8), fill=pink)
    svg.line(mx + L.v(7), my + mh * 0.42, mx + L.v(7), my + mh * 0.95, stroke=darker(pink, 0.3),
             stroke_width=num(max(0.6, L.v(1.2))), stroke_linecap="round")
    svg.rect(mx - L.v(16), my, L.v(10), L.v(6), L.v(1), fill="#ffffff")
    # loud name
    cx = L.brand[0]
    cap = L.v(17) if not L.small else 8.5
    width = L.v(2.8) if not L.small else 1.5
    dero_letters(svg, L, "DERO", cx, L.v(44), cap, (yellow, pink, mint), dark, width)
    dero_letters(svg, L, "DODI", cx + L.v(6), L.v(74), cap, (pink, mint, yellow), dark, width)


SKIN_DRAW = [skin_normal, skin_pro, skin_gold, skin_clear, skin_circuit, skin_dero]


def make_faces():
    for L in LAYOUTS:
        for i, T in enumerate(SKINS):
            svg = Svg(L.W, L.H)
            if "shell" in T:
                draw_shell(svg, T, L)
            SKIN_DRAW[i](svg, T, L)
            svg.write("face/skin%d%s.svg" % (i, L.tag))


# ===========================================================================
# Back face
# ===========================================================================

def slot(svg, L, x1, y1, x2, y2):
    """A ventilation slit cut through the case."""
    r = (y2 - y1) / 2.0
    svg.box(x1, y1 + L.v(0.8), x2, y2 + L.v(0.8), r, fill="#ffffff", fill_opacity="0.7")
    svg.box(x1, y1, x2, y2, r, fill=svg.vgrad(y1, y2, [(0, "#0d0e10"), (1, "#3a3630")]))


def groove(svg, L, d):
    """Parting line of a separate moulded part: dark cut with a lit lower edge."""
    svg.begin("translate(%s,%s)" % (num(L.v(0.9)), num(L.v(0.9))))
    svg.path(d, fill="none", stroke="#ffffff", stroke_opacity="0.85", stroke_width=num(max(0.8, L.v(1.2))))
    svg.end()
    svg.path(d, fill="none", stroke="#5b5040", stroke_opacity="0.6", stroke_width=num(max(0.8, L.v(1.2))))


# Colours of the rear: the body itself is skin 0 ("normal").
BACK = dict(skin=0, cover=("#f6eedd", "#e6dbc4"), emboss="#8a7c63", grip="#7a6e5a",
            recess=("#8f8169", "#d9cdb4", "#ffffff"), floor=("#b8ac95", "#d9cfbb"), gap="#2c2925",
            plate=("#fbfcfd", "#d5dade", "#eef1f3", "#b7bec5"), plate_edge="#7d858e", plate_ink="#3d444c")


def back_battery_cover(svg, L):
    """Battery lid: parting line, thumb grip, screw and embossed print."""
    emboss = BACK["emboss"]
    bx1, by1 = L.m(134, 50)
    bx2, by2 = L.m(300, 170)
    c1, c2 = BACK["cover"]
    svg.path(rrect_d(bx1, by1, bx2, by2, L.v(12)), fill=svg.vgrad(by1, by2, [(0, c1), (1, c2)]))
    groove(svg, L, rrect_d(bx1, by1, bx2, by2, L.v(12)))
    for i in range(6 if not L.small else 4):
        gx = bx2 - L.v(14) - i * L.v(5 if not L.small else 7)
        svg.line(gx, by1 + L.v(30), gx, by2 - L.v(30), stroke="#ffffff", stroke_opacity="0.8",
                 stroke_width=num(max(0.8, L.v(1.5))), stroke_linecap="round")
        svg.line(gx - L.v(1.3), by1 + L.v(30), gx - L.v(1.3), by2 - L.v(30), stroke=BACK["grip"],
                 stroke_opacity="0.45", stroke_width=num(max(0.8, L.v(1.2))), stroke_linecap="round")
    sx, sy = L.m(152, 110)
    screw(svg, L, sx, sy, L.v(6), 20)
    cx = (bx1 + bx2) / 2.0 - L.v(6)
    if L.small:
        svg.rect(cx - 12, 48, 24, 12, 2, fill="none", stroke=emboss, stroke_opacity="0.6", stroke_width="1")
        svg.rect(cx + 12, 52, 1.5, 4, 0.5, fill=emboss, fill_opacity="0.6")
        return
    engraved(svg, "OPEN", cx, 76, 6, emboss, "#ffffff", 1.3, "middle", 2.6)
    svg.polyline([(cx + 20, 79), (cx + 26, 82), (cx + 20, 85)], fill="none", stroke=emboss,
                 stroke_width="1.3", stroke_linecap="round", stroke_linejoin="round")
    svg.rect(cx - 26, 96, 50, 26, 4, fill="none", stroke="#ffffff", stroke_width="1.4")
    svg.rect(cx - 27, 95, 50, 26, 4, fill="none", stroke=emboss, stroke_opacity="0.6", stroke_width="1.4")
    svg.rect(cx + 23, 104, 3, 9, 1, fill=emboss, fill_opacity="0.6")
    engraved(svg, "+  3V  -", cx - 2, 105, 6, emboss, "#ffffff", 1.2, "middle", 2.2)
    engraved(svg, "CR2032", cx, 134, 7, emboss, "#ffffff", 1.3, "middle", 2.6)


def back_reset_recess(svg, L):
    """Frame sunk into the case; the reset button picture fills its floor."""
    x, y, w, h = L.reset
    m = L.v(5)
    a, b, c = BACK["recess"]
    svg.path(rrect_d(x - m, y - m, x + w + m, y + h + m, L.v(9)), fill=svg.linear(
        x - m, y - m, x + w + m, y + h + m, [(0, a), (0.5, b), (1, c)]))
    svg.path(rrect_d(x - 0.5, y - 0.5, x + w + 0.5, y + h + 0.5, L.v(5)), fill=BACK["gap"])
    f1, f2 = BACK["floor"]
    svg.box(x, y, x + w, y + h, L.v(4), fill=svg.linear(x, y, x + w, y + h, [(0, f1), (1, f2)]))


def back_print(svg, L, ink):
    """Rating plate and maker's print along the bottom."""
    if L.small:
        letters(svg, "MADE BY TAPRIKO++", 107, 112, 4, ink, 0.9, "middle", 2.4)
        return
    px1, py1, px2, py2 = 134, 184, 300, 218
    svg.rect(px1 + 1, py1 + 1.5, px2 - px1, py2 - py1, 3, fill="#000000", fill_opacity="0.18")
    svg.rect(px1, py1, px2 - px1, py2 - py1, 3, fill=svg.linear(px1, py1, px2, py2, list(zip(
        (0, 0.45, 0.55, 1), BACK["plate"]))))
    svg.rect(px1 + 0.5, py1 + 0.5, px2 - px1 - 1, py2 - py1 - 1, 3, fill="none", stroke=BACK["plate_edge"],
             stroke_width="1")
    letters(svg, "MODEL TP-16   RAPID FIRE METER", 217, py1 + 7, 5, BACK["plate_ink"], 1.0, "middle", 2.4)
    letters(svg, "DC 3V  CR2032 X 1", 217, py1 + 20, 5, BACK["plate_ink"], 1.0, "middle", 2.4)
    letters(svg, "MADE BY TAPRIKO++", 217, 228, 7, ink, 1.4, "middle", 2.6)


def make_back():
    T = SKINS[BACK["skin"]]
    for L in LAYOUTS:
        svg = Svg(L.W, L.H)
        draw_shell(svg, T, L)
        back_battery_cover(svg, L)
        for i in range(7 if not L.small else 5):  # ventilation slits under the strap hole
            y = L.v(130) + i * L.v(10 if not L.small else 13)
            slot(svg, L, L.v(322), y, L.v(398), y + L.v(4 if not L.small else 5))
        back_reset_recess(svg, L)
        for px_, py_ in ((30, 226), (399, 226), (30, 30), (399, 30)):
            cx_, cy_ = L.m(px_, py_)
            screw(svg, L, cx_, cy_, L.v(5), 40)
        back_print(svg, L, T["ink"])
        draw_eyelet(svg, T, L, L.back_hole)
        svg.write("face/back%s.svg" % L.tag)


# ===========================================================================
# Back: reset button and the two seals over it
# ===========================================================================

SEALS = dict(reset_floor=("#bdb19a", "#ddd3bf"), reset_ring=("#6d6452", "#fbf7ee"), reset_gap="#2a2622",
             reset_cap=("#ff8f80", "#dc3a2d", "#861910"), reset_ink="#5a4f3f",
             paper=("#ffffff", "#e9ecef", "#f7f8f9", "#cfd4da"), paper_line="#8d96a0", paper_ink="#3b4048",
             warning=("#f2574b", "#d42a22", "#a8160f"), warning_mark="#ffe14d", warning_edge="#6a0c07")


def reset_button(svg, L, w, h):
    """Small red push button at the bottom of its recess, label above."""
    k = L.k
    svg.rect(0, 0, w, h, 4 * k, fill=svg.vgrad(0, h, [(0, SEALS["reset_floor"][0]), (1, SEALS["reset_floor"][1])]))
    svg.rect(0, 0, w, 6 * k, 0, fill=svg.vgrad(0, 6 * k, [(0, "#000000", 0.3), (1, "#000000", 0)]))
    svg.rect(0, 0, 5 * k, h, 0, fill=svg.linear(0, 0, 5 * k, 0, [(0, "#000000", 0.22), (1, "#000000", 0)]))
    cx, cy = w / 2.0, h * 0.62
    rr = 9.0 * k
    r1, r2 = SEALS["reset_ring"]
    svg.circle(cx, cy, rr + 3 * k, fill=svg.linear(cx - rr, cy - rr, cx + rr, cy + rr, [(0, r1), (1, r2)]))
    svg.circle(cx, cy, rr + 1.2 * k, fill=SEALS["reset_gap"])
    svg.circle(cx + 0.8 * k, cy + 1.2 * k, rr, fill="#000000", fill_opacity="0.4")
    light, base, deep = SEALS["reset_cap"]
    svg.circle(cx, cy, rr, fill=svg.radial(cx - rr * 0.35, cy - rr * 0.4, rr * 1.5,
                                           [(0, light), (0.5, base), (1, deep)]))
    svg.ellipse(cx - rr * 0.3, cy - rr * 0.45, rr * 0.45, rr * 0.25, fill="#ffffff", fill_opacity="0.6")
    if L.small:
        letters(svg, "RESET", cx, 1.5, 4.0, SEALS["reset_ink"], 0.8, "middle", 2.0, snap=True)
    else:
        letters(svg, "RESET", cx, 4.5, 5, SEALS["reset_ink"], 1.1, "middle", 2.6)


def seal_inner(svg, L, w, h):
    """Silver paper sticker with a security hatch and a do-not-peel note."""
    k = L.k
    svg.rect(0.3, 0.3, w - 0.6, h - 0.6, 2 * k, fill=svg.linear(0, 0, w, h, list(zip(
        (0, 0.45, 0.55, 1), SEALS["paper"]))))
    hatch = []
    step = 4 * k if not L.small else 3
    i = -h
    while i < w:
        hatch.append("M%s,%s L%s,%s" % (num(i), num(h - 1), num(i + h - 2), num(1)))
        i += step
    svg.path(" ".join(hatch), stroke="#aab2bb", stroke_opacity="0.35", stroke_width="0.6", fill="none")
    line, ink = SEALS["paper_line"], SEALS["paper_ink"]
    svg.rect(2.5 * k, 2.5 * k, w - 5 * k, h - 5 * k, 1.5 * k, fill="none", stroke=line,
             stroke_width=num(max(0.6, 0.8 * k)), stroke_dasharray="%s,%s" % (num(3 * k), num(2 * k)))
    if L.small:
        svg.circle(w / 2.0, h / 2.0, 6, fill="#ffffff", fill_opacity="0.85", stroke=line, stroke_width="0.7")
        svg.polyline([(w / 2.0 - 3, h / 2.0 + 0.2), (w / 2.0 - 0.8, h / 2.0 + 2.4), (w / 2.0 + 3.2, h / 2.0 - 2.4)],
                     fill="none", stroke=ink, stroke_width="1", stroke_linecap="round", stroke_linejoin="round")
    else:
        svg.rect(10, 9, w - 20, 26, 2, fill="#ffffff", fill_opacity="0.85")
        svg.text(w / 2.0, 20, "はがさないで", 8, ink)
        svg.text(w / 2.0, 31, "ください", 8, ink)
    svg.rect(0.5, 0.5, w - 1, h - 1, 2 * k, fill="none", stroke="#7c8590", stroke_opacity="0.7", stroke_width="1")


def seal_outer(svg, L, w, h):
    """Red warning sticker."""
    k = L.k
    mark = SEALS["warning_mark"]
    svg.rect(0.3, 0.3, w - 0.6, h - 0.6, 2 * k, fill=svg.linear(0, 0, w * 0.4, h, list(zip(
        (0, 0.5, 1), SEALS["warning"]))))
    svg.rect(2.5 * k, 2.5 * k, w - 5 * k, h - 5 * k, 1.5 * k, fill="none", stroke="#ffffff",
             stroke_width=num(max(0.8, 1.2 * k)))
    if L.small:
        tri = [(w / 2.0, 4.5), (w / 2.0 + 6, 16), (w / 2.0 - 6, 16)]
        svg.polygon(tri, fill=mark, stroke=mark, stroke_width="1.2", stroke_linejoin="round")
        letters(svg, "!", w / 2.0, 7.8, 6, "#1d1d1f", 1.3, "start")
    else:
        tri = [(16, 10), (26, 30), (6, 30)]
        svg.polygon(tri, fill=mark, stroke=mark, stroke_width="2", stroke_linejoin="round")
        letters(svg, "!", 16, 15.5, 10, "#1d1d1f", 2.0, "start")
        letters(svg, "WARNING", 48.5, 11, 6, "#ffffff", 1.4, "middle", 2.0)
        letters(svg, "DO NOT", 48.5, 21, 4.4, mark, 1.0, "middle", 2.2)
        letters(svg, "OPEN", 48.5, 28.5, 4.4, mark, 1.0, "middle", 2.2)
    svg.rect(0, 0, w, h * 0.45, 2 * k, fill="#ffffff", fill_opacity="0.12")
    svg.rect(0.5, 0.5, w - 1, h - 1, 2 * k, fill="none", stroke=SEALS["warning_edge"], stroke_opacity="0.6",
             stroke_width="1")


def make_reset_and_seals():
    for L in LAYOUTS:
        w, h = L.reset[2], L.reset[3]
        for name, draw in (("reset_button", reset_button), ("seal_inner", seal_inner), ("seal_outer", seal_outer)):
            svg = Svg(w, h)
            draw(svg, L, w, h)
            svg.write("back/%s%s.svg" % (name, L.tag))


# ===========================================================================
# Pressed buttons: skin-neutral overlays that push the printed cap in
# ===========================================================================

def make_pressed():
    L = FULL
    # round caps: picture 65 x 65, cap centre at (32.5, 32)
    for name in ("a_press", "b_press"):
        svg = Svg(65, 65)
        cx, cy, r = 32.5, 32.0, L.cap_r
        svg.circle(cx, cy, r + 2.2, fill="none", stroke="#000000", stroke_opacity="0.4", stroke_width="2.4")
        svg.circle(cx, cy, r + 0.3, fill=svg.radial(cx + 3, cy + 4, r + 5.5, [
            (0, "#000000", 0.16), (0.62, "#000000", 0.26), (0.88, "#000000", 0.48), (1, "#000000", 0.7)]))
        svg.ellipse(cx - 2, cy - 4, r * 0.32, r * 0.17, transform="rotate(-28 %s %s)" % (num(cx - 2), num(cy - 4)),
                    fill="#ffffff", fill_opacity="0.28")
        svg.polyline(arc_pts(cx, cy, r - 1.2, r - 1.2, 35, 100, 10), fill="none", stroke="#ffffff",
                     stroke_opacity="0.12", stroke_width="1.2", stroke_linecap="round")
        svg.write("buttons/%s.svg" % name)
    # pills: picture 54 x 24, slot at (3, 2) 48 x 20
    for name in ("select_press", "start_press"):
        svg = Svg(54, 24)
        x, y, w, h = 3, 2, L.select[2], L.select[3]
        pw, ph = L.pill
        cx, cy = x + w / 2.0, y + h / 2.0
        px1, py1 = cx - pw / 2.0, cy - ph / 2.0
        svg.box(px1 - 1.5, py1 - 1.5, px1 + pw + 1.5, py1 + ph + 1.5, ph / 2.0 + 1.5, fill="none",
                stroke="#000000", stroke_opacity="0.3", stroke_width="2")
        svg.box(px1 - 0.3, py1 - 0.3, px1 + pw + 0.3, py1 + ph + 0.3, ph / 2.0, fill=svg.vgrad(py1, py1 + ph, [
            (0, "#000000", 0.6), (0.35, "#000000", 0.32), (1, "#000000", 0.2)]))
        svg.box(px1 + 5, py1 + ph - 4.2, px1 + pw - 5, py1 + ph - 2.8, 0.7, fill="#ffffff", fill_opacity="0.14")
        svg.write("buttons/%s.svg" % name)


# ===========================================================================
# Mouse cursors (32 x 32): a pointing hand and the same hand pressing
# ===========================================================================

def hand_outline(finger_top):
    """Outline of the right hand, index finger up, fingertip at (12, finger_top)."""
    t = finger_top
    pts_ = arc_pts(12, t + 2.5, 2.5, 2.5, 180, 360, 15)          # fingertip
    pts_ += [(14.5, 13.5)]
    pts_ += arc_pts(16.75, 13.5, 2.25, 2.0, 180, 360, 30)         # middle knuckle
    pts_ += arc_pts(21.0, 14.5, 2.0, 1.9, 180, 360, 30)           # ring knuckle
    pts_ += arc_pts(25.0, 16.0, 2.0, 1.8, 180, 360, 30)           # little knuckle
    pts_ += [(27.0, 22.5), (25.5, 26.5), (23.5, 29.0), (23.5, 30.5), (11.5, 30.5), (11.5, 28.5),
             (5.0, 21.5)]
    pts_ += arc_pts(5.6, 19.6, 1.9, 1.9, 150, 300, 30)            # thumb tip
    pts_ += [(9.5, 20.5), (9.5, t + 2.5)]
    return pts_


def make_cursors():
    for name, top, pressed in (("cursor_normal", 1.5, False), ("cursor_pressed", 6.5, True)):
        tip = (12, int(top + 0.5))
        svg = Svg(32, 32, "hotspot %d %d" % tip)
        outline = hand_outline(top)
        svg.polygon([(x + 0.8, y + 0.9) for x, y in outline], fill="#000000", fill_opacity="0.22")
        svg.polygon(outline, fill="#ffffff", stroke="#000000", stroke_width="1", stroke_linejoin="round")
        st = dict(stroke="#000000", stroke_width="1", stroke_linecap="round", fill="none")
        for x, y1, y2 in ((14.5, 14.0, 16.5), (19.0, 14.5, 16.5), (23.0, 16.0, 18.0)):
            svg.line(x, y1, x, y2, stroke_opacity="0.75", **st)
        svg.polyline([(9.5, 20.5), (11.5, 23.0)], **st)
        svg.line(12.0, 28.5, 23.0, 28.5, stroke="#000000", stroke_width="0.8", stroke_opacity="0.35")
        if pressed:
            # fingernail seen from above and a small impact mark round the fingertip
            svg.path("M10.5,%s Q12,%s 13.5,%s" % (num(top + 3.0), num(top + 1.6), num(top + 3.0)),
                     stroke="#000000", stroke_width="0.9", stroke_opacity="0.6", fill="none")
            for a in (-165, -130, -50, -15):
                ca, sa = math.cos(math.radians(a)), math.sin(math.radians(a))
                ox, oy = 12, top + 2.5
                svg.line(ox + ca * 5.0, oy + sa * 5.0, ox + ca * 7.6, oy + sa * 7.6, stroke="#000000",
                         stroke_width="1.2", stroke_linecap="round")
        svg.write("cursors/%s.svg" % name)


# ===========================================================================
# main
# ===========================================================================

def write_qrc():
    files = sorted(f for f in WRITTEN if f.endswith(".svg"))
    lines = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '  <qresource prefix="/pictures">']
    lines += ["    <file>%s</file>" % f for f in files]
    lines += ["  </qresource>", "</RCC>"]
    with open(os.path.join(RES, "pictures.qrc"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


def main():
    make_lcd_glyphs()
    make_faces()
    make_back()
    make_reset_and_seals()
    make_pressed()
    make_cursors()
    write_qrc()
    print("wrote %d pictures" % len(WRITTEN))


if __name__ == "__main__":
    main()
