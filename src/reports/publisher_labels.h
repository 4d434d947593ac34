#pragma once
// The publisher labels (ReportKind 30): a sheet of twenty labels, ten rows of
// two, starting at the label the user chose on the first sheet.

#include <string>
#include <vector>

#include "reports/report_frame.h"
#include "store/congregation_database.h"

namespace ledra::reports {

inline constexpr int kLabelsKind = 30;
inline constexpr int kLabelsPerSheet = 20;

// Where label n (1-20) sits on its sheet.
struct LabelPlace {
  int row = 0;     // 0-9
  int column = 0;  // 0-1
};
LabelPlace LabelPlaceOf(int n);
// The sheets `labels` labels fill from the first label `first` (1-20).
int LabelPageCount(int labels, int first);
// Whether the first-label question is asked: at most one sheet's worth chosen.
bool AsksFirstLabel(int chosen);

// The lines of one publisher's label (ANSI), top line first.
std::vector<std::string> LabelLines(const store::CongregationDatabase& db, int row,
                                    const PageOptions& options);

// The publishers chosen (ReportEnv::chosen_ids), or every active publisher.
int DrawLabels(ReportFrame& frame, const store::CongregationDatabase& db, int kind, int group);

}  // namespace ledra::reports
