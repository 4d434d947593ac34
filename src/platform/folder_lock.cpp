#include "platform/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <utility>

#include "platform/codepage.h"
#include "platform/data_folder.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::platform {
namespace {

std::string HostName() {
  char name[HOST_NAME_MAX + 1] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return "?";
  return name;
}

// "process 1234 on computer host" from the lock file's "pid\nhost\n".
std::string HolderText(int fd) {
  char buffer[512] = {};
  const ssize_t n = ::pread(fd, buffer, sizeof buffer - 1, 0);
  const std::string text(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
  const std::size_t end = text.find('\n');
  std::string pid = text.substr(0, end);
  std::string host;
  if (end != std::string::npos) host = text.substr(end + 1, text.find('\n', end + 1) - end - 1);
  if (pid.empty()) pid = "?";
  if (host.empty()) host = "?";
  return Strings().Format(str::kLockHolder, {Utf8ToAnsi(pid).text, Utf8ToAnsi(host).text});
}

bool IsReadOnlyError(int error) {
  return error == EACCES || error == EROFS || error == EPERM;
}

}  // namespace

Result<FolderLock> FolderLock::Acquire(const Path& folder) {
  const Path file = folder / kLockFileName;
  const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) {
    if (IsReadOnlyError(errno)) return FolderLock(folder, -1, true);
    return Message{str::kCannotCreateFile,
                   Strings().Format(str::kCannotCreateFile, {PathForMessage(file)})};
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    std::string holder = HolderText(fd);
    ::close(fd);
    if (error == EWOULDBLOCK)
      return Message{str::kDataFolderLocked, Strings().Format(str::kDataFolderLocked, {holder})};
    return Message{str::kCannotCreateFile,
                   Strings().Format(str::kCannotCreateFile, {PathForMessage(file)})};
  }
  // Whatever a crashed run left in the file is replaced by this process.
  const std::string text = std::to_string(::getpid()) + "\n" + HostName() + "\n";
  // Best effort: the lock holds even when the note for others cannot be written.
  [[maybe_unused]] const bool noted =
      ::ftruncate(fd, 0) == 0 &&
      ::pwrite(fd, text.data(), text.size(), 0) == static_cast<ssize_t>(text.size());
  return FolderLock(folder, fd, !FolderWritable(folder));
}

FolderLock::FolderLock(Path folder, int fd, bool read_only)
    : folder_(std::move(folder)), fd_(fd), read_only_(read_only) {}

FolderLock::FolderLock(FolderLock&& other) noexcept
    : folder_(std::move(other.folder_)),
      fd_(std::exchange(other.fd_, -1)),
      read_only_(other.read_only_) {}

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept {
  if (this != &other) {
    Release();
    folder_ = std::move(other.folder_);
    fd_ = std::exchange(other.fd_, -1);
    read_only_ = other.read_only_;
  }
  return *this;
}

FolderLock::~FolderLock() {
  Release();
}

void FolderLock::Release() {
  if (fd_ < 0) return;
  // The file stays: removing it would let a waiting process lock a file that
  // is no longer the one others open.
  [[maybe_unused]] const int cleared = ::ftruncate(fd_, 0);
  ::close(fd_);
  fd_ = -1;
}

}  // namespace ledra::platform
