#!/usr/bin/python3
"""Converts a workbook saved by Excel (.xlsx) into a workbook fixture for the stand-in Excel
(format: tests/fixtures/README.md).

    /usr/bin/python3 tools/xlsx_fixture/xlsx_to_fixture.py Book.xlsx out.json [--sheets "A,B"]

Needs Debian's python3-openpyxl (hence /usr/bin/python3). What it keeps: the workbook's name and
standard font; each sheet's name, visibility, standard and custom column widths and row heights,
hidden rows and columns, merged areas, notes, its active sheet's selection; each cell's value
(the result Excel saved for a formula), formula, number format and, where the format is not
General, the text Excel shows for it; its font where it differs from the standard one, solid
fill, borders, alignment, wrap, indent and orientation. Theme colours are left out (the cells
of the workbooks converted so far use the theme's text colour, which reads black).
"""
import argparse
import datetime
import json
import os
import re
import sys

import openpyxl
from openpyxl.utils import get_column_letter

# Widest digit of the standard font in pixels at 96 dpi, which turns Excel's column widths in
# characters into pixels (Office Open XML, SpreadsheetML col width). Fonts not listed take 7.
DIGIT_WIDTH = {("Calibri", 11): 7, ("Calibri", 12): 8, ("Arial", 10): 7, ("Verdana", 10): 8}

H_ALIGN = {"left": -4131, "center": -4108, "right": -4152, "fill": 5, "justify": -4130,
           "centerContinuous": 7, "distributed": -4117}
V_ALIGN = {"top": -4160, "center": -4108, "justify": -4130, "distributed": -4117}
# SpreadsheetML border styles as Excel's LineStyle and Weight.
BORDER = {"thin": (1, 2), "medium": (1, -4138), "thick": (1, 4), "hair": (1, 1),
          "dashed": (-4115, 2), "dotted": (-4118, 2), "double": (-4119, 4), "dashDot": (4, 2),
          "dashDotDot": (5, 2), "slantDashDot": (13, -4138), "mediumDashed": (-4115, -4138),
          "mediumDashDot": (4, -4138), "mediumDashDotDot": (5, -4138)}
ERRORS = {"#NULL!", "#DIV/0!", "#VALUE!", "#REF!", "#NAME?", "#NUM!", "#N/A"}
EPOCH = datetime.datetime(1899, 12, 30)
MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]
# Built-in formats whose look follows the system's locale: as Excel shows them in English (US).
LOCALE_FORMATS = {"mm-dd-yy": "m/d/yyyy", "m/d/yy h:mm": "m/d/yyyy h:mm"}


def points_of_width(chars, digit):
    return int(((256 * chars + int(128 / digit)) / 256) * digit) * 0.75


