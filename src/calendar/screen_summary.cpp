#include "calendar/screen_summary.h"

#include <string>

#include "data/numbers.h"

namespace ventorel {

namespace {

const Rgb ChosenYearColour{180, 0, 0};
const Rgb Black{0, 0, 0};
constexpr double SummaryTop = 1000;

double columnX(int slot) { return 4000.0 * slot + 100; }

// A whole number as the window prints it (printedNumber's form for integers: a
// blank in front when non-negative, a blank after), without the general decimal
// formatting, since the summary prints some five hundred of them per run.
std::string printed(int n) { return (n >= 0 ? " " : "") + std::to_string(n) + " "; }

// One summary line: date, weekday, old-calendar day, term, new-moon mark, month.
std::string summaryLine(const RunState& state, int slot, int d, const MonthDay& date, double dayNumber) {
  return printed(date.month) + "月" + printed(date.day) + "日(" +
         state.names.weekdayName(0, weekdayIndex(dayNumber)) + ") " + printed(state.dayMoonAge(slot, d)) +
         state.dayNotePlain(slot, d) + state.dayMoonMark(slot, d) + state.dayLunarMonth(slot, d);
}

}  // namespace

void printNotice(Surface& surface) {
  surface.printEmptyLine();
  surface.printEmptyLine();
  setTextGrid(surface, 4100, 10);
  surface.setFontSize(13);
  surface.setBold(true);
  surface.setTextColour(ChosenYearColour);
  surface.printLine("        カレンダーは、同じフォルダーにHTM又はCSVファイルで作成されています。");
  surface.setBold(false);
  surface.setFontSize(9);
  surface.setTextColour(Black);
}

void printSummary(RunState& state, Surface& surface, MessageBox& messages) {
  // The month name and day count carried from day to day, across the year ends.
  std::string carriedMonth;
  int carriedDay = 0;
  for (int slot = 0; slot <= 2; ++slot) {
    state.year = state.baseYear + slot - 1;
    state.computeYearArithmetic();
    surface.setTextY(gridY(surface, SummaryTop));
    surface.setTextColour(slot == 1 ? ChosenYearColour : Black);
    const int lastDay = 365 + state.leapDay;
    for (int d = 1; d <= lastDay; ++d) {
      // Days before a year's first new moon continue the previous year's month.
      if (slot > 0 && state.dayMoonAge(slot, d) == 0) {
        state.dayMoonAge(slot, d) =
            d == 1 ? state.yearEndMoonAge[slot - 1] + 1 : state.dayMoonAge(slot, d - 1) + 1;
      }
      surface.setTextX(gridX(surface, columnX(slot)));
      const MonthDay date = monthDayOf(d, state.monthStart);
      if (date.day > 31) {
        messages.show("???");
      } else {
        state.epochDays = epochDays(state.year, date.month, date.day, state.monthStart);
        surface.setTextX(gridX(surface, columnX(slot)));
        if (!state.dayNotePlain(slot, d).empty() || !state.dayLunarMonth(slot, d).empty())
          surface.printLine(summaryLine(state, slot, d, date, state.epochDays));
      }
      // Month carry and day carry: every day receives its month name and day.
      if (!state.dayLunarMonth(slot, d).empty()) {
        carriedMonth = state.dayLunarMonth(slot, d);
      } else {
        state.dayLunarMonth(slot, d) = carriedMonth;
      }
      if (state.dayMoonAge(slot, d) != 0) {
        carriedDay = state.dayMoonAge(slot, d);
      } else {
        state.dayMoonAge(slot, d) = ++carriedDay;
      }
    }
  }
}

}  // namespace ventorel
