#include "support/sky_fixture.h"

#include "astro/day_count.h"
#include "support/test_support.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace ventorel::testing {

namespace {

// The days of the new moons and terms of real years, from known_skies.tsv.
const std::vector<KnownSky>& knownSkies() {
  static const std::vector<KnownSky> skies = [] {
    std::vector<KnownSky> read;
    auto dates = [](const std::string& field) {
      std::vector<Date> out;
      for (const std::string& date : splitFields(field, ' '))
        out.push_back({std::stoi(date), std::stoi(date.substr(date.find('/') + 1))});
      return out;
    };
    for (const std::string& line : dataLines("tests/support/known_skies.tsv")) {
      const std::vector<std::string> f = splitFields(line, '\t');
      const std::vector<Date> terms = dates(f.at(2));
      if (terms.size() != 24) throw std::runtime_error("known_skies.tsv: " + line);
      read.push_back({std::stoi(f[0]), dates(f[1]), {}});
      std::copy(terms.begin(), terms.end(), read.back().terms.begin());
    }
    if (read.empty()) throw std::runtime_error("known_skies.tsv not read");
    return read;
  }();
  return skies;
}

}  // namespace

const KnownSky& skyOf(int year) {
  for (const KnownSky& sky : knownSkies())
    if (sky.year == year) return sky;
  throw std::invalid_argument("no sky for " + std::to_string(year));
}

int dayIndex(int year, Date date) {
  MonthStarts monthStart{"monthStart"};
  fillMonthStarts(monthStart, leapDay(year));
  return monthStart[date.month] + date.day;
}

YearSky yearSkyOf(const KnownSky& known) {
  YearSky sky;
  sky.year = known.year;
  sky.lastDay = 365 + leapDay(known.year);
  for (int k = 0; k < 24; ++k) {
    const Date& date = known.terms[static_cast<std::size_t>(k)];
    if (date.month == 0) continue;  // a term the walk did not place
    sky.placeTerm(k, dayIndex(known.year, date));
  }
  for (const Date& date : known.newMoons) sky.newMoons.push_back({dayIndex(known.year, date), std::nullopt});
  sky.yearEndMoonAge = sky.moonAgeOn(sky.lastDay);
  sky.nextTerm = 19;
  return sky;
}

SkyTrio skiesOf(const KnownSky& before, const KnownSky& chosen, const KnownSky& after) {
  return {yearSkyOf(before), yearSkyOf(chosen), yearSkyOf(after)};
}

SkyTrio skiesOf(int chosenYear) { return skiesOf(skyOf(chosenYear - 1), skyOf(chosenYear), skyOf(chosenYear + 1)); }

std::vector<std::string> monthsOf(const LunarDays& lunar, int slot, const KnownSky& sky) {
  std::vector<std::string> names;
  for (const Date& date : sky.newMoons)
    names.push_back(monthName(lunar.years[static_cast<std::size_t>(slot)].days[dayIndex(sky.year, date)].month));
  return names;
}

}  // namespace ventorel::testing
