#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "backup/backup_fixtures.h"
#include "backup/backup_history.h"
#include "backup/backup_set.h"
#include "backup/backup_settings.h"
#include "backup/restore_set.h"
#include "platform/file_set_commit.h"
#include "platform/files.h"
#include "platform/prompter.h"
#include "platform/string_ids.h"
#include "store/document.h"

namespace ledra::backup {
namespace {

using test::Differences;
using test::Snapshot;

int Mode(const platform::Path& p) {
  struct stat st {};
  ::stat(p.c_str(), &st);
  return static_cast<int>(st.st_mode & 0777);
}

class BackupRestore : public ::testing::Test {
 protected:
  // 8 December 2026: the ReportMonth is November 2026.
  FixedClock clock{Date{2026, 12, 8}};
  ScriptedPrompter prompter;
  TempFolder root;
  platform::Path data = root.path() / "data";
  platform::Path target = root.path() / "stick";
  BackupTime when{{2026, 12, 8}, 14, 32};
  std::unique_ptr<store::Document> doc;

  void SetUp() override {
    ASSERT_TRUE(platform::CreateFolders(data) && platform::CreateFolders(target));
    WriteFixture(data / "tdat9.bin", test::MainFile());
    WriteFixture(data / "varocfg.cfg", std::string("\1\0\0\0\0\1\0", 7));
    Open();
  }
  void TearDown() override { platform::SetFaultHook({}); }

