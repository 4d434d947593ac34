#pragma once
// One publisher's report for the open month, or for one of the eleven months
// before it as a late report: what the sheet shows, what each field does,
// the credit hours of a regular pioneer, the notice line and the save.
// Every edit works on a copy of the record; OK writes it back.

#include <cstdint>
#include <string>

#include "activity/month_calendar.h"
#include "platform/result.h"
#include "store/document.h"

namespace ledra::activity {

inline constexpr int kRemarkLength = 36;
inline constexpr int kMaxStudies = 63;
// A month has at most 31 days of 24 hours.
inline constexpr int kMaxSheetHours = 744;

class ReportSheet {
 public:
  // The sheet of the person in `row` for the ReportMonth.
  ReportSheet(store::Document& doc, int row);

  // --- the entry month ---------------------------------------------------------
  int entry_month() const { return month_; }  // MonthIndex
  int parity() const { return parity_; }
  int slot() const { return month_ * 3 + parity_; }
  // The month's calendar place: months later in the year than the ReportMonth
  // belong to the year before.
  CalendarMonth entry() const;
  bool late() const;
  // "Mudar Mês": shows the month list; choosing a month loads its slot.
  void ShowMonthList() { month_list_shown_ = true; }
  // The notice then tells again whether the month's changes reach the branch.
  void HideMonthList();
  bool month_list_shown() const { return month_list_shown_; }
  void ChooseMonth(int month_index);

  // --- fields (texts as typed, ANSI) -------------------------------------------
  const std::string& hours_text() const { return hours_; }
  const std::string& studies_text() const { return studies_; }
  bool participated() const { return participated_; }
  bool auxiliary() const { return auxiliary_; }
  int credit() const { return credit_; }
  const std::string& remark() const { return remark_; }

  void SetHoursText(std::string text) { hours_ = std::move(text); }
  void SetStudiesText(std::string text) { studies_ = std::move(text); }
  // Unticking zeroes hours and studies.
  void SetParticipated(bool on);
  // Ticking it marks the month as taken part in when hours were typed.
  void SetAuxiliary(bool on);
  // The hours field lost the focus: the credit follows the hours.
  void HoursLeft();
  // The remark field lost the focus: the text (cut to 36 characters) is
  // stored at once, and the credit follows it. A full remark table is told.
  Status RemarkLeft(std::string text);

  // --- what shows -----------------------------------------------------------------
  std::string name() const;  // display name
  std::string month_name() const;
  bool studies_visible() const { return participated_; }
  bool hours_visible() const;
  bool category_visible() const;  // instead of the auxiliary-pioneer box
  std::string category_text() const;
  std::string servant_text() const;
  std::string group_text() const;
  std::string credit_text() const;  // empty when no credit is shown
  const std::string& notice() const { return notice_; }
  bool not_included() const { return not_included_; }
  std::uint8_t pioneer_code() const { return copy_.pioneer_code(slot()) & 3; }
  bool queued() const;

  // --- OK -----------------------------------------------------------------------------
  // Validates and writes the record back when anything changed; returns
  // whether it did. A refused field gives its message and changes nothing.
  Result<bool> Save();

 private:
  void Load();
  void Recredit();
  void BuildNotice();
  bool field_missionary() const;
  bool has_activity() const;

  store::Document& doc_;
  int row_;
  store::PublisherRecord copy_;
  int month_ = 0;
  int parity_ = 0;
  bool month_list_shown_ = false;
  std::string hours_, studies_, remark_;
  bool participated_ = false;
  bool auxiliary_ = false;
  int credit_ = 0;
  std::string notice_;
  bool not_included_ = false;
};

// Parses a whole number from `low` to `high` (digits only; empty is 0).
Result<int> ParseWholeNumber(std::string_view text, int low, int high);

}  // namespace ledra::activity
