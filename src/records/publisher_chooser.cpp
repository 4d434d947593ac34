#include "records/publisher_chooser.h"

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::records {

std::string ListName(const store::CongregationDatabase& db, int row) {
  return db.DisplayName(row, !db.sort_by_first_name);
}

PublisherChooser::PublisherChooser(const store::CongregationDatabase& db, ChooserMode mode)
    : db_(db), mode_(mode) {
  Refill();
  if (!ids_.empty()) selected_ = 0;
}

void PublisherChooser::Refill() {
  const std::uint16_t keep = selected_id();
  ids_.clear();
  names_.clear();
  for (const store::IndexEntry& e : db_.status_list(store::ListType::kActive)) {
    if (e.row <= 0 || e.row >= db_.count()) continue;
    ids_.push_back(e.id);
    names_.push_back(ListName(db_, e.row));
  }
  selected_ = ids_.empty() ? -1 : 0;
  if (keep != 0) SelectId(keep);
}

std::uint16_t PublisherChooser::selected_id() const {
  if (selected_ < 0 || selected_ >= static_cast<int>(ids_.size())) return 0;
  return ids_[static_cast<std::size_t>(selected_)];
}

void PublisherChooser::Select(int index) {
  if (index >= 0 && index < static_cast<int>(ids_.size())) selected_ = index;
}

bool PublisherChooser::SelectId(std::uint16_t id) {
  for (std::size_t i = 0; i < ids_.size(); ++i) {
    if (ids_[i] == id) {
      selected_ = static_cast<int>(i);
      return true;
    }
  }
  return false;
}

void PublisherChooser::Move(int delta) {
  const int n = static_cast<int>(ids_.size());
  if (n == 0) return;
  selected_ = (((selected_ + delta) % n) + n) % n;
}

std::string PublisherChooser::title() const {
  return Strings().Get(str::kRecChooserTitle);
}

std::string PublisherChooser::accept_text() const {
  return mode_ == ChooserMode::kEdit ? Strings().Get(str::kRecEditButton)
                                     : "&" + Strings().Get(str::kRecPickButton);
}

std::string PublisherChooser::close_text() const {
  return mode_ == ChooserMode::kEdit ? Strings().Get(str::kRecExitButton)
                                     : "&" + Strings().Get(str::kRecCancelButton);
}

AddChoices OfferedAddChoices(const store::CongregationDatabase& db) {
  AddChoices c;
  c.from_bible_students = !db.status_list(store::ListType::kNonPublisher).empty();
  c.from_inactive = !db.status_list(store::ListType::kInactive).empty();
  c.ask = c.from_bible_students || c.from_inactive;
  return c;
}

}  // namespace ledra::records
