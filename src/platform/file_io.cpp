#include "platform/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace ventorel {

std::string joinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

bool fileExistsExact(const std::string& folder, const std::string& name) {
  // The directory is listed rather than stat'ed, so that the comparison is by the
  // exact stored name even on a case-insensitive file system.
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return false;
  bool found = false;
  while (const dirent* entry = readdir(dir)) {
    if (name == entry->d_name) {
      struct stat info {};
      found = stat(joinPath(folder, name).c_str(), &info) == 0 && S_ISREG(info.st_mode);
      break;
    }
  }
  closedir(dir);
  return found;
}

bool readWholeFile(const std::string& path, std::string& bytes, std::string& error) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    error = std::strerror(errno);
    return false;
  }
  bytes.clear();
  char buffer[65536];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, n);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) error = "read error";
  return !failed;
}

namespace {
bool writeAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}
}  // namespace

bool writeFileAtomically(const std::string& path, const std::string& bytes, std::string& error) {
  const std::string temporary = path + ".part-XXXXXX";
  std::string pattern = temporary;
  const int fd = mkstemp(pattern.data());
  if (fd < 0) {
    error = std::strerror(errno);
    return false;
  }
  auto fail = [&](int code) {
    error = std::strerror(code);
    ::close(fd);
    ::unlink(pattern.c_str());
    return false;
  };
  if (!writeAll(fd, bytes)) return fail(errno);
  if (::fsync(fd) != 0) return fail(errno);
  // mkstemp creates the file for the owner only; a calendar is an ordinary file.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  if (::close(fd) != 0) {
    error = std::strerror(errno);
    ::unlink(pattern.c_str());
    return false;
  }
  if (std::rename(pattern.c_str(), path.c_str()) != 0) {
    error = std::strerror(errno);
    ::unlink(pattern.c_str());
    return false;
  }
  return true;
}

std::string currentDirectory() {
  std::error_code code;
  std::string folder = std::filesystem::current_path(code).string();
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

}  // namespace ventorel
