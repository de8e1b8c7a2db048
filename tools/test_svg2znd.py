#!/usr/bin/env python3
"""Tests of the picture converter; run from the repository root:

    python3 tools/test_svg2znd.py
"""
import math
import os
import subprocess
import sys
import tempfile
import unittest

TOOLS = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(TOOLS)
sys.path.insert(0, TOOLS)

import svg2znd  # noqa: E402

S = 120 / 36  # px per picture unit
ALLOWED = svg2znd.TOLERANCE + svg2znd.ROUNDING  # flattening, then whole pixels


def svg(body):
    return '<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 36 36">%s</svg>' % body


def run(args):
    return subprocess.run([sys.executable, os.path.join(TOOLS, "svg2znd.py")] + args,
                          capture_output=True, text=True)


def children(data):
    """The stamp's children: (tool, pen, pen colour, brush, start, end, points)."""
    lines = data.decode("cp932").split("\r\n")
    i = lines.index("begin StampData") + 1
    found = []
    while lines[i] == "begin FigData":
        start, end = (tuple(map(int, lines[i + k].split())) for k in (9, 10))
        figure = [lines[i + 1], int(lines[i + 3]), lines[i + 4], lines[i + 5], start, end, []]
        i += 11
        if lines[i] == "begin PointData":
            j = lines.index("end PointData", i)
            figure[6] = [tuple(map(int, p.split())) for p in lines[i + 1:j]]
            i = j + 1
        assert lines[i] == "end FigData"
        found.append(tuple(figure))
        i += 1
    assert lines[i] == "end StampData"
    return found


def convert(body):
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "in.svg")
        with open(path, "w") as f:
            f.write(svg(body))
        return children(svg2znd.convert_file(path))


def segment_distance(p, a, b):
    dx, dy = b[0] - a[0], b[1] - a[1]
    t = max(0, min(1, ((p[0] - a[0]) * dx + (p[1] - a[1]) * dy) / ((dx * dx + dy * dy) or 1)))
    return math.hypot(p[0] - a[0] - t * dx, p[1] - a[1] - t * dy)


def outline_distance(p, polygons):
    return min(segment_distance(p, poly[i - 1], poly[i]) for poly in polygons
               for i in range(len(poly)))


def filled(p, polygons):
    """Whether p is inside the even-odd fill of any of the polygons."""
    def even_odd(poly):
        hits = 0
        for i in range(len(poly)):
            (x0, y0), (x1, y1) = poly[i - 1], poly[i]
            if (y0 > p[1]) != (y1 > p[1]) and p[0] < x0 + (p[1] - y0) * (x1 - x0) / (y1 - y0):
                hits += 1
        return hits % 2 == 1
    return any(even_odd(poly) for poly in polygons)


def cubic(p0, p1, p2, p3):
    return lambda t: tuple((1 - t) ** 3 * a + 3 * (1 - t) ** 2 * t * b + 3 * (1 - t) * t * t * c
                           + t ** 3 * d for a, b, c, d in zip(p0, p1, p2, p3))


def quadratic(p0, p1, p2):
    return lambda t: tuple((1 - t) ** 2 * a + 2 * (1 - t) * t * b + t * t * c
                           for a, b, c in zip(p0, p1, p2))


def joined(*pieces):
    """One curve of several, each over an equal share of t."""
    def at(t):
        k = min(int(t * len(pieces)), len(pieces) - 1)
        return pieces[k](t * len(pieces) - k)
    return at


def line(p, q):
    return lambda t: (p[0] + (q[0] - p[0]) * t, p[1] + (q[1] - p[1]) * t)


def turned_ellipse(cx, cy, rx, ry, degrees, t0, t1):
    r = math.radians(degrees)

    def at(t):
        a = t0 + (t1 - t0) * t
        x, y = rx * math.cos(a), ry * math.sin(a)
        return (cx + x * math.cos(r) - y * math.sin(r), cy + x * math.sin(r) + y * math.cos(r))
    return at


