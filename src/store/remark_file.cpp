#include "store/remark_file.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <tuple>
#include <unordered_map>

#include "store/name_collation.h"

namespace ledra::store {
namespace {

const std::uint8_t* At(std::string_view file, std::size_t k) {
  return reinterpret_cast<const std::uint8_t*>(file.data()) + k * kRemarkRecordSize;
}

bool Blank(std::string_view text) {
  return TrimBlanks(text).empty();
}

// The text field of an encoded record, as DecodeRemark reads it.
std::string_view TextAt(const std::uint8_t* p) {
  const auto* text = reinterpret_cast<const char*>(p);
  return {text, strnlen(text, 44)};
}

// The person, month and parity that a rewrite of the same remark matches.
std::uint32_t SlotKey(std::uint16_t id, std::uint8_t month, std::uint8_t parity) {
  return std::uint32_t{id} << 16 | std::uint32_t{month} << 8 | parity;
}

std::uint32_t SlotKeyAt(const std::uint8_t* p) {
  return SlotKey(GetU16(p + 46), p[44], p[45]);
}

}  // namespace

RemarkRecord DecodeRemark(const std::uint8_t* p) {
  RemarkRecord r;
  const auto* text = reinterpret_cast<const char*>(p);
  r.text.assign(text, strnlen(text, 44));
  r.month = p[44];
  r.parity = p[45];
  r.id = GetU16(p + 46);
  return r;
}

void EncodeRemark(const RemarkRecord& remark, std::uint8_t* p) {
  std::memset(p, 0, kRemarkRecordSize);
  std::memcpy(p, remark.text.data(), std::min<std::size_t>(remark.text.size(), 43));
  p[43] = 0;
  p[44] = remark.month;
  p[45] = remark.parity;
  PutU16(p + 46, remark.id);
}

std::optional<std::string> CompactRemarkFile(std::string_view file) {
  if (file.size() <= 143) return std::nullopt;
  const std::size_t count =
      std::min<std::size_t>(file.size() / kRemarkRecordSize - 1, kMaxRemarksLoaded);
  std::vector<std::size_t> kept;
  for (std::size_t k = 1; k <= count; ++k) {
    const RemarkRecord r = DecodeRemark(At(file, k));
    if (r.month != 0 && r.id > 10) kept.push_back(k);
  }
  // A record is dropped when a later one holds text for the same slot: find,
  // per slot, the last record with text, in one pass.
  std::map<std::tuple<std::uint16_t, std::uint8_t, std::uint8_t>, std::size_t> last_with_text;
  std::vector<RemarkRecord> records;
  records.reserve(kept.size());
  for (std::size_t i = 0; i < kept.size(); ++i) {
    records.push_back(DecodeRemark(At(file, kept[i])));
    const RemarkRecord& r = records.back();
    if (!Blank(r.text)) last_with_text[{r.id, r.month, r.parity}] = i;
  }
  std::vector<std::size_t> survivors;
  for (std::size_t i = 0; i < kept.size(); ++i) {
    const RemarkRecord& a = records[i];
    const auto later = last_with_text.find({a.id, a.month, a.parity});
    const bool superseded = a.id > 11 && later != last_with_text.end() && later->second > i;
    if (!superseded) survivors.push_back(kept[i]);
  }
  if (survivors.size() < 3) return std::nullopt;
  std::string out(kRemarkRecordSize, '\0');
  for (std::size_t k : survivors) out.append(file.substr(k * kRemarkRecordSize, kRemarkRecordSize));
  if (out == file) return std::nullopt;
  return out;
}

void LoadRemarks(CongregationDatabase& db, std::string_view file) {
  auto& table = db.side.remarks;
  table.assign(1, RemarkRecord{});
  for (int r = 1; r < db.count(); ++r) {
    for (int s = 0; s < kSlotCount; ++s) db.row(r).set_word(SlotWords::kRemarkIndex, s, 0);
  }
  const std::size_t count = file.size() / kRemarkRecordSize;
  for (std::size_t k = 1; k < count && static_cast<int>(table.size()) <= kMaxRemarksLoaded; ++k) {
    RemarkRecord rec = DecodeRemark(At(file, k));
    if (rec.month == 0 || rec.month > 12 || rec.id <= 10 || Blank(rec.text)) continue;
    const int row = db.FindRow(rec.id);
    if (row == 0) continue;
    const int slot = (rec.month - 1) * 3 + rec.parity % 2;
    db.row(row).set_word(SlotWords::kRemarkIndex, slot, static_cast<std::uint16_t>(table.size()));
    table.push_back(std::move(rec));
  }
}

std::string WriteRemarkRecord(std::string file, const RemarkRecord& remark) {
  const std::size_t count = file.size() / kRemarkRecordSize;
  file.resize(count * kRemarkRecordSize);  // a torn tail would misplace what follows
  std::size_t target = 0;
  if (count > 1) {
    std::size_t last_blank = 0;
    for (std::size_t k = 1; k < count && target == 0; ++k) {
      const RemarkRecord r = DecodeRemark(At(file, k));
      if (r.id == remark.id && r.month == remark.month && r.parity == remark.parity) target = k;
      if (Blank(r.text)) last_blank = k;
    }
    if (target == 0) target = last_blank;
  }
  if (target == 0) {
    if (file.empty()) file.assign(kRemarkRecordSize, '\0');
    target = file.size() / kRemarkRecordSize;
    file.resize(file.size() + kRemarkRecordSize, '\0');
  }
  EncodeRemark(remark, reinterpret_cast<std::uint8_t*>(file.data()) + target * kRemarkRecordSize);
  return file;
}

std::string WriteRemarkRecords(std::string file, std::span<const RemarkRecord> remarks) {
  if (remarks.empty()) return file;
  const std::size_t count = file.size() / kRemarkRecordSize;
  file.resize(count * kRemarkRecordSize);
  if (file.empty()) file.assign(kRemarkRecordSize, '\0');
  auto record = [&file](std::size_t k) {
    return reinterpret_cast<std::uint8_t*>(file.data()) + k * kRemarkRecordSize;
  };
  // One write looks for the first record of its slot, else the last blank
  // record; these indexes answer both without a pass over the file.
  std::unordered_map<std::uint32_t, std::set<std::size_t>> by_slot;
  std::set<std::size_t> blanks;
  by_slot.reserve(count + remarks.size());
  for (std::size_t k = 1; k < count; ++k) {
    by_slot[SlotKeyAt(record(k))].insert(k);
    if (Blank(TextAt(record(k)))) blanks.insert(k);
  }
  for (const RemarkRecord& remark : remarks) {
    const std::uint32_t key = SlotKey(remark.id, remark.month, remark.parity);
    std::set<std::size_t>& same_slot = by_slot[key];
    std::size_t target = 0;
    if (!same_slot.empty()) {
      target = *same_slot.begin();
    } else if (!blanks.empty()) {
      target = *blanks.rbegin();
      by_slot[SlotKeyAt(record(target))].erase(target);
      same_slot.insert(target);
    } else {
      target = file.size() / kRemarkRecordSize;
      file.resize(file.size() + kRemarkRecordSize, '\0');
      same_slot.insert(target);
    }
    EncodeRemark(remark, record(target));
    if (Blank(TextAt(record(target)))) {
      blanks.insert(target);
    } else {
      blanks.erase(target);
    }
  }
  return file;
}

std::string ConvertOldRemarks(std::string file, std::string_view old,
                              const CongregationDatabase& db) {
  const auto& m = db.month();
  for (std::size_t at = 0; at + 40 <= old.size(); at += 40) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(old.data() + at);
    const auto* text = reinterpret_cast<const char*>(p);
    RemarkRecord r;
    r.text.assign(text, strnlen(text, 37));
    r.month = p[37];
    r.id = GetU16(p + 38);
    if (Blank(r.text) || r.month < 1 || r.month > 12) continue;
    if (r.month - 1 == m.report_month_index) {
      const int stamp =
          header::YearStamp(db.header(), MonthSlot(m.report_month_index, m.report_year));
      if (Parity(stamp) != Parity(m.report_year)) continue;
    }
    r.parity = static_cast<std::uint8_t>(Parity(m.report_year + (m.today_month < r.month ? 1 : 0)));
    file = WriteRemarkRecord(std::move(file), r);
  }
  return file;
}

}  // namespace ledra::store
