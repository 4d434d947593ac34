#pragma once
// The additive text scrambling of names and addresses in the data files:
// byte i of a text gets d * (i + base) added modulo 256, over the length of
// the zero-terminated text as it stands before the transformation.

#include <cstddef>
#include <cstdint>
#include <span>

#include "store/publisher_record.h"

namespace ledra::store {

// Our scramble base for folders that start plain; a folder read from disk
// keeps the base its main file was written with, since the other files and the
// companion program rely on it.
//
// No base keeps every character at every position of every field: a byte is
// lost where it scrambles to 0, and in names and the first 30 address bytes
// where it scrambles to 204. The bases that keep all of a 14-character name,
// capitals included (65-68, 192-194), lose a lowercase letter or a digit in
// about one address in four. 39 is chosen for what people type: no lowercase
// letter (accented or not), unaccented capital, digit, blank or punctuation
// mark is lost at any position of any text field ("Magalhães" included).
// What it cannot hold are a few capital accented letters at fixed places that
// only a name typed in capitals reaches (the 5th-7th character "Õ", "Ô",
// "Ó", the 13th "Í"), and "º", "°", "ª" or a capital
// accented letter past the 22nd character of an address; the editor refuses
// those, naming the character and its position.
inline constexpr std::uint8_t kDefaultScrambleBase = 39;

inline constexpr int kScramble = +1;
inline constexpr int kUnscramble = -1;

// Where the transformation leaves the byte 204 alone.
enum class Keep204 { kNever, kEverywhere, kFirst30 };

// Transforms the text starting at `text` (bounded by the span's end).
void ScrambleText(std::span<std::uint8_t> text, int direction, std::uint8_t base,
                  Keep204 keep = Keep204::kNever);

// Transforms every text field of a publisher record (the header included) in
// the order and with the rules the main data file uses, forcing each field's
// terminator first where the file format does.
void ScrambleRecord(PublisherRecord& record, int direction, std::uint8_t base);

// The marker byte a scrambled header carries: 'A' + base.
constexpr std::uint8_t ScrambledMarker(std::uint8_t base) {
  return static_cast<std::uint8_t>(header::kPlainMarker + base);
}

}  // namespace ledra::store
