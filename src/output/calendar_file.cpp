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

std::string writeFailedMessage(const std::string& path, const std::string& error) {
  return "カレンダーのファイル「" + path + "」を書き込めませんでした（" + error + "）。前からあるファイルは変更されていません。";
}

WriteResult writeCalendarFile(const std::string& path, const std::string& text, bool byteOrderMark, FileBatch* batch) {
  const std::string bytes = byteOrderMark ? Utf8ByteOrderMark + text : text;
  std::string error;
  if (batch ? batch->stage(path, bytes, error) : writeFileAtomically(path, bytes, error)) return {};
  return {false, writeFailedMessage(path, error)};
}

}  // namespace ventorel
