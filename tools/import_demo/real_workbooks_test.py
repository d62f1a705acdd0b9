#!/usr/bin/env python3
"""Imports the workbooks made by Excel (tests/fixtures/real, converted from .xlsx by
tools/xlsx_fixture) through the runner and checks the cells field by field against what Excel
shows in them.

Usage: real_workbooks_test.py <import_demo> <fixtures folder>
"""
import json
import os
import subprocess
import sys
import tempfile

runner, fixtures = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
failures = []
options_folder = tempfile.TemporaryDirectory()
options = os.path.join(options_folder.name, "options.json")
with open(options, "w") as f:
    json.dump({"product": {"ImportObj": 0x7F}, "current": {"ImportObj": 0x7F}}, f)


def run(book, sheet=None):
    """The JSON objects of a Finish on the book's sheet, and the runner's exit code and errors."""
    command = [runner, os.path.join(fixtures, "real", book), "--command", "worksheet", "--options", options]
    if sheet:
        command += ["--sheet", sheet]
    done = subprocess.run(command, capture_output=True, text=True, cwd=options_folder.name)
    return [json.loads(line) for line in done.stdout.splitlines()], done.returncode, done.stderr


def check(book, sheet, table, cells, shapes=0):
    """cells: address -> the fields expected in its record."""
    events, code, errors = run(book, sheet)
    where = f"{book} {sheet or '(active sheet)'}"
    if code != 0:
        failures.append(f"{where}: runner failed: {errors}")
        return {}
    if events[0] != {"event": "table", "rows": table[0], "columns": table[1]}:
        failures.append(f"{where}: table {events[0]}")
    if events[-1] != {"event": "result", "command": "worksheet", "result": 0}:
        failures.append(f"{where}: {events[-1]}")
    records = {e["address"]: e for e in events if e["event"] == "cell" and e["address"]}
    if sum(e["event"] == "cell" for e in events) != table[0] * table[1]:
        failures.append(f"{where}: not one record per cell")
    if sum(e["event"] == "shape" for e in events) != shapes:
        failures.append(f"{where}: shape records")
    for address, fields in cells.items():
        record = records.get(address)
        if record is None:
            failures.append(f"{where} {address}: no record")
            continue
        for name, want in fields.items():
            if record[name] != want:
                failures.append(f"{where} {address}.{name}: {record[name]!r}, expected {want!r}")
    return records


# r-cran-readxl: readxl/extdata/deaths.xlsx, saved by Excel 15 for Mac: Calibri 12, merged
# notes above a table of text, formulas (DATEDIF), booleans and dates in format 14.
calibri12 = {"fontName": "Calibri", "fontSize": 12.0, "bold": 0, "italic": 0, "fontColor": 0}
arts = check("deaths.json", "arts", (19, 6), {
    "$A$1": {"textUnescaped": "Lots of people", **calibri12},
    "$B$4": {"textUnescaped": "merging", "mergeAddress": "$B$4:$E$4"},
    "$C$4": {"textUnescaped": "", "mergeAddress": "$B$4:$E$4"},
    "$A$6": {"textUnescaped": "David Bowie", "mergeAddress": "$A$6", **calibri12},
    "$C$6": {"textUnescaped": "69"},
    "$D$6": {"textUnescaped": "TRUE"},
    "$E$6": {"textUnescaped": "1/8/1947", **calibri12},
    "$F$6": {"textUnescaped": "1/10/2016"},
    "$A$10": {"textUnescaped": "Prince"},
    "$F$10": {"textUnescaped": "4/21/2016"},
    "$A$14": {"textUnescaped": "Zsa Zsa G\u00e1bor"},
    "$D$11": {"textUnescaped": "FALSE"},
    "$F$19": {"textUnescaped": "too!", "sheetName": "arts"},
})
if arts and arts["$B$4"]["mergeWidth"] != sum(arts[c + "$4"]["width"] for c in ("$B", "$C", "$D", "$E")):
    failures.append("deaths arts: the merged area's width is not its columns' widths")
check("deaths.json", None, (19, 6), {
    "$A$6": {"textUnescaped": "Vera Rubin", "sheetName": "other"},
    "$C$6": {"textUnescaped": "88"},
    "$E$6": {"textUnescaped": "7/23/1928"},
    "$E$19": {"mergeAddress": "$E$19:$F$19"},
})

# r-cran-readxl: readxl/extdata/type-me.xlsx, Excel 15 for Mac: Verdana 10, values of every type.
verdana = {"fontName": "Verdana", "fontSize": 10.0}
check("type-me.json", "logical_coercion", (11, 2), {
    "$A$3": {"textUnescaped": "0", **verdana},
    "$A$5": {"textUnescaped": "1/1/2016"},
    "$A$6": {"textUnescaped": "TRUE"},
    "$A$7": {"textUnescaped": "FALSE"},
    "$A$9": {"textUnescaped": "true"},
    "$A$11": {"textUnescaped": "False"},
    "$B$11": {"textUnescaped": "\"False\" preceded by single quote", **verdana},
})
check("type-me.json", "numeric_coercion", (8, 2), {
    "$A$5": {"textUnescaped": "12/23/2014"},
    "$A$6": {"textUnescaped": "123456"},
    "$A$7": {"textUnescaped": "123456"},
})
check("type-me.json", "date_coercion", (8, 2), {
    "$A$3": {"textUnescaped": "5/23/2016"},
    "$A$4": {"textUnescaped": "04/28/2016 11:30:00 AM"},
    "$A$7": {"textUnescaped": "4.3"},
    "$A$8": {"textUnescaped": "39448"},
})
check("type-me.json", "text_coercion", (7, 2), {
    "$A$5": {"textUnescaped": "1.3", **verdana},
    "$A$6": {"textUnescaped": "9/24/2016"},
    "$A$7": {"textUnescaped": "36436153"},
})

# r-cran-openxlsx: openxlsx/extdata/loadThreadComment.xlsx, Excel 16 for Mac: a note on A1, hidden
# as notes are, so the shapes pass sends nothing for it.
check("loadThreadComment.json", None, (1, 1), {"$A$1": {"textUnescaped": "comment", **calibri12}}, shapes=0)

# r-cran-openxlsx: openxlsx/extdata/ColorTabs3.xlsx, Excel Online: Calibri 11 and a hidden sheet,
# which cannot be made active.
calibri11 = {"fontName": "Calibri", "fontSize": 11.0}
check("ColorTabs3.json", "Nums", (2, 2), {"$A$1": {"textUnescaped": "1", **calibri11}, "$B$2": {"textUnescaped": "4"}})
check("ColorTabs3.json", "Chars", (2, 2), {"$A$1": {"textUnescaped": "a"}, "$B$2": {"textUnescaped": "d"}})
events, code, errors = run("ColorTabs3.json", "hidden")
if code == 0 or events or "cannot be activated" not in errors:
    failures.append(f"ColorTabs3 hidden: exit {code}, {len(events)} lines, {errors!r}")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
