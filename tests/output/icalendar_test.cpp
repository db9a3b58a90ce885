#include "output/icalendar.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "data/text.h"

namespace ventorel::ics {
namespace {

std::vector<std::string> physicalLines(const std::string& folded) {
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < folded.size();) {
    const std::size_t end = folded.find("\r\n", at);
    if (end == std::string::npos) {
      ADD_FAILURE() << "no CR LF after byte " << at;
      break;
    }
    lines.push_back(folded.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

// Folding keeps every physical line within 75 octets, never cuts a character, and
// unfolding (dropping CR LF + blank) gives the line back.
TEST(ICalendar, FoldingKeepsLinesShortAndCharactersWhole) {
  std::string names;
  for (int i = 0; i < 12; ++i) names += "振替休日・国民の休日・月遅れの七夕・土用丑（うし）";
  for (const std::string& line : {std::string("SUMMARY:") + names, std::string("X:") + std::string(200, 'a'),
                                 std::string("SUMMARY:a") + names, std::string("SUMMARY:立春"),
                                 std::string(75, 'b'), std::string(76, 'b'), std::string()}) {
    const std::string folded = foldLine(line);
    std::string unfolded;
    const std::vector<std::string> lines = physicalLines(folded);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_LE(lines[i].size(), 75u) << line;
      EXPECT_TRUE(isValidUtf8(lines[i])) << "line " << i << " of " << line;
      if (i > 0) {
        ASSERT_FALSE(lines[i].empty());
        EXPECT_EQ(lines[i][0], ' ');
        EXPECT_GT(lines[i].size(), 1u) << "a continuation line with nothing on it";
      }
      unfolded += i == 0 ? lines[i] : lines[i].substr(1);
    }
    EXPECT_EQ(unfolded, line);
    EXPECT_EQ(lines.size(), line.size() <= 75 ? 1u : lines.size()) << line;
  }
}

TEST(ICalendar, TextEscaping) {
  struct Case { const char* text; const char* escaped; };
  for (const Case c : {Case{"立春 17:27", "立春 17:27"}, {"a,b;c\\d", "a\\,b\\;c\\\\d"},
                       {"旧暦1月1日\n大安", "旧暦1月1日\\n大安"}, {"x\r\ny\rz", "x\\ny\\nz"},
                       {"tab\there", "tab\there"}, {"bell\x07", "bell"}, {"\\n", "\\\\n"},
                       {"\x7f" "del\x1f", "del"}, {"", ""}, {",", "\\,"}})
    EXPECT_EQ(escapeText(c.text), c.escaped) << c.text;
}

TEST(ICalendar, DatesAndTheirEnds) {
  struct Case { CivilDate date; const char* value; const char* next; };
  for (const Case c : {Case{{2024, 2, 28}, "20240228", "20240229"}, {{2024, 2, 29}, "20240229", "20240301"},
                       {{2023, 2, 28}, "20230228", "20230301"}, {{1900, 2, 28}, "19000228", "19000301"},
                       {{2024, 12, 31}, "20241231", "20250101"}, {{1, 1, 1}, "00010101", "00010102"},
                       {{9999, 12, 31}, "99991231", nullptr}, {{0, 12, 31}, nullptr, "00010101"}}) {
    EXPECT_EQ(dateValue(c.date).value_or("none"), c.value ? c.value : "none");
    EXPECT_EQ(dateValue(nextDay(c.date)).value_or("none"), c.next ? c.next : "none");
  }
}

// Events counted in any order: the number of each is the count of its kind and
// day so far, whatever other days and kinds came in between.
TEST(ICalendar, EventCountsNumberEachKindOfEachDay) {
  struct Step { CivilDate date; const char* kind; int number; };
  EventCounts seen;
  for (const Step s : {Step{{2024, 9, 21}, "zassetsu", 1}, {{2024, 9, 21}, "term", 1}, {{2024, 9, 21}, "zassetsu", 2},
                       {{2024, 9, 22}, "zassetsu", 1}, {{2024, 2, 4}, "term", 1}, {{2024, 9, 21}, "term", 2},
                       {{2023, 9, 21}, "zassetsu", 1}, {{2024, 9, 21}, "zassetsu", 3}, {{2024, 2, 4}, "term", 2},
                       {{2024, 9, 22}, "zassetsu", 2}})
    EXPECT_EQ(seen.next(s.date, s.kind), s.number) << s.date.month << "/" << s.date.day << " " << s.kind;
}

// A small calendar against its golden file: the properties, the UID numbering of
// two events of one kind on one day, the year-end DURATION, escaping and folding.
TEST(ICalendar, CalendarMatchesGoldenFile) {
  std::string text = calendarHead({"日本の暦 2024", "Asia/Tokyo", "-//Ventorel//Ventorel 1.2//JA"});
  EventCounts seen;
  EventWriter writer(text, utcStamp(1704067200), seen);
  for (const EventText& event : {
           EventText{{2024, 1, 1}, "holiday", "祝日", "元日", "旧暦11月20日 赤口"},
           {{2024, 9, 21}, "zassetsu", "雑節", "彼岸会", "旧暦8月19日"},
           {{2024, 9, 21}, "zassetsu", "雑節", "社日（秋社）", "旧暦8月19日"},
           {{2024, 2, 4}, "term", "二十四節気", "立春 17:27", "立春（1月節気）, 太陽黄経315°; 旧暦12月25日\n赤口"},
           {{9999, 12, 31}, "oldmonth", "旧暦", "旧暦閏11月1日", ""},
       })
    writer.write(event);
  text += CalendarTail;
  const char* path = VENTOREL_SOURCE_DIR "/tests/output/icalendar_sample.ics";
  // VENTOREL_UPDATE_GOLDEN=1 rewrites the golden file after an intended change; review its diff.
  if (std::getenv("VENTOREL_UPDATE_GOLDEN")) std::ofstream(path, std::ios::binary) << text;
  std::ifstream golden(path, std::ios::binary);
  std::stringstream expected;
  expected << golden.rdbuf();
  EXPECT_EQ(text, expected.str());
  EXPECT_THROW(writer.write({{0, 1, 1}, "term", "", "", ""}), std::out_of_range);
}

}  // namespace
}  // namespace ventorel::ics
