#!/usr/bin/env python3
"""xwd dumps (24/32-bit ZPixmap) -> PNG, or several -> animated GIF, in plain
Python: no image library is needed on the machine that makes the pictures.
usage: xwdconv.py png IN.xwd OUT.png [x y w h] [scale]
       xwdconv.py gif OUT.gif DELAY_CS x y w h [scale] IN1.xwd IN2.xwd ..."""
import struct, sys, zlib

def read_xwd(path):
    d = open(path, 'rb').read()
    h = struct.unpack('>25I', d[:100])
    header_size, version, fmt, depth, width, height = h[0], h[1], h[2], h[3], h[4], h[5]
    byte_order, bpp, bpl, ncolors = h[7], h[11], h[12], h[19]
    off = header_size + ncolors * 12
    px = d[off:off + bpl * height]
    rows = []
    for y in range(height):
        st = bpp // 8
        r = px[y * bpl:y * bpl + width * st]
        # little-endian BGR(X)
        rows.append(bytes(b for i in range(0, len(r), st) for b in (r[i + 2], r[i + 1], r[i])))
    return width, height, rows

def crop(w, h, rows, x, y, cw, ch):
    return cw, ch, [r[x * 3:(x + cw) * 3] for r in rows[y:y + ch]]

def half(w, h, rows):
    out = []
    for y in range(0, h - 1, 2):
        r = rows[y]
        out.append(bytes(r[x * 3 + c] for x in range(0, w - 1, 2) for c in range(3)))
    return w // 2, h // 2, out

def write_png(path, w, h, rows):
    raw = b''.join(b'\0' + r for r in rows)
    def chunk(t, data):
        c = struct.pack('>I', len(data)) + t + data
        return c + struct.pack('>I', zlib.crc32(t + data) & 0xffffffff)
    png = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 2, 0, 0, 0))
    png += chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b'')
    open(path, 'wb').write(png)

def lzw(indices, min_size=8):
    clear, eoi = 1 << min_size, (1 << min_size) + 1
    out, bits, nbits = bytearray(), 0, 0
    size = min_size + 1
    def emit(code):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(bits & 0xff); bits >>= 8; nbits -= 8
    table = {bytes([i]): i for i in range(clear)}
    nxt = eoi + 1
    emit(clear)
    w = b''
    for k in indices:
        wk = w + bytes([k])
        if wk in table:
            w = wk
            continue
        emit(table[w])
        if nxt < 4096:
            table[wk] = nxt; nxt += 1
            if nxt > (1 << size) and size < 12: size += 1
        else:
            emit(clear); table = {bytes([i]): i for i in range(clear)}; nxt = eoi + 1; size = min_size + 1
        w = bytes([k])
    if w: emit(table[w])
    emit(eoi)
    if nbits: out.append(bits & 0xff)
    blocks = bytearray([min_size])
    for i in range(0, len(out), 255):
        blocks.append(len(out[i:i + 255])); blocks += out[i:i + 255]
    blocks.append(0)
    return bytes(blocks)

def write_gif(path, frames, delays):
    w, h = frames[0][0], frames[0][1]
    # palette: the most used colours over all frames, nearest match for the rest
    from collections import Counter
    cnt = Counter()
    for _, _, rows in frames:
        for r in rows[::2]:
            for i in range(0, len(r), 6): cnt[r[i:i + 3]] += 1
    pal = [c for c, _ in cnt.most_common(256)]
    while len(pal) < 256: pal.append(b'\0\0\0')
    idx = {c: i for i, c in enumerate(pal)}
    cache = {}
    def near(c):
        if c in idx: return idx[c]
        if c in cache: return cache[c]
        best = min(range(256), key=lambda i: sum((pal[i][j] - c[j]) ** 2 for j in range(3)))
        cache[c] = best
        return best
    g = bytearray(b'GIF89a' + struct.pack('<HHBBB', w, h, 0xF7, 0, 0) + b''.join(pal))
    g += b'\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00'
    prev = None
    for fi, (_, _, rows) in enumerate(frames):
        ind = [near(r[i:i + 3]) for r in rows for i in range(0, len(r), 3)]
        d = delays[fi] if isinstance(delays, list) else delays
        if prev is None:
            x0, y0, x1, y1 = 0, 0, w, h
        else:
            ch = [k for k in range(w * h) if ind[k] != prev[k]]
            if not ch:
                continue
            ys = [k // w for k in ch]; xs = [k % w for k in ch]
            x0, x1, y0, y1 = min(xs), max(xs) + 1, min(ys), max(ys) + 1
        sub = [ind[y * w + x] for y in range(y0, y1) for x in range(x0, x1)]
        prev = ind
        g += b'\x21\xf9\x04\x04' + struct.pack('<H', d) + b'\x00\x00'
        g += b'\x2c' + struct.pack('<HHHHB', x0, y0, x1 - x0, y1 - y0, 0) + lzw(sub)
    g += b'\x3b'
    open(path, 'wb').write(g)

if __name__ == '__main__' and sys.argv[1] == 'png':
    w, h, rows = read_xwd(sys.argv[2])
    if len(sys.argv) >= 8: w, h, rows = crop(w, h, rows, *map(int, sys.argv[4:8]))
    if len(sys.argv) >= 9 and sys.argv[8] == 'half': w, h, rows = half(w, h, rows)
    write_png(sys.argv[3], w, h, rows)
elif __name__ == '__main__':
    out, delay = sys.argv[2], int(sys.argv[3])
    x, y, cw, ch = map(int, sys.argv[4:8])
    scale = sys.argv[8]
    frames = []
    for p in sys.argv[9:]:
        f = crop(*read_xwd(p), x, y, cw, ch)
        if scale == 'half': f = half(*f)
        frames.append(f)
    write_gif(out, frames, delay)
