#!/usr/bin/env python3
"""Writes the example files of examples/: the welcome animation and three materials.

The files are plain text in the animation file format (CP932, CR LF). The background
picture is drawn here as a BMP and turned into welcome-bg.jpg by the program itself:

    python3 examples/make_examples.py && \
      build/murva --export-jpeg examples/welcome-bg.jpg examples/welcome-bg.bmp && \
      rm examples/welcome-bg.bmp
"""
import math
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
# The format-writing helpers are shared with the picture converter in tools/.
sys.path.insert(0, os.path.join(HERE, "..", "tools"))

from znd_format import action, colour, figure, file_bytes, material_bytes, rgb  # noqa: E402


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def star(cx, cy, outer, inner):
    pts = []
    for i in range(10):
        r = outer if i % 2 == 0 else inner
        a = -math.pi / 2 + i * math.pi / 5
        pts.append((cx + int(r * math.cos(a)), cy + int(r * math.sin(a))))
    return pts


def welcome():
    star_start = star(320, 300, 40, 18)
    star_end = [(x + 140, y - 110) for x, y in star_start]
    bounce = [(0, 0)]
    for i in range(1, 61):  # three hops to the right
        x = i * 6
        y = -int(abs(math.sin(i * math.pi / 20)) * 90)
        bounce.append((x, y))
    starts = [
        figure("dtEllipse", (30, 30), (100, 100), 3, rgb(255, 165, 0), rgb(255, 255, 0)),
        figure("dtRectangle", (30, 380), (150, 430), 3, "clBlack", rgb(0, 0, 255)),
        figure("dtPolygon", (0, 0), (0, 0), 2, rgb(128, 0, 128), rgb(255, 105, 180),
               points=star_start),
        figure("dtText", (170, 200), (420, 232), 1, "clBlack", "clWhite", "ようこそ ムルヴァへ",
               20, rgb(0, 102, 102)),
        figure("dtEllipse", (60, 300), (100, 340), 2, "clBlack", "clRed"),
    ]
    moves = [
        figure("dtEllipse", (500, 20), (570, 90), 3, rgb(255, 165, 0), rgb(255, 255, 0)),
        figure("dtRectangle", (470, 380), (590, 430), 3, "clBlack", rgb(0, 0, 255)),
        figure("dtPolygon", star_end[0], star_end[0], 2, rgb(128, 0, 128), rgb(255, 105, 180),
               points=star_end),
        figure("dtText", (170, 110), (420, 142), 1, "clBlack", "clWhite", "ようこそ ムルヴァへ",
               20, rgb(0, 102, 102)),
        figure("dtEllipse", (420, 300), (460, 340), 2, "clBlack", "clRed", free_path=bounce),
    ]
    # Each command's actions carry one stamp of their own, two seconds after the last:
    # できるまで builds the picture a command at a time, and もどす takes back as much.
    times = ("2026 12 08 09 00 %02d 00" % (2 * k) for k in range(30))
    actions = [action("ReadBG", file_name="welcome-bg.jpg", time=next(times))]
    # The five figures and their end copies are one command, as a drawing put in is.
    pairs = next(times)
    actions += [action("Create", i + 1, f, time=pairs) for i, f in enumerate(starts)]
    actions += [action("Duplicate", i + 6, f, time=pairs) for i, f in enumerate(starts)]
    actions += [action("Move", i + 6, f, time=next(times)) for i, f in enumerate(moves)]
    # The sun grows and turns orange; the car turns green; the star turns purple.
    changes = [(6, "Size", ["12", "480 10", "590 120"]), (6, "BodyColor", [colour(rgb(255, 165, 0))]),
               (7, "BodyColor", [colour(rgb(0, 160, 0))]), (8, "BodyColor", [colour(rgb(128, 0, 128))])]
    actions += [action("Change", target, parameter=parameter, change=change, time=next(times))
                for target, parameter, change in changes]
    write("welcome.mrv", file_bytes(actions))


def material(name, figures):
    write(name, material_bytes(figures))


def materials():
    z = dict(variant="znd")
    rays = [figure("dtLine", (int(60 + 50 * math.cos(a)), int(60 + 50 * math.sin(a))),
                   (int(60 + 70 * math.cos(a)), int(60 + 70 * math.sin(a))), 4,
                   rgb(255, 165, 0), child=True, **z)
            for a in [i * math.pi / 4 for i in range(8)]]
    sun_face = figure("dtEllipse", (20, 20), (100, 100), 3, rgb(255, 165, 0), rgb(255, 255, 0),
                      child=True, **z)
    material("sun.znd", [figure("dtStamp", (200, 100), (340, 240), stamp=[sun_face] + rays, **z)])

    material("house.znd", [
        figure("dtRectangle", (200, 200), (360, 320), 3, "clBlack", rgb(255, 255, 0), **z),
        figure("dtPolygon", (0, 0), (0, 0), 3, "clBlack", "clRed",
               points=[(190, 200), (280, 130), (370, 200)], **z),
        figure("dtRectangle", (260, 260), (300, 320), 2, "clBlack", rgb(128, 0, 0), **z),
        figure("dtRectangle", (215, 220), (250, 250), 2, "clBlack", rgb(135, 206, 235), **z),
    ])

    head = [figure("dtEllipse", (0, 0), (60, 50), 2, "clBlack", rgb(255, 165, 0), child=True, **z),
            figure("dtPolygon", (0, 0), (0, 0), 2, "clBlack", rgb(255, 165, 0),
                   points=[(5, 10), (12, -12), (24, 4)], child=True, **z),
            figure("dtPolygon", (0, 0), (0, 0), 2, "clBlack", rgb(255, 165, 0),
                   points=[(36, 4), (48, -12), (55, 10)], child=True, **z),
            figure("dtEllipse", (15, 18), (22, 25), 1, "clBlack", "clBlack", child=True, **z),
            figure("dtEllipse", (38, 18), (45, 25), 1, "clBlack", "clBlack", child=True, **z)]
    material("cat.znd", [
        figure("dtEllipse", (220, 260), (340, 330), 2, "clBlack", rgb(255, 165, 0), **z),
        figure("dtStamp", (190, 210), (250, 260), stamp=head, **z),
        figure("dtFreeLine", (0, 0), (0, 0), 4, rgb(128, 0, 0),
               points=[(340, 300), (360, 280), (370, 250), (365, 225)], **z),
        figure("dtText", (230, 340), (330, 360), 1, "clBlack", "clWhite", "ねこ", 14, "clBlack", **z),
    ])


def background_bmp():
    width, height = 640, 480
    rows = []
    for y in range(height - 1, -1, -1):  # BMP rows run bottom-up
        row = bytearray()
        for x in range(width):
            if y < 330:  # sky, lighter towards the horizon
                t = y / 330
                r, g, b = int(150 + 80 * t), int(205 + 40 * t), 250
            else:  # grass with gentle stripes
                stripe = 10 if ((x + y) // 24) % 2 else 0
                r, g, b = 120 - stripe, 200 - stripe, 110 - stripe
            row += bytes((b, g, r))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(os.path.join(HERE, "welcome-bg.bmp"), "wb") as f:
        f.write(header + info + pixels)


if __name__ == "__main__":
    welcome()
    materials()
    background_bmp()
