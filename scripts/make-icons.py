#!/usr/bin/env python3
"""Writes the toolbar glyphs and the program icon of VGraph as SVG files into
data/icons/. Each glyph is drawn on a 24x24 grid with whole-pixel strokes so it
stays sharp at 100 % and 200 % scale. Run it again after changing a glyph."""
import os
import sys

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "icons")
INK = "#24324a"
BLUE = "#2f6fd6"
RED = "#d23c32"
GREEN = "#2c9a4b"
PAPER = "#ffffff"
AMBER = "#e3a21a"


def svg(body, size=24):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" '
            f'viewBox="0 0 {size} {size}" fill="none" stroke-linecap="round" '
            f'stroke-linejoin="round">\n{body}\n</svg>\n')


def line(x1, y1, x2, y2, c=INK, w=1.6):
    return f'<line x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}" stroke="{c}" stroke-width="{w}"/>'


def path(d, c=INK, w=1.6, fill="none"):
    return f'<path d="{d}" stroke="{c}" stroke-width="{w}" fill="{fill}"/>'


def rect(x, y, w, h, c=INK, fill="none", sw=1.6, r=0):
    return f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{r}" stroke="{c}" stroke-width="{sw}" fill="{fill}"/>'


def circle(cx, cy, r, c=INK, fill="none", sw=1.6):
    return f'<circle cx="{cx}" cy="{cy}" r="{r}" stroke="{c}" stroke-width="{sw}" fill="{fill}"/>'


def text(x, y, s, size=9, c=INK, weight="bold", anchor="middle", family="DejaVu Sans, sans-serif"):
    return (f'<text x="{x}" y="{y}" font-family="{family}" font-size="{size}" font-weight="{weight}" '
            f'fill="{c}" text-anchor="{anchor}">{s}</text>')


def axes():
    return line(3, 20, 21, 20) + line(4, 21, 4, 3)


def curve(c=BLUE):
    return path("M4 17 C8 4, 12 4, 14 11 S19 18, 21 6", c, 1.8)


def page():
    return path("M6 3 H14 L18 7 V21 H6 Z", INK, 1.4, PAPER) + path("M14 3 V7 H18", INK, 1.2)


def arrow(x1, y1, x2, y2, c=INK):
    import math
    a = math.atan2(y2 - y1, x2 - x1)
    h = 4
    p1 = (x2 - h * math.cos(a - 0.6), y2 - h * math.sin(a - 0.6))
    p2 = (x2 - h * math.cos(a + 0.6), y2 - h * math.sin(a + 0.6))
    return line(x1, y1, x2, y2, c, 1.8) + path(
        f"M{p1[0]:.1f} {p1[1]:.1f} L{x2} {y2} L{p2[0]:.1f} {p2[1]:.1f}", c, 1.8)


def frame():
    return rect(3, 3, 18, 18, INK, PAPER, 1.4, 1)


