#include "platform/folder_lock.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/string_ids.h"
#include "support/temp_folder.h"

namespace ledra::platform {
namespace {

// Runs `body` in a child process and returns its exit code.
template <class F>
int InChild(F body) {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(body());
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(FolderLock, ASecondHolderIsRefusedAndTold) {
  TempFolder folder;
  Result<FolderLock> first = FolderLock::Acquire(folder.path());
  ASSERT_TRUE(first);
  EXPECT_FALSE(first->read_only());

  const Result<FolderLock> second = FolderLock::Acquire(folder.path());
  ASSERT_FALSE(second);
  EXPECT_EQ(second.error().id, str::kDataFolderLocked);
  EXPECT_NE(second.error().text.find("processo " + std::to_string(::getpid())), std::string::npos);

  // Another process is refused the same way.
  EXPECT_EQ(InChild([&] { return FolderLock::Acquire(folder.path()) ? 0 : 7; }), 7);
}

TEST(FolderLock, ReleasedWithItsOwner) {
  TempFolder folder;
  {
    Result<FolderLock> lock = FolderLock::Acquire(folder.path());
    ASSERT_TRUE(lock);
    FolderLock moved = std::move(*lock);  // the moved-from one releases nothing
  }
  EXPECT_TRUE(FolderLock::Acquire(folder.path()));
}

TEST(FolderLock, AStaleLockFromACrashedRunIsTakenOver) {
  TempFolder folder;
  // The child takes the folder and dies without releasing anything.
  ASSERT_EQ(InChild([&] {
              auto lock = FolderLock::Acquire(folder.path());
              if (!lock) return 1;
              ::_exit(0);
            }),
            0);
  EXPECT_TRUE(FileExists(folder.path() / kLockFileName));
  Result<FolderLock> lock = FolderLock::Acquire(folder.path());
  ASSERT_TRUE(lock);
  const auto note = ReadFileIfPresent(folder.path() / kLockFileName);
  ASSERT_TRUE(note);
  EXPECT_EQ(note->rfind(std::to_string(::getpid()) + "\n", 0), 0u);
}

TEST(FolderLock, AFolderThatCannotBeWrittenOpensReadOnly) {
  TempFolder folder;
  ::chmod(folder.path().c_str(), 0555);
  // Permissions do not bind root: the check runs as an ordinary user then.
  const int code = InChild([&] {
    if (::geteuid() == 0 && ::setuid(65534) != 0) return 3;
    Result<FolderLock> lock = FolderLock::Acquire(folder.path());
    if (!lock) return 1;
    return lock->read_only() ? 0 : 2;
  });
  ::chmod(folder.path().c_str(), 0700);
  EXPECT_EQ(code, 0);
  EXPECT_FALSE(FileExists(folder.path() / kLockFileName));
}

TEST(FolderLock, AMissingFolderIsAnError) {
  TempFolder folder;
  const Result<FolderLock> lock = FolderLock::Acquire(folder.path() / "missing");
  ASSERT_FALSE(lock);
  EXPECT_NE(lock.error().id, str::kDataFolderLocked);
}

}  // namespace
}  // namespace ledra::platform
