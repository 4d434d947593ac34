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

// A fixed-size record kept as its file image, so that bytes the program does
// not own survive a load and a save.
template <std::size_t N>
struct RawRecord {
  static constexpr std::size_t kSize = N;
  std::array<std::uint8_t, N> bytes{};

  std::uint16_t u16(std::size_t at) const {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
  }
  void set_u16(std::size_t at, std::uint16_t v) {
    bytes[at] = static_cast<std::uint8_t>(v & 0xFF);
    bytes[at + 1] = static_cast<std::uint8_t>(v >> 8);
  }
  // Zero-terminated ANSI text of a field, cut at the field's end.
  std::string text(std::size_t at, std::size_t size) const {
    std::size_t n = 0;
    while (n < size && bytes[at + n] != 0) ++n;
    return std::string(reinterpret_cast<const char*>(&bytes[at]), n);
  }
  void set_text(std::size_t at, std::size_t size, std::string_view value) {
    for (std::size_t i = 0; i < size; ++i)
      bytes[at + i] = i < value.size() && i + 1 < size ? static_cast<std::uint8_t>(value[i]) : 0;
  }
  bool all_zero() const {
    for (std::uint8_t b : bytes)
      if (b != 0) return false;
    return true;
  }
};

// One person's full name, e-mail and other information (texts plain here).
struct ExtensionRecord : RawRecord<192> {
  std::uint16_t id() const { return u16(0); }
  std::string longname() const { return text(2, 65); }
  std::string email() const { return text(67, 51); }
  std::string extra() const { return text(118, 72); }
  std::uint16_t flags() const { return u16(190); }
  // Bit 0 long name, 1 e-mail, 2 other information contains a letter; bit 3 flags set.
  std::uint8_t presence_mask() const;
};
struct ExtensionIndexEntry {
  std::uint16_t id = 0;
  std::uint8_t mask = 0;
};
inline constexpr int kMaxExtensionPositions = 601;

struct EmergencyContact : RawRecord<256> {
  std::uint16_t key() const { return u16(0); }
  std::string name() const { return text(2, 96); }
  std::string info() const { return text(98, 96); }
  std::string home() const { return text(194, 16); }
  std::string mobile() const { return text(210, 16); }
  std::string work() const { return text(226, 16); }
  bool witness() const { return bytes[242] == 1; }
};
inline constexpr int kMaxEmergencyContacts = 1000;

struct SpecialNeed : RawRecord<96> {
  std::uint16_t key() const { return u16(0); }
  std::string need() const { return text(2, 94); }
};
inline constexpr int kMaxSpecialNeeds = 1300;

struct AppointmentEntry : RawRecord<32> {
  std::uint16_t id() const { return u16(0); }
  std::uint16_t kind() const { return u16(2); }
  std::string start() const { return text(4, 9); }
  std::string end() const { return text(13, 9); }
};
inline constexpr int kMaxAppointments = 1500;

// One meeting's attendance: block 0 midweek, block 1 weekend.
struct AttendanceBlock : RawRecord<672> {
  std::string name() const { return text(0, 96); }
  std::uint16_t week(int w, int slot) const {
    return u16(96 + 72 * static_cast<std::size_t>(w) + 2 * static_cast<std::size_t>(slot));
  }
  std::uint16_t meetings(int slot) const { return u16(456 + 2 * static_cast<std::size_t>(slot)); }
  std::uint16_t total(int slot) const { return u16(528 + 2 * static_cast<std::size_t>(slot)); }
  std::uint16_t average(int slot) const { return u16(600 + 2 * static_cast<std::size_t>(slot)); }
};

// Bytes of the settings shared with the companion program ("varocfg.cfg").
namespace shared {
inline constexpr std::size_t kSurnameFirst = 0;
inline constexpr std::size_t kAlternateDates = 5;
inline constexpr std::size_t kBirthStatistics = 6;
}  // namespace shared

struct SideTables {
  std::vector<RemarkRecord> remarks{RemarkRecord{}};  // position 0 is the empty record
  GroupTable groups;
  TotalsCard totals_card{};
  std::array<std::uint8_t, 7> shared_settings{};

  // Extension records as their file holds them (position 0 the empty header), texts plain.
  std::vector<ExtensionRecord> extensions;
  std::vector<ExtensionIndexEntry> extension_index;
  // Emergency contacts and special needs in file order; the keys the index
  // accepts (0 for a repeated key or one that nobody uses) beside them.
  std::vector<EmergencyContact> contacts;
  std::vector<std::uint16_t> contact_keys;
  std::vector<SpecialNeed> needs;
  std::vector<std::uint16_t> need_keys;
  std::vector<AppointmentEntry> appointments;
  std::array<AttendanceBlock, 2> attendance{};
  bool attendance_file_was_empty = false;

  bool surname_first_shared() const { return shared_settings[shared::kSurnameFirst] != 0; }
};

}  // namespace ledra::store
