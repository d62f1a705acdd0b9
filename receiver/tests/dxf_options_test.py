"""Each drawing option against the DXF it produces, read back with ezdxf.

The table below the runner's JSON lines describes (points; 1 drawing unit per point unless a case
says otherwise, text height 0.7 of the font size as the capitals' share of the em):

    A1  0,0   40 x 20  "Ag"   Arial 10, red, left/bottom, thin black box, yellow fill
    B1  40,0  60 x 20  "Bold" Arial 10 bold, right/top, thin black top, medium blue bottom
    A2  0,20  40 x 40  "x\\ny" top/left, white fill, white thin right edge
    B2  40,20 60 x 40  empty
and a picture shape at 10,30 of 20 x 10 with the file C:\\Drawings\\pics\\p.png.

Every expected value is worked out by hand from that table and the option's meaning.
"""
import json
import os
import subprocess
import sys
import tempfile
import unittest

import ezdxf
from ezdxf import recover

DRAW = os.environ.get("VK_DRAW", "build/native/receiver/vk_draw")
THIN_BLACK = {"lineStyle": 1, "weight": 2, "color": 0}
SCALE_1 = {"CellDrawingUnits": "1", "CellExcelPoints": "1", "FontScaleOpt": 1, "FontDrawingUnits": "1",
           "FontExcelPoints": "1"}


def cell(address, left, top, width, height, text="", **fields):
    record = {"event": "cell", "size": 13320, "left": left, "top": top, "width": width, "height": height,
              "mergeWidth": width, "mergeHeight": height, "fontSize": 10.0, "underline": -4142,
              "fontName": "Arial", "address": address, "mergeAddress": address, "text": text,
              "horizontalAlignment": 1, "verticalAlignment": -4107, "fillPattern": -4142}
    record.update(fields)
    return record


def fixture():
    return [
        {"event": "table", "rows": 2, "columns": 2},
        cell("$A$1", 0, 0, 40, 20, "Ag", fontColor=0x0000FF, horizontalAlignment=-4131,
             leftEdge=THIN_BLACK, topEdge=THIN_BLACK, rightEdge=THIN_BLACK, bottomEdge=THIN_BLACK,
             fillPattern=1, fillColor=0x00FFFF),
        cell("$B$1", 40, 0, 60, 20, "Bold", bold=1, horizontalAlignment=-4152, verticalAlignment=-4160,
             topEdge=THIN_BLACK, bottomEdge={"lineStyle": 1, "weight": -4138, "color": 0xFF0000}),
        cell("$A$2", 0, 20, 40, 40, "x\ny", horizontalAlignment=-4131, verticalAlignment=-4160,
             fillPattern=1, fillColor=0xFFFFFF, rightEdge={"lineStyle": 1, "weight": 2, "color": 0xFFFFFF}),
        cell("$B$2", 40, 20, 60, 40),
        {"event": "shape", "size": 5072, "left": 10, "top": 30, "width": 20, "height": 10, "shapeType": 13,
         "picturePath": "C:\\Drawings\\pics\\p.png"},
        {"event": "end", "reason": 1},
    ]


class Drawn:
    """One import drawn with the given option values; entities sorted out for the checks."""

    def __init__(self, current=None, product=None, lines=None):
        folder = tempfile.mkdtemp()
        source = os.path.join(folder, "in.jsonl")
        with open(source, "w", encoding="utf-8") as out:
            for line in lines or fixture():
                out.write(json.dumps(line, ensure_ascii=False) + "\n")
        options = os.path.join(folder, "options.json")
        values = {"product": {"FuncState": 0, **SCALE_1, **(current or {}), **(product or {})}}
        with open(options, "w", encoding="utf-8") as out:
            json.dump(values, out, ensure_ascii=False)
        run = subprocess.run([DRAW, source, "--out", folder, "--options", options], capture_output=True, text=True)
        assert run.returncode == 0, run.stderr
        # R2000 carries text beyond ASCII as \U+XXXX; ezdxf's recovering loader decodes it.
        self.doc, self.audit = recover.readfile(os.path.join(folder, "import-1.dxf"))
        self.inserts = list(self.doc.modelspace().query("INSERT"))
        self.table = [e for i in self.inserts for e in self.doc.blocks.get(i.dxf.name)]
        self.model = [e for e in self.doc.modelspace() if e.dxftype() != "INSERT"]

    def of(self, kind):
        return [e for e in self.table if e.dxftype() == kind]

    def text(self, content):
        found = [e for e in self.table if e.dxftype() in ("MTEXT", "TEXT") and content in plain(e)]
        assert found, content
        return found[0]

    def borders(self):
        return [e for e in self.table if e.dxftype() in ("LWPOLYLINE", "LINE")]

    def border_at(self, x0, y0, x1, y1):
        for e in self.borders():
            points = [tuple(round(c, 6) for c in p[:2]) for p in
                      (e.get_points("xy") if e.dxftype() == "LWPOLYLINE" else [e.dxf.start, e.dxf.end])]
            if points == [(x0, y0), (x1, y1)]:
                return e
        raise AssertionError(f"no border from {x0},{y0} to {x1},{y1}")


