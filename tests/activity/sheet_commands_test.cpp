// Typing reports through ledra-cli sheet, and reading the list back.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <map>

#include "platform/files.h"
#include "store/store_fixtures.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"

namespace ledra::cli {
namespace {

using nlohmann::json;

class SheetCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string file = test::HeaderRecord(9);
    file[137 + 10] = 1;  // November 2026 open
    std::string ana = test::PersonRecord(9, 101, "Ana", "Silva");
    ana[181] = 1;
    std::string eva = test::PersonRecord(9, 103, "Eva", "Costa");
    eva[202 + 30] = 2;  // regular pioneer in November 2026
    eva[181] = 2;
    file += ana + eva + test::PersonRecord(9, 104, "Rui", "Lima", 1);
    WriteFixture(folder.path() / "tdat9.bin", file);
  }
  CliRun Run(std::vector<std::string> args) {
    args.insert(args.end(), {"--data", folder.path().string(), "--today", "2026-12-09"});
    return RunWith(args);
  }
  std::string MainFile() { return *platform::ReadFileIfPresent(folder.path() / "tdat9.bin"); }
  TempFolder folder;
};

TEST_F(SheetCommands, TypesAReportAndPressesOk) {
  CliRun r = Run({"sheet", "--id", "101", "--participated", "yes", "--studies", "2"});
  ASSERT_EQ(r.code, 0) << r.err;
  json j = json::parse(r.out);
  EXPECT_EQ(j["month"], 11);
  EXPECT_EQ(j["year"], 2026);
  EXPECT_EQ(j["slot"], 30);
  EXPECT_EQ(j["studies"], 2);
  EXPECT_EQ(j["participated"], true);
  EXPECT_EQ(j["saved"], true);
  EXPECT_EQ(j["late"], false);

  const json dump = json::parse(Run({"dump"}).out);
  for (const json& p : dump["people"]) {
    if (p["id"] == 101) {
      EXPECT_EQ(p["studies_word"][30], 0x0800 | 2);
    }
  }
  // The same again changes nothing.
  r = Run({"sheet", "--id", "101", "--participated", "yes", "--studies", "2"});
  EXPECT_EQ(json::parse(r.out)["saved"], false);
}

TEST_F(SheetCommands, ARegularPioneerWithCreditAndALateMonth) {
  CliRun r = Run({"sheet", "--id", "103", "--hours", "50", "--remark", "12 assembleia"});
  ASSERT_EQ(r.code, 0) << r.err;
  json j = json::parse(r.out);
  EXPECT_EQ(j["pioneer_code"], 2);
  EXPECT_EQ(j["hours"], 50);
  EXPECT_EQ(j["credit"], 5);
  EXPECT_EQ(j["remark"], "12 assembleia");

  r = Run({"sheet", "--id", "101", "--month", "9", "--participated", "yes"});
  ASSERT_EQ(r.code, 0) << r.err;
  j = json::parse(r.out);
  EXPECT_EQ(j["late"], true);
  EXPECT_EQ(j["queued"], true);
  EXPECT_EQ(j["notice"], "As alterações SERÃO INCLUÍDAS no relatório de Novembro para a filial.");
  const json month = json::parse(Run({"month"}).out);
  ASSERT_EQ(month["late_reports"].size(), 1u);
  EXPECT_EQ(month["late_reports"][0]["month"], 9);
}

TEST_F(SheetCommands, RefusalsWriteNothing) {
  const std::string before = MainFile();
  CliRun r = Run({"sheet", "--id", "101", "--studies", "64", "--remark", "x"});
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("Please enter an integer between 0 and 63."), std::string::npos);
  EXPECT_EQ(Run({"sheet", "--id", "999", "--studies", "1"}).code, 2);
  EXPECT_EQ(Run({"sheet", "--id", "104", "--studies", "1"}).code, 2);  // inactive
  EXPECT_EQ(Run({"sheet", "--id", "101", "--participated", "maybe"}).code, 2);
  EXPECT_EQ(Run({"sheet", "--id", "101", "--month", "13"}).code, 2);
  EXPECT_EQ(MainFile(), before);
  EXPECT_FALSE(platform::FileExists(folder.path() / "remark9.dat") &&
               platform::ReadFileIfPresent(folder.path() / "remark9.dat")->find('x') !=
                   std::string::npos);
  ASSERT_EQ(Run({"month", "close"}).code, 0);
  r = Run({"sheet", "--id", "101", "--studies", "1"});
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("não está aberto"), std::string::npos);
}

