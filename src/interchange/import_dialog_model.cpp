#include "interchange/import_dialog_model.h"

#include <algorithm>

#include "activity/history_editor.h"
#include "activity/late_entry_list.h"
#include "activity/month_calendar.h"
#include "interchange/collection_file.h"
#include "interchange/csv_credit.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/month_slot.h"

namespace ledra::interchange {
namespace {

using store::PublisherRecord;
using store::SlotWords;
namespace studies = store::studies;

constexpr std::uint16_t kFractionFrom = 4096;
constexpr std::uint8_t kRegularPioneer = 2;
constexpr std::uint8_t kSpecialPioneer = 3;

std::uint16_t Count(const PublisherRecord& p, SlotWords w, int slot) {
  const std::uint16_t v = p.word(w, slot);
  return w == SlotWords::kStudiesWord ? v & studies::kStudiesMask : v;
}

// The text of the file's remark an imported slot names, empty when none.
std::string RemarkNamed(const ImportTable& table, const PublisherRecord& imported, int slot) {
  const std::uint16_t n = imported.word(SlotWords::kRemarkIndex, slot);
  if (n == 0 || n > table.remarks.size()) return {};
  return table.remarks[n - 1].text;
}

bool AfterSimplifiedSwitch(const store::ReportMonthState& m) {
  return store::MonthCounter(m.report_year, m.report_month_index) > store::kNewFormSwitch;
}

std::string QuarterHours(const PublisherRecord& p, int slot) {
  return activity::HoursWithQuarters(
      p.word(SlotWords::kHours, slot),
      p.word(SlotWords::kStudiesWord, slot) >> studies::kQuarterShift);
}

}  // namespace

int MatchByName(const store::CongregationDatabase& db, const PublisherRecord& imported) {
  const std::string fname = imported.fname(), lname = imported.lname();
  for (int r = 1; r < db.count(); ++r) {
    const PublisherRecord& p = db.row(r);
    if (p.is(store::ListType::kActive) && p.lname() == lname && p.fname() == fname) return r;
  }
  return 0;
}

int MatchByIdAndName(const store::CongregationDatabase& db, const PublisherRecord& imported) {
  // A collection file carries the rows' ids: namesakes keep their own data.
  const int row = db.FindRow(imported.id());
  if (row > 0) {
    const PublisherRecord& p = db.row(row);
    if (p.is(store::ListType::kActive) && p.lname() == imported.lname() &&
        p.fname() == imported.fname())
      return row;
  }
  return MatchByName(db, imported);
}

Comparison CompareMonth(const store::Document& doc, const ImportTable& table,
                        const PublisherRecord& imported, int row, int month_index, int parity,
                        bool late) {
  const PublisherRecord& entered = doc.db().row(row);
  const int slot = month_index * 3 + parity;
  const bool simplified_late = late && AfterSimplifiedSwitch(doc.db().month());
  int result = 0;
  for (SlotWords w : kReportWords) {
    if (simplified_late) {
      if (w == SlotWords::kPlcmts || w == SlotWords::kVideos || w == SlotWords::kReturnVisits)
        continue;
      if (w == SlotWords::kHours && (entered.pioneer_code(slot) & 3) == 0) continue;
    }
    const std::uint16_t in = Count(imported, w, slot), have = Count(entered, w, slot);
    if (in == 0 || in == have) continue;
    result = have != 0 ? 2 : std::max(result, 1);
    if (result == 2) break;
  }
  if (result == 0) {
    const std::uint16_t in = imported.word(SlotWords::kStudiesWord, slot);
    const std::uint16_t have = entered.word(SlotWords::kStudiesWord, slot);
    if (in >= kFractionFrom && (in >> 12) != (have >> 12))
      result = have < kFractionFrom ? 1 : 2;
    else if ((in & studies::kParticipated) != 0 &&
             (in & studies::kParticipated) != (have & studies::kParticipated))
      result = (have & studies::kParticipated) != 0 ? 2 : 1;
  }
  const std::string remark = RemarkNamed(table, imported, slot);
  if (!remark.empty()) {
    const std::string existing = doc.RemarkText(row, slot);
    if (existing.empty())
      result = std::max(result, 1);
    else if (existing != remark)
      result = 3;
  }
  return static_cast<Comparison>(result);
}

ImportDialogModel::ImportDialogModel(const store::Document& doc, ImportTable table)
    : doc_(doc), table_(std::move(table)) {
  const auto& db = doc.db();
  const int report_month = db.month().report_month_index;
  const bool surname_first = !db.sort_by_first_name;
  auto add = [&](int i, int row, int month, int parity, bool late) {
    const Comparison c = CompareMonth(doc, table_, table_.records[static_cast<std::size_t>(i)], row,
                                      month, parity, late);
    if (c == Comparison::kNothingNew) return;
    ImportLine line;
    line.record = i;
    line.row = row;
    line.id = db.row(row).id();
    line.month_index = month;
    line.parity = parity;
    line.late = late;
    line.replaces = c >= Comparison::kReplaces;
    line.remark_differs = c == Comparison::kRemarkDiffers;
    line.name = db.DisplayName(row, surname_first);
    if (late) line.name += " (" + Strings().Get(str::kMonthShortJanuary + month) + ")";
    lines_.push_back(std::move(line));
  };
  for (std::size_t i = 0; i < table_.records.size(); ++i) {
    const PublisherRecord& imported = table_.records[i];
    int row = 0;
    if (i < table_.matches.size() && table_.matches[i] != 0)
      row = db.FindRow(table_.matches[i]);
    else
      row = MatchByIdAndName(db, imported);
    if (row <= 0) continue;
    const int index = static_cast<int>(i);
    add(index, row, report_month, table_.parity, false);
    if (table_.mode != ImportMode::kCollectionFile) continue;
    for (int h = 0; h < 12; ++h) {
      // The ReportMonth itself has its own line.
      if (h == report_month || imported.U8(LateFlagOffset(h)) == 0) continue;
      add(index, row, h, h < report_month ? table_.parity : 1 - table_.parity, true);
    }
  }
}

std::string ImportDialogModel::AvailableText() const {
  return FormatPrintf("%s %d", {std::string_view(Strings().Get(str::kImportAvailable)),
                                static_cast<int>(lines_.size())});
}

std::string ImportDialogModel::SelectedText(int selected) {
  return FormatPrintf("%s %d", {std::string_view(Strings().Get(str::kImportSelected)), selected});
}

ImportPreview ImportDialogModel::PreviewOf(int index) const {
  ImportPreview preview;
  if (index < 0 || index >= static_cast<int>(lines_.size())) return preview;
  const ImportLine& line = lines_[static_cast<std::size_t>(index)];
  const PublisherRecord& in = table_.records[static_cast<std::size_t>(line.record)];
  const PublisherRecord& have = doc_.db().row(line.row);
  preview.name = have.fname() + " " + have.lname();
  if (line.late)
    preview.late_text =
        Strings().Format(str::kImportLateReport, {activity::MonthName(line.month_index)});
  preview.imported_heading = Strings().Get(str::kImportNewData);
  preview.entered_heading = Strings().Get(str::kImportReplacing);
  preview.replaces = line.replaces;
  const int s = line.slot();
  auto number = [&](const PublisherRecord& p, SlotWords w) {
    return std::to_string(Count(p, w, s));
  };
  auto took_part = [&](const PublisherRecord& p) {
    return std::string((p.word(SlotWords::kStudiesWord, s) & studies::kParticipated) != 0 ? "X"
                                                                                          : "");
  };
  preview.rows = {
      {Strings().Get(str::kCardPublications), number(in, SlotWords::kPlcmts),
       number(have, SlotWords::kPlcmts)},
      {Strings().Get(str::kCardVideos), number(in, SlotWords::kVideos),
       number(have, SlotWords::kVideos)},
      {Strings().Get(str::kCardShortHours), QuarterHours(in, s), QuarterHours(have, s)},
      {Strings().Get(str::kCardReturnVisits), number(in, SlotWords::kReturnVisits),
       number(have, SlotWords::kReturnVisits)},
      {Strings().Get(str::kCardShortStudies), number(in, SlotWords::kStudiesWord),
       number(have, SlotWords::kStudiesWord)},
      {Strings().Get(str::kCardShortParticipated), took_part(in), took_part(have)},
      {Strings().Get(str::kCardRemarks), RemarkNamed(table_, in, s), doc_.RemarkText(line.row, s)},
  };
  return preview;
}

int ImportDialogModel::Merge(store::Document& doc, std::span<const int> chosen) const {
  auto& db = doc.db();
  int merged = 0;
  for (int index : chosen) {
    if (index < 0 || index >= static_cast<int>(lines_.size())) continue;
    const ImportLine& line = lines_[static_cast<std::size_t>(index)];
    const PublisherRecord& in = table_.records[static_cast<std::size_t>(line.record)];
    const int s = line.slot();
    PublisherRecord record = db.row(line.row);
    // Zeros in the file never erase what was entered.
    for (SlotWords w : kReportWords)
      if (in.word(w, s) != 0) record.set_word(w, s, in.word(w, s));
    if (in.pioneer_code(s) != 0) record.set_pioneer_code(s, in.pioneer_code(s));
    if (in.word(SlotWords::kPioCredit, s) != 0)
      record.set_word(SlotWords::kPioCredit, s, in.word(SlotWords::kPioCredit, s));
    const std::string remark = RemarkNamed(table_, in, s);
    // A spreadsheet has no credit column: a regular pioneer's remark carries it.
    if (table_.mode == ImportMode::kCsv && (record.pioneer_code(s) & 3) == kRegularPioneer)
      record.set_word(SlotWords::kPioCredit, s,
                      static_cast<std::uint16_t>(
                          CreditHoursFromRemark(remark, record.word(SlotWords::kHours, s))));
    db.row(line.row) = record;
    if (!remark.empty())
      (void)doc.SetRemark(line.row, line.month_index, line.parity, remark);  // a full table says so
    if (line.late && (in.pioneer_code(s) & 3) != kSpecialPioneer)
      activity::QueueLateReport(db, line.id, line.month_index);
    ++merged;
  }
  db.modified = true;
  return merged;
}

}  // namespace ledra::interchange