  void Open() {
    doc = std::make_unique<store::Document>(data, clock, prompter);
    ASSERT_EQ(doc->Open({}), store::OpenOutcome::kOpened);
  }
  platform::Path Backup() {
    auto set = RunBackup(*doc, target, when, {});
    EXPECT_TRUE(set.ok()) << (set ? "" : set.error().text);
    return set ? *set : platform::Path{};
  }
  // Another state of the data: a third person and another shared setting.
  void ChangeData() {
    WriteFixture(data / "tdat9.bin", test::MainFile("Eva"));
    WriteFixture(data / "varocfg.cfg", std::string(7, '\0'));
    doc->Reload();
  }
};

TEST_F(BackupRestore, BackupCopiesEveryDataFilePrivatelyAndRecordsIt) {
  const platform::Path set = Backup();
  EXPECT_EQ(set, target / "Ld9_1432_2026Dec08");
  const auto in_data = Snapshot(data);
  const auto in_set = Snapshot(set);
  for (const auto& [name, bytes] : in_set) EXPECT_EQ(bytes, in_data.at(name)) << name;
  EXPECT_EQ(in_set.size(), in_data.size() - 1) << "all but the settings' own backup keys";
  EXPECT_FALSE(platform::FolderExists(set / "Roll")) << "no past-month copies, no Roll";
  EXPECT_EQ(Mode(set), 0700);
  EXPECT_EQ(Mode(set / "tdat9.bin"), 0600);

  const BackupHistory h = BackupHistory::Read(data / "buhist.dat");
  EXPECT_EQ(h.records()[0].path, set.string());
  EXPECT_EQ(h.records()[0].when,
            "Ter\xE7"
            "a-feira, 8 de Dezembro de 2026 14:32");
  EXPECT_EQ(ReadBackupFolder(data), target);
  EXPECT_EQ(ReadLastBackup(data), (Date{2026, 12, 8}));
}

TEST_F(BackupRestore, SecondBackupInTheSameMinuteIsRefused) {
  Backup();
  auto again = RunBackup(*doc, target, when, {});
  ASSERT_FALSE(again.ok());
  EXPECT_EQ(again.error().text, "Retry your backup in 1 minute.");
  EXPECT_EQ(BackupHistory::Read(data / "buhist.dat").records()[1].path, "");
}

TEST_F(BackupRestore, PastMonthCopiesTravelInRoll) {
  // November is the ReportMonth: October's copy is Ld9_10, one month back.
  ASSERT_TRUE(platform::CreateFolders(data / "Roll/Ld9_10"));
  WriteFixture(data / "Roll/Ld9_10/tdat9.bin", test::MainFile("Old"));
  WriteFixture(data / "Roll/Ld9_3/tdat9.bin.x", "");  // not among the six months: ignored
  doc->CheckPastMonths();
  const platform::Path set = Backup();
  EXPECT_EQ(*platform::ReadFileIfPresent(set / "Roll/Ld9_10/tdat9.bin"), test::MainFile("Old"));
  EXPECT_FALSE(platform::FolderExists(set / "Roll/Ld9_3"));
}

TEST_F(BackupRestore, RequiredSpaceIsSevenTimesTheDataFiles) {
  std::uint64_t sum = 0;
  for (const auto& [name, bytes] : Snapshot(data)) sum += bytes.size();
  EXPECT_EQ(RequiredSpace(data), 7 * sum);
}

TEST_F(BackupRestore, ACopyErrorLeavesNoSetBehind) {
  int opens = 0;
  platform::SetFaultHook([&](platform::FileStep step, const platform::Path& p) {
    return step == platform::FileStep::kOpen && p.parent_path().filename() != "data" &&
           ++opens == 3;
  });
  auto set = RunBackup(*doc, target, when, {});
  platform::SetFaultHook({});
  ASSERT_FALSE(set.ok());
  EXPECT_NE(set.error().text.find("O backup n\xE3o foi conclu\xED"
                                  "do"),
            std::string::npos);
  EXPECT_NE(set.error().text.find("Ld9_1432_2026Dec08/"), std::string::npos) << "names the file";
  EXPECT_FALSE(platform::FolderExists(target / "Ld9_1432_2026Dec08"));
  EXPECT_EQ(BackupHistory::Read(data / "buhist.dat").records()[0].path, "");
}

// The history is what makes a set findable: one it does not list is removed.
TEST_F(BackupRestore, AHistoryWriteFailureRemovesTheSetAndSaysSo) {
  for (const platform::FileStep failing :
       {platform::FileStep::kOpen, platform::FileStep::kWrite, platform::FileStep::kRename}) {
    platform::SetFaultHook([&](platform::FileStep step, const platform::Path& p) {
      return step == failing && p.filename().string().starts_with("buhist");
    });
    auto set = RunBackup(*doc, target, when, {});
    platform::SetFaultHook({});
    ASSERT_FALSE(set.ok()) << static_cast<int>(failing);
    EXPECT_EQ(set.error().id, str::kBackupNotListed);
    EXPECT_NE(set.error().text.find("O conjunto foi removido"), std::string::npos);
    EXPECT_FALSE(platform::FolderExists(target / "Ld9_1432_2026Dec08"))
        << "no complete but unlisted set is left behind";
    EXPECT_TRUE(std::filesystem::is_empty(target));
    EXPECT_EQ(BackupHistory::Read(data / "buhist.dat").records()[0].path, "");
    EXPECT_FALSE(ReadLastBackup(data).has_value()) << "no backup is noted as done";
  }
  // The next try in the same minute is not refused by a leftover.
  EXPECT_EQ(Backup(), target / "Ld9_1432_2026Dec08");
}

// Once listed the set stays: a failure to note it in the settings is told as that.
TEST_F(BackupRestore, ASettingsWriteFailureKeepsTheListedSet) {
  platform::SetFaultHook([&](platform::FileStep step, const platform::Path& p) {
    return step == platform::FileStep::kRename && p.filename() == "ledra.ini" &&
           platform::FileExists(data / "buhist.dat");
  });
  auto set = RunBackup(*doc, target, when, {});
  platform::SetFaultHook({});
  ASSERT_FALSE(set.ok());
  EXPECT_EQ(set.error().id, str::kBackupSettingsNotSaved);
  const platform::Path made = target / "Ld9_1432_2026Dec08";
  EXPECT_NE(set.error().text.find(platform::PathForMessage(made)), std::string::npos);
  EXPECT_EQ(*platform::ReadFileIfPresent(made / "tdat9.bin"),
            *platform::ReadFileIfPresent(data / "tdat9.bin"))
      << "the set is complete";
  EXPECT_EQ(BackupHistory::Read(data / "buhist.dat").records()[0].path, made.string());
}

TEST_F(BackupRestore, RestoreUndoAndUndoOfTheUndo) {
  const platform::Path set = Backup();
  const auto backed_up = Snapshot(set);
  ChangeData();
  const auto changed = Snapshot(data);
  ASSERT_NE(Differences(changed, backed_up), "");
  std::vector<std::string> lines;
  auto progress = [&](const std::string& line, std::size_t, std::size_t) {
    if (!line.empty()) lines.push_back(line);
  };

  const auto settings = platform::ReadFileIfPresent(data / "ledra.ini");
  ASSERT_TRUE(settings) << "the backup recorded its folder";
  ASSERT_FALSE(backed_up.contains("ledra.ini")) << "made before the folder had settings";
  ASSERT_TRUE(RunRestore(*doc, set, {}, progress));
  // A set without settings keeps the folder's: the backup folder, the name.
  EXPECT_EQ(platform::ReadFileIfPresent(data / "ledra.ini"), settings);
  auto restored = Snapshot(data);
  restored.erase("ledra.ini");
  EXPECT_EQ(Differences(restored, backed_up), "");
  EXPECT_EQ(doc->db().people(), 2) << "reloaded";
  EXPECT_EQ(lines.front(), "Restoring file tdat9.bin");
  EXPECT_TRUE(CanUndoRestore(data));

  ASSERT_TRUE(RunRestore(*doc, UndoFolder(data), {}, {}));
  EXPECT_EQ(Differences(Snapshot(data), changed), "");
  EXPECT_EQ(doc->db().people(), 3);
  EXPECT_FALSE(platform::FolderExists(UndoWorkFolder(data)));

  ASSERT_TRUE(RunRestore(*doc, UndoFolder(data), {}, {}));
  restored = Snapshot(data);
  restored.erase("ledra.ini");
  EXPECT_EQ(Differences(restored, backed_up), "");
}

// The data files alone, at the top of the data folder.
std::map<std::string, std::string> DataFiles(const platform::Path& folder) {
  auto files = Snapshot(folder);
  std::erase_if(files, [](const auto& f) {
    return f.first.find('/') != std::string::npos || f.first == "ledra.ini";
  });
  return files;
}

TEST_F(BackupRestore, ARestoreKilledAtAnyStepLeavesTheOldOrTheRestoredFiles) {
  const platform::Path set = Backup();
  const auto restored = DataFiles(set);
  ChangeData();
  const auto old = DataFiles(data);
  ASSERT_NE(Differences(old, restored), "");
  bool reached_the_end = false;
  for (int n = 1; !reached_the_end && n < 400; ++n) {
    SCOPED_TRACE(n);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      int steps = 0;
      platform::SetFaultHook([&](platform::FileStep, const platform::Path&) {
        if (++steps == n) _exit(9);  // killed at this very step
        return false;
      });
      _exit(RunRestore(*doc, set, {}, {}).ok() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    reached_the_end = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    // The next opening finishes or discards what the killed restore left.
    ASSERT_TRUE(platform::RecoverFileSet(data));
    const auto now = DataFiles(data);
    EXPECT_TRUE(Differences(now, old).empty() || Differences(now, restored).empty())
        << "mixed: " << Differences(now, old);
    // Back to the changed data for the next round.
    for (const auto& [name, bytes] : old) WriteFixture(data / name, bytes);
    for (const auto& [name, bytes] : now)
      if (!old.contains(name)) std::filesystem::remove(data / name);
  }
  EXPECT_TRUE(reached_the_end);
}

TEST_F(BackupRestore, AFailedCopyIntoTheDataFolderPutsItBack) {
  const platform::Path set = Backup();
  ChangeData();
  const auto before = Snapshot(data);
  int opens = 0;
  platform::SetFaultHook([&](platform::FileStep step, const platform::Path& p) {
    return step == platform::FileStep::kOpen && p.parent_path() == data && ++opens == 2;
  });
  const Status s = RunRestore(*doc, set, {}, {});
  platform::SetFaultHook({});
  ASSERT_FALSE(s.ok());
  EXPECT_NE(s.error().text.find("repostos como estavam"), std::string::npos) << s.error().text;
  EXPECT_EQ(Differences(Snapshot(data), before), "");
  EXPECT_EQ(doc->db().people(), 3);
}

TEST_F(BackupRestore, WrongPasswordOrUnusableSetChangesNothing) {
  // A protected set: the header's password field holds "abc" (scrambled, base 5).
  const platform::Path set = target / "Ld9_0800_2026Dec01";
  std::string main = test::MainFile();
  test::PutScrambled(main, 2, "abc", 5);
  WriteFixture(set / "tdat9.bin", main);
  const auto before = Snapshot(data);
  std::string asked;
  const Status wrong = RunRestore(*doc, set,
                                  [&](const std::string& password) {
                                    asked = password;
                                    return false;
                                  },
                                  {});
  EXPECT_FALSE(wrong.ok());
  EXPECT_EQ(asked, "abc");
  EXPECT_EQ(Differences(Snapshot(data), before), "");
  EXPECT_FALSE(platform::FolderExists(UndoFolder(data)));

  EXPECT_FALSE(RunRestore(*doc, data, {}, {}).ok()) << "the data folder is no set";
  EXPECT_EQ(Differences(Snapshot(data), before), "");

  const platform::Path small = target / "Ld9_0801_2026Dec01";
  WriteFixture(small / "tdat9.bin", std::string(400, '\0'));
  EXPECT_FALSE(RunRestore(*doc, small, {}, {}).ok());
  EXPECT_EQ(Differences(Snapshot(data), before), "");

  EXPECT_TRUE(RunRestore(*doc, set, [](const std::string& p) { return p == "abc"; }, {}));
  EXPECT_EQ(*platform::ReadFileIfPresent(data / "tdat9.bin"), main);
}

}  // namespace
}  // namespace ledra::backup