GLYPHS = {
    "new": page() + line(12, 11, 12, 17, GREEN, 1.8) + line(9, 14, 15, 14, GREEN, 1.8),
    "open": path("M3 7 H9 L11 9 H20 V19 H3 Z", INK, 1.4, "#f5d27a") + path("M3 19 L6 12 H22 L19 19 Z", INK, 1.4, "#fbe3a0"),
    "save": rect(4, 4, 16, 16, INK, "#dfe8f7", 1.4, 1) + rect(7, 4, 10, 6, INK, PAPER, 1.2) + rect(7, 13, 10, 7, INK, PAPER, 1.2) + line(14, 5.5, 14, 8.5, INK, 1.4),
    "print": rect(7, 3, 10, 6, INK, PAPER, 1.3) + rect(3, 9, 18, 8, INK, "#c9d3e3", 1.4, 1) + rect(7, 14, 10, 7, INK, PAPER, 1.3) + line(9, 17, 15, 17, INK, 1) + line(9, 19, 13, 19, INK, 1),
    "undo": path("M9 6 L4 10 L9 14", BLUE, 1.9) + path("M4 10 H14 A5 5 0 0 1 14 20 H10", BLUE, 1.9),
    "redo": path("M15 6 L20 10 L15 14", BLUE, 1.9) + path("M20 10 H10 A5 5 0 0 0 10 20 H14", BLUE, 1.9),
    "graph_list": rect(3, 3, 18, 18, INK, PAPER, 1.4, 1) + "".join(
        line(7, y, 18, y, INK, 1.4) + circle(5.3, y, 0.6, c, c, 1) for y, c in ((7.5, BLUE), (12, RED), (16.5, GREEN))),
    "plot_options": axes() + curve() + circle(17, 17, 3.2, INK, PAPER, 1.3) + circle(17, 17, 1, INK, INK, 1),
    "axis_options": arrow(3, 19, 21, 19) + arrow(5, 21, 5, 3) + line(9, 18, 9, 20) + line(13, 18, 13, 20) + line(17, 18, 17, 20),
    "background_options": rect(3, 3, 18, 18, INK, "#e6f0ff", 1.4) + "".join(
        line(3, v, 21, v, "#8aa3c8", 1) + line(v, 3, v, 21, "#8aa3c8", 1) for v in (9, 15)),
    "full_screen": rect(3, 4, 18, 16, INK, PAPER, 1.4, 1) + path("M6 10 V7 H9 M15 7 H18 V10 M18 14 V17 H15 M9 17 H6 V14", BLUE, 1.8),
    "select_interval": axes() + rect(8, 6, 10, 9, RED, "none", 1.5) + path("M8 6 h0", RED),
    "center_view": line(12, 3, 12, 21, INK, 1.4) + line(3, 12, 21, 12, INK, 1.4) + circle(12, 12, 4, RED, "none", 1.8) + circle(12, 12, 1.2, RED, RED, 1),
    "calculator": rect(5, 3, 14, 18, INK, "#eef2f8", 1.4, 2) + rect(7, 5, 10, 4, INK, PAPER, 1.1) + "".join(
        rect(x, y, 2, 2, INK, INK, 0.6) for x in (7.5, 11, 14.5) for y in (11.5, 15, 18) if not (x == 14.5 and y == 18)) + rect(14.5, 15, 2, 5, RED, RED, 0.6),
    "value_table": rect(3, 4, 18, 16, INK, PAPER, 1.4) + line(3, 9, 21, 9, INK, 1.2) + line(11, 4, 11, 20, INK, 1.2) + text(7, 8, "x", 5) + text(16, 8, "y", 5) + line(5, 13, 9, 13, INK, 1) + line(13, 13, 19, 13, INK, 1) + line(5, 17, 9, 17, INK, 1) + line(13, 17, 19, 17, INK, 1),
    "analyze": axes() + curve() + circle(8.9, 7.3, 1.6, RED, RED, 1) + circle(18.6, 14.5, 1.6, RED, RED, 1),
    "intersections": axes() + curve() + path("M4 7 L21 16", GREEN, 1.8) + circle(10.5, 10.5, 1.8, RED, "none", 1.6),
    "derivative": text(12, 17, "f′", 15, BLUE, "bold", "middle", "DejaVu Serif, serif"),
    "tangent": axes() + path("M5 17 C9 15, 13 8, 20 6", BLUE, 1.8) + line(6, 16, 20, 8, RED, 1.6) + circle(13, 12, 1.3, RED, RED, 1),
    "integration": axes() + path("M6 20 V13 C9 8, 13 8, 16 11 V20 Z", BLUE, 1.2, "#b7cdf2") + path("M4 14 C9 7, 13 7, 20 13", BLUE, 1.8),
    "regression": axes() + "".join(circle(x, y, 1.3, RED, RED, 1) for x, y in ((7, 16), (10, 14), (13, 12.5), (16, 9), (19, 7))) + line(5, 18, 21, 5.5, BLUE, 1.6),
    "draw_graph": axes() + curve(),
    "draw_lines": axes() + path("M5 17 L9 8 L13 13 L17 6 L21 11", BLUE, 1.8),
    "draw_points": axes() + "".join(circle(x, y, 1.5, BLUE, BLUE, 1) for x, y in ((6, 16), (9.5, 9), (13, 12), (16.5, 7), (20, 10))),
    "properties": rect(3, 3, 18, 18, INK, PAPER, 1.4, 1) + curve() + path("M13 21 L14 16 L20 10 L22 12 L16 18 Z", INK, 1.2, AMBER),
    "other_properties": rect(3, 3, 18, 18, INK, PAPER, 1.4, 1) + line(7, 8, 17, 8, INK, 1.4) + line(7, 12, 17, 12, INK, 1.4) + line(7, 16, 13, 16, INK, 1.4) + text(18, 20, "+", 9, GREEN),
    "add_graph": axes() + curve() + circle(17.5, 16.5, 4, GREEN, PAPER, 1.4) + line(17.5, 14.3, 17.5, 18.7, GREEN, 1.6) + line(15.3, 16.5, 19.7, 16.5, GREEN, 1.6),
    "delete_graph": axes() + curve() + circle(17.5, 16.5, 4, RED, PAPER, 1.4) + line(15.9, 14.9, 19.1, 18.1, RED, 1.6) + line(19.1, 14.9, 15.9, 18.1, RED, 1.6),
    "double_graph": axes() + path("M4 15 C8 4, 12 4, 14 9 S19 15, 21 4", BLUE, 1.6) + path("M4 19 C8 8, 12 8, 14 13 S19 19, 21 8", GREEN, 1.6),
    "trace": axes() + curve() + line(14, 4, 14, 19, RED, 1.2) + line(6, 11, 21, 11, RED, 1.2) + circle(14, 11, 2, RED, "none", 1.5),
}

