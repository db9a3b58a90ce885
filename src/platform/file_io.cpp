#include "platform/file_io.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <string_view>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include "data/messages.h"

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

bool readWholeFile(const std::string& path, std::string& bytes, std::string& error, std::size_t limit) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    error = messages::systemError(errno);
    return false;
  }
  bytes.clear();
  char buffer[65536];
  std::size_t n = 0;
  while (bytes.size() < limit && (n = std::fread(buffer, 1, std::min(sizeof buffer, limit - bytes.size()), file)) > 0)
    bytes.append(buffer, n);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) error = messages::systemError(errno != 0 ? errno : EIO);
  return !failed;
}

namespace {

// A temporary file is named "<file>.part-<pid>-XXXXXX": the file it will replace,
// the process id of the run writing it, and mkstemp's six letters. The pid lets a
// later run tell the leftovers of a killed run (kill -9, power loss) from a write
// in progress, so it can remove them. A fixed name that the next write reuses would
// also clean up, but two runs writing the same file at once (two windows, or a
// batch beside the window) would then share one temporary file, and one of them
// could rename the other's half-written bytes into place.
constexpr std::string_view TempMarker = ".part-";
constexpr int TempLetters = 6;
// A temporary file younger than this may belong to a run of another machine or pid
// namespace sharing the folder; a calendar is written in well under a second.
constexpr std::time_t StaleAfterSeconds = 60;
// As many symlink hops as the kernel follows before it reports ELOOP.
constexpr int MaxLinkHops = 40;

// The temporary files of the writes in progress, for the signal handler to remove.
// The list changes only while the ending signals are blocked, so the handler
// never sees it half-changed; removed entries are emptied and the list is
// cleared when none is left, so the handler allocates nothing and reads no freed
// memory. One thread writes files (the command line's).
std::vector<std::string> liveTemporaries;
std::size_t firstLive = 0;  // entries before it are empty
std::size_t liveCount = 0;
constexpr int EndingSignals[] = {SIGINT, SIGTERM, SIGHUP};

class EndingSignalsBlocked {
 public:
  EndingSignalsBlocked() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : EndingSignals) sigaddset(&set, signal);
    ::sigprocmask(SIG_BLOCK, &set, &old_);
  }
  ~EndingSignalsBlocked() { ::sigprocmask(SIG_SETMASK, &old_, nullptr); }
  EndingSignalsBlocked(const EndingSignalsBlocked&) = delete;
  EndingSignalsBlocked& operator=(const EndingSignalsBlocked&) = delete;

 private:
  sigset_t old_;
};

void forgetTemporary(const std::string& temporary) {
  for (std::size_t i = firstLive; i < liveTemporaries.size(); ++i) {
    if (liveTemporaries[i] != temporary) continue;
    liveTemporaries[i].clear();
    --liveCount;
    while (firstLive < liveTemporaries.size() && liveTemporaries[firstLive].empty()) ++firstLive;
    if (liveCount == 0) liveTemporaries.clear(), firstLive = 0;
    return;
  }
}

extern "C" void removeTemporariesAndEnd(int signal) {
  for (const std::string& temporary : liveTemporaries)
    if (!temporary.empty()) ::unlink(temporary.c_str());
  // Ended by the signal itself, so that a shell or a service sees why.
  ::signal(signal, SIG_DFL);
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, signal);
  ::sigprocmask(SIG_UNBLOCK, &set, nullptr);
  ::raise(signal);
  ::_exit(128 + signal);
}

