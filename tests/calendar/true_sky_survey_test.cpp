// The true calendar against a computation of its own: every solar term of
// 1600-2200 on its JST day, and every day of 1873-2200 with its old-calendar
// month and day, from a second Sun (the planetary theory of Simon et al. with the
// Moon's pull on the Earth, IAU 2006/2000A precession-nutation, the true
// ecliptic of date) and the lunar-phase series of Meeus for the new moons. The
// second Sun is the rougher (minutes, against seconds); where the two put a term
// on different days, the precise instant must lie within two minutes of JST
// midnight. The cases found are printed: the README lists them.
#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <string>
#include <vector>

#include "astro/delta_t.h"
#include "astro/julian_day.h"
#include "astro/new_moon_series.h"
#include "astro/precise_sky.h"
#include "astro/precise_sky_source.h"
#include "calendar/modern_lunar_months.h"
#include "classic/csv_calendar.h"
#include "output/csv_reader.h"
#include "support/test_support.h"

namespace ventorel {
namespace {

constexpr double EarthMoonMassRatio = 81.30056;
constexpr double LightAuPerDay = ERFA_CMPS * ERFA_DAYSEC / ERFA_DAU;
constexpr int FirstYear = 1600, LastYear = 2200;

// The Sun's apparent longitude, degrees, on the true ecliptic and equinox of date.
double secondSunLongitude(double jdTt) {
  double emb[2][3], moon[2][3];
  eraPlan94(jdTt, 0, 3, emb);
  eraMoon98(jdTt, 0, moon);
  double sun[3], earthVelocity[3];
  for (int i = 0; i < 3; ++i) {
    sun[i] = -(emb[0][i] - moon[0][i] / (1 + EarthMoonMassRatio));
    earthVelocity[i] = (emb[1][i] - moon[1][i] / (1 + EarthMoonMassRatio)) / LightAuPerDay;
  }
  double distance, unit[3], seen[3];
  eraPn(sun, &distance, unit);
  eraAb(unit, earthVelocity, distance, std::sqrt(1 - eraPdp(earthVelocity, earthVelocity)), seen);
  double dpsi, deps, epsa, rb[3][3], rp[3][3], rbp[3][3], rn[3][3], rbpn[3][3], ofDate[3];
  eraPn06a(jdTt, 0, &dpsi, &deps, &epsa, rb, rp, rbp, rn, rbpn);
  eraRxp(rbpn, seen, ofDate);
  const double eps = epsa + deps;
  const double y = ofDate[1] * std::cos(eps) + ofDate[2] * std::sin(eps);
  return eraAnp(std::atan2(y, ofDate[0])) * ERFA_DR2D;
}

// When the second Sun reaches `degrees`, from a start within some days of it.
double secondSunPassage(double degrees, double jdTt) {
  for (int i = 0; i < 8; ++i) {
    const double step = std::remainder(degrees - secondSunLongitude(jdTt), 360.0) / 0.9856;
    jdTt += step;
    if (std::abs(step) < 1e-7) break;
  }
  return jdTt;
}

// Julian Day Number of the JST date of an instant of TT, and its minute of the day.
struct JstDay {
  std::int64_t jdn;
  double minute;
};
JstDay jstDayOf(double jdTt) {
  const double local = utOfTt(jdTt) + 0.5 + 9.0 / 24;
  return {static_cast<std::int64_t>(std::floor(local)), (local - std::floor(local)) * 1440};
}

// The second Sun's term days of every year of the survey (and the years either
// side of the old-calendar span), in year order, [k] as the calendar's terms.
struct SecondTerms {
  int year;
  std::array<JstDay, 24> days;
};
const std::vector<SecondTerms>& secondTerms() {
  static const std::vector<SecondTerms> all = [] {
    std::vector<SecondTerms> terms;
    for (int year = FirstYear; year <= LastYear + 1; ++year) {
      SecondTerms t{year, {}};
      const double march20 = jdnOfGregorian(year, 3, 20) - 0.5;
      for (int k = 0; k < 24; ++k)
        t.days[k] = jstDayOf(secondSunPassage(15.0 * k, march20 + (k < 19 ? 15.0 * k : 15.0 * k - 360) / 0.9856));
      terms.push_back(t);
    }
    return terms;
  }();
  return all;
}

double minutesFromMidnight(double minuteOfDay) { return std::min(minuteOfDay, 1440 - minuteOfDay); }

TEST(TrueSkySurvey, EveryTermOf1600To2200OnItsJstDay) {
  const PreciseSkySource source;
  int terms = 0, disagreements = 0;
  double largest = 0;  // minutes between the two solutions
  for (const SecondTerms& second : secondTerms()) {
    if (second.year > LastYear) break;
    const YearSky sky = source.year(second.year);
    const std::array<JstInstant, 24> precise = solarTermInstants(second.year);
    const std::int64_t dayZero = jdnOfGregorian(second.year, 1, 1) - 1;
    for (int k = 0; k < 24; ++k, ++terms) {
      const JstDay p = jstDayOf(precise[k].jdTt);
      const double apart = std::abs((p.jdn - second.days[k].jdn) * 1440 + p.minute - second.days[k].minute);
      largest = std::max(largest, apart);
      if (dayZero + sky.termDay[k] == second.days[k].jdn) continue;
      ++disagreements;
      const JstMinute at = *sky.termInstant[k];
      std::cout << "  near midnight: term " << k << " of " << second.year << " at " << at.month << "-" << at.day
                << " " << at.hour << ":" << at.minute << " JST; the second Sun puts it on the other day\n";
      EXPECT_LT(minutesFromMidnight(p.minute), 2) << second.year << " term " << k;
    }
  }
  std::cout << "  " << terms << " terms, " << disagreements << " on another day by the second Sun; the two solutions "
            << "differ by at most " << largest << " minutes\n";
  EXPECT_EQ(terms, 601 * 24);
  // The second Sun's planetary theory is good to some ten arcseconds, four minutes of the Sun's motion.
  EXPECT_LT(largest, 4.5);
}

TEST(TrueSkySurvey, EveryDayOf1873To2200HasItsOldCalendarMonthAndDay) {
  constexpr int From = 1873, To = 2200;
  // The rule over the second computation: Meeus's new moons and the second Sun's 中気.
  std::vector<std::int64_t> newMoons;
  for (int k = nearestNewMoonNumber(jdnOfGregorian(From - 2, 1, 1)); ; ++k) {
    const JstDay day = jstDayOf(newMoonJde(k));
    if (day.jdn > jdnOfGregorian(To + 2, 1, 1)) break;
    newMoons.push_back(day.jdn);
  }
  std::vector<PrincipalTermDay> principal;
  for (const SecondTerms& t : secondTerms())
    if (t.year >= From - 2)
      for (int k = 0; k < 24; k += 2) principal.push_back({t.days[k].jdn, k});
  const auto months = numberLunarMonths(newMoons, principal);
  ASSERT_TRUE(months);

  int days = 0, disagreements = 0;
  for (int year = From; year <= To; ++year) {
    std::string error;
    const auto records = testing::readStrictCsv(
        csvCalendar(testing::calendarOf(year), testing::shippedData().names), error);
    ASSERT_TRUE(records) << error;
    const std::int64_t dayZero = jdnOfGregorian(year, 1, 1) - 1;
    int d = 0;
    for (const auto& record : *records) {
      if (record.size() < 11 || record[0] == "西暦年") continue;
      const auto expected = lunarDateOf(*months, newMoons.back(), dayZero + ++d);
      ASSERT_TRUE(expected);
      const std::string month =
          std::string("旧暦") + (expected->leap ? "閏" : "") + std::to_string(expected->month) + "月";
      ++days;
      if (record[7] == month && record[8] == std::to_string(expected->day) + "日") continue;
      ++disagreements;
      std::cout << "  " << year << "-" << record[1] << record[2] << ": " << record[7] << record[8] << ", the second "
                << "computation " << month << expected->day << "日\n";
    }
  }
  std::cout << "  " << days << " days of " << From << "-" << To << ", " << disagreements
            << " with another old-calendar date by the second computation\n";
  EXPECT_EQ(days, 119799);
  EXPECT_EQ(disagreements, 0);
}

}  // namespace
}  // namespace ventorel
