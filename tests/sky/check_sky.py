#!/usr/bin/python3
"""The true calendar's sky against computations the program does not ship.

The phases (朔弦望), the rises, transits and sets come from PyEphem (python3-ephem,
its own lunar and solar theories); the eclipses' kinds, instants and magnitudes
from J. Meeus, Astronomical Algorithms (2nd ed.), chapter 54, written out below,
and the local solar circumstances from PyEphem's topocentric Sun and Moon.

usage: check_sky.py CLI DATA_FOLDER FIRST LAST [--phases] [--riseset] [--eclipses] [--published]
With no choice, all four (--published: the hand-checked values of published.txt).
Prints the counts and every miss; exits 1 on a miss.
"""
import datetime
import json
import math
import subprocess
import sys

import ephem

TOKYO_LAT, TOKYO_LON = "35:39:29.1572", "139:44:28.8869"
JST = 9 / 24.0


def years_of(cli, folder, first, last):
    out = subprocess.run([cli, "--folder", folder, "--format", "json", "--stdout", f"{first}..{last}"], check=True,
                         capture_output=True, text=True).stdout
    for line in out.splitlines():
        yield json.loads(line)


def jst_midnight(date_text):
    y, m, d = (int(x) for x in date_text.split("-"))
    return ephem.Date(datetime.datetime(y, m, d)) - JST


def minutes(clock):
    h, m = clock.split(":")
    return int(h) * 60 + int(m)


class Tally:
    def __init__(self):
        self.counts, self.misses = {}, []

    def add(self, what, ok, detail=""):
        n, bad = self.counts.get(what, (0, 0))
        self.counts[what] = (n + 1, bad + (0 if ok else 1))
        if not ok:
            self.misses.append(f"{what}: {detail}")


# --- phases ---------------------------------------------------------------

def check_phases(docs, tally):
    finders = {"朔": ephem.next_new_moon, "上弦": ephem.next_first_quarter_moon,
               "望": ephem.next_full_moon, "下弦": ephem.next_last_quarter_moon}
    first_doc = True
    near_midnight = 0
    for doc in docs:
        ours = [(day["date"], day["moon_phase"]) for day in doc["days"] if day["moon_phase"]]
        start = jst_midnight(doc["days"][0]["date"])
        end = jst_midnight(doc["days"][-1]["date"]) + 1
        theirs = []
        for name, finder in finders.items():
            t = finder(start - 1)
            while t < end + 1:
                theirs.append((float(t), name))
                t = finder(t + 1)
        theirs.sort()
        # Each reference phase within the year (by its own nearest minute) must be ours.
        by_day = {d: p for d, p in ours}
        for t, name in theirs:
            jst = ephem.Date(t + JST).datetime()
            rounded = jst + datetime.timedelta(seconds=30)
            rounded = rounded.replace(second=0, microsecond=0)
            seconds_of_day = jst.hour * 3600 + jst.minute * 60 + jst.second + jst.microsecond / 1e6
            if min(seconds_of_day, 86400 - seconds_of_day) < 60:
                near_midnight += 1
                continue
            date = rounded.strftime("%Y-%m-%d")
            if not (start <= ephem.Date(t) < end):
                continue
            phase = by_day.get(date)
            ok = phase is not None and phase["name"] == name and \
                abs(minutes(phase["time"]) - (rounded.hour * 60 + rounded.minute)) <= 1
            tally.add("phase", ok, f"{name} {rounded:%Y-%m-%d %H:%M} (ephem) vs {phase}")
        tally.add("phase count", len(ours) == sum(1 for t, _ in theirs if start <= ephem.Date(t) < end),
                  f"{doc['year']}: {len(ours)} phases")
    print(f"phases within a minute of midnight, not compared: {near_midnight}")


# --- rises and sets -------------------------------------------------------

