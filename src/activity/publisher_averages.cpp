#include "activity/publisher_averages.h"

#include <algorithm>

#include "activity/sheet_list.h"
#include "activity/status_rules.h"

namespace ledra::activity {

PublisherAverages ComputePublisherAverages(const store::CongregationDatabase& db,
                                           const store::PublisherRecord& p) {
  PublisherAverages a;
  const int kind = ChangeKind(p.status_change());
  a.window = kind == kChangeNew || kind == kChangeMovedIn ? IrregularWindow(db, p) : 6;
  const std::vector<CalendarMonth> months = WalkBack(db, 6);
  int studies_3 = 0, studies_6 = 0;
  int hours_3 = 0, hours_6 = 0, hour_months_3 = 0, hour_months_6 = 0;
  for (int i = 0; i < 6; ++i) {
    const int slot = months[static_cast<std::size_t>(i)].slot();
    const bool in_3 = i < 3;
    const bool in_window = i < a.window;
    if (SlotHasReport(p, slot)) {
      a.reported_6 += 1;
      if (in_3) a.reported_3 += 1;
    }
    const int code = p.pioneer_code(slot) & 3;
    if (code == 1) {
      a.auxiliary_6 += 1;
      if (in_3) a.auxiliary_3 += 1;
    }
    if (!in_window) continue;
    const int studies = p.word(store::SlotWords::kStudiesWord, slot) & store::studies::kStudiesMask;
    studies_6 += studies;
    if (in_3) studies_3 += studies;
    const int hours = p.word(store::SlotWords::kHours, slot);
    if (code == 0 || hours == 0) continue;
    hours_6 += hours;
    hour_months_6 += 1;
    if (in_3) {
      hours_3 += hours;
      hour_months_3 += 1;
    }
  }
  const int months_3 = std::min(a.window, 3), months_6 = std::min(a.window, 6);
  a.studies_3 = months_3 > 0 ? static_cast<double>(studies_3) / months_3 : 0.0;
  a.studies_6 = months_6 > 0 ? static_cast<double>(studies_6) / months_6 : 0.0;
  const double h6 = hour_months_6 > 0 ? static_cast<double>(hours_6) / hour_months_6 : 0.0;
  if (h6 >= 0.01) {
    a.hours_6 = h6;
    a.hours_3 = hour_months_3 > 0 ? static_cast<double>(hours_3) / hour_months_3 : 0.0;
  }
  return a;
}

}  // namespace ledra::activity
