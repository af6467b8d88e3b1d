#!/bin/bash
# A designer's journey with the desktop program, driven with xdotool on a
# virtual display, and checked by the files it leaves:
#  - the sample opened, lamp 1 deleted by a Delete Lamp click on it, saved;
#  - a new layout: a photo of a lamp wall opened, scanned with the scope the
#    photo gave, the scan undone, a scope dragged over the lamps and the
#    sizes set, scanned again, two ports wired by dragging along the lamps,
#    saved as WALL.LED and closed.
# Writes docs/journey-*.png.
#
#   xvfb-run -a -s "-screen 0 1400x900x24" docs/session/designer_journey.sh [vexolume [vexolume-cli]]
set -eu
HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
BIN=$(realpath "${1:-$ROOT/build/dev/bin/vexolume}")
CLI=$(realpath "${2:-$(dirname "$BIN")/vexolume-cli}")
OUT=$(mktemp -d)
trap 'rm -rf "$OUT"' EXIT
cp "$ROOT/examples/sample.led" "$OUT/show.led"
cp "$ROOT/tests/data/scan/lamp_wall.jpg" "$OUT/wall.jpg"
cd "$OUT"  # Save writes cport.h into the working folder
XDG_CONFIG_HOME=$OUT/config XDG_CACHE_HOME=$OUT/cache "$BIN" "$OUT/show.led" > "$OUT/app.log" 2>&1 &
APP=$!
sleep 4
W=$(xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) "Vexolume - \[.*/\1/p' | head -1)
xdotool windowmove "$W" 0 0 windowsize "$W" 1200 800
sleep 1
title() { xwininfo -id "$W" | sed -n 's/.*"\(Vexolume.*\)"$/\1/p'; }
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.6}"; }
keys() { xdotool key --delay 120 "$@"; sleep 0.8; }
drag() {
    xdotool mousemove "$1" "$2" mousedown 1; sleep 0.2
    xdotool mousemove "$(((${1} + ${3}) / 2))" "$(((${2} + ${4}) / 2))"; sleep 0.2
    xdotool mousemove "$3" "$4"; sleep 0.2; xdotool mouseup 1; sleep 0.8
}
shot() { python3 "$HERE/shot.py" "$OUT/$1" 0 0 1200 800; }
check() { if ! eval "$2"; then echo "journey: $1" >&2; kill "$APP"; exit 1; fi; }

# The sample: Edit > Delete Lamp, a click on lamp 1 (the second lamp of
# port 1's chain, in the first column), Save.
check "the sample opened unmarked" '[[ "$(title)" == "Vexolume - [show.led]" ]]'
keys alt+e d
click "$LAMP1_X" "$LAMP1_Y"
shot journey-deleted.png
check "the deletion marked the title" '[[ "$(title)" == "Vexolume - [show.led*]" ]]'
keys ctrl+s
check "the save cleared the mark" '[[ "$(title)" == "Vexolume - [show.led]" ]]'
keys alt+f c  # saved: closes without a question

# A new layout from the photo: File > New Layout, File > Open Image.
keys alt+f n
keys alt+f i
xdotool type --delay 15 "$OUT/wall.jpg"; xdotool key Return; sleep 1.5
keys alt+e s; sleep 2  # Scan with the scope the photo gave
shot journey-scan1.png
keys ctrl+z            # Undo Scan: the photo and Scan are back
keys alt+e e c         # Scan Settings > Scan Scope, dragged over the lamps
drag $SCOPE
keys alt+e e o         # Other Value: object size, lamp size, tolerance
xdotool type "1400"; xdotool key Tab; xdotool type "100"; xdotool key Tab; xdotool type "40"
xdotool key Return; sleep 0.8
keys alt+e s; sleep 2  # Scan again
shot journey-scan2.png

# Port 1 down the first column, port 2 along the top row.
click $PORT1; click $ADD
drag $COLUMN
click $PORT2; click $ADD
drag $ROW
shot journey-ports.png
keys ctrl+s
xdotool type --delay 15 "$OUT/wall"; xdotool key Return; sleep 1.5
check "the save named the layout" '[[ "$(title)" == "Vexolume - [WALL.LED]" ]]'
keys alt+f c
kill "$APP"
wait "$APP" || true

# What it left: the sample without lamp 1, the wall with two wired chains,
# and the port table.
"$CLI" convert show.led show.json > /dev/null
"$CLI" convert WALL.LED wall.json > /dev/null
test -s cport.h
python3 - <<'EOF'
import json
show = json.load(open("show.json"))["lamps"]
assert len(show) == 159, len(show)
assert not any(l["x"] == 0 and l["y"] == 1 for l in show), "lamp 1 is still there"
assert [l["number"] for l in show] == list(range(159))
wall = json.load(open("wall.json"))["lamps"]
for port, count in ((1, 9), (2, 11)):
    orders = sorted(l["portOrder"] for l in wall if l["port"] == port)
    assert orders == list(range(1, count + 1)), (port, orders)
print(f"journey: sample 159 lamps without lamp 1; wall {len(wall)} lamps, ports 1 and 2 wired")
EOF
cp "$OUT"/journey-*.png "$ROOT/docs/"
