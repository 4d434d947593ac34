// Golden traces of the record cards and the label sheet, drawn through
// `ledra-cli card --trace` and `ledra-cli labels --trace` from the demo
// congregation.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "cli/cli_command.h"
#include "platform/files.h"
#include "platform/prompter.h"
#include "store/demo_congregation.h"
#include "store/store_fixtures.h"
#include "support/golden.h"
#include "support/temp_folder.h"

namespace ledra::reports {
namespace {

class CardGolden : public ::testing::Test {
 protected:
  void Demo(Date today) {
    store::DemoOptions options;
    options.people = 30;
    options.today = today;
    ScriptedPrompter prompter;
    ASSERT_TRUE(store::WriteDemoCongregation(root.path() / "demo", options, prompter).ok());
    today_ = std::to_string(today.year) + "-" + (today.month < 10 ? "0" : "") +
             std::to_string(today.month) + "-" + (today.day < 10 ? "0" : "") +
             std::to_string(today.day);
  }
  // The trace a command writes to its output, or empty when it failed.
  std::string Run(std::vector<std::string> args) {
    args.insert(args.begin() + 2, {"--data", (root.path() / "demo").string(), "--today", today_});
    std::vector<const char*> argv;
    for (const auto& a : args) argv.push_back(a.c_str());
    std::ostringstream o, e;
    const int code = cli::RunCli(static_cast<int>(argv.size()), argv.data(), o, e);
    EXPECT_EQ(code, 0) << e.str();
    return code == 0 ? o.str() : std::string();
  }
  static void Expect(const std::string& name, const std::string& trace) {
    test::ExpectGoldenTrace(name, trace);
  }

  TempFolder root;
  std::string today_;
};

// A regular pioneer: this year above, the year before below.
TEST_F(CardGolden, CurrentCardWithTheYearBeforeBelow) {
  Demo({2026, 12, 8});
  Expect("card_current", Run({"ledra-cli", "card", "--id", "119", "--trace"}));
}

TEST_F(CardGolden, PreviousYearFirst) {
  Demo({2026, 12, 8});
  Expect("card_previous_year",
         Run({"ledra-cli", "card", "--id", "100", "--previous-year", "--trace"}));
}

// Service year 2023 still had the five counters.
TEST_F(CardGolden, EarlierCard) {
  Demo({2023, 5, 8});
  Expect("card_earlier", Run({"ledra-cli", "card", "--id", "112", "--trace"}));
}

TEST_F(CardGolden, CardOfTheInactiveFile) {
  Demo({2026, 12, 8});
  Expect("card_inactive", Run({"ledra-cli", "card", "--id", "108", "--inactive", "--trace"}));
}

TEST_F(CardGolden, LabelSheetFromAChosenFirstLabel) {
  Demo({2026, 12, 8});
  Expect("labels_first_7",
         Run({"ledra-cli", "labels", "--ids", "119,100,112,128,129", "--first", "7", "--trace"}));
}

}  // namespace
}  // namespace ledra::reports
