#include "platform/files.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace ledra::platform {
namespace {

mode_t ModeOf(const Path& p) {
  struct stat st {};
  ::stat(p.c_str(), &st);
  return st.st_mode & 0777;
}

TEST(Files, AtomicWriteCreatesPrivateFilesAndReplacesWhole) {
  TempFolder folder;
  const Path path = folder.path() / "tdat9.bin";
  ASSERT_TRUE(WriteFileAtomic(path, "first").ok());
  EXPECT_EQ(ModeOf(path), 0600u);
  ASSERT_TRUE(WriteFileAtomic(path, std::string(100000, 'x')).ok());
  EXPECT_EQ(FileSize(path), 100000u);
  EXPECT_EQ(ListFolder(folder.path(), "*")->size(), 1u);  // no temporary left behind
}

TEST(Files, AFailureAtAnyStepLeavesTheOldContentIntact) {
  for (FileStep failing :
       {FileStep::kOpen, FileStep::kWrite, FileStep::kFsync, FileStep::kRename}) {
    TempFolder folder;
    const Path path = folder.path() / "remark9.dat";
    ASSERT_TRUE(WriteFileAtomic(path, "old content").ok());
    SetFaultHook([failing](FileStep step, const Path&) { return step == failing; });
    const Status s = WriteFileAtomic(path, "new content that never lands");
    SetFaultHook({});
    EXPECT_FALSE(s.ok());
    EXPECT_NE(s.error().text.find("remark9.dat"), std::string::npos);
    EXPECT_EQ(*ReadFileIfPresent(path), "old content");
    EXPECT_EQ(ListFolder(folder.path(), "*")->size(), 1u) << "temporary file left behind";
  }
}

TEST(Files, FailureInTheMiddleOfALongWrite) {
  TempFolder folder;
  const Path path = folder.path() / "big.dat";
  ASSERT_TRUE(WriteFileAtomic(path, "old").ok());
  int writes = 0;
  SetFaultHook(
      [&](FileStep step, const Path&) { return step == FileStep::kWrite && ++writes == 2; });
  EXPECT_FALSE(WriteFileAtomic(path, std::string(3 << 20, 'n')).ok());
  SetFaultHook({});
  EXPECT_EQ(*ReadFileIfPresent(path), "old");
}

TEST(Files, ReadOnlyFolderFailsCleanly) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  TempFolder folder;
  const Path sub = folder.path() / "ro";
  ASSERT_TRUE(CreateFolders(sub).ok());
  ::chmod(sub.c_str(), 0500);
  EXPECT_FALSE(WriteFileAtomic(sub / "x", "data").ok());
  ::chmod(sub.c_str(), 0700);
}

TEST(Files, FoldersCopyDeleteRenameAndListing) {
  TempFolder folder;
  const Path deep = folder.path() / "Roll" / "Ld9_3";
  ASSERT_TRUE(CreateFolders(deep).ok());
  EXPECT_EQ(ModeOf(deep), 0700u);
  EXPECT_TRUE(FolderExists(deep));

  const Path a = folder.path() / "a.dat";
  ASSERT_TRUE(WriteFileAtomic(a, "abc").ok());
  ASSERT_TRUE(CopyFile(a, deep / "a.dat").ok());
  EXPECT_EQ(*ReadFileIfPresent(deep / "a.dat"), "abc");
  EXPECT_EQ(ModificationTime(a), ModificationTime(deep / "a.dat"));
  ASSERT_TRUE(RenameFile(a, folder.path() / "b.dat").ok());
  EXPECT_FALSE(FileExists(a));
  ASSERT_TRUE(DeleteFile(folder.path() / "b.dat").ok());
  EXPECT_TRUE(DeleteFile(folder.path() / "b.dat").ok());  // already gone
  EXPECT_FALSE(ReadFile(folder.path() / "b.dat").ok());

  ASSERT_TRUE(CreateFolders(folder.path() / "Ld9_0930_26Dec08").ok());
  ASSERT_TRUE(CreateFolders(folder.path() / "other").ok());
  auto sets = ListFolder(folder.path(), "ld9*", /*folders_only=*/true);
  ASSERT_TRUE(sets.ok());
  EXPECT_EQ(*sets, std::vector<std::string>{"Ld9_0930_26Dec08"});
  EXPECT_FALSE(ListFolder(folder.path() / "missing", "*").ok());
}

}  // namespace
}  // namespace ledra::platform
