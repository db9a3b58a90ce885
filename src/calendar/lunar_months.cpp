#include "calendar/lunar_months.h"

#include <string>

#include "calendar/lunation_rule.h"
#include "calendar/new_moon_order.h"
#include "data/numbers.h"
#include "data/text.h"

namespace ventorel {

namespace {

const std::string Leap = "閏";
const std::string NewMoonMark = "新月";
const std::string AnchorName = "11月";
constexpr int WinterSolstice = 18;

// Month numbers here are always whole (results of Mod or of a leading number).
std::string monthText(double number) { return std::to_string(static_cast<long long>(number)) + "月"; }

// The number a month text starts with ("11月" -> 11; "閏5月" and "" -> 0).
double monthValue(const std::string& text) { return numericValue(text); }

int lastDayOf(double year) { return 365 + leapDay(year); }

// Walking backwards through the three years, every new-moon day takes a
// provisional name from the first 中気 on or after it; a month without a 中気
// inherits its successor's name and is marked leap. The new moon that opens the
// 冬至 month is noted as an anchor.
void nameBackwards(RunState& state) {
  int termCursor = state.nextTerm;
  std::string prevMonthName;
  bool solsticeSeen = false;
  for (int slot = 2; slot >= 0; --slot) {
    for (int d = lastDayOf(state.baseYear + slot - 1); d >= 1; --d) {
      if (!state.dayNotePlain(slot, d).empty()) {
        const int k = state.dayTermIndex(slot, d);
        if (k % 2 == 0) {
          termCursor = k;
          if (k == WinterSolstice) solsticeSeen = true;
        }
      }
      if (state.dayMoonMark(slot, d) == NewMoonMark) {
        const int n = static_cast<int>(Mod(Int((termCursor + 2) / 2.0), 12)) + 1;
        std::string name = state.names.monthName[n];
        if (name == prevMonthName) name = Leap + name;
        prevMonthName = name;
        state.dayLunarMonth(slot, d) += name;
        if (solsticeSeen) {
          state.dayLunarNote(slot, d) += AnchorName;
          solsticeSeen = false;
        }
      }
    }
  }
}

// The month list: one entry per new moon, in time order: "11月" for an anchor, "閏" for a
// month without a 中気, empty otherwise.
int listMonths(RunState& state) {
  int monthCount = 0;
  for (const NewMoonAt moon : newMoonsInOrder(state)) {
    std::string entry = state.dayLunarNote(moon.slot, moon.day);
    if (startsWith(state.dayLunarMonth(moon.slot, moon.day), Leap)) entry = Leap;
    state.lunarMonthSeq[++monthCount] = entry;
  }
  return monthCount;
}

// Numbers the month list from its anchor and leap marks.
void numberMonthList(RunState& state, int monthCount) {
  auto& seq = state.lunarMonthSeq;
  auto isLeapOrEmpty = [&](int m) { return seq[m] == Leap || seq[m].empty(); };

  // Two anchors twelve months apart enclose an ordinary year.
  for (int m = monthCount; m >= 12; --m) {
    if (monthValue(seq[m]) == 11 && m > 12 && monthValue(seq[m - 12]) == 11 && !isLeapOrEmpty(m) &&
        !isLeapOrEmpty(m - 12)) {
      for (int j = 11; j >= 1; --j) seq[m - j] = monthText(Mod(11 - (j + 1) + 12, 12) + 1);
    }
  }

  // Backward fill from the next entry, or across a leap month from the one after.
  for (int m = monthCount; m >= 1; --m) {
    if (seq[m].empty() && !isLeapOrEmpty(m + 1)) seq[m] = monthText(Mod(monthValue(seq[m + 1]) - 2 + 12, 12) + 1);
    if (seq[m].empty() && !isLeapOrEmpty(m + 2)) seq[m] = monthText(Mod(monthValue(seq[m + 2]) - 2 + 12, 12) + 1);
  }

  // Leap months repeat the month before them; the rest counts forward.
  for (int m = 1; m <= monthCount; ++m) {
    if (seq[m + 1] == Leap && !seq[m].empty()) seq[m + 1] = Leap + seq[m];
    if (seq[m + 1] == Leap && !seq[m + 2].empty()) seq[m + 1] = Leap + monthText(monthValue(seq[m + 2]) - 1);
    if (seq[m].empty()) seq[m] = monthText(Mod(monthValue(seq[m - 1]) + 12, 12) + 1);
  }

  // Of two leap marks one month apart, the first stays the leap month.
  for (int m = 1; m <= monthCount - 2; ++m) {
    if (startsWith(seq[m], Leap) && startsWith(seq[m + 2], Leap)) {
      seq[m + 1] = "12月";
      seq[m + 2] = "1月";
    }
  }

  // Names carry no blanks.
  for (int m = 1; m <= monthCount; ++m) seq[m] = trimBlanks(seq[m]);
}

// The final names replace the provisional ones on the new-moon days.
void writeBack(RunState& state) {
  int m = 0;
  for (const NewMoonAt moon : newMoonsInOrder(state)) state.dayLunarMonth(moon.slot, moon.day) = state.lunarMonthSeq[++m];
}

// The winter of 1984/85 has two months without a 中気; its first two
// months of 1985 are set to the calendar as published.
void correct1985(RunState& state) {
  if (state.enteredYear != 1985) return;
  const int first = state.newMoonDay(1, 1);
  const int second = state.newMoonDay(1, 2);
  if (first != 0) state.dayLunarMonth(1, first) = "12月";
  if (second != 0) state.dayLunarMonth(1, second) = "1月";
}

}  // namespace

int numberMonthsFromMarks(RunState& state) {
  nameBackwards(state);
  const int monthCount = listMonths(state);
  numberMonthList(state, monthCount);
  return monthCount;
}

void numberLunarMonths(RunState& state) {
  const int monthCount = numberMonthsFromMarks(state);
  mendMonthsAgainstRule(state, monthCount);
  writeBack(state);
  correct1985(state);
}

}  // namespace ventorel
