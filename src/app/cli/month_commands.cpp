// `ledra-cli month` and `late-reports`: the report month as the month dialog
// and the sheet list see it, and their buttons without a window.

#include "cli/month_commands.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <ostream>

#include "activity/late_reports.h"
#include "activity/month_dialog_model.h"
#include "activity/month_lifecycle.h"
#include "app/month_start_copier.h"
#include "cli/cli_document.h"
#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::cli {
namespace {

using activity::CalendarMonth;
using activity::MonthDialogInputs;
using activity::MonthDialogModel;
using json = nlohmann::ordered_json;

json MonthJson(const activity::CalendarMonth& m) {
  return {{"counter", m.counter()},
          {"month_index", m.month_index},
          {"year", 2000 + m.year_byte},
          {"name", platform::AnsiToUtf8(activity::MonthName(m.month_index))}};
}

json TextOrNull(bool shown, const std::string& ansi) {
  return shown ? json(platform::AnsiToUtf8(ansi)) : json(nullptr);
}

json MonthStateJson(const store::CongregationDatabase& db) {
  const auto& m = db.month();
  json out;
  out["report_month"] = MonthJson(CalendarMonth::FromCounter(m.counter));
  json states = json::array();
  for (int i = 0; i < 12; ++i) states.push_back(store::header::MonthStateByte(db.header(), i));
  out["month_states"] = states;
  out["early_start"] = {{"year", m.early_year == 0 ? 0 : 2000 + m.early_year},
                        {"month", m.early_year == 0 ? 0 : m.early_month}};
  out["today"] = {{"year", m.today_year}, {"month", m.today_month}, {"day", m.today_day}};
  out["entered_up_to"] = db.last_entered_id;
  json late = json::array();
  for (const store::LateEntry& e : db.late_entries())
    late.push_back({{"id", e.id}, {"month", e.month + 1}, {"entered_in", e.entered}});
  out["late_reports"] = late;
  const MonthDialogModel dialog(MonthDialogInputs::From(db));
  out["dialog"] = {{"shown", !activity::ReportMonthOpen(db)},
                   {"ok", TextOrNull(dialog.ok_visible(), dialog.ok_text())},
                   {"start", platform::AnsiToUtf8(dialog.start_text())},
                   {"early_start", TextOrNull(dialog.early_visible(), dialog.early_text())},
                   {"hint", dialog.hint_visible()},
                   {"start_asks", dialog.start_asks()},
                   {"early_start_asks", dialog.early_visible() && dialog.early_asks()}};
  out["status_text"] = platform::AnsiToUtf8(activity::ReportMonthStatusText(db));
  return out;
}

const char* CopyName(activity::MonthCopyResult r) {
  switch (r) {
    case activity::MonthCopyResult::kCopied:
      return "copied";
    case activity::MonthCopyResult::kKept:
      return "kept";
    case activity::MonthCopyResult::kFailed:
      return "failed";
    case activity::MonthCopyResult::kNone:
      break;
  }
  return "none";
}

// Saves once at the end; a failed save has been told and changes nothing.
int SaveAndReport(CliDocument& doc, const CliContext& context, json out) {
  if (!doc.document->SaveCommand(/*from_menu=*/false)) return 1;
  json state = MonthStateJson(doc.document->db());
  state.update(out);
  *context.out << state.dump(1) << '\n';
  return 0;
}

class MonthCommand final : public CliCommand {
 public:
  std::string Name() const override { return "month"; }
  std::string Description() const override {
    return "Show the report month as the month dialog would; start, reopen or close it";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--password", password_, "Password of a protected folder");
    start_ = command.add_subcommand("start", "Start (or re-initialise) the report month");
    start_->add_flag("--early", early_, "Start the month after it (from the 25th on)");
    start_->add_flag("--yes", yes_, "Answer OK to the question before a start");
    reopen_ = command.add_subcommand(
        "reopen", "Reopen a closed month, or continue the month before it while still open");
    close_ = command.add_subcommand("close", "Close the open report month");
    // --data, --today and --password may follow the button's name.
    for (CLI::App* sub : {start_, reopen_, close_}) sub->fallthrough();
    command.require_subcommand(0, 1);
  }
  int Run(const CliContext& context) override {
    const bool writes = start_->parsed() || reopen_->parsed() || close_->parsed();
    auto doc = OpenCliDocument(context, writes ? CliAccess::kWrite : CliAccess::kRead, password_);
    if (!doc) return doc.exit_code();
    store::Document& document = *doc->document;
    auto& db = document.db();
    if (!writes) {
      *context.out << MonthStateJson(db).dump(1) << '\n';
      return 0;
    }
    const std::string month_name = activity::MonthName(db.month().report_month_index);
    if (close_->parsed()) {
      if (!activity::CloseMonth(db))
        return Refuse(context, Strings().Format(str::kCliMonthNotOpen, {month_name}));
      return SaveAndReport(*doc, context,
                           {{"closed", MonthJson(CalendarMonth::FromCounter(db.month().counter))}});
    }
    // The dialog only shows while the ReportMonth is not open.
    if (activity::ReportMonthOpen(db))
      return Refuse(context, Strings().Format(str::kCliMonthAlreadyOpen, {month_name}));
    const MonthDialogModel dialog(MonthDialogInputs::From(db));
    activity::MonthChoice choice;
    if (reopen_->parsed()) {
      if (!dialog.ok_visible())
        return Refuse(context, Strings().Format(str::kCliMonthNothingToReopen, {month_name}));
      choice = dialog.Reopen(db);
    } else {
      if (early_ && !dialog.early_visible()) {
        return Refuse(context, Strings().Format(
                                   str::kCliEarlyStartUnavailable,
                                   {activity::MonthName(dialog.next().month_index), month_name}));
      }
      const bool asks = early_ ? dialog.early_asks() : dialog.start_asks();
      if (asks && !yes_) {
        const CalendarMonth m = early_ ? dialog.next() : dialog.current();
        PrintAnsi(*context.err, MonthDialogModel::ConfirmText(m));
        return Refuse(context, Strings().Get(str::kCliConfirmWithYes));
      }
      choice = dialog.Start(db, early_);
    }
    const activity::MonthChoiceOutcome outcome = activity::ApplyMonthChoice(
        document, choice, *doc->prompter, app::MonthStartCopier(document));
    if (outcome.copy.failure) PrintAnsi(*context.err, outcome.copy.failure->text);
    activity::OpenSheetList(db);
    json out;
    if (outcome.started) {
      out["started"] = MonthJson(choice.month);
      out["month_copy"] = CopyName(outcome.copy.result);
      out["start_summary"] = {{"remarks_emptied", outcome.summary.remarks_emptied},
                              {"inactive_trimmed", outcome.summary.inactive_trimmed},
                              {"deleted_trimmed", outcome.summary.deleted_trimmed},
                              {"moved_removed", outcome.summary.moved_removed},
                              {"quarters_carried", outcome.summary.quarters_carried}};
    } else {
      out["reopened"] = MonthJson(choice.month);
    }
    return SaveAndReport(*doc, context, out);
  }

