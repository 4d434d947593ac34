#pragma once
// The congregation and group analysis: one line per listed publisher for the
// ReportMonth with the participation box, studies, auxiliary box, hours and
// status marks, the late reports entered for earlier months beneath it, and
// the tallies per category the totals block and the summary rows print.

#include <array>
#include <string>
#include <vector>

#include "store/congregation_database.h"

namespace ledra::activity {

// Which people are listed and in which order.
enum class AnalysisOrder {
  kPioneersThenGroups,  // regular and special pioneers, then group by group
  kAlphabetical,        // the active list
  kGroup,               // the active list, one group
};

// The four cells of a month as the analysis shows them.
struct AnalysisCells {
  bool reported = false;
  int studies = 0;         // 0: not shown
  bool auxiliary = false;  // the auxiliary-pioneer box
  int hours = 0;           // 0: not shown
};

// A late report of an earlier month, shown under the publisher's line.
struct AnalysisLateLine {
  int month_index = 0;
  AnalysisCells cells;
  std::string marks;  // ANSI
};

struct AnalysisLine {
  int row = 0;
  std::string name;  // ANSI display name
  AnalysisCells cells;
  std::string marks;   // ANSI, e.g. "p i" or "§ #"
  std::string remark;  // ANSI, empty when none
  std::vector<AnalysisLateLine> late;
  // Lines the publisher takes on the page.
  int Lines() const { return 1 + (remark.empty() ? 0 : 1) + static_cast<int>(late.size()); }
};

struct AnalysisSection {
  std::string heading;  // ANSI; empty: no heading line
  std::vector<AnalysisLine> lines;
};

// Per category k = the ReportMonth's PioneerCode (0 publisher, 1 auxiliary,
// 2 regular, 3 special pioneer).
struct AnalysisTallies {
  std::array<int, 4> listed{}, studies{}, hours{}, not_reported{}, irregular{};
  int special_servants = 0;    // with a report
  int field_missionaries = 0;  // with a report
  // Those of them by category: they report to the branch themselves.
  std::array<int, 4> left_out{};
  int auxiliary = 0;
  int unbaptised = 0;

  int TotalListed() const { return listed[0] + listed[1] + listed[2] + listed[3]; }
  int TotalIrregular() const { return irregular[0] + irregular[1] + irregular[2] + irregular[3]; }
  int TotalNotReported() const {
    return not_reported[0] + not_reported[1] + not_reported[2] + not_reported[3];
  }
  // Who reported in a category, leaving out the special servants and field
  // missionaries who reported in it.
  int Reporting(int k) const;
};

// One category line of the totals block.
struct CategoryFigures {
  int category = 0;
  int reporting = 0;
  double average_studies = 0;
  double average_hours = 0;  // categories 1-3 only
  double average_3 = 0, average_6 = 0;
};

struct Analysis {
  std::vector<AnalysisSection> sections;
  AnalysisTallies tallies;
  // Categories with someone reporting, in order 0..3.
  std::vector<CategoryFigures> categories;
  // Kind of one group: the group's inactive publishers (display names).
  std::vector<std::string> inactive_names;
  bool congregation_has_inactive = false;
};

// Builds the analysis of the ReportMonth; `group` is used by kGroup only.
Analysis BuildAnalysis(const store::CongregationDatabase& db, AnalysisOrder order, int group,
                       bool surname_first);

// The average hours of category k over `months` months walked back from the
// ReportMonth (included), over the active people (of `group` when not 0) whose
// month has a report with that PioneerCode; 0 when nobody.
double CategoryAverageHours(const store::CongregationDatabase& db, int k, int months, int group);

// A baptism date is recorded: its year's first digit stands in the fifth place.
bool HasBaptismDate(const store::PublisherRecord& p);

}  // namespace ledra::activity
