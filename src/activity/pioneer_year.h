#pragma once
// A regular pioneer's service year: since when, the hours and credit so far,
// the hours still needed for the year and per month left, and the twelve
// months from September with their figures.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "store/document.h"

namespace ledra::activity {

struct PioneerMonth {
  int month_index = 0;
  int year = 0;        // four digits
  bool shown = false;  // a regular pioneer that month, and not after the ReportMonth
  int hours = 0;
  int credit = 0;
  std::string remark;  // ANSI
};

// Where a regular pioneer stands in the ServiceYear of the ReportMonth.
struct PioneerStanding {
  int start_month = 8;  // MonthIndex of the first month as regular pioneer
  int months_elapsed = 0;
  int months_commitment = 0;
  int months_left = 0;
  int requirement = 50;  // hours a month
  int hours = 0;         // from the start month to the ReportMonth
  int credit = 0;
  int Total() const { return hours + credit; }
  // For the year, never below 0.
  int Remaining() const;
};
PioneerStanding ComputePioneerStanding(const store::CongregationDatabase& db, int row);

// The dialog's view of the year: the standing with its lines and table.
struct PioneerYear : PioneerStanding {
  int total = 0;                       // hours and credit from the start month to the ReportMonth
  int remaining = 0;                   // for the year, never below 0
  std::optional<double> per_month;     // none in August
  std::array<std::string, 3> lines;    // the dialog's lines (ANSI)
  std::array<PioneerMonth, 12> table;  // September first
  int sum_hours = 0, sum_credit = 0;
  std::optional<double> average_hours, average_total;  // none below one hour
};

// The monthly requirement for the ServiceYear of the ReportMonth: 70 hours
// before the service year ending in 2023, 50 from it on.
int MonthlyRequirement(const store::CongregationDatabase& db);

// The year of the person in `row`; with `previous_year` the table shows the
// service year before (and the lines only name it).
PioneerYear ComputePioneerYear(const store::Document& doc, int row, bool previous_year);

}  // namespace ledra::activity
