#include "activity/late_reports.h"

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::activity {

std::string LateReportsCommand::ConfirmText(const store::CongregationDatabase& db) {
  return Strings().Format(str::kDeleteLateReportsConfirm,
                          {std::to_string(db.late_entries().size())});
}

int LateReportsCommand::Delete(store::CongregationDatabase& db) {
  const int n = static_cast<int>(db.late_entries().size());
  db.late_entries().clear();
  enabled_ = false;
  db.modified = true;
  return n;
}

}  // namespace ledra::activity
