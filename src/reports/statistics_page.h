#pragma once
// The statistics page (kind 20): one page of the congregation's figures at
// the end of the ReportMonth.

#include "reports/report_frame.h"
#include "store/congregation_database.h"

namespace ledra::reports {

inline constexpr int kStatisticsPage = 20;

int DrawStatistics(ReportFrame& frame, const store::CongregationDatabase& db, int kind, int group);

}  // namespace ledra::reports
