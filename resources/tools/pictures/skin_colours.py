"""The colours of the six face skins."""

# ===========================================================================
# Face skins: colours
# Each entry holds every colour of one skin; the drawing code below is shared.
#   shell    top / middle / bottom of the body moulding
#   plate    top / bottom of the flat front plate
#   ink      printed labels;  brand = (fill, outline, shadow) of the logo
#   bezel    LCD surround top / bottom;  bezel_ink  print on it
#   glass    LCD glass top / bottom
#   cap      A/B caps light / base / dark;  well  recess dark / lip light
#   pill     SELECT/START light / base / dark
#   eyelet   strap-hole ring light / mid / dark
# and a few keys only one skin uses (pcb, engrave, chrome, rim, face).
# The printed circuit board colours are kept in two palettes: the bare
# board of the "internal circuit" skin and the pale one seen through the
# clear skin.
# ===========================================================================

PCB_BRIGHT = dict(board=("#23804a", "#166236"), trace="#3aa465", trace_op=1.0, pad="#e7c765",
                  silk="#f3f3ea", chip="#1d1e21", chip_hi="#3a3c41", metal=("#ffffff", "#c5cbd2", "#6b727b"),
                  pin="#d7dbe0", part="#2a2622", part_end="#d7dbe0", cell=("#ffffff", "#c9ced5", "#7c838c"))
PCB_GHOST = dict(board=("#a9c9b6", "#93b7a3"), trace="#bcd9c8", trace_op=0.9, pad="#d9d2ad",
                 silk="#e8f1ec", chip="#6f7f86", chip_hi="#87969c", metal=("#f4f8fa", "#c4d0d6", "#8a9aa3"),
                 pin="#c8d3d8", part="#8c9599", part_end="#d0d9dd", cell=("#f7fafb", "#d3dde2", "#9aabb4"))

SKINS = [
    dict(name="normal",
         shell=("#fffbf2", "#f1e8d6", "#cfc2a6"), plate=("#fffcf5", "#efe6d3"),
         ink="#6a5f4e", brand=("#e8473a", "#ffffff", "#2b4b7e"),
         accent=("#e8473a", "#2b4b7e"),
         bezel=("#5d636d", "#3d424a"), bezel_ink="#e3e6ea",
         glass=("#bac7a9", "#a5b594"),
         cap=("#ff9183", "#e2392c", "#8f1a13"), well=("#6f6655", "#ffffff"),
         pill=("#c3c6cc", "#969aa2", "#62666e"),
         eyelet=("#ffffff", "#c4c8cf", "#737882")),
    dict(name="pro", chrome=("#ffffff", "#9aa1aa", "#e9ecef", "#7e858e", "#c9ced4"),
         shell=("#5a5f67", "#2b2e33", "#0f1012"), plate=("#34373d", "#1b1d21"),
         ink="#c9ced6", brand=("#f1f3f6", "#111215", "#ff7a1a"),
         accent=("#ff7a1a", "#d9dde3"),
         bezel=("#1b1d21", "#0c0d0f"), bezel_ink="#ff9a3c",
         glass=("#f7c25a", "#e39a2d"),
         cap=("#ffffff", "#b8bec7", "#4f555e"), well=("#050506", "#8a919b"),
         pill=("#5c6069", "#2f3238", "#121316"),
         eyelet=("#ffffff", "#aeb4bd", "#3f444c")),
    dict(name="gold", engrave=("#6e4a0e", "#fff3c8"),
         shell=("#fff3c2", "#e0b24a", "#7c5412"),
         plate=("#fbe49a", "#eec463", "#f8df92", "#d6a443", "#b98526"),
         ink="#6e4a0e", brand=("#6e4a0e", "#fff3c8", "#6e4a0e"),
         accent=("#c8262e", "#1f3f8a"),
         bezel=("#3b2a10", "#1c1306"), bezel_ink="#f5d47c",
         glass=("#bac7a9", "#a5b594"),
         cap=("#7a7a84", "#202026", "#020203"), well=("#5b3e0c", "#fff5cc"),
         pill=("#5e5e66", "#27272d", "#0b0b0e"),
         eyelet=("#fffbe6", "#e7bf5c", "#7a530f")),
    dict(name="clear", pcb=PCB_GHOST, rim="#3f9fc2",
         shell=("#f4fbfe", "#cfe5ee", "#8fb3c4"), plate=("#eef8fc", "#cde2eb"),
         ink="#34566a", brand=("#1d9fd0", "#ffffff", "#1b4e68"),
                  bezel=("#5d7482", "#3b4d58"), bezel_ink="#e4f4fb",
         glass=("#c3d2c5", "#adbfb0"),
         cap=("#ffffff", "#bfe6f3", "#5e9bb3"), well=("#5f8396", "#ffffff"),
         pill=("#ffffff", "#c9dfe9", "#86a9ba"),
         eyelet=("#ffffff", "#c8d3d9", "#6b7b85")),
    dict(name="circuit", pcb=PCB_BRIGHT,
         ink="#f3f3ea", bezel=("#d9dde2", "#8d949c"), bezel_ink="#f3f3ea",
         glass=("#bcc9ae", "#a7b797"),
         pill=("#5a5e66", "#2c2f35", "#111214"), well=("#0e1a12", "#4fbf7e"),
         eyelet=("#fff4c6", "#e2bd5c", "#8a6416")),
    dict(name="dero", face="#1b0633",
         shell=("#c37cff", "#8233dc", "#4a1290"), plate=("#a655f5", "#6f24c9"),
         ink="#ffe14d", brand=("#ffe14d", "#2a0850", "#ff4fa8"),
         accent=("#ffe14d", "#ff4fa8", "#5cf2d0"),
         bezel=("#ff5cb0", "#c9267f"), bezel_ink="#ffffff",
         glass=("#c6ecc9", "#a9d9b0"),
         cap=("#ffffff", "#f3f0f7", "#a99bbd"), well=("#2a0850", "#e4b8ff"),
         pill=("#e1ff8a", "#9fe02e", "#4e8c0c"),
         eyelet=("#fffbc4", "#ffd83b", "#b07a06")),
]
