#!/usr/bin/env python3
"""Build a palettised Windows icon (.ico) from one or more PNG files.

ImageMagick writes icon images as 32-bit BGRA; the program's icons are
meant to be small palettised images (4 bits per pixel, 16 colours, or 8 bits
per pixel, 256 colours) with a 1-bit AND mask for transparency, so they are
put together here by hand:

    make_ico.py --bpp 4 out.ico image16.png image32.png

Each PNG (8-bit RGB or RGBA, not interlaced, as rsvg-convert writes them)
becomes one image of the icon.  A pixel whose alpha is below 128 is
transparent: its AND-mask bit is set and its colour index is 0.  The opaque
pixels keep their exact colours when there are few enough of them; otherwise
the colours are reduced with a median cut followed by a few k-means passes.
Everything here is deterministic, so re-rendering gives identical files.
"""

import argparse
import struct
import sys
import zlib


# ---------------------------------------------------------------- PNG input

def read_png(path):
    """Return (width, height, rows) where rows[y][x] is (r, g, b, a)."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"make_ico: {path} is not a PNG file")
    at, idat = 8, []
    width = height = depth = kind = interlace = None
    while at < len(data):
        size, name = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + size]
        at += size + 12
        if name == b"IHDR":
            width, height, depth, kind, _, _, interlace = struct.unpack(">IIBBBBB", body)
        elif name == b"IDAT":
            idat.append(body)
        elif name == b"IEND":
            break
    if depth != 8 or kind not in (2, 6) or interlace:
        sys.exit(f"make_ico: {path}: only 8-bit RGB/RGBA non-interlaced PNG files are read")
    step = 4 if kind == 6 else 3
    stride = width * step
    raw = zlib.decompress(b"".join(idat))
    rows, prior = [], bytearray(stride)
    for y in range(height):
        at = y * (stride + 1)
        kind_f, row = raw[at], bytearray(raw[at + 1:at + 1 + stride])
        for i in range(stride):
            a = row[i - step] if i >= step else 0
            b = prior[i]
            c = prior[i - step] if i >= step else 0
            if kind_f == 1:
                row[i] = (row[i] + a) & 255
            elif kind_f == 2:
                row[i] = (row[i] + b) & 255
            elif kind_f == 3:
                row[i] = (row[i] + ((a + b) >> 1)) & 255
            elif kind_f == 4:
                pa, pb, pc = abs(b - c), abs(a - c), abs(a + b - 2 * c)
                pred = a if (pa <= pb and pa <= pc) else (b if pb <= pc else c)
                row[i] = (row[i] + pred) & 255
        prior = row
        if step == 4:
            rows.append([tuple(row[x * 4:x * 4 + 4]) for x in range(width)])
        else:
            rows.append([tuple(row[x * 3:x * 3 + 3]) + (255,) for x in range(width)])
    return width, height, rows


# ---------------------------------------------------------- colour reduction

def median_cut(counts, n):
    """Split the weighted colour set into at most n boxes; return their means."""
    boxes = [sorted(counts.items())]
    while len(boxes) < n:
        # split the box with the widest weighted channel range
        best, best_score, best_ch = None, -1, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            weight = sum(c for _, c in box)
            for ch in range(3):
                vals = [col[ch] for col, _ in box]
                score = (max(vals) - min(vals)) * weight ** 0.5
                if score > best_score:
                    best, best_score, best_ch = i, score, ch
        if best is None:
            break
        box = sorted(boxes.pop(best), key=lambda e: (e[0][best_ch], e[0]))
        total = sum(c for _, c in box)
        acc, cut = 0, 1
        for j, (_, c) in enumerate(box):
            acc += c
            if acc * 2 >= total:
                cut = min(max(j + 1, 1), len(box) - 1)
                break
        boxes.insert(best, box[cut:])
        boxes.insert(best, box[:cut])
    means = []
    for box in boxes:
        w = sum(c for _, c in box)
        means.append(tuple(round(sum(col[ch] * c for col, c in box) / w) for ch in range(3)))
    return means


def nearest(palette, col):
    best, best_d = 0, None
    for i, p in enumerate(palette):
        # weighted distance: the eye is most sensitive to green, least to blue
        d = 3 * (p[0] - col[0]) ** 2 + 4 * (p[1] - col[1]) ** 2 + 2 * (p[2] - col[2]) ** 2
        if best_d is None or d < best_d:
            best, best_d = i, d
    return best


def reduce_colours(counts, n):
    if len(counts) <= n:
        return sorted(counts)
    palette = median_cut(counts, n)
    for _ in range(8):  # k-means refinement
        sums = [[0, 0, 0, 0] for _ in palette]
        for col, c in counts.items():
            s = sums[nearest(palette, col)]
            for ch in range(3):
                s[ch] += col[ch] * c
            s[3] += c
        palette = [tuple(round(s[ch] / s[3]) for ch in range(3)) if s[3] else p
                   for s, p in zip(sums, palette)]
    return sorted(set(palette))


# ------------------------------------------------------------- ICO output

def pack_bits(indices, bpp):
    """Pack one row of indices at bpp bits each, padded to a 4-byte boundary."""
    out, acc, nbits = bytearray(), 0, 0
    for v in indices:
        acc = (acc << bpp) | v
        nbits += bpp
        if nbits == 8:
            out.append(acc)
            acc, nbits = 0, 0
    if nbits:
        out.append(acc << (8 - nbits))
    while len(out) % 4:
        out.append(0)
    return bytes(out)


def build_image(path, bpp):
    width, height, rows = read_png(path)
    ncolours = 1 << bpp
    counts = {}
    for row in rows:
        for r, g, b, a in row:
            if a >= 128:
                counts[(r, g, b)] = counts.get((r, g, b), 0) + 1
    palette = reduce_colours(counts, ncolours) if counts else [(0, 0, 0)]
    cache = {}
    xor_rows, and_rows = [], []
    for row in rows:
        idx, mask = [], []
        for r, g, b, a in row:
            if a >= 128:
                key = (r, g, b)
                if key not in cache:
                    cache[key] = nearest(palette, key)
                idx.append(cache[key])
                mask.append(0)
            else:
                idx.append(0)
                mask.append(1)
        xor_rows.append(pack_bits(idx, bpp))
        and_rows.append(pack_bits(mask, 1))
    xor = b"".join(reversed(xor_rows))  # DIBs are stored bottom-up
    andm = b"".join(reversed(and_rows))
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    pal += b"\0\0\0\0" * (ncolours - len(palette))
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bpp, 0,
                         len(xor) + len(andm), 0, 0, 0, 0)
    return width, height, len(palette), header + pal + xor + andm


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--bpp", type=int, choices=(4, 8), required=True)
    ap.add_argument("output")
    ap.add_argument("pngs", nargs="+")
    args = ap.parse_args()
    images = [build_image(p, args.bpp) for p in args.pngs]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for width, height, used, blob in images:
        out += struct.pack("<BBBBHHII", width % 256, height % 256,
                           (1 << args.bpp) % 256, 0, 1, args.bpp, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
        print(f"{args.output}: {width}x{height}, {args.bpp} bpp, {used} colours used",
              file=sys.stderr)
    with open(args.output, "wb") as f:
        f.write(out + b"".join(blobs))


if __name__ == "__main__":
    main()
