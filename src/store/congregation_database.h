#pragma once
// The one in-memory store of a congregation: the publisher table (row 0 is the
// congregation header), its indexes, the report-month bookkeeping and the side
// tables that travel with it.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/prompter.h"
#include "platform/result.h"
#include "store/month_slot.h"
#include "store/publisher_record.h"
#include "store/side_tables.h"

namespace ledra::store {

inline constexpr int kMaxRecords = 1510;  // header + 1509 people
inline constexpr int kMaxLateEntries = 250;
inline constexpr int kMaxLateEntriesAtLoad = 200;
inline constexpr std::uint16_t kFirstPersonId = 100;
inline constexpr std::uint16_t kIdLimit = 30000;

struct IndexEntry {
  std::uint16_t id;
  std::uint16_t row;
  std::uint8_t list_type;
};

struct LateEntry {
  std::uint16_t id;
  std::uint8_t month;    // MonthIndex of the month reported
  std::uint8_t entered;  // reportMonthIndex + 1 of the month it was entered in
  bool operator==(const LateEntry&) const = default;
};

// Where the ReportMonth stands.
struct ReportMonthState {
  int today_year = 2000, today_month = 1, today_day = 1;
  int report_month_index = 0;  // the ReportMonth, or the past month viewed
  int report_year = 0;         // YearByte of the ReportMonth (or of the past month viewed)
  int open_month_index = 0;    // the ReportMonth proper, kept while a past month is viewed
  int open_year = 0;
  int counter = 0;  // MonthCounter of the ReportMonth
  bool viewing_past = false;
  int past_month_index = 0, past_year = 0;
  unsigned past_month_mask = 0;  // bit d (1-6): the copy of d months back exists
  // The early start recorded in the settings (two-digit year, month 1-12; 0 =
  // none): from the 25th on it makes that month today.
  int early_year = 0, early_month = 0;
};

class CongregationDatabase {
 public:
  CongregationDatabase();

  // --- rows -------------------------------------------------------------
  int count() const { return static_cast<int>(rows_.size()); }
  int people() const { return count() - 1; }
  PublisherRecord& row(int r) { return rows_[static_cast<std::size_t>(r)]; }
  const PublisherRecord& row(int r) const { return rows_[static_cast<std::size_t>(r)]; }
  PublisherRecord& header() { return rows_.front(); }
  const PublisherRecord& header() const { return rows_.front(); }
  std::vector<PublisherRecord>& rows() { return rows_; }
  const std::vector<PublisherRecord>& rows() const { return rows_; }
  // Appends a row; refused (with the message) once the table is full.
  Status AppendRow(const PublisherRecord& record);
  void RemoveRow(int r);
  // Back to the header alone (no people, no password, plain marker).
  void Reset();

  // --- lookups ------------------------------------------------------------
  // Row of the person with `id`, 0 when none (ids 0-9 never identify anyone).
  int FindRow(std::uint16_t id) const;
  // The first id from max(candidate, 100) upwards, below 30000, that no row uses; 0 when none.
  std::uint16_t NewId(std::uint16_t candidate) const;
  // "First Last", or "Last, First" (surname first, or the shared name-order flag).
  std::string DisplayName(int r, bool surname_first) const;
  std::string DisplayNameById(std::uint16_t id, bool surname_first) const;
  // Field 0 Plcmts, 1 Videos, 2 Hours, 3 R.V.s, 4 Bible studies; 0 above 4.
  std::uint16_t ActivityValue(int r, int month_index, int field, int parity) const;
  // Whether the slot's remark is non-empty; a parity of 3 or more is a caller's
  // mistake and is reported.
  bool HasRemark(int r, int month_index, int parity, Prompter& prompter) const;

  // --- lists and order --------------------------------------------------------
  // Rows with that ListType; the count is stored beside the lists.
  int CountList(ListType type);
  void CountAllLists();
  int list_count(ListType type) const { return list_counts_[static_cast<std::size_t>(type)]; }
  void RebuildIndexes(Prompter& prompter);
  const std::vector<IndexEntry>& index() const { return index_; }
  const std::vector<IndexEntry>& status_list(ListType type) const {
    return status_lists_[static_cast<std::size_t>(type)];
  }
  int circuit_overseer_row() const { return circuit_overseer_row_; }
  // Puts rows 1..n-1 in name order, the circuit overseer last (stable).
  void SortTable();
  // Whether row a sorts before row b.
  bool SortsBefore(const PublisherRecord& a, const PublisherRecord& b) const;
  // Gives every repeated id a fresh one; returns how many were changed.
  int RepairDuplicateIds();

  // --- months ----------------------------------------------------------------
  ReportMonthState& month() { return month_; }
  const ReportMonthState& month() const { return month_; }
  // Sets today and the ReportMonth (the month before today).
  void SetToday(int year, int month, int day);
  void SetReportMonth(int counter);
  // Makes another month the ReportMonth with the rows in memory: the late
  // entries of the old month go back into the rows first, then the late
  // entries and the entered-up-to marker are derived for the new month.
  void MoveReportMonth(int counter, Prompter& prompter);
  int ServiceYear() const {
    return store::ServiceYear(month_.report_year, month_.report_month_index);
  }
  bool new_form() const { return month_.counter > kNewFormSwitch; }

  // --- late entries -------------------------------------------------------------
  std::vector<LateEntry>& late_entries() { return late_entries_; }
  const std::vector<LateEntry>& late_entries() const { return late_entries_; }
  // From the lateMonth bytes of the six months before the ReportMonth.
  void BuildLateEntries();
  // Writes the list back into the lateMonth bytes.
  void ApplyLateEntries();

  // --- flags and settings that shape names and order ------------------------------
  bool modified = false;
  std::uint16_t last_entered_id = 0;
  bool sort_by_first_name = false;
  std::string language_code = "ptg";
  bool special_servant_present = false;
  bool special_ministry_present = false;
  void UpdatePresenceFlags();

  SideTables side;

 private:
  std::vector<PublisherRecord> rows_;
  std::vector<IndexEntry> index_;
  std::array<std::vector<IndexEntry>, kStatusListCount> status_lists_;
  std::array<int, 6> list_counts_{};
  int circuit_overseer_row_ = 0;
  ReportMonthState month_;
  std::vector<LateEntry> late_entries_;
};

}  // namespace ledra::store
