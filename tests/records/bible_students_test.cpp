// The Bible students through the publisher editor's student form.

#include "records/bible_students.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "records/publisher_editor.h"
#include "records_fixture.h"

namespace ledra::records {
namespace {

class StudentsTest : public RecordsTest {
 protected:
  // Asked for a status, a student editor would be wrong.
  SaveHooks hooks{[this](store::PublisherRecord&) {
    status_asked = true;
    return true;
  }};
  bool status_asked = false;
  PublisherEditor Editor(EditorMode mode, int row = 0) {
    return PublisherEditor(doc, settings, prompter, mode, row, EditorKind::kStudent);
  }
};

TEST_F(StudentsTest, ANewStudentTakesTheFirstFreeIdFrom2000AndNoStatus) {
  OpenWith(test::PersonRecord(23, 101, "Ana", "Borges") +
           test::PersonRecord(23, 2000, "Bia", "Costa", 2) +
           test::PersonRecord(23, 2002, "Caio", "Dias", 2));
  PublisherEditor ed = Editor(EditorMode::kAdd);
  EXPECT_EQ(ed.id(), 2001);
  EXPECT_FALSE(ed.walk_visible() || ed.delete_visible() || ed.consent_dates_visible());
  ed.SetFirstName("Rita");
  ed.SetSurname("Lopes");
  ASSERT_EQ(*ed.Save(hooks), SaveResult::kSaved);
  EXPECT_FALSE(status_asked);
  const auto& rec = doc.db().row(RowOf(2001));
  EXPECT_EQ(rec.raw_list_type(), 2);
  EXPECT_EQ(rec.status_change(), 0);
  EXPECT_EQ(doc.db().status_list(store::ListType::kNonPublisher).size(), 3u);
}

TEST_F(StudentsTest, ASurnameOfOneCharacterIsNotSaved) {
  OpenDefault();
  PublisherEditor ed = Editor(EditorMode::kAdd);
  ed.SetFirstName("Rita");
  ed.SetSurname(" L ");
  EXPECT_EQ(*ed.Save(hooks), SaveResult::kNotSaved);
  EXPECT_EQ(doc.db().count(), 4);
  EXPECT_FALSE(doc.db().modified);
  EXPECT_FALSE(StudentSurnameAccepted("L"));
  EXPECT_TRUE(StudentSurnameAccepted("Li"));
}

TEST_F(StudentsTest, TheConductorIsKeptInTheReservedWord) {
  OpenWith(test::PersonRecord(23, 101, "Ana", "Borges") +
           test::PersonRecord(23, 2000, "Bia", "Costa", 2));
  PublisherEditor ed = Editor(EditorMode::kEdit, RowOf(2000));
  EXPECT_EQ(ed.conductor_text(), "");
  ed.SetConductor(101);
  EXPECT_EQ(ed.conductor_text(),
            "Dirigente de estudo b\xED"
            "blico: Borges, Ana");
  ASSERT_EQ(*ed.Save(hooks), SaveResult::kSaved);
  const auto& rec = doc.db().row(RowOf(2000));
  EXPECT_EQ(rec.U8(198), 101);
  EXPECT_EQ(rec.U8(199), 0);
  const auto rows = StudentRows(doc.db());
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].text, "Costa, Bia\t( Borges, Ana )");

  EXPECT_TRUE(ConductorAllowed(doc.db(), 0));
  EXPECT_TRUE(ConductorAllowed(doc.db(), 101));
  EXPECT_FALSE(ConductorAllowed(doc.db(), 2000)) << "a student conducts no study";
  EXPECT_FALSE(ConductorAllowed(doc.db(), 555));

  PublisherEditor again = Editor(EditorMode::kEdit, RowOf(2000));
  EXPECT_EQ(again.conductor(), 101);
  again.SetConductor(0);
  ASSERT_EQ(*again.Save(hooks), SaveResult::kSaved);
  EXPECT_EQ(StudentRows(doc.db())[0].text, "Costa, Bia");
  Reopen();
  EXPECT_EQ(ConductorOf(reopened_rows[static_cast<std::size_t>(RowOf(2000))]), 0);
}

TEST_F(StudentsTest, AnEditWritesOnlyTheFieldsThatChanged) {
  // Bytes a student's form never shows: a servant code without gender, no
  // anointed mark, pioneer codes, a consent entry.
  std::string s = test::PersonRecord(23, 2000, "Bia", "Costa", 2);
  s[239] = 0x03;
  s[180] = 0;
  s[202 + 5] = 2;
  OpenWith(test::PersonRecord(23, 101, "Ana", "Borges") + s);
  const store::PublisherRecord before = doc.db().row(RowOf(2000));
  struct Case {
    void (*edit)(PublisherForm&);
    std::vector<std::size_t> bytes;  // offsets that may change
  } cases[] = {
      {[](PublisherForm& f) { f.address = "Rua Nova 1"; }, {}},
      {[](PublisherForm& f) { f.mobile = "912"; }, {}},
      {[](PublisherForm& f) {
         f.birth = {2, 28, 1990};
       },
       {}},
      {[](PublisherForm& f) { f.group = 3; }, {181}},
      {[](PublisherForm& f) { f.deaf = true; }, {196}},
  };
  const store::TextField texts[] = {store::field::kAddr, store::field::kPhone2,
                                    store::field::kBirdate};
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    doc.db().row(RowOf(2000)) = before;
    PublisherEditor ed = Editor(EditorMode::kEdit, RowOf(2000));
    cases[k].edit(ed.mutable_form());
    ASSERT_EQ(*ed.Save(hooks), SaveResult::kSaved);
    const auto& now = doc.db().row(RowOf(2000)).bytes;
    for (std::size_t i = 0; i < now.size(); ++i) {
      bool allowed = std::ranges::find(cases[k].bytes, i) != cases[k].bytes.end();
      if (k < std::size(texts))
        allowed |= i >= texts[k].offset && i < std::size_t{texts[k].offset} + texts[k].size;
      if (!allowed) {
        EXPECT_EQ(now[i], before.bytes[i]) << "case " << k << " @" << i;
      }
    }
  }
  EXPECT_EQ(doc.db().row(RowOf(2000)).special_ministry_bits(), 0x8001);
}

TEST_F(StudentsTest, ADuplicateNameAsksToReplaceAndDeletingAsksFirst) {
  OpenWith(test::PersonRecord(23, 101, "Ana", "Borges") +
           test::PersonRecord(23, 2000, "Bia", "Costa", 2));
  PublisherEditor ed = Editor(EditorMode::kAdd);
  ed.SetFirstName("Bia");
  ed.SetSurname("Costa");
  prompter.answers = {Answer::kNo};
  EXPECT_EQ(*ed.Save(hooks), SaveResult::kDropped);
  EXPECT_EQ(prompter.shown.back(), "Costa, Bia j\xE1 existe!!!\n\nSubstituir por este?");
  EXPECT_EQ(doc.db().count(), 3);

  const int row = RowOf(2000);
  EXPECT_EQ(StudentDeleteQuestion(doc.db(), row), "Quer mesmo apagar Costa, Bia?");
  EXPECT_TRUE(DeleteStudent(doc, RowOf(101), prompter).ok());
  EXPECT_EQ(RowOf(101), 1) << "only students are deleted here";
  ASSERT_TRUE(DeleteStudent(doc, row, prompter).ok());
  EXPECT_EQ(RowOf(2000), 0);
  EXPECT_TRUE(doc.db().status_list(store::ListType::kNonPublisher).empty());
  EXPECT_TRUE(doc.db().modified);
}

}  // namespace
}  // namespace ledra::records
