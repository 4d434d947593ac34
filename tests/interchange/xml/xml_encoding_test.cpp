#include <gtest/gtest.h>

#include "interchange/xml/encoding_names.h"
#include "interchange/xml/xml_document.h"
#include "support/temp_folder.h"

namespace ledra::xml {
namespace {

using namespace std::string_literals;

std::string Utf16(std::string_view ascii, bool big_endian) {
  std::string out;
  for (const char c : ascii) {
    out += big_endian ? "\0"s + c : c + "\0"s;
  }
  return out;
}

std::string NameText(const XmlDocument& doc) {
  XmlDocument copy = doc;
  copy.ResetCursor();
  return copy.FindNextChild("n") ? copy.ChildText() : "<none>";
}

TEST(XmlEncoding, ByteOrderMarkBeatsTheDeclaration) {
  XmlDocument doc;
  doc.LoadBytes(
      "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r><n>\xC3\xA9</n></r>");
  EXPECT_EQ(NameText(doc), "\xE9");
  EXPECT_EQ(doc.encoding(), "UTF-8");
  EXPECT_EQ(doc.flags(), kFlagUtf8 | kFlagByteOrderMark);
}

TEST(XmlEncoding, DeclarationsAndDetectionChooseTheEncoding) {
  struct Case {
    std::string bytes;
    std::string text;
    const char* log;
  };
  const Case cases[] = {
      {"<?xml version=\"1.0\" encoding=\"iso-8859-1\"?><r><n>\xE9</n></r>", "\xE9", ""},
      {"<?xml version='1.0' encoding='windows-1250'?><r><n>\x9A</n></r>", "\x9A", ""},
      {"<?xml version='1.0' encoding='KOI8-R'?><r><n>\xC1</n></r>", "?", "conversion_loss"},
      {"<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-15\">"
       "</head><n>\xA4</n></html>",
       "\x80", ""},
      {"<r><n>\xC3\xA9\xE2\x82\xAC</n></r>", "\xE9\x80", "utf8_detection"},
      {"<r><n>\xE9t\xE9</n></r>", "\xE9t\xE9", ""},  // not UTF-8: taken as ANSI
      {"<?xml version='1.0' encoding='x-klingon'?><r><n>\xE9</n></r>", "\xE9", "unknown_encoding"},
      {"<?xml version='1.0' encoding='UTF-16'?><r><n>\xC3\xA9</n></r>", "\xE9",
       "encoding_mismatch"},
      {"<r><n>\xC3\x28\xF0\x9F\x98\x80</n></r>", "\xC3(\xF0\x9F\x98\x80", ""},
      {"<?xml version='1.0' encoding='utf-8'?><r><n>S\xE3o</n></r>", "S\xE3o", "encoding_mismatch"},
  };
  for (const Case& c : cases) {
    XmlDocument doc;
    doc.LoadBytes(c.bytes);
    EXPECT_EQ(NameText(doc), c.text) << c.bytes;
    if (*c.log) {
      EXPECT_TRUE(doc.log().Has(c.log)) << c.bytes << " " << doc.log().text();
    }
  }
}

TEST(XmlEncoding, Utf16IsSwappedAndCleanedOfNulls) {
  XmlDocument le;
  le.LoadBytes("\xFF\xFE"s + Utf16("<r><n>", false) + "\xE9\0\xAC\x20\x00\xD8"s +
               Utf16("</n></r>", false));
  EXPECT_EQ(NameText(le), "\xE9\x80?");
  EXPECT_TRUE(le.log().Has("conversion_loss"));
  EXPECT_EQ(le.flags(), kFlagUtf16Le | kFlagByteOrderMark);

  XmlDocument be;
  be.LoadBytes("\xFE\xFF"s + Utf16("<r><n>\0ok</n></r>"s, true));
  EXPECT_EQ(NameText(be), "ok");
  EXPECT_TRUE(be.log().Has("endian_swap"));
  EXPECT_NE(be.log().text().find("<nulls_removed count=\"1\"/>"), std::string::npos);

  // UTF-32 little-endian behind its mark reads as UTF-16 with the zero halves removed.
  XmlDocument wide;
  std::string utf32 = "\xFF\xFE\0\0"s;
  for (const char c : "<r><n>\xE9</n></r>"s) utf32 += c + "\0\0\0"s;
  wide.LoadBytes(utf32);
  EXPECT_EQ(NameText(wide), "\xE9");

  // Big-endian UTF-32 has a mark of its own and round-trips with it.
  XmlDocument big;
  std::string utf32be = "\0\0\xFE\xFF"s;
  for (const char c : "<r><n>\xE9</n></r>"s) utf32be += "\0\0\0"s + c;
  big.LoadBytes(utf32be);
  EXPECT_EQ(NameText(big), "\xE9");
  EXPECT_EQ(big.encoding(), "UTF-32BE");
  EXPECT_EQ(big.SaveBytes(), utf32be);
}

TEST(XmlEncoding, SavesInTheDocumentEncodingWithTheMarkOnlyWhenAsked) {
  XmlDocument doc;
  ASSERT_TRUE(doc.AppendElement("n", "\xE9\x80"));
  EXPECT_EQ(doc.SaveBytes(), "<n>\xC3\xA9\xE2\x82\xAC</n>");
  doc.SetByteOrderMark(true);
  EXPECT_EQ(doc.SaveBytes(), "\xEF\xBB\xBF<n>\xC3\xA9\xE2\x82\xAC</n>");
  doc.SetEncoding("UTF-16");
  EXPECT_EQ(doc.SaveBytes(),
            "\xFF\xFE"s + Utf16("<n>", false) + "\xE9\0\xAC\x20"s + Utf16("</n>", false));
  doc.SetByteOrderMark(false);
  doc.SetEncoding("utf-16be");
  EXPECT_EQ(doc.SaveBytes(), Utf16("<n>", true) + "\0\xE9\x20\xAC"s + Utf16("</n>", true));
  doc.SetEncoding("UTF-32");
  EXPECT_EQ(doc.SaveBytes().size(), 9u * 4);
  doc.SetEncoding("iso-8859-1");
  EXPECT_EQ(doc.SaveBytes(), "<n>\xE9?</n>");
  EXPECT_TRUE(doc.log().Has("conversion_loss"));
}

TEST(XmlEncoding, AnsiTextRoundTripsThroughUtf8Files) {
  std::string all;
  for (int b = 0x20; b < 256; ++b) {
    if (b != '<' && b != '&' && b != '>') all.push_back(static_cast<char>(b));
  }
  TempFolder folder;
  const auto path = folder.path() / "list.xml";
  XmlDocument out;
  ASSERT_TRUE(out.AppendElement("r"));
  ASSERT_TRUE(out.SetAttribute("v", all));
  ASSERT_TRUE(out.AppendElement("n", all));
  ASSERT_TRUE(out.SaveFile(path).ok());

  XmlDocument in;
  ASSERT_TRUE(in.LoadFile(path).ok());
  EXPECT_TRUE(in.log().Has("utf8_detection"));
  EXPECT_FALSE(in.log().Has("conversion_loss"));
  ASSERT_TRUE(in.FindNextSibling("r"));
  EXPECT_EQ(in.ElementAttribute("v"), all);
  ASSERT_TRUE(in.FindNextSibling("n"));
  EXPECT_EQ(in.ElementText(), all);
  EXPECT_EQ(in.SaveBytes(), out.SaveBytes());
}

TEST(XmlEncoding, MissingFileFailsWithALogEntry) {
  TempFolder folder;
  XmlDocument doc;
  EXPECT_FALSE(doc.LoadFile(folder.path() / "absent.xml").ok());
  EXPECT_TRUE(doc.log().Has("file_error"));
  EXPECT_FALSE(doc.SaveFile(folder.path() / "no" / "such" / "folder.xml").ok());
}

TEST(XmlEncoding, NameTableHoldsTheRegisteredAliases) {
  const std::pair<const char*, int> rows[] = {
      {"utf-8", 65001},
      {"UTF8", 65001},
      {"unicode-1-1-utf-8", 65001},
      {"cp65001", 65001},
      {"utf-16", 1200},
      {"UTF-16LE", 1200},
      {"ucs-2", 1200},
      {"unicode", 1200},
      {"utf-16be", 1201},
      {"unicodeFFFE", 1201},
      {"windows-1252", 1252},
      {"cp1252", 1252},
      {"ms-ansi", 1252},
      {"iso-8859-1", 28591},
      {"Latin1", 28591},
      {"l1", 28591},
      {"iso-8859-15", 28605},
      {"latin9", 28605},
      {"us-ascii", 20127},
      {"ascii", 20127},
      {"Shift_JIS", 932},
      {"sjis", 932},
      {"gbk", 936},
      {"gb2312", 936},
      {"big5", 950},
      {"koi8-r", 20866},
      {"euc-kr", 51949},
      {"gb18030", 54936},
      {"utf-7", 65000},
      {"UTF-32", kCodePageUtf32},
      {"utf-32BE", kCodePageUtf32},
      {"", 1252},
  };
  for (const auto& [name, code_page] : rows) {
    EXPECT_EQ(CodePageForName(name), code_page) << name;
  }
  EXPECT_EQ(CodePageForName("klingon"), std::nullopt);
  EXPECT_EQ(CodePageForName(std::string(100, 'a')), std::nullopt);
  EXPECT_GT(EncodingNameCount(), 300u);
  EXPECT_LE(EncodingNameCount(), 365u);
}

}  // namespace
}  // namespace ledra::xml
