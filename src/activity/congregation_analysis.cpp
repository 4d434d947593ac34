#include "activity/congregation_analysis.h"

#include "activity/month_calendar.h"
#include "activity/sheet_list.h"
#include "activity/status_rules.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::activity {

namespace {

using store::ListType;
using store::SlotWords;

bool SpecialServant(const store::PublisherRecord& p) {
  return (p.appointment_bits() & store::kAppointmentSpecialServant) != 0;
}
bool FieldMissionary(const store::PublisherRecord& p) {
  return (p.appointment_bits() & store::kAppointmentFieldMissionary) != 0;
}

int Quarters(const store::PublisherRecord& p, int slot) {
  return (p.word(SlotWords::kStudiesWord, slot) >> store::studies::kQuarterShift) & 3;
}

// The cells of one month: nothing shows without a report; hours only for
// pioneers who report to the congregation.
AnalysisCells CellsOf(const store::PublisherRecord& p, int slot) {
  AnalysisCells c;
  if (!SlotHasReport(p, slot)) return c;
  c.reported = true;
  c.studies = p.word(SlotWords::kStudiesWord, slot) & store::studies::kStudiesMask;
  const int k = p.pioneer_code(slot) & 3;
  c.auxiliary = k == 1;
  const int hours = p.word(SlotWords::kHours, slot);
  if (hours != 0 && !SpecialServant(p) && !FieldMissionary(p) && k != 0) c.hours = hours;
  return c;
}

// The marks of a late month: the pioneer or appointment it was reported under.
std::string LateMarks(const store::PublisherRecord& p, int slot) {
  const int k = p.pioneer_code(slot) & 3;
  std::string marks;
  if (k == 2) marks = Strings().Get(str::kAnalysisMarkRegular);
  if (k == 3) marks = Strings().Get(str::kAnalysisMarkSpecial);
  if (SpecialServant(p)) marks = Strings().Get(str::kAnalysisMarkSpecialServant);
  if (FieldMissionary(p)) marks = Strings().Get(str::kAnalysisMarkMissionary);
  return marks;
}

class Builder {
 public:
  Builder(const store::CongregationDatabase& db, bool surname_first)
      : db_(db),
        surname_first_(surname_first),
        report_(ReportCalendarMonth(db)),
        slot_(report_.slot()) {}

  AnalysisLine Line(int row) {
    const store::PublisherRecord& p = db_.row(row);
    const int k = p.pioneer_code(slot_) & 3;
    AnalysisTallies& t = analysis.tallies;
    AnalysisLine line;
    line.row = row;
    line.name = db_.DisplayName(row, surname_first_);
    t.listed[k] += 1;
    line.cells = CellsOf(p, slot_);
    const bool left_out = SpecialServant(p) || FieldMissionary(p);
    if (line.cells.reported) {
      if (SpecialServant(p)) ++t.special_servants;
      if (FieldMissionary(p)) ++t.field_missionaries;
      if (left_out) ++t.left_out[k];
      if (!left_out) t.studies[k] += line.cells.studies;
      t.hours[k] += line.cells.hours;
    }
    line.marks = Marks(p, k);
    const std::uint16_t remark = p.word(SlotWords::kRemarkIndex, slot_);
    if (SlotHasRemark(db_, p, slot_)) line.remark = db_.side.remarks[remark].text;
    for (const store::LateEntry& late : db_.late_entries()) {
      if (late.id != p.id() || late.month > 11) continue;
      // A month later in the calendar than the ReportMonth is of the year before.
      const int year = report_.year_byte - (late.month > report_.month_index ? 1 : 0);
      const int slot = store::MonthSlot(late.month, year);
      line.late.push_back({late.month, CellsOf(p, slot), LateMarks(p, slot)});
    }
    return line;
  }

  Analysis analysis;

 private:
  std::string Marks(const store::PublisherRecord& p, int k) {
    const StringTable& s = Strings();
    AnalysisTallies& t = analysis.tallies;
    std::string marks;
    if (!HasBaptismDate(p)) {
      marks = s.Get(str::kAnalysisMarkUnbaptised);
      ++t.unbaptised;
    }
    if (k == 2) marks = s.Get(str::kAnalysisMarkRegular);
    if (k == 3) marks = s.Get(str::kAnalysisMarkSpecial);
    if (FieldMissionary(p)) marks = s.Get(str::kAnalysisMarkMissionary);
    if (k == 1) ++t.auxiliary;
    if (!marks.empty()) marks += ' ';
    if (SpecialServant(p)) marks = s.Get(str::kAnalysisMarkSpecialServant);
    if (!SlotHasReport(p, slot_)) {
      marks += s.Get(str::kAnalysisMarkNotReported);
      ++t.not_reported[k];
    }
    if (IsIrregular(db_, p)) {
      marks += s.Get(str::kAnalysisMarkIrregular);
      ++t.irregular[k];
    }
    return marks;
  }

