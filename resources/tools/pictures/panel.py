"""The default panel picture (136 x 136) of the explosion game and the outline that shapes the panels.

The panel is a round critter, "Mochi", on the 4-pixel cell grid: its outline is one run a row, 31 rows,
offset 14 pixels from the left and 6 from the top.  The four panel windows each show a quarter of it.
"""

from .cells import CELL, check_runs, register, runs_paths
from .svg import Svg

SIZE = 136
OX, OY = 14, 6

# Left and right cell edges of the outline, row by row (right edge exclusive): a round head leaning a
# little to the left over a body that sits on two feet.
LEFT = [6, 4, 3, 2, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 2, 3, 4, 6]
RIGHT = [17, 20, 21, 21, 22, 23, 24, 24, 25, 25, 26, 26, 26, 26, 26, 26, 26, 26, 26, 26, 26, 26, 26, 26, 26,
         25, 25, 24, 23, 22, 20]

BORDER = "#4a2616"
BODY = ("#ffe1a8", "#ffb45c", "#f08a38", "#c9602a")
BELLY = ("#fff8ea", "#ffe9c4")


def outline_runs():
    return [(left, y, right - left) for y, (left, right) in enumerate(zip(LEFT, RIGHT))]


def px(cx, cy):
    """Pixel position of a cell-grid point of the outline."""
    return OX + CELL * cx, OY + CELL * cy


def draw_critter(svg):
    runs = outline_runs()
    full, _ = runs_paths(runs, OX, OY)
    inner, corners = runs_paths(runs, OX, OY, inset=2)
    svg.path(full, fill=BORDER)
    body = svg.radial(50, 40, 96, [(0, BODY[0]), (0.35, BODY[1]), (0.75, BODY[2]), (1, BODY[3])])
    svg.path(inner, fill=body)
    svg.path(corners, fill=BORDER)

    # belly and feet
    svg.ellipse(68, 100, 34, 24, fill=svg.vgrad(76, 124, [(0, BELLY[0]), (1, BELLY[1])]))
    for fx in (47, 89):
        svg.ellipse(fx, 120, 11, 5, fill="#b9521f")
        svg.ellipse(fx - 2, 118.5, 6, 2, fill="#e98a45", fill_opacity="0.8")
    # arms held up, ready for the bang
    svg.ellipse(29, 84, 7, 11, fill="#e07a32", transform="rotate(-25 29 84)")
    svg.ellipse(105, 84, 7, 11, fill="#e07a32", transform="rotate(25 105 84)")

    # eyes with their highlights
    for ex in (48, 86):
        svg.ellipse(ex, 58, 9, 12, fill="#24140c")
        svg.circle(ex + 3, 53, 3.6, fill="#ffffff")
        svg.circle(ex - 3, 63, 1.6, fill="#ffffff", fill_opacity="0.85")
    # brows, cheeks and mouth
    svg.path("M38,41 Q47,35 56,40 M78,40 Q87,35 96,41", fill="none", stroke=BORDER, stroke_width="3",
             stroke_linecap="round")
    for cx in (34, 100):
        svg.ellipse(cx, 74, 8, 5, fill="#ff6f7a", fill_opacity="0.55")
    svg.path("M59,75 Q63,81 67,76 Q71,81 75,75", fill="none", stroke=BORDER, stroke_width="2.6",
             stroke_linecap="round", stroke_linejoin="round")
    # a sprout on the head and the light on the forehead
    svg.path("M60,24 Q58,17 62,12", fill="none", stroke="#3f7d2c", stroke_width="2.5", stroke_linecap="round")
    svg.path("M62,13 Q70,8 77,13 Q69,18 62,13 Z", fill="#7ccf4a", stroke="#3f7d2c", stroke_width="1.4")
    svg.ellipse(44, 26, 12, 6, fill="#ffffff", fill_opacity="0.45", transform="rotate(-20 44 26)")


def make_panel():
    runs = outline_runs()
    check_runs("panel outline", runs, 31, [(6, 0, 11), (4, 1, 16), (3, 2, 18), (2, 3, 19), (1, 4, 21)])
    svg = Svg(SIZE, SIZE)
    draw_critter(svg)
    svg.write("games/panel.svg")
    register("kPanelOutline", "outline of the panel picture", runs, OX, OY)
