"""Stroke lettering: all Latin print is drawn as strokes, not font text."""

import math

from .svg import num
from .paint import arc_pts, poly_d


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
