// The 暦注 of the true basis: the days of rekichu_days.csv, checked by hand from the
// rules, and every day of 1900-2100 against this test's own formulas.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "astro/julian_day.h"
#include "output/json_calendar.h"
#include "output/names.h"
#include "support/test_support.h"

namespace ventorel {
namespace {

using testing::shippedData;

const CalendarYear& trueYear(int year) {
  static std::map<int, CalendarYear> years;
  auto found = years.find(year);
  if (found == years.end())
    found = years.emplace(year, testing::calendarOf(year)).first;
  return found->second;
}

std::vector<std::string> fields(const std::string& line) { return testing::splitFields(line, ','); }

std::string isoOf(const CalendarYear& year, const CalendarDay& day) { return isoDate(year.year, day.month, day.day); }

std::string almanacDays(const Rekichu& r) {
  std::string text;
  for (const char* name : almanacDayNames(r)) text += (text.empty() ? "" : "・") + std::string(name);
  return text.empty() ? "-" : text;
}

// The 閏 periods of the file, "first last".
std::set<std::string> expectedLeaps() {
  std::set<std::string> leaps;
  for (const std::string& line : testing::dataLines("tests/calendar/rekichu_days.csv"))
    if (line.rfind("leap,", 0) == 0) leaps.insert(fields(line)[1] + " " + fields(line)[2]);
  return leaps;
}

TEST(Rekichu, DaysCheckedByHand) {
  const BuiltinTables& names = shippedData().names;
  int checked = 0;
  for (const std::string& line : testing::dataLines("tests/calendar/rekichu_days.csv")) {
    const std::vector<std::string> f = fields(line);
    if (f.size() == 3 && f[0] == "year") {
      EXPECT_STREQ(kyuseiName(trueYear(std::stoi(f[1])).yearKyusei), f[2].c_str()) << line;
      continue;
    }
    if (f.size() != 10 || f[0] != "day") continue;
    const CalendarYear& year = trueYear(std::stoi(f[1].substr(0, 4)));
    const CalendarDay* found = nullptr;
    for (const CalendarDay& d : year.days)
      if (isoOf(year, d) == f[1]) found = &d;
    ASSERT_TRUE(found && found->rekichu) << line;
    const Rekichu& r = *found->rekichu;
    const std::vector<std::string> got = {
        "day", f[1], names.stemName[found->sexagenary.stem] + names.branchName[found->sexagenary.branch],
        kyuseiName(r.kyusei), chokuName(r.choku), shukuName(r.shuku), nacchinName(r.nacchin),
        monthSexagenaryName(names, r), kyuseiName(r.monthKyusei), almanacDays(r)};
    EXPECT_EQ(got, f) << line;
    ++checked;
  }
  EXPECT_GE(checked, 40);
}

// Every day of 1900-2100: 二十八宿 and 納音 from the Julian Day Number, the 節月 from the
// term days and its 干支 from a count of months, 十二直 stepped day by day; the 日家九星
// moves one star a day but for the repeats on a 甲子 and at the turn of a 閏, whose
// periods are the file's.
TEST(Rekichu, Sweep1900To2100) {
  int setsuMonth = 11;  // 1 January 1900 lies in the 子 month
  int setsuYear = 1899, choku = 0, star = 0;
  std::set<std::string> leaps;  // Julian Day Numbers of the first and last day, from the turn
  for (int y = 1900; y <= 2100; ++y) {
    const CalendarYear& year = trueYear(y);
    for (const CalendarDay& day : year.days) {
      ASSERT_TRUE(day.rekichu);
      const Rekichu& r = *day.rekichu;
      const std::string date = isoOf(year, day);
      const std::int64_t jdn = jdnOfEpochDay(day.epochDays);
      const int place = static_cast<int>((jdn + 49) % 60);  // 2024-01-01 (JDN 2460311) is 甲子
      ASSERT_EQ(r.shuku, (jdn + 11) % 28 + 1) << date;   // ... and 畢, the 19th
      ASSERT_EQ(r.nacchin, place / 2 + 1) << date;
      const bool setsu = day.term && *day.term % 2 == 1;
      if (setsu) {
        setsuMonth = (*day.term + 3) % 24 / 2 + 1;  // 立春 (21) opens the first
        if (*day.term == 21) setsuYear = y;
      }
      ASSERT_EQ(r.setsuMonth, setsuMonth) << date;
      const int monthPlace = (12 * setsuYear + setsuMonth + 13) % 60;  // 寅 of 1984 (甲子) is 丙寅
      ASSERT_EQ(r.monthSexagenary.stem, monthPlace % 10 + 1) << date;
      ASSERT_EQ(r.monthSexagenary.branch, monthPlace % 12 + 1) << date;
      const int monthBranch = (setsuMonth + 1) % 12 + 1;
      if (choku == 0) choku = (day.sexagenary.branch - monthBranch + 12) % 12 + 1;
      else if (!setsu) choku = choku % 12 + 1;
      ASSERT_EQ(r.choku, choku) << date;
      if (!setsu) {
        ASSERT_EQ(r.choku == 1, day.sexagenary.branch == monthBranch) << date;
      }
      if (star != 0) {
        const int step = (r.kyusei - star + 9) % 9;
        ASSERT_TRUE(step == 1 || step == 8 || (step == 0 && (place == 0 || place == 30))) << date;
        if (step == 0 && place == 30) {
          ASSERT_TRUE(r.kyusei == 3 || r.kyusei == 7) << date;
          leaps.insert(std::to_string(jdn - 30) + " " + std::to_string(jdn + 29));
        }
      }
      star = r.kyusei;
    }
  }
  // The file's periods as Julian Day Numbers.
  std::set<std::string> expected;
  for (const std::string& leap : expectedLeaps()) {
    std::string out;
    for (const std::string& iso : {leap.substr(0, 10), leap.substr(11)}) {
      const std::int64_t n = jdnOfGregorian(std::stoi(iso.substr(0, 4)), std::stoi(iso.substr(5, 2)),
                                            std::stoi(iso.substr(8)));
      out += (out.empty() ? "" : " ") + std::to_string(n);
    }
    expected.insert(out);
  }
  // A 閏 whose turn lies outside the sweep is not seen there.
  std::erase_if(expected, [](const std::string& s) {
    const std::int64_t first = std::stoll(s.substr(0, s.find(' ')));
    return first + 30 < jdnOfGregorian(1900, 1, 2) || first + 30 > jdnOfGregorian(2100, 12, 31);
  });
  EXPECT_EQ(leaps, expected);
}

}  // namespace
}  // namespace ventorel
