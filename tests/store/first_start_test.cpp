#include "store/first_start.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace ledra::store {
namespace {

TEST(FirstStart, EachWayInGivesItsFolderAndWhetherItIsRemembered) {
  TempFolder cwd, data;
  const FirstStart start({std::nullopt, cwd.path(), data.path().string(), "/home/u", std::nullopt});

  const FirstStartPlan demo = start.Demo();
  EXPECT_EQ(demo.folder, data.path() / "ledra" / "demo");
  EXPECT_TRUE(demo.build_demo);
  EXPECT_FALSE(demo.remember) << "the welcome comes back until a real congregation opens";
  platform::Path built = demo.folder;
  std::filesystem::create_directories(built);
  WriteFixture(built / "tdat9.bin", "x");
  EXPECT_FALSE(start.Demo().build_demo) << "built once, then kept as the user left it";

  const FirstStartPlan fresh = start.New();
  EXPECT_EQ(fresh.folder, data.path() / "ledra");
  EXPECT_FALSE(fresh.build_demo);
  EXPECT_TRUE(fresh.remember);
  EXPECT_NE(start.NewNote().find((data.path() / "ledra").string()), std::string::npos);
}

TEST(FirstStart, AnExistingFolderOpensAtOnceOnlyWhenItHoldsACongregation) {
  TempFolder cwd, pen;
  const FirstStart start({std::nullopt, cwd.path(), "/xdg", "/home/u", std::nullopt});
  WriteFixture(pen.path() / "TDAT9.BIN", "x");
  ScriptedPrompter quiet;
  const auto opened = start.Existing(pen.path(), quiet);
  ASSERT_TRUE(opened);
  EXPECT_EQ(opened->folder, pen.path());
  EXPECT_TRUE(opened->remember);
  EXPECT_TRUE(quiet.shown.empty());

  // An empty folder: a new congregation there only when the user says yes.
  TempFolder empty;
  ScriptedPrompter no;
  no.answers = {Answer::kNo};
  EXPECT_EQ(start.Existing(empty.path(), no), std::nullopt);
  ASSERT_EQ(no.shown.size(), 1u);
  EXPECT_NE(no.shown[0].find("tdat9.bin"), std::string::npos);
  ScriptedPrompter yes;
  yes.answers = {Answer::kYes};
  const auto fresh = start.Existing(empty.path(), yes);
  ASSERT_TRUE(fresh);
  EXPECT_EQ(fresh->folder, empty.path());
  EXPECT_FALSE(fresh->build_demo);

  ScriptedPrompter cancelled;  // the folder dialog was cancelled
  EXPECT_EQ(start.Existing({}, cancelled), std::nullopt);
  EXPECT_TRUE(cancelled.shown.empty());
}

}  // namespace
}  // namespace ledra::store
