#pragma once
// Emptying the late-report list: the command stays disabled until F11 is
// pressed while the list holds entries, and is disabled again once used.
// The publishers' monthly figures stay; the late reports only stop counting
// towards the current month's report to the branch.

#include <string>

#include "store/congregation_database.h"

namespace ledra::activity {

class LateReportsCommand {
 public:
  bool enabled() const { return enabled_; }
  // F11 in the main view.
  void OnUnlockKey(const store::CongregationDatabase& db) {
    if (!db.late_entries().empty()) enabled_ = true;
  }
  // "Click OK para apagar %1 relatorio(s)" with the list's count.
  static std::string ConfirmText(const store::CongregationDatabase& db);
  // After OK: returns how many entries were removed.
  int Delete(store::CongregationDatabase& db);

 private:
  bool enabled_ = false;
};

}  // namespace ledra::activity