TEST_F(SheetCommands, TheListWithItsTotals) {
  ASSERT_EQ(Run({"sheet", "--id", "103", "--hours", "50"}).code, 0);
  ASSERT_EQ(Run({"sheet", "--id", "101", "--participated", "yes"}).code, 0);
  CliRun r = Run({"sheets"});
  ASSERT_EQ(r.code, 0) << r.err;
  json j = json::parse(r.out);
  EXPECT_EQ(j["caption"], "Recolha de Dados para Novembro - 2 Publicadores Ativos");
  EXPECT_EQ(j["entered_up_to"], "Silva, Ana");
  ASSERT_EQ(j["lines"].size(), 2u);
  EXPECT_EQ(j["lines"][0]["name"], "Costa, Eva");
  EXPECT_EQ(j["totals"][0]["label"], "Totais");
  EXPECT_EQ(j["totals"][0]["reports"], 2);
  EXPECT_EQ(j["totals"][0]["hours"], "50");
  EXPECT_TRUE(j["totals"][1]["hours"].is_null());  // publishers report no hours
  EXPECT_EQ(j["totals"][3]["reports"], 1);
  r = Run({"sheets", "--group", "1", "--missing"});
  EXPECT_TRUE(json::parse(r.out)["lines"].empty());
}

TEST_F(SheetCommands, TotalsAndSummaryTellTheSameStory) {
  ASSERT_EQ(Run({"sheet", "--id", "103", "--hours", "50", "--studies", "1"}).code, 0);
  ASSERT_EQ(Run({"sheet", "--id", "101", "--participated", "yes", "--studies", "2"}).code, 0);
  CliRun r = Run({"totals"});
  ASSERT_EQ(r.code, 0) << r.err;
  const json t = json::parse(r.out);
  EXPECT_EQ(t["branch_totals"][2][2], 50);
  EXPECT_EQ(t["branch_totals"][0][5], 2);
  EXPECT_EQ(t["report"]["title"], "Relatório de Novembro para a Filial - 2 Publicadores Ativos");
  EXPECT_TRUE(t["report"]["rows"][0]["hours"].is_null());
  EXPECT_EQ(t["report"]["rows"][3]["label"], "Totais");
  EXPECT_EQ(t["report"]["rows"][3]["count"], 2);
  EXPECT_EQ(t["report"]["rows"][3]["hours"], 50);
  EXPECT_EQ(t["report"]["rows"][3]["studies"], 3);
  EXPECT_EQ(t["glance"]["active"], 2);
  EXPECT_EQ(t["glance"]["regular_pioneers"], 1);
  EXPECT_EQ(t["glance"]["avg_hours_preg"], 50.0);
  EXPECT_TRUE(t["glance"]["avg_hours_pub"].is_null());
  EXPECT_EQ(t["glance"]["six_months"]["moved"], 0);
  // The sheet list kept the open month in the totals card.
  r = Run({"summary"});
  ASSERT_EQ(r.code, 0) << r.err;
  const json s = json::parse(r.out);
  ASSERT_EQ(s["rows"].size(), 72u);
  EXPECT_EQ(s["rows"][23]["month_counter"], 26 * 12 + 10);
  EXPECT_EQ(s["rows"][23]["reports"], 1);
  EXPECT_EQ(s["rows"][23]["active"], 2);
  EXPECT_EQ(s["rows"][47]["designation"], "Pioneiros Auxiliares");
  EXPECT_EQ(s["rows"][71]["hours"], 50);
}

TEST_F(SheetCommands, APioneersYearFromTheSheets) {
  ASSERT_EQ(Run({"sheet", "--id", "103", "--hours", "48", "--remark", "5 assembleia"}).code, 0);
  CliRun r = Run({"pioneer", "--id", "103"});
  ASSERT_EQ(r.code, 0) << r.err;
  const json j = json::parse(r.out);
  EXPECT_EQ(j["start_month"], 11);
  EXPECT_EQ(j["months_elapsed"], 1);
  EXPECT_EQ(j["months_commitment"], 10);
  EXPECT_EQ(j["months_left"], 9);
  EXPECT_EQ(j["total"], 53);
  EXPECT_EQ(j["remaining"], 500 - 53);
  EXPECT_EQ(j["lines"][0], "Pioneiro desde Novembro");
  EXPECT_EQ(j["table"][2]["sum"], 53);
  EXPECT_EQ(j["table"][2]["remark"], "5 assembleia");
  EXPECT_TRUE(j["table"][3]["hours"].is_null());
  EXPECT_EQ(Run({"pioneer", "--id", "101"}).code, 2);

  r = Run({"ytd", "--category", "regular", "--period", "six"});
  ASSERT_EQ(r.code, 0) << r.err;
  const json y = json::parse(r.out);
  ASSERT_EQ(y["table"].size(), 12u);
  EXPECT_EQ(y["table"][11]["month"], 11);
  EXPECT_EQ(y["table"][11]["hours"], 48);
  EXPECT_TRUE(y["table"][0]["hours"].is_null());
  EXPECT_EQ(y["totals"]["hours"], 48);
  EXPECT_EQ(Run({"ytd", "--period", "forever"}).code, 2);
}

}  // namespace
}  // namespace ledra::cli
