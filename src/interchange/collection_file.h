#pragma once
// The collection file a group overseer fills in with his own program: a
// header of 816 bytes, the group's publisher rows as the main data file holds
// them (with the postal address replaced by the e-mail address, the dates
// replaced by late-report flags and the remark indexes renumbered into the
// file's own remark block), then the remarks of 48 bytes each.

#include <cstdint>
#include <string>
#include <string_view>

#include "interchange/import_table.h"
#include "platform/files.h"
#include "platform/result.h"
#include "store/document.h"

namespace ledra::interchange {

inline constexpr std::size_t kCollectionRecordSize = 816;
inline constexpr std::size_t kCollectionRemarkSize = 48;
inline constexpr std::size_t kCollectionRemarkText = 43;

namespace collection_header {
inline constexpr std::size_t kEmail = 44;
inline constexpr std::size_t kEmailSize = 63;
inline constexpr std::size_t kCount = 180;
inline constexpr std::size_t kGroup = 181;
inline constexpr std::size_t kRemarkCount = 184;
inline constexpr std::size_t kMonth = 238;
}  // namespace collection_header

// The byte of the late-report flag for month m (0 = January).
constexpr std::size_t LateFlagOffset(int month_index) {
  return month_index < 6 ? 152 + static_cast<std::size_t>(month_index)
                         : 155 + static_cast<std::size_t>(month_index);
}

struct CollectionRequest {
  int group = 1;
  int month_index = 0;  // the collected month
  int parity = 0;       // its year's parity
  // The collected month's figures and remark stay out of the file (an empty
  // list, or the month after the ReportMonth).
  bool clear_month = false;
  std::string secretary_email;  // ANSI, written only when it looks like an address
};

// An address the program sends to: "@" and after it a ".".
bool ValidEmail(std::string_view address);

// The active publishers of a group, rows in list order.
std::vector<int> GroupMemberRows(const store::CongregationDatabase& db, int group);

// The file's bytes.
std::string BuildCollectionFile(const store::Document& doc, const CollectionRequest& request);

// "Grupo3.t09" in the data folder.
platform::Path CollectionFilePath(const platform::Path& data_folder, int group);

// The number of remarks a file's header announces.
int CollectionRemarkCount(std::string_view bytes);

// Builds and writes the file (atomically); returns its path.
Result<platform::Path> WriteCollectionFile(const store::Document& doc,
                                           const CollectionRequest& request);

// A returned ".t19": its rows unscrambled into the import table, the year
// parity that of the ReportMonth. A file of another month is refused with
// "Mês Errado!". A short file gives what it holds; a count that reads as
// negative gives no rows.
Result<ImportTable> ReadCollectionFile(std::string_view bytes, const store::Document& doc);

}  // namespace ledra::interchange