def check_riseset(docs, tally, lat=TOKYO_LAT, lon=TOKYO_LON):
    obs = ephem.Observer()
    obs.lat, obs.lon, obs.elevation, obs.pressure = lat, lon, 0, 0
    obs.horizon = "-0:35:08"
    for doc in docs:
        for day in doc["days"]:
            start = jst_midnight(day["date"])
            for key, body, limit in (("sun", ephem.Sun(), 1), ("moon", ephem.Moon(), 2)):
                for event, finder in (("rise", obs.next_rising), ("transit", obs.next_transit),
                                      ("set", obs.next_setting)):
                    obs.date = start - 0.5 / 1440
                    try:
                        m = (float(finder(body)) - start) * 1440
                        theirs = m if m < 1439.5 else None
                    except (ephem.AlwaysUpError, ephem.NeverUpError):
                        theirs = None
                    ours = day[key][event]
                    if ours is None or theirs is None:
                        # A day the Moon skips: then both must skip, unless the other
                        # one's event lies within the limit of the day's edge.
                        edge = (theirs is not None and min(theirs, 1440 - theirs) <= limit) or \
                            (ours is not None and min(minutes(ours), 1440 - minutes(ours)) <= limit)
                        tally.add(f"{key} {event}", (ours is None) == (theirs is None) or edge,
                                  f"{day['date']} ours {ours} ephem {theirs}")
                        continue
                    tally.add(f"{key} {event}", abs(minutes(ours) - theirs) <= limit + 0.5,
                              f"{day['date']} ours {ours} ephem {theirs:.2f}")


# --- eclipses -------------------------------------------------------------

def meeus_eclipses(first, last):
    """Meeus chapter 54: every eclipse of the years, as (body, kind, JD UT, magnitude, semiduration minutes)."""
    found = []
    k0 = math.floor((first - 2000) * 12.3685) - 2
    k1 = math.ceil((last + 1 - 2000) * 12.3685) + 2
    rad = math.pi / 180
    for kk in range(k0, k1 + 1):
        for full in (False, True):
            k = kk + (0.5 if full else 0.0)
            T = k / 1236.85
            F = (160.7108 + 390.67050284 * k - 0.0016118 * T ** 2 - 0.00000227 * T ** 3 + 0.000000011 * T ** 4) * rad
            if abs(math.sin(F)) > 0.36:
                continue
            jde = 2451550.09766 + 29.530588861 * k + 0.00015437 * T ** 2 - 0.000000150 * T ** 3 + 0.00000000073 * T ** 4
            M = (2.5534 + 29.10535670 * k - 0.0000014 * T ** 2 - 0.00000011 * T ** 3) * rad
            Mp = (201.5643 + 385.81693528 * k + 0.0107582 * T ** 2 + 0.00001238 * T ** 3 - 0.000000058 * T ** 4) * rad
            Om = (124.7746 - 1.56375588 * k + 0.0020672 * T ** 2 + 0.00000215 * T ** 3) * rad
            E = 1 - 0.002516 * T - 0.0000074 * T ** 2
            F1 = F - 0.02665 * rad * math.sin(Om)
            A1 = (299.77 + 0.107408 * k - 0.009173 * T ** 2) * rad
            jde += ((-0.4065 if full else -0.4075) * math.sin(Mp) + (0.1727 if full else 0.1721) * E * math.sin(M)
                    + 0.0161 * math.sin(2 * Mp) - 0.0097 * math.sin(2 * F1) + 0.0073 * E * math.sin(Mp - M)
                    - 0.0050 * E * math.sin(Mp + M) - 0.0023 * math.sin(Mp - 2 * F1) + 0.0021 * E * math.sin(2 * M)
                    + 0.0012 * math.sin(Mp + 2 * F1) + 0.0006 * E * math.sin(2 * Mp + M) - 0.0004 * math.sin(3 * Mp)
                    - 0.0003 * E * math.sin(M + 2 * F1) + 0.0003 * math.sin(A1) - 0.0002 * E * math.sin(M - 2 * F1)
                    - 0.0002 * E * math.sin(2 * Mp - M) - 0.0002 * math.sin(Om))
            P = (0.2070 * E * math.sin(M) + 0.0024 * E * math.sin(2 * M) - 0.0392 * math.sin(Mp)
                 + 0.0116 * math.sin(2 * Mp) - 0.0073 * E * math.sin(Mp + M) + 0.0067 * E * math.sin(Mp - M)
                 + 0.0118 * math.sin(2 * F1))
            Q = (5.2207 - 0.0048 * E * math.cos(M) + 0.0020 * E * math.cos(2 * M) - 0.3299 * math.cos(Mp)
                 - 0.0060 * E * math.cos(Mp + M) + 0.0041 * E * math.cos(Mp - M))
            W = abs(math.cos(F1))
            g = (P * math.cos(F1) + Q * math.sin(F1)) * (1 - 0.0048 * W)
            u = (0.0059 + 0.0046 * E * math.cos(M) - 0.0182 * math.cos(Mp) + 0.0004 * math.cos(2 * Mp)
                 - 0.0005 * math.cos(M + Mp))
            jd_ut = jde - ephem.delta_t(ephem.Date(jde - 2415020)) / 86400
            if not full:
                if abs(g) > 1.5433 + u:
                    continue
                if abs(g) < 0.9972:
                    if u < 0:
                        kind = "皆既"
                    elif u > 0.0047:
                        kind = "金環"
                    else:
                        kind = "金環皆既" if u < 0.00464 * math.sqrt(1 - g * g) else "金環"
                    mag = None
                elif abs(g) < 0.9972 + abs(u):
                    kind, mag = ("皆既" if u < 0 else "金環"), None
                else:
                    kind, mag = "部分", (1.5433 + u - abs(g)) / (0.5461 + 2 * u)
                found.append(("sun", kind, jd_ut, mag, None))
            else:
                pen = (1.5573 + u - abs(g)) / 0.5450
                umb = (1.0128 - u - abs(g)) / 0.5450
                if pen <= 0:
                    continue
                n = 0.5458 + 0.0400 * math.cos(Mp)
                if umb >= 1:
                    kind, mag, h = "皆既", umb, 1.0128 - u
                elif umb > 0:
                    kind, mag, h = "部分", umb, 1.0128 - u
                else:
                    kind, mag, h = "半影", pen, 1.5573 + u
                found.append(("moon", kind, jd_ut, mag, 60 / n * math.sqrt(h * h - g * g)))
    return found


