"""Every picture of Tapriko++, drawn as SVG: one module per picture family.

Only SVG Tiny features that QtSvg renders are used: basic shapes, paths,
groups with transforms and linear/radial gradients.  No filters, clipping,
masks, patterns or style sheets.  Volume comes from gradients and
semi-transparent shapes; the light always comes from the top left.

All face geometry lives in the two Layout objects of layout.py (full size
and half size); all colours of the six face skins in skin_colours.py.
"""
