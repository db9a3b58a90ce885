#include "output/day_texts.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "output/article_link.h"

namespace ventorel {
namespace {

// A holiday's name in the page: linked to its article when one is known, escaped
// otherwise; a day without a holiday gives nothing.
TEST(DayTexts, HolidayNamesAreLinkedOrEscaped) {
  struct Case { const char* name; std::string expected; };
  const std::string base = std::string("<a href=") + ArticleBaseUrl;
  const Case cases[] = {
      {"元日", base + "%E5%85%83%E6%97%A5>元日</A>"},
      {"国民の休日", base + "%E5%9B%BD%E6%B0%91%E3%81%AE%E4%BC%91%E6%97%A5>国民の休日</A>"},
      {"振替休日", base + "%E6%8C%AF%E6%9B%BF%E4%BC%91%E6%97%A5>振替休日</A>"},
      {"山の日", base + "%E5%B1%B1%E3%81%AE%E6%97%A5>山の日</A>"},
      {"スポーツの日", base + "%E3%82%B9%E3%83%9D%E3%83%BC%E3%83%84%E3%81%AE%E6%97%A5>スポーツの日</A>"},
      {"即位の日", "即位の日"},
      {"昭和天皇の大喪の礼", base + "%E5%A4%A7%E5%96%AA%E3%81%AE%E7%A4%BC>昭和天皇の大喪の礼</A>"},
      {"<b>\"A&B\"</b>", "&lt;b&gt;&quot;A&amp;B&quot;&lt;/b&gt;"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(holidayHtml(c.name), c.expected) << c.name;
    EXPECT_EQ(holidayText(DayHoliday{c.name}, true), c.expected) << c.name;
    EXPECT_EQ(holidayText(DayHoliday{c.name}, false), c.name);
  }
  EXPECT_EQ(holidayText(std::nullopt, true), "");
}

}  // namespace
}  // namespace ventorel
