#include "store/extension_file.h"

#include <algorithm>
#include <cstring>

#include "store/text_scrambler.h"

namespace ledra::store {
namespace {

constexpr std::size_t kSize = ExtensionRecord::kSize;
constexpr std::size_t kTexts[] = {2, 67, 118};
constexpr std::size_t kTerminators[] = {66, 117, 189};

void Transform(ExtensionRecord& rec, int direction, std::uint8_t base) {
  for (std::size_t t : kTerminators) rec.bytes[t] = 0;
  for (std::size_t i = 0; i < 3; ++i) {
    const std::size_t end = kTerminators[i] + 1;
    ScrambleText(std::span(rec.bytes).subspan(kTexts[i], end - kTexts[i]), direction, base);
  }
}

bool HasLetter(const std::string& text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return IsAnsiLetter(static_cast<unsigned char>(c)); });
}

}  // namespace

bool IsAnsiLetter(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
         (c >= 0xC0 && c != 0xD7 && c != 0xF7) || c == 0x8A || c == 0x8C || c == 0x8E ||
         c == 0x9A || c == 0x9C || c == 0x9E || c == 0x9F;
}

std::uint8_t ExtensionRecord::presence_mask() const {
  std::uint8_t mask = 0;
  if (HasLetter(longname())) mask |= 1;
  if (HasLetter(email())) mask |= 2;
  if (HasLetter(extra())) mask |= 4;
  if (flags() != 0) mask |= 8;
  return mask;
}

std::vector<ExtensionRecord> ReadExtensionFile(std::string_view file, std::uint8_t base) {
  const std::size_t count = std::min<std::size_t>(file.size() / kSize, kMaxExtensionPositions);
  std::vector<ExtensionRecord> records(count);
  for (std::size_t k = 0; k < count; ++k) {
    std::memcpy(records[k].bytes.data(), file.data() + k * kSize, kSize);
    if (k > 0) Transform(records[k], kUnscramble, base);
  }
  return records;
}

std::vector<ExtensionIndexEntry> IndexExtensions(const std::vector<ExtensionRecord>& records) {
  std::vector<ExtensionIndexEntry> index;
  index.reserve(kMaxExtensionPositions);
  for (const ExtensionRecord& r : records) index.push_back({r.id(), r.presence_mask()});
  if (!index.empty()) index[0] = {};
  return index;
}

std::size_t ExtensionWritePosition(const std::vector<ExtensionIndexEntry>& index,
                                   const std::vector<ExtensionRecord>& records, std::uint16_t id) {
  for (std::size_t k = 1; k < index.size(); ++k) {
    if (index[k].id == id) return k;
  }
  if (records.size() >= 3) {
    for (std::size_t k = 1; k < records.size(); ++k) {
      if (records[k].all_zero()) return k;
    }
  }
  return std::max<std::size_t>(records.size(), 1);
}

std::string WriteExtensionRecord(std::string file, std::size_t position,
                                 const ExtensionRecord& plain, std::uint8_t base) {
  file.resize(file.size() / kSize * kSize);
  if (file.size() < (position + 1) * kSize) file.resize((position + 1) * kSize, '\0');
  ExtensionRecord scrambled = plain;
  Transform(scrambled, kScramble, base);
  std::memcpy(file.data() + position * kSize, scrambled.bytes.data(), kSize);
  return file;
}

}  // namespace ledra::store
