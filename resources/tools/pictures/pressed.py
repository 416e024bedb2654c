"""Pressed buttons: skin-neutral overlays that push the printed cap in."""

from .svg import Svg, num
from .paint import arc_pts
from .layout import FULL


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
