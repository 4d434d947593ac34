#include "cli/status_list_args.h"

#include <array>
#include <charconv>

#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::cli {
namespace {

using activity::StatusListKind;
using activity::StatusPeriod;

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

}  // namespace

void StatusListArgs::AddOptions(CLI::App& command, bool with_group) {
  command.add_option("--month", month, "Month 1-12 of not-reported and collection-form");
  command.add_option("--period", period,
                     "six, service-year, twelve, twenty-four, over-twelve or all");
  if (with_group) command.add_option("--group", group, "Field service group; 0 = the congregation");
  command.add_option("--choice", row,
                     "0-based row of the selection list (baptism range, appointment, need)");
}

int StatusListArgs::Parse(const CliContext& context, const activity::StatusList& list,
                          const store::CongregationDatabase& db,
                          activity::StatusListChoice& out) const {
  using activity::StatusList;
  const auto named = std::ranges::find(kKinds, kind, &KindName::name);
  if (named == kKinds.end()) {
    std::string names;
    for (const KindName& k : kKinds) names += (names.empty() ? "" : ", ") + std::string(k.name);
    return Refuse(context,
                  Strings().Format(str::kCliNoSuchList, {platform::Utf8ToAnsi(kind).text, names}));
  }
  out.kind = named->kind;
  auto not_for_list = [&](std::string_view option) {
    return Refuse(context, Strings().Format(str::kCliOptionNotForList, {option}));
  };
  if (month) {
    if (!StatusList::ChoosesMonth(out.kind)) return not_for_list("--month");
    const auto number = Number(*month);
    if (!number || *number < 1 || *number > 12)
      return Refuse(context,
                    Strings().Format(str::kCliNoSuchMonth, {platform::Utf8ToAnsi(*month).text}));
    out.month_index = *number - 1;
  }
  if (period) {
    if (StatusList::Periods(out.kind).empty()) return not_for_list("--period");
    const auto found = std::ranges::find(kPeriods, *period, &PeriodName::name);
    const auto offered = StatusList::Periods(out.kind);
    if (found == kPeriods.end() || std::ranges::find(offered, found->period) == offered.end())
      return Refuse(context,
                    Strings().Format(str::kCliNoSuchPeriod,
                                     {platform::Utf8ToAnsi(*period).text, PeriodNames(out.kind)}));
    out.period = found->period;
  }
  if (group) {
    if (!StatusList::ChoosesGroup(out.kind)) return not_for_list("--group");
    const auto number = Number(*group);
    // A number out of range is the list's refusal.
    if (!number)
      return Refuse(context, Strings().Format(str::kCliNoSuchGroup,
                                              {platform::Utf8ToAnsi(*group).text,
                                               std::to_string(db.side.groups.count())}));
    out.group = *number;
  }
  if (row) {
    const bool has_rows = out.kind == StatusListKind::kBaptised ||
                          out.kind == StatusListKind::kPrivileges ||
                          out.kind == StatusListKind::kSpecialNeeds;
    if (!has_rows) return not_for_list("--choice");
    const auto number = Number(*row);
    if (!number) {
      const auto rows = list.Selections(out.kind).size();
      return Refuse(context, Strings().Format(str::kCliNoSuchChoice,
                                              {platform::Utf8ToAnsi(*row).text,
                                               std::to_string(static_cast<int>(rows) - 1)}));
    }
    out.selection = *number;
  }
  return 0;
}

}  // namespace ledra::cli
