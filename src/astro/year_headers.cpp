#include "astro/year_headers.h"

#include <string>

#include "astro/sexagenary.h"
#include "data/era_lookup.h"
#include "data/numbers.h"

namespace ventorel {

namespace {

constexpr Rgb ChosenYearColour{180, 0, 0};
constexpr Rgb OtherYearColour{0, 0, 0};

// Eras are named after the year 644; the second court reigned from 1331 to 1392.
constexpr double LastYearWithoutEra = 644;
constexpr double SecondCourtFirst = 1331;
constexpr double SecondCourtLast = 1392;

double columnX(const RunState& state) { return state.yearSlot() * 4000.0 + 100; }

void printAt(Surface& surface, double gx, double gy, const std::string& text) {
  setTextGrid(surface, gx, gy);
  surface.printLine(text);
}

void printEraLine(const RunState& state, Surface& surface, const EraTable& table, int rowCount, double gy) {
  const std::optional<int> row = eraRowFor(table, rowCount, state.year);
  if (row) printAt(surface, columnX(state), gy, plainEraText(table, *row, state.year));
}

}  // namespace

double shownYear(double enteredYear, int yearOffset) {
  const double n = enteredYear + yearOffset;
  if (n != 0) return n;
  return yearOffset < 0 ? -1 : 1;
}

std::string yearLine(const RunState& state, double shown) {
  const Sexagenary sign = yearSexagenary(state.year);
  return "西暦" + trimmedNumber(shown) + "年(ｸﾞﾚｺﾞﾘｵ暦)  " + state.names.stemName[sign.stem] +
         state.names.branchName[sign.branch] + state.names.zodiacAnimal[sign.branch] + "の年 ";
}

void setPassHeaderStyle(const RunState& state, Surface& surface) {
  surface.setFontSize(9);
  surface.setTextColour(state.yearOffset == 0 ? ChosenYearColour : OtherYearColour);
}

void printYearHeaders(const RunState& state, Surface& surface) {
  if (state.year > LastYearWithoutEra) printEraLine(state, surface, state.eraTable, state.eraRowCount, 600);
  if (state.year >= SecondCourtFirst && state.year <= SecondCourtLast)
    printEraLine(state, surface, state.periodTable, state.periodRowCount, 800);
  printAt(surface, columnX(state), 400, yearLine(state, shownYear(state.enteredYear, state.yearOffset)));
}

}  // namespace ventorel
