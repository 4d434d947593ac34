#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <map>
#include <sstream>

#include "cli/cli_command.h"
#include "platform/files.h"
#include "store/store_fixtures.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"

namespace ledra::cli {
namespace {

// Every file's bytes and modification time.
std::map<std::string, std::pair<std::string, std::time_t>> Snapshot(const platform::Path& folder) {
  std::map<std::string, std::pair<std::string, std::time_t>> files;
  for (const auto& e : std::filesystem::recursive_directory_iterator(folder)) {
    if (!e.is_regular_file()) continue;
    files[e.path().string()] = {*platform::ReadFileIfPresent(e.path()),
                                *platform::ModificationTime(e.path())};
  }
  return files;
}

class StoreCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string file = test::HeaderRecord(9);
    std::string ana = test::PersonRecord(9, 101, "Ana", "Louren\xE7o");
    test::Put16(ana, 384 + 2 * 31, 15);  // hours of October 2026
    ana[780 + 24] = 11;                  // a late September report entered in November
    file += ana + test::PersonRecord(9, 102, "Rui", "Silva", 1);
    WriteFixture(folder.path() / "tdat9.bin", file);
    WriteFixture(folder.path() / "remark9.dat", std::string(48 * 3, '\0'));
  }
  TempFolder folder;
};

TEST_F(StoreCommandsTest, DumpGivesEveryFieldAndChangesNothing) {
  const auto before = Snapshot(folder.path());
  const CliRun r = RunWith({"dump", "--data", folder.path().string(), "--today", "2026-12-08"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(Snapshot(folder.path()), before);
  const auto j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["scramble_base"], 9);
  EXPECT_EQ(j["report_month"]["counter"], 322);
  EXPECT_EQ(j["report_month"]["month_index"], 10);
  EXPECT_EQ(j["report_month"]["year"], 2026);
  EXPECT_EQ(j["header"]["password_set"], false);
  ASSERT_EQ(j["people"].size(), 2u);
  EXPECT_EQ(j["people"][0]["lname"], "Louren\u00E7o");
  EXPECT_EQ(j["people"][0]["Hours"][31], 15);
  EXPECT_EQ(j["people"][1]["list_type"], 1);
  ASSERT_EQ(j["late_entries"].size(), 1u);
  EXPECT_EQ(j["late_entries"][0]["month"], 8);
}

TEST_F(StoreCommandsTest, InfoAndResave) {
  const CliRun info = RunWith({"info", "--data", folder.path().string(), "--today", "2026-12-08"});
  ASSERT_EQ(info.code, 0);
  EXPECT_NE(info.out.find("Novembro 2026"), std::string::npos);
  EXPECT_NE(info.out.find("inactive: 1"), std::string::npos);
  EXPECT_NE(info.out.find("password_set: no"), std::string::npos);

  const std::string before = *platform::ReadFileIfPresent(folder.path() / "tdat9.bin");
  const CliRun resave =
      RunWith({"resave", "--data", folder.path().string(), "--today", "2026-12-08"});
  ASSERT_EQ(resave.code, 0) << resave.err;
  std::string after = *platform::ReadFileIfPresent(folder.path() / "tdat9.bin");
  ASSERT_EQ(after.size(), before.size());
  after[194] = before[194];  // the month of the save
  EXPECT_TRUE(after == before);
}

TEST_F(StoreCommandsTest, ProtectedFolderNeedsThePassword) {
  std::string file = *platform::ReadFileIfPresent(folder.path() / "tdat9.bin");
  test::PutScrambled(file, 2, "chave", 9);
  WriteFixture(folder.path() / "tdat9.bin", file);
  EXPECT_NE(RunWith({"dump", "--data", folder.path().string()}).code, 0);
  EXPECT_EQ(RunWith({"dump", "--data", folder.path().string(), "--password", "chave"}).code, 0);
  EXPECT_NE(RunWith({"resave", "--data", folder.path().string(), "--password", "x"}).code, 0);
}

TEST(CliRunner, BadDateAndMissingFolder) {
  EXPECT_EQ(RunWith({"info", "--today", "2026-02-30"}).code, 2);
  EXPECT_NE(RunWith({"info", "--data", "/nonexistent/folder"}).code, 0);
}

TEST(CliRunner, TodayOutsideWhatTheFilesCanCountIsRefused) {
  for (const char* day : {"2000-12-31", "1990-06-15", "1950-01-01"}) {
    const CliRun r = RunWith({"info", "--data", "/nonexistent/folder", "--today", day});
    EXPECT_EQ(r.code, 2) << day;
    EXPECT_NE(r.err.find(std::string("A data ") + day), std::string::npos) << r.err;
  }
  const CliRun first = RunWith({"info", "--data", "/nonexistent/folder", "--today", "2001-01-01"});
  EXPECT_EQ(first.err.find("A data "), std::string::npos) << first.err;
}

}  // namespace
}  // namespace ledra::cli
