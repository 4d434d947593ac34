#pragma once
// Keeps two programs (or two machines sharing the folder) from writing one
// data folder at the same time. The lock is the operating system's lock on
// ".ledra.lock", which vanishes with its process, so a crashed run leaves
// nothing to clean up; the file's text (process and computer) only serves to
// tell the user who holds the folder.

#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/result.h"

namespace ledra::platform {

inline constexpr std::string_view kLockFileName = ".ledra.lock";

class FolderLock {
 public:
  // Takes the folder. Fails with the "data folder in use" message naming the
  // holder while another process has it. A folder where nothing can be
  // written gives a lock that holds nothing and is read_only().
  static Result<FolderLock> Acquire(const Path& folder);

  FolderLock(FolderLock&& other) noexcept;
  FolderLock& operator=(FolderLock&& other) noexcept;
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  ~FolderLock();

  bool read_only() const { return read_only_; }
  const Path& folder() const { return folder_; }

 private:
  FolderLock(Path folder, int fd, bool read_only);
  void Release();

  Path folder_;
  int fd_ = -1;
  bool read_only_ = false;
};

}  // namespace ledra::platform
