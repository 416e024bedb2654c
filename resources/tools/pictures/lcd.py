"""LCD glyphs: seven-segment digits, markers, alarm bell, koro pair."""

import math

from .svg import LCD_INK, Svg, num
from .paint import arc_pts, ellipse_d, poly_d
from .layout import LAYOUTS


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
