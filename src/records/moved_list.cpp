#include "records/moved_list.h"

#include "activity/status_rules.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/list_transfers.h"

namespace ledra::records {

std::vector<ListEntry> MovedListModel::left() const {
  std::vector<ListEntry> entries;
  for (const store::IndexEntry& e : db_.status_list(store::ListType::kMoved)) {
    const store::PublisherRecord& p = db_.row(e.row);
    const int month = activity::ChangeMonth(p.status_change());
    std::string text = db_.DisplayName(e.row, !db_.sort_by_first_name) + "\t";
    if (month >= 1 && month <= 12) text += Strings().Get(str::kShortMonthJanuary + month - 1);
    entries.push_back({e.row, text});
  }
  return entries;
}

std::vector<ListEntry> MovedListModel::right() const {
  std::vector<ListEntry> entries;
  for (auto list : {store::ListType::kActive, store::ListType::kInactive})
    for (const store::IndexEntry& e : db_.status_list(list))
      entries.push_back({e.row, db_.DisplayName(e.row, !db_.sort_by_first_name)});
  return entries;
}

bool MovedListModel::can_move() const {
  return static_cast<int>(db_.status_list(store::ListType::kMoved).size()) < kMaxMoved;
}

std::string MovedListModel::undo_question(int row) const {
  return Strings().Format(str::kMovedUndoQuestion, {db_.DisplayName(row, !db_.sort_by_first_name)});
}

}  // namespace ledra::records
