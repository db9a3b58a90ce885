#include "app/main_window_logic.h"

#include <cmath>
#include <optional>

#include "app/year_text.h"
#include "data/numbers.h"

namespace ventorel {

namespace {

// Steps a year by `step` (+1 or -1); the step that would land on 0 goes one further.
std::string stepYear(const std::string& text, double step) {
  const std::optional<double> v = parseYearText(text);
  if (!v || !std::isfinite(*v)) return text;
  const double next = *v == -step ? *v + 2 * step : *v + step;
  return plainDecimal(next);
}

}  // namespace

const std::array<const char*, 11> InstructionLines{
    "　HTM又はCSVファイルの選択を行い、カレンダー作成ボタンを押すと、カレンダーは、同じフォルダーに年毎のHTM又はCSVファイルで作成されます。",
    "　年は自由に変更できますが、西暦０年は歴史上存在しません。",
    "　画面上に3年間分の概算結果が表示されますが、赤字の中央部分のみが有効です。",
    "　年号、在位天皇、西暦年月日、曜日、祝日、二十四節気、主要雑暦、六曜、旧暦月日、選日等がHTM又はCSVファイルに表示されます。",
    "　CSVファイルは、エクセルで表示、加工することができます。",
    "　作成されたCSVファイルを開いたままで同じ年のカレンダーを作成しようとするとエラーになります。",
    "　HTMファイルには、主要な用語の解説がWebにリンクされています。",
    "　西暦はグレゴリオ暦と一部ユリウス暦を併用してます。",
    "　",
    "　暦等の算出は極めて難しいため、誤りが多々あり得ることをご了承のうえ、ご利用ください。",
    "　",
};

std::string nextYearText(const std::string& text) { return stepYear(text, 1); }
std::string previousYearText(const std::string& text) { return stepYear(text, -1); }

int formatListIndex(const Value& outputFormat) {
  return roundHalfEven(outputFormat.number()) == 1 ? 1 : 0;
}

bool applyFormatText(const BuiltinTables& names, Value& outputFormat, const std::string& text) {
  for (int i = 0; i < 2; ++i) {
    if (text == names.formatName[i]) {
      outputFormat = Value(static_cast<double>(i));
      return true;
    }
  }
  return false;
}

int twipsToPixels(int twips, double dotsPerInch) {
  return static_cast<int>(std::lround(twips * dotsPerInch / 1440.0));
}

void drawStartScreen(Surface& surface) {
  // The window covers the screen, centred (which puts it at the top left).
  const double width = surface.screenWidth();
  const double height = surface.screenHeight();
  surface.setWindowGeometry((surface.screenWidth() - width) / 2, 0, width, height);
  const double scaleW = surface.scaleWidth();
  const double scaleH = surface.scaleHeight();

  // Background: 41 x 40 overlapping dots shading from blue-violet to red and magenta.
  surface.setPenWidth(40);
  for (int i = 0; i <= 40; ++i) {
    for (int j = 1; j <= 40; ++j) {
      const Rgb colour{static_cast<int>(floorInt(i * 256.0 / 40)), static_cast<int>(floorInt(std::abs(i - j) * 256.0 / 40)),
                       static_cast<int>(floorInt(j * 256.0 / 40))};
      surface.dot((40 - i) * scaleW / 40, (40 - j) * scaleH / 40, colour);
    }
  }

  // Title: a near-white shadow 40 grid units right and down, then the red title.
  surface.setFontSize(50);
  surface.setBold(true);
  setTextGrid(surface, 240, 540);
  surface.setTextColour({250, 250, 250});
  surface.printLine(WindowCaption);
  setTextGrid(surface, 200, 500);
  surface.setTextColour({250, 0, 0});
  surface.printLine(WindowCaption);

  // Version line, still bold.
  surface.setFontSize(12);
  surface.setTextColour({0, 0, 0});
  surface.printEmptyLine();
  surface.printLine(VersionLine);
  surface.printEmptyLine();

  surface.setFontSize(12);
  surface.setBold(false);
  for (const char* line : InstructionLines) surface.printLine(line);
}

}  // namespace ventorel
