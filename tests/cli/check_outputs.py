#!/usr/bin/env python3
"""marevo-cli's span outputs checked against each other and against independent readers.

Usage: check_outputs.py CLI FIXTURE_DIR (FIXTURE_DIR holds dt/ and ports.tsv)

- a span is the single days put together (across a year's end and a leap day), for
  extremes and for day;
- --all gives for every port exactly the rows of that port alone;
- CSV datetimes are the date, the time and the port's offset; kinds alternate;
- the iCalendar feed loads in python3-icalendar: one event per high and low water at the
  right UTC instant, one all-day event per day with the day's tidal-range name, unique UIDs;
- the height series peaks where the high and low waters are;
- --below and --daylight keep only low waters below the level between sunrise and sunset;
- the default date is today in JST whatever the machine's time zone;
- --utc writes the same instants in UTC; --next N gives the first N events from now of the
  days from today, and --days alone counts from today (both under a clock fixed by MAREVO_NOW);
- extremes does not load the image libraries.
"""
import csv
import datetime as dt
import io
import json
import os
import subprocess
import sys

import icalendar

CLI, FIXTURE = sys.argv[1], sys.argv[2]
DT = os.path.join(FIXTURE, "dt")
JST = dt.timezone(dt.timedelta(hours=9))
failures = []


def run(*args, env=None):
    out = subprocess.run([CLI, *args], capture_output=True, env=env, check=False)
    if out.returncode != 0:
        raise SystemExit(f"{args}: exit {out.returncode}: {out.stderr.decode()}")
    return out.stdout.decode("utf-8"), out.stderr.decode("utf-8")


def check(condition, what):
    if not condition:
        failures.append(what)


def days(first, count):
    d = dt.date.fromisoformat(first)
    return [(d + dt.timedelta(days=i)).isoformat() for i in range(count)]


# A span is the single days put together.
for port, first, count in [("24尾鷲", "2026-12-29", 6), ("owase", "2028-02-27", 4), ("01江差", "2026-06-20", 3)]:
    span = json.loads(run("extremes", "--dt", DT, "--port", port, "--from", first, "--days", str(count), "--json")[0])
    check([d["date"] for d in span["days"]] == days(first, count), f"{port} span dates")
    for d in span["days"]:
        single = json.loads(run("extremes", "--dt", DT, "--port", port, "--date", d["date"], "--json")[0])
        check(single["extremes"] == d["events"], f"{port} {d['date']}: span {d['events']} single {single['extremes']}")
        check(single["days"] == [d], f"{port} {d['date']}: a single date is a span of one day")

# day over a span: the texts of the single days, a blank line between; in JSON the single
# days' objects without station and port, under the station and port of the span.
for port, first, count in [("24尾鷲", "2027-12-30", 4), ("01江差", "2028-02-28", 2)]:
    singles = [run("day", "--dt", DT, "--port", port, "--date", d)[0] for d in days(first, count)]
    span = run("day", "--dt", DT, "--port", port, "--from", first, "--days", str(count))[0]
    check(span == "\n".join(singles), f"day {port} from {first}: text of the single days")
    span = json.loads(run("day", "--dt", DT, "--port", port, "--from", first, "--days", str(count), "--json")[0])
    last = days(first, count)[-1]
    check((span["from"], span["to"]) == (first, last), f"day {port} span ends")
    for d, date in zip(span["days"], days(first, count)):
        single = json.loads(run("day", "--dt", DT, "--port", port, "--date", date, "--json")[0])
        check(single.pop("station") == span["station"] and single.pop("port") == span["port"], "station")
        check(single == d, f"day {port} {date}: span {d} single {single}")
    check(len(span["days"]) == count, f"day {port}: {count} days")

# CSV: header, datetimes rebuilt from date and time, kinds alternating.
text = run("extremes", "--dt", DT, "--port", "24尾鷲", "--from", "2026-12-01", "--to", "2026-12-31", "--csv")[0]
rows = list(csv.DictReader(io.StringIO(text)))
check(text.splitlines()[0] == "port,date,time,datetime,height_cm,kind", "CSV header")
check(len(rows) > 100, "CSV rows of a month")
for a, b in zip(rows, rows[1:]):
    check(a["kind"] != b["kind"], f"kinds alternate at {b['datetime']}")
