// The report month end to end through ledra-cli: what the month dialog would
// show, starts with their copies, closing, reopening, the early start and
// the late-report list.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cerrno>
#include <map>

#include "platform/files.h"
#include "platform/ini_file.h"
#include "store/store_fixtures.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"

namespace ledra::cli {
namespace {

using nlohmann::json;

std::map<std::string, std::string> DataFiles(const platform::Path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& e : std::filesystem::directory_iterator(folder)) {
    if (e.is_regular_file() && e.path().filename() != ".ledra.lock")
      files[e.path().filename().string()] = *platform::ReadFileIfPresent(e.path());
  }
  return files;
}

json PersonById(const json& dump, int id) {
  for (const json& p : dump["people"])
    if (p["id"] == id) return p;
  return {};
}

class MonthCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string file = test::HeaderRecord(9);
    file[137 + 9] = 2;  // October 2026 closed
    std::string ana = test::PersonRecord(9, 101, "Ana", "Silva");
    test::Put16(ana, 384 + 2 * 30, 15);  // hours of November 2026 (slot 30)
    ana[202 + 27] = 2;                   // regular pioneer in October 2026
    file += ana + test::PersonRecord(9, 102, "Rui", "Costa");
    WriteFixture(folder.path() / "tdat9.bin", file);
  }
  CliRun Run(std::vector<std::string> args, const std::string& today) {
    args.insert(args.end(), {"--data", folder.path().string(), "--today", today});
    return RunWith(args);
  }
  json Month(const std::string& today) {
    const CliRun r = Run({"month"}, today);
    EXPECT_EQ(r.code, 0) << r.err;
    return json::parse(r.out);
  }
  TempFolder folder;
};

TEST_F(MonthCommands, ShowsWhatTheDialogWouldShow) {
  const json j = Month("2026-12-10");
  EXPECT_EQ(j["report_month"]["counter"], 26 * 12 + 10);
  EXPECT_EQ(j["report_month"]["month_index"], 10);
  EXPECT_EQ(j["report_month"]["year"], 2026);
  ASSERT_EQ(j["month_states"].size(), 12u);
  EXPECT_EQ(j["month_states"][9], 2);
  EXPECT_EQ(j["early_start"]["year"], 0);
  EXPECT_EQ(j["entered_up_to"], 0);
  EXPECT_TRUE(j["late_reports"].empty());
  EXPECT_TRUE(j["dialog"]["ok"].is_null());
  EXPECT_EQ(j["dialog"]["start"], "Iniciar o lançamento dos relatórios para Novembro");
  EXPECT_TRUE(j["dialog"]["early_start"].is_null());
  EXPECT_EQ(j["dialog"]["hint"], false);
  EXPECT_EQ(j["dialog"]["start_asks"], false);
  EXPECT_EQ(j["status_text"], "  Mês de Entradas = Novembro");
  EXPECT_EQ(Month("2026-12-26")["dialog"]["early_start"],
            "Iniciar o lançamento dos relatórios para Dezembro");
}

