#include "output/sky_texts.h"

#include <array>
#include <cstdio>

namespace ventorel {

const char* phaseName(int quarter) {
  static constexpr std::array<const char*, 4> Names = {"朔", "上弦", "望", "下弦"};
  return Names.at(static_cast<std::size_t>(quarter));
}

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

const char* eclipseKindName(EclipseKind kind) {
  switch (kind) {
    case EclipseKind::Total: return "皆既";
    case EclipseKind::Annular: return "金環";
    case EclipseKind::Hybrid: return "金環皆既";
    case EclipseKind::Partial: return "部分";
    case EclipseKind::Penumbral: return "半影";
  }
  return "部分";
}

const char* eclipseBodyName(EclipseBody body) { return body == EclipseBody::Sun ? "日食" : "月食"; }

}  // namespace ventorel
