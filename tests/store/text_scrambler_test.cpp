#include "store/text_scrambler.h"

#include <gtest/gtest.h>

namespace ledra::store {
namespace {

TEST(TextScrambler, HandComputedBytes) {
  PublisherRecord r;
  r.SetText(field::kFname, "Ana");
  r.SetText(field::kPhone, "21");
  ScrambleRecord(r, kScramble, 23);
  // 'A' + 23, 'n' + 24, 'a' + 25; '2' + 23, '1' + 24.
  EXPECT_EQ(r.bytes[2], 65 + 23);
  EXPECT_EQ(r.bytes[3], 110 + 24);
  EXPECT_EQ(r.bytes[4], 97 + 25);
  EXPECT_EQ(r.bytes[5], 0);
  EXPECT_EQ(r.bytes[107], '2' + 23);
  EXPECT_EQ(r.bytes[108], '1' + 24);
  // Wrapping modulo 256: 0xF0 + 20 at position 0 with base 20.
  std::uint8_t text[] = {0xF0, 0x00};
  ScrambleText(text, kScramble, 20);
  EXPECT_EQ(text[0], 0x04);
}

TEST(TextScrambler, TheByte204StaysInNamesAndInTheFirst30AddressPositions) {
  PublisherRecord r;
  r.SetText(field::kFname,
            "\xCC"
            "lio");
  std::string addr(40, 'x');
  addr[5] = '\xCC';
  addr[35] = '\xCC';
  r.SetText(field::kAddr, addr);
  PublisherRecord plain = r;
  ScrambleRecord(r, kScramble, 23);
  EXPECT_EQ(r.bytes[2], 0xCC);
  EXPECT_EQ(r.bytes[44 + 5], 0xCC);
  EXPECT_EQ(r.bytes[44 + 35], static_cast<std::uint8_t>(0xCC + 35 + 23));
  ScrambleRecord(r, kUnscramble, 23);
  EXPECT_EQ(r.bytes, plain.bytes);
}

TEST(TextScrambler, ForcedTerminatorsAndRunOnPhones) {
  PublisherRecord r;
  std::fill(r.bytes.begin() + 2, r.bytes.begin() + 23, 'a');     // no terminator in the field
  std::fill(r.bytes.begin() + 122, r.bytes.begin() + 140, '9');  // phone2 runs into phone3
  ScrambleRecord(r, kScramble, 1);
  EXPECT_EQ(r.bytes[22], 0);
  EXPECT_EQ(r.bytes[21], static_cast<std::uint8_t>('a' + 19 + 1));
  // phone2's run covers 18 bytes; phone3's own pass then transforms its three bytes again.
  EXPECT_EQ(r.bytes[136], static_cast<std::uint8_t>('9' + 14 + 1));
  EXPECT_EQ(r.bytes[137], static_cast<std::uint8_t>('9' + 15 + 1 + 0 + 1));
}

TEST(TextScrambler, MarkerIsScrambledWithTheBase) {
  PublisherRecord h = header::Fresh();
  ScrambleRecord(h, kScramble, 23);
  EXPECT_EQ(h.bytes[header::kScrambleMarker], ScrambledMarker(23));
  EXPECT_EQ(h.bytes[2], ' ' + 23);
  ScrambleRecord(h, kUnscramble, 23);
  EXPECT_EQ(h.bytes[header::kScrambleMarker], 'A');
}

}  // namespace
}  // namespace ledra::store
