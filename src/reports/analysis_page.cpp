#include "reports/analysis_page.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

#include "activity/branch_totals.h"
#include "activity/congregation_analysis.h"
#include "activity/month_calendar.h"
#include "activity/status_rules.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "reports/ticked_box.h"

namespace ledra::reports {
namespace {

using activity::Analysis;
using activity::AnalysisCells;
using activity::AnalysisLine;

constexpr int kTitleSeparator = 20934;

std::string Fmt(const char* format, int v) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, format, v);
  return buffer;
}
std::string Fmt(const char* format, double v) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, v);
  return buffer;
}

bool DrawsLines(int kind) {
  return kind == kAnalysisCongregation || kind == kAnalysisGroup || kind == kAnalysisAlphabetical;
}

activity::AnalysisOrder OrderOf(int kind) {
  switch (kind) {
    case kAnalysisCongregation:
      return activity::AnalysisOrder::kPioneersThenGroups;
    case kAnalysisGroup:
      return activity::AnalysisOrder::kGroup;
    default:
      return activity::AnalysisOrder::kAlphabetical;
  }
}

// A line height: the text font with twice its leading, at least a sixth of
// an inch, a twentieth more with the grid.
int AnalysisLineHeight(const TextMetrics& m, int dpi_y, bool grid) {
  int h = std::max(dpi_y / 6, m.height + 2 * m.external_leading);
  if (h < 1) h = 1;
  return grid ? h + h / 20 : h;
}

// The group's overseer as the subtitle says it: by the servant code of the
// active publisher who bears that name.
std::string GroupSubtitle(const store::CongregationDatabase& db, int group) {
  if (group < 1 || group > db.side.groups.count()) return {};
  const std::string overseer = db.side.groups.text(group, store::GroupTable::Text::kOverseer);
  if (overseer.empty()) return {};
  int id = str::kAnalysisOverseer;
  for (const store::IndexEntry& e : db.status_list(store::ListType::kActive)) {
    if (db.DisplayName(e.row, false) != overseer) continue;
    const int servant = db.row(e.row).attribute_flags() & store::attr::kServantMask;
    id = servant == 1   ? str::kAnalysisServant
         : servant == 2 ? str::kAnalysisOverseer
                        : str::kAnalysisConductor;
    break;
  }
  return Strings().Format(id, {overseer});
}

std::string GroupAssistant(const store::CongregationDatabase& db, int group) {
  if (group < 1 || group > db.side.groups.count()) return {};
  return db.side.groups.text(group, store::GroupTable::Text::kAssistant);
}

std::string AnalysisTitle(const ReportFrame& frame, const store::CongregationDatabase& db, int kind,
                          int group) {
  const StringTable& s = Strings();
  const std::string month = activity::MonthName(db.month().report_month_index);
  switch (kind) {
    case kAnalysisGroup: {
      const auto& groups = db.side.groups;
      if (group >= 1 && group <= groups.count() && groups.name_shown(group) != 0) {
        const std::string name = groups.text(group, store::GroupTable::Text::kName);
        if (!name.empty()) return s.Format(str::kAnalysisGroupNamedTitle, {month, name});
      }
      return s.Format(str::kAnalysisGroupTitle, {month, std::to_string(group)});
    }
    case kAnalysisSummary:
    case kAnalysisAttendance:
      return frame.Title(s.Format(str::kAnalysisSummaryTitle, {month}));
    default:
      return frame.Title(s.Get(str::kAnalysisCongregationTitle) + " " + month);
  }
}

