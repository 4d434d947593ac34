// `ledra-cli demo DIR`: a made-up congregation to look at or measure.

#include <CLI/CLI.hpp>
#include <limits>
#include <ostream>
#include <vector>

#include "cli/cli_document.h"
#include "cli/demo_command.h"
#include "platform/string_ids.h"
#include "store/demo_congregation.h"

namespace ledra::cli {
namespace {

// Keeps what the building tells, so that the failure it ends with is
// printed once and not again as a notice.
class DemoPrompter final : public Prompter {
 public:
  explicit DemoPrompter(std::ostream& err) : stream_(err) {}
  void Inform(std::string_view text) override { told_.emplace_back(text); }
  Answer AskYesNoCancel(std::string_view text) override { return stream_.AskYesNoCancel(text); }
  Answer AskOkCancel(std::string_view text) override { return stream_.AskOkCancel(text); }
  void PrintExcept(std::ostream& err, std::string_view failure) const {
    for (const std::string& text : told_)
      if (text != failure) PrintAnsi(err, text);
  }

 private:
  StreamPrompter stream_;
  std::vector<std::string> told_;
};

class DemoCommand final : public CliCommand {
 public:
  std::string Name() const override { return "demo"; }
  std::string Description() const override {
    return "Write a demonstration congregation (fictional people) into a new folder";
  }
  void Configure(CLI::App& command) override {
    command.add_option("folder", folder_, "Folder to create (must hold no data)")->required();
    command.add_option("--people", people_, "People besides the circuit overseer");
    command.add_option("--seed", seed_, "Seed: the same seed and date give the same folder");
    command.add_flag("--full", options_.full, "Fill every table to its capacity");
  }
  int Run(const CliContext& context) override {
    if (people_) {
      const auto n = NumberOption(context, "--people", *people_, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max());
      if (!n) return kExitRefused;
      options_.people = static_cast<int>(*n);
    }
    if (seed_) {
      const auto seed =
          NumberOption(context, "--seed", *seed_, 0, std::numeric_limits<long long>::max());
      if (!seed) return kExitRefused;
      options_.seed = static_cast<std::uint64_t>(*seed);
    }
    options_.today = context.clock->Today();
    DemoPrompter prompter(*context.err);
    const Status s = store::WriteDemoCongregation(folder_, options_, prompter);
    prompter.PrintExcept(*context.err, s ? std::string_view() : s.error().text);
    if (!s) {
      PrintAnsi(*context.err, s.error().text);
      const bool refused =
          s.error().id == str::kDemoFolderHasData || s.error().id == str::kDemoPeopleOutOfRange;
      return refused ? kExitRefused : kExitFailed;
    }
    return kExitDone;
  }

 private:
  std::string folder_;
  std::optional<std::string> people_;
  std::optional<std::string> seed_;
  store::DemoOptions options_;
};

}  // namespace

std::unique_ptr<CliCommand> MakeDemoCommand() {
  return std::make_unique<DemoCommand>();
}

}  // namespace ledra::cli
