#include "app/cli.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <exception>
#include <sys/stat.h>
#include <memory>
#include <optional>

#include "app/data_export.h"
#include "app/data_folder.h"
#include "app/date_lookup.h"
#include "app/generation_run.h"
#include "app/program_folder.h"
#include "app/progress.h"
#include "app/year_range.h"
#include "app/year_text.h"
#include "app/calendar_sources.h"
#include "data/data_files.h"
#include "data/messages.h"
#include "data/numbers.h"
#include "output/calendar_file.h"
#include "platform/file_io.h"
#include "platform/recording.h"
#include "ventorel/date.h"

namespace ventorel {

namespace {

constexpr const char* Usage =
    "usage: ventorel-cli [--folder DIR] [--format htm|csv|ics|json] [--classic] [--transcript] [--open] [--quiet]\n"
    "                    [--stdout | --output FILE] [--ics-include rokuyo,senjitsu,kou,rekichu]\n"
    "                    [--place PLACE]\n"
    "                    YEAR|FIRST..LAST...\n"
    "       ventorel-cli [--folder DIR] [--classic] --holidays YEAR|FIRST..LAST...\n"
    "       ventorel-cli [--folder DIR] [--classic] [--format json] [--place PLACE] --date TEXT...\n"
    "\n"
    "Makes the calendar of each YEAR, exactly as one press of the window's button\n"
    "with that year and format: the data files are read from DIR and\n"
    "\"2024年カレンダー.htm\" (.csv, .ics, .json) is written there; --classic names it\n"
    "\" 2024年カレンダー.htm\", with a leading blank, as its files have always been\n"
    "named (the true basis replaces a blank-led file of the same year and kind).\n"
    "Without --folder, the data files are read from the first of share/ventorel\n"
    "beside the program's bin/ folder, the program's own folder and the current\n"
    "folder that holds them, and the calendars are written into the current folder.\n"
    "The path of each file written is printed, a line each, on standard output\n"
    "(on standard error with --transcript).\n"
    "\n"
    "  --folder DIR   the program folder (data files and ini.dat in, calendar files out)\n"
    "  --format F     htm, csv, ics (iCalendar) or json; default: the format saved\n"
    "                 in ini.dat (htm or csv)\n"
    "  --classic      the classic calendar (the orbit model and the shipped\n"
    "                 new-moon table, as the files have always been made);\n"
    "                 default: the true sky (precise terms and new moons,\n"
    "                 years -1001..3000 as typed, astronomical -1000..3000;\n"
    "                 the classic model beyond them)\n"
    "  --transcript   print every line the run prints on the window, as the\n"
    "                 design-grid x of the line, a tab, and the text\n"
    "  --open         open the file in the browser or spreadsheet afterwards,\n"
    "                 named on standard error\n"
    "  --quiet        print no path of the files written\n"
    "  --stdout       ics, json: write to standard output instead of files (json: one\n"
    "                 document a line; ics: one calendar of all years)\n"
    "  --output FILE  ics, json: all years into one FILE\n"
    "  --ics-include K  also make events of the kinds K, a comma list of rokuyo\n"
    "                 (六曜, every day), senjitsu (選日), kou (七十二候, true basis)\n"
    "                 and rekichu (the day's 暦注 as an event a day, true basis)\n"
    "  --place PLACE  where the true calendar's sunrise, sunset, moonrise and\n"
    "                 moonset are for: a prefectural capital (東京, 札幌, 那覇, ...,\n"
    "                 or its Latin name, sapporo) or LAT,LON in degrees (north and\n"
    "                 east positive); default 東京 (the old Tokyo Observatory)\n"
    "  --holidays     write no calendar; print each YEAR's national holidays as\n"
    "                 YYYY-MM-DD, a tab and the name, one line each\n"
    "  --date TEXT    print the day TEXT names, a field a line (json: the day's\n"
    "                 object on one line); TEXT is an ISO date (1703-01-30,\n"
    "                 -0659-02-11), a Julian date marked J (J1582-06-21) or a\n"
    "                 Japanese date (元禄15年12月14日, 元禄十五年十二月十四日,\n"
    "                 天保3年閏11月5日, 南朝 正平5年4月18日); may be given again\n"
    "  --help         this text\n"
    "\n"
    "Years are taken as typed into the year box: negative for BC (-1 is 1 BC),\n"
    "year 0 does not exist. FIRST..LAST (e.g. 1990..2030, -10..10) makes every year\n"
    "of the range, without year 0. A batch of more than a second shows its progress\n"
    "on standard error when that is a terminal. Message boxes are printed to\n"
    "standard error as \"message: TEXT\".\n"
    "\n"
    "Exit status: 0 done; 2 usage error; 3 year text not a number (or not whole\n"
    "where it must be, or too large), or a date that does not exist; 4 year 0;\n"
    "5 the run ended on an error; 6 the output file or standard output could not\n"
    "be written (a full disk ends a batch); 7 a data file is missing or damaged:\n"
    "a file the calendar needs (true: holiday_law.dat, gen1.dat, gen2.dat,\n"
    "era_starts.dat; --classic: shuku.dat, gen1.dat, gen2.dat, singetu.dat)\n"
    "missing or unreadable makes no calendar, any other was left out; 130, 143,\n"
    "129 ended by SIGINT, SIGTERM, SIGHUP (no file changed half-way).\n";

// What a usage error prints after its one-line reason, instead of the whole help.
constexpr const char* UsageHint = "usage: see ventorel-cli --help\n";

constexpr double CommitSeconds = 1.0;

struct Options {
  std::string folder;
  std::string format;  // "" = as saved
  bool transcript = false;
  bool open = false;
  bool quiet = false;
  bool holidays = false;
  bool classic = false;
  bool help = false;
  bool toStdout = false;
  std::string outputFile;
  std::string icsInclude;
  std::string placeText;
  Place place = defaultPlace();
  std::vector<std::string> years;
  std::vector<std::string> dates;  // --date texts
};

bool dataFormat(const Options& options) { return options.format == "ics" || options.format == "json"; }

// The combinations that cannot work, and the kinds of --ics-include.
bool checkDataOptions(const Options& options, IcsInclude& include, std::string& error) {
  if ((options.toStdout || !options.outputFile.empty()) && !dataFormat(options))
    error = messages::StdoutOutputNeedData;
  else if (options.toStdout && !options.outputFile.empty())
    error = messages::StdoutOrOutput;
  else if (options.toStdout && options.transcript)
    error = messages::StdoutOrTranscript;
  else if (!options.icsInclude.empty() && options.format != "ics")
    error = messages::IcsIncludeNeedsIcs;
  if (!error.empty()) return false;
  std::size_t at = 0;
  while (at < options.icsInclude.size()) {
    std::size_t comma = options.icsInclude.find(',', at);
    if (comma == std::string::npos) comma = options.icsInclude.size();
    const std::string kind = options.icsInclude.substr(at, comma - at);
    if (kind == "rokuyo") include.rokuyo = true;
    else if (kind == "senjitsu") include.senjitsu = true;
    else if (kind == "kou") include.kou = true;
    else if (kind == "rekichu") include.rekichu = true;
    else {
      error = messages::icsIncludeTakes(kind);
      return false;
    }
    at = comma + 1;
  }
  return true;
}

bool parseOptions(const std::vector<std::string>& args, Options& options, std::string& error) {
  bool yearsOnly = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    // A negative year looks like an option; anything that is not one of ours is a year.
    if (yearsOnly || a.empty() || a[0] != '-' || a == "-" || (a.size() > 1 && a[1] != '-')) {
      options.years.push_back(a);
    } else if (a == "--") {
      yearsOnly = true;
    } else if (a == "--help") {
      options.help = true;
    } else if (a == "--transcript") {
      options.transcript = true;
    } else if (a == "--classic") {
      options.classic = true;
    } else if (a == "--open") {
      options.open = true;
    } else if (a == "--quiet") {
      options.quiet = true;
    } else if (a == "--stdout") {
      options.toStdout = true;
    } else if (a == "--holidays") {
      options.holidays = true;
    } else if (a == "--date") {
      if (i + 1 >= args.size()) {
        error = messages::optionNeedsValue(a);
        return false;
      }
      options.dates.push_back(args[++i]);
    } else if (a == "--folder" || a == "--format" || a == "--output" || a == "--ics-include" || a == "--place") {
      if (i + 1 >= args.size()) {
        error = messages::optionNeedsValue(a);
        return false;
      }
      std::string& value = a == "--folder"   ? options.folder
                           : a == "--format" ? options.format
                           : a == "--output" ? options.outputFile
                           : a == "--place"  ? options.placeText
                                             : options.icsInclude;
      value = args[++i];
      if (value.empty() && (a == "--folder" || a == "--output")) {
        error = messages::optionNeedsName(a);
        return false;
      }
    } else {
      error = messages::optionUnknown(a);
      return false;
    }
  }
  if (!options.format.empty() && options.format != "htm" && options.format != "csv" && !dataFormat(options)) {
    error = messages::FormatTakes;
    return false;
  }
  if (!options.placeText.empty()) {
    const std::optional<Place> place = placeNamed(options.placeText);
    if (!place) {
      error = messages::placeTakes(options.placeText);
      return false;
    }
    options.place = *place;
  }
  return true;
}

// The launcher of the command line: records unless --open asks for the real one,
// which names the file it hands on (on `told`, standard error, unless null: --quiet).
class CliLauncher : public Launcher {
 public:
  CliLauncher(bool open, std::ostream* told) : open_(open), told_(told) {}
  bool openInBrowser(const std::string& path, std::string& error) override {
    if (!open_) return true;
    if (told_) *told_ << "ventorel-cli: " << messages::openingInBrowser(path) << "\n";
    return real_.openInBrowser(path, error);
  }
  void openInSpreadsheet(const std::string& path) override {
    if (!open_) return;
    if (told_) *told_ << "ventorel-cli: " << messages::opening(path) << "\n";
    real_.openInSpreadsheet(path);
  }

