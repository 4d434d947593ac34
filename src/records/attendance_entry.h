#pragma once
// The attendance at the two weekly meetings, month by month: five weeks per
// meeting with the count, total and average kept beside them; the months the
// entry offers; and the entry dialog's state, with no widgets.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/result.h"
#include "records/month_window.h"
#include "store/document.h"
#include "store/side_tables.h"

namespace ledra::records {

inline constexpr int kAttendanceMeetings = 2;  // 0 midweek, 1 weekend
inline constexpr int kAttendanceWeeks = 5;
inline constexpr int kAttendanceFields = kAttendanceMeetings * kAttendanceWeeks;
inline constexpr int kMaxAttendance = 65535;

using AttendanceWeeks = std::array<std::uint16_t, kAttendanceWeeks>;

struct AttendanceFigures {
  int count = 0;  // weeks with a non-zero attendance
  int total = 0;
  int average = 0;
  bool operator==(const AttendanceFigures&) const = default;
};

// total / count, one more when (total mod count) x 10 >= (count x 10) / 2;
// 0 when there was no meeting.
int AttendanceAverage(int total, int count);
AttendanceFigures FiguresOf(const AttendanceWeeks& weeks);

// One meeting's month as the block keeps it.
AttendanceWeeks StoredWeeks(const store::AttendanceBlock& block, int slot);
AttendanceFigures StoredFigures(const store::AttendanceBlock& block, int slot);
// Writes the weeks with their figures; returns false, writing nothing, when
// the weeks are those stored (their figures then stay as they are too).
bool StoreWeeks(store::AttendanceBlock& block, int slot, const AttendanceWeeks& weeks);

// A month outside the 24 months offered (month_window.h), in the user's words.
Message AttendanceMonthRefused(const store::CongregationDatabase& db, int year, int month_index);

// The command is not offered while a past month is viewed (nor on a folder
// opened read-only).
bool AttendanceEntryEnabled(const store::Document& doc);

// Fields are numbered meeting x 5 + week. Enter goes to the next; after the
// last week of one meeting comes the first of the other.
constexpr int NextAttendanceField(int field) {
  return (field + 1) % kAttendanceFields;
}

class AttendanceEntry {
 public:
  // Opens on the ReportMonth.
  explicit AttendanceEntry(store::Document& doc);

  int year() const { return year_; }  // four-digit
  int month_index() const { return month_index_; }
  int slot() const;
  std::vector<int> years() const { return WindowYears(doc_.db()); }
  std::vector<int> months() const { return WindowMonths(doc_.db(), year_); }
  // "26" for 2026, as the year list shows it.
  static std::string YearText(int year);
  // "Assistência às Reuniões  - Março - 2026".
  std::string caption() const;

  // The week fields as typed (ANSI digits); empty is no meeting.
  std::string& field(int meeting, int week);
  const std::string& field(int meeting, int week) const;
  std::string& field(int index) { return fields_[static_cast<std::size_t>(index)]; }

  // The figures of the fields shown; nothing while a field holds a bad value.
  std::optional<AttendanceFigures> shown(int meeting) const;
  std::string total_text(int meeting) const;
  std::string average_text(int meeting) const;

  // Each first stores the fields into the month shown, then loads the month
  // chosen. A bad field or a month not offered is refused and nothing changes.
  Status ChooseMonth(int month_index);
  // Keeps the month when the year offers it, else takes the nearest one it offers.
  Status ChooseYear(int year);
  Status Choose(int year, int month_index);
  // The fields into the month shown (Close does this); true when anything was
  // written, which marks the document modified.
  Result<bool> Store();

 private:
  void Load();
  // The weeks of one meeting; a bad field or too large a total is refused.
  Result<AttendanceWeeks> ParseMeeting(int meeting) const;

  store::Document& doc_;
  int year_ = 2000;
  int month_index_ = 0;
  std::array<std::string, kAttendanceFields> fields_;
};

}  // namespace ledra::records
