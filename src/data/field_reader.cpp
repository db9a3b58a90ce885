#include "data/field_reader.h"

namespace ventorel {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

bool FieldReader::atLineEnd() const { return pos_ < text_.size() && (text_[pos_] == '\r' || text_[pos_] == '\n'); }

void FieldReader::skipLineEnd() {
  if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
  if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
  ++line_;
}

void FieldReader::skipBlanks() {
  while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
}

FieldReader::Status FieldReader::next(std::string& field) {
  field.clear();
  if (broken_) return Status::Malformed;

  skipBlanks();
  if (!afterComma_) {
    // Between records: blank lines hold no field.
    while (atLineEnd()) {
      skipLineEnd();
      skipBlanks();
    }
    if (pos_ >= text_.size()) return Status::End;
  }
  afterComma_ = false;
  fieldLine_ = line_;

  if (pos_ < text_.size() && text_[pos_] == '"') {
    const std::size_t open = pos_ + 1;
    std::size_t close = open;
    while (close < text_.size() && text_[close] != '"' && text_[close] != '\r' && text_[close] != '\n') ++close;
    if (close >= text_.size() || text_[close] != '"') {
      broken_ = true;
      return Status::Malformed;
    }
    field.assign(text_.substr(open, close - open));
    pos_ = close + 1;
    skipBlanks();
    if (pos_ < text_.size() && text_[pos_] != ',' && !atLineEnd()) {
      broken_ = true;
      field.clear();
      return Status::Malformed;
    }
  } else {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && !atLineEnd()) ++pos_;
    std::size_t end = pos_;
    while (end > start && isBlank(text_[end - 1])) --end;
    field.assign(text_.substr(start, end - start));
  }

  if (pos_ < text_.size() && text_[pos_] == ',') {
    ++pos_;
    afterComma_ = true;
  } else if (atLineEnd()) {
    skipLineEnd();
  }
  return Status::Field;
}

}  // namespace ventorel
