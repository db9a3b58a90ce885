#include "app/program_folder.h"

#include "platform/file_io.h"

namespace ventorel {

LoadedProgramFolder loadProgramFolder(const std::string& folder) {
  LoadedProgramFolder loaded;
  auto bytesOf = [&folder](const std::string& name) -> std::optional<std::string> {
    if (!fileExistsExact(folder, name)) return std::nullopt;
    std::string bytes, error;
    // A file larger than any data file is damaged: its first bytes beyond the
    // limit are enough to tell.
    if (!readWholeFile(joinPath(folder, name), bytes, error, MaxDataFileBytes + 1)) return std::nullopt;
    return bytes;
  };
  AppSettings& settings = loaded.settings;
  static_cast<LoadedReferenceData&>(loaded) = loadReferenceData(
      bytesOf, [&settings](std::string_view bytes, Problem& problem) {
        return readAppSettings(bytes, settings, &problem);
      });
  return loaded;
}

bool saveSettings(const std::string& folder, const AppSettings& settings, std::string& message) {
  const std::string path = joinPath(folder, dataFileName(DataFile::Settings));
  std::string error;
  if (writeFileAtomically(path, appSettingsText(settings), error)) return true;
  message = std::string(MissingFileMessage) + "\n設定ファイル「" + path + "」を書き込めませんでした（" + error +
            "）。選んだ形式は保存されていません。";
  return false;
}

}  // namespace ventorel
