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
  const char* target;  // the article title, already percent-encoded
};

constexpr KnownPeriod KnownPeriods[] = {
    {"奈良", "奈良", "%E5%A5%88%E8%89%AF%E6%99%82%E4%BB%A3"},
    {"平安", "平安", "%E5%B9%B3%E5%AE%89%E6%99%82%E4%BB%A3"},
    {"鎌倉", "鎌倉", "%E9%8E%8C%E5%80%89%E6%99%82%E4%BB%A3"},
    {"建武", "建武の新政", "%E5%BB%BA%E6%AD%A6%E3%81%AE%E6%96%B0%E6%94%BF"},
    {"室町（中期）", "室町（中期）", "%E5%AE%A4%E7%94%BA%E6%99%82%E4%BB%A3"},
    {"南北朝", "南北朝", "%E5%8D%97%E5%8C%97%E6%9C%9D%E6%99%82%E4%BB%A3_(%E6%97%A5%E6%9C%AC)"},
    {"戦国", "戦国", "%E6%88%A6%E5%9B%BD%E6%99%82%E4%BB%A3_(%E6%97%A5%E6%9C%AC)"},
    {"安土桃山", "安土桃山", "%E5%AE%89%E5%9C%9F%E6%A1%83%E5%B1%B1%E6%99%82%E4%BB%A3"},
    {"江戸", "江戸", "%E6%B1%9F%E6%88%B8%E6%99%82%E4%BB%A3"},
    {"明治", "明治", "%E6%98%8E%E6%B2%BB"},
    {"大正", "大正", "%E5%A4%A7%E6%AD%A3"},
    {"昭和", "昭和", "%E6%98%AD%E5%92%8C"},
    {"平成", "平成", "%E5%B9%B3%E6%88%90"},
    {"令和", "令和", "%E4%BB%A4%E5%92%8C"},
};

// Era + year of era + "年(" + period + ")" + emperor + "天皇", data texts escaped.
std::string htmlEraText(const EraRecord& era, const std::string& period) {
  return htmlEscape(era.era) + trimmedNumber(era.yearOfEra) + "年(" + period + ")" + htmlEscape(era.emperor) + "天皇";
}

}  // namespace

std::string periodText(double enteredYear, const EraRecord* era) {
  std::string text;
  for (const PeriodRange& range : PeriodRanges)
    if (enteredYear > range.after && enteredYear <= range.upTo) text = articleLink(range.article, range.name);
  if (era == nullptr) return text;
  for (const KnownPeriod& known : KnownPeriods)
    if (era->period == known.name) text = encodedLink(known.target, known.label);
  if (text.empty()) text = htmlEscape(era->period);
  return text;
}

std::string eraLine(const CalendarYear& year, std::string_view separator) {
  std::string line;
  if (!(year.year > LastYearWithoutEra)) line = periodText(year.enteredYear, nullptr);
  for (const EraRecord& era : year.eras) {
    if (!line.empty()) line += separator;
    if (era.court == Court::Main)
      line += htmlEraText(era, periodText(year.enteredYear, &era));
    else
      line += htmlEraText(era, htmlEscape(era.period));
  }
  return line;
}

std::string periodLine(const CalendarYear& year, std::string_view separator) {
  std::string line;
  if (!(year.year > LastYearWithoutEra)) line = periodText(year.enteredYear, nullptr);
  const bool twoCourts = year.eras.size() > 1;
  for (const EraRecord& era : year.eras) {
    if (!line.empty()) line += separator;
    if (twoCourts) line += era.court == Court::Main ? "北朝 " : "南朝 ";
    line += "(" + (era.court == Court::Main ? periodText(year.enteredYear, &era) : htmlEscape(era.period)) + ")" +
            htmlEscape(era.emperor) + "天皇";
  }
  return line;
}

std::string plainPeriodText(const EraRecord& era) { return "(" + era.period + ")" + era.emperor + "天皇"; }

std::string plainEraText(const EraRecord& era) {
  return era.era + trimmedNumber(era.yearOfEra) + "年(" + era.period + ")" + era.emperor + "天皇";
}

}  // namespace ventorel
