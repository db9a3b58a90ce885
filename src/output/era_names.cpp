#include "output/era_names.h"

#include "calendar/eras.h"
#include "data/numbers.h"
#include "output/html_escape.h"

namespace ventorel {

namespace {

struct PeriodRange {
  double after;   // exclusive
  double upTo;    // inclusive
  const char* name;
  const char* article;
};

// Tested on the year as typed (no year 0), in this order.
constexpr PeriodRange PeriodRanges[] = {
    {-65000000, -300000, "新生代", "新生代"},
    {-300000, -1450, "旧石器時代", "旧石器時代"},
    {-1450, -1000, "縄文時代", "縄文時代"},
    {-1000, 250, "弥生時代", "弥生時代"},
    {250, 600, "古墳時代", "古墳時代"},
    {600, 709, "飛鳥", "飛鳥時代"},
};

struct KnownPeriod {
  const char* name;    // as the era file writes it
  const char* label;   // the link text
  const char* article;  // the article title
};

constexpr KnownPeriod KnownPeriods[] = {
    {"奈良", "奈良", "奈良時代"},
    {"平安", "平安", "平安時代"},
    {"鎌倉", "鎌倉", "鎌倉時代"},
    {"建武", "建武の新政", "建武の新政"},
    {"室町（中期）", "室町（中期）", "室町時代"},
    {"南北朝", "南北朝", "南北朝時代_(日本)"},
    {"戦国", "戦国", "戦国時代_(日本)"},
    {"安土桃山", "安土桃山", "安土桃山時代"},
    {"江戸", "江戸", "江戸時代"},
    {"明治", "明治", "明治"},
    {"大正", "大正", "大正"},
    {"昭和", "昭和", "昭和"},
    {"平成", "平成", "平成"},
    {"令和", "令和", "令和"},
};

// Era + year of era + "年(" + period + ")" + emperor + "天皇", data texts escaped.
std::string htmlEraText(const EraRecord& era, const std::string& period) {
  return htmlEscape(era.era) + trimmedNumber(era.yearOfEra) + "年(" + period + ")" + htmlEscape(era.emperor) + "天皇";
}

}  // namespace

std::string periodText(double enteredYear, const EraRecord* era, LinkStyle style) {
  std::string text;
  for (const PeriodRange& range : PeriodRanges)
    if (enteredYear > range.after && enteredYear <= range.upTo) text = articleLink(range.article, range.name, style);
  if (era == nullptr) return text;
  for (const KnownPeriod& known : KnownPeriods)
    if (era->period == known.name) text = articleLink(known.article, known.label, style);
  if (text.empty()) text = htmlEscape(era->period);
  return text;
}

std::string eraLine(const CalendarYear& year, std::string_view separator, LinkStyle style) {
  std::string line;
  if (!(year.year > LastYearWithoutEra)) line = periodText(year.enteredYear, nullptr, style);
  for (const EraRecord& era : year.eras) {
    if (!line.empty()) line += separator;
    if (era.court == Court::Main)
      line += htmlEraText(era, periodText(year.enteredYear, &era, style));
    else
      line += htmlEraText(era, htmlEscape(era.period));
  }
  return line;
}

std::string periodLine(const CalendarYear& year, std::string_view separator, LinkStyle style) {
  std::string line;
  if (!(year.year > LastYearWithoutEra)) line = periodText(year.enteredYear, nullptr, style);
  const bool twoCourts = year.eras.size() > 1;
  for (const EraRecord& era : year.eras) {
    if (!line.empty()) line += separator;
    if (twoCourts) line += era.court == Court::Main ? "北朝 " : "南朝 ";
    line += "（" + (era.court == Court::Main ? periodText(year.enteredYear, &era, style) : htmlEscape(era.period)) + "）" +
            htmlEscape(era.emperor) + "天皇";
  }
  return line;
}

std::string plainPeriodText(const EraRecord& era) { return "(" + era.period + ")" + era.emperor + "天皇"; }

std::string plainEraText(const EraRecord& era) {
  return era.era + trimmedNumber(era.yearOfEra) + "年(" + era.period + ")" + era.emperor + "天皇";
}

}  // namespace ventorel