def default_width(base, digit):
    # baseColWidth characters, 5 pixels of padding, rounded up to a multiple of 8 pixels.
    pixels = base * digit + 5
    return ((pixels + 7) // 8) * 8 * 0.75


def colour(c):
    if c is None or c.type != "rgb" or not isinstance(c.rgb, str) or len(c.rgb) != 8:
        return None
    return "#" + c.rgb[2:]


def serial(value):
    if isinstance(value, datetime.time):
        return (value.hour * 3600 + value.minute * 60 + value.second) / 86400
    if isinstance(value, datetime.date) and not isinstance(value, datetime.datetime):
        value = datetime.datetime(value.year, value.month, value.day)
    delta = value - EPOCH
    return delta.days + delta.seconds / 86400


def date_text(fmt, value):
    """The text of a date or time under a date format: y, m, d, h, s, AM/PM, quoted and escaped
    literals (enough for the formats of the converted workbooks; anything else is refused)."""
    if isinstance(value, datetime.date) and not isinstance(value, datetime.datetime):
        value = datetime.datetime(value.year, value.month, value.day)
    fmt = LOCALE_FORMATS.get(fmt, fmt)
    tokens = re.findall(r'"[^"]*"|\\.|AM/PM|yyyy|yy|mmmm|mmm|mm|m|dd|d|hh|h|ss|s|[^A-Za-z"\\]|[A-Za-z]', fmt)
    twelve = "AM/PM" in tokens
    out = []
    for i, t in enumerate(tokens):
        prev = next((p for p in reversed(tokens[:i]) if p[0] in "hmsdy" and p != "AM/PM"), "")
        nxt = next((n for n in tokens[i + 1:] if n[0] in "hmsdy"), "")
        hour = value.hour % 12 or 12 if twelve else value.hour
        if t.startswith('"'):
            out.append(t[1:-1])
        elif t.startswith("\\"):
            out.append(t[1])
        elif t == "AM/PM":
            out.append("AM" if value.hour < 12 else "PM")
        elif t == "yyyy":
            out.append("%04d" % value.year)
        elif t == "yy":
            out.append("%02d" % (value.year % 100))
        elif t == "mmmm":
            out.append(value.strftime("%B"))
        elif t == "mmm":
            out.append(MONTHS[value.month - 1])
        elif t in ("mm", "m"):
            minute = prev.startswith("h") or nxt.startswith("s")
            number = value.minute if minute else value.month
            out.append("%02d" % number if t == "mm" else str(number))
        elif t in ("dd", "d"):
            out.append("%02d" % value.day if t == "dd" else str(value.day))
        elif t in ("hh", "h"):
            out.append("%02d" % hour if t == "hh" else str(hour))
        elif t in ("ss", "s"):
            out.append("%02d" % value.second if t == "ss" else str(value.second))
        elif re.match(r"[A-Za-z]", t):
            raise ValueError("date format not handled: " + fmt)
        else:
            out.append(t)
    return "".join(out)


def number_text(fmt, value):
    """The text of a number under the simple number formats: 0, 0.00, #,##0, #,##0.00, 0%,
    0.00%, @; anything else is refused."""
    m = re.fullmatch(r"(#,##)?0(\.(0+))?(%)?", fmt)
    if fmt == "@":
        return None
    if not m:
        raise ValueError("number format not handled: " + fmt)
    decimals = len(m.group(3) or "")
    if m.group(4):
        value *= 100
    text = ("{:,.%df}" if m.group(1) else "{:.%df}") % decimals
    text = text.format(value)
    return text + ("%" if m.group(4) else "")


def font_of(font, standard):
    out = {}
    if font.name and font.name != standard["name"]:
        out["name"] = font.name
    if font.sz and float(font.sz) != standard["size"]:
        out["size"] = float(font.sz)
    if font.b:
        out["bold"] = True
    if font.i:
        out["italic"] = True
    if font.u:
        out["underline"] = {"single": 2, "double": -4119, "singleAccounting": 4, "doubleAccounting": 5}[font.u]
    if font.strike:
        out["strikethrough"] = True
    if font.vertAlign == "superscript":
        out["superscript"] = True
    if font.vertAlign == "subscript":
        out["subscript"] = True
    rgb = colour(font.color)
    if rgb and rgb != "#000000":
        out["color"] = rgb
    return out


def cell_entry(cell, cached, standard):
    entry = {}
    value = cached.value
    fmt = cell.number_format
    if cell.data_type == "f":
        entry["formula"] = cell.value if isinstance(cell.value, str) else str(cell.value)
    if isinstance(value, bool):
        entry["value"] = value
    elif isinstance(value, (int, float)):
        entry["value"] = value
        if fmt != "General":
            text = number_text(fmt, value)
            if text is not None:
                entry["text"] = text
    elif isinstance(value, (datetime.datetime, datetime.date, datetime.time)):
        entry["date"] = serial(value)
        entry["text"] = date_text(fmt, value)
    elif isinstance(value, str) and (cached.data_type == "e" or value in ERRORS):
        entry["error"] = value
    elif isinstance(value, str):
        entry["value"] = value
    if fmt != "General":
        entry["numberFormat"] = LOCALE_FORMATS.get(fmt, fmt)
    font = font_of(cell.font, standard)
    if font:
        entry["font"] = font
    fill = cell.fill
    if fill is not None and fill.fill_type == "solid" and colour(fill.fgColor):
        entry["fill"] = {"color": colour(fill.fgColor)}
    borders = {}
    for side in ("left", "top", "right", "bottom"):
        line = getattr(cell.border, side)
        if line is not None and line.style:
            style, weight = BORDER[line.style]
            borders[side] = {"lineStyle": style, "weight": weight}
            if colour(line.color):
                borders[side]["color"] = colour(line.color)
    if borders:
        entry["borders"] = borders
    a = cell.alignment
    if a.horizontal in H_ALIGN:
        entry["align"] = H_ALIGN[a.horizontal]
    if a.vertical in V_ALIGN:
        entry["valign"] = V_ALIGN[a.vertical]
    if a.wrap_text:
        entry["wrap"] = True
    if a.indent:
        entry["indent"] = int(a.indent)
    if a.textRotation:
        r = int(a.textRotation)
        entry["orientation"] = -4166 if r == 255 else (r if r <= 90 else 90 - r)
    return entry


def sheet_entry(ws, cached_ws, standard, digit, active):
    out = {"name": ws.title}
    if ws.sheet_state != "visible":
        out["visible"] = False if ws.sheet_state == "hidden" else "veryHidden"
    fmt = ws.sheet_format
    if fmt.defaultColWidth:
        out["standardWidth"] = points_of_width(float(fmt.defaultColWidth), digit)
    else:
        out["standardWidth"] = default_width(int(fmt.baseColWidth or 8), digit)
    out["standardHeight"] = float(fmt.defaultRowHeight or 15)
    widths, hidden_columns = {}, []
    for key, dim in ws.column_dimensions.items():
        first, last = dim.min or openpyxl.utils.column_index_from_string(key), dim.max or openpyxl.utils.column_index_from_string(key)
        last = min(last, 16384)
        span = get_column_letter(first) + ("" if last == first else ":" + get_column_letter(last))
        if dim.hidden:
            hidden_columns.append(span)
        elif dim.customWidth and dim.width is not None:
            widths[span] = points_of_width(float(dim.width), digit)
    heights, hidden_rows = {}, []
    for index, dim in ws.row_dimensions.items():
        if dim.hidden:
            hidden_rows.append(index)
        elif dim.height is not None and dim.customHeight:
            heights[str(index)] = float(dim.height)
    if widths:
        out["columnWidths"] = widths
    if heights:
        out["rowHeights"] = heights
    if hidden_columns:
        out["hiddenColumns"] = hidden_columns
    if hidden_rows:
        out["hiddenRows"] = hidden_rows
    cells, notes = {}, []
    for row in ws.iter_rows():
        for cell in row:
            if cell.comment is not None:
                notes.append({"cell": cell.coordinate, "text": cell.comment.text})
            if cell.value is None and not cell.has_style:
                continue
            entry = cell_entry(cell, cached_ws[cell.coordinate], standard)
            if entry:
                cells[cell.coordinate] = entry["value"] if list(entry) == ["value"] else entry
    if cells:
        out["cells"] = cells
    merged = [str(r) for r in ws.merged_cells.ranges]
    if merged:
        out["merged"] = merged
    if notes:
        out["notes"] = notes
    return out


def convert(path, sheets=None):
    book = openpyxl.load_workbook(path)
    cached = openpyxl.load_workbook(path, data_only=True)
    font = book._fonts[0]
    standard = {"name": font.name, "size": float(font.sz)}
    digit = DIGIT_WIDTH.get((standard["name"], standard["size"]), 7)
    fixture = {"workbook": os.path.basename(path), "standardFont": standard, "sheets": []}
    chosen = [ws for ws in book.worksheets if sheets is None or ws.title in sheets]
    for ws in chosen:
        fixture["sheets"].append(sheet_entry(ws, cached[ws.title], standard, digit, ws is book.active))
    active = book.active if book.active in chosen and book.active.sheet_state == "visible" else None
    if active is not None:
        fixture["activeSheet"] = active.title
        selection = active.sheet_view.selection[0] if active.sheet_view.selection else None
        if selection is not None and selection.sqref:
            fixture["selection"] = str(selection.sqref).replace(" ", ",")
            if selection.activeCell:
                fixture["activeCell"] = selection.activeCell
    return fixture


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("xlsx")
    parser.add_argument("fixture")
    parser.add_argument("--sheets", help="comma-separated sheet names to keep (default: all)")
    args = parser.parse_args()
    fixture = convert(args.xlsx, set(args.sheets.split(",")) if args.sheets else None)
    with open(args.fixture, "w", encoding="utf-8") as f:
        json.dump(fixture, f, ensure_ascii=False, indent=1)
        f.write("\n")


if __name__ == "__main__":
    sys.exit(main())
