#include "data/historical_months.h"

#include <algorithm>
#include <iterator>

#include "data/checked_table.h"

namespace ventorel {
namespace {

// One lunar year: its number, its leap month (0: none), the JDN of its first day
// and its month lengths as 13 binary digits in month order (the leap month in its
// place; bit 12 is the first month): 1 = 30 days, 0 = 29 days.
struct YearRow {
  std::int16_t year;
  std::int8_t leapMonth;
  std::int32_t firstJdn;
  std::uint16_t lengths;
};

// The last row is no year: its first day is the day after the table.
constexpr YearRow Rows[] = {
#include "data/historical_months_table.inc"
};
constexpr std::int64_t RowCount = static_cast<std::int64_t>(std::size(Rows));
constexpr std::int64_t EndJdn = HistoricalLastJdn + 1;

constexpr int monthsIn(const YearRow& r) { return r.leapMonth != 0 ? 13 : 12; }
constexpr int fullLength(const YearRow& r, int index) { return (r.lengths >> (12 - index)) & 1 ? 30 : 29; }

// The generated rows must hold together: consecutive years, each starting the day
// after the previous one ends, and the last month cut short by the table's end.
constexpr bool rowsHoldTogether() {
  if (Rows[0].year != HistoricalFirstYear || Rows[0].firstJdn != HistoricalFirstJdn) return false;
  if (Rows[RowCount - 1].year != HistoricalLastYear + 1 || Rows[RowCount - 1].firstJdn != EndJdn) return false;
  for (std::int64_t i = 0; i + 1 < RowCount; ++i) {
    const YearRow& r = Rows[i];
    const std::int64_t span = Rows[i + 1].firstJdn - r.firstJdn;
    if (Rows[i + 1].year != r.year + 1 || r.leapMonth < 0 || r.leapMonth > 12 || (r.lengths >> 13) != 0) return false;
    if (monthsIn(r) == 12 && (r.lengths & 1) != 0) return false;
    std::int64_t sum = 0;
    for (int m = 0; m < monthsIn(r); ++m) sum += fullLength(r, m);
    const bool last = i + 2 == RowCount;
    if (last ? !(sum - fullLength(r, monthsIn(r) - 1) < span && span <= sum) : sum != span) return false;
  }
  return true;
}
static_assert(rowsHoldTogether(), "historical_months_table.inc is inconsistent; regenerate it");

const YearRow& row(std::int64_t i) {
  if (i < 0 || i >= RowCount) throw TableBoundsError("historicalMonths", i, RowCount - 1);
  return Rows[i];
}

// A month of the table: its row, its place in the year, its first day and length.
struct Cursor {
  std::int64_t row;
  int index;
  std::int64_t start;
  int days;
};

Cursor monthOf(std::int64_t r, int index, std::int64_t start) {
  const int full = fullLength(row(r), index);
  return {r, index, start, static_cast<int>(std::min<std::int64_t>(full, EndJdn - start))};
}

Cursor next(const Cursor& c) {
  const std::int64_t start = c.start + c.days;
  if (c.index + 1 < monthsIn(row(c.row))) return monthOf(c.row, c.index + 1, start);
  return monthOf(c.row + 1, 0, start);
}

// The month that holds jdn, which must lie in the table.
Cursor locate(std::int64_t jdn) {
  const YearRow* end = Rows + (RowCount - 1);
  const YearRow* after =
      std::upper_bound(Rows, end, jdn, [](std::int64_t j, const YearRow& r) { return j < r.firstJdn; });
  const std::int64_t r = (after - Rows) - 1;
  const YearRow& year = row(r);
  // jdn lies before the next row's first day, so the walk stays within the year.
  std::int64_t start = year.firstJdn;
  int index = 0;
  while (jdn >= start + fullLength(year, index)) start += fullLength(year, index++);
  return monthOf(r, index, start);
}

HistoricalMonth monthAt(const Cursor& c) {
  const YearRow& r = row(c.row);
  // Months in order: 1..L, then the leap month L, then L+1..12.
  const int leap = r.leapMonth;
  const int number = (leap == 0 || c.index < leap) ? c.index + 1 : c.index;
  return {r.year, number, leap != 0 && c.index == leap, c.start, c.days};
}

HistoricalDay dayAt(const Cursor& c, std::int64_t jdn) {
  const HistoricalMonth m = monthAt(c);
  return {m.year, m.month, m.leap, static_cast<int>(jdn - c.start) + 1, m.days};
}

bool inTable(std::int64_t jdn) { return jdn >= HistoricalFirstJdn && jdn <= HistoricalLastJdn; }

}  // namespace

std::optional<HistoricalDay> historicalDay(std::int64_t jdn) {
  if (!inTable(jdn)) return std::nullopt;
  return dayAt(locate(jdn), jdn);
}

std::vector<std::optional<HistoricalDay>> historicalDays(std::int64_t firstJdn, int count) {
  std::vector<std::optional<HistoricalDay>> days(static_cast<std::size_t>(std::max(count, 0)));
  std::optional<Cursor> c;
  HistoricalMonth month{};  // the month of the cursor, read from the table when the cursor moves
  for (std::size_t k = 0; k < days.size(); ++k) {
    const std::int64_t jdn = firstJdn + static_cast<std::int64_t>(k);
    if (!inTable(jdn)) continue;
    if (!c) {
      c = locate(jdn);
      month = monthAt(*c);
    }
    while (jdn >= c->start + c->days) {
      c = next(*c);
      month = monthAt(*c);
    }
    days[k] = HistoricalDay{month.year, month.month, month.leap, static_cast<int>(jdn - c->start) + 1, month.days};
  }
  return days;
}

std::vector<HistoricalMonth> historicalMonths() {
  std::vector<HistoricalMonth> months;
  months.reserve(17662);
  for (Cursor c = monthOf(0, 0, HistoricalFirstJdn); c.start <= HistoricalLastJdn; c = next(c))
    months.push_back(monthAt(c));
  return months;
}

std::string_view historicalCalendarName(int year) {
  struct Calendar {
    int firstYear;
    std::string_view name;
  };
  // The lunar year in which each calendar took effect.
  static constexpr Calendar kCalendars[] = {{HistoricalFirstYear, "元嘉暦"}, {697, "儀鳳暦"}, {764, "大衍暦"},
                                            {862, "宣明暦"},  {1685, "貞享暦"}, {1755, "宝暦暦"},
                                            {1798, "寛政暦"}, {1844, "天保暦"}};
  if (year < HistoricalFirstYear || year > HistoricalLastYear) return {};
  std::string_view name;
  for (const Calendar& c : kCalendars)
    if (c.firstYear <= year) name = c.name;
  return name;
}

}  // namespace ventorel
