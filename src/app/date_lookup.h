// `ventorel-cli --date TEXT...`: the days that date texts name, printed.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "calendar/calendar_basis.h"
#include "data/places.h"

namespace ventorel {

struct DateLookup {
  std::string folder;  // the data files
  bool json = false;   // each day as its JSON object on one line
  CalendarBasis basis = CalendarBasis::True;
  Place place = defaultPlace();  // the rises and sets of the true basis
  std::string lookedIn = {};  // where the data files were looked for; empty: the folder
};

// Prints each day (a blank line between two); a text that names no day that
// existed gets one line on `err`. Without a data file the basis needs, prints no
// day and one line naming the files and where they were looked for. Returns the
// command line's exit status: 3 when a text was refused, 7 when a data file could
// not be used, else 0.
int lookUpDates(const std::vector<std::string>& texts, const DateLookup& lookup, std::ostream& out, std::ostream& err);

}  // namespace ventorel