class AnalysisPainter {
 public:
  AnalysisPainter(ReportFrame& frame, const store::CongregationDatabase& db, int kind, int group,
                  int first_page)
      : frame_(frame),
        c_(frame.canvas()),
        db_(db),
        kind_(kind),
        analysis_(
            activity::BuildAnalysis(db, OrderOf(kind), group, frame.env().options.surname_first)),
        stops_(AnalysisStops::For(c_.dpi_x(), frame.env().language_code == "greek")) {
    frame_.Use(FontRole::kText);
    dpi_x_ = c_.dpi_x();
    dpi_y_ = c_.dpi_y();
    grid_ = frame.env().options.grid;
    lh_ = AnalysisLineHeight(c_.Metrics(), dpi_y_, grid_);
    lpp_ = AnalysisLinesPerPage(frame);
    pf_.dpi_x = dpi_x_;
    pf_.dpi_y = dpi_y_;
    pf_.page_height_tenths = frame.env().page_height_tenths;
    pf_.top_margin = TopMargin(frame.env().options.top_margin, dpi_y_);
    pf_.left_margin = stops_.left;
    pf_.line_height = lh_;
    pf_.lines_per_page = lpp_;
    title_ = AnalysisTitle(frame, db, kind, group);
    if (kind == kAnalysisGroup) {
      subtitle_ = GroupSubtitle(db, group);
      assistant_ = GroupAssistant(db, group);
    }
    first_line_ = subtitle_.empty() && assistant_.empty() ? 1 : 2;
    page_ = first_page;
  }

  int Draw() {
    StartPage();
    if (DrawsLines(kind_)) PublisherLines();
    TotalsBlock();
    SummaryRows();
    column_headings_ = false;
    if (kind_ == kAnalysisGroup) {
      InactiveNames();
    } else {
      BranchBlock();
      AttendanceSummary();
      if (kind_ == kAnalysisAttendance) SixMonthTable();
    }
    return page_ + 1;
  }

 private:
  int Top(int n) const { return pf_.PageTop(page_) + (n + 3) * lh_; }
  int HeadingTop() const { return pf_.PageTop(page_) + (first_line_ + 1) * lh_; }

  void StartPage() {
    n_ = first_line_;
    const StringTable& s = Strings();
    frame_.DrawHeader(pf_, page_, title_, subtitle_, {58, 3});
    if (!assistant_.empty()) {
      frame_.Use(FontRole::kSubtitle);
      c_.Text(stops_.c5, pf_.PageTop(page_) + lh_ * 3 / 2,
              s.Get(str::kAnalysisAssistant) + ": " + assistant_);
      frame_.Use(FontRole::kText);
    }
    // Pages of the report to the branch and the attendance have no columns.
    if (!column_headings_) return;
    frame_.Use(FontRole::kHeading);
    const int top = HeadingTop();
    const bool counts_only = !DrawsLines(kind_);
    if (!counts_only) c_.Text(stops_.left, top, s.Get(str::kAnalysisName));
    c_.Text(stops_.c3, top, s.Get(str::kBranchParticipated), HAlign::kRight);
    c_.Text(stops_.c4, top, s.Get(str::kSheetStudies), HAlign::kRight);
    if (!counts_only) c_.Text(stops_.c5, top, s.Get(str::kTotalsAuxiliary), HAlign::kRight);
    c_.Text(stops_.c6, top, s.Get(str::kSheetHours), HAlign::kRight);
    if (counts_only) {
      c_.Text(stops_.c8, top, s.Get(str::kAnalysisAverageHours), HAlign::kRight);
      c_.Text(stops_.c8 + dpi_y_ / 10, top + lh_, s.Get(str::kAnalysisThreeSix), HAlign::kRight);
    }
    frame_.Use(FontRole::kText);
  }

  void NewPage() {
    FlushGrid();
    ++page_;
    broke_ = true;
    StartPage();
  }
  // Starts a new page unless `lines` more lines fit on this one; a page
  // that holds nothing yet takes them whatever they need.
  void Need(int lines) {
    if (n_ + lines > lpp_ && n_ > first_line_) NewPage();
  }

  // A ticked box a ninth of an inch square with its bottom-right corner at
  // (right, bottom), with a check mark.
  void TickedBox(int right, int bottom) {
    DrawTickedBox(c_, right, bottom, dpi_x_ / 9, dpi_y_ / 9);
  }
  int BoxRight(int stop) const { return stop - (stops_.c4 - stops_.c3) / 3; }
  int BoxBottom(int n) const { return Top(n) + lh_ - lh_ / 4; }

