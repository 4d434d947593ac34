#pragma once
// "bkstudy.dat": the field service groups, texts scrambled with a XOR key.

#include <string>
#include <string_view>

#include "store/side_tables.h"

namespace ledra::store {

inline constexpr std::size_t kOldGroupFileSize = 1881;

struct GroupFileRead {
  GroupTable table;
  bool converted = false;  // read from the previous version's layout
};

// Reads the file's bytes: exactly 1881 bytes is the previous layout and is
// converted; anything else is read as the 2141-byte layout (short files are
// zero-filled, extra bytes ignored).
GroupFileRead ReadGroupFile(std::string_view bytes);
// The file image, texts of groups 1..count scrambled.
std::string WriteGroupFile(const GroupTable& table);

// The XOR scrambling of one text; the same call unscrambles.
void XorScrambleText(std::uint8_t* text, std::size_t size);

}  // namespace ledra::store
