#!/usr/bin/env python3
"""Turns a flat vector picture (SVG) into a material (.znd) for the parts bin.

    python3 tools/svg2znd.py IN.svg OUT.znd
    python3 tools/svg2znd.py --list tools/materials.txt --svg-dir DIR --out data/materials

The material is one stamp whose children are the picture's shapes in drawing order,
120 px across (the picture's box is scaled to 120 x 120). Filled shapes are drawn with a
1 px pen of their fill colour, so an outline adds nothing the picture lacks:

- path, polygon: polygons; curves and arcs are flattened so that no point of the curve is
  further than 0.5 px from the polygon, before the points are rounded to the whole pixels
  the file holds (which moves a point by at most 0.71 px). Each filled subpath is its own
  polygon; a subpath that is a hole of another is joined to it by a bridge of no width
  that runs inside the filled part, so the even-odd fill leaves the hole open and the pen
  draws the bridge in the fill colour, over the fill.
- circle, ellipse: ellipses, or polygons when a transform turns them off the axes.
- rect: rectangles, or polygons when rounded or turned.
- line, polyline: their strokes as lines (round ends) or as polygons (flat and square ends).

What cannot be kept faithfully is refused with a message and exit code 1, and no file is
written: gradient and pattern fills, pictures, text, clipping, masks, filters, visible
strokes of filled shapes, fills whose outlines cross in a way one polygon cannot show,
and outlines of more points than a point list holds.

In batch mode every picture of the list is converted before anything is written; one
refusal writes nothing at all.
"""
import math
import os
import re
import sys
import tempfile
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from znd_format import MAX_POINTS, figure, material_bytes, rgb  # noqa: E402

SIZE = 120          # px across, the picture's box scaled to fit
ORIGIN = (200, 100)  # where the stamp's box starts, as in the example materials
TOLERANCE = 0.5     # px: the furthest a curve may be from its flattened outline
ROUNDING = math.sqrt(0.5)  # px: the furthest rounding to whole pixels moves a point
EPS = 1e-9


class Refused(Exception):
    """The picture cannot be converted faithfully; the text says why."""


# ---------------------------------------------------------------------------------------
# Numbers, colours, transforms

NUMBER = re.compile(r"[-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?")

BASIC_COLOURS = {
    "black": (0, 0, 0), "silver": (192, 192, 192), "gray": (128, 128, 128),
    "grey": (128, 128, 128), "white": (255, 255, 255), "maroon": (128, 0, 0),
    "red": (255, 0, 0), "purple": (128, 0, 128), "fuchsia": (255, 0, 255),
    "magenta": (255, 0, 255), "green": (0, 128, 0), "lime": (0, 255, 0),
    "olive": (128, 128, 0), "yellow": (255, 255, 0), "navy": (0, 0, 128),
    "blue": (0, 0, 255), "teal": (0, 128, 128), "aqua": (0, 255, 255),
    "cyan": (0, 255, 255), "orange": (255, 165, 0),
}


def numbers(text):
    return [float(n) for n in NUMBER.findall(text or "")]


def length(text, what):
    """A coordinate or length: a plain number or px."""
    m = re.fullmatch(r"\s*(" + NUMBER.pattern + r")\s*(px)?\s*", text)
    if not m:
        raise Refused("the length %r of %s is not in user units" % (text, what))
    return float(m.group(1))


def parse_colour(text, current):
    """(r, g, b), or None for no paint. `current` is the inherited `color`."""
    t = text.strip()
    low = t.lower()
    if low in ("none", "transparent"):
        return None
    if low.startswith("url("):
        raise Refused("a gradient or pattern fill (%s)" % t)
    if low == "currentcolor":
        return current
    if re.fullmatch(r"#[0-9a-f]{3}", low):
        return tuple(int(c * 2, 16) for c in low[1:])
    if re.fullmatch(r"#[0-9a-f]{6}", low):
        return tuple(int(low[i:i + 2], 16) for i in (1, 3, 5))
    m = re.fullmatch(r"rgb\(\s*([^,]+),\s*([^,]+),\s*([^,)]+)\)", low)
    if m:
        parts = []
        for p in m.groups():
            p = p.strip()
            value = float(p[:-1]) * 2.55 if p.endswith("%") else float(p)
            parts.append(max(0, min(255, int(math.floor(value + 0.5)))))
        return tuple(parts)
    if low in BASIC_COLOURS:
        return BASIC_COLOURS[low]
    raise Refused("the colour %r is not one this converter knows" % t)


# An affine map (a, b, c, d, e, f): x' = a x + c y + e, y' = b x + d y + f, as SVG writes it.
IDENTITY = (1.0, 0.0, 0.0, 1.0, 0.0, 0.0)


def compose(m, n):
    """The map that applies n, then m."""
    a, b, c, d, e, f = m
    A, B, C, D, E, F = n
    return (a * A + c * B, b * A + d * B, a * C + c * D, b * C + d * D,
            a * E + c * F + e, b * E + d * F + f)


def apply(m, p):
    return (m[0] * p[0] + m[2] * p[1] + m[4], m[1] * p[0] + m[3] * p[1] + m[5])


def apply_linear(m, v):
    return (m[0] * v[0] + m[2] * v[1], m[1] * v[0] + m[3] * v[1])


