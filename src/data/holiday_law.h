// The holiday law: every national holiday with the rule that places it and the
// days from and to which the rule is in force, read from "holiday_law.dat".
//
// The file knows the holidays; the program knows the kinds of rule. The reader
// only checks and stores the rules; calendar/holiday_law_days.h applies them to
// a year.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/problem.h"

namespace ventorel {

// The file name of the holiday law in the program folder.
inline constexpr const char* HolidayLawFileName = "holiday_law.dat";

// The kinds of rule the law uses.
enum class HolidayRuleKind : std::uint8_t {
  FixedDate,           // month-day every year
  NthMonday,           // the n-th Monday of a month
  SpringEquinox,       // the day of the spring equinox
  AutumnEquinox,       // the day of the autumn equinox
  SingleDate,          // one day, set by its own law
  SubstituteMonday,    // the Monday after a Sunday holiday, unless that is a holiday
  SubstituteNextFree,  // the first day after a Sunday holiday that is not a holiday
  BetweenExceptSunday, // a weekday that is no holiday, between two holidays
  Between,             // a day that is no holiday, between two holidays
};

// A date as the number YYYYMMDD (1948-07-20 is 19480720); such numbers order as
// the dates do, for every year a calendar can be made for.
using LawDate = std::int64_t;
inline constexpr LawDate OpenEnd = INT64_MAX;  // "still in force"
// The day the holiday law (国民の祝日に関する法律) took effect. The holidays before it
// are the 祝祭日 of the decrees, those from it on the 祝日 of the law.
inline constexpr LawDate HolidayLawFirstDay = 19480720;

struct HolidayRule {
  HolidayRuleKind kind;
  LawDate from;    // first day in force
  LawDate to;      // last day in force, OpenEnd if none
  int month = 0;   // FixedDate, NthMonday
  int day = 0;     // FixedDate: the day; NthMonday: n (1..5)
  std::string name;
  int line = 0;    // line in the file, for messages
};

// The parsed law: its rules in file order. Immutable once read.
class HolidayLaw {
 public:
  HolidayLaw() = default;
  explicit HolidayLaw(std::vector<HolidayRule> rules) : rules_(std::move(rules)) {}
  const std::vector<HolidayRule>& rules() const { return rules_; }
  // The rule with index i; an index outside the rules ends the run with a
  // TableBoundsError naming this table.
  const HolidayRule& rule(std::int64_t i) const;

 private:
  std::vector<HolidayRule> rules_;
};

struct HolidayLawReading {
  HolidayLaw law;                         // every well-formed line
  // The first MaxKeptProblems damaged lines, and how many there are in all: a
  // file of millions of bad lines costs no more than a few.
  std::vector<Problem> problems;
  std::size_t problemCount = 0;
  // True when the whole file was read without problems. A law read with problems
  // lacks the damaged lines and must not be taken for the complete law.
  bool ok() const { return problemCount == 0; }
};

// The most damaged lines a reading keeps.
inline constexpr std::size_t MaxKeptProblems = 5;

// The most rules a file may hold; the file has fewer than a hundred.
inline constexpr std::size_t MaxHolidayRules = 1000;

// Reads the law from the file's bytes (UTF-8, with or without a byte-order mark;
// CP932 is accepted too). Blank lines and lines starting with '#' are skipped.
// Every other line must be "from to rule name" (see the file's header); a line
// that is not gives a problem naming `fileName` and its line number, and the
// lines before and after it are still read.
HolidayLawReading readHolidayLaw(std::string_view bytes, std::string_view fileName = HolidayLawFileName);

}  // namespace ventorel
