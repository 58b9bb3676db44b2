#!/usr/bin/env python3
"""Draws Nimbrel's images (buttons, banner, splash, left frame, category
icons and the program icon) with ImageMagick's `convert`.

One style throughout: the green of the header, the navy of the window body
and the light blue of the navigation frame; rounded shapes with a soft
vertical gradient; white or navy line glyphs; DejaVu Sans Bold for words.

    make_images.py --list          names of the files it makes, one a line
    make_images.py --out FOLDER    makes them (24-bit BMP and one ICO)

Every picture is drawn three times: at its own size for 96 DPI, and the
same drawing at 1.5 and 2 times that size (s150/, s200/) for screens set
to 150 % and 200 %, so that no window stretches a small picture.
"""

import argparse
import math
import os
import subprocess
import sys
import tempfile

GREEN = (61, 164, 75)
DARK_GREEN = (36, 118, 52)
NAVY = (22, 52, 112)
FRAME_BLUE = (123, 184, 231)
WHITE = (255, 255, 255)

BOLD = "DejaVu-Sans-Bold"
REGULAR = "DejaVu-Sans"

# The scale a picture is drawn at: 1 for 96 DPI. Every coordinate below is
# written for 1; canvas(), draw(), text() and gradient_rounded() apply it.
SCALE = 1.0
SCALES = {"": 1.0, "s150/": 1.5, "s200/": 2.0}

# Sizes in pixels, matching the controls at the 96-DPI layout.
NAV_SIZE = (158, 78)      # navigation buttons, 105 x 48 dialog units
HEADER_SIZE = (72, 26)    # Help and About in the banner
ICON_SIZE = (48, 49)      # dashboard category buttons, 32 x 30 dialog units
BANNER_SIZE = (884, 104)  # the green band of the main window
SPLASH_SIZE = (422, 336)  # the splash window, 281 x 207 dialog units
FRAME_SIZE = (170, 440)   # the navigation column


def hex_color(rgb):
    return "#%02x%02x%02x" % tuple(max(0, min(255, int(round(c)))) for c in rgb)


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def lighter(rgb, t):
    return mix(rgb, WHITE, t)


def darker(rgb, t):
    return mix(rgb, (0, 0, 0), t)


def pts(points):
    return " ".join("%.1f,%.1f" % p for p in points)


def scaled(v):
    return int(round(v * SCALE))


def canvas(w, h):
    return ["-size", "%dx%d" % (scaled(w), scaled(h))]


def transform():
    """The drawing's scale for ImageMagick's shapes (pens grow with it)."""
    return "" if SCALE == 1.0 else "affine %g,0,0,%g,0,0 " % (SCALE, SCALE)


def draw(stroke=None, fill="none", width=1.0, *shapes):
    """One -draw argument list: a pen, then shapes in ImageMagick's syntax."""
    pen = ["-fill", fill if isinstance(fill, str) else hex_color(fill)]
    pen += ["-stroke", "none" if stroke is None else (stroke if isinstance(stroke, str) else hex_color(stroke))]
    pen += ["-strokewidth", "%.1f" % width]
    out = list(pen)
    for shape in shapes:
        out += ["-draw", "stroke-linecap round stroke-linejoin round " + transform() + shape]
    return out


def gradient_rounded(size, box, top, bottom, radius):
    """A rounded rectangle filled with a vertical gradient, over the canvas."""
    x0, y0, x1, y1 = box
    w, h = x1 - x0 + 1, y1 - y0 + 1
    x0, y0, w, h, radius = scaled(x0), scaled(y0), scaled(w), scaled(h), scaled(radius)
    return ["(", "-size", "%dx%d" % (w, h), "gradient:%s-%s" % (hex_color(top), hex_color(bottom)),
            "(", "-size", "%dx%d" % (w, h), "xc:none", "-fill", "white",
            "-draw", "roundrectangle 0,0 %d,%d %d,%d" % (w - 1, h - 1, radius, radius), ")",
            "-compose", "CopyOpacity", "-composite", ")",
            "-geometry", "+%d+%d" % (x0, y0), "-compose", "Over", "-composite"]


