#pragma once
// The running totals of the open month shown beside the sheet list: reports,
// publications, videos, hours (with quarter hours), return visits and Bible
// studies by category (publishers, auxiliary pioneers, regular pioneers) and
// for the congregation. Special pioneers report to the branch themselves and
// are left out.

#include <array>
#include <string>

#include "store/congregation_database.h"

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

SheetTotals ComputeSheetTotals(const store::CongregationDatabase& db);

// Whole hours and the glyph of the remaining quarters ("12\xBD"), ANSI.
std::string HoursText(int quarters);

}  // namespace ledra::activity
