"""The analyzer's screens: backgrounds of the graph, the speed meter and the timing chart, the value
scales and the two legends.  The drawing on top comes from the program in (0, 255, 0) and darker greens,
so the screens are near-black glass with dim print, and every mark lies where the program draws."""

from .lettering import letters, text_width
from .svg import Svg

GLASS = "#050d06"
GRID = "#123318"
PRINT = "#3f9a4a"
BRIGHT = "#00ff00"

BASELINE = 136


def value_y(v, range_index):
    return BASELINE - v * 4.0 / range_index


def glass(svg, w, h):
    svg.box(0, 0, w, h, 0, fill=GLASS)


def make_graph_background():
    svg = Svg(350, 175)
    glass(svg, 350, 175)
    # Each range puts a tick every 40 pixels, so one grid serves all three.
    for y in (16, 56, 96):
        svg.line(30, y + 0.5, 331, y + 0.5, stroke=GRID, stroke_width="1", stroke_dasharray="2,3")
    for t in range(1, 11):
        x = 30 * t + 15
        svg.line(x + 0.5, BASELINE + 1, x + 0.5, BASELINE + 3, stroke=PRINT, stroke_width="1")
        letters(svg, str(t), x + 0.5, BASELINE + 6, 5, PRINT, 0.9, anchor="middle", track=1.4)
    svg.line(30, BASELINE + 0.5, 331, BASELINE + 0.5, stroke=PRINT, stroke_width="1")
    # the track of the progress bar
    svg.box(31, 163, 331, 168, 0, fill="none", stroke=GRID, stroke_width="1")
    svg.write("analyzer/graph_background.svg")


def make_scales():
    for range_index, top in ((1, 30), (2, 60), (3, 90)):
        svg = Svg(31, 143)
        glass(svg, 31, 143)
        for k in range(0, 7):
            v = top * k / 6.0
            y = value_y(v, range_index) + 0.5
            major = k % 2 == 0
            svg.line(31 - (5 if major else 3), y, 31, y, stroke=PRINT, stroke_width="1")
            if major:
                letters(svg, str(int(v)), 24, y - 2.5, 5, PRINT, 0.9, anchor="end", track=1.3)
        svg.line(30.5, value_y(top, range_index), 30.5, BASELINE + 1, stroke=PRINT, stroke_width="1")
        svg.write("analyzer/scale_%d.svg" % top)


def make_meter_background():
    svg = Svg(350, 19)
    glass(svg, 350, 19)
    letters(svg, "B", 3, 3, 5, PRINT, 0.9, track=1)
    letters(svg, "A", 3, 10, 5, PRINT, 0.9, track=1)
    # the unlit tracks, as the meter shows them between runs
    for top in (3, 10):
        svg.box(10, top, 336, top + 5, 0, fill="#004000")
    # a mark every five presses per second (3 levels a press per second, 4 pixels a level)
    for k in range(0, 6):
        x = 10 + 60 * k + 0.5
        svg.line(x, 8, x, 10, stroke=PRINT, stroke_width="1")
        svg.line(x, 15, x, 18, stroke=PRINT, stroke_width="1")
    svg.write("analyzer/meter_background.svg")


def make_chart_background():
    w, h = 5042, 204
    svg = Svg(w, h)
    glass(svg, w, h)
    for name, top in (("B", 38), ("A", 89)):
        letters(svg, name, 10, top + 10, 10, PRINT, 1.2, track=1)
        for y in (top, top + 30):
            svg.line(30, y + 0.5, 5030, y + 0.5, stroke=GRID, stroke_width="1", stroke_dasharray="1,4")
    axis = 150
    svg.line(30, axis + 0.5, 5031, axis + 0.5, stroke=PRINT, stroke_width="1")
    for k in range(0, 101):
        x = 30 + 50 * k + 0.5
        full = k % 10 == 0
        svg.line(x, axis, x, axis + (7 if full else 3), stroke=PRINT, stroke_width="1")
        if full:
            svg.line(x, 28, x, axis, stroke=GRID, stroke_width="1")
            label = "%d SEC" % (k // 10)
            letters(svg, label, x, axis + 11, 6, PRINT, 0.9, anchor="middle" if k else "start", track=1.4)
    svg.write("analyzer/chart_background.svg")


def make_legends():
    # line graph, A and B apart: A a solid line with a black box, B a dotted line with a green box
    svg = Svg(66, 14)
    glass(svg, 66, 14)
    for x0, name, dotted, box_fill in ((3, "A", False, "#000000"), (35, "B", True, BRIGHT)):
        svg.line(x0, 7.5, x0 + 16, 7.5, stroke=BRIGHT, stroke_width="1",
                 stroke_dasharray="1,1" if dotted else None)
        svg.box(x0 + 5.5, 5.5, x0 + 10.5, 10.5, 0, fill=box_fill, stroke=BRIGHT, stroke_width="1")
        letters(svg, name, x0 + 19, 4, 6, BRIGHT, 1.0, track=1)
    svg.write("analyzer/legend_line.svg")
    # bar graph, A and B apart: B filled, A a green outline with black inside
    svg = Svg(66, 14)
    glass(svg, 66, 14)
    for x0, name, fill in ((3, "B", BRIGHT), (35, "A", "#000000")):
        svg.box(x0 + 0.5, 3.5, x0 + 6.5, 12.5, 0, fill=fill, stroke=BRIGHT, stroke_width="1")
        letters(svg, name, x0 + 10, 4, 6, BRIGHT, 1.0, track=1)
    svg.write("analyzer/legend_bar.svg")


def make_analyzer_screens():
    make_graph_background()
    make_scales()
    make_meter_background()
    make_chart_background()
    make_legends()
