#!/usr/bin/python3
"""Checks the Japanese date (wareki) of every day the JSON calendar gives against
the truth derived here, independently, from the era start days and the months
of the old calendar.

Usage: check_wareki.py CLI FOLDER ERA_STARTS_CSV KYUREKI_CSV

The years checked are every year of 445..2030 in which an era or reign count
starts on either court's line, with the years before and after, and every 7th
year besides."""

import bisect
import csv
import datetime
import json
import subprocess
import sys

cli, folder, era_csv, kyureki_csv = sys.argv[1:5]
GREGORIAN_FROM = datetime.date(1873, 1, 1).toordinal() + 1721425  # JDN of 1873-01-01


def jdn_of(iso):
    sign = -1 if iso.startswith("-") else 1
    y, m, d = iso.lstrip("-+").split("-")
    y = sign * int(y)
    # Days from civil (proleptic Gregorian), for any year.
    y -= m in ("01", "02")
    era = (y if y >= 0 else y - 399) // 400
    yoe = y - era * 400
    mp = (int(m) + 9) % 12
    doy = (153 * mp + 2) // 5 + int(d) - 1
    return era * 146097 + yoe * 365 + yoe // 4 - yoe // 100 + doy - 719468 + 2440588


# The old calendar: day -> (lunar year, month, leap, day).
months = []
with open(kyureki_csv, encoding="utf-8") as f:
    for row in csv.DictReader(f):
        leap = row["month"].startswith("閏")
        months.append((int(row["start_jdn"]), int(row["days"]), int(row["year"]), int(row["month"].lstrip("閏")), leap))


def old_date(jdn):
    lo, hi = 0, len(months) - 1
    while lo < hi:
        mid = (lo + hi + 1) // 2
        if months[mid][0] <= jdn:
            lo = mid
        else:
            hi = mid - 1
    start, days, year, month, leap = months[lo]
    if not start <= jdn < start + days:
        return None
    return year, month, leap, jdn - start + 1


starts = []
with open(era_csv, encoding="utf-8") as f:
    for row in csv.DictReader(f):
        starts.append(row)
first_year = {}
for row in starts:
    if row["name"] in first_year:
        continue
    if row["first_old"]:
        first_year[row["name"]] = int(row["first_old"].split("-")[0])
    else:
        first_year[row["name"]] = int(row["first_gregorian"].lstrip("-+").split("-")[0]) * (
            -1 if row["first_gregorian"].startswith("-") else 1)


on_line = {line: [r for r in starts if r["line"] in ("both", line)] for line in ("north", "south")}
firsts = {line: [int(r["first_jdn"]) for r in rows] for line, rows in on_line.items()}


def in_force(jdn, line):
    i = bisect.bisect_right(firsts[line], jdn)
    return on_line[line][i - 1] if i else None


def expected(jdn, iso):
    dates = []
    for line, court in (("north", "北朝"), ("south", "南朝")):
        row = in_force(jdn, line)
        if row is None:
            continue
        if jdn >= GREGORIAN_FROM:
            y, m, d = iso.split("-")
            year, month, leap, day = int(y) - first_year[row["name"]] + 1, int(m), False, int(d)
        else:
            old = old_date(jdn)
            if old is None:
                return None  # before the table's first month: the months are reckoned
            year = old[0] - first_year[row["name"]] + 1
            month, leap, day = old[1], old[2], old[3]
        dates.append({"court": court, "era": row["name"], "kind": row["kind"], "year": year,
                      "month": month, "leap": leap, "day": day})
    if len(dates) == 2 and {k: v for k, v in dates[0].items() if k != "court"} == \
            {k: v for k, v in dates[1].items() if k != "court"}:
        dates = dates[:1]
        dates[0]["court"] = None
    return dates


change_years = set()
for row in starts:
    y = int(row["first_gregorian"].lstrip("-+").split("-")[0])
    if 445 <= y <= 2030 and not row["first_gregorian"].startswith("-"):
        change_years.update({y - 1, y, y + 1})
years = sorted((change_years | set(range(445, 2031, 7))) & set(range(445, 2031)))

out = subprocess.run([cli, "--folder", folder, "--format", "json", "--stdout"] + [str(y) for y in years],
                     check=True, capture_output=True, text=True).stdout
checked = wrong = 0
for line in out.splitlines():
    doc = json.loads(line)
    for day in doc["days"]:
        jdn = jdn_of(day["date"])
        want = expected(jdn, day["date"])
        if want is None:
            continue
        got = [{k: v for k, v in w.items() if k != "text"} for w in day["wareki"]]
        checked += 1
        if got != want:
            wrong += 1
            if wrong <= 10:
                print("FAIL:", day["date"], "got", got, "want", want)
print(f"wareki: {checked} days of {len(years)} years checked, {wrong} wrong")
sys.exit(1 if wrong else 0)
