"""The 七十二候 of the true basis against PyEphem's Sun: every year of the JSON Lines
on standard input must open each 候 on the JST day on which PyEphem's apparent solar
longitude crosses its multiple of 5 degrees. A day that differs is allowed only where
one of the two instants lies within a minute of midnight; those are counted.

usage: ventorel-cli --format json --stdout 1900..2100 | python3 kou_ephem.py
"""
import datetime
import json
import math
import sys

import ephem

JST = datetime.timedelta(hours=9)


def longitude(date):
    sun = ephem.Sun(date)
    return math.degrees(ephem.Ecliptic(ephem.Equatorial(sun.ra, sun.dec, epoch=date), epoch=date).lon)


def crossing(target, guess):
    """The UT instant (ephem.Date) near `guess` at which the Sun's longitude is `target`."""
    t = guess
    for _ in range(20):
        diff = (target - longitude(t) + 180) % 360 - 180
        t = ephem.Date(t + diff / 0.9856)
        if abs(diff) < 1e-7:
            break
    return t


def main():
    checked = near_midnight = 0
    failures = []
    largest = 0.0  # seconds between PyEphem's instant and the program's minute
    last_index = None
    for line in sys.stdin:
        year = json.loads(line)
        for day in year["days"]:
            kou = day.get("kou")
            if not kou:
                continue
            if last_index is not None and kou["index"] != last_index % 72 + 1:
                failures.append(f"{day['date']} {kou['name']} follows 候 {last_index}")
            last_index = kou["index"]
            target = (315 + 5 * (kou["index"] - 1)) % 360
            date = datetime.date.fromisoformat(day["date"])
            hour, minute = map(int, kou["time"].split(":"))
            ours = datetime.datetime.combine(date, datetime.time(hour, minute))
            # Seeded with the mean Sun near the day, not with the program's instant.
            t = crossing(target, ephem.Date(datetime.datetime.combine(date, datetime.time(12)) - JST))
            theirs = ephem.Date(t).datetime() + JST
            checked += 1
            largest = max(largest, abs((theirs - ours).total_seconds() - 30))
            if theirs.date() == date:
                continue
            midnight = datetime.datetime.combine(max(theirs.date(), date), datetime.time())
            if abs((theirs - midnight).total_seconds()) <= 60 or abs((ours - midnight).total_seconds()) <= 60:
                near_midnight += 1
                print(f"near midnight: {day['date']} {kou['name']} {kou['time']}, PyEphem {theirs:%Y-%m-%d %H:%M:%S}")
            else:
                failures.append(f"{day['date']} {kou['name']} {kou['time']}: PyEphem {theirs:%Y-%m-%d %H:%M:%S}")
    for failure in failures:
        print("different day:", failure)
    print(f"{checked} 候 checked, {near_midnight} on the other side of a midnight within a minute, "
          f"{len(failures)} wrong; PyEphem at most {largest:.0f} s from the middle of the program's minute")
    return 0 if checked > 0 and not failures else 1


if __name__ == "__main__":
    sys.exit(main())
