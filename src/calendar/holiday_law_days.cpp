#include "calendar/holiday_law_days.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>

#include "astro/day_count.h"
#include "data/checked_table.h"

namespace ventorel {

namespace {

// Days of the neighbouring years looked at on either side of the year.
constexpr int Margin = 7;
constexpr std::size_t WindowDays = 366 + 2 * Margin;

struct Mark {
  bool set = false;
  HolidayKind kind = HolidayKind::Law;
  int rule = 0;
};

bool isDated(const Mark& m) { return m.set && (m.kind == HolidayKind::Law || m.kind == HolidayKind::OneOff); }

LawDate dateKey(std::int64_t year, int month, int day) { return year * 10000 + month * 100 + day; }

// The days from Margin days before 1 January of the year to Margin days after
// 31 December, with their marks.
class YearWindow {
 public:
  explicit YearWindow(std::int64_t year) : year_(year), marks_("holiday window") {
    for (int k = 0; k < 3; ++k) fillMonthStarts(starts_[k], leapDay(static_cast<double>(year - 1 + k)));
    first_ = static_cast<std::int64_t>(epochDays(static_cast<double>(year), 1, 1, starts_[1])) - Margin;
    days_ = starts_[1][13] + 2 * Margin;
  }

  int days() const { return days_; }
  Mark& operator[](int i) { return marks_[i]; }
  const MonthStarts& starts(int yearOffset) { return starts_[yearOffset + 1]; }

  // The window index of (year + yearOffset, month, day), or -1 outside the window.
  int indexOf(int yearOffset, int month, int day) const {
    const auto n = static_cast<std::int64_t>(epochDays(static_cast<double>(year_ + yearOffset), month, day, starts_[yearOffset + 1]));
    return n - first_ >= 0 && n - first_ < days_ ? static_cast<int>(n - first_) : -1;
  }
  int weekday(int i) const { return weekdayIndex(static_cast<double>(first_ + i)); }

  // The date of window index i as YYYYMMDD.
  LawDate dateOf(int i) const {
    if (i < Margin) return dateKey(year_ - 1, 12, 31 - (Margin - 1 - i));
    if (i >= days_ - Margin) return dateKey(year_ + 1, 1, i - (days_ - Margin) + 1);
    const MonthDay md = monthDayOf(i - Margin + 1, starts_[1]);
    return dateKey(year_, md.month, md.day);
  }
  MonthDay monthDayOfIndex(int i) const { return monthDayOf(i - Margin + 1, starts_[1]); }

