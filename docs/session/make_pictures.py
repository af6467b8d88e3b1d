#!/usr/bin/env python3
"""The pictures of the session for docs/: the pop-up menu with its program
groups (the main menu's part from the moment before the submenu opened: a
grab leaves a parent menu black), and the GIF of program 2, the switch and
program 3.  usage: make_pictures.py SESSION_FOLDER DOCS_FOLDER"""
import glob, os, shutil, struct, sys, zlib
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import xwdconv as X

VIEW = (304, 82, 892, 690)      # the demo view in the 1200 x 800 main window
POPUP = (396, 318, 572, 632)    # the pop-up menu opened at (700, 400), in the view


def read_png(p):  # the PNGs shot.py writes: RGB, filter 0 on every row
    d = open(p, 'rb').read()
    w, h = struct.unpack('>II', d[16:24])
    i, idat = 8, b''
    while i < len(d):
        n = struct.unpack('>I', d[i:i + 4])[0]
        if d[i + 4:i + 8] == b'IDAT':
            idat += d[i + 8:i + 8 + n]
        i += 12 + n
    raw = zlib.decompress(idat)
    return w, h, [raw[y * (3 * w + 1) + 1:(y + 1) * (3 * w + 1)] for y in range(h)]


def main(src, docs):
    w, h, before = read_png(os.path.join(src, 'popup-before.png'))
    _, _, after = read_png(os.path.join(src, 'popup.png'))
    rows = []
    for y in range(h):
        r = bytearray(after[y])
        if POPUP[1] <= y < POPUP[3]:
            for x in range(POPUP[0], POPUP[2]):
                if r[x * 3:x * 3 + 3] == b'\0\0\0':
                    r[x * 3:x * 3 + 3] = before[y][x * 3:x * 3 + 3]
        rows.append(bytes(r))
    X.write_png(os.path.join(docs, 'session-popup.png'), w, h, rows)
    shutil.copy(os.path.join(src, 'adjust.png'), os.path.join(docs, 'session-adjust.png'))
    shutil.copy(os.path.join(src, 'playing.png'), os.path.join(docs, 'session-program2.png'))

    def view(p):
        return X.half(*X.crop(*X.read_xwd(p), *VIEW))
    frames, delays = [], []
    for p in sorted(glob.glob(os.path.join(src, 'a-*.xwd')))[:14]:
        frames.append(view(p)); delays.append(25)
    frames.append(X.half(w, h, rows)); delays.append(180)
    for p in sorted(glob.glob(os.path.join(src, 'b-*.xwd')))[:14]:
        frames.append(view(p)); delays.append(25)
    X.write_gif(os.path.join(docs, 'session.gif'), frames, delays)


if __name__ == '__main__':
    main(sys.argv[1], sys.argv[2])
