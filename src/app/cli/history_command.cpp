// `ledra-cli history`: one stored month of a publisher, or of the totals
// card, corrected as the history editor would, then printed.

#include "cli/history_command.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <ostream>

#include "activity/branch_totals.h"
#include "activity/history_editor.h"
#include "cli/cli_document.h"
#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::cli {
namespace {

using json = nlohmann::ordered_json;
using activity::Designation;
using activity::PioneerRow;
using store::SlotWords;

struct RowChoice {
  const char* name;
  Designation designation;
  PioneerRow pioneer_row;
};
// "pioneers" is the read-only sum of regular and special pioneers.
constexpr RowChoice kRows[] = {{"publishers", Designation::kPublishers, PioneerRow::kSum},
                               {"auxiliary", Designation::kAuxiliary, PioneerRow::kSum},
                               {"pioneers", Designation::kPioneers, PioneerRow::kSum},
                               {"regular", Designation::kPioneers, PioneerRow::kRegular},
                               {"special", Designation::kPioneers, PioneerRow::kSpecial},
                               {"active", Designation::kActive, PioneerRow::kSum}};

json PublisherMonthJson(const store::Document& doc, int row, const activity::HistoryEditor& e,
                        bool saved) {
  const store::PublisherRecord& r = doc.db().row(row);
  const int s = e.slot();
  const std::uint16_t word = r.word(SlotWords::kStudiesWord, s);
  const int quarters = (word >> store::studies::kQuarterShift) & 3;
  const bool bit11 = (word & store::studies::kParticipated) != 0;
  return {{"id", r.id()},
          {"month", e.month_index() + 1},
          {"year", e.year()},
          {"slot", s},
          {"simplified", e.simplified()},
          {"publications", r.word(SlotWords::kPlcmts, s)},
          {"videos", r.word(SlotWords::kVideos, s)},
          {"hours", r.word(SlotWords::kHours, s)},
          {"quarters", quarters},
          {"hours_text", activity::HoursWithQuarters(r.word(SlotWords::kHours, s), quarters)},
          {"return_visits", r.word(SlotWords::kReturnVisits, s)},
          {"studies", word & store::studies::kStudiesMask},
          {"participated", bit11},
          {"less_than_hour", !e.simplified() && bit11},
          {"pioneer_code", r.pioneer_code(s) & 3},
          {"credit", r.word(SlotWords::kPioCredit, s)},
          {"late", r.late_month(s) == doc.db().month().report_month_index + 1},
          {"late_month", r.late_month(s)},
          {"remark", platform::AnsiToUtf8(doc.RemarkText(row, s))},
          {"saved", saved}};
}

json TotalsMonthJson(const activity::HistoryEditor& e, const std::string& row, bool saved) {
  // The editor shows the stored card again once it is back in publisher mode.
  return {{"row", row},
          {"month", e.month_index() + 1},
          {"year", e.year()},
          {"read_only", e.read_only()},
          {"publications", std::stoi(e.publications)},
          {"videos", std::stoi(e.videos)},
          {"hours_text", e.hours},
          {"return_visits", std::stoi(e.return_visits)},
          {"studies", std::stoi(e.studies)},
          {"reports", std::stoi(e.credit)},
          {"active", std::stoi(e.active)},
          {"saved", saved}};
}

class HistoryCommand final : public CliCommand {
 public:
  std::string Name() const override { return "history"; }
  std::string Description() const override {
    return "Correct any stored month of a publisher or of the totals card (\"Editar "
           "Histórico\")";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--id", id_, "Publisher id");
    command.add_flag("--totals", totals_, "The totals card instead of a publisher");
    command.add_option("--row", row_,
                       "Totals row: publishers, auxiliary, regular, special, active (or "
                       "pioneers, the read-only sum)");
    command.add_option("--month", month_, "Month 1-12")->required();
    command.add_option("--year", year_, "Four-digit year")->required();
    command.add_option("--publications", publications_, "Publications");
    command.add_option("--videos", videos_, "Videos");
    command.add_option("--hours", hours_, "Hours as typed (\"12.3\" is 12.25)");
    command.add_option("--return-visits", return_visits_, "Return visits");
    command.add_option("--studies", studies_, "Bible studies");
    command.add_option("--credit", credit_, "Pioneer credit; in the totals, the reports");
    command.add_option("--active", active_, "Totals: active publishers (row active)");
    command.add_option("--pioneer", pioneer_, "0 none, 1 auxiliary, 2 regular, 3 special");
    command.add_option("--late", late_, "\"Atrasado\": yes or no");
    command.add_option("--less-than-hour", less_than_hour_, "\"<1h\": yes or no");
    command.add_option("--participated", participated_, "yes or no");
    command.add_option("--remark", remark_, "Remark (cut to 43 characters)");
    command.add_option("--password", password_, "Password of a protected folder");
  }