def parse_transform(text):
    result = IDENTITY
    rest = text.strip()
    while rest:
        m = re.match(r"\s*,?\s*(matrix|translate|scale|rotate|skewX|skewY)\s*\(([^)]*)\)\s*",
                     rest)
        if not m:
            raise Refused("the transform %r cannot be read" % text)
        name, args = m.group(1), numbers(m.group(2))
        rest = rest[m.end():]
        counts = {"matrix": (6,), "translate": (1, 2), "scale": (1, 2), "rotate": (1, 3),
                  "skewX": (1,), "skewY": (1,)}
        if len(args) not in counts[name]:
            raise Refused("the transform %r has the wrong number of values" % text)
        if name == "matrix":
            step = tuple(args)
        elif name == "translate":
            step = (1, 0, 0, 1, args[0], args[1] if len(args) > 1 else 0)
        elif name == "scale":
            step = (args[0], 0, 0, args[1] if len(args) > 1 else args[0], 0, 0)
        elif name == "rotate":
            r = math.radians(args[0])
            step = (math.cos(r), math.sin(r), -math.sin(r), math.cos(r), 0, 0)
            if len(args) == 3:
                cx, cy = args[1], args[2]
                step = compose((1, 0, 0, 1, cx, cy), compose(step, (1, 0, 0, 1, -cx, -cy)))
        elif name == "skewX":
            step = (1, 0, math.tan(math.radians(args[0])), 1, 0, 0)
        else:
            step = (1, math.tan(math.radians(args[0])), 0, 1, 0, 0)
        result = compose(result, step)
    return result


def singular_values(m):
    """The largest and smallest stretch of the linear part of m."""
    a, b, c, d = m[0], m[1], m[2], m[3]
    s = a * a + b * b + c * c + d * d
    det = a * d - b * c
    root = math.sqrt(max(0.0, s * s - 4 * det * det))
    return math.sqrt((s + root) / 2), math.sqrt(max(0.0, (s - root) / 2))


def keeps_axes(m):
    """Whether the linear part of m maps the axes onto the axes (no turn but quarter ones)."""
    return (abs(m[1]) < EPS and abs(m[2]) < EPS) or (abs(m[0]) < EPS and abs(m[3]) < EPS)


# ---------------------------------------------------------------------------------------
# Path data and flattening: everything is flattened in output pixels.

class PathScanner:
    def __init__(self, d):
        self.d, self.pos = d, 0

    def skip(self):
        while self.pos < len(self.d) and self.d[self.pos] in " \t\r\n,":
            self.pos += 1

    def command(self):
        self.skip()
        if self.pos < len(self.d) and self.d[self.pos].isalpha():
            self.pos += 1
            return self.d[self.pos - 1]
        return None

    def number(self):
        self.skip()
        m = NUMBER.match(self.d, self.pos)
        if not m:
            raise Refused("the path data cannot be read near %r" % self.d[self.pos:self.pos + 12])
        self.pos = m.end()
        return float(m.group())

    def flag(self):
        self.skip()
        if self.pos < len(self.d) and self.d[self.pos] in "01":
            self.pos += 1
            return self.d[self.pos - 1] == "1"
        raise Refused("an arc flag of the path data cannot be read")

    def done(self):
        self.skip()
        return self.pos >= len(self.d)


def flatten_cubic(p0, p1, p2, p3, tol, out):
    """Appends points after p0 up to p3. The curve is within tol of the chord when
    0.75 * max(|p1 - (2 p0 + p3) / 3|, |p2 - (p0 + 2 p3) / 3|) <= tol: that is how far
    the curve is from the chord's own even-paced points."""
    stack = [(p0, p1, p2, p3)]
    while stack:
        q0, q1, q2, q3 = stack.pop()
        ax, ay = q1[0] - (2 * q0[0] + q3[0]) / 3, q1[1] - (2 * q0[1] + q3[1]) / 3
        bx, by = q2[0] - (q0[0] + 2 * q3[0]) / 3, q2[1] - (q0[1] + 2 * q3[1]) / 3
        if 0.75 * math.sqrt(max(ax * ax + ay * ay, bx * bx + by * by)) <= tol:
            out.append(q3)
            continue
        m01 = mid(q0, q1)
        m12 = mid(q1, q2)
        m23 = mid(q2, q3)
        m012 = mid(m01, m12)
        m123 = mid(m12, m23)
        centre = mid(m012, m123)
        stack.append((centre, m123, m23, q3))
        stack.append((q0, m01, m012, centre))


def mid(p, q):
    return ((p[0] + q[0]) / 2, (p[1] + q[1]) / 2)


def flatten_ellipse_arc(centre, u, v, theta, delta, tol, out):
    """Appends the points of P(t) = centre + u cos t + v sin t for t after theta up to
    theta + delta. A chord of angle step h is within s (1 - cos(h / 2)) of the arc, s the
    largest stretch of [u v]."""
    stretch = singular_values((u[0], u[1], v[0], v[1], 0, 0))[0]
    step = math.pi / 2
    if stretch > tol:
        step = min(step, 2 * math.acos(1 - tol / stretch))
    n = max(1, int(math.ceil(abs(delta) / step - 1e-12)))
    for k in range(1, n + 1):
        t = theta + delta * k / n
        out.append((centre[0] + u[0] * math.cos(t) + v[0] * math.sin(t),
                    centre[1] + u[1] * math.cos(t) + v[1] * math.sin(t)))


