#pragma once
// The side tables of the congregation that live in their own small files
// beside the main data file.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ledra::store {

inline constexpr int kMaxRemarks = 3900;  // table positions, position 0 empty

struct RemarkRecord {
  std::string text;         // ANSI, at most 43 characters
  std::uint8_t month = 0;   // MonthIndex + 1; 0 = free
  std::uint8_t parity = 0;  // YearByte mod 2 of the remark's month
  std::uint16_t id = 0;
};

// The field service groups, kept as the 2141-byte image of their file (plain
// texts) so that every byte survives a load and a save: the count at 0, then
// per group g (1-20, index g - 1) the texts and two bytes.
class GroupTable {
 public:
  static constexpr std::size_t kSize = 2141;
  static constexpr int kMaxGroups = 20;
  enum class Text { kOverseer, kAssistant, kPlace, kName, kTime };

  std::array<std::uint8_t, kSize> bytes{};

  // The count byte read as the file holds it (signed), and limited to 0-20 for use.
  int count() const;
  void set_count(int n) { bytes[0] = static_cast<std::uint8_t>(n); }
  std::string text(int group, Text which) const;  // ANSI
  void set_text(int group, Text which, std::string_view value);
  std::uint8_t day(int group) const { return bytes[2101 + static_cast<std::size_t>(group - 1)]; }
  std::uint8_t name_shown(int group) const {
    return bytes[2121 + static_cast<std::size_t>(group - 1)];
  }
  // Offset and size of one text field.
  static std::size_t TextOffset(int group, Text which);
  static std::size_t TextSize(Text which) { return which == Text::kTime ? 9 : 24; }
};

// The monthly congregation totals: 12 months x 4 rows x 9 columns x 2 parities.
using TotalsCard = std::array<std::uint16_t, 864>;
constexpr std::size_t TotalsCardIndex(int month, int row, int column, int parity) {
  return static_cast<std::size_t>(72 * month + 18 * row + 2 * column + parity);
}

struct SideTables {
  std::vector<RemarkRecord> remarks{RemarkRecord{}};  // position 0 is the empty record
  GroupTable groups;
  TotalsCard totals_card{};
  std::array<std::uint8_t, 7> shared_settings{};

  bool surname_first_shared() const { return shared_settings[0] != 0; }
};

}  // namespace ledra::store
