#pragma once
// The congregation and group analysis pages (kinds 1, 2, 3, 4 and 110): one
// line per publisher with its marks, the totals and averages per category,
// the summary rows, and for the whole congregation the report to the branch
// office and the meeting attendance.

#include <vector>

#include "reports/report_frame.h"
#include "store/congregation_database.h"

namespace ledra::reports {

inline constexpr int kAnalysisCongregation = 1;  // pioneers first, then group by group
inline constexpr int kAnalysisGroup = 2;
inline constexpr int kAnalysisSummary = 3;
inline constexpr int kAnalysisAttendance = 4;
inline constexpr int kAnalysisAlphabetical = 110;

// The column stops of the analysis, from the page's left edge, for a
// target's real horizontal resolution.
struct AnalysisStops {
  int left = 0;  // L
  int c2 = 0, c3 = 0, c4 = 0, c5 = 0, c6 = 0, c8 = 0, c9 = 0;
  static AnalysisStops For(int dpi_x, bool greek);
};

// Lines a page takes, planned apart from the target (see kPlanDpi).
int AnalysisLinesPerPage(ReportFrame& frame);

// The groups a secretary can choose: those of the group table and any
// number an active publisher is in.
std::vector<int> AnalysisGroups(const store::CongregationDatabase& db);

// The frame of the tables with a line of at least a sixth of an inch (the
// hours reports and the service-year totals): rows from line 4, as many a
// page as the analysis plans less one.
struct TallTable {
  PageFrame frame;
  int rows_per_page = 1;
};
TallTable TallTableFrame(ReportFrame& frame);

// Draws the kind and returns its page count; kind 2 with group 0 draws every
// group, each from a page of its own.
int DrawAnalysis(ReportFrame& frame, const store::CongregationDatabase& db, int kind, int group);

}  // namespace ledra::reports