def arc_to_centre(p1, p2, rx, ry, phi_degrees, large, sweep):
    """The centre form of an arc from p1 to p2: (centre, u, v, theta, delta)."""
    phi = math.radians(phi_degrees)
    cos_p, sin_p = math.cos(phi), math.sin(phi)
    dx, dy = (p1[0] - p2[0]) / 2, (p1[1] - p2[1]) / 2
    x1 = cos_p * dx + sin_p * dy
    y1 = -sin_p * dx + cos_p * dy
    rx, ry = abs(rx), abs(ry)
    lam = (x1 * x1) / (rx * rx) + (y1 * y1) / (ry * ry)
    if lam > 1:
        rx, ry = rx * math.sqrt(lam), ry * math.sqrt(lam)
    num = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1
    den = rx * rx * y1 * y1 + ry * ry * x1 * x1
    coef = math.sqrt(max(0.0, num / den)) if den > 0 else 0.0
    if large == sweep:
        coef = -coef
    cx1, cy1 = coef * rx * y1 / ry, -coef * ry * x1 / rx
    centre = (cos_p * cx1 - sin_p * cy1 + (p1[0] + p2[0]) / 2,
              sin_p * cx1 + cos_p * cy1 + (p1[1] + p2[1]) / 2)
    theta = math.atan2((y1 - cy1) / ry, (x1 - cx1) / rx)
    end = math.atan2((-y1 - cy1) / ry, (-x1 - cx1) / rx)
    delta = end - theta
    if sweep and delta < 0:
        delta += 2 * math.pi
    elif not sweep and delta > 0:
        delta -= 2 * math.pi
    u = (rx * cos_p, rx * sin_p)
    v = (-ry * sin_p, ry * cos_p)
    return centre, u, v, theta, delta


def path_rings(d, m, tol=TOLERANCE):
    """The subpaths of path data d under the map m, as lists of points in output pixels.
    Open subpaths are closed, as a fill closes them."""
    s = PathScanner(d)
    rings, ring = [], None
    cur = start = (0.0, 0.0)
    last_cubic = last_quad = None  # the control point a following S or T reflects
    cmd = None

    def begin(p):
        nonlocal ring
        if ring is not None and len(ring) > 1:
            rings.append(ring)
        ring = [apply(m, p)]

    while True:
        letter = s.command()
        if letter is None:
            if s.done():
                break
            if cmd is None:
                raise Refused("the path data does not start with a command")
            letter = {"M": "L", "m": "l"}.get(cmd, cmd)  # repeated arguments
        if letter not in "MmLlHhVvCcSsQqTtAaZz":
            raise Refused("the path command %r is not known" % letter)
        cmd = letter
        rel = letter.islower()
        up = letter.upper()
        base = cur if rel else (0.0, 0.0)

        def point():
            x = s.number()
            y = s.number()
            return (base[0] + x, base[1] + y)

        if up == "Z":
            if ring is not None:
                if len(ring) > 1:
                    rings.append(ring)
                ring = None
            cur = start
            last_cubic = last_quad = None
            continue
        if ring is None:
            begin(cur)
        if up == "M":
            cur = start = point()
            begin(cur)
            last_cubic = last_quad = None
            continue
        if up == "L":
            cur = point()
            ring.append(apply(m, cur))
            last_cubic = last_quad = None
        elif up == "H":
            cur = (base[0] + s.number(), cur[1])
            ring.append(apply(m, cur))
            last_cubic = last_quad = None
        elif up == "V":
            cur = (cur[0], base[1] + s.number())
            ring.append(apply(m, cur))
            last_cubic = last_quad = None
        elif up in "CS":
            if up == "C":
                c1 = point()
            else:
                c1 = cur if last_cubic is None else (2 * cur[0] - last_cubic[0],
                                                     2 * cur[1] - last_cubic[1])
            c2 = point()
            end = point()
            flatten_cubic(apply(m, cur), apply(m, c1), apply(m, c2), apply(m, end), tol, ring)
            cur, last_cubic, last_quad = end, c2, None
        elif up in "QT":
            if up == "Q":
                q = point()
            else:
                q = cur if last_quad is None else (2 * cur[0] - last_quad[0],
                                                   2 * cur[1] - last_quad[1])
            end = point()
            c1 = (cur[0] + 2 / 3 * (q[0] - cur[0]), cur[1] + 2 / 3 * (q[1] - cur[1]))
            c2 = (end[0] + 2 / 3 * (q[0] - end[0]), end[1] + 2 / 3 * (q[1] - end[1]))
            flatten_cubic(apply(m, cur), apply(m, c1), apply(m, c2), apply(m, end), tol, ring)
            cur, last_quad, last_cubic = end, q, None
        elif up == "A":
            rx, ry, phi = s.number(), s.number(), s.number()
            large, sweep = s.flag(), s.flag()
            end = point()
            if end != cur:
                if abs(rx) < EPS or abs(ry) < EPS:
                    ring.append(apply(m, end))
                else:
                    centre, u, v, theta, delta = arc_to_centre(cur, end, rx, ry, phi, large,
                                                               sweep)
                    flatten_ellipse_arc(apply(m, centre), apply_linear(m, u),
                                        apply_linear(m, v), theta, delta, tol, ring)
                    ring[-1] = apply(m, end)  # the exact end, free of float error
            cur = end
            last_cubic = last_quad = None
    if ring is not None and len(ring) > 1:
        rings.append(ring)
    return rings


def ellipse_ring(cx, cy, rx, ry, m, tol=TOLERANCE):
    ring = []
    flatten_ellipse_arc(apply(m, (cx, cy)), apply_linear(m, (rx, 0)), apply_linear(m, (0, ry)),
                        0.0, 2 * math.pi, tol, ring)
    return ring


# ---------------------------------------------------------------------------------------
# Fills: which subpaths are outlines, which are holes, and one polygon for each outline.

def signed_area(ring):
    total = 0.0
    for i in range(len(ring)):
        x0, y0 = ring[i - 1]
        x1, y1 = ring[i]
        total += x0 * y1 - x1 * y0
    return total / 2


