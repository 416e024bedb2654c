"""The SVG writer every picture goes through, and the list of pictures written."""

import os


# resources/, two folders above this package
RES = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

FONT_FAMILY = "Noto Sans CJK JP, sans-serif"
LCD_INK = "#161c17"


# ===========================================================================
# SVG writer
# ===========================================================================

def num(v):
    """Short number text: at most two decimals, no trailing zeros."""
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def pts(points):
    return " ".join("%s,%s" % (num(x), num(y)) for x, y in points)


class Svg:
    """Collects elements and gradient definitions of one picture."""

    def __init__(self, width, height, comment=None):
        self.w, self.h = width, height
        self.comment = comment
        self.defs = []
        self.items = []
        self.stack = [self.items]
        self.ids = 0

    # -- elements ----------------------------------------------------------
    def el(self, tag, **attrs):
        text = attrs.pop("text", None)
        parts = []
        for key, val in attrs.items():
            if val is None:
                continue
            key = key.rstrip("_").replace("_", "-")
            if isinstance(val, float):
                val = num(val)
            parts.append('%s="%s"' % (key, val))
        head = "<%s %s" % (tag, " ".join(parts))
        if text is None:
            self.stack[-1].append(head + "/>")
        else:
            self.stack[-1].append(head + ">" + text + "</%s>" % tag)

    def begin(self, transform=None, **attrs):
        group = []
        self.stack[-1].append(("g", transform, attrs, group))
        self.stack.append(group)

    def end(self):
        self.stack.pop()

    def rect(self, x, y, w, h, r=0, **kw):
        self.el("rect", x=num(x), y=num(y), width=num(w), height=num(h),
                rx=num(r) if r else None, ry=num(r) if r else None, **kw)

    def box(self, x1, y1, x2, y2, r=0, **kw):
        self.rect(x1, y1, x2 - x1, y2 - y1, r, **kw)

    def circle(self, cx, cy, r, **kw):
        self.el("circle", cx=num(cx), cy=num(cy), r=num(r), **kw)

    def ellipse(self, cx, cy, rx, ry, **kw):
        self.el("ellipse", cx=num(cx), cy=num(cy), rx=num(rx), ry=num(ry), **kw)

    def line(self, x1, y1, x2, y2, **kw):
        self.el("line", x1=num(x1), y1=num(y1), x2=num(x2), y2=num(y2), **kw)

    def polyline(self, points, **kw):
        self.el("polyline", points=pts(points), **kw)

    def polygon(self, points, **kw):
        self.el("polygon", points=pts(points), **kw)

    def path(self, d, **kw):
        self.el("path", d=d, **kw)

    def text(self, x, y, s, size, fill, anchor="middle", weight=None, **kw):
        self.el("text", x=num(x), y=num(y), font_family=FONT_FAMILY,
                font_size=num(size), font_weight=weight, fill=fill,
                text_anchor=anchor, text=s, **kw)

    # -- paint servers ------------------------------------------------------
    def _stops(self, stops):
        out = []
        for stop in stops:
            off, col = stop[0], stop[1]
            op = stop[2] if len(stop) > 2 else 1
            out.append('<stop offset="%s" stop-color="%s"%s/>' % (
                num(off), col, "" if op == 1 else ' stop-opacity="%s"' % num(op)))
        return "".join(out)

    def linear(self, x1, y1, x2, y2, stops, units="userSpaceOnUse"):
        self.ids += 1
        gid = "g%d" % self.ids
        self.defs.append(
            '<linearGradient id="%s" gradientUnits="%s" x1="%s" y1="%s" x2="%s" y2="%s">%s</linearGradient>'
            % (gid, units, num(x1), num(y1), num(x2), num(y2), self._stops(stops)))
        return "url(#%s)" % gid

    def radial(self, cx, cy, r, stops, fx=None, fy=None, units="userSpaceOnUse",
               transform=None):
        self.ids += 1
        gid = "g%d" % self.ids
        extra = ""
        if fx is not None:
            extra += ' fx="%s" fy="%s"' % (num(fx), num(fy))
        if transform:
            extra += ' gradientTransform="%s"' % transform
        self.defs.append(
            '<radialGradient id="%s" gradientUnits="%s" cx="%s" cy="%s" r="%s"%s>%s</radialGradient>'
            % (gid, units, num(cx), num(cy), num(r), extra, self._stops(stops)))
        return "url(#%s)" % gid

    def vgrad(self, y1, y2, stops):
        """Vertical gradient between two window rows."""
        return self.linear(0, y1, 0, y2, stops)

    # -- output -------------------------------------------------------------
    def _render(self, items, indent):
        out = []
        for it in items:
            if isinstance(it, tuple):
                _, transform, attrs, group = it
                a = "".join(' %s="%s"' % (k.replace("_", "-"), v) for k, v in attrs.items())
                t = ' transform="%s"' % transform if transform else ""
                out.append("%s<g%s%s>" % (indent, t, a))
                out.extend(self._render(group, indent + "  "))
                out.append("%s</g>" % indent)
            else:
                out.append(indent + it)
        return out

    def write(self, rel):
        path = os.path.join(RES, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        if self.comment:  # a note for the program (e.g. a cursor hotspot) goes first
            lines = ["<!-- %s -->" % self.comment]
        else:
            lines = ['<?xml version="1.0" encoding="UTF-8"?>']
        lines.append('<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
                     'width="%d" height="%d" viewBox="0 0 %d %d">' % (self.w, self.h, self.w, self.h))
        if self.defs:
            lines.append("  <defs>")
            lines.extend("    " + d for d in self.defs)
            lines.append("  </defs>")
        lines.extend(self._render(self.items, "  "))
        lines.append("</svg>")
        with open(path, "w", encoding="utf-8") as f:
            f.write("\n".join(lines) + "\n")
        WRITTEN.append(rel)


WRITTEN = []
