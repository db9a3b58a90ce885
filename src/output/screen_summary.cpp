#include "output/screen_summary.h"

#include <charconv>
#include <string>

#include "astro/day_count.h"
#include "data/numbers.h"
#include "output/text_building.h"

namespace ventorel {

namespace {

const Rgb ChosenYearColour{180, 0, 0};
const Rgb Black{0, 0, 0};
constexpr double SummaryTop = 1000;

double columnX(int slot) { return 4000.0 * slot + 100; }

// A whole number as the window prints it inside a line: a blank in front when
// non-negative, a blank after (" 5 ", "-3 ").
void appendPrinted(std::string& line, int n) {
  char digits[16];
  const std::to_chars_result written = std::to_chars(digits, digits + sizeof digits, n);
  if (n >= 0) line += ' ';
  line.append(digits, written.ptr);
  line += ' ';
}

// One summary line: date, weekday, moon age, term, new-moon mark, month.
std::string summaryLine(const BuiltinTables& names, const YearSky& sky, const LunarDay& day, int d,
                        const MonthDay& date, double dayNumber) {
  const int term = sky.termOnDay[d];
  std::string line;
  line.reserve(96);
  appendPrinted(line, date.month);
  line += "月";
  appendPrinted(line, date.day);
  appendPieces(line, "日(", names.weekdayName(0, weekdayIndex(dayNumber)), ") ");
  appendPrinted(line, day.moonAge);
  if (term >= 0) line += names.solarTermName[term];
  if (sky.isNewMoonDay(d)) line += "新月";
  if (day.monthStartsHere) line += monthName(day.month);
  return line;
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

void drawSummary(Surface& surface, const BuiltinTables& names, const SkyTrio& skies, const LunarDays& lunar) {
  for (int slot = 0; slot <= 2; ++slot) {
    const YearSky& sky = skies[static_cast<std::size_t>(slot)];
    const LunarYear& year = lunar.years[static_cast<std::size_t>(slot)];
    MonthStarts monthStart{"monthStart"};
    fillMonthStarts(monthStart, leapDay(sky.year));
    surface.setTextY(gridY(surface, SummaryTop));
    surface.setTextColour(slot == 1 ? ChosenYearColour : Black);
    const double x = gridX(surface, columnX(slot));
    for (int d = 1; d <= sky.lastDay; ++d) {
      surface.setTextX(x);
      const LunarDay& day = year.days[d];
      if (sky.termOnDay[d] >= 0 || day.monthStartsHere) {
        const MonthDay date = monthDayOf(d, monthStart);
        surface.printLine(summaryLine(names, sky, day, d, date, epochDays(sky.year, date.month, date.day, monthStart)));
      }
    }
  }
}

}  // namespace ventorel
