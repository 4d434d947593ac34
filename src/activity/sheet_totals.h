#pragma once
// The running totals of the open month as the box beside the sheet list
// shows them: the report to the branch by category, with quarter hours.

#include <array>
#include <string>

#include "activity/branch_totals.h"

namespace ledra::activity {

struct TotalsRow {
  int reports = 0;
  int placements = 0;
  int videos = 0;
  int quarters = 0;  // hours in quarter hours
  int return_visits = 0;
  int studies = 0;
};

struct SheetTotals {
  std::array<TotalsRow, 3> rows;  // publishers, auxiliary pioneers, regular pioneers
  TotalsRow total;
  bool new_form = false;  // publications, videos and return visits are not reported
};

SheetTotals SheetTotalsFrom(const BranchTotals& t, bool new_form);

// Whole hours and the glyph of the remaining quarters ("12\xBD"), ANSI.
std::string HoursText(int quarters);

}  // namespace ledra::activity
