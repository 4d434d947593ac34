#pragma once
// The fixture congregation of the report tests, as the bytes of a plain
// (unscrambled) main data file, built only from the documented record layout.

#include <cstdint>
#include <string>
#include <string_view>

#include "../store/store_fixtures.h"

namespace ledra::test {

struct FixturePerson {
  std::uint16_t id;
  std::string_view first, last;  // ANSI
  std::string_view home, mobile, work;
  std::uint8_t group = 0;
  std::uint8_t attributes = 0;  // bit 2 head of family, bits 0-1 servant code
  std::uint16_t household = 0;  // id of the head
  std::uint8_t list_type = 0;
  std::uint8_t pioneer_code = 0;  // in every slot
};

inline std::string PlainHeader() {
  std::string h(kRec, '\0');
  PutText(h, 2, " ");
  h[23] = 'A';
  Put16(h, 196, 0x8000);
  return h;
}

inline std::string PlainPerson(const FixturePerson& p) {
  std::string r(kRec, '\0');
  PutText(r, 2, p.first);
  PutText(r, 23, p.last);
  PutText(r, 107, p.home);
  PutText(r, 122, p.mobile);
  PutText(r, 137, p.work);
  r[181] = static_cast<char>(p.group);
  Put16(r, 182, p.id);
  Put16(r, 188, p.household);
  Put16(r, 196, 0x8000);
  r[200] = static_cast<char>(p.list_type);
  for (int slot = 0; slot < 36; ++slot) r[202 + slot] = static_cast<char>(p.pioneer_code);
  r[239] = static_cast<char>(p.attributes);
  return r;
}

// Seven people: a household of three, an elder, a ministerial servant and
// regular pioneers in two groups, and one inactive publisher who is never listed.
inline std::string ReportMainFile() {
  std::string file = PlainHeader();
  file += PlainPerson({101, "Ana", "Almeida", "555-0101", "", "", 1, 0x44, 0, 0, 0});
  file += PlainPerson({102, "Bruno", "Almeida", "555-0101", "91 111 2222", "", 1, 0x22, 101, 0, 0});
  file += PlainPerson({103, "Carla", "Almeida", "", "", "", 1, 0x40, 101, 0, 0});
  file += PlainPerson({104, "Rui", "Dias", "", "96 333 4444", "21 555 6666", 2, 0x21, 0, 0, 2});
  file += PlainPerson({105, "Eva", "Costa", "555-0202", "", "", 2, 0x40, 0, 0, 2});
  file += PlainPerson({106, "Jo\xe3o", "Ferreira", "555-0404", "", "", 2, 0x20, 0, 1, 0});
  file += PlainPerson({107,
                       "L\xfa"
                       "cia",
                       "Gomes", "555-0303", "", "", 1, 0x40, 0, 0, 0});
  return file;
}

}  // namespace ledra::test
