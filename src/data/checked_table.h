// Fixed-size tables whose every access is checked against their bounds.
//
// The calendar indexes its tables with numbers computed from dates and
// astronomy; an index that goes wrong must end the run with a message that names
// the table, never read or write outside it.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace ventorel {

// Thrown by every table on an access outside its bounds. The run catches it and
// ends with the catalogue's message (data/messages.h); what() is for the developer.
class TableBoundsError : public std::out_of_range {
 public:
  TableBoundsError(const std::string& table, std::int64_t index, std::int64_t last)
      : std::out_of_range("table " + table + ": index " + std::to_string(index) + " is outside 0.." +
                          std::to_string(last)) {}
  TableBoundsError(const std::string& table, std::int64_t row, std::int64_t column, std::int64_t lastRow,
                   std::int64_t lastColumn)
      : std::out_of_range("table " + table + ": index (" + std::to_string(row) + ", " + std::to_string(column) +
                          ") is outside (0..." + std::to_string(lastRow) + ", 0.." + std::to_string(lastColumn) +
                          ")") {}
};

// A table of N entries, indexed 0..N-1.
template <typename T, std::size_t N>
class Table {
 public:
  explicit Table(const char* name) : name_(name), values_(N) {}

  T& operator[](std::int64_t i) { return values_[check(i)]; }
  const T& operator[](std::int64_t i) const { return values_[check(i)]; }

  static constexpr std::int64_t size() { return static_cast<std::int64_t>(N); }
  void fill(const T& value) { values_.assign(values_.size(), value); }
  const char* name() const { return name_; }

 private:
  std::size_t check(std::int64_t i) const {
    if (i < 0 || i >= static_cast<std::int64_t>(N)) throw TableBoundsError(name_, i, static_cast<std::int64_t>(N) - 1);
    return static_cast<std::size_t>(i);
  }
  const char* name_;
  std::vector<T> values_;  // on the heap: some tables are large
};

// A table of Rows x Cols entries, stored flat with the second index varying
// fastest (for the per-day tables: slot * 367 + day).
template <typename T, std::size_t Rows, std::size_t Cols>
class Table2D {
 public:
  explicit Table2D(const char* name) : name_(name), values_(Rows * Cols) {}

  T& operator()(std::int64_t r, std::int64_t c) { return values_[check(r, c)]; }
  const T& operator()(std::int64_t r, std::int64_t c) const { return values_[check(r, c)]; }

  static constexpr std::int64_t rows() { return static_cast<std::int64_t>(Rows); }
  static constexpr std::int64_t columns() { return static_cast<std::int64_t>(Cols); }
  void fill(const T& value) { values_.assign(values_.size(), value); }
  const char* name() const { return name_; }

 private:
  std::size_t check(std::int64_t r, std::int64_t c) const {
    if (r < 0 || r >= rows() || c < 0 || c >= columns())
      throw TableBoundsError(name_, r, c, rows() - 1, columns() - 1);
    return static_cast<std::size_t>(r) * Cols + static_cast<std::size_t>(c);
  }
  const char* name_;
  std::vector<T> values_;
};

}  // namespace ventorel
