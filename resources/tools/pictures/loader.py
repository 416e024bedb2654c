"""The panel loader's pictures: its 247 x 40 banner and the empty preview (136 x 136) shown when no
picture of the user's is chosen."""

from .cells import runs_paths
from .lettering import letters
from .panel import OX, OY, draw_critter, outline_runs
from .svg import Svg


def banner():
    svg = Svg(247, 40)
    svg.rect(0, 0, 247, 40, 6, fill=svg.vgrad(0, 40, [(0, "#ffd79a"), (1, "#f39a45")]))
    svg.rect(1, 1, 245, 38, 5, fill="none", stroke="#b5561f", stroke_width="2")
    for i in range(9):  # diagonal stripes, lighter towards the right
        x = 96 + i * 17
        svg.polygon([(x, 2), (x + 8, 2), (x - 4, 38), (x - 12, 38)], fill="#ffffff",
                    fill_opacity="%.2f" % (0.08 + i * 0.02))
    # the critter peeking in from the left, a quarter of its size
    svg.begin("translate(6,3) scale(0.25)")
    draw_critter(svg)
    svg.end()
    letters(svg, "SKIN", 48, 7, 11, "#ffffff", 3.2, track=2.6)
    letters(svg, "SKIN", 47, 6, 11, "#6b2a0c", 2.2, track=2.6)
    letters(svg, "SELECTOR", 48, 23, 9, "#ffffff", 2.8, track=2.4)
    letters(svg, "SELECTOR", 47, 22, 9, "#6b2a0c", 1.9, track=2.4)
    svg.write("games/loader_banner.svg")


def empty_preview():
    svg = Svg(136, 136)
    svg.rect(0, 0, 136, 136, fill="#eceae6")
    for i in range(0, 136, 8):  # a faint grid, as on a drawing board
        svg.line(i + 0.5, 0, i + 0.5, 136, stroke="#ffffff", stroke_width="1")
        svg.line(0, i + 0.5, 136, i + 0.5, stroke="#ffffff", stroke_width="1")
    full, _ = runs_paths(outline_runs(), OX, OY)
    svg.path(full, fill="#d9d5ce")
    inner, corners = runs_paths(outline_runs(), OX, OY, inset=2)
    svg.path(inner, fill="#e4e1dc")
    svg.path(corners, fill="#d9d5ce")
    svg.text(68, 74, "画像なし", 14, "#8d877e", weight="bold")
    svg.write("games/preview_empty.svg")


def make_loader_pictures():
    banner()
    empty_preview()
