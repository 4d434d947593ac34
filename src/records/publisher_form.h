#pragma once
// The values the publisher editor shows, one per control.

#include <cstdint>
#include <string>

#include "records/date_text.h"

namespace ledra::records {

struct PublisherForm {
  std::string first, last, address, home, mobile, work, email;  // ANSI
  DateParts birth, baptism;
  bool male = false, female = false;
  bool elder = false, ministerial_servant = false, baptised_brother = false;
  bool head_of_family = false, regular_auxiliary = false, special_category = false;
  bool anointed = false;
  std::uint8_t group = 0;
  bool regular_pioneer = false, special_pioneer = false;
  bool special_servant = false, field_missionary = false;
  bool deaf = false, blind = false, prisoners = false;
  bool consent = false;
  DateParts consent_date;
};

// Entry limits of the editor.
inline constexpr std::size_t kNameLimit = 14;
inline constexpr std::size_t kAddressLimit = 60;
inline constexpr std::size_t kPhoneLimit = 14;
inline constexpr std::size_t kNamesTogetherLimit = 23;
inline constexpr std::size_t kEmailLimit = 50;

// The check boxes whose ticks exclude others.
enum class Box {
  kElder,
  kMinisterialServant,
  kBaptisedBrother,
  kMale,
  kFemale,
  kRegularPioneer,
  kSpecialPioneer,
  kRegularAuxiliary,
};

}  // namespace ledra::records
