#include "platform/program_place.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace ventorel {

std::string executableFolder() {
  std::error_code code;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", code);
  if (code) return "";
  std::string folder = exe.parent_path().string();
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

std::string userSettingsFolder() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config && *config == '/') return std::string(config) + "/ventorel";
  const char* home = std::getenv("HOME");
  if (home && *home == '/') return std::string(home) + "/.config/ventorel";
  return "";
}

bool fileWritable(const std::string& path) { return access(path.c_str(), W_OK) == 0; }

}  // namespace ventorel