def inside(p, ring):
    """Even-odd test of one ring."""
    x, y = p
    result = False
    j = len(ring) - 1
    for i in range(len(ring)):
        xi, yi = ring[i]
        xj, yj = ring[j]
        if (yi > y) != (yj > y) and x < xj + (y - yj) * (xi - xj) / (yi - yj):
            result = not result
        j = i
    return result


def bounds(points):
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return min(xs), min(ys), max(xs), max(ys)


def rings_cross(r, q):
    for i in range(len(r)):
        a, b = r[i - 1], r[i]
        box = (min(a[0], b[0]), min(a[1], b[1]), max(a[0], b[0]), max(a[1], b[1]))
        for j in range(len(q)):
            c, d = q[j - 1], q[j]
            if max(c[0], d[0]) < box[0] or min(c[0], d[0]) > box[2] or \
                    max(c[1], d[1]) < box[1] or min(c[1], d[1]) > box[3]:
                continue
            if orient(a, b, c) * orient(a, b, d) < 0 and orient(c, d, a) * orient(c, d, b) < 0:
                return True
    return False


def classify(rings, evenodd):
    """For each ring: 'outer' (filled inside, not just outside it), 'hole' (the other way
    round) or None (no change of fill across it), and for a hole the index of the outer
    ring around it. Rings that cross one another are left to the fill check."""
    n = len(rings)
    boxes = [bounds(r) for r in rings]
    areas = [signed_area(r) for r in rings]
    direction = [1 if a > 0 else -1 for a in areas]
    containers, overlaps = [], []
    for i in range(n):
        found, partly = [], []
        sample = rings[i][::max(1, len(rings[i]) // 16)]
        for j in range(n):
            bi, bj = boxes[i], boxes[j]
            if i == j or abs(areas[i]) > abs(areas[j]) or bi[0] > bj[2] or bi[2] < bj[0] \
                    or bi[1] > bj[3] or bi[3] < bj[1]:
                continue
            within = sum(inside(p, rings[j]) for p in sample)
            if 2 * within > len(sample):
                found.append(j)
            elif rings_cross(rings[i], rings[j]):  # not merely touching
                partly.append(j)
        containers.append(found)
        overlaps.append(partly)

    def filled(winding):
        return winding % 2 == 1 if evenodd else winding != 0

    kinds = []
    for i in range(n):
        if evenodd:
            outside_w, inside_w = len(containers[i]), len(containers[i]) + 1
        else:
            outside_w = sum(direction[j] for j in containers[i])
            inside_w = outside_w + direction[i]
        if filled(inside_w) and not filled(outside_w):
            kinds.append("outer")
        elif filled(outside_w) and not filled(inside_w):
            kinds.append("hole")
        else:
            kinds.append(None)
    parents = {}
    for i in range(n):
        # A ring that is partly over a larger outline and cuts it away where they meet
        # (even-odd, or the other way round) is a hole of it that pokes out: joined to it,
        # the even-odd fill keeps both the cut and the part outside.
        cut = [j for j in overlaps[i] if kinds[j] == "outer" and not containers[j]
               and (evenodd or direction[j] != direction[i])]
        if kinds[i] == "outer" and not containers[i] and cut:
            kinds[i] = "hole"
            parents[i] = cut[0]
        elif kinds[i] == "hole":
            outers = [j for j in containers[i] if kinds[j] == "outer"]
            if outers:
                parents[i] = max(outers, key=lambda j: len(containers[j]))
            else:
                kinds[i] = None
    return kinds, parents


def rounded(ring):
    """The ring on whole pixels, without repeated or straight-through points."""
    pts = []
    for x, y in ring:
        p = (int(math.floor(x + 0.5)), int(math.floor(y + 0.5)))
        if not pts or pts[-1] != p:
            pts.append(p)
    while len(pts) > 1 and pts[0] == pts[-1]:
        pts.pop()
    changed = True
    while changed and len(pts) > 2:
        changed = False
        kept = []
        n = len(pts)
        for i in range(n):
            a, b, c = (kept[-1] if kept else pts[i - 1]), pts[i], pts[(i + 1) % n]
            cross = (b[0] - a[0]) * (c[1] - b[1]) - (b[1] - a[1]) * (c[0] - b[0])
            dot = (b[0] - a[0]) * (c[0] - b[0]) + (b[1] - a[1]) * (c[1] - b[1])
            if cross == 0 and dot > 0:
                changed = True
                continue
            kept.append(b)
        pts = kept
    return pts


def orient(a, b, c):
    return (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0])


def crosses(p, q, a, b):
    """Whether segments pq and ab meet anywhere but at a shared end point."""
    if max(p[0], q[0]) < min(a[0], b[0]) or max(a[0], b[0]) < min(p[0], q[0]) or \
            max(p[1], q[1]) < min(a[1], b[1]) or max(a[1], b[1]) < min(p[1], q[1]):
        return False
    if p in (a, b) or q in (a, b):
        # Sharing an end: they meet elsewhere only when they overlap along a line.
        other = b if a in (p, q) else a
        shared = a if a in (p, q) else b
        far = q if shared == p else p
        return orient(shared, far, other) == 0 and \
            (other[0] - shared[0]) * (far[0] - shared[0]) + \
            (other[1] - shared[1]) * (far[1] - shared[1]) > 0
    d1, d2 = orient(p, q, a), orient(p, q, b)
    d3, d4 = orient(a, b, p), orient(a, b, q)
    if d1 * d2 < 0 and d3 * d4 < 0:
        return True

    def on(s, t, r):
        return min(s[0], t[0]) <= r[0] <= max(s[0], t[0]) and \
            min(s[1], t[1]) <= r[1] <= max(s[1], t[1])
    return (d1 == 0 and on(p, q, a)) or (d2 == 0 and on(p, q, b)) or \
        (d3 == 0 and on(a, b, p)) or (d4 == 0 and on(a, b, q))


def bridged(outer, holes, what):
    """One point list for an outline and its holes: each hole is joined by a bridge from
    one of its points to a point of the outline so far, the shortest that stays within
    the filled part (it crosses no edge and its middle is filled)."""
    merged = list(outer)
    edges = []
    for ring in [outer] + holes:
        edges += [(ring[i - 1], ring[i]) for i in range(len(ring))]
    remaining = list(holes)
    while remaining:
        # The hole nearest the outline so far goes first.
        def gap(h):
            return min((a[0] - b[0]) ** 2 + (a[1] - b[1]) ** 2 for a in h for b in merged)
        hole = min(remaining, key=gap)
        remaining.remove(hole)
        pairs = sorted(((a[0] - b[0]) ** 2 + (a[1] - b[1]) ** 2, i, j)
                       for i, a in enumerate(hole) for j, b in enumerate(merged))
        joined = False
        for _, i, j in pairs:
            a, b = hole[i], merged[j]
            if a != b:
                if any(crosses(a, b, e0, e1) for e0, e1 in edges):
                    continue
                centre = ((a[0] + b[0]) / 2, (a[1] + b[1]) / 2)
                if not inside(centre, outer) or any(inside(centre, h) for h in holes):
                    continue
            merged = merged[:j + 1] + hole[i:] + hole[:i + 1] + merged[j:]
            edges.append((a, b))
            joined = True
            break
        if not joined:
            raise Refused("no bridge to a hole of %s stays inside its fill" % what)
    return merged


def row_spans(rings, y, rule):
    """The filled spans of the rings on the line at height y: rule 'nonzero', 'evenodd',
    or 'union' (the union of each ring's own even-odd fill)."""
    crossings = []
    for k, ring in enumerate(rings):
        for i in range(len(ring)):
            (x0, y0), (x1, y1) = ring[i - 1], ring[i]
            if (y0 <= y < y1) or (y1 <= y < y0):
                d = 1 if y1 > y0 else -1
                if d < 0:  # both ways along an edge give the same x: a bridge's two cancel
                    (x0, y0), (x1, y1) = (x1, y1), (x0, y0)
                crossings.append((x0 + (y - y0) * (x1 - x0) / (y1 - y0), d, k))
    crossings.sort()
    spans, winding, parity, start = [], 0, {}, None
    count = 0
    for x, d, k in crossings:
        if rule == "union":
            parity[k] = not parity.get(k, False)
            count += 1 if parity[k] else -1
            now = count > 0
        else:
            winding += d
            now = winding % 2 == 1 if rule == "evenodd" else winding != 0
        if now and start is None:
            if spans and spans[-1][1] == x:
                start = spans.pop()[0]
            else:
                start = x
        elif not now and start is not None:
            spans.append((start, x))
            start = None
    return spans


def in_spans(spans, x):
    return any(a <= x < b for a, b in spans)


def distance_to_segment(p, a, b):
    dx, dy = b[0] - a[0], b[1] - a[1]
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((p[0] - a[0]) * dx + (p[1] - a[1]) * dy)
                                              / length2))
    return math.hypot(p[0] - a[0] - t * dx, p[1] - a[1] - t * dy)


