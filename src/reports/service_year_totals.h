#pragma once
// The service-year totals (kinds 44-46): for the congregation, the regular
// pioneers or the elders and ministerial servants, each person's months
// reported, Bible studies, months as auxiliary pioneer and hours from
// September to the ReportMonth, with the totals of the last three.

#include <string>
#include <vector>

#include "reports/report_frame.h"
#include "store/congregation_database.h"

namespace ledra::reports {

inline constexpr int kServiceYearCongregation = 44;
inline constexpr int kServiceYearPioneers = 45;
inline constexpr int kServiceYearServants = 46;

struct ServiceYearLine {
  std::string name;  // ANSI
  int reported = 0, studies = 0, auxiliary = 0;
  int hours = 0;  // whole quarter hours carried in
};

// Months of the service year up to the ReportMonth: 1 in September, 12 in August.
int ServiceYearMonths(int report_month_index);

std::vector<ServiceYearLine> ServiceYearLines(const store::CongregationDatabase& db, int kind,
                                              bool surname_first);

int DrawServiceYearTotals(ReportFrame& frame, const store::CongregationDatabase& db, int kind,
                          int group);

}  // namespace ledra::reports
