"""The program's icon (256 x 256): the device seen from the front, simplified so that it still reads at
16 px: a cream body with the red and blue stripe, the dark display showing a count, and the two red caps."""

from .svg import LCD_INK, Svg
from .paint import ellipse_d, rrect_d
from .lcd import SEGMENTS, SegBox
from .skin_colours import SKINS

ICON_NAME = "org.tapriko.Tapriko"
SIZE = 256


def draw_body(svg, T):
    x1, y1, x2, y2, r = 12, 50, 244, 210, 34
    svg.path(rrect_d(x1 + 3, y1 + 7, x2 + 3, y2 + 7, r), fill="#000000", fill_opacity="0.22")
    hi, mid, lo = T["shell"]
    svg.path(rrect_d(x1, y1, x2, y2, r), fill=svg.linear(x1, y1, x2 * 0.4, y2, [(0, hi), (0.5, mid), (1, lo)]),
             stroke="#6f6452", stroke_width="5")
    top, bottom = T["plate"]
    svg.path(rrect_d(x1 + 12, y1 + 12, x2 - 12, y2 - 12, r - 12), fill=svg.vgrad(y1 + 12, y2 - 12,
                                                                                  [(0, top), (1, bottom)]))
    red, blue = T["accent"]
    svg.rect(x1 + 2.5, 140, x2 - x1 - 5, 11, fill=red)
    svg.rect(x1 + 2.5, 154, x2 - x1 - 5, 5, fill=blue)


def draw_display(svg, T):
    top, bottom = T["bezel"]
    svg.path(rrect_d(108, 64, 228, 130, 12), fill=svg.vgrad(64, 130, [(0, top), (1, bottom)]))
    glass_top, glass_bottom = T["glass"]
    svg.path(rrect_d(118, 74, 218, 120, 5), fill=svg.vgrad(74, 120, [(0, glass_top), (1, glass_bottom)]))
    # A fast player's count; bars thick enough to stay visible when the icon is small.
    for x0, digit in ((138, 1), (174, 6)):
        cell = SegBox(x0, 79, x0 + 28, 115, 5.5, 0.8, 0.08)
        for name, poly in cell.polys().items():
            if name in SEGMENTS[digit]:
                svg.polygon(poly, fill=LCD_INK, fill_opacity="0.9")


def draw_eyelet(svg, T):
    light, mid, dark = T["eyelet"]
    svg.circle(58, 98, 30, fill=svg.linear(28, 68, 88, 128, [(0, light), (0.45, mid), (1, dark)]))
    svg.circle(58, 98, 20, fill="#ffffff", stroke=dark, stroke_width="3")


def draw_buttons(svg, T):
    light, base, dark = T["cap"]
    for cx in (148, 204):
        svg.circle(cx + 1.5, 186.5, 22, fill="#000000", fill_opacity="0.25")
        svg.path(ellipse_d(cx, 184, 21, 21), fill=svg.radial(cx - 7, 177, 28, [(0, light), (0.55, base), (1, dark)]),
                 stroke=dark, stroke_width="3")
    pill_light, _, pill_dark = T["pill"]
    for x in (34, 80):
        svg.path(rrect_d(x, 178, x + 38, 192, 7), fill=svg.vgrad(178, 192, [(0, pill_light), (1, pill_dark)]),
                 stroke=pill_dark, stroke_width="2")


def make_app_icon():
    T = SKINS[0]
    svg = Svg(SIZE, SIZE)
    draw_body(svg, T)
    draw_display(svg, T)
    draw_eyelet(svg, T)
    draw_buttons(svg, T)
    svg.write("icons/%s.svg" % ICON_NAME)
