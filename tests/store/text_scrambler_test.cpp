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

namespace ledra::store {
namespace {

// Scrambles `text` into `field` of a record and reads it back, as a save and a load do.
std::string RoundTrip(TextField field, std::string_view text, std::uint8_t base) {
  PublisherRecord r;
  r.SetText(field, text);
  ScrambleRecord(r, kScramble, base);
  ScrambleRecord(r, kUnscramble, base);
  return r.Text(field);
}

TEST(TextScrambler, TheBaseOfANewFolderKeepsWhatPeopleTypeAtEveryPosition) {
  // Lowercase letters (accented too), plain capitals, digits, blanks and punctuation.
  std::string typed = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 -'.,/()#:;&+";
  typed += "\xE0\xE1\xE2\xE3\xE7\xE9\xEA\xED\xF3\xF4\xF5\xFA\xFC";  // à á â ã ç é ê í ó ô õ ú ü
  const TextField fields[] = {field::kFname,  field::kLname,  field::kAddr,    field::kPhone,
                              field::kPhone2, field::kPhone3, field::kBapdate, field::kBirdate};
  for (const TextField& f : fields) {
    for (std::size_t pos = 0; pos + 1 < f.size; ++pos) {
      for (const char c : typed) {
        std::string text(pos, 'a');
        text.push_back(c);
        ASSERT_EQ(RoundTrip(f, text, kDefaultScrambleBase), text)
            << "field " << f.offset << " position " << pos << " byte "
            << int(static_cast<std::uint8_t>(c));
      }
    }
  }
  // Capitals with accents keep every place a mixed-case name gives them.
  for (const char c : std::string("\xC0\xC1\xC2\xC3\xC7\xC9\xCA\xCD\xD3\xD4\xD5\xDA\xDC")) {
    const std::string name = std::string(1, c) + "lvaro Maria " + std::string(1, c);
    EXPECT_EQ(RoundTrip(field::kFname, name, kDefaultScrambleBase), name);
  }
  EXPECT_NE(ScrambledMarker(kDefaultScrambleBase), header::kPlainMarker);
  EXPECT_NE(ScrambledMarker(kDefaultScrambleBase), 0);
  EXPECT_NE(ScrambledMarker(kDefaultScrambleBase), 204);
}

}  // namespace
}  // namespace ledra::store