// Removes a temporary file that will not be put in place.
void removeTemporary(const std::string& temporary) {
  const EndingSignalsBlocked blocked;
  ::unlink(temporary.c_str());
  forgetTemporary(temporary);
}

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The pid in a name of the temporary files' pattern, or none for any other name;
// `base` is then the name of the file it was to replace.
std::optional<pid_t> tempFileWriter(std::string_view name, std::string_view& base) {
  const std::size_t marker = name.rfind(TempMarker);
  if (marker == std::string_view::npos || marker == 0) return std::nullopt;
  base = name.substr(0, marker);
  const std::string_view rest = name.substr(marker + TempMarker.size());
  const std::size_t dash = rest.find('-');
  if (dash == std::string_view::npos || dash == 0 || dash > 9 || rest.size() != dash + 1 + TempLetters)
    return std::nullopt;
  pid_t pid = 0;
  for (const char c : rest.substr(0, dash)) {
    if (c < '0' || c > '9') return std::nullopt;
    pid = pid * 10 + (c - '0');
  }
  for (const char c : rest.substr(dash + 1))
    if (!std::isalnum(static_cast<unsigned char>(c))) return std::nullopt;
  return pid;
}

// Removes this user's temporary files in the folder whose run has ended and that
// are older than a minute: those of the file `own` and of the names `alsoOwned`
// takes; a file of the pattern with any other name is someone else's. Best
// effort: what cannot be removed stays.
void removeStaleTempFiles(const std::string& folder, std::string_view own, OwnedNames alsoOwned) {
  DIR* dir = opendir(folder.c_str());
  if (!dir) return;
  const std::time_t now = std::time(nullptr);
  while (const dirent* entry = readdir(dir)) {
    std::string_view base;
    const std::optional<pid_t> writer = tempFileWriter(entry->d_name, base);
    if (!writer || *writer == getpid() || (base != own && !(alsoOwned && alsoOwned(base)))) continue;
    const std::string path = joinPath(folder, entry->d_name);
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) continue;
    if (now - info.st_mtime < StaleAfterSeconds) continue;
    if (::kill(*writer, 0) == 0 || errno == EPERM) continue;  // that run is still alive
    ::unlink(path.c_str());
  }
  closedir(dir);
}

// What a replacement may also do besides writing its file.
struct WriteOptions {
  SweptFolders* swept = nullptr;
  OwnedNames alsoOwned = nullptr;
};

// The file a path finally names, following symlinks (the last one may dangle: the
// write then creates its target). Returns 0 or the error number.
int resolveLinks(const std::string& path, std::string& target) {
  target = path;
  for (int hop = 0; hop < MaxLinkHops; ++hop) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return 0;
    std::string link(PATH_MAX, '\0');
    const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
    if (n < 0) return errno;
    if (n == 0 || static_cast<std::size_t>(n) == link.size()) return ENAMETOOLONG;
    link.resize(static_cast<std::size_t>(n));
    target = link.front() == '/' ? link : joinPath(folderOf(target), link);
  }
  return ELOOP;
}

// Why the user may not change an existing file, or 0. access() answers for an
// ordinary user (and reports a read-only file system), but root passes every
// permission check, so a cleared owner write bit (chmod 444: "keep this file as it
// is") is honoured on its own as well.
int writeRefusal(const std::string& target, const struct stat& info) {
  if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return errno;
  return (info.st_mode & S_IWUSR) ? 0 : EACCES;
}

// True when `path` names something that is there and is no regular file: a
// device, a FIFO, a terminal or /dev/stdout. Such a target is written into, never
// replaced; `code` is set for one that cannot be written at all (a folder).
bool isSpecialTarget(const std::string& path, int& code) {
  struct stat info {};
  code = 0;
  if (::stat(path.c_str(), &info) != 0 || S_ISREG(info.st_mode)) return false;
  if (S_ISDIR(info.st_mode)) code = EISDIR;
  return true;
}

// Opens a special target for writing. A FIFO waits for its reader, as a shell's
// redirection does; a device opens without waiting for a line or a carrier.
// Returns the descriptor or -1 with errno set.
int openSpecialTarget(const std::string& path) {
  struct stat info {};
  const bool fifo = ::stat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode);
  int fd = -1;
  do fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | (fifo ? 0 : O_NONBLOCK));
  while (fd < 0 && errno == EINTR);
  if (fd < 0 || fifo) return fd;
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  return fd;
}

