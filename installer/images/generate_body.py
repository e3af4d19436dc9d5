#!/usr/bin/env python3
"""Draws the installer's background picture, body.png, beside this script.

The output is committed; run this again only after changing the drawing:

    python3 installer/images/generate_body.py

It borrows the canvas, the shapes and the maker's logo of resources/generate_resources.py.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "resources"))

from generate_resources import LOGO_BLUE, LOGO_RED, WHITE, Canvas, Polygon, Stroke, bezier, logo  # noqa: E402

WIDTH, HEIGHT = 503, 314  # the dialog's fixed size
PANEL = 150  # the left column that the dialog leaves empty
SLANT = 12  # how far the panel's edge leans to the left at the bottom
LIGHT_TOP, LIGHT_BOTTOM = (248, 249, 252), (214, 221, 233)
DARK_BOTTOM = (10, 20, 50)
LOGO_LEFT, LOGO_TOP = 0, 24


def mix(a, b, t):
    return tuple((x + (y - x) * t) / 255 for x, y in zip(a, b))


def backgrounds(canvas):
    """A dark panel on the left, light behind the dialog's groups, both shaded from top to bottom."""
    for y in range(HEIGHT):
        t = y / (HEIGHT - 1)
        dark = (*mix(LOGO_BLUE, DARK_BOTTOM, t), 1.0)
        light = (*mix(LIGHT_TOP, LIGHT_BOTTOM, t), 1.0)
        border = round(panel_edge(y)) + 4  # under the red stripe
        canvas.pixels[y] = [dark] * border + [light] * (WIDTH - border)


def panel_edge(y):
    return PANEL - SLANT * y / HEIGHT


def lanes(canvas):
    """The lines of a bend, running out of the bottom corner towards the start."""
    for i in range(6):
        spread = i * 16
        curve = bezier((-10 + spread * 0.4, HEIGHT + 5), (20 + spread, 240 - spread * 0.3),
                       (60 + spread, 200 - spread * 0.2), (PANEL + 5, 150 + spread * 0.55), 16)
        canvas.fill(Stroke(curve, 2.2), WHITE, 0.28)


def edge(canvas):
    """A slanted red stripe where the panel meets the light side."""
    bottom = panel_edge(HEIGHT)
    canvas.fill(Polygon([(PANEL, 0), (PANEL + 8, 0), (bottom + 8, HEIGHT), (bottom, HEIGHT)]), LOGO_RED)


def emblem(canvas):
    """The maker's logo at the top of the panel, its letters in white."""
    letters = tuple(c / 255 for c in LOGO_BLUE)
    for y, row in enumerate(logo((0, 0, 0, 0)).pixels):
        for x, (*rgb, alpha) in enumerate(row):
            if alpha:
                colour = (1.0, 1.0, 1.0) if tuple(rgb) == letters else rgb
                canvas._blend(x + LOGO_LEFT, y + LOGO_TOP, colour, alpha)


def main():
    canvas = Canvas(WIDTH, HEIGHT)
    backgrounds(canvas)
    lanes(canvas)
    edge(canvas)
    emblem(canvas)
    with open(os.path.join(HERE, "body.png"), "wb") as out:
        out.write(canvas.png())


if __name__ == "__main__":
    main()