  void Cells(const AnalysisCells& cells, int n) {
    if (!cells.reported) return;
    TickedBox(BoxRight(stops_.c3), BoxBottom(n));
    if (cells.studies != 0)
      c_.Text(stops_.c4 - dpi_x_ / 5, Top(n), Fmt("%4d", cells.studies), HAlign::kRight);
    if (cells.auxiliary) TickedBox(BoxRight(stops_.c5), BoxBottom(n));
    if (cells.hours != 0)
      c_.Text(stops_.c6 - dpi_x_ / 6, Top(n), Fmt("%4d", cells.hours), HAlign::kRight);
  }

  void Line(const AnalysisLine& line) {
    const StringTable& s = Strings();
    Need(line.Lines());
    MarkGridLine();
    c_.Text(stops_.left, Top(n_), line.name);
    Cells(line.cells, n_);
    if (!line.marks.empty()) c_.Text(stops_.c8 - dpi_x_ / 3, Top(n_), line.marks);
    ++n_;
    if (!line.remark.empty()) {
      MarkGridLine();
      c_.Text(stops_.left + dpi_x_ / 2, Top(n_), line.remark);
      ++n_;
    }
    for (const auto& late : line.late) {
      MarkGridLine();
      c_.Text(stops_.left + dpi_x_ / 2, Top(n_),
              s.Get(str::kAnalysisLateOpen) + activity::MonthName(late.month_index) +
                  s.Get(str::kAnalysisLateParen));
      Cells(late.cells, n_);
      c_.Text(stops_.c6 + dpi_x_ / 2, Top(n_), s.Get(str::kAnalysisLateClose));
      if (!late.marks.empty()) c_.Text(stops_.c8 - dpi_x_ / 3, Top(n_), late.marks);
      ++n_;
    }
  }

  void PublisherLines() {
    for (const auto& section : analysis_.sections) {
      std::size_t i = 0;
      if (!section.heading.empty()) {
        // A heading stays with the first line under it.
        Need(1 + (section.lines.empty() ? 0 : section.lines.front().Lines()));
        MarkGridLine();
        frame_.Use(FontRole::kHeading);
        c_.Text(stops_.left, Top(n_), section.heading);
        frame_.Use(FontRole::kText);
        ++n_;
      }
      for (; i < section.lines.size(); ++i) Line(section.lines[i]);
    }
    FlushGrid();
  }

  // The grid of a page's publisher lines: from the column headings down to
  // the last line drawn.
  void MarkGridLine() { grid_last_ = n_; }
  void FlushGrid() {
    if (!grid_ || grid_last_ < 0) {
      grid_last_ = -1;
      return;
    }
    const int top = HeadingTop() - lh_ / 20;
    const int bottom = Top(grid_last_) + lh_;
    const int left = stops_.left - dpi_x_ / 20;
    const int right = stops_.left + dpi_x_ * 7;
    c_.Rectangle({left, top, right, bottom}, 2);
    for (int y = top + lh_; y < bottom; y += lh_) c_.Line(left, y, right, y, 1);
    // A rule just right of each right-aligned heading, and one before the marks.
    const int gap = dpi_x_ / 20;
    for (int x : {stops_.c2, stops_.c3 + gap, stops_.c4 + gap, stops_.c5 + gap, stops_.c6 + gap,
                  stops_.c8 - dpi_x_ / 3 - gap})
      c_.Line(x, top, x, bottom, 1);
    grid_last_ = -1;
  }

