"""Colour blending and path helpers."""

import math

from .svg import num


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
