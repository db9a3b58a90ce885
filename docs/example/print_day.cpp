// Prints the record of one day with Ventorel's engine, as installed:
//
//   print_day [DATA_FOLDER] [DATE]     (default: the installed data, 1703-01-30)
//
// The date may be any text `ventorel-cli --date` takes: 1703-01-30, J1582-06-21,
// 元禄15年12月14日 ...
#include <iostream>
#include <string>

#include <ventorel/calendar.h>

#include "data/reference_data.h"
#include "output/day_report.h"

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : VENTOREL_DATA_DIR;
  const std::string text = argc > 2 ? argv[2] : "1703-01-30";

  const ventorel::LoadResult loaded = ventorel::Engine::load(folder);
  if (!loaded.engine) {
    std::cerr << loaded.message << "\n";
    return 1;
  }
  const ventorel::Engine& engine = *loaded.engine;
  const ventorel::DateResult date = engine.parseDate(text);
  if (!date.ok()) {
    std::cerr << text << ": " << date.message << "\n";
    return 2;
  }
  const ventorel::DayResult day = engine.day(date.date);
  if (!day.ok()) {
    std::cerr << day.message << "\n";
    return 3;
  }
  std::cout << ventorel::dayReport(*day.year, *day.day, engine.data().names);
  return 0;
}
