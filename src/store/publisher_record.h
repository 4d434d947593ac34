#pragma once
// One 816-byte row of the publisher table, held as the byte image that the
// main data file stores, with typed access to every field at its offset.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "store/byte_order.h"

namespace ledra::store {

inline constexpr std::size_t kRecordSize = 816;

struct TextField {
  std::uint16_t offset;
  std::uint16_t size;  // including room for the terminator
};

namespace field {
inline constexpr TextField kFname{2, 21};
inline constexpr TextField kLname{23, 21};
inline constexpr TextField kAddr{44, 63};
inline constexpr TextField kPhone{107, 15};
inline constexpr TextField kPhone2{122, 15};
inline constexpr TextField kPhone3{137, 15};
inline constexpr TextField kBapdate{152, 9};
inline constexpr TextField kBirdate{161, 9};
inline constexpr TextField kDpa{170, 9};
}  // namespace field

enum class ListType : std::uint8_t {
  kActive = 0,
  kInactive = 1,
  kNonPublisher = 2,
  kMoved = 3,
  kDeleted = 4,
  kCircuitOverseer = 5,
};
inline constexpr int kStatusListCount = 5;  // Active .. Deleted

// The per-month word arrays (36 little-endian words each).
enum class SlotWords : std::uint16_t {
  kPlcmts = 240,
  kVideos = 312,
  kHours = 384,
  kReturnVisits = 456,
  kStudiesWord = 528,
  kRemarkIndex = 600,
  kPioCredit = 672,
};

// attributeFlags bits.
namespace attr {
inline constexpr std::uint8_t kServantMask = 0x03;  // 1 MinSvt, 2 Elder, 3 BapBro
inline constexpr std::uint8_t kHeadOfFamily = 0x04;
inline constexpr std::uint8_t kRegularAuxiliary = 0x08;
inline constexpr std::uint8_t kSpecialCategory = 0x10;
inline constexpr std::uint8_t kMale = 0x20;
inline constexpr std::uint8_t kFemale = 0x40;
}  // namespace attr

namespace studies {
inline constexpr std::uint16_t kStudiesMask = 0x03FF;
inline constexpr std::uint16_t kParticipated = 0x0800;
inline constexpr int kQuarterShift = 12;
}  // namespace studies

inline constexpr std::uint16_t kSpecialMinistryValid = 0x8000;
inline constexpr std::uint16_t kAppointmentSpecialServant = 0x0080;
inline constexpr std::uint16_t kAppointmentFieldMissionary = 0x0100;

class PublisherRecord {
 public:
  std::array<std::uint8_t, kRecordSize> bytes{};

  std::uint8_t U8(std::size_t offset) const { return bytes[offset]; }
  void SetU8(std::size_t offset, std::uint8_t v) { bytes[offset] = v; }
  std::uint16_t U16(std::size_t offset) const { return GetU16(&bytes[offset]); }
  void SetU16(std::size_t offset, std::uint16_t v) { PutU16(&bytes[offset], v); }

  // The zero-terminated text of a field (ANSI), cut at the field's end.
  std::string Text(TextField f) const;
  // Stores a text, cut to size - 1 bytes, terminated and zero-padded.
  void SetText(TextField f, std::string_view text);

  std::string fname() const { return Text(field::kFname); }
  std::string lname() const { return Text(field::kLname); }

  std::uint8_t dpa_flag() const { return bytes[179]; }
  std::uint8_t anointed_mark() const { return bytes[180]; }
  std::uint8_t group() const { return bytes[181]; }
  void set_group(std::uint8_t g) { bytes[181] = g; }
  std::uint16_t id() const { return U16(182); }
  void set_id(std::uint16_t v) { SetU16(182, v); }
  std::uint16_t extension_index() const { return U16(184); }
  void set_extension_index(std::uint16_t v) { SetU16(184, v); }
  std::uint16_t emergency_key() const { return U16(186); }
  void set_emergency_key(std::uint16_t v) { SetU16(186, v); }
  std::uint16_t household() const { return U16(188); }
  std::uint16_t specneed_key() const { return U16(190); }
  void set_specneed_key(std::uint16_t v) { SetU16(190, v); }
  std::uint16_t status_counter() const { return U16(192); }
  std::uint16_t appointment_bits() const { return U16(194); }
  std::uint16_t special_ministry_bits() const { return U16(196); }
  void set_special_ministry_bits(std::uint16_t v) { SetU16(196, v); }
  std::uint8_t raw_list_type() const { return bytes[200]; }
  void set_list_type(ListType t) { bytes[200] = static_cast<std::uint8_t>(t); }
  bool is(ListType t) const { return bytes[200] == static_cast<std::uint8_t>(t); }
  std::uint8_t status_change() const { return bytes[201]; }
  std::uint8_t pioneer_code(int slot) const { return bytes[202 + slot]; }
  void set_pioneer_code(int slot, std::uint8_t v) { bytes[202 + slot] = v; }
  std::uint8_t status_copy() const { return bytes[238]; }
  std::uint8_t attribute_flags() const { return bytes[239]; }
  std::uint16_t word(SlotWords a, int slot) const {
    return U16(static_cast<std::size_t>(a) + 2 * static_cast<std::size_t>(slot));
  }
  void set_word(SlotWords a, int slot, std::uint16_t v) {
    SetU16(static_cast<std::size_t>(a) + 2 * static_cast<std::size_t>(slot), v);
  }
  std::uint8_t slot_year(int slot) const { return bytes[744 + slot]; }
  void set_slot_year(int slot, std::uint8_t v) { bytes[744 + slot] = v; }
  std::uint8_t late_month(int slot) const { return bytes[780 + slot]; }
  void set_late_month(int slot, std::uint8_t v) { bytes[780 + slot] = v; }
};

// Fields of record 0, the congregation header.
namespace header {
inline constexpr std::size_t kScrambleMarker = 23;
inline constexpr std::uint8_t kPlainMarker = 'A';
inline constexpr std::size_t kMonthStates = 137;
inline constexpr std::size_t kLastEnteredId = 192;
inline constexpr std::size_t kSavedMonth = 194;

enum class MonthState : std::uint8_t { kNotStarted = 0, kOpen = 1, kClosed = 2 };

// A single blank means no password.
std::string Password(const PublisherRecord& h);
// Whether the password field holds a terminated printable text.
bool PasswordFieldValid(const PublisherRecord& h);
bool HasPassword(const PublisherRecord& h);
inline std::uint8_t MonthStateByte(const PublisherRecord& h, int month) {
  return h.bytes[kMonthStates + month];
}
inline std::uint16_t YearStamp(const PublisherRecord& h, int slot) {
  return h.word(SlotWords::kRemarkIndex, slot);
}
inline int CarriedQuarters(const PublisherRecord& h, int slot) {
  return (h.word(SlotWords::kStudiesWord, slot) >> 12) & 3;
}
// The header of an empty table: no password, plain marker.
PublisherRecord Fresh();
}  // namespace header

}  // namespace ledra::store
