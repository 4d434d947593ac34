#pragma once
// The field service group lists (kinds 70-74): one block per group with its
// overseer, assistant, meeting place, day and time, then its members; the
// kinds add the Bible students and the inactive, or keep only those who gave
// consent to the use of their personal data.

#include <string>
#include <vector>

#include "reports/report_frame.h"
#include "store/congregation_database.h"

namespace ledra::reports {

inline constexpr int kGroupListFirst = 70;
inline constexpr int kGroupListLast = 74;

// One printed line of a group list.
struct GroupListLine {
  enum class Kind { kGroup, kDetails, kHeading, kMember } kind = Kind::kMember;
  std::string text;    // ANSI
  std::string second;  // the assistant on the overseer's line
};

// Every group's block, in group order; a blank line between blocks is left
// to the drawing.
std::vector<std::vector<GroupListLine>> GroupListBlocks(const store::CongregationDatabase& db,
                                                        int kind, bool surname_first);

int DrawGroupList(ReportFrame& frame, const store::CongregationDatabase& db, int kind, int group);

}  // namespace ledra::reports
