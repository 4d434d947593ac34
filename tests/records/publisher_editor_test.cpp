#include "records/publisher_editor.h"

#include <gtest/gtest.h>

#include "records/appointment_entries.h"
#include "records/status_choice.h"
#include "records_fixture.h"

namespace ledra::records {
namespace {

class EditorTest : public RecordsTest {
 protected:
  // The status dialog for new people: "Novo Publicador" in the ReportMonth.
  SaveHooks hooks{[](store::PublisherRecord& rec) {
    rec.SetU8(201, 12 * 16 + 1);
    return true;
  }};
  std::vector<std::string> Surnames() const {
    std::vector<std::string> out;
    for (int r = 1; r < doc.db().count(); ++r) out.push_back(doc.db().row(r).lname());
    return out;
  }
};

TEST_F(EditorTest, NamesAreCutCapitalisedAndShortenedTogether) {
  OpenDefault();
  PublisherEditor ed(doc, settings, prompter, EditorMode::kAdd);
  ed.SetFirstName("maria");
  EXPECT_EQ(ed.form().first, "Maria");
  ed.SetSurname("abcdefghijklmnopqrs");  // cut to 14: 5 + 14 = 19, fits
  EXPECT_EQ(ed.form().last, "Abcdefghijklmn");
  EXPECT_EQ(ed.form().first, "Maria");
  ed.SetFirstName("Mariana Sofia");  // 13 + 14 > 23
  EXPECT_EQ(ed.form().first, "Mariana Sofia") << "not while typing";
  ed.FinishNames();
  EXPECT_EQ(ed.form().first, "M.");
  EXPECT_FALSE(AutoCapitalises(true, "french"));
  EXPECT_FALSE(AutoCapitalises(true, "Ukr"));
  EXPECT_FALSE(AutoCapitalises(false, "ptg"));
  EXPECT_TRUE(AutoCapitalises(true, "ptg"));
}

TEST_F(EditorTest, FiveAndNineteenLettersReduceTheFirstNameToItsInitial) {
  OpenDefault();
  PublisherEditor ed(doc, settings, prompter, EditorMode::kAdd);
  // Names typed elsewhere (the limit of 14 applies to typing) still obey the 23 rule.
  ed.mutable_form().last = "Abcdefghijklmnopqrs";
  ed.SetFirstName("Pedro");
  ed.FinishNames();
  EXPECT_EQ(ed.form().first, "P.");
}

TEST_F(EditorTest, TypingAFirstNameKeepsEveryLetterUntilTheFieldIsLeft) {
  OpenDefault();
  PublisherEditor ed(doc, settings, prompter, EditorMode::kAdd);
  ed.SetSurname("Vasconcelosabc");  // 14 letters
  const std::string name = "maximiliano";
  for (std::size_t n = 1; n <= name.size(); ++n) {
    ed.SetFirstName(name.substr(0, n));
    EXPECT_EQ(ed.form().first.size(), n) << "after " << n << " letters";
  }
  EXPECT_EQ(ed.form().first, "Maximiliano");
  ed.SetSurname("Vasconcelosab");  // editing the surname does not shorten either
  EXPECT_EQ(ed.form().first, "Maximiliano");
  ed.FinishNames();
  EXPECT_EQ(ed.form().first, "M.") << "11 + 13 > 23";
  ed.SetFirstName("Maximilian");  // 10 + 13 = 23 fits
  ed.FinishNames();
  EXPECT_EQ(ed.form().first, "Maximilian");
}

TEST_F(EditorTest, SavingStraightFromANameFieldShortensAsLeavingItWould) {
  OpenDefault();
  PublisherEditor ed(doc, settings, prompter, EditorMode::kAdd);
  ed.SetFirstName("Maximiliano");
  ed.SetSurname("Vasconcelosabc");
  ASSERT_TRUE(ed.Save(hooks).ok());
  EXPECT_EQ(ed.form().first, "M.");
  EXPECT_EQ(ed.working().fname(), "M.");
}

TEST_F(EditorTest, CheckBoxesExcludeEachOther) {
  OpenDefault();
  PublisherEditor ed(doc, settings, prompter, EditorMode::kAdd);
  ed.Tick(Box::kFemale, true);
  ed.Tick(Box::kElder, true);
  EXPECT_TRUE(ed.form().elder && ed.form().male && !ed.form().female);
  ed.Tick(Box::kMinisterialServant, true);
  EXPECT_TRUE(ed.form().ministerial_servant && !ed.form().elder);
  ed.Tick(Box::kBaptisedBrother, true);
  EXPECT_TRUE(ed.form().baptised_brother && !ed.form().ministerial_servant);
  ed.Tick(Box::kFemale, true);
  EXPECT_FALSE(ed.form().baptised_brother || ed.form().male);
  ed.Tick(Box::kMale, true);
  EXPECT_FALSE(ed.form().female);
  ed.Tick(Box::kRegularPioneer, true);
  ed.Tick(Box::kSpecialPioneer, true);
  EXPECT_TRUE(ed.form().special_pioneer && !ed.form().regular_pioneer);
  ed.Tick(Box::kRegularAuxiliary, true);
  EXPECT_TRUE(ed.form().regular_auxiliary && !ed.form().special_pioneer);
}

TEST_F(EditorTest, AServantWithoutGenderIsShownAsMale) {
  std::string p = test::PersonRecord(23, 101, "Rui", "Sousa");
  p[239] = 2;
  OpenWith(p);
  PublisherEditor ed(doc, settings, prompter, EditorMode::kEdit, 1);
  EXPECT_TRUE(ed.form().elder);
  EXPECT_TRUE(ed.form().male);
}

TEST_F(EditorTest, HouseholdButtonAndHeadBox) {
  std::string head = test::PersonRecord(23, 101, "Ana", "Borges");
  head[239] = 0x04;
  std::string member = test::PersonRecord(23, 102, "Bruno", "Borges");
  test::Put16(member, 188, 101);
  OpenWith(head + member + test::PersonRecord(23, 103, "Carla", "Dias"));
  PublisherEditor h(doc, settings, prompter, EditorMode::kEdit, RowOf(101));
  EXPECT_EQ(h.household_button_text(), "Editar Membros da Familia");
  EXPECT_FALSE(h.head_box_enabled());
  PublisherEditor m(doc, settings, prompter, EditorMode::kEdit, RowOf(102));
  EXPECT_EQ(m.household_button_text(), "Ver Membros da Familia");
  EXPECT_EQ(m.household_head(), 101);
  PublisherEditor n(doc, settings, prompter, EditorMode::kEdit, RowOf(103));
  EXPECT_EQ(n.household_button_text(), "");
  EXPECT_TRUE(n.head_box_enabled());
}

TEST_F(EditorTest, GroupButtonTexts) {
  OpenDefault();
  auto& groups = doc.db().side.groups;
  groups.set_count(2);
  groups.set_text(1, store::GroupTable::Text::kOverseer, "Rui Sousa");
  groups.set_text(2, store::GroupTable::Text::kName, "Centro");
  PublisherEditor ed(doc, settings, prompter, EditorMode::kEdit, 1);
  EXPECT_EQ(ed.group_button_text(), "Selecionar Grupo Servi\xE7o de Campo");
  ed.mutable_form().group = 1;
  EXPECT_EQ(ed.group_button_text(), "( &Grupo #1 ) Rui Sousa");
  ed.mutable_form().group = 2;
  EXPECT_EQ(ed.group_button_text(), "Centro");
}

TEST_F(EditorTest, EmptySurnameSavesNothing) {
  OpenDefault();
  PublisherEditor ed(doc, settings, prompter, EditorMode::kAdd);
  ed.SetFirstName("Zeca");
  ed.SetSurname("   ");
  bool asked = false;
  auto r = ed.Save({[&](store::PublisherRecord&) { return asked = true; }});
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(*r, SaveResult::kNotSaved);
  EXPECT_FALSE(asked);
  EXPECT_EQ(doc.db().people(), 3);
}

TEST_F(EditorTest, AddingAsksTheStatusWritesEverythingAndSorts) {
  OpenDefault();
  PublisherEditor ed(doc, settings, prompter, EditorMode::kAdd);
  EXPECT_FALSE(ed.delete_visible());
  EXPECT_FALSE(ed.walk_visible());
  const std::uint16_t id = ed.id();
  EXPECT_EQ(id, 100);  // the smallest free id from 100
  ed.SetFirstName("Bia");
  ed.SetSurname("Castro");
  ed.mutable_form().address = "Rua 1";
  ed.mutable_form().email = "bia@example.org";
  ed.mutable_form().birth = {3, 4, 1990};
  ed.Tick(Box::kFemale, true);
  ed.Tick(Box::kRegularPioneer, true);
  ed.mutable_form().anointed = true;
  ed.mutable_form().deaf = true;
  ed.mutable_form().consent = true;
  ed.mutable_form().consent_date = {12, 1, 2025};
  bool asked = false;
  auto r = ed.Save({[&](store::PublisherRecord& rec) {
    asked = true;
    StatusChoice c(doc.db(), rec);
    c.kind = StatusKind::kNew;
    c.month = 12;
    c.Apply(rec);
    return true;
  }});
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(*r, SaveResult::kSaved);
  EXPECT_TRUE(asked);
  EXPECT_EQ(Surnames(), (std::vector<std::string>{"Borges", "Castro", "Costa", "Dias"}));
  const auto& rec = doc.db().row(2);
  EXPECT_EQ(rec.Text(store::field::kBirdate), "03041990");
  EXPECT_EQ(rec.attribute_flags(), store::attr::kFemale);
  EXPECT_EQ(rec.pioneer_code(11 * 3 + 1), 2);
  EXPECT_EQ(rec.anointed_mark(), 'A');
  EXPECT_EQ(rec.special_ministry_bits(), 0x8001);
  EXPECT_EQ(rec.status_change(), 12 * 16 + 1);
  EXPECT_EQ(rec.status_counter(), 25 * 12 + 11);
  const auto& appts = doc.db().side.appointments;
  ASSERT_NE(FindAppointment(appts, id, kKindRegularPioneer), nullptr);
  EXPECT_EQ(FindAppointment(appts, id, kKindConsent)->start(), "12012025");
  EXPECT_TRUE(doc.db().modified);
  Reopen();
  EXPECT_EQ(reopened_rows[2].lname(), "Castro");
  EXPECT_EQ(reopened_rows[2].Text(store::field::kAddr), "Rua 1");
  EXPECT_TRUE(HasConsent(reopened_appointments, id));
  store::Document again(folder.path(), clock, prompter);
  ASSERT_EQ(again.Open({}), store::OpenOutcome::kOpened);
  EXPECT_EQ(again.ReadExtension(again.db().FindRow(id))->email(), "bia@example.org");
}

TEST_F(EditorTest, CancelledStatusSavesNothing) {
  OpenDefault();
  PublisherEditor ed(doc, settings, prompter, EditorMode::kAdd);
  ed.SetSurname("Novo");
  auto r = ed.Save({[](store::PublisherRecord&) { return false; }});
  EXPECT_EQ(*r, SaveResult::kNotSaved);
  EXPECT_EQ(doc.db().people(), 3);
}

TEST_F(EditorTest, ConsentUntickedEmptiesTheEntry) {
  OpenDefault();
  SetAppointmentStart(doc.db().side.appointments, 101, kKindConsent, "01012020");
  PublisherEditor ed(doc, settings, prompter, EditorMode::kEdit, RowOf(101));
  EXPECT_TRUE(ed.consent_dates_visible());
  EXPECT_EQ(ed.form().consent_date, (DateParts{1, 1, 2020}));
  ed.mutable_form().consent = false;
  ASSERT_TRUE(ed.Save({}).ok());
  EXPECT_FALSE(HasConsent(doc.db().side.appointments, 101));
}

TEST_F(EditorTest, AddingANameEqualToAnInactiveOnePassesOverItSilently) {
  OpenWith(test::PersonRecord(23, 101, "Ana", "Borges") +
           test::PersonRecord(23, 102, "Rui", "Sousa", 1));
  PublisherEditor ed(doc, settings, prompter, EditorMode::kAdd);
  ed.SetFirstName("Rui");
  ed.SetSurname("Sousa");
  EXPECT_EQ(*ed.Save(hooks), SaveResult::kSaved);
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(doc.db().people(), 3);
}

TEST_F(EditorTest, NoToReplaceKeepsTheCountAndYesReplaces) {
  OpenDefault();
  {
    PublisherEditor ed(doc, settings, prompter, EditorMode::kAdd);
    ed.SetFirstName("Bruno");
    ed.SetSurname("costa");
    prompter.answers = {Answer::kNo};
    EXPECT_EQ(*ed.Save(hooks), SaveResult::kDropped);
    EXPECT_EQ(prompter.shown.back(), "Costa, Bruno j\xE1 existe!!!\n\nSubstituir por este?");
    EXPECT_EQ(doc.db().people(), 3);
    EXPECT_EQ(Surnames(), (std::vector<std::string>{"Borges", "Costa", "Dias"}));
  }
  PublisherEditor ed(doc, settings, prompter, EditorMode::kAdd);
  ed.SetFirstName("Bruno");
  ed.SetSurname("Costa");
  ed.mutable_form().address = "Nova morada";
  prompter.answers = {Answer::kYes};
  EXPECT_EQ(*ed.Save(hooks), SaveResult::kSaved);
  EXPECT_EQ(doc.db().people(), 3);
  EXPECT_EQ(doc.db().row(2).Text(store::field::kAddr), "Nova morada");
}

TEST_F(EditorTest, RenamingOntoAnExistingNameIsReportedAndLeftUnsorted) {
  OpenDefault();
  PublisherEditor ed(doc, settings, prompter, EditorMode::kEdit, RowOf(103));
  ed.SetFirstName("Ana");
  ed.SetSurname("Borges");
  EXPECT_EQ(*ed.Save({}), SaveResult::kSaved);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0], "Borges, Ana j\xE1 existe!!!\n\n");
  EXPECT_EQ(RowOf(103), 3);
}

