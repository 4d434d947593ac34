#include "interchange/csv_export.h"

#include "activity/branch_totals.h"
#include "activity/month_calendar.h"
#include "activity/sheet_list.h"
#include "interchange/csv_column_map.h"
#include "interchange/csv_mapping_step.h"
#include "interchange/export_lines.h"
#include "interchange/publist_export.h"
#include "interchange/tsv_export.h"
#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::interchange {
namespace {

using store::ListType;
using store::PublisherRecord;
using store::SlotWords;
namespace studies = store::studies;

const std::string& S(int id) {
  return Strings().Get(id);
}

// "Março 2026": 24 months hold each month name twice.
std::string MonthText(int counter) {
  return activity::MonthName(counter % 12) + " " + std::to_string(2000 + counter / 12);
}

std::string BuildData(const store::Document& doc, const ExportRequest& r) {
  const store::CongregationDatabase& db = doc.db();
  const char separator = r.tab ? '\t' : ',';
  const int m = r.month_index;
  const int year = ExportYear(db, m);
  const int slot = store::MonthSlot(m, year - 2000);
  std::string out;
  if (r.header) {
    ExportLine header(separator);
    for (int id :
         {str::kExportName, str::kExportGroup, str::kExportRegular, str::kCsvTargetParticipated,
          str::kExportStudies, str::kExportAuxiliary, str::kCsvTargetHours, str::kCsvTargetRemark,
          str::kExportMonth, str::kExportYear, str::kExportId})
      header.Label(S(id));
    out += header.End();
  }
  const std::string month =
      FormatPrintf("%02d (%s)", {m + 1, std::string_view(S(str::kShortMonthJanuary + m))});
  for (const store::IndexEntry& e : db.status_list(ListType::kActive)) {
    const PublisherRecord& p = db.row(e.row);
    const int code = p.pioneer_code(slot) & 3;
    ExportLine line(separator);
    line.Quoted(db.DisplayName(e.row, !db.sort_by_first_name))
        .Number(p.group())
        .Number(code)
        .Number(activity::SlotHasReport(p, slot) ? 1 : 0)
        .Number(p.word(SlotWords::kStudiesWord, slot) & studies::kStudiesMask)
        .Number(code == 1 ? 1 : 0)
        .Number(p.word(SlotWords::kHours, slot))
        .Quoted(doc.RemarkText(e.row, slot))
        .Quoted(month)
        .Number(year)
        .Number(p.id());
    out += line.End();
  }
  return out;
}

std::string BuildCollectionList(const store::Document& doc, int group) {
  const store::CongregationDatabase& db = doc.db();
  ExportLine header(',');
  for (CsvTarget t : {CsvTarget::kFirstName, CsvTarget::kLastName, CsvTarget::kParticipated,
                      CsvTarget::kStudies, CsvTarget::kHours, CsvTarget::kRemark})
    header.Label(CsvTargetLabel(t));
  std::string out = header.End();
  const int slot = store::MonthSlot(db.month().report_month_index, db.month().report_year);
  auto count = [](int v) { return v != 0 ? std::to_string(v) : std::string(); };
  for (const store::IndexEntry& e : db.status_list(ListType::kActive)) {
    const PublisherRecord& p = db.row(e.row);
    if (p.group() != group) continue;
    const std::uint16_t word = p.word(SlotWords::kStudiesWord, slot);
    std::string remark = doc.RemarkText(e.row, slot);
    if (remark.empty() && (p.pioneer_code(slot) & 3) == 1) remark = S(str::kExportAuxiliary);
    ExportLine line(',');
    line.Field(p.fname())
        .Field(p.lname())
        .Field((word & studies::kParticipated) != 0 ? "1" : "")
        .Field(count(word & studies::kStudiesMask))
        .Field(count(p.word(SlotWords::kHours, slot)))
        .Field(remark);
    out += line.End();
  }
  return out;
}

// The active publishers of a month, from the totals card; empty when none.
std::string ActiveOf(const store::CongregationDatabase& db, int counter) {
  const int active = db.side.totals_card[store::TotalsCardIndex(
      counter % 12, 0, activity::column::kActive, store::Parity(counter / 12))];
  return active != 0 ? std::to_string(active) : std::string();
}

std::string BuildAttendance(const store::Document& doc) {
  const store::CongregationDatabase& db = doc.db();
  ExportLine header(',');
  for (int id : {str::kExportMeeting, str::kExportMonth, str::kExportTimes, str::kExportTotal,
                 str::kExportAverage, str::kExportActivePublishers})
    header.Field(S(id));
  std::string out = header.End(/*separator_after_last=*/false);
  for (int meeting = 0; meeting < 2; ++meeting) {
    const store::AttendanceBlock& block = db.side.attendance[static_cast<std::size_t>(meeting)];
    const std::string& label = S(str::kExportMidweekMeeting + meeting);
    for (int back = 23; back >= 0; --back) {
      const int counter = db.month().counter - back;
      const int slot = store::MonthSlot(counter % 12, counter / 12);
      ExportLine line(',');
      line.Quoted(label)
          .Quoted(MonthText(counter))
          .Quoted(std::to_string(block.meetings(slot)))
          .Quoted(std::to_string(block.total(slot)))
          .Quoted(FormatPrintf("%4d", {static_cast<long long>(block.average(slot))}))
          .Quoted(ActiveOf(db, counter));
      out += line.End(false);
    }
  }
  return out;
}

std::string BuildSummary(const store::Document& doc) {
  const store::CongregationDatabase& db = doc.db();
  ExportLine header(',');
  for (int id : {str::kExportDesignation, str::kExportMonth, str::kExportReports,
                 str::kExportPublications, str::kExportVideos, str::kCsvTargetHours,
                 str::kExportReturnVisits, str::kCsvTargetStudies, str::kExportActiveOfMonth})
    header.Field(S(id));
  std::string out = header.End(/*separator_after_last=*/false);
  for (const activity::SummaryRow& row : activity::SummaryRows(db)) {
    ExportLine line(',');
    line.Quoted(S(str::kExportPublishers + row.designation)).Quoted(MonthText(row.counter));
    for (int v :
         {row.reports, row.publications, row.videos, row.hours, row.return_visits, row.studies})
      line.Quoted(std::to_string(v));
    line.Quoted(row.active != 0 ? std::to_string(row.active) : std::string());
    out += line.End(false);
  }
  return out;
}

}  // namespace

