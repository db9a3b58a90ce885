// The festivals (節句 and related days), the selected days (選日) and the
// sexagenary (干支) name of each day, computed in the writers' day loops.
#pragma once

#include <string>

#include "app/run_state.h"
#include "astro/sexagenary.h"

namespace ventorel {

// Appends the festival note of Gregorian (m, dd), if any, to day d's note of the
// chosen year: the linked form to dayNoteHtml, the plain form to dayNotePlain.
void addFestivals(RunState& state, int d, int m, int dd, bool html);

// The solar month (節月) the writer's loop carries from day to day: 0 until the
// first sectional term of the year has been found, then 1..12.
struct SolarMonth {
  int value = 0;
};

// Updates the solar month for day d and returns the day's selected-day text:
// 天赦日, 一粒万倍日, 不成就日 (each followed by a wide blank), then 三隣亡.
std::string senjitsuOf(RunState& state, SolarMonth& solarMonth, int d, double epochDays, bool html);

// The old-calendar month number of a month text: "11月" is 11, "閏4月" is 4.
int lunarMonthNumber(const std::string& monthText);

}  // namespace ventorel
