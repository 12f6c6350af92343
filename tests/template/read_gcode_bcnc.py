#!/usr/bin/python3
"""Runs a G-code program through bCNC's own parser (Debian's bcnc package)
and prints where each straight move ends, one per line: "G0|G1 X Y Z F",
in millimetres (bCNC converts an inch program's G20 numbers).
Exits 77 when bCNC is not installed."""
import contextlib
import io
import sys

BCNC = "/usr/share/bcnc/bCNC"
sys.path[:0] = [BCNC, BCNC + "/lib"]
try:
    with contextlib.redirect_stdout(io.StringIO()):  # bCNC talks when it loads
        import CNC
except ImportError:
    sys.exit(77)

cnc = CNC.CNC()
cnc.initPath()
with open(sys.argv[1], encoding="ascii") as program:
    for line in program:
        words = CNC.CNC.parseLine(line)
        if not words:
            continue
        cnc.motionStart(words)
        path = cnc.motionPath()
        if path and cnc.gcode in (0, 1):
            x, y, z = path[-1]
            print("G%d %.6f %.6f %.6f %.6f" % (cnc.gcode, x, y, z, cnc.feed))
        cnc.motionEnd()
