#pragma once
// The import dialog shared by the collection file, the XML list and the CSV
// file: which imported people bring something new for the ReportMonth (or,
// from a collection file, for a late month), how their figures compare with
// those entered, and the merge of the chosen lines, in which a zero never
// erases what was entered.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "interchange/import_table.h"
#include "store/document.h"

namespace ledra::interchange {

enum class Comparison { kNothingNew = 0, kNewData = 1, kReplaces = 2, kRemarkDiffers = 3 };

struct ImportLine {
  int record = 0;  // index into the table's records
  int row = 0;     // the matched publisher's row
  std::uint16_t id = 0;
  int month_index = 0;
  int parity = 0;
  bool late = false;
  bool replaces = false;
  bool remark_differs = false;
  std::string name;  // as the list shows it, ANSI
  int slot() const { return month_index * 3 + parity; }
};

// One figure in the preview: the file's value beside the one entered.
struct PreviewRow {
  std::string label, imported, entered;  // ANSI
};

struct ImportPreview {
  std::string name;       // "First Last"
  std::string late_text;  // "Late Report - Março", empty for the ReportMonth
  std::string imported_heading, entered_heading;
  std::vector<PreviewRow> rows;
  bool replaces = false;  // light yellow; new data only is light green
};

// The first active publisher in table order with these names, 0 when none.
int MatchByName(const store::CongregationDatabase& db, const store::PublisherRecord& imported);

// The active publisher with the record's id and names; failing that, the
// first with its names.
int MatchByIdAndName(const store::CongregationDatabase& db, const store::PublisherRecord& imported);

// Compares one month of an imported record with the entered one.
Comparison CompareMonth(const store::Document& doc, const ImportTable& table,
                        const store::PublisherRecord& imported, int row, int month_index,
                        int parity, bool late);

class ImportDialogModel {
 public:
  ImportDialogModel(const store::Document& doc, ImportTable table);

  const std::vector<ImportLine>& lines() const { return lines_; }
  const ImportTable& table() const { return table_; }
  // "Relatórios disponíveis para entrada = 4"
  std::string AvailableText() const;
  // "Relatórios Selecionados = 2"
  static std::string SelectedText(int selected);
  // The import button shows only while a line is chosen.
  static bool CanImport(int selected) { return selected > 0; }
  ImportPreview PreviewOf(int line) const;

  // Merges the chosen lines (indexes into lines(), in list order) and marks
  // the document changed. Returns how many lines were merged.
  int Merge(store::Document& doc, std::span<const int> chosen) const;

 private:
  const store::Document& doc_;
  ImportTable table_;
  std::vector<ImportLine> lines_;
};

}  // namespace ledra::interchange
