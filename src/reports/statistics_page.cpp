#include "reports/statistics_page.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "activity/month_calendar.h"
#include "activity/statistics.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::reports {
namespace {

std::string Decimal(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%4.1f", v);
  return text;
}

std::string Percent(int count, int of) {
  char text[32];
  std::snprintf(text, sizeof text, "%3.0f%%", of == 0 ? 0.0 : 100.0 * count / of);
  return text;
}

class StatisticsPainter {
 public:
  StatisticsPainter(ReportFrame& frame, const store::CongregationDatabase& db)
      : frame_(frame), c_(frame.canvas()), db_(db), s_(activity::ComputeStatistics(db)) {
    pf_ = frame.ListFrame();
    // At least a sixth of an inch a line, and no leading of its own.
    pf_.line_height = std::max(c_.Metrics().height, pf_.dpi_y / 6);
    const int first = pf_.left_margin + pf_.dpi_x / 5;
    stops_.push_back(first);
    stops_.push_back(first + pf_.Inches(2, 5));
    for (int k = 1; k <= 9; ++k) stops_.push_back(stops_[1] + pf_.Inches(3 * k, 4));
  }

  int Draw() {
    const StringTable& s = Strings();
    const std::string month = activity::MonthName(db_.month().report_month_index);
    frame_.DrawHeader(
        pf_, 0,
        frame_.Title(s.Format(str::kStatisticsTitle, {s.Get(str::kAveragesCongregation)}) + month),
        {});
    const activity::Glance& g = s_.glance;
    n_ = 2;
    Count(str::kAnalysisActivePublishers, g.active, false);
    Count(str::kStatisticsRegular, g.regular, true);
    Count(str::kStatisticsBaptised, g.baptised, true);
    Count(str::kStatisticsRegularPioneers, g.regular_pioneers, false);
    Count(str::kStatisticsElders, g.elders, false);
    Count(str::kStatisticsServants, g.ministerial_servants, false);
    if (s_.special_pioneers > 0) Count(str::kStatisticsSpecialPioneers, s_.special_pioneers, false);

    const std::string periods[] = {month, s.Get(str::kStatisticsSixMonthsHead),
                                   s.Get(str::kPioneerReportYear)};
    n_ += 1;
    Heads(std::vector<std::string>(std::begin(periods), std::end(periods)), 5);
    const int movement_rows[] = {str::kDesignationAuxiliary, str::kStatisticsNew,
                                 str::kAnalysisInactive, str::kStatisticsReactivated,
                                 str::kStatisticsMoved};
    for (int r = 0; r < 5; ++r) {
      c_.Text(stops_[0], Top(), s.Get(movement_rows[r]));
      for (std::size_t p = 0; p < 3; ++p) {
        const activity::GlancePeriod& m = s_.movement[p];
        const int values[] = {m.auxiliary, m.new_publishers, m.inactive, m.reactivated, m.moved};
        c_.Text(stops_[5 + p], Top(), std::to_string(values[r]), HAlign::kRight);
      }
      ++n_;
    }

    n_ += 1;
    Section(s.Get(str::kAnalysisAverageHours));
    Heads(std::vector<std::string>(std::begin(periods), std::end(periods)), 5);
    const int hour_rows[] = {str::kTotalsPublishers, str::kTotalsRegular, str::kTotalsAuxiliary};
    for (std::size_t r = 0; r < 3; ++r) {
      c_.Text(stops_[1], Top(), s.Get(hour_rows[r]));
      for (std::size_t p = 0; p < 3; ++p)
        if (s_.hours[r][p]) c_.Text(stops_[5 + p], Top(), Decimal(*s_.hours[r][p]), HAlign::kRight);
      ++n_;
    }

    if (db_.side.shared_settings[store::shared::kBirthStatistics] != 0) Brackets();

    n_ += 1;
    Section(s.Get(str::kStatisticsAttendance));
    Heads({month, s.Get(str::kStatisticsThreeMonths), s.Get(str::kAnalysisSixMonths),
           s.Get(str::kPioneerReportYear)},
          5);
    for (std::size_t meeting = 0; meeting < 2; ++meeting) {
      c_.Text(stops_[1], Top(), s.Get(meeting == 0 ? str::kMeetingMidweek : str::kMeetingWeekend));
      for (std::size_t p = 0; p < activity::kAttendancePeriods; ++p)
        c_.Text(stops_[5 + p], Top(), std::to_string(s_.attendance[meeting][p]), HAlign::kRight);
      ++n_;
    }

    n_ += 1;
    Section(s.Get(str::kAnalysisSixMonthTitle) + " " + month);
    ++n_;  // the title is as wide as the first heads
    std::vector<std::string> heads;
    for (int c = 0; c < 5; ++c) heads.push_back(s.Get(str::kStatisticsSixMonthColumnFirst + c));
    Heads(heads, 5);
    const int designations[] = {str::kDesignationPublishers, str::kDesignationAuxiliary,
                                str::kDesignationPioneers};
    for (std::size_t d = 0; d < 3; ++d) {
      c_.Text(stops_[1], Top(), s.Get(designations[d]));
      for (std::size_t c = 0; c < 5; ++c)
        c_.Text(stops_[5 + c], Top(), Decimal(s_.six_months[d][c]), HAlign::kRight);
      ++n_;
    }
    return 1;
  }

