#include "records/transfers.h"

#include <algorithm>

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/month_slot.h"

namespace ledra::records {
namespace {

void ClearSlot(store::PublisherRecord& rec, int slot) {
  for (auto w : {store::SlotWords::kPlcmts, store::SlotWords::kVideos, store::SlotWords::kHours,
                 store::SlotWords::kReturnVisits, store::SlotWords::kStudiesWord,
                 store::SlotWords::kPioCredit})
    rec.set_word(w, slot, 0);
  rec.set_pioneer_code(slot, 0);
}

void SetStatus(store::PublisherRecord& rec, std::uint8_t sc, int counter) {
  rec.SetU8(201, sc);
  rec.SetU8(238, sc);
  rec.SetU16(192, static_cast<std::uint16_t>(counter));
  rec.set_list_type(store::ListType::kActive);
}

}  // namespace

std::vector<std::string> MonthChooser::months() const {
  std::vector<std::string> out;
  for (int m = 0; m < 12; ++m) out.push_back(Strings().Get(str::kMonthJanuary + m));
  return out;
}

MonthChooser TransferPrompt(const store::CongregationDatabase& db, int row, int verb_id) {
  MonthChooser c;
  c.prompt = Strings().Get(str::kRecMonthInWhich) + " " + db.DisplayName(row, false) + " " +
             Strings().Get(verb_id);
  c.month = db.month().report_month_index + 1;
  return c;
}

int TransferCounter(const store::CongregationDatabase& db, int month) {
  const auto& m = db.month();
  const int year = month - 1 > m.report_month_index ? m.report_year - 1 : m.report_year;
  return store::MonthCounter(year, month - 1);
}

void TransferStudentToPublisher(store::CongregationDatabase& db, int row, int month,
                                Prompter& prompter) {
  if (row <= 0 || row >= db.count() || month < 1 || month > 12) return;
  auto& rec = db.row(row);
  SetStatus(rec, static_cast<std::uint8_t>(month * 16 + 1), TransferCounter(db, month));
  for (int s = 0; s < store::kSlotCount; ++s) ClearSlot(rec, s);
  db.modified = true;
  db.RebuildIndexes(prompter);
}

void ReactivateInactive(store::CongregationDatabase& db, int row, int month, Prompter& prompter) {
  if (row <= 0 || row >= db.count() || month < 1 || month > 12) return;
  auto& rec = db.row(row);
  // When it became inactive: the month nibble and the stored year.
  const int inactive_month = rec.status_change() >> 4;
  const int v = rec.status_copy();
  const int inactive_year = v <= 200 ? 2000 + v : 1744 + v;
  const int back_to = TransferCounter(db, month);
  if (inactive_month >= 1 && inactive_month <= 12) {
    const int from = std::max((inactive_year - 2000) * 12 + inactive_month - 1, back_to - 24);
    for (int c = from; c < back_to; ++c) {
      const int year = c >= 0 ? c / 12 : (c - 11) / 12;
      ClearSlot(rec, store::MonthSlot(((c % 12) + 12) % 12, year));
    }
  }
  SetStatus(rec, static_cast<std::uint8_t>(month * 16 + 2), back_to);
  rec.SetU8(239, rec.attribute_flags() &
                     (store::attr::kHeadOfFamily | store::attr::kMale | store::attr::kFemale));
  db.modified = true;
  db.RebuildIndexes(prompter);
}

}  // namespace ledra::records
