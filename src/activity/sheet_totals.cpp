#include "activity/sheet_totals.h"

namespace ledra::activity {

SheetTotals SheetTotalsFrom(const BranchTotals& t, bool new_form) {
  SheetTotals s;
  s.new_form = new_form;
  for (int k = 0; k < 3; ++k) {
    TotalsRow& row = s.rows[static_cast<std::size_t>(k)];
    row.reports = t.at(k, column::kReports);
    row.placements = t.at(k, column::kPlacements);
    row.videos = t.at(k, column::kVideos);
    row.quarters = 4 * t.at(k, column::kHours) + t.at(k, column::kQuarters);
    row.return_visits = t.at(k, column::kReturnVisits);
    row.studies = t.at(k, column::kStudies);
    s.total.reports += row.reports;
    s.total.placements += row.placements;
    s.total.videos += row.videos;
    s.total.quarters += row.quarters;
    s.total.return_visits += row.return_visits;
    s.total.studies += row.studies;
  }
  return s;
}

std::string HoursText(int quarters) {
  std::string text = std::to_string(quarters / 4);
  static constexpr char kGlyphs[] = {'\0', '\xBC', '\xBD', '\xBE'};
  if (quarters % 4 != 0) text += kGlyphs[quarters % 4];
  return text;
}

}  // namespace ledra::activity
