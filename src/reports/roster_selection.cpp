#include "reports/roster_selection.h"

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::reports {
namespace {

constexpr int kElders = 25004, kAnd = 25005, kServants = 25006, kRegularPioneers = 25007;
constexpr int kGroupLabel = 20904;  // "Grupo #"

bool Keeps(const store::CongregationDatabase& db, const store::PublisherRecord& rec,
           RosterVariant variant, int group) {
  switch (variant) {
    case RosterVariant::kGroup:
      return rec.group() == group;
    case RosterVariant::kInactive:
      return group == 0 || rec.group() == group;
    case RosterVariant::kServants: {
      const int servant = rec.attribute_flags() & store::attr::kServantMask;
      return servant == 1 || servant == 2;
    }
    case RosterVariant::kPioneers: {
      const auto& m = db.month();
      return (rec.pioneer_code(store::MonthSlot(m.report_month_index, m.report_year)) & 3) == 2;
    }
    default:
      return true;
  }
}

std::string GroupName(const store::CongregationDatabase& db, int group) {
  if (group >= 1 && group <= db.side.groups.count()) {
    std::string name = db.side.groups.text(group, store::GroupTable::Text::kName);
    if (!name.empty()) return name;
  }
  return Strings().Get(kGroupLabel) + std::to_string(group);
}

}  // namespace

std::vector<int> RosterRows(const store::CongregationDatabase& db, RosterVariant variant,
                            int group) {
  const store::ListType list =
      variant == RosterVariant::kInactive ? store::ListType::kInactive : store::ListType::kActive;
  std::vector<int> rows;
  for (const store::IndexEntry& e : db.status_list(list))
    if (Keeps(db, db.row(e.row), variant, group)) rows.push_back(e.row);
  return rows;
}

std::string RosterSubtitle(const store::CongregationDatabase& db, RosterVariant variant,
                           int group) {
  const StringTable& s = Strings();
  switch (variant) {
    case RosterVariant::kGroup:
      return GroupName(db, group);
    case RosterVariant::kServants:
      return s.Get(kElders) + s.Get(kAnd) + s.Get(kServants);
    case RosterVariant::kPioneers:
      return s.Get(kRegularPioneers);
    case RosterVariant::kInactive:
      return group == 0 ? s.Get(str::kAnalysisInactive)
                        : s.Get(str::kAnalysisInactive) + " - " + GroupName(db, group);
    default:
      return {};
  }
}

}  // namespace ledra::reports