TEST_F(MonthCommands, StartCloseReopenAndRestart) {
  // A first start asks nothing, whatever the day.
  CliRun r = Run({"month", "start"}, "2026-12-10");
  ASSERT_EQ(r.code, 0) << r.err;
  json j = json::parse(r.out);
  EXPECT_EQ(j["started"]["counter"], 26 * 12 + 10);
  EXPECT_EQ(j["month_copy"], "copied");
  EXPECT_EQ(j["month_states"][10], 1);
  EXPECT_EQ(j["month_states"][9], 0);
  EXPECT_TRUE(j["dialog"]["shown"] == false);
  // The month's copy of the data files is for viewing October.
  EXPECT_TRUE(platform::FileExists(folder.path() / "Roll" / "Ld9_10" / "tdat9.bin"));

  // Open: the start is not offered, closing is.
  EXPECT_EQ(Run({"month", "start", "--yes"}, "2026-12-10").code, 2);
  ASSERT_EQ(Run({"month", "close"}, "2026-12-10").code, 0);
  EXPECT_EQ(Month("2026-12-10")["month_states"][10], 2);
  EXPECT_EQ(Run({"month", "close"}, "2026-12-10").code, 2);

  // A closed month reopens with its data as they are.
  j = Month("2026-12-10");
  EXPECT_EQ(j["dialog"]["ok"], "Reabrir e continuar a lançar os relatórios de Novembro");
  EXPECT_EQ(j["dialog"]["start_asks"], true);
  ASSERT_EQ(Run({"month", "reopen"}, "2026-12-10").code, 0);
  EXPECT_EQ(Month("2026-12-10")["month_states"][10], 1);
  EXPECT_EQ(Run({"month", "reopen"}, "2026-12-10").code, 2);
  ASSERT_EQ(Run({"month", "close"}, "2026-12-10").code, 0);

  // Re-initialising after the 5th asks first: refused without --yes, nothing written.
  const auto before = DataFiles(folder.path());
  r = Run({"month", "start"}, "2026-12-10");
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("Tem a certeza de que quer iniciar o mês de Novembro?"), std::string::npos);
  EXPECT_EQ(DataFiles(folder.path()), before);
  r = Run({"month", "start", "--yes"}, "2026-12-10");
  ASSERT_EQ(r.code, 0) << r.err;
  // The copy of this year is kept, not made again.
  EXPECT_EQ(json::parse(r.out)["month_copy"], "kept");
  // On the 3rd the same restart asks nothing.
  ASSERT_EQ(Run({"month", "close"}, "2026-12-03").code, 0);
  EXPECT_EQ(Run({"month", "start"}, "2026-12-03").code, 0);
}

TEST_F(MonthCommands, StartingClearsTheMonthAndCarriesThePioneer) {
  ASSERT_EQ(Run({"month", "start"}, "2026-12-02").code, 0);
  const CliRun r = Run({"dump"}, "2026-12-02");
  const json ana = PersonById(json::parse(r.out), 101);
  EXPECT_EQ(ana["Hours"][30], 0);
  EXPECT_EQ(ana["pioneer_code"][30], 2);
}

TEST_F(MonthCommands, JanuaryCopiesIntoTheFolderOfDecember) {
  ASSERT_EQ(Run({"month", "start"}, "2027-02-02").code, 0);
  EXPECT_TRUE(platform::FileExists(folder.path() / "Roll" / "Ld9_12" / "tdat9.bin"));
  EXPECT_FALSE(platform::FileExists(folder.path() / "Roll" / "Ld9_1" / "tdat9.bin"));
}

TEST_F(MonthCommands, ContinuesThePreviousMonthInTheFirstWeek) {
  ASSERT_EQ(Run({"month", "start"}, "2026-12-02").code, 0);  // November open
  json j = Month("2027-01-05");                              // December not started
  EXPECT_EQ(j["dialog"]["ok"], "Reabrir e continuar a lançar os relatórios de Novembro");
  CliRun r = Run({"month", "reopen"}, "2027-01-05");
  ASSERT_EQ(r.code, 0) << r.err;
  j = json::parse(r.out);
  EXPECT_EQ(j["reopened"]["counter"], 26 * 12 + 10);
  EXPECT_EQ(j["report_month"]["counter"], 26 * 12 + 10);
  EXPECT_TRUE(Month("2027-01-08")["dialog"]["ok"].is_null());
  EXPECT_EQ(Run({"month", "reopen"}, "2027-01-08").code, 2);
}

