// `ledra-cli pioneer`: a regular pioneer's service year as the pioneer-hours
// dialog shows it (reads only).

#include "cli/pioneer_command.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <ostream>

#include "activity/month_calendar.h"
#include "activity/pioneer_year.h"
#include "cli/cli_document.h"
#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::cli {
namespace {

using json = nlohmann::ordered_json;

json Optional(const std::optional<double>& v) {
  return v ? json(*v) : json(nullptr);
}

class PioneerCommand final : public CliCommand {
 public:
  std::string Name() const override { return "pioneer"; }
  std::string Description() const override {
    return "A regular pioneer's hours for the service year (reads only)";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--id", id_, "Publisher id")->required();
    command.add_flag("--previous-year", previous_, "The service year before");
    command.add_option("--password", password_, "Password of a protected folder");
  }
  int Run(const CliContext& context) override {
    auto doc = OpenCliDocument(context, CliAccess::kRead, password_);
    if (!doc) return doc.exit_code();
    const auto& db = doc->document->db();
    const int row = id_ > 0 && id_ <= 0xFFFF ? db.FindRow(static_cast<std::uint16_t>(id_)) : 0;
    if (row == 0 || !db.row(row).is(store::ListType::kActive))
      return Refuse(context, Strings().Format(str::kCliNoSuchPublisher, {std::to_string(id_)}));
    const auto& m = db.month();
    if ((db.row(row).pioneer_code(store::MonthSlot(m.report_month_index, m.report_year)) & 3) !=
        2) {
      return Refuse(context, Strings().Format(
                                 str::kCliNotRegularPioneer,
                                 {std::to_string(id_), activity::MonthName(m.report_month_index)}));
    }
    const activity::PioneerYear y = activity::ComputePioneerYear(*doc->document, row, previous_);
    json lines = json::array();
    for (const std::string& l : y.lines) lines.push_back(platform::AnsiToUtf8(l));
    json table = json::array();
    for (const activity::PioneerMonth& t : y.table) {
      json line = {{"month", t.month_index + 1}, {"year", t.year}};
      if (t.shown) {
        line["hours"] = t.hours;
        line["credit"] = t.credit;
        line["sum"] = t.hours + t.credit;
        line["remark"] = platform::AnsiToUtf8(t.remark);
      } else {
        for (const char* key : {"hours", "credit", "sum", "remark"}) line[key] = nullptr;
      }
      table.push_back(line);
    }
    const json out = {
        {"start_month", y.start_month + 1},
        {"months_elapsed", y.months_elapsed},
        {"months_commitment", y.months_commitment},
        {"months_left", y.months_left},
        {"requirement", y.requirement},
        {"total", y.total},
        {"remaining", y.remaining},
        {"per_month", Optional(y.per_month)},
        {"lines", lines},
        {"table", table},
        {"totals",
         {{"hours", y.sum_hours}, {"credit", y.sum_credit}, {"sum", y.sum_hours + y.sum_credit}}},
        {"average", {{"hours", Optional(y.average_hours)}, {"sum", Optional(y.average_total)}}}};
    *context.out << out.dump(1) << '\n';
    return 0;
  }

 private:
  int id_ = 0;
  bool previous_ = false;
  std::optional<std::string> password_;
};

}  // namespace

std::unique_ptr<CliCommand> MakePioneerCommand() {
  return std::make_unique<PioneerCommand>();
}

}  // namespace ledra::cli
