#pragma once
// The history editor: any stored month of the 24-month window other than the
// ReportMonth, for one publisher with every field, or, in its totals mode,
// the totals card as sent to the branch. Edits go to working copies; a copy
// is written back only when it differs from what is stored.

#include <cstdint>
#include <string>
#include <vector>

#include "activity/month_calendar.h"
#include "platform/result.h"
#include "store/document.h"

namespace ledra::activity {

inline constexpr int kHistoryRemarkLength = 43;
inline constexpr int kMaxHistoryCount = 9999;

// The person list in totals mode.
enum class Designation { kPublishers = 0, kAuxiliary = 1, kPioneers = 2, kActive = 3 };
// Which totals card row "Pioneiros (Reg. e Espec.)" edits; none shows the sum.
enum class PioneerRow { kSum, kRegular, kSpecial };

// The four-digit years offered: the ReportMonth's year - 2, - 1 and itself.
std::vector<int> HistoryYears(const store::CongregationDatabase& db);
// The month indexes offered for a four-digit year (empty outside the window).
std::vector<int> HistoryMonths(const store::CongregationDatabase& db, int year);
bool HistoryMonthOffered(const store::CongregationDatabase& db, int year, int month_index);

// "12.3" -> "12.25": the first digit after the point gives the quarter hour.
std::string QuarterHourText(std::string_view text);
// Whole hours and quarters (0-3) of a hours text; digits and one point only.
Result<std::pair<int, int>> ParseQuarterHours(std::string_view text, int max_hours);
// Whole hours with ".25", ".5" or ".75".
std::string HoursWithQuarters(int hours, int quarters);

class HistoryEditor {
 public:
  // Publisher mode on `row`, the ReportMonth's year and the month before it.
  HistoryEditor(store::Document& doc, int row);
  // Opened from a card of the inactive file: the months offered end with the
  // month the publisher became inactive and the editor opens on it; the
  // person list is the inactive file. An active record opens as usual.
  static HistoryEditor ForInactive(store::Document& doc, int row);

  // The four-digit years and the month indexes of a year this editor offers.
  std::vector<int> Years() const;
  std::vector<int> Months(int year) const;
  bool inactive() const { return inactive_; }

  // --- choices ------------------------------------------------------------------
  int year() const { return 2000 + month_.year_byte; }
  int month_index() const { return month_.month_index; }
  int slot() const { return month_.slot(); }
  bool simplified() const { return month_.counter() > store::kNewFormSwitch; }
  // Stores the shown month first; a month not offered is refused.
  Status Choose(int year, int month_index);
  Status ChoosePerson(int row);
  int row() const { return row_; }

  // --- fields (texts as typed, ANSI) -------------------------------------------
  std::string publications, videos, hours, return_visits, studies, credit;
  int pioneer() const { return pioneer_; }
  bool late() const { return late_; }
  bool less_than_hour() const { return less_than_hour_; }
  bool participated() const { return participated_; }
  const std::string& remark() const { return remark_; }

  // Ticking one pioneer box (1-3) unticks the others; 0 unticks all.
  void SetPioneer(int code) { pioneer_ = code; }
  // Only the eleven months before the ReportMonth can be marked late: the
  // late-report list names a month without its year.
  void SetLate(bool on) { late_ = on && late_visible(); }
  bool late_visible() const;
  // Ticking it disables the hours field.
  void SetLessThanHour(bool on) { less_than_hour_ = on; }
  // Unticking zeroes hours and studies.
  void SetParticipated(bool on);
  // The hours field was left: a point turns into a quarter hour.
  void HoursLeft() { hours = QuarterHourText(hours); }
  // Stored at once (cut to 43 characters); a full table is told and the
  // month keeps no remark.
  Status RemarkLeft(std::string text);

  // --- what shows (publisher mode) ---------------------------------------------
  std::string caption() const;
  bool counters_visible() const { return !simplified(); }  // pubs, videos, return visits
  bool studies_visible() const { return !simplified() || participated_; }
  bool hours_visible() const;
  bool hours_enabled() const { return !less_than_hour_; }
  bool participated_visible() const { return simplified(); }
  bool less_than_hour_visible() const;
  bool credit_visible() const { return totals_ || pioneer_ == 2 || pioneer_ == 3; }
  std::string credit_label() const;

  // Stores the fields into the working copy and writes it back when it
  // differs; returns whether anything was written. A bad field is refused
  // and nothing changes.
  Result<bool> Store();

  // --- totals mode ------------------------------------------------------------
  bool totals() const { return totals_; }
  // Stores the shown month and switches mode.
  Result<bool> SetTotals(bool on);
  Designation designation() const { return designation_; }
  void ChooseDesignation(Designation d);
  PioneerRow pioneer_row() const { return pioneer_row_; }
  void ChoosePioneerRow(PioneerRow r);
  // The sum of regular and special pioneers cannot be edited.
  bool read_only() const;
  // "Publicadores ativos": the one number it edits (row 0, column 5).
  std::string active;

  // --- advancing ----------------------------------------------------------------
  // After December the next year; after the month before the ReportMonth the
  // oldest month offered.
  Status NextMonth();
  // The next entry of the person list, after the last the first.
  Status NextPerson();

 private:
  void Load();
  void LoadTotals();
  Status StoreFields();
  Status StoreTotals();
  bool WriteBack();
  int card_row() const;
  std::uint16_t& Card(int row, int column);
  std::uint16_t CardAt(int row, int column) const;
  std::vector<int> ActiveRows() const;
  bool Offered(CalendarMonth m) const;
  bool AnchorAtInactive(int row);

  store::Document& doc_;
  int row_;
  store::PublisherRecord copy_;
  store::TotalsCard card_{};
  CalendarMonth month_;
  // The months offered, oldest and last.
  CalendarMonth oldest_, last_;
  bool inactive_ = false;
  int pioneer_ = 0;
  bool late_ = false, less_than_hour_ = false, participated_ = false;
  std::string remark_;
  bool totals_ = false;
  Designation designation_ = Designation::kPublishers;
  PioneerRow pioneer_row_ = PioneerRow::kSum;
};

}  // namespace ledra::activity