int ExportYear(const store::CongregationDatabase& db, int month_index) {
  const auto& m = db.month();
  return 2000 + m.report_year - (month_index > m.report_month_index ? 1 : 0);
}

std::string ExportFileName(const ExportRequest& r) {
  switch (r.kind) {
    case ExportKind::kData:
      return activity::MonthName(r.month_index) +
             S(r.tab ? str::kExportRptExtension : str::kExportCsvExtension);
    case ExportKind::kContacts:
      return S(str::kFileContactTsv);
    case ExportKind::kEmergency:
      return S(str::kFileThirdPartyTsv);
    case ExportKind::kCardHeaders:
      return S(str::kFileCardHeaderTsv);
    case ExportKind::kCollectionList:
      return FormatPrintf("%s-%d", {std::string_view(S(str::kExportGroup)), r.group}) +
             S(str::kExportCsvExtension);
    case ExportKind::kAttendance:
      return S(str::kExportAttendanceFile) + S(str::kExportCsvExtension);
    case ExportKind::kSummary:
      return S(str::kExportSummaryFile) + S(str::kExportCsvExtension);
  }
  return {};
}

std::string BuildExport(const store::Document& doc, const ExportRequest& r) {
  switch (r.kind) {
    case ExportKind::kData:
      return BuildData(doc, r);
    case ExportKind::kContacts:
      return BuildContactsTsv(doc);
    case ExportKind::kEmergency:
      return BuildEmergencyTsv(doc);
    case ExportKind::kCardHeaders:
      return BuildCardHeaderTsv(doc, r.hide_birth);
    case ExportKind::kCollectionList:
      return BuildCollectionList(doc, r.group);
    case ExportKind::kAttendance:
      return BuildAttendance(doc);
    case ExportKind::kSummary:
      return BuildSummary(doc);
  }
  return {};
}

Result<platform::Path> WriteExport(const store::Document& doc, const ExportRequest& r) {
  const Result<platform::Path> folder = ExportFolder(doc.data_folder());
  if (!folder) return folder.error();
  const platform::Path file = *folder / platform::AnsiToUtf8(ExportFileName(r));
  if (Status written = platform::WriteFileAtomic(file, BuildExport(doc, r)); !written) {
    if (written.error().id == str::kDiskFull) return written.error();
    return Message{str::kCannotCreateFile,
                   Strings().Format(str::kCannotCreateFile, {platform::PathForMessage(file)})};
  }
  return file;
}

std::string ExportedQuestion(const platform::Path& file) {
  return Strings().Format(str::kExportShowFolder, {platform::PathForMessage(file)});
}

}  // namespace ledra::interchange
