#!/usr/bin/env python3
"""The runner prints each message as the receiver gets it, JSON lines alone on standard output.

Usage: stream_test.py <import_demo> <fixtures folder>
1. A long import (45,000 cells) has printed its first lines while it still runs, and a run that
   is killed keeps every line it printed, each a whole JSON object.
2. The add-in's own diagnostic lines (about saving pictures) go to standard error.
"""
import json
import os
import subprocess
import sys
import tempfile

runner, fixtures = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
failures = []

rows = [[r * 150 + c for c in range(150)] for r in range(300)]
with tempfile.TemporaryDirectory() as folder:
    book = os.path.join(folder, "long.json")
    with open(book, "w") as f:
        json.dump({"sheets": [{"name": "Long", "blocks": [{"at": "A1", "rows": rows}]}]}, f)
    run = subprocess.Popen([runner, book, "--command", "worksheet"], stdout=subprocess.PIPE,
                           stderr=subprocess.DEVNULL, text=True)
    first = [run.stdout.readline() for _ in range(3)]
    if run.poll() is not None:
        failures.append("the import had ended before its first lines were read")
    run.kill()
    rest = run.stdout.read()
    run.wait()
    lines = first + rest.splitlines(keepends=True)
    if json.loads(first[0]) != {"event": "table", "rows": 300, "columns": 150}:
        failures.append("first line: " + first[0])
    cells = 0
    for line in lines:
        if not line.endswith("\n"):
            failures.append("a line cut short: " + line[:80])
            continue
        cells += json.loads(line)["event"] == "cell"
    if cells < 2 or cells >= 45000:
        failures.append(f"{cells} cells printed before the kill")

options = {"current": {"ImportObj": 0x17F}, "product": {"ImportObj": 0x17F}}
with tempfile.TemporaryDirectory() as folder:
    path = os.path.join(folder, "options.json")
    with open(path, "w") as f:
        json.dump(options, f)
    done = subprocess.run([runner, os.path.join(fixtures, "shapes.json"), "--options", path,
                           "--command", "worksheet"], capture_output=True, text=True, cwd=folder)
    if done.returncode != 0:
        failures.append("shapes run failed: " + done.stderr)
    events = [json.loads(line)["event"] for line in done.stdout.splitlines()]
    if events.count("shape") == 0 or events[-1] != "result":
        failures.append("shapes run: no shapes or no result line")
    if "Prepare to save the pricture" not in done.stderr:
        failures.append("the picture diagnostics did not reach standard error")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
