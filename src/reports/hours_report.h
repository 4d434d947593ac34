#pragma once
// The twelve-month hours report (kinds 38-43 and 48): one line per person
// with the hours of each of the twelve months that end with the ReportMonth,
// a ticked box for a simplified month of a publisher who reported, and the
// average.

#include <array>
#include <string>
#include <vector>

#include "reports/report_frame.h"
#include "store/congregation_database.h"

namespace ledra::reports {

inline constexpr int kHoursSpecialCategory = 38;
inline constexpr int kHoursAuxiliary = 39;
inline constexpr int kHoursCongregation = 40;
inline constexpr int kHoursGroup = 41;
inline constexpr int kHoursRegular = 42;
inline constexpr int kHoursServants = 43;
inline constexpr int kHoursBrothers = 48;

struct HoursCell {
  std::string text;  // ANSI hours with the quarters' glyph; empty: nothing
  bool box = false;  // a ticked box instead of a number
};

struct HoursLine {
  std::string name;
  std::array<HoursCell, 12> months;  // oldest first
  std::string average;               // empty when not printed
};

// Months of the window that are of the old, detailed form at the start of
// a window that straddles the simplified report (0 otherwise).
int MixedLead(int report_counter, bool pioneer_filter);

std::vector<HoursLine> HoursLines(const store::CongregationDatabase& db, int kind, int group,
                                  bool surname_first);

int DrawHoursReport(ReportFrame& frame, const store::CongregationDatabase& db, int kind, int group);

}  // namespace ledra::reports