def iso_to_jd(text):
    # "2026-03-03T20:34+09:00" -> JD (UT)
    d = datetime.datetime.strptime(text[:16], "%Y-%m-%dT%H:%M")
    return float(ephem.Date(d)) + 2415020 - JST


def crossing(gap, inside, outside):
    """Where gap() turns from negative (at inside) to not negative (at outside), to half a second."""
    while abs(outside - inside) > 0.5 / 86400:
        mid = (inside + outside) / 2
        if gap(mid) < 0:
            inside = mid
        else:
            outside = mid
    return (inside + outside) / 2


def ephem_local_solar(jd_greatest, lat=TOKYO_LAT, lon=TOKYO_LON):
    """First contact, greatest and last contact seen from the place (JD UT), or None."""
    obs = ephem.Observer()
    obs.lat, obs.lon, obs.elevation, obs.pressure = lat, lon, 0, 0
    sun, moon = ephem.Sun(), ephem.Moon()

    def gap(jd):
        obs.date = ephem.Date(jd - 2415020)
        sun.compute(obs)
        moon.compute(obs)
        return float(ephem.separation((sun.ra, sun.dec), (moon.ra, moon.dec))) - float(sun.radius) - float(moon.radius)

    a, b = jd_greatest - 4 / 24, jd_greatest + 4 / 24
    r = (math.sqrt(5) - 1) / 2
    c, d = b - r * (b - a), a + r * (b - a)
    while b - a > 0.5 / 86400:
        if gap(c) < gap(d):
            b, d = d, c
            c = b - r * (b - a)
        else:
            a, c = c, d
            d = a + r * (b - a)
    g = (a + b) / 2
    if gap(g) >= 0:
        return None

    return crossing(gap, g, g - 5 / 24), g, crossing(gap, g, g + 5 / 24)


