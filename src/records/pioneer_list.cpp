#include "records/pioneer_list.h"

#include "activity/month_calendar.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/month_window.h"
#include "store/month_slot.h"

namespace ledra::records {

PioneerList::PioneerList(store::CongregationDatabase& db, PioneerMode mode)
    : db_(db),
      mode_(mode),
      year_(2000 + db.month().report_year),
      month_index_(db.month().report_month_index) {}

void PioneerList::SetSpecial(bool on) {
  if (mode_ == PioneerMode::kAuxiliary) return;
  mode_ = on ? PioneerMode::kSpecial : PioneerMode::kRegular;
}

std::vector<int> PioneerList::years() const {
  return WindowYears(db_);
}

std::vector<int> PioneerList::months(int year) const {
  return WindowMonths(db_, year);
}

Status PioneerList::Choose(int year, int month_index) {
  if (!WindowMonthOffered(db_, year, month_index))
    return Message{str::kPioneerListMonthRefused,
                   Strings().Format(str::kPioneerListMonthRefused,
                                    {activity::MonthName(month_index), std::to_string(year)})};
  year_ = year;
  month_index_ = month_index;
  return {};
}

int PioneerList::slot() const {
  return store::MonthSlot(month_index_, year_ - 2000);
}

std::vector<int> PioneerList::listed() const {
  std::vector<int> rows;
  const int code = static_cast<int>(mode_);
  for (const store::IndexEntry& e : db_.status_list(store::ListType::kActive))
    if ((db_.row(e.row).pioneer_code(slot()) & 3) == code) rows.push_back(e.row);
  return rows;
}

std::vector<int> PioneerList::others() const {
  std::vector<int> rows;
  for (const store::IndexEntry& e : db_.status_list(store::ListType::kActive))
    if ((db_.row(e.row).pioneer_code(slot()) & 3) == 0) rows.push_back(e.row);
  return rows;
}

std::string PioneerList::caption() const {
  const int title = mode_ == PioneerMode::kAuxiliary ? str::kPioneerListAuxiliary
                    : mode_ == PioneerMode::kRegular ? str::kPioneerListRegular
                                                     : str::kPioneerListSpecial;
  return FormatPrintf(
      "%s - %s %d ( %d )",
      {std::string_view(Strings().Get(title)), std::string_view(activity::MonthName(month_index_)),
       (year_ - 2000) % 100, static_cast<int>(listed().size())});
}

bool PioneerList::IsListedActive(int row) const {
  return row > 0 && row < db_.count() && db_.row(row).is(store::ListType::kActive);
}

Status PioneerList::Add(int row, Prompter& prompter) {
  if (!IsListedActive(row) || (db_.row(row).pioneer_code(slot()) & 3) != 0)
    return Message{str::kPioneerListNotOffered, Strings().Get(str::kPioneerListNotOffered)};
  store::PublisherRecord& p = db_.row(row);
  // Only the code's two bits change.
  p.set_pioneer_code(
      slot(), static_cast<std::uint8_t>((p.pioneer_code(slot()) & ~3) | static_cast<int>(mode_)));
  db_.modified = true;
  db_.RebuildIndexes(prompter);
  return {};
}

Status PioneerList::Remove(int row, Prompter& prompter) {
  if (!IsListedActive(row) || (db_.row(row).pioneer_code(slot()) & 3) != static_cast<int>(mode_))
    return Message{str::kPioneerListNotOffered, Strings().Get(str::kPioneerListNotOffered)};
  store::PublisherRecord& p = db_.row(row);
  p.set_pioneer_code(slot(), static_cast<std::uint8_t>(p.pioneer_code(slot()) & ~3));
  const bool report_month =
      month_index_ == db_.month().report_month_index && year_ - 2000 == db_.month().report_year;
  if (report_month && mode_ != PioneerMode::kRegular)
    p.SetU8(239, static_cast<std::uint8_t>(p.attribute_flags() & ~store::attr::kRegularAuxiliary));
  db_.modified = true;
  db_.RebuildIndexes(prompter);
  return {};
}

}  // namespace ledra::records
