"""Writes every picture below resources/ together with resources/pictures.qrc, and the run tables of
the game pictures as src/core/appearance/picture_runs.h.

Run from resources/tools:  python3 -m pictures   (or python3 make_pictures.py)
"""

import os

from .analyzer_controls import make_analyzer_controls
from .analyzer_screens import make_analyzer_screens
from .app_icon import make_app_icon
from .back import make_back, make_reset_and_seals
from .bonus import make_bonus
from .cells import write_header
from .controller import make_controller
from .cursors import make_cursors
from .explosion import make_explosion
from .faces import make_faces
from .lcd import make_lcd_glyphs
from .loader import make_loader_pictures
from .panel import make_panel
from .pressed import make_pressed
from .svg import RES, WRITTEN

# One entry a picture family; a new family adds its maker here.
FAMILIES = (
    make_lcd_glyphs,
    make_faces,
    make_back,
    make_reset_and_seals,
    make_pressed,
    make_cursors,
    make_analyzer_screens,
    make_analyzer_controls,
    make_app_icon,
    make_panel,
    make_explosion,
    make_bonus,
    make_loader_pictures,
    make_controller,
)


def write_qrc():
    files = sorted(f for f in WRITTEN if f.endswith(".svg"))
    lines = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '  <qresource prefix="/pictures">']
    lines += ["    <file>%s</file>" % f for f in files]
    lines += ["  </qresource>", "</RCC>"]
    with open(os.path.join(RES, "pictures.qrc"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


def main():
    for make in FAMILIES:
        make()
    write_qrc()
    write_header()
    print("wrote %d pictures" % len(WRITTEN))


if __name__ == "__main__":
    main()
