// The user's messages, in Japanese, in one catalogue: what a data file that cannot
// be used is told with (each problem names its file and, where one applies, its
// line), and what a computation that cannot go on is told with. The readers and
// the run take their texts from here; an exception's own text (English, for the
// developer) is never shown to the user.
#pragma once

#include <cstddef>
#include <cstdint>
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

// The command line's refusals of its arguments (printed after "ventorel-cli: ",
// followed by the hint to --help), and what it tells besides.
inline std::string quoted(std::string_view text) { return "「" + std::string(text) + "」"; }
inline std::string optionUnknown(std::string_view option) { return std::string(option) + " というオプションはありません"; }
inline std::string optionNeedsValue(std::string_view option) { return std::string(option) + " の後に値がありません"; }
inline std::string optionNeedsName(std::string_view option) { return std::string(option) + " の後の名前が空です"; }
inline constexpr const char* FormatTakes = "--format に使えるのは htm、csv、ics、json です";
inline std::string placeTakes(std::string_view given) {
  return "--place に使えるのは県庁所在地（東京、sapporo など）か 緯度,経度 で、" + quoted(given) + "は使えません";
}
inline std::string icsIncludeTakes(std::string_view given) {
  return "--ics-include に使えるのは rokuyo、senjitsu、kou、rekichu で、" + quoted(given) + "は使えません";
}
inline constexpr const char* StdoutOutputNeedData = "--stdout と --output は --format ics か json と使います";
inline constexpr const char* StdoutOrOutput = "--stdout と --output は一緒に使えません";
inline constexpr const char* StdoutOrTranscript = "--stdout と --transcript はどちらも標準出力に書くので、一緒に使えません";
inline constexpr const char* IcsIncludeNeedsIcs = "--ics-include は --format ics と使います";
inline constexpr const char* DateTakesNoYear = "--date には年を添えられず、--format は json だけが使えます";
inline constexpr const char* NoYearGiven = "年がありません";
inline std::string noRangeOfWholeYears(std::string_view argument) {
  return quoted(argument) + "は整数の年の範囲ではありません（1990..2030 のように 最初..最後 と書いてください）";
}
inline std::string rangeBeyondLargest(std::string_view argument, std::int64_t largest) {
  const std::string bound = "±" + std::to_string(largest) + "年";
  return "範囲" + quoted(argument) + "に " + bound + " を超える年があります（カレンダーを作れるのは " + bound + " までです）";
}
inline std::string rangeBackwards(std::string_view argument, std::int64_t first, std::int64_t last) {
  return "範囲" + quoted(argument) + "が逆向きです（" + std::to_string(first) + ".." + std::to_string(last) +
         " と書いてください）";
}
inline std::string rangeBeyondIcalendar(std::string_view argument) {
  return "範囲" + quoted(argument) + "に iCalendar で日付を書けない年があります（--format ics で作れるのは 1〜9999 年です）";
}
inline std::string rangeSkipsYearZero(std::string_view argument) {
  return std::string(argument) + "：紀元0年はないので飛ばします（-1 が紀元前1年です）";
}
inline std::string outputIsDataFile(std::string_view output, std::string_view dataFile, std::string_view folder) {
  return "--output の " + std::string(output) + " は " + std::string(folder) + " のデータファイル " +
         std::string(dataFile) + " なので、上書きしません";
}
inline std::string openingInBrowser(std::string_view path) { return std::string(path) + " をブラウザーで開きます"; }
inline std::string opening(std::string_view path) { return std::string(path) + " を開きます"; }

// The data files the basis needs that were not found, and the folders looked in.
inline std::string neededFilesMissing(std::string_view files, std::string_view lookedIn) {
  return "必要なデータファイル " + std::string(files) + " が見つからないので、カレンダーは作成していません（探した場所：" +
         std::string(lookedIn) + "）";
}
// The folder the data files were taken from, among the folders looked in.
inline std::string firstFolderWith(std::string_view folder, std::string_view candidates, std::string_view file) {
  return std::string(folder) + "（" + std::string(candidates) + " のうち " + std::string(file) + " のある最初のフォルダー）";
}

// A long batch's progress on a terminal: "120/1000 年、85.3 年/秒".
inline std::string progress(std::uint64_t done, std::uint64_t total, std::string_view yearsPerSecond) {
  return std::to_string(done) + "/" + std::to_string(total) + " 年、" + std::string(yearsPerSecond) + " 年/秒";
}

// Files that could not be written, standard output, and the browser.
inline std::string calendarNotWritten(std::string_view path, std::string_view why) {
  return "カレンダーのファイル「" + std::string(path) + "」を書き込めませんでした（" + std::string(why) +
         "）。前からあるファイルは変更されていません。";
}
inline std::string standardOutputNotWritten(std::string_view why, bool last) {
  return "標準出力に書き込めませんでした（" + std::string(why) + (last ? "）。" : "）。残りの年は作成していません。");
}
inline std::string notOpenedInBrowser(std::string_view path, std::string_view why) {
  return "カレンダーのファイル「" + std::string(path) + "」は作成しましたが、ブラウザーで開けませんでした（" +
         std::string(why) + "）。";
}
inline std::string icsYearBeyond(std::string_view year) {
  return "iCalendarの日付は1年から9999年までです。" + std::string(year) + "年は書き出せません。";
}
inline constexpr const char* NoXdgOpen = "xdg-open がありません（xdg-utils が入っていません）";
inline std::string xdgOpenNotStarted(std::string_view why) { return "xdg-open を起動できません：" + std::string(why); }
inline constexpr const char* NoBrowser = "ブラウザーがありません";

// What the system's error number `code` (errno) means, in short: "ディスクがいっぱいです"
// for the errors a user meets, "エラー番号 N" for the rest, and for 0 (none was
// given) that the cause is unknown.
std::string systemError(int code);

// What a computation that cannot go on is told with, by the kind of its failure:
// "計算を続けられませんでした（…）".
std::string computationFailure(const std::exception& error);

}  // namespace ventorel::messages