for r in rows:
    check(r["port"] == "24尾鷲", "CSV port column")
    check(r["datetime"] == f"{r['date']}T{r['time']}:00+09:00", f"CSV datetime {r}")
    check(dt.datetime.fromisoformat(r["datetime"]).utcoffset() == dt.timedelta(hours=9), "offset")

# --all: every port's rows are those of the port alone.
all_rows = run("extremes", "--dt", DT, "--all", "--from", "2026-12-30", "--days", "5", "--csv")[0].splitlines()
ports = sorted(f[:-4] for f in os.listdir(DT) if f.upper().endswith(".MV2"))
alone = ["port,date,time,datetime,height_cm,kind"]
for p in ports:
    alone += run("extremes", "--dt", DT, "--port", p, "--from", "2026-12-30", "--days", "5", "--csv")[0].splitlines()[1:]
check(all_rows == alone, "--all equals the ports one by one")

# iCalendar through a real parser.
ics = run("extremes", "--dt", DT, "--port", "24尾鷲", "--from", "2026-12-06", "--days", "3", "--ics")[0]
span = json.loads(run("extremes", "--dt", DT, "--port", "24尾鷲", "--from", "2026-12-06", "--days", "3", "--json")[0])
raw = ics.encode("utf-8")
check(all(len(line) <= 75 for line in raw.split(b"\r\n")), "iCalendar lines within 75 octets")
check(b"\n" not in raw.replace(b"\r\n", b""), "iCalendar lines end in CR LF")
calendar = icalendar.Calendar.from_ical(ics)
events = [c for c in calendar.walk("VEVENT")]
timed = [e for e in events if isinstance(e.decoded("DTSTART"), dt.datetime)]
allday = [e for e in events if not isinstance(e.decoded("DTSTART"), dt.datetime)]
expected = [(dt.datetime.fromisoformat(e["datetime"]), e) for d in span["days"] for e in d["events"]]
check(len(timed) == len(expected), f"{len(timed)} timed events for {len(expected)} extremes")
for event, (when, e) in zip(sorted(timed, key=lambda x: x.decoded("DTSTART")), expected):
    check(event.decoded("DTSTART") == when, f"DTSTART {event.decoded('DTSTART')} for {when}")
    check(f"{e['height']:.1f} cm" in str(event["SUMMARY"]), f"summary {event['SUMMARY']}")
    check(("満潮" if e["kind"] == "high" else "干潮") in str(event["SUMMARY"]), "summary kind")
check(len(allday) == 3, "one all-day event per day")
for event, d in zip(sorted(allday, key=lambda x: x.decoded("DTSTART")), span["days"]):
    check(event.decoded("DTSTART") == dt.date.fromisoformat(d["date"]), "all-day date")
    check(event.decoded("DTEND") - event.decoded("DTSTART") == dt.timedelta(days=1), "all-day length")
    day = json.loads(run("day", "--dt", DT, "--port", "24尾鷲", "--date", d["date"], "--json")[0])
    check(str(event["SUMMARY"]).startswith(day["tide_name"]), f"tidal-range name {event['SUMMARY']}")
uids = [str(e["UID"]) for e in events]
check(len(set(uids)) == len(uids), "unique UIDs")
check(all("DTSTAMP" in e for e in events), "DTSTAMP")

# The series peaks at the high and low waters (within the accuracy of the search on a
# 20-minute grid: a flat high water can lie some minutes off).
series = json.loads(run("heights", "--dt", DT, "--port", "24尾鷲", "--date", "2026-12-07", "--step", "1", "--json")[0])
h = [s["height"] for s in series["heights"]]
check(len(h) == 1440 and series["heights"][1]["datetime"] == "2026-12-07T00:01:00+09:00", "a day in minutes")
day = json.loads(run("extremes", "--dt", DT, "--port", "24尾鷲", "--date", "2026-12-07", "--json")[0])
for e in day["extremes"]:
    m = e["hour"] * 60 + e["minute"]
    window = h[max(0, m - 15):m + 16]
    peak = max(window) if e["kind"] == "high" else min(window)
    at = max(0, m - 15) + window.index(peak)
    check(abs(at - m) <= 10 and abs(peak - e["height"]) <= 0.3, f"series {at} {peak} for {e}")

# Low waters below a level in daylight.
found = json.loads(run("extremes", "--dt", DT, "--port", "24尾鷲", "--from", "2026-06-01", "--days", "30",
                       "--below", "40", "--daylight", "--json")[0])
