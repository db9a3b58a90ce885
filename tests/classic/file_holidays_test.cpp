#include "classic/file_holidays.h"

#include <gtest/gtest.h>

#include "output/day_texts.h"
#include "output/output_fixture.h"

namespace ventorel {
namespace {

// The holidays of a year with the fixture's holiday rows and equinoxes.
struct HolidayYear {
  explicit HolidayYear(double year, int autumnEquinoxDay = 23, bool holidays = true)
      : fixture(testing::chosenYear(year, autumnEquinoxDay, holidays)) {}
  std::vector<std::optional<DayHoliday>> holidays() const { return holidaysOf(fixture->data.holidays, fixture->skies[1]); }
  std::string on(int m, int d, bool html = false) const {
    return holidayText(holidays().at(static_cast<std::size_t>(fixture->dayIndex(m, d))), html);
  }
  std::unique_ptr<testing::FixtureYear> fixture;
};

TEST(Holidays, FinishedHolidaysOfKnownYears) {
  struct Case { double year; int autumnEquinox; int m; int d; const char* expected; };
  const Case cases[] = {
      {2024, 22, 1, 1, "元日"},
      {2024, 22, 1, 8, "成人の日"},           // second Monday
      {2024, 22, 1, 15, ""},                  // third Monday
      {2024, 22, 3, 20, "春分の日"},
      {2024, 22, 9, 16, "敬老の日"},
      {2024, 22, 9, 22, "秋分の日"},
      {2024, 22, 9, 23, "振替休日"},           // 秋分の日 on a Sunday
      {2024, 22, 8, 12, "振替休日"},           // 山の日 on a Sunday
      {2009, 23, 9, 21, "敬老の日"},
      {2009, 23, 9, 22, "国民の休日"},         // between 敬老の日 and 秋分の日
      {2015, 23, 9, 22, "国民の休日"},
      {2008, 23, 5, 6, "振替休日"},            // みどりの日 on a Sunday
      {2009, 23, 5, 6, "振替休日"},            // 憲法記念日 on a Sunday: past 4 and 5 May
      {2012, 22, 1, 2, "振替休日"},
      {2023, 23, 1, 2, "振替休日"},
      {2017, 23, 1, 2, "振替休日"},
      {2023, 23, 1, 9, "成人の日"},
      {2005, 23, 1, 1, ""},                    // nothing before 2006
      {2005, 23, 3, 20, ""},
      {2006, 23, 1, 1, "元日"},
  };
  for (const Case& c : cases) {
    const HolidayYear year(c.year, c.autumnEquinox);
    EXPECT_EQ(year.on(c.m, c.d), c.expected) << c.year << "-" << c.m << "-" << c.d;
  }
}

TEST(Holidays, NoYearBefore2006HasAnyHoliday) {
  for (const double y : {2005.0, 1990.0, 1582.0, -660.0}) {
    const HolidayYear year(y);
    for (const std::optional<DayHoliday>& holiday : year.holidays()) EXPECT_FALSE(holiday) << y;
  }
}

TEST(Holidays, ANationalHolidayOnASundayGivesNoSubstitute) {
  // 2019-09-22 is a Sunday; with holidays on either side it becomes 国民の休日,
  // which moves no holiday on.
  HolidayYear year(2019, 23, false);
  year.fixture->data.holidays.holidayDate(1, 1) = Value(9.0);
  year.fixture->data.holidays.holidayDate(2, 1) = Value(21.0);
  year.fixture->data.holidays.holidayName[1] = "敬老の日";
  const auto holidays = year.holidays();
  const int sunday = year.fixture->dayIndex(9, 22);
  ASSERT_TRUE(holidays[static_cast<std::size_t>(sunday)]);
  EXPECT_EQ(holidays[static_cast<std::size_t>(sunday)]->name, "国民の休日");
  EXPECT_EQ(holidays[static_cast<std::size_t>(sunday)]->kind, HolidayKind::Between);
  EXPECT_EQ(holidays[static_cast<std::size_t>(sunday + 1)]->kind, HolidayKind::Law);
  EXPECT_FALSE(holidays[static_cast<std::size_t>(sunday + 2)]);
}

TEST(Holidays, TheEmperorsBirthdayOnASundayMovesToTheTwentyFourth) {
  HolidayYear year(2012);
  year.fixture->data.holidays.holidayDate(1, 3) = Value(12.0);
  year.fixture->data.holidays.holidayDate(2, 3) = Value(23.0);
  EXPECT_EQ(year.on(12, 23), "天皇誕生日");
  EXPECT_EQ(year.on(12, 24), "振替休日");
  EXPECT_EQ(year.holidays().at(static_cast<std::size_t>(year.fixture->dayIndex(12, 24)))->kind, HolidayKind::Substitute);
}

TEST(Holidays, EmptyRowsNeverMatchEvenOnDayZero) {
  const HolidayYear year(2024, 23, false);
  const auto holidays = year.holidays();
  for (std::size_t d = 0; d < holidays.size(); ++d) {
    if (d == 80 || d == 267) continue;
    EXPECT_FALSE(holidays[d]) << d;
  }
}

}  // namespace
}  // namespace ventorel
