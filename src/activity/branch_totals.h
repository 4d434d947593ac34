#pragma once
// The report to the branch office: how many publishers, auxiliary and
// regular pioneers reported in the ReportMonth (late reports in the queue
// included), their figures by category, and the 24 months the totals card
// keeps. Special servants and field missionaries report to the branch
// themselves and are left out; a publisher's hours count nowhere.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "store/congregation_database.h"

namespace ledra::activity {

// 4 rows (publishers, auxiliary, regular, special pioneers) x 9 columns:
// publications, videos, hours, return visits, studies, active publishers
// (row 0), unused, quarter hours, reports.
struct BranchTotals {
  std::array<std::array<std::uint16_t, 9>, 4> v{};
  std::uint16_t at(int row, int column) const {
    return v[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
  }
  // Rows 0-2 added; hours with each row's quarter hours (whole hours).
  int CategoryTotal(int column) const;
  // Rows 0-2 of the reports column.
  int Reports() const { return at(0, 8) + at(1, 8) + at(2, 8); }
};

namespace column {
inline constexpr int kPlacements = 0, kVideos = 1, kHours = 2, kReturnVisits = 3, kStudies = 4,
                     kActive = 5, kQuarters = 7, kReports = 8;
}

// Computes the ReportMonth's totals and, while the month is open, keeps them
// in the totals card.
BranchTotals ComputeBranchTotals(store::CongregationDatabase& db);
// The same without touching the totals card (reading commands).
BranchTotals PeekBranchTotals(const store::CongregationDatabase& db);

// One row of the summary: a designation in one month, from the totals card.
struct SummaryRow {
  int designation = 0;  // 0 publishers, 1 auxiliary, 2 regular and special pioneers
  int counter = 0;      // MonthCounter
  int reports = 0, publications = 0, videos = 0, hours = 0, return_visits = 0, studies = 0;
  int active = 0;  // publishers' row only; 0 = empty
};

// Three designations x the 24 months up to the ReportMonth, oldest first.
std::vector<SummaryRow> SummaryRows(const store::CongregationDatabase& db);

}  // namespace ledra::activity
