// The first day of every Japanese era and reign-year count, on both courts'
// lines, read from "era_starts.dat"; and the counting of their years.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/problem.h"

namespace ventorel {

inline constexpr const char* EraStartsFileName = "era_starts.dat";

// Which court's line a start belongs to: both (before 1331, after 1392, and where
// the two courts agree), or only the northern or the southern court's.
enum class EraLine : std::uint8_t { Both, North, South };

struct EraStart {
  EraLine line = EraLine::Both;
  std::string name;      // 元禄, or the emperor (推古天皇) of a reign-year count
  bool reign = false;    // a reign-year count, not an era
  std::int64_t firstJdn = 0;
  // The year that is year 1 of the era: the old-calendar year of its first start
  // on either line before 1873 (元禄, begun 貞享5年9月30日: 1688), the Gregorian year
  // from 1873 on. A later start of the same name counts on from it (the northern
  // court's 建武 of 1336 is 建武3年).
  std::int64_t firstYear = 0;
  int fileLine = 0;      // line in the file, for messages
};

// The starts in the file's order, which is the order of their first days on each line.
class EraStarts {
 public:
  EraStarts() = default;
  explicit EraStarts(std::vector<EraStart> starts);
  const std::vector<EraStart>& starts() const { return starts_; }
  bool empty() const { return starts_.empty(); }
  // The start in force on a day on one court's line (North or South; Both rows
  // count on each line); null before the first start.
  const EraStart* inForce(std::int64_t jdn, EraLine line) const;

 private:
  std::vector<EraStart> starts_;
  std::vector<std::size_t> north_, south_;  // the starts of each line, in order
};

struct EraStartsReading {
  EraStarts starts;
  Problem problem;  // message empty when the file was read whole
  bool ok() const { return problem.message.empty(); }
};

// Reads "era_starts.dat": a header line, then `line,name,kind,first_jdn,
// first_gregorian,first_old` records (UTF-8, LF or CR LF). The first days must
// rise on each line; the Gregorian date must be the JDN's. Any damage rejects the
// whole file with its line.
EraStartsReading readEraStarts(std::string_view bytes);

}  // namespace ventorel
