#include "app/data_folder.h"

#include <algorithm>
#include <filesystem>

#include "data/data_files.h"
#include "data/messages.h"

#include "platform/file_io.h"
#include "platform/program_place.h"

namespace ventorel {

namespace {

// The file whose folder is taken as the data folder.
constexpr const char* KeyDataFile = "singetu.dat";

}  // namespace

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
    if (fileExistsExact(folder, KeyDataFile)) return folder;
  return currentFolder;
}

std::string findDataFolder() { return findDataFolder(executableFolder(), currentDirectory()); }

std::vector<std::string> missingNeededFiles(const ReferenceData& data, CalendarBasis basis) {
  std::vector<std::string> missing;
  for (const std::string& name : neededDataFiles(basis))
    if (std::find(data.unreadFiles.begin(), data.unreadFiles.end(), name) != data.unreadFiles.end())
      missing.push_back(name);
  return missing;
}

namespace {

std::string joined(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : "、") + item;
  return text;
}

}  // namespace

std::string dataLookupText(const std::string& givenFolder) {
  if (!givenFolder.empty()) return givenFolder;
  std::vector<std::string> candidates;  // once each: the program may lie in the current folder
  for (const std::string& folder : dataFolderCandidates(executableFolder(), currentDirectory()))
    if (std::find(candidates.begin(), candidates.end(), folder) == candidates.end()) candidates.push_back(folder);
  for (const std::string& folder : candidates)
    if (fileExistsExact(folder, KeyDataFile)) return messages::firstFolderWith(folder, joined(candidates), KeyDataFile);
  return joined(candidates);
}

std::string missingFilesMessage(const std::vector<std::string>& files, const std::string& lookedIn) {
  return messages::neededFilesMissing(joined(files), lookedIn);
}

}  // namespace ventorel
