// The demonstration folder appears whole or not at all, and its options are
// checked before anything is written.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <set>

#include "platform/files.h"
#include "platform/string_ids.h"
#include "store/demo_congregation.h"
#include "support/temp_folder.h"

namespace ledra::store {
namespace {

std::map<std::string, std::string> Files(const platform::Path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& e : std::filesystem::directory_iterator(folder)) {
    const std::string name = e.path().filename().string();
    if (name.starts_with(".")) continue;  // the lock file
    files[name] = *platform::ReadFileIfPresent(e.path());
  }
  return files;
}

class DemoStaging : public ::testing::Test {
 protected:
  void TearDown() override { platform::SetFaultHook({}); }
  DemoOptions options = [] {
    DemoOptions o;
    o.people = 4;
    return o;
  }();
  ScriptedPrompter prompter;
  TempFolder top;
};

TEST_F(DemoStaging, AKilledDemoLeavesNoFolderOrAWholeOne) {
  const platform::Path reference = top.path() / "reference";
  ASSERT_TRUE(WriteDemoCongregation(reference, options, prompter).ok());
  const auto whole = Files(reference);
  ASSERT_TRUE(whole.contains("tdat9.bin"));

  // Every file step of a run, counted once.
  int steps = 0;
  platform::SetFaultHook([&steps](platform::FileStep, const platform::Path&) {
    ++steps;
    return false;
  });
  ASSERT_TRUE(WriteDemoCongregation(top.path() / "counted", options, prompter).ok());
  platform::SetFaultHook({});
  ASSERT_GT(steps, 10);

  // Killed at steps spread over the run and at each of its last ones.
  std::vector<int> kills;
  for (int n = 1; n < steps - 12; n += std::max(1, steps / 40)) kills.push_back(n);
  for (int n = std::max(1, steps - 12); n <= steps; ++n) kills.push_back(n);
  for (int n : kills) {
    SCOPED_TRACE(n);
    const platform::Path target = top.path() / ("demo" + std::to_string(n));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      int step = 0;
      platform::SetFaultHook([&](platform::FileStep, const platform::Path&) {
        if (++step == n) _exit(9);  // killed at this very step
        return false;
      });
      _exit(WriteDemoCongregation(target, options, prompter).ok() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    if (platform::FolderExists(target)) {
      EXPECT_EQ(Files(target), whole);
    }
  }
}

TEST_F(DemoStaging, AFailedDemoLeavesNothingBehind) {
  int renames = 0;
  platform::SetFaultHook([&renames](platform::FileStep step, const platform::Path&) {
    return step == platform::FileStep::kRename && ++renames == 5;
  });
  EXPECT_FALSE(WriteDemoCongregation(top.path() / "demo", options, prompter).ok());
  platform::SetFaultHook({});
  EXPECT_TRUE(std::filesystem::is_empty(top.path()));
}

TEST_F(DemoStaging, AnEmptyOrUnrelatedTargetFolderReceivesTheDemo) {
  const platform::Path empty = top.path() / "empty";
  std::filesystem::create_directory(empty);
  ASSERT_TRUE(WriteDemoCongregation(empty, options, prompter).ok());
  EXPECT_TRUE(platform::FileExists(empty / "tdat9.bin"));

  const platform::Path with_notes = top.path() / "notes";
  std::filesystem::create_directory(with_notes);
  WriteFixture(with_notes / "notas.txt", "minhas notas");
  ASSERT_TRUE(WriteDemoCongregation(with_notes / "", options, prompter).ok());
  auto files = Files(with_notes);
  EXPECT_EQ(files["notas.txt"], "minhas notas");
  files.erase("notas.txt");
  EXPECT_EQ(files, Files(empty));
  // Nothing is left beside the targets.
  std::set<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(top.path()))
    names.insert(e.path().filename().string());
  EXPECT_EQ(names, (std::set<std::string>{"empty", "notes"}));
}

TEST_F(DemoStaging, PeopleOutsideTheFileCapacityAreRefusedBeforeAnythingIsWritten) {
  for (int people : {-5, 0, kMaxDemoPeople + 1, 100000}) {
    options.people = people;
    const Status s = WriteDemoCongregation(top.path() / "demo", options, prompter);
    ASSERT_FALSE(s.ok()) << people;
    EXPECT_EQ(s.error().id, str::kDemoPeopleOutOfRange);
    EXPECT_NE(s.error().text.find(std::to_string(people)), std::string::npos);
    EXPECT_NE(s.error().text.find("1508"), std::string::npos);
  }
  EXPECT_TRUE(std::filesystem::is_empty(top.path()));
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(DemoStaging, ACongregationLargerThanTheSideTablesIsStillMade) {
  // Half of 1300 people would ask for more extension records than fit.
  options.people = 1300;
  const Status s = WriteDemoCongregation(top.path() / "demo", options, prompter);
  ASSERT_TRUE(s.ok()) << s.error().text;
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_TRUE(platform::FileExists(top.path() / "demo" / "tdat9.bin"));
}

}  // namespace
}  // namespace ledra::store
