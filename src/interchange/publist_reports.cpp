#include "interchange/publist_reports.h"

#include <algorithm>

#include "interchange/publist_import.h"
#include "store/month_slot.h"

namespace ledra::interchange {
namespace {

using store::PublisherRecord;
using store::SlotWords;
namespace studies = store::studies;

constexpr std::size_t kRemarkLimit = 43;

// The active publisher with these names, and this id when the file gives one.
int FindPublisher(const store::CongregationDatabase& db, std::string_view fname,
                  std::string_view lname, long long id) {
  for (const store::IndexEntry& e : db.status_list(store::ListType::kActive)) {
    const PublisherRecord& p = db.row(e.row);
    if (p.fname() == fname && p.lname() == lname && (id <= 0 || p.id() == id)) return e.row;
  }
  return 0;
}

struct MonthElement {
  std::string year;
  std::vector<std::string> figures;  // the first five children, by position
  std::string remark, pio;
  bool found = false;
};

// The first element named after the month among the Pub's children.
MonthElement ReadMonth(xml::XmlDocument& x, std::string_view tag) {
  MonthElement m;
  if (!x.FindNextChild(tag)) return m;
  m.found = true;
  x.Descend();
  m.year = x.ElementAttribute("Year");
  while (x.FindNextChild()) {
    const std::string name = x.ChildName();
    if (m.figures.size() < 5) m.figures.push_back(x.ChildText());
    if (name == "Remark" && m.remark.empty()) m.remark = x.ChildText();
    if (name == "Pio" && m.pio.empty()) m.pio = x.ChildText();
  }
  x.Ascend();
  return m;
}

std::uint16_t Clamp16(long long v) {
  return static_cast<std::uint16_t>(std::clamp<long long>(v, 0, 0xFFFF));
}

}  // namespace

Result<ImportTable> ReadXmlReports(std::string_view bytes, const store::Document& doc) {
  const auto& db = doc.db();
  Result<PubListFile> file = ReadPubListBytes(bytes, db);
  if (!file) return file.error();
  ImportTable table;
  table.mode = ImportMode::kXml;
  const auto& month = db.month();
  table.parity = store::Parity(month.report_year);
  if (file->section != PubListSection::kActive) return table;
  const int m = month.report_month_index;
  const int slot = m * 3 + table.parity;
  const bool simplified = store::MonthCounter(month.report_year, m) > store::kNewFormSwitch;
  const std::string report_year = std::to_string(2000 + month.report_year);

  xml::XmlDocument& x = file->document;
  for (const PubListEntry& e : file->entries) {
    if (static_cast<int>(table.records.size()) >= kMaxImportedRecords) break;
    const int row = FindPublisher(db, e.fname, e.lname, e.file_id);
    if (row == 0) continue;
    // Back to the entry's Pub.
    x.ResetCursor();
    x.FindNextSibling("PUBLIST");
    x.FindNextChild(SectionName(PubListSection::kActive));
    x.Descend();
    for (int i = 0; i <= e.index; ++i) x.FindNextChild("Pub");
    x.Descend();
    const MonthElement element = ReadMonth(x, kPubListMonthTags[m]);
    if (!element.found) continue;
    // Another year's month is not this month's report.
    if (element.year.size() == 4 && element.year != report_year) continue;

    PublisherRecord p = db.row(row);
    auto figure = [&](std::size_t i) {
      return i < element.figures.size() ? element.figures[i] : std::string();
    };
    const auto [hours, quarters] = ParseHoursText(figure(2));
    std::uint16_t studies_word = static_cast<std::uint16_t>(
        (LeadingNumber(figure(4)) & studies::kStudiesMask) | (quarters << studies::kQuarterShift));
    std::uint16_t hours_word = Clamp16(hours);
    p.set_word(SlotWords::kPlcmts, slot, simplified ? 0 : Clamp16(LeadingNumber(figure(0))));
    p.set_word(SlotWords::kVideos, slot, simplified ? 0 : Clamp16(LeadingNumber(figure(1))));
    p.set_word(SlotWords::kReturnVisits, slot, simplified ? 0 : Clamp16(LeadingNumber(figure(3))));
    if (simplified && hours_word != 0) studies_word |= studies::kParticipated;
    p.set_word(SlotWords::kRemarkIndex, slot, 0);
    if (element.remark.size() >= 2 &&
        static_cast<int>(table.remarks.size()) < kMaxImportedRemarks) {
      table.remarks.push_back({element.remark.substr(0, kRemarkLimit)});
      p.set_word(SlotWords::kRemarkIndex, slot, static_cast<std::uint16_t>(table.remarks.size()));
    }
    // A publisher's simplified month keeps only that he took part.
    if (simplified && element.pio.empty()) hours_word = 0;
    if (element.pio.find("ux") != std::string::npos && hours_word != 0 &&
        (p.pioneer_code(slot) & 3) == 0)
      p.set_pioneer_code(slot, static_cast<std::uint8_t>(p.pioneer_code(slot) | 1));
    p.set_word(SlotWords::kHours, slot, hours_word);
    p.set_word(SlotWords::kStudiesWord, slot, studies_word);
    table.records.push_back(p);
    table.matches.push_back(p.id());
  }
  return table;
}

Result<ImportTable> ReadXmlReportsFile(const platform::Path& file, const store::Document& doc) {
  const Result<std::string> bytes = platform::ReadFile(file);
  if (!bytes) return bytes.error();
  return ReadXmlReports(*bytes, doc);
}

}  // namespace ledra::interchange