def check_fill(source, rule, polygons, what):
    """Refuses when the polygons' fill differs from the source's anywhere further than
    rounding can move an edge: seen along lines every half pixel."""
    edges = [(r[i - 1], r[i]) for r in source for i in range(len(r))]
    y0, y1 = bounds([p for r in source for p in r])[1::2]
    k = math.floor(y0 * 2)
    while k / 2 + 0.25 <= y1:
        y = k / 2 + 0.25
        k += 1
        want = row_spans(source, y, rule)
        got = row_spans(polygons, y, "union")
        cuts = sorted({x for s in want + got for x in s})
        for a, b in zip(cuts, cuts[1:]):
            x = (a + b) / 2
            if in_spans(want, x) == in_spans(got, x):
                continue
            n = max(1, int((b - a) / 0.25))
            for t in range(n + 1):
                p = (a + (b - a) * t / n, y)
                if min(distance_to_segment(p, e0, e1) for e0, e1 in edges) > ROUNDING + 0.3:
                    raise Refused("the fill of %s cannot be kept: its outlines cross near "
                                  "(%.0f, %.0f)" % (what, p[0], p[1]))


# ---------------------------------------------------------------------------------------
# Reading the picture

DRAWN = {"path", "polygon", "polyline", "line", "rect", "circle", "ellipse"}
NOT_DRAWN = {"defs", "title", "desc", "metadata", "linearGradient", "radialGradient",
             "clipPath", "mask", "pattern", "symbol", "marker", "filter"}
INHERITED = ("fill", "fill-opacity", "fill-rule", "stroke", "stroke-width", "stroke-opacity",
             "stroke-linecap", "stroke-linejoin", "color", "visibility")


def local(tag):
    return tag.rsplit("}", 1)[-1]


def properties(el):
    props = dict(el.attrib)
    for item in el.get("style", "").split(";"):
        if ":" in item:
            name, value = item.split(":", 1)
            props[name.strip()] = value.strip()
    return props


def over_white(c, alpha):
    """A colour drawn with this opacity over white. The file has no opacity, so a
    see-through shape becomes the colour it shows on white paper; over other shapes it
    then hides them where the picture would let them show through."""
    return tuple(int(math.floor(v * alpha + 255 * (1 - alpha) + 0.5)) for v in c)


