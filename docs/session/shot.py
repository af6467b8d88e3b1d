#!/usr/bin/env python3
"""Screen capture of a 1400 x 900 X display without compositing: every viewable
top-level window is read on its own (xwd -id; a grab of the root window
leaves the pop-up menus black) and pasted, bottom first, on black.
usage: shot.py OUT.png [x y w h] [half]   (DISPLAY must be set)"""
import os, re, subprocess, sys, tempfile
sys.path.insert(0, os.path.dirname(__file__))
import xwdconv as X

def capture():
    out = subprocess.run(['xwininfo', '-root', '-children'], capture_output=True, text=True).stdout
    wins = re.findall(r'^\s+(0x[0-9a-f]+) .*?(\d+)x(\d+)\+(-?\d+)\+(-?\d+)\s+\+(-?\d+)\+(-?\d+)$', out, re.M)
    W, H = 1400, 900
    canvas = [bytearray(W * 3) for _ in range(H)]
    for wid, w, h, _, _, ax, ay in reversed(wins):
        w, h, ax, ay = int(w), int(h), int(ax), int(ay)
        if w < 8 or h < 8: continue
        info = subprocess.run(['xwininfo', '-id', wid], capture_output=True, text=True).stdout
        if 'IsViewable' not in info or (w == W and h == H and 'Selection' in out.split(wid)[1].split('\n')[0]): continue
        with tempfile.NamedTemporaryFile(suffix='.xwd') as f:
            subprocess.run(['xwd', '-id', wid, '-silent', '-out', f.name], check=True)
            ww, hh, rows = X.read_xwd(f.name)
        for y in range(hh):
            cy = ay + y
            if 0 <= cy < H:
                x0, x1 = max(0, ax), min(W, ax + ww)
                if x1 > x0:
                    canvas[cy][x0 * 3:x1 * 3] = rows[y][(x0 - ax) * 3:(x1 - ax) * 3]
    return W, H, [bytes(r) for r in canvas]

if __name__ == '__main__':
    w, h, rows = capture()
    a = sys.argv[2:]
    if len(a) >= 4: w, h, rows = X.crop(w, h, rows, *map(int, a[:4]))
    if 'half' in a: w, h, rows = X.half(w, h, rows)
    X.write_png(sys.argv[1], w, h, rows)
