// `ledra-cli demo DIR`: a made-up congregation to look at or measure.

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/cli_document.h"
#include "cli/demo_command.h"
#include "store/demo_congregation.h"

namespace ledra::cli {
namespace {

class DemoCommand final : public CliCommand {
 public:
  std::string Name() const override { return "demo"; }
  std::string Description() const override {
    return "Write a demonstration congregation (fictional people) into a new folder";
  }
  void Configure(CLI::App& command) override {
    command.add_option("folder", folder_, "Folder to create (must hold no data)")->required();
    command.add_option("--people", options_.people, "People besides the circuit overseer");
    command.add_option("--seed", options_.seed,
                       "Seed: the same seed and date give the same folder");
    command.add_flag("--full", options_.full, "Fill every table to its capacity");
  }
  int Run(const CliContext& context) override {
    options_.today = context.clock->Today();
    StreamPrompter prompter(*context.err);
    const Status s = store::WriteDemoCongregation(folder_, options_, prompter);
    if (!s) {
      PrintAnsi(*context.err, s.error().text);
      return 1;
    }
    return 0;
  }

 private:
  std::string folder_;
  store::DemoOptions options_;
};

}  // namespace

std::unique_ptr<CliCommand> MakeDemoCommand() {
  return std::make_unique<DemoCommand>();
}

}  // namespace ledra::cli
