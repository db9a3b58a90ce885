// File → Export of the window: the calendars of a year or a range of years, in
// any of the four formats, written into one folder exactly as the command line
// writes them there.
#pragma once

#include <string>
#include <vector>

#include "calendar/calendar_basis.h"
#include "data/reference_data.h"

namespace ventorel {

enum class ExportFormat { Html, Csv, Ics, Json };

// "htm", "csv", "ics", "json": the names ini.dat keeps them by.
const char* exportFormatName(ExportFormat format);
// The formats of a blank-separated list of names; unknown names are left out.
std::vector<ExportFormat> exportFormatsOf(const std::string& names);
std::string exportFormatNames(const std::vector<ExportFormat>& formats);

struct ExportRequest {
  std::string folder;
  std::vector<ExportFormat> formats;
  std::string years;  // as the command line takes them: "2024" or "1990..2030"
  CalendarBasis basis = CalendarBasis::True;
  std::string dataLookedIn = {};  // where the data files were looked for, named when a needed one is missing
};

struct ExportReport {
  bool ok = false;
  int files = 0;        // the files written
  std::string message;  // why not, or the first failure
};

// Writes every year of the request in every format into the folder. Refuses a
// request without a format, folder or readable years, or without a data file the
// basis needs, before writing anything.
ExportReport exportYears(const ReferenceData& data, const ExportRequest& request);

}  // namespace ventorel
