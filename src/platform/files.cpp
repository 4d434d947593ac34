#include "platform/files.h"

#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::platform {
namespace {

FaultHook& Hook() {
  static FaultHook hook;
  return hook;
}

bool& Durable() {
  static bool durable = true;
  return durable;
}

bool Fails(FileStep step, const Path& path) {
  const FaultHook& hook = Hook();
  return hook && hook(step, path);
}

Message Error(int id, const Path& a, const Path& b = {}) {
  return Message{id, Strings().Format(id, {PathForMessage(a), PathForMessage(b)})};
}

// Closes a descriptor on every way out.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes, const Path& path) {
  while (!bytes.empty()) {
    if (Fails(FileStep::kWrite, path)) return false;
    const ssize_t n = ::write(fd, bytes.data(), std::min<size_t>(bytes.size(), 1 << 20));
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

bool SyncFolder(const Path& folder) {
  if (Fails(FileStep::kFolderFsync, folder)) return false;
  if (!Durable()) return true;
  Fd fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return fd.get() >= 0 && ::fsync(fd.get()) == 0;
}

}  // namespace

std::string PathForMessage(const Path& path) {
  return Utf8ToAnsi(path.string()).text;
}

void SetFaultHook(FaultHook hook) {
  Hook() = std::move(hook);
}

void SetDurableWrites(bool durable) {
  Durable() = durable;
}

Result<std::string> ReadFile(const Path& path) {
  Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return Error(str::kCannotReadFile, path);
  std::string data;
  struct stat st {};
  if (::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode))
    data.reserve(static_cast<size_t>(st.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      return Error(str::kCannotReadFile, path);
    }
    if (n == 0) break;
    data.append(buffer, static_cast<size_t>(n));
  }
  return data;
}

std::optional<std::string> ReadFileIfPresent(const Path& path) {
  auto r = ReadFile(path);
  if (!r) return std::nullopt;
  return std::move(r).value();
}

Status WriteFileAtomic(const Path& path, std::string_view bytes) {
  const Path folder = path.parent_path();
  std::string temp_name =
      (folder / ("." + path.filename().string() + std::string(kTempMarker) + "XXXXXX")).string();
  // A full disk is told as such, not as a missing permission.
  const auto failed = [&](int error) -> Status {
    if (error == ENOSPC || error == EDQUOT) return DiskFull(path, bytes.size());
    return Error(str::kCannotWriteFile, path);
  };
  errno = 0;
  if (Fails(FileStep::kOpen, path)) return failed(errno);
  Fd fd(::mkostemp(temp_name.data(), O_CLOEXEC));  // mkstemp creates it 0600
  if (fd.get() < 0) return failed(errno);
  const Path temp(temp_name);
  bool ok = WriteAll(fd.get(), bytes, path);
  ok = ok && !Fails(FileStep::kFsync, path) && (!Durable() || ::fsync(fd.get()) == 0);
  int error = ok ? 0 : errno;
  if (::close(fd.release()) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && (Fails(FileStep::kRename, path) || ::rename(temp.c_str(), path.c_str()) != 0)) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return failed(error);
  }
  // The data is in place; a failed folder sync only weakens durability.
  if (!SyncFolder(folder)) return Error(str::kCannotWriteFile, path);
  return {};
}

Message DiskFull(const Path& path, std::uint64_t bytes_needed) {
  const std::uint64_t kb = (bytes_needed + 1023) / 1024;
  return Message{str::kDiskFull,
                 Strings().Format(str::kDiskFull, {PathForMessage(path), std::to_string(kb)})};
}

void RemoveStrayTemporaries(const Path& folder) {
  auto names = ListFolder(folder, ".*" + std::string(kTempMarker) + "??????");
  if (!names) return;
  for (const auto& name : *names) (void)DeleteFile(folder / name);
}

Status CopyFile(const Path& from, const Path& to) {
  auto data = ReadFile(from);
  if (!data) return Error(str::kCannotCopyFile, from, to);
  if (!WriteFileAtomic(to, *data)) return Error(str::kCannotCopyFile, from, to);
  if (auto mtime = ModificationTime(from)) {
    std::error_code ec;
    std::filesystem::last_write_time(to, std::filesystem::last_write_time(from, ec), ec);
  }
  return {};
}

Status DeleteFile(const Path& path) {
  if (Fails(FileStep::kRemove, path)) return Error(str::kCannotDeleteFile, path);
  if (::unlink(path.c_str()) != 0 && errno != ENOENT) return Error(str::kCannotDeleteFile, path);
  return {};
}

Status RenameFile(const Path& from, const Path& to) {
  if (Fails(FileStep::kRename, to) || ::rename(from.c_str(), to.c_str()) != 0)
    return Error(str::kCannotRenameFile, from, to);
  SyncFolder(to.parent_path());
  return {};
}

Status CreateFolders(const Path& folder) {
  if (folder.empty() || FolderExists(folder)) return {};
  if (const Path parent = folder.parent_path(); !parent.empty() && parent != folder) {
    if (Status s = CreateFolders(parent); !s) return s;
  }
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
    return Error(str::kCannotCreateFolder, folder);
  }
  return {};
}

bool FileExists(const Path& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FolderExists(const Path& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<std::uint64_t> FileSize(const Path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return static_cast<std::uint64_t>(st.st_size);
}

std::optional<std::time_t> ModificationTime(const Path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return st.st_mtime;
}

Result<std::vector<std::string>> ListFolder(const Path& folder, std::string_view pattern,
                                            bool folders_only) {
  std::error_code ec;
  std::filesystem::directory_iterator it(folder, ec);
  if (ec) return Error(str::kCannotListFolder, folder);
  const std::string pat(pattern);
  std::vector<std::string> names;
  for (const auto& entry : it) {
    const std::string name = entry.path().filename().string();
    const bool is_folder = entry.is_directory(ec);
    if (folders_only != is_folder) continue;
    if (::fnmatch(pat.c_str(), name.c_str(), FNM_CASEFOLD) == 0) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace ledra::platform
