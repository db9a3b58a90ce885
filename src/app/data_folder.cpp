#include "app/data_folder.h"

#include <filesystem>

#include "platform/file_io.h"
#include "platform/program_place.h"

namespace ventorel {

std::vector<std::string> dataFolderCandidates(const std::string& executableFolder, const std::string& currentFolder) {
  std::vector<std::string> folders;
  if (!executableFolder.empty()) {
    folders.push_back(std::filesystem::path(joinPath(executableFolder, "../share/ventorel")).lexically_normal().string());
    folders.push_back(executableFolder);
  }
  folders.push_back(currentFolder);
  return folders;
}

std::string findDataFolder(const std::string& executableFolder, const std::string& currentFolder) {
  for (const std::string& folder : dataFolderCandidates(executableFolder, currentFolder))
    if (fileExistsExact(folder, "singetu.dat")) return folder;
  return currentFolder;
}

std::string findDataFolder() { return findDataFolder(executableFolder(), currentDirectory()); }

}  // namespace ventorel
