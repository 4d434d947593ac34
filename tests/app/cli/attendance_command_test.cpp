// Typing a month's meeting attendance in through ledra-cli attendance.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "platform/files.h"
#include "store/store_fixtures.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"

namespace ledra::cli {
namespace {

using nlohmann::json;

// Today 10 March 2026: the ReportMonth is February 2026 (slot 3 x 1 + 0).
class AttendanceCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFixture(folder.path() / "tdat9.bin",
                 test::HeaderRecord(9) + test::PersonRecord(9, 101, "Ana", "Silva"));
  }
  CliRun Run(std::vector<std::string> args) {
    args.insert(args.begin(), "attendance");
    args.insert(args.end(), {"--data", folder.path().string(), "--today", "2026-03-10"});
    return RunWith(args);
  }
  std::string MeetingFile() {
    return platform::ReadFileIfPresent(folder.path() / "meetin9.dat").value_or("");
  }
  TempFolder folder;
};

TEST_F(AttendanceCommand, SetsTheReportMonthSavesAndPrintsWhatIsStored) {
  CliRun r = Run({"--midweek", "80,0,90", "--weekend", "10,10,11,0,0"});
  ASSERT_EQ(r.code, 0) << r.err;
  json j = json::parse(r.out);
  EXPECT_EQ(j["month"], 2);
  EXPECT_EQ(j["year"], 2026);
  EXPECT_EQ(j["midweek"]["weeks"], json::array({80, 0, 90, 0, 0}));
  EXPECT_EQ(j["midweek"]["count"], 2);
  EXPECT_EQ(j["midweek"]["total"], 170);
  EXPECT_EQ(j["midweek"]["average"], 85);
  EXPECT_EQ(j["weekend"]["total"], 31);
  EXPECT_EQ(j["weekend"]["average"], 10);
  EXPECT_EQ(j["saved"], true);
  const std::string file = MeetingFile();
  ASSERT_EQ(file.size(), 2u * 672);
  EXPECT_EQ(test::Get16(file, 96 + 2 * 72 + 2 * 3), 90);
  EXPECT_EQ(test::Get16(file, 672 + 528 + 2 * 3), 31);

  // Printing only, or the same weeks again, writes nothing.
  for (std::vector<std::string> again :
       {std::vector<std::string>{}, std::vector<std::string>{"--midweek", "80,0,90,0,0"}}) {
    r = Run(again);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(json::parse(r.out)["saved"], false);
    EXPECT_EQ(MeetingFile(), file);
  }

  // Fewer than five weeks leave the rest at 0; the other meeting keeps its weeks.
  r = Run({"--midweek", "12"});
  ASSERT_EQ(r.code, 0) << r.err;
  j = json::parse(r.out);
  EXPECT_EQ(j["midweek"]["weeks"], json::array({12, 0, 0, 0, 0}));
  EXPECT_EQ(j["weekend"]["weeks"], json::array({10, 10, 11, 0, 0}));
}

TEST_F(AttendanceCommand, AnyMonthOfTheWindowByMonthAndYear) {
  CliRun r = Run({"--month", "3", "--year", "2024", "--weekend", "7,8"});
  ASSERT_EQ(r.code, 0) << r.err;
  json j = json::parse(r.out);
  EXPECT_EQ(j["slot"], 6);  // March, even year
  EXPECT_EQ(j["weekend"]["average"], 8);
  r = Run({"--month", "3", "--year", "2024"});
  EXPECT_EQ(json::parse(r.out)["weekend"]["weeks"], json::array({7, 8, 0, 0, 0}));
}

TEST_F(AttendanceCommand, RefusesBadUsageAndMonthsOutsideTheWindowWritingNothing) {
  ASSERT_EQ(Run({"--midweek", "1"}).code, 0);
  const std::string before = MeetingFile();
  const std::vector<std::vector<std::string>> refused = {
      {"--month", "2", "--year", "2024", "--midweek", "1"},  // its slot holds February 2026
      {"--month", "3", "--year", "2026", "--midweek", "1"},  // not yet
      {"--month", "3", "--midweek", "1"},
      {"--year", "2026"},
      {"--month", "13", "--year", "2026"},
      {"--midweek", "1,2,3,4,5,6"},
      {"--midweek", "1,x"},
      {"--weekend", "65536"},
      {"--weekend", "60000,6000"},
  };
  for (const auto& args : refused) {
    const CliRun r = Run(args);
    EXPECT_EQ(r.code, 2) << args[0] << ' ' << args[1];
    EXPECT_FALSE(r.err.empty());
    EXPECT_TRUE(r.out.empty());
  }
  EXPECT_EQ(MeetingFile(), before);
  const CliRun r = Run({"--month", "2", "--year", "2024"});
  EXPECT_NE(r.err.find("Fevereiro de 2024"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("de Mar\xc3\xa7o de 2024 a Fevereiro de 2026"), std::string::npos);
}

}  // namespace
}  // namespace ledra::cli
