#include "calendar/lunar_days.h"

#include <array>

namespace ventorel {

namespace {

const std::string Leap = "閏";

std::string monthText(int number) { return std::to_string(number) + "月"; }

}  // namespace

std::string monthName(const LunarMonth& month) {
  // Every page and file names a month on each of its days: the usual names are made once.
  static const std::array<std::string, 26> Usual = [] {
    std::array<std::string, 26> names;
    for (int n = 1; n <= 12; ++n) {
      names[static_cast<std::size_t>(n)] = monthText(n);
      names[static_cast<std::size_t>(13 + n)] = Leap + monthText(n);
    }
    return names;
  }();
  if (month.number && *month.number >= 1 && *month.number <= 12)
    return Usual[static_cast<std::size_t>((month.leap ? 13 : 0) + *month.number)];
  return (month.leap ? Leap : std::string()) + (month.number ? monthText(*month.number) : std::string());
}

}  // namespace ventorel
