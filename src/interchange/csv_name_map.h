#pragma once
// The name map of the CSV import ("tpmap.dat" in the data folder): the names
// of a CSV file paired by hand with a publisher, so that the next import
// pairs them again. Records of 128 bytes, at most 300, no header.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/result.h"

namespace ledra::interchange {

inline constexpr std::size_t kNameMapRecordSize = 128;
inline constexpr int kMaxNamePairs = 300;
inline constexpr std::size_t kNameMapText = 60;  // 59 characters and the terminator

struct NamePair {
  std::string display_name;  // ANSI, as the publisher list showed it
  std::string csv_name;      // ANSI, as built from the CSV line
  std::uint16_t id = 0;
  bool operator==(const NamePair&) const = default;
};

// Whole records only, at most 300; records without a CSV name are skipped.
std::vector<NamePair> ParseNameMap(std::string_view bytes);
// At most 300 records; texts cut at 59 characters.
std::string NameMapBytes(const std::vector<NamePair>& pairs);

platform::Path NameMapPath(const platform::Path& data_folder);
std::vector<NamePair> ReadNameMap(const platform::Path& data_folder);
Status WriteNameMap(const platform::Path& data_folder, const std::vector<NamePair>& pairs);

}  // namespace ledra::interchange
