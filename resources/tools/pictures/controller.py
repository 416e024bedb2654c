"""The game controller of the key setup dialog (232 x 172), its buttons where the leader lines end."""

from .svg import Svg

# Where the dialog's leader lines end, in the picture's pixels.
SELECT = (76, 108)
START = (111, 108)
B = (162, 108)
A = (198, 108)

SIZE = (232, 172)


def _body(svg):
    x1, y1, x2, y2 = 6, 76, 226, 144
    svg.path("M%d,%d L%d,%d" % (150, 78, 150, 50), stroke="#4a4d55", stroke_width="4", fill="none",
             stroke_linecap="round")  # the cord
    svg.path("M150,50 C150,30 176,22 206,20", stroke="#4a4d55", stroke_width="4", fill="none",
             stroke_linecap="round")
    svg.box(x1 + 1.5, y1 + 2.5, x2 + 1.5, y2 + 2.5, 30, fill="#000000", fill_opacity="0.25")  # shadow
    svg.box(x1, y1, x2, y2, 30, fill=svg.vgrad(y1, y2, [(0, "#5b5f69"), (0.5, "#3d4048"), (1, "#26282e")]),
            stroke="#15161a", stroke_width="1.5")
    svg.box(x1 + 6, y1 + 5, x2 - 6, y1 + 14, 5, fill="#ffffff", fill_opacity="0.10")  # sheen
    # the light plate the centre buttons sit on
    svg.box(58, 92, 130, 128, 8, fill=svg.vgrad(92, 128, [(0, "#cfd2d8"), (1, "#a9adb5")]),
            stroke="#15161a", stroke_width="1")


def _dpad(svg, cx, cy):
    arm, half = 11, 17
    d = ("M%g,%g h%g v%g h%g v%g h%g v%g h%g v%g h%g v%g h%g Z" % (
        cx - arm / 2, cy - half, arm, half - arm / 2, half - arm / 2, arm, -(half - arm / 2), half - arm / 2,
        -arm, -(half - arm / 2), -(half - arm / 2), -arm, half - arm / 2))
    svg.circle(cx, cy, half + 4, fill="#000000", fill_opacity="0.22")
    svg.path(d, fill=svg.vgrad(cy - half, cy + half, [(0, "#2b2d33"), (1, "#111215")]), stroke="#050506",
             stroke_width="1")
    svg.circle(cx, cy, 3.2, fill="#000000", fill_opacity="0.35")
    for dx, dy, rot in ((0, -11, 0), (0, 11, 180), (-11, 0, 270), (11, 0, 90)):  # arrows on the arms
        svg.polygon([(-2.6, 1.6), (2.6, 1.6), (0, -2)], fill="#8c9099",
                    transform="translate(%g %g) rotate(%d)" % (cx + dx, cy + dy, rot))


def _pill(svg, cx, cy, label):
    w, h = 22, 8
    svg.box(cx - w / 2, cy - h / 2 + 1, cx + w / 2, cy + h / 2 + 1, h / 2, fill="#000000", fill_opacity="0.3")
    svg.box(cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2, h / 2,
            fill=svg.vgrad(cy - h / 2, cy + h / 2, [(0, "#55585f"), (1, "#24262b")]), stroke="#111214",
            stroke_width="0.8")
    svg.text(cx, cy + 15, label, 6.5, "#2a2c31", weight="bold")


def _round(svg, cx, cy, label):
    r = 12.5
    svg.circle(cx + 0.8, cy + 1.6, r + 0.5, fill="#000000", fill_opacity="0.35")
    svg.circle(cx, cy, r, fill=svg.radial(cx - 4, cy - 5, r * 1.6, [(0, "#f2676b"), (0.55, "#c8252c"),
                                                                    (1, "#7d1217")]),
               stroke="#4a0a0d", stroke_width="1")
    svg.ellipse(cx - 3.5, cy - 5, 5, 2.6, fill="#ffffff", fill_opacity="0.35")
    svg.text(cx + 10, cy + 24, label, 10, "#d9dbe0", weight="bold")


def make_controller():
    svg = Svg(*SIZE)
    _body(svg)
    _dpad(svg, 33, 110)
    _pill(svg, SELECT[0], SELECT[1], "SELECT")
    _pill(svg, START[0], START[1], "START")
    _round(svg, B[0], B[1], "B")
    _round(svg, A[0], A[1], "A")
    svg.write("keysetup/controller.svg")
