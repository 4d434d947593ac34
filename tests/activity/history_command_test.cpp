// Correcting stored months through ledra-cli history.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "platform/files.h"
#include "store/store_fixtures.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"

namespace ledra::cli {
namespace {

using nlohmann::json;

class HistoryCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string file = test::HeaderRecord(9);
    file[137 + 4] = 1;  // May 2026 open
    file += test::PersonRecord(9, 101, "Ana", "Silva") + test::PersonRecord(9, 103, "Eva", "Costa");
    WriteFixture(folder.path() / "tdat9.bin", file);
  }
  CliRun Run(std::vector<std::string> args) {
    args.insert(args.end(), {"--data", folder.path().string(), "--today", "2026-06-09"});
    return RunWith(args);
  }
  std::string MainFile() { return *platform::ReadFileIfPresent(folder.path() / "tdat9.bin"); }
  TempFolder folder;
};

TEST_F(HistoryCommand, CorrectsAPioneerMonthAndPrintsWhatIsStored) {
  CliRun r = Run({"history", "--id",      "103",       "--month",        "3",   "--year",
                  "2026",    "--pioneer", "2",         "--participated", "yes", "--hours",
                  "12.3",    "--studies", "2",         "--credit",       "5",   "--late",
                  "yes",     "--remark",  "assembleia"});
  ASSERT_EQ(r.code, 0) << r.err;
  json j = json::parse(r.out);
  EXPECT_EQ(j["slot"], 6);
  EXPECT_EQ(j["hours"], 12);
  EXPECT_EQ(j["quarters"], 1);
  EXPECT_EQ(j["hours_text"], "12.25");
  EXPECT_EQ(j["studies"], 2);
  EXPECT_EQ(j["participated"], true);
  EXPECT_EQ(j["pioneer_code"], 2);
  EXPECT_EQ(j["credit"], 5);
  EXPECT_EQ(j["late_month"], 5);
  EXPECT_EQ(j["remark"], "assembleia");
  EXPECT_EQ(j["saved"], true);

  // Printing only, or the same values again, writes nothing.
  const std::string before = MainFile();
  r = Run({"history", "--id", "103", "--month", "3", "--year", "2026", "--hours", "12.25"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(json::parse(r.out)["saved"], false);
  EXPECT_EQ(MainFile(), before);
}

TEST_F(HistoryCommand, RefusesTheReportMonthOtherMonthsAndBadValuesWritingNothing) {
  const std::string before = MainFile();
  const std::vector<std::vector<std::string>> refused = {
      {"--id", "101", "--month", "5", "--year", "2026", "--studies", "1"},  // the ReportMonth
      {"--id", "101", "--month", "7", "--year", "2026", "--studies", "1"},  // not yet
      {"--id", "101", "--month", "5", "--year", "2024", "--studies", "1"},  // its slot is May 2026
      {"--id", "101", "--month", "3", "--year", "2026", "--studies", "1x"},
      {"--id", "101", "--month", "3", "--year", "2026", "--hours", "800"},
      {"--id", "101", "--month", "3", "--year", "2026", "--pioneer", "4"},
      {"--id", "101", "--month", "3", "--year", "2026", "--late", "maybe"},
      {"--id", "101", "--month", "13", "--year", "2026"},
      {"--id", "999", "--month", "3", "--year", "2026"},
      {"--totals", "--row", "elders", "--month", "3", "--year", "2026"},
      {"--totals", "--row", "pioneers", "--month", "3", "--year", "2026", "--hours", "3"},
  };
  for (std::vector<std::string> args : refused) {
    args.insert(args.begin(), "history");
    const CliRun r = Run(args);
    EXPECT_EQ(r.code, 2) << args[1] << ' ' << args[2] << ' ' << args.back();
    EXPECT_FALSE(r.err.empty());
  }
  EXPECT_EQ(MainFile(), before);
}

TEST_F(HistoryCommand, EditsATotalsCardRowAndShowsThePioneersSum) {
  CliRun r = Run({"history", "--totals", "--row", "regular", "--month", "4", "--year", "2026",
                  "--hours", "100.5", "--credit", "3"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(json::parse(r.out)["saved"], true);
  r = Run({"history", "--totals", "--row", "special", "--month", "4", "--year", "2026", "--hours",
           "70.75", "--credit", "1"});
  ASSERT_EQ(r.code, 0) << r.err;
  r = Run({"history", "--totals", "--row", "pioneers", "--month", "4", "--year", "2026"});
  ASSERT_EQ(r.code, 0) << r.err;
  json j = json::parse(r.out);
  EXPECT_EQ(j["read_only"], true);
  EXPECT_EQ(j["hours_text"], "171.25");
  EXPECT_EQ(j["reports"], 4);
  r = Run({"history", "--totals", "--row", "active", "--month", "4", "--year", "2026", "--active",
           "38"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(json::parse(r.out)["active"], 38);
}

}  // namespace
}  // namespace ledra::cli
