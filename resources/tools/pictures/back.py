"""The back face, its reset button and the two seals over it."""

from .svg import Svg, num
from .paint import rrect_d
from .lettering import engraved, letters
from .layout import LAYOUTS
from .skin_colours import SKINS
from .face_parts import draw_eyelet, draw_shell, screw


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
