#!/bin/bash
# A new user's session with the desktop program, driven with xdotool on a
# virtual display: open the sample, Transfer Data, Parallel Play, open a
# photo of the installation under the lamps and move it into place, choose
# program group 1 (the sample's program 2) from the pop-up menu, then switch
# to group 2 the same way. Writes docs/session-*.png and docs/session.gif.
#
#   xvfb-run -a -s "-screen 0 1400x900x24" docs/session/new_user.sh [vexolume]
set -eu
HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
BIN=$(realpath "${1:-$ROOT/build/dev/bin/vexolume}")
OUT=$(mktemp -d)
trap 'rm -rf "$OUT"' EXIT
cp "$ROOT/docs/demo-installation.png" "$OUT/hall.png"
cd "$OUT"  # Transfer Data writes cport.h into the working folder
XDG_CONFIG_HOME=$OUT/config XDG_CACHE_HOME=$OUT/cache "$BIN" "$ROOT/examples/sample.led" \
    > "$OUT/app.log" 2>&1 &
APP=$!
sleep 4
W=$(xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) "Vexolume - \[.*/\1/p' | head -1)
xdotool windowsize "$W" 1200 800
sleep 1
click() { xdotool mousemove "$1" "$2" click "${3:-1}"; sleep "${4:-1}"; }
frames() { for i in $(seq -w 1 "$2"); do xwd -id "$W" -silent -out "$OUT/$1-$i.xwd"; sleep 0.12; done; }
shot() { python3 "$HERE/shot.py" "$OUT/$1" "${@:2}"; }

click 72 8; click 125 189 1 2                     # Edit > Transfer Data
click 94 8; click 150 51 1 2                      # Play > Parallel Play
click 700 400 3; click 778 456 1 1.5              # pop-up: Open BackImage
xdotool type --delay 15 "$OUT/hall.png"; xdotool key Return; sleep 1.5
click 700 400 3; click 778 566                    # pop-up: Move Bmp, then drag
xdotool mousemove 500 300 mousedown 1; sleep 0.2; xdotool mousemove 540 350; sleep 0.2
xdotool mousemove 584 404; sleep 0.2; xdotool mouseup 1; sleep 1
shot adjust.png 304 82 892 690
click 700 400 3; xdotool mousemove 760 432; sleep 1.5
click 954 229 1 0.3                               # Program Group 1
xdotool mousemove 620 520; sleep 0.1; xdotool mousemove 630 525
frames a 14
shot playing.png 0 0 1200 800
click 700 400 3 1.2
shot popup-before.png 304 82 892 690
xdotool mousemove 760 432; sleep 1.2
shot popup.png 304 82 892 690
click 954 251 1 0.3                               # Program Group 2
xdotool mousemove 620 520; sleep 0.1; xdotool mousemove 630 525
frames b 14
kill "$APP"
python3 "$HERE/make_pictures.py" "$OUT" "$ROOT/docs"
