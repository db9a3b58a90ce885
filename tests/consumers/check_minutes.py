#!/usr/bin/python3
"""The printed minutes of the true sky against a computation of their own: every
solar term and new moon of the JSON documents given (ventorel-cli --format json
--stdout FIRST..LAST), solved again with PyEphem and rounded to the nearest
minute here.

PyEphem gives the Sun's and the Moon's apparent places. Two of its constants are
brought to the present ones for the Sun: the aberration follows the Earth's
distance of the moment (PyEphem takes it constant: a third of an arcsecond, eight
seconds of time, in the course of the year), and the precession in longitude is
slowed by 0.29965" a century (IAU 2000; PyEphem's is IAU 1976's: seven seconds of
time a century from 2000). Its instants are taken back to Terrestrial Time with
PyEphem's own Delta T and then to JST with the Espenak-Meeus polynomials the
program uses, so that only the sky is compared. PyEphem then agrees with the
program to about 5 s at a term and 27 s at a new moon (its Moon is the rougher):
a minute may differ only for an event that lies within that much of a half
minute, and a day only for one within that much of midnight. The differing
events are counted and printed.

Usage: check_minutes.py FILE"""

import datetime
import json
import math
import sys

import ephem

TOLERANCE = {"term": 5.0, "new moon": 27.0}  # seconds
TERMS = ["春分", "清明", "穀雨", "立夏", "小満", "芒種", "夏至", "小暑", "大暑", "立秋", "処暑", "白露",
         "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至", "小寒", "大寒", "立春", "雨水", "啓蟄"]
EPHEM_JD = 2415020.0  # ephem.Date(0) is 1899-12-31 12:00, JD 2415020.0


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def delta_t(y):
    """Espenak-Meeus Delta T (seconds) for 1900-2150, y a decimal year."""
    if y < 1920:
        t = y - 1900
        return -2.79 + 1.494119 * t - 0.0598939 * t**2 + 0.0061966 * t**3 - 0.000197 * t**4
    if y < 1941:
        t = y - 1920
        return 21.20 + 0.84493 * t - 0.076100 * t**2 + 0.0020936 * t**3
    if y < 1961:
        t = y - 1950
        return 29.07 + 0.407 * t - t**2 / 233 + t**3 / 2547
    if y < 1986:
        t = y - 1975
        return 45.45 + 1.067 * t - t**2 / 260 - t**3 / 718
    if y < 2005:
        t = y - 2000
        return 63.86 + 0.3345 * t - 0.060374 * t**2 + 0.0017275 * t**3 + 0.000651814 * t**4 + 0.00002373599 * t**5
    if y < 2050:
        t = y - 2000
        return 62.92 + 0.32217 * t + 0.005589 * t**2
    u = (y - 1820) / 100
    return -20 + 32 * u * u - 0.5628 * (2150 - y)


def jst(d):
    """A PyEphem instant (its UT) as a JST datetime in the program's Delta T."""
    jd_tt = d + EPHEM_JD + ephem.delta_t(d) / 86400
    jd_ut = jd_tt - delta_t(2000 + (jd_tt - 2451545) / 365.25) / 86400
    return datetime.datetime(2000, 1, 1, 12) + datetime.timedelta(days=jd_ut - 2451545 + 9 / 24)


def sun_longitude(d):
    sun = ephem.Sun()
    sun.compute(d, epoch=d)
    lon = math.degrees(ephem.Ecliptic(ephem.Equatorial(sun.ra, sun.dec, epoch=d), epoch=d).lon)
    centuries = (d + EPHEM_JD - 2451545) / 36525
    return lon + (20.4955 - 20.4898 / sun.earth_distance - 0.29965 * centuries) / 3600


def term_instant(degrees, d):
    for _ in range(6):
        step = ((degrees - sun_longitude(d) + 180) % 360 - 180) / 0.98565
        d = ephem.Date(d + step)
        if abs(step) < 1e-8:
            break
    return d


def ephem_date(t):
    """A JST datetime as a PyEphem date (near enough to start a solve)."""
    return ephem.Date((t - datetime.datetime(1899, 12, 31, 21)).total_seconds() / 86400)


def rounded(t):
    """The date and minute of a JST instant as the program prints them."""
    minute = (t + datetime.timedelta(seconds=30)).replace(second=0, microsecond=0)
    if minute.date() != t.date():
        minute = t.replace(hour=23, minute=59, second=0, microsecond=0)
    return t.date(), minute.strftime("%H:%M")


def events(doc):
    for day in doc["days"]:
        date = datetime.date.fromisoformat(day["date"])
        if day["term"]:
            yield "term", TERMS.index(day["term"]["name"]), date, day["term"]["time"]
        if day["new_moon"]:
            yield "new moon", None, date, day["new_moon"]["time"]


def main(path):
    checked, differing = 0, []
    with open(path, encoding="utf-8") as f:
        docs = [json.loads(line) for line in f if line.strip()]
    for doc in docs:
        for kind, k, date, shown in events(doc):
            start = ephem_date(datetime.datetime.combine(date, datetime.time(12)))
            d = term_instant(15 * k, start) if kind == "term" else ephem.next_new_moon(ephem.Date(start - 1.5))
            t = jst(d)
            checked += 1
            if rounded(t) == (date, shown):
                continue
            second = t.second + t.microsecond / 1e6
            from_half = abs(second - 30)
            from_midnight = min(t.hour * 3600 + t.minute * 60 + second, 86400 - (t.hour * 3600 + t.minute * 60 + second))
            if from_half > TOLERANCE[kind] and from_midnight > TOLERANCE[kind]:
                fail(f"{kind} {date} printed {shown}, independently {t:%Y-%m-%d %H:%M:%S.%f}")
            differing.append(f"{kind} {date} {shown} ({t:%H:%M:%S})")
    if checked < len(docs) * 36:
        fail(f"only {checked} events")
    print(f"ok: {checked} terms and new moons of {docs[0]['year']}..{docs[-1]['year']}: the printed minute is the "
          f"rounded one but for {len(differing)}, each within {TOLERANCE['term']:.0f} s (terms) or "
          f"{TOLERANCE['new moon']:.0f} s (new moons) of a half minute or of midnight")
    for line in differing:
        print("  ", line)


if __name__ == "__main__":
    main(sys.argv[1])
