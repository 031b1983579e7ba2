#!/usr/bin/env python3
"""Draws the scan's clock animation and writes it as "clock.avi".

The Win32 animation control plays only uncompressed or RLE8 clips without
sound, so the clip is one video stream of 8-bit palette frames (BI_RGB) on
a white background, with an idx1 index: a clock face whose minute hand
goes once around per loop while the hour hand stands still, so that the
loop has no jump. Edges are anti-aliased by 4 x 4 supersampling and
matched to the clip's palette.

    make_clock_avi.py OUTPUT.avi [--frames 12] [--fps 10]
"""

import argparse
import math
import struct

WIDTH, HEIGHT = 41, 39
SUBSAMPLES = 4

WHITE = (255, 255, 255)
RIM = (52, 72, 112)
FACE = (250, 252, 255)
TICK = (90, 100, 120)
HOUR_HAND = (40, 48, 64)
MINUTE_HAND = (27, 95, 200)
# Each ink gets a ramp from white, so anti-aliased edges find their shade.
INKS = (RIM, TICK, HOUR_HAND, MINUTE_HAND, (0, 0, 0))
LEVELS = 51


def palette():
    colors = [WHITE, FACE]
    for ink in INKS:
        for level in range(1, LEVELS + 1):
            t = level / LEVELS
            colors.append(tuple(round(255 + (c - 255) * t) for c in ink))
    return colors + [(0, 0, 0)] * (256 - len(colors))


def segment_distance(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = min(max(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0), 1.0)
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def clock_color(x, y, minute_angle, hour_angle):
    """The colour at a point of the frame; angles in radians from 12 o'clock."""
    cx, cy = WIDTH / 2, HEIGHT / 2
    radius = min(cx, cy) - 1.5
    distance = math.hypot(x - cx, y - cy)
    if distance > radius:
        return WHITE
    if distance > radius - 2.6:
        return RIM
    for hand_angle, length, half_width, color in ((minute_angle, radius - 4.5, 1.1, MINUTE_HAND),
                                                  (hour_angle, radius - 8.5, 1.5, HOUR_HAND)):
        tip_x = cx + length * math.sin(hand_angle)
        tip_y = cy - length * math.cos(hand_angle)
        if segment_distance(x, y, cx, cy, tip_x, tip_y) < half_width:
            return color
    if distance < 2.0:
        return HOUR_HAND
    for hour in range(12):
        angle = hour * math.pi / 6
        inner = radius - (6.0 if hour % 3 == 0 else 4.8)
        ax, ay = cx + inner * math.sin(angle), cy - inner * math.cos(angle)
        bx, by = cx + (radius - 3.4) * math.sin(angle), cy - (radius - 3.4) * math.cos(angle)
        if segment_distance(x, y, ax, ay, bx, by) < (0.9 if hour % 3 == 0 else 0.6):
            return TICK
    return FACE


def nearest(colors, rgb, cache):
    if rgb not in cache:
        cache[rgb] = min(range(len(colors)),
                         key=lambda i: sum((a - b) ** 2 for a, b in zip(colors[i], rgb)))
    return cache[rgb]


def frame_pixels(colors, minute_angle, hour_angle, cache):
    """Palette indices, bottom row first, rows padded to 4 bytes."""
    stride = (WIDTH + 3) // 4 * 4
    data = bytearray()
    step = 1.0 / SUBSAMPLES
    for row in reversed(range(HEIGHT)):
        line = bytearray(stride)
        for column in range(WIDTH):
            total = [0, 0, 0]
            for i in range(SUBSAMPLES):
                for j in range(SUBSAMPLES):
                    rgb = clock_color(column + (i + 0.5) * step, row + (j + 0.5) * step, minute_angle, hour_angle)
                    total = [t + c for t, c in zip(total, rgb)]
            mean = tuple(round(t / SUBSAMPLES ** 2) for t in total)
            line[column] = nearest(colors, mean, cache)
        data += line
    return bytes(data)


def chunk(fourcc, data):
    return fourcc + struct.pack("<I", len(data)) + data + (b"\0" if len(data) % 2 else b"")


def riff_list(kind, fourcc, data):
    return kind + struct.pack("<I", len(data) + 4) + fourcc + data


def write_avi(path, frame_count, fps):
    colors = palette()
    cache = {}
    frames = []
    for n in range(frame_count):
        minute = 2 * math.pi * n / frame_count
        hour = math.radians(300)
        frames.append(frame_pixels(colors, minute, hour, cache))
    frame_size = len(frames[0])
    usec_per_frame = round(1_000_000 / fps)

    avih = struct.pack("<10I4I", usec_per_frame, frame_size * fps, 0, 0x10,  # AVIF_HASINDEX
                       frame_count, 0, 1, frame_size, WIDTH, HEIGHT, 0, 0, 0, 0)
    strh = (b"vids" + b"DIB " + struct.pack("<IHHIIIIIIiI", 0, 0, 0, 0, 1, fps, 0, frame_count,
                                            frame_size, -1, 0)
            + struct.pack("<4h", 0, 0, WIDTH, HEIGHT))
    bitmap_info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 0, frame_size, 0, 0, 256, 0)
    bitmap_info += b"".join(struct.pack("<4B", b, g, r, 0) for r, g, b in colors)
    header_list = riff_list(b"LIST", b"hdrl", chunk(b"avih", avih) + riff_list(
        b"LIST", b"strl", chunk(b"strh", strh) + chunk(b"strf", bitmap_info)))

    movi = b""
    index = b""
    for data in frames:
        # Offsets count from the "movi" type code, as players expect.
        index += b"00db" + struct.pack("<III", 0x10, 4 + len(movi), len(data))  # AVIIF_KEYFRAME
        movi += chunk(b"00db", data)
    body = header_list + riff_list(b"LIST", b"movi", movi) + chunk(b"idx1", index)
    with open(path, "wb") as out:
        out.write(riff_list(b"RIFF", b"AVI ", body))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("output")
    parser.add_argument("--frames", type=int, default=12, help="frames per turn (default: %(default)s)")
    parser.add_argument("--fps", type=int, default=10, help="frames per second (default: %(default)s)")
    args = parser.parse_args()
    if args.frames < 2 or args.fps < 1:
        parser.error("a clip needs two frames or more and one frame per second or more")
    write_avi(args.output, args.frames, args.fps)


if __name__ == "__main__":
    main()
