#include "activity/glance.h"

#include "activity/status_rules.h"

namespace ledra::activity {

namespace {

using store::ListType;
using store::SlotWords;

struct HoursAverage {
  int sum = 0, count = 0;
  void Add(int hours) {
    if (hours <= 0) return;
    sum += hours;
    ++count;
  }
  double Value() const { return count == 0 ? 0.0 : static_cast<double>(sum) / count; }
};

GlancePeriod CountPeriod(const store::CongregationDatabase& db, StatusPeriod period) {
  GlancePeriod g;
  const std::vector<CalendarMonth> walk = PeriodWalk(db, period);
  for (const store::IndexEntry& e : db.status_list(ListType::kActive)) {
    const store::PublisherRecord& p = db.row(e.row);
    for (const CalendarMonth& m : walk) {
      if ((p.pioneer_code(m.slot()) & 3) == 1) {
        ++g.auxiliary;
        break;
      }
    }
    if (StatusInPeriod(db, p, kChangeNew, period)) ++g.new_publishers;
    if (StatusInPeriod(db, p, kChangeReactivated, period)) ++g.reactivated;
  }
  for (const store::IndexEntry& e : db.status_list(ListType::kInactive))
    if (InactiveMonth(db, db.row(e.row), period) != 0) ++g.inactive;
  for (const store::IndexEntry& e : db.status_list(ListType::kMoved))
    if (MovedMonth(db, db.row(e.row), period) != 0) ++g.moved;
  return g;
}

}  // namespace

Glance ComputeGlance(const store::CongregationDatabase& db) {
  Glance g;
  const auto& m = db.month();
  const int slot = store::MonthSlot(m.report_month_index, m.report_year);
  HoursAverage publishers, regular, auxiliary;
  for (const store::IndexEntry& e : db.status_list(ListType::kActive)) {
    const store::PublisherRecord& p = db.row(e.row);
    ++g.active;
    if (MissingMonthMask(db, p) == 0) ++g.regular;
    // A recorded baptism date has its year's first digit in the fifth place.
    if (p.Text(store::field::kBapdate).size() > 4 && p.Text(store::field::kBapdate)[4] > '0')
      ++g.baptised;
    const int code = p.pioneer_code(slot) & 3;
    const int hours = p.word(SlotWords::kHours, slot);
    if (code == 0) publishers.Add(hours);
    if (code == 1) {
      ++g.auxiliary_pioneers;
      auxiliary.Add(hours);
    }
    if (code == 2) {
      ++g.regular_pioneers;
      regular.Add(hours);
    }
    const int servant = p.attribute_flags() & store::attr::kServantMask;
    if (servant == 2) ++g.elders;
    if (servant == 1) ++g.ministerial_servants;
    const std::uint16_t needs = p.special_ministry_bits();
    if (needs & 1) ++g.deaf;
    if (needs & 2) ++g.blind;
    if (needs & 4) ++g.prison;
    if (p.attribute_flags() & store::attr::kSpecialCategory) ++g.special_category;
  }
  if (!db.new_form()) g.avg_hours_publishers = publishers.Value();
  g.avg_hours_regular = regular.Value();
  g.avg_hours_auxiliary = auxiliary.Value();
  g.service_year = CountPeriod(db, StatusPeriod::kServiceYear);
  g.six_months = CountPeriod(db, StatusPeriod::kSixMonths);
  return g;
}

}  // namespace ledra::activity
