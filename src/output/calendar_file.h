// The calendar file of a year: its name and its write.
#pragma once

#include <string>

namespace ventorel {

// The folder + the year with its leading blank or minus sign + "年カレンダー" + extension.
std::string calendarPath(const std::string& folder, double enteredYear, const char* extension);

struct WriteResult {
  bool written = true;
  std::string message;  // for a failure: what the user is told
};

// Writes the text as UTF-8 with a byte-order mark (unless told not to: JSON and
// iCalendar readers take none) through a temporary file that replaces the old one
// only when complete. A failure's message names the file and the reason.
WriteResult writeCalendarFile(const std::string& path, const std::string& text, bool byteOrderMark = true);

}  // namespace ventorel