TEST_F(EditorTest, RenamingMovesTheRecordAndTheCircuitOverseerStaysLast) {
  OpenWith(test::PersonRecord(23, 101, "Ana", "Borges") +
           test::PersonRecord(23, 102, "Bruno", "Costa") +
           test::PersonRecord(23, 109, "Abel", "Aaron", 5));
  EXPECT_EQ(RowOf(109), 3);
  PublisherEditor ed(doc, settings, prompter, EditorMode::kEdit, RowOf(101));
  ed.SetSurname("Zurique");
  EXPECT_EQ(*ed.Save({}), SaveResult::kSaved);
  EXPECT_EQ(Surnames(), (std::vector<std::string>{"Costa", "Zurique", "Aaron"}));
  PublisherEditor add(doc, settings, prompter, EditorMode::kAdd);
  add.SetSurname("Zz");
  EXPECT_EQ(*add.Save(hooks), SaveResult::kSaved);
  EXPECT_EQ(Surnames(), (std::vector<std::string>{"Costa", "Zurique", "Zz", "Aaron"}));
}

TEST_F(EditorTest, NextFromTheLastGoesToTheFirstAndPreviousWraps) {
  OpenDefault();
  PublisherChooser chooser(doc.db(), ChooserMode::kEdit);
  chooser.SelectId(103);
  PublisherEditor ed(doc, settings, prompter, EditorMode::kEdit, RowOf(103));
  ed.mutable_form().home = "555";
  EXPECT_EQ(*ed.Step(+1, chooser, {}), SaveResult::kSaved);
  EXPECT_EQ(ed.id(), 101);
  EXPECT_EQ(chooser.selected(), 0);
  EXPECT_EQ(doc.db().row(RowOf(103)).Text(store::field::kPhone), "555");
  EXPECT_EQ(*ed.Step(-1, chooser, {}), SaveResult::kSaved);
  EXPECT_EQ(ed.id(), 103);
}

