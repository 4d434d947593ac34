#pragma once
// The records of a CSV import: for each data line matched to a publisher, a
// copy of that publisher's row with the ReportMonth's slot filled from the
// line, ready for the import dialog's pick list and merge.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "interchange/csv_column_map.h"
#include "interchange/csv_name_step.h"
#include "interchange/csv_reader.h"
#include "interchange/import_table.h"
#include "store/congregation_database.h"

namespace ledra::interchange {

inline constexpr int kMaxCsvHours = 739;
inline constexpr int kMaxCsvStudies = 499;

// A whole number as a spreadsheet writes it ("12", " 12 ", "+12", "12.0",
// "12,5" taken as 12); -1 for anything else, an empty field included.
int ParseCsvCount(std::string_view text);

struct CsvImport {
  ImportTable table;
  std::vector<int> lines;  // the data line (1-based) each record comes from
  int left_out = 0;        // matched lines (or remarks) the table had no room for
  // The message about the lines left out, empty when none was.
  std::string Notice() const;
};

// Without a map nothing is imported. Lines without a publisher are skipped.
CsvImport BuildCsvImport(const store::CongregationDatabase& db, const CsvFile& file,
                         const std::optional<ColumnMap>& map,
                         std::span<const CsvLineMatch> matches);

}  // namespace ledra::interchange
