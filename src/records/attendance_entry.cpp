#include "records/attendance_entry.h"
#include "records/month_window.h"

#include <algorithm>

#include "activity/month_calendar.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::records {
namespace {

// Byte offsets of one meeting block: five weeks, then count, total, average,
// each a row of 36 words, one per slot.
constexpr std::size_t kWeeksAt = 96;
constexpr std::size_t kRowBytes = 72;
constexpr std::size_t kCountAt = 456;
constexpr std::size_t kTotalAt = 528;
constexpr std::size_t kAverageAt = 600;

constexpr std::size_t At(std::size_t row, int slot) {
  return row + 2 * static_cast<std::size_t>(slot);
}
constexpr std::size_t WeekAt(int week, int slot) {
  return At(kWeeksAt + kRowBytes * static_cast<std::size_t>(week), slot);
}

activity::CalendarMonth ReportMonthOf(const store::CongregationDatabase& db) {
  return {db.month().report_month_index, db.month().report_year};
}

std::string MeetingName(int meeting) {
  return Strings().Get(meeting == 0 ? str::kMeetingMidweek : str::kMeetingWeekend);
}

}  // namespace

int AttendanceAverage(int total, int count) {
  if (count <= 0) return 0;
  const int whole = total / count;
  return (total % count) * 10 >= (count * 10) / 2 ? whole + 1 : whole;
}

AttendanceFigures FiguresOf(const AttendanceWeeks& weeks) {
  AttendanceFigures f;
  for (std::uint16_t w : weeks) {
    f.total += w;
    if (w != 0) ++f.count;
  }
  f.average = AttendanceAverage(f.total, f.count);
  return f;
}

AttendanceWeeks StoredWeeks(const store::AttendanceBlock& block, int slot) {
  AttendanceWeeks weeks{};
  for (int w = 0; w < kAttendanceWeeks; ++w)
    weeks[static_cast<std::size_t>(w)] = block.u16(WeekAt(w, slot));
  return weeks;
}

AttendanceFigures StoredFigures(const store::AttendanceBlock& block, int slot) {
  return {block.u16(At(kCountAt, slot)), block.u16(At(kTotalAt, slot)),
          block.u16(At(kAverageAt, slot))};
}

bool StoreWeeks(store::AttendanceBlock& block, int slot, const AttendanceWeeks& weeks) {
  if (StoredWeeks(block, slot) == weeks) return false;
  for (int w = 0; w < kAttendanceWeeks; ++w)
    block.set_u16(WeekAt(w, slot), weeks[static_cast<std::size_t>(w)]);
  const AttendanceFigures f = FiguresOf(weeks);
  // The weeks were each checked, and so was their sum.
  block.set_u16(At(kCountAt, slot), static_cast<std::uint16_t>(f.count));
  block.set_u16(At(kTotalAt, slot), static_cast<std::uint16_t>(f.total));
  block.set_u16(At(kAverageAt, slot), static_cast<std::uint16_t>(f.average));
  return true;
}

Message AttendanceMonthRefused(const store::CongregationDatabase& db, int year, int month_index) {
  const activity::CalendarMonth last = ReportMonthOf(db);
  const auto first = activity::CalendarMonth::FromCounter(last.counter() - kWindowMonths + 1);
  const std::string month = month_index >= 0 && month_index < 12 ? activity::MonthName(month_index)
                                                                 : std::to_string(month_index + 1);
  return {str::kAttendanceMonthNotOffered,
          Strings().Format(
              str::kAttendanceMonthNotOffered,
              {month, std::to_string(year), activity::MonthName(first.month_index),
               std::to_string(2000 + first.year_byte), activity::MonthName(last.month_index),
               std::to_string(2000 + last.year_byte)})};
}

bool AttendanceEntryEnabled(const store::Document& doc) {
  return !doc.db().month().viewing_past && !doc.read_only();
}

AttendanceEntry::AttendanceEntry(store::Document& doc)
    : doc_(doc),
      year_(2000 + doc.db().month().report_year),
      month_index_(doc.db().month().report_month_index) {
  Load();
}

int AttendanceEntry::slot() const {
  return store::MonthSlot(month_index_, year_ - 2000);
}

std::string AttendanceEntry::YearText(int year) {
  const int two = ((year % 100) + 100) % 100;
  return (two < 10 ? "0" : "") + std::to_string(two);
}

std::string AttendanceEntry::caption() const {
  return Strings().Format(str::kAttendanceCaption,
                          {activity::MonthName(month_index_), std::to_string(year_)});
}

