"""The four explosion frames (136 x 136) of the explosion game, drawn as pixel art on 4-pixel cells.

Each frame holds two blasts: the upper one is shown over the top panels (shape offset 4), the lower one
over the bottom panels (offset 68); both have the same cells.  A blast is two fireballs side by side
(centres at cells 9 and 25): a flash, the full fireball, the fireballs cooling apart, and two smoke rings
with embers.
"""

import math

from .cells import CELL, Mask, cell_rects, check_runs, register, runs_of
from .svg import Svg

SIZE = 136
WIDTH = SIZE // CELL      # 34 cells
ROWS = 16                 # 64 pixels of each half
UPPER, LOWER = 4, 68      # vertical offsets of the two blasts
CENTRES = (9, 25)

# The flash: the table the shape of the first frame is given by, in its own order.
FLASH_RUNS = [
    (7, 1, 4), (23, 1, 4), (4, 2, 10), (20, 2, 10), (2, 3, 14), (18, 3, 14), (2, 4, 14), (18, 4, 14),
    (1, 5, 32), (1, 6, 32), (1, 7, 32), (1, 8, 32), (1, 9, 32), (1, 10, 32), (18, 11, 14), (2, 11, 14),
    (18, 12, 14), (2, 12, 14), (20, 13, 10), (4, 13, 10), (23, 14, 4), (7, 14, 4),
]

# Half widths of each fireball, row by row; fireballs of half width 8 or more run into each other.
FLASH_HALVES = [0, 2, 5, 7, 7, 8, 8, 8, 8, 8, 8, 7, 7, 5, 2, 0]
FIREBALL_HALVES = [3, 5, 6, 7, 7, 9, 9, 9, 9, 9, 9, 7, 7, 6, 5, 3]
COOLING_HALVES = [3, 5, 5, 6, 6, 7, 7, 7, 7, 7, 7, 6, 6, 5, 5, 3]
# Smoke rings: outer half widths and the half widths of their holes.
RING_OUTER = [2, 4, 5, 6, 6, 7, 7, 7, 7, 7, 7, 6, 6, 5, 4, 2]
RING_HOLE = [0, 0, 2, 3, 3, 4, 4, 4, 4, 4, 4, 3, 3, 2, 0, 0]
# Embers flying off the rings: inside the holes, beside the rings and between them.
EMBERS = [(8, 5), (25, 6), (10, 7), (24, 8), (8, 9), (26, 9), (9, 10), (23, 10), (7, 6), (27, 7),
          (10, 5), (22, 5), (0, 3), (33, 5), (0, 8), (33, 10), (0, 12), (33, 2), (16, 1), (17, 3),
          (16, 12), (17, 14)]

# Colours from the hottest centre to the rim, and the outline colour, per frame; smoke has no outline.
PALETTES = (
    (("#ffffff", "#fffbe0", "#fff27a", "#ffd23c", "#ffab2e"), "#e0601c"),
    (("#fffde8", "#ffe866", "#ffbe2e", "#ff8a1f", "#e8501a"), "#9c2a12"),
    (("#ffb347", "#ff7f27", "#e8501a", "#b8321a", "#7a2414"), "#4a160e"),
    (("#ece7df", "#d6d0c6", "#bcb5aa", "#a0998f", "#847e74"), None),
)
EMBER_COLOURS = ("#ffe066", "#ff9a2e")


def fireballs(halves):
    m = Mask(WIDTH, ROWS)
    for y, h in enumerate(halves):
        for c in CENTRES:
            if h:
                m.span(c - h, c + h, y)
    return m


def smoke_rings():
    m = Mask(WIDTH, ROWS)
    for y, (outer, hole) in enumerate(zip(RING_OUTER, RING_HOLE)):
        for c in CENTRES:
            m.span(c - outer, c - hole, y)
            m.span(c + hole, c + outer, y)
    for x, y in EMBERS:
        m.set(x, y)
    return m


def heat(x, y):
    """0 at a fireball's hot spot (a little up and left of its centre), 1 at its rim."""
    cx = min(CENTRES, key=lambda c: abs(x + 0.5 - c))
    return min(1.0, math.hypot((x + 0.5 - (cx - 1.5)) / 9.0, (y + 0.5 - 6.5) / 9.0))


def colour_picker(mask, frame):
    levels, rim = PALETTES[frame]

    def colour(x, y):
        if frame == 3 and (x, y) in EMBERS:
            return EMBER_COLOURS[(x + y) % 2]
        if rim and mask.is_edge(x, y):
            return rim
        t = heat(x, y) * (len(levels) - 1)
        i = int(t)
        # dither between neighbouring levels on a checker, as pixel art does
        if t - i > 0.5 and (x + y) % 2 and i + 1 < len(levels):
            i += 1
        return levels[min(i, len(levels) - 1)]

    return colour


def draw_frame(frame, mask):
    svg = Svg(SIZE, SIZE)
    colour = colour_picker(mask, frame)
    cells = mask.cells()
    for oy in (UPPER, LOWER):
        cell_rects(svg, cells, colour, 0, oy)
    svg.write("games/explosion%d.svg" % frame)


def make_explosion():
    masks = (fireballs(FLASH_HALVES), fireballs(FIREBALL_HALVES), fireballs(COOLING_HALVES), smoke_rings())
    if sorted(runs_of(masks[0])) != sorted(FLASH_RUNS):
        raise SystemExit("explosion0: the flash is not drawn on its given cells")
    tables = (FLASH_RUNS, runs_of(masks[1]), runs_of(masks[2]), runs_of(masks[3]))
    check_runs("explosion1", tables[1], 26, [(6, 0, 6), (22, 0, 6), (4, 1, 10), (20, 1, 10)])
    check_runs("explosion2", tables[2], 32,
               [(6, 0, 6), (22, 0, 6), (4, 1, 10), (20, 1, 10), (4, 2, 10), (20, 2, 10)])
    check_runs("explosion3", tables[3], 78, [])
    for frame, mask in enumerate(masks):
        draw_frame(frame, mask)
        register("kExplosion%d" % frame, "explosion frame %d, both blasts" % frame, tables[frame], 0, UPPER)
