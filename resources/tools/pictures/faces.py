"""The six face skins."""

import math

from .svg import Svg, num
from .paint import arc_pts, darker, rrect_d
from .lettering import GLYPHS, engraved, letters, text_width
from .layout import LAYOUTS
from .skin_colours import SKINS
from .face_parts import (
    body_d,
    clipped_lines,
    draw_board_parts,
    draw_brand,
    draw_controls,
    draw_eyelet,
    draw_gloss,
    draw_lcd,
    draw_pill,
    draw_shell,
    draw_silkscreen,
    medal,
    mode_icon,
    row_span,
    screw,
    tactile,
    zigzag,
)


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
