#include "store/attendance_file.h"

#include <cstring>

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::store {
namespace {

void ReplaceNames(CongregationDatabase& db) {
  auto& blocks = db.side.attendance;
  blocks[0].set_text(0, 96, Strings().Get(str::kMidweekMeeting));
  blocks[1].set_text(0, 96, Strings().Get(str::kWeekendMeeting));
}

}  // namespace

void ReadAttendance(CongregationDatabase& db, std::string_view file) {
  auto& blocks = db.side.attendance;
  blocks = {};
  db.side.attendance_file_was_empty = file.empty();
  for (std::size_t b = 0; b < 2 && (b + 1) * AttendanceBlock::kSize <= file.size(); ++b)
    std::memcpy(blocks[b].bytes.data(), file.data() + b * AttendanceBlock::kSize,
                AttendanceBlock::kSize);
  ReplaceNames(db);
}

std::string WriteAttendance(const CongregationDatabase& db) {
  const auto& blocks = db.side.attendance;
  std::string out(reinterpret_cast<const char*>(blocks[0].bytes.data()), AttendanceBlock::kSize);
  if (!db.side.attendance_file_was_empty)
    out.append(reinterpret_cast<const char*>(blocks[1].bytes.data()), AttendanceBlock::kSize);
  return out;
}

void ConvertOldMeetings(CongregationDatabase& db, std::string_view old) {
  auto& blocks = db.side.attendance;
  blocks = {};
  const auto& m = db.month();
  for (std::size_t b = 0; b < 2 && (b + 1) * kOldMeetingRowSize <= old.size(); ++b) {
    const auto* row = reinterpret_cast<const std::uint8_t*>(old.data() + b * kOldMeetingRowSize);
    for (int j = 0; j < 12; ++j) {
      const int year = j <= m.report_month_index ? m.report_year : m.report_year - 1;
      const auto slot = static_cast<std::size_t>(MonthSlot(j, year));
      const std::uint8_t* words = row + 32 + 16 * j;
      for (int w = 0; w < 5; ++w)
        blocks[b].set_u16(96 + 72 * static_cast<std::size_t>(w) + 2 * slot, GetU16(words + 2 * w));
      blocks[b].set_u16(456 + 2 * slot, GetU16(words + 10));
      blocks[b].set_u16(528 + 2 * slot, GetU16(words + 12));
      blocks[b].set_u16(600 + 2 * slot, GetU16(words + 14));
    }
  }
  db.side.attendance_file_was_empty = false;
  ReplaceNames(db);
}

}  // namespace ledra::store
