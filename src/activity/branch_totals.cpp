#include "activity/branch_totals.h"

#include "activity/sheet_list.h"
#include "store/side_tables.h"

namespace ledra::activity {

namespace {

using store::SlotWords;

bool LeftOut(const store::PublisherRecord& p) {
  return (p.appointment_bits() &
          (store::kAppointmentSpecialServant | store::kAppointmentFieldMissionary)) != 0;
}

// Adds a slot's report to row `k`: publishers count their studies only.
void Add(BranchTotals& t, int k, const store::PublisherRecord& p, int slot) {
  auto& row = t.v[static_cast<std::size_t>(k)];
  row[column::kReports] += 1;
  const std::uint16_t studies =
      p.word(SlotWords::kStudiesWord, slot) & store::studies::kStudiesMask;
  row[column::kStudies] = static_cast<std::uint16_t>(row[column::kStudies] + studies);
  if (k == 0) return;
  const SlotWords words[] = {SlotWords::kPlcmts, SlotWords::kVideos, SlotWords::kHours,
                             SlotWords::kReturnVisits};
  for (int c = 0; c < 4; ++c)
    row[static_cast<std::size_t>(c)] =
        static_cast<std::uint16_t>(row[static_cast<std::size_t>(c)] + p.word(words[c], slot));
}

}  // namespace

int BranchTotals::CategoryTotal(int c) const {
  int total = at(0, c) + at(1, c) + at(2, c);
  if (c == column::kHours) {
    for (int r = 0; r < 3; ++r) total += at(r, column::kQuarters) / 4;
  }
  return total;
}

BranchTotals PeekBranchTotals(const store::CongregationDatabase& db) {
  BranchTotals t;
  const auto& m = db.month();
  const int month = m.report_month_index;
  const int p = store::Parity(m.report_year);
  for (const store::IndexEntry& e : db.status_list(store::ListType::kActive)) {
    const store::PublisherRecord& rec = db.row(e.row);
    if (LeftOut(rec)) continue;
    for (const store::LateEntry& late : db.late_entries()) {
      if (late.id != rec.id() || late.month > 11) continue;
      const int w = late.month;
      const int slot = w * 3 + store::Parity(m.report_year + (w > month ? 1 : 0));
      if (!SlotHasReport(rec, slot)) continue;
      const int k = rec.pioneer_code(slot) & 3;
      if (k != 3) Add(t, k, rec, slot);
    }
    const int slot = month * 3 + p;
    if (SlotHasReport(rec, slot)) Add(t, rec.pioneer_code(slot) & 3, rec, slot);
  }
  t.v[0][column::kActive] =
      static_cast<std::uint16_t>(db.status_list(store::ListType::kActive).size());
  return t;
}

BranchTotals ComputeBranchTotals(store::CongregationDatabase& db) {
  BranchTotals t = PeekBranchTotals(db);
  const auto& m = db.month();
  const bool open = store::header::MonthStateByte(db.header(), m.report_month_index) ==
                    static_cast<std::uint8_t>(store::header::MonthState::kOpen);
  // A closed month keeps what went to the branch.
  if (open && !m.viewing_past) {
    const int p = store::Parity(m.report_year);
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 9; ++c)
        db.side.totals_card[store::TotalsCardIndex(m.report_month_index, r, c, p)] = t.at(r, c);
  }
  return t;
}

std::vector<SummaryRow> SummaryRows(const store::CongregationDatabase& db) {
  std::vector<SummaryRow> rows;
  const auto& card = db.side.totals_card;
  for (int designation = 0; designation < 3; ++designation) {
    for (int back = 23; back >= 0; --back) {
      const int counter = db.month().counter - back;
      const int m = counter % 12;
      const int p = store::Parity(counter / 12);
      auto value = [&](int c) {
        int v = card[store::TotalsCardIndex(m, designation, c, p)];
        if (designation == 2) v += card[store::TotalsCardIndex(m, 3, c, p)];
        return v;
      };
      SummaryRow row;
      row.designation = designation;
      row.counter = counter;
      row.reports = value(column::kReports);
      row.publications = value(column::kPlacements);
      row.videos = value(column::kVideos);
      row.hours = value(column::kHours);
      row.return_visits = value(column::kReturnVisits);
      row.studies = value(column::kStudies);
      row.active = designation == 0 ? card[store::TotalsCardIndex(m, 0, column::kActive, p)] : 0;
      rows.push_back(row);
    }
  }
  return rows;
}

}  // namespace ledra::activity