 private:
  bool open_;
  std::ostream* told_;
  XdgLauncher real_;
};

int exitStatusOf(RunStatus status) {
  switch (status) {
    case RunStatus::Done: return ExitDone;
    case RunStatus::NotANumber: return ExitNotANumber;
    case RunStatus::YearZero: return ExitYearZero;
    case RunStatus::RunError: return ExitRunError;
    case RunStatus::WriteFailed: return ExitWriteFailed;
    case RunStatus::DataFileMissing: return ExitDataFileProblem;
  }
  return ExitRunError;
}

// A whole number with at least `width` digits ("0948"), its sign in front.
std::string zeroPadded(double n, std::size_t width) {
  std::string digits = trimmedNumber(std::fabs(n));
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return (n < 0 ? "-" : "") + digits;
}

// Flushes what was written to standard output. False, told once, when it could
// not all be written (a full disk, a closed pipe or descriptor): the run stops
// (`last`: it has ended anyway, no year is left out).
bool outputWritten(std::ostream& out, std::ostream& err, bool last = false) {
  if (out.flush()) return true;
  const int code = errno;
  err << "ventorel-cli: " << messages::standardOutputNotWritten(messages::systemError(code), last) << "\n";
  return false;
}

// --holidays: the holidays of each year as "YYYY-MM-DD<TAB>name" lines.
int printHolidays(const std::vector<std::string>& years, const ReferenceData& data, CalendarBasis basis,
                  std::ostream& out, std::ostream& err) {
  int status = ExitDone;
  for (const std::string& yearText : years) {
    const std::optional<double> entered = parseYearText(yearText);
    int yearStatus = ExitDone;
    errno = 0;
    if (!entered || std::fabs(*entered) > static_cast<double>(LargestYear)) {
      err << "ventorel-cli: " << (entered ? YearTooLargeMessage : notANumberMessage(yearText)) << "\n";
      yearStatus = ExitNotANumber;
    } else if (!takesFractionalYears(basis) && *entered != std::floor(*entered)) {
      err << "ventorel-cli: " << notAWholeYearMessage(yearText) << "\n";
      yearStatus = ExitNotANumber;
    } else if (*entered == 0) {
      err << "ventorel-cli: " << YearZeroMessage << "\n";
      yearStatus = ExitYearZero;
    } else {
      try {
        const CalendarYear year =
            computeCalendar(*entered, basis, data, nullptr, defaultPlace(), PlaceSkyParts::None).year;
        for (const CalendarDay& day : year.days)
          if (day.holiday)
            out << zeroPadded(year.enteredYear, 4) << '-' << zeroPadded(day.month, 2) << '-' << zeroPadded(day.day, 2)
                << '\t' << day.holiday->name << '\n';
      } catch (const std::exception& error) {
        err << "message: " << messages::computationFailure(error) << "\n";
        yearStatus = ExitRunError;
      }
    }
    if (status == ExitDone) status = yearStatus;
    if (!outputWritten(out, err)) return ExitWriteFailed;
  }
  return status;
}

// The data file of the program folder that `path` is (the same file, also through
// a link), or none.
const char* dataFileAt(const std::string& path, const std::string& folder) {
  struct stat target {};
  if (::stat(path.c_str(), &target) != 0) return nullptr;
  for (DataFile file : {DataFile::Holidays, DataFile::Eras, DataFile::SecondCourtEras, DataFile::NewMoons,
                        DataFile::Settings, DataFile::HolidayLaw}) {
    struct stat data {};
    if (::stat(joinPath(folder, dataFileName(file)).c_str(), &data) == 0 && data.st_dev == target.st_dev &&
        data.st_ino == target.st_ino)
      return dataFileName(file);
  }
  return nullptr;
}

// Why a range holds a year the format cannot make, or "".
std::string rangeRefusal(const YearSpan& span, const std::string& argument, const Options& options) {
  if (!span.isRange()) return "";
  if (options.format == "ics" && (span.first() < 1 || span.last() > 9999))
    return messages::rangeBeyondIcalendar(argument);
  return "";
}

}  // namespace

