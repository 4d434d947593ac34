#include <gtest/gtest.h>

#include "interchange/xml/xml_document.h"
#include "interchange/xml/xml_parser.h"

namespace ledra::xml {
namespace {

TEST(XmlBadInput, ProblemsAreLoggedAndTheRestIsIndexed) {
  struct Case {
    const char* text;
    const char* problem;
    std::size_t elements;
  };
  const Case cases[] = {
      {"<r><a>x</b></r>", "lone_end_tag", 2},
      {"<r><a>x</r>", "unended_start_tag", 2},
      {"<r><a", "unterminated_tag_syntax", 1},
      {"<r></a", "unterminated_tag_syntax", 1},
      {"<r><![CDATA[x", "unterminated_tag_syntax", 1},
      {"<r><?pi x", "unterminated_tag_syntax", 1},
      {"<r><!-- x", "unterminated_tag_syntax", 1},
      {"<!DOCTYPE r [<!ENTITY x 'y'>", "unterminated_tag_syntax", 0},
      {"<r><", "unterminated_tag_syntax", 1},
      {"<r>< a/></r>", "first_tag_syntax", 1},
      {"<!DOCTYPX r><r/>", "doctype_tag_syntax", 1},
      {"<!Xr><r/>", "exclamation_tag_syntax", 1},
      {"<!-x><r/>", "comment_tag_syntax", 1},
      {"<![CDATX[x]]><r/>", "cdata_section_syntax", 1},
      {"just text", "no_root_element", 0},
      {"", "no_root_element", 0},
      {"<r/><s/>", "root_has_sibling", 2},
  };
  for (const Case& c : cases) {
    XmlDocument doc;
    doc.SetText(c.text);
    EXPECT_TRUE(doc.log().Has(c.problem)) << c.text << " -> " << doc.log().text();
    EXPECT_EQ(doc.ElementCount(), c.elements) << c.text;
  }
}

TEST(XmlBadInput, QuotedGreaterThanAndDoctypeSubsetDoNotEndTags) {
  XmlDocument doc;
  doc.SetText("<!DOCTYPE r [<!ELEMENT r ANY> <!ATTLIST r a CDATA '>'>]><r a=\"1>2\" b='>'>t</r>");
  EXPECT_EQ(doc.log().text(), "");
  ASSERT_TRUE(doc.FindNextSibling("r"));
  EXPECT_EQ(doc.ElementAttribute("a"), "1>2");
  EXPECT_EQ(doc.ElementAttribute("b"), ">");
  EXPECT_EQ(doc.ElementText(), "t");
}

TEST(XmlBadInput, UnendedElementsCloseAtTheEndOfTheText) {
  XmlDocument doc;
  doc.SetText("<r><a>one<b>two");
  ASSERT_TRUE(doc.FindNextChild("a"));
  EXPECT_EQ(doc.ChildText(), "one");
  ASSERT_TRUE(doc.Descend());
  ASSERT_TRUE(doc.FindNextChild("b"));
  EXPECT_EQ(doc.ChildText(), "two");
  // Building on a document without end tags still writes inside the element.
  ASSERT_TRUE(doc.AppendElement("c", "3", kAppendAsChild));
  XmlDocument reparsed;
  reparsed.SetText(doc.text());
  ASSERT_TRUE(reparsed.FindNextChild("a"));
  ASSERT_TRUE(reparsed.Descend());
  ASSERT_TRUE(reparsed.FindNextChild("c"));
  EXPECT_EQ(reparsed.ChildText(), "3");
}

TEST(XmlBadInput, DeepNestingIsCappedAndLogged) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "<d>";
  for (int i = 0; i < 100000; ++i) text += "</d>";
  XmlDocument doc;
  doc.SetText(text);
  EXPECT_TRUE(doc.log().Has("depth_limit"));
  EXPECT_EQ(doc.ElementCount(), kMaxDepth);
  EXPECT_LE(doc.log().text().size(), XmlLog::kLimit);
  int depth = 0;
  while (doc.FindNextChild() && doc.Descend()) ++depth;
  EXPECT_EQ(depth, static_cast<int>(kMaxDepth) - 1);
  EXPECT_FALSE(doc.AppendElement("deeper", "", kAppendAsChild));
}

TEST(XmlBadInput, TheLogStaysShort) {
  std::string text = "<r>";
  for (int i = 0; i < 5000; ++i) text += "</nope>";
  XmlDocument doc;
  doc.SetText(text);
  EXPECT_TRUE(doc.log().Has("lone_end_tag"));
  EXPECT_LE(doc.log().text().size(), XmlLog::kLimit);
  EXPECT_GT(doc.log().text().size(), XmlLog::kLimit - 100);
}

TEST(XmlBadInput, ArbitraryBytesLoadAndWalk) {
  // A small deterministic generator over the bytes that matter to the scanner.
  const std::string alphabet = "<>/?!-[]CDATA\"'=& ;#x\xE9\xFF\xFE\0ab";
  std::uint32_t seed = 12345;
  for (int round = 0; round < 2000; ++round) {
    std::string bytes;
    const int length = round % 200;
    for (int i = 0; i < length; ++i) {
      seed = seed * 1103515245 + 12345;
      bytes.push_back(alphabet[(seed >> 16) % alphabet.size()]);
    }
    XmlDocument doc;
    doc.LoadBytes(bytes);
    int steps = 0;
    while (steps++ < 1000) {
      (void)doc.ElementText();
      (void)doc.ElementAttribute("a");
      if (doc.FindNextChild()) {
        (void)doc.ChildText();
        doc.Descend();
      } else if (!doc.FindNextSibling() && !doc.Ascend()) {
        break;
      }
    }
    (void)doc.SaveBytes();
  }
}

}  // namespace
}  // namespace ledra::xml
