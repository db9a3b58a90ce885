#include <gtest/gtest.h>

#include "data/checked_table.h"
#include "data/text.h"
#include "data/value.h"

namespace ventorel {
namespace {

TEST(Text, CharactersAreCountedNotBytes) {
  EXPECT_EQ(charCount("立春(1月節気)"), 8u);
  EXPECT_EQ(midChars("立春(1月節気)", 4, 2), "1月");
  EXPECT_EQ(midChars("立冬(10月節気)", 4, 2), "10");
  EXPECT_EQ(leftChars("01月第2月曜日", 2), "01");
  EXPECT_EQ(rightChars("01月第2月曜日", 4), "2月曜日");
  EXPECT_EQ(rightChars("ab", 4), "ab");
  EXPECT_EQ(midChars("abc", 3, 5), "c");
  EXPECT_EQ(midChars("abc", 4, 1), "");
  EXPECT_EQ(midChars("abc", 0, 1), "");
}

TEST(Text, Utf8Validation) {
  struct Case { std::string bytes; bool valid; };
  for (const Case& c : {Case{"", true}, {"abc", true}, {"暦", true}, {"\xEF\xBB\xBF" "a", true},
                        {"\x93\xFA", false},            // Shift_JIS 日
                        {"\xC0\xAF", false},            // overlong
                        {"\xED\xA0\x80", false},        // surrogate
                        {"\xE6\x98", false},            // cut short
                        {"\xF0\x9F\x98\x80", true}})
    EXPECT_EQ(isValidUtf8(c.bytes), c.valid) << c.bytes;
}

TEST(Value, FieldsBecomeNumbersOnlyWhenTheyReadAsOne) {
  EXPECT_TRUE(Value::fromField("1901").isNumber());
  EXPECT_TRUE(Value::fromField(" -3.5 ").isNumber());
  EXPECT_TRUE(Value::fromField("12x").isText());
  EXPECT_TRUE(Value::fromField("").isText());
  EXPECT_TRUE(Value().isUnset());
}

TEST(Value, ComparisonWithANumber) {
  EXPECT_TRUE(Value().equals(0));
  EXPECT_FALSE(Value().equals(1));
  EXPECT_TRUE(Value(1.0).equals(1));
  EXPECT_TRUE(Value(std::string("1")).equals(1));
  EXPECT_FALSE(Value(std::string("1x")).equals(1));
  EXPECT_FALSE(Value(std::string("")).equals(0));
  EXPECT_EQ(Value(std::string("12x")).number(), 12);
  EXPECT_EQ(Value(2024.0).text(), "2024");
  EXPECT_EQ(Value().text(), "");
}

TEST(CheckedTable, AccessOutsideTheBoundsThrowsNamingTheTable) {
  Table<int, 3> table("yearEndMoonAge");
  Table2D<int, 3, 367> days("dayMoonAge");
  table[2] = 5;
  days(2, 366) = 7;
  EXPECT_EQ(table[2], 5);
  EXPECT_EQ(days(2, 366), 7);
  for (std::int64_t bad : {-1, 3, 1000000}) EXPECT_THROW(table[bad], TableBoundsError) << bad;
  EXPECT_THROW(days(3, 0), TableBoundsError);
  EXPECT_THROW(days(0, 367), TableBoundsError);
  EXPECT_THROW(days(-1, 5), TableBoundsError);
  try {
    days(1, 400);
    FAIL();
  } catch (const TableBoundsError& error) {
    EXPECT_NE(std::string(error.what()).find("dayMoonAge"), std::string::npos);
    EXPECT_NE(std::string(error.what()).find("400"), std::string::npos);
  }
}

}  // namespace
}  // namespace ventorel