def opacity(props, name, what):
    value = props.get(name, "1")
    try:
        v = float(value[:-1]) / 100 if value.endswith("%") else float(value)
    except ValueError:
        raise Refused("the %s %r of %s cannot be read" % (name, value, what))
    return max(0.0, min(1.0, v))


class Converter:
    def __init__(self):
        self.children = []  # figure lines of the stamp's children
        self.count = 0

    def convert(self, root):
        if local(root.tag) != "svg":
            raise Refused("the file is not an SVG picture")
        box = numbers(root.get("viewBox"))
        if len(box) != 4:
            if root.get("width") and root.get("height"):
                box = [0, 0, length(root.get("width"), "the picture"),
                       length(root.get("height"), "the picture")]
            else:
                raise Refused("the picture has neither a viewBox nor a width and height")
        if box[2] <= 0 or box[3] <= 0:
            raise Refused("the picture's box is empty")
        scale = SIZE / max(box[2], box[3])
        m = (scale, 0, 0, scale, -box[0] * scale + (SIZE - box[2] * scale) / 2,
             -box[1] * scale + (SIZE - box[3] * scale) / 2)
        state = {"fill": "black", "fill-opacity": "1", "fill-rule": "nonzero", "stroke": "none",
                 "stroke-width": "1", "stroke-opacity": "1", "stroke-linecap": "butt",
                 "stroke-linejoin": "miter", "color": "black", "visibility": "visible"}
        self.walk(root, state, m, 1.0, top=True)
        if not self.children:
            raise Refused("the picture draws nothing")
        stamp = figure("dtStamp", ORIGIN, (ORIGIN[0] + SIZE, ORIGIN[1] + SIZE),
                       stamp=self.children, variant="znd")
        return material_bytes([stamp], first_id=2)

    def walk(self, el, state, m, alpha, top=False):
        tag = local(el.tag)
        if tag in NOT_DRAWN:
            return
        if tag == "style":
            raise Refused("the picture uses a style sheet")
        if tag not in DRAWN and tag != "g" and not (top and tag == "svg"):
            raise Refused("a <%s> element cannot be converted" % tag)
        props = properties(el)
        what = "<%s>%s" % (tag, " id=%s" % props["id"] if "id" in props else "")
        for name in ("clip-path", "mask", "filter", "marker-start", "marker-mid", "marker-end"):
            if props.get(name, "none").strip() != "none":
                raise Refused("%s uses %s" % (what, name))
        if props.get("display", "").strip() == "none":
            return
        state = dict(state)
        for name in INHERITED:
            if name in props and props[name].strip() != "inherit":
                state[name] = props[name].strip()
        if "transform" in props and not top:
            m = compose(m, parse_transform(props["transform"]))
        alpha *= opacity(props, "opacity", what)
        if tag in ("g", "svg"):
            for child in el:
                self.walk(child, state, m, alpha)
            return
        self.count += 1
        what = "%s (shape %d)" % (what, self.count)
        if state["visibility"] in ("hidden", "collapse"):
            return
        self.shape(tag, el, state, m, alpha, what)

    def shape(self, tag, el, state, m, alpha, what):
        current = parse_colour(state["color"], (0, 0, 0))
        fill = parse_colour(state["fill"], current)
        fill_alpha = alpha * opacity(state, "fill-opacity", what)
        stroke = parse_colour(state["stroke"], current)
        stroke_alpha = alpha * opacity(state, "stroke-opacity", what)
        stroke_width = length(state["stroke-width"], what)
        stroked = stroke is not None and stroke_alpha > 0 and stroke_width > 0
        if tag in ("line", "polyline"):
            fill = None if tag == "line" else fill
        elif stroked:
            raise Refused("%s has a visible stroke" % what)
        rule = state["fill-rule"]
        if rule not in ("nonzero", "evenodd"):
            raise Refused("the fill-rule %r of %s is not known" % (rule, what))

        def attr(name, default=None):
            value = el.get(name)
            if value is None:
                if default is None:
                    raise Refused("%s has no %s" % (what, name))
                return default
            return length(value, what)

        if fill is not None and fill_alpha > 0:
            colour = over_white(fill, fill_alpha) if fill_alpha < 1 else fill
            if tag == "path":
                self.fill_rings(path_rings(el.get("d", ""), m), rule, colour, what)
            elif tag in ("polygon", "polyline"):
                self.fill_rings(self.point_rings(el, m, what), rule, colour, what)
            elif tag in ("circle", "ellipse"):
                cx, cy = attr("cx", 0.0), attr("cy", 0.0)
                if tag == "circle":
                    rx = ry = attr("r")
                else:
                    rx, ry = attr("rx"), attr("ry")
                if rx > 0 and ry > 0:
                    self.ellipse(cx, cy, rx, ry, m, colour, what)
            elif tag == "rect":
                self.rect(el, attr, m, colour, what)
        if stroked and tag in ("line", "polyline"):
            colour = over_white(stroke, stroke_alpha) if stroke_alpha < 1 else stroke
            if tag == "line":
                pts = [apply(m, (attr("x1", 0.0), attr("y1", 0.0))),
                       apply(m, (attr("x2", 0.0), attr("y2", 0.0)))]
            else:
                pts = self.point_rings(el, m, what)[0]
            self.stroke(pts, stroke_width, state, m, colour, what)

    def point_rings(self, el, m, what):
        values = numbers(el.get("points"))
        if len(values) < 4 or len(values) % 2:
            raise Refused("the points of %s cannot be read" % what)
        return [[apply(m, (values[i], values[i + 1])) for i in range(0, len(values), 2)]]

    def add(self, tool, start, end, colour, pen=1, points=None):
        value = rgb(*colour)
        self.children.append(figure(tool, start, end, pen, value, value, points=points,
                                    variant="znd", child=True))

    @staticmethod
    def check_count(pts, what):
        if len(pts) > MAX_POINTS:
            raise Refused("%s needs %d points, more than the %d a point list holds"
                          % (what, len(pts), MAX_POINTS))

    def add_polygon(self, pts, colour, what, tool="dtPolygon", pen=1):
        self.check_count(pts, what)
        x0, y0, x1, y1 = bounds(pts)
        self.add(tool, (x0, y0), (x1, y1), colour, pen, pts)

    def fill_rings(self, rings, rule, colour, what):
        # A ring of points on one line fills nothing; one that crosses itself may fill
        # although its area adds up to nothing.
        rings = [r for r in rings if len(r) > 2 and
                 max(abs(orient(r[0], r[i - 1], r[i])) for i in range(2, len(r))) > EPS]
        if not rings:
            return
        on_pixels = [rounded(r) for r in rings]
        for pts in on_pixels:
            self.check_count(pts, what)
        kinds, parents = classify(rings, rule == "evenodd")
        polygons = []
        for i, outer in enumerate(on_pixels):
            if kinds[i] != "outer" or len(outer) < 2:  # a ring under a pixel is a line or less
                continue
            holes = [on_pixels[j] for j in sorted(parents) if parents[j] == i]
            holes = [h for h in holes if len(h) > 2]
            polygons.append(bridged(outer, holes, what) if holes and len(outer) > 2 else outer)
        check_fill(rings, rule, polygons, what)
        for pts in polygons:
            self.add_polygon(pts, colour, what)

    def ellipse(self, cx, cy, rx, ry, m, colour, what):
        # The box of the mapped ellipse; it stays an ellipse on the axes when the map's
        # columns (scaled by the radii) are at right angles and each lies on one axis.
        u, v = apply_linear(m, (rx, 0)), apply_linear(m, (0, ry))
        on_axes = abs(u[0] * v[0] + u[1] * v[1]) < EPS * (rx * ry + 1) and \
            (min(abs(u[0]), abs(u[1])) < 1e-7 or abs(math.hypot(*u) - math.hypot(*v)) < 1e-7)
        if on_axes:
            c = apply(m, (cx, cy))
            hx, hy = math.hypot(u[0], v[0]), math.hypot(u[1], v[1])
            box = [int(math.floor(t + 0.5)) for t in (c[0] - hx, c[1] - hy, c[0] + hx, c[1] + hy)]
            if box[0] < box[2] and box[1] < box[3]:
                self.add("dtEllipse", (box[0], box[1]), (box[2], box[3]), colour)
            return
        pts = rounded(ellipse_ring(cx, cy, rx, ry, m))
        if len(pts) > 1:
            self.add_polygon(pts, colour, what)

    def rect(self, el, attr, m, colour, what):
        x, y, w, h = attr("x", 0.0), attr("y", 0.0), attr("width"), attr("height")
        if w <= 0 or h <= 0:
            return
        # A corner radius that is not given is the other one.
        rx = attr("rx") if el.get("rx", "auto") != "auto" else None
        ry = attr("ry") if el.get("ry", "auto") != "auto" else None
        rx, ry = (rx if rx is not None else ry or 0.0), (ry if ry is not None else rx or 0.0)
        rx, ry = min(max(rx, 0.0), w / 2), min(max(ry, 0.0), h / 2)
        if (rx == 0 or ry == 0) and keeps_axes(m):
            a, b = apply(m, (x, y)), apply(m, (x + w, y + h))
            box = [int(math.floor(t + 0.5)) for t in (min(a[0], b[0]), min(a[1], b[1]),
                                                      max(a[0], b[0]), max(a[1], b[1]))]
            if box[0] < box[2] and box[1] < box[3]:
                self.add("dtRectangle", (box[0], box[1]), (box[2], box[3]), colour)
            return
        if rx == 0 or ry == 0:
            d = "M%r %r h%r v%r h%r z" % (x, y, w, h, -w)
        else:
            d = ("M%r %r H%r A%r %r 0 0 1 %r %r V%r A%r %r 0 0 1 %r %r H%r "
                 "A%r %r 0 0 1 %r %r V%r A%r %r 0 0 1 %r %r z" % (
                     x + rx, y, x + w - rx, rx, ry, x + w, y + ry, y + h - ry, rx, ry,
                     x + w - rx, y + h, x + rx, rx, ry, x, y + h - ry, y + ry, rx, ry, x + rx, y))
        self.fill_rings(path_rings(d, m), "nonzero", colour, what)

    def stroke(self, pts, width, state, m, colour, what):
        big, small = singular_values(m)
        if big - small > 1e-6 * big:
            raise Refused("the stroke of %s is under a transform that stretches it unevenly"
                          % what)
        w = width * big
        pen = max(1, int(math.floor(w + 0.5)))
        cap, join = state["stroke-linecap"], state["stroke-linejoin"]
        ints = [(int(math.floor(x + 0.5)), int(math.floor(y + 0.5))) for x, y in pts]
        # The program's wide pens have round ends and joins; a 1 px pen shows neither.
        if pen == 1 or (cap == "round" and (len(pts) == 2 or join == "round")):
            if len(pts) == 2:
                self.add("dtLine", ints[0], ints[1], colour, pen)
            else:
                self.add_polygon(ints, colour, what, "dtPolyline", pen)
            return
        if len(pts) != 2 or cap not in ("butt", "square"):
            raise Refused("the stroke of %s has %s ends or %s joins, which the program's "
                          "round pens would not keep" % (what, cap, join))
        # A straight stroke with flat or square ends is a filled rectangle along it.
        (x0, y0), (x1, y1) = pts
        size = math.hypot(x1 - x0, y1 - y0)
        if size == 0:
            return
        ux, uy = (x1 - x0) / size, (y1 - y0) / size
        reach = w / 2 if cap == "square" else 0.0
        a = (x0 - ux * reach, y0 - uy * reach)
        b = (x1 + ux * reach, y1 + uy * reach)
        nx, ny = -uy * w / 2, ux * w / 2
        ring = [(a[0] + nx, a[1] + ny), (b[0] + nx, b[1] + ny), (b[0] - nx, b[1] - ny),
                (a[0] - nx, a[1] - ny)]
        self.add_polygon(rounded(ring), colour, what)


