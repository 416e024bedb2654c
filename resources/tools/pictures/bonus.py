"""The bonus picture (164 x 88) shown after a successful explosion: "80000" in pixel digits with
three sparkles, on 4-pixel cells, shaped by its own run table (offset 4 from the top)."""

from .cells import CELL, Mask, check_runs, register, runs_of, runs_paths
from .svg import Svg

WIDTH, HEIGHT = 164, 88
OY = 4
COLS, ROWS = WIDTH // CELL, (HEIGHT - OY) // CELL   # 41 x 21 cells

GLYPHS = {
    "0": [".#####.", "#######", "##...##", "##...##", "##...##", "##...##", "##...##", "##...##",
          "##...##", "##...##", "##...##", "#######", ".#####."],
    "8": [".#####.", "#######", "##...##", "##...##", "##...##", ".#####.", "#######", "##...##",
          "##...##", "##...##", "##...##", "#######", ".#####."],
}
TEXT, TEXT_LEFT, TEXT_TOP = "80000", 1, 4
SPARKLES = [(4, 1), (36, 1), (20, 19)]


def bonus_mask():
    m = Mask(COLS, ROWS)
    for i, ch in enumerate(TEXT):
        for gy, row in enumerate(GLYPHS[ch]):
            for gx, c in enumerate(row):
                if c == "#":
                    m.set(TEXT_LEFT + 8 * i + gx, TEXT_TOP + gy)
    for x, y in SPARKLES:
        for dx, dy in ((0, -1), (-1, 0), (0, 0), (1, 0), (0, 1)):
            m.set(x + dx, y + dy)
    return m


def make_bonus():
    runs = runs_of(bonus_mask())
    check_runs("bonus", runs, 117, [])
    svg = Svg(WIDTH, HEIGHT)
    digits = [r for r in runs if TEXT_TOP <= r[1] < TEXT_TOP + 13]
    sparkles = [r for r in runs if r not in digits]
    full, _ = runs_paths(digits, 0, OY)
    inner, corners = runs_paths(digits, 0, OY, inset=2)
    svg.path(full, fill="#5a2a00")
    top, bottom = OY + CELL * TEXT_TOP, OY + CELL * (TEXT_TOP + 13)
    svg.path(inner, fill=svg.vgrad(top, bottom, [(0, "#fffbd0"), (0.45, "#ffd22e"), (0.55, "#ffb000"),
                                                 (1, "#e06a00")]))
    svg.path(corners, fill="#5a2a00")
    # a gleam down the left stroke of every digit
    for i in range(len(TEXT)):
        svg.rect(CELL * (TEXT_LEFT + 8 * i) + 3, top + 7, 2, 14, fill="#ffffff", fill_opacity="0.7")
    svg.path(runs_paths(sparkles, 0, OY)[0], fill="#fff3a0")
    for x, y in SPARKLES:
        svg.rect(CELL * x, OY + CELL * y, CELL, CELL, fill="#ffffff")
    svg.write("games/bonus.svg")
    register("kBonus", "bonus picture", runs, 0, OY)
