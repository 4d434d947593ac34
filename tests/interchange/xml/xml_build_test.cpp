#include <gtest/gtest.h>

#include "interchange/xml/xml_document.h"

namespace ledra::xml {
namespace {

// Every element's name, level, text and attribute "k", in document order:
// what the cursor can see of a document.
std::string Outline(XmlDocument doc) {
  std::string out;
  doc.ResetCursor();
  while (doc.FindNextSibling()) {
    out += "top " + doc.ElementName() + "\n";
    int depth = 0;
    while (true) {
      if (doc.FindNextChild()) {
        out += std::string(depth, ' ') + doc.ChildName() + "=" + doc.ChildText() + "[" +
               doc.ChildAttribute("k") + "]\n";
        doc.Descend();
        ++depth;
      } else if (depth > 0) {
        doc.Ascend();
        --depth;
      } else {
        break;
      }
    }
  }
  return out;
}

TEST(XmlBuild, BuildsANestedIndentedDocument) {
  XmlDocument doc;
  ASSERT_TRUE(doc.AppendElement("PUBLIST"));
  ASSERT_TRUE(doc.SetAttribute("k", "a\"b"));
  ASSERT_TRUE(doc.AppendElement("Count", 2, kAppendAsChild));
  EXPECT_EQ(doc.ChildName(), "Count");
  ASSERT_TRUE(doc.AppendElement("Active", "", kAppendAsChild));
  ASSERT_TRUE(doc.Descend());
  ASSERT_TRUE(doc.AppendElement("Pub", "", kAppendAsChild));
  ASSERT_TRUE(doc.Descend());
  ASSERT_TRUE(doc.SetAttribute("id", 7));
  ASSERT_TRUE(doc.AppendElement("fname", "Jos\xE9", kAppendAsChild));
  ASSERT_TRUE(doc.AppendElement("lname", "S&S", kAppendAsChild));
  ASSERT_TRUE(doc.AppendElement("Pub"));
  ASSERT_TRUE(doc.AppendElement("fname", "Ana", kAppendAsChild));
  EXPECT_EQ(doc.text(),
            "<PUBLIST k=\"a&quot;b\">\r\n"
            "\t<Count>2</Count>\r\n"
            "\t<Active>\r\n"
            "\t\t<Pub id=\"7\">\r\n"
            "\t\t\t<fname>Jos\xE9</fname>\r\n"
            "\t\t\t<lname>S&amp;S</lname>\r\n"
            "\t\t</Pub>\r\n"
            "\t\t<Pub>\r\n"
            "\t\t\t<fname>Ana</fname>\r\n"
            "\t\t</Pub>\r\n"
            "\t</Active>\r\n"
            "</PUBLIST>");
  XmlDocument reparsed;
  reparsed.SetText(doc.text());
  EXPECT_EQ(reparsed.log().text(), "");
  EXPECT_EQ(Outline(doc), Outline(reparsed));
  EXPECT_EQ(Outline(doc),
            "top PUBLIST\n"
            "Count=2[]\nActive=[]\n Pub=[]\n  fname=Jos\xE9[]\n  lname=S&S[]\n Pub=[]\n"
            "  fname=Ana[]\n");
}

TEST(XmlBuild, WithoutAMainPositionAddsAtTheTopLevel) {
  XmlDocument doc;
  ASSERT_TRUE(doc.AppendElement("a", "", kAppendAsChild));  // no main element: top level
  ASSERT_TRUE(doc.AppendElement("b"));
  doc.ResetCursor();
  ASSERT_TRUE(doc.AppendElement("c"));
  EXPECT_EQ(doc.text(), "<a/>\r\n<b/>\r\n<c/>");
  EXPECT_EQ(Outline(doc), "top a\ntop b\ntop c\n");
}

TEST(XmlBuild, EditsInsideALoadedDocumentKeepTheIndexRight) {
  XmlDocument doc;
  doc.SetText("<r><a/><z k=\"1\"><y>t</y></z></r>");
  ASSERT_TRUE(doc.FindNextChild("a"));
  ASSERT_TRUE(doc.Descend());                                 // parent r, main a
  ASSERT_TRUE(doc.AppendElement("in", "1", kAppendAsChild));  // opens "<a/>"
  ASSERT_TRUE(doc.AppendElement("b", "x&y"));                 // after a, before z
  ASSERT_TRUE(doc.SetAttribute("k", "2"));
  ASSERT_TRUE(doc.SetAttribute("k", "33"));
  ASSERT_TRUE(doc.AppendElement("c", "<cd>", kAppendCData));
  ASSERT_TRUE(doc.FindNextSibling("z"));
  ASSERT_TRUE(doc.SetAttribute("k", "longer value"));
  ASSERT_TRUE(doc.FindNextChild("y"));
  ASSERT_TRUE(doc.AppendElement("w", 5, kAppendAsChild));
  ASSERT_TRUE(doc.Descend());
  ASSERT_TRUE(doc.AppendElement("v", -6));

  EXPECT_EQ(doc.text(),
            "<r><a>\r\n\t\t<in>1</in>\r\n\t</a>\r\n\t<b k=\"33\">x&amp;y</b>\r\n"
            "\t<c><![CDATA[<cd>]]></c><z k=\"longer value\"><y>t</y>\r\n\t\t<w>5</w>\r\n"
            "\t\t<v>-6</v></z></r>");
  XmlDocument reparsed;
  reparsed.SetText(doc.text());
  EXPECT_EQ(reparsed.log().text(), "");
  EXPECT_EQ(Outline(doc), Outline(reparsed));
  EXPECT_EQ(Outline(doc),
            "top r\na=[]\n in=1[]\nb=x&y[33]\nc=<cd>[]\nz=[longer value]\n y=t[]\n w=5[]\n"
            " v=-6[]\n");
}

TEST(XmlBuild, ReplacingAnUnquotedValueKeepsTheEmptyTag) {
  XmlDocument doc;
  doc.SetText("<r><a b=x/><c/></r>");
  ASSERT_TRUE(doc.FindNextChild("a"));
  EXPECT_EQ(doc.ChildAttribute("b"), "x");
  ASSERT_TRUE(doc.Descend());
  ASSERT_TRUE(doc.SetAttribute("b", "y z"));
  EXPECT_EQ(doc.text(), "<r><a b=\"y z\"/><c/></r>");
  ASSERT_TRUE(doc.FindNextSibling("c"));
}

TEST(XmlBuild, RefusesNamesThatWouldBreakTheMarkup) {
  XmlDocument doc;
  for (const char* name : {"", "1a", "a b", "a>", "a/b", "a=b", "-x", "a\"", "<a"}) {
    EXPECT_FALSE(doc.AppendElement(name, "t")) << name;
  }
  EXPECT_EQ(doc.text(), "");
  EXPECT_FALSE(doc.SetAttribute("k", "no main element"));
  ASSERT_TRUE(doc.AppendElement("_ok:\xE9", "t"));
  EXPECT_FALSE(doc.SetAttribute("bad name", "v"));
  EXPECT_EQ(doc.text(), "<_ok:\xE9>t</_ok:\xE9>");
}

}  // namespace
}  // namespace ledra::xml
