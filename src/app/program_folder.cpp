#include "app/program_folder.h"

#include "platform/file_io.h"

namespace ventorel {

LoadedProgramFolder loadProgramFolder(const std::string& folder) {
  LoadedProgramFolder loaded;
  auto bytesOf = [&folder](const std::string& name) -> std::optional<std::string> {
    if (!fileExistsExact(folder, name)) return std::nullopt;
    std::string bytes, error;
    if (!readWholeFile(joinPath(folder, name), bytes, error)) return std::nullopt;
    return bytes;
  };
  AppSettings& settings = loaded.settings;
  static_cast<LoadedReferenceData&>(loaded) = loadReferenceData(
      bytesOf, [&settings](std::string_view bytes, DataFileProblem& problem) {
        return readAppSettings(bytes, settings, &problem);
      });
  return loaded;
}

bool saveSettings(const std::string& folder, const AppSettings& settings) {
  const std::string name = dataFileName(DataFile::Settings);
  if (!fileExistsExact(folder, name)) return false;
  std::string error;
  return writeFileAtomically(joinPath(folder, name), appSettingsText(settings), error);
}

}  // namespace ventorel