std::string& AttendanceEntry::field(int meeting, int week) {
  return fields_[static_cast<std::size_t>(meeting * kAttendanceWeeks + week)];
}

const std::string& AttendanceEntry::field(int meeting, int week) const {
  return fields_[static_cast<std::size_t>(meeting * kAttendanceWeeks + week)];
}

Result<AttendanceWeeks> AttendanceEntry::ParseMeeting(int meeting) const {
  AttendanceWeeks weeks{};
  int total = 0;
  for (int w = 0; w < kAttendanceWeeks; ++w) {
    const std::string& text = field(meeting, w);
    int value = 0;
    bool good = true;
    for (char ch : text) {
      good = good && ch >= '0' && ch <= '9' && value <= kMaxAttendance;
      if (good) value = value * 10 + (ch - '0');
    }
    if (!good || value > kMaxAttendance)
      return Message{
          str::kAttendanceBadWeek,
          Strings().Format(str::kAttendanceBadWeek, {MeetingName(meeting), std::to_string(w + 1),
                                                     std::to_string(kMaxAttendance)})};
    weeks[static_cast<std::size_t>(w)] = static_cast<std::uint16_t>(value);
    total += value;
  }
  // The total is kept in a word of its own.
  if (total > kMaxAttendance)
    return Message{str::kAttendanceTotalTooLarge,
                   Strings().Format(str::kAttendanceTotalTooLarge,
                                    {MeetingName(meeting), std::to_string(kMaxAttendance)})};
  return weeks;
}

std::optional<AttendanceFigures> AttendanceEntry::shown(int meeting) const {
  const Result<AttendanceWeeks> weeks = ParseMeeting(meeting);
  if (!weeks) return std::nullopt;
  return FiguresOf(*weeks);
}

std::string AttendanceEntry::total_text(int meeting) const {
  const auto f = shown(meeting);
  return f ? std::to_string(f->total) : std::string{};
}

std::string AttendanceEntry::average_text(int meeting) const {
  const auto f = shown(meeting);
  return f ? std::to_string(f->average) : std::string{};
}

void AttendanceEntry::Load() {
  const int s = slot();
  for (int m = 0; m < kAttendanceMeetings; ++m) {
    const AttendanceWeeks weeks =
        StoredWeeks(doc_.db().side.attendance[static_cast<std::size_t>(m)], s);
    // No meeting shows as an empty field.
    for (int w = 0; w < kAttendanceWeeks; ++w) {
      const std::uint16_t v = weeks[static_cast<std::size_t>(w)];
      field(m, w) = v == 0 ? std::string{} : std::to_string(v);
    }
  }
}

Result<bool> AttendanceEntry::Store() {
  if (doc_.db().month().viewing_past)
    return Message{str::kAttendancePastMonth, Strings().Get(str::kAttendancePastMonth)};
  std::array<AttendanceWeeks, kAttendanceMeetings> parsed{};
  for (int m = 0; m < kAttendanceMeetings; ++m) {
    Result<AttendanceWeeks> weeks = ParseMeeting(m);
    if (!weeks) return weeks.error();
    parsed[static_cast<std::size_t>(m)] = *weeks;
  }
  auto& side = doc_.db().side;
  const bool midweek = StoreWeeks(side.attendance[0], slot(), parsed[0]);
  const bool weekend = StoreWeeks(side.attendance[1], slot(), parsed[1]);
  // A file that held no blocks is saved with the first only; a weekend
  // typed in must reach the file all the same.
  if (weekend) side.attendance_file_was_empty = false;
  const bool written = midweek || weekend;
  if (written) doc_.db().modified = true;
  return written;
}

Status AttendanceEntry::Choose(int year, int month_index) {
  if (!WindowMonthOffered(doc_.db(), year, month_index))
    return AttendanceMonthRefused(doc_.db(), year, month_index);
  if (const Result<bool> stored = Store(); !stored) return stored.error();
  year_ = year;
  month_index_ = month_index;
  Load();
  return {};
}

Status AttendanceEntry::ChooseMonth(int month_index) {
  return Choose(year_, month_index);
}

Status AttendanceEntry::ChooseYear(int year) {
  const std::vector<int> offered = WindowMonths(doc_.db(), year);
  if (offered.empty()) return AttendanceMonthRefused(doc_.db(), year, month_index_);
  int month = month_index_;
  if (std::find(offered.begin(), offered.end(), month) == offered.end())
    month = month < offered.front() ? offered.front() : offered.back();
  return Choose(year, month);
}

}  // namespace ledra::records
