#pragma once
// The pioneer hours report (kind 47): each regular pioneer's hours and credit
// in the service year so far, the average, and what remains for the year and
// per month left.

#include <string>
#include <vector>

#include "reports/report_frame.h"
#include "store/congregation_database.h"

namespace ledra::reports {

inline constexpr int kPioneerHoursReport = 47;

struct PioneerHoursLine {
  std::string name;  // ANSI, with " *" when the pioneer started after September
  int hours = 0, credit = 0;
  double average = 0;
  int remaining = 0;
  double per_month = 0;  // 0.0 when nothing remains
  bool late_start = false;
};

std::vector<PioneerHoursLine> PioneerHoursLines(const store::CongregationDatabase& db,
                                                bool surname_first);

int DrawPioneerHours(ReportFrame& frame, const store::CongregationDatabase& db, int kind,
                     int group);

}  // namespace ledra::reports
