// The compiled-in events of every year PreciseYearTableFirstYear..LastYear. The
// rows are made at build time by tools/precise_year_table_main.cpp into the build
// folder; the checks below stop the build if the generated file is malformed.
#include <cstdint>

#include "astro/precise_year.h"

namespace ventorel {

namespace {

constexpr std::int32_t Rows[][PackedYearSize] = {
#include "precise_year_table.inc"
};

constexpr int RowCount = static_cast<int>(sizeof Rows / sizeof Rows[0]);
static_assert(RowCount == PreciseYearTableLastYear - PreciseYearTableFirstYear + 1,
              "the generated sky table holds other years than the engine expects");

constexpr bool within(std::int32_t value, int lowDays, int highDays) {
  return value >= lowDays * 86400 && value <= highDays * 86400;
}

// Each row is for its year, every event lies near its year, the terms run in
// order some fifteen days apart and the 12 or 13 new moons a lunation apart: a
// truncated, shifted or garbled row breaks one of these.
constexpr bool wellFormed(const std::int32_t* row, int year) {
  if (row[PackedYearSize - 1] != year) return false;
  for (int i = 0; i < 30; ++i)
    if (!within(row[i], -5, 370)) return false;
  // In time order the terms are 19..23, then 0..18.
  for (int n = 0; n < 23; ++n) {
    const int k = (19 + n) % 24, next = (20 + n) % 24;
    if (!within(row[next] - row[k], 14, 17)) return false;
  }
  const int moons = row[30];
  if (moons != 12 && moons != 13) return false;
  if (!within(row[31], 0, 31) || !within(row[31 + moons - 1], 320, 366)) return false;
  for (int i = 1; i < moons; ++i)
    if (!within(row[31 + i] - row[30 + i], 29, 30)) return false;
  for (int i = moons; i < 13; ++i)
    if (row[31 + i] != -1) return false;
  // The 候 between the terms: 47 to 49 in the year, five or ten days apart.
  const int kous = row[44], firstKou = row[45];
  if (kous < 47 || kous > 49 || firstKou < 0 || firstKou >= 72 || firstKou % 3 == 0) return false;
  for (int i = 0; i < kous; ++i)
    if (!within(row[46 + i], 0, 366) || (i > 0 && !within(row[46 + i] - row[45 + i], 4, 11))) return false;
  for (int i = kous; i < 49; ++i)
    if (row[46 + i] != -1) return false;
  constexpr int PhasesAt = 46 + 49 + 2;
  // The phases: some 50 a year, six to nine days apart, the first quarter 0..3.
  const int phases = row[PhasesAt - 2];
  if (phases < 45 || phases > PhaseSlots || row[PhasesAt - 1] < 0 || row[PhasesAt - 1] > 3) return false;
  if (!within(row[PhasesAt], 0, 9) || !within(row[PhasesAt + phases - 1], 356, 366)) return false;
  for (int i = 1; i < phases; ++i)
    if (!within(row[PhasesAt + i] - row[PhasesAt - 1 + i], 6, 9)) return false;
  for (int i = phases; i < PhaseSlots; ++i)
    if (row[PhasesAt + i] != -1) return false;
  // The eclipses: two to seven, of a known body and kind, in order, with the
  // Moon's beginning before its greatest before its end.
  const int eclipsesAt = PhasesAt + PhaseSlots, eclipses = row[eclipsesAt];
  if (eclipses < 2 || eclipses > EclipseSlots) return false;
  for (int i = 0; i < EclipseSlots; ++i) {
    const std::int32_t* e = row + eclipsesAt + 1 + PackedEclipseSize * i;
    if (i >= eclipses) {
      for (int j = 0; j < PackedEclipseSize; ++j)
        if (e[j] != -1) return false;
      continue;
    }
    const int body = e[0] / 8, kind = e[0] % 8;
    if (e[0] < 0 || body > 1 || (body == 0 ? kind > 3 : kind != 0 && kind != 3 && kind != 4)) return false;
    if (!within(e[1], 0, 366) || e[2] > e[1] || e[3] < e[1] || e[3] - e[2] > 8 * 3600) return false;
    if (e[4] < 0 || e[4] > 30000) return false;
    if (i > 0 && e[1] - e[1 - PackedEclipseSize] < 13 * 86400) return false;
  }
  return true;
}

constexpr bool tableWellFormed() {
  for (int r = 0; r < RowCount; ++r)
    if (!wellFormed(Rows[r], PreciseYearTableFirstYear + r)) return false;
  return true;
}
static_assert(tableWellFormed(), "the generated sky table is malformed");

}  // namespace

PreciseYearEvents preciseYearEvents(int year) {
  if (year < PreciseYearTableFirstYear || year > PreciseYearTableLastYear) return computePreciseYearEvents(year);
  return unpackYear(Rows[year - PreciseYearTableFirstYear]);
}

}  // namespace ventorel
