#include "interchange/csv_import.h"

#include <algorithm>

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/month_slot.h"

namespace ledra::interchange {
namespace {

using store::SlotWords;
namespace studies = store::studies;

constexpr std::size_t kRemarkLimit = 43;
constexpr int kCountCap = 100000;  // far above every range, below overflow

bool InRange(int v, int high) {
  return v >= 1 && v <= high;
}

}  // namespace

int ParseCsvCount(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return -1;
  text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
  if (text.front() == '+') text.remove_prefix(1);
  int value = 0;
  std::size_t i = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    value = std::min(value * 10 + (text[i] - '0'), kCountCap);
  if (i == 0) return -1;
  if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
    for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9';) ++i;
  }
  return i == text.size() ? value : -1;
}

std::string CsvImport::Notice() const {
  if (left_out == 0) return {};
  return Strings().Format(str::kCsvLeftOut,
                          {std::to_string(kMaxImportedRecords), std::to_string(left_out)});
}

CsvImport BuildCsvImport(const store::CongregationDatabase& db, const CsvFile& file,
                         const std::optional<ColumnMap>& map,
                         std::span<const CsvLineMatch> matches) {
  CsvImport out;
  out.table.mode = ImportMode::kCsv;
  const auto& month = db.month();
  out.table.parity = store::Parity(month.report_year);
  if (!map) return out;
  const int slot = store::MonthSlot(month.report_month_index, month.report_year);
  const std::string& auxiliary_hint = Strings().Get(str::kExportAuxiliary);
  for (const CsvLineMatch& match : matches) {
    if (match.id == 0 || match.line < 1 || match.line > file.data_lines()) continue;
    const int row = db.FindRow(match.id);
    if (row == 0) continue;
    if (out.table.records.size() >= static_cast<std::size_t>(kMaxImportedRecords)) {
      ++out.left_out;
      continue;
    }
    const CsvLine& line = file.lines[static_cast<std::size_t>(match.line)];
    store::PublisherRecord record = db.row(row);
    // The row's remark indexes point into the congregation's remarks; in the
    // table they would name the file's.
    for (int s = 0; s < store::kSlotCount; ++s) record.set_word(SlotWords::kRemarkIndex, s, 0);

    bool participated = false;
    if (map->has(CsvTarget::kParticipated)) {
      const std::string value = FieldOf(line, *map, CsvTarget::kParticipated);
      participated = value.empty() || value == "0" ? map->participation_from_hours : true;
    }
    const int hours = ParseCsvCount(FieldOf(line, *map, CsvTarget::kHours));
    if (map->participation_from_hours && InRange(hours, kMaxCsvHours)) participated = true;
    if (participated) {
      if (InRange(hours, kMaxCsvHours))
        record.set_word(SlotWords::kHours, slot, static_cast<std::uint16_t>(hours));
      std::uint16_t word = record.word(SlotWords::kStudiesWord, slot);
      const int count = ParseCsvCount(FieldOf(line, *map, CsvTarget::kStudies));
      if (InRange(count, kMaxCsvStudies))
        word = static_cast<std::uint16_t>((word & ~studies::kStudiesMask) | count);
      record.set_word(SlotWords::kStudiesWord, slot, word | studies::kParticipated);
    }

    std::string remark = FieldOf(line, *map, CsvTarget::kRemark);
    // "PAux" is the hint the collection list writes for an auxiliary
    // pioneer without a remark, not a remark of the publisher.
    if (remark.size() >= 2 && remark != auxiliary_hint) {
      if (out.table.remarks.size() < static_cast<std::size_t>(kMaxImportedRemarks)) {
        if (remark.size() > kRemarkLimit) remark.resize(kRemarkLimit);
        out.table.remarks.push_back({remark});
        record.set_word(SlotWords::kRemarkIndex, slot,
                        static_cast<std::uint16_t>(out.table.remarks.size()));
      } else {
        ++out.left_out;
      }
    }
    out.table.records.push_back(record);
    out.table.matches.push_back(match.id);
    out.lines.push_back(match.line);
  }
  return out;
}

}  // namespace ledra::interchange