kept = [(d["date"], e) for d in found["days"] for e in d["events"]]
check(len(kept) > 0, "some daylight low waters below 40 cm in June")
for date, e in kept:
    sun = json.loads(run("day", "--dt", DT, "--port", "24尾鷲", "--date", date, "--json")[0])["sun"]
    t = e["hour"] + e["minute"] / 60
    check(e["kind"] == "low" and e["height"] < 40 and sun["sunrise"] <= t <= sun["sunset"], f"filter {date} {e}")

# Today in JST, whatever the machine's zone.
for zone in ["UTC", "America/Los_Angeles", "Pacific/Kiritimati"]:
    env = dict(os.environ, TZ=zone)
    today = dt.datetime.now(JST).date().isoformat()
    got = json.loads(run("extremes", "--dt", DT, "--port", "24尾鷲", "--json", env=env)[0])["date"]
    check(got == today or dt.datetime.now(JST).date().isoformat() != today, f"default date {got} under TZ={zone}")

# --utc: the same instants, written in UTC, in JSON and CSV.
UTC = dt.timezone.utc
args = ["extremes", "--dt", DT, "--port", "24尾鷲", "--from", "2026-12-31", "--days", "2"]
zoned = json.loads(run(*args, "--json")[0])
in_utc = json.loads(run(*args, "--json", "--utc")[0])
pairs = [(a, b) for x, y in zip(zoned["days"], in_utc["days"]) for a, b in zip(x["events"], y["events"])]
check(len(pairs) > 4, "--utc gives the events")
for a, b in pairs:
    instant = dt.datetime.fromisoformat(a["datetime"]).astimezone(UTC)
    check(b["datetime"] == instant.strftime("%Y-%m-%dT%H:%M:%SZ"), f"--utc {b['datetime']} for {a['datetime']}")
    check(b["time"] == instant.strftime("%H:%M") and b["height"] == a["height"], f"--utc {b}")
for r in csv.DictReader(io.StringIO(run(*args, "--csv", "--utc")[0])):
    check(r["datetime"] == f"{r['date']}T{r['time']}:00Z", f"--utc CSV {r}")
table = ["table", "--dt", DT, "--port", "24尾鷲", "--date", "2026-12-31", "--csv"]
for a, b in zip(csv.DictReader(io.StringIO(run(*table)[0])), csv.DictReader(io.StringIO(run(*table, "--utc")[0]))):
    instant = dt.datetime.fromisoformat(a["datetime"]).astimezone(UTC)
    check(b["datetime"] == instant.strftime("%Y-%m-%dT%H:%M:%SZ") and b["date"] == instant.date().isoformat(),
          f"table --utc {b['datetime']} for {a['datetime']}")

# --next and --days alone under a fixed clock: 2026-12-31 10:00 UTC is 19:00 JST.
fixed = dict(os.environ, MAREVO_NOW="2026-12-31T10:00:00Z")
now = dt.datetime(2026, 12, 31, 10, 0, tzinfo=UTC)
ahead = json.loads(run("extremes", "--dt", DT, "--port", "24尾鷲", "--from", "2026-12-31", "--days", "4", "--json")[0])
expected = [e for d in ahead["days"] for e in d["events"] if dt.datetime.fromisoformat(e["datetime"]) >= now][:6]
nxt = json.loads(run("extremes", "--dt", DT, "24尾鷲", "--next", "6", "--json", env=fixed)[0])
check([e for d in nxt["days"] for e in d["events"]] == expected, "--next 6: the first six events from now")
check(nxt["from"] == "2026-12-31", f"--next starts today: {nxt['from']}")
later = dict(os.environ, MAREVO_NOW="2026-12-31T15:30:00Z")  # 00:30 JST on New Year's Day
alone = json.loads(run("extremes", "--dt", DT, "24尾鷲", "--days", "2", "--json", env=later)[0])
check([d["date"] for d in alone["days"]] == ["2027-01-01", "2027-01-02"], "--days alone from today in JST")

# No image library at the start of extremes.
loaded = run("extremes", "--dt", DT, "--port", "24尾鷲", "--date", "2026-12-07",
             env=dict(os.environ, LD_DEBUG="libs"))[1]
check("cairo" not in loaded and "pango" not in loaded and "libc.so" in loaded, "extremes loads no image library")

for f in failures:
    print("FAIL:", f)
sys.exit(1 if failures else 0)
