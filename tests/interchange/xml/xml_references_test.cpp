#include <gtest/gtest.h>

#include "interchange/xml/html_entities.h"
#include "interchange/xml/xml_document.h"
#include "interchange/xml/xml_escape.h"

namespace ledra::xml {
namespace {

TEST(XmlReferences, NumericAndNamedReferencesGiveAnsiCharacters) {
  EXPECT_EQ(DecodeReferences("&#233;"), "\xE9");
  EXPECT_EQ(DecodeReferences("&eacute;"), "\xE9");
  EXPECT_EQ(DecodeReferences("&Eacute;"), "\xC9");
  EXPECT_EQ(DecodeReferences("&#xE9;&#XC9;"), "\xE9\xC9");
  EXPECT_EQ(DecodeReferences("&euro;&#8364;&mdash;"), "\x80\x80\x97");
  EXPECT_EQ(DecodeReferences("a&lt;b&gt;c&amp;d&quot;&apos;"), "a<b>c&d\"'");
  EXPECT_EQ(HtmlEntityCount(), 253u);
}

TEST(XmlReferences, ReferencesThatCannotBeReadStayAsWritten) {
  for (const char* text :
       {"&alpha;", "&#945;", "&EACUTE;", "&nosuch;", "&#1234567890;", "&#x110000;", "&#0;", "&;",
        "& amp;", "&amp", "&#xZZ;", "&verylongname;", "&#;", "tail &"}) {
    EXPECT_EQ(DecodeReferences(text), text) << text;
  }
  EXPECT_EQ(DecodeReferences("&&amp;;"), "&&;");
}

TEST(XmlReferences, EscapingForTextAndAttributes) {
  EXPECT_EQ(EscapeText("a<b>&\"'"), "a&lt;b&gt;&amp;\"'");
  EXPECT_EQ(EscapeAttribute("a<b>&\"'"), "a&lt;b&gt;&amp;&quot;&apos;");
  EXPECT_EQ(EscapeText("&eacute; &#233; & &x", true), "&eacute; &#233; &amp; &amp;x");
  EXPECT_EQ(EscapeText("&eacute;"), "&amp;eacute;");
  const std::string all = "x<y>&\"'\xE9";
  EXPECT_EQ(DecodeReferences(EscapeAttribute(all)), all);
}

TEST(XmlReferences, CDataSectionsRoundTripTheirTerminator) {
  EXPECT_EQ(CDataSection("a]]>b"), "<![CDATA[a]]]]><![CDATA[>b]]>");
  for (const std::string text : {"]]>", "x]]>]]>y", "]]]>>", "<&>"}) {
    XmlDocument doc;
    ASSERT_TRUE(doc.AppendElement("v", text, kAppendCData));
    XmlDocument back;
    back.SetText(doc.text());
    ASSERT_TRUE(back.FindNextSibling("v"));
    EXPECT_EQ(back.ElementText(), text);
  }
}

}  // namespace
}  // namespace ledra::xml
