#include "reports/phone_list.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "reports/recording_canvas.h"
#include "reports/report_fixture.h"
#include "reports/report_kinds.h"

namespace ledra::reports {
namespace {

store::CongregationDatabase Fixture(std::string_view file = test::ReportMainFile()) {
  store::CongregationDatabase db;
  db.rows().clear();
  for (std::size_t at = 0; at + test::kRec <= file.size(); at += test::kRec) {
    store::PublisherRecord rec;
    std::copy_n(file.data() + at, test::kRec, reinterpret_cast<char*>(rec.bytes.data()));
    db.rows().push_back(rec);
  }
  db.SortTable();
  ScriptedPrompter prompter;
  db.RebuildIndexes(prompter);
  db.SetToday(2026, 3, 10);
  return db;
}

std::vector<std::string> Names(const std::vector<PhoneListPerson>& people) {
  std::vector<std::string> names;
  for (const auto& p : people) names.push_back(p.name);
  return names;
}

// The texts drawn at x, in order.
std::vector<std::string> TextsAt(const RecordingCanvas& c, std::string_view prefix) {
  std::vector<std::string> out;
  for (const auto& l : c.lines())
    if (l.starts_with(prefix)) out.push_back(l);
  return out;
}

TEST(PhoneList, VariantsKeepTheirPublishersInListOrder) {
  const auto db = Fixture();
  EXPECT_EQ(Names(PhoneListPeople(db, 50, 0, true)),
            (std::vector<std::string>{"Almeida, Ana", "Almeida, Bruno", "Almeida, Carla",
                                      "Costa, Eva", "Dias, Rui",
                                      "Gomes, L\xfa"
                                      "cia"}))
      << "the inactive publisher is never listed";
  EXPECT_EQ(Names(PhoneListPeople(db, 51, 2, true)),
            (std::vector<std::string>{"Costa, Eva", "Dias, Rui"}));
  EXPECT_EQ(Names(PhoneListPeople(db, 52, 0, false)),
            (std::vector<std::string>{"Bruno Almeida", "Rui Dias"}));
  EXPECT_EQ(Names(PhoneListPeople(db, 53, 0, true)),
            (std::vector<std::string>{"Costa, Eva", "Dias, Rui"}));
  const auto all = PhoneListPeople(db, 50, 0, true);
  EXPECT_EQ(all[0].household, (std::vector<std::string>{"Almeida, Bruno", "Almeida, Carla"}));
  EXPECT_TRUE(PhoneListPeople(db, 51, 1, true)[0].household.empty())
      << "households show in the whole congregation's list only";
  EXPECT_EQ(PhoneListSubtitle(db, 51, 4), "Grupo #4");
  EXPECT_EQ(PhoneListSubtitle(db, 52, 0), "Anci\xe3os & Servos ministeriais");
}

TEST(PhoneList, TwoColumnsOnlyWithoutMobileOrWorkPhones) {
  const auto db = Fixture();
  EXPECT_EQ(PhoneListColumns(PhoneListPeople(db, 50, 0, true)), 1);
  EXPECT_EQ(PhoneListColumns(PhoneListPeople(db, 51, 1, true)), 1) << "Bruno has a mobile";
  std::vector<PhoneListPerson> homes_only = {{"A", "1", "", "", {}}, {"B", "", "", "", {}}};
  EXPECT_EQ(PhoneListColumns(homes_only), 2);
}

TEST(PhoneList, OneColumnPositions) {
  const auto db = Fixture();
  ReportEnv env;
  RecordingCanvas c(300, 300);
  ASSERT_EQ(DrawReport(c, env, db, 50, 0), 1);
  // Left margin 150; stops at 3.2, 5.2 and 6.95 inches; headings 1/6 and 1/2 inch before.
  const auto texts = TextsAt(c, "text");
  auto has = [&](std::string_view t) {
    return std::find(texts.begin(), texts.end(), t) != texts.end();
  };
  // Text font -13 at 300 dpi is -40: lines of ceil(40 * 23 / 20) = 46 pixels.
  // Page top 75 + 150 = 225: headings on line 1 at 271, entries from line 2 at 317.
  EXPECT_TRUE(has("text 1060 271 right top \"Casa\"")) << c.Trace();
  EXPECT_TRUE(has("text 1660 271 right top \"Celular\""));
  EXPECT_TRUE(has("text 2160 271 right top \"Trabalho\""));
  EXPECT_TRUE(has("text 150 317 left top \"Almeida, Ana\""));
  EXPECT_TRUE(has("text 1110 317 right top \"555-0101\""));
  // The household on the next line, a fifth of an inch in.
  EXPECT_TRUE(has("text 210 363 left top \"Almeida, Bruno, Almeida, Carla\""));
  EXPECT_TRUE(has("text 150 409 left top \"Almeida, Bruno\""));
  EXPECT_TRUE(has("text 1710 409 right top \"91 111 2222\""));
  EXPECT_TRUE(has("text 2235 547 right top \"21 555 6666\"")) << "Dias on line 7";
}

TEST(PhoneList, TwoColumnsSplitTheLinesOfAPage) {
  // 60 publishers with home phones only: two columns of 57 lines, planned from
  // the text font at 1200 dpi (-162: lines of 187, 10800 / 187 = 57).
  std::string file = test::PlainHeader();
  for (int i = 0; i < 60; ++i) {
    const std::string last = "P" + std::to_string(100 + i);
    file += test::PlainPerson({static_cast<std::uint16_t>(200 + i), "X", last, "1", "", "", 1});
  }
  const auto db = Fixture(file);
  ReportEnv env;
  RecordingCanvas c(300, 300);
  ASSERT_EQ(DrawReport(c, env, db, 50, 0), 1);
  const auto texts = TextsAt(c, "text");
  auto has = [&](std::string_view t) {
    return std::find(texts.begin(), texts.end(), t) != texts.end();
  };
  EXPECT_TRUE(has("text 150 317 left top \"P100, X\""));
  EXPECT_TRUE(has("text 150 2893 left top \"P156, X\"")) << "line 58 ends the first column";
  EXPECT_TRUE(has("text 1275 317 left top \"P157, X\"")) << "3.75 inches in";
  EXPECT_TRUE(has("text 2235 317 right top \"1\""));
  EXPECT_TRUE(has("text 1060 271 right top \"Casa\""));
  EXPECT_TRUE(has("text 2185 271 right top \"Casa\""));
  EXPECT_FALSE(has("text 1660 271 right top \"Celular\""));
}

// The names on each page of a list drawn at `dpi`, read back from the trace.
std::vector<std::vector<std::string>> NamesByPage(const store::CongregationDatabase& db,
                                                  const ReportEnv& env, int dpi) {
  RecordingCanvas c(dpi, dpi);
  const int pages = DrawReport(c, env, db, 50, 0).value_or(0);
  std::vector<std::vector<std::string>> by_page(static_cast<std::size_t>(pages));
  for (const auto& l : c.lines()) {
    const auto quote = l.find(" left top \"P");
    if (!l.starts_with("text ") || quote == std::string::npos) continue;
    const int y = std::stoi(l.substr(l.find(' ', 5) + 1));
    const auto page = static_cast<std::size_t>(y / (11 * dpi));
    if (page >= by_page.size()) by_page.resize(page + 1);
    by_page[page].push_back(l.substr(quote + 10));
  }
  return by_page;
}

TEST(PhoneList, EveryResolutionBreaksThePagesAlikeAndNoPageIsOnlyHeadings) {
  // 116 people in two columns: 2 x 58 lines filled a 300-dpi page exactly and
  // left a second page of headings, while the screen fitted 57 lines a column.
  std::string file = test::PlainHeader();
  for (int i = 0; i < 116; ++i) {
    const std::string last = "P" + std::to_string(100 + i);
    file += test::PlainPerson({static_cast<std::uint16_t>(200 + i), "X", last, "1", "", "", 1});
  }
  const auto db = Fixture(file);
  for (const bool grid : {false, true}) {
    ReportEnv env;
    env.options.grid = grid;
    const auto reference = NamesByPage(db, env, 300);
    ASSERT_EQ(reference.size(), 2u) << "grid " << grid;
    for (const auto& names : reference) EXPECT_FALSE(names.empty()) << "grid " << grid;
    for (const int dpi : {72, 96, 150, 600, 1200}) {
      env.printer_dpi_x = env.printer_dpi_y = dpi == 96 ? 300 : dpi;
      EXPECT_EQ(NamesByPage(db, env, dpi), reference) << dpi << " dpi, grid " << grid;
    }
  }
}

TEST(PhoneList, HouseholdsWrapAlikeOnEveryResolution) {
  // 150 people in households of eight, first names of 1-9 letters: how the
  // household lines wrap decides the line count, so it must not follow the
  // target's text widths (the screen's are a twelfth wider than paper's).
  std::string file = test::PlainHeader();
  for (int i = 0; i < 150; ++i) {
    const auto id = static_cast<std::uint16_t>(200 + i);
    const auto head = static_cast<std::uint16_t>(200 + i / 8 * 8);
    const std::string first = "X" + std::string(static_cast<std::size_t>(i % 9), 'x');
    const std::string last = "P" + std::to_string(100 + i);
    file += test::PlainPerson({id, first, last, "1", i == 0 ? "9" : "", "", 1,
                               static_cast<std::uint8_t>(id == head ? 0x04 : 0),
                               id == head ? std::uint16_t{0} : head});
  }
  const auto db = Fixture(file);
  ReportEnv env;
  const auto reference = NamesByPage(db, env, 300);
  ASSERT_GE(reference.size(), 3u);
  for (const auto& names : reference) EXPECT_FALSE(names.empty());
  for (const int dpi : {96, 600}) {
    env.printer_dpi_x = env.printer_dpi_y = dpi == 96 ? 300 : dpi;
    EXPECT_EQ(NamesByPage(db, env, dpi), reference) << dpi << " dpi";
  }
}

TEST(PhoneList, EmptyListHasOnePageWithItsHeader) {
  const auto db = Fixture(test::PlainHeader());
  ReportEnv env;
  RecordingCanvas c(96, 96);
  EXPECT_EQ(DrawReport(c, env, db, 50, 0), 1);
  EXPECT_NE(c.Trace().find("\"Lista de Telefones\""), std::string::npos);
  EXPECT_NE(c.Trace().find("Confidencial"), std::string::npos);
  EXPECT_FALSE(DrawReport(c, env, db, 999, 0).has_value());
}

TEST(PhoneList, LongHouseholdsWrapAndCountAsLines) {
  const std::vector<std::string> names = {"Aaaa", "Bbbb", "Cccc", "Dddd"};
  auto width = [](const std::string& t) { return static_cast<int>(t.size()); };
  EXPECT_EQ(WrapNames(names, 12, width), (std::vector<std::string>{"Aaaa, Bbbb, ", "Cccc, Dddd"}));
  EXPECT_EQ(WrapNames({"Averyverylongname"}, 5, width),
            (std::vector<std::string>{"Averyverylongname"}));
}

TEST(PhoneList, GridFramesEachPage) {
  const auto db = Fixture();
  ReportEnv env;
  env.options.grid = true;
  RecordingCanvas c(300, 300);
  DrawReport(c, env, db, 50, 0);
  const auto rects = TextsAt(c, "rect");
  ASSERT_EQ(rects.size(), 1u);
  // Lines grow from 46 to 48 pixels; seven lines from line 2.
  EXPECT_EQ(rects[0], "rect 150 321 2250 657 2");
}

}  // namespace
}  // namespace ledra::reports
