#include "app/app_settings.h"

#include <array>

#include "data/data_files.h"
#include "data/field_reader.h"
#include "data/numbers.h"
#include "data/text_encoding.h"

namespace ventorel {

bool readAppSettings(std::string_view bytes, AppSettings& settings, Problem* problem) {
  auto damaged = [problem](int line, std::string message) {
    if (problem) *problem = {dataFileName(DataFile::Settings), line, std::move(message)};
    return false;
  };
  const std::optional<std::string> text = dataFileText(bytes);
  if (!text) return damaged(0, messages::NotDecodable);
  FieldReader fields(*text);
  std::string field;
  switch (fields.next(field)) {
    case FieldReader::Status::Field: break;
    case FieldReader::Status::End: return damaged(fields.line(), messages::FileEndsEarly);
    case FieldReader::Status::Malformed:
      return damaged(fields.line(), messages::UnclosedQuote);
  }
  Value format = Value::fromField(field);
  if (!format.equals(0) && !format.equals(1)) return damaged(fields.line(), messages::FormatNotZeroOrOne);
  AppSettings read;
  read.outputFormat = std::move(format);
  // The calendar choice is a preference, not worth refusing the format for.
  read.classicCalendar = fields.next(field) == FieldReader::Status::Field && Value::fromField(field).equals(1);
  for (std::string* later : {&read.exportFolder, &read.exportFormats, &read.windowGeometry}) {
    if (fields.next(field) != FieldReader::Status::Field) break;
    *later = field;
  }
  settings = std::move(read);
  return true;
}

std::string appSettingsText(const AppSettings& settings) {
  std::string text;
  if (settings.outputFormat.isNumber())
    text = trimmedNumber(settings.outputFormat.number());
  else if (settings.outputFormat.isText())
    text = "\"" + settings.outputFormat.text() + "\"";
  else
    text = "0";
  text += std::string("\r\n") + (settings.classicCalendar ? "1" : "0") + "\r\n";
  const std::array<const std::string*, 3> later{&settings.exportFolder, &settings.exportFormats,
                                                &settings.windowGeometry};
  std::size_t count = later.size();
  while (count > 0 && later[count - 1]->empty()) --count;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string& value = *later[i];
    const bool writable = value.find('"') == std::string::npos && value.find_first_of("\r\n") == std::string::npos;
    text += "\"" + (writable ? value : std::string()) + "\"\r\n";
  }
  return text;
}

}  // namespace ventorel
