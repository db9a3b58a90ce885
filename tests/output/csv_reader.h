// A strict reader of the CSV files the calendar writes: every text field quoted, a
// double quote inside a field doubled, a number (the data table's) bare: digits
// with a minus sign in front at the most, fields separated by commas, every record
// ended by CR LF. Anything else is an error.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ventorel::testing {

using CsvRecords = std::vector<std::vector<std::string>>;

// The records of the text, or none with `error` set at the first violation.
inline std::optional<CsvRecords> readStrictCsv(const std::string& text, std::string& error) {
  CsvRecords records;
  std::size_t i = 0;
  while (i < text.size()) {
    std::vector<std::string> record;
    for (;;) {
      std::string field;
      if (text[i] != '"') {
        if (text[i] == '-') field += text[i++];
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') field += text[i++];
        if (field.empty() || field == "-") {
          // An empty bare field (a number the day has none of) is followed at once by its separator.
          if (!field.empty() || (text[i] != ',' && text.compare(i, 2, "\r\n") != 0)) {
            error = "unquoted field at byte " + std::to_string(i);
            return std::nullopt;
          }
        }
      } else {
        ++i;
        for (;;) {
          if (i >= text.size()) {
            error = "unterminated field";
            return std::nullopt;
          }
          if (text[i] == '"') {
            if (i + 1 < text.size() && text[i + 1] == '"') {
              field += '"';
              i += 2;
              continue;
            }
            ++i;
            break;
          }
          if (text[i] == '\r' || text[i] == '\n') {
            error = "line break inside a field at byte " + std::to_string(i);
            return std::nullopt;
          }
          field += text[i++];
        }
      }
      record.push_back(field);
      if (i < text.size() && text[i] == ',') {
        ++i;
        continue;
      }
      if (text.compare(i, 2, "\r\n") == 0) {
        i += 2;
        break;
      }
      error = "expected a comma or CR LF at byte " + std::to_string(i);
      return std::nullopt;
    }
    records.push_back(record);
  }
  return records;
}

}  // namespace ventorel::testing
