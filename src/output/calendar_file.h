// The calendar file of a year: its name and its write.
#pragma once

#include <string>
#include <string_view>

#include "platform/file_io.h"

namespace ventorel {

// The folder + the year with its leading blank or minus sign + "年カレンダー" + extension.
std::string calendarPath(const std::string& folder, double enteredYear, const char* extension);

// True for a name calendarPath gives (without its folder), of any year and format.
bool isCalendarFileName(std::string_view name);

struct WriteResult {
  bool written = true;
  std::string message;  // for a failure: what the user is told
  bool outOfSpace = false;  // the failure was a full disk or quota: later files would fail too
};

// Writes the text as UTF-8 with a byte-order mark (unless told not to: JSON and
// iCalendar readers take none) through a temporary file that replaces the old one
// only when complete: at once, or, given a batch, when the batch is committed. A
// failure's message names the file and the reason. A text handed over is written
// without being copied. Written at once, the folder's stale temporary files are
// removed unless `swept` lists it; a write removes leftovers of calendar files only.
WriteResult writeCalendarFile(const std::string& path, const std::string& text, bool byteOrderMark = true,
                              FileBatch* batch = nullptr, SweptFolders* swept = nullptr);
WriteResult writeCalendarFile(const std::string& path, std::string&& text, bool byteOrderMark = true,
                              FileBatch* batch = nullptr, SweptFolders* swept = nullptr);

// What the user is told when the file at `path` could not be written.
std::string writeFailedMessage(const std::string& path, const std::string& error);

}  // namespace ventorel
