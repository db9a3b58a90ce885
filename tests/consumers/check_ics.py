#!/usr/bin/python3
"""Reads an iCalendar file with the Python icalendar library, as a calendar app
would, and checks it against the CSV calendars of the same years.

Usage: check_ics.py FILE.ics CSV... [--include rokuyo,senjitsu,kou,rekichu]

Fails (exit 1) on any parser warning or defect, on lines that are not CR LF or
longer than 75 octets, on duplicate UIDs, and on any event that the CSV files do
not show or any day's holiday, term, 雑節, festival or old-month start (and 六曜
and 選日 when included) that has no event. Each event's description must hold
the old-calendar date of its day."""

import datetime
import re
import sys
import warnings
from collections import Counter

import icalendar

import calendar_csv

warnings.simplefilter("error")  # a warning of the parser is a failure


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def check_lines(raw):
    if not raw.endswith(b"\r\n"):
        fail("the file does not end in CR LF")
    for n, line in enumerate(raw[:-2].split(b"\r\n"), 1):
        if b"\n" in line or b"\r" in line:
            fail(f"line {n}: a bare line break")
        if len(line) > 75:
            fail(f"line {n}: {len(line)} octets")
        line.decode("utf-8")  # a character cut by the folding raises here


PREWAR_END = datetime.date(1948, 7, 20)
HISTORICAL_END = datetime.date(1873, 1, 1)


def expected_events(days, include):
    """(date, category, summary prefix) of every event the CSV days call for."""
    out = []
    for d in days:
        date = datetime.date(d["year"], d["month"], d["day"])
        if d["holiday"]:
            # The 祝祭日 of the decrees before the holiday law are set apart.
            out.append((date, "祝祭日" if date < PREWAR_END else "祝日", d["holiday"]))
        if d["term"]:
            out.append((date, "二十四節気", d["term"]["name"]))
        out += [(date, "雑節", z) for z in d["zassetsu"]]
        out += [(date, "節句", f) for f in d["festivals"]]
        if d["old_day"] == 1:
            out.append((date, "旧暦", calendar_csv.old_date(d)))
        if d.get("phase"):
            out.append((date, "朔弦望", d["phase"]))
        if "rokuyo" in include:
            out.append((date, "六曜", d["rokuyo"]))
        if "senjitsu" in include:
            out += [(date, "選日", s) for s in d["senjitsu"]]
        r = d.get("rekichu")
        if r and "kou" in include and r["kou"]:
            out.append((date, "七十二候", r["kou"].split(" ")[0]))
        if r and "rekichu" in include:
            out.append((date, "暦注", f"{r['kyusei']} {r['choku']} {r['shuku']}"))
    return out


def main(argv):
    include = set()
    if "--include" in argv:
        i = argv.index("--include")
        include = set(argv[i + 1].split(","))
        del argv[i:i + 2]
    ics_path, csv_paths = argv[1], argv[2:]
    with open(ics_path, "rb") as f:
        raw = f.read()
    check_lines(raw)
    calendar = icalendar.Calendar.from_ical(raw)
    for component in calendar.walk():
        if component.errors:
            fail(f"{component.name}: {component.errors}")
    for prop in ("PRODID", "VERSION", "CALSCALE", "X-WR-CALNAME", "X-WR-TIMEZONE"):
        if prop not in calendar:
            fail(f"no {prop}")

    days, old_dates = [], {}
    for path in csv_paths:
        _, _, year_days = calendar_csv.read(path)
        days += year_days
        for d in year_days:
            old_dates[datetime.date(d["year"], d["month"], d["day"])] = calendar_csv.old_date(d)

    found, uids = [], Counter()
    for event in calendar.walk("VEVENT"):
        uids[str(event["UID"])] += 1
        for prop in ("DTSTAMP", "DTSTART", "DTEND", "SUMMARY", "CATEGORIES"):
            if prop not in event and not (prop == "DTEND" and "DURATION" in event):
                fail(f"{event.get('UID')}: no {prop}")
        start = event.decoded("DTSTART")
        if type(start) is not datetime.date:
            fail(f"{event['UID']}: not an all-day event")
        if "DTEND" in event and event.decoded("DTEND") != start + datetime.timedelta(days=1):
            fail(f"{event['UID']}: does not last one day")
        categories = event["CATEGORIES"]
        categories = [str(c) for c in (categories if isinstance(categories, list) else categories.cats)]
        if len(categories) != 1:
            fail(f"{event['UID']}: categories {categories}")
        summary = str(event["SUMMARY"])
        # Terms and new moons may carry their time (Japan Standard Time).
        name = re.sub(r" (?:\S+ )?\d\d:\d\d$", "", summary)
        # The CSV file has no eclipses: their events are only checked for their form.
        if categories[0] == "日食・月食":
            if not re.fullmatch(r"(皆既|金環|金環皆既|部分|半影)(日食|月食) 最大 \d\d:\d\d", summary):
                fail(f"{event['UID']}: eclipse summary {summary!r}")
        elif categories[0] == "天文朔":
            # The true sky's new moons of the years of the historical calendars,
            # which the CSV does not show.
            if start >= HISTORICAL_END or not re.fullmatch(r"天文朔 \d\d:\d\d", summary):
                fail(f"{event['UID']}: {start} {summary!r}")
        else:
            found.append((start, categories[0], name))
        if start not in old_dates:
            fail(f"{event['UID']}: {start} is in none of the CSV years")
        if old_dates[start] not in str(event.get("DESCRIPTION", "")):
            fail(f"{event['UID']}: description {str(event.get('DESCRIPTION'))!r} lacks {old_dates[start]}")
    duplicates = [u for u, n in uids.items() if n > 1]
    if duplicates:
        fail(f"duplicate UIDs {duplicates[:5]}")

    expected = Counter(expected_events(days, include))
    got = Counter(found)
    missing, extra = expected - got, got - expected
    if missing or extra:
        fail(f"events missing: {sorted(missing)[:8]}; events the CSV does not show: {sorted(extra)[:8]}")
    kinds = Counter(c for _, c, _ in found)
    print(f"ok: {ics_path}: {sum(kinds.values())} events ({', '.join(f'{k} {n}' for k, n in sorted(kinds.items()))}), "
          f"{len(days)} days agree with the CSV")


if __name__ == "__main__":
    main(sys.argv)
