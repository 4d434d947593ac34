#include <gtest/gtest.h>

#include "backup/backup_dialog_model.h"
#include "backup/backup_fixtures.h"
#include "backup/folder_chooser.h"
#include "backup/set_copy.h"

namespace ledra::backup {
namespace {

TEST(BackupFolderChooser, CreatesAMissingFolderOnlyWhenAskedAndRefusesTheRest) {
  TempFolder root;
  const FolderChooser chooser(root.path());
  ScriptedPrompter prompter;
  EXPECT_EQ(chooser.Select(root.path().string(), prompter), root.path());

  const platform::Path missing = root.path() / "new" / "sets";
  prompter.answers = {Answer::kNo};
  EXPECT_FALSE(chooser.Select(missing.string(), prompter));
  EXPECT_FALSE(platform::FolderExists(missing));
  EXPECT_EQ(prompter.shown.back(), "This path does not exist. Do you want to create it?");
  prompter.answers = {Answer::kYes};
  EXPECT_EQ(chooser.Select(missing.string() + " ", prompter), missing);
  EXPECT_TRUE(platform::FolderExists(missing));

  WriteFixture(root.path() / "file", "x");
  for (const std::string& typed :
       {std::string(""), std::string("relative/dir"), (root.path() / "file").string()}) {
    prompter.shown.clear();
    EXPECT_FALSE(chooser.Select(typed, prompter)) << typed;
    EXPECT_EQ(prompter.shown, std::vector<std::string>{"Invalid Folder"});
  }
}

TEST(BackupDialogRules, RestoreModeOffersTheUndoOnlyWhenItIsAUsableSet) {
  TempFolder data;
  WriteFixture(data.path() / "tdat9.bin", test::MainFile());
  BackupDialogModel none(DialogMode::kRestore, data.path());
  EXPECT_EQ(none.caption(), "Restaurar");
  EXPECT_FALSE(none.undo_offered());
  EXPECT_FALSE(none.ok_enabled());
  EXPECT_FALSE(none.UseLastBackup());

  WriteFixture(data.path() / "unrestore" / "tdat9.bin", test::MainFile());
  BackupDialogModel with_undo(DialogMode::kRestore, data.path());
  ASSERT_TRUE(with_undo.undo_offered());
  with_undo.SelectUndo();
  EXPECT_TRUE(with_undo.ok_enabled());
  EXPECT_EQ(with_undo.status_line(),
            "Click OK to reverse ( undo ) last restore : " + (data.path() / "unrestore").string());
}

TEST(BackupDialogRules, AChosenFolderIsASetOrListsItsSets) {
  TempFolder data;
  TempFolder stick;
  WriteFixture(data.path() / "tdat9.bin", test::MainFile());
  const platform::Path set = stick.path() / "Ld9_0800_2026Dec01";
  WriteFixture(set / "tdat9.bin", test::MainFile());
  BackupDialogModel model(DialogMode::kRestore, data.path());
  model.ChooseRestoreFolder(stick.path());
  const std::vector<BackupDialogModel::CatalogueRow> listed = {{"", set.string()}};
  ASSERT_EQ(model.catalogue_rows(), listed) << "a set found by listing has no date";
  EXPECT_FALSE(model.selected());
  model.ChooseRestoreFolder(set);
  EXPECT_EQ(model.selected(), set);
}

}  // namespace
}  // namespace ledra::backup
