#include "records/record_card_dialog.h"

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::records {

RecordCardDialogModel::RecordCardDialogModel(const store::Document& doc,
                                             const store::Settings& settings)
    : doc_(doc), settings_(settings) {
  Fill();
}

bool RecordCardDialogModel::inactive_offered() const {
  return !doc_.db().status_list(store::ListType::kInactive).empty();
}

void RecordCardDialogModel::SetInactive(bool on) {
  inactive_ = on && inactive_offered();
  Fill();
}

void RecordCardDialogModel::Fill() {
  const store::CongregationDatabase& db = doc_.db();
  entries_.clear();
  const auto list = inactive_ ? store::ListType::kInactive : store::ListType::kActive;
  for (const store::IndexEntry& e : db.status_list(list))
    entries_.push_back({e.row, db.DisplayName(e.row, !db.sort_by_first_name)});
  selected_ = entries_.empty() ? -1 : 0;
}

void RecordCardDialogModel::Select(int index) {
  if (index >= 0 && index < static_cast<int>(entries_.size())) selected_ = index;
}

std::optional<int> RecordCardDialogModel::selected_row() const {
  if (selected_ < 0) return std::nullopt;
  return entries_[static_cast<std::size_t>(selected_)].row;
}

std::optional<RecordCard> RecordCardDialogModel::PreviewCard() const {
  const auto row = selected_row();
  if (!row) return std::nullopt;
  return BuildRecordCard(doc_, settings_, {*row, previous_year_, inactive_, false});
}

bool RecordCardDialogModel::edit_enabled(bool read_only) const {
  return selected_row().has_value() && !read_only && !doc_.db().month().viewing_past;
}

RecordCard RecordCardDialogModel::PrintedCard(int row) const {
  const bool inactive = doc_.db().row(row).is(store::ListType::kInactive);
  return BuildRecordCard(doc_, settings_, {row, previous_year_, inactive, !settings_.one_per_page});
}

std::string RecordCardDialogModel::DocumentName(int row) const {
  return doc_.db().DisplayName(row, !doc_.db().sort_by_first_name);
}

std::vector<int> RecordCardDialogModel::FileRows(bool inactive) const {
  const store::CongregationDatabase& db = doc_.db();
  const auto& list =
      db.status_list(inactive ? store::ListType::kInactive : store::ListType::kActive);
  std::vector<int> rows;
  rows.reserve(list.size());
  const int groups = store::GroupTable::kMaxGroups;
  for (int g = 1; g <= groups + 1; ++g) {
    for (const store::IndexEntry& e : list) {
      const int group = db.row(e.row).group();
      const bool in_group = g <= groups ? group == g : group < 1 || group > groups;
      if (in_group) rows.push_back(e.row);
    }
  }
  return rows;
}

std::string RecordCardDialogModel::FileDocumentName(bool inactive) {
  return Strings().Get(inactive ? str::kCardInactiveFile : str::kCardActiveFile);
}

CardOptions CardOptionsOf(const store::Settings& s) {
  CardOptions o;
  o.group_numbers = s.print_groups;
  o.one_per_page = s.one_per_page;
  o.hide_birth = s.hide_birth;
  o.hide_averages_this_year = (s.hide_averages & 1) != 0;
  o.hide_averages_previous_year = (s.hide_averages & 2) != 0;
  o.hide_totals_this_year = (s.hide_averages & 4) != 0;
  o.hide_totals_previous_year = (s.hide_averages & 8) != 0;
  return o;
}

bool ApplyCardOptions(const CardOptions& o, store::Settings& s) {
  if (o == CardOptionsOf(s)) return false;
  s.print_groups = o.group_numbers;
  s.one_per_page = o.one_per_page;
  s.hide_birth = o.hide_birth;
  // Bits beyond the four choices are kept as the file had them.
  s.hide_averages = (s.hide_averages & ~15) | (o.hide_averages_this_year ? 1 : 0) |
                    (o.hide_averages_previous_year ? 2 : 0) | (o.hide_totals_this_year ? 4 : 0) |
                    (o.hide_totals_previous_year ? 8 : 0);
  return true;
}

}  // namespace ledra::records