  const store::CongregationDatabase& db_;
  bool surname_first_;
  CalendarMonth report_;
  int slot_;
};

}  // namespace

bool HasBaptismDate(const store::PublisherRecord& p) {
  const std::string date = p.Text(store::field::kBapdate);
  return date.size() > 4 && static_cast<unsigned char>(date[4]) > '0';
}

int AnalysisTallies::Reporting(int k) const {
  const auto ku = static_cast<std::size_t>(k);
  return listed[ku] - left_out[ku] - not_reported[ku];
}

double CategoryAverageHours(const store::CongregationDatabase& db, int k, int months, int group) {
  long hours = 0, quarters = 0, count = 0;
  CalendarMonth m = ReportCalendarMonth(db);
  for (int i = 0; i < months; ++i, m = m.Previous()) {
    const int slot = m.slot();
    for (const store::IndexEntry& e : db.status_list(ListType::kActive)) {
      const store::PublisherRecord& p = db.row(e.row);
      if (group != 0 && p.group() != group) continue;
      if ((p.pioneer_code(slot) & 3) != k || !SlotHasReport(p, slot)) continue;
      hours += p.word(SlotWords::kHours, slot);
      quarters += Quarters(p, slot);
      ++count;
    }
  }
  if (count == 0) return 0.0;
  // Three quarters left over count as one more hour.
  const long whole = hours + quarters / 4 + (quarters % 4 == 3 ? 1 : 0);
  return static_cast<double>(whole) / static_cast<double>(count);
}

Analysis BuildAnalysis(const store::CongregationDatabase& db, AnalysisOrder order, int group,
                       bool surname_first) {
  Builder b(db, surname_first);
  const auto& active = db.status_list(ListType::kActive);
  const int slot = ReportCalendarMonth(db).slot();
  const StringTable& s = Strings();
  auto code = [&](const store::IndexEntry& e) { return db.row(e.row).pioneer_code(slot) & 3; };

  if (order == AnalysisOrder::kPioneersThenGroups) {
    AnalysisSection pioneers{"  " + s.Get(str::kDesignationPioneers), {}};
    for (const store::IndexEntry& e : active)
      if (code(e) >= 2) pioneers.lines.push_back(b.Line(e.row));
    b.analysis.sections.push_back(std::move(pioneers));
    // Every group up to the highest anyone is in, then those without one.
    int groups = db.side.groups.count();
    bool ungrouped = false;
    for (const store::IndexEntry& e : active) {
      const int g = db.row(e.row).group();
      if (g > groups) groups = g;
      if (g == 0 && code(e) < 2) ungrouped = true;
    }
    for (int g = 1; g <= groups; ++g) {
      AnalysisSection section{"  " + s.Get(str::kSheetGroup) + " " + std::to_string(g), {}};
      for (const store::IndexEntry& e : active)
        if (db.row(e.row).group() == g && code(e) < 2) section.lines.push_back(b.Line(e.row));
      b.analysis.sections.push_back(std::move(section));
    }
    if (ungrouped) {
      AnalysisSection section{s.Get(str::kAnalysisUngrouped), {}};
      for (const store::IndexEntry& e : active)
        if (db.row(e.row).group() == 0 && code(e) < 2) section.lines.push_back(b.Line(e.row));
      b.analysis.sections.push_back(std::move(section));
    }
  } else {
    AnalysisSection all;
    for (const store::IndexEntry& e : active)
      if (order != AnalysisOrder::kGroup || db.row(e.row).group() == group)
        all.lines.push_back(b.Line(e.row));
    b.analysis.sections.push_back(std::move(all));
  }

  Analysis& a = b.analysis;
  const int averages_group = order == AnalysisOrder::kGroup ? group : 0;
  for (int k = 0; k < 4; ++k) {
    const int reporting = a.tallies.Reporting(k);
    if (reporting == 0) continue;
    const auto ku = static_cast<std::size_t>(k);
    CategoryFigures f;
    f.category = k;
    f.reporting = reporting;
    f.average_studies = static_cast<double>(a.tallies.studies[ku]) / reporting;
    if (k >= 1) {
      f.average_hours = static_cast<double>(a.tallies.hours[ku]) / reporting;
      f.average_3 = CategoryAverageHours(db, k, 3, averages_group);
      f.average_6 = CategoryAverageHours(db, k, 6, averages_group);
    }
    a.categories.push_back(f);
  }
  const auto& inactive = db.status_list(ListType::kInactive);
  a.congregation_has_inactive = !inactive.empty();
  if (order == AnalysisOrder::kGroup) {
    for (const store::IndexEntry& e : inactive)
      if (db.row(e.row).group() == group)
        a.inactive_names.push_back(db.DisplayName(e.row, surname_first));
  }
  return a;
}

}  // namespace ledra::activity
