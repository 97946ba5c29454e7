#!/usr/bin/env python3
# Draws the About picture and the program icon: involute spur gears in the colours of the
# gear view, written as SVG and turned into 256 x 256 PNG files with rsvg-convert.
#   python3 draw_pictures.py   (in this folder)
import math
import subprocess

BLUE = "rgb(140,175,220)"
ORANGE = "rgb(235,185,110)"
OUTLINE = "rgb(30,30,40)"
PITCH = "rgba(0,60,200,0.86)"
CROSS = "rgba(200,0,0,0.63)"


def inv(a):
    return math.tan(a) - a


def gear_outline(cx, cy, z, m, turn, alpha=math.radians(20.0), backlash=0.04):
    """Points of a standard external gear (no shift): involute flanks from the base circle
    (or the root circle when it lies above) to the tip, radial below the base circle."""
    r = m * z / 2.0
    rb = r * math.cos(alpha)
    ra = r + m
    rf = r - 1.25 * m
    psi = math.pi / (2 * z) - backlash / z  # half tooth angle on the reference circle

    def flank_angle(radius):
        if radius <= rb:
            return psi + inv(alpha)
        return psi + inv(alpha) - inv(math.acos(rb / radius))

    steps = 12
    radii = [max(rf, rb) + (ra - max(rf, rb)) * i / steps for i in range(steps + 1)]
    pts = []
    for k in range(z):
        c = turn + 2 * math.pi * k / z
        if rf < rb:
            pts.append((rf, c - flank_angle(rb)))
        for rr in radii:
            pts.append((rr, c - flank_angle(rr)))
        tip = flank_angle(ra)
        for i in range(1, 4):
            pts.append((ra, c - tip + 2 * tip * i / 4))
        for rr in reversed(radii):
            pts.append((rr, c + flank_angle(rr)))
        if rf < rb:
            pts.append((rf, c + flank_angle(rb)))
        # root circle up to the next tooth
        start = c + flank_angle(max(rf, rb))
        end = c + 2 * math.pi / z - flank_angle(max(rf, rb))
        for i in range(1, 4):
            pts.append((rf, start + (end - start) * i / 4))
    # y downward on screen: a counter-clockwise turn in the gear frame is minus on screen
    return [(cx + rr * math.cos(a), cy - rr * math.sin(a)) for rr, a in pts], r


def circle(cx, cy, r, n=96):
    return [(cx + r * math.cos(2 * math.pi * i / n), cy + r * math.sin(2 * math.pi * i / n))
            for i in range(n)]


def path_data(*figures):
    d = []
    for fig in figures:
        d.append("M " + " L ".join(f"{x:.2f},{y:.2f}" for x, y in fig) + " Z")
    return " ".join(d)


def gear_svg(cx, cy, z, m, turn, colour, bore, keyway=False):
    outline, r = gear_outline(cx, cy, z, m, turn)
    hole = circle(cx, cy, bore / 2)
    if keyway:
        # a DIN 6885 style keyway notch on top of the bore
        w = bore * 0.3
        t = bore * 0.5 + bore * 0.16
        half = math.asin((w / 2) / (bore / 2))
        arc = [(cx + bore / 2 * math.cos(a), cy - bore / 2 * math.sin(a))
               for a in [math.pi / 2 + half + (2 * math.pi - 2 * half) * i / 80 for i in range(81)]]
        hole = arc + [(cx + w / 2, cy - t), (cx - w / 2, cy - t)]
        hole = [hole[0]] + hole[1:81] + [(cx + w / 2, cy - t), (cx - w / 2, cy - t)]
    body = (f'<path d="{path_data(outline, hole)}" fill="{colour}" fill-rule="evenodd" '
            f'stroke="{OUTLINE}" stroke-width="1.4" stroke-linejoin="round"/>')
    pitch = (f'<circle cx="{cx:.2f}" cy="{cy:.2f}" r="{r:.2f}" fill="none" stroke="{PITCH}" '
             f'stroke-width="1" stroke-dasharray="6 4"/>')
    L = r + 2.2 * m
    cross = (f'<path d="M {cx - L:.2f},{cy:.2f} L {cx + L:.2f},{cy:.2f} M {cx:.2f},{cy - L:.2f} '
             f'L {cx:.2f},{cy + L:.2f}" stroke="{CROSS}" stroke-width="1" '
             f'stroke-dasharray="8 4"/>')
    return body + pitch + cross


def about_svg():
    m, z1, z2 = 7.0, 18, 11
    a = m * (z1 + z2) / 2
    line = math.radians(-40.0)  # centre line, screen angle (downward right)
    c1 = (96.0, 100.0)
    c2 = (c1[0] + a * math.cos(line), c1[1] - a * math.sin(line))
    # the tooth of gear 1 on the centre line meets a space of gear 2
    t1 = line
    t2 = line + math.pi + math.pi / z2
    parts = [
        '<rect x="0" y="0" width="256" height="256" rx="18" fill="rgb(250,250,252)"/>',
        gear_svg(*c2, z2, m, t2, ORANGE, 22.0),
        gear_svg(*c1, z1, m, t1, BLUE, 34.0, keyway=True),
    ]
    return svg(parts)


def icon_svg():
    m, z = 10.5, 20
    return svg([gear_svg(128.0, 128.0, z, m, math.pi / 2, BLUE, 60.0, keyway=True)])


def svg(parts):
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" '
            'viewBox="0 0 256 256">\n' + "\n".join(parts) + "\n</svg>\n")


def write_png(name, text):
    subprocess.run(["rsvg-convert", "-w", "256", "-h", "256", "-o", name + ".png"],
                   input=text.encode("utf-8"), check=True)


if __name__ == "__main__":
    write_png("about", about_svg())
    write_png("dentaro", icon_svg())
