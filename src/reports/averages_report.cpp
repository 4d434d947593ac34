#include "reports/averages_report.h"

#include <algorithm>
#include <cstdio>

#include "activity/month_calendar.h"
#include "activity/publisher_averages.h"
#include "activity/status_rules.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "reports/list_grid.h"

namespace ledra::reports {
namespace {

bool Selected(const store::CongregationDatabase& db, const store::PublisherRecord& p, int kind,
              int group) {
  const int servant = p.attribute_flags() & store::attr::kServantMask;
  switch (kind) {
    case kAveragesGroup:
      return p.group() == group;
    case kAveragesRegularPioneers:
      return (p.pioneer_code(activity::ReportCalendarMonth(db).slot()) & 3) == 2;
    case kAveragesElders:
      return servant == 2;
    case kAveragesServants:
      return servant == 1;
    case kAveragesBaptisedBrothers:
      return servant == 3;
    case kAveragesSpecialCategory:
      return (p.attribute_flags() & store::attr::kSpecialCategory) != 0;
    default:
      return true;
  }
}

std::string Pair(int a, int b) {
  char text[32];
  std::snprintf(text, sizeof text, "%d / %d", a, b);
  return text;
}

std::string Averages(double a, double b) {
  char text[48];
  std::snprintf(text, sizeof text, "%6.1f/%4.1f", a, b);
  return text;
}

std::string Subtitle(const ReportFrame& frame, const store::CongregationDatabase& db, int kind,
                     int group) {
  const StringTable& s = Strings();
  std::string name;
  switch (kind) {
    case kAveragesGroup: {
      const auto& groups = db.side.groups;
      if (group >= 1 && group <= groups.count())
        name = groups.text(group, store::GroupTable::Text::kName);
      return name.empty() ? s.Get(str::kSheetGroup) + " " + std::to_string(group) : name;
    }
    case kAveragesRegularPioneers:
      name = s.Get(str::kAveragesRegularPioneer);
      break;
    case kAveragesElders:
      name = s.Get(str::kAveragesElder);
      break;
    case kAveragesServants:
      name = s.Get(str::kAveragesServant);
      break;
    case kAveragesBaptisedBrothers:
      name = s.Get(str::kAveragesBaptisedBrother);
      break;
    case kAveragesSpecialCategory:
      name = frame.env().options.special_category;
      if (name.empty()) name = s.Get(str::kAveragesSpecialCategory);
      break;
    default:
      name = s.Get(str::kAveragesCongregation);
      break;
  }
  return frame.Title(name);
}

}  // namespace

std::vector<AveragesLine> AveragesLines(const store::CongregationDatabase& db, int kind, int group,
                                        bool surname_first) {
  std::vector<AveragesLine> lines;
  for (const store::IndexEntry& e : db.status_list(store::ListType::kActive)) {
    const store::PublisherRecord& p = db.row(e.row);
    if (!Selected(db, p, kind, group)) continue;
    const activity::PublisherAverages a = activity::ComputePublisherAverages(db, p);
    AveragesLine line;
    line.name = db.DisplayName(e.row, surname_first);
    line.participated = Pair(a.reported_3, a.reported_6);
    line.studies = Averages(a.studies_3, a.studies_6);
    if (a.auxiliary_6 != 0) line.auxiliary = Pair(a.auxiliary_3, a.auxiliary_6);
    if (a.hours_6) line.hours = Averages(a.hours_3.value_or(0.0), *a.hours_6);
    lines.push_back(std::move(line));
  }
  return lines;
}

int DrawAverages(ReportFrame& frame, const store::CongregationDatabase& db, int kind, int group) {
  Canvas& c = frame.canvas();
  const StringTable& s = Strings();
  const auto lines = AveragesLines(db, kind, group, frame.env().options.surname_first);
  const PageFrame pf = frame.ListFrame();
  const int entries = static_cast<int>(lines.size());
  // The headings stand under the subtitle: the entries start a line lower
  // than in the lists.
  const int per_page = std::max(1, pf.lines_per_page - 1);
  const int pages = PageCount(entries, 1, per_page);
  const std::string title =
      s.Get(str::kAveragesTitle) + " " + activity::MonthName(db.month().report_month_index);
  const std::string subtitle = Subtitle(frame, db, kind, group);
  // Numbers stand right-aligned on their stops.
  const int stops[] = {pf.Stop(33, 10), pf.Stop(45, 10), pf.Stop(53, 10), pf.Stop(66, 10)};
  const int headings[] = {str::kAveragesParticipated, str::kSheetStudies, str::kTotalsAuxiliary,
                          str::kSheetHours};
  for (int page = 0; page < pages; ++page) {
    frame.DrawHeader(pf, page, title, subtitle);
    frame.Use(FontRole::kHeading);
    const int heading_top = pf.LineTop(page, 2);
    c.Text(pf.Stop(0), heading_top, s.Get(str::kAnalysisName));
    for (int i = 0; i < 4; ++i) c.Text(stops[i], heading_top, s.Get(headings[i]), HAlign::kRight);
    frame.Use(FontRole::kText);
    const int first = page * per_page;
    const int on_page = std::min(per_page, entries - first);
    for (int i = 0; i < on_page; ++i) {
      const AveragesLine& line = lines[static_cast<std::size_t>(first + i)];
      const int top = pf.LineTop(page, 3 + i);
      c.Text(pf.Stop(0), top, line.name);
      const std::string* cells[] = {&line.participated, &line.studies, &line.auxiliary,
                                    &line.hours};
      for (int k = 0; k < 4; ++k)
        if (!cells[k]->empty()) c.Text(stops[k], top, *cells[k], HAlign::kRight);
    }
    PageFrame shifted = pf;
    shifted.top_margin += pf.line_height;
    if (frame.env().options.grid)
      DrawListGrid(c, shifted, page, on_page, pf.Stop(0) - pf.Inches(1, 20), pf.Stop(7),
                   {stops[0] - pf.Inches(9, 10), stops[0] + pf.Inches(1, 10),
                    stops[1] + pf.Inches(1, 10), stops[2] + pf.Inches(1, 10)});
  }
  return pages;
}

}  // namespace ledra::reports