bool writeAll(int fd, std::string_view bytes) {
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

// The bytes written straight into a special target. 0 or the error number.
int writeIntoSpecial(const std::string& path, std::string_view bytes) {
  const int fd = openSpecialTarget(path);
  if (fd < 0) return errno;
  int code = writeAll(fd, bytes) ? 0 : errno;
  if (::close(fd) != 0 && code == 0 && errno != EINTR) code = errno;
  return code;
}

// Makes a rename in the folder survive a power loss. Best effort: the new file is
// already in place, so a folder that cannot be synced does not fail the write.
void syncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// True when the regular file at `target` holds exactly these bytes.
bool holdsBytes(const std::string& target, const struct stat& info, std::string_view bytes) {
  if (!S_ISREG(info.st_mode) || static_cast<std::size_t>(info.st_size) != bytes.size()) return false;
  std::string existing, error;
  return readWholeFile(target, existing, error) && existing == bytes;
}

// The file a replacement puts its bytes into: `path` with its links followed,
// refused when the user may not change it. `replacing` tells whether it exists,
// and `old` then holds its status. Returns 0 or the error number.
int checkTarget(const std::string& path, std::string& target, struct stat& old, bool& replacing) {
  if (const int code = resolveLinks(path, target)) return code;
  replacing = ::stat(target.c_str(), &old) == 0;
  return replacing ? writeRefusal(target, old) : 0;
}

// Removes the stale temporary files of the target's folder (unless `swept`
// already lists it): the target's own, and those of the names `alsoOwned` takes
// when the target is in the folder of the path written (no link led elsewhere).
void sweepFolder(const std::string& path, const std::string& target, OwnedNames alsoOwned, SweptFolders* swept) {
  const std::string folder = folderOf(target);
  if (swept && std::find(swept->begin(), swept->end(), folder) != swept->end()) return;
  const std::size_t slash = target.rfind('/');
  removeStaleTempFiles(folder, slash == std::string::npos ? std::string_view(target) : std::string_view(target).substr(slash + 1),
                       folder == folderOf(path) ? alsoOwned : nullptr);
  if (swept) swept->push_back(folder);
}

// A new temporary file beside the target with the permissions the replaced file
// had (`old`), or those of a new file. Until it is put in place or removed, an
// ending signal removes it. Returns its descriptor, or -1 with errno set.
int createTemporary(const std::string& target, const struct stat* old, std::string& temporary) {
  temporary = target + std::string(TempMarker) + std::to_string(::getpid()) + "-" + std::string(TempLetters, 'X');
  int fd = -1;
  {
    const EndingSignalsBlocked blocked;
    fd = mkstemp(temporary.data());
    if (fd < 0) return -1;
    liveTemporaries.push_back(temporary);
    ++liveCount;
  }
  // mkstemp creates the file for the owner only. A replaced file keeps its
  // permissions; a new one is an ordinary file.
  mode_t mode = old ? old->st_mode & 0777 : 0;
  if (!old) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  ::fchmod(fd, mode);
  return fd;
}

// The checks and the temporary file of one replacement, up to the rename (see
// checkTarget and createTemporary); when `keepSame`, nothing more for a file
// that already holds the bytes (`temporary` is then left empty). The bytes are
// synced when `sync`. Returns 0 or the error number; on failure no temporary
// file is left.
int writeTemporary(const std::string& path, std::string_view bytes, bool sync, bool keepSame,
                   const WriteOptions& options, std::string& target, std::string& temporary) {
  temporary.clear();
  struct stat old {};
  bool replacing = false;
  if (const int code = checkTarget(path, target, old, replacing)) return code;
  // The sweep comes first: a run that changes nothing still cleans up.
  sweepFolder(path, target, options.alsoOwned, options.swept);
  if (replacing && keepSame && holdsBytes(target, old, bytes)) return 0;
  const int fd = createTemporary(target, replacing ? &old : nullptr, temporary);
  if (fd < 0) return errno;
  auto fail = [&](int code) {
    ::close(fd);
    removeTemporary(temporary);
    return code;
  };
  if (!writeAll(fd, bytes)) return fail(errno);
  if (sync && ::fsync(fd) != 0) return fail(errno);
  if (::close(fd) != 0) {
    const int code = errno;
    removeTemporary(temporary);
    return code;
  }
  return 0;
}

// True when the next bytes read from `fd` are `bytes`.
bool readsAlike(int fd, std::string_view bytes) {
  char buffer[65536];
  while (!bytes.empty()) {
    const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, bytes.size()));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0 || bytes.substr(0, static_cast<std::size_t>(n)) != std::string_view(buffer, static_cast<std::size_t>(n)))
      return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Renames the temporary file over its target; on failure removes it. 0 or the error number.
