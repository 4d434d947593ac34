#include "backup/backup_history.h"

#include <gtest/gtest.h>

#include "backup/backup_fixtures.h"
#include "backup/catalogue.h"
#include "backup/set_copy.h"
#include "support/temp_folder.h"

namespace ledra::backup {
namespace {

// One 512-byte record as the file holds it: date at 0, path at 52.
std::string Record(std::string_view when, std::string_view path) {
  std::string r(512, '\0');
  r.replace(0, when.size(), when);
  r.replace(52, path.size(), path);
  return r;
}

TEST(BackupHistory, NewestFirstInTenRecordsOf512Bytes) {
  BackupHistory h;
  h.Add({"first", "/b/Ld9_0900_2025Jan01"});
  h.Add({"second", "/b/Ld9_0901_2025Jan01"});
  const std::string expected = Record("second", "/b/Ld9_0901_2025Jan01") +
                               Record("first", "/b/Ld9_0900_2025Jan01") +
                               std::string(8 * 512, '\0');
  EXPECT_EQ(h.Serialize(), expected);
  EXPECT_EQ(BackupHistory::Parse(expected).records()[1].path, "/b/Ld9_0900_2025Jan01");
}

TEST(BackupHistory, EleventhRecordDropsTheOldestAndTheFileStays5120Bytes) {
  TempFolder folder;
  for (int i = 0; i < 11; ++i)
    ASSERT_TRUE(AddToHistory(folder.path(), {"d" + std::to_string(i), "/p" + std::to_string(i)}));
  const std::string bytes = *platform::ReadFileIfPresent(folder.path() / "buhist.dat");
  EXPECT_EQ(bytes.size(), 5120u);
  const BackupHistory h = BackupHistory::Parse(bytes);
  EXPECT_EQ(h.records().front().when, "d10");
  EXPECT_EQ(h.records().back().when, "d1");  // d0 is gone
}

TEST(BackupHistory, OverlongTextsKeepTheirTerminator) {
  BackupHistory h;
  h.Add({std::string(80, 'x'), std::string(600, 'y')});
  const std::string bytes = h.Serialize();
  EXPECT_EQ(bytes[51], '\0');
  EXPECT_EQ(bytes[511], '\0');
  EXPECT_FALSE(FitsHistory(platform::Path("/" + std::string(460, 'a'))));
  EXPECT_TRUE(FitsHistory(platform::Path("/" + std::string(400, 'a'))));
}

TEST(BackupCatalogue, ListsOnlyUsableSetsOfTheHistoryElseTheFolder) {
  TempFolder folder;
  const platform::Path good = folder.path() / "Ld9_0900_2025Jan01";
  const platform::Path small = folder.path() / "Ld9_0901_2025Jan01";
  const platform::Path gone = folder.path() / "Ld9_0902_2025Jan01";
  ASSERT_TRUE(platform::CreateFolders(good) && platform::CreateFolders(small));
  WriteFixture(good / "tdat9.bin", test::MainFile());
  WriteFixture(small / "tdat9.bin", std::string(500, 'x'));  // not more than 500 bytes
  BackupHistory h;
  h.Add({"a", good.string()});
  h.Add({"b", small.string()});
  h.Add({"c", gone.string()});  // deleted behind the history's back
  const Catalogue c = BuildCatalogue(h, folder.path());
  EXPECT_TRUE(c.from_history);
  ASSERT_EQ(c.entries.size(), 1u);
  EXPECT_EQ(c.entries[0].folder, good);

  const Catalogue listed = BuildCatalogue(BackupHistory{}, folder.path());
  EXPECT_FALSE(listed.from_history);
  ASSERT_EQ(listed.entries.size(), 1u);
  EXPECT_EQ(listed.entries[0].folder, good);
}

}  // namespace
}  // namespace ledra::backup
