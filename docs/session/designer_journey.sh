#!/bin/bash
# A designer's journey with the desktop program, driven with xdotool on a
# virtual display, and checked by the title bar and the files it leaves: the
# sample opened, lamp 1 deleted by a Delete Lamp click on it (the layout must
# not move), saved and closed. Writes docs/journey-deleted.png.
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
cd "$OUT"  # Save writes cport.h into the working folder
XDG_CONFIG_HOME=$OUT/config XDG_CACHE_HOME=$OUT/cache "$BIN" "$OUT/show.led" > "$OUT/app.log" 2>&1 &
APP=$!
sleep 4
W=$(xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) "Vexolume - \[.*/\1/p' | head -1)
xdotool windowmove "$W" 0 0 windowsize "$W" 1200 800
sleep 1
title() { xwininfo -id "$W" | sed -n 's/.*"\(Vexolume.*\)"$/\1/p'; }
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.6}"; }
shot() { python3 "$HERE/shot.py" "$OUT/$1" 0 0 1200 800; }
check() { if ! eval "$2"; then echo "journey: $1" >&2; kill "$APP"; exit 1; fi; }

# The sample at 20 pels a cell, centred in the view: Edit > Delete Lamp,
# a click on lamp 1 (the second of port 1's chain, top left), Save, Close.
check "the sample opened unmarked" '[[ "$(title)" == "Vexolume - [show.led]" ]]'
click 72 8; click 123 119          # Edit > Delete Lamp
click 593 341 1                    # lamp 1
shot journey-deleted.png
check "the deletion marked the title" '[[ "$(title)" == "Vexolume - [show.led*]" ]]'
click 86 37 1                      # Save
check "the save cleared the mark" '[[ "$(title)" == "Vexolume - [show.led]" ]]'
click 36 8; click 68 185 1         # File > Close: saved, so no question
check "the window closed" '[[ "$(title)" == "Vexolume" ]]'
kill "$APP"
wait "$APP" || true

# What it left: the sample without lamp 1 and the port table.
"$CLI" convert show.led show.json > /dev/null
test -s cport.h
python3 - <<'PY'
import json
show = json.load(open("show.json"))["lamps"]
assert len(show) == 159, len(show)
assert not any(l["x"] == 0 and l["y"] == 1 for l in show), "lamp 1 is still there"
assert [l["number"] for l in show] == list(range(159))
print("journey: the sample saved with 159 lamps, lamp 1 gone")
PY
cp "$OUT/journey-deleted.png" "$ROOT/docs/"
