#pragma once
// Byte fixtures for the data files, built by hand in the tests: they use only
// the documented layout, never the code under test.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace ledra::test {

inline constexpr std::size_t kRec = 816;

inline void Put16(std::string& rec, std::size_t at, std::uint16_t v) {
  rec[at] = static_cast<char>(v & 0xFF);
  rec[at + 1] = static_cast<char>(v >> 8);
}

inline std::uint16_t Get16(std::string_view rec, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(rec[at]) |
                                    (static_cast<std::uint8_t>(rec[at + 1]) << 8));
}

// Plain text at an offset, zero-terminated.
inline void PutText(std::string& rec, std::size_t at, std::string_view text) {
  std::memcpy(rec.data() + at, text.data(), text.size());
  rec[at + text.size()] = '\0';
}

// The additive rule for a text without the byte 204: byte i + (i + base).
inline void PutScrambled(std::string& rec, std::size_t at, std::string_view text, int base) {
  for (std::size_t i = 0; i < text.size(); ++i)
    rec[at + i] =
        static_cast<char>(static_cast<std::uint8_t>(text[i]) + i + static_cast<std::size_t>(base));
  rec[at + text.size()] = '\0';
}

// A header record in file form: no password (" "), the scrambled marker.
inline std::string HeaderRecord(int base) {
  std::string h(kRec, '\0');
  PutScrambled(h, 2, " ", base);
  PutScrambled(h, 23, "A", base);
  Put16(h, 196, 0x8000);  // every loaded record has its special-ministry word marked valid
  return h;
}

// A person in file form.
inline std::string PersonRecord(int base, std::uint16_t id, std::string_view first,
                                std::string_view last, std::uint8_t list_type = 0) {
  std::string p(kRec, '\0');
  PutScrambled(p, 2, first, base);
  PutScrambled(p, 23, last, base);
  Put16(p, 182, id);
  Put16(p, 196, 0x8000);
  p[200] = static_cast<char>(list_type);
  return p;
}

}  // namespace ledra::test