def convert_file(path):
    """The bytes of the material made from the SVG file at path; Refused when it cannot."""
    try:
        root = ET.parse(path).getroot()
    except ET.ParseError as e:
        raise Refused("the file is not well-formed XML (%s)" % e)
    except OSError as e:
        raise Refused("the file cannot be read (%s)" % e.strerror)
    return Converter().convert(root)


def write_atomically(path, data):
    folder = os.path.dirname(os.path.abspath(path))
    os.makedirs(folder, exist_ok=True)
    fd, temp = tempfile.mkstemp(dir=folder, prefix=".svg2znd-")
    try:
        with os.fdopen(fd, "wb") as f:
            f.write(data)
        os.replace(temp, path)
    except BaseException:
        os.unlink(temp)
        raise


# ---------------------------------------------------------------------------------------
# The list of materials

KINDS = {"どうぶつ": "animals", "のりもの": "vehicles", "ひと": "people", "たべもの": "food",
         "しぜん": "nature", "もの": "things"}
KANA = re.compile(r"[\u3041-\u309F\u30A0-\u30FF\u3000 ]+")


def read_list(path):
    """The entries of a list file: (kind folder, svg file, material file, kanji name,
    hiragana name, English name), checked; Refused names the first bad line."""
    entries, seen = [], set()
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\r\n")
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.split("\t")
            where = "%s line %d" % (path, number)
            if len(fields) != 6 or not all(x.strip() for x in fields):
                raise Refused("%s: expected six fields separated by tabs: kind, svg file, "
                              "file name, kanji name, hiragana name, English name" % where)
            kind, svg, name, kanji, kana, english = (x.strip() for x in fields)
            if kind not in KINDS:
                raise Refused("%s: the kind %r is not one of %s" % (where, kind, " ".join(KINDS)))
            if not re.fullmatch(r"[0-9a-f]+(-[0-9a-f]+)*\.svg", svg):
                raise Refused("%s: %r is not a picture file name like 1f431.svg" % (where, svg))
            if not re.fullmatch(r"[a-z0-9]+(-[a-z0-9]+)*", name):
                raise Refused("%s: the file name %r is not lower-case ASCII" % (where, name))
            if not KANA.fullmatch(kana):
                raise Refused("%s: the hiragana name %r has more than kana" % (where, kana))
            for text in (kanji, kana):
                try:
                    text.encode("cp932")
                except UnicodeEncodeError:
                    raise Refused("%s: the name %r has a character CP932 cannot hold"
                                  % (where, text))
            if not english.isascii():
                raise Refused("%s: the English name %r is not ASCII" % (where, english))
            if (KINDS[kind], name) in seen:
                raise Refused("%s: %s/%s is listed twice" % (where, KINDS[kind], name))
            seen.add((KINDS[kind], name))
            entries.append((KINDS[kind], svg, name, kanji, kana, english))
    return entries