  void TotalsBlock() {
    const auto& t = analysis_.tallies;
    const StringTable& s = Strings();
    const int category_lines = 2 * static_cast<int>(analysis_.categories.size()) +
                               (t.special_servants > 0 ? 2 : 0) +
                               (t.field_missionaries > 0 ? 2 : 0);
    // The block and the summary rows under it stay on one page.
    ++n_;
    Need(category_lines + (analysis_.categories.empty() ? 3 : 2) + 6);
    const int block_top = n_ + 1;
    const int count_x = BoxRight(stops_.c3) - dpi_x_ / 9;
    static constexpr int kLabels[] = {str::kTotalsPublishers, str::kTotalsAuxiliary,
                                      str::kTotalsRegular, str::kAnalysisSpecialPioneers};
    for (const auto& f : analysis_.categories) {
      n_ += 2;
      c_.Text(stops_.left, Top(n_), s.Get(kLabels[f.category]));
      c_.Text(count_x, Top(n_), Fmt("%4d", f.reporting));
      c_.Text(stops_.c4, Top(n_), Fmt("%6.1f", f.average_studies), HAlign::kRight);
      if (f.category >= 1) {
        c_.Text(stops_.c6, Top(n_), Fmt("%6.1f", f.average_hours), HAlign::kRight);
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%7.1f/%4.1f", f.average_3, f.average_6);
        c_.Text(stops_.c8, Top(n_), buffer, HAlign::kRight);
      }
    }
    if (t.special_servants > 0) {
      n_ += 2;
      c_.Text(stops_.left, Top(n_),
              s.Get(str::kAnalysisSpecialServants) + s.Get(str::kAnalysisSpecialServantsMark));
      c_.Text(count_x, Top(n_), Fmt("%4d", t.special_servants));
    }
    if (t.field_missionaries > 0) {
      n_ += 2;
      c_.Text(stops_.left, Top(n_), s.Get(str::kAnalysisMissionaries));
      c_.Text(count_x, Top(n_), Fmt("%4d", t.field_missionaries));
    }
    if (grid_ && n_ >= block_top) {
      const int top = Top(block_top) - lh_ / 20;
      const int bottom = Top(n_) + lh_;
      const int left = stops_.left - dpi_x_ / 20;
      const int right = stops_.c8 + dpi_x_ / 10;
      c_.Rectangle({left, top, right, bottom}, 2);
      for (int y = Top(block_top + 1); y < bottom; y += 2 * lh_) c_.Line(left, y, right, y, 1);
      for (int x : {count_x - dpi_x_ / 20, stops_.c3 + dpi_x_ / 20, stops_.c4 + dpi_x_ / 20,
                    stops_.c6 + dpi_x_ / 20})
        c_.Line(x, top, x, bottom, 1);
    }
    if (analysis_.categories.empty()) ++n_;
  }

  void SummaryRows() {
    const auto& t = analysis_.tallies;
    const StringTable& s = Strings();
    const int total = t.TotalListed();
    const int avg = std::max(1, c_.Metrics().average_char_width);
    struct Row {
      int mark, label, count;
    };
    const Row rows[] = {
        {0, str::kAnalysisTotalPublishers, total},
        {str::kAnalysisAuxiliaryMark, str::kDesignationAuxiliary, t.auxiliary},
        {str::kAnalysisMarkIrregular, str::kAnalysisTotalIrregular, t.TotalIrregular()},
        {str::kAnalysisMarkNotReported, str::kAnalysisNotReported, t.TotalNotReported()},
        {str::kAnalysisMarkUnbaptised, str::kAnalysisUnbaptised, t.unbaptised}};
    n_ += 2;
    bool first = true;
    for (const Row& r : rows) {
      const int top = Top(n_);
      if (r.mark != 0) c_.Text(stops_.left, top, s.Get(r.mark));
      c_.Text(stops_.left + dpi_x_ / 3, top, s.Get(r.label));
      c_.Text(stops_.left + 32 * avg, top, std::to_string(r.count), HAlign::kRight);
      if (!first) {
        const double percent = total == 0 ? 0.0 : 100.0 * r.count / total;
        c_.Text(stops_.left + 39 * avg, top, Fmt("%2.0f", percent) + "%", HAlign::kRight);
      }
      n_ += first ? 2 : 1;
      first = false;
    }
  }

  void InactiveNames() {
    if (!analysis_.congregation_has_inactive) return;
    const auto& names = analysis_.inactive_names;
    const int rows = static_cast<int>((names.size() + 2) / 3);
    Need(1 + std::min(rows, 1));
    c_.Text(stops_.left, Top(n_), std::to_string(names.size()));
    c_.Text(stops_.left + dpi_y_ / 3, Top(n_), Strings().Get(str::kAnalysisInactive));
    ++n_;
    const int shift = 2 * dpi_y_ - dpi_y_ / 4;
    const int columns[] = {stops_.c2 - shift, stops_.c6 - shift, stops_.c9 - shift};
    for (std::size_t i = 0; i < names.size(); i += 3) {
      Need(1);
      for (std::size_t j = 0; j < 3 && i + j < names.size(); ++j)
        c_.Text(columns[j], Top(n_), names[i + j]);
      ++n_;
    }
  }