int putInPlace(const std::string& temporary, const std::string& target) {
  const EndingSignalsBlocked blocked;
  const int code = std::rename(temporary.c_str(), target.c_str()) == 0 ? 0 : errno;
  if (code != 0) ::unlink(temporary.c_str());
  forgetTemporary(temporary);
  return code;
}

}  // namespace

namespace {

bool failed(int code, std::string& error) {
  error = messages::systemError(code);
  errno = code;
  return false;
}

}  // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string& error, SweptFolders* swept,
                         OwnedNames alsoOwned) {
  int code = 0;
  if (isSpecialTarget(path, code)) {
    if (code == 0) code = writeIntoSpecial(path, bytes);
    return code == 0 || failed(code, error);
  }
  std::string target, temporary;
  code = writeTemporary(path, bytes, true, false, {swept, alsoOwned}, target, temporary);
  if (code == 0) code = putInPlace(temporary, target);
  if (code != 0) return failed(code, error);
  syncFolder(folderOf(target));
  return true;
}

FileBatch::~FileBatch() {
  for (const Staged& file : staged_) removeTemporary(file.temporary);
}

bool FileBatch::stage(const std::string& path, std::string_view bytes, std::string& error, OwnedNames alsoOwned) {
  int code = 0;
  if (isSpecialTarget(path, code)) {
    if (code == 0) code = writeIntoSpecial(path, bytes);
    return code == 0 || failed(code, error);
  }
  Staged file;
  if (const int written = writeTemporary(path, bytes, false, true, {&sweptFolders_, alsoOwned}, file.target, file.temporary))
    return failed(written, error);
  // A file that already holds these bytes stays as it is: nothing changes, so
  // there is nothing to sync (what this program writes is on the disk before it
  // takes the file's name).
  if (file.temporary.empty()) return true;
  if (staged_.empty()) firstStaged_ = std::chrono::steady_clock::now();
  staged_.push_back(std::move(file));
  return true;
}

double FileBatch::secondsStaged() const {
  if (staged_.empty()) return 0;
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - firstStaged_).count();
}

std::vector<FileBatch::Failure> FileBatch::commit() {
  std::vector<Failure> failures;
  std::vector<std::string> folders;
  for (const Staged& file : staged_) {
    const std::string folder = folderOf(file.target);
    if (std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(folder);
  }
  // 1. The bytes of every temporary file onto the disk: one sync of each file
  //    system, or, where that fails, a sync of each file on it.
  std::vector<std::string> unsynced;
  for (const std::string& folder : folders) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 || ::syncfs(fd) != 0) unsynced.push_back(folder);
    if (fd >= 0) ::close(fd);
  }
  // 2. Each temporary file renamed over its file.
  for (const Staged& file : staged_) {
    int code = 0;
    if (std::find(unsynced.begin(), unsynced.end(), folderOf(file.target)) != unsynced.end()) {
      const int fd = ::open(file.temporary.c_str(), O_RDONLY | O_CLOEXEC);
      code = fd < 0 ? errno : ::fsync(fd) != 0 ? errno : 0;
      if (fd >= 0) ::close(fd);
      if (code != 0) removeTemporary(file.temporary);
    }
    if (code == 0) code = putInPlace(file.temporary, file.target);
    if (code != 0) failures.push_back({file.target, messages::systemError(code)});
  }
  // 3. The renames onto the disk: one sync of each folder.
  for (const std::string& folder : folders) syncFolder(folder);
  staged_.clear();
  return failures;
}

