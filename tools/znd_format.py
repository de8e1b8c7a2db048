"""Writing the animation file format from Python: figures, actions and whole files.

The files are plain text, CP932 on disk, with CR LF lines. Colours are written as the
program writes them: one of the sixteen basic names when the value has one, else `$`
and eight hex digits with red in the lowest byte ($00BBGGRR).
"""

TIME = "2026 12 08 09 00 00 00"

NAMED = {0x000000: "clBlack", 0x000080: "clMaroon", 0x008000: "clGreen", 0x008080: "clOlive",
         0x800000: "clNavy", 0x800080: "clPurple", 0x808000: "clTeal", 0x808080: "clGray",
         0xC0C0C0: "clSilver", 0x0000FF: "clRed", 0x00FF00: "clLime", 0x00FFFF: "clYellow",
         0xFF0000: "clBlue", 0xFF00FF: "clFuchsia", 0xFFFF00: "clAqua", 0xFFFFFF: "clWhite"}

# How many points one point list holds; a reader drops the points beyond.
MAX_POINTS = 2000


def colour(c):
    """A colour as the program writes it: its name when it has one, else $ and hex."""
    if isinstance(c, str):
        return c
    return NAMED.get(c, "$%08X" % c)


def rgb(r, g, b):
    return r | (g << 8) | (b << 16)


def figure(tool, start, end, pen=2, pen_colour="clBlack", brush="clWhite", text="",
           text_size=12, text_colour="clBlack", points=None, stamp=None, cut=1,
           free_path=None, variant="mrv", child=False):
    """The lines of one figure; `stamp` is a list of child figures' lines."""
    lines = ["begin FigData", tool, "0", str(pen), colour(pen_colour), colour(brush),
             str(text_size), colour(text_colour), text, "%d %d" % start, "%d %d" % end]
    if variant == "mrv" and not child:
        lines += [str(cut), "1" if free_path else "0"]
    if points is not None:
        lines += ["begin PointData"] + ["%d %d" % p for p in points] + ["end PointData"]
    if free_path:
        lines += ["begin FreeMoveData"] + ["%d %d" % p for p in free_path] + ["end FreeMoveData"]
    if stamp is not None:
        lines += ["begin StampData"]
        for c in stamp:
            lines += c
        lines += ["end StampData"]
    return lines + ["end FigData"]


def action(kind, target=None, fig=None, parameter=None, change=None, file_name=None,
           time=TIME):
    lines = ["begin ActionData", time, "0", kind]
    if target is not None:
        lines.append(str(target))
    if parameter:
        lines.append(parameter)
    if file_name is not None:
        lines.append(file_name)
    if fig:
        lines += fig
    if change:
        lines += ["begin FigData"] + change + ["end FigData"]
    return lines + ["end ActionData"]


def file_bytes(actions):
    """A whole file: the format line, then the actions."""
    lines = ["ZINDA FILE FORMAT 1.4"]
    for a in actions:
        lines += a
    return ("\r\n".join(lines) + "\r\n").encode("cp932")


def material_bytes(figures, first_id=1):
    """A material (.znd): one Create action for each figure, numbered from first_id (the
    drawing program, and Murva when it saves a drawing, number from 2)."""
    return file_bytes([action("Create", first_id + i, f) for i, f in enumerate(figures)])