TEST_F(MonthCommands, AnEarlyStartHoldsUntilTheTwentyFifthHasPassed) {
  ASSERT_EQ(Run({"month", "start"}, "2026-12-02").code, 0);
  ASSERT_EQ(Run({"month", "close"}, "2026-12-02").code, 0);
  // Before the 25th there is no early start.
  EXPECT_EQ(Run({"month", "start", "--early", "--yes"}, "2026-12-24").code, 2);
  CliRun r = Run({"month", "start", "--early"}, "2026-12-27");
  EXPECT_EQ(r.code, 2);  // asks first
  r = Run({"month", "start", "--early", "--yes"}, "2026-12-27");
  ASSERT_EQ(r.code, 0) << r.err;
  json j = json::parse(r.out);
  EXPECT_EQ(j["started"]["counter"], 26 * 12 + 11);
  EXPECT_EQ(j["report_month"]["counter"], 26 * 12 + 11);
  EXPECT_EQ(j["early_start"]["year"], 2027);
  EXPECT_EQ(j["early_start"]["month"], 1);
  // December 2026 is stamped in its slot (33 + 0).
  const json dump = json::parse(Run({"dump"}, "2026-12-27").out);
  EXPECT_EQ(dump["header"]["year_stamps"][33], 26);
  const platform::IniFile ini = platform::IniFile::Load(folder.path() / "ledra.ini");
  EXPECT_EQ(ini.GetInt("Early", "Year", 0), 27);
  EXPECT_EQ(ini.GetInt("Early", "Month", 0), 1);

  // A restart on the 28th still works in December.
  j = Month("2026-12-28");
  EXPECT_EQ(j["report_month"]["counter"], 26 * 12 + 11);
  EXPECT_EQ(j["month_states"][11], 1);
  // A save on the 28th keeps the early start.
  ASSERT_EQ(Run({"resave"}, "2026-12-28").code, 0);
  EXPECT_EQ(platform::IniFile::Load(folder.path() / "ledra.ini").GetInt("Early", "Year", 0), 27);
  // From the 2nd of January it is over.
  j = Month("2027-01-02");
  EXPECT_EQ(j["early_start"]["year"], 0);
  ASSERT_EQ(Run({"resave"}, "2027-01-02").code, 0);
  EXPECT_EQ(platform::IniFile::Load(folder.path() / "ledra.ini").GetInt("Early", "Year", -1), 0);
}

TEST_F(MonthCommands, AStartThatCannotBeSavedLeavesTheOldFiles) {
  const auto before = DataFiles(folder.path());
  // The disk fills up while the new main file is written beside the old one.
  const platform::Path blocked = folder.path() / "tdat9.bin.ledra-new";
  platform::SetFaultHook([blocked](platform::FileStep step, const platform::Path& path) {
    if (step != platform::FileStep::kWrite || path != blocked) return false;
    errno = ENOSPC;
    return true;
  });
  const CliRun r = Run({"month", "start"}, "2026-12-02");
  platform::SetFaultHook({});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("tdat9.bin"), std::string::npos);
  auto after = DataFiles(folder.path());
  // The month's copy was recorded before the save, and the opening wrote the
  // settings; the data files are as they were.
  auto expected = before;
  for (const char* name : {"buhist.dat", "ledra.ini"}) {
    after.erase(name);
    expected.erase(name);
  }
  EXPECT_TRUE(after == expected);
  EXPECT_EQ(Month("2026-12-02")["month_states"][10], 0);
}

TEST_F(MonthCommands, LateReportsAreClearedOnlyWithYes) {
  std::string file = *platform::ReadFileIfPresent(folder.path() / "tdat9.bin");
  file[816 + 780 + 3 * 8 + 0] = 11;  // September 2026's report entered in November
  WriteFixture(folder.path() / "tdat9.bin", file);
  json j = Month("2026-12-10");
  ASSERT_EQ(j["late_reports"].size(), 1u);
  EXPECT_EQ(j["late_reports"][0]["id"], 101);
  EXPECT_EQ(j["late_reports"][0]["month"], 9);
  EXPECT_EQ(j["late_reports"][0]["entered_in"], 11);
  CliRun r = Run({"late-reports", "clear"}, "2026-12-10");
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("Click OK para apagar 1 relatorio(s)"), std::string::npos);
  r = Run({"late-reports", "clear", "--yes"}, "2026-12-10");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(json::parse(r.out)["removed"], 1);
  EXPECT_TRUE(Month("2026-12-10")["late_reports"].empty());
  // The figures themselves stay.
  EXPECT_EQ(PersonById(json::parse(Run({"dump"}, "2026-12-10").out), 101)["Hours"][30], 15);
}

}  // namespace
}  // namespace ledra::cli