def batch(list_path, svg_dir, out_dir):
    try:
        entries = read_list(list_path)
    except OSError as e:
        raise Refused("%s cannot be read (%s)" % (list_path, e.strerror))
    made, failures = [], []
    for kind, svg, name, kanji, kana, english in entries:
        try:
            made.append((kind, name, convert_file(os.path.join(svg_dir, svg)),
                         (kanji, kana, english)))
        except Refused as e:
            failures.append("%s (%s/%s): %s" % (svg, kind, name, e))
    if failures:
        raise Refused("nothing written; %d of %d pictures cannot be converted:\n  %s"
                      % (len(failures), len(entries), "\n  ".join(failures)))
    index = ["%s\t%s\t%s\t%s\t%s" % ((kind, name) + names) for kind, name, _, names in made]
    for kind, name, data, _ in made:
        write_atomically(os.path.join(out_dir, kind, name + ".znd"), data)
        parts = data.count(b"begin FigData") - 1
        points = sum(1 for line in data.split(b"\r\n") if re.fullmatch(rb"-?\d+ -?\d+", line))
        print("%-9s %-16s %3d parts %5d points" % (kind, name, parts, points))
    write_atomically(os.path.join(out_dir, "index.tsv"), ("\n".join(index) + "\n").encode())
    print("%d materials written to %s" % (len(made), out_dir))


USAGE = """usage: svg2znd.py IN.svg OUT.znd
       svg2znd.py --list LIST --svg-dir DIR --out DIR"""


def main(argv):
    try:
        if len(argv) == 2 and not argv[0].startswith("-"):
            data = convert_file(argv[0])
            write_atomically(argv[1], data)
            return 0
        if len(argv) == 6 and argv[0::2] == ["--list", "--svg-dir", "--out"]:
            batch(argv[1], argv[3], argv[5])
            return 0
        print(USAGE, file=sys.stderr)
        return 2
    except Refused as e:
        source = argv[0] if len(argv) == 2 else argv[1]
        print("svg2znd: %s: cannot convert: %s" % (source, e), file=sys.stderr)
        return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
