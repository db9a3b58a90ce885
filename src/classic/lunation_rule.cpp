#include "classic/lunation_rule.h"

#include <string>
#include <vector>

#include "astro/day_count.h"
#include "data/numbers.h"

namespace ventorel {

namespace {


struct Lunation {
  int start = 0;  // first day, counted through the three years (slot 0 day 1 = 1)
  int end = 0;    // last day of the lunation, or the last day of the three years
  bool hasMidTerm = false;
  bool isAnchor = false;
};

// The rule's names for the lunations strictly between two anchors, or nothing
// when the span is neither an ordinary year nor a year with one leap month.
std::vector<LunarMonth> ruleNames(const std::vector<Lunation>& lunations, int firstAnchor, int nextAnchor) {
  const int count = nextAnchor - firstAnchor - 1;
  int leap = -1;
  if (count == 12) {
    for (int i = firstAnchor + 1; i < nextAnchor && leap < 0; ++i)
      if (!lunations[static_cast<std::size_t>(i)].hasMidTerm) leap = i;
    if (leap < 0) return {};
  } else if (count != 11) {
    return {};
  }
  std::vector<LunarMonth> names;
  LunarMonth previous{11, false};
  int number = 12;
  for (int i = firstAnchor + 1; i < nextAnchor; ++i) {
    if (i == leap) {
      names.push_back({previous.number, true});
    } else {
      names.push_back({number, false});
      number = number % 12 + 1;
    }
    previous = names.back();
  }
  return names;
}

}  // namespace

int mendMonthsAgainstRule(const SkyTrio& skies, std::vector<LunarMonth>& months) {
  const int monthCount = static_cast<int>(months.size());
  int offset[3] = {0, 0, 0};
  int length[3];
  for (int slot = 0; slot <= 2; ++slot) {
    length[slot] = skies[static_cast<std::size_t>(slot)].lastDay;
    if (slot > 0) offset[slot] = offset[slot - 1] + length[slot - 1];
  }
  const int lastDay = offset[2] + length[2];

  // The lunations, one per new moon, in the order of the month list.
  std::vector<Lunation> lunations;
  for (int slot = 0; slot <= 2; ++slot) {
    for (const NewMoon& moon : skies[static_cast<std::size_t>(slot)].newMoons) {
      Lunation lunation;
      lunation.start = offset[slot] + moon.day;
      // A list out of time order has no lunations to speak of.
      if (!lunations.empty() && lunation.start <= lunations.back().start) return 0;
      lunations.push_back(lunation);
    }
  }
  if (static_cast<int>(lunations.size()) != monthCount || lunations.empty()) return 0;
  for (std::size_t i = 0; i < lunations.size(); ++i)
    lunations[i].end = i + 1 < lunations.size() ? lunations[i + 1].start - 1 : lastDay;

  // Each term belongs to the lunation running on its day (a term on a new-moon
  // day to the lunation that begins there). The lunations follow each other
  // without a gap or an overlap, so one at most runs on a day.
  for (int slot = 0; slot <= 2; ++slot) {
    const YearSky& sky = skies[static_cast<std::size_t>(slot)];
    for (int d = 1; d <= length[slot]; ++d) {
      const int k = sky.termOnDay[d];
      if (k < 0) continue;
      const int t = offset[slot] + d;
      for (Lunation& lunation : lunations) {
        if (lunation.start <= t && t <= lunation.end) {
          if (isPrincipalTerm(k)) lunation.hasMidTerm = true;
          if (k == termIndex(SolarTerm::Toji)) lunation.isAnchor = true;
          break;
        }
      }
    }
  }

  const int chosenFirst = offset[1] + 1;
  const int chosenLast = offset[1] + length[1];
  int renamed = 0;
  int firstAnchor = -1;
  for (int i = 0; i < static_cast<int>(lunations.size()); ++i) {
    if (!lunations[static_cast<std::size_t>(i)].isAnchor) continue;
    const int nextAnchor = i;
    if (firstAnchor >= 0) {
      bool overlapsChosenYear = false;
      for (int j = firstAnchor + 1; j < nextAnchor; ++j)
        if (lunations[static_cast<std::size_t>(j)].start <= chosenLast && lunations[static_cast<std::size_t>(j)].end >= chosenFirst) overlapsChosenYear = true;
      const std::vector<LunarMonth> names =
          overlapsChosenYear ? ruleNames(lunations, firstAnchor, nextAnchor) : std::vector<LunarMonth>{};
      bool differs = false;
      for (std::size_t j = 0; j < names.size(); ++j)
        if (months.at(static_cast<std::size_t>(firstAnchor + 1) + j) != names[j]) differs = true;
      if (differs) {
        ++renamed;
        for (std::size_t j = 0; j < names.size(); ++j) months.at(static_cast<std::size_t>(firstAnchor + 1) + j) = names[j];
      }
    }
    firstAnchor = nextAnchor;
  }
  return renamed;
}

}  // namespace ventorel