int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options options;
  std::string error;
  IcsInclude include;
  std::vector<YearSpan> spans;
  if (!parseOptions(args, options, error) || !checkDataOptions(options, include, error)) {
    err << "ventorel-cli: " << error << "\n" << UsageHint;
    return ExitUsage;
  }
  if (options.help) {
    out << Usage;
    return outputWritten(out, err) ? ExitDone : ExitWriteFailed;
  }
  if (!options.dates.empty()) {
    if (!options.years.empty() || (!options.format.empty() && options.format != "json")) {
      err << "ventorel-cli: " << messages::DateTakesNoYear << "\n" << UsageHint;
      return ExitUsage;
    }
    const int status = lookUpDates(options.dates,
                                   {options.folder.empty() ? findDataFolder() : options.folder,
                                    options.format == "json", options.classic ? CalendarBasis::Classic : CalendarBasis::True,
                                    options.place, dataLookupText(options.folder)},
                                   out, err);
    return outputWritten(out, err) ? status : int(ExitWriteFailed);
  }
  if (options.years.empty()) {
    err << "ventorel-cli: " << messages::NoYearGiven << "\n" << UsageHint;
    return ExitUsage;
  }
  std::uint64_t total = 0;
  for (const std::string& argument : options.years) {
    const std::optional<YearSpan> span = parseYearArgument(argument, error);
    if (!span) {
      err << "ventorel-cli: " << error << "\n" << UsageHint;
      return ExitUsage;
    }
    if (const std::string refusal = rangeRefusal(*span, argument, options); !refusal.empty()) {
      err << "ventorel-cli: " << refusal << "\n" << UsageHint;
      return ExitUsage;
    }
    if (span->skipsYearZero()) err << "ventorel-cli: " << messages::rangeSkipsYearZero(argument) << "\n";
    total += span->size();
    spans.push_back(*span);
  }

  RecordingSurface surface;
  if (options.transcript) {
    surface.onPrint = [&out](const RecordingSurface::PrintedLine& line) {
      out << toIndex(line.x) << "\t" << line.text << "\n";
    };
  }
  // The paths of the files written go where the calendar text does not.
  std::ostream* const told = options.quiet ? nullptr : options.transcript ? &err : &out;
  CliLauncher launcher(options.open, options.quiet ? nullptr : &err);

  // Message boxes are printed as "message: TEXT".
  auto showMessage = [&err](const std::string& text) { err << "message: " << text << "\n"; };
  RunSettings settings;
  settings.programFolder = options.folder.empty() ? currentDirectory() : options.folder;
  const std::string dataFolder = options.folder.empty() ? findDataFolder() : options.folder;
  for (const std::string& folder : {settings.programFolder, dataFolder}) {
    if (const char* dataFile = options.outputFile.empty() ? nullptr : dataFileAt(options.outputFile, folder)) {
      err << "ventorel-cli: " << messages::outputIsDataFile(options.outputFile, dataFile, folder) << "\n";
      return ExitUsage;
    }
  }
  const LoadedProgramFolder loaded = loadProgramFolder(dataFolder);
  const CalendarBasis basis = options.classic ? CalendarBasis::Classic : CalendarBasis::True;
  // Without a file the basis needs no calendar is made: each year that gets so far
  // says so, on one line naming the files and the folders (told once), and the
  // files left out are not listed besides. Otherwise one line per file: the message
  // box's first line, then the file and the line where reading stopped (several
  // damaged lines of the law separated by "; ").
  const std::vector<std::string> missing = missingNeededFiles(loaded.data, basis);
  const std::string missingMessage = missing.empty() ? "" : missingFilesMessage(missing, dataLookupText(options.folder));
  if (missing.empty())
    for (const std::string& message : loaded.messages) showMessage(messageOnOneLine(message));
  const ReferenceData& data = loaded.data;
  // What was made without a data file is told apart from what was made whole; a
  // year that failed outright says more, so its status goes first.
  auto withDataFiles = [&loaded](int status) {
    return status == ExitDone && !loaded.problems.empty() ? int(ExitDataFileProblem) : status;
  };
  if (options.holidays && !missing.empty()) {
    err << "ventorel-cli: " << missingMessage << "\n";
    return ExitDataFileProblem;
  }
  if (options.holidays) {
    std::vector<std::string> years;
    for (const YearSpan& span : spans)
      for (std::uint64_t i = 0; i < span.size(); ++i) years.push_back(span[i]);
    return withDataFiles(printHolidays(years, data, basis, out, err));
  }
  settings.outputFormat = loaded.settings.outputFormat;

  // The format list shows the saved format, as the window would (anything but 1 is htm).
  std::string comboText = data.names.formatName[settings.outputFormat.equals(1) ? 1 : 0];
  if (options.format == "htm") comboText = data.names.formatName[0];
  if (options.format == "csv") comboText = data.names.formatName[1];

  // The files of a batch are put in place together, with one sync for all of them
  // (platform/file_io.h tells what a crash leaves behind), at least every
  // CommitSeconds so that a long batch shows its files as it goes. A file to be
  // opened must be in place first: --open writes each file at once.
  FileBatch batch;
  FileBatch* const staging = options.open ? nullptr : &batch;
  SkyCache skies;
  RunContext context{surface, launcher};
  // Without --transcript the window's lines go nowhere: they are not drawn.
  context.drawWindow = options.transcript;
  context.fileBatch = staging;
  SweptFolders swept;  // --open writes each file at once
  context.sweptFolders = &swept;
  context.skyCache = &skies;
  DataExport dataExport(data, {options.format == "json" ? DataFormat::Json : DataFormat::Ics, include,
                               settings.programFolder, options.outputFile, options.toStdout, options.open, staging,
                               spans, &swept},
                        launcher, out, exportStamp());
  if (dataFormat(options)) context.deliver = [&dataExport](const CalendarYear& year) { return dataExport.deliver(year); };

  int status = ExitDone;
  bool stopped = false;  // a full disk or a failed standard output: no year can go anywhere
  std::vector<std::string> written;  // the files of the reports not yet put in place
  bool missingTold = false;
  auto commit = [&] {
    const std::vector<FileBatch::Failure> failures = batch.commit();
    for (const FileBatch::Failure& failure : failures) {
      showMessage(writeFailedMessage(failure.path, failure.error));
      if (status == ExitDone) status = ExitWriteFailed;
    }
    for (const std::string& path : written) {
      if (std::any_of(failures.begin(), failures.end(),
                      [&path](const FileBatch::Failure& failure) { return failure.path == path; }))
        continue;
      // A year's own file replaces its file of the old name; the one --output file is the user's name.
      if (path != options.outputFile) removeClassicNamedTwin(path);
      if (told) *told << path << "\n";
    }
    written.clear();
  };
  auto take = [&](const RunReport& report) {
    // The refusals are printed on the window; the other failures are shown as a message box.
    if (report.status == RunStatus::NotANumber || report.status == RunStatus::YearZero)
      err << "ventorel-cli: " << report.problem.text() << "\n";
    if ((report.status == RunStatus::RunError || report.status == RunStatus::WriteFailed) && !report.problem.ok())
      showMessage(report.problem.text());
    if (report.status == RunStatus::DataFileMissing && !missingTold) {
      err << "ventorel-cli: " << missingMessage << "\n";
      missingTold = true;
    }
    if (status == ExitDone) status = exitStatusOf(report.status);
    if (report.problem.outOfSpace()) stopped = true;
    // A file handed on is in place already; a staged one when the batch is committed.
    if (report.status != RunStatus::WriteFailed && !report.outputPath.empty()) written.push_back(report.outputPath);
    if (!staging || batch.secondsStaged() >= CommitSeconds) commit();
    // What went to standard output (--stdout, --transcript) is checked after each year.
    if (!stopped && !outputWritten(out, err)) {
      stopped = true;
      if (status == ExitDone) status = ExitWriteFailed;
    }
  };
  Progress progress(total, err, standardErrorIsTerminal());
  for (const YearSpan& span : spans) {
    for (std::uint64_t i = 0; i < span.size() && !dataExport.abandoned() && !stopped; ++i) {
      errno = 0;
      take(runGeneration(data, settings, RunInputs{span[i], basis, options.place}, comboText, context));
      progress.yearDone();
    }
  }
  progress.finish();
  if (!stopped) take(dataExport.finish());
  commit();
  // The paths of the last files told: a standard output that cannot take them fails the run.
  if (!stopped && told == &out && !outputWritten(out, err, true) && status == ExitDone) status = ExitWriteFailed;
  return withDataFiles(status);
}

}  // namespace ventorel