 private:
  CLI::App* start_ = nullptr;
  CLI::App* reopen_ = nullptr;
  CLI::App* close_ = nullptr;
  bool early_ = false;
  bool yes_ = false;
  std::optional<std::string> password_;
};

class LateReportsCommand final : public CliCommand {
 public:
  std::string Name() const override { return "late-reports"; }
  std::string Description() const override {
    return "List the late reports of the report month, or empty the list (clear --yes)";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--password", password_, "Password of a protected folder");
    clear_ = command.add_subcommand("clear", "Empty the late-report list");
    clear_->add_flag("--yes", yes_, "Answer OK to the question");
    clear_->fallthrough();
    command.require_subcommand(0, 1);
  }
  int Run(const CliContext& context) override {
    const bool writes = clear_->parsed();
    auto doc = OpenCliDocument(context, writes ? CliAccess::kWrite : CliAccess::kRead, password_);
    if (!doc) return doc.exit_code();
    auto& db = doc->document->db();
    if (!writes) {
      json out = MonthStateJson(db);
      *context.out << json{{"late_reports", out["late_reports"]}}.dump(1) << '\n';
      return 0;
    }
    if (!yes_) {
      PrintAnsi(*context.err, activity::LateReportsCommand::ConfirmText(db));
      return Refuse(context, Strings().Get(str::kCliConfirmWithYes));
    }
    activity::LateReportsCommand command;
    const int removed = command.Delete(db);
    return SaveAndReport(*doc, context, {{"removed", removed}});
  }

 private:
  CLI::App* clear_ = nullptr;
  bool yes_ = false;
  std::optional<std::string> password_;
};

}  // namespace

std::unique_ptr<CliCommand> MakeMonthCommand() {
  return std::make_unique<MonthCommand>();
}
std::unique_ptr<CliCommand> MakeLateReportsCommand() {
  return std::make_unique<LateReportsCommand>();
}

}  // namespace ledra::cli
