// The field stream every data file is read as.
//
// A field ends at a comma or at a line end (CR LF, LF or CR). An unquoted field
// loses its surrounding blanks; a field in double quotes is taken without the
// quotes and may hold commas. Records are only a convention of the files: the
// readers take fields in order, however they are spread over lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ventorel {

class FieldReader {
 public:
  enum class Status {
    Field,      // `field` holds the next field
    End,        // no field is left
    Malformed,  // a quote that is not closed on its line, or text after a closing quote
  };

  // The text must outlive the reader.
  explicit FieldReader(std::string_view text) : text_(text) {}

  // Reads the next field into `field`. Lines holding nothing but blanks carry no
  // field, so blank lines between records and at the end of a file are harmless;
  // a line end right after a comma ends an empty field. After Malformed the reader
  // stays Malformed.
  Status next(std::string& field);

  // The line (from 1) where the last field began, or where the stream broke;
  // after End, the line of the last field. For messages about damaged files.
  int line() const { return fieldLine_; }

 private:
  bool atLineEnd() const;
  void skipLineEnd();
  void skipBlanks();

  std::string_view text_;
  std::size_t pos_ = 0;
  bool afterComma_ = false;  // the previous field ended at a comma
  bool broken_ = false;
  int line_ = 1;       // the line at pos_
  int fieldLine_ = 1;  // see line()
};

}  // namespace ventorel
