#!/usr/bin/env python3
"""Writes the hostile pictures of this folder: small files that declare huge
pictures, damaged ones, and files that are no picture at all.

Run from the source tree's top: python3 tests/data/bad_input/pictures/make_pictures.py
A 2 GB file, a FIFO, /dev/zero and a PNG whose data expands to a gigabyte are
made by the test itself, not kept here.
"""
import struct
import zlib
from pathlib import Path

here = Path(__file__).parent
jpeg = (here / "good_source.jpg").read_bytes()  # 8 x 6, written by stb_image_write


def put(name, data):
    (here / name).write_bytes(data)


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png(width, height, raw, colour_type=2):
    head = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", head) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


# PNGs of about 140 KB declaring 12000 x 12000 and 30000 x 30000 (rows of
# zeros: as many as fit, so the decoder gets far before it notices).
put("declares_12000.png", png(12000, 12000, bytes(140_000 * 1000)))
put("declares_30000.png", png(30000, 30000, bytes(140_000 * 1000)))
# A JPEG whose frame header declares 65000 x 65000.
sof = jpeg.index(b"\xff\xc0")
put("declares_65000.jpg", jpeg[: sof + 5] + struct.pack(">HH", 65000, 65000) + jpeg[sof + 9 :])
# A GIF whose screen is 65535 x 65535, one colour, a 1 x 1 image.
put("declares_65535.gif", b"GIF89a" + struct.pack("<HH", 65535, 65535) + b"\x80\x00\x00"
    + b"\x00\x00\x00\xff\xff\xff" + b",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;")
# A BMP header declaring 30000 x 30000 24-bit pixels, with none of them.
put("declares_30000.bmp", b"BM" + struct.pack("<IHHI", 54, 0, 0, 54)
    + struct.pack("<IiiHHIIiiII", 40, 30000, 30000, 1, 24, 0, 0, 0, 0, 0, 0))
put("cut_short.jpg", jpeg[: len(jpeg) // 2])
put("cut_short.png", png(64, 64, bytes(64 * (64 * 3 + 1)))[:60])
put("text.png", b"this is not a picture\n")