StreamedFile::~StreamedFile() { close(true); }

void StreamedFile::close(bool remove) {
  if (fd_ >= 0) ::close(fd_);
  if (old_ >= 0) ::close(old_);
  if (remove && fd_ >= 0 && !temporary_.empty()) removeTemporary(temporary_);
  fd_ = old_ = -1;
}

bool StreamedFile::fail(int code, std::string& error) {
  close(true);
  error = messages::systemError(code);
  return false;
}

bool StreamedFile::open(const std::string& path, bool keepSame, std::string& error) {
  close(true);
  temporary_.clear();
  int code = 0;
  if (isSpecialTarget(path, code)) {
    if (code != 0) return fail(code, error);
    target_ = path;
    fd_ = openSpecialTarget(path);
    return fd_ >= 0 || fail(errno, error);
  }
  struct stat old {};
  bool replacing = false;
  if (const int checked = checkTarget(path, target_, old, replacing)) return fail(checked, error);
  sweepFolder(path, target_, nullptr, nullptr);
  fd_ = createTemporary(target_, replacing ? &old : nullptr, temporary_);
  if (fd_ < 0) return fail(errno, error);
  // The old file is read along with the writes, to tell whether they change it.
  if (keepSame && replacing && S_ISREG(old.st_mode)) old_ = ::open(target_.c_str(), O_RDONLY | O_CLOEXEC);
  return true;
}

bool StreamedFile::append(std::string_view bytes, std::string& error) {
  if (fd_ < 0) return false;
  if (old_ >= 0 && !readsAlike(old_, bytes)) {
    ::close(old_);
    old_ = -1;
  }
  return writeAll(fd_, bytes) || fail(errno, error);
}

bool StreamedFile::commit(std::string& error) {
  if (fd_ < 0) return false;
  char more = 0;
  if (old_ >= 0 && ::read(old_, &more, 1) == 0) {  // the old file holds these bytes and no more
    close(true);
    return true;
  }
  if (temporary_.empty()) {  // a special target: written into, nothing to put in place
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && errno != EINTR) return fail(errno, error);
    return true;
  }
  if (::fsync(fd_) != 0) return fail(errno, error);
  const int fd = fd_;
  fd_ = -1;
  close(false);
  if (::close(fd) != 0) {
    const int code = errno;
    removeTemporary(temporary_);
    return fail(code, error);
  }
  if (const int code = putInPlace(temporary_, target_)) return fail(code, error);
  syncFolder(folderOf(target_));
  return true;
}

void ignoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

void removeTemporariesOnEndingSignals() {
  for (const int signal : EndingSignals) {
    struct sigaction now {};
    if (::sigaction(signal, nullptr, &now) != 0 || now.sa_handler == SIG_IGN) continue;  // nohup, a background job
    struct sigaction action {};
    action.sa_handler = removeTemporariesAndEnd;
    sigemptyset(&action.sa_mask);
    for (const int other : EndingSignals) sigaddset(&action.sa_mask, other);
    ::sigaction(signal, &action, nullptr);
  }
}

std::string currentDirectory() {
  std::error_code code;
  std::string folder = std::filesystem::current_path(code).string();
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  // A folder whose path, with a file name of the longest kind after it, would
  // not fit in a path the system takes is used as the working directory itself.
  if (code || folder.empty() || folder.size() + 1 + NAME_MAX >= PATH_MAX) return ".";
  return folder;
}

}  // namespace ventorel