class Shapes(unittest.TestCase):
    def test_each_element_becomes_its_figure_with_the_right_box(self):
        cases = [  # body, [(tool, pen, start, end)]
            ('<circle cx="18" cy="18" r="9"/>', [("dtEllipse", 1, (30, 30), (90, 90))]),
            ('<g transform="translate(6 3) scale(.5)"><ellipse cx="12" cy="12" rx="12" ry="6"/>'
             '</g>', [("dtEllipse", 1, (20, 20), (60, 40))]),
            ('<ellipse cx="18" cy="18" rx="9" ry="3" transform="rotate(90 18 18)"/>',
             [("dtEllipse", 1, (50, 30), (70, 90))]),
            ('<rect x="3" y="6" width="9" height="12"/>', [("dtRectangle", 1, (10, 20), (40, 60))]),
            ('<g transform="rotate(90 18 18)"><rect x="3" y="6" width="9" height="12"/></g>',
             [("dtRectangle", 1, (60, 10), (100, 40))]),
            ('<rect x="3" y="6" width="9" height="12" transform="rotate(30 18 18)"/>',
             [("dtPolygon", 1, (17, 0), (63, 50))]),
            ('<rect x="3" y="6" width="9" height="12" rx="2" fill="none"/><circle r="3" '
             'fill="#fff" fill-opacity="0"/><path d="M0 0H9V9z" display="none"/>', []),
            ('<line x1="3" y1="3" x2="33" y2="3" stroke="#000" stroke-width="1.5" '
             'stroke-linecap="round"/>', [("dtLine", 5, (10, 10), (110, 10))]),
            ('<line x1="3" y1="3" x2="33" y2="3" stroke="#000" stroke-width="3"/>',
             [("dtPolygon", 1, (10, 5), (110, 15))]),
            ('<polyline points="3 3 18 30 33 3" fill="none" stroke="#000" stroke-width=".3"/>',
             [("dtPolyline", 1, (10, 10), (110, 100))]),
        ]
        for body, expected in cases:
            with self.subTest(body=body):
                got = convert(body + '<rect width="36" height="36" fill="#fff"/>')
                self.assertEqual([(f[0], f[1], f[4], f[5]) for f in got[:-1]], expected)

    def test_colours_are_kept_with_the_pen_in_the_fill_colour(self):
        cases = [('fill="#abc"', "$00CCBBAA"), ('fill="#12AB34"', "$0034AB12"),
                 ('fill="red"', "clRed"), ('style="fill:#00f"', "clBlue"),
                 ('fill="rgb(0, 128, 0)"', "clGreen"), ('fill="#000" fill-opacity=".5"', "clGray"),
                 ('fill="#000" opacity=".5" style="fill-opacity:50%"', "$00BFBFBF")]
        for attributes, colour in cases:
            for body in ('<circle cx="9" cy="9" r="3" %s/>' % attributes,
                         '<g %s><path d="M2 2H9V9z"/></g>' % attributes):
                with self.subTest(body=body):
                    (figure,) = convert(body)
                    self.assertEqual((figure[2], figure[3]), (colour, colour))


class Curves(unittest.TestCase):
    CASES = [  # path data, transform, the true curve for t in [0, 1]
        ("M4 30C4 4 32 4 32 30z", "", joined(cubic((4, 30), (4, 4), (32, 4), (32, 30)),
                                             line((32, 30), (4, 30)))),
        ("M4 18c0-14 14-14 14 0s14 14 14 0z", "",
         joined(cubic((4, 18), (4, 4), (18, 4), (18, 18)),
                cubic((18, 18), (18, 32), (32, 32), (32, 18)), line((32, 18), (4, 18)))),
        ("M4 18Q11 4 18 18T32 18z", "", joined(quadratic((4, 18), (11, 4), (18, 18)),
                                               quadratic((18, 18), (25, 32), (32, 18)))),
        ("M6 18a6 3 0 0 0 24 0z", "", joined(turned_ellipse(18, 18, 12, 6, 0, math.pi, 0),
                                             line((30, 18), (6, 18)))),
        ("M6 18A12 12 0 1 1 30 18 12 12 0 1 1 6 18z", "",
         turned_ellipse(18, 18, 12, 12, 0, 0, 2 * math.pi)),
        ("M3 18a15 6 0 1 1 30 0 15 6 0 1 1-30 0z", "rotate(30 18 18)",
         turned_ellipse(18, 18, 15, 6, 30, 0, 2 * math.pi)),
        ("M4 4h28v28H4z", "matrix(.5 .2 -.3 .8 6 2)",  # the corners where it takes them
         joined(*(line(p, q) for p, q in [((6.8, 6), (20.8, 11.6)), ((20.8, 11.6), (12.4, 34)),
                                          ((12.4, 34), (-1.6, 28.4)), ((-1.6, 28.4), (6.8, 6))]))),
    ]

    def test_the_outline_stays_near_the_true_curve(self):
        for d, transform, curve in self.CASES:
            with self.subTest(d=d, transform=transform):
                m = svg2znd.compose((S, 0, 0, S, 0, 0), svg2znd.parse_transform(transform))
                flat = svg2znd.path_rings(d, m)
                written = [f[6] for f in convert('<path d="%s" transform="%s"/>' % (d, transform))]
                true = [(x * S, y * S) for x, y in map(curve, (i / 800 for i in range(801)))]
                self.assertLessEqual(max(outline_distance(p, flat) for p in true), 0.5 + 1e-9)
                self.assertLessEqual(max(outline_distance(p, written) for p in true), ALLOWED)
                # and no point strays from the picture's outline
                for p in (p for poly in written for p in poly):
                    self.assertLess(min(math.dist(p, q) for q in true), ALLOWED + 0.5)

    def test_an_ellipse_turned_off_the_axes_becomes_a_polygon_on_it(self):
        (figure,) = convert('<ellipse cx="18" cy="18" rx="15" ry="6" '
                            'transform="rotate(30 18 18)"/>')
        curve = turned_ellipse(18 * S, 18 * S, 15 * S, 6 * S, 30, 0, 2 * math.pi)
        self.assertEqual(figure[0], "dtPolygon")
        self.assertLessEqual(max(outline_distance(curve(i / 400), [figure[6]])
                                 for i in range(400)), ALLOWED)


