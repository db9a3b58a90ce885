#include "support/sky_fixture.h"

#include "astro/day_count.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace ventorel::testing {

namespace {

// The days of the new moons and terms of real years, from known_skies.tsv.
const std::vector<KnownSky>& knownSkies() {
  static const std::vector<KnownSky> skies = [] {
    std::vector<KnownSky> read;
    std::ifstream in(std::string(VENTOREL_SOURCE_DIR) + "/tests/support/known_skies.tsv");
    auto dates = [](const std::string& field) {
      std::vector<Date> out;
      std::istringstream words(field);
      for (std::string word; words >> word;) out.push_back({std::stoi(word), std::stoi(word.substr(word.find('/') + 1))});
      return out;
    };
    for (std::string line; std::getline(in, line);) {
      if (line.empty() || line[0] == '#') continue;
      const std::size_t tab1 = line.find('\t'), tab2 = line.find('\t', tab1 + 1);
      KnownSky sky{std::stoi(line), dates(line.substr(tab1 + 1, tab2 - tab1 - 1)), {}};
      const std::vector<Date> terms = dates(line.substr(tab2 + 1));
      if (terms.size() != 24) throw std::runtime_error("known_skies.tsv: " + line);
      std::copy(terms.begin(), terms.end(), sky.terms.begin());
      read.push_back(sky);
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
