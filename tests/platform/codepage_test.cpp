#include "platform/codepage.h"

#include <gtest/gtest.h>

namespace ledra::platform {
namespace {

TEST(CodePage, EveryAnsiByteRoundTripsThroughUtf8) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::string utf8 = AnsiToUtf8(all);
  EXPECT_TRUE(IsValidUtf8(utf8));
  const Converted back = Utf8ToAnsi(utf8);
  EXPECT_FALSE(back.replaced);
  EXPECT_EQ(back.text, all);

  // The iconv path agrees with the table, the five unassigned bytes included.
  auto via_iconv = ConvertText(all, "ANSI", "UTF-8");
  ASSERT_TRUE(via_iconv.ok());
  EXPECT_FALSE(via_iconv->replaced);
  EXPECT_EQ(via_iconv->text, utf8);
}

TEST(CodePage, KnownCharactersMapToTheirUnicodeValues) {
  EXPECT_EQ(AnsiToUtf8("\x80"), "\u20AC");
  EXPECT_EQ(AnsiToUtf8("\xE7\xE3o"), "\u00E7\u00E3o");
  EXPECT_EQ(AnsiToUtf8("\xCC"), "\u00CC");
  EXPECT_EQ(AnsiToUtf8("\x81"), "\u0081");
}

TEST(CodePage, CharactersTheTargetCannotHoldAreReplacedAndReported) {
  const Converted greek = Utf8ToAnsi("a\u03B1b");
  EXPECT_TRUE(greek.replaced);
  EXPECT_EQ(greek.text, "a?b");
  const Converted plain = Utf8ToAnsi("S\u00E3o Paulo");
  EXPECT_FALSE(plain.replaced);
  EXPECT_EQ(plain.text, "S\xE3o Paulo");
}

TEST(CodePage, InvalidInputBytesAreReplaced) {
  auto r = ConvertText(
      "a\xFF\xFE"
      "b",
      "UTF-8", "ANSI");
  ASSERT_TRUE(r.ok());
  EXPECT_TRUE(r->replaced);
  EXPECT_EQ(r->text, "a??b");
}

TEST(CodePage, Utf16BothWays) {
  auto le = ConvertText("\xE9t\xE9", "ANSI", "UTF-16LE");
  ASSERT_TRUE(le.ok());
  EXPECT_EQ(le->text, std::string("\xE9\0t\0\xE9\0", 6));
  auto back = ConvertText(le->text, "UTF-16LE", "WINDOWS-1252");
  ASSERT_TRUE(back.ok());
  EXPECT_EQ(back->text, "\xE9t\xE9");
  // A lone surrogate is not a character.
  auto broken = ConvertText(std::string("\x00\xD8"
                                        "a\0",
                                        4),
                            "UTF-16LE", "UTF-8");
  ASSERT_TRUE(broken.ok());
  EXPECT_TRUE(broken->replaced);
}

TEST(CodePage, UnknownEncodingIsAnError) {
  auto r = ConvertText("x", "NO-SUCH-CODEPAGE", "UTF-8");
  ASSERT_FALSE(r.ok());
  EXPECT_NE(r.error().text.find("NO-SUCH-CODEPAGE"), std::string::npos);
  EXPECT_FALSE(IsKnownEncoding("NO-SUCH-CODEPAGE"));
  EXPECT_TRUE(IsKnownEncoding("ISO-8859-2"));
}

TEST(CodePage, Utf8Validity) {
  EXPECT_TRUE(IsValidUtf8(""));
  EXPECT_TRUE(IsValidUtf8("ascii"));
  EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80"));
  EXPECT_FALSE(IsValidUtf8("\xC3"));              // cut short
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
  EXPECT_FALSE(IsValidUtf8("\xE9t\xE9"));         // Windows-1252 text
}

}  // namespace
}  // namespace ledra::platform
