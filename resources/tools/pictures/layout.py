"""Geometry of the two view sizes."""

# ===========================================================================
# Geometry of the two view sizes
# ===========================================================================

class Layout:
    """Every place on the window in one view size.

    k     scale of decorative geometry (1 or 0.5)
    m()   maps a full-size decorative coordinate into this view
    """

    def __init__(self, **kw):
        self.__dict__.update(kw)

    def m(self, x, y):
        return (x * self.k, y * self.k)

    def v(self, d):
        return d * self.k


FULL = Layout(
    tag="", k=1.0, W=427, H=258, small=False,
    body=(4, 4, 425, 256, 37),
    hole=(77, 78, 22, 22), back_hole=(353, 78, 22, 22), eyelet=6.5,
    large=[(226, 58), (248, 58), (281, 58), (303, 58)], large_size=(22, 30),
    dot=(270, 58, 11, 30),
    small_digits=[(325, 66), (341, 66)], small_size=(16, 22),
    modes=[(233 + 19 * n, 92) for n in range(5)], mode_size=(12, 8),
    alarm=(348, 55, 14, 10),
    glass=(217, 46, 370, 105), bezel=(207, 35, 380, 122), mode_icon_y=113.5,
    B=(260.5, 182), A=(332.5, 182), cap_r=21.0, well_r=25.5,
    select=(65, 173, 48, 20), start=(135, 173, 48, 20), pill=(42, 12),
    tact_B=(247, 169, 25, 26), tact_A=(319, 169, 25, 26),
    reset=(22, 68, 72, 44),
    brand=(155, 64), brand_cap=14.0,
)

HALF = Layout(
    tag="_s", k=0.5, W=212, H=129, small=True,
    body=(2, 2, 213, 129, 16),
    hole=(39, 39.5, 11, 11.5), back_hole=(176, 39.5, 11, 11.5), eyelet=3.5,
    large=[(112, 28), (123, 28), (139, 28), (150, 28)], large_size=(11, 15),
    dot=(134, 31, 5, 12),
    small_digits=[(161, 32), (169, 32)], small_size=(8, 11),
    modes=[(114 + 9 * n, 44) for n in range(5)], mode_size=(6, 4),
    alarm=(169, 25, 7, 6),
    glass=(108, 22, 182, 51), bezel=(103, 16, 187, 60), mode_icon_y=55.5,
    B=(129.5, 91.5), A=(164.5, 91.5), cap_r=10.5, well_r=12.75,
    select=(32, 86, 25, 10), start=(67, 86, 25, 10), pill=(21, 6),
    tact_B=(122, 84, 15, 15), tact_A=(157, 84, 15, 15),
    reset=(11, 33, 36, 22),
    brand=(78, 32), brand_cap=7.5,
)

LAYOUTS = (FULL, HALF)
