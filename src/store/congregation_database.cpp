#include "store/congregation_database.h"

#include <algorithm>
#include <numeric>

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/name_collation.h"

namespace ledra::store {

CongregationDatabase::CongregationDatabase() {
  // Every table is sized once for its capacity; nothing grows per person.
  rows_.reserve(kMaxRecords);
  index_.reserve(kMaxRecords);
  late_entries_.reserve(kMaxLateEntries);
  side.remarks.reserve(kMaxRemarks);
  Reset();
}

void CongregationDatabase::Reset() {
  rows_.clear();
  rows_.push_back(header::Fresh());
  index_.clear();
  for (auto& list : status_lists_) list.clear();
  list_counts_.fill(0);
  circuit_overseer_row_ = 0;
  late_entries_.clear();
  last_entered_id = 0;
}

Status CongregationDatabase::AppendRow(const PublisherRecord& record) {
  if (count() >= kMaxRecords) {
    return Message{str::kTooManyPeople,
                   Strings().Format(str::kTooManyPeople, {"", std::to_string(kMaxRecords - 1)})};
  }
  rows_.push_back(record);
  return {};
}

void CongregationDatabase::RemoveRow(int r) {
  if (r <= 0 || r >= count()) return;
  rows_.erase(rows_.begin() + r);
}

int CongregationDatabase::FindRow(std::uint16_t id) const {
  if (id <= 9) return 0;
  for (const IndexEntry& e : index_) {
    if (e.id == id && e.row < count() && rows_[e.row].id() == id) return e.row;
  }
  // The index may be stale between a change and its rebuild; the table is the truth.
  for (int r = 1; r < count(); ++r) {
    if (rows_[static_cast<std::size_t>(r)].id() == id) return r;
  }
  return 0;
}

std::uint16_t CongregationDatabase::NewId(std::uint16_t candidate) const {
  std::vector<bool> used(kIdLimit, false);
  for (int r = 1; r < count(); ++r) {
    const std::uint16_t id = rows_[static_cast<std::size_t>(r)].id();
    if (id < kIdLimit) used[id] = true;
  }
  for (std::uint16_t id = std::max(candidate, kFirstPersonId); id < kIdLimit; ++id) {
    if (!used[id]) return id;
  }
  return 0;
}

std::string CongregationDatabase::DisplayName(int r, bool surname_first) const {
  if (r <= 0 || r >= count()) return {};
  const PublisherRecord& rec = row(r);
  const std::string first = rec.fname();
  const std::string last = rec.lname();
  if (surname_first || side.surname_first_shared()) {
    return language_code == "hun" ? last + " " + first : last + ", " + first;
  }
  return first + " " + last;
}

std::string CongregationDatabase::DisplayNameById(std::uint16_t id, bool surname_first) const {
  const int r = FindRow(id);
  return r > 0 ? DisplayName(r, surname_first) : std::string{};
}

std::uint16_t CongregationDatabase::ActivityValue(int r, int month_index, int field,
                                                  int parity) const {
  if (r < 0 || r >= count() || month_index < 0 || month_index > 11 || parity < 0 || parity > 2)
    return 0;
  const int slot = month_index * 3 + parity;
  const PublisherRecord& rec = row(r);
  switch (field) {
    case 0:
      return rec.word(SlotWords::kPlcmts, slot);
    case 1:
      return rec.word(SlotWords::kVideos, slot);
    case 2:
      return rec.word(SlotWords::kHours, slot);
    case 3:
      return rec.word(SlotWords::kReturnVisits, slot);
    case 4:
      return rec.word(SlotWords::kStudiesWord, slot) & studies::kStudiesMask;
    default:
      return 0;
  }
}

bool CongregationDatabase::HasRemark(int r, int month_index, int parity, Prompter& prompter) const {
  if (parity >= 3) {
    prompter.Inform(Strings().Get(str::kBadYearInRemCheck));
    return false;
  }
  if (r <= 0 || r >= count() || month_index < 0 || month_index > 11 || parity < 0) return false;
  const std::uint16_t pos = row(r).word(SlotWords::kRemarkIndex, month_index * 3 + parity);
  return pos > 0 && pos < side.remarks.size() && !TrimBlanks(side.remarks[pos].text).empty();
}

int CongregationDatabase::CountList(ListType type) {
  int n = 0;
  for (int r = 1; r < count(); ++r) n += row(r).is(type) ? 1 : 0;
  list_counts_[static_cast<std::size_t>(type)] = n;
  return n;
}

void CongregationDatabase::CountAllLists() {
  for (int t = 0; t <= static_cast<int>(ListType::kCircuitOverseer); ++t)
    CountList(static_cast<ListType>(t));
}

void CongregationDatabase::RebuildIndexes(Prompter& prompter) {
  index_.clear();
  circuit_overseer_row_ = 0;
  for (int r = 1; r < count(); ++r) {
    const PublisherRecord& rec = row(r);
    index_.push_back({rec.id(), static_cast<std::uint16_t>(r), rec.raw_list_type()});
    if (rec.is(ListType::kCircuitOverseer)) {
      if (circuit_overseer_row_ != 0)
        prompter.Inform(Strings().Get(str::kDuplicateCircuitOverseer));
      circuit_overseer_row_ = r;
    }
  }
  for (int t = 0; t < kStatusListCount; ++t) {
    auto& list = status_lists_[static_cast<std::size_t>(t)];
    list.clear();
    for (const IndexEntry& e : index_) {
      if (e.list_type == t) list.push_back(e);
    }
    list_counts_[static_cast<std::size_t>(t)] = static_cast<int>(list.size());
  }
}

bool CongregationDatabase::SortsBefore(const PublisherRecord& a, const PublisherRecord& b) const {
  const bool a_co = a.is(ListType::kCircuitOverseer);
  const bool b_co = b.is(ListType::kCircuitOverseer);
  if (a_co != b_co) return b_co;
  const bool surname_first = !sort_by_first_name;
  auto name = [&](const PublisherRecord& rec) {
    const std::string first = rec.fname();
    const std::string last = rec.lname();
    if (!surname_first) return first + " " + last;
    return language_code == "hun" ? last + " " + first : last + ", " + first;
  };
  return CompareNames(name(a), name(b)) < 0;
}

void CongregationDatabase::SortTable() {
  if (count() <= 2) return;
  // A stable sort gives the same order as moving each row down by insertion.
  std::stable_sort(
      rows_.begin() + 1, rows_.end(),
      [this](const PublisherRecord& a, const PublisherRecord& b) { return SortsBefore(a, b); });
}

int CongregationDatabase::RepairDuplicateIds() {
  int repaired = 0;
  for (std::size_t i = 1; i < index_.size(); ++i) {
    const std::uint16_t id = index_[i].id;
    const bool seen = std::any_of(index_.begin(), index_.begin() + static_cast<std::ptrdiff_t>(i),
                                  [id](const IndexEntry& e) { return e.id == id; });
    if (!seen) continue;
    const std::uint16_t fresh = NewId(std::max<std::uint16_t>(id, kFirstPersonId));
    if (fresh == 0) continue;
    row(index_[i].row).set_id(fresh);
    index_[i].id = fresh;
    ++repaired;
  }
  if (repaired > 0) {
    modified = true;
    for (auto& list : status_lists_) {
      for (IndexEntry& e : list) e.id = row(e.row).id();
    }
  }
  return repaired;
}

void CongregationDatabase::SetToday(int year, int month_number, int day) {
  month_.today_year = year;
  month_.today_month = month_number;
  month_.today_day = day;
  SetReportMonth(year * 12 + month_number - 24002);
}

void CongregationDatabase::SetReportMonth(int counter) {
  month_.counter = counter;
  month_.report_month_index = counter % 12;
  month_.report_year = counter / 12;
  month_.open_month_index = month_.report_month_index;
  month_.open_year = month_.report_year;
}

void CongregationDatabase::MoveReportMonth(int counter, Prompter& prompter) {
  ApplyLateEntries();
  SetReportMonth(counter);
  BuildLateEntries();
  const PublisherRecord& h = header();
  last_entered_id = (h.U16(header::kSavedMonth) & 0x0F) == month_.report_month_index + 1
                        ? h.U16(header::kLastEnteredId)
                        : 0;
  CountAllLists();
  RebuildIndexes(prompter);
}

void CongregationDatabase::BuildLateEntries() {
  late_entries_.clear();
  const int rmi = month_.report_month_index;
  const auto entered = static_cast<std::uint8_t>(rmi + 1);
  for (int d = 1; d <= 6; ++d) {
    const int m = MonthsBack(rmi, d);
    const int year = rmi - d < 0 ? month_.report_year - 1 : month_.report_year;
    const int slot = MonthSlot(m, year);
    for (int r = 1; r < count(); ++r) {
      const PublisherRecord& rec = row(r);
      if (!rec.is(ListType::kActive) || rec.late_month(slot) != entered) continue;
      if (static_cast<int>(late_entries_.size()) >= kMaxLateEntriesAtLoad) return;
      late_entries_.push_back({rec.id(), static_cast<std::uint8_t>(m), entered});
    }
  }
}

void CongregationDatabase::ApplyLateEntries() {
  const auto entered = static_cast<std::uint8_t>(month_.report_month_index + 1);
  for (int r = 1; r < count(); ++r) {
    for (int s = 0; s < kSlotCount; ++s) {
      if (row(r).late_month(s) == entered) row(r).set_late_month(s, 0);
    }
  }
  for (const LateEntry& e : late_entries_) {
    const int r = FindRow(e.id);
    if (r == 0 || e.month > 11) continue;
    const int year =
        e.month <= month_.report_month_index ? month_.report_year : month_.report_year + 1;
    row(r).set_late_month(MonthSlot(e.month, year), e.entered);
  }
}

void CongregationDatabase::UpdatePresenceFlags() {
  special_servant_present = false;
  special_ministry_present = false;
  for (int r = 1; r < count(); ++r) {
    const PublisherRecord& rec = row(r);
    if (!rec.is(ListType::kActive)) continue;
    special_servant_present |= (rec.appointment_bits() & kAppointmentSpecialServant) != 0;
    special_ministry_present |= (rec.special_ministry_bits() & 0x0007) != 0;
  }
}

}  // namespace ledra::store
