#pragma once
// What the main data file can hold. Its text fields are scrambled byte by
// byte: a byte that scrambles to 0 would end the text early, and in the name
// fields (and the first 30 bytes of the address) a byte that scrambles to 204
// is left alone when read, so it comes back changed. The editor refuses such
// characters so that what is typed is exactly what is read back.

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/result.h"
#include "store/publisher_record.h"
#include "store/text_scrambler.h"

namespace ledra::records {

// The rule the main file applies to the field at `field`.
store::Keep204 KeepRuleOf(store::TextField field);

// Whether `byte` at `position` of a field with rule `keep` reads back unchanged.
bool ByteSurvives(std::uint8_t byte, std::size_t position, store::Keep204 keep, std::uint8_t base);

// Position of the first byte of `text` that would not read back, if any.
std::optional<std::size_t> FirstLostByte(std::string_view text, store::TextField field,
                                         std::uint8_t base);

// Ok, or the message naming the character and its place.
Status CheckStorable(std::string_view text, store::TextField field, std::uint8_t base);

}  // namespace ledra::records
