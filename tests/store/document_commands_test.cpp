#include "store/document_commands.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "store/store_fixtures.h"
#include "support/temp_folder.h"

namespace ledra::store {
namespace {

class DocumentCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFixture(folder.path() / "tdat9.bin", test::HeaderRecord(23) +
                                                  test::PersonRecord(23, 101, "Zita", "Alves") +
                                                  test::PersonRecord(23, 102, "Ana", "Borges"));
    std::string remarks(48, '\0');
    std::string r(48, '\0');
    r[0] = 'o';
    r[44] = 11;
    test::Put16(r, 46, 101);
    WriteFixture(folder.path() / "remark9.dat", remarks + r);
    doc.Open({});
  }
  FixedClock clock{Date{2026, 12, 8}};
  ScriptedPrompter prompter;
  TempFolder folder;
  Document doc{folder.path(), clock, prompter};
};

TEST_F(DocumentCommandsTest, ClosingAsksOnlyWhenModified) {
  EXPECT_TRUE(ConfirmClose(doc, prompter));
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_FALSE(platform::FileExists(folder.path() / "rmkundo.dat"));
}

TEST_F(DocumentCommandsTest, ClosingWithCancelKeepsRunningAndNoDropsRemarkChanges) {
  const std::string before = *platform::ReadFileIfPresent(folder.path() / "remark9.dat");
  ASSERT_TRUE(doc.SetRemark(1, 10, 0, "nova").ok());
  prompter.answers = {Answer::kCancel, Answer::kNo};
  EXPECT_FALSE(ConfirmClose(doc, prompter));
  EXPECT_EQ(prompter.shown.back(),
            "Salvar Mudan\xE7"
            "as?");
  EXPECT_TRUE(ConfirmClose(doc, prompter));
  EXPECT_EQ(*platform::ReadFileIfPresent(folder.path() / "remark9.dat"), before);
  EXPECT_FALSE(platform::FileExists(folder.path() / "rmkundo.dat"));
}

TEST_F(DocumentCommandsTest, ClosingWithYesSaves) {
  doc.db().row(1).SetText(field::kFname, "Alice");
  doc.db().modified = true;
  prompter.answers = {Answer::kYes};
  EXPECT_TRUE(ConfirmClose(doc, prompter));
  Document reopened(folder.path(), clock, prompter);
  reopened.Open({});
  EXPECT_EQ(reopened.db().row(1).fname(), "Alice");
}

TEST_F(DocumentCommandsTest, SortingByFirstNameReordersAndClearsSurnameFirst) {
  Settings settings;
  doc.db().side.shared_settings[0] = 1;
  EXPECT_EQ(doc.db().row(1).fname(), "Zita");  // Alves before Borges
  SetSortByFirstName(doc, settings, true, prompter);
  EXPECT_EQ(doc.db().row(1).fname(), "Ana");
  EXPECT_EQ(doc.db().side.shared_settings[0], 0);
  EXPECT_TRUE(settings.sort_by_first_name);
  EXPECT_TRUE(doc.db().modified);
  EXPECT_TRUE(CanSave(doc));
  doc.db().language_code = "hun";
  SetSortByFirstName(doc, settings, true, prompter);
  EXPECT_FALSE(settings.sort_by_first_name);  // the Portuguese edition only
}

}  // namespace
}  // namespace ledra::store

namespace ledra::store {
namespace {

TEST_F(DocumentCommandsTest, ASaveThatFailsAtClosingKeepsTheProgramOpenAndTheChanges) {
  doc.db().row(1).SetText(field::kFname, "Alice");
  doc.db().modified = true;
  prompter.answers = {Answer::kYes, Answer::kCancel};
  platform::SetFaultHook([](platform::FileStep step, const platform::Path&) {
    return step == platform::FileStep::kWrite;  // a full disk
  });
  EXPECT_FALSE(ConfirmClose(doc, prompter));
  platform::SetFaultHook({});
  EXPECT_TRUE(doc.db().modified);  // still to be saved
  EXPECT_NE(prompter.shown.back().find("Incapaz de criar"), std::string::npos);
  EXPECT_FALSE(doc.ViewPastMonth(1));  // Cancel: nothing reloaded
  EXPECT_EQ(doc.db().row(1).fname(), "Alice");
}

TEST_F(DocumentCommandsTest, AFolderOpenedForReadingSaysSoInsteadOfSaving) {
  Document viewer(folder.path(), clock, prompter);
  OpenOptions options;
  options.read_only = true;
  viewer.Open(options);
  viewer.db().modified = true;
  EXPECT_FALSE(CanSave(viewer));
  const Status s = viewer.SaveCommand(false);
  EXPECT_FALSE(s.ok());
  EXPECT_EQ(prompter.shown.back(), s.error().text);
  EXPECT_TRUE(viewer.db().modified);
}

}  // namespace
}  // namespace ledra::store
