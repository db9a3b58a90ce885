#include "output/year_headers.h"

#include "ventorel/date.h"

#include "calendar/eras.h"
#include "data/numbers.h"
#include "output/era_names.h"

namespace ventorel {

namespace {

constexpr Rgb ChosenYearColour{180, 0, 0};
constexpr Rgb OtherYearColour{0, 0, 0};

void printAt(Surface& surface, double gx, double gy, const std::string& text) {
  setTextGrid(surface, gx, gy);
  surface.printLine(text);
}

}  // namespace

double shownYear(double enteredYear, int yearOffset) {
  return yearOffset == 0 ? enteredYear : userYearBeside(enteredYear, yearOffset);
}

std::string yearLine(const BuiltinTables& names, double astronomicalYear, double shown) {
  const Sexagenary sign = yearSexagenary(astronomicalYear);
  return "西暦" + trimmedNumber(shown) + "年(ｸﾞﾚｺﾞﾘｵ暦)  " + names.stemName[sign.stem] + names.branchName[sign.branch] +
         names.zodiacAnimal[sign.branch] + "の年 ";
}

void drawYearHeaders(Surface& surface, const ReferenceData& data, double enteredYear, const SkyTrio& skies) {
  for (int slot = 0; slot <= 2; ++slot) {
    const double year = skies[static_cast<std::size_t>(slot)].year;
    const double x = slot * 4000.0 + 100;
    surface.setFontSize(9);
    surface.setTextColour(slot == 1 ? ChosenYearColour : OtherYearColour);
    for (const EraRecord& era : eraRecordsOf(year, data))
      printAt(surface, x, era.court == Court::Main ? 600 : 800, plainEraText(era));
    printAt(surface, x, 400, yearLine(data.names, year, shownYear(enteredYear, slot - 1)));
  }
}

}  // namespace ventorel
