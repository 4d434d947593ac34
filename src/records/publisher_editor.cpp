#include "records/publisher_editor.h"

#include <cctype>

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/appointment_entries.h"
#include "records/bible_students.h"
#include "records/group_choice.h"
#include "records/household.h"
#include "store/month_slot.h"

namespace ledra::records {
namespace {

std::string Cut(std::string_view text, std::size_t limit) {
  return std::string(text.substr(0, limit));
}

}  // namespace

bool AutoCapitalises(bool auto_cap_setting, std::string_view code) {
  if (!auto_cap_setting) return false;
  for (std::string_view no : {"turkish", "french", "greek", "tha", "rus"})
    if (code == no) return false;
  return code.empty() || code.front() != 'U';
}

PublisherEditor::PublisherEditor(store::Document& doc, const store::Settings& settings,
                                 Prompter& prompter, EditorMode mode, int row, EditorKind kind)
    : doc_(doc), settings_(settings), prompter_(prompter), mode_(mode), kind_(kind) {
  if (mode == EditorMode::kAdd)
    LoadNew();
  else
    Load(row);
}

int PublisherEditor::slot() const {
  const auto& m = doc_.db().month();
  return store::MonthSlot(m.report_month_index, m.report_year);
}

YearRange PublisherEditor::years() const {
  return DateYearRange(doc_.db().month().report_year);
}

void PublisherEditor::LoadNew() {
  working_ = store::PublisherRecord{};
  working_.set_id(doc_.db().NewId(student() ? kFirstStudentId : store::kFirstPersonId));
  if (student()) working_.set_list_type(store::ListType::kNonPublisher);
  working_.set_special_ministry_bits(store::kSpecialMinistryValid);
  working_.SetU8(180, 'O');
  working_.SetText(store::field::kBapdate, std::string(8, ' '));
  working_.SetText(store::field::kBirdate, std::string(8, ' '));
  original_ = working_;
  form_ = PublisherForm{};
  opened_ = form_;
  extension_ = store::ExtensionRecord{};
  extension_opened_ = extension_;
  special_servant_shown_ = field_missionary_shown_ = false;
}

void PublisherEditor::Load(int row) {
  const auto& db = doc_.db();
  if (row <= 0 || row >= db.count()) {
    LoadNew();
    mode_ = EditorMode::kAdd;
    return;
  }
  working_ = db.row(row);
  original_ = working_;
  const auto& r = working_;
  PublisherForm f;
  f.first = r.fname();
  f.last = r.lname();
  f.address = r.Text(store::field::kAddr);
  f.home = r.Text(store::field::kPhone);
  f.mobile = r.Text(store::field::kPhone2);
  f.work = r.Text(store::field::kPhone3);
  f.birth = SplitDate(r.Text(store::field::kBirdate));
  f.baptism = SplitDate(r.Text(store::field::kBapdate));
  const std::uint8_t a = r.attribute_flags();
  const int servant = a & store::attr::kServantMask;
  f.elder = servant == 2;
  f.ministerial_servant = servant == 1;
  f.baptised_brother = servant == 3;
  f.male = (a & store::attr::kMale) != 0;
  f.female = (a & store::attr::kFemale) != 0;
  if (servant != 0 && !f.male && !f.female) f.male = true;  // rule 5
  if (f.male && f.female) f.female = false;
  f.head_of_family = (a & store::attr::kHeadOfFamily) != 0;
  f.regular_auxiliary = (a & store::attr::kRegularAuxiliary) != 0;
  f.special_category = (a & store::attr::kSpecialCategory) != 0;
  f.anointed = r.anointed_mark() == 'A';
  f.group = r.group();
  const std::uint8_t code = r.pioneer_code(slot()) & 3;
  f.regular_pioneer = code == 2;
  f.special_pioneer = code == 3;
  if (f.regular_pioneer || f.special_pioneer) f.regular_auxiliary = false;
  f.special_servant = (r.appointment_bits() & store::kAppointmentSpecialServant) != 0;
  f.field_missionary = (r.appointment_bits() & store::kAppointmentFieldMissionary) != 0;
  const std::uint16_t sm = r.special_ministry_bits();
  f.deaf = sm & 1;
  f.blind = sm & 2;
  f.prisoners = sm & 4;
  const auto& appts = db.side.appointments;
  if (const auto* c = FindAppointment(appts, r.id(), kKindConsent)) {
    f.consent = true;
    f.consent_date = SplitDate(c->start());
  }
  special_servant_shown_ =
      f.special_servant || FindAppointment(appts, r.id(), kKindSpecialServant) != nullptr;
  field_missionary_shown_ =
      f.field_missionary || FindAppointment(appts, r.id(), kKindFieldMissionary) != nullptr;
  extension_ = doc_.ReadExtension(row).value_or(store::ExtensionRecord{});
  extension_opened_ = extension_;
  f.email = extension_.email();
  form_ = f;
  opened_ = f;
}

void PublisherEditor::SetFirstName(std::string_view text) {
  std::string s = Cut(text, kNameLimit);
  if (!s.empty() && s[0] >= 'a' && s[0] <= 'z' &&
      AutoCapitalises(settings_.auto_cap, doc_.db().language_code))
    s[0] = static_cast<char>(s[0] - 'a' + 'A');
  form_.first = s;
}

void PublisherEditor::SetSurname(std::string_view text) {
  std::string s = Cut(text, kNameLimit);
  if (!s.empty() && s[0] >= 'a' && s[0] <= 'z' &&
      AutoCapitalises(settings_.auto_cap, doc_.db().language_code))
    s[0] = static_cast<char>(s[0] - 'a' + 'A');
  form_.last = s;
}

void PublisherEditor::FinishNames() {
  if (form_.first.size() + form_.last.size() > kNamesTogetherLimit && !form_.first.empty())
    form_.first = std::string(1, form_.first[0]) + ".";
}

void PublisherEditor::Tick(Box box, bool on) {
  PublisherForm& f = form_;
  switch (box) {
    case Box::kElder:
    case Box::kMinisterialServant:
    case Box::kBaptisedBrother:
      f.elder = box == Box::kElder && on;
      f.ministerial_servant = box == Box::kMinisterialServant && on;
      f.baptised_brother = box == Box::kBaptisedBrother && on;
      if (on) {
        f.male = true;
        f.female = false;
      }
      break;
    case Box::kFemale:
      f.female = on;
      if (on) f.male = f.elder = f.ministerial_servant = f.baptised_brother = false;
      break;
    case Box::kMale:
      f.male = on;
      if (on) f.female = false;
      break;
    case Box::kRegularPioneer:
    case Box::kSpecialPioneer:
    case Box::kRegularAuxiliary:
      f.regular_pioneer = box == Box::kRegularPioneer && on;
      f.special_pioneer = box == Box::kSpecialPioneer && on;
      f.regular_auxiliary = box == Box::kRegularAuxiliary && on;
      break;
  }
}

bool PublisherEditor::head_box_enabled() const {
  return !(form_.head_of_family && HasHouseholdMembers(doc_.db(), id()));
}

std::uint16_t PublisherEditor::household_head() const {
  if (form_.head_of_family) return id();
  const std::uint16_t h = working_.household();
  return h != 0 && h != id() ? h : 0;
}

std::string PublisherEditor::household_button_text() const {
  if (form_.head_of_family) return Strings().Get(str::kRecEditHousehold);
  if (household_head() != 0) return Strings().Get(str::kRecViewHousehold);
  return {};
}

std::string PublisherEditor::group_button_text() const {
  return GroupButtonText(doc_.db().side.groups, form_.group);
}

std::string PublisherEditor::copy_button_text() const {
  return Strings().Get(has_copied() ? str::kRecPasteButton : str::kRecCopyButton);
}

void PublisherEditor::Paste() {
  if (!copied_) return;
  form_.address = copied_->address;
  form_.home = copied_->home;
  form_.group = copied_->group;
}

void PublisherEditor::ApplyPrivilegeTicks(const std::array<bool, 7>& t) {
  if (t[0]) Tick(Box::kMinisterialServant, true);
  if (t[1]) Tick(Box::kElder, true);
  if (!t[0] && !t[1]) form_.elder = form_.ministerial_servant = false;
  form_.regular_pioneer = t[2];
  form_.regular_auxiliary = t[3] && !t[2];
  form_.special_pioneer = t[4] && !t[2] && !t[3];
  if (form_.special_pioneer) form_.regular_auxiliary = false;
  special_servant_shown_ = form_.special_servant = t[5];
  field_missionary_shown_ = form_.field_missionary = t[6];
}

int PublisherEditor::row() const {
  return doc_.db().FindRow(id());
}

std::uint16_t PublisherEditor::conductor() const {
  return ConductorOf(working_);
}

void PublisherEditor::SetConductor(std::uint16_t id) {
  SetConductorOf(working_, id);
}

std::string PublisherEditor::conductor_text() const {
  return ConductorLine(doc_.db(), conductor());
}

}  // namespace ledra::records
