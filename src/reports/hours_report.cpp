#include "reports/hours_report.h"

#include <algorithm>
#include <cstdio>

#include "activity/month_calendar.h"
#include "activity/sheet_list.h"
#include "activity/sheet_totals.h"
#include "activity/status_rules.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "reports/analysis_page.h"
#include "reports/list_grid.h"
#include "reports/ticked_box.h"

namespace ledra::reports {
namespace {

using activity::CalendarMonth;

// 0 no filter, else the PioneerCode a month must have to show.
int PioneerFilter(int kind) {
  return kind == kHoursRegular ? 2 : kind == kHoursAuxiliary ? 1 : 0;
}

bool Listed(const store::PublisherRecord& p, int kind, int group,
            const std::vector<CalendarMonth>& window, int report_slot) {
  const int servant = p.attribute_flags() & store::attr::kServantMask;
  switch (kind) {
    case kHoursGroup:
      return p.group() == group;
    case kHoursRegular:
      return (p.pioneer_code(report_slot) & 3) == 2;
    case kHoursAuxiliary:
      return std::ranges::any_of(
          window, [&](const CalendarMonth& m) { return (p.pioneer_code(m.slot()) & 3) == 1; });
    case kHoursServants:
      return servant == 1 || servant == 2;
    case kHoursBrothers:
      return servant == 3;
    case kHoursSpecialCategory:
      return (p.attribute_flags() & store::attr::kSpecialCategory) != 0;
    default:
      return true;
  }
}

std::string Average(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%3.1f", v);
  return text;
}

int SubtitleId(int kind) {
  switch (kind) {
    case kHoursAuxiliary:
      return str::kDesignationAuxiliary;
    case kHoursRegular:
      return str::kStatisticsRegularPioneers;
    case kHoursServants:
      return str::kRosterServantsTitle;
    case kHoursBrothers:
      return str::kHoursBrothers;
    default:
      return str::kAveragesCongregation;
  }
}

}  // namespace

int MixedLead(int report_counter, bool pioneer_filter) {
  const int diff = report_counter - store::kNewFormSwitch;
  return !pioneer_filter && diff > 0 && diff < 12 ? 12 - diff : 0;
}

std::vector<HoursLine> HoursLines(const store::CongregationDatabase& db, int kind, int group,
                                  bool surname_first) {
  const CalendarMonth report = activity::ReportCalendarMonth(db);
  std::vector<CalendarMonth> window;
  for (int k = 11; k >= 0; --k) window.push_back(CalendarMonth::FromCounter(report.counter() - k));
  const int filter = PioneerFilter(kind);
  const int diff = report.counter() - store::kNewFormSwitch;
  const int lead = MixedLead(report.counter(), filter != 0);
  std::vector<HoursLine> lines;
  for (const store::IndexEntry& e : db.status_list(store::ListType::kActive)) {
    const store::PublisherRecord& p = db.row(e.row);
    if (!Listed(p, kind, group, window, report.slot())) continue;
    HoursLine line;
    line.name = db.DisplayName(e.row, surname_first);
    long hours = 0, quarters = 0;
    long aux_hours = 0, aux_months = 0;
    for (std::size_t k = 0; k < 12; ++k) {
      const int slot = window[k].slot();
      const int code = p.pioneer_code(slot) & 3;
      const int h = p.word(store::SlotWords::kHours, slot);
      const int q =
          (p.word(store::SlotWords::kStudiesWord, slot) >> store::studies::kQuarterShift) & 3;
      hours += h;
      quarters += q;
      if (code == 1 && activity::SlotHasReport(p, slot)) {
        aux_hours += h;
        ++aux_months;
      }
      if (filter != 0 && code != filter) continue;
      const bool old_form = static_cast<int>(k) < lead || (lead == 0 && diff < 12);
      HoursCell& cell = line.months[k];
      if (old_form || code != 0) {
        if (h != 0 || q != 0)
          cell.text = (h != 0 ? std::to_string(h) : std::string{}) +
                      (q != 0 ? activity::HoursText(q).substr(1) : std::string{});
      } else {
        cell.box = activity::SlotHasReport(p, slot);
      }
    }
    if (kind == kHoursAuxiliary) {
      line.average = Average(aux_months == 0 ? 0.0 : static_cast<double>(aux_hours) / aux_months);
    } else if (filter != 0 || lead == 0) {
      // Three quarters left over count as one more hour.
      const long whole = hours + quarters / 4 + (quarters % 4 == 3 ? 1 : 0);
      line.average = Average(static_cast<double>(whole) / 12);
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

int DrawHoursReport(ReportFrame& frame, const store::CongregationDatabase& db, int kind,
                    int group) {
  Canvas& c = frame.canvas();
  const StringTable& s = Strings();
  const auto lines = HoursLines(db, kind, group, frame.env().options.surname_first);
  const TallTable table = TallTableFrame(frame);
  const PageFrame& pf = table.frame;
  const int rows_per_page = table.rows_per_page;
  const int people = static_cast<int>(lines.size());
  const int pages = std::max(1, (people + rows_per_page - 1) / rows_per_page);
  const CalendarMonth report = activity::ReportCalendarMonth(db);
  const std::string title = s.Get(str::kHoursTitle) + " " + activity::MonthName(report.month_index);
  std::string subtitle_text;
  if (kind == kHoursGroup) {
    const auto& groups = db.side.groups;
    if (group >= 1 && group <= groups.count())
      subtitle_text = groups.text(group, store::GroupTable::Text::kName);
    if (subtitle_text.empty())
      subtitle_text = s.Get(str::kSheetGroup) + " " + std::to_string(group);
  } else if (kind == kHoursSpecialCategory) {
    subtitle_text = frame.env().options.special_category;
    if (subtitle_text.empty()) subtitle_text = s.Get(str::kAveragesSpecialCategory);
    subtitle_text = frame.Title(subtitle_text);
  } else {
    subtitle_text = frame.Title(s.Get(SubtitleId(kind)));
  }
  auto stop = [&](int k) { return pf.left_margin + pf.dpi_x / 10 * 25 + k * pf.dpi_x / 3; };
  const int average_stop = stop(12) + pf.dpi_x / 2;
  const bool pioneers = PioneerFilter(kind) != 0;
  for (int page = 0; page < pages; ++page) {
    frame.DrawHeader(pf, page, title, subtitle_text);
    frame.Use(FontRole::kHeading);
    const int heading_top = pf.LineTop(page, 3);
    c.Text(pf.Stop(0), heading_top, s.Get(str::kAnalysisName));
    for (int k = 1; k <= 12; ++k) {
      const int month = CalendarMonth::FromCounter(report.counter() - 12 + k).month_index;
      c.Text(stop(k), heading_top, s.Get(str::kMonthShortJanuary + month), HAlign::kRight);
    }
    if (pioneers) c.Text(average_stop, heading_top, s.Get(str::kHoursAverage), HAlign::kRight);
    frame.Use(FontRole::kText);
    const int first = page * rows_per_page;
    const int on_page = std::clamp(people - first, 0, rows_per_page);
    for (int i = 0; i < on_page; ++i) {
      const HoursLine& l = lines[static_cast<std::size_t>(first + i)];
      const int top = pf.LineTop(page, 4 + i);
      c.Text(pf.Stop(0), top, l.name);
      for (int k = 1; k <= 12; ++k) {
        const HoursCell& cell = l.months[static_cast<std::size_t>(k - 1)];
        if (cell.box) {
          DrawTickedBox(c, stop(k) - pf.dpi_x / 13, top + pf.line_height * 3 / 4, pf.dpi_x / 10,
                        pf.dpi_y / 10);
        } else if (!cell.text.empty()) {
          c.Text(stop(k), top, cell.text, HAlign::kRight);
        }
      }
      if (!l.average.empty()) c.Text(average_stop, top, l.average, HAlign::kRight);
    }
    if (frame.env().options.grid && on_page > 0) {
      PageFrame at = pf;
      at.top_margin += pf.line_height - pf.line_height / 20;
      std::vector<int> rules;
      for (int k = 0; k <= (pioneers ? 12 : 11); ++k) rules.push_back(stop(k) + pf.dpi_x / 30);
      DrawListGrid(c, at, page, on_page + 1, pf.Stop(0) - pf.Inches(1, 20),
                   (pioneers ? average_stop : stop(12)) + pf.dpi_x / 30, rules);
    }
  }
  return pages;
}

}  // namespace ledra::reports
