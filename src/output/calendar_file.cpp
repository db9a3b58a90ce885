#include "output/calendar_file.h"

#include <string_view>

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

namespace {

WriteResult writeBytes(const std::string& path, std::string_view bytes, FileBatch* batch, SweptFolders* swept) {
  std::string error;
  if (batch ? batch->stage(path, bytes, error) : writeFileAtomically(path, bytes, error, swept)) return {};
  return {false, writeFailedMessage(path, error)};
}

}  // namespace

WriteResult writeCalendarFile(const std::string& path, const std::string& text, bool byteOrderMark, FileBatch* batch,
                              SweptFolders* swept) {
  if (!byteOrderMark) return writeBytes(path, text, batch, swept);
  std::string bytes;
  bytes.reserve(3 + text.size());
  bytes.append(Utf8ByteOrderMark).append(text);
  return writeBytes(path, bytes, batch, swept);
}

WriteResult writeCalendarFile(const std::string& path, std::string&& text, bool byteOrderMark, FileBatch* batch,
                              SweptFolders* swept) {
  if (byteOrderMark) text.insert(0, Utf8ByteOrderMark);
  return writeBytes(path, text, batch, swept);
}

}  // namespace ventorel
