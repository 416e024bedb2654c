"""The analyzer window's picture controls: page buttons in three states, the four status plates, the
two-state banner and the close button."""

from .lettering import letters
from .paint import darker, lighter
from .svg import Svg

PANEL = "#2b3038"
LCD = "#0b1a0d"
GREEN = "#00ff00"


def button_face(svg, w, h, state):
    """A small key: raised when it can be chosen, pushed in when chosen, flat while a run measures."""
    if state == "chosen":
        fill = svg.vgrad(0, h, [(0, "#1c2127"), (1, "#2f353d")])
        svg.box(0.5, 0.5, w - 0.5, h - 0.5, 4, fill=fill, stroke="#0e1114", stroke_width="1")
        svg.box(1.5, 1.5, w - 1.5, h - 1.5, 3, fill="none", stroke="#000000", stroke_opacity="0.35", stroke_width="1")
    elif state == "free":
        fill = svg.vgrad(0, h, [(0, "#5b6470"), (1, "#3a414b")])
        svg.box(0.5, 0.5, w - 0.5, h - 0.5, 4, fill=fill, stroke="#15181c", stroke_width="1")
        svg.line(3, 1.5, w - 3, 1.5, stroke="#ffffff", stroke_opacity="0.35", stroke_width="1")
    else:
        svg.box(0.5, 0.5, w - 0.5, h - 0.5, 4, fill="#3a3f46", stroke="#24282d", stroke_width="1")


def icon_bars(svg, ink, w, h):
    for i, hh in enumerate((6, 10, 8, 13)):
        x = 5 + i * 4.5
        svg.box(x, h - 5 - hh, x + 3, h - 5, 0, fill=ink)
    svg.line(4, h - 4.5, w - 4, h - 4.5, stroke=ink, stroke_width="1")


def icon_wave(svg, ink, w, h):
    pts = [(4, 17), (7, 17), (7, 7), (11, 7), (11, 17), (14, 17), (14, 7), (19, 7), (19, 17), (22, 17)]
    svg.polyline([(x, y + 0.5) for x, y in pts], fill="none", stroke=ink, stroke_width="1.4",
                 stroke_linejoin="miter")


def icon_table(svg, ink, w, h):
    svg.box(5.5, 5.5, w - 5.5, h - 5.5, 0, fill="none", stroke=ink, stroke_width="1")
    for y in (9.5, 13.5):
        svg.line(5.5, y, w - 5.5, y, stroke=ink, stroke_width="1")
    for x in (10.5, 15.5):
        svg.line(x, 5.5, x, h - 5.5, stroke=ink, stroke_width="1")


ICONS = (icon_bars, icon_wave, icon_table)
STATES = (("chosen", GREEN, ""), ("free", "#d7dde4", "_free"), ("busy", "#7b828b", "_busy"))


def make_page_buttons():
    for number, icon in enumerate(ICONS, start=1):
        for state, ink, suffix in STATES:
            svg = Svg(26, 24)
            button_face(svg, 26, 24, state)
            icon(svg, ink, 26, 24)
            svg.write("analyzer/page%d%s.svg" % (number, suffix))


STATUS = (
    ("standby", "STANDBY", "#3a4a3c"),
    ("armed", "READY", "#ffb000"),
    ("measuring", "SHOOTING", "#ff3030"),
    ("finished", "FINISH", "#30a0ff"),
)


def make_status_plates():
    w, h = 120, 26
    for name, word, lamp in STATUS:
        svg = Svg(w, h)
        svg.box(0.5, 0.5, w - 0.5, h - 0.5, 5, fill=PANEL, stroke="#15181c", stroke_width="1")
        svg.box(3.5, 3.5, w - 3.5, h - 3.5, 3, fill=LCD, stroke="#000000", stroke_width="1")
        lit = name != "standby"
        glow = svg.radial(14, 13, 7, [(0, lighter(lamp, 0.5)), (0.55, lamp), (1, darker(lamp, 0.55))])
        svg.circle(14, 13, 5.5, fill=glow if lit else lamp, stroke="#000000", stroke_width="0.8")
        if lit:
            svg.circle(12.3, 11.2, 1.6, fill="#ffffff", fill_opacity="0.6")
        letters(svg, word, 26, 8, 10, GREEN if lit else "#4f7a55", 1.5, track=2.4)
        svg.write("analyzer/status_%s.svg" % name)


def make_banner():
    # 0 while the analyzer is the active window, 1 while the device is: the keys go where the light is
    w, h = 38, 26
    for suffix, ink, body in (("active", GREEN, "#10331a"), ("device", "#6d7780", "#22272d")):
        svg = Svg(w, h)
        svg.box(0.5, 0.5, w - 0.5, h - 0.5, 5, fill=body, stroke="#0c0f12", stroke_width="1")
        for i, hh in enumerate((5, 9, 7, 12, 15)):
            x = 5 + i * 4
            svg.box(x, 20 - hh, x + 2.5, 20, 0, fill=ink)
        letters(svg, "++", 27, 7, 6, ink, 1.2, track=1.0)
        svg.line(4, 21.5, 24, 21.5, stroke=ink, stroke_width="1")
        svg.write("analyzer/banner_%s.svg" % suffix)


def make_close_button():
    svg = Svg(26, 24)
    button_face(svg, 26, 24, "free")
    for a, b in (((8, 7), (18, 17)), ((18, 7), (8, 17))):
        svg.line(a[0], a[1], b[0], b[1], stroke="#f2f4f6", stroke_width="2", stroke_linecap="round")
    svg.write("analyzer/close.svg")


def make_analyzer_controls():
    make_page_buttons()
    make_status_plates()
    make_banner()
    make_close_button()
