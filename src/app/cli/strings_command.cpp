// `ledra-cli strings [ID]`: prints the string table, or one text, as UTF-8.

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/strings_command.h"
#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::cli {
namespace {

// One line per text, as in the table file: a line break shows as "\n".
std::string OneLine(std::string_view ansi) {
  std::string line;
  for (char c : ansi) {
    if (c == '\n') {
      line += "\\n";
    } else {
      line += c;
    }
  }
  return line;
}

class StringsCommand final : public CliCommand {
 public:
  std::string Name() const override { return "strings"; }
  std::string Description() const override {
    return "Print the string table, or the text with the given number";
  }
  void Configure(CLI::App& command) override { command.add_option("id", id_, "String number"); }
  int Run(const CliContext& context) override {
    if (id_) {
      const auto id = NumberOption(context, "id", *id_, 0, std::numeric_limits<int>::max());
      if (!id) return kExitRefused;
      if (!Strings().Has(static_cast<int>(*id))) {
        PrintAnsi(*context.err, Strings().Format(str::kCliNoSuchString, {std::to_string(*id)}));
        return kExitRefused;
      }
      PrintAnsi(*context.out, Strings().Get(static_cast<int>(*id)));
      return kExitDone;
    }
    for (int id : Strings().Ids())
      *context.out << id << '\t' << platform::AnsiToUtf8(OneLine(Strings().Get(id))) << '\n';
    return kExitDone;
  }

 private:
  std::optional<std::string> id_;
};

}  // namespace

std::unique_ptr<CliCommand> MakeStringsCommand() {
  return std::make_unique<StringsCommand>();
}

}  // namespace ledra::cli
