#include "app/date_lookup.h"

#include "app/cli.h"
#include "app/data_folder.h"
#include "data/reference_data.h"
#include "output/day_report.h"
#include "output/json_calendar.h"
#include "ventorel/calendar.h"

namespace ventorel {

int lookUpDates(const std::vector<std::string>& texts, const DateLookup& lookup, std::ostream& out, std::ostream& err) {
  const LoadResult loaded = Engine::load(lookup.folder);
  if (const std::vector<std::string> missing = missingNeededFiles(loaded.engine->data(), lookup.basis);
      !missing.empty()) {
    err << "ventorel-cli: " << missingFilesMessage(missing, lookup.lookedIn.empty() ? lookup.folder : lookup.lookedIn)
        << "\n";
    return ExitDataFileProblem;
  }
  if (!loaded.message.empty()) err << "message: " << loaded.message;
  int status = ExitDone;
  bool first = true;
  for (const std::string& text : texts) {
    const DateResult date = loaded.engine->parseDate(text);
    DayResult day;
    if (date.ok()) day = loaded.engine->day(date.date, lookup.basis, lookup.place);
    if (!date.ok() || !day.ok()) {
      err << "ventorel-cli: " << (date.ok() ? day.message : date.message) << "\n";
      if (status == ExitDone) status = date.ok() && day.status == Status::Failed ? ExitRunError : ExitNotANumber;
      continue;
    }
    const BuiltinTables& names = loaded.engine->data().names;
    if (lookup.json) {
      out << jsonDay(*day.year, *day.day, names) << "\n";
    } else {
      if (!first) out << "\n";
      out << dayReport(*day.year, *day.day, names);
    }
    first = false;
  }
  out.flush();
  if (status == ExitDone && !loaded.problems.empty()) status = ExitDataFileProblem;
  return status;
}

}  // namespace ventorel
