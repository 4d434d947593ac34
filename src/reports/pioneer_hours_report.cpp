#include "reports/pioneer_hours_report.h"

#include <algorithm>
#include <cstdio>

#include "activity/month_calendar.h"
#include "activity/pioneer_year.h"
#include "activity/status_rules.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "reports/list_grid.h"

namespace ledra::reports {
namespace {

constexpr int kAugust = 7;

std::string OneDecimal(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%4.1f", v);
  return text;
}

}  // namespace

std::vector<PioneerHoursLine> PioneerHoursLines(const store::CongregationDatabase& db,
                                                bool surname_first) {
  std::vector<PioneerHoursLine> lines;
  const int slot = activity::ReportCalendarMonth(db).slot();
  for (const store::IndexEntry& e : db.status_list(store::ListType::kActive)) {
    if ((db.row(e.row).pioneer_code(slot) & 3) != 2) continue;
    const activity::PioneerStanding s = activity::ComputePioneerStanding(db, e.row);
    PioneerHoursLine line;
    line.late_start = s.start_month != 8;
    line.name = db.DisplayName(e.row, surname_first);
    if (line.late_start) line.name += Strings().Get(str::kPioneerReportStar);
    line.hours = s.hours;
    line.credit = s.credit;
    line.average = s.months_elapsed > 0 ? static_cast<double>(s.Total()) / s.months_elapsed : 0.0;
    line.remaining = s.Remaining();
    line.per_month = s.months_left > 0 && line.remaining > 0
                         ? static_cast<double>(line.remaining) / s.months_left
                         : 0.0;
    lines.push_back(std::move(line));
  }
  return lines;
}

int DrawPioneerHours(ReportFrame& frame, const store::CongregationDatabase& db, int, int) {
  Canvas& c = frame.canvas();
  const StringTable& s = Strings();
  const auto lines = PioneerHoursLines(db, frame.env().options.surname_first);
  const bool august = db.month().report_month_index == kAugust;
  const bool any_late = std::ranges::any_of(lines, &PioneerHoursLine::late_start);
  PageFrame pf = frame.ListFrame();
  // Two heading lines: the entries start a line lower than in the lists.
  const int per_page = std::max(1, pf.lines_per_page - 1);
  const int entries = static_cast<int>(lines.size()) + (any_late ? 2 : 0);
  const int pages = PageCount(entries, 1, per_page);
  const std::string title =
      s.Get(str::kPioneerReportTitle) + " " + activity::MonthName(db.month().report_month_index);
  const std::string subtitle = s.Get(str::kPioneerReportSubtitle);
  const int stops[] = {pf.Stop(32, 10), pf.Stop(40, 10), pf.Stop(48, 10),
                       pf.Stop(56, 10), pf.Stop(64, 10), pf.Stop(72, 10)};
  const int columns = august ? 5 : 6;
  const int headings[] = {str::kSheetHours,          str::kPioneerReportCredit,
                          str::kPioneerReportTotals, str::kPioneerReportAverage,
                          str::kPioneerReportYear,   str::kPioneerReportPerMonth};
  for (int page = 0; page < pages; ++page) {
    frame.DrawHeader(pf, page, title, subtitle);
    frame.Use(FontRole::kHeading);
    // "Restantes" over the year's and the monthly remainder.
    if (august) {
      c.Text(stops[4], pf.LineTop(page, 1), s.Get(str::kPioneerReportRemaining), HAlign::kRight);
    } else {
      c.Text((stops[4] + stops[5]) / 2 - pf.Inches(1, 5), pf.LineTop(page, 1),
             s.Get(str::kPioneerReportRemaining), HAlign::kCenter);
    }
    const int heading_top = pf.LineTop(page, 2);
    c.Text(pf.Stop(0), heading_top, s.Get(str::kAnalysisName));
    for (int i = 0; i < columns; ++i)
      c.Text(stops[i], heading_top, s.Get(headings[i]), HAlign::kRight);
    frame.Use(FontRole::kText);
    const int first = page * per_page;
    const int on_page = std::min(per_page, entries - first);
    int drawn = 0;
    for (int i = 0; i < on_page; ++i) {
      const auto index = static_cast<std::size_t>(first + i);
      const int top = pf.LineTop(page, 3 + i);
      if (index >= lines.size()) {
        // The closing note, a line below the last pioneer.
        if (index == lines.size() + 1)
          c.Text(pf.Stop(0), top,
                 s.Get(str::kPioneerReportStar) + " " + s.Get(str::kPioneerReportLateStart));
        continue;
      }
      ++drawn;
      const PioneerHoursLine& line = lines[index];
      c.Text(pf.Stop(0), top, line.name);
      const std::string cells[] = {std::to_string(line.hours),
                                   std::to_string(line.credit),
                                   std::to_string(line.hours + line.credit),
                                   OneDecimal(line.average),
                                   std::to_string(line.remaining),
                                   OneDecimal(line.per_month)};
      for (int k = 0; k < columns; ++k) c.Text(stops[k], top, cells[k], HAlign::kRight);
    }
    if (frame.env().options.grid && drawn > 0) {
      // The grid's rows follow the pioneers' lines, a line lower than a list's.
      PageFrame shifted = pf;
      shifted.top_margin += pf.line_height;
      std::vector<int> rules;
      for (int k = 0; k < columns - 1; ++k) rules.push_back(stops[k] + pf.Inches(1, 10));
      rules.insert(rules.begin(), stops[0] - pf.Inches(7, 10));
      DrawListGrid(c, shifted, page, drawn, pf.Stop(0) - pf.Inches(1, 20),
                   stops[columns - 1] + pf.Inches(1, 10), rules);
    }
  }
  return pages;
}

}  // namespace ledra::reports
