#!/usr/bin/env python3
"""Draws the program's own pictures and synthesises its default start sound.

Writes customicons/*.png, images/*.png and samples/bang.raw beside this script. The output is
committed; run this again only after changing a drawing:

    python3 resources/generate_resources.py

Only the standard library is used (zlib and struct for PNG), so any Debian machine can rerun it.
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

SUPERSAMPLING = 4  # subsamples per pixel side, for smooth edges
ICON_SIZE = 32
SPINNER_SIZE = 64
SPINNER_FRAMES = 12
LOGO_WIDTH, LOGO_HEIGHT = 155, 30

# The start sound: 8-bit unsigned mono samples, played at 124 us per byte when uploaded as 500 ms.
SAMPLE_BYTES = 4004
SAMPLE_RATE = 1_000_000 / 124
SAMPLE_SILENCE = 128


# ---------------------------------------------------------------- shapes

class Shape:
    """An area of the plane: a bounding box and an inside test."""

    def bbox(self):
        raise NotImplementedError

    def contains(self, x, y):
        raise NotImplementedError


class Disc(Shape):
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r = cx, cy, r

    def bbox(self):
        return self.cx - self.r, self.cy - self.r, self.cx + self.r, self.cy + self.r

    def contains(self, x, y):
        return (x - self.cx) ** 2 + (y - self.cy) ** 2 <= self.r ** 2


class Ring(Shape):
    """An annulus, or an arc of one between two angles (degrees, counter-clockwise on screen)."""

    def __init__(self, cx, cy, r_in, r_out, start=None, end=None):
        self.cx, self.cy, self.r_in, self.r_out = cx, cy, r_in, r_out
        self.start, self.end = start, end

    def bbox(self):
        r = self.r_out
        return self.cx - r, self.cy - r, self.cx + r, self.cy + r

    def contains(self, x, y):
        d2 = (x - self.cx) ** 2 + (y - self.cy) ** 2
        if not self.r_in ** 2 <= d2 <= self.r_out ** 2:
            return False
        if self.start is None:
            return True
        angle = math.degrees(math.atan2(self.cy - y, x - self.cx)) % 360
        return (angle - self.start) % 360 <= (self.end - self.start) % 360


class Polygon(Shape):
    def __init__(self, points):
        self.points = points

    def bbox(self):
        xs = [p[0] for p in self.points]
        ys = [p[1] for p in self.points]
        return min(xs), min(ys), max(xs), max(ys)

    def contains(self, x, y):
        inside = False
        pts = self.points
        j = len(pts) - 1
        for i in range(len(pts)):
            xi, yi = pts[i]
            xj, yj = pts[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                inside = not inside
            j = i
        return inside


class Stroke(Shape):
    """A polyline of the given width with round ends and joins."""

    def __init__(self, points, width, closed=False):
        self.points = list(points) + ([points[0]] if closed else [])
        self.half = width / 2

    def bbox(self):
        xs = [p[0] for p in self.points]
        ys = [p[1] for p in self.points]
        h = self.half
        return min(xs) - h, min(ys) - h, max(xs) + h, max(ys) + h

    def contains(self, x, y):
        h2 = self.half ** 2
        for (x1, y1), (x2, y2) in zip(self.points, self.points[1:]):
            dx, dy = x2 - x1, y2 - y1
            length2 = dx * dx + dy * dy
            t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - x1) * dx + (y - y1) * dy) / length2))
            px, py = x1 + t * dx - x, y1 + t * dy - y
            if px * px + py * py <= h2:
                return True
        return False


class Rect(Shape):
    def __init__(self, x0, y0, x1, y1, radius=0.0):
        self.x0, self.y0, self.x1, self.y1, self.radius = x0, y0, x1, y1, radius

    def bbox(self):
        return self.x0, self.y0, self.x1, self.y1

    def contains(self, x, y):
        if not (self.x0 <= x <= self.x1 and self.y0 <= y <= self.y1):
            return False
        r = self.radius
        cx = min(max(x, self.x0 + r), self.x1 - r)
        cy = min(max(y, self.y0 + r), self.y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


# ---------------------------------------------------------------- canvas and PNG

class Canvas:
    """RGBA pixels with straight alpha; shapes are painted over what is there."""

    def __init__(self, width, height, background=(0, 0, 0, 0)):
        self.width, self.height = width, height
        self.pixels = [[tuple(c / 255 for c in background)] * width for _ in range(height)]

    def fill(self, shape, colour, opacity=1.0):
        x0, y0, x1, y1 = shape.bbox()
        red, green, blue = (c / 255 for c in colour)
        steps = [(k + 0.5) / SUPERSAMPLING for k in range(SUPERSAMPLING)]
        for py in range(max(0, int(y0)), min(self.height, int(math.ceil(y1)) + 1)):
            for px in range(max(0, int(x0)), min(self.width, int(math.ceil(x1)) + 1)):
                hits = sum(shape.contains(px + sx, py + sy) for sy in steps for sx in steps)
                if hits:
                    self._blend(px, py, (red, green, blue), opacity * hits / SUPERSAMPLING ** 2)

    def _blend(self, px, py, rgb, alpha):
        dr, dg, db, da = self.pixels[py][px]
        out = alpha + da * (1 - alpha)
        mix = [(s * alpha + d * da * (1 - alpha)) / out for s, d in zip(rgb, (dr, dg, db))]
        self.pixels[py][px] = (*mix, out)

    def png(self):
        rows = b"".join(
            b"\0" + bytes(round(c * 255) for pixel in row for c in pixel) for row in self.pixels)
        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 6, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", header)
                + _chunk(b"IDAT", zlib.compress(rows, 9)) + _chunk(b"IEND", b""))


def _chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


# ---------------------------------------------------------------- custom icons (32 x 32)

DARK = (50, 50, 50)
WHITE = (255, 255, 255)
START_GREEN = (30, 160, 60)


def state_disc(fill, outline):
    canvas = Canvas(ICON_SIZE, ICON_SIZE)
    canvas.fill(Disc(16, 16, 14), outline)
    canvas.fill(Disc(16, 16, 12.5), fill)
    canvas.fill(Disc(12, 11, 5), WHITE, 0.3)  # a soft highlight, so it reads as a lamp
    return canvas


def icon_idle():
    return state_disc((150, 150, 150), (90, 90, 90))


def icon_ready():
    canvas = state_disc((40, 180, 70), (20, 110, 40))
    canvas.fill(Stroke([(9.5, 16.5), (14, 21), (22.5, 11)], 3.2), WHITE)
    return canvas


def icon_started():
    canvas = state_disc((40, 110, 215), (20, 60, 140))
    canvas.fill(Polygon([(12.5, 9), (23.5, 16), (12.5, 23)]), WHITE)
    return canvas


def icon_inactive():
    canvas = state_disc((215, 215, 215), (150, 150, 150))
    canvas.fill(Rect(8, 14, 24, 18, 1.5), (110, 110, 110))
    return canvas


def arrow(points_up):
    canvas = Canvas(ICON_SIZE, ICON_SIZE)
    shape = [(16, 3), (28, 15), (21, 15), (21, 29), (11, 29), (11, 15), (4, 15)]
    if not points_up:
        shape = [(x, ICON_SIZE - y) for x, y in shape]
    canvas.fill(Stroke(shape, 2, closed=True), (20, 60, 130))
    canvas.fill(Polygon(shape), (60, 120, 210))
    return canvas


def icon_up():
    return arrow(True)


def icon_down():
    return arrow(False)


def sound_start(colour, dark):
    canvas = Canvas(ICON_SIZE, ICON_SIZE)
    speaker = [(3, 12), (9, 12), (16, 5), (16, 27), (9, 20), (3, 20)]
    canvas.fill(Stroke(speaker, 1.6, closed=True), dark)
    canvas.fill(Polygon(speaker), colour)
    canvas.fill(Ring(17, 16, 5, 7.2, -50, 50), colour)
    canvas.fill(Ring(17, 16, 10, 12.2, -50, 50), colour)
    return canvas


def icon_sound_start_red():
    return sound_start((220, 40, 30), (130, 20, 15))


def icon_sound_start_blue():
    return sound_start((40, 100, 220), (20, 50, 130))


def bezier(p0, p1, p2, p3, steps=24):
    points = []
    for i in range(steps + 1):
        t = i / steps
        a, b, c, d = (1 - t) ** 3, 3 * t * (1 - t) ** 2, 3 * t * t * (1 - t), t ** 3
        points.append((a * p0[0] + b * p1[0] + c * p2[0] + d * p3[0],
                       a * p0[1] + b * p1[1] + c * p2[1] + d * p3[1]))
    return points


def icon_cable():
    canvas = Canvas(ICON_SIZE, ICON_SIZE)
    canvas.fill(Stroke(bezier((2, 29), (4, 16), (8, 16), (14, 16)), 3.4), (40, 40, 40))
    canvas.fill(Rect(22, 11.5, 30, 14.5), (170, 170, 170))
    canvas.fill(Rect(22, 17.5, 30, 20.5), (170, 170, 170))
    canvas.fill(Rect(12, 9, 23, 23, 2.5), (60, 60, 60))
    canvas.fill(Rect(14, 11, 21, 13, 1), (110, 110, 110))
    return canvas


def axes(canvas):
    canvas.fill(Stroke([(5, 3), (5, 28), (30, 28)], 1.8), DARK)


def icon_graph():
    canvas = Canvas(ICON_SIZE, ICON_SIZE)
    axes(canvas)
    # a push against the block: quiet, then a steep rise to a peak that settles
    curve = [(x, 25 - 18 / (1 + math.exp(-(x - 15) / 1.6)) + 4 * math.exp(-((x - 19) / 2.5) ** 2))
             for x in [6 + i * 0.5 for i in range(48)]]
    canvas.fill(Stroke(curve, 2.2), (30, 90, 210))
    return canvas


def icon_sound_graph():
    canvas = Canvas(ICON_SIZE, ICON_SIZE)
    axes(canvas)
    curve = []
    for i in range(49):
        x = 6 + i * 0.5
        t = max(0.0, x - 10)
        curve.append((x, 16 - 10 * math.exp(-t / 6) * math.sin(t * 1.4)))
    canvas.fill(Stroke(curve, 1.8), (225, 90, 20))
    return canvas


def arc_arrow(canvas, start, end, colour, r_in, r_out):
    canvas.fill(Ring(16, 16, r_in, r_out, start, end), colour)
    mid = (r_in + r_out) / 2
    spread = (r_out - r_in) / 2 + 3

    def point(angle, radius):
        a = math.radians(angle)
        return 16 + radius * math.cos(a), 16 - radius * math.sin(a)

    canvas.fill(Polygon([point(end, mid - spread), point(end, mid + spread), point(end + 30, mid)]), colour)


def icon_sync_yellow():
    canvas = Canvas(ICON_SIZE, ICON_SIZE)
    for start, end in ((20, 150), (200, 330)):
        arc_arrow(canvas, start - 4, end + 4, (170, 120, 0), 7.5, 14)  # dark rim for light backgrounds
    for start, end in ((20, 150), (200, 330)):
        arc_arrow(canvas, start, end, (250, 205, 20), 9, 12.5)
    return canvas


def icon_spectrum():
    canvas = Canvas(ICON_SIZE, ICON_SIZE)
    heights = [9, 17, 24, 13, 20, 7, 11]
    for i, height in enumerate(heights):
        x = 3 + i * 4
        level = height / max(heights)
        colour = (round(60 + 190 * level), round(200 - 140 * level), 40)
        canvas.fill(Rect(x, 28 - height, x + 3, 28), colour)
    canvas.fill(Stroke([(2, 29), (30, 29)], 1.5), DARK)
    return canvas


def start_triangle(canvas):
    shape = [(18, 16), (30, 23), (18, 30)]
    canvas.fill(Stroke(shape, 2.5, closed=True), WHITE)
    canvas.fill(Polygon(shape), START_GREEN)


def icon_data_start():
    canvas = Canvas(ICON_SIZE, ICON_SIZE)
    canvas.fill(Rect(3, 2, 22, 28, 1), (120, 120, 120))
    canvas.fill(Rect(4.2, 3.2, 20.8, 26.8), WHITE)
    for row in range(5):
        y = 7 + row * 4
        canvas.fill(Rect(7, y, 18 - 3 * (row % 2), y + 1.6), (90, 120, 170))
    start_triangle(canvas)
    return canvas


def icon_pulse_start():
    canvas = Canvas(ICON_SIZE, ICON_SIZE)
    pulse = [(2, 20), (8, 20), (8, 5), (16, 5), (16, 20), (22, 20)]
    canvas.fill(Stroke(pulse, 2.6), (200, 30, 30))
    start_triangle(canvas)
    return canvas


def star(cx, cy, outer, inner, points=5):
    return [(cx + (outer if i % 2 == 0 else inner) * math.sin(math.pi * i / points),
             cy - (outer if i % 2 == 0 else inner) * math.cos(math.pi * i / points))
            for i in range(2 * points)]


def icon_superman():
    canvas = Canvas(ICON_SIZE, ICON_SIZE)
    shield = [(16, 2), (28, 6), (27, 18), (16, 30), (5, 18), (4, 6)]
    canvas.fill(Stroke(shield, 2, closed=True), (20, 40, 120))
    canvas.fill(Polygon(shield), (40, 80, 200))
    canvas.fill(Polygon(star(16, 15, 9, 3.8)), (250, 210, 30))
    return canvas


def icon_qt():
    canvas = Canvas(ICON_SIZE, ICON_SIZE)
    canvas.fill(Rect(1, 1, 31, 31, 6), (60, 170, 80))
    canvas.fill(Ring(15, 15, 6.5, 10), WHITE)
    canvas.fill(Stroke([(18, 18), (25, 25)], 3.6), WHITE)
    return canvas


CUSTOM_ICONS = {
    "qt": icon_qt,
    "up": icon_up,
    "down": icon_down,
    "idle": icon_idle,
    "ready": icon_ready,
    "started": icon_started,
    "inactive": icon_inactive,
    "sound_start_red": icon_sound_start_red,
    "sound_start_blue": icon_sound_start_blue,
    "cable": icon_cable,
    "graph": icon_graph,
    "sound_graph": icon_sound_graph,
    "sync_yellow": icon_sync_yellow,
    "spectrum": icon_spectrum,
    "data_start": icon_data_start,
    "pulse_start": icon_pulse_start,
    "superman": icon_superman,
}


# ---------------------------------------------------------------- busy spinner and logo

def spinner_frame(frame):
    """Frame 1..12: twelve spokes, the dark head one step further clockwise each frame."""
    canvas = Canvas(SPINNER_SIZE, SPINNER_SIZE)
    centre = SPINNER_SIZE / 2
    head = frame - 1
    for spoke in range(SPINNER_FRAMES):
        angle = math.radians(-90 + spoke * 360 / SPINNER_FRAMES)
        behind = (head - spoke) % SPINNER_FRAMES
        shade = 0.12 + 0.88 * (1 - behind / SPINNER_FRAMES) ** 2
        inner = (centre + 13 * math.cos(angle), centre + 13 * math.sin(angle))
        outer = (centre + 27 * math.cos(angle), centre + 27 * math.sin(angle))
        canvas.fill(Stroke([inner, outer], 5.5), (60, 60, 60), shade)
    return canvas


# Capital letters of the maker's name as strokes in a unit box (x to the right, y down).
LETTERS = {
    "H": [[(0, 0), (0, 1)], [(1, 0), (1, 1)], [(0, 0.5), (1, 0.5)]],
    "A": [[(0, 1), (0.5, 0), (1, 1)], [(0.22, 0.64), (0.78, 0.64)]],
    "L": [[(0, 0), (0, 1), (0.9, 1)]],
    "V": [[(0, 0), (0.5, 1), (1, 0)]],
    "E": [[(0.9, 0), (0, 0), (0, 1), (0.9, 1)], [(0, 0.5), (0.75, 0.5)]],
    "X": [[(0, 0), (1, 1)], [(1, 0), (0, 1)]],
}
LOGO_RED = (205, 30, 40)
LOGO_BLUE = (25, 45, 100)


def logo(background):
    canvas = Canvas(LOGO_WIDTH, LOGO_HEIGHT, background)
    # three slanted bars: the emblem, a sprinter's lean
    for i, (top, length) in enumerate(((6, 22), (12, 18), (18, 14))):
        x = 3 + i * 3
        canvas.fill(Polygon([(x + 4, top), (x + 4 + length, top), (x + length, top + 4), (x, top + 4)]),
                    LOGO_RED)
    left, top, height, width, step = 40, 5, 18, 12, 16
    x = left
    for letter in "HALVEXA":
        for stroke in LETTERS[letter]:
            points = [(x + u * width, top + v * height) for u, v in stroke]
            canvas.fill(Stroke(points, 3.2), LOGO_BLUE)
        x += step - (2 if letter == "L" else 0)  # L leaves room above its foot
    canvas.fill(Rect(left, 26, x - step + width, 28), LOGO_RED)
    return canvas


# ---------------------------------------------------------------- start sound

def bang_samples():
    """A starting pistol: a burst of noise with a fast decay over a short low thump."""
    state = 12345

    def noise():
        nonlocal state
        state = (1103515245 * state + 12345) % 2 ** 31
        return state / 2 ** 30 - 1

    attack = int(0.002 * SAMPLE_RATE)
    fade_from = int(SAMPLE_BYTES * 0.85)
    smoothed = 0.0
    signal = []
    for n in range(SAMPLE_BYTES):
        t = n / SAMPLE_RATE
        smoothed += 0.55 * (noise() - smoothed)  # takes the harshest hiss off
        rise = min(1.0, n / attack)
        crack = smoothed * math.exp(-t / 0.045)
        thump = 0.6 * math.sin(2 * math.pi * 95 * t) * math.exp(-t / 0.11)
        tail = 1.0 if n < fade_from else (SAMPLE_BYTES - 1 - n) / (SAMPLE_BYTES - 1 - fade_from)
        signal.append(rise * tail * (crack + thump))
    peak = max(abs(s) for s in signal)
    return bytes(min(255, max(0, round(SAMPLE_SILENCE + 120 * s / peak))) for s in signal)


# ---------------------------------------------------------------- output

def write(relative, data):
    path = os.path.join(HERE, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as out:
        out.write(data)


def main():
    for name, draw in CUSTOM_ICONS.items():
        write(f"customicons/{name}.png", draw().png())
    for frame in range(1, SPINNER_FRAMES + 1):
        write(f"images/progress_indicator_{frame}.png", spinner_frame(frame).png())
    write("images/Halvexa_Logo_155_30.png", logo((255, 255, 255, 255)).png())
    write("images/Halvexa_Logo_155_30_png.png", logo((0, 0, 0, 0)).png())
    sound = bang_samples()
    assert len(sound) == SAMPLE_BYTES
    write("samples/bang.raw", sound)


if __name__ == "__main__":
    main()
