#include <gtest/gtest.h>

#include "interchange/xml/xml_document.h"

namespace ledra::xml {
namespace {

constexpr std::string_view kList =
    "<?xml version=\"1.0\"?>\n"
    "<!-- exported -->\n"
    "<PUBLIST>\n"
    "  <Count>2</Count>\n"
    "  <Active>\n"
    "    <Pub id=\"7\" note='a &amp; b'>\n"
    "      <fname>Jos&#233;</fname><lname>Silva</lname><phone/>\n"
    "      <Jan><Year>2024</Year><Hours>10</Hours></Jan>\n"
    "    </Pub>\n"
    "    <Pub id=\"9\"><fname>Ana</fname><lname>Lima</lname></Pub>\n"
    "  </Active>\n"
    "</PUBLIST>\n";

XmlDocument Loaded(std::string_view text) {
  XmlDocument doc;
  doc.SetText(text);
  return doc;
}

TEST(XmlNavigation, WalksANestedDocument) {
  XmlDocument doc = Loaded(kList);
  EXPECT_EQ(doc.log().text(), "");
  EXPECT_EQ(doc.ElementCount(), 13u);
  ASSERT_TRUE(doc.FindNextSibling("PUBLIST"));
  ASSERT_TRUE(doc.FindNextChild("Count"));
  EXPECT_EQ(doc.ChildText(), "2");
  ASSERT_TRUE(doc.FindNextChild("Active"));
  ASSERT_TRUE(doc.Descend());
  EXPECT_EQ(doc.ElementName(), "Active");

  std::vector<std::string> names;
  while (doc.FindNextChild("Pub")) {
    EXPECT_TRUE(doc.Descend());
    names.push_back(doc.ElementAttribute("id") + ":" + [&] {
      EXPECT_TRUE(doc.FindNextChild("fname"));
      return doc.ChildText();
    }());
    EXPECT_TRUE(doc.Ascend());
    EXPECT_EQ(doc.ElementName(), "Active");
  }
  EXPECT_EQ(names, (std::vector<std::string>{"7:Jos\xE9", "9:Ana"}));

  EXPECT_TRUE(doc.Ascend());
  EXPECT_EQ(doc.ElementName(), "PUBLIST");
  EXPECT_EQ(doc.ChildName(), "Active");
  EXPECT_FALSE(doc.Ascend());
  EXPECT_FALSE(doc.FindNextSibling());
}

TEST(XmlNavigation, ReadsNestedChildrenAndAttributes) {
  XmlDocument doc = Loaded(kList);
  ASSERT_TRUE(doc.FindNextChild("Active"));  // finds the root first
  ASSERT_TRUE(doc.Descend());
  ASSERT_TRUE(doc.FindNextChild("Pub"));
  EXPECT_EQ(doc.ChildAttribute("note"), "a & b");
  EXPECT_EQ(doc.ChildAttribute("missing"), "");
  ASSERT_TRUE(doc.Descend());
  ASSERT_TRUE(doc.FindNextChild("Jan"));
  ASSERT_TRUE(doc.Descend());
  ASSERT_TRUE(doc.FindNextChild("Hours"));
  EXPECT_EQ(doc.ChildText(), "10");
  EXPECT_FALSE(doc.FindNextChild("Year"));  // searches after the current child only
  doc.ResetCursor();
  EXPECT_EQ(doc.ElementName(), "");
  EXPECT_TRUE(doc.FindNextSibling("PUBLIST"));
}

TEST(XmlNavigation, AbsentChildNameLeavesTheChildPosition) {
  XmlDocument doc = Loaded(kList);
  ASSERT_TRUE(doc.FindNextChild("Active"));
  ASSERT_TRUE(doc.Descend());
  ASSERT_TRUE(doc.FindNextChild("Pub"));
  ASSERT_TRUE(doc.Descend());
  ASSERT_TRUE(doc.FindNextChild("fname"));
  EXPECT_FALSE(doc.FindNextChild("Nowhere"));
  EXPECT_EQ(doc.ChildName(), "fname");
  ASSERT_TRUE(doc.FindNextChild());
  EXPECT_EQ(doc.ChildName(), "lname");
  EXPECT_FALSE(doc.FindNextChild("fname"));
}

TEST(XmlNavigation, ElementsWithoutTextGiveEmptyStrings) {
  XmlDocument doc = Loaded("<a><b/><c></c><d>  </d><e><f>x</f></e></a>");
  ASSERT_TRUE(doc.FindNextSibling());
  EXPECT_EQ(doc.ElementText(), "");
  for (const char* name : {"b", "c", "d", "e"}) {
    ASSERT_TRUE(doc.FindNextChild(name));
    EXPECT_EQ(doc.ChildText(), "") << name;
  }
  EXPECT_FALSE(doc.Descend() && doc.Descend());
  XmlDocument none;
  EXPECT_EQ(none.ElementText(), "");
  EXPECT_FALSE(none.FindNextChild());
  EXPECT_FALSE(none.Descend());
}

TEST(XmlNavigation, TextJoinsCharacterDataAndCDataAroundMarkup) {
  XmlDocument doc =
      Loaded("<a>one <!-- no --><b>skip</b><![CDATA[<two> &amp;]]><?pi x?> &lt;3 & 4</a>");
  ASSERT_TRUE(doc.FindNextSibling("a"));
  EXPECT_EQ(doc.ElementText(), "one <two> &amp; <3 & 4");
}

}  // namespace
}  // namespace ledra::xml
