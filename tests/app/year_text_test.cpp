#include "app/year_text.h"

#include <gtest/gtest.h>

namespace ventorel {
namespace {

TEST(YearText, NumbersAsPeopleTypeThem) {
  struct Case { const char* text; double year; };
  for (const Case c : {Case{"2024", 2024}, {" 2024 ", 2024}, {"-660", -660}, {"+5", 5}, {"00", 0},
                       {"２０２４", 2024}, {"－６６０", -660}, {"\u2212" "5", -5}, {"\u3000" "1985" "\u3000", 1985},
                       {"2024.5", 2024.5}, {"１９８５．５", 1985.5}, {"0", 0}})
    EXPECT_EQ(parseYearText(c.text), std::optional<double>(c.year)) << c.text;
}

TEST(YearText, TextsThatAreNoNumberAreRefused) {
  for (const char* text : {"", " ", "abc", "12x", "x12", "1 2", "--5", "1e3", ".", "-", "２０２４年", "令和8"})
    EXPECT_FALSE(parseYearText(text).has_value()) << text;
}

}  // namespace
}  // namespace ventorel