# Zoom and move buttons share a pattern: a frame with arrows.
def zoom(out, axis):
    body = frame()
    d = -1 if out else 1  # arrows point outwards to enlarge the interval
    c = GREEN if not out else RED
    if axis in ("x", "xy"):
        if not out:
            body += arrow(10, 12, 5, 12, c) + arrow(14, 12, 19, 12, c)
        else:
            body += arrow(5, 12, 10, 12, c) + arrow(19, 12, 14, 12, c)
    if axis in ("y", "xy"):
        if not out:
            body += arrow(12, 10, 12, 5, c) + arrow(12, 14, 12, 19, c)
        else:
            body += arrow(12, 5, 12, 10, c) + arrow(12, 19, 12, 14, c)
    del d
    return body


for axis in ("xy", "y", "x"):
    GLYPHS[f"increase_{axis}"] = zoom(False, axis)
    GLYPHS[f"reduce_{axis}"] = zoom(True, axis)

GLYPHS["move_left"] = frame() + arrow(18, 12, 6, 12, BLUE)
GLYPHS["move_right"] = frame() + arrow(6, 12, 18, 12, BLUE)
GLYPHS["move_up"] = frame() + arrow(12, 18, 12, 6, BLUE)
GLYPHS["move_down"] = frame() + arrow(12, 6, 12, 18, BLUE)

APP_ICON = svg(
    rect(4, 4, 56, 56, "#1d3b6e", "#ffffff", 3, 10) +
    "".join(line(4, v, 60, v, "#d5e0f2", 1.2) + line(v, 4, v, 60, "#d5e0f2", 1.2) for v in (18, 32, 46)) +
    line(10, 32, 56, 32, "#24324a", 2.4) + line(32, 56, 32, 9, "#24324a", 2.4) +
    path("M8 50 C18 6, 26 6, 32 30 S46 58, 58 12", "#2f6fd6", 4) +
    path("M8 20 C20 26, 40 44, 58 46", "#d23c32", 3),
    64)


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, body in GLYPHS.items():
        with open(os.path.join(OUT, name + ".svg"), "w") as f:
            f.write(svg(body))
    with open(os.path.join(OUT, "vgraph.svg"), "w") as f:
        f.write(APP_ICON)
    print(f"{len(GLYPHS) + 1} icons in {os.path.normpath(OUT)}", file=sys.stderr)


if __name__ == "__main__":
    main()
