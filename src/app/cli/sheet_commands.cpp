// `ledra-cli sheet` and `sheets`: one publisher's report sheet typed in as a
// user would, and the sheet list with its running totals.

#include "cli/sheet_commands.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <ostream>

#include "activity/month_lifecycle.h"
#include "activity/report_sheet.h"
#include "activity/sheet_list.h"
#include "activity/sheet_totals.h"
#include "cli/cli_document.h"
#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::cli {
namespace {

using json = nlohmann::ordered_json;

std::string Utf8(const std::string& ansi) {
  return platform::AnsiToUtf8(ansi);
}

json SheetJson(const activity::ReportSheet& sheet, std::uint16_t id, bool saved) {
  const activity::CalendarMonth m = sheet.entry();
  const Result<int> hours = activity::ParseWholeNumber(
      sheet.hours_text().substr(0, sheet.hours_text().find('.')), 0, activity::kMaxSheetHours);
  const Result<int> studies =
      activity::ParseWholeNumber(sheet.studies_text(), 0, activity::kMaxStudies);
  return {{"id", id},
          {"month", m.number()},
          {"year", 2000 + m.year_byte},
          {"slot", sheet.slot()},
          {"pioneer_code", sheet.pioneer_code()},
          {"hours", hours ? *hours : 0},
          {"studies", studies ? *studies : 0},
          {"participated", sheet.participated()},
          {"auxiliary", sheet.auxiliary()},
          {"credit", sheet.credit()},
          {"remark", Utf8(sheet.remark())},
          {"late", sheet.late()},
          {"queued", sheet.queued()},
          {"notice", Utf8(sheet.notice())},
          {"saved", saved}};
}

class SheetCommand final : public CliCommand {
 public:
  std::string Name() const override { return "sheet"; }
  std::string Description() const override {
    return "Type one publisher's report into the open month (or a late month) and press OK";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--id", id_, "Publisher id")->required();
    command.add_option("--month", month_,
                       "Late month 1-12 (\"Mudar Mês\"); default the open month");
    command.add_option("--participated", participated_, "yes or no");
    command.add_option("--aux", aux_, "Auxiliary pioneer this month: yes or no");
    command.add_option("--hours", hours_, "Hours as typed (digits, an optional \".\")");
    command.add_option("--studies", studies_, "Bible studies, 0-63");
    command.add_option("--remark", remark_, "Remark (cut to 36 characters)");
    command.add_option("--password", password_, "Password of a protected folder");
  }
  int Run(const CliContext& context) override {
    const bool edits = participated_ || aux_ || hours_ || studies_ || remark_;
    if ((participated_ && !YesNo(participated_)) || (aux_ && !YesNo(aux_))) {
      return Refuse(
          context,
          Strings().Format(str::kCliYesOrNo,
                           {participated_ && !YesNo(participated_) ? "--participated" : "--aux"}));
    }
    if (month_ && (*month_ < 1 || *month_ > 12))
      return Refuse(context, Strings().Format(str::kCliNoSuchMonth, {std::to_string(*month_)}));
    // Typed values are checked before anything is stored, so that a refusal
    // writes nothing (a remark is stored as soon as its field is left).
    if (studies_) {
      if (auto s = activity::ParseWholeNumber(platform::Utf8ToAnsi(*studies_).text, 0,
                                              activity::kMaxStudies);
          !s)
        return Refuse(context, s.error().text);
    }
    auto doc = OpenCliDocument(context, edits ? CliAccess::kWrite : CliAccess::kRead, password_);
    if (!doc) return doc.exit_code();
    store::Document& document = *doc->document;
    auto& db = document.db();
    const int row = db.FindRow(static_cast<std::uint16_t>(id_));
    if (id_ <= 0 || id_ > 0xFFFF || row == 0 || !db.row(row).is(store::ListType::kActive))
      return Refuse(context, Strings().Format(str::kCliNoSuchPublisher, {std::to_string(id_)}));
    if (!activity::ReportMonthOpen(db)) {
      return Refuse(context,
                    Strings().Format(str::kCliMonthNotOpenForEntry,
                                     {activity::MonthName(db.month().report_month_index)}));
    }
    activity::ReportSheet sheet(document, row);
    if (month_) {
      sheet.ShowMonthList();
      sheet.ChooseMonth(*month_ - 1);
      sheet.HideMonthList();
    }
    bool saved = false;
    if (edits) {
      if (auto on = YesNo(participated_)) sheet.SetParticipated(*on);
      if (auto on = YesNo(aux_)) sheet.SetAuxiliary(*on);
      if (hours_) {
        sheet.SetHoursText(platform::Utf8ToAnsi(*hours_).text);
        sheet.HoursLeft();
      }
      if (studies_) sheet.SetStudiesText(platform::Utf8ToAnsi(*studies_).text);
      if (remark_) (void)sheet.RemarkLeft(platform::Utf8ToAnsi(*remark_).text);
      const Result<bool> ok = sheet.Save();
      if (!ok) return Refuse(context, ok.error().text);
      saved = *ok;
      if (db.modified && !document.SaveCommand(/*from_menu=*/false)) return 1;
    }
    *context.out << SheetJson(sheet, static_cast<std::uint16_t>(id_), saved).dump(1) << '\n';
    return 0;
  }

