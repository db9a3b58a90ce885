#!/usr/bin/python3
"""Checks that the five outputs of the true basis (the page, the data CSV,
iCalendar, JSON and --date) give every day of each year the same names: the
holiday, the solar term, the 雑節 and 節句, the 選日, the 六曜, the 干支 and (but on the
page, which times it in the lunar cell) the phase of the Moon; and that
every name is one of the name table's (src/output/names.h and .cpp,
src/data/builtin_tables.cpp) or the holiday law file's.

Usage: check_names.py CLI FOLDER SOURCE_DIR YEAR...
FOLDER holds the data files; the calendars are written there."""

import csv
import html.parser
import json
import os
import re
import subprocess
import sys

cli, folder, src = sys.argv[1:4]
years = sys.argv[4:]
TIME = re.compile(r" \d{1,2}:\d\d$")
FIELDS = ("holiday", "term", "marks", "senjitsu", "rokuyo", "kanshi", "phase")


def calendar_file(year, extension):
    """The file of the year: "2024年カレンダー.csv", or with a blank in front as the files were once named."""
    for name in (f"{year}年カレンダー{extension}", f" {year}年カレンダー{extension}"):
        if os.path.exists(os.path.join(folder, name)):
            return os.path.join(folder, name)
    raise SystemExit(f"FAIL: no calendar file of {year} ({extension}) in {folder}")


def run(*args):
    return subprocess.run([cli, "--folder", folder, *args], check=True, capture_output=True, text=True).stdout


def day(holiday=None, term=None, marks=(), senjitsu=(), rokuyo=None, kanshi=None, phase=None):
    return {"holiday": holiday or None, "term": term or None, "marks": sorted(marks),
            "senjitsu": sorted(senjitsu), "rokuyo": rokuyo, "kanshi": kanshi, "phase": phase or None}


def listed(text):
    return [TIME.sub("", x) for x in text.split("・")] if text else []


def from_json(year):
    out = {}
    for d in json.loads(run("--format", "json", "--stdout", year))["days"]:
        out[d["date"]] = day(d["holiday"] and d["holiday"]["name"], d["term"] and d["term"]["name"],
                             d["zassetsu"] + d["festivals"], d["senjitsu"], d["rokuyo"], d["sexagenary"],
                             d.get("moon_phase") and d["moon_phase"]["name"])
    return out


def from_csv(year):
    run("--format", "csv", year)
    with open(calendar_file(year, ".csv"), encoding="utf-8-sig", newline="") as f:
        return {r["日付"]: day(r["祝日"], r["二十四節気"], listed(r["雑節"]) + listed(r["節句"]), listed(r["選日"]),
                             r["六曜"], r["干支"], r.get("月相")) for r in csv.DictReader(f)}


def from_ics(year):
    text = run("--format", "ics", "--ics-include", "rokuyo,senjitsu", "--stdout", year).replace("\n ", "")
    out = {}
    for event in text.split("BEGIN:VEVENT")[1:]:
        props = dict(line.split(":", 1) for line in event.split("\n") if ":" in line)
        start = props["DTSTART;VALUE=DATE"]
        d = out.setdefault(f"{start[:4]}-{start[4:6]}-{start[6:]}", day())
        # The description ends with the day's 六曜 and 干支: "... 赤口 甲子の日".
        d["rokuyo"], kanshi = props["DESCRIPTION"].split("\\n")[-1].split(" ")[-2:]
        d["kanshi"] = kanshi.removesuffix("の日")
        name, category = TIME.sub("", props["SUMMARY"]), props["CATEGORIES"]
        if category in ("祝日", "祝祭日"): d["holiday"] = name
        elif category == "二十四節気": d["term"] = name
        elif category in ("雑節", "節句"): d["marks"] = sorted(d["marks"] + [name])
        elif category == "選日": d["senjitsu"] = sorted(d["senjitsu"] + [name])
        elif category == "朔弦望": d["phase"] = name
    return out


def from_date(dates):
    out = {}
    args = [a for d in dates for a in ("--date", d)]
    for block in run(*args).strip().split("\n\n"):
        f = dict(line.split("：", 1) for line in block.split("\n"))
        iso = f["日付"].split("（")[0]
        out[iso] = day(f.get("祝日") or f.get("祝祭日"), f.get("二十四節気") and TIME.sub("", f["二十四節気"]),
                       listed(f.get("雑節")) + listed(f.get("節句")), listed(f.get("選日")), f["六曜"], f["干支"],
                       f.get("朔弦望") and TIME.sub("", f["朔弦望"]))
    return out


