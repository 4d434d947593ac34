// `ledra-cli strings [ID]`: prints the string table, or one text, as UTF-8.

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/strings_command.h"
#include "platform/string_table.h"

namespace ledra::cli {
namespace {

class StringsCommand final : public CliCommand {
 public:
  std::string Name() const override { return "strings"; }
  std::string Description() const override {
    return "Print the string table, or the text with the given number";
  }
  void Configure(CLI::App& command) override { command.add_option("id", id_, "String number"); }
  int Run(const CliContext& context) override {
    if (id_ >= 0) {
      if (!Strings().Has(id_)) return 1;
      PrintAnsi(*context.out, Strings().Get(id_));
      return 0;
    }
    *context.out << Strings().size() << " texts\n";
    return 0;
  }

 private:
  int id_ = -1;
};

}  // namespace

std::unique_ptr<CliCommand> MakeStringsCommand() {
  return std::make_unique<StringsCommand>();
}

}  // namespace ledra::cli
