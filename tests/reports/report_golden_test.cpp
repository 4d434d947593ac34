// Golden report tests: every report kind drawn from the fixture congregation
// through `ledra-cli report --trace` and compared with tests/golden/.
//
// After an intended change of a report, regenerate the references with
//   LEDRA_UPDATE_GOLDEN=1 ./tests/ledra_core_tests --gtest_filter='ReportGolden*'
// and review the difference before committing it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "cli/cli_command.h"
#include "platform/files.h"
#include "platform/prompter.h"
#include "reports/report_fixture.h"
#include "reports/report_kinds.h"
#include "store/demo_congregation.h"
#include "support/golden.h"
#include "support/temp_folder.h"

namespace ledra::reports {
namespace {

// `ledra-cli report --trace` of a kind drawn from a data folder.
std::string TraceOf(const std::filesystem::path& data, const std::string& today, int kind,
                    int group) {
  const std::filesystem::path out = data / "out.trace";
  std::vector<std::string> args = {"ledra-cli", "report",
                                   "--data",    data.string(),
                                   "--today",   today,
                                   "--kind",    std::to_string(kind),
                                   "--group",   std::to_string(group),
                                   "--trace",   out.string()};
  std::vector<const char*> argv;
  for (const auto& a : args) argv.push_back(a.c_str());
  std::ostringstream o, e;
  const int code = cli::RunCli(static_cast<int>(argv.size()), argv.data(), o, e);
  EXPECT_EQ(code, 0) << e.str();
  return platform::ReadFileIfPresent(out).value_or("");
}

// Compares with tests/golden/<name>.trace, or writes it when asked to.
using test::ExpectGoldenTrace;

std::string Trace(int kind, int group) {
  TempFolder root;
  WriteFixture(root.path() / "tdat9.bin", test::ReportMainFile());
  // Date stamp and congregation name on, so that the header shows whole.
  WriteFixture(root.path() / "ledra.ini", "[Relat\xf3rios]\r\nDatestamp=1\r\nCongName=Norte\r\n");
  return TraceOf(root.path(), "2026-03-10", kind, group);
}

class ReportGolden : public ::testing::TestWithParam<ReportKindInfo> {};

TEST_P(ReportGolden, MatchesReference) {
  const ReportKindInfo info = GetParam();
  const int group = info.per_group ? 1 : 0;
  ExpectGoldenTrace("report_" + std::to_string(info.kind), Trace(info.kind, group));
}

INSTANTIATE_TEST_SUITE_P(EveryKind, ReportGolden,
                         ::testing::ValuesIn(BuiltReportKinds().begin(), BuiltReportKinds().end()),
                         [](const auto& info) { return "Kind" + std::to_string(info.param.kind); });

// The monthly reports drawn from a small demo congregation: a month open with
// reports, late reports, remarks, pioneers and the attendance of six months.
std::string DemoTrace(int kind, int group) {
  TempFolder root;
  store::DemoOptions options;
  options.people = 30;
  options.today = {2026, 12, 8};
  ScriptedPrompter prompter;
  EXPECT_TRUE(store::WriteDemoCongregation(root.path() / "demo", options, prompter).ok());
  return TraceOf(root.path() / "demo", "2026-12-08", kind, group);
}

class DemoGolden : public ::testing::TestWithParam<int> {};

TEST_P(DemoGolden, MatchesReference) {
  const int kind = GetParam();
  ExpectGoldenTrace("demo_" + std::to_string(kind),
                    DemoTrace(kind, kind == 2 || kind == 6 ? 2 : 0));
}

INSTANTIATE_TEST_SUITE_P(Kinds, DemoGolden,
                         ::testing::Values(1, 2, 3, 4, 110, 5, 6, 47, 20, 44, 40, 39, 42, 60, 62,
                                           70, 72, 80, 90, 100, 120),
                         [](const auto& info) { return "Kind" + std::to_string(info.param); });

}  // namespace
}  // namespace ledra::reports
