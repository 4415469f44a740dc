#!/usr/bin/python3
"""Writes pictures that are small on the wire but enormous once decoded.

Usage: oversized_pictures.py KIND WIDTH HEIGHT FILE
KIND: png (grey, zlib at its best ratio), png-alpha (grey with alpha), jpeg (baseline, three components) and
jpeg-progressive (only the DC scan), gif (one pixel on a logical screen of the size),
gif-frames (a hundred one-pixel frames on that screen), bmp (8-bit run-length coded).
Each is one uniform grey, so the files stay a few MiB even at 40000 x 40000; the
decoders still have to allocate for every pixel the header announces.
"""
import struct
import sys
import zlib


def png(width, height, alpha):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data)))

    packer = zlib.compressobj(9)
    row = b"\0" + (b"\x80\xff" if alpha else b"\x80") * width
    body = b"".join(packer.compress(row) for _ in range(height)) + packer.flush()
    header = struct.pack(">IIBBBBB", width, height, 8, 4 if alpha else 0, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", body) +
            chunk(b"IEND", b""))


def jpeg(width, height, progressive):
    # One Huffman code of one bit per table: DC difference 0, then end of block. Every
    # block is the same flat grey, so the entropy-coded data is all zero bits.
    def segment(marker, data):
        return struct.pack(">BBH", 0xFF, marker, len(data) + 2) + data

    components = 3
    one_code = bytes([1] + [0] * 15) + b"\0"
    out = b"\xff\xd8"
    out += segment(0xDB, b"\0" + b"\1" * 64)
    frame = struct.pack(">BHHB", 8, height, width, components)
    frame += b"".join(bytes([c + 1, 0x11, 0]) for c in range(components))
    out += segment(0xC2 if progressive else 0xC0, frame)
    out += segment(0xC4, b"\x00" + one_code) + segment(0xC4, b"\x10" + one_code)
    scan = bytes([components]) + b"".join(bytes([c + 1, 0]) for c in range(components))
    scan += b"\0\0\0" if progressive else b"\0\x3f\0"
    out += segment(0xDA, scan)
    blocks = -(-width // 8) * -(-height // 8) * components
    bits = blocks * (1 if progressive else 2)
    out += b"\0" * (bits // 8)
    if bits % 8:
        out += bytes([0xFF >> (bits % 8)])  # padded with one bits, as the format asks
    return out + b"\xff\xd9"


def gif(width, height, frames):
    out = b"GIF89a" + struct.pack("<HHBBB", width, height, 0x80, 0, 0)
    out += b"\x80\x80\x80\x00\x00\x00"  # two colours, grey first
    if frames > 1:
        out += b"\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00"
    # Clear, colour 0, end: three 3-bit codes in one byte pair.
    pixel = b"\x02\x02\x44\x01\x00"
    for frame in range(frames):
        out += b"\x21\xf9\x04\x04\x0a\x00\x00\x00"  # 100 ms, keep the frame
        out += b"\x2c" + struct.pack("<HHHHB", frame % width, 0, 1, 1, 0) + pixel
    return out + b"\x3b"


def bmp(width, height):
    row = b""
    left = width
    while left:
        run = min(left, 255)
        row += bytes([run, 0])
        left -= run
    body = (row + b"\0\0") * height + b"\0\1"
    palette = b"\x80\x80\x80\0" * 256
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 1, len(body), 2835, 2835,
                       256, 0)
    offset = 14 + len(info) + len(palette)
    head = b"BM" + struct.pack("<IHHI", offset + len(body), 0, 0, offset)
    return head + info + palette + body


def main():
    kind, width, height, target = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
    makers = {
        "png": lambda: png(width, height, False),
        "png-alpha": lambda: png(width, height, True),
        "jpeg": lambda: jpeg(width, height, False),
        "jpeg-progressive": lambda: jpeg(width, height, True),
        "gif": lambda: gif(width, height, 1),
        "gif-frames": lambda: gif(width, height, 100),
        "bmp": lambda: bmp(width, height),
    }
    with open(target, "wb") as f:
        f.write(makers[kind]())


if __name__ == "__main__":
    main()
