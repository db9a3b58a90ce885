#include "calendar/misc_days.h"

#include <string>

#include "astro/sexagenary.h"
#include "data/numbers.h"
#include "output/holidays.h"

namespace ventorel {

namespace {

// One mark in its two forms: the page's (linked where it has a link) and the CSV's.
struct Mark {
  std::string html;
  std::string plain;
};

const Mark Setsubun{"(" + encodedLink("%E7%AF%80%E5%88%86", "節分", "</A>") + ")", "(節分)"};
const Mark HiganStart{"(" + encodedLink("%E5%BD%BC%E5%B2%B8", "彼岸", "</a>") + "の入り)", "(彼岸の入り)"};
const Mark HiganWeek{"(彼岸会)", "(彼岸会)"};
const Mark HiganEnd{"(彼岸明け)", "(彼岸明け)"};
const Mark SpringShanichi{"(" + encodedLink("%E7%A4%BE%E6%97%A5", "社日", "</a>") + "（春社）)", "(社日（春社）)"};
const Mark AutumnShanichi{"(" + encodedLink("%E7%A4%BE%E6%97%A5", "社日", "</a>") + "（秋社）)", "(社日（秋社）)"};
const Mark Hachijuhachiya{"(" + encodedLink("%E5%85%AB%E5%8D%81%E5%85%AB%E5%A4%9C", "八十八夜", "</A>") + ")",
                          "(八十八夜)"};
const Mark Nyubai{"（" + encodedLink("%E5%85%A5%E6%A2%85", "入梅", "</A>") + "）", "（入梅）"};
const Mark Hangesho{"（" + encodedLink("%E5%8D%8A%E5%A4%8F%E7%94%9F", "半夏生", "</A>") + "）", "（半夏生）"};
const Mark DoyoUshi{"(" + encodedLink("%E5%9C%9F%E7%94%A8%E3%81%AE%E4%B8%91%E3%81%AE%E6%97%A5", "土用丑", "</A>") +
                        "(うし))",
                    "(土用丑（うし）)"};
const Mark Hassaku{"(" + encodedLink("%E5%85%AB%E6%9C%94", "八朔", "</a>") + "（旧暦）)", "(八朔（旧暦）)"};
const Mark Nihyakutoka{"(" + encodedLink("%E4%BA%8C%E7%99%BE%E5%8D%81%E6%97%A5", "二百十日", "</A>") + ")", "(二百十日)"};
const Mark Nihyakuhatsuka{"(" + encodedLink("%E4%BA%8C%E7%99%BE%E4%BA%8C%E5%8D%81%E6%97%A5", "二百二十日", "</A>") + ")",
                          "(二百二十日)"};

constexpr int Tsuchinoe = 5;  // stem number of a 戊 day
constexpr int Ushi = 2;       // branch number of a 丑 day


class ChosenYearWalk {
 public:
  explicit ChosenYearWalk(RunState& state)
      : state_(state),
        html_(state.outputFormat.equals(0)),
        plain_(state.outputFormat.equals(1)),
        lastDay_(365 + state.leapDay),
        springEquinox_(state.termDay(1, 0)),
        autumnEquinox_(state.termDay(1, 12)),
        springStart_(state.termDay(1, 21)),
        autumnStart_(state.termDay(1, 9)) {}

  // The sixteen checks for day d, in the order their texts follow each other.
  void markDay(int d, double dayNumber) {
    const int S = springStart_;
    if (d == S - 1) append(d, Setsubun);
    markHigan(d, springEquinox_);
    if (d == springEquinox_) markShanichi(d, dayNumber, SpringShanichi);
    if (d == S + 87) append(d, Hachijuhachiya);
    if (d == state_.nyubaiDay) {
      append(d, Nyubai);
      state_.nyubaiDay = 0;
    }
    if (d == state_.hangeshoDay) {
      append(d, Hangesho);
      state_.hangeshoDay = 0;
    }
    // The summer 土用 runs from 117/360 of a year after 春分 to 立秋.
    if (d >= springEquinox_ + TropicalYear * 117 / 360 && d <= autumnStart_ && daySexagenary(dayNumber).branch == Ushi)
      append(d, DoyoUshi);
    if (state_.dayLunarMonth(1, d) == "8月" && state_.dayMoonAge(1, d) == 1) append(d, Hassaku);
    if (d == S + 209) append(d, Nihyakutoka);
    if (d == S + 219) append(d, Nihyakuhatsuka);
    markHigan(d, autumnEquinox_);
    if (d == autumnEquinox_) markShanichi(d, dayNumber, AutumnShanichi);
  }

 private:
  // The 彼岸 week: three days either side of the equinox.
  void markHigan(int d, int equinox) {
    if (d == equinox - 3) append(d, HiganStart);
    for (int offset = -2; offset <= 2; ++offset)
      if (d == equinox + offset) append(d, HiganWeek);
    if (d == equinox + 3) append(d, HiganEnd);
  }

  // 社日: the 戊 day nearest the equinox day d; of two equally near (a 癸
  // equinox) the earlier one.
  void markShanichi(int d, double dayNumber, const Mark& mark) {
    const int target = d - (daySexagenary(dayNumber).stem - Tsuchinoe);
    // An equinox so close to the year's edge that the 戊 day falls outside the
    // year has no day of this year to mark.
    if (target < 0 || target > lastDay_) return;
    append(target, mark);
  }

  void append(int d, const Mark& mark) {
    if (html_) state_.dayNoteHtml(1, d) += mark.html;
    if (plain_) state_.dayNotePlain(1, d) += mark.plain;
  }

  RunState& state_;
  const bool html_;
  const bool plain_;
  const int lastDay_;
  const int springEquinox_;
  const int autumnEquinox_;
  const int springStart_;
  const int autumnStart_;
};

}  // namespace

void annotateChosenYear(RunState& state, MessageBox& messages) {
  state.year = state.baseYear;
  state.computeYearArithmetic();
  ChosenYearWalk walk(state);
  for (int d = 0; d <= 365 + state.leapDay; ++d) {
    const MonthDay date = monthDayOf(d, state.monthStart);
    if (date.day > 31) messages.show("???");
    state.epochDays = epochDays(state.year, date.month, date.day, state.monthStart);
    assignHolidays(state, d, date.month, date.day, state.epochDays);
    walk.markDay(d, state.epochDays);
  }
}

}  // namespace ventorel
