// The user's messages, in Japanese, in one catalogue: what a data file that cannot
// be used is told with (each problem names its file and, where one applies, its
// line), and what a computation that cannot go on is told with. The readers and
// the run take their texts from here; an exception's own text (English, for the
// developer) is never shown to the user.
#pragma once

#include <cstddef>
#include <exception>
#include <string>
#include <string_view>

namespace ventorel::messages {

// The first line of the message of a missing or damaged data file, as the program
// has always shown it; the problems follow beneath it.
inline constexpr const char* DataFileHeading = "あれー？";

// A data file's problem: "gen1.dat 230行目：…", or "gen1.dat：…" for the whole file.
inline std::string dataFileProblem(std::string_view file, int line, std::string_view problem) {
  std::string text(file);
  if (line > 0) text += " " + std::to_string(line) + "行目";
  return text + "：" + std::string(problem);
}

// The problems a data file can have.
inline constexpr const char* FileMissing = "ファイルがないか、読めません";
inline constexpr const char* UnclosedQuote = "引用符が行の中で閉じていないか、閉じた引用符の後に文字があります";
inline constexpr const char* TextAfterLastRecord = "最後の記録の後に文字があります";
inline constexpr const char* FileEndsEarly = "記録の途中でファイルが終わっています";
inline constexpr const char* ControlCharacter = "行に制御文字があります（使えるのはタブ、CR、LF だけです）";
inline constexpr const char* FileTooLarge = "ファイルが大きすぎます";
inline constexpr const char* NotDecodable = "文字コードが Shift_JIS（CP932）でも UTF-8 でもありません";
inline constexpr const char* ClosingMonthDayNotNumber = "終わりの記録の月または日が数ではありません";
inline constexpr const char* MonthDayOutOfRange = "月が 1〜12、日が 1〜31 の整数ではありません";
inline constexpr const char* NoHoliday = "祝日が一つもありません（最初の記録が終わりの記録です）";
inline constexpr const char* MondayRuleMalformed = "規則が「01月第2月曜日」のような月と第1〜5月曜日ではありません";
inline std::string tooManyRows(std::size_t rows) { return std::to_string(rows) + " 行を超えています"; }
inline constexpr const char* FirstYearNotWhole = "始まりの年が整数ではありません";
inline constexpr const char* FirstYearBeforeAbove = "始まりの年が上の行の年より前です";
inline constexpr const char* NoEra = "元号が一つもありません";
inline constexpr const char* NewMoonNotADate = "行が年、月、日の日付ではありません";
inline constexpr const char* NewMoonNotLater = "日付が上の行の日付の後ではありません";
inline constexpr const char* FormatNotZeroOrOne = "出力形式が 0 でも 1 でもありません";
inline constexpr const char* SettingsAreNoReferenceData = "設定ファイルは暦のデータではありません";
inline std::string fileLargerThan(std::size_t megabytes) { return std::to_string(megabytes) + " MB を超えています"; }
inline std::string moreProblems(std::size_t count) { return "（ほか " + std::to_string(count) + " 件）"; }
// holiday_law.dat
inline std::string unknownRule(std::string_view field) { return "規則 " + std::string(field) + " がわかりません"; }
inline std::string noSuchDay(std::string_view field) { return std::string(field) + " という日はありません"; }
inline constexpr const char* FourColumnsExpected = "始まり、終わり、規則、名前の四つの列がありません";
inline std::string notADate(std::string_view field) { return std::string(field) + " が YYYY-MM-DD の日付ではありません"; }
inline std::string notADateNorDash(std::string_view field) {
  return std::string(field) + " が YYYY-MM-DD の日付でも「-」でもありません";
}
inline constexpr const char* RuleEndsBeforeItBegins = "規則の終わりが始まりより前です";
inline constexpr const char* SingleDayNeedsOneDate = "一日だけの規則は始まりと終わりが同じ日です";
inline std::string nameLongerThan(std::size_t bytes) { return "名前が " + std::to_string(bytes) + " バイトを超えています"; }
inline constexpr const char* NameHoldsControlCharacter = "名前に制御文字があります";
inline std::string tooManyRules(std::size_t rules) { return "規則が " + std::to_string(rules) + " を超えています"; }
inline constexpr const char* NoRule = "規則が一つもありません";
inline constexpr const char* LongField = "その欄";
// era_starts.dat
inline std::string headerLineIsNot(std::string_view header) { return "見出しの行が「" + std::string(header) + "」ではありません"; }
inline std::string fieldCountIsNot(std::size_t count, std::size_t wanted) {
  return "記録の欄が " + std::to_string(count) + " 個で、" + std::to_string(wanted) + " 個ではありません";
}
inline constexpr const char* LineIsNotBothNorthSouth = "系統が both、north、south のどれでもありません";
inline constexpr const char* NameIsEmpty = "名前が空です";
inline constexpr const char* KindIsNotEraOrReign = "種類が era でも reign でもありません";
inline constexpr const char* FirstDayNotAfterStart = "最初の日が同じ系統の前の始まりの後ではありません";
inline constexpr const char* JdnAndDateDisagree = "最初の日の JDN と西暦の日付が合いません";

// What a computation that cannot go on is told with, by the kind of its failure:
// "計算を続けられませんでした（…）".
std::string computationFailure(const std::exception& error);

}  // namespace ventorel::messages
