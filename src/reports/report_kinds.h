#pragma once
// The reports the view can show: each kind with the menu command that sets
// it, whether it is drawn for one group, and its drawing routine.

#include <optional>
#include <span>
#include <string>

#include "reports/report_frame.h"
#include "store/congregation_database.h"

namespace ledra::reports {

struct ReportKindInfo {
  int kind;
  int command;
  bool per_group;
  // Draws the whole strip of pages and returns the page count (at least 1).
  int (*draw)(ReportFrame& frame, const store::CongregationDatabase& db, int kind, int group);
  // A second menu command that shows the same kind (0: none).
  int alias_command = 0;
  // Drawn for the whole congregation with the report to the branch office,
  // whose totals are to be brought up to date first.
  bool branch_report = false;
  // A per-group kind that can also draw every group in one go (group 0).
  bool all_groups = false;
};

// The report's name as the list of kinds shows it (ANSI).
std::string ReportTitle(int kind);

// The kinds built so far.
std::span<const ReportKindInfo> BuiltReportKinds();
const ReportKindInfo* FindReportKind(int kind);
const ReportKindInfo* FindReportCommand(int command);

// Draws a kind on any canvas; nullopt when the kind is not built.
std::optional<int> DrawReport(Canvas& canvas, const ReportEnv& env,
                              const store::CongregationDatabase& db, int kind, int group);

}  // namespace ledra::reports