def text(words, x, y, size, color, font=BOLD, gravity="NorthWest"):
    size = str(size) if SCALE == 1.0 else "%g" % (size * SCALE)
    return ["-font", font, "-pointsize", size, "-fill", hex_color(color), "-stroke", "none",
            "-gravity", gravity, "-annotate", "+%d+%d" % (scaled(x), scaled(y)), words, "-gravity", "NorthWest"]


# --- The logo: a shield with a check mark -------------------------------

def shield_outline(x, y, w, h):
    points = [(x, y + 0.08 * h), (x + w / 2, y), (x + w, y + 0.08 * h), (x + w, y + 0.46 * h)]
    # Right flank curving down to the point, then back up the left flank.
    for i in range(1, 13):
        t = i / 12
        p0, c, p1 = (x + w, y + 0.46 * h), (x + w, y + 0.80 * h), (x + w / 2, y + h)
        points.append(((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * c[0] + t * t * p1[0],
                       (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * c[1] + t * t * p1[1]))
    for i in range(1, 13):
        t = i / 12
        p0, c, p1 = (x + w / 2, y + h), (x, y + 0.80 * h), (x, y + 0.46 * h)
        points.append(((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * c[0] + t * t * p1[0],
                       (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * c[1] + t * t * p1[1]))
    return points


def logo(x, y, w, h, outline=NAVY):
    """The shield at (x, y), w x h: green, lighter on its left half, a check."""
    shape = shield_outline(x, y, w, h)
    # The left flank is the last twelve points, from the tip upwards.
    left = [(x + w / 2, y), (x + w / 2, y + h)] + shape[-12:] + [(x, y + 0.08 * h)]
    check = [(x + 0.26 * w, y + 0.50 * h), (x + 0.44 * w, y + 0.68 * h), (x + 0.76 * w, y + 0.30 * h)]
    return (draw(outline, GREEN, max(1.0, w / 40), "polygon " + pts(shape)) +
            draw(None, lighter(GREEN, 0.18), 1, "polygon " + pts(left)) +
            draw(outline, "none", max(1.0, w / 40), "polygon " + pts(shape)) +
            draw(WHITE, "none", max(2.0, w * 0.1), "polyline " + pts(check)))


# --- Glyphs of the navigation buttons (in a 36 x 36 box) ------------------

def glyph_scan(cx, cy, color):
    r = 10
    return draw(color, "none", 3.5, "circle %d,%d %d,%d" % (cx - 4, cy - 4, cx - 4 + r, cy - 4),
                "line %d,%d %d,%d" % (cx + 4, cy + 4, cx + 13, cy + 13))


def glyph_options(cx, cy, color):
    out = []
    for i, dy in enumerate((-11, 0, 11)):
        out += draw(color, "none", 2, "rectangle %d,%d %d,%d" % (cx - 14, cy + dy - 4, cx - 6, cy + dy + 4))
        out += draw(color, "none", 3, "line %d,%d %d,%d" % (cx - 1, cy + dy, cx + 14, cy + dy))
        if i != 1:
            out += draw(color, "none", 2.5, "polyline %d,%d %d,%d %d,%d" %
                        (cx - 13, cy + dy, cx - 10, cy + dy + 3, cx - 5, cy + dy - 5))
    return out


def glyph_shred(cx, cy, color):
    out = draw(color, "none", 2.5, "rectangle %d,%d %d,%d" % (cx - 12, cy - 15, cx + 12, cy - 3))
    out += draw(color, "none", 3.5, "line %d,%d %d,%d" % (cx - 16, cy - 1, cx + 16, cy - 1))
    for dx in (-10, -4, 2, 8):
        out += draw(color, "none", 2.5, "line %d,%d %d,%d" % (cx + dx, cy + 3, cx + dx + 2, cy + 15))
    return out


def glyph_statistics(cx, cy, color):
    out = draw(color, "none", 2.5, "polyline %d,%d %d,%d %d,%d" % (cx - 16, cy - 15, cx - 16, cy + 14, cx + 16, cy + 14))
    for i, height in enumerate((10, 18, 13, 24)):
        x = cx - 11 + i * 7
        out += draw(None, color, 1, "rectangle %d,%d %d,%d" % (x, cy + 11 - height, x + 4, cy + 11))
    return out


NAV_BUTTONS = {
    "scan": ("Scan", glyph_scan),
    "options": ("Options", glyph_options),
    "shred": ("Shred", glyph_shred),
    "statistics": ("Statistics", glyph_statistics),
}


def nav_button(label, glyph, state):
    w, h = NAV_SIZE
    if state == "normal":
        top, bottom, border, ink, badge = lighter(FRAME_BLUE, 0.85), lighter(FRAME_BLUE, 0.45), NAVY, NAVY, lighter(FRAME_BLUE, 0.6)
    elif state == "hover":
        top, bottom, border, ink, badge = WHITE, lighter(FRAME_BLUE, 0.7), DARK_GREEN, DARK_GREEN, lighter(GREEN, 0.75)
    else:  # selected
        top, bottom, border, ink, badge = lighter(GREEN, 0.3), DARK_GREEN, darker(DARK_GREEN, 0.3), WHITE, darker(GREEN, 0.1)
    args = canvas(w, h) + ["xc:%s" % hex_color(FRAME_BLUE)]
    # A soft shadow below the button, then the button itself.
    args += draw(None, darker(FRAME_BLUE, 0.18), 1, "roundrectangle 3,5 %d,%d 12,12" % (w - 2, h - 1))
    args += gradient_rounded((w, h), (1, 1, w - 4, h - 5), top, bottom, 12)
    args += draw(border, "none", 1.5, "roundrectangle 1,1 %d,%d 12,12" % (w - 4, h - 5))
    cy = (h - 4) // 2
    args += draw(None, badge, 1, "circle 34,%d 56,%d" % (cy, cy))
    args += glyph(34, cy, ink)
    args += text(label, 64, cy - 10, 15 if len(label) < 9 else 13, ink)
    return args


def header_button(label, hover):
    w, h = HEADER_SIZE
    fill_top, fill_bottom = (WHITE, lighter(GREEN, 0.75)) if hover else (lighter(GREEN, 0.25), darker(GREEN, 0.12))
    ink = DARK_GREEN if hover else WHITE
    args = canvas(w, h) + ["xc:%s" % hex_color(GREEN)]
    args += gradient_rounded((w, h), (0, 0, w - 1, h - 1), fill_top, fill_bottom, 11)
    args += draw(WHITE, "none", 1.2, "roundrectangle 0,0 %d,%d 11,11" % (w - 1, h - 1))
    args += text(label, 0, 1, 11, ink, gravity="Center")
    return args


# --- Category icons of the dashboard --------------------------------------

def icon_windows(c):
    out = []
    for dx, dy in ((-12, -12), (1, -12), (-12, 1), (1, 1)):
        out += draw(None, c, 1, "rectangle %d,%d %d,%d" % (24 + dx, 24 + dy, 24 + dx + 10, 24 + dy + 10))
    return out


def icon_internet(c):
    return draw(c, "none", 2.2, "circle 24,24 24,10", "ellipse 24,24 6,14 0,360",
                "line 10,24 38,24", "line 24,10 24,38", "ellipse 24,16 11,1 0,360", "ellipse 24,32 11,1 0,360")


def icon_messengers(c):
    out = draw(None, c, 1, "roundrectangle 9,11 39,31 7,7", "polygon 15,30 14,39 23,30")
    for x in (17, 24, 31):
        out += draw(None, "#6c6c6c", 1, "circle %d,21 %d,23" % (x, x))
    return out


def icon_office(c):
    return (draw(c, "none", 2.2, "polygon 13,8 29,8 36,15 36,40 13,40", "polyline 29,8 29,15 36,15") +
            draw(c, "none", 2.2, "line 18,22 31,22", "line 18,28 31,28", "line 18,34 27,34"))


def icon_multimedia(c):
    return draw(c, "none", 2.4, "circle 24,24 24,9") + draw(None, c, 1, "polygon 20,16 33,24 20,32")


def icon_filesharing(c):
    return draw(c, "none", 3, "line 17,37 17,12", "polyline 10,19 17,11 24,19",
                "line 31,11 31,36", "polyline 24,29 31,37 38,29")


def icon_email(c):
    return draw(c, "none", 2.4, "rectangle 9,14 39,35", "polyline 9,14 24,27 39,14")


def icon_thirdparty(c):
    top, left, right, mid, bottom = (24, 8), (10, 16), (38, 16), (24, 24), (24, 40)
    return draw(c, "none", 2.4, "polygon 24,8 38,16 38,32 24,40 10,32 10,16",
                "polyline %s" % pts([left, mid, right]), "line %d,%d %d,%d" % (mid + bottom))


CATEGORIES = {
    "windows": ((0, 120, 215), icon_windows),
    "internet": ((0, 150, 170), icon_internet),
    "messengers": ((232, 136, 0), icon_messengers),
    "office": ((204, 72, 44), icon_office),
    "multimedia": ((128, 72, 180), icon_multimedia),
    "filesharing": (GREEN, icon_filesharing),
    "email": ((44, 92, 176), icon_email),
    "thirdparty": ((104, 112, 128), icon_thirdparty),
}


def category_icon(color, glyph, hover, background="white"):
    w, h = ICON_SIZE
    top, bottom = (lighter(color, 0.45), color) if hover else (lighter(color, 0.2), darker(color, 0.15))
    args = canvas(w, h) + ["xc:%s" % background]
    args += gradient_rounded((w, h), (0, 0, w - 1, h - 1), top, bottom, 8)
    args += draw(darker(color, 0.35), "none", 1, "roundrectangle 0,0 %d,%d 8,8" % (w - 1, h - 1))
    if hover:
        args += draw(WHITE, "none", 2, "roundrectangle 2,2 %d,%d 7,7" % (w - 3, h - 3))
    args += glyph(WHITE)
    return args


def icon_community(c):
    """Three people side by side: the rules many users keep together."""
    out = []
    for cx, cy, r in ((14, 19, 4), (34, 19, 4), (24, 16, 5)):
        out += draw(None, c, 1, "circle %d,%d %d,%d" % (cx, cy, cx + r, cy))
    out += draw(None, c, 1, "roundrectangle 7,26 21,38 5,5", "roundrectangle 27,26 41,38 5,5")
    out += draw("#6c6c6c", c, 1.2, "roundrectangle 16,24 32,40 6,6")
    return out


# The tab strip's pictures: the dashboard's categories and Community, which
# has a tab but no dashboard icon.
TAB_ICONS = dict(community=((196, 120, 40), icon_community))
TAB_ORDER = ("windows", "internet", "messengers", "office", "multimedia", "filesharing", "email", "thirdparty",
             "community")
TAB_MASK = "#ff00ff"


def tab_strip():
    """The Options page's tab images: each category icon at 16 x 16, in tab
    order side by side, magenta where the tab shows through."""
    args = []
    for key in TAB_ORDER:
        color, glyph = CATEGORIES.get(key) or TAB_ICONS[key]
        args += ["("] + category_icon(color, glyph, False, background="none")
        args += ["-resize", "%dx%d!" % (scaled(16), scaled(16)), "-channel", "A", "-threshold", "50%", "+channel", ")"]
    return args + ["+append", "+repage", "-background", TAB_MASK, "-flatten"]


# --- Banner, splash, frame, icon --------------------------------------------

def banner():
    w, h = BANNER_SIZE
    args = canvas(h, w) + ["gradient:%s-%s" % (hex_color(GREEN), hex_color(DARK_GREEN)), "-rotate", "-90"]
    # Faint diagonal bands towards the right, where the header buttons sit.
    for i in range(6):
        x = w - 420 + i * 70
        args += draw(None, "rgba(255,255,255,0.045)", 1,
                     "polygon %d,0 %d,0 %d,%d %d,%d" % (x, x + 30, x - 40, h, x - 70, h))
    args += logo(22, 14, 62, 76, outline=WHITE)
    args += text("Nimbrel", 100, 16, 40, WHITE)
    args += text("Privacy cleaner for Windows", 104, 66, 13, lighter(GREEN, 0.8), font=REGULAR)
    return args


def splash():
    w, h = SPLASH_SIZE
    args = canvas(w, h) + ["gradient:%s-%s" % (hex_color(lighter(NAVY, 0.08)), hex_color(darker(NAVY, 0.35)))]
    args += draw(None, GREEN, 1, "rectangle 0,0 %d,%d" % (w - 1, 8))
    args += logo(w // 2 - 45, 40, 90, 110, outline=WHITE)
    args += text("Nimbrel", 0, 170, 38, WHITE, gravity="North")
    args += text("Privacy cleaner for Windows", 0, 222, 14, lighter(FRAME_BLUE, 0.4), font=REGULAR, gravity="North")
    args += text("Version 2.3.2", 0, 250, 11, FRAME_BLUE, font=REGULAR, gravity="North")
    args += draw(None, GREEN, 1, "rectangle 0,%d %d,%d" % (h - 6, w - 1, h - 1))
    args += text("Loading...", 16, 20, 10, lighter(FRAME_BLUE, 0.3), font=REGULAR, gravity="SouthEast")
    return args


def left_frame():
    w, h = FRAME_SIZE
    # Flat, so that the navigation buttons' corners (drawn on this blue) blend in.
    args = canvas(w, h) + ["xc:%s" % hex_color(FRAME_BLUE)]
    args += draw(None, lighter(FRAME_BLUE, 0.35), 1, "line %d,0 %d,%d" % (w - 1, w - 1, h))
    # The logo, faint, at the foot of the column.
    args += ["-fill", hex_color(lighter(FRAME_BLUE, 0.15)), "-stroke", "none",
             "-draw", transform() + "polygon " + pts(shield_outline(w / 2 - 30, h - 82, 60, 74))]
    return args


def icon_png(path):
    size = 256
    args = ["-size", "%dx%d" % (size, size), "xc:none"] + logo(24, 12, 208, 232, outline=NAVY)
    run(args + [path])


# --- Making the files ---------------------------------------------------------

def images():
    """file name -> convert arguments (all but the output)."""
    made = {"banner.bmp": banner(), "splash.bmp": splash(), "left_frame.bmp": left_frame()}
    for key, (label, glyph) in NAV_BUTTONS.items():
        for state in ("normal", "hover", "selected"):
            made["%s_%s.bmp" % (key, state)] = nav_button(label, glyph, state)
    for key, label in (("help", "Help"), ("about", "About")):
        made["%s_normal.bmp" % key] = header_button(label, False)
        made["%s_hover.bmp" % key] = header_button(label, True)
    for key, (color, glyph) in CATEGORIES.items():
        made["%s_normal.bmp" % key] = category_icon(color, glyph, False)
        made["%s_hover.bmp" % key] = category_icon(color, glyph, True)
    made["tab_images.bmp"] = tab_strip()
    return made


def run(args):
    subprocess.run(["convert"] + args, check=True)


def set_scale(scale):
    global SCALE
    SCALE = scale


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--out")
    options = parser.parse_args()
    pictures = sorted(images())
    names = [folder + name for folder in SCALES for name in pictures] + ["nimbrel.ico"]
    if options.list:
        print("\n".join(names))
        return 0
    if not options.out:
        parser.error("--out FOLDER or --list")
    for folder, scale in SCALES.items():
        set_scale(scale)
        os.makedirs(os.path.join(options.out, folder), exist_ok=True)
        for name, args in sorted(images().items()):
            # 24-bit BMP with the classic header, which the resource compiler
            # and every Windows version read.
            run(args + ["-alpha", "off", "-type", "TrueColor", "BMP3:" + os.path.join(options.out, folder, name)])
    set_scale(1.0)
    with tempfile.TemporaryDirectory() as scratch:
        big = os.path.join(scratch, "icon.png")
        icon_png(big)
        run([big, "-define", "icon:auto-resize=256,48,32,16", os.path.join(options.out, "nimbrel.ico")])
    return 0


if __name__ == "__main__":
    sys.exit(main())
