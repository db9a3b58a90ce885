// Files in the program folder: the existence test, whole-file reads, and writes
// that never leave a half-written file behind.
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace ventorel {

// folder + "/" + name (a folder that already ends in "/" gets no second one).
std::string joinPath(const std::string& folder, const std::string& name);

// True when the folder holds a regular file whose name equals `name` exactly,
// letter case included ("SHUKU.DAT" does not count as "shuku.dat").
bool fileExistsExact(const std::string& folder, const std::string& name);

// Reads the whole file, or its first `limit` bytes. Returns false with a reason
// when it cannot be read.
bool readWholeFile(const std::string& path, std::string& bytes, std::string& error,
                   std::size_t limit = static_cast<std::size_t>(-1));

// The folders from which the temporary files of earlier, killed runs have been
// removed. The removal reads the whole folder, so a window or a batch that keeps
// this list makes it once for each folder it writes in, not once for each file.
using SweptFolders = std::vector<std::string>;

// The names of files (without folder) whose leftover temporary files a write
// may remove besides its own file's, in the folder it was asked to write in:
// the calendar files a batch writes there. A temporary file of any other name,
// or in the folder a link leads to, is left alone: it may be someone else's.
using OwnedNames = bool (*)(std::string_view name);

// Temporary files are named "<file>.part-<pid>-<six letters>". A sweep removes
// those of this user whose run has ended, older than a minute, of the file being
// written and of the names OwnedNames takes; it runs before a write, also before
// one that finds the file already holding its bytes.
//
// A target that exists and is no regular file (a device, a FIFO, /dev/stdout, a
// process substitution) is written straight into, never replaced (a FIFO waits
// for its reader, as a shell's redirection does); a folder is refused.
//
// On failure the functions below leave the error number in errno as well.

// Replaces the file at `path` with the bytes without ever leaving it half-written:
// the bytes go to a temporary file beside it, which is synced and renamed over it,
// and then the folder is synced. A file the user may not write (no owner write bit,
// or no write access) is refused, not replaced. A symlink is followed to its target,
// which is replaced, so the link stays a link. The old file's permissions are kept.
// Temporary files that an earlier, killed run left in that folder are removed first
// (unless `swept` lists the folder; it is then added there).
// Returns false with a reason (the system's message) on any failure; the old file
// is then unchanged.
bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string& error,
                         SweptFolders* swept = nullptr, OwnedNames alsoOwned = nullptr);

// Many files replaced as writeFileAtomically replaces one (the same checks, links,
// permissions and temporary files), with the syncs shared: a sync of each file
// per file costs about as much as the whole calendar on most disks.
//
// stage() writes a file's bytes to its temporary file beside it and leaves the
// old file as it is; commit() syncs every staged temporary file with one sync of
// the file system, then renames each over its file, then syncs each folder once.
// What a crash leaves behind:
//   - while staging or syncing: every old file unchanged; temporary files, which a
//     later write in that folder removes once their run has ended;
//   - while renaming: each file either its old or its complete new content (its
//     bytes were on the disk before its rename); temporary files of the rest;
//   - after the renames, before the folder sync (a power loss): a rename may be
//     undone, and that file keeps its complete old content.
// No file is ever found empty or half-written. Renaming first and syncing once at
// the end would be as fast, but a power loss could then leave files that had
// content empty or short (the rename reaching the disk before the bytes), which
// many file systems allow; and a sync of each file before its rename keeps that
// promise at a sync per file.
// A file that already holds the bytes is left as it is and keeps its time stamp:
// a batch made again replaces nothing and syncs nothing.
// A batch destroyed without commit removes its temporary files: no file changes.
class FileBatch {
 public:
  struct Failure {
    std::string path;   // the file that keeps its old content
    std::string error;  // the system's message
  };

  FileBatch() = default;
  FileBatch(const FileBatch&) = delete;
  FileBatch& operator=(const FileBatch&) = delete;
  ~FileBatch();

  // Returns false with a reason when the file cannot be written; nothing is then
  // staged for it and its old file is unchanged.
  bool stage(const std::string& path, std::string_view bytes, std::string& error, OwnedNames alsoOwned = nullptr);
  std::size_t staged() const { return staged_.size(); }
  // Seconds since the oldest staged file not yet committed; 0 when none is.
  double secondsStaged() const;
  // Puts every staged file in place as described above; returns the files that
  // could not be (they keep their old content). The batch is empty afterwards.
  std::vector<Failure> commit();

 private:
  struct Staged {
    std::string target;
    std::string temporary;
  };
  std::vector<Staged> staged_;
  SweptFolders sweptFolders_;
  std::chrono::steady_clock::time_point firstStaged_;
};

// One file written piece by piece, as a long export is made, and put in place
// whole, as writeFileAtomically puts its bytes: open() makes its checks (links
// followed, a file the user may not write refused, the old permissions kept,
// stale temporary files removed) and the temporary file beside the target;
// append() adds to the temporary file; commit() syncs it, renames it over the
// target and syncs the folder. A failure at any step (a full disk while
// appending) removes the temporary file and leaves the old file as it was; the
// file then takes no more bytes, and a later append() or commit() returns false
// and leaves `error` alone. Destroyed without commit, it removes its temporary
// file: the old file stays. With `keepSame`, a file that already holds exactly
// the bytes is left as it is, as in a batch.
class StreamedFile {
 public:
  StreamedFile() = default;
  StreamedFile(const StreamedFile&) = delete;
  StreamedFile& operator=(const StreamedFile&) = delete;
  ~StreamedFile();

  bool open(const std::string& path, bool keepSame, std::string& error);
  bool append(std::string_view bytes, std::string& error);
  bool commit(std::string& error);

 private:
  void close(bool remove);
  bool fail(int code, std::string& error);

  std::string target_;
  std::string temporary_;
  int fd_ = -1;
  int old_ = -1;  // the old file while it reads like the bytes so far
};

// Lets a write past the file-size limit (`ulimit -f`) fail with "File too large"
// instead of ending the process. Both programs call it first thing in main().
void ignoreFileSizeSignal();

// Makes SIGINT, SIGTERM and SIGHUP remove the temporary files of the writes in
// progress before they end the process (whose status is then 130, 143 or 129): no
// old file changes and nothing is left behind. A signal that was ignored when
// the program started (nohup, a background job) stays ignored. For a program
// that writes its files from one thread: the command line calls it in main().
void removeTemporariesOnEndingSignals();

// The current directory, without a trailing separator; "." when its path is too
// long to put a file name after it (deeper than PATH_MAX allows) or unknown.
std::string currentDirectory();

}  // namespace ventorel
