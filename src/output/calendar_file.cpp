#include "output/calendar_file.h"

#include <cerrno>
#include <filesystem>
#include <string_view>

#include "data/messages.h"
#include "data/numbers.h"
#include "platform/file_io.h"

namespace ventorel {

namespace {

constexpr const char* Utf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view CalendarWord = "年カレンダー";

}  // namespace

std::string calendarPath(const std::string& folder, double enteredYear, const char* extension, FileNaming naming) {
  const std::string year = naming == FileNaming::Plain ? trimmedNumber(enteredYear) : numberText(enteredYear);
  return joinPath(folder, year + "年カレンダー" + extension);
}

bool isCalendarFileName(std::string_view name) {
  const std::size_t word = name.find(CalendarWord);
  if (word == std::string_view::npos || word < 1) return false;
  // The classic name's blank or a negative year's sign, or a digit first (the true basis).
  const bool marked = name[0] == ' ' || name[0] == '-';
  if (marked ? word < 2 : !(name[0] >= '0' && name[0] <= '9')) return false;
  for (const char c : name.substr(marked ? 1 : 0, word - (marked ? 1 : 0)))
    if (!((c >= '0' && c <= '9') || c == '.' || c == 'e' || c == '+' || c == '-')) return false;
  const std::string_view extension = name.substr(word + CalendarWord.size());
  return extension == ".htm" || extension == ".csv" || extension == ".ics" || extension == ".json";
}

void removeClassicNamedTwin(const std::string& path) {
  const std::filesystem::path written(path);
  const std::string name = written.filename().string();
  if (name.empty() || !(name[0] >= '0' && name[0] <= '9') || !isCalendarFileName(name)) return;
  const std::filesystem::path twin = written.parent_path() / (" " + name);
  std::error_code code;
  if (std::filesystem::is_regular_file(std::filesystem::symlink_status(twin, code))) std::filesystem::remove(twin, code);
}

std::string writeFailedMessage(const std::string& path, const std::string& error) {
  return messages::calendarNotWritten(path, error);
}

namespace {

Problem writeBytes(const std::string& path, std::string_view bytes, FileBatch* batch, SweptFolders* swept) {
  std::string error;
  if (batch ? batch->stage(path, bytes, error, isCalendarFileName)
            : writeFileAtomically(path, bytes, error, swept, isCalendarFileName))
    return {};
  return Problem::told(writeFailedMessage(path, error), errno);
}

}  // namespace

Problem writeCalendarFile(const std::string& path, const std::string& text, bool byteOrderMark, FileBatch* batch,
                          SweptFolders* swept) {
  if (!byteOrderMark) return writeBytes(path, text, batch, swept);
  std::string bytes;
  bytes.reserve(3 + text.size());
  bytes.append(Utf8ByteOrderMark).append(text);
  return writeBytes(path, bytes, batch, swept);
}

Problem writeCalendarFile(const std::string& path, std::string&& text, bool byteOrderMark, FileBatch* batch,
                          SweptFolders* swept) {
  if (byteOrderMark) text.insert(0, Utf8ByteOrderMark);
  return writeBytes(path, text, batch, swept);
}

}  // namespace ventorel
