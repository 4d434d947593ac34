// `ledra-cli info`: what a data folder holds, in a few lines.

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/cli_document.h"
#include "cli/store_commands.h"
#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::cli {
namespace {

class InfoCommand final : public CliCommand {
 public:
  std::string Name() const override { return "info"; }
  std::string Description() const override {
    return "Counts per list, the report month, month states, whether a password is set";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--password", password_, "Password of a protected folder");
  }
  int Run(const CliContext& context) override {
    auto doc = OpenCliDocument(context, /*read_only=*/true, password_);
    if (!doc) return doc.exit_code();
    const store::CongregationDatabase& db = doc->document->db();
    std::ostream& out = *context.out;
    const auto& m = db.month();
    out << "report_month: "
        << platform::AnsiToUtf8(Strings().Get(str::kMonthJanuary + m.report_month_index)) << ' '
        << 2000 + m.report_year << " (counter " << m.counter << ")\n";
    const char* names[] = {"active", "inactive", "non_publisher",
                           "moved",  "deleted",  "circuit_overseer"};
    for (int t = 0; t < 6; ++t)
      out << names[t] << ": " << db.list_count(static_cast<store::ListType>(t)) << '\n';
    out << "month_states:";
    for (int k = 0; k < 12; ++k) out << ' ' << int{store::header::MonthStateByte(db.header(), k)};
    out << "\npassword_set: " << (store::header::HasPassword(db.header()) ? "yes" : "no") << '\n';
    out << "groups: " << db.side.groups.count() << '\n';
    return 0;
  }

 private:
  std::optional<std::string> password_;
};

class ResaveCommand final : public CliCommand {
 public:
  std::string Name() const override { return "resave"; }
  std::string Description() const override {
    return "Open the data folder and save it again, as the Save command does";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--password", password_, "Password of a protected folder");
  }
  int Run(const CliContext& context) override {
    auto doc = OpenCliDocument(context, /*read_only=*/false, password_);
    if (!doc) return doc.exit_code();
    return doc->document->SaveCommand(/*from_menu=*/false).ok() ? 0 : 1;
  }

 private:
  std::optional<std::string> password_;
};

}  // namespace

std::unique_ptr<CliCommand> MakeInfoCommand() {
  return std::make_unique<InfoCommand>();
}
std::unique_ptr<CliCommand> MakeResaveCommand() {
  return std::make_unique<ResaveCommand>();
}

}  // namespace ledra::cli