class Holes(unittest.TestCase):
    def test_holes_stay_open_and_the_bridges_run_inside_the_fill(self):
        cases = [  # attributes, path data, points inside the fill, points in holes
            ("", "M4 4H32V32H4z M12 12V24H24V12z", [(8, 18), (18, 6)], [(18, 18), (13, 23)]),
            ('fill-rule="evenodd"', "M18 3a15 15 0 1 1 0 30 15 15 0 1 1 0-30z"
             "M18 10a8 8 0 1 1 0 16 8 8 0 1 1 0-16z", [(18, 5), (5, 18)], [(18, 18), (24, 18)]),
            ("", "M2 2H34V34H2z M5 5V31H31V5z M10 10H26V26H10z", [(3, 18), (18, 18)],
             [(7, 18), (28, 28)]),
            ("", "M2 8H34V28H2z M6 12V24H14V12z M22 12V24H30V12z", [(4, 18), (18, 18)],
             [(10, 18), (26, 18)]),
            ("", "M18 1L35 18 18 35 1 18z M5 18L18 31 31 18 18 5z M14 18l4-4 4 4-4 4z",
             [(18, 3), (18, 18)], [(18, 7), (26, 18)]),
            ("", "M4 4H32V32H4z M24 12V24H40V12z", [(8, 18), (36, 18)], [(28, 18)]),
            ('fill-rule="evenodd"', "M18 2L27 30 3 12H33L9 30z", [(18, 6), (6, 13)],
             [(18, 18)]),
        ]
        for attributes, d, solid, open_ in cases:
            with self.subTest(d=d):
                polygons = [f[6] for f in convert('<path %s d="%s"/>' % (attributes, d))]
                for p in solid:
                    self.assertTrue(filled((p[0] * S, p[1] * S), polygons), p)
                for p in open_:
                    self.assertFalse(filled((p[0] * S, p[1] * S), polygons), p)
                for poly in polygons:  # a bridge is an edge walked both ways
                    edges = {(poly[i - 1], poly[i]) for i in range(len(poly))}
                    for a, b in ((a, b) for a, b in edges if (b, a) in edges and a != b):
                        n = (b[1] - a[1], a[0] - b[0])
                        k = 0.4 / math.hypot(*n)
                        mid = ((a[0] + b[0]) / 2, (a[1] + b[1]) / 2)
                        for side in (k, -k):
                            self.assertTrue(filled((mid[0] + side * n[0], mid[1] + side * n[1]),
                                                   polygons), (a, b))


