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
#include "reports/report_fixture.h"
#include "reports/report_kinds.h"
#include "support/temp_folder.h"

namespace ledra::reports {
namespace {

// From the build: __FILE__ may be relative (ccache's base_dir rewrites it),
// and the tests run in another folder.
const std::filesystem::path kGoldenFolder = std::filesystem::path(LEDRA_TESTS_DIR) / "golden";

std::string Trace(int kind, int group) {
  TempFolder root;
  WriteFixture(root.path() / "tdat9.bin", test::ReportMainFile());
  // Date stamp and congregation name on, so that the header shows whole.
  WriteFixture(root.path() / "ledra.ini", "[Relat\xf3rios]\r\nDatestamp=1\r\nCongName=Norte\r\n");
  const std::filesystem::path out = root.path() / "out.trace";
  std::vector<std::string> args = {"ledra-cli", "report",
                                   "--data",    root.path().string(),
                                   "--today",   "2026-03-10",
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

class ReportGolden : public ::testing::TestWithParam<ReportKindInfo> {};

TEST_P(ReportGolden, MatchesReference) {
  const ReportKindInfo info = GetParam();
  const int group = info.per_group ? 1 : 0;
  const std::string trace = Trace(info.kind, group);
  ASSERT_FALSE(trace.empty());
  const std::filesystem::path reference =
      kGoldenFolder / ("report_" + std::to_string(info.kind) + ".trace");
  if (std::getenv("LEDRA_UPDATE_GOLDEN") != nullptr) {
    WriteFixture(reference, trace);
    GTEST_SKIP() << "reference written: " << reference;
  }
  const auto expected = platform::ReadFileIfPresent(reference);
  ASSERT_TRUE(expected.has_value())
      << "no reference " << reference << "; run with LEDRA_UPDATE_GOLDEN=1 to write it";
  EXPECT_EQ(trace, *expected) << "the drawing of kind " << info.kind << " changed";
}

INSTANTIATE_TEST_SUITE_P(EveryKind, ReportGolden,
                         ::testing::ValuesIn(BuiltReportKinds().begin(), BuiltReportKinds().end()),
                         [](const auto& info) { return "Kind" + std::to_string(info.param.kind); });

}  // namespace
}  // namespace ledra::reports
