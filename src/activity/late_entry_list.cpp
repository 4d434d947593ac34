#include "activity/late_entry_list.h"

#include <algorithm>

namespace ledra::activity {

bool LateReportQueued(const store::CongregationDatabase& db, std::uint16_t id, int month_index) {
  return std::any_of(
      db.late_entries().begin(), db.late_entries().end(),
      [&](const store::LateEntry& e) { return e.id == id && e.month == month_index; });
}

bool QueueLateReport(store::CongregationDatabase& db, std::uint16_t id, int month_index) {
  auto& list = db.late_entries();
  const store::LateEntry entry{id, static_cast<std::uint8_t>(month_index),
                               static_cast<std::uint8_t>(db.month().report_month_index + 1)};
  const auto same = std::find_if(list.begin(), list.end(), [&](const store::LateEntry& e) {
    return e.id == id && e.month == month_index;
  });
  if (same != list.end()) {
    list.erase(same);
    list.push_back(entry);
    return true;
  }
  if (static_cast<int>(list.size()) >= store::kMaxLateEntries) return false;
  list.push_back(entry);
  return true;
}

}  // namespace ledra::activity
