// The calendar file of a year: its name and its write.
#pragma once

#include <string>

#include "platform/file_io.h"

namespace ventorel {

// The folder + the year with its leading blank or minus sign + "年カレンダー" + extension.
std::string calendarPath(const std::string& folder, double enteredYear, const char* extension);

struct WriteResult {
  bool written = true;
  std::string message;  // for a failure: what the user is told
};

// Writes the text as UTF-8 with a byte-order mark (unless told not to: JSON and
// iCalendar readers take none) through a temporary file that replaces the old one
// only when complete: at once, or, given a batch, when the batch is committed. A
// failure's message names the file and the reason. A text handed over is written
// without being copied. Written at once, the folder's stale temporary files are
// removed unless `swept` lists it.
WriteResult writeCalendarFile(const std::string& path, const std::string& text, bool byteOrderMark = true,
                              FileBatch* batch = nullptr, SweptFolders* swept = nullptr);
WriteResult writeCalendarFile(const std::string& path, std::string&& text, bool byteOrderMark = true,
                              FileBatch* batch = nullptr, SweptFolders* swept = nullptr);

// What the user is told when the file at `path` could not be written.
std::string writeFailedMessage(const std::string& path, const std::string& error);

}  // namespace ventorel
