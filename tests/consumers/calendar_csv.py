"""The CSV calendar file read back into plain values, as the reference the
iCalendar and JSON checks compare with. The CSV is the older, golden-tested
output; its day rows are what the other formats must agree with. Both layouts
are read: the classic basis's (title rows, then a header beginning 西暦年) and
the true basis's data table (one header row beginning 日付, ISO dates)."""

import csv
import re

FESTIVALS = {"七草", "桃の節句", "端午の節句", "七夕", "お盆", "月遅れの盆", "月遅れの七夕", "菊の節句"}
SENJITSU = ("天赦日", "一粒万倍日", "不成就日", "三りんぽう")
TERM = re.compile(r"^(..)\((\d+)月(節気|中気)\)")


def csv_name(year, classic=False):
    """The file name the program gives the CSV of a year (user numbering): the
    classic basis keeps a leading blank before a positive year."""
    return ("" if year < 0 or not classic else " ") + f"{year}年カレンダー.csv"


def read(path):
    """The year (user numbering), its era lines and its days, from a CSV calendar.
    The data table has no era lines: its days carry their Japanese dates."""
    with open(path, encoding="utf-8-sig", newline="") as f:
        rows = list(csv.reader(f))
    if rows and rows[0] and rows[0][0] == "日付":
        days = [parse_data_day(dict(zip(rows[0], r))) for r in rows[1:]]
        if not days:
            raise ValueError(f"{path}: no day rows")
        return days[0]["year"], [], days
    header = next(i for i, r in enumerate(rows) if r and r[0] == "西暦年")
    eras = [r[0] for r in rows[1:header]]
    days = [parse_day(r) for r in rows[header + 1:]]
    if not days:
        raise ValueError(f"{path}: no day rows")
    return days[0]["year"], eras, days


REKICHU = ("kyusei", "choku", "shuku", "nacchin", "month_sexagenary", "month_kyusei", "kou")


def parse_day(r):
    # The true basis adds the day's Japanese date as a twelfth field (where the year has
    # an era), then the eight fields of the 暦注.
    if len(r) not in (11, 12, 19, 20):
        raise ValueError(f"day row with {len(r)} fields: {r}")
    year = int(r[0].strip().removesuffix("年"))
    day = {
        "year": year,
        "month": int(r[1].removesuffix("月")),
        "day": int(r[2].removesuffix("日")),
        "weekday": r[3].strip("()"),
        "holiday": None,
        "julian": None,
        "rokuyo": r[6],
        "old_leap": r[7].startswith("旧暦閏"),
        "old_month": int(r[7].removeprefix("旧暦").removeprefix("閏").removesuffix("月") or 0) or None,
        "old_day": int(r[8].removesuffix("日")),
        "sexagenary": r[9],
        "senjitsu": [s for s in SENJITSU if s in r[10]],
        "wareki": r[11] if len(r) in (12, 20) else None,
    }
    if len(r) >= 19:
        day["rekichu"] = dict(zip(REKICHU, r[-8:-1]))
        day["senjitsu"] += [s for s in r[-1].split("\u3000") if s]
    if r[4].startswith("JC"):
        m = re.fullmatch(r"JC(\d+)月(\d+)日", r[4])
        day["julian"] = (int(m[1]), int(m[2]))
    elif r[4]:
        day["holiday"] = r[4]
    note = r[5]
    day["term"] = None
    m = TERM.match(note)
    if m:
        day["term"] = {"name": m[1], "month": int(m[2]), "kind": m[3]}
        note = note[m.end():]
    # "(彼岸会)(社日（秋社）)": ASCII brackets around each name (names may hold wide
    # brackets), and 入梅 and 半夏生 in wide brackets of their own.
    names = re.findall(r"\(([^()]*)\)", note)
    rest = re.sub(r"\([^()]*\)", "", note)
    names += re.findall(r"（([^（）]*)）", rest)
    if re.sub(r"（[^（）]*）", "", rest):
        raise ValueError(f"unparsed note {r[5]!r}")
    day["festivals"] = [n for n in names if n in FESTIVALS]
    day["zassetsu"] = [n for n in names if n not in FESTIVALS]
    return day


def iso_parts(text):
    """(year, month, day) of an ISO date with its sign (-0659-02-11, +10000-01-01)."""
    text = text.lstrip("'")
    sign = -1 if text.startswith("-") else 1
    y, m, d = text.lstrip("+-").split("-")
    return sign * int(y), int(m), int(d)


def listed(text):
    return text.split("・") if text else []


def parse_data_day(r):
    """A day row of the data table, keyed by the header's names."""
    year, month, day_of_month = iso_parts(r["日付"])
    day = {
        "year": year if year > 0 else year - 1,  # ISO counts 1 BC as 0
        "month": month,
        "day": day_of_month,
        "weekday": r["曜日"],
        "holiday": r["祝日"].lstrip("'") or None,
        "julian": iso_parts(r["ユリウス暦"])[1:] if r["ユリウス暦"] else None,
        "rokuyo": r["六曜"],
        "old_leap": r["閏"] == "1",
        "old_month": int(r["旧暦の月"]) if r["旧暦の月"] else None,
        "old_day": int(r["旧暦の日"]),
        "sexagenary": r["干支"],
        "senjitsu": listed(r["選日"]),
        "wareki": r["和暦"],
        "term": {"name": r["二十四節気"], "time": r["節気の時刻"] or None} if r["二十四節気"] else None,
        "zassetsu": listed(r["雑節"]),
        "festivals": listed(r["節句"]),
        "moon_age": int(r["月齢"]),
        # The sky's columns at the end: the principal phase of the day, if any.
        "phase": r.get("月相") or None,
    }
    if r["九星"]:
        day["rekichu"] = {k: r[name] for k, name in zip(REKICHU, ("九星", "十二直", "二十八宿", "納音", "節月干支", "月の九星"))}
        day["rekichu"]["kou"] = f"{r['七十二候']} {r['七十二候の時刻']}" if r["七十二候"] else ""
    return day


def old_date(day):
    """The old-calendar date as the events' descriptions write it: 旧暦閏4月12日."""
    return f"旧暦{'閏' if day['old_leap'] else ''}{day['old_month'] or ''}月{day['old_day']}日"
