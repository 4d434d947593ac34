#include "store/name_collation.h"

#include <array>
#include <cstdint>

namespace ledra::store {
namespace {

// Primary weight of each Windows-1252 byte: letters fold to their plain lower
// case letter, everything else keeps its value.
constexpr std::array<std::uint8_t, 256> MakePrimary() {
  std::array<std::uint8_t, 256> w{};
  for (int i = 0; i < 256; ++i) w[i] = static_cast<std::uint8_t>(i);
  for (int c = 'A'; c <= 'Z'; ++c) w[c] = static_cast<std::uint8_t>(c + 32);
  const char* groups[] = {"a\xC0\xC1\xC2\xC3\xC4\xC5\xE0\xE1\xE2\xE3\xE4\xE5",
                          "c\xC7\xE7",
                          "e\xC8\xC9\xCA\xCB\xE8\xE9\xEA\xEB",
                          "i\xCC\xCD\xCE\xCF\xEC\xED\xEE\xEF",
                          "n\xD1\xF1",
                          "o\xD2\xD3\xD4\xD5\xD6\xD8\xF2\xF3\xF4\xF5\xF6\xF8",
                          "u\xD9\xDA\xDB\xDC\xF9\xFA\xFB\xFC",
                          "y\xDD\xFD\xFF\x9F",
                          "s\x8A\x9A",
                          "z\x8E\x9E"};
  for (const char* g : groups) {
    const auto base = static_cast<std::uint8_t>(g[0]);
    for (const char* p = g + 1; *p; ++p) w[static_cast<std::uint8_t>(*p)] = base;
  }
  return w;
}

// Case-folded byte, to order names that differ only in accents.
constexpr std::uint8_t Fold(std::uint8_t c) {
  if (c >= 'A' && c <= 'Z') return static_cast<std::uint8_t>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<std::uint8_t>(c + 32);
  return c;
}

constexpr auto kPrimary = MakePrimary();

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

int CompareNames(std::string_view a, std::string_view b) {
  a = TrimBlanks(a);
  b = TrimBlanks(b);
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const int d =
        kPrimary[static_cast<std::uint8_t>(a[i])] - kPrimary[static_cast<std::uint8_t>(b[i])];
    if (d != 0) return d;
  }
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  for (std::size_t i = 0; i < n; ++i) {
    const int d = Fold(static_cast<std::uint8_t>(a[i])) - Fold(static_cast<std::uint8_t>(b[i]));
    if (d != 0) return d;
  }
  return 0;
}

bool NameContains(std::string_view name, std::string_view part) {
  part = TrimBlanks(part);
  if (part.size() > name.size()) return false;
  for (std::size_t at = 0; at + part.size() <= name.size(); ++at) {
    std::size_t i = 0;
    while (i < part.size() && kPrimary[static_cast<std::uint8_t>(name[at + i])] ==
                                  kPrimary[static_cast<std::uint8_t>(part[i])])
      ++i;
    if (i == part.size()) return true;
  }
  return false;
}

}  // namespace ledra::store
