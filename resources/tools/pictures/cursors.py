"""Mouse cursors (32 x 32): a pointing hand and the same hand pressing."""

import math

from .svg import Svg, num
from .paint import arc_pts


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
