#pragma once
// "meetin9.dat": the two meeting-attendance blocks; and the conversion of the
// previous version's "meeting.dat".

#include <string>
#include <string_view>

#include "store/congregation_database.h"

namespace ledra::store {

inline constexpr std::size_t kOldMeetingRowSize = 224;

// Both blocks from the file (whole blocks only), names replaced by ours.
void ReadAttendance(CongregationDatabase& db, std::string_view file);
// Both blocks, or only the first when the file existed but was empty at load.
std::string WriteAttendance(const CongregationDatabase& db);

// The previous version kept one 224-byte row per meeting, at most ten rows:
//   0..31    meeting name (text)
//   32..223  twelve months, January first, eight little-endian words each:
//            attendance of weeks 1-5, number of meetings, total, average.
// Row 0 is the midweek meeting and row 1 the weekend meeting; the other rows
// held meetings the program no longer keeps. Each month goes to the slot of
// its place among the twelve months that end with the ReportMonth.
void ConvertOldMeetings(CongregationDatabase& db, std::string_view old_file);

}  // namespace ledra::store