  int Run(const CliContext& context) override {
    for (auto [option, value] : {std::pair{"--late", &late_},
                                 {"--less-than-hour", &less_than_hour_},
                                 {"--participated", &participated_}}) {
      if (*value && !YesNo(*value))
        return Refuse(context, Strings().Format(str::kCliYesOrNo, {option}));
    }
    if (*month_ < 1 || *month_ > 12)
      return Refuse(context, Strings().Format(str::kCliNoSuchMonth, {std::to_string(*month_)}));
    if (totals_ == id_.has_value())
      return Refuse(context, Strings().Get(str::kCliHistoryIdOrTotals));
    const RowChoice* choice = nullptr;
    if (totals_) {
      for (const RowChoice& r : kRows)
        if (row_ && *row_ == r.name) choice = &r;
      if (!choice) return Refuse(context, Strings().Get(str::kCliHistoryRow));
    }
    if (pioneer_ && !NumberOption(context, "--pioneer", *pioneer_, 0, 3)) return kExitRefused;

    const bool edits = publications_ || videos_ || hours_ || return_visits_ || studies_ ||
                       credit_ || active_ || pioneer_ || late_ || less_than_hour_ ||
                       participated_ || remark_;
    auto doc = OpenCliDocument(context, edits ? CliAccess::kWrite : CliAccess::kRead, password_);
    if (!doc) return doc.exit_code();
    store::Document& document = *doc->document;
    auto& db = document.db();

    int row = 0;
    if (id_) {
      row = *id_ > 0 && *id_ <= 0xFFFF ? db.FindRow(static_cast<std::uint16_t>(*id_)) : 0;
    } else if (!db.status_list(store::ListType::kActive).empty()) {
      row = db.status_list(store::ListType::kActive).front().row;
    }
    if (row <= 0)
      return Refuse(context,
                    Strings().Format(str::kCliNoSuchPublisher, {std::to_string(id_.value_or(0))}));

    activity::HistoryEditor editor(document, row);
    if (totals_) (void)editor.SetTotals(true);
    if (Status chosen = editor.Choose(*year_, *month_ - 1); !chosen)
      return Refuse(context, chosen.error().text);
    if (totals_) {
      editor.ChooseDesignation(choice->designation);
      editor.ChoosePioneerRow(choice->pioneer_row);
      // The sum is shown only; it takes no values.
      if (edits && editor.read_only()) return Refuse(context, Strings().Get(str::kCliHistoryRow));
    }
    Apply(editor);
    if (remark_ && !totals_) {
      if (Status s = editor.RemarkLeft(platform::Utf8ToAnsi(*remark_).text); !s)
        PrintAnsi(*context.err, s.error().text);
    }

    bool saved = false;
    if (totals_) {
      // Leaving the totals mode stores the fields and writes the card back.
      const Result<bool> written = editor.SetTotals(false);
      if (!written) return Refuse(context, written.error().text);
      saved = *written;
      (void)editor.SetTotals(true);
      editor.ChooseDesignation(choice->designation);
      editor.ChoosePioneerRow(choice->pioneer_row);
    } else {
      const Result<bool> written = editor.Store();
      if (!written) return Refuse(context, written.error().text);
      saved = *written;
    }
    if (db.modified && !document.SaveCommand(/*from_menu=*/false)) return kExitFailed;
    const json out = totals_ ? TotalsMonthJson(editor, *row_, saved)
                             : PublisherMonthJson(document, row, editor, saved);
    *context.out << out.dump(1) << '\n';
    return kExitDone;
  }

 private:
  // The fields in the dialog's order, each left as the user would leave it.
  void Apply(activity::HistoryEditor& e) const {
    auto ansi = [](const std::string& utf8) { return platform::Utf8ToAnsi(utf8).text; };
    if (pioneer_) e.SetPioneer(std::stoi(*pioneer_));
    if (auto on = YesNo(participated_)) e.SetParticipated(*on);
    if (publications_) e.publications = ansi(*publications_);
    if (videos_) e.videos = ansi(*videos_);
    if (hours_) {
      e.hours = ansi(*hours_);
      e.HoursLeft();
    }
    if (auto on = YesNo(less_than_hour_)) e.SetLessThanHour(*on);
    if (return_visits_) e.return_visits = ansi(*return_visits_);
    if (studies_) e.studies = ansi(*studies_);
    if (credit_) e.credit = ansi(*credit_);
    if (active_) e.active = ansi(*active_);
    if (auto on = YesNo(late_)) e.SetLate(*on);
  }

  std::optional<int> id_;
  bool totals_ = false;
  std::optional<std::string> row_;
  std::optional<int> month_, year_;
  std::optional<std::string> publications_, videos_, hours_, return_visits_, studies_, credit_,
      active_, pioneer_, late_, less_than_hour_, participated_, remark_, password_;
};

}  // namespace

std::unique_ptr<CliCommand> MakeHistoryCommand() {
  return std::make_unique<HistoryCommand>();
}

}  // namespace ledra::cli