 private:
  std::int64_t year_;
  MonthStarts starts_[3] = {MonthStarts("month starts"), MonthStarts("month starts"), MonthStarts("month starts")};
  Table<Mark, WindowDays> marks_;
  std::int64_t first_ = 0;
  int days_ = 0;
};

bool inForce(const HolidayRule& rule, LawDate date) { return rule.from <= date && date <= rule.to; }

// The month in which a dated rule places its day, 0 for the other rules.
int monthOfRule(const HolidayRule& rule, const EquinoxDates& equinoxes) {
  switch (rule.kind) {
    case HolidayRuleKind::FixedDate:
    case HolidayRuleKind::NthMonday: return rule.month;
    case HolidayRuleKind::SingleDate: return static_cast<int>(rule.from / 100 % 100);
    case HolidayRuleKind::SpringEquinox: return equinoxes.springMonth;
    case HolidayRuleKind::AutumnEquinox: return equinoxes.autumnMonth;
    default: return 0;
  }
}

// The day of the month a dated rule gives in a year, 0 if none.
int dayOfRule(const HolidayRule& rule, std::int64_t year, const MonthStarts& starts, const EquinoxDates& equinoxes) {
  const int month = monthOfRule(rule, equinoxes);
  const int monthLength = starts[month + 1] - starts[month];
  switch (rule.kind) {
    case HolidayRuleKind::FixedDate: return rule.day <= monthLength ? rule.day : 0;
    case HolidayRuleKind::SingleDate: return rule.from / 10000 == year ? static_cast<int>(rule.from % 100) : 0;
    case HolidayRuleKind::NthMonday: {
      const int firstWeekday = weekdayIndex(epochDays(static_cast<double>(year), rule.month, 1, starts));
      const int day = 1 + (8 - firstWeekday) % 7 + 7 * (rule.day - 1);
      return day <= monthLength ? day : 0;
    }
    case HolidayRuleKind::SpringEquinox: return equinoxes.springDay;
    case HolidayRuleKind::AutumnEquinox: return equinoxes.autumnDay;
    default: return 0;
  }
}

// The first rule of one of the two kinds in force on `date`, or -1.
int ruleInForce(const HolidayLaw& law, HolidayRuleKind a, HolidayRuleKind b, LawDate date) {
  const auto& rules = law.rules();
  for (std::size_t r = 0; r < rules.size(); ++r)
    if ((rules[r].kind == a || rules[r].kind == b) && inForce(rules[r], date)) return static_cast<int>(r);
  return -1;
}

}  // namespace

std::vector<Holiday> holidaysOfYear(const HolidayLaw& law, int year, int springEquinoxDayOfMarch,
                                    int autumnEquinoxDayOfSeptember) {
  if (springEquinoxDayOfMarch < 1 || springEquinoxDayOfMarch > 31)
    throw std::domain_error("spring equinox on day " + std::to_string(springEquinoxDayOfMarch) + " of March");
  if (autumnEquinoxDayOfSeptember < 1 || autumnEquinoxDayOfSeptember > 30)
    throw std::domain_error("autumn equinox on day " + std::to_string(autumnEquinoxDayOfSeptember) +
                            " of September");
  return holidaysOfYear(law, static_cast<std::int64_t>(year),
                        EquinoxDates{3, springEquinoxDayOfMarch, 9, autumnEquinoxDayOfSeptember});
}

std::vector<Holiday> holidaysOfYear(const HolidayLaw& law, std::int64_t y, const EquinoxDates& equinoxes) {
  MonthStarts starts("month starts");
  fillMonthStarts(starts, leapDay(static_cast<double>(y)));
  for (const auto& [month, day] : {std::pair{equinoxes.springMonth, equinoxes.springDay},
                                   std::pair{equinoxes.autumnMonth, equinoxes.autumnDay}})
    if (month != 0 && (month < 1 || month > 12 || day < 1 || day > starts[month + 1] - starts[month]))
      throw std::domain_error("equinox on " + std::to_string(month) + "-" + std::to_string(day));
  std::vector<Holiday> holidays;
  const auto& rules = law.rules();
  const LawDate windowStart = dateKey(y - 1, 1, 1), windowEnd = dateKey(y + 1, 12, 31);
  bool any = false;
  for (const HolidayRule& rule : rules) any = any || (rule.from <= windowEnd && rule.to >= windowStart);
  if (!any) return holidays;

  YearWindow window(y);
  // The dated holidays of the year and of the neighbouring days.
  for (std::size_t r = 0; r < rules.size(); ++r) {
    const HolidayRule& rule = rules[r];
    if (rule.from > windowEnd || rule.to < windowStart) continue;
    const int month = monthOfRule(rule, equinoxes);
    if (month == 0) continue;
    const bool equinox = rule.kind == HolidayRuleKind::SpringEquinox || rule.kind == HolidayRuleKind::AutumnEquinox;
    for (int offset = -1; offset <= 1; ++offset) {
      // Of the neighbouring years only December and January reach into the
      // window; the equinoxes are given for the year itself only.
      if ((offset == -1 && (month != 12 || equinox)) || (offset == 1 && (month != 1 || equinox))) continue;
      const int day = dayOfRule(rule, y + offset, window.starts(offset), equinoxes);
      if (day == 0 || !inForce(rule, dateKey(y + offset, month, day))) continue;
      const int i = window.indexOf(offset, month, day);
      if (i < 0 || window[i].set) continue;
      window[i] = {true, rule.kind == HolidayRuleKind::SingleDate ? HolidayKind::OneOff : HolidayKind::Law,
                   static_cast<int>(r)};
    }
  }
  // Substitutes for the holidays on a Sunday.
  for (int i = 0; i < window.days(); ++i) {
    if (!isDated(window[i]) || window.weekday(i) != 0) continue;
    const int r = ruleInForce(law, HolidayRuleKind::SubstituteMonday, HolidayRuleKind::SubstituteNextFree,
                              window.dateOf(i));
    if (r < 0) continue;
    int j = i + 1;
    if (law.rule(r).kind == HolidayRuleKind::SubstituteNextFree)
      while (j < window.days() && window[j].set) ++j;
    if (j < window.days() && !window[j].set) window[j] = {true, HolidayKind::Substitute, r};
  }
  // Days between two holidays.
  for (int i = 1; i + 1 < window.days(); ++i) {
    if (window[i].set || !isDated(window[i - 1]) || !isDated(window[i + 1])) continue;
    const int r = ruleInForce(law, HolidayRuleKind::BetweenExceptSunday, HolidayRuleKind::Between, window.dateOf(i));
    if (r < 0 || (law.rule(r).kind == HolidayRuleKind::BetweenExceptSunday && window.weekday(i) == 0)) continue;
    window[i] = {true, HolidayKind::Between, r};
  }
  for (int i = Margin; i < window.days() - Margin; ++i)
    if (window[i].set) {
      const MonthDay md = window.monthDayOfIndex(i);
      holidays.push_back({md.month, md.day, window[i].kind, window[i].rule,
                          dateKey(y, md.month, md.day) < HolidayLawFirstDay});
    }
  return holidays;
}

const std::string& holidayName(const HolidayLaw& law, const Holiday& holiday) { return law.rule(holiday.rule).name; }

}  // namespace ventorel
