#include "app/month_sheet.h"

#include "data/reference_data.h"
#include "output/names.h"
#include "output/japanese_date_text.h"

namespace ventorel {

namespace {

std::string oldDateCellText(const CalendarDay& day) {
  if (!day.lunarMonth.number || day.lunarDay <= 0) return "";
  const std::string month = (day.lunarMonth.leap ? "閏" : "") + std::to_string(*day.lunarMonth.number);
  if (day.lunarDay == 1) return "旧" + month + "月1日";
  return "旧" + month + "/" + std::to_string(day.lunarDay);
}

std::string noteText(const CalendarDay& day, const BuiltinTables& names, NameSpelling spelling) {
  if (day.term) return termName(names, *day.term);
  std::string text;
  for (Zassetsu z : day.zassetsu) {
    if (!text.empty()) text += "・";
    text += zassetsuName(z, spelling);
  }
  if (day.festival != Festival::None) {
    if (!text.empty()) text += "・";
    text += festivalName(day.festival);
  }
  return text;
}

}  // namespace

DayHeading dayHeading(const CalendarYear& year, const CalendarDay& day, const BuiltinTables& names) {
  DayHeading heading;
  heading.date = userYearText(static_cast<std::int64_t>(year.year)) + "年" + std::to_string(day.month) + "月" +
                 std::to_string(day.day) + "日（" + names.weekdayName(0, day.weekday) + "）";
  heading.detail = japaneseDatesText(day.japaneseDates);
  if (day.gregorian && day.holiday) heading.detail += (heading.detail.empty() ? "" : "　") + day.holiday->name;
  return heading;
}

std::string userYearText(std::int64_t astronomicalYear) {
  return std::to_string(Year::fromAstronomical(astronomicalYear).user());
}

Date monthsLater(const Date& date, int count) {
  const std::int64_t index = date.year * 12 + (date.month - 1) + count;
  const std::int64_t year = index >= 0 ? index / 12 : -((-index + 11) / 12);
  const int month = static_cast<int>(index - year * 12) + 1;
  const int last = daysInMonth(year, month);
  return Date{year, month, date.day < last ? date.day : last};
}

MonthSheet monthSheet(const Engine& engine, std::int64_t year, int month, Basis basis) {
  MonthSheet sheet;
  sheet.year = year;
  sheet.month = month;
  sheet.title = userYearText(year) + "年" + std::to_string(month) + "月";
  const YearResult made = engine.year(Year::fromAstronomical(year), basis);
  if (!made.ok()) {
    sheet.status = made.status;
    sheet.message = made.message;
    return sheet;
  }
  const CalendarYear& calendar = *made.year;
  const BuiltinTables& names = engine.data().names;
  const std::int64_t first = jdnOf(Date{year, month, 1});
  const std::int64_t start = first - weekdayOf(first);
  const int firstDayOfYear = daysBeforeMonth(year, month) + 1;
  sheet.cells.reserve(42);
  for (int i = 0; i < 42; ++i) {
    MonthCell cell;
    cell.date = dateOf(start + i);
    cell.weekday = i % 7;
    cell.inMonth = cell.date.year == year && cell.date.month == month;
    const int index = firstDayOfYear - 1 + (cell.date.day - 1);
    if (cell.inMonth && index >= 0 && static_cast<std::size_t>(index) < calendar.days.size()) {
      const CalendarDay& day = calendar.days[static_cast<std::size_t>(index)];
      cell.rokuyo = names.rokuyoName[day.rokuyo];
      cell.oldDate = oldDateCellText(day);
      if (day.gregorian && day.holiday) cell.holiday = day.holiday->name;
      cell.note = noteText(day, names, calendar.spelling);
      cell.newMoon = day.newMoon;
      // Both courts' years where they count their own: "北朝 建武3年・南朝 延元元年".
      if (cell.date.day == 1)
        for (const JapaneseDate& date : day.japaneseDates) {
          if (!sheet.eraTitle.empty()) sheet.eraTitle += "・";
          if (date.court != EraCourt::None) sheet.eraTitle += std::string(courtName(date.court)) + " ";
          sheet.eraTitle += japaneseYearText(date);
        }
    }
    sheet.cells.push_back(std::move(cell));
  }
  return sheet;
}

}  // namespace ventorel
