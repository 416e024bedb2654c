"""Shared parts of the face and its decorations."""

import math

from .svg import LCD_INK, num
from .paint import arc_pts, darker, lighter, poly_d, rrect_d
from .lettering import letters, text_width
from .lcd import GHOST, bell, dot_shape, mode_tri


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
