#include "output/calendar_file.h"

#include "data/numbers.h"
#include "platform/file_io.h"

namespace ventorel {

namespace {

constexpr const char* Utf8ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

std::string calendarPath(const std::string& folder, double enteredYear, const char* extension) {
  return joinPath(folder, numberText(enteredYear) + "年カレンダー" + extension);
}

WriteResult writeCalendarFile(const std::string& path, const std::string& text, bool byteOrderMark) {
  std::string error;
  if (writeFileAtomically(path, byteOrderMark ? Utf8ByteOrderMark + text : text, error)) return {};
  return {false, "カレンダーのファイル「" + path + "」を書き込めませんでした（" + error +
                     "）。前からあるファイルは変更されていません。"};
}

}  // namespace ventorel