class Refusals(unittest.TestCase):
    def test_what_cannot_be_kept_is_refused_and_nothing_is_written(self):
        # 19 rows of 110 points in a zigzag that rounding cannot thin
        zigzag = " ".join("%.4f %.4f" % (x / S, (10 + 6 * r + 2 * (x % 2)) / S) for r in range(19)
                          for x in (range(5, 115) if r % 2 == 0 else range(114, 4, -1)))
        cases = [
            ('<defs><linearGradient id="g"><stop offset="0" stop-color="#f00"/></linearGradient>'
             '</defs><circle cx="18" cy="18" r="9" fill="url(#g)"/>', "gradient"),
            ('<text x="3" y="9">A</text>', "<text>"),
            ('<image href="a.png" width="9" height="9"/>', "<image>"),
            ('<g clip-path="url(#c)"><circle cx="18" cy="18" r="9"/></g>', "clip-path"),
            ('<circle cx="18" cy="18" r="9" mask="url(#m)"/>', "mask"),
            ('<path d="M2 2H9V9z" fill="#f00" stroke="#000"/>', "visible stroke"),
            ('<polyline points="3 3 18 30 33 3" fill="none" stroke="#000" stroke-width="3"/>',
             "round pens"),
            ('<polygon points="%s"/>' % zigzag, "more than the 2000"),
            ('<path d="M18 2L27 30 3 12H33L9 30z"/>', "cannot be kept"),
            ('<circle cx="18" cy="18" r="9" fill="azure"/>', "colour 'azure'"),
            ('<circle cx="18" cy="18" r="9"', "not well-formed"),
        ]
        with tempfile.TemporaryDirectory() as folder:
            source, target = os.path.join(folder, "in.svg"), os.path.join(folder, "out.znd")
            for body, message in cases:
                with self.subTest(message=message):
                    with open(source, "w") as f:
                        f.write(svg(body))
                    with open(target, "wb") as f:
                        f.write(b"before")
                    result = run([source, target])
                    self.assertEqual(result.returncode, 1)
                    self.assertIn(message, result.stderr)
                    with open(target, "rb") as f:
                        self.assertEqual(f.read(), b"before")
                    self.assertEqual(sorted(os.listdir(folder)), ["in.svg", "out.znd"])


class Lists(unittest.TestCase):
    def test_a_batch_writes_all_or_nothing(self):
        good = '<circle cx="18" cy="18" r="9" fill="#f00"/>'
        cases = [  # list lines, pictures, message (None: converted)
            (["どうぶつ\ta.svg\tcat\t猫\tねこ\tCat"], {"a.svg": good}, None),
            (["どうぶつ\ta.svg\tcat\t猫\tねこ\tCat", "もの\tb.svg\tball\tボール\tボール\tBall"],
             {"a.svg": good, "b.svg": '<circle r="3" fill="url(#g)"/>'}, "b.svg (things/ball)"),
            (["どうぶつ\ta.svg\tcat\t猫\tねこ\tCat", "うみ\ta.svg\tfish\t魚\tさかな\tFish"],
             {"a.svg": good}, "line 4: the kind 'うみ'"),
            (["どうぶつ\ta.svg\tcat\t猫\t猫\tCat"], {"a.svg": good}, "has more than kana"),
            (["どうぶつ\ta.svg\tCat\t猫\tねこ\tCat"], {"a.svg": good}, "not lower-case ASCII"),
            (["どうぶつ\ta.svg\tcat\t猫\tねこ"], {"a.svg": good}, "six fields"),
        ]
        for lines, pictures, message in cases:
            with self.subTest(lines=lines), tempfile.TemporaryDirectory() as folder:
                for name, body in pictures.items():
                    with open(os.path.join(folder, name), "w") as f:
                        f.write(svg(body))
                with open(os.path.join(folder, "list.txt"), "w", encoding="utf-8") as f:
                    f.write("# a comment\n\n" + "\n".join(lines) + "\n")
                out = os.path.join(folder, "out")
                result = run(["--list", os.path.join(folder, "list.txt"), "--svg-dir", folder,
                              "--out", out])
                if message is None:
                    self.assertEqual(result.returncode, 0, result.stderr)
                    with open(os.path.join(out, "index.tsv"), encoding="utf-8") as f:
                        self.assertEqual(f.read(), "animals\tcat\t猫\tねこ\tCat\n")
                    with open(os.path.join(out, "animals", "cat.znd"), "rb") as f:
                        self.assertEqual(children(f.read())[0][3], "clRed")
                else:
                    self.assertEqual(result.returncode, 1)
                    self.assertIn(message, result.stderr)
                    self.assertFalse(os.path.exists(out))

    def test_the_committed_materials_are_the_list_converted(self):
        entries = svg2znd.read_list(os.path.join(TOOLS, "materials.txt"))
        folder = os.path.join(ROOT, "data", "materials")
        with open(os.path.join(folder, "index.tsv"), encoding="utf-8") as f:
            index = [line.split("\t") for line in f.read().splitlines()]
        self.assertEqual(index, [[kind, name, kanji, kana, english]
                                 for kind, _, name, kanji, kana, english in entries])
        for kind in svg2znd.KINDS.values():
            self.assertGreaterEqual(sum(e[0] == kind for e in entries), 10, kind)
        for kind, _, name, *_ in entries:
            with open(os.path.join(folder, kind, name + ".znd"), "rb") as f:
                parts = children(f.read())
            self.assertTrue(parts, name)
            self.assertLessEqual(max(len(p[6]) for p in parts), svg2znd.MAX_POINTS, name)


if __name__ == "__main__":
    unittest.main()
