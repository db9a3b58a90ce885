#include "output/sky_texts.h"

#include <cstdio>

namespace ventorel {

void appendMinuteClock(std::string& out, int minuteOfDay) {
  const int h = minuteOfDay / 60, m = minuteOfDay % 60;
  const char text[5] = {static_cast<char>('0' + h / 10), static_cast<char>('0' + h % 10), ':',
                        static_cast<char>('0' + m / 10), static_cast<char>('0' + m % 10)};
  out.append(text, 5);
}

std::string minuteClock(int minuteOfDay) {
  std::string text;
  appendMinuteClock(text, minuteOfDay);
  return text;
}

std::string minuteClockOrDashes(const std::optional<int>& minuteOfDay) {
  return minuteOfDay ? minuteClock(*minuteOfDay) : "--:--";
}

std::string fixedText(double x, int decimals) {
  char text[48];
  std::snprintf(text, sizeof text, "%.*f", decimals, x);
  return text;
}

}  // namespace ventorel
