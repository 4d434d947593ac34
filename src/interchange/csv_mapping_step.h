#pragma once
// The first step of the CSV import: pairing the target fields with the
// columns of the file. A saved map presets the pairs whose columns still
// carry the same header; a column headed with a target's own label (the
// collection list's CSV) is paired with it too.

#include <optional>
#include <string>
#include <vector>

#include "interchange/csv_column_map.h"
#include "interchange/csv_reader.h"

namespace ledra::interchange {

// "Primeiro nome", ... in the order of CsvTarget (ANSI).
std::string CsvTargetLabel(CsvTarget target);

class ColumnMappingStep {
 public:
  ColumnMappingStep(const CsvFile& file, const std::optional<ColumnMap>& saved);

  // The right list: the header's fields as read (an empty one after a final
  // separator left out).
  const std::vector<std::string>& columns() const { return columns_; }
  // The left list: the label; "%s -> %s" (column, label) when paired;
  // "* -> Particip." for participation taken from the hours.
  std::string TargetText(CsvTarget target) const;
  // "* -> Particip. = Horas > 0"
  static std::string OptionText();

  int column(CsvTarget target) const { return map_[target]; }
  bool participation_from_hours() const { return map_.participation_from_hours; }

  // A column serves one target: pairing it again frees the target it had.
  void Pair(CsvTarget target, int column);
  void Unpair(CsvTarget target);
  // "Limpiar"
  void Clear();
  // Ticking the option frees "Particip.".
  void SetParticipationFromHours(bool on);

  // "Continuar" shows once studies, hours, remark, participation (or the
  // option) and a name (first and last, or a whole-name column) are paired.
  bool CanContinue() const { return Missing().empty(); }
  // What still lacks a column; a missing name is named by kName.
  std::vector<CsvTarget> Missing() const;
  // The map to save and import with: header texts filled, "Version 10".
  ColumnMap Map() const;

  // The first `count` data lines, as read.
  std::vector<CsvLine> Preview(int count) const;

 private:
  void ApplySaved(const ColumnMap& saved);
  void PairByLabels();

  const CsvFile& file_;
  std::vector<std::string> columns_;
  ColumnMap map_;
};

}  // namespace ledra::interchange
