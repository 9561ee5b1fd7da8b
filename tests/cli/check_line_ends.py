#!/usr/bin/env python3
"""The line ends marevo-cli.exe writes into files and pipes.

Usage: check_line_ends.py DT CLI [WRAPPED...]   (CLI may be an emulator and the exe)

- the iCalendar feed is written byte for byte: every line ends in CR LF, never CR CR LF,
  and the file loads in python3-icalendar with one event per high and low water and one
  all-day event per day;
- text, CSV and JSON keep the Windows line end CR LF, one per line.
"""
import datetime as dt
import json
import subprocess
import sys

import icalendar

DT, CLI = sys.argv[1], sys.argv[2:]
PORT = ["--dt", DT, "--port", "24尾鷲"]
failures = []


def run(*args):
    out = subprocess.run([*CLI, *args], capture_output=True, check=False)
    if out.returncode != 0:
        raise SystemExit(f"{args}: exit {out.returncode}: {out.stderr!r}")
    return out.stdout


def check(condition, what):
    if not condition:
        failures.append(what)


ics = run("extremes", *PORT, "--from", "2027-01-01", "--days", "3", "--ics")
check(b"\r\r" not in ics, "no CR CR in the iCalendar file")
check(ics.endswith(b"END:VCALENDAR\r\n") and ics.count(b"\n") == ics.count(b"\r\n"), "iCalendar lines end in CR LF")
events = list(icalendar.Calendar.from_ical(ics).walk("VEVENT"))
span = json.loads(run("extremes", *PORT, "--from", "2027-01-01", "--days", "3", "--json"))
timed = [e for e in events if isinstance(e.decoded("DTSTART"), dt.datetime)]
check(len(timed) == sum(len(d["events"]) for d in span["days"]), f"{len(timed)} timed events")
check(len(events) - len(timed) == 3, "one all-day event per day")

for form in [[], ["--csv"], ["--json"]]:
    out = run("extremes", *PORT, "--from", "2027-01-01", "--days", "3", *form)
    lines = out.count(b"\n")
    check(lines > 0 and out.count(b"\r\n") == lines and b"\r\r" not in out, f"{form or 'text'}: CR LF line ends")

for f in failures:
    print("FAIL:", f)
sys.exit(1 if failures else 0)
