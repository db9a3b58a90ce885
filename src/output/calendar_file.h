// The calendar file of a year: its name and its write.
#pragma once

#include <string>
#include <string_view>

#include "data/problem.h"
#include "platform/file_io.h"

namespace ventorel {

// How a year's file is named: the year as it is ("2024年カレンダー.htm"), or a
// positive year with the leading blank the classic files have always had
// (" 2024年カレンダー.htm"). A negative year begins with its sign in both.
enum class FileNaming { Plain, LeadingBlank };

// The folder + the year + "年カレンダー" + extension, named as `naming` says.
std::string calendarPath(const std::string& folder, double enteredYear, const char* extension,
                         FileNaming naming = FileNaming::LeadingBlank);

// True for a name calendarPath gives (without its folder), of any year, format
// and basis.
bool isCalendarFileName(std::string_view name);

// After the true basis has put the calendar at `path` in place: removes the file
// of the same year and kind by the classic name (the leading blank) from the
// same folder, so that a folder made before holds the year once. Nothing happens
// for any other name, or when there is no such file or it is no regular file (a
// link is left alone); one that cannot be removed stays beside the new file.
void removeClassicNamedTwin(const std::string& path);

// Writes the text as UTF-8 with a byte-order mark (unless told not to: JSON and
// iCalendar readers take none) through a temporary file that replaces the old one
// only when complete: at once, or, given a batch, when the batch is committed. A
// failure's message names the file and the reason. A text handed over is written
// without being copied. Written at once, the folder's stale temporary files are
// removed unless `swept` lists it; a write removes leftovers of calendar files only.
// No problem when written; otherwise what the user is told and the system's error.
Problem writeCalendarFile(const std::string& path, const std::string& text, bool byteOrderMark = true,
                          FileBatch* batch = nullptr, SweptFolders* swept = nullptr);
Problem writeCalendarFile(const std::string& path, std::string&& text, bool byteOrderMark = true,
                          FileBatch* batch = nullptr, SweptFolders* swept = nullptr);

// What the user is told when the file at `path` could not be written.
std::string writeFailedMessage(const std::string& path, const std::string& error);

}  // namespace ventorel
