"""Pictures whose outline lies on a grid of 4-pixel cells, and the run tables that trace them.

A game window is shaped by a run table: runs (x, y, w) of opaque cells, x and w counted in cells from a
horizontal offset, y a row counted from a vertical offset.  The pictures of those windows are drawn on
the same grid, so the window shape and the opaque part of the picture are the same cells.  Each family
registers its tables here; the program gets them as a generated C++ header.
"""

import os

from .svg import RES, num

CELL = 4

# src/core/appearance/ of the program, next to resources/
HEADER = os.path.join(os.path.dirname(RES), "src", "core", "appearance", "picture_runs.h")


class Mask:
    """Opaque cells of a picture: rows of booleans."""

    def __init__(self, width, height):
        self.w, self.h = width, height
        self.rows = [[False] * width for _ in range(height)]

    def __getitem__(self, xy):
        x, y = xy
        return 0 <= x < self.w and 0 <= y < self.h and self.rows[y][x]

    def set(self, x, y, on=True):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.rows[y][x] = on

    def span(self, x1, x2, y):
        """Cells x1 .. x2 - 1 of row y."""
        for x in range(x1, x2):
            self.set(x, y)

    def cells(self):
        return [(x, y) for y in range(self.h) for x in range(self.w) if self.rows[y][x]]

    def is_edge(self, x, y):
        """An opaque cell with a transparent neighbour to one of its four sides."""
        return any(not self[x + dx, y + dy] for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))


def runs_of(mask):
    """The runs of a mask, row by row from the top, left to right."""
    out = []
    for y, row in enumerate(mask.rows):
        x = 0
        while x < mask.w:
            if row[x]:
                start = x
                while x < mask.w and row[x]:
                    x += 1
                out.append((start, y, x - start))
            else:
                x += 1
    return out


def mask_of(runs, width, height):
    m = Mask(width, height)
    for x, y, w in runs:
        m.span(x, x + w, y)
    return m


def runs_paths(runs, ox, oy, inset=0):
    """Path data of the runs' cells, each shrunk by `inset` pixels on the sides where the outline runs
    (so that a lighter fill over a darker one leaves a border of that width all round), and path data of
    the small squares at the outline's inner corners, which belong to the border as well."""
    width = max(x + w for x, _, w in runs) + 1
    height = max(y for _, y, _ in runs) + 2
    m = mask_of(runs, width, height)
    inner, corners = [], []
    for x, y, w in runs:
        strip = None  # cells of one row with the same top and bottom become one rectangle
        for cx in range(x, x + w):
            x1 = ox + CELL * cx + (inset if not m[cx - 1, y] else 0)
            x2 = ox + CELL * (cx + 1) - (inset if not m[cx + 1, y] else 0)
            y1 = oy + CELL * y + (inset if not m[cx, y - 1] else 0)
            y2 = oy + CELL * (y + 1) - (inset if not m[cx, y + 1] else 0)
            if strip and strip[1] == x1 and strip[2:] == [y1, y2]:
                strip[1] = x2
            else:
                if strip:
                    inner.append(rect_d(*strip))
                strip = [x1, x2, y1, y2]
            if not inset:
                continue
            for dx, dy in ((-1, -1), (1, -1), (-1, 1), (1, 1)):
                if m[cx + dx, y] and m[cx, y + dy] and not m[cx + dx, y + dy]:
                    px = ox + CELL * cx + (0 if dx < 0 else CELL - inset)
                    py = oy + CELL * y + (0 if dy < 0 else CELL - inset)
                    corners.append("M%s,%sh%sv%sh%sZ" % (num(px), num(py), num(inset), num(inset),
                                                         num(-inset)))
        inner.append(rect_d(*strip))
    return "".join(inner), "".join(corners)


def rect_d(x1, x2, y1, y2):
    return "M%s,%sH%sV%sH%sZ" % (num(x1), num(y1), num(x2), num(y2), num(x1))


def cell_rects(svg, cells, colour_of, ox, oy):
    """Cells painted one colour each; neighbours of one colour in a row become one rectangle."""
    rows = {}
    for x, y in cells:
        rows.setdefault(y, []).append(x)
    by_colour = {}
    for y, xs in rows.items():
        xs.sort()
        start = prev = xs[0]
        colour = colour_of(start, y)
        for x in xs[1:] + [None]:
            c = colour_of(x, y) if x is not None else None
            if x is not None and x == prev + 1 and c == colour:
                prev = x
                continue
            by_colour.setdefault(colour, []).append(
                "M%d,%dh%dv%dh%dZ" % (ox + CELL * start, oy + CELL * y, CELL * (prev - start + 1), CELL,
                                      -CELL * (prev - start + 1)))
            if x is not None:
                start = prev = x
                colour = c
    for colour in sorted(by_colour):
        svg.path("".join(by_colour[colour]), fill=colour)


# ===========================================================================
# The run tables the program is built with
# ===========================================================================

TABLES = []


def register(name, comment, runs, ox, oy):
    TABLES.append((name, comment, list(runs), ox, oy))


def check_runs(name, runs, count, first):
    """The tables the device's behaviour fixes: their counts and first runs are part of it."""
    if len(runs) != count or list(runs[:len(first)]) != list(first):
        raise SystemExit("%s: %d runs starting %s, expected %d starting %s"
                         % (name, len(runs), runs[:len(first)], count, first))


def write_header():
    lines = [
        "#pragma once",
        "// Generated by resources/tools/make_pictures.py from the pictures it draws; do not edit.",
        "// Window shapes as runs of 4-pixel cells that trace the opaque part of each picture.",
        '#include "core/appearance/run_table.h"',
        "",
        "// clang-format off",
        "namespace tap::runs {",
    ]
    for name, comment, runs, ox, oy in TABLES:
        lines.append("")
        lines.append("// %s (offsets %d, %d)" % (comment, ox, oy))
        lines.append("inline constexpr Run %s[] = {" % name)
        row = "   "
        for x, y, w in runs:
            item = " {%d, %d, %d}," % (x, y, w)
            if len(row) + len(item) > 108:
                lines.append(row)
                row = "   "
            row += item
        lines.append(row)
        lines.append("};")
    lines += ["", "}  // namespace tap::runs", "// clang-format on", ""]
    with open(HEADER, "w", encoding="utf-8") as f:
        f.write("\n".join(lines))