def ephem_lunar_contacts(jd_greatest, penumbral):
    """The beginning and end (JD UT) of a lunar eclipse from PyEphem's geocentric Moon and Sun, the
    Earth's shadow by Danjon's rule (the Earth's radius 0.998340 of the equatorial, enlarged by 1/85)."""
    sun, moon = ephem.Sun(), ephem.Moon()
    au_km, earth_km = 149597870.7, 6378.137

    def gap(jd):
        d = ephem.Date(jd - 2415020)
        sun.compute(d)
        moon.compute(d)
        anti = (float(sun.g_ra) + math.pi, -float(sun.g_dec))
        sep = float(ephem.separation((moon.g_ra, moon.g_dec), anti))
        pm = math.asin(earth_km / (moon.earth_distance * au_km))
        ps = math.asin(earth_km / (sun.earth_distance * au_km))
        rs = math.asin(696000 / (sun.earth_distance * au_km))
        rm = math.asin(0.2725076 * earth_km / (moon.earth_distance * au_km))
        shadow = (1 + 1 / 85) * 0.998340 * pm + ps + (rs if penumbral else -rs)
        return sep - shadow - rm

    return crossing(gap, jd_greatest, jd_greatest - 0.25), crossing(gap, jd_greatest, jd_greatest + 0.25)


# Where Meeus's short series is known to be wrong, against the eclipse canons:
# 2015-04-04 was total (umbral magnitude 1.00, the century's shortest totality),
# and the grazing penumbral eclipse of 2027-07-18/19 lies beyond its reach.
MEEUS_WRONG = {("moon", "2015-04-04"): "kind", ("moon", "2027-07-19"): "missing"}


def check_eclipses(docs, first, last, tally):
    ours = [(doc["year"], e) for doc in docs for e in doc["eclipses"]]
    theirs = meeus_eclipses(first, last)
    lo, hi = float(ephem.Date(datetime.datetime(first, 1, 1))) + 2415020 - JST, \
        float(ephem.Date(datetime.datetime(last + 1, 1, 1))) + 2415020 - JST
    theirs = [t for t in theirs if lo <= t[2] < hi]
    used = set()
    for body, kind, jd, mag, semi in theirs:
        match = [i for i, (_, e) in enumerate(ours) if e["body"] == body and abs(iso_to_jd(e["greatest"]) - jd) < 0.1]
        if not match:
            tally.add("eclipse found", False, f"Meeus {body} {kind} {ephem.Date(jd - 2415020 + JST)} JST missing")
            continue
        i = match[0]
        used.add(i)
        e = ours[i][1]
        tally.add("eclipse found", True)
        known = MEEUS_WRONG.get((body, e["greatest"][:10])) == "kind"
        tally.add("eclipse kind", e["kind"] == kind or known, f"{e['greatest']} {body}: ours {e['kind']}, Meeus {kind}")
        tally.add("eclipse greatest (5 min)", abs(iso_to_jd(e["greatest"]) - jd) * 1440 <= 5,
                  f"{e['greatest']} vs Meeus {ephem.Date(jd - 2415020 + JST)}")
        if mag is not None:
            tally.add("eclipse magnitude (0.02)", abs(e["magnitude"] - mag) <= 0.02,
                      f"{e['greatest']} {body}: ours {e['magnitude']}, Meeus {mag:.4f}")
        if body == "moon" and e["local"]:
            for key, t in zip(("begin", "end"), ephem_lunar_contacts(iso_to_jd(e["greatest"]), kind == "半影")):
                tally.add("lunar contacts, Tokyo (2 min)", abs(iso_to_jd(e["local"][key]) - t) * 1440 <= 2,
                          f"{e['greatest']} {key}: ours {e['local'][key]}, ephem {ephem.Date(t - 2415020 + JST)}")
        if body == "sun":
            local = ephem_local_solar(iso_to_jd(e["greatest"]))
            seen = local is not None and sun_up_some_time(local[0], local[2])
            tally.add("solar local seen, Tokyo", seen == (e["local"] is not None),
                      f"{e['greatest']}: ours {e['local']}, ephem {local}")
            if seen and e["local"]:
                for key, t in zip(("begin", "greatest", "end"), local):
                    tally.add("solar local times, Tokyo (2 min)", abs(iso_to_jd(e["local"][key]) - t) * 1440 <= 2,
                              f"{e['greatest']} {key}: ours {e['local'][key]}, ephem {ephem.Date(t - 2415020 + JST)}")
    for i, (year, e) in enumerate(ours):
        if i not in used:
            known = MEEUS_WRONG.get((e["body"], e["greatest"][:10])) == "missing"
            tally.add("eclipse not extra", known, f"{e['body']} {e['kind']} {e['greatest']} not in Meeus")


