#include "app/window_export.h"

#include <sstream>

#include "app/data_export.h"
#include "app/data_folder.h"
#include "app/generation_run.h"
#include "app/year_range.h"
#include "data/data_files.h"
#include "platform/file_io.h"
#include "platform/recording.h"

namespace ventorel {

namespace {

constexpr ExportFormat AllFormats[] = {ExportFormat::Html, ExportFormat::Csv, ExportFormat::Ics, ExportFormat::Json};

}  // namespace

const char* exportFormatName(ExportFormat format) {
  switch (format) {
    case ExportFormat::Html: return "htm";
    case ExportFormat::Csv: return "csv";
    case ExportFormat::Ics: return "ics";
    case ExportFormat::Json: return "json";
  }
  return "";
}

std::vector<ExportFormat> exportFormatsOf(const std::string& names) {
  std::vector<ExportFormat> formats;
  std::istringstream words(names);
  std::string word;
  while (words >> word)
    for (ExportFormat format : AllFormats)
      if (word == exportFormatName(format)) formats.push_back(format);
  return formats;
}

std::string exportFormatNames(const std::vector<ExportFormat>& formats) {
  std::string names;
  for (ExportFormat format : formats) names += (names.empty() ? "" : " ") + std::string(exportFormatName(format));
  return names;
}

ExportReport exportYears(const ReferenceData& data, const ExportRequest& request) {
  ExportReport report;
  if (request.formats.empty()) return report.message = "書き出す形式を選んでください。", report;
  if (request.folder.empty()) return report.message = "書き出すフォルダーを選んでください。", report;
  std::string error;
  const std::optional<YearSpan> span = parseYearArgument(request.years, error);
  if (!span) return report.message = "「" + request.years + "」は年として読めません：" + error, report;
  if (const std::vector<std::string> missing = missingNeededFiles(data, request.basis); !missing.empty())
    return report.message = std::string(MissingFileMessage) + "\n" + missingFilesMessage(missing, request.dataLookedIn),
           report;

  RecordingSurface surface;
  RecordingLauncher launcher;
  SkyCache skies;
  SweptFolders swept;
  std::ostringstream ignored;
  report.ok = true;
  for (ExportFormat format : request.formats) {
    RunContext context{surface, launcher};
    context.drawWindow = false;
    context.skyCache = &skies;
    context.sweptFolders = &swept;
    RunSettings settings{request.folder, Value(format == ExportFormat::Csv ? 1.0 : 0.0)};
    std::string comboText = data.names.formatName[format == ExportFormat::Csv ? 1 : 0];
    const bool dataFormat = format == ExportFormat::Ics || format == ExportFormat::Json;
    DataExport dataExport(data,
                          {format == ExportFormat::Json ? DataFormat::Json : DataFormat::Ics, IcsInclude{}, request.folder,
                           "", false, false, nullptr, {*span}, &swept},
                          launcher, ignored, exportStamp());
    if (dataFormat) context.deliver = [&dataExport](const CalendarYear& year) { return dataExport.deliver(year); };
    auto take = [&report](const RunReport& run) {
      if (run.status == RunStatus::Done) {
        if (!run.outputPath.empty()) ++report.files;
        return;
      }
      if (report.ok) report.message = run.problem.ok() ? std::string("書き出せませんでした。") : run.problem.text();
      report.ok = false;
    };
    for (std::uint64_t i = 0; i < span->size(); ++i)
      take(runGeneration(data, settings, RunInputs{(*span)[i], request.basis}, comboText, context));
    if (dataFormat) take(dataExport.finish());
  }
  return report;
}

}  // namespace ventorel
