// A save writes a dozen files; whatever fails or stops it, the folder must
// hold the complete old set or the complete new set.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "platform/file_set_commit.h"
#include "platform/files.h"
#include "store/document.h"
#include "store/store_fixtures.h"
#include "support/temp_folder.h"

namespace ledra::store {
namespace {

using Snapshot = std::map<std::string, std::string>;

// The data files of a folder (not the undo copy, the lock or the settings).
Snapshot Snap(const platform::Path& folder) {
  Snapshot s;
  const auto names = platform::ListFolder(folder, "*");
  for (const auto& name : *names) {
    if (name == "rmkundo.dat" || name == "ledra.ini" || name.starts_with(".ledra")) continue;
    s[name] = *platform::ReadFileIfPresent(folder / name);
  }
  return s;
}

void MakeFolder(const platform::Path& folder) {
  std::string groups(2141, '\0');
  groups[0] = 1;
  groups[1] = 'R' ^ 'L';
  WriteFixture(folder / "tdat9.bin", test::HeaderRecord(23) +
                                         test::PersonRecord(23, 101, "Ana", "Lopes") +
                                         test::PersonRecord(23, 102, "Rui", "Melo"));
  WriteFixture(folder / "bkstudy.dat", groups);
  WriteFixture(folder / "tcard.dat", std::string(1728, '\x01'));
  std::string remarks(48, '\0');
  std::string r(48, '\0');
  r[0] = 'x';
  r[44] = 3;
  test::Put16(r, 46, 101);
  WriteFixture(folder / "remark9.dat", remarks + r);
}

// Names of the files where two snapshots differ, to make a failure readable.
std::string Differences(const Snapshot& a, const Snapshot& b) {
  std::string out;
  for (const auto& [name, bytes] : a) {
    auto it = b.find(name);
    if (it == b.end() || it->second != bytes) out += name + " ";
  }
  for (const auto& [name, bytes] : b) {
    if (!a.contains(name)) out += name + "(only in second) ";
  }
  return out;
}

// The edits every save below makes: a name, the totals, no more groups, a remark.
void Edit(Document& doc) {
  doc.db().row(1).SetText(field::kFname, "Anabela");
  doc.db().side.totals_card[0] = 99;
  doc.db().side.groups.set_count(0);
  doc.db().side.remarks[1].text = "y";
  auto& p = doc.db().row(2);
  p.set_word(SlotWords::kStudiesWord, 0, studies::kParticipated);  // "tlt15.dat" appears
}

class SaveFaultsTest : public ::testing::Test {
 protected:
  FixedClock clock{Date{2026, 12, 8}};
  ScriptedPrompter prompter;

  std::pair<Snapshot, Snapshot> OldAndNew() {
    TempFolder folder;
    MakeFolder(folder.path());
    Document doc(folder.path(), clock, prompter);
    doc.Open({});
    const Snapshot before = Snap(folder.path());
    Edit(doc);
    EXPECT_TRUE(doc.SaveAll().ok());
    return {before, Snap(folder.path())};
  }
};

TEST_F(SaveFaultsTest, FailingTheNthStepOfASaveLeavesTheOldOrTheNewSet) {
  const auto [old_set, new_set] = OldAndNew();
  ASSERT_NE(old_set, new_set);
  using platform::FileStep;
  int faults = 0;
  for (FileStep kind : {FileStep::kOpen, FileStep::kWrite, FileStep::kFsync, FileStep::kRename,
                        FileStep::kFolderFsync, FileStep::kRemove}) {
    for (int n = 1;; ++n) {
      TempFolder folder;
      MakeFolder(folder.path());
      int seen = 0;
      {
        Document doc(folder.path(), clock, prompter);
        doc.Open({});
        Edit(doc);
        platform::SetFaultHook(
            [&](FileStep step, const platform::Path&) { return step == kind && ++seen == n; });
        (void)doc.SaveAll();
        platform::SetFaultHook({});
      }
      if (seen < n) break;  // the save went through without meeting the fault
      ++faults;
      // The next opening completes or discards what the save left.
      Document reopened(folder.path(), clock, prompter);
      reopened.Open({});
      const Snapshot now = Snap(folder.path());
      EXPECT_TRUE(now == old_set || now == new_set)
          << "step kind " << static_cast<int>(kind) << ", occurrence " << n;
    }
  }
  EXPECT_GT(faults, 30);
}

TEST_F(SaveFaultsTest, KillingTheProcessDuringSavesLeavesTheOldOrTheNewSet) {
  const auto [old_set, new_set] = OldAndNew();
  std::mt19937 random(2026);
  for (int round = 0; round < 12; ++round) {
    TempFolder folder;
    MakeFolder(folder.path());
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      Document doc(folder.path(), clock, prompter);
      doc.Open({});
      Edit(doc);
      for (;;) (void)doc.SaveAll();  // the same new set, again and again, until killed
    }
    usleep(std::uniform_int_distribution<useconds_t>(2000, 40000)(random));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    Document reopened(folder.path(), clock, prompter);
    reopened.Open({});
    const Snapshot now = Snap(folder.path());
    EXPECT_TRUE(now == old_set || now == new_set)
        << "round " << round << ": against old " << Differences(now, old_set) << "; against new "
        << Differences(now, new_set);
  }
}

}  // namespace
}  // namespace ledra::store
