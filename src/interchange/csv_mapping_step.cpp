#include "interchange/csv_mapping_step.h"

#include <algorithm>

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::interchange {
namespace {

// The last four targets came with the map's version mark.
constexpr int kTargetsBeforeVersion = 4;

std::string Trimmed(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return std::string(s.substr(first, s.find_last_not_of(" \t") - first + 1));
}

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

// Header texts as the map file keeps them (79 characters).
std::string Kept(std::string_view header) {
  return std::string(header.substr(0, kColumnMapHeaderText - 1));
}

}  // namespace

std::string CsvTargetLabel(CsvTarget target) {
  return Strings().Get(str::kCsvTargetFirstName + Index(target));
}

ColumnMappingStep::ColumnMappingStep(const CsvFile& file, const std::optional<ColumnMap>& saved)
    : file_(file) {
  if (!file.lines.empty()) columns_ = file.lines.front();
  if (columns_.size() > 1 && Trimmed(columns_.back()).empty()) columns_.pop_back();
  if (saved) ApplySaved(*saved);
  PairByLabels();
}

void ColumnMappingStep::ApplySaved(const ColumnMap& saved) {
  const int targets = saved.complete ? kCsvTargetCount : kTargetsBeforeVersion;
  for (int t = 0; t < targets; ++t) {
    const int c = saved.column[static_cast<std::size_t>(t)];
    if (c < 0 || c >= static_cast<int>(columns_.size())) continue;
    if (Kept(columns_[static_cast<std::size_t>(c)]) != saved.header[static_cast<std::size_t>(t)])
      continue;
    Pair(static_cast<CsvTarget>(t), c);
  }
  map_.participation_from_hours = saved.participation_from_hours;
}

void ColumnMappingStep::PairByLabels() {
  for (int t = 0; t < kCsvTargetCount; ++t) {
    const auto target = static_cast<CsvTarget>(t);
    if (map_.has(target)) continue;
    if (target == CsvTarget::kParticipated && map_.participation_from_hours) continue;
    const std::string label = Lower(CsvTargetLabel(target));
    for (std::size_t c = 0; c < columns_.size(); ++c) {
      const int column = static_cast<int>(c);
      const bool used =
          std::find(map_.column.begin(), map_.column.end(), column) != map_.column.end();
      if (!used && Lower(Trimmed(columns_[c])) == label) {
        Pair(target, column);
        break;
      }
    }
  }
}

std::string ColumnMappingStep::TargetText(CsvTarget target) const {
  const std::string label = CsvTargetLabel(target);
  const int c = map_[target];
  if (c >= 0)
    return FormatPrintf(
        Strings().Get(str::kCsvPairFormat),
        {std::string_view(columns_[static_cast<std::size_t>(c)]), std::string_view(label)});
  if (target == CsvTarget::kParticipated && map_.participation_from_hours)
    return Strings().Get(str::kCsvFromHoursMark) + label;
  return label;
}

std::string ColumnMappingStep::OptionText() {
  return FormatPrintf(Strings().Get(str::kCsvFromHoursFormat),
                      {std::string_view(CsvTargetLabel(CsvTarget::kParticipated)),
                       std::string_view(CsvTargetLabel(CsvTarget::kHours))});
}

void ColumnMappingStep::Pair(CsvTarget target, int column) {
  if (column < 0 || column >= static_cast<int>(columns_.size())) return;
  for (int& c : map_.column)
    if (c == column) c = -1;
  map_.column[static_cast<std::size_t>(Index(target))] = column;
}

void ColumnMappingStep::Unpair(CsvTarget target) {
  map_.column[static_cast<std::size_t>(Index(target))] = -1;
}

void ColumnMappingStep::Clear() {
  map_.column.fill(-1);
}

void ColumnMappingStep::SetParticipationFromHours(bool on) {
  map_.participation_from_hours = on;
  if (on) Unpair(CsvTarget::kParticipated);
}

std::vector<CsvTarget> ColumnMappingStep::Missing() const {
  std::vector<CsvTarget> missing;
  if (!map_.has(CsvTarget::kParticipated) && !map_.participation_from_hours)
    missing.push_back(CsvTarget::kParticipated);
  for (CsvTarget t : {CsvTarget::kStudies, CsvTarget::kHours, CsvTarget::kRemark})
    if (!map_.has(t)) missing.push_back(t);
  const bool names = (map_.has(CsvTarget::kFirstName) && map_.has(CsvTarget::kLastName)) ||
                     map_.has(CsvTarget::kName) || map_.has(CsvTarget::kNameSurnameFirst);
  if (!names) missing.push_back(CsvTarget::kName);
  return missing;
}

ColumnMap ColumnMappingStep::Map() const {
  ColumnMap map = map_;
  for (std::size_t t = 0; t < map.column.size(); ++t)
    map.header[t] = map.column[t] >= 0 ? Kept(columns_[static_cast<std::size_t>(map.column[t])])
                                       : std::string();
  map.complete = CanContinue();
  return map;
}

std::vector<CsvLine> ColumnMappingStep::Preview(int count) const {
  std::vector<CsvLine> lines;
  for (std::size_t i = 1; i < file_.lines.size() && static_cast<int>(lines.size()) < count; ++i)
    lines.push_back(file_.lines[i]);
  return lines;
}

}  // namespace ledra::interchange