def sun_up_some_time(jd0, jd1, lat=TOKYO_LAT, lon=TOKYO_LON):
    obs = ephem.Observer()
    obs.lat, obs.lon, obs.elevation, obs.pressure = lat, lon, 0, 0
    sun = ephem.Sun()
    t = jd0
    while t <= jd1 + 1e-9:
        obs.date = ephem.Date(t - 2415020)
        sun.compute(obs)
        if float(sun.alt) > -(35 + 8 / 60) / 60 * math.pi / 180 - float(sun.radius):
            return True
        t += 5 / 1440
    return False


def check_published(cli, folder, path, tally):
    """The hand-checked values of tests/sky/published.txt."""
    docs = {}

    def year(y):
        if y not in docs:
            docs[y] = next(years_of(cli, folder, y, y))
        return docs[y]

    def day(date):
        return next(d for d in year(int(date[:4]))["days"] if d["date"] == date)

    for line in open(path, encoding="utf-8"):
        f = line.split()
        if not f or f[0].startswith("#"):
            continue
        if f[0] == "phase":
            got = day(f[1])["moon_phase"]
            tally.add("published phase", got == {"name": f[2], "time": f[3]}, f"{f[1]} {f[2]} {f[3]}: ours {got}")
        elif f[0] == "sun":
            got = day(f[1])["sun"]
            ok = abs(minutes(got["rise"]) - minutes(f[2])) <= 1 and abs(minutes(got["set"]) - minutes(f[3])) <= 1
            tally.add("published sunrise and sunset", ok, f"{f[1]} {f[2]} {f[3]}: ours {got}")
        elif f[0] == "eclipse":
            found = [e for e in year(int(f[1]))["eclipses"] if e["body"] == f[2] and e["kind"] == f[3] and e["local"]]
            ok = len(found) == 1
            if ok:
                local = found[0]["local"]
                for key, want in zip(("begin", "greatest", "end"), f[4:7]):
                    ok = ok and abs(minutes(local[key][11:16]) - minutes(want)) <= 1
                ok = ok and abs(local["magnitude"] - float(f[7])) <= 0.01
            tally.add("published eclipse", ok, f"{' '.join(f[1:])}: ours {found}")


def main():
    cli, folder, first, last = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
    what = set(sys.argv[5:]) or {"--phases", "--riseset", "--eclipses", "--published"}
    docs = list(years_of(cli, folder, first, last))
    tally = Tally()
    if "--phases" in what:
        check_phases(docs, tally)
    if "--riseset" in what:
        check_riseset(docs, tally)
    if "--eclipses" in what:
        check_eclipses(docs, first, last, tally)
    if "--published" in what:
        check_published(cli, folder, __file__.rsplit("/", 1)[0] + "/published.txt", tally)
    for what, (n, bad) in sorted(tally.counts.items()):
        print(f"{what}: {n - bad}/{n} agree")
    for miss in tally.misses[:200]:
        print("MISS", miss)
    return 1 if tally.misses else 0


if __name__ == "__main__":
    sys.exit(main())
