#!/usr/bin/python3
"""Validates JSON calendar documents against the published schema with the
jsonschema library and compares each with the CSV calendar of its year, day by
day.

Usage: check_json.py SCHEMA CSV_FOLDER FILE...

A FILE holds one document, a JSON array of documents, or JSON Lines (one
document a line). Each document's year must have its CSV file in CSV_FOLDER,
named as the program names it ("2024年カレンダー.csv", classic " 2024年カレンダー.csv")."""

import datetime
import json
import os
import sys
import warnings

import jsonschema

import calendar_csv

warnings.simplefilter("error")

WEEKDAYS = "日月火水木金土"


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def documents(path):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    if text.startswith("\ufeff"):
        text = text[1:]
    try:
        value = json.loads(text)
        return value if isinstance(value, list) else [value]
    except json.JSONDecodeError:
        return [json.loads(line) for line in text.splitlines() if line.strip()]


def era_line(era):
    return f"{era['era']}{era['year_of_era']}年({era['period']}){era['emperor']}"


def compare_day(where, doc_day, d, astronomical_year):
    def expect(field, got, want):
        if got != want:
            fail(f"{where} {field}: JSON {got!r}, CSV {want!r}")

    iso = f"{astronomical_year:04d}" if 0 <= astronomical_year <= 9999 else f"{astronomical_year:+05d}"
    expect("date", doc_day["date"], f"{iso}-{d['month']:02d}-{d['day']:02d}")
    expect("weekday", doc_day["weekday"], d["weekday"])
    if d["julian"]:
        julian = doc_day["julian_date"]
        expect("julian date", julian and tuple(int(x) for x in julian.rsplit("-", 2)[1:]), d["julian"])
    holiday = doc_day["holiday"]
    if d["julian"] is None:  # the CSV shows holidays only where it shows no Julian date
        expect("holiday", holiday and holiday["name"], d["holiday"])
    term = doc_day["term"]
    # The classic CSV names the term's month and kind, the data table its time.
    expect("term", term and {k: term[k] for k in (d["term"] or {})}, d["term"])
    # The data table's 月齢 is the old-calendar day count; the JSON's (version 2) the
    # age at noon, which is less than that count by well under two days (or, on the
    # day of a new moon after noon, still the last lunation's, near 29.5).
    if "moon_age" in d and doc_day["moon_age"] is not None and d["moon_age"] > 0:
        lag = d["moon_age"] - doc_day["moon_age"]
        if not (-1.0 <= lag <= 2.0 or -1.0 <= lag + 29.6 <= 2.5):
            fail(f"{where} 月齢: JSON {doc_day['moon_age']!r}, CSV day count {d['moon_age']!r}")
    expect("雑節", doc_day["zassetsu"], d["zassetsu"])
    expect("festivals", doc_day["festivals"], d["festivals"])
    expect("選日", doc_day["senjitsu"], d["senjitsu"])
    if d["wareki"] is not None:
        expect("和暦", "・".join((w["court"] + " " if w["court"] else "") + w["text"] for w in doc_day["wareki"]),
               d["wareki"])
    expect("六曜", doc_day["rokuyo"], d["rokuyo"])
    old = doc_day["old_calendar"]
    expect("old calendar", (old["month"], old["leap"], old["day"]), (d["old_month"], d["old_leap"], d["old_day"]))
    expect("干支", doc_day["sexagenary"], d["sexagenary"])
    if "rekichu" in d:
        kou = doc_day["kou"]
        got = {k: doc_day[k] or "" for k in calendar_csv.REKICHU if k != "kou"}
        got["kou"] = f"{kou['name']} {kou['time']}" if kou else ""
        expect("暦注", got, d["rekichu"])
    else:
        expect("暦注 of the classic basis", [k for k in calendar_csv.REKICHU if k in doc_day], [])


def main(argv):
    with open(argv[1], encoding="utf-8") as f:
        schema = json.load(f)
    validator = jsonschema.Draft202012Validator(schema, format_checker=jsonschema.Draft202012Validator.FORMAT_CHECKER)
    folder, files = argv[2], argv[3:]
    count = 0
    for path in files:
        for doc in documents(path):
            errors = sorted(validator.iter_errors(doc), key=lambda e: list(e.path))
            if errors:
                e = errors[0]
                fail(f"{path}: {len(errors)} schema violations; first at {'/'.join(map(str, e.path))}: {e.message}")
            year = doc["year"]
            csv_path = os.path.join(folder, calendar_csv.csv_name(year, doc["basis"] == "classic"))
            csv_year, eras, days = calendar_csv.read(csv_path)
            if csv_year != year:
                fail(f"{csv_path} holds {csv_year}, not {year}")
            if doc["astronomical_year"] != (year + 1 if year < 0 else year):
                fail(f"{year}: astronomical year {doc['astronomical_year']}")
            # The true basis names the Japanese years in a line of their own, then each
            # court's period and emperor.
            if not eras:  # the data table: its days carry the Japanese dates
                lines = []
            elif eras[0].startswith("和暦："):
                lines = [f"({e['period']}){e['emperor']}" for e in doc["eras"]]
                eras = eras[1:]
            else:
                lines = [era_line(e) for e in doc["eras"]]
            if lines != eras:
                fail(f"{year}: eras {lines}, CSV {eras}")
            if len(doc["days"]) != len(days):
                fail(f"{year}: {len(doc['days'])} days, the CSV {len(days)}")
            for doc_day, d in zip(doc["days"], days):
                compare_day(f"{year}-{d['month']}-{d['day']}", doc_day, d, doc["astronomical_year"])
            count += 1
    if count == 0:
        fail("no documents")
    print(f"ok: {count} documents valid and equal to their CSV files day by day")


if __name__ == "__main__":
    main(sys.argv)