  void BranchBlock() {
    const StringTable& s = Strings();
    const activity::BranchTotals t = activity::PeekBranchTotals(db_);
    constexpr int kLines = 8;
    // In the full analysis the report to the branch gets a page of its own
    // when the first page is well used.
    const bool full = kind_ == kAnalysisCongregation || kind_ == kAnalysisAlphabetical;
    if (full && !broke_ && n_ - first_line_ > 18) {
      NewPage();
    } else {
      Need(kLines);
    }
    n_ += 2;
    frame_.Use(FontRole::kSubtitle);
    const std::string month = activity::MonthName(db_.month().report_month_index);
    c_.Text(stops_.left, Top(n_),
            s.Format(str::kBranchReportTitle, {month}) + s.Get(kTitleSeparator) +
                std::to_string(t.at(0, activity::column::kActive)) + " " +
                s.Get(str::kAnalysisActivePublishers));
    n_ += 2;
    const int head = n_;
    frame_.Use(FontRole::kHeading);
    c_.Text(stops_.c3, Top(n_), s.Get(str::kBranchParticipated), HAlign::kRight);
    c_.Text(stops_.c4, Top(n_), s.Get(str::kSheetHours), HAlign::kRight);
    c_.Text(stops_.c5, Top(n_), s.Get(str::kSheetStudies), HAlign::kRight);
    frame_.Use(FontRole::kText);
    auto row = [&](int label, int count, std::optional<int> hours, int studies) {
      ++n_;
      c_.Text(stops_.left, Top(n_), s.Get(label));
      c_.Text(stops_.c3, Top(n_), Fmt("%4d", count), HAlign::kRight);
      if (hours) c_.Text(stops_.c4, Top(n_), Fmt("%6d", *hours), HAlign::kRight);
      c_.Text(stops_.c5, Top(n_), Fmt("%6d", studies), HAlign::kRight);
    };
    using activity::column::kHours;
    using activity::column::kQuarters;
    using activity::column::kReports;
    using activity::column::kStudies;
    row(str::kTotalsPublishers, t.at(0, kReports), std::nullopt, t.at(0, kStudies));
    row(str::kTotalsAuxiliary, t.at(1, kReports), t.at(1, kHours) + t.at(1, kQuarters) / 4,
        t.at(1, kStudies));
    row(str::kTotalsRegular, t.at(2, kReports), t.at(2, kHours) + t.at(2, kQuarters) / 4,
        t.at(2, kStudies));
    row(str::kTotalsLabel, t.Reports(), t.CategoryTotal(kHours), t.CategoryTotal(kStudies));
    if (grid_) {
      const int top = Top(head) - lh_ / 20;
      const int bottom = Top(n_) + lh_;
      const int left = stops_.left - dpi_x_ / 20;
      const int right = stops_.c5 + dpi_x_ / 10;
      c_.Rectangle({left, top, right, bottom}, 2);
      for (int r = head + 1; r <= n_; ++r) c_.Line(left, Top(r), right, Top(r), 1);
      for (int x : {stops_.c2 + dpi_x_ / 10, stops_.c3 + dpi_x_ / 10, stops_.c4 + dpi_x_ / 10})
        c_.Line(x, top, x, bottom, 1);
    }
  }

  std::string MeetingName(int meeting) const {
    return Strings().Get(meeting == 0 ? str::kMeetingMidweek : str::kMeetingWeekend);
  }

