#!/usr/bin/env python3
"""Prints requests for the engines' JSON interface, one per line: designs
drawn with a fixed seed from every kind of temperament, straight and fanned
boards, each unit, strings with computed compensation and fretlets, cut
options and router values. The same seed gives the same lines."""

import argparse
import json
import random

CLASSIC = ["tempered-diatonic", "tempered-chromatic", "natural-diatonic",
           "natural-chromatic", "pythagorean-diatonic", "pythagorean-chromatic"]
TABLES = ["just-12", "pythagorean-12", "meantone-12"]
SETS = {}  # name: (tuning, items), from the catalogue
EVERYTHING = ["table", "strings", "svg", "dxf", "gcode", "csv", "design", "chart", "pdf"]


def scala_text(rng):
    count = rng.randint(5, 31)
    pitches = sorted(rng.sample(range(30, 1190), count - 1))
    lines = ["! random.scl", "Drawn for the identity test", f" {count}"]
    lines += [f" {p + rng.random():.5f}" for p in pitches]
    lines.append(" 2/1" if rng.random() < 0.8 else " 1203.5")
    return "\n".join(lines) + "\n"


def temperament(rng):
    kind = rng.choice(["classic", "equal", "equal", "scala", "builtin"])
    if kind == "classic":
        return {"kind": "classic", "scale": rng.choice(CLASSIC), "mode": rng.choice(["sol", "do"])}
    if kind == "equal":
        period = rng.choice(["2/1", "3/1", "1200.0", "1902.0", "3/2"])
        return {"kind": "equal", "divisions": rng.choice([5, 7, 12, 12, 19, 22, 24, 31, 41]),
                "period": period}
    if kind == "scala":
        return {"kind": "scala", "file_name": "random.scl", "content": scala_text(rng)}
    return {"kind": "builtin", "table": rng.choice(TABLES)}


def design(rng):
    unit = rng.choice(["mm", "mm", "cm", "in"])
    strings, tuning, string_set = rng.randint(1, 8), None, None
    bass = round(rng.uniform(300, 900), rng.choice([0, 1, 3]))
    frets = rng.randint(1, 36)
    if rng.random() < 0.4:
        string_set = rng.choice(sorted(SETS))
        tuning = SETS[string_set][0]
        strings = len(tuning)
        # the scale lengths such strings are made for
        bass = round(rng.uniform(840, 870) if "bass" in string_set else rng.uniform(610, 660), 1)
        frets = rng.randint(12, 24)
    fanned = strings > 1 and rng.random() < 0.4
    treble = round(bass - rng.uniform(0, 60), 2) if fanned else bass
    d = {"format": "corvane-board", "version": 4, "unit": unit,
         "temperament": temperament(rng),
         "perpendicular_fret": rng.randint(0, min(frets, 12)) if fanned else 0,
         "open_note": rng.choice(["Mi", "La", "Ré", "Do#"]),
         "frets": frets, "strings": strings,
         "bass_length": bass, "treble_length": treble,
         "nut_width": round(rng.uniform(6 * strings + 8, 8 * strings + 12), 1),
         "bridge_spacing": round(rng.uniform(8 * strings, 10 * strings), 1),
         "nut_overhang": rng.choice([0.0, 3.5, 4.25]),
         "last_fret_overhang": rng.choice([0.0, 3.5, 5.0]),
         "nut_setback_bass": 0.0, "nut_setback_treble": 0.0,
         "saddle_setback_bass": 0.0, "saddle_setback_treble": 0.0}
    if rng.random() < 0.2:
        d["saddle_setback_bass"] = round(rng.uniform(0, 4), 2)
        d["saddle_setback_treble"] = round(rng.uniform(0, 2), 2)
    if rng.random() < 0.2:
        d["radius_nut"] = rng.choice([184.15, 241.3, 304.8, 400.0])
    if rng.random() < 0.15:
        d["left_handed"] = True
    if string_set:
        d["tuning"] = tuning
        d["reference_a4_hz"] = 440.0
        d["string_set"] = [{"item": item} for item in SETS[string_set][1]]
        d["compensation"] = {"mode": "computed", "fretlets": rng.random() < 0.5}
        d["action"] = {"nut_clearance_mm": 0.5, "saddle_height_mm": round(rng.uniform(2, 4), 1),
                       "relief_mm": 0.2, "fretting_distance_mm": 0.0}
    if rng.random() < 0.4:
        d["cut"] = {"slot_width": rng.choice([0.0, 0.58, 0.6]), "extend_frets": 2.0,
                    "marker_diameter": 6.0, "markers": rng.random() < 0.5, "hairline": False}
    if rng.random() < 0.3:
        d["router"] = {"origin": rng.choice(["nut-centre", "nut-bass-corner"]),
                       "tool_diameter": 0.6, "slot_depth": 3.0, "pass_depth": 1.0,
                       "feed": 300.0, "plunge_feed": 60.0, "safe_z": 5.0,
                       "binding_margin": rng.choice([0.0, 1.5]), "bed_length": 0.0}
    return d


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--seed", type=int, default=24)
    parser.add_argument("--count", type=int, default=400)
    parser.add_argument("--sets", required=True, help="data/strings/sets.csv")
    args = parser.parse_args()
    import csv
    with open(args.sets, newline="", encoding="utf-8") as sets:
        for row in csv.DictReader(sets):
            SETS[row["name"]] = (row["tuning"].split(), row["items"].split())
    rng = random.Random(args.seed)
    for _ in range(args.count):
        request = {"design": json.dumps(design(rng), ensure_ascii=False),
                   "language": rng.choice(["fr", "en"]), "separator": rng.choice([".", ","]),
                   "date": "2026-12-09", "want": EVERYTHING}
        print(json.dumps(request, ensure_ascii=False))


if __name__ == "__main__":
    main()
