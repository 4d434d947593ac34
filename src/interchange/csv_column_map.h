#pragma once
// The column map of the CSV import ("ldmap.dat" in the data folder, 840
// bytes): which column of the file feeds each target field, with the header
// text it had, so that the next import of a file of the same shape starts
// mapped.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/result.h"

namespace ledra::interchange {

// The target fields, in the order the map file keeps them.
enum class CsvTarget {
  kFirstName,
  kLastName,
  kParticipated,
  kStudies,
  kHours,
  kRemark,
  kName,              // "first last" in one column
  kNameSurnameFirst,  // "last, first" in one column
};
inline constexpr int kCsvTargetCount = 8;
constexpr int Index(CsvTarget t) {
  return static_cast<int>(t);
}

inline constexpr std::size_t kColumnMapSize = 840;
inline constexpr std::size_t kColumnMapHeaderText = 80;  // 79 characters and the terminator

struct ColumnMap {
  std::array<int, kCsvTargetCount> column{-1, -1, -1, -1, -1, -1, -1, -1};  // -1 = none
  bool participation_from_hours = false;
  std::array<std::string, kCsvTargetCount> header;  // ANSI, as read from the file
  bool complete = false;                            // "Version 10": every target valid

  int operator[](CsvTarget t) const { return column[static_cast<std::size_t>(t)]; }
  bool has(CsvTarget t) const { return (*this)[t] >= 0; }
  bool operator==(const ColumnMap&) const = default;
};

// The 840 bytes of the file.
std::string ColumnMapBytes(const ColumnMap& map);
// Nothing for a file of another size or of zero bytes only.
std::optional<ColumnMap> ParseColumnMap(std::string_view bytes);

platform::Path ColumnMapPath(const platform::Path& data_folder);
// A missing or unreadable file is no map.
std::optional<ColumnMap> ReadColumnMap(const platform::Path& data_folder);
Status WriteColumnMap(const platform::Path& data_folder, const ColumnMap& map);

}  // namespace ledra::interchange
