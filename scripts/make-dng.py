#!/usr/bin/env python3
"""Writes a small uncompressed DNG (16-bit RGGB Bayer mosaic) for tests and benchmarks.

    python3 scripts/make-dng.py OUT.dng WIDTH HEIGHT [ORIENTATION]

The scene: the left half red, the right half blue, the top quarter white; ORIENTATION is
the TIFF orientation tag (1 upright, 6 turn right to show upright, ...). No camera's
file is needed: the samples are linear sRGB (the colour matrix says so) and the white
balance is neutral.
"""
import struct
import sys


def scene(x, y, width, height):
    if y < height // 4:
        return (0.9, 0.9, 0.9)
    return (0.8, 0.1, 0.1) if x < width // 2 else (0.1, 0.1, 0.8)


def mosaic(width, height, white):
    # The scene is constant along each half row: build each half from a repeated pair.
    def half(y, x0, x1):
        r, g, b = scene(x0, y, width, height)
        first, second = ((r, g) if y % 2 == 0 else (g, b))
        pair = struct.pack("<HH", int(first * white), int(second * white))
        count = x1 - x0
        return (pair * (count // 2 + 1))[: 2 * count] if x0 % 2 == 0 else (pair[2:] + pair * (count // 2 + 1))[: 2 * count]

    rows = [half(y, 0, width // 2) + half(y, width // 2, width) for y in range(height)]
    return b"".join(rows)


def rational(numerator, denominator=1):
    return struct.pack("<ii", numerator, denominator)


def write(path, width, height, orientation):
    white = 4095
    data = mosaic(width, height, white)
    # (tag, type, count, value bytes); types: 1 byte, 2 ascii, 3 short, 4 long, 5 rational, 10 srational
    # XYZ (D65) to linear sRGB: the camera's samples are linear sRGB.
    xyz_to_srgb = (32406, -15372, -4986, -9689, 18758, 415, 557, -2040, 10570)
    colour_matrix = b"".join(rational(value, 10000) for value in xyz_to_srgb)
    entries = [
        (254, 4, 1, struct.pack("<I", 0)),
        (256, 4, 1, struct.pack("<I", width)),
        (257, 4, 1, struct.pack("<I", height)),
        (258, 3, 1, struct.pack("<H", 16)),
        (259, 3, 1, struct.pack("<H", 1)),
        (262, 3, 1, struct.pack("<H", 32803)),
        (271, 2, 9, b"Quillane\0"),
        (272, 2, 5, b"Test\0"),
        (273, 4, 1, None),  # strip offset, filled below
        (274, 3, 1, struct.pack("<H", orientation)),
        (277, 3, 1, struct.pack("<H", 1)),
        (278, 4, 1, struct.pack("<I", height)),
        (279, 4, 1, struct.pack("<I", len(data))),
        (284, 3, 1, struct.pack("<H", 1)),
        (33421, 3, 2, struct.pack("<HH", 2, 2)),
        (33422, 1, 4, bytes([0, 1, 1, 2])),
        (50706, 1, 4, bytes([1, 4, 0, 0])),
        (50708, 2, 14, b"Quillane Test\0"),
        (50714, 4, 1, struct.pack("<I", 0)),
        (50717, 4, 1, struct.pack("<I", white)),
        (50721, 10, 9, colour_matrix),
        (50728, 5, 3, rational(1) * 3),
        (50778, 3, 1, struct.pack("<H", 21)),
    ]
    header = 8
    ifd_size = 2 + 12 * len(entries) + 4
    extra_at = header + ifd_size
    extra = bytearray()
    packed = []
    for tag, kind, count, value in entries:
        if value is None:
            packed.append((tag, kind, count, None))
            continue
        if len(value) <= 4:
            packed.append((tag, kind, count, value.ljust(4, b"\0")))
        else:
            if (extra_at + len(extra)) % 2:
                extra += b"\0"
            packed.append((tag, kind, count, struct.pack("<I", extra_at + len(extra))))
            extra += value
    data_at = extra_at + len(extra)
    ifd = struct.pack("<H", len(packed))
    for tag, kind, count, value in packed:
        if value is None:
            value = struct.pack("<I", data_at)
        ifd += struct.pack("<HHI", tag, kind, count) + value
    ifd += struct.pack("<I", 0)
    with open(path, "wb") as out:
        out.write(b"II*\0" + struct.pack("<I", header) + ifd + bytes(extra) + data)


if __name__ == "__main__":
    if len(sys.argv) not in (4, 5):
        sys.exit(__doc__)
    write(sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4]) if len(sys.argv) == 5 else 1)
