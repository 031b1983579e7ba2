#!/usr/bin/env python3
"""Draws the suite's program icon and writes it as a Windows .ico file.

A rounded blue tile carrying a white registry cube and a green check mark.
Every image is drawn at its own size (not scaled from the largest), 32 bits
per pixel with alpha, as uncompressed BMP entries that every icon loader
reads. Edge pixels are anti-aliased by 4 x 4 supersampling.

    make_icon.py OUTPUT.ico [--sizes 256,128,96,64,48,32,24,16]
"""

import argparse
import math
import struct

DEFAULT_SIZES = (256, 128, 96, 64, 48, 32, 24, 16)
SUBSAMPLES = 4

# Shapes are signed distance functions over the unit square (y down):
# negative inside, positive outside.


def rounded_box(cx, cy, half_w, half_h, radius):
    def sdf(x, y):
        qx = abs(x - cx) - half_w + radius
        qy = abs(y - cy) - half_h + radius
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius
    return sdf


def circle(cx, cy, radius):
    return lambda x, y: math.hypot(x - cx, y - cy) - radius


def polyline(points, half_width):
    """A stroke along the points with round ends and joins."""
    segments = list(zip(points, points[1:]))

    def sdf(x, y):
        best = float("inf")
        for (ax, ay), (bx, by) in segments:
            dx, dy = bx - ax, by - ay
            t = ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)
            t = min(max(t, 0.0), 1.0)
            best = min(best, math.hypot(x - ax - t * dx, y - ay - t * dy))
        return best - half_width
    return sdf


def convex_polygon(points, inset=0.0):
    """A convex polygon given clockwise (y down), shrunk by `inset`."""
    edges = []
    for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
        length = math.hypot(bx - ax, by - ay)
        # Outward normal of a clockwise edge in y-down coordinates.
        edges.append((ax, ay, (by - ay) / length, -(bx - ax) / length))

    def sdf(x, y):
        # Exact inside and along edges; slightly rounded at outside corners,
        # which only the anti-aliasing band ever sees.
        return max((x - ax) * nx + (y - ay) * ny for ax, ay, nx, ny in edges) + inset
    return sdf


def subtract(shape, hole):
    return lambda x, y: max(shape(x, y), -hole(x, y))


def vertical_gradient(top, bottom, y0, y1):
    def color(_x, y):
        t = min(max((y - y0) / (y1 - y0), 0.0), 1.0)
        return tuple(a + (b - a) * t for a, b in zip(top, bottom))
    return color


def solid(rgb):
    return lambda _x, _y: rgb


def hex_rgb(text, alpha=1.0):
    value = int(text.lstrip("#"), 16)
    return ((value >> 16) / 255.0, ((value >> 8) & 255) / 255.0, (value & 255) / 255.0, alpha)


def icon_layers():
    """The icon as (shape, colour) layers, bottom first."""
    tile = rounded_box(0.5, 0.49, 0.45, 0.45, 0.17)
    shadow = rounded_box(0.5, 0.52, 0.46, 0.455, 0.18)
    gloss = subtract(tile, circle(0.5, 1.55, 1.05))

    # The registry cube: an isometric block whose three faces are shaded.
    cx, cy, r = 0.43, 0.44, 0.27
    w = r * math.cos(math.radians(30))
    top, bottom = (cx, cy - r), (cx, cy + r)
    upper_right, lower_right = (cx + w, cy - r / 2), (cx + w, cy + r / 2)
    upper_left, lower_left = (cx - w, cy - r / 2), (cx - w, cy + r / 2)
    centre = (cx, cy)
    gap = 0.012

    badge = circle(0.70, 0.70, 0.20)
    ring = circle(0.70, 0.70, 0.23)
    check = polyline([(0.605, 0.705), (0.675, 0.775), (0.80, 0.635)], 0.032)

    return [
        (shadow, solid((0.0, 0.0, 0.0, 0.28))),
        (tile, vertical_gradient(hex_rgb("#4A9BEA"), hex_rgb("#1B4FA3"), 0.04, 0.94)),
        (gloss, solid((1.0, 1.0, 1.0, 0.13))),
        (convex_polygon([top, upper_right, centre, upper_left], gap), solid(hex_rgb("#FFFFFF"))),
        (convex_polygon([upper_left, centre, bottom, lower_left], gap), solid(hex_rgb("#DCE8F8"))),
        (convex_polygon([centre, upper_right, lower_right, bottom], gap), solid(hex_rgb("#A9C3EA"))),
        (ring, solid(hex_rgb("#FFFFFF"))),
        (badge, vertical_gradient(hex_rgb("#4CC765"), hex_rgb("#1E8E3A"), 0.50, 0.90)),
        (check, solid(hex_rgb("#FFFFFF"))),
    ]


def coverage(sdf, x, y, pixel):
    """The part of the pixel at (x, y) (its top-left corner) inside sdf."""
    centre = sdf(x + pixel / 2, y + pixel / 2)
    if centre > pixel:
        return 0.0
    if centre < -pixel:
        return 1.0
    step = pixel / SUBSAMPLES
    inside = 0
    for i in range(SUBSAMPLES):
        for j in range(SUBSAMPLES):
            if sdf(x + (i + 0.5) * step, y + (j + 0.5) * step) < 0:
                inside += 1
    return inside / (SUBSAMPLES * SUBSAMPLES)


def render(size, layers):
    """Rows of premultiplied (r, g, b, a) floats, top row first."""
    pixel = 1.0 / size
    rows = []
    for py in range(size):
        row = []
        y = py * pixel
        for px in range(size):
            x = px * pixel
            r = g = b = a = 0.0
            for sdf, color in layers:
                cover = coverage(sdf, x, y, pixel)
                if cover == 0.0:
                    continue
                cr, cg, cb, ca = color(x + pixel / 2, y + pixel / 2)
                alpha = ca * cover
                r, g, b = cr * alpha + r * (1 - alpha), cg * alpha + g * (1 - alpha), cb * alpha + b * (1 - alpha)
                a = alpha + a * (1 - alpha)
            row.append((r, g, b, a))
        rows.append(row)
    return rows


def bmp_entry(size, rows):
    """A 32-bit icon image: header, BGRA pixels and AND mask, bottom-up."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        mask_row = bytearray(mask_stride)
        for i, (r, g, b, a) in enumerate(row):
            # Premultiplied in, straight alpha out, as Windows expects.
            to_byte = (lambda v: round(min(max(v / a, 0.0), 1.0) * 255)) if a > 0 else (lambda v: 0)
            pixels += bytes((to_byte(b), to_byte(g), to_byte(r), round(a * 255)))
            if round(a * 255) == 0:
                mask_row[i // 8] |= 0x80 >> (i % 8)
        mask += mask_row
    return header + bytes(pixels) + bytes(mask)


def write_icon(path, sizes):
    layers = icon_layers()
    images = [(size, bmp_entry(size, render(size, layers))) for size in sizes]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for size, data in images:
        side = size if size < 256 else 0  # 0 stands for 256
        directory += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as out:
        out.write(directory)
        for _size, data in images:
            out.write(data)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("output")
    parser.add_argument("--sizes", default=",".join(map(str, DEFAULT_SIZES)),
                        help="image sizes in pixels, largest first (default: %(default)s)")
    args = parser.parse_args()
    sizes = [int(size) for size in args.sizes.split(",")]
    if any(not 1 <= size <= 256 for size in sizes):
        parser.error("sizes run from 1 to 256 pixels")
    write_icon(args.output, sizes)


if __name__ == "__main__":
    main()