def plain(e):
    return e.plain_text() if e.dxftype() == "MTEXT" else e.dxf.text


def true_colour(e):
    return e.dxf.true_color if e.dxf.hasattr("true_color") else None


class Layers(unittest.TestCase):
    def test_layer_per_kind_with_star_and_empty_meaning_layer_0(self):
        lines = fixture()
        lines[4]["text"] = "配管ポンプ"
        d = Drawn({"BorderLayer": "罫線", "TextLayer": "文字", "FillLayer": "*", "ImageLayer": "Img*x",
                   "ImportObj": 127 | 1024}, lines=lines)
        self.assertEqual(plain(d.text("配管")), "配管ポンプ")
        self.assertEqual({e.dxf.layer for e in d.borders()}, {"罫線"})
        self.assertEqual({e.dxf.layer for e in d.of("MTEXT")}, {"文字"})
        self.assertEqual({e.dxf.layer for e in d.of("HATCH")}, {"0"})
        self.assertEqual([e.dxf.layer for e in d.model if e.dxftype() == "IMAGE"], ["0"])
        self.assertIn("罫線", [layer.dxf.name for layer in d.doc.layers])
        self.assertFalse(d.audit.has_errors)


class Colours(unittest.TestCase):
    def test_border_colour(self):
        cases = [  # LineClrOpt, thin, thick -> (colour of A1's thin box edge, of B1's medium bottom edge)
            ({"LineClrOpt": 0}, (256, 256)),
            ({"LineClrOpt": 1}, (7, 5)),  # black -> 7, Excel 0xFF0000 is RGB 0000FF = ACI 5
            ({"LineClrOpt": 2, "ThinColorIndex": 3, "ThickColorIndex": 6}, (3, 6)),
            ({"LineClrOpt": 2, "ThinColorIndex": 0, "ThickColorIndex": 256}, (1, 256)),
        ]
        for values, (thin, thick) in cases:
            with self.subTest(values):
                d = Drawn(values)
                self.assertEqual(d.border_at(0, 0, 0, -20).dxf.color, thin)
                self.assertEqual(d.border_at(40, -20, 100, -20).dxf.color, thick)

    def test_text_colour(self):
        cases = [  # -> (colour of the regular "Ag", of the bold "Bold")
            ({"TextClrOpt": 0}, (256, 256)),
            ({"TextClrOpt": 1}, (1, 7)),  # red is ACI 1 exactly, black 7
            ({"TextClrOpt": 2, "RegularColorIndex": 4, "BoldColorIndex": 2}, (4, 2)),
        ]
        for values, (regular, bold) in cases:
            with self.subTest(values):
                d = Drawn(values)
                self.assertEqual(d.text("Ag").dxf.color, regular)
                self.assertEqual(d.text("Bold").dxf.color, bold)

    def test_colour_not_in_the_table_keeps_its_true_colour(self):
        lines = fixture()
        lines[1]["fontColor"] = 0x563412  # RGB 12 34 56
        d = Drawn(lines=lines)
        self.assertEqual(true_colour(d.text("Ag")), 0x123456)
        self.assertIsNone(true_colour(d.text("Bold")))

    def test_fill_colour_and_white(self):
        cases = [  # values -> (colours of the hatches, sorted)
            ({}, [2]),                                   # yellow is ACI 2; A2's white fill left out
            ({"FillColorByLayer": 1}, [256]),
            ({"ImportObj": 127 | 1024}, [2, 255]),       # White Shading: white fill drawn as 255
        ]
        for values, colours in cases:
            with self.subTest(values):
                self.assertEqual(sorted(e.dxf.color for e in Drawn(values).of("HATCH")), colours)

    def test_white_border_bit(self):
        self.assertRaises(AssertionError, Drawn({}).border_at, 40, -20, 40, -60)
        self.assertEqual(Drawn({"ImportObj": 127 | 512}).border_at(40, -20, 40, -60).dxf.color, 255)


class Objects(unittest.TestCase):
    def test_table_object(self):
        anonymous = Drawn({"TableObjOpt": 0})
        self.assertTrue(anonymous.inserts[0].dxf.name.startswith("*U"))
        named = Drawn({"TableObjOpt": 1})
        self.assertEqual(named.inserts[0].dxf.name, "VELLUMARK_TABLE_1")

    def test_border_object(self):
        self.assertEqual({e.dxftype() for e in Drawn({"BorderObjOpt": 0}).borders()}, {"LWPOLYLINE"})
        self.assertEqual({e.dxftype() for e in Drawn({"BorderObjOpt": 1}).borders()}, {"LINE"})

    def test_borders_meet_as_one_line_and_weigh_as_excel(self):
        d = Drawn()
        top = d.border_at(0, 0, 100, 0)  # A1's and B1's top edges: one object
        self.assertEqual(top.dxf.lineweight, 18)
        self.assertEqual(d.border_at(40, -20, 100, -20).dxf.lineweight, 35)

    def test_font_and_text_object(self):
        cases = [  # values -> (kind, style)
            ({"UseFontOpt": 1, "TextObjOpt": 0}, ("MTEXT", "Arial")),
            ({"UseFontOpt": 0, "TextObjOpt": 0}, ("MTEXT", "Standard")),
            ({"UseFontOpt": 1, "TextObjOpt": 1}, ("TEXT", "Arial")),
        ]
        for values, (kind, style) in cases:
            with self.subTest(values):
                e = Drawn(values).text("Bold")
                self.assertEqual((e.dxftype(), e.dxf.style), (kind, style))


