#include <gtest/gtest.h>

#include <sstream>

#include "backup/backup_fixtures.h"
#include "cli/cli_command.h"
#include "support/cli_run.h"

namespace ledra::cli {
namespace {

TEST(BackupCli, BackupListRestoreUndoAndUndoAgain) {
  TempFolder root;
  const platform::Path data = root.path() / "data";
  const platform::Path stick = root.path() / "stick";
  WriteFixture(data / "tdat9.bin", test::MainFile());
  const std::vector<std::string> common = {"--data", data.string(), "--today", "2026-12-08"};
  auto with = [&](std::vector<std::string> args) {
    args.insert(args.begin() + 1, common.begin(), common.end());
    return RunWith(args);
  };

  EXPECT_EQ(with({"restore", "--undo"}).code, 2) << "nothing to undo yet";
  const CliRun backup = with({"backup", "--to", stick.string()});
  ASSERT_EQ(backup.code, 0) << backup.err;
  const std::string set = backup.out.substr(backup.out.find('\n') + 1, std::string::npos);
  const platform::Path set_folder = set.substr(0, set.size() - 1);
  EXPECT_TRUE(platform::FileExists(set_folder / "tdat9.bin"));

  const CliRun list = RunWith({"backups", "--data", data.string()});
  EXPECT_NE(list.out.find(set_folder.string()), std::string::npos) << list.out;

  const auto saved = test::Snapshot(set_folder);
  WriteFixture(data / "tdat9.bin", test::MainFile("Eva"));
  const auto changed = test::Snapshot(data);
  ASSERT_EQ(with({"restore", set_folder.string()}).code, 0);
  EXPECT_EQ(test::Differences(test::Snapshot(data), saved), "");
  ASSERT_EQ(with({"restore", "--undo"}).code, 0);
  EXPECT_EQ(test::Differences(test::Snapshot(data), changed), "");
  ASSERT_EQ(with({"restore", "--undo"}).code, 0);
  EXPECT_EQ(test::Differences(test::Snapshot(data), saved), "");
}

}  // namespace
}  // namespace ledra::cli
