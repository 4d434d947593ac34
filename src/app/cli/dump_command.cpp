// `ledra-cli dump`: the database as JSON, without writing anything.

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/cli_document.h"
#include "cli/database_json.h"
#include "cli/store_commands.h"
#include "platform/codepage.h"

namespace ledra::cli {
namespace {

class DumpCommand final : public CliCommand {
 public:
  std::string Name() const override { return "dump"; }
  std::string Description() const override {
    return "Print the data folder as JSON (reads only; changes nothing)";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--password", password_, "Password of a protected folder");
  }
  int Run(const CliContext& context) override {
    auto doc = OpenCliDocument(context, /*read_only=*/true, password_);
    if (!doc) return doc.exit_code();
    WriteDatabaseJson(*doc->document, *context.out);
    *context.out << '\n';
    return 0;
  }

 private:
  std::optional<std::string> password_;
};

}  // namespace

std::unique_ptr<CliCommand> MakeDumpCommand() {
  return std::make_unique<DumpCommand>();
}

}  // namespace ledra::cli
