"""Reads a template's DXF file back with ezdxf, an independent reader, and
prints what the tests compare: the header units, every fret and saddle line,
every text's angle, the closed outlines and circles, and the layers' colours."""
import sys

import ezdxf

document = ezdxf.readfile(sys.argv[1])
print("VERSION", document.dxfversion)
print("INSUNITS", document.header.get("$INSUNITS", -1))
print("MEASUREMENT", document.header.get("$MEASUREMENT", -1))
for line in document.modelspace().query('LINE[layer=="FRETTES"]'):
    print("FRET %.12f %.12f %.12f %.12f"
          % (line.dxf.start.x, line.dxf.start.y, line.dxf.end.x, line.dxf.end.y))
for line in document.modelspace().query('LINE[layer=="CHEVALET"]'):
    print("SADDLE %.12f %.12f %.12f %.12f %s"
          % (line.dxf.start.x, line.dxf.start.y, line.dxf.end.x, line.dxf.end.y,
             line.dxf.linetype))
texts = document.modelspace().query('TEXT[layer=="TEXTES"]')
print("TEXTS", len(texts))
for text in texts:
    print("ROTATION %.9f" % text.dxf.rotation)
for outline in document.modelspace().query("LWPOLYLINE"):
    print("OUTLINE %s %d %d" % (outline.dxf.layer, int(outline.closed), len(outline)))
    for x, y in outline.get_points("xy"):
        print("VERTEX %.12f %.12f" % (x, y))
for circle in document.modelspace().query("CIRCLE"):
    print("CIRCLE %s %.12f %.12f %.12f"
          % (circle.dxf.layer, circle.dxf.center.x, circle.dxf.center.y, circle.dxf.radius))
for layer in document.layers:
    print("COLOUR %s %d" % (layer.dxf.name, layer.color))