class Geometry(unittest.TestCase):
    def place(self, e):
        p = e.dxf.insert
        return (round(p[0], 6), round(p[1], 6))

    def test_scales(self):
        cases = [  # values -> (B1 text position, top right inset 2 points; text height)
            ({}, ((98, -2), 7)),
            ({"CellScaleIndex": 5}, ((9.8, -0.2), 7)),                      # 1:10 cells, text 1:1
            ({"CellScaleOpt": 0, "FontScaleIndex": 11}, ((0.98, -0.02), 0.07)),  # both 1:100
            ({"FontScaleOpt": 0, "CellDrawingUnits": "2"}, ((196, -4), 14)),     # text follows cells
        ]
        for values, (position, height) in cases:
            with self.subTest(values):
                e = Drawn(values).text("Bold")
                self.assertEqual(self.place(e), position)
                self.assertAlmostEqual(e.dxf.char_height, height)

    def test_explicit_column_widths_and_row_heights(self):
        d = Drawn({"DefineCellWidthsHeights": 1, "ColumnWidths": "5;7", "RowHeights": "3"})
        self.assertEqual(self.place(d.text("Bold")), (10, -2))
        self.assertEqual(self.place(d.text("Ag")), (2, -1))
        d.border_at(0, 0, 12, 0)

    def test_font_size_map(self):
        self.assertAlmostEqual(Drawn({"DefineFontSizes": 1, "FontSizes": "10:2.5*2"}).text("Ag").dxf.char_height, 2.5)
        text = Drawn({"DefineFontSizes": 1, "FontSizes": "10:2.5*2", "TextObjOpt": 1}).text("Ag")
        self.assertAlmostEqual(text.dxf.height, 2.5)
        self.assertAlmostEqual(text.dxf.width, 0.8)
        self.assertAlmostEqual(Drawn({"DefineFontSizes": 0, "FontSizes": "10:2.5"}).text("Ag").dxf.char_height, 7)

    def test_rotation(self):
        d = Drawn({"RotationDegree": "30"})
        self.assertAlmostEqual(d.inserts[0].dxf.rotation, 30)
        image = [e for e in d.model if e.dxftype() == "IMAGE"][0]
        # The picture's lower left corner (10, -40) turned 30 degrees about the insertion point.
        self.assertAlmostEqual(image.dxf.insert[0], 10 * 0.8660254 + 40 * 0.5, places=5)
        self.assertAlmostEqual(image.dxf.insert[1], 10 * 0.5 - 40 * 0.8660254, places=5)

    def test_insertion_point(self):
        cases = {0: (2, -18), 1: (-98, -18), 2: (2, 42), 3: (-98, 42)}  # the table is 100 x 60
        for value, position in cases.items():
            with self.subTest(value):
                self.assertEqual(self.place(Drawn(product={"InsertionPointType": value}).text("Ag")), position)

    def test_descender_offset(self):
        cases = [
            ({"HasShiftChar": 1, "ShiftPoints": "3"}, (2, -15)),  # "Ag" has a g
            ({"HasShiftChar": 0, "ShiftPoints": "3"}, (2, -18)),
            ({"HasShiftChar": 1, "ShiftPoints": "3", "ShiftChar": "y"}, (2, -18)),
        ]
        for values, position in cases:
            with self.subTest(values):
                self.assertEqual(self.place(Drawn(product=values).text("Ag")), position)

    def test_line_spacing(self):
        paragraph = Drawn({"LineSpacing": "1.5"})
        one = paragraph.text("x")
        self.assertEqual(plain(one), "x\ny")
        self.assertAlmostEqual(one.dxf.line_spacing_factor, 1.5)
        self.assertEqual(self.place(one), (2, -22))
        lines = Drawn({"LineSpacing": "-1.5"})
        self.assertEqual(self.place(lines.text("x")), (2, -22))
        self.assertEqual(self.place(lines.text("y")), (2, -32.5))  # 1.5 x 7 below


class Pictures(unittest.TestCase):
    def test_link_path_type(self):
        cases = {0: "C:\\Drawings\\pics\\p.png", 1: "pics\\p.png", 2: "p.png"}
        for value, name in cases.items():
            with self.subTest(value):
                d = Drawn(product={"LinkPathType": value, "CurDrawingFolder": "C:\\Drawings\\"})
                image = [e for e in d.model if e.dxftype() == "IMAGE"][0]
                self.assertEqual(image.image_def.dxf.filename, name)


if __name__ == "__main__":
    unittest.main()
