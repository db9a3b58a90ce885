#!/usr/bin/python3
"""Reads the cells of a spreadsheet that LibreOffice Calc made from a data-table
CSV file (content.xml of the .ods) and checks their types as Calc took them.

Usage: check_ods.py FILE.ods DAYS [COLUMN=TEXT ...]

Fails unless the first row holds the header names as text, there are DAYS day
rows, every 日付 cell is of date type, every filled cell of a number column is a
float (of a time column a time), and each COLUMN=TEXT names a text some cell of that column holds exactly
(Japanese read back intact)."""

import sys
import zipfile
import xml.etree.ElementTree as ET

TABLE = "{urn:oasis:names:tc:opendocument:xmlns:table:1.0}"
OFFICE = "{urn:oasis:names:tc:opendocument:xmlns:office:1.0}"
NUMBER_COLUMNS = {"旧暦の月": "float", "閏": "float", "旧暦の日": "float", "月齢": "float", "節気の時刻": "time",
                  "七十二候の時刻": "time", "朔の時刻": "time"}


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def rows(path):
    with zipfile.ZipFile(path) as ods:
        root = ET.fromstring(ods.read("content.xml"))
    for row in root.iter(TABLE + "table-row"):
        cells = []
        for cell in row.findall(TABLE + "table-cell"):
            repeat = int(cell.get(TABLE + "number-columns-repeated", "1"))
            cells += [(cell.get(OFFICE + "value-type"), "".join(cell.itertext()))] * min(repeat, 64)
        yield cells


def main(argv):
    path, days, wanted = argv[1], int(argv[2]), argv[3:]
    table = [r for r in rows(path) if any(t for t, _ in r)]
    header = [text for _, text in table[0]]
    if header[0] != "日付" or any(t != "string" for t, _ in table[0]):
        fail(f"{path}: header {header[:4]}")
    body = table[1:]
    if len(body) != days:
        fail(f"{path}: {len(body)} day rows, not {days}")
    column = {name: i for i, name in enumerate(header)}
    dates = sum(1 for r in body if r[column["日付"]][0] == "date")
    if dates != days:
        fail(f"{path}: {dates} date cells of {days}")
    for name, kind in NUMBER_COLUMNS.items():
        kinds = {r[column[name]][0] for r in body if r[column[name]][1] != ""}
        if kinds != {kind}:
            fail(f"{path}: column {name} has cells of type {kinds}")
    for want in wanted:
        name, text = want.split("=", 1)
        if not any(r[column[name]][1] == text for r in body if column[name] < len(r)):
            fail(f"{path}: no cell {text!r} in column {name}")
    print(f"ok: {path}: {dates} date cells, number columns numeric, {len(wanted)} texts intact")


if __name__ == "__main__":
    main(sys.argv)
