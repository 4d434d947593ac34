#include "activity/start_month.h"

#include "activity/month_calendar.h"
#include "activity/oldest_entry_trim.h"
#include "store/month_slot.h"

namespace ledra::activity {

namespace {

using store::ListType;
using store::PublisherRecord;
using store::SlotWords;

constexpr SlotWords kCounters[] = {SlotWords::kPlcmts, SlotWords::kVideos, SlotWords::kHours,
                                   SlotWords::kReturnVisits, SlotWords::kStudiesWord};

struct StartContext {
  store::CongregationDatabase& db;
  Prompter& prompter;
  int month;   // MonthIndex started
  int parity;  // its slot parity
  int slot;
  int previous_slot;
  StartSummary summary;
};

void ClearCounters(PublisherRecord& rec, int slot) {
  for (SlotWords w : kCounters) rec.set_word(w, slot, 0);
}

void ClearCredit(PublisherRecord& rec, int slot) {
  rec.set_word(SlotWords::kPioCredit, slot, 0);
}

void ClearRemarkReference(PublisherRecord& rec, int slot) {
  rec.set_word(SlotWords::kRemarkIndex, slot, 0);
}

// A new-publisher or reactivated status lasts six report months; the copy
// kept for the service-year counts loses its month when that month comes round.
void ExpireStatusChanges(StartContext& c, PublisherRecord& rec) {
  const int started = c.month + 1;
  const int six_back = store::MonthsBack(c.month, 6) + 1;
  if ((rec.status_change() >> 4) == six_back) rec.SetU8(201, 0);
  const std::uint8_t copy = rec.status_copy();
  if ((copy >> 4) == started && (rec.status_change() >> 4) != started)
    rec.SetU8(238, static_cast<std::uint8_t>(copy & 0x0F));
  const int since = rec.status_counter();
  if (since != 0 && since < c.db.month().counter - 24) {
    rec.SetU16(192, 0);
    rec.SetU8(238, 0);
  }
}

// Regular and special pioneers stay pioneers; an auxiliary pioneer stays one
// only when marked continuous.
void CarryPioneerCode(const StartContext& c, PublisherRecord& rec) {
  std::uint8_t code = 0;
  const int before = rec.pioneer_code(c.previous_slot) & 3;
  if (rec.attribute_flags() & store::attr::kRegularAuxiliary) {
    code = 1;
  } else if (before == 2 || before == 3) {
    code = static_cast<std::uint8_t>(before);
  }
  rec.set_pioneer_code(c.slot, code);
}

void EmptySlotRemark(StartContext& c, PublisherRecord& rec) {
  const std::uint16_t pos = rec.word(SlotWords::kRemarkIndex, c.slot);
  auto& remarks = c.db.side.remarks;
  if (pos >= 1 && pos < remarks.size()) {
    remarks[pos].text.clear();
    ClearRemarkReference(rec, c.slot);
    ++c.summary.remarks_emptied;
  }
}

void StartActivePublishers(StartContext& c) {
  for (const store::IndexEntry& e : c.db.status_list(ListType::kActive)) {
    PublisherRecord& rec = c.db.row(e.row);
    ExpireStatusChanges(c, rec);
    CarryPioneerCode(c, rec);
    EmptySlotRemark(c, rec);
    ClearCounters(rec, c.slot);
    ClearCredit(rec, c.slot);
  }
}

// Bible students keep their remark texts; only the slot lets go of them.
void StartNonPublishers(StartContext& c) {
  for (const store::IndexEntry& e : c.db.status_list(ListType::kNonPublisher)) {
    PublisherRecord& rec = c.db.row(e.row);
    ClearCounters(rec, c.slot);
    ClearCredit(rec, c.slot);
    ClearRemarkReference(rec, c.slot);
  }
}

void StartDeletedRecords(StartContext& c) {
  for (const store::IndexEntry& e : c.db.status_list(ListType::kDeleted)) {
    PublisherRecord& rec = c.db.row(e.row);
    ClearCounters(rec, c.slot);
    rec.set_pioneer_code(c.slot, 0);
    ClearCredit(rec, c.slot);
    ClearRemarkReference(rec, c.slot);
  }
}

// The slot now holds the started month's year: December started in January
// or February belongs to the year before.
void ResetEntryMarkerAndStamp(StartContext& c) {
  const auto& m = c.db.month();
  c.db.last_entered_id = 0;
  int stamp = m.today_year - 2000;
  if (c.month == 11 && m.today_month <= 2) stamp -= 1;
  c.db.header().set_word(SlotWords::kRemarkIndex, c.slot, static_cast<std::uint16_t>(stamp));
}

void EmptyLateList(StartContext& c) {
  c.db.late_entries().clear();
}

// The third slot of each month is the attendance's working slot.
void CarryAttendance(StartContext& c) {
  for (store::AttendanceBlock& block : c.db.side.attendance) {
    for (std::size_t value = 0; value < 8; ++value) {
      const std::size_t base = 96 + 72 * value;
      for (int m = 0; m < 12; ++m) {
        const std::size_t working = base + 2 * static_cast<std::size_t>(m * 3 + 2);
        if (m == c.month)
          block.set_u16(base + 2 * static_cast<std::size_t>(c.slot), block.u16(working));
        block.set_u16(working, 0);
      }
    }
  }
}

void ProcessInactive(StartContext& c) {
  const int today_year = c.db.month().today_year - 2000;
  c.summary.inactive_trimmed = TrimOldestEntries(c.db, ListType::kInactive, today_year, c.prompter);
  for (const store::IndexEntry& e : c.db.status_list(ListType::kInactive)) {
    PublisherRecord& rec = c.db.row(e.row);
    const EntryDate since = InactiveSince(rec);
    if (store::Parity(since.year) != c.parity) continue;
    if (since.month == c.month + 1) {
      rec.set_pioneer_code(c.slot, 0);
      ClearCounters(rec, c.slot);
    }
    ClearRemarkReference(rec, c.slot);
    ClearCredit(rec, c.slot);
  }
}

// A person who moved is listed for twelve months; the month of moving coming
// round again ends that.
void ProcessMoved(StartContext& c) {
  for (int r = c.db.count() - 1; r >= 1; --r) {
    PublisherRecord& rec = c.db.row(r);
    if (!rec.is(ListType::kMoved)) continue;
    if ((rec.status_change() >> 4) == c.month + 1) {
      c.db.RemoveRow(r);
      ++c.summary.moved_removed;
      continue;
    }
    ClearRemarkReference(rec, c.slot);
    ClearCounters(rec, c.slot);
    ClearCredit(rec, c.slot);
  }
  if (c.summary.moved_removed > 0) {
    c.db.CountAllLists();
    c.db.RebuildIndexes(c.prompter);
  }
}

void ProcessDeleted(StartContext& c) {
  const auto& m = c.db.month();
  const int today_year = m.today_year - 2000;
  c.summary.deleted_trimmed = TrimOldestEntries(c.db, ListType::kDeleted, today_year, c.prompter);
  for (const store::IndexEntry& e : c.db.status_list(ListType::kDeleted)) {
    PublisherRecord& rec = c.db.row(e.row);
    if (DeletedOn(rec).month == c.month + 1) {
      const int back = m.today_month < c.month + 1 ? 2 : 1;
      SetDeletedOn(rec, {today_year - back, 0});
      rec.set_pioneer_code(c.slot, 0);
      ClearCounters(rec, c.slot);
    }
    ClearRemarkReference(rec, c.slot);
    ClearCredit(rec, c.slot);
  }
}

// The congregation's hours of the month before may end in quarter hours;
// the remainder is not carried into the new month.
void CarryQuarterHours(StartContext& c) {
  const int prev_month = c.month == 0 ? 11 : c.month - 1;
  const int prev_parity = c.previous_slot % 3;
  std::uint16_t& fraction =
      c.db.side.totals_card[store::TotalsCardIndex(prev_month, 0, 7, prev_parity)];
  const int remainder = fraction % 4;
  if (remainder == 0) return;
  PublisherRecord& h = c.db.header();
  h.set_word(SlotWords::kStudiesWord, c.slot,
             static_cast<std::uint16_t>(h.word(SlotWords::kStudiesWord, c.slot) & ~0x3000u));
  fraction = static_cast<std::uint16_t>(fraction - remainder);
  c.summary.quarters_carried = remainder;
}

void OpenOnly(StartContext& c) {
  auto* states = &c.db.header().bytes[store::header::kMonthStates];
  for (int m = 0; m < 12; ++m) states[m] = 0;
  states[c.month] = static_cast<std::uint8_t>(store::header::MonthState::kOpen);
  c.db.modified = true;
}

}  // namespace

StartSummary StartMonthRecords(store::CongregationDatabase& db, int month_index, int parity,
                               Prompter& prompter) {
  StartContext c{db,
                 prompter,
                 month_index,
                 parity,
                 month_index * 3 + parity,
                 PreviousSlot(month_index, parity),
                 {}};
  StartActivePublishers(c);
  StartNonPublishers(c);
  StartDeletedRecords(c);
  ResetEntryMarkerAndStamp(c);
  EmptyLateList(c);
  CarryAttendance(c);
  ProcessInactive(c);
  ProcessMoved(c);
  ProcessDeleted(c);
  CarryQuarterHours(c);
  OpenOnly(c);
  return c.summary;
}

}  // namespace ledra::activity
