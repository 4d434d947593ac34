#include "reports/service_year_totals.h"

#include <algorithm>

#include "activity/month_calendar.h"
#include "activity/sheet_list.h"
#include "activity/status_rules.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "reports/analysis_page.h"
#include "reports/list_grid.h"
#include "reports/roster_selection.h"

namespace ledra::reports {
namespace {

RosterVariant VariantOf(int kind) {
  if (kind == kServiceYearPioneers) return RosterVariant::kPioneers;
  if (kind == kServiceYearServants) return RosterVariant::kServants;
  return RosterVariant::kAll;
}

// Zero is left empty.
std::string Cell(int value) {
  return value == 0 ? std::string{} : std::to_string(value);
}

}  // namespace

int ServiceYearMonths(int report_month_index) {
  return report_month_index < 8 ? report_month_index + 5 : report_month_index - 7;
}

std::vector<ServiceYearLine> ServiceYearLines(const store::CongregationDatabase& db, int kind,
                                              bool surname_first) {
  const std::vector<activity::CalendarMonth> months =
      activity::WalkBack(db, ServiceYearMonths(db.month().report_month_index));
  std::vector<ServiceYearLine> lines;
  for (const int row : RosterRows(db, VariantOf(kind), 0)) {
    const store::PublisherRecord& p = db.row(row);
    ServiceYearLine line;
    line.name = db.DisplayName(row, surname_first);
    int quarters = 0;
    for (const activity::CalendarMonth& m : months) {
      const int slot = m.slot();
      if (activity::SlotHasReport(p, slot)) ++line.reported;
      const std::uint16_t studies = p.word(store::SlotWords::kStudiesWord, slot);
      line.studies += studies & store::studies::kStudiesMask;
      if ((p.pioneer_code(slot) & 3) == 1) ++line.auxiliary;
      line.hours += p.word(store::SlotWords::kHours, slot);
      quarters += (studies >> store::studies::kQuarterShift) & 3;
    }
    // Every fourth quarter hour is one more hour.
    line.hours += quarters / 4;
    lines.push_back(std::move(line));
  }
  return lines;
}

int DrawServiceYearTotals(ReportFrame& frame, const store::CongregationDatabase& db, int kind,
                          int) {
  Canvas& c = frame.canvas();
  const StringTable& s = Strings();
  const auto lines = ServiceYearLines(db, kind, frame.env().options.surname_first);
  const TallTable table = TallTableFrame(frame);
  const PageFrame& pf = table.frame;
  // Rows from line 4, the totals line two lines under the last.
  const int rows_per_page = table.rows_per_page;
  const int people = static_cast<int>(lines.size());
  int pages = std::max(1, (people + rows_per_page - 1) / rows_per_page);
  const int on_last = people - (pages - 1) * rows_per_page;
  const bool totals_own_page = people > 0 && on_last + 2 > rows_per_page;
  if (totals_own_page) ++pages;

  const std::string title =
      s.Get(str::kPioneerReportTitle) + " " + activity::MonthName(db.month().report_month_index);
  const int subtitle_id = kind == kServiceYearPioneers   ? str::kStatisticsRegularPioneers
                          : kind == kServiceYearServants ? str::kRosterServantsTitle
                                                         : str::kAveragesCongregation;
  const std::string subtitle = frame.Title(s.Get(subtitle_id));
  const int stops[] = {pf.Stop(4), pf.Stop(5), pf.Stop(6), pf.Stop(7)};
  const int headings[] = {str::kAveragesParticipated, str::kSheetStudies, str::kTotalsAuxiliary,
                          str::kSheetHours};
  const bool grid = frame.env().options.grid;
  auto grid_rows = [&](int page, int first_line, int rows) {
    if (!grid || rows <= 0) return;
    PageFrame at = pf;
    at.top_margin += (first_line - 2) * pf.line_height - pf.line_height / 20;
    DrawListGrid(c, at, page, rows, pf.Stop(0) - pf.Inches(1, 20), stops[3] + pf.Inches(1, 20),
                 {stops[0] - pf.Inches(4, 5), stops[0] + pf.Inches(1, 20),
                  stops[1] + pf.Inches(1, 20), stops[2] + pf.Inches(1, 20)});
  };
  int studies = 0, auxiliary = 0, hours = 0;
  for (int page = 0; page < pages; ++page) {
    frame.DrawHeader(pf, page, title, subtitle);
    frame.Use(FontRole::kHeading);
    c.Text(pf.Stop(0), pf.LineTop(page, 3), s.Get(str::kAnalysisName));
    for (int i = 0; i < 4; ++i)
      c.Text(stops[i], pf.LineTop(page, 3), s.Get(headings[i]), HAlign::kRight);
    frame.Use(FontRole::kText);
    const int first = page * rows_per_page;
    const int on_page = std::clamp(people - first, 0, rows_per_page);
    for (int i = 0; i < on_page; ++i) {
      const ServiceYearLine& l = lines[static_cast<std::size_t>(first + i)];
      const int top = pf.LineTop(page, 4 + i);
      c.Text(pf.Stop(0), top, l.name);
      const std::string cells[] = {Cell(l.reported), Cell(l.studies), Cell(l.auxiliary),
                                   Cell(l.hours)};
      for (int k = 0; k < 4; ++k)
        if (!cells[k].empty()) c.Text(stops[k], top, cells[k], HAlign::kRight);
      studies += l.studies;
      auxiliary += l.auxiliary;
      hours += l.hours;
    }
    grid_rows(page, 3, on_page + 1);
    if (page == pages - 1) {
      // The totals, one empty line under the last person.
      const int line = totals_own_page ? 4 : 4 + on_page + 1;
      const int top = pf.LineTop(page, line);
      c.Text(pf.Stop(0), top, s.Get(str::kTotalsLabel));
      c.Text(stops[1], top, std::to_string(studies), HAlign::kRight);
      c.Text(stops[2], top, std::to_string(auxiliary), HAlign::kRight);
      c.Text(stops[3], top, std::to_string(hours), HAlign::kRight);
      grid_rows(page, line, 1);
    }
  }
  return pages;
}

}  // namespace ledra::reports