 private:
  int Top() const { return pf_.LineTop(0, n_); }

  void Count(int label, int value, bool percent) {
    c_.Text(stops_[0], Top(), Strings().Get(label));
    c_.Text(stops_[5], Top(), std::to_string(value), HAlign::kRight);
    if (percent) c_.Text(stops_[6], Top(), Percent(value, s_.glance.active), HAlign::kRight);
    ++n_;
  }

  void Section(const std::string& heading) {
    frame_.Use(FontRole::kHeading);
    c_.Text(pf_.left_margin, Top(), heading);
    frame_.Use(FontRole::kText);
  }

  // Column heads right-aligned from stop `first` on, on the current line.
  void Heads(const std::vector<std::string>& heads, std::size_t first) {
    frame_.Use(FontRole::kHeading);
    for (std::size_t i = 0; i < heads.size(); ++i)
      c_.Text(stops_[first + i], Top(), heads[i], HAlign::kRight);
    frame_.Use(FontRole::kText);
    ++n_;
  }

  // The two bracket tables side by side, each row a count and its share of
  // the active publishers.
  void Brackets() {
    const StringTable& s = Strings();
    n_ += 1;
    frame_.Use(FontRole::kHeading);
    c_.Text(stops_[0], Top(), s.Get(str::kStatisticsBaptismYears));
    c_.Text(stops_[6], Top(), s.Get(str::kStatisticsAgeYears));
    frame_.Use(FontRole::kText);
    ++n_;
    for (std::size_t r = 0; r < activity::kBracketRows; ++r) {
      c_.Text(stops_[1], Top(), s.Get(str::kStatisticsBaptismRowFirst + static_cast<int>(r)));
      c_.Text(stops_[4], Top(), std::to_string(s_.baptism[r]), HAlign::kRight);
      c_.Text(stops_[5], Top(), Percent(s_.baptism[r], s_.glance.active), HAlign::kRight);
      c_.Text(stops_[6], Top(), s.Get(str::kStatisticsAgeRowFirst + static_cast<int>(r)));
      c_.Text(stops_[9], Top(), std::to_string(s_.age[r]), HAlign::kRight);
      c_.Text(stops_[10], Top(), Percent(s_.age[r], s_.glance.active), HAlign::kRight);
      ++n_;
    }
  }

  ReportFrame& frame_;
  Canvas& c_;
  const store::CongregationDatabase& db_;
  activity::Statistics s_;
  PageFrame pf_;
  std::vector<int> stops_;
  int n_ = 2;
};

}  // namespace

int DrawStatistics(ReportFrame& frame, const store::CongregationDatabase& db, int, int) {
  return StatisticsPainter(frame, db).Draw();
}

}  // namespace ledra::reports
