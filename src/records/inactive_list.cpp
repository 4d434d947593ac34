#include "records/inactive_list.h"

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/list_transfers.h"

namespace ledra::records {
namespace {

using activity::StatusPeriod;

constexpr StatusPeriod kFilters[] = {StatusPeriod::kSixMonths, StatusPeriod::kServiceYear,
                                     StatusPeriod::kTwelveMonths, StatusPeriod::kOverTwelveMonths,
                                     StatusPeriod::kAll};

std::string MonthYear(int month, int year) {
  if (month < 1 || month > 12) return {};
  return Strings().Get(str::kShortMonthJanuary + month - 1) + " " + std::to_string(year);
}

}  // namespace

InactiveListModel::InactiveListModel(const store::CongregationDatabase& db, InactiveMode mode)
    : db_(db), mode_(mode) {}

std::string InactiveListModel::caption() const {
  return Strings().Get(mode_ == InactiveMode::kInactive ? str::kInactiveListCaption
                                                        : str::kDeletedListCaption);
}

std::string InactiveListModel::frame_caption() const {
  return FormatPrintf(" %s ", {std::string_view(Strings().Get(str::kDeletedListFrame))});
}

std::string InactiveListModel::filter_text() const {
  return Strings().Get(str::kStatusPeriodSix + static_cast<int>(filter_));
}

void InactiveListModel::NextFilter() {
  std::size_t i = 0;
  while (i < std::size(kFilters) && kFilters[i] != filter_) ++i;
  filter_ = kFilters[(i + 1) % std::size(kFilters)];
}

bool InactiveListModel::Shown(const store::PublisherRecord& p) const {
  if (mode_ == InactiveMode::kDeleted || filter_ == StatusPeriod::kAll) return true;
  if (filter_ == StatusPeriod::kOverTwelveMonths)
    return activity::InactiveMonth(db_, p, StatusPeriod::kTwelveMonths) == 0;
  return activity::InactiveMonth(db_, p, filter_) != 0;
}

std::vector<ListEntry> InactiveListModel::left() const {
  std::vector<ListEntry> entries;
  const bool deleted = mode_ == InactiveMode::kDeleted;
  for (const store::IndexEntry& e :
       db_.status_list(deleted ? store::ListType::kDeleted : store::ListType::kInactive)) {
    const store::PublisherRecord& p = db_.row(e.row);
    if (!Shown(p)) continue;
    std::string when;
    if (deleted) {
      // The deletion date word: month + (year - 1950) x 256.
      const int word = p.status_counter();
      when = MonthYear(word & 0xFF, 1950 + (word >> 8));
    } else {
      when = MonthYear(activity::ChangeMonth(p.status_change()),
                       activity::InactiveYear(p.status_copy()));
    }
    entries.push_back({e.row, db_.DisplayName(e.row, !db_.sort_by_first_name) + "\t" + when});
  }
  return entries;
}

std::vector<ListEntry> InactiveListModel::right() const {
  std::vector<ListEntry> entries;
  if (!right_visible()) return entries;
  for (const store::IndexEntry& e : db_.status_list(store::ListType::kActive))
    if (activity::IsInactiveCandidate(db_, db_.row(e.row)))
      entries.push_back({e.row, db_.DisplayName(e.row, !db_.sort_by_first_name)});
  return entries;
}

std::string InactiveListModel::main_text(ListSide side) const {
  if (mode_ == InactiveMode::kDeleted) return Strings().Get(str::kDeletedListRestore);
  return Strings().Get(side == ListSide::kRight ? str::kInactiveListMakeInactive
                                                : str::kInactiveListReactivate);
}

bool InactiveListModel::can_make_inactive() const {
  return static_cast<int>(db_.status_list(store::ListType::kInactive).size()) < kMaxInactive;
}

std::string DeleteQuestion(const store::CongregationDatabase& db, int row) {
  return Strings().Format(str::kListDeleteQuestion, {db.DisplayName(row, !db.sort_by_first_name)});
}

}  // namespace ledra::records
