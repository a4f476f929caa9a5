#!/usr/bin/env python3
"""Draws the program's icon, a sheet with a table of coloured rows, as SVG and as the PNG
sizes the hicolor theme wants, from one list of shapes so that they always agree.

Run it from anywhere after changing a shape; it rewrites the files beside it.
"""
import pathlib
import struct
import zlib

CANVAS = 256
# (x, y, width, height, corner radius, colour), painted in order on a 256-unit canvas.
SHAPES = [
    (36, 20, 184, 216, 20, "#34495e"),   # the sheet's edge
    (44, 28, 168, 200, 13, "#fbfaf5"),   # the sheet
    (64, 50, 128, 30, 6, "#3f7cbf"),     # a section header row
    (64, 94, 128, 22, 4, "#8dbf73"),     # a comment row
    (64, 126, 128, 22, 4, "#f0c04a"),    # parameter rows
    (64, 158, 128, 22, 4, "#f0c04a"),
    (64, 190, 128, 22, 4, "#e2785c"),    # another kind of line
    (108, 126, 5, 86, 0, "#34495e"),     # the column between parameter and value
]
SIZES = [48, 256]
SAMPLES = 4  # per pixel and axis, for smooth edges


def inside(px, py, shape):
    x, y, w, h, r, _ = shape
    if not (x <= px <= x + w and y <= py <= y + h):
        return False
    cx = min(max(px, x + r), x + w - r)
    cy = min(max(py, y + r), y + h - r)
    return (px - cx) ** 2 + (py - cy) ** 2 <= r * r


def rgb(colour):
    return tuple(int(colour[i:i + 2], 16) for i in (1, 3, 5))


def render(size):
    scale = CANVAS / size
    rows = []
    for j in range(size):
        row = bytearray([0])  # PNG filter type: none
        for i in range(size):
            total = [0, 0, 0, 0]
            for sj in range(SAMPLES):
                for si in range(SAMPLES):
                    px = (i + (si + 0.5) / SAMPLES) * scale
                    py = (j + (sj + 0.5) / SAMPLES) * scale
                    for shape in reversed(SHAPES):
                        if inside(px, py, shape):
                            r, g, b = rgb(shape[5])
                            total[0] += r
                            total[1] += g
                            total[2] += b
                            total[3] += 1
                            break
            covered = total[3]
            if covered:
                row += bytes(round(c / covered) for c in total[:3])
            else:
                row += b"\0\0\0"
            row.append(round(255 * covered / SAMPLES ** 2))
        rows.append(bytes(row))
    return b"".join(rows)


def png(size, pixels):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(pixels, 9))
            + chunk(b"IEND", b""))


def svg():
    lines = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{CANVAS}" height="{CANVAS}" '
             f'viewBox="0 0 {CANVAS} {CANVAS}">']
    for x, y, w, h, r, colour in SHAPES:
        lines.append(f'  <rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{r}" fill="{colour}"/>')
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


def main():
    here = pathlib.Path(__file__).resolve().parent
    (here / "morvane.svg").write_text(svg())
    for size in SIZES:
        (here / f"morvane-{size}.png").write_bytes(png(size, render(size)))


if __name__ == "__main__":
    main()