class PageCells(html.parser.HTMLParser):
    """The text of each day row's cells, by class; <time> texts left out."""

    def __init__(self):
        super().__init__()
        self.rows, self.cell, self.skip = [], None, 0

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if tag == "tr" and "day" in (a.get("class") or "").split(): self.rows.append({})
        elif tag == "td" and self.rows: self.cell = a.get("class")
        elif tag == "time" or (tag == "span" and a.get("class") in ("instant", "kou", "month-sign")): self.skip += 1
        elif tag == "span" and a.get("class") == "marks" and self.cell: self.cell = "marks"

    def handle_endtag(self, tag):
        if tag in ("time", "span") and self.skip: self.skip -= 1
        elif tag == "td": self.cell = None

    def handle_data(self, data):
        if self.cell and not self.skip:
            self.rows[-1][self.cell] = self.rows[-1].get(self.cell, "") + data


def brackets(text):
    """The top-level full-width bracketed parts: "（入梅）（土用丑（うし））" -> 入梅, 土用丑（うし）."""
    parts, depth, start = [], 0, 0
    for i, c in enumerate(text):
        if c == "（":
            depth += 1
            if depth == 1: start = i + 1
        elif c == "）":
            depth -= 1
            if depth == 0: parts.append(text[start:i].strip())
    return parts, text[:text.find("（")] if "（" in text else text


def from_page(year, dates):
    run("--format", "htm", year)
    parser = PageCells()
    with open(calendar_file(year, ".htm"), encoding="utf-8") as f:
        parser.feed(f.read())
    out = {}
    for iso, row in zip(dates, parser.rows):
        parts, lead = brackets(row.get("note", ""))
        term = lead.strip() or None
        if term: parts = parts[1:]  # the term's month and kind, "（1月節気）"
        holiday = row.get("holiday", "").split(" ")[-1]  # after the Julian date before 1582
        out[iso] = day(holiday, term, parts, listed(row.get("senjitsu", "").strip()) + listed(row.get("marks", "")),
                       row.get("rokuyo"), row.get("kanshi"))
    return out, len(parser.rows)


def table_names():
    text = ""
    for path in ("src/output/names.h", "src/output/names.cpp", "src/data/builtin_tables.cpp"):
        with open(os.path.join(src, path), encoding="utf-8") as f:
            text += f.read()
    # String literals, read past character literals and escapes.
    names = set(re.findall(r"'(?:[^'\\]|\\.)'|\"((?:[^\"\\]|\\.)*)\"", text)) - {""}
    names |= {n.split("(")[0] for n in names}  # the term names before their month and kind
    with open(os.path.join(src, "data/holiday_law.dat"), encoding="utf-8") as f:
        names |= {line.split()[-1] for line in f if line[:1].isdigit()}
    return names


known = table_names()
failures = checked = 0
for year in years:
    reference = from_json(year)
    dates = sorted(reference, key=lambda iso: (iso.startswith("-"), iso))
    page, rows = from_page(year, dates)
    others = {"page": page, "csv": from_csv(year), "ics": from_ics(year), "date": from_date(dates)}
    if rows != len(dates):
        print(f"FAIL {year}: the page has {rows} day rows, the JSON {len(dates)} days")
        failures += 1
    for iso in dates:
        want = reference[iso]
        for field in FIELDS:
            values = want[field] if isinstance(want[field], list) else [want[field]]
            unknown = [v for v in values if v and v not in known and not (field == "kanshi" and len(v) == 2)]
            if unknown:
                print(f"FAIL {iso} json {field}: {unknown} not in the name table")
                failures += 1
            for output, days in others.items():
                if field == "phase" and output == "page": continue  # the page times its phases in the lunar cell
                # iCalendar has no event for a day without one; the day line names its 六曜 and 干支 then only.
                got = days.get(iso, day(rokuyo=want["rokuyo"], kanshi=want["kanshi"]))[field]
                checked += 1
                if got != want[field]:
                    print(f"FAIL {iso} {field}: json {want[field]!r}, {output} {got!r}")
                    failures += 1
print(f"{checked} names compared across the page, CSV, iCalendar and --date against JSON for {' '.join(years)}: "
      f"{failures} differences")
sys.exit(1 if failures else 0)
