#pragma once
// What an import reads before anything reaches the congregation: one
// publisher record per imported person, in the layout of the data file's
// rows, with the remarks they point at. The collection file, the XML list
// and the CSV file each fill it their own way; the pick list, the comparison
// and the merge work on it alike.

#include <cstdint>
#include <string>
#include <vector>

#include "store/publisher_record.h"

namespace ledra::interchange {

enum class ImportMode { kCollectionFile, kXml, kCsv };

inline constexpr int kMaxImportedRecords = 304;
inline constexpr int kMaxImportedRemarks = 300;

// The five figures of a month, in the order they are compared.
inline constexpr store::SlotWords kReportWords[] = {
    store::SlotWords::kPlcmts, store::SlotWords::kVideos, store::SlotWords::kHours,
    store::SlotWords::kReturnVisits, store::SlotWords::kStudiesWord};

struct ImportedRemark {
  std::string text;  // ANSI, at most 43 characters
};

struct ImportTable {
  ImportMode mode = ImportMode::kCollectionFile;
  // Imported people; a slot's remark index n (1-based) names remarks[n - 1].
  std::vector<store::PublisherRecord> records;
  std::vector<ImportedRemark> remarks;
  // The document publisher each record belongs to, 0 when the reader leaves
  // the match to the pick list (by first and last name).
  std::vector<std::uint16_t> matches;
  int parity = 0;  // the year parity used for the ReportMonth
};

}  // namespace ledra::interchange
