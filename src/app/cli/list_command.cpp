// `ledra-cli list KIND`: a status list of the View menu as its dialog shows
// it for a month, period, group and selection, or the not-reported list's
// clipboard text.

#include "cli/list_command.h"

#include <CLI/CLI.hpp>
#include <array>
#include <charconv>
#include <nlohmann/json.hpp>
#include <ostream>

#include "activity/status_list.h"
#include "cli/cli_document.h"
#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/settings.h"

namespace ledra::cli {
namespace {

using activity::StatusListKind;
using activity::StatusPeriod;
using json = nlohmann::ordered_json;

struct KindName {
  std::string_view name;
  StatusListKind kind;
};
constexpr std::array<KindName, 18> kKinds{{
    {"not-reported", StatusListKind::kNotReported},
    {"irregular", StatusListKind::kIrregular},
    {"new", StatusListKind::kNew},
    {"reactivated", StatusListKind::kReactivated},
    {"inactive", StatusListKind::kInactive},
    {"moved", StatusListKind::kMoved},
    {"baptised", StatusListKind::kBaptised},
    {"auxiliary", StatusListKind::kAuxiliary},
    {"conductors", StatusListKind::kConductors},
    {"unbaptised", StatusListKind::kUnbaptised},
    {"students", StatusListKind::kStudents},
    {"collection-form", StatusListKind::kCollectionForm},
    {"privileges", StatusListKind::kPrivileges},
    {"consent", StatusListKind::kConsent},
    {"no-consent", StatusListKind::kNoConsent},
    {"special-needs", StatusListKind::kSpecialNeeds},
    {"special-category", StatusListKind::kSpecialCategory},
    {"inactive-candidates", StatusListKind::kInactiveCandidates},
}};

struct PeriodName {
  std::string_view name;
  StatusPeriod period;
};
constexpr std::array<PeriodName, 6> kPeriods{{
    {"six", StatusPeriod::kSixMonths},
    {"service-year", StatusPeriod::kServiceYear},
    {"twelve", StatusPeriod::kTwelveMonths},
    {"twenty-four", StatusPeriod::kTwentyFourMonths},
    {"over-twelve", StatusPeriod::kOverTwelveMonths},
    {"all", StatusPeriod::kAll},
}};

std::string PeriodNames(StatusListKind kind) {
  std::string names;
  for (StatusPeriod p : activity::StatusList::Periods(kind)) {
    for (const PeriodName& n : kPeriods)
      if (n.period == p) names += (names.empty() ? "" : ", ") + std::string(n.name);
  }
  return names;
}

// A whole number as typed; nothing for anything else.
std::optional<int> Number(const std::string& text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string Utf8(const std::string& ansi) {
  return platform::AnsiToUtf8(ansi);
}

class ListCommand final : public CliCommand {
 public:
  std::string Name() const override { return "list"; }
  std::string Description() const override {
    return "A status list of the View menu (not-reported, irregular, new, ...) as JSON (reads "
           "only)";
  }
  void Configure(CLI::App& command) override {
    command.add_option("kind", kind_, "not-reported, irregular, new, reactivated, inactive, ...")
        ->required();
    command.add_option("--month", month_, "Month 1-12 of not-reported and collection-form");
    command.add_option("--period", period_,
                       "six, service-year, twelve, twenty-four, over-twelve or all");
    command.add_option("--group", group_, "Field service group; 0 = the congregation");
    command.add_option("--choice", choice_,
                       "0-based row of the selection list (baptism range, appointment, need)");
    command.add_flag("--clipboard", clipboard_, "not-reported: print the clipboard text instead");
    command.add_option("--password", password_, "Password of a protected folder");
  }

  int Run(const CliContext& context) override {
    auto doc = OpenCliDocument(context, CliAccess::kRead, password_);
    if (!doc) return doc.exit_code();
    const auto& db = doc->document->db();
    const store::Settings settings =
        store::LoadSettings(store::SettingsPath(context.data_dir), db.language_code);
    const activity::StatusList list(db,
                                    {settings.special_category_enabled, settings.special_category});
    activity::StatusListChoice choice;
    if (const int refused = ParseChoice(context, list, db, choice); refused != 0) return refused;
    if (clipboard_) {
      const Result<std::string> text = list.ClipboardText(choice);
      if (!text) return Refuse(context, text.error().text);
      *context.out << Utf8(*text);
      return 0;
    }
    const Result<activity::StatusListPage> page = list.Build(choice);
    if (!page) return Refuse(context, page.error().text);
    json lines = json::array();
    for (const activity::StatusLine& l : page->lines)
      lines.push_back({{"id", l.id}, {"text", Utf8(l.text)}});
    json out = {{"kind", kind_},
                {"caption", Utf8(page->caption)},
                {"heading", Utf8(page->heading)},
                {"lines", lines},
                // The inactive editor's list has no place in the dialog's drop-down.
                {"number", choice.kind == StatusListKind::kInactiveCandidates
                               ? json(nullptr)
                               : json(list.DialogNumber(choice.kind))},
                {"count", page->lines.size()},
                {"tab_stops", page->tab_stops}};
    *context.out << out.dump(1) << '\n';
    return 0;
  }

 private:
  // Turns the options into the dialog's choice; 0, or the refusal's exit code.
  int ParseChoice(const CliContext& context, const activity::StatusList& list,
                  const store::CongregationDatabase& db, activity::StatusListChoice& choice) const {
    using activity::StatusList;
    const auto kind = std::ranges::find(kKinds, kind_, &KindName::name);
    if (kind == kKinds.end()) {
      std::string names;
      for (const KindName& k : kKinds) names += (names.empty() ? "" : ", ") + std::string(k.name);
      return Refuse(context, Strings().Format(str::kCliNoSuchList,
                                              {platform::Utf8ToAnsi(kind_).text, names}));
    }
    choice.kind = kind->kind;
    auto not_for_list = [&](std::string_view option) {
      return Refuse(context, Strings().Format(str::kCliOptionNotForList, {option}));
    };
    if (month_) {
      if (!StatusList::ChoosesMonth(choice.kind)) return not_for_list("--month");
      const auto month = Number(*month_);
      if (!month || *month < 1 || *month > 12)
        return Refuse(context,
                      Strings().Format(str::kCliNoSuchMonth, {platform::Utf8ToAnsi(*month_).text}));
      choice.month_index = *month - 1;
    }
    if (period_) {
      if (StatusList::Periods(choice.kind).empty()) return not_for_list("--period");
      const auto period = std::ranges::find(kPeriods, *period_, &PeriodName::name);
      const auto offered = StatusList::Periods(choice.kind);
      if (period == kPeriods.end() || std::ranges::find(offered, period->period) == offered.end())
        return Refuse(context,
                      Strings().Format(str::kCliNoSuchPeriod, {platform::Utf8ToAnsi(*period_).text,
                                                               PeriodNames(choice.kind)}));
      choice.period = period->period;
    }
    if (group_) {
      if (!StatusList::ChoosesGroup(choice.kind)) return not_for_list("--group");
      const auto group = Number(*group_);
      // A number out of range is the list's refusal.
      if (!group)
        return Refuse(context, Strings().Format(str::kCliNoSuchGroup,
                                                {platform::Utf8ToAnsi(*group_).text,
                                                 std::to_string(db.side.groups.count())}));
      choice.group = *group;
    }
    if (choice_) {
      const bool has_rows = choice.kind == StatusListKind::kBaptised ||
                            choice.kind == StatusListKind::kPrivileges ||
                            choice.kind == StatusListKind::kSpecialNeeds;
      if (!has_rows) return not_for_list("--choice");
      const auto row = Number(*choice_);
      if (!row) {
        const auto rows = list.Selections(choice.kind).size();
        return Refuse(context, Strings().Format(str::kCliNoSuchChoice,
                                                {platform::Utf8ToAnsi(*choice_).text,
                                                 std::to_string(static_cast<int>(rows) - 1)}));
      }
      choice.selection = *row;
    }
    if (clipboard_ && choice.kind != StatusListKind::kNotReported)
      return not_for_list("--clipboard");
    return 0;
  }

  std::string kind_;
  std::optional<std::string> month_, period_, group_, choice_, password_;
  bool clipboard_ = false;
};

}  // namespace

std::unique_ptr<CliCommand> MakeListCommand() {
  return std::make_unique<ListCommand>();
}

}  // namespace ledra::cli
