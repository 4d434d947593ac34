#include "platform/mnemonics.h"

#include <array>

namespace ledra::platform {
namespace {

// Only plain letters and digits: accented ones are awkward to type with Alt.
char Key(char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
  if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return c;
  return 0;
}

// Where the caption's accelerator marker is; npos when it has none.
std::size_t MarkerAt(std::string_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return i;
    ++i;  // "&&" is a written ampersand
  }
  return std::string_view::npos;
}

}  // namespace

char MnemonicOf(std::string_view caption) {
  const std::size_t at = MarkerAt(caption);
  return at == std::string_view::npos ? 0 : Key(caption[at + 1]);
}

std::vector<std::string> WithMnemonics(const std::vector<std::string>& captions,
                                       std::string_view reserved) {
  std::array<bool, 256> used{};
  for (char c : reserved)
    if (char k = Key(c)) used[static_cast<unsigned char>(k)] = true;
  for (const std::string& c : captions)
    if (char k = MnemonicOf(c)) used[static_cast<unsigned char>(k)] = true;

  std::vector<std::string> out = captions;
  for (std::string& caption : out) {
    if (MarkerAt(caption) != std::string_view::npos) continue;
    for (std::size_t i = 0; i < caption.size(); ++i) {
      const char k = Key(caption[i]);
      if (k == 0 || used[static_cast<unsigned char>(k)]) continue;
      used[static_cast<unsigned char>(k)] = true;
      caption.insert(i, 1, '&');
      break;
    }
  }
  return out;
}

}  // namespace ledra::platform
