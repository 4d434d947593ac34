#include "store/text_scrambler.h"

#include <cstring>

namespace ledra::store {
namespace {

struct ScrambledField {
  std::size_t offset;
  int forced_terminator;  // offset of the byte set to 0 first, or -1
  Keep204 keep;
};

// The text fields in the order they are transformed. phone2 and phone3 have
// no forced terminator: their length may run on into the following fields,
// and files written that way must read back the same.
constexpr ScrambledField kFields[] = {
    {2, 22, Keep204::kEverywhere}, {23, 43, Keep204::kEverywhere}, {44, 106, Keep204::kFirst30},
    {107, 121, Keep204::kNever},   {122, -1, Keep204::kNever},     {137, -1, Keep204::kNever},
    {152, 160, Keep204::kNever},   {161, 169, Keep204::kNever},
};

}  // namespace

void ScrambleText(std::span<std::uint8_t> text, int direction, std::uint8_t base, Keep204 keep) {
  const void* end = std::memchr(text.data(), 0, text.size());
  const std::size_t length =
      end ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(end) - text.data())
          : text.size();
  for (std::size_t i = 0; i < length; ++i) {
    const bool keep_this =
        text[i] == 204 && (keep == Keep204::kEverywhere || (keep == Keep204::kFirst30 && i < 30));
    if (keep_this) continue;
    const auto step = static_cast<std::uint8_t>((i + base) & 0xFF);
    text[i] = static_cast<std::uint8_t>(direction > 0 ? text[i] + step : text[i] - step);
  }
}

void ScrambleRecord(PublisherRecord& record, int direction, std::uint8_t base) {
  for (const ScrambledField& f : kFields) {
    if (f.forced_terminator >= 0) record.bytes[static_cast<std::size_t>(f.forced_terminator)] = 0;
    ScrambleText(std::span(record.bytes).subspan(f.offset), direction, base, f.keep);
  }
}

}  // namespace ledra::store