  void AttendanceSummary() {
    const StringTable& s = Strings();
    Need(3 + 1 + 2 + 2);
    n_ += 3;
    frame_.Use(FontRole::kSubtitle);
    c_.Text(stops_.left, Top(n_) - lh_ / 10, frame_.Title(s.Get(str::kAnalysisAttendanceTitle)));
    frame_.Use(FontRole::kText);
    ++n_;
    const int percent_x = stops_.c9 - dpi_y_ / 5;
    c_.Text(stops_.left, Top(n_), activity::MonthName(db_.month().report_month_index));
    c_.Text(stops_.c4, Top(n_), s.Get(str::kAnalysisTimes), HAlign::kRight);
    c_.Text(stops_.c5, Top(n_), s.Get(str::kAnalysisTotal), HAlign::kRight);
    c_.Text(stops_.c6, Top(n_), s.Get(str::kAnalysisAverage), HAlign::kRight);
    c_.Text(percent_x, Top(n_), s.Get(str::kAnalysisPercentages), HAlign::kRight);
    n_ += 2;
    const int first = n_;
    const int slot = activity::ReportCalendarMonth(db_).slot();
    const int active = static_cast<int>(db_.status_list(store::ListType::kActive).size());
    for (int meeting = 0; meeting < 2; ++meeting) {
      const auto& block = db_.side.attendance[static_cast<std::size_t>(meeting)];
      const int top = Top(n_);
      c_.Text(stops_.left + dpi_y_ / 5, top, MeetingName(meeting));
      c_.Text(stops_.c4 - dpi_y_ / 10, top, std::to_string(block.meetings(slot)), HAlign::kRight);
      c_.Text(stops_.c5, top, std::to_string(block.total(slot)), HAlign::kRight);
      c_.Text(stops_.c6, top, std::to_string(block.average(slot)), HAlign::kRight);
      const double percent = active == 0 ? 0.0 : 100.0 * block.average(slot) / active;
      char buffer[96];
      std::snprintf(buffer, sizeof buffer, "%6.0f%c  %s  %3d", percent, '%',
                    s.Get(str::kAnalysisOf).c_str(), active);
      c_.Text(percent_x, top, buffer, HAlign::kRight);
      ++n_;
    }
    if (grid_) {
      const int top = Top(first) - lh_ / 20;
      const int bottom = Top(n_);
      const int left = stops_.left - dpi_x_ / 20;
      const int right = stops_.c9;
      c_.Rectangle({left, top, right, bottom}, 2);
      c_.Line(left, Top(first + 1), right, Top(first + 1), 1);
      for (int x :
           {stops_.c3, stops_.c4 + dpi_x_ / 20, stops_.c5 + dpi_x_ / 20, stops_.c6 + dpi_x_ / 20})
        c_.Line(x, top, x, bottom, 1);
    }
    --n_;
  }

  void SixMonthTable() {
    const StringTable& s = Strings();
    Need(3 + 1 + 2);
    n_ += 3;
    frame_.Use(FontRole::kSubtitle);
    const activity::CalendarMonth report = activity::ReportCalendarMonth(db_);
    c_.Text(stops_.left, Top(n_) - lh_ / 10,
            s.Get(str::kAnalysisSixMonthTitle) + " " + activity::MonthName(report.month_index));
    frame_.Use(FontRole::kText);
    ++n_;
    const int pitch = dpi_x_ / 2 + dpi_x_ / 16;
    auto stop = [&](int i) { return stops_.left + dpi_x_ * 5 / 2 + i * pitch; };
    // The "6-Meses" heading is wider than a month's: it stands a little further out.
    const int six_stop = stop(6) + dpi_x_ / 4;
    std::vector<activity::CalendarMonth> months;
    for (activity::CalendarMonth m = report; months.size() < 6; m = m.Previous())
      months.insert(months.begin(), m);
    for (int i = 0; i < 6; ++i)
      c_.Text(stop(i), Top(n_),
              s.Get(str::kMonthShortJanuary + months[static_cast<std::size_t>(i)].month_index),
              HAlign::kRight);
    c_.Text(six_stop, Top(n_), s.Get(str::kAnalysisSixMonths), HAlign::kRight);
    const int first = n_ + 1;
    for (int meeting = 0; meeting < 2; ++meeting) {
      ++n_;
      const auto& block = db_.side.attendance[static_cast<std::size_t>(meeting)];
      c_.Text(stops_.left + dpi_y_ / 20, Top(n_), MeetingName(meeting));
      long total = 0, meetings = 0;
      for (int i = 0; i < 6; ++i) {
        const int slot = months[static_cast<std::size_t>(i)].slot();
        c_.Text(stop(i), Top(n_), std::to_string(block.average(slot)), HAlign::kRight);
        total += block.total(slot);
        meetings += block.meetings(slot);
      }
      // Every meeting of the six months weighs the same, rounded half up.
      const long average = meetings == 0 ? 0 : (total * 2 + meetings) / (meetings * 2);
      if (average != 0) c_.Text(six_stop, Top(n_), std::to_string(average), HAlign::kRight);
    }
    if (grid_) {
      const int top = Top(first) - lh_ / 20;
      const int bottom = Top(n_) + lh_;
      const int left = stops_.left - dpi_x_ / 20;
      const int right = six_stop + dpi_x_ / 10;
      c_.Rectangle({left, top, right, bottom}, 2);
      c_.Line(left, Top(first + 1), right, Top(first + 1), 1);
      for (int i = -1; i < 6; ++i)
        c_.Line(stop(i) + dpi_x_ / 10, top, stop(i) + dpi_x_ / 10, bottom, 1);
    }
  }

