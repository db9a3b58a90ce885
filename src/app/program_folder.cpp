#include "app/program_folder.h"

#include "platform/file_io.h"

namespace ventorel {

LoadedReferenceData loadProgramFolder(const std::string& folder) {
  return loadReferenceData([&folder](const std::string& name) -> std::optional<std::string> {
    if (!fileExistsExact(folder, name)) return std::nullopt;
    std::string bytes, error;
    if (!readWholeFile(joinPath(folder, name), bytes, error)) return std::nullopt;
    return bytes;
  });
}

bool saveSettings(const std::string& folder, const Value& outputFormat, bool classicCalendar) {
  const std::string name = dataFileName(DataFile::Settings);
  if (!fileExistsExact(folder, name)) return false;
  std::string error;
  return writeFileAtomically(joinPath(folder, name), settingsFileText(outputFormat, classicCalendar), error);
}

}  // namespace ventorel