TEST_F(EditorTest, CopyRemembersAndPasteFillsAddressPhoneAndGroup) {
  OpenDefault();
  PublisherEditor ed(doc, settings, prompter, EditorMode::kEdit, RowOf(101));
  ed.mutable_form().address = "Rua da Paz 3";
  ed.mutable_form().home = "21000";
  ed.mutable_form().group = 2;
  EXPECT_EQ(ed.copy_button_text(), "Copiar");
  EXPECT_EQ(*ed.Copy({}), SaveResult::kSaved);
  EXPECT_EQ(ed.copy_button_text(), "Colar");
  PublisherChooser chooser(doc.db(), ChooserMode::kEdit);
  chooser.SelectId(101);
  ASSERT_EQ(*ed.Step(+1, chooser, {}), SaveResult::kSaved);
  ed.Paste();
  EXPECT_EQ(ed.form().address, "Rua da Paz 3");
  EXPECT_EQ(ed.form().home, "21000");
  EXPECT_EQ(ed.form().group, 2);
  ed.ForgetCopied();
  EXPECT_EQ(ed.copy_button_text(), "Copiar");
}

TEST_F(EditorTest, PrivilegeTickedThisVisitGetsAnEntryButKeepsExistingDates) {
  OpenDefault();
  SetAppointmentStart(doc.db().side.appointments, 101, kKindElder, "09012010");
  PublisherEditor ed(doc, settings, prompter, EditorMode::kEdit, RowOf(101));
  ed.Tick(Box::kElder, true);
  ed.Tick(Box::kRegularAuxiliary, true);
  ASSERT_TRUE(ed.Save({}).ok());
  const auto& appts = doc.db().side.appointments;
  EXPECT_EQ(FindAppointment(appts, 101, kKindElder)->start(), "09012010");
  ASSERT_NE(FindAppointment(appts, 101, kKindAuxiliaryIndefinite), nullptr);
  EXPECT_EQ(doc.db().row(RowOf(101)).pioneer_code(34), 1);
}

TEST_F(EditorTest, AddingBeyondTheTableCapacityChangesNothing) {
  OpenDefault();
  while (doc.db().count() < store::kMaxRecords) {
    store::PublisherRecord r;
    r.set_id(static_cast<std::uint16_t>(1000 + doc.db().count()));
    r.SetText(store::field::kLname, "X");
    ASSERT_TRUE(doc.db().AppendRow(r).ok());
  }
  PublisherEditor ed(doc, settings, prompter, EditorMode::kAdd);
  ed.SetSurname("Nova");
  bool asked = false;
  auto r = ed.Save({[&](store::PublisherRecord&) { return asked = true; }});
  EXPECT_FALSE(r.ok());
  EXPECT_FALSE(r.error().text.empty());
  EXPECT_FALSE(asked);
  EXPECT_EQ(doc.db().count(), store::kMaxRecords);
}

}  // namespace
}  // namespace ledra::records
