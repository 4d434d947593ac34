#include "activity/sheet_list.h"

#include "activity/month_calendar.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::activity {

bool SlotHasReport(const store::PublisherRecord& p, int slot) {
  return p.word(store::SlotWords::kHours, slot) != 0 ||
         (p.word(store::SlotWords::kStudiesWord, slot) & 0xF800) != 0;
}

bool SlotHasRemark(const store::CongregationDatabase& db, const store::PublisherRecord& p,
                   int slot) {
  const std::uint16_t pos = p.word(store::SlotWords::kRemarkIndex, slot);
  return pos >= 1 && pos < db.side.remarks.size() && !db.side.remarks[pos].text.empty();
}

std::vector<SheetLine> SheetList::Lines() const {
  const auto& m = db_.month();
  const int slot = store::MonthSlot(m.report_month_index, m.report_year);
  std::vector<SheetLine> lines;
  for (const store::IndexEntry& e : db_.status_list(store::ListType::kActive)) {
    const store::PublisherRecord& p = db_.row(e.row);
    if (group_ != 0 && p.group() != group_) continue;
    if (missing_only_ && (SlotHasReport(p, slot) || SlotHasRemark(db_, p, slot))) continue;
    lines.push_back({p.id(), e.row, db_.DisplayName(e.row, !db_.sort_by_first_name)});
  }
  return lines;
}

std::vector<std::string> SheetList::GroupChoices() const {
  std::vector<std::string> choices{Strings().Get(str::kSheetGroupAll)};
  const auto& groups = db_.side.groups;
  using Text = store::GroupTable::Text;
  for (int g = 1; g <= groups.count(); ++g) {
    const std::string label = groups.text(g, Text::kName);
    if (groups.name_shown(g) == 1 && !label.empty()) {
      choices.push_back(label);
      continue;
    }
    const std::string overseer = groups.text(g, Text::kOverseer);
    choices.push_back(
        Strings().Format(str::kSheetGroupLabel,
                         {Strings().Get(str::kSheetGroup), std::to_string(g),
                          overseer.empty() ? "" : Strings().Get(str::kSheetGroupDash), overseer}));
  }
  return choices;
}

std::string SheetList::Caption() const {
  const auto active = db_.status_list(store::ListType::kActive).size();
  return Strings().Format(str::kSheetListTitle, {MonthName(db_.month().report_month_index)}) +
         Strings().Format(str::kSheetListCount, {std::to_string(active)}) +
         Strings().Get(str::kSheetListActive);
}

std::string SheetList::EnteredUpTo() const {
  if (db_.last_entered_id == 0) return {};
  return db_.DisplayNameById(db_.last_entered_id, !db_.sort_by_first_name);
}

}  // namespace ledra::activity
