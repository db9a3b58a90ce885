// libFuzzer target over the data-file readers. The first byte of an input picks
// the reader (0: the bare field stream; 1..5: "shuku.dat", "gen1.dat", "gen2.dat",
// "singetu.dat", "ini.dat"); the rest are the file's bytes. Any crash, sanitizer
// report or escaped exception is a finding.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "data/data_files.h"
#include "data/field_reader.h"
#include "data/text_encoding.h"

namespace {

void readFields(std::string_view bytes) {
  const std::optional<std::string> text = ventorel::dataFileText(bytes);
  if (!text) return;
  ventorel::FieldReader reader(*text);
  std::string field;
  // Every call consumes input or ends, so the loop is bounded by the input size.
  for (std::size_t i = 0; i <= text->size() + 1; ++i)
    if (reader.next(field) != ventorel::FieldReader::Status::Field) return;
  __builtin_trap();  // more fields than bytes: the reader failed to advance
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const auto state = std::make_unique<ventorel::ReferenceData>();
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  switch (data[0] % 6) {
    case 0: readFields(bytes); break;
    case 1: ventorel::readDataFile(ventorel::DataFile::Holidays, bytes, *state); break;
    case 2: ventorel::readDataFile(ventorel::DataFile::Eras, bytes, *state); break;
    case 3: ventorel::readDataFile(ventorel::DataFile::SecondCourtEras, bytes, *state); break;
    case 4: ventorel::readDataFile(ventorel::DataFile::NewMoons, bytes, *state); break;
    case 5: ventorel::readDataFile(ventorel::DataFile::Settings, bytes, *state); break;
  }
  return 0;
}
