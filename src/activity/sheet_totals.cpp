#include "activity/sheet_totals.h"

#include "activity/sheet_list.h"

namespace ledra::activity {

SheetTotals ComputeSheetTotals(const store::CongregationDatabase& db) {
  using store::SlotWords;
  SheetTotals t;
  t.new_form = db.new_form();
  const auto& m = db.month();
  const int slot = store::MonthSlot(m.report_month_index, m.report_year);
  for (const store::IndexEntry& e : db.status_list(store::ListType::kActive)) {
    const store::PublisherRecord& p = db.row(e.row);
    if (!SlotHasReport(p, slot)) continue;
    const int code = p.pioneer_code(slot) & 3;
    if (code == 3) continue;
    TotalsRow& row = t.rows[static_cast<std::size_t>(code)];
    const std::uint16_t word = p.word(SlotWords::kStudiesWord, slot);
    for (TotalsRow* r : {&row, &t.total}) {
      r->reports += 1;
      r->placements += p.word(SlotWords::kPlcmts, slot);
      r->videos += p.word(SlotWords::kVideos, slot);
      r->quarters += 4 * p.word(SlotWords::kHours, slot) + ((word >> 12) & 3);
      r->return_visits += p.word(SlotWords::kReturnVisits, slot);
      r->studies += word & store::studies::kStudiesMask;
    }
  }
  return t;
}

std::string HoursText(int quarters) {
  std::string text = std::to_string(quarters / 4);
  static constexpr char kGlyphs[] = {'\0', '\xBC', '\xBD', '\xBE'};
  if (quarters % 4 != 0) text += kGlyphs[quarters % 4];
  return text;
}

}  // namespace ledra::activity