 private:
  int id_ = 0;
  std::optional<int> month_;
  std::optional<std::string> participated_, aux_, hours_, studies_, remark_, password_;
};

json TotalsJson(const activity::SheetTotals& t) {
  json rows = json::array();
  const std::pair<int, const activity::TotalsRow*> shown[] = {{str::kTotalsLabel, &t.total},
                                                              {str::kTotalsPublishers, &t.rows[0]},
                                                              {str::kTotalsAuxiliary, &t.rows[1]},
                                                              {str::kTotalsRegular, &t.rows[2]}};
  for (const auto& [label, row] : shown) {
    json r = {{"label", Utf8(Strings().Get(label))}, {"reports", row->reports}};
    // From the simplified report on, publishers report no hours.
    const bool hours_shown = !(t.new_form && label == str::kTotalsPublishers);
    r["hours"] = hours_shown ? json(Utf8(activity::HoursText(row->quarters))) : json(nullptr);
    r["studies"] = row->studies;
    if (!t.new_form) {
      r["placements"] = row->placements;
      r["videos"] = row->videos;
      r["return_visits"] = row->return_visits;
    }
    rows.push_back(r);
  }
  return rows;
}

class SheetsCommand final : public CliCommand {
 public:
  std::string Name() const override { return "sheets"; }
  std::string Description() const override {
    return "The open month's sheet list and its running totals (reads only)";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--group", group_, "Only this field service group");
    command.add_flag("--missing", missing_, "Only the publishers with nothing entered yet");
    command.add_option("--password", password_, "Password of a protected folder");
  }
  int Run(const CliContext& context) override {
    auto doc = OpenCliDocument(context, CliAccess::kRead, password_);
    if (!doc) return doc.exit_code();
    const auto& db = doc->document->db();
    activity::SheetList list(db);
    list.set_group(group_);
    list.set_missing_only(missing_);
    json lines = json::array();
    for (const activity::SheetLine& l : list.Lines())
      lines.push_back({{"id", l.id}, {"name", Utf8(l.name)}});
    json groups = json::array();
    for (const std::string& g : list.GroupChoices()) groups.push_back(Utf8(g));
    const std::string marker = list.EnteredUpTo();
    json out = {{"caption", Utf8(list.Caption())},
                {"entered_up_to", marker.empty() ? json(nullptr) : json(Utf8(marker))},
                {"entered_up_to_id", db.last_entered_id},
                {"open", activity::ReportMonthOpen(db)},
                {"groups", groups},
                {"lines", lines},
                {"totals", TotalsJson(activity::SheetTotalsFrom(activity::PeekBranchTotals(db),
                                                                db.new_form()))}};
    *context.out << out.dump(1) << '\n';
    return 0;
  }

 private:
  int group_ = 0;
  bool missing_ = false;
  std::optional<std::string> password_;
};

}  // namespace

std::unique_ptr<CliCommand> MakeSheetCommand() {
  return std::make_unique<SheetCommand>();
}
std::unique_ptr<CliCommand> MakeSheetsCommand() {
  return std::make_unique<SheetsCommand>();
}

}  // namespace ledra::cli
