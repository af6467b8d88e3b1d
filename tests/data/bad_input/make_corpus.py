#!/usr/bin/env python3
"""Writes the damaged layouts of this folder from the two committed good ones.

Run from the source tree's top: python3 tests/data/bad_input/make_corpus.py
Huge and deeply nested inputs are made by the test itself, not kept here.
"""
import json
import random
import struct
from pathlib import Path

here = Path(__file__).parent
two = Path("tests/data/layout/two_lamps.led").read_bytes()
sample = Path("examples/sample.led").read_bytes()
# The sample's JSON form, cut down to a few records so the files stay small.
small = json.loads(Path("tests/data/layout/sample.json").read_text())
for key in ("lamps", "effectLamps", "modes"):
    small[key] = small[key][:3]
small["programGroups"] = [group[:1] for group in small["programGroups"]]
sample_json = json.dumps(small, ensure_ascii=False) + "\n"

HEAD, SLOTS = 44, 128 * 12
LAMPS = HEAD + SLOTS  # where the lamp list starts in a file with empty slots


def put(name, data):
    (here / name).write_bytes(data if isinstance(data, bytes) else data.encode("utf-8"))


# Binary files.
put("empty.led", b"")
put("head_only.led", two[:30])
put("cut_in_lamps.led", two[: LAMPS + 20])
put("cut_in_modes.led", sample[: len(sample) // 2])
put("lamp_count_huge.led", two[:LAMPS] + b"\xff\xff" + struct.pack("<I", 0x7FFFFFFF) + two[LAMPS + 2 :])
put("slot_count_huge.led", two[: HEAD + 8] + struct.pack("<I", 0xFFFFFFFF) + two[HEAD + 12 :])
put("class_name.led", two.replace(b"CLamp", b"CL\nmp", 1))
put("class_ref.led", two[: LAMPS + 2 + 6 + 5 + 32] + b"\x07\x80" + two[LAMPS + 2 + 6 + 5 + 32 + 2 :])
put("object_ref.led", two[: LAMPS + 2 + 6 + 5 + 32] + b"\x01\x00" + two[LAMPS + 2 + 6 + 5 + 32 + 2 :])
put("trailing_bytes.led", two + b"\x00junk")
kind = sample.index(b"CM_")
put("string_length_huge.led", sample[: kind - 1] + b"\xff\xff\xff" + struct.pack("<I", 0xFFFFFFF0) + sample[kind:])
put("random.led", random.Random(15).randbytes(1500))
put("json_named_led.led", Path("tests/data/layout/sample.json").read_text()[:2000])

# JSON forms, damaged by text edits on the sample's JSON.
def edit(old, new):
    assert old in sample_json, old
    return sample_json.replace(old, new, 1)

put("empty.json", "")
put("not_json.json", "hello\n")
put("truncated.json", sample_json[: len(sample_json) // 3])
put("float_1e400.json", edit('"lampSize": 40.0', '"lampSize": 1e400'))
put("int_300_digits.json", edit('"colourTolerance": 25', '"colourTolerance": ' + "9" * 300))
put("int_too_large.json", edit('"colourTolerance": 25', '"colourTolerance": 4294967296'))
put("negative_unsigned.json", edit('"backColour": 0', '"backColour": -1'))
put("float_for_int.json", edit('"colourTolerance": 25', '"colourTolerance": 2.5'))
put("string_for_int.json", edit('"colourTolerance": 25', '"colourTolerance": "25"'))
put("array_for_record.json", edit('"head": {', '"head": [{').replace('"lampPitch": 8.0}', '"lampPitch": 8.0}]', 1))
put("invalid_utf8.json", edit('"vexolume-layout"', '"vexolume-layout@@"').encode().replace(b"@@", b"\xc3\x28"))
put("control_in_string.json", edit('"format": "vexolume-layout"', '"format": "vexolume\nlayout"'))
put("duplicate_key.json", edit('"colourTolerance": 25', '"colourTolerance": 25, "colourTolerance": 26'))
put("unknown_key.json", edit('"colourTolerance": 25', '"colourTolerance": 25, "colour\\ntolerance": 1'))
put("wrong_format.json", edit('"vexolume-layout"', '"vexolume-layout-2"'))
put("later_version.json", edit('"version": 1', '"version": 2'))
put("missing_lamps.json", json.dumps({k: v for k, v in json.loads(sample_json).items() if k != "lamps"}))
put("slots_129.json", edit('"slots": [', '"slots": [{"a": 0, "b": 0, "values": []}, '))
put("groups_33.json", edit('"programGroups": [', '"programGroups": [[], '))
put("deep_small.json", edit('"clusters": [', '"clusters": [' + "[" * 64))
put("bad_bits.json", edit('"lampPitch": 8.0', '"lampPitch": {"bits": "0xZZ"}'))
put("bad_hex.json", edit('"format": "vexolume-layout"', '"format": {"hex": "abc"}'))
put("trailing_text.json", sample_json + "{}")
put("nul_byte.json", sample_json[:100] + "\0" + sample_json[100:])
put("bom_and_garbage.json", "\ufeff" + sample_json[:50] + "\x01\x02")
