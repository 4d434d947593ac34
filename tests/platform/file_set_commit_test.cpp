#include "platform/file_set_commit.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace ledra::platform {
namespace {

std::string Read(const Path& p) {
  return ReadFileIfPresent(p).value_or("<missing>");
}

TEST(FileSetCommit, ReplacesAndRemovesTogether) {
  TempFolder folder;
  WriteFixture(folder.path() / "a", "old a");
  WriteFixture(folder.path() / "gone", "x");
  FileSetCommit commit(folder.path());
  commit.Put("a", "new a");
  commit.Put("b", "new b");
  commit.Remove("gone");
  ASSERT_TRUE(commit.Commit().ok());
  EXPECT_EQ(Read(folder.path() / "a"), "new a");
  EXPECT_EQ(Read(folder.path() / "b"), "new b");
  EXPECT_FALSE(FileExists(folder.path() / "gone"));
  EXPECT_EQ(ListFolder(folder.path(), "*")->size(), 2u);
  EXPECT_EQ(ListFolder(folder.path(), ".*")->size(), 0u);
}

TEST(FileSetCommit, RecoveryFinishesADecidedSetAndDropsAnUndecidedOne) {
  TempFolder folder;
  const Path f = folder.path();
  // Decided: the manifest is whole; "a" already renamed, "b" still waiting.
  WriteFixture(f / "a", "new a");
  WriteFixture(f / "b", "old b");
  WriteFixture(f / "b.ledra-new", "new b");
  FileSetCommit probe(f);  // the fingerprints come from a real commit's manifest
  {
    TempFolder other;
    FileSetCommit c(other.path());
    c.Put("a", "new a");
    c.Put("b", "new b");
    SetFaultHook([](FileStep step, const Path& p) {
      return step == FileStep::kRename && p.filename() == "a";
    });
    EXPECT_FALSE(c.Commit().ok());
    SetFaultHook({});
    WriteFixture(f / std::string(kCommitManifest),
                 Read(other.path() / std::string(kCommitManifest)));
  }
  EXPECT_EQ(Read(*PendingFileFor(f, "b")), "new b");  // a reader sees the new set
  ASSERT_TRUE(RecoverFileSet(f).ok());
  EXPECT_EQ(Read(f / "a"), "new a");
  EXPECT_EQ(Read(f / "b"), "new b");
  EXPECT_FALSE(FileExists(f / std::string(kCommitManifest)));

  // Undecided: a manifest cut short, or one whose files never arrived.
  WriteFixture(f / "c.ledra-new", "new c");
  WriteFixture(f / std::string(kCommitManifest), "put 0000-5 c\n");
  ASSERT_TRUE(RecoverFileSet(f).ok());
  EXPECT_FALSE(FileExists(f / "c.ledra-new"));
  EXPECT_FALSE(FileExists(f / "c"));
  WriteFixture(f / std::string(kCommitManifest), "put 0123456789abcdef-5 b\nend\n");
  ASSERT_TRUE(RecoverFileSet(f).ok());
  EXPECT_EQ(Read(f / "b"), "new b");  // not its fingerprint: nothing renamed, nothing lost
  EXPECT_FALSE(FileExists(f / std::string(kCommitManifest)));
}

TEST(FileSetCommit, ManifestNamesCannotEscapeTheFolder) {
  TempFolder folder;
  WriteFixture(folder.path() / std::string(kCommitManifest), "remove ../victim\nend\n");
  WriteFixture(folder.path().parent_path() / "victim", "keep");
  ASSERT_TRUE(RecoverFileSet(folder.path()).ok());
  EXPECT_EQ(Read(folder.path().parent_path() / "victim"), "keep");
  (void)DeleteFile(folder.path().parent_path() / "victim");
}

}  // namespace
}  // namespace ledra::platform
