#include "store/participated_flags_file.h"

#include <optional>

namespace ledra::store {

void ApplyParticipatedFlags(CongregationDatabase& db, std::string_view bytes) {
  for (std::size_t at = 0; at + kParticipatedRecordSize <= bytes.size();
       at += kParticipatedRecordSize) {
    const auto* rec = reinterpret_cast<const std::uint8_t*>(bytes.data() + at);
    const std::uint16_t id = GetU16(rec);
    if (id <= 9) continue;
    const int r = db.FindRow(id);
    if (r == 0) continue;
    PublisherRecord& person = db.row(r);
    for (int m = 0; m < 12; ++m) {
      for (int p = 0; p < 2; ++p) {
        if (rec[2 + 2 * m + p] == 0) continue;
        const int slot = m * 3 + p;
        const std::uint16_t sw = person.word(SlotWords::kStudiesWord, slot);
        if (person.word(SlotWords::kHours, slot) == 0 && sw < 4096)
          person.set_word(SlotWords::kStudiesWord, slot, sw | studies::kParticipated);
      }
    }
  }
}

bool ParticipatedSlotMovedAside(int month_index, int parity, int report_month_index,
                                int report_year) {
  if (month_index > report_month_index) return true;
  const int year = report_year % 2 != 0 ? report_year + parity : report_year + parity - 1;
  return MonthCounter(year, month_index) <= kNewFormSwitch;
}

std::optional<std::string> ExtractParticipatedFlags(CongregationDatabase& db) {
  bool any = false;
  for (int r = 1; r < db.count() && !any; ++r) {
    for (int s = 0; s < kSlotCount && !any; ++s)
      any = (db.row(r).word(SlotWords::kStudiesWord, s) & studies::kParticipated) != 0;
  }
  if (!any) return std::nullopt;
  const auto& month = db.month();
  std::string file;
  for (int r = 1; r < db.count(); ++r) {
    PublisherRecord& person = db.row(r);
    std::array<std::uint8_t, kParticipatedRecordSize> rec{};
    PutU16(rec.data(), person.id());
    bool flagged = false;
    for (int m = 0; m < 12; ++m) {
      for (int p = 0; p < 2; ++p) {
        const int slot = m * 3 + p;
        const std::uint16_t sw = person.word(SlotWords::kStudiesWord, slot);
        if ((sw & studies::kParticipated) == 0 ||
            !ParticipatedSlotMovedAside(m, p, month.report_month_index, month.report_year))
          continue;
        rec[static_cast<std::size_t>(2 + 2 * m + p)] = 1;
        person.set_word(SlotWords::kStudiesWord, slot,
                        static_cast<std::uint16_t>(sw & ~studies::kParticipated));
        flagged = true;
      }
    }
    if (flagged) file.append(reinterpret_cast<const char*>(rec.data()), rec.size());
  }
  return file;
}

}  // namespace ledra::store
