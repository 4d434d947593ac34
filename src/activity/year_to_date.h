#pragma once
// The activity summary since the start of the year: twelve months up to the
// ReportMonth with the reports, Bible studies and hours of one category,
// taken from the publishers' records or from what went to the branch.

#include <array>
#include <optional>

#include "activity/month_calendar.h"
#include "activity/status_rules.h"
#include "store/congregation_database.h"

namespace ledra::activity {

enum class YtdCategory { kCongregation, kPublishers, kAuxiliary, kPioneers };
enum class YtdSource { kRecords, kTotalsCard };

struct YtdLine {
  CalendarMonth month;
  // Nothing where the table leaves the cell blank (outside the period, a
  // zero, hours of publishers, the month not started).
  std::optional<int> reports, studies, hours;
};

struct YearToDate {
  std::array<YtdLine, 12> lines;  // oldest first, the ReportMonth last
  std::optional<int> total_studies, total_hours;
  std::optional<double> average_studies, average_hours;
};

// `period`: six months, the service year or twelve months.
YearToDate ComputeYearToDate(const store::CongregationDatabase& db, YtdCategory category,
                             StatusPeriod period, YtdSource source);

}  // namespace ledra::activity
