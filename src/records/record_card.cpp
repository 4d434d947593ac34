#include "records/record_card.h"

#include "activity/congregation_analysis.h"
#include "activity/sheet_list.h"
#include "activity/status_rules.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/date_text.h"

namespace ledra::records {
namespace {

using activity::CalendarMonth;
using store::SlotWords;

// The last month a card can show: the ReportMonth, or on the inactive file
// the month before the publisher became inactive.
CalendarMonth LastMonth(const store::CongregationDatabase& db, const store::PublisherRecord& p,
                        bool inactive) {
  const CalendarMonth report = activity::ReportCalendarMonth(db);
  const int month = activity::ChangeMonth(p.status_change());
  if (!inactive || month < 1 || month > 12) return report;
  const CalendarMonth since{month - 1, activity::InactiveYear(p.status_copy()) - 2000};
  return since.Previous();
}

void FillMonth(const store::Document& doc, int row, CardMonth& m) {
  const store::PublisherRecord& p = doc.db().row(row);
  const CalendarMonth month{m.month_index, m.year - 2000};
  const int slot = month.slot();
  const std::uint16_t word = p.word(SlotWords::kStudiesWord, slot);
  const bool bit = (word & store::studies::kParticipated) != 0;
  const int code = p.pioneer_code(slot) & 3;
  m.hours = p.word(SlotWords::kHours, slot);
  m.quarters = (word >> store::studies::kQuarterShift) & 3;
  m.studies = word & store::studies::kStudiesMask;
  m.publications = p.word(SlotWords::kPlcmts, slot);
  m.videos = p.word(SlotWords::kVideos, slot);
  m.return_visits = p.word(SlotWords::kReturnVisits, slot);
  // The bit means "took part" on the simplified form and "under one hour" before it.
  if (month.counter() > store::kNewFormSwitch) {
    // A pioneer's hours are a report even where the box was not ticked.
    m.participated = bit || m.hours > 0 || m.quarters > 0 || m.studies > 0;
  } else {
    m.less_than_hour = bit;
    m.participated = bit || m.hours > 0 || m.quarters > 0 || m.studies > 0 || m.publications > 0 ||
                     m.videos > 0 || m.return_visits > 0;
  }
  m.auxiliary = code == 1;
  m.hours_shown = code != 0 || (p.appointment_bits() & store::kAppointmentFieldMissionary) != 0;
  m.remark = doc.RemarkText(row, slot);
}

CardYear BuildYear(const store::Document& doc, const store::Settings& settings, int row,
                   int service_year, CalendarMonth last, int years_back) {
  CardYear y;
  y.service_year = service_year;
  y.earlier = EarlierCard(doc.db(), service_year);
  // Bits 1 and 2 hide the averages, 4 and 8 the totals, of the year of the
  // ReportMonth and of the year before it.
  const int bit = years_back == 0 ? 1 : 2;
  y.show_averages = (settings.hide_averages & bit) == 0;
  y.show_totals = (settings.hide_averages & (bit << 2)) == 0;
  int reported = 0;
  for (std::size_t i = 0; i < 12; ++i) {
    CardMonth& m = y.months[i];
    m.month_index = static_cast<int>((i + 8) % 12);
    m.year = m.month_index >= 8 ? service_year - 1 : service_year;
    const int counter = store::MonthCounter(m.year - 2000, m.month_index);
    // The slots hold 24 months; an older month's slot belongs to a later one.
    m.filled = counter <= last.counter() && counter > last.counter() - 24;
    if (!m.filled) continue;
    FillMonth(doc, row, m);
    if (y.earlier) {
      y.totals[0] += m.publications;
      y.totals[1] += m.videos;
      y.totals[3] += m.return_visits;
      y.totals[4] += m.studies;
      if (m.participated) ++reported;
    }
    if (y.earlier || m.hours_shown) {
      y.totals[2] += m.hours;
      y.total_quarters += m.quarters;
    }
  }
  y.totals[2] += y.total_quarters / 4;
  y.total_quarters %= 4;
  if (reported > 0) {
    for (std::size_t c = 0; c < 5; ++c) y.averages[c] = static_cast<double>(y.totals[c]) / reported;
    y.averages[2] += y.total_quarters / 4.0 / reported;
  }
  return y;
}

}  // namespace

int CardServiceYear(const store::CongregationDatabase& db, const store::PublisherRecord& p,
                    bool inactive, int years_back) {
  const CalendarMonth last = inactive ? LastMonth(db, p, true).Next() : LastMonth(db, p, false);
  return store::ServiceYear(last.year_byte, last.month_index) - years_back;
}

bool EarlierCard(const store::CongregationDatabase& db, int service_year) {
  if (service_year <= kLastEarlierCardYear) return true;
  // A past month viewed from the time of the earlier form (September 2023).
  const CalendarMonth report = activity::ReportCalendarMonth(db);
  return report.counter() <= store::kNewFormSwitch &&
         service_year == store::ServiceYear(report.year_byte, report.month_index);
}

std::string CardDate(std::string_view stored, bool day_first, bool year_only) {
  const DateParts d = SplitDate(stored);
  if (!d.complete()) return {};
  const std::string year = std::to_string(d.year);
  if (year_only) return year;
  auto two = [](int n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
  return day_first ? two(d.day) + "/" + two(d.month) + "/" + year
                   : two(d.month) + "/" + two(d.day) + "/" + year;
}

RecordCard BuildRecordCard(const store::Document& doc, const store::Settings& settings,
                           const CardRequest& request) {
  const store::CongregationDatabase& db = doc.db();
  const store::PublisherRecord& p = db.row(request.row);
  RecordCard card;
  card.id = p.id();
  card.name = db.DisplayName(request.row, /*surname_first=*/false);
  const bool day_first = db.side.shared_settings[store::shared::kAlternateDates] != 0;
  card.birth_date = CardDate(p.Text(store::field::kBirdate), day_first, settings.hide_birth);
  card.baptism_date = CardDate(p.Text(store::field::kBapdate), day_first, false);
  const int group = p.group();
  if (settings.print_groups && group >= 1 && group <= db.side.groups.count()) {
    card.group_name = db.side.groups.text(group, store::GroupTable::Text::kName);
    if (card.group_name.empty())
      card.group_name = Strings().Get(str::kSheetGroup) + " " + std::to_string(group);
  }
  const std::uint8_t attributes = p.attribute_flags();
  card.male = (attributes & store::attr::kMale) != 0;
  card.female = (attributes & store::attr::kFemale) != 0;
  // Only a real baptism date makes one of the two boxes ticked.
  if (activity::HasBaptismDate(p)) {
    card.anointed = p.anointed_mark() == 'A';
    card.other_sheep = !card.anointed;
  }
  card.elder = (attributes & store::attr::kServantMask) == 2;
  card.ministerial_servant = (attributes & store::attr::kServantMask) == 1;
  const CalendarMonth last = LastMonth(db, p, request.inactive);
  int code = p.pioneer_code(last.slot()) & 3;
  // Before its report is in, the month's code is not yet set: the month
  // before tells.
  if (code == 0 && !activity::SlotHasReport(p, last.slot()))
    code = p.pioneer_code(last.Previous().slot()) & 3;
  card.regular_pioneer = code == 2;
  card.special_pioneer = code == 3;
  card.field_missionary = (p.appointment_bits() & store::kAppointmentFieldMissionary) != 0;

  const int shown_back = request.previous_year ? 1 : 0;
  const int this_year = CardServiceYear(db, p, request.inactive, 0);
  card.years.push_back(
      BuildYear(doc, settings, request.row, this_year - shown_back, last, shown_back));
  if (request.both_years) {
    const int other_back = 1 - shown_back;
    card.years.push_back(
        BuildYear(doc, settings, request.row, this_year - other_back, last, other_back));
  }
  return card;
}

}  // namespace ledra::records
