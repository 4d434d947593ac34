// Commands that write take the folder's lock, as the window does, and refuse
// while another program holds it; reading commands go on working.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <map>

#include "backup/backup_fixtures.h"
#include "cli/cli_command.h"
#include "platform/file_set_commit.h"
#include "platform/files.h"
#include "platform/folder_lock.h"
#include "platform/string_ids.h"
#include "store/document.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"

namespace ledra::cli {
namespace {

class WriterLock : public ::testing::Test {
 protected:
  void SetUp() override { WriteFixture(folder.path() / "tdat9.bin", test::MainFile()); }
  void TearDown() override { platform::SetFaultHook({}); }
  CliRun Run(std::vector<std::string> args) {
    args.insert(args.end(), {"--data", folder.path().string(), "--today", "2026-12-08"});
    return RunWith(args);
  }
  TempFolder folder;
  TempFolder sets;
};

TEST_F(WriterLock, WritingCommandsRefuseWhileAnotherProgramHoldsTheFolder) {
  ASSERT_EQ(Run({"backup", "--to", sets.path().string()}).code, 0);
  const auto before = test::Snapshot(folder.path());
  {
    auto held = platform::FolderLock::Acquire(folder.path());
    ASSERT_TRUE(held.ok());
    for (auto args : std::vector<std::vector<std::string>>{
             {"resave"}, {"backup", "--to", sets.path().string()}, {"restore", "--undo"}}) {
      const CliRun r = Run(args);
      EXPECT_EQ(r.code, 2) << args[0];
      EXPECT_NE(r.err.find("abertos por outro programa"), std::string::npos) << r.err;
    }
    EXPECT_EQ(Run({"dump"}).code, 0);
    EXPECT_EQ(Run({"info"}).code, 0);
    EXPECT_EQ(test::Differences(test::Snapshot(folder.path()), before), "");
  }
  EXPECT_EQ(Run({"resave"}).code, 0) << "free again once the holder is gone";
  EXPECT_FALSE(platform::FileExists(folder.path() / "rmkundo.dat"))
      << "the undo copy goes at the end";
}

TEST_F(WriterLock, RacingWritersNeverTouchEachOthersSave) {
  // Forked writers on one folder: each either saves whole or is refused.
  const auto before = test::Snapshot(folder.path());
  std::vector<pid_t> children;
  for (int i = 0; i < 100; ++i) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) _exit(Run({"resave"}).code);
    children.push_back(child);
  }
  int saved = 0;
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    const int code = WEXITSTATUS(status);
    EXPECT_TRUE(code == 0 || code == 2) << "never a failed save: " << code;
    if (code == 0) ++saved;
  }
  EXPECT_GE(saved, 1);
  EXPECT_FALSE(platform::FileExists(folder.path() / std::string(platform::kCommitManifest)));
  const CliRun dump = Run({"dump"});
  ASSERT_EQ(dump.code, 0);
  EXPECT_NE(dump.out.find("\"Almeida\""), std::string::npos);
  EXPECT_NE(dump.out.find("\"Dias\""), std::string::npos);
  EXPECT_EQ(test::Snapshot(folder.path()).at("tdat9.bin").size(), before.at("tdat9.bin").size());
}

TEST_F(WriterLock, AFullDiskIsToldAsAFullDiskAndKeepsTheOldFiles) {
  const auto before = test::Snapshot(folder.path());
  platform::SetFaultHook([](platform::FileStep step, const platform::Path&) {
    if (step != platform::FileStep::kWrite) return false;
    errno = ENOSPC;
    return true;
  });
  const CliRun r = Run({"resave"});
  platform::SetFaultHook({});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("O disco est\xC3\xA1 cheio"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("read-only"), std::string::npos) << r.err;
  EXPECT_EQ(test::Differences(test::Snapshot(folder.path()), before), "");
}

TEST_F(WriterLock, ADamagedFolderRefusesSavesButCanBeRestored) {
  ASSERT_EQ(Run({"backup", "--to", sets.path().string()}).code, 0);
  const auto whole = test::Snapshot(folder.path());
  WriteFixture(folder.path() / "tdat9.bin", "");
  const CliRun refused = Run({"resave"});
  EXPECT_EQ(refused.code, 2);
  EXPECT_NE(refused.err.find("danificado"), std::string::npos) << refused.err;
  EXPECT_EQ(platform::FileSize(folder.path() / "tdat9.bin").value_or(1), 0u);

  const CliRun backups = Run({"backups"});
  const std::string set = backups.out.substr(backups.out.find('\t') + 1,
                                             backups.out.find('\n') - backups.out.find('\t') - 1);
  const CliRun restored = Run({"restore", set});
  ASSERT_EQ(restored.code, 0) << restored.err;
  EXPECT_EQ(test::Snapshot(folder.path()).at("tdat9.bin"), whole.at("tdat9.bin"));
  EXPECT_EQ(Run({"resave"}).code, 0);
}

}  // namespace
}  // namespace ledra::cli