  ReportFrame& frame_;
  Canvas& c_;
  const store::CongregationDatabase& db_;
  int kind_;
  Analysis analysis_;
  AnalysisStops stops_;
  PageFrame pf_;
  std::string title_, subtitle_, assistant_;
  int dpi_x_ = 0, dpi_y_ = 0, lh_ = 1, lpp_ = 1;
  bool grid_ = false;
  int page_ = 0, n_ = 1, first_line_ = 1;
  bool broke_ = false;
  bool column_headings_ = true;
  int grid_last_ = -1;
};

}  // namespace

AnalysisStops AnalysisStops::For(int dpi_x, bool greek) {
  AnalysisStops s;
  s.left = dpi_x / 2;
  s.c2 = s.left + dpi_x / 10 * 25;
  s.c3 = s.c2 + dpi_x / 2 + dpi_x / 5;
  s.c4 = s.c3 + dpi_x / 2 + dpi_x / 5;
  s.c5 = s.c4 + dpi_x / 2 + dpi_x / 5 + (greek ? dpi_x / 7 : 0);
  s.c6 = s.c4 + 2 * (dpi_x / 2 + dpi_x / 5);
  s.c8 = s.c6 + dpi_x;
  s.c9 = s.c8 + dpi_x / 3;
  return s;
}

int AnalysisLinesPerPage(ReportFrame& frame) {
  const ReportEnv& env = frame.env();
  const int lh =
      AnalysisLineHeight(frame.canvas().MetricsOf(frame.PlanFont()), kPlanDpi, env.options.grid);
  // Nine inches of lines, 9.7 on A4 paper.
  const int printable =
      env.page_height_tenths == kPageHeightTenthsA4 ? kPlanDpi * 97 / 10 : kPlanDpi * 9;
  return std::max(1, printable / lh);
}

std::vector<int> AnalysisGroups(const store::CongregationDatabase& db) {
  std::vector<int> groups;
  for (int g = 1; g <= store::GroupTable::kMaxGroups; ++g) {
    bool used = g <= db.side.groups.count();
    for (const store::IndexEntry& e : db.status_list(store::ListType::kActive))
      used = used || db.row(e.row).group() == g;
    if (used) groups.push_back(g);
  }
  return groups;
}

TallTable TallTableFrame(ReportFrame& frame) {
  TallTable t;
  t.frame = frame.ListFrame();
  t.frame.line_height =
      AnalysisLineHeight(frame.canvas().Metrics(), t.frame.dpi_y, frame.env().options.grid);
  t.rows_per_page = std::max(1, AnalysisLinesPerPage(frame) - 1);
  return t;
}

int DrawAnalysis(ReportFrame& frame, const store::CongregationDatabase& db, int kind, int group) {
  if (kind != kAnalysisGroup || group != 0)
    return AnalysisPainter(frame, db, kind, group, 0).Draw();
  // Every group in one go, each from a page of its own.
  int pages = 0;
  for (int g : AnalysisGroups(db)) pages = AnalysisPainter(frame, db, kind, g, pages).Draw();
  return pages;
}

}  // namespace ledra::reports
