#include "calendar/modern_lunar_months.h"

#include <algorithm>

#include "data/solar_term.h"

namespace ventorel {

namespace {

constexpr int SolsticeMonth = 11;

// The month after `number`, 12 wrapping to 1.
int nextMonth(int number) { return number % 12 + 1; }
// The month before `number`, 1 wrapping to 12.
int previousMonth(int number) { return (number + 10) % 12 + 1; }

}  // namespace

std::optional<std::vector<LunarMonthStart>> numberLunarMonths(const std::vector<std::int64_t>& newMoonDays,
                                                              const std::vector<PrincipalTermDay>& principalTerms) {
  if (newMoonDays.size() < 2) return std::nullopt;
  const std::size_t monthCount = newMoonDays.size() - 1;
  std::vector<bool> hasPrincipalTerm(monthCount, false);
  std::vector<std::size_t> solsticeMonths;
  for (const PrincipalTermDay& term : principalTerms) {
    // The month that holds the term: the last one that begins on or before its day.
    const auto after = std::upper_bound(newMoonDays.begin(), newMoonDays.end(), term.day);
    if (after == newMoonDays.begin() || after == newMoonDays.end()) continue;
    const auto month = static_cast<std::size_t>(after - newMoonDays.begin() - 1);
    hasPrincipalTerm.at(month) = true;
    if (term.term == termIndex(SolarTerm::Toji)) solsticeMonths.push_back(month);
  }
  if (solsticeMonths.empty()) return std::nullopt;
  std::sort(solsticeMonths.begin(), solsticeMonths.end());

  std::vector<LunarMonthStart> months(monthCount);
  for (std::size_t i = 0; i < monthCount; ++i) months[i] = {newMoonDays[i], 0, false};

  // Between two 冬至 months: twelve months count on plainly; thirteen hold one
  // leap month, the first without a 中気.
  for (std::size_t s = 0; s + 1 < solsticeMonths.size(); ++s) {
    const std::size_t from = solsticeMonths[s];
    const std::size_t to = solsticeMonths[s + 1];
    if (to - from != 12 && to - from != 13) return std::nullopt;
    std::optional<std::size_t> leapMonth;
    if (to - from == 13) {
      for (std::size_t i = from + 1; i < to && !leapMonth; ++i)
        if (!hasPrincipalTerm[i]) leapMonth = i;
      if (!leapMonth) return std::nullopt;
    }
    int number = SolsticeMonth;
    months[from] = {newMoonDays[from], number, false};
    for (std::size_t i = from + 1; i <= to; ++i) {
      if (leapMonth && i == *leapMonth) {
        months[i] = {newMoonDays[i], number, true};
        continue;
      }
      number = nextMonth(number);
      months[i] = {newMoonDays[i], number, false};
    }
  }
  // Outside the anchors: count back from the first and on from the last.
  const std::size_t first = solsticeMonths.front();
  months[first] = {newMoonDays[first], SolsticeMonth, false};
  for (std::size_t i = first; i-- > 0;) months[i] = {newMoonDays[i], previousMonth(months[i + 1].number), false};
  for (std::size_t i = solsticeMonths.back() + 1; i < monthCount; ++i)
    months[i] = {newMoonDays[i], nextMonth(months[i - 1].number), false};
  return months;
}

std::optional<LunarDate> lunarDateOf(const std::vector<LunarMonthStart>& months, std::int64_t endDay,
                                     std::int64_t day) {
  if (months.empty() || day < months.front().firstDay || day >= endDay) return std::nullopt;
  const auto after = std::upper_bound(months.begin(), months.end(), day,
                                      [](std::int64_t d, const LunarMonthStart& m) { return d < m.firstDay; });
  const LunarMonthStart& month = *(after - 1);
  return LunarDate{month.number, month.leap, static_cast<int>(day - month.firstDay + 1)};
}

}  // namespace ventorel
